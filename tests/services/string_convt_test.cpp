#include "services/StringConvt.h"

#include <gtest/gtest.h>
#include <string>

using namespace StringConvt;

namespace {

const std::string kDeg = Unit::kDegreeSign;

std::string pos(double value, char hemisphere, int format, bool fixedWidth)
{
    char text[64];
    formatStrPos(text, sizeof(text), value, hemisphere, static_cast<Unit::WORLD_POS_FORMAT>(format), fixedWidth);
    return text;
}

} // namespace

TEST(StringConvtTest, IdentifierTexts)
{
    const struct
    {
        unsigned id;
        int width;
        const char* text;
    } cases[] = {
        {366123456, 9, "366123456"}, {366123456, 0, "366123456"}, {5, 3, "005"},     {2579999, 9, "002579999"},
        {123456, 3, "123456"},       {0, 0, "0"},                 {7, -1, "7"},      {1000000000, 9, "1000000000"},
        {4294967295u, 0, "4294967295"},
    };
    for (const auto& c : cases) {
        char text[32];
        formatStrID(text, sizeof(text), c.id, static_cast<char>(c.width));
        EXPECT_STREQ(text, c.text) << c.id << " width " << c.width;
    }
    char small[4];
    formatStrID(small, sizeof(small), 366123456, 9);
    EXPECT_STREQ(small, "366");
}

TEST(StringConvtTest, PositionTextsInEachFormat)
{
    const struct
    {
        double value;
        char hemisphere;
        int format;
        bool fixed;
        std::string text;
    } cases[] = {
        {59.5, 'N', 0, false, "59.5000" + kDeg + "N"},
        {59.5, 'N', 0, true, " 59.5000" + kDeg + "N"},
        {-122.25, 'W', 0, true, "122.2500" + kDeg + "W"},
        {-0.5, 'S', 0, false, "0.5000" + kDeg + "S"},
        {59.5, 'N', 1, false, "59" + kDeg + "30.0000'N"},
        {59.5, 'N', 1, true, " 59" + kDeg + "30.0000'N"},
        {5.1, 'E', 1, true, "  5" + kDeg + " 6.0000'E"},
        {-0.5, 'S', 1, false, "0" + kDeg + "30.0000'S"},
        {-33.856789, 'S', 1, false, "33" + kDeg + "51.4073'S"},
        {10.5125, 'E', 2, false, "10" + kDeg + "30'45\"E"},
        {10.5125, 'E', 2, true, " 10" + kDeg + "30'45\"E"},
        {-1.0125, 'W', 2, true, "  1" + kDeg + " 0'45\"W"},
        {45.0, 'N', 2, false, "45" + kDeg + "0'0\"N"},
        // The epsilon keeps a value a hair below a whole second from losing it.
        {10.0 + 30.0 / 60 + 45.0 / 3600 - 1e-12, 'E', 2, false, "10" + kDeg + "30'45\"E"},
        {59.5, 'N', 3, false, ""},
        {59.5, 'N', -1, true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pos(c.value, c.hemisphere, c.format, c.fixed), c.text)
            << c.value << " format " << c.format << (c.fixed ? " fixed" : "");
}

TEST(StringConvtTest, PositionTextSurvivesWildValues)
{
    EXPECT_EQ(pos(1e12, 'N', 1, false).substr(0, 5), "32767");
    EXPECT_EQ(pos(-1e12, 'S', 2, false).substr(0, 5), "32768");
    char small[6];
    formatStrPos(small, sizeof(small), 59.5, 'N', Unit::WORLD_POS_FORMAT_DEG_MIN, false);
    EXPECT_EQ(std::string(small), "59" + kDeg + "3");
}

TEST(StringConvtTest, DegreeRecordsKeepTheSign)
{
    Unit::DEGREE_M dm;
    pos2DegreeMin(-33.5, &dm);
    EXPECT_EQ(dm.degree, -33);
    EXPECT_FLOAT_EQ(dm.minute, 30.0f);
    pos2DegreeMin(-0.25, &dm);
    EXPECT_EQ(dm.degree, 0);
    EXPECT_FLOAT_EQ(dm.minute, 15.0f);

    Unit::DEGREE_S ds;
    pos2DegreeSec(10.5125, &ds);
    EXPECT_EQ(ds.degree, 10);
    EXPECT_EQ(ds.minute, 30);
    EXPECT_EQ(ds.second, 45);
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
    formatStrRange(text, sizeof(text), 12.5f, Unit::DIST_UNIT_NM, false);
    EXPECT_STREQ(text, "12.5");
    formatStrRange(text, sizeof(text), 1.5f, Unit::DIST_UNIT_M, true);
    EXPECT_STREQ(text, "2778 m");
}

TEST(StringConvtTest, NamesAndTrimming)
{
    char text[16];
    EXPECT_EQ(formatStrName(text, sizeof(text), "SEA STAR   "), 8);
    EXPECT_STREQ(text, "SEA STAR");
    EXPECT_EQ(formatStrName(text, sizeof(text), "   "), 0);
    EXPECT_EQ(formatStrName(text, 5, "ABCDEFG"), 4);
    EXPECT_STREQ(text, "ABCD");

    char name[] = "KELVORA@@@@";
    EXPECT_EQ(trimRight(name, '@'), 7);
    EXPECT_STREQ(name, "KELVORA");
    char keep[] = "A@B";
    EXPECT_EQ(trimRight(keep, '@'), 3);
}

TEST(StringConvtTest, DateTimeNoneWritesNothing)
{
    char text[8] = "keep";
    formatStrDateTimeNoneYS(text, sizeof(text), 1700000000, 0.0f);
    EXPECT_STREQ(text, "keep");
}
