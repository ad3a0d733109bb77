// Page element styles: group frames, titles, value labels, pictures and window controls.
#include "ObjPalette.h"

#include "palette/QtObjPalette.h"

#include <QAbstractButton>
#include <QWidget>

namespace {

constexpr int kPanelRadius = 5;

} // namespace

QString ObjPalette::compOwnRule(const QWidget* widget, const char* state, const QString& body)
{
    return QtObjPalette::compRuleBlock(widget->objectName(), "", "", state, false, body);
}

QString ObjPalette::compPanelBody(int borderWidth, WG_BORDER_EDGE_S edge, uint32_t borderColor, int radius,
                                  uint32_t background)
{
    const SWidgetBorderLine line{borderWidth, edge, borderColor};
    const SWidgetBorderRadius corners{radius};
    const WIDGET_BORDER border{&line, &corners};
    SWidgetColor color;
    color.background = background;
    return QtObjPalette::compWidgetBorderStyle(&border) + QtObjPalette::compColorStyle(&color, false);
}

void ObjPalette::setLabelLook(QWidget* widget, uint32_t text, const WIDGET_FONT& font)
{
    SWidgetColor color;
    color.text = text;
    QtObjPalette::setLabelStyle(widget, WIDGET_LABEL{&color, &font});
}

// ---- Group frames and panels ----

void ObjPalette::setGroupStyle(QWidget* widget, bool hover)
{
    if (widget == nullptr)
        return;
    QString sheet = compOwnRule(widget, "", compPanelBody(2, WG_BORDER_EDGE_SOLID, colorOf(kSkyBlue), kPanelRadius,
                                                          colorOf(hover ? kLightGrey : kCream)));
    if (hover) {
        SWidgetColor color;
        color.background = colorOf(kCream);
        sheet += compOwnRule(widget, ":hover", QtObjPalette::compColorStyle(&color, false));
    }
    widget->setStyleSheet(sheet);
}

void ObjPalette::setHomeSatelliteGroupStyle(QWidget* widget)
{
    if (widget == nullptr)
        return;
    SWidgetColor hover;
    hover.background = colorOf(kSlateGrey);
    widget->setStyleSheet(
        compOwnRule(widget, "",
                    compPanelBody(2, WG_BORDER_EDGE_SOLID, colorOf(kSkyBlue), kPanelRadius, colorOf(kCharcoal))) +
        compOwnRule(widget, ":hover", QtObjPalette::compColorStyle(&hover, false)));
}

void ObjPalette::setSatelliteStatusStyle(QWidget* widget)
{
    if (widget == nullptr)
        return;
    SWidgetColor text;
    text.text = colorOf(kWhite);
    const WIDGET_FONT font = stepFont(4, WG_FONT_WEIGHT_NORMAL);
    widget->setStyleSheet(
        compOwnRule(widget, "",
                    compPanelBody(2, WG_BORDER_EDGE_SOLID, colorOf(kSkyBlue), kPanelRadius, colorOf(kCharcoal))) +
        QtObjPalette::compLabelStyleSheet(QString(), WIDGET_LABEL{&text, &font}, false));
}

void ObjPalette::setInfoGroupStyle(QWidget* widget)
{
    if (widget == nullptr)
        return;
    SWidgetColor text;
    text.text = colorOf(kBlack);
    const WIDGET_FONT font = stepFont(SPaletteFont::kStepNormal, WG_FONT_WEIGHT_NORMAL);
    widget->setStyleSheet(
        compOwnRule(widget, "", compPanelBody(0, WG_BORDER_EDGE_SOLID, colorOf(kGrey), 10, colorOf(kSilver))) +
        QtObjPalette::compLabelStyleSheet(QString(), WIDGET_LABEL{&text, &font}, false));
}

void ObjPalette::setCfgSubPageContentStyle(QWidget* widget, bool)
{
    if (widget == nullptr)
        return;
    // Edge style 0 writes an empty style word, so Qt draws no line around the body.
    widget->setStyleSheet(compOwnRule(
        widget, "", compPanelBody(2, WG_BORDER_EDGE_NONE, colorOf(kMaroon), kPanelRadius, colorOf(kLightGrey))));
}

void ObjPalette::setSatelliteMapStyle(QWidget* widget)
{
    SWidgetColor color;
    color.background = colorOf(kCharcoal);
    setSheet(widget, QLatin1String("border: none;") + QtObjPalette::compColorStyle(&color, false));
}

// ---- Titles and labels ----

QString ObjPalette::compHomeTitleStyle()
{
    SWidgetColor color;
    color.text = colorOf(kWhite);
    const uint32_t edge = colorOf(kDimGrey);
    const SWidgetGradientColor gradient{0, 0, 0, 1, 3, {0, 0.5f, 1.0f}, {edge, colorOf(kBlack), edge}};
    const SWidgetBorderLine line{1, WG_BORDER_EDGE_SOLID, colorOf(kSilver)};
    SWidgetBorderRadius corners;
    corners.topLeft = 0;
    corners.topRight = 0;
    corners.bottomRight = 20;
    corners.bottomLeft = 0;
    const SWidgetBorderSides right{kWgLengthUnset, kWgLengthUnset, 0, kWgLengthUnset, WG_BORDER_EDGE_UNSET, 0x000000};
    const WIDGET_FONT font = fixedFont(16, WG_FONT_WEIGHT_BOLD);
    const SWidgetBorderLine noOutline{0};

    const SWidgetColor checked{colorOf(kBlack), colorOf(kCream)};
    const SWidgetBorderLine checkedLine{0, WG_BORDER_EDGE_SOLID, colorOf(kSilver)};

    return QtObjPalette::compRuleBlock(
               QString(), "QPushButton", "", "", false,
               QtObjPalette::compColorStyle(&color, false) + QtObjPalette::compGradientStyle(&gradient) +
                   QtObjPalette::compBorderStyle(&line) + QtObjPalette::compBorderRadiusStyle(&corners) +
                   QtObjPalette::compBorderSideStyle(&right) + QtObjPalette::compFontStyle(&font) +
                   QtObjPalette::compOutlineStyle(&noOutline)) +
           QtObjPalette::compRuleBlock(QString(), "QPushButton", "", ":checked", false,
                                       QtObjPalette::compColorStyle(&checked, false) +
                                           QtObjPalette::compBorderStyle(&checkedLine));
}

void ObjPalette::setHomeTitleStyle(QWidget* widget)
{
    setSheet(widget, compHomeTitleStyle());
}

void ObjPalette::setHomeMoreLabelStyle(QWidget* widget)
{
    setLabelLook(widget, colorOf(kDodgerBlue), fixedFont(14, WG_FONT_WEIGHT_BOLD));
}

void ObjPalette::setNormalTitleStyle(QWidget* widget)
{
    setLabelLook(widget, colorOf(kBlack), fixedFont(14, WG_FONT_WEIGHT_BOLD));
}

void ObjPalette::setBoldTextStyle(QWidget* widget, bool dark)
{
    setLabelLook(widget, colorOf(dark ? kBlack : kWhite), stepFont(5, WG_FONT_WEIGHT_BOLD));
}

void ObjPalette::setConntStatusLabelStyle(QWidget* widget, bool alarm)
{
    setLabelLook(widget, colorOf(alarm ? kRed : kBlack), fixedFont(14, WG_FONT_WEIGHT_NORMAL));
}

void ObjPalette::setLabelColor(QWidget* widget, unsigned int rgb)
{
    SWidgetColor color;
    color.text = rgb;
    QtObjPalette::setLabelStyle(widget, WIDGET_LABEL{&color, nullptr});
}

void ObjPalette::setBorderTitleStyle(QWidget* logo, QWidget* title)
{
    setSheet(logo, QStringLiteral("border: none;"));
    setLabelLook(title, colorOf(kCharcoal), fixedFont(14, WG_FONT_WEIGHT_BOLD));
}

void ObjPalette::setAboutSoftwareNameLabelStyle(QWidget* widget)
{
    setLabelLook(widget, colorOf(kBlack), fixedFont(16, WG_FONT_WEIGHT_BOLD));
}

void ObjPalette::setAboutSoftwareVersionLabelStyle(QWidget* widget)
{
    setLabelLook(widget, colorOf(kBlack), fixedFont(12, WG_FONT_WEIGHT_NORMAL));
}

void ObjPalette::setAdvencedCfgMoreLabelStyle(QWidget* widget)
{
    setLabelLook(widget, colorOf(kCyan), fixedFont(14, WG_FONT_WEIGHT_BOLD));
}

void ObjPalette::setReportStatusStyle(QWidget*)
{}

// ---- Buttons, icons and pictures ----

void ObjPalette::setGenerateReportBtnStyle(QAbstractButton* button)
{
    if (button == nullptr)
        return;
    button->setText(QStringLiteral("   Generate"));
    QtObjPalette::setWidgetBtnIcon(button, images().getThemeFunImagePath(3));
    setPushBtnColorToneStyle(button, QString(), WG_COLOR_TONE_GREY);
}

QString ObjPalette::compThemeFunIconStyle(int index)
{
    const char* const button = "QToolButton";
    const QString image =
        QtObjPalette::compBackgroundImageStyle(images().getThemeFunImagePath(index), WG_ALIGN_CENTER, WG_ALIGN_CENTER);
    const SWidgetBorderRadius square{kWgLengthUnset, 0, 0, 0, 0};
    const SWidgetSides pressedShift{kWgLengthUnset, 1};
    return QtObjPalette::compRuleBlock(QString(), button, "", "", false,
                                       QtObjPalette::compBorderRadiusStyle(&square) + image) +
           QtObjPalette::compRuleBlock(QString(), button, "", ":hover", false, image) +
           QtObjPalette::compRuleBlock(QString(), button, "", ":pressed", false,
                                       QtObjPalette::compPaddingStyle(&pressedShift));
}

void ObjPalette::setAboutIconStyle(QWidget* widget)
{
    setSheet(widget, compThemeFunIconStyle(1));
}

void ObjPalette::setHelpIconStyle(QWidget* widget)
{
    setSheet(widget, compThemeFunIconStyle(2));
}

QString ObjPalette::compWinCtrlIconStyle(unsigned int background, ResourceImage::WG_WINCTRL_S item)
{
    SWidgetColor color;
    color.background = background;
    const QString fill = QtObjPalette::compColorStyle(&color, false);
    return QtObjPalette::compRuleBlock(QString(), "QWidget", "", "", false,
                                       fill + QtObjPalette::compImageUrl(images().getWinCtrlImagePath(0, item, 0)) +
                                           QLatin1String("border: none;")) +
           QtObjPalette::compRuleBlock(
               QString(), "QWidget", "", ":hover", false,
               fill + QtObjPalette::compImageUrl(images().getWinCtrlImagePath(0, item, ResourceImage::kHoverState)));
}

void ObjPalette::setWinCtrlIconStyle(QWidget* widget, unsigned int background, ResourceImage::WG_WINCTRL_S item)
{
    setSheet(widget, compWinCtrlIconStyle(background, item));
}

void ObjPalette::setWidgetIconStyle(QWidget* widget, const QString& imagePath)
{
    setSheet(widget, QtObjPalette::compRuleBlock(
                         QString(), "QWidget", "", "", false,
                         QtObjPalette::compBackgroundImageStyle(imagePath, WG_ALIGN_CENTER, WG_ALIGN_CENTER) +
                             QLatin1String("border: none;")));
}

void ObjPalette::setConfigVslDimStyle(QWidget* widget)
{
    setSheet(widget,
             QtObjPalette::compBackgroundImageStyle(images().getVesselImagePath(), WG_ALIGN_CENTER, WG_ALIGN_CENTER));
}

void ObjPalette::setCfgSubPageIcon(QWidget* widget, bool left, bool hover)
{
    if (widget == nullptr)
        return;
    // Items: 0 right, 1 left, 2 right hover form, 3 left hover form.
    const int item = left ? 1 : 0;
    QString sheet = compOwnRule(widget, "", QtObjPalette::compImageUrl(images().getDirectionImagePath(item)));
    if (hover)
        sheet += compOwnRule(widget, ":hover", QtObjPalette::compImageUrl(images().getDirectionImagePath(item + 2)));
    widget->setStyleSheet(sheet);
}

void ObjPalette::setWiFiModeWgsStyle(QWidget* widget, LibraryImage::WIFI_MODE mode, bool framed, bool active)
{
    if (widget == nullptr)
        return;
    const QString picture =
        QtObjPalette::compBackgroundImageStyle(images().getWiFiModeImagePath(mode), WG_ALIGN_CENTER, WG_ALIGN_CENTER);
    if (!framed) {
        SWidgetColor color;
        color.background = colorOf(kWhite);
        // Its own rule: a sheet without a selector would paint the picture again inside the radio
        // button and the picture area the container holds.
        widget->setStyleSheet(compOwnRule(
            widget, "", QLatin1String("border: none;") + QtObjPalette::compColorStyle(&color, false) + picture));
        return;
    }
    widget->setStyleSheet(compOwnRule(
        widget, "",
        compPanelBody(2, WG_BORDER_EDGE_DASHED, 0x808080, kPanelRadius, colorOf(active ? kSkyBlue : kSilver)) +
            picture));
}

QString ObjPalette::compOtherVesselStyle(const QString& selector, WG_COLOR_TONE_S tone)
{
    SWidgetColor table{colorOf(kBlack), colorOf(kWhite), kWgColorUnset, kWgColorUnset, colorOf(kLightGrey)};
    SWidgetColor section{colorOf(kBlack), colorOf(kCream)};
    if (tone == WG_COLOR_TONE_DARK) {
        table = SWidgetColor{colorOf(kWhite), 0x404040, kWgColorUnset, kWgColorUnset, colorOf(kSlateGrey)};
        section = SWidgetColor{colorOf(kWhite), colorOf(kBlack)};
    }
    const SWidgetBorderLine line{1, WG_BORDER_EDGE_SOLID, colorOf(kBlack)};
    const WIDGET_BORDER border{&line, nullptr};
    const WIDGET_SIZE sectionSize{0, 24};
    const WIDGET_TABLE_VIEW tableStyle{&table, nullptr, &border};
    const WIDGET_HEADER_VIEW headerStyle{&sectionSize, &section, images().getHeaderViewImagePath(0, 0),
                                         images().getHeaderViewImagePath(0, 1)};
    return QtObjPalette::compTableViewStyleSheet(selector, tableStyle, false) +
           QtObjPalette::compHeaderViewStyleSheet(selector, headerStyle, false);
}

void ObjPalette::setOtherVesselStyle(QWidget* widget, const QString& selector, WG_COLOR_TONE_S tone)
{
    setSheet(widget, compOtherVesselStyle(selector, tone));
}

void ObjPalette::setTextEditWhiteStyle(QWidget* widget)
{
    setSheet(widget, compEditColorToneStyle(QString(), WG_COLOR_TONE_DEFAULT, false, "QTextEdit"));
}
