#include "services/Unit.h"

#include <gtest/gtest.h>
#include <string>

using namespace Unit;

TEST(UnitTest, PositionBoundsExcludeTheNotAvailableValues)
{
    EXPECT_FALSE(checkPosLatFormat(91.0));
    EXPECT_FALSE(checkPosLatFormat(-91.0));
    EXPECT_TRUE(checkPosLatFormat(90.9));
    EXPECT_FALSE(checkPosLonFormat(181.0));
    EXPECT_FALSE(checkPosLonFormat(-181.0));
    EXPECT_TRUE(checkPosLonFormat(-180.9));
}

TEST(UnitTest, UnitNamesWithOutOfRangeValues)
{
    // Each row: the names of units -1 to 5; outside a table the name of unit 0.
    const char* speed[] = {"Kn", "Kn", "Km/h", "MPH", "Kn", "Kn", "Kn"};
    const char* dist[] = {"NM", "NM", "Km", "m", "mile", "ft", "NM"};
    const char* depth[] = {"m", "m", "ft", "fm", "m", "m", "m"};
    const char* height[] = {"m", "m", "ft", "m", "m", "m", "m"};
    const char* degree[] = {"\xC2\xB0", "\xC2\xB0", "deg", "\xC2\xB0", "\xC2\xB0", "\xC2\xB0", "\xC2\xB0"};
    char text[8];
    for (int unit = -1; unit <= 5; ++unit) {
        const int row = unit + 1;
        getSpeedUnitString(text, sizeof(text), static_cast<SPEED_UNIT>(unit));
        EXPECT_STREQ(text, speed[row]) << unit;
        getDistUnitString(text, sizeof(text), static_cast<DIST_UNIT>(unit));
        EXPECT_STREQ(text, dist[row]) << unit;
        getDepthUnitString(text, sizeof(text), static_cast<DEPTH_UNIT>(unit));
        EXPECT_STREQ(text, depth[row]) << unit;
        getHeightUnitString(text, sizeof(text), static_cast<HEIGHT_UNIT>(unit));
        EXPECT_STREQ(text, height[row]) << unit;
        getDegreeUnitString(text, sizeof(text), static_cast<DEGREE_UNIT_S>(unit));
        EXPECT_STREQ(text, degree[row]) << unit;
    }
    getDistUnitString(text, sizeof(text), static_cast<DIST_UNIT>(1000000));
    EXPECT_STREQ(text, "NM");
}

TEST(UnitTest, ConversionsUseTheSinglePrecisionFactors)
{
    EXPECT_EQ(speedValueConv(1.0, SPEED_UNIT_KMH), 1.8519999980926514);
    EXPECT_EQ(speedValueConv(1.0, SPEED_UNIT_MPH), 1.1510000228881836);
    EXPECT_EQ(distValueConv(1.0, DIST_UNIT_M), 1852.0);
    EXPECT_EQ(distValueConv(1.0, DIST_UNIT_FT), 6076.0);
    EXPECT_EQ(depthValueConv(1.0, DEPTH_UNIT_FT), 3.2799999713897705);
    EXPECT_EQ(depthValueConv(1.8287999629974365, DEPTH_UNIT_FM), 1.0);
    EXPECT_EQ(depthValue2Meter(1.0, DEPTH_UNIT_FM), 1.8287999629974365);
    EXPECT_EQ(middleDistConv(2.0, MIDDLE_DIST_UNIT_FT), 2 * 3.2799999713897705);
    EXPECT_EQ(middleDistConv(2.0, static_cast<MIDDLE_DIST_UNIT>(7)), 2.0);
    EXPECT_EQ(speedValue2Knot(1.8519999980926514, SPEED_UNIT_KMH), 1.0);
    // Kilometres go back through the exact 1.852, so the round trip is not bit-exact.
    EXPECT_EQ(distValue2Nm(1.852, DIST_UNIT_KM), 1.0);
    EXPECT_NE(distValue2Nm(distValueConv(1.0, DIST_UNIT_KM), DIST_UNIT_KM), 1.0);
    EXPECT_EQ(speedValueConv(5.0, static_cast<SPEED_UNIT>(3)), 5.0);
    EXPECT_EQ(distValue2Nm(5.0, static_cast<DIST_UNIT>(-1)), 5.0);
}

TEST(UnitTest, ValueTexts)
{
    const std::string deg = kDegreeSign;
    char text[64];
    const auto is = [&](const std::string& expected) { EXPECT_EQ(std::string(text), expected); };
    formatStrSpeedValue(text, sizeof(text), 12.25, SPEED_UNIT_KMH, true);
    is("22.7 Km/h");
    formatStrSpeedValue(text, sizeof(text), 10.0, static_cast<SPEED_UNIT>(9), true);
    is("10 Kn");
    formatStrDistValue(text, sizeof(text), 1.5, DIST_UNIT_M, true);
    is("2778 m");
    formatStrDistValue(text, sizeof(text), 2.0, DIST_UNIT_KM, false);
    is("3.7");
    formatStrDegreeValue(text, sizeof(text), 12.5, DEGREE_UNIT_SIGN, true);
    is("12.5 " + deg);
    formatStrBearingValue(text, sizeof(text), 45.0, BEARING_MEASURE_TRUE, DEGREE_UNIT_SIGN, true);
    is("45 " + deg + " T");
    formatStrBearingValue(text, sizeof(text), 45.0, BEARING_MEASURE_RELATIVE, DEGREE_UNIT_DEG, false);
    is("45 R");
    formatStrDistBearing(text, sizeof(text), 1.5, DIST_UNIT_NM, 45.0, BEARING_MEASURE_TRUE, DEGREE_UNIT_DEG);
    is("45 deg T  1.5 NM");
    // Capacity: the text is cut, never written past.
    formatStrSpeedValue(text, 5, 123.4, SPEED_UNIT_KMH, true);
    is("228.");
}

TEST(UnitTest, BearingMeasureAppendsOnlyToAValue)
{
    const struct
    {
        const char* before;
        int measure;
        std::size_t size;
        const char* after;
    } cases[] = {
        {"", 0, 16, ""},           {"--", 0, 16, "--"},     {"--", 1, 16, "--"},      {"12.5", 0, 16, "12.5 T"},
        {"12.5", 1, 16, "12.5 R"}, {"12.5", 2, 16, "12.5"}, {"12345", 0, 6, "12345"}, {"1234", 0, 6, "1234 "},
    };
    for (const auto& c : cases) {
        char text[16];
        std::snprintf(text, sizeof(text), "%s", c.before);
        formatStrBearingMeasure(text, c.size, static_cast<BEARING_MEASURE>(c.measure));
        EXPECT_STREQ(text, c.after) << c.before << " measure " << c.measure;
    }
    // No room: nothing was written, and nothing is read.
    char untouched[4] = {'9', '9', '9', '9'};
    formatStrBearingMeasure(untouched, 0, BEARING_MEASURE_TRUE);
    EXPECT_EQ(untouched[3], '9');
    char unterminated[4] = {'1', '2', '3', '4'};
    formatStrBearingMeasure(unterminated, sizeof(unterminated), BEARING_MEASURE_TRUE);
    EXPECT_EQ(unterminated[3], '4');
}
