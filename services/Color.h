#pragma once

#include <cstdint>

enum COLOR_SPACE : int { COLOR_SPACE_RGB = 0, COLOR_SPACE_HSV = 1 };

// Brightness variant: 0 the colour as set, 1 to 4 successively darker.
enum COLOR_BRILL_M : int {
    COLOR_BRILL_DEFAULT = 0,
    COLOR_BRILL_DAY_WHITE = 1,
    COLOR_BRILL_DAY_BLACK = 2,
    COLOR_BRILL_DUSK = 3,
    COLOR_BRILL_NIGHT = 4,
};
constexpr int COLOR_BRILL_COUNT = 5;

typedef struct SRgbData
{
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 0;
} RGB_DATA;

// Hue in degrees 0-359, saturation in percent, value 0-255.
typedef struct SHsvData
{
    uint16_t hue = 0;
    uint8_t saturation = 0;
    uint8_t value = 0;
    uint8_t alpha = 0;
} HSV_DATA;

// One user-interface colour with five brightness variants, each as 0xRRGGBBAA, as
// 0xRRGGBB and as a record in the colour's space, and the variant currently shown.
class CColor
{
public:
    CColor() = default;
    explicit CColor(unsigned rgb);

    // Variant 0 from 0xRRGGBB; with deriveVariants, variants 1 to 4 lose 25 of HSV value each.
    void setHex(unsigned rgb, bool deriveVariants);
    // The five variants given directly as 0xRRGGBB.
    void setHex(unsigned level0, unsigned level1, unsigned level2, unsigned level3, unsigned level4);
    void setAlpha(unsigned char alpha);
    // Rewrites the records of variant 0, or of all variants, from their 0xRRGGBBAA words in
    // the given space; the colour's own space is not changed.
    void convertTo(COLOR_SPACE space, bool all);

    static RGB_DATA convtHex2RGB(unsigned rgba);
    static unsigned convtRGB2Hex(const RGB_DATA& rgb);
    static HSV_DATA convtHex2HSV(unsigned rgba);
    static HSV_DATA convtRGB2HSV(const RGB_DATA& rgb);
    static RGB_DATA convtHSV2RGB(const HSV_DATA& hsv);

    COLOR_SPACE colorSpace() const { return m_colorSpace; }
    COLOR_BRILL_M brill() const { return m_brill; }
    // A mode outside 0-4 is ignored.
    void setBrill(COLOR_BRILL_M mode);

    // A variant outside 0-4 reads variant 0.
    unsigned rgb(COLOR_BRILL_M variant) const;
    unsigned rgba(COLOR_BRILL_M variant) const;
    RGB_DATA rgbData(COLOR_BRILL_M variant) const;
    HSV_DATA hsvData(COLOR_BRILL_M variant) const;
    // 0xRRGGBB of the variant shown.
    unsigned currentRgb() const { return rgb(m_brill); }

private:
    static int variantIndex(COLOR_BRILL_M variant);
    void setVariant(int variant, unsigned rgba);
    void writeRecord(COLOR_SPACE space, int variant);

    COLOR_SPACE m_colorSpace = COLOR_SPACE_RGB;
    // The record of a variant in the colour's space: RGB bytes, or HSV.
    RGB_DATA m_rgbData[COLOR_BRILL_COUNT];
    HSV_DATA m_hsvData[COLOR_BRILL_COUNT];
    unsigned m_rgba[COLOR_BRILL_COUNT] = {};
    unsigned m_rgb[COLOR_BRILL_COUNT] = {};
    COLOR_BRILL_M m_brill = COLOR_BRILL_DEFAULT;
};
