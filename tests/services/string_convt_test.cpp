#include "services/StringConvt.h"

#include <gtest/gtest.h>
#include <string>

using namespace StringConvt;

TEST(StringConvtTest, IdentifierTexts)
{
    const struct
    {
        unsigned id;
        int width;
        std::size_t size;
        const char* text;
    } cases[] = {
        {366123456, 9, 32, "366123456"},
        {366123456, 0, 32, "366123456"},
        {5, 3, 32, "005"},
        {2579999, 9, 32, "002579999"},
        {7, -1, 32, "7"},
        {4294967295u, 0, 32, "4294967295"},
        {366123456, 9, 4, "366"},
    };
    for (const auto& c : cases) {
        char text[32];
        formatStrID(text, c.size, c.id, static_cast<char>(c.width));
        EXPECT_STREQ(text, c.text) << c.id << " width " << c.width;
    }
}

TEST(StringConvtTest, PositionTextsInEachFormat)
{
    const std::string deg = Unit::kDegreeSign;
    const struct
    {
        double value;
        char hemisphere;
        int format;
        bool fixed;
        std::string text;
    } cases[] = {
        {59.5, 'N', 0, false, "59.5000" + deg + "N"},
        {59.5, 'N', 0, true, " 59.5000" + deg + "N"},
        {-122.25, 'W', 0, true, "122.2500" + deg + "W"},
        {59.5, 'N', 1, false, "59" + deg + "30.0000'N"},
        {5.1, 'E', 1, true, "  5" + deg + " 6.0000'E"},
        {-0.5, 'S', 1, false, "0" + deg + "30.0000'S"},
        {-33.856789, 'S', 1, false, "33" + deg + "51.4073'S"},
        {10.5125, 'E', 2, false, "10" + deg + "30'45\"E"},
        {-1.0125, 'W', 2, true, "  1" + deg + " 0'45\"W"},
        // The epsilon keeps a value a hair below a whole second from losing it.
        {10.0 + 30.0 / 60 + 45.0 / 3600 - 1e-12, 'E', 2, false, "10" + deg + "30'45\"E"},
        {59.5, 'N', 3, false, ""},
        {1e12, 'N', 2, false, "32767" + deg + "255'255\"N"}, // clamped, not overflowed
    };
    for (const auto& c : cases) {
        char text[64];
        formatStrPos(text, sizeof(text), c.value, c.hemisphere, static_cast<Unit::WORLD_POS_FORMAT>(c.format), c.fixed);
        EXPECT_EQ(std::string(text), c.text) << c.value << " format " << c.format << (c.fixed ? " fixed" : "");
    }
    char small[6];
    formatStrPos(small, sizeof(small), 59.5, 'N', Unit::WORLD_POS_FORMAT_DEG_MIN, false);
    EXPECT_EQ(std::string(small), "59" + deg + "3");
}

TEST(StringConvtTest, DegreeRecordsKeepTheSign)
{
    Unit::DEGREE_M dm;
    pos2DegreeMin(-33.5, &dm);
    EXPECT_EQ(dm.degree, -33);
    EXPECT_FLOAT_EQ(dm.minute, 30.0f);
    Unit::DEGREE_S ds;
    pos2DegreeSec(-122.0125, &ds);
    EXPECT_EQ(ds.degree, -122);
    EXPECT_EQ(ds.minute, 0);
    EXPECT_EQ(ds.second, 45);
}

TEST(StringConvtTest, RangeTexts)
{
    char text[32];
    formatStrRange(text, sizeof(text), -1.0f, Unit::DIST_UNIT_NM, true);
    EXPECT_STREQ(text, "--");
    formatStrRange(text, sizeof(text), 0.0f, Unit::DIST_UNIT_NM, false);
    EXPECT_STREQ(text, "0");
    formatStrRange(text, sizeof(text), 1.5f, Unit::DIST_UNIT_M, true);
    EXPECT_STREQ(text, "2778 m");
}

TEST(StringConvtTest, NamesAndTrimming)
{
    char text[16];
    EXPECT_EQ(formatStrName(text, sizeof(text), "SEA STAR   "), 8);
    EXPECT_STREQ(text, "SEA STAR");
    EXPECT_EQ(formatStrName(text, 5, "ABCDEFG"), 4);
    char name[] = "KELVORA@@@@";
    EXPECT_EQ(trimRight(name, '@'), 7);
    EXPECT_STREQ(name, "KELVORA");
}
