// Styling a page: every sheet a configuration page needs, composed in one go from records
// filled the way the theme layer fills them (white theme, named buttons and labels, switches,
// tab widget, table of other vessels).
#include "palette/QtObjPalette.h"

#include <benchmark/benchmark.h>

namespace {

using P = QtObjPalette;

constexpr int kNamedButtons = 8;
constexpr int kNamedLabels = 16;

const SWidgetColor kBlackOnWhite{0x000000, 0xffffff};
const SWidgetColor kWhiteOnCharcoal{0xffffff, 0x282828};
const SWidgetColor kDisabled{0x505050, 0xfffbf0};
const SWidgetColor kSelected{0xffffff, 0x6495ed};
const SWidgetColor kSpinColor{0x282828, 0xffffff, 0x282828, 0xffffff};
const SWidgetColor kHover{kWgColorUnset, 0x282828};
const SWidgetColor kPressed{kWgColorUnset, 0x000000};
const SWidgetColor kBlack{0x000000};
const SWidgetColor kIndicator{kWgColorUnset, 0xffffff};
const SWidgetColor kLine{kWgColorUnset, 0x191970};
const WIDGET_FONT kFont{14, WG_FONT_WEIGHT_NORMAL, "Tahoma"};
const WIDGET_FONT kBold{14, WG_FONT_WEIGHT_BOLD, "Tahoma"};
const SWidgetGradientColor kGradient{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0x808080}};
const SWidgetBorderLine kGreyLine{1, WG_BORDER_EDGE_SOLID, 0xa9a9a9};
const SWidgetBorderLine kNoLine{0, WG_BORDER_EDGE_NONE};
const SWidgetBorderRadius kRadius{5};
const WIDGET_BORDER kBorder{&kGreyLine, &kRadius};
const WIDGET_OUTLINE kNoOutline{&kNoLine};
const WIDGET_SIZE kButton{26, 26};
const SWidgetSides kPadding{8};
const QString kArrow = ":/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png";

const WIDGET_PUSH_BTN kPush{&kBlackOnWhite, &kWhiteOnCharcoal, &kWhiteOnCharcoal, &kFont, &kGradient, &kBorder,
                            nullptr};
const WIDGET_LABEL kLabel{&kBlack, &kFont};
const WIDGET_SPIN_BOX kSpin{&kSpinColor,
                            &kDisabled,
                            &kHover,
                            &kPressed,
                            &kBorder,
                            &kBold,
                            &kButton,
                            ":/SpinBox/Widget/SpinBox/A12Gray/Add.png",
                            ":/SpinBox/Widget/SpinBox/A12Gray/Sub.png"};
const WIDGET_COMBO_BOX kCombo{40,         0x000000, &kBlackOnWhite, &kSelected, &kDisabled,
                              &kGradient, &kBold,   &kBorder,       nullptr,    kArrow};
const WIDGET_EDIT kEdit{&kBlackOnWhite, &kDisabled, &kBold, &kBorder, &kPadding, kArrow};
const WIDGET_CHECK_BOX kCheck{&kBlack,
                              &kIndicator,
                              &kIndicator,
                              &kDisabled,
                              &kFont,
                              &kNoOutline,
                              ":/CheckBox/Widget/CheckBox/A20Gray/Checked.png",
                              ":/CheckBox/Widget/CheckBox/A20Gray/Unchecked.png"};
const WIDGET_RADIO_BUTTON kRadio{&kBlack, &kFont};
const SWidgetBorderSides kPane{1, kWgLengthUnset, 1, 1, WG_BORDER_EDGE_SOLID, 0x808080};
const SWidgetBorderSides kTabSides{1, 5, 1, kWgLengthUnset, WG_BORDER_EDGE_SOLID, 0x808080};
const WIDGET_SIZE kTabSize{120, 32};
const WIDGET_TAB kTab{&kTabSize, &kBold, &kBlackOnWhite, &kSelected, &kTabSides, &kTabSides};
const WIDGET_TAB_WIDGET kTabWidget{&kPane, &kTab};
const WIDGET_TABLE_VIEW kTable{&kBlackOnWhite, nullptr, &kBorder};
const WIDGET_SIZE kSection{kWgLengthUnset, 30};
const WIDGET_HEADER_VIEW kHeader{&kSection, &kWhiteOnCharcoal, ":/x/up.png", ":/x/down.png"};
const WIDGET_SELECTOR_SWITCH kSwitch{&kBlackOnWhite, &kDisabled, &kBorder, &kBold, &kWhiteOnCharcoal};

QString whiteTheme()
{
    return P::compSpinBoxStyleSheet("", kSpin, false, false) + P::compComboBoxStyleSheet("", kCombo, false) +
           P::compEditStyleSheet("", kEdit, false, "QLineEdit") + P::compEditStyleSheet("", kEdit, false, "QTextEdit") +
           P::compEditStyleSheet("", kEdit, false, "QDateEdit") + P::compEditStyleSheet("", kEdit, false, "QTimeEdit") +
           P::compCheckBoxStyleSheet("", kCheck, false) + P::compRadioBtnStyleSheet("", kRadio, false) +
           P::compPushButtonStyleSheet("", kPush, true) + P::compLabelStyleSheet("", kLabel, false) +
           P::compLineStyleSheet("", kLine, false, WG_LINE_HORIZONTAL);
}

void BM_WhiteThemeSheet(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(whiteTheme());
}
BENCHMARK(BM_WhiteThemeSheet)->Unit(benchmark::kMicrosecond);

// The whole page: the white theme plus every named element's own sheet.
void BM_PageSheets(benchmark::State& state)
{
    QStringList buttons;
    QStringList labels;
    for (int i = 0; i < kNamedButtons; ++i)
        buttons << QStringLiteral("btnCfgItem%1").arg(i);
    for (int i = 0; i < kNamedLabels; ++i)
        labels << QStringLiteral("lblCfgValue%1").arg(i);
    int sheets = 0;
    int characters = 0;
    for (auto _ : state) {
        QStringList page;
        page << whiteTheme();
        for (const QString& name : buttons)
            page << P::compPushButtonStyleSheet(name, kPush, true);
        for (const QString& name : labels)
            page << P::compLabelStyleSheet(name, kLabel, false);
        page << P::getSelectorSwitchStyleSheet(kSwitch) << P::getSelectorSwitchStyleSheet(kSwitch);
        page << P::compTabWidgetStyleSheet("tbwgMain", kTabWidget, false);
        page << P::compTableViewStyleSheet("tbvwOtherVessel", kTable, false) +
                    P::compHeaderViewStyleSheet("tbvwOtherVessel", kHeader, false);
        sheets = page.size();
        characters = 0;
        for (const QString& sheet : page)
            characters += sheet.size();
        benchmark::DoNotOptimize(page);
    }
    state.counters["sheets"] = sheets;
    state.counters["characters"] = characters;
}
BENCHMARK(BM_PageSheets)->Unit(benchmark::kMicrosecond);

// The smallest piece every sheet is made of.
void BM_ColourDeclarations(benchmark::State& state)
{
    const SWidgetColor full{0x000000, 0xffffff, 0x112233, 0x445566, 0xabcdef};
    for (auto _ : state)
        benchmark::DoNotOptimize(P::compColorStyle(&full, false));
}
BENCHMARK(BM_ColourDeclarations);

} // namespace
