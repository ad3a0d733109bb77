#pragma once

#include "palette/PaletteDefine.h"
#include "palette/PaletteWidgetDefine.h"

#include "widgets/LibraryImage.h"
#include "widgets/ResourceImage.h"

#include <QString>
#include <cstdint>

class CStyledItemDelegate;
class QAbstractButton;
class QWidget;

// The look of one kind of widget; a tone a composer does not know gives its default look.
enum WG_COLOR_TONE_S : int {
    WG_COLOR_TONE_DEFAULT = 0, // white theme, Other Vessels table
    WG_COLOR_TONE_DARK = 1,
    WG_COLOR_TONE_SILVER = 2,
    WG_COLOR_TONE_GREY = 3,  // corner titles, report button
    WG_COLOR_TONE_CREAM = 4,
    WG_COLOR_TONE_ROYAL = 5, // "More..." buttons
    WG_COLOR_TONE_NAVY = 6,  // white theme's push buttons and separator lines
};

// The theme layer: fills style records from the application's colour set and the palette
// font, and hands them to QtObjPalette. Static operations, no state, GUI thread only.
// Every setter replaces the widget's whole sheet; a null widget is left alone.
class ObjPalette
{
public:
    ObjPalette() = delete;

    // ---- Colour-tone composers ----
    // selector: an object name, empty for every widget of the class.

    static QString compLabelColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant);
    static QString compPushButtonColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                                int radius);
    static QString compSpinBoxColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                             bool hideButtons);
    static QString compComboBoxColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                              int borderWidth);
    static QString compCheckBoxColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant);
    static QString compLineColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                          WG_LINE_DIRECTION_S direction);
    // className: "QLineEdit", "QTextEdit", "QDateEdit" or "QTimeEdit".
    static QString compEditColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                          const char* className);
    static QString compRadioBtnColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant);
    static QString compCornerShapeColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool border,
                                                 bool bold);
    // The same sheet for every tone.
    static QString compTabWidgetColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                               const WIDGET_SIZE& tabSize);
    // The selector is not used: the switch's sheet is written for its own parts.
    static QString compSelectorSwitchColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool highlight);

    static void setPushBtnColorToneStyle(QWidget* widget, const QString& selector, WG_COLOR_TONE_S tone);
    static void setCornerTitleColorToneStyle(QWidget* widget, const QString& selector, WG_COLOR_TONE_S tone);
    static void setSelectorSwitchColorToneStyle(QWidget* widget, const QString& selector, WG_COLOR_TONE_S tone,
                                                bool highlight);

    // ---- White theme, main page stack and main menu ----

    // Gives every combo box below the root the delegate, then sets the theme's sheet on the
    // root. The delegate must outlive every combo box that uses it.
    static void setWhiteThemeWgsStyle(QWidget* root, CStyledItemDelegate& delegate);
    static void setComboBoxItemDelegate(QWidget* root, CStyledItemDelegate& delegate);
    static QString compWhiteThemeWgsStyle();
    static void setMainWidgetWhiteStyle(QWidget* widget);
    static void setMainMenuStyle(QWidget* widget, const QString& imagePath);
    static QString compMenuStyle(const QString& selector, const QString& imagePath);

    // ---- Page elements ----

    static void setGroupStyle(QWidget* widget, bool hover);
    static void setHomeSatelliteGroupStyle(QWidget* widget);
    static void setSatelliteStatusStyle(QWidget* widget);
    static void setInfoGroupStyle(QWidget* widget);
    static void setCfgSubPageContentStyle(QWidget* widget, bool unused);
    static void setSatelliteMapStyle(QWidget* widget);

    static void setHomeTitleStyle(QWidget* widget);
    static void setHomeMoreLabelStyle(QWidget* widget);
    static void setNormalTitleStyle(QWidget* widget);
    static void setBoldTextStyle(QWidget* widget, bool dark);
    static void setConntStatusLabelStyle(QWidget* widget, bool alarm);
    static void setLabelColor(QWidget* widget, unsigned int rgb);
    // Either may be null.
    static void setBorderTitleStyle(QWidget* logo, QWidget* title);
    static void setAboutSoftwareNameLabelStyle(QWidget* widget);
    static void setAboutSoftwareVersionLabelStyle(QWidget* widget);
    static void setAdvencedCfgMoreLabelStyle(QWidget* widget);
    static void setReportStatusStyle(QWidget* widget);

    static void setGenerateReportBtnStyle(QAbstractButton* button);
    static void setAboutIconStyle(QWidget* widget);
    static void setHelpIconStyle(QWidget* widget);
    // background: 0xRRGGBB, or 0xFFFFFFFF for none.
    static void setWinCtrlIconStyle(QWidget* widget, unsigned int background, ResourceImage::WG_WINCTRL_S item);
    static void setWidgetIconStyle(QWidget* widget, const QString& imagePath);
    static void setConfigVslDimStyle(QWidget* widget);
    static void setCfgSubPageIcon(QWidget* widget, bool left, bool hover);
    static void setWiFiModeWgsStyle(QWidget* widget, LibraryImage::WIFI_MODE mode, bool framed, bool active);
    static void setOtherVesselStyle(QWidget* widget, const QString& selector, WG_COLOR_TONE_S tone);
    static void setTextEditWhiteStyle(QWidget* widget);

    // The sheets behind the setters above that build more than one record's text.
    static QString compHomeTitleStyle();
    static QString compThemeFunIconStyle(int index);
    static QString compWinCtrlIconStyle(unsigned int background, ResourceImage::WG_WINCTRL_S item);
    static QString compOtherVesselStyle(const QString& selector, WG_COLOR_TONE_S tone);

private:
    // Entries of the application's colour set used by the theme, by their colour.
    enum COLOR_ENTRY : int {
        kRed = 0,
        kDarkSlateBlue = 13,
        kBlue = 18,
        kCyan = 19,
        kSkyBlue = 21,
        kDodgerBlue = 22,
        kCornflowerBlue = 23,
        kRoyalBlue = 24,
        kNavy = 25,
        kMidnightBlue = 26,
        kMaroon = 28,
        kWhite = 29,
        kCream = 30,
        kGrey = 31,
        kBlack = 32,
        kCharcoal = 34,
        kDarkGrey = 35,
        kSlateGrey = 36,
        kDimGrey = 37,
        kDarkGray = 38,
        kSilver = 39,
        kLightGrey = 40,
    };

    static uint32_t colorOf(COLOR_ENTRY entry);
    static LibraryImage& images();
    // A step of the palette font (3 the base size) in its family.
    static WIDGET_FONT stepFont(int step, WG_FONT_WEIGHT weight);
    // A fixed size in the theme's own family.
    static WIDGET_FONT fixedFont(int pixels, WG_FONT_WEIGHT weight);
    // Top to bottom, the stops at 0 and 1.
    static SWidgetGradientColor verticalGradient(uint32_t top, uint32_t bottom);
    // A rule for the widget's own object name.
    static QString compOwnRule(const QWidget* widget, const char* state, const QString& body);
    // Border, corners and background of the page panels.
    static QString compPanelBody(int borderWidth, WG_BORDER_EDGE_S edge, uint32_t borderColor, int radius,
                                 uint32_t background);
    static void setSheet(QWidget* widget, const QString& sheet);
    // A label's text colour and font.
    static void setLabelLook(QWidget* widget, uint32_t text, const WIDGET_FONT& font);
};
