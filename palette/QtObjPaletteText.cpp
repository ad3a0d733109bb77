// Declaration text of the building-block records.
#include "QtObjPalette.h"

#include <charconv>
#include <cstdio>

namespace {

const char* const kBorderEdgeWords[] = {"",       "solid",  "dashed", "dot-dash", "dot-dot-dash", "dotted",
                                        "double", "groove", "inset",  "outset",   "ridge"};
const char* const kAlignWords[] = {"left", "top", "right", "bottom", "center"};
const char* const kPositionWords[] = {"relative", "absolute"};
const char* const kBoxModelWords[] = {"margin", "border", "padding", "content"};

template <size_t N> const char* wordOf(const char* const (&words)[N], long long value)
{
    return value >= 0 && value < static_cast<long long>(N) ? words[value] : "";
}

const char* edgeWord(WG_BORDER_EDGE_S edge)
{
    return wordOf(kBorderEdgeWords, edge);
}

const char* alignWord(WG_ALIGNMENT_S align)
{
    return wordOf(kAlignWords, align);
}

// printf formats of integers do not depend on the locale; the number keeps all its digits.
void appendFormatted(QString& out, const char* format, long long value)
{
    char text[32];
    const int length = std::snprintf(text, sizeof text, format, value);
    out.append(QLatin1String(text, length));
}

void appendPx(QString& out, const char* property, int32_t value)
{
    out.append(QLatin1String(property));
    appendFormatted(out, "%lldpx;", value);
}

// "property:Npx;" for each length that is set.
template <size_t N> void appendLengths(QString& out, const char* const (&properties)[N], const int32_t (&values)[N])
{
    for (size_t i = 0; i < N; ++i)
        if (values[i] != kWgLengthUnset)
            appendPx(out, properties[i], values[i]);
}

void appendColor(QString& out, uint32_t color, bool withAlpha)
{
    appendFormatted(out, withAlpha ? "#%08llx" : "#%06llx", color);
}

// "%.1f" in the C locale whatever the process locale, so a sheet never gets a decimal comma.
void appendOneDecimal(QString& out, float value)
{
    char text[64];
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::fixed, 1);
    out.append(QLatin1String(text, static_cast<int>(result.ptr - text)));
}

// " solid #a9a9a9" of a border or outline line.
void appendEdgeColor(QString& out, WG_BORDER_EDGE_S edge, uint32_t color)
{
    out.append(QLatin1Char(' '));
    out.append(QLatin1String(edgeWord(edge)));
    out.append(QLatin1Char(' '));
    appendColor(out, color, false);
}

QString lineStyle(const char* property, const SWidgetBorderLine* line)
{
    QString out;
    if (line == nullptr)
        return out;
    out.append(QLatin1String(property));
    appendFormatted(out, "%lldpx", line->width);
    if (line->edge != WG_BORDER_EDGE_UNSET && line->color != kWgColorUnset)
        appendEdgeColor(out, line->edge, line->color);
    out.append(QLatin1Char(';'));
    return out;
}

} // namespace

QByteArray QtObjPalette::getWgBorderStyleStr(WG_BORDER_EDGE_S edge)
{
    return QByteArray(edgeWord(edge));
}

QString QtObjPalette::getWgAligStyleStr(WG_ALIGNMENT_S align)
{
    return QLatin1String(alignWord(align));
}

QString QtObjPalette::getWgPositionStyleStr(WG_ALIGN_POSITION_S position)
{
    return QLatin1String(wordOf(kPositionWords, position));
}

QString QtObjPalette::getWgBoxModelStyleStr(WG_BOX_MODEL_SIDE side)
{
    return QLatin1String(wordOf(kBoxModelWords, side));
}

QString QtObjPalette::compColorStyle(const SWidgetColor* color, bool withAlpha)
{
    QString out;
    if (color == nullptr)
        return out;
    const struct
    {
        const char* property;
        uint32_t value;
    } fields[] = {
        {"color:", color->text},
        {"background-color:", color->background},
        {"selection-color:", color->selectionText},
        {"selection-background-color:", color->selectionBackground},
        {"alternate-background-color:", color->alternateBackground},
    };
    for (const auto& field : fields) {
        if (field.value == kWgColorUnset)
            continue;
        out.append(QLatin1String(field.property));
        appendColor(out, field.value, withAlpha);
        out.append(QLatin1Char(';'));
    }
    return out;
}

QString QtObjPalette::compFontStyle(const WIDGET_FONT* font)
{
    QString out;
    if (font == nullptr)
        return out;
    if (font->size > 0)
        appendPx(out, "font-size:", font->size);
    if (font->weight != WG_FONT_WEIGHT_UNSET) {
        out.append(QLatin1String("font-weight:"));
        appendFormatted(out, "%lld;", static_cast<long long>(font->weight) * 100);
    }
    if (!font->family.empty()) {
        out.append(QLatin1String("font-family:\""));
        out.append(QString::fromStdString(font->family));
        out.append(QLatin1String("\";"));
    }
    return out;
}

QString QtObjPalette::compGradientStyle(const SWidgetGradientColor* gradient)
{
    QString out;
    if (gradient == nullptr)
        return out;
    out.append(QLatin1String("background: qlineargradient(x1:"));
    appendOneDecimal(out, gradient->x1);
    out.append(QLatin1String(", y1:"));
    appendOneDecimal(out, gradient->y1);
    out.append(QLatin1String(", x2:"));
    appendOneDecimal(out, gradient->x2);
    out.append(QLatin1String(", y2:"));
    appendOneDecimal(out, gradient->y2);
    // The record holds four stops; a larger count must not read past them.
    const int count = qMin(gradient->stopCount, static_cast<int32_t>(SWidgetGradientColor::kStopMax));
    for (int i = 0; i < count; ++i) {
        out.append(QLatin1String(", stop:"));
        appendOneDecimal(out, gradient->stopPos[i]);
        out.append(QLatin1Char(' '));
        appendColor(out, gradient->stopColor[i], false);
    }
    out.append(QLatin1String(");"));
    return out;
}

QString QtObjPalette::compBorderStyle(const SWidgetBorderLine* line)
{
    return lineStyle("border:", line);
}

QString QtObjPalette::compOutlineStyle(const SWidgetBorderLine* line)
{
    return lineStyle("outline-width:", line);
}

QString QtObjPalette::compWidgetOutlineStyle(const WIDGET_OUTLINE* outline)
{
    return outline == nullptr ? QString() : compOutlineStyle(outline->line);
}

QString QtObjPalette::compBorderRadiusStyle(const SWidgetBorderRadius* radius)
{
    QString out;
    if (radius == nullptr)
        return out;
    static const char* const properties[] = {"border-radius:", "border-top-left-radius:", "border-top-right-radius:",
                                             "border-bottom-right-radius:", "border-bottom-left-radius:"};
    const int32_t values[] = {radius->radius, radius->topLeft, radius->topRight, radius->bottomRight,
                              radius->bottomLeft};
    appendLengths(out, properties, values);
    return out;
}

QString QtObjPalette::compWidgetBorderStyle(const WIDGET_BORDER* border)
{
    if (border == nullptr)
        return QString();
    return compBorderStyle(border->line) + compBorderRadiusStyle(border->radius);
}

QString QtObjPalette::compBorderSideStyle(const SWidgetBorderSides* sides)
{
    QString out;
    if (sides == nullptr)
        return out;
    // The colour is not checked here: an edge with an unset colour writes #ffffffff.
    QString edgeColor;
    if (sides->edge != WG_BORDER_EDGE_UNSET)
        appendEdgeColor(edgeColor, sides->edge, sides->color);
    const struct
    {
        const char* property;
        int32_t width;
    } lines[] = {
        {"border-left:", sides->left},
        {"border-top:", sides->top},
        {"border-right:", sides->right},
        {"border-bottom:", sides->bottom},
    };
    for (const auto& line : lines) {
        if (line.width == kWgLengthUnset)
            continue;
        out.append(QLatin1String(line.property));
        appendFormatted(out, "%lldpx", line.width);
        out.append(edgeColor);
        out.append(QLatin1Char(';'));
    }
    return out;
}

QString QtObjPalette::compSidesStyle(const SWidgetSides* sides, const char* const (&properties)[4])
{
    QString out;
    if (sides == nullptr)
        return out;
    const int32_t values[] = {sides->left, sides->top, sides->right, sides->bottom};
    appendLengths(out, properties, values);
    return out;
}

QString QtObjPalette::compPaddingStyle(const SWidgetSides* sides)
{
    static const char* const properties[] = {"padding-left:", "padding-top:", "padding-right:", "padding-bottom:"};
    return compSidesStyle(sides, properties);
}

QString QtObjPalette::compMarginStyle(const SWidgetSides* sides)
{
    static const char* const properties[] = {"margin-left:", "margin-top:", "margin-right:", "margin-bottom:"};
    return compSidesStyle(sides, properties);
}

QString QtObjPalette::compPositionStyle(const SWidgetSides* sides)
{
    static const char* const properties[] = {"left:", "top:", "right:", "bottom:"};
    return compSidesStyle(sides, properties);
}

QString QtObjPalette::compSizeStyle(const WIDGET_SIZE* size)
{
    QString out;
    if (size == nullptr)
        return out;
    static const char* const properties[] = {"width:", "height:"};
    const int32_t values[] = {size->width, size->height};
    appendLengths(out, properties, values);
    return out;
}

QString QtObjPalette::compTextAlignStyle(WG_ALIGNMENT_S align)
{
    return QLatin1String("text-align:") + QLatin1String(alignWord(align)) + QLatin1Char(';');
}

QString QtObjPalette::compImageUrl(const QString& path)
{
    return QLatin1String("image: url(") + path + QLatin1String(");");
}

QString QtObjPalette::compBackgroundImageStyle(const QString& path, WG_ALIGNMENT_S horizontal, WG_ALIGNMENT_S vertical)
{
    QString out;
    if (path.isEmpty())
        return out;
    out.append(QLatin1String("background-image: url("));
    out.append(path);
    out.append(QLatin1String(");background-position: "));
    out.append(QLatin1String(alignWord(horizontal)));
    out.append(QLatin1Char(' '));
    out.append(QLatin1String(alignWord(vertical)));
    out.append(QLatin1String(";background-origin: content;background-repeat: none;"));
    return out;
}

QString QtObjPalette::compMinHeightStyle(int pixels)
{
    QString out(QLatin1String("min-height:"));
    appendFormatted(out, "%lldpx", pixels);
    return out;
}
