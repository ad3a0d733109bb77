// Colour-tone composers: one standard widget kind's record per tone, composed by QtObjPalette.
#include "ObjPalette.h"

#include "palette/QtObjPalette.h"

#include "services/Singleton.h"
#include "widgets/LibraryColor.h"

#include <QWidget>

namespace {

constexpr int kFontStepNormal = SPaletteFont::kStepNormal;
constexpr int kFontStepLarge = 4;
// The theme's fixed sizes do not follow "Palette_Font".
constexpr int kSpinBoxFontPx = 14;
constexpr int kSpinButtonPx = 26;
constexpr int kComboItemHeight = 40;
constexpr int kThemeRadius = 5;

} // namespace

uint32_t ObjPalette::colorOf(COLOR_ENTRY entry)
{
    return Pattern::Singleton<LibraryColor>::instance()->color(entry).currentRgb();
}

LibraryImage& ObjPalette::images()
{
    return *Pattern::Singleton<LibraryImage>::instance();
}

WIDGET_FONT ObjPalette::stepFont(int step, WG_FONT_WEIGHT weight)
{
    const PALETTE_FONT& font = QtObjPalette::font_s_Font();
    return WIDGET_FONT{static_cast<int16_t>(font.sizes[step]), weight, font.family};
}

WIDGET_FONT ObjPalette::fixedFont(int pixels, WG_FONT_WEIGHT weight)
{
    return WIDGET_FONT{static_cast<int16_t>(pixels), weight, "Tahoma"};
}

SWidgetGradientColor ObjPalette::verticalGradient(uint32_t top, uint32_t bottom)
{
    return SWidgetGradientColor{0, 0, 0, 1, 2, {0, 1.0f}, {top, bottom}};
}

QString ObjPalette::compLabelColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant)
{
    SWidgetColor color;
    color.text = colorOf(kBlack);
    if (tone == WG_COLOR_TONE_DARK)
        color.text = colorOf(kWhite);
    else if (tone == WG_COLOR_TONE_GREY)
        color.text = colorOf(kDarkGrey);
    const WIDGET_FONT font = stepFont(kFontStepNormal, WG_FONT_WEIGHT_NORMAL);
    return QtObjPalette::compLabelStyleSheet(selector, WIDGET_LABEL{&color, &font}, descendant);
}

QString ObjPalette::compPushButtonColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                                 int radius)
{
    SWidgetColor normal{colorOf(kBlack), colorOf(kWhite)};
    SWidgetColor pressed{colorOf(kWhite), colorOf(kCharcoal)};
    SWidgetColor checked{colorOf(kWhite), colorOf(kCharcoal)};
    SWidgetGradientColor gradient = verticalGradient(colorOf(kWhite), colorOf(kGrey));
    bool withGradient = true;
    SWidgetBorderLine line{1, WG_BORDER_EDGE_SOLID, colorOf(kDarkGray)};
    switch (tone) {
    case WG_COLOR_TONE_DARK:
    case WG_COLOR_TONE_GREY:
        normal = SWidgetColor{colorOf(kWhite), colorOf(kGrey)};
        gradient = verticalGradient(colorOf(kGrey), colorOf(kGrey));
        break;
    case WG_COLOR_TONE_CREAM:
        normal.background = colorOf(kCream);
        withGradient = false;
        break;
    case WG_COLOR_TONE_ROYAL:
        normal = SWidgetColor{colorOf(kWhite), colorOf(kRoyalBlue)};
        withGradient = false;
        line.color = colorOf(kSkyBlue);
        break;
    case WG_COLOR_TONE_NAVY:
        normal = SWidgetColor{colorOf(kWhite), colorOf(kMidnightBlue)};
        pressed = SWidgetColor{colorOf(kWhite), colorOf(kDodgerBlue)};
        checked = SWidgetColor{colorOf(kWhite), colorOf(kBlue)};
        gradient = verticalGradient(colorOf(kDodgerBlue), colorOf(kMidnightBlue));
        break;
    default:
        break;
    }
    const WIDGET_FONT font = stepFont(kFontStepNormal, WG_FONT_WEIGHT_NORMAL);
    const SWidgetBorderRadius corners{radius};
    const WIDGET_BORDER border{&line, &corners};
    const WIDGET_PUSH_BTN style{&normal,  &pressed, &checked, &font, withGradient ? &gradient : nullptr,
                                &border, nullptr};
    // Every tone greys out when disabled: a disabled "Program Device" must not look ready.
    const SWidgetColor disabled{colorOf(kGrey), colorOf(kLightGrey)};
    return QtObjPalette::compPushButtonStyleSheet(selector, style, descendant) +
           QtObjPalette::compRuleBlock(selector, "QPushButton", "", ":disabled", descendant,
                                       QtObjPalette::compColorStyle(&disabled, false));
}

QString ObjPalette::compSpinBoxColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                              bool hideButtons)
{
    SWidgetColor color{colorOf(kCharcoal), colorOf(kWhite), colorOf(kCharcoal), colorOf(kWhite)};
    const SWidgetColor disabled{colorOf(kSlateGrey), colorOf(kCharcoal)};
    SWidgetColor hover{kWgColorUnset, colorOf(kCharcoal)};
    SWidgetColor pressed{kWgColorUnset, colorOf(kBlack)};
    if (tone == WG_COLOR_TONE_GREY) {
        color = SWidgetColor{colorOf(kBlack), colorOf(kWhite), colorOf(kBlack), colorOf(kWhite)};
        hover.background = colorOf(kWhite);
        pressed.background = colorOf(kGrey);
    }
    const SWidgetBorderLine line{1, WG_BORDER_EDGE_SOLID, colorOf(kDarkGray)};
    const SWidgetBorderRadius corners{kThemeRadius};
    const WIDGET_BORDER border{&line, &corners};
    const WIDGET_FONT font = fixedFont(kSpinBoxFontPx, WG_FONT_WEIGHT_BOLD);
    const WIDGET_SIZE buttonSize{kSpinButtonPx, kSpinButtonPx};
    const WIDGET_SPIN_BOX style{&color,
                                &disabled,
                                &hover,
                                &pressed,
                                &border,
                                &font,
                                &buttonSize,
                                images().getSpinBoxImagePath(0, 0),
                                images().getSpinBoxImagePath(0, 1)};
    return QtObjPalette::compSpinBoxStyleSheet(selector, style, descendant, hideButtons);
}

QString ObjPalette::compComboBoxColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                               int borderWidth)
{
    uint32_t itemColor = colorOf(kBlack);
    SWidgetColor color{colorOf(kBlack), colorOf(kWhite)};
    const SWidgetColor selected{colorOf(kWhite), colorOf(kCornflowerBlue)};
    const SWidgetColor disabled{colorOf(kSlateGrey), colorOf(kCream)};
    SWidgetGradientColor popup = verticalGradient(colorOf(kSilver), colorOf(kWhite));
    SWidgetBorderLine line{borderWidth, WG_BORDER_EDGE_SOLID, colorOf(kCharcoal)};
    if (tone == WG_COLOR_TONE_DARK || tone == WG_COLOR_TONE_GREY) {
        color = SWidgetColor{colorOf(kWhite), colorOf(kCharcoal)};
        itemColor = colorOf(kWhite);
        popup = verticalGradient(colorOf(kDimGrey), colorOf(kDarkGrey));
        line.color = colorOf(kDarkGray);
    } else if (tone == WG_COLOR_TONE_CREAM) {
        color.background = colorOf(kCream);
    }
    const WIDGET_FONT font = stepFont(kFontStepNormal, WG_FONT_WEIGHT_BOLD);
    const SWidgetBorderRadius corners{kThemeRadius};
    const WIDGET_BORDER border{&line, &corners};
    const WIDGET_COMBO_BOX style{kComboItemHeight, itemColor, &color,   &selected,
                                 &disabled,        &popup,    &font,    &border,
                                 nullptr,          images().getComboBoxImagePath(0, 0)};
    return QtObjPalette::compComboBoxStyleSheet(selector, style, descendant);
}

QString ObjPalette::compCheckBoxColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant)
{
    SWidgetColor color;
    color.text = colorOf(kBlack);
    const SWidgetColor indicator{kWgColorUnset, colorOf(kWhite)};
    SWidgetColor disabled{kWgColorUnset, colorOf(kCream)};
    if (tone == WG_COLOR_TONE_DARK || tone == WG_COLOR_TONE_GREY) {
        color.text = colorOf(kWhite);
        disabled.background = colorOf(kSlateGrey);
    }
    const WIDGET_FONT font = stepFont(kFontStepNormal, WG_FONT_WEIGHT_NORMAL);
    const SWidgetBorderLine noLine{0};
    const WIDGET_OUTLINE outline{&noLine};
    const WIDGET_CHECK_BOX style{&color,   &indicator,
                                 &indicator, &disabled,
                                 &font,    &outline,
                                 images().getCheckBoxImagePath(0, 0), images().getCheckBoxImagePath(0, 1)};
    return QtObjPalette::compCheckBoxStyleSheet(selector, style, descendant);
}

QString ObjPalette::compLineColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                           WG_LINE_DIRECTION_S direction)
{
    SWidgetColor color;
    if (tone == WG_COLOR_TONE_GREY)
        color.text = colorOf(kGrey);
    else if (tone == WG_COLOR_TONE_NAVY)
        color.background = colorOf(kMidnightBlue);
    return QtObjPalette::compLineStyleSheet(selector, color, descendant, direction);
}

QString ObjPalette::compEditColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant,
                                           const char* className)
{
    SWidgetColor color{colorOf(kBlack), colorOf(kWhite)};
    if (tone == WG_COLOR_TONE_CREAM)
        color.background = colorOf(kCream);
    const SWidgetColor readOnly{colorOf(kSlateGrey), colorOf(kCream)};
    const WIDGET_FONT font = stepFont(kFontStepNormal, WG_FONT_WEIGHT_BOLD);
    const SWidgetBorderLine line{1, WG_BORDER_EDGE_SOLID, colorOf(kCharcoal)};
    const SWidgetBorderRadius corners{kThemeRadius};
    const WIDGET_BORDER border{&line, &corners};
    const SWidgetSides padding{8};
    const WIDGET_EDIT style{&color, &readOnly, &font, &border, &padding, images().getEditImagePath(0, 0)};
    return QtObjPalette::compEditStyleSheet(selector, style, descendant, className);
}

QString ObjPalette::compRadioBtnColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool descendant)
{
    SWidgetColor color;
    color.text = colorOf(tone == WG_COLOR_TONE_DARK ? kWhite : kBlack);
    const WIDGET_FONT font = stepFont(kFontStepLarge, WG_FONT_WEIGHT_NORMAL);
    return QtObjPalette::compRadioBtnStyleSheet(selector, WIDGET_RADIO_BUTTON{&color, &font}, descendant);
}

QString ObjPalette::compCornerShapeColorToneStyle(const QString& selector, WG_COLOR_TONE_S tone, bool border,
                                                  bool bold)
{
    SWidgetColor color;
    color.text = colorOf(kWhite);
    SWidgetGradientColor gradient = verticalGradient(colorOf(kDimGrey), colorOf(kGrey));
    switch (tone) {
    case WG_COLOR_TONE_DARK:
        color.background = colorOf(kBlack);
        gradient = verticalGradient(colorOf(kCharcoal), colorOf(kBlack));
        break;
    case WG_COLOR_TONE_SILVER:
        color = SWidgetColor{colorOf(kBlack), colorOf(kSilver)};
        gradient = verticalGradient(colorOf(kDarkGray), colorOf(kSilver));
        break;
    case WG_COLOR_TONE_GREY:
        color.background = colorOf(kGrey);
        gradient = verticalGradient(colorOf(kGrey), colorOf(kSlateGrey));
        break;
    case WG_COLOR_TONE_NAVY:
        color.background = colorOf(kNavy);
        gradient = verticalGradient(colorOf(kMidnightBlue), colorOf(kNavy));
        break;
    default:
        break;
    }
    const SWidgetBorderLine line{1, WG_BORDER_EDGE_SOLID, colorOf(kSilver)};
    const SWidgetBorderRadius corners{kThemeRadius};
    const WIDGET_FONT font = bold ? fixedFont(14, WG_FONT_WEIGHT_BOLD) : fixedFont(13, WG_FONT_WEIGHT_NORMAL);
    const QString body = QtObjPalette::compColorStyle(&color, false) + QtObjPalette::compGradientStyle(&gradient) +
                         (border ? QtObjPalette::compBorderStyle(&line) : QStringLiteral("border: none;")) +
                         QtObjPalette::compBorderRadiusStyle(&corners) + QtObjPalette::compFontStyle(&font);
    // The title's text sits on the shape, 10 px in from its left edge.
    const SWidgetSides labelMargin{10, 0, 0, 0};
    return QtObjPalette::compRuleBlock(selector, "QWidget", "", "", false, body) +
           QtObjPalette::compRuleBlock(QString(), "QLabel", "", "", false,
                                       QLatin1String("border: none;background-color:transparent;") +
                                           QtObjPalette::compMarginStyle(&labelMargin));
}

QString ObjPalette::compTabWidgetColorToneStyle(const QString& selector, WG_COLOR_TONE_S, bool descendant,
                                                const WIDGET_SIZE& tabSize)
{
    const SWidgetBorderSides pane{1, kWgLengthUnset, 1, 1, WG_BORDER_EDGE_SOLID, colorOf(kGrey)};
    const WIDGET_FONT font = fixedFont(15, WG_FONT_WEIGHT_BLACK);
    const SWidgetColor color{colorOf(kBlack), colorOf(kSilver)};
    const SWidgetBorderSides sides{1, 5, 1, kWgLengthUnset, WG_BORDER_EDGE_SOLID, colorOf(kGrey)};
    const SWidgetColor selected{colorOf(kDarkSlateBlue), colorOf(kCream)};
    const SWidgetBorderSides selectedSides{kWgLengthUnset, 5,         kWgLengthUnset,
                                           kWgLengthUnset, WG_BORDER_EDGE_SOLID, colorOf(kDarkSlateBlue)};
    const WIDGET_TAB tab{&tabSize, &font, &color, &selected, &sides, &selectedSides};
    return QtObjPalette::compTabWidgetStyleSheet(selector, WIDGET_TAB_WIDGET{&pane, &tab}, descendant);
}

QString ObjPalette::compSelectorSwitchColorToneStyle(const QString&, WG_COLOR_TONE_S tone, bool highlight)
{
    SWidgetColor frame{colorOf(kBlack), colorOf(kDarkGray)};
    const SWidgetColor disabled{colorOf(kGrey), colorOf(kCream)};
    SWidgetColor button{colorOf(kWhite), colorOf(kDarkGrey)};
    if (highlight) {
        frame = SWidgetColor{colorOf(kBlue), colorOf(kWhite)};
        button.background = colorOf(tone == WG_COLOR_TONE_SILVER ? kDimGrey : kDodgerBlue);
    }
    const WIDGET_FONT font{0, WG_FONT_WEIGHT_BOLD, "arial"};
    // No frame border: the switch's own default frame applies.
    const WIDGET_SELECTOR_SWITCH style{&frame, &disabled, nullptr, &font, &button};
    return QtObjPalette::compSelectorSwitchStyleSheet(style);
}

void ObjPalette::setSheet(QWidget* widget, const QString& sheet)
{
    if (widget != nullptr)
        widget->setStyleSheet(sheet);
}

void ObjPalette::setPushBtnColorToneStyle(QWidget* widget, const QString& selector, WG_COLOR_TONE_S tone)
{
    setSheet(widget, compPushButtonColorToneStyle(selector, tone, true, kThemeRadius));
}

void ObjPalette::setCornerTitleColorToneStyle(QWidget* widget, const QString& selector, WG_COLOR_TONE_S tone)
{
    setSheet(widget, compCornerShapeColorToneStyle(selector, tone, false, true));
}

void ObjPalette::setSelectorSwitchColorToneStyle(QWidget* widget, const QString& selector, WG_COLOR_TONE_S tone,
                                                 bool highlight)
{
    setSheet(widget, compSelectorSwitchColorToneStyle(selector, tone, highlight));
}
