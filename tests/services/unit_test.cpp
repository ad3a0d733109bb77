#include "services/Unit.h"

#include <gtest/gtest.h>
#include <string>

using namespace Unit;

namespace {

const std::string kDeg = kDegreeSign;

template <typename E>
std::string nameOf(void (*getter)(char*, std::size_t, E), int unit)
{
    char text[16];
    getter(text, sizeof(text), static_cast<E>(unit));
    return text;
}

} // namespace

TEST(UnitTest, PositionBoundsExcludeTheNotAvailableValues)
{
    EXPECT_FALSE(checkPosLatFormat(91.0));
    EXPECT_FALSE(checkPosLatFormat(-91.0));
    EXPECT_TRUE(checkPosLatFormat(90.9));
    EXPECT_TRUE(checkPosLatFormat(-90.9));
    EXPECT_FALSE(checkPosLonFormat(181.0));
    EXPECT_FALSE(checkPosLonFormat(-181.0));
    EXPECT_TRUE(checkPosLonFormat(180.9));
    EXPECT_TRUE(checkPosLonFormat(-180.9));
}

TEST(UnitTest, UnitNamesAndOutOfRangeValues)
{
    const struct
    {
        std::string (*name)(int);
        int unit;
        const char* text;
    } cases[] = {
        {[](int u) { return nameOf(getSpeedUnitString, u); }, 0, "Kn"},
        {[](int u) { return nameOf(getSpeedUnitString, u); }, 1, "Km/h"},
        {[](int u) { return nameOf(getSpeedUnitString, u); }, 2, "MPH"},
        {[](int u) { return nameOf(getSpeedUnitString, u); }, 3, "Kn"},
        {[](int u) { return nameOf(getSpeedUnitString, u); }, -1, "Kn"},
        {[](int u) { return nameOf(getDistUnitString, u); }, 0, "NM"},
        {[](int u) { return nameOf(getDistUnitString, u); }, 1, "Km"},
        {[](int u) { return nameOf(getDistUnitString, u); }, 2, "m"},
        {[](int u) { return nameOf(getDistUnitString, u); }, 3, "mile"},
        {[](int u) { return nameOf(getDistUnitString, u); }, 4, "ft"},
        {[](int u) { return nameOf(getDistUnitString, u); }, 5, "NM"},
        {[](int u) { return nameOf(getDistUnitString, u); }, 1000000, "NM"},
        {[](int u) { return nameOf(getDepthUnitString, u); }, 1, "ft"},
        {[](int u) { return nameOf(getDepthUnitString, u); }, 2, "fm"},
        {[](int u) { return nameOf(getDepthUnitString, u); }, 3, "m"},
        {[](int u) { return nameOf(getHeightUnitString, u); }, 1, "ft"},
        {[](int u) { return nameOf(getHeightUnitString, u); }, 2, "m"},
        {[](int u) { return nameOf(getHeightUnitString, u); }, -5, "m"},
        {[](int u) { return nameOf(getDegreeUnitString, u); }, 0, "\xC2\xB0"},
        {[](int u) { return nameOf(getDegreeUnitString, u); }, 1, "deg"},
        {[](int u) { return nameOf(getDegreeUnitString, u); }, 7, "\xC2\xB0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.name(c.unit), c.text) << "unit " << c.unit;
}

TEST(UnitTest, ConversionsUseTheSinglePrecisionFactors)
{
    EXPECT_EQ(speedValueConv(1.0, SPEED_UNIT_KMH), 1.8519999980926514);
    EXPECT_EQ(speedValueConv(1.0, SPEED_UNIT_MPH), 1.1510000228881836);
    EXPECT_EQ(distValueConv(1.0, DIST_UNIT_M), 1852.0);
    EXPECT_EQ(distValueConv(1.0, DIST_UNIT_FT), 6076.0);
    EXPECT_EQ(distValueConv(1.0, DIST_UNIT_MILE), 1.1510000228881836);
    EXPECT_EQ(depthValueConv(1.0, DEPTH_UNIT_FT), 3.2799999713897705);
    EXPECT_EQ(depthValueConv(1.8287999629974365, DEPTH_UNIT_FM), 1.0);
    EXPECT_EQ(depthValue2Meter(1.0, DEPTH_UNIT_FM), 1.8287999629974365);
    EXPECT_EQ(heightValueConv(2.0, HEIGHT_UNIT_FT), 2 * 3.2799999713897705);
    EXPECT_EQ(middleDistConv(2.0, MIDDLE_DIST_UNIT_FT), 2 * 3.2799999713897705);
    EXPECT_EQ(middleDistConv(2.0, static_cast<MIDDLE_DIST_UNIT>(7)), 2.0);
    EXPECT_EQ(speedValue2Knot(1.8519999980926514, SPEED_UNIT_KMH), 1.0);
    EXPECT_EQ(heightValue2Meter(3.2799999713897705, HEIGHT_UNIT_FT), 1.0);
    EXPECT_EQ(middleDistValue2Meters(3.2799999713897705, MIDDLE_DIST_UNIT_FT), 1.0);
    // Kilometres go back through the exact 1.852, so the round trip is not bit-exact.
    EXPECT_EQ(distValue2Nm(1.852, DIST_UNIT_KM), 1.0);
    EXPECT_NE(distValue2Nm(distValueConv(1.0, DIST_UNIT_KM), DIST_UNIT_KM), 1.0);
    // Units a table does not list leave the value alone.
    EXPECT_EQ(speedValueConv(5.0, static_cast<SPEED_UNIT>(3)), 5.0);
    EXPECT_EQ(distValue2Nm(5.0, static_cast<DIST_UNIT>(-1)), 5.0);
}

TEST(UnitTest, ValueTexts)
{
    char text[64];
    formatStrSpeedValue(text, sizeof(text), 12.25, SPEED_UNIT_KMH, true);
    EXPECT_STREQ(text, "22.7 Km/h");
    formatStrSpeedValue(text, sizeof(text), 12.0, SPEED_UNIT_KN, false);
    EXPECT_STREQ(text, "12");
    formatStrSpeedValue(text, sizeof(text), 10.0, static_cast<SPEED_UNIT>(9), true);
    EXPECT_STREQ(text, "10 Kn");
    formatStrDistValue(text, sizeof(text), 1.5, DIST_UNIT_M, true);
    EXPECT_STREQ(text, "2778 m");
    formatStrDistValue(text, sizeof(text), 1.234, DIST_UNIT_NM, true);
    EXPECT_STREQ(text, "1.23 NM");
    formatStrDistValue(text, sizeof(text), 2.0, DIST_UNIT_KM, false);
    EXPECT_STREQ(text, "3.7");
    formatStrDegreeValue(text, sizeof(text), 12.5, DEGREE_UNIT_SIGN, true);
    EXPECT_EQ(std::string(text), "12.5 " + kDeg);
    formatStrDegreeValue(text, sizeof(text), 12.5, DEGREE_UNIT_DEG, true);
    EXPECT_STREQ(text, "12.5 deg");
    formatStrBearingValue(text, sizeof(text), 45.0, BEARING_MEASURE_TRUE, DEGREE_UNIT_SIGN, true);
    EXPECT_EQ(std::string(text), "45 " + kDeg + " T");
    formatStrBearingValue(text, sizeof(text), 45.0, BEARING_MEASURE_RELATIVE, DEGREE_UNIT_DEG, false);
    EXPECT_STREQ(text, "45 R");
    formatStrDistBearing(text, sizeof(text), 1.5, DIST_UNIT_NM, 45.0, BEARING_MEASURE_TRUE, DEGREE_UNIT_DEG);
    EXPECT_STREQ(text, "45 deg T  1.5 NM");
}

TEST(UnitTest, BearingMeasureAppendsOnlyToAValue)
{
    const struct
    {
        const char* before;
        int measure;
        const char* after;
    } cases[] = {
        {"", 0, ""}, {"--", 0, "--"}, {"--", 1, "--"}, {"12.5", 0, "12.5 T"}, {"12.5", 1, "12.5 R"},
        {"12.5", 2, "12.5"}, {"-", 0, "- T"},
    };
    for (const auto& c : cases) {
        char text[16];
        std::snprintf(text, sizeof(text), "%s", c.before);
        formatStrBearingMeasure(text, sizeof(text), static_cast<BEARING_MEASURE>(c.measure));
        EXPECT_STREQ(text, c.after) << c.before << " measure " << c.measure;
    }
}

TEST(UnitTest, WritersStayWithinTheirCapacity)
{
    char text[6] = "12345";
    formatStrBearingMeasure(text, sizeof(text), BEARING_MEASURE_TRUE);
    EXPECT_STREQ(text, "12345");
    char small[5];
    formatStrSpeedValue(small, sizeof(small), 123.4, SPEED_UNIT_KMH, true);
    EXPECT_STREQ(small, "228.");
    formatStrDistBearing(small, sizeof(small), 1.0, DIST_UNIT_NM, 300.0, BEARING_MEASURE_TRUE, DEGREE_UNIT_DEG);
    EXPECT_STREQ(small, "300 ");
}
