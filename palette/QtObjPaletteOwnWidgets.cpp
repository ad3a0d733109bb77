// Sheets of the application's own widgets, from their own style records.
#include "QtObjPalette.h"

namespace {

// The frame border a selector switch gets when its record names none: the switch's own default.
const SWidgetBorderLine kSwitchFrameLine{1, WG_BORDER_EDGE_SOLID, 0x000000};
const SWidgetBorderRadius kSwitchFrameRadius{3};
const WIDGET_BORDER kSwitchFrameBorder{&kSwitchFrameLine, &kSwitchFrameRadius};

} // namespace

QString QtObjPalette::getSelectorSwitchStyleSheet(const WIDGET_SELECTOR_SWITCH& style)
{
    return compSelectorSwitchStyleSheet(style);
}

QString QtObjPalette::getComboGuideStyleSheet(const WIDGET_COMBO_SUIT& style)
{
    return compComboGuideStyleSheet(style);
}

QString QtObjPalette::getDropMenuBtnStyleSheet(const WIDGET_DROP_MENU_BTN& style)
{
    return compDropMenuBtnStyleSheet(style);
}

QString QtObjPalette::getDropMenuItemStyleSheet(const WIDGET_DROP_MENU_ITEM& style)
{
    return compDropMenuItemStyleSheet(style);
}

QString QtObjPalette::getGlowLabelStyleSheet(const WIDGET_GLOW_LABEL& style)
{
    return compGlowLabelStyleSheet(style);
}

QString QtObjPalette::getAffixesLabelStyleSheet(const WIDGET_AFFIXES_LABEL& style)
{
    return compAffixesLabelStyleSheet(style);
}

QString QtObjPalette::getTaskBarStyleSheet(const WIDGET_TASK_BAR& style)
{
    return compTaskBarStyleSheet(style);
}

QString QtObjPalette::compSelectorSwitchStyleSheet(const WIDGET_SELECTOR_SWITCH& style)
{
    // The button sits 2 px in from the frame's sides and 1 px from its top and bottom.
    static const SWidgetSides kButtonMargin{2, 1, 2, 1};
    const WIDGET_BORDER& frameBorder = style.frameBorder != nullptr ? *style.frameBorder : kSwitchFrameBorder;
    const QString font = compFontStyle(style.font);
    QString sheet;
    sheet.append(QLatin1String("QFrame {")).append(compColorStyle(style.frameColor, false));
    sheet.append(compWidgetBorderStyle(&frameBorder));
    sheet.append(QLatin1String("}QFrame:disabled {")).append(compColorStyle(style.frameDisabledColor, false));
    sheet.append(QLatin1String("}QLabel {")).append(font).append(QLatin1String("border: none;"));
    sheet.append(QLatin1String("}QPushButton {")).append(font).append(compColorStyle(style.buttonColor, false));
    sheet.append(compBorderRadiusStyle(frameBorder.radius)).append(compMarginStyle(&kButtonMargin));
    sheet.append(QLatin1Char('}'));
    return sheet;
}

QString QtObjPalette::compComboGuideStyleSheet(const WIDGET_COMBO_SUIT& style)
{
    const char* view = "QAbstractItemView";
    return compRuleBlock(QString(), view, "", "", false,
                         QStringLiteral("background-color: transparent;border: none;outline: none;"
                                        "show-decoration-selected: 1;")) +
           compRuleBlock(QString(), view, "::item", ":hover", false, compColorStyle(style.hoverColor, false)) +
           compRuleBlock(QString(), view, "::item", ":selected", false, compColorStyle(style.selectedColor, false)) +
           compRuleBlock(QString(), view, "::branch", "", false, QStringLiteral("border-image: none;image: none;"));
}

QString QtObjPalette::compDropMenuBtnStyleSheet(const WIDGET_DROP_MENU_BTN& style)
{
    static const SWidgetSides kPadding{3};
    return compColorStyle(style.color, false) + compGradientStyle(style.gradient) +
           compWidgetBorderStyle(style.border) + compWidgetOutlineStyle(style.outline) +
           compBackgroundImageStyle(style.image, WG_ALIGN_CENTER, WG_ALIGN_CENTER) + compPaddingStyle(&kPadding);
}

QString QtObjPalette::compDropMenuItemStyleSheet(const WIDGET_DROP_MENU_ITEM& style)
{
    QString sheet;
    sheet.append(QLatin1String("QPushButton {")).append(compColorStyle(style.color, false));
    sheet.append(compFontStyle(style.font)).append(compBorderStyle(style.border));
    sheet.append(QLatin1String("}QPushButton:checked {")).append(compColorStyle(style.checkedColor, false));
    sheet.append(QLatin1String("}QPushButton:hover {")).append(compColorStyle(style.hoverColor, false));
    sheet.append(QLatin1String("}QPushButton:hover:checked {"));
    sheet.append(compColorStyle(style.hoverCheckedColor, false)).append(QLatin1Char('}'));
    return sheet;
}

QString QtObjPalette::compGlowLabelStyleSheet(const WIDGET_GLOW_LABEL& style)
{
    return QLatin1String("QLabel {") + compColorStyle(style.color, false) + compFontStyle(style.font) +
           compPaddingStyle(style.padding) + QLatin1Char('}');
}

QString QtObjPalette::compAffixesLabelStyleSheet(const WIDGET_AFFIXES_LABEL& style)
{
    return QLatin1String("QLabel {") + compColorStyle(style.color, false) + compFontStyle(style.font) +
           QLatin1Char('}');
}

QString QtObjPalette::compTaskBarStyleSheet(const WIDGET_TASK_BAR& style)
{
    return QLatin1String("QProgressBar {") + compColorStyle(style.color, false) + compWidgetBorderStyle(style.border) +
           compTextAlignStyle(style.align) + QLatin1String("}QProgressBar::chunk {") +
           compGradientStyle(style.chunkGradient) + QLatin1Char('}');
}
