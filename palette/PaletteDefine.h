#pragma once

#include <cstdint>
#include <string>

// The building blocks of every style sheet: small plain records that each turn into a run of
// declarations. A colour or length of 0xFFFFFFFF (-1) is "not set" and writes nothing; a
// record that holds other records holds pointers to them, and a null pointer leaves the part out.

constexpr uint32_t kWgColorUnset = 0xFFFFFFFFu;
constexpr int32_t kWgLengthUnset = -1;

// Border and outline styles; 0 is not a style and writes an empty word.
enum WG_BORDER_EDGE_S : uint32_t {
    WG_BORDER_EDGE_NONE = 0,
    WG_BORDER_EDGE_SOLID = 1,
    WG_BORDER_EDGE_DASHED = 2,
    WG_BORDER_EDGE_DOT_DASH = 3,
    WG_BORDER_EDGE_DOT_DOT_DASH = 4,
    WG_BORDER_EDGE_DOTTED = 5,
    WG_BORDER_EDGE_DOUBLE = 6,
    WG_BORDER_EDGE_GROOVE = 7,
    WG_BORDER_EDGE_INSET = 8,
    WG_BORDER_EDGE_OUTSET = 9,
    WG_BORDER_EDGE_RIDGE = 10,
    WG_BORDER_EDGE_UNSET = 0xFFFFFFFFu,
};

enum WG_ALIGNMENT_S : int32_t {
    WG_ALIGN_LEFT = 0,
    WG_ALIGN_TOP = 1,
    WG_ALIGN_RIGHT = 2,
    WG_ALIGN_BOTTOM = 3,
    WG_ALIGN_CENTER = 4,
};

enum WG_ALIGN_POSITION_S : int32_t {
    WG_POSITION_RELATIVE = 0,
    WG_POSITION_ABSOLUTE = 1,
};

enum WG_BOX_MODEL_SIDE : int32_t {
    WG_BOX_MARGIN = 0,
    WG_BOX_BORDER = 1,
    WG_BOX_PADDING = 2,
    WG_BOX_CONTENT = 3,
};

// CSS weight / 100; 0 writes no weight.
enum WG_FONT_WEIGHT : int32_t {
    WG_FONT_WEIGHT_UNSET = 0,
    WG_FONT_WEIGHT_THIN = 1,
    WG_FONT_WEIGHT_EXTRA_LIGHT = 2,
    WG_FONT_WEIGHT_LIGHT = 3,
    WG_FONT_WEIGHT_NORMAL = 4,
    WG_FONT_WEIGHT_MEDIUM = 5,
    WG_FONT_WEIGHT_DEMI_BOLD = 6,
    WG_FONT_WEIGHT_BOLD = 7,
    WG_FONT_WEIGHT_EXTRA_BOLD = 8,
    WG_FONT_WEIGHT_BLACK = 9,
};

enum WG_LINE_DIRECTION_S : int32_t {
    WG_LINE_HORIZONTAL = 0,
    WG_LINE_VERTICAL = 1,
};

// How a one-widget setter places its declarations in the widget's sheet.
enum STYLE_SHEET_COVER : int32_t {
    STYLE_SHEET_COVER_BARE = -1,      // bare declarations, applied to the widget itself
    STYLE_SHEET_COVER_SELF = 0,       // "#name {...}"
    STYLE_SHEET_COVER_DESCENDANT = 1, // "#name  {...}" (any other value does the same)
};

// 0xRRGGBB each (0xAARRGGBB where alpha is asked for).
struct SWidgetColor
{
    uint32_t text = kWgColorUnset;
    uint32_t background = kWgColorUnset;
    uint32_t selectionText = kWgColorUnset;
    uint32_t selectionBackground = kWgColorUnset;
    uint32_t alternateBackground = kWgColorUnset;
};

typedef struct SWidgetFont
{
    int16_t size = 0; // pixels; 0 or less is not set
    WG_FONT_WEIGHT weight = WG_FONT_WEIGHT_UNSET;
    std::string family;
} WIDGET_FONT;

// A linear gradient from (x1, y1) to (x2, y2) with up to four stops.
struct SWidgetGradientColor
{
    static constexpr int kStopMax = 4;

    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    int32_t stopCount = 0;
    float stopPos[kStopMax] = {};
    uint32_t stopColor[kStopMax] = {};
};

// One border or outline line; the width is always written.
struct SWidgetBorderLine
{
    int32_t width = 0;
    WG_BORDER_EDGE_S edge = WG_BORDER_EDGE_UNSET;
    uint32_t color = kWgColorUnset;
};

struct SWidgetBorderRadius
{
    int32_t radius = kWgLengthUnset; // all corners
    int32_t topLeft = kWgLengthUnset;
    int32_t topRight = kWgLengthUnset;
    int32_t bottomRight = kWgLengthUnset;
    int32_t bottomLeft = kWgLengthUnset;
};

// Separate lines per side sharing one edge style and colour.
struct SWidgetBorderSides
{
    int32_t left = kWgLengthUnset;
    int32_t top = kWgLengthUnset;
    int32_t right = kWgLengthUnset;
    int32_t bottom = kWgLengthUnset;
    WG_BORDER_EDGE_S edge = WG_BORDER_EDGE_UNSET;
    uint32_t color = kWgColorUnset;
};

// Padding, margin or position offsets.
struct SWidgetSides
{
    int32_t left = kWgLengthUnset;
    int32_t top = kWgLengthUnset;
    int32_t right = kWgLengthUnset;
    int32_t bottom = kWgLengthUnset;
};

typedef struct SWidgetSize
{
    int32_t width = kWgLengthUnset;
    int32_t height = kWgLengthUnset;
} WIDGET_SIZE;

typedef struct SWidgetBorder
{
    const SWidgetBorderLine* line = nullptr;
    const SWidgetBorderRadius* radius = nullptr;
} WIDGET_BORDER;

typedef struct SWidgetOutline
{
    const SWidgetBorderLine* line = nullptr;
} WIDGET_OUTLINE;

typedef struct SWidgetStyle
{
    const SWidgetColor* color = nullptr;
    const WIDGET_FONT* font = nullptr;
    const WIDGET_BORDER* border = nullptr;
} WIDGET_STYLE;

// The process-wide font of the themed widgets.
typedef struct SPaletteFont
{
    static constexpr int kLadderCount = 13;
    static constexpr int kStepCount = 7;
    static constexpr int kStepNormal = 3; // the step of the base size

    std::string family;
    uint8_t ladder[kLadderCount] = {};
    uint8_t sizeNormal = 0;
    float sizeZoom = 0;
    uint8_t sizes[kStepCount] = {};
} PALETTE_FONT;
