#include "services/Color.h"

#include <gtest/gtest.h>

namespace {

void expectVariants(unsigned rgb, const unsigned (&expected)[COLOR_BRILL_COUNT])
{
    CColor color;
    color.setHex(rgb, true);
    for (int v = 0; v < COLOR_BRILL_COUNT; ++v) {
        const auto variant = static_cast<COLOR_BRILL_M>(v);
        EXPECT_EQ(color.rgb(variant), expected[v]) << std::hex << rgb << " variant " << v;
        EXPECT_EQ(color.rgba(variant), (expected[v] << 8) | 0xFF) << std::hex << rgb << " variant " << v;
        const RGB_DATA bytes = color.rgbData(variant);
        EXPECT_EQ(CColor::convtRGB2Hex(bytes), color.rgba(variant));
    }
}

} // namespace

TEST(ColorTest, BrightnessVariantsOfTheExamples)
{
    expectVariants(0xff0000, {0xff0000, 0xe60000, 0xcd0000, 0xb40000, 0x9b0000});
    expectVariants(0x808080, {0x808080, 0x676767, 0x4e4e4e, 0x353535, 0x1c1c1c});
    expectVariants(0x121212, {0x121212, 0x000000, 0x000000, 0x000000, 0x000000});
    expectVariants(0x000000, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000});
    // Worked by hand through the HSV steps: pure hues keep their zero channels, orange keeps
    // its half green (hue 30), yellow is caught by the red-first test (hue 60).
    expectVariants(0x0000ff, {0x0000ff, 0x0000e6, 0x0000cd, 0x0000b4, 0x00009b});
    expectVariants(0x00ff00, {0x00ff00, 0x00e600, 0x00cd00, 0x00b400, 0x009b00});
    expectVariants(0xffff00, {0xffff00, 0xe6e600, 0xcdcd00, 0xb4b400, 0x9b9b00});
    expectVariants(0xff8000, {0xff8000, 0xe67300, 0xcd6600, 0xb45a00, 0x9b4d00});
}

TEST(ColorTest, WithoutDerivationOnlyVariantZeroChanges)
{
    CColor color;
    color.setHex(0xff0000, true);
    color.setHex(0x00ff00, false);
    EXPECT_EQ(color.rgb(COLOR_BRILL_DEFAULT), 0x00ff00u);
    EXPECT_EQ(color.rgb(COLOR_BRILL_DAY_WHITE), 0xe60000u);
    EXPECT_EQ(color.rgbData(COLOR_BRILL_DEFAULT).green, 0xff);
}

TEST(ColorTest, ConstructionFromAWord)
{
    const CColor color(0x1e90ff);
    EXPECT_EQ(color.rgb(COLOR_BRILL_DEFAULT), 0x1e90ffu);
    EXPECT_EQ(color.rgba(COLOR_BRILL_DEFAULT), 0x1e90ffffu);
    EXPECT_EQ(color.rgbData(COLOR_BRILL_DEFAULT).blue, 0xff);
    EXPECT_EQ(color.rgb(COLOR_BRILL_NIGHT), 0u);
    EXPECT_EQ(color.colorSpace(), COLOR_SPACE_RGB);
    EXPECT_EQ(color.brill(), COLOR_BRILL_DEFAULT);
    EXPECT_EQ(CColor(0xff123456).rgb(COLOR_BRILL_DEFAULT), 0x123456u);
}

TEST(ColorTest, FiveLevelsGivenDirectly)
{
    CColor color;
    color.setHex(0x111111, 0x222222, 0x333333, 0x444444, 0x555555);
    for (int v = 0; v < COLOR_BRILL_COUNT; ++v) {
        const unsigned grey = 0x111111u * static_cast<unsigned>(v + 1);
        EXPECT_EQ(color.rgb(static_cast<COLOR_BRILL_M>(v)), grey);
        EXPECT_EQ(color.rgba(static_cast<COLOR_BRILL_M>(v)), (grey << 8) | 0xFF);
    }
}

TEST(ColorTest, AlphaRewritesEveryVariant)
{
    CColor color;
    color.setHex(0x808080, true);
    color.setAlpha(0x40);
    for (int v = 0; v < COLOR_BRILL_COUNT; ++v) {
        const auto variant = static_cast<COLOR_BRILL_M>(v);
        EXPECT_EQ(color.rgba(variant) & 0xFF, 0x40u);
        EXPECT_EQ(color.rgbData(variant).alpha, 0x40);
        EXPECT_EQ(color.rgba(variant) >> 8, color.rgb(variant));
    }
}

TEST(ColorTest, ConvertToRewritesRecordsButNotTheSpace)
{
    CColor color;
    color.setHex(0xff0000, true);
    color.convertTo(COLOR_SPACE_HSV, false);
    EXPECT_EQ(color.colorSpace(), COLOR_SPACE_RGB);
    EXPECT_EQ(color.hsvData(COLOR_BRILL_DEFAULT).value, 255);
    EXPECT_EQ(color.hsvData(COLOR_BRILL_DEFAULT).saturation, 100);
    EXPECT_EQ(color.hsvData(COLOR_BRILL_DAY_WHITE).value, 0);  // untouched
    color.convertTo(COLOR_SPACE_HSV, true);
    EXPECT_EQ(color.hsvData(COLOR_BRILL_DAY_WHITE).value, 230);
    EXPECT_EQ(color.hsvData(COLOR_BRILL_NIGHT).value, 155);
    color.convertTo(static_cast<COLOR_SPACE>(5), true);
    EXPECT_EQ(color.hsvData(COLOR_BRILL_NIGHT).value, 155);
}

TEST(ColorTest, HsvConversions)
{
    const struct
    {
        unsigned rgba;
        int hue, saturation, value;
    } cases[] = {
        {0x000000ff, 0, 0, 0},     {0xffffffff, 0, 0, 255},   {0xff0000ff, 0, 100, 255},  {0x00ff00ff, 120, 100, 255},
        {0x0000ffff, 240, 100, 255}, {0xff00ffff, 300, 100, 255}, {0xff0080ff, 329, 100, 255}, {0x80808080, 0, 0, 128},
        {0xff7f50ff, 16, 68, 255},
    };
    for (const auto& c : cases) {
        const HSV_DATA hsv = CColor::convtHex2HSV(c.rgba);
        EXPECT_EQ(hsv.hue, c.hue) << std::hex << c.rgba;
        EXPECT_EQ(hsv.saturation, c.saturation) << std::hex << c.rgba;
        EXPECT_EQ(hsv.value, c.value) << std::hex << c.rgba;
        EXPECT_EQ(hsv.alpha, c.rgba & 0xFF);
    }
    HSV_DATA hsv;
    hsv.hue = 359;
    hsv.saturation = 100;
    hsv.value = 200;
    hsv.alpha = 0x77;
    const RGB_DATA rgb = CColor::convtHSV2RGB(hsv);
    EXPECT_EQ(rgb.red, 200);
    EXPECT_EQ(rgb.green, 0);
    EXPECT_EQ(rgb.blue, 3);
    EXPECT_EQ(rgb.alpha, 0);
}

TEST(ColorTest, BrightnessModeStaysInRange)
{
    CColor color(0xff0000);
    color.setBrill(COLOR_BRILL_DUSK);
    EXPECT_EQ(color.brill(), COLOR_BRILL_DUSK);
    color.setBrill(static_cast<COLOR_BRILL_M>(7));
    EXPECT_EQ(color.brill(), COLOR_BRILL_DUSK);
    EXPECT_EQ(color.rgb(static_cast<COLOR_BRILL_M>(-1)), 0xff0000u);
}
