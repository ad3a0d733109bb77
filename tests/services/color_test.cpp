#include "services/Color.h"

#include <gtest/gtest.h>

TEST(ColorTest, BrightnessVariants)
{
    const unsigned cases[][COLOR_BRILL_COUNT] = {
        {0xff0000, 0xe60000, 0xcd0000, 0xb40000, 0x9b0000},
        {0x808080, 0x676767, 0x4e4e4e, 0x353535, 0x1c1c1c},
        {0x121212, 0x000000, 0x000000, 0x000000, 0x000000},
        // Worked by hand through the HSV steps: a pure hue keeps its zero channels, yellow
        // is caught by the red-first test (hue 60), orange keeps half its green (hue 30).
        {0x0000ff, 0x0000e6, 0x0000cd, 0x0000b4, 0x00009b},
        {0xffff00, 0xe6e600, 0xcdcd00, 0xb4b400, 0x9b9b00},
        {0xff8000, 0xe67300, 0xcd6600, 0xb45a00, 0x9b4d00},
    };
    for (const auto& expected : cases) {
        CColor color;
        color.setHex(expected[0], true);
        for (int v = 0; v < COLOR_BRILL_COUNT; ++v) {
            const auto variant = static_cast<COLOR_BRILL_M>(v);
            EXPECT_EQ(color.rgb(variant), expected[v]) << std::hex << expected[0] << " variant " << v;
            // Darker variants stay opaque.
            EXPECT_EQ(color.rgba(variant), (expected[v] << 8) | 0xFF) << std::hex << expected[0] << " variant " << v;
            EXPECT_EQ(CColor::convtRGB2Hex(color.rgbData(variant)), color.rgba(variant));
        }
    }
}

TEST(ColorTest, SettingWithoutDerivationAndDirectLevels)
{
    CColor color;
    color.setHex(0xff0000, true);
    color.setHex(0x00ff00, false);
    EXPECT_EQ(color.rgb(COLOR_BRILL_DEFAULT), 0x00ff00u);
    EXPECT_EQ(color.rgb(COLOR_BRILL_DAY_WHITE), 0xe60000u);
    color.setHex(0x111111, 0x222222, 0x333333, 0x444444, 0x555555);
    EXPECT_EQ(color.rgb(COLOR_BRILL_NIGHT), 0x555555u);
    EXPECT_EQ(color.rgba(COLOR_BRILL_DUSK), 0x444444ffu);
    color.setAlpha(0x40);
    EXPECT_EQ(color.rgba(COLOR_BRILL_DUSK), 0x44444440u);
    EXPECT_EQ(color.rgbData(COLOR_BRILL_DUSK).alpha, 0x40);
    EXPECT_EQ(CColor(0xff123456).rgba(COLOR_BRILL_DEFAULT), 0x123456ffu);
}

TEST(ColorTest, ConvertToRewritesRecordsButNotTheSpace)
{
    CColor color;
    color.setHex(0xff0000, true);
    color.convertTo(COLOR_SPACE_HSV, false);
    EXPECT_EQ(color.colorSpace(), COLOR_SPACE_RGB);
    EXPECT_EQ(color.hsvData(COLOR_BRILL_DEFAULT).value, 255);
    EXPECT_EQ(color.hsvData(COLOR_BRILL_DAY_WHITE).value, 0); // untouched
    color.convertTo(COLOR_SPACE_HSV, true);
    EXPECT_EQ(color.hsvData(COLOR_BRILL_NIGHT).value, 155);
}

TEST(ColorTest, HsvConversions)
{
    const unsigned cases[][4] = {
        {0x000000ff, 0, 0, 0},       {0xffffffff, 0, 0, 255},     {0x00ff00ff, 120, 100, 255},
        {0xff00ffff, 300, 100, 255}, {0xff0080ff, 329, 100, 255}, {0xff7f5080, 16, 68, 255},
    };
    for (const auto& c : cases) {
        const HSV_DATA hsv = CColor::convtHex2HSV(c[0]);
        EXPECT_EQ(hsv.hue, c[1]) << std::hex << c[0];
        EXPECT_EQ(hsv.saturation, c[2]) << std::hex << c[0];
        EXPECT_EQ(hsv.value, c[3]) << std::hex << c[0];
        EXPECT_EQ(hsv.alpha, c[0] & 0xFF);
    }
    HSV_DATA hsv;
    hsv.hue = 359;
    hsv.saturation = 100;
    hsv.value = 200;
    const RGB_DATA rgb = CColor::convtHSV2RGB(hsv);
    EXPECT_EQ(CColor::convtRGB2Hex(rgb), 0xc8000300u);
}

TEST(ColorTest, BrightnessModeStaysInRange)
{
    CColor color(0xff0000);
    color.setBrill(COLOR_BRILL_DUSK);
    color.setBrill(static_cast<COLOR_BRILL_M>(7));
    EXPECT_EQ(color.brill(), COLOR_BRILL_DUSK);
    EXPECT_EQ(color.rgb(static_cast<COLOR_BRILL_M>(-1)), 0xff0000u);
}
