// Sheets of spin boxes, combo boxes with their popup list, edits, table and header views.
#include "QtObjPalette.h"

#include <cstring>

namespace {

const char* const kSpinBox = "QAbstractSpinBox";
const char* const kComboBox = "QComboBox";
const char* const kComboPopup = "QComboBox QAbstractItemView";

} // namespace

QString QtObjPalette::compSpinBoxStyleSheet(const QString& selector, const WIDGET_SPIN_BOX& style, bool descendant,
                                            bool hideButtons)
{
    static const SWidgetSides kPadding{5, kWgLengthUnset, 5};
    const QString border = compWidgetBorderStyle(style.border);
    const QString hover = compColorStyle(style.buttonHoverColor, false);
    const QString pressed = compColorStyle(style.buttonPressedColor, false);
    QString upButton = QStringLiteral("width:0");
    QString downButton = upButton;
    if (!hideButtons) {
        const QString size = compSizeStyle(style.buttonSize);
        upButton = border + size + compImageUrl(style.upImage) + QLatin1String("subcontrol-position: right;");
        downButton = border + size + compImageUrl(style.downImage) + QLatin1String("subcontrol-position: left;");
    }
    return compRuleBlock(selector, kSpinBox, "", "", descendant,
                         compColorStyle(style.color, false) + border + compPaddingStyle(&kPadding) +
                             compFontStyle(style.font)) +
           compRuleBlock(selector, kSpinBox, "", ":enabled", descendant, compColorStyle(style.color, false)) +
           compRuleBlock(selector, kSpinBox, "", ":disabled", descendant, compColorStyle(style.disabledColor, false)) +
           compRuleBlock(selector, kSpinBox, "::up-button", ":hover", descendant, hover) +
           compRuleBlock(selector, kSpinBox, "::down-button", ":hover", descendant, hover) +
           compRuleBlock(selector, kSpinBox, "::up-button", ":pressed", descendant, pressed) +
           compRuleBlock(selector, kSpinBox, "::down-button", ":pressed", descendant, pressed) +
           compRuleBlock(selector, kSpinBox, "::up-button", "", descendant, upButton) +
           compRuleBlock(selector, kSpinBox, "::down-button", "", descendant, downButton);
}

// The arrow of a combo box or date edit: 3 px in from the right, 1 px lower while open.
QString QtObjPalette::compDropDownArrowRules(const QString& selector, const char* className, const QString& arrowImage,
                                             bool descendant)
{
    static const SWidgetSides kArrowRight{kWgLengthUnset, kWgLengthUnset, 3};
    static const SWidgetSides kArrowOpen{kWgLengthUnset, 1};
    return compRuleBlock(selector, className, "::down-arrow", ":enabled", descendant,
                         compPositionStyle(&kArrowRight) + compImageUrl(arrowImage)) +
           compRuleBlock(selector, className, "::down-arrow", ":on", descendant, compPositionStyle(&kArrowOpen)) +
           compRuleBlock(selector, className, "::drop-down", "", descendant, QStringLiteral("border: none;"));
}

QString QtObjPalette::compComboBoxStyleSheet(const QString& selector, const WIDGET_COMBO_BOX& style, bool descendant)
{
    SWidgetColor itemColor;
    itemColor.text = style.itemColor;
    const QString padding = compPaddingStyle(style.padding);
    const SWidgetBorderRadius* radius = style.border != nullptr ? style.border->radius : nullptr;
    return compRuleBlock(selector, kComboBox, "", "", descendant,
                         compColorStyle(style.color, false) + compWidgetBorderStyle(style.border) + padding +
                             compFontStyle(style.font)) +
           compRuleBlock(selector, kComboBox, "", ":enabled", descendant, compColorStyle(style.color, false)) +
           compRuleBlock(selector, kComboBox, "", ":disabled", descendant, compColorStyle(style.disabledColor, false)) +
           compDropDownArrowRules(selector, kComboBox, style.arrowImage, descendant) +
           compRuleBlock(selector, kComboPopup, "", "", descendant,
                         compGradientStyle(style.popupGradient) + compWidgetBorderStyle(style.border)) +
           compRuleBlock(selector, kComboPopup, "::item", "", descendant,
                         compColorStyle(&itemColor, false) + compBorderRadiusStyle(radius) + padding +
                             compMinHeightStyle(style.itemHeight)) +
           compRuleBlock(selector, kComboPopup, "::item", ":selected", descendant,
                         compColorStyle(style.selectedColor, false));
}

QString QtObjPalette::compEditCommon(const QString& selector, const WIDGET_EDIT& style, bool descendant,
                                     const char* className, bool withFont)
{
    QString body =
        compColorStyle(style.color, false) + compWidgetBorderStyle(style.border) + compPaddingStyle(style.padding);
    if (withFont)
        body += compFontStyle(style.font);
    return compRuleBlock(selector, className, "", "", descendant, body) +
           compRuleBlock(selector, className, "", ":read-only", descendant, compColorStyle(style.readOnlyColor, false));
}

QString QtObjPalette::compEditStyleSheet(const QString& selector, const WIDGET_EDIT& style, bool descendant,
                                         const char* className)
{
    QString sheet =
        compEditCommon(selector, style, descendant, className, true) +
        compRuleBlock(selector, className, "", ":disabled", descendant, compColorStyle(style.readOnlyColor, false));
    if (className != nullptr && std::strcmp(className, "QDateEdit") == 0)
        sheet += compDropDownArrowRules(selector, className, style.arrowImage, descendant);
    return sheet;
}

QString QtObjPalette::compLineEditStyleSheet(const QString& selector, const WIDGET_EDIT& style, bool descendant)
{
    return compEditCommon(selector, style, descendant, "QLineEdit", false);
}

QString QtObjPalette::compTextEditStyleSheet(const QString& selector, const WIDGET_EDIT& style, bool descendant)
{
    return compEditCommon(selector, style, descendant, "QTextEdit", false);
}

QString QtObjPalette::compTableViewStyleSheet(const QString& selector, const WIDGET_TABLE_VIEW& style, bool descendant)
{
    return compRuleBlock(selector, "QTableView", "", "", descendant,
                         compColorStyle(style.color, false) + compFontStyle(style.font) +
                             compWidgetBorderStyle(style.border));
}

QString QtObjPalette::compHeaderViewStyleSheet(const QString& selector, const WIDGET_HEADER_VIEW& style,
                                               bool descendant)
{
    return compRuleBlock(selector, "QHeaderView", "::section", "", descendant,
                         compSizeStyle(style.sectionSize) + compColorStyle(style.sectionColor, false)) +
           compRuleBlock(selector, "QHeaderView", "::up-arrow", "", descendant, compImageUrl(style.upArrowImage)) +
           compRuleBlock(selector, "QHeaderView", "::down-arrow", "", descendant, compImageUrl(style.downArrowImage));
}
