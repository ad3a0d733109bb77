#pragma once

#include "PaletteDefine.h"
#include "PaletteWidgetDefine.h"

#include <QByteArray>
#include <QColor>
#include <QString>

class QAbstractButton;
class QLabel;
class QSettings;
class QTabWidget;
class QWidget;

// Turns style records into Qt style-sheet text. Declarations are written with no blank after
// the colon and a semicolon after each ("color:#000000;"), lengths in "px", colours in
// lower-case hexadecimal; an unset value or a null record writes nothing. Every rule goes
// through compRuleBlock. Static operations only; the one state is the font record.
class QtObjPalette
{
public:
    QtObjPalette() = delete;

    // ---- Font record and its settings ----

    // The process-wide font record, initialised on first use.
    static const PALETTE_FONT& font_s_Font();
    // Sets family, size and zoom, then reads group "Palette_Font" of the settings file when
    // it exists. Never writes the file.
    static void initialize(const QString& profileIni, const std::string& family, unsigned char sizeNormal,
                           double sizeZoom);
    static void readProfileIni(const QSettings* settings);
    // Adds the keys the settings lack; present keys stay as they are.
    static void writeProfileIni(QSettings* settings);
    // Fixed notation with at most that many decimals, trailing zero decimals dropped.
    static QString getFloatStr(unsigned char decimals, float value);
    static void initFontRecord(PALETTE_FONT& font);
    static constexpr const char* kFontGroup = "Palette_Font";

    // ---- Declaration text of one record ----

    static QByteArray getWgBorderStyleStr(WG_BORDER_EDGE_S edge);
    static QString getWgAligStyleStr(WG_ALIGNMENT_S align);
    static QString getWgPositionStyleStr(WG_ALIGN_POSITION_S position);
    static QString getWgBoxModelStyleStr(WG_BOX_MODEL_SIDE side);

    static QString compColorStyle(const SWidgetColor* color, bool withAlpha);
    static QString compFontStyle(const WIDGET_FONT* font);
    static QString compGradientStyle(const SWidgetGradientColor* gradient);
    static QString compBorderStyle(const SWidgetBorderLine* line);
    static QString compOutlineStyle(const SWidgetBorderLine* line);
    static QString compWidgetOutlineStyle(const WIDGET_OUTLINE* outline);
    static QString compBorderRadiusStyle(const SWidgetBorderRadius* radius);
    static QString compWidgetBorderStyle(const WIDGET_BORDER* border);
    static QString compBorderSideStyle(const SWidgetBorderSides* sides);
    static QString compPaddingStyle(const SWidgetSides* sides);
    static QString compMarginStyle(const SWidgetSides* sides);
    static QString compPositionStyle(const SWidgetSides* sides);
    static QString compSizeStyle(const WIDGET_SIZE* size);
    static QString compTextAlignStyle(WG_ALIGNMENT_S align);
    static QString compImageUrl(const QString& path);
    static QString compBackgroundImageStyle(const QString& path, WG_ALIGNMENT_S horizontal, WG_ALIGNMENT_S vertical);
    // "min-height:%dpx", without a semicolon.
    static QString compMinHeightStyle(int pixels);

    // ---- Rules and one-widget setters ----

    // className + "#" objectName + subControl + state + " {" body "}"; in descendant form
    // "#" objectName + " " + className + subControl + state. The caller writes the colons.
    static QString compRuleBlock(const QString& objectName, const char* className, const char* subControl,
                                 const char* state, bool descendant, const QString& body);

    // Each replaces the widget's whole sheet.
    static void setWidgetBaseStyle(QWidget* widget, const WIDGET_STYLE& style, STYLE_SHEET_COVER cover);
    static void setWidgetColorStyle(QWidget* widget, const SWidgetColor& color, STYLE_SHEET_COVER cover);
    static void setWidgetFontStyle(QWidget* widget, const WIDGET_FONT& font, STYLE_SHEET_COVER cover);
    static void setWidgetBorderStyle(QWidget* widget, const WIDGET_BORDER& border, STYLE_SHEET_COVER cover);
    static void setWidgetGradientColorStyle(QWidget* widget, const SWidgetGradientColor& gradient,
                                            STYLE_SHEET_COVER cover);
    static void setWidgetTransparentStyle(QWidget* widget, STYLE_SHEET_COVER cover);
    static void setLabelStyle(QWidget* widget, const WIDGET_LABEL& label);
    static void setCheckBoxStyle(QWidget* widget, const WIDGET_CHECK_BOX& checkBox);
    static void setTabWidgetNoFrameStyle(QTabWidget* widget);
    static QString compTabWidgetNoFrameStyleSheet();

    // The Window role of every colour group; automatic filling on unless skipAutoFill.
    static void setWidgetBackground(QWidget* widget, const QColor& color, bool skipAutoFill);
    static void setWidgetTransparent(QWidget* widget);
    static void setWidgetBtnIcon(QAbstractButton* button, const QString& imagePath);
    static void setWidgetLblIcon(QLabel* label, const QString& imagePath);

    // ---- Sheets of the application's own widgets ----

    static QString getSelectorSwitchStyleSheet(const WIDGET_SELECTOR_SWITCH& style);
    static QString getComboGuideStyleSheet(const WIDGET_COMBO_SUIT& style);
    static QString getDropMenuBtnStyleSheet(const WIDGET_DROP_MENU_BTN& style);
    static QString getDropMenuItemStyleSheet(const WIDGET_DROP_MENU_ITEM& style);
    static QString getGlowLabelStyleSheet(const WIDGET_GLOW_LABEL& style);
    static QString getAffixesLabelStyleSheet(const WIDGET_AFFIXES_LABEL& style);
    static QString getTaskBarStyleSheet(const WIDGET_TASK_BAR& style);

    static QString compSelectorSwitchStyleSheet(const WIDGET_SELECTOR_SWITCH& style);
    static QString compComboGuideStyleSheet(const WIDGET_COMBO_SUIT& style);
    static QString compDropMenuBtnStyleSheet(const WIDGET_DROP_MENU_BTN& style);
    static QString compDropMenuItemStyleSheet(const WIDGET_DROP_MENU_ITEM& style);
    static QString compGlowLabelStyleSheet(const WIDGET_GLOW_LABEL& style);
    static QString compAffixesLabelStyleSheet(const WIDGET_AFFIXES_LABEL& style);
    static QString compTaskBarStyleSheet(const WIDGET_TASK_BAR& style);

    // ---- Sheets of the standard widgets ----
    // selector: an object name, empty for every widget of the class; descendant: the rule
    // form of compRuleBlock.

    static QString compPushButtonStyleSheet(const QString& selector, const WIDGET_PUSH_BTN& style, bool descendant);
    static QString compLabelStyleSheet(const QString& selector, const WIDGET_LABEL& style, bool descendant);
    static QString compRadioBtnStyleSheet(const QString& selector, const WIDGET_RADIO_BUTTON& style, bool descendant);
    static QString compToolButtonStyleSheet(const QString& selector, const WIDGET_TOOL_BTN& style, bool descendant);
    static QString compCheckBoxStyleSheet(const QString& selector, const WIDGET_CHECK_BOX& style, bool descendant);
    static QString compGroupButtonStyleSheet(const WIDGET_GROUP_BTN& style);
    static QString compLineStyleSheet(const QString& selector, const SWidgetColor& color, bool descendant,
                                      WG_LINE_DIRECTION_S direction);

    static QString compSpinBoxStyleSheet(const QString& selector, const WIDGET_SPIN_BOX& style, bool descendant,
                                         bool hideButtons);
    static QString compComboBoxStyleSheet(const QString& selector, const WIDGET_COMBO_BOX& style, bool descendant);
    // The class name is the caller's ("QLineEdit", "QTextEdit", "QDateEdit", "QTimeEdit");
    // only "QDateEdit" gets the drop-down arrow rules.
    static QString compEditStyleSheet(const QString& selector, const WIDGET_EDIT& style, bool descendant,
                                      const char* className);
    static QString compLineEditStyleSheet(const QString& selector, const WIDGET_EDIT& style, bool descendant);
    static QString compTextEditStyleSheet(const QString& selector, const WIDGET_EDIT& style, bool descendant);
    static QString compTableViewStyleSheet(const QString& selector, const WIDGET_TABLE_VIEW& style, bool descendant);
    static QString compHeaderViewStyleSheet(const QString& selector, const WIDGET_HEADER_VIEW& style, bool descendant);

    static QString compTabWidgetStyleSheet(const QString& selector, const WIDGET_TAB_WIDGET& style, bool descendant);
    static QString compGroupBoxStyleSheet(const QString& selector, const WIDGET_GROUP_BOX& style, bool descendant);
    static QString compSliderStyleSheet(const QString& selector, const WIDGET_SLIDER& style, bool descendant);

private:
    static PALETTE_FONT& fontRecord();
    static void setSizeNormal(PALETTE_FONT& font, unsigned char sizeNormal);
    static void setSizeZoom(PALETTE_FONT& font, float sizeZoom);
    static void updateSizes(PALETTE_FONT& font);
    static void setCoverSheet(QWidget* widget, const QString& declarations, STYLE_SHEET_COVER cover);
    static QString compSidesStyle(const SWidgetSides* sides, const char* const (&properties)[4]);
    static QString compEditCommon(const QString& selector, const WIDGET_EDIT& style, bool descendant,
                                  const char* className, bool withFont);
    static QString compDropDownArrowRules(const QString& selector, const char* className, const QString& arrowImage,
                                          bool descendant);
};
