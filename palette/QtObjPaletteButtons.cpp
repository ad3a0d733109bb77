// Sheets of buttons, labels, check and radio boxes, button groups and separator lines.
#include "QtObjPalette.h"

QString QtObjPalette::compPushButtonStyleSheet(const QString& selector, const WIDGET_PUSH_BTN& style, bool descendant)
{
    // The focus outline is always switched off; the record's own outline is not read.
    static const SWidgetBorderLine kNoOutline{0, WG_BORDER_EDGE_NONE, kWgColorUnset};
    const QString body = compColorStyle(style.color, false) + compGradientStyle(style.gradient) +
                         compFontStyle(style.font) + compWidgetBorderStyle(style.border) +
                         compOutlineStyle(&kNoOutline);
    return compRuleBlock(selector, "QPushButton", "", "", descendant, body) +
           compRuleBlock(selector, "QPushButton", "", ":pressed", descendant,
                         compColorStyle(style.pressedColor, false)) +
           compRuleBlock(selector, "QPushButton", "", ":checked", descendant,
                         compColorStyle(style.checkedColor, false));
}

QString QtObjPalette::compLabelStyleSheet(const QString& selector, const WIDGET_LABEL& style, bool descendant)
{
    return compRuleBlock(selector, "QLabel", "", "", descendant,
                         compColorStyle(style.color, false) + compFontStyle(style.font));
}

QString QtObjPalette::compRadioBtnStyleSheet(const QString& selector, const WIDGET_RADIO_BUTTON& style, bool descendant)
{
    return compRuleBlock(selector, "QRadioButton", "", "", descendant,
                         compColorStyle(style.color, false) + compFontStyle(style.font));
}

QString QtObjPalette::compToolButtonStyleSheet(const QString& selector, const WIDGET_TOOL_BTN& style, bool descendant)
{
    static const SWidgetSides kPressedPadding{kWgLengthUnset, 1};
    // A null state record is read as one with both colours unset.
    const SWidgetColor stateColor = style.stateColor != nullptr ? *style.stateColor : SWidgetColor();
    const SWidgetBorderLine checkedLine{1, WG_BORDER_EDGE_SOLID, stateColor.text};
    SWidgetColor disabledColor;
    disabledColor.background = stateColor.background;

    const QString body = compColorStyle(style.color, false) + compGradientStyle(style.gradient) +
                         compWidgetBorderStyle(style.border) +
                         compBackgroundImageStyle(style.image, WG_ALIGN_CENTER, WG_ALIGN_CENTER);
    return compRuleBlock(selector, "QToolButton", "", "", descendant, body) +
           compRuleBlock(selector, "QToolButton", "", ":pressed", descendant, compPaddingStyle(&kPressedPadding)) +
           compRuleBlock(selector, "QToolButton", "", ":checked", descendant,
                         compBorderStyle(&checkedLine) + QLatin1String("border-radius:0px;")) +
           compRuleBlock(selector, "QToolButton", "", ":disabled", descendant, compColorStyle(&disabledColor, false));
}

QString QtObjPalette::compCheckBoxStyleSheet(const QString& selector, const WIDGET_CHECK_BOX& style, bool descendant)
{
    const QString body =
        compColorStyle(style.color, false) + compFontStyle(style.font) + compWidgetOutlineStyle(style.outline);
    return compRuleBlock(selector, "QCheckBox", "", "", descendant, body) +
           compRuleBlock(selector, "QCheckBox", "::indicator", ":checked", descendant,
                         compColorStyle(style.checkedColor, false) + compImageUrl(style.checkedImage)) +
           compRuleBlock(selector, "QCheckBox", "::indicator", ":unchecked", descendant,
                         compColorStyle(style.uncheckedColor, false) + compImageUrl(style.uncheckedImage)) +
           compRuleBlock(selector, "QCheckBox", "::indicator", ":disabled", descendant,
                         compColorStyle(style.disabledColor, false));
}

QString QtObjPalette::compGroupButtonStyleSheet(const WIDGET_GROUP_BTN& style)
{
    return QLatin1String("QAbstractButton {") + compColorStyle(style.color, false) + compGradientStyle(style.gradient) +
           compWidgetBorderStyle(style.border) + compFontStyle(style.font) +
           QLatin1String("}QAbstractButton:checked {") + compColorStyle(style.checkedColor, false) +
           compWidgetBorderStyle(style.checkedBorder) + compFontStyle(style.checkedFont) +
           compTextAlignStyle(style.checkedAlign) + QLatin1Char('}');
}

QString QtObjPalette::compLineStyleSheet(const QString& selector, const SWidgetColor& color, bool descendant,
                                         WG_LINE_DIRECTION_S direction)
{
    // The frame shapes of a horizontal and a vertical line; each attribute ends with a blank.
    const char* shape = "";
    if (direction == WG_LINE_HORIZONTAL)
        shape = "[frameShape=\"4\"] ";
    else if (direction == WG_LINE_VERTICAL)
        shape = "[frameShape=\"5\"] ";
    return compRuleBlock(selector, "QFrame", shape, "", descendant, compColorStyle(&color, false));
}
