#include "Color.h"

#include <algorithm>

namespace {

constexpr unsigned kOpaque = 0xFF;
constexpr int kValueStep = 25;

unsigned rgbaOf(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha)
{
    return (static_cast<unsigned>(red) << 24) | (static_cast<unsigned>(green) << 16) |
           (static_cast<unsigned>(blue) << 8) | alpha;
}

} // namespace

CColor::CColor(unsigned rgb)
{
    setVariant(0, ((rgb & 0xFFFFFFu) << 8) | kOpaque);
    writeRecord(COLOR_SPACE_RGB, 0);
}

void CColor::setHex(unsigned rgb, bool deriveVariants)
{
    setVariant(0, ((rgb & 0xFFFFFFu) << 8) | kOpaque);
    if (!deriveVariants) {
        convertTo(m_colorSpace, false);
        return;
    }
    HSV_DATA hsv = convtHex2HSV(m_rgba[0]);
    for (int variant = 1; variant < COLOR_BRILL_COUNT; ++variant) {
        hsv.value = hsv.value > kValueStep ? static_cast<uint8_t>(hsv.value - kValueStep) : 0;
        const RGB_DATA darker = convtHSV2RGB(hsv);
        // Darker variants stay as opaque as the colour itself.
        setVariant(variant, rgbaOf(darker.red, darker.green, darker.blue, static_cast<uint8_t>(m_rgba[0] & 0xFF)));
    }
    convertTo(m_colorSpace, true);
}

void CColor::setHex(unsigned level0, unsigned level1, unsigned level2, unsigned level3, unsigned level4)
{
    const unsigned levels[COLOR_BRILL_COUNT] = {level0, level1, level2, level3, level4};
    for (int variant = 0; variant < COLOR_BRILL_COUNT; ++variant)
        setVariant(variant, ((levels[variant] & 0xFFFFFFu) << 8) | kOpaque);
    convertTo(m_colorSpace, true);
}

void CColor::setAlpha(unsigned char alpha)
{
    for (int variant = 0; variant < COLOR_BRILL_COUNT; ++variant) {
        setVariant(variant, (m_rgba[variant] & 0xFFFFFF00u) | alpha);
        writeRecord(m_colorSpace, variant);
    }
}

void CColor::convertTo(COLOR_SPACE space, bool all)
{
    if (space != COLOR_SPACE_RGB && space != COLOR_SPACE_HSV)
        return;
    const int count = all ? COLOR_BRILL_COUNT : 1;
    for (int variant = 0; variant < count; ++variant)
        writeRecord(space, variant);
}

RGB_DATA CColor::convtHex2RGB(unsigned rgba)
{
    RGB_DATA rgb;
    rgb.red = static_cast<uint8_t>(rgba >> 24);
    rgb.green = static_cast<uint8_t>(rgba >> 16);
    rgb.blue = static_cast<uint8_t>(rgba >> 8);
    rgb.alpha = static_cast<uint8_t>(rgba);
    return rgb;
}

unsigned CColor::convtRGB2Hex(const RGB_DATA& rgb)
{
    return rgbaOf(rgb.red, rgb.green, rgb.blue, rgb.alpha);
}

HSV_DATA CColor::convtHex2HSV(unsigned rgba)
{
    return convtRGB2HSV(convtHex2RGB(rgba));
}

HSV_DATA CColor::convtRGB2HSV(const RGB_DATA& rgb)
{
    HSV_DATA hsv;
    hsv.alpha = rgb.alpha;
    const int r = rgb.red;
    const int g = rgb.green;
    const int b = rgb.blue;
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    hsv.value = static_cast<uint8_t>(max);
    if (max == 0)
        return hsv;
    const double range = max - min;
    hsv.saturation = static_cast<uint8_t>(range / max * 100.0);
    if (max == min)
        return hsv;
    double hue = 0.0;
    if (r == max)
        hue = 60.0 * (g - b) / range;
    else if (g == max)
        hue = 60.0 * (2.0 + (b - r) / range);
    else
        hue = 60.0 * (4.0 + (r - g) / range);
    if (hue < 0.0)
        hue += 360.0;
    hsv.hue = static_cast<uint16_t>(hue);
    return hsv;
}

RGB_DATA CColor::convtHSV2RGB(const HSV_DATA& hsv)
{
    RGB_DATA rgb;
    const uint8_t v = hsv.value;
    if (hsv.saturation == 0) {
        rgb.red = rgb.green = rgb.blue = v;
        return rgb;
    }
    const double s = std::min(hsv.saturation / 100.0, 1.0);
    const double h = hsv.hue / 60.0;
    const int i = static_cast<int>(h);
    const double f = h - i;
    const auto p = static_cast<uint8_t>(v * (1.0 - s));
    const auto q = static_cast<uint8_t>(v * (1.0 - s * f));
    const auto t = static_cast<uint8_t>(v * (1.0 - s * (1.0 - f)));
    // Sextants of the hue circle: red, yellow, green, cyan, blue, magenta.
    const uint8_t sextants[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    const uint8_t* channels = sextants[i >= 0 && i < 5 ? i : 5];
    rgb.red = channels[0];
    rgb.green = channels[1];
    rgb.blue = channels[2];
    return rgb;
}

void CColor::setBrill(COLOR_BRILL_M mode)
{
    if (mode >= 0 && mode < COLOR_BRILL_COUNT)
        m_brill = mode;
}

unsigned CColor::rgb(COLOR_BRILL_M variant) const
{
    return m_rgb[variantIndex(variant)];
}

unsigned CColor::rgba(COLOR_BRILL_M variant) const
{
    return m_rgba[variantIndex(variant)];
}

RGB_DATA CColor::rgbData(COLOR_BRILL_M variant) const
{
    return m_rgbData[variantIndex(variant)];
}

HSV_DATA CColor::hsvData(COLOR_BRILL_M variant) const
{
    return m_hsvData[variantIndex(variant)];
}

int CColor::variantIndex(COLOR_BRILL_M variant)
{
    return variant >= 0 && variant < COLOR_BRILL_COUNT ? variant : 0;
}

void CColor::setVariant(int variant, unsigned rgba)
{
    m_rgba[variant] = rgba;
    m_rgb[variant] = rgba >> 8;
}

void CColor::writeRecord(COLOR_SPACE space, int variant)
{
    if (space == COLOR_SPACE_HSV)
        m_hsvData[variant] = convtHex2HSV(m_rgba[variant]);
    else
        m_rgbData[variant] = convtHex2RGB(m_rgba[variant]);
}
