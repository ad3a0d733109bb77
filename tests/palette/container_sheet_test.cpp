// Sheets of tab widgets, group boxes and horizontal sliders.
#include "palette/QtObjPalette.h"

#include "SheetProbe.h"

#include <QGroupBox>
#include <QSlider>
#include <QTabWidget>

namespace {

using P = QtObjPalette;

QWidget* makeTabs()
{
    auto* tabs = new QTabWidget;
    tabs->addTab(new QWidget, "Home");
    tabs->addTab(new QWidget, "GPS Status");
    return tabs;
}

QWidget* makeGroupBox()
{
    return new QGroupBox("GPS");
}

QWidget* makeSlider()
{
    return new QSlider(Qt::Horizontal);
}

// The theme's tab widget.
const SWidgetBorderSides kPaneSides{1, kWgLengthUnset, 1, 1, WG_BORDER_EDGE_SOLID, 0x808080};
const WIDGET_SIZE kTabSize{120, 32};
const WIDGET_FONT kTabFont{15, WG_FONT_WEIGHT_BLACK, "Tahoma"};
const SWidgetColor kTabColor{0x000000, 0xc0c0c0};
const SWidgetBorderSides kTabSides{1, 5, 1, kWgLengthUnset, WG_BORDER_EDGE_SOLID, 0x808080};
const SWidgetColor kSelectedColor{0x483d8b, 0xfffbf0};
const SWidgetBorderSides kSelectedSides{kWgLengthUnset,       5,       kWgLengthUnset, kWgLengthUnset,
                                        WG_BORDER_EDGE_SOLID, 0x483d8b};
const WIDGET_TAB kTab{&kTabSize, &kTabFont, &kTabColor, &kSelectedColor, &kTabSides, &kSelectedSides};
const WIDGET_TAB kEmptyTab;

const SWidgetColor kBlackOnWhite{0x000000, 0xffffff};
const SWidgetBorderLine kGreyLine{1, WG_BORDER_EDGE_SOLID, 0x808080};
const SWidgetBorderRadius kRadius5{5};
const WIDGET_BORDER kGroupBorder{&kGreyLine, &kRadius5};
const SWidgetSides kMarginTop10{kWgLengthUnset, 10};

const WIDGET_SIZE kSliderSize{kWgLengthUnset, 20};
const SWidgetBorderRadius kRadius4{4};
const WIDGET_SIZE kGrooveSize{kWgLengthUnset, 8};
const SWidgetBorderLine kGrooveLine{1, WG_BORDER_EDGE_SOLID, 0xa9a9a9};
const SWidgetSides kGrooveMargin{kWgLengthUnset, 2, kWgLengthUnset, 2};
const SWidgetGradientColor kSubPage{0, 0, 1, 0, 2, {0, 1}, {0x4169e1, 0x191970}};
const SWidgetColor kWhiteBackground{kWgColorUnset, 0xffffff};
const WIDGET_SIZE kHandleSize{16, 16};
const SWidgetBorderLine kHandleLine{1, WG_BORDER_EDGE_SOLID, 0x282828};
const SWidgetGradientColor kHandleGradient{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0xc0c0c0}};
const SWidgetSides kHandleMargin{kWgLengthUnset, -4, kWgLengthUnset, -4};
const WIDGET_SLIDER kSlider{&kSliderSize, &kRadius4,        &kGrooveSize,  &kGrooveLine,      &kGrooveMargin,
                            &kGrooveSize, &kGreyLine,       &kSubPage,     &kWhiteBackground, &kHandleSize,
                            &kHandleLine, &kHandleGradient, &kHandleMargin};

const QString kPaneBody =
    "border-left:1px solid #808080;border-right:1px solid #808080;border-bottom:1px solid #808080;";
const QString kTabBody = "width:120px;height:32px;font-size:15px;font-weight:900;font-family:\"Tahoma\";"
                         "color:#000000;background-color:#c0c0c0;"
                         "border-left:1px solid #808080;border-top:5px solid #808080;border-right:1px solid #808080;";
const QString kSelectedBody = "color:#483d8b;background-color:#fffbf0;border-top:5px solid #483d8b;";
const QString kGroupBody =
    "color:#000000;background-color:#ffffff;border:1px solid #808080;border-radius:5px;margin-top:10px;";

std::vector<SSheetCase> containerCases()
{
    return {
        {"tab widget",
         [] {
             return P::compTabWidgetStyleSheet("", WIDGET_TAB_WIDGET{&kPaneSides, &kTab}, false);
         },
         "QTabWidget::pane {" + kPaneBody + "}QTabBar::tab {" + kTabBody + "}QTabBar::tab:selected {" + kSelectedBody +
             "}",
         makeTabs},
        {"tab widget named",
         [] {
             return P::compTabWidgetStyleSheet("tbwgMain", WIDGET_TAB_WIDGET{&kPaneSides, &kTab}, false);
         },
         "QTabWidget#tbwgMain::pane {" + kPaneBody + "}QTabBar#tbwgMain::tab {" + kTabBody +
             "}QTabBar#tbwgMain::tab:selected {" + kSelectedBody + "}",
         makeTabs, "tbwgMain"},
        {"tab widget named descendant",
         [] {
             return P::compTabWidgetStyleSheet("tbwgMain", WIDGET_TAB_WIDGET{&kPaneSides, &kTab}, true);
         },
         "#tbwgMain QTabWidget::pane {" + kPaneBody + "}#tbwgMain QTabBar::tab {" + kTabBody +
             "}#tbwgMain QTabBar::tab:selected {" + kSelectedBody + "}",
         makeTabs, "tbwgMain", true},
        {"tab widget without pane borders",
         [] {
             return P::compTabWidgetStyleSheet("", WIDGET_TAB_WIDGET{nullptr, &kEmptyTab}, false);
         },
         "QTabWidget::pane {}QTabBar::tab {}QTabBar::tab:selected {}", makeTabs},
        // A null tab record leaves both tab rules empty.
        {"tab widget without tab record",
         [] {
             return P::compTabWidgetStyleSheet("", WIDGET_TAB_WIDGET{&kPaneSides, nullptr}, false);
         },
         "QTabWidget::pane {" + kPaneBody + "}QTabBar::tab {}QTabBar::tab:selected {}", makeTabs},
        {"group box, title repeats the box",
         [] {
             return P::compGroupBoxStyleSheet("", WIDGET_GROUP_BOX{&kBlackOnWhite, &kGroupBorder, &kMarginTop10},
                                              false);
         },
         "QGroupBox {" + kGroupBody + "}QGroupBox::title {" + kGroupBody + "}", makeGroupBox},
        {"group box named",
         [] {
             return P::compGroupBoxStyleSheet("grpbxGps",
                                              WIDGET_GROUP_BOX{&kBlackOnWhite, &kGroupBorder, &kMarginTop10}, false);
         },
         "QGroupBox#grpbxGps {" + kGroupBody + "}QGroupBox#grpbxGps::title {" + kGroupBody + "}", makeGroupBox,
         "grpbxGps"},
        {"group box of null records", [] { return P::compGroupBoxStyleSheet("", WIDGET_GROUP_BOX{}, false); },
         "QGroupBox {}QGroupBox::title {}", makeGroupBox},
        // The pages share one size, border and the common corners; only the sub-page has a
        // gradient and only the add-page colours.
        {"slider", [] { return P::compSliderStyleSheet("", kSlider, false); },
         "QSlider {height:20px;}"
         "QSlider::groove:horizontal {height:8px;border:1px solid #a9a9a9;border-radius:4px;margin-top:2px;"
         "margin-bottom:2px;}"
         "QSlider::sub-page:horizontal {height:8px;border:1px solid #808080;border-radius:4px;"
         "background: qlineargradient(x1:0.0, y1:0.0, x2:1.0, y2:0.0, stop:0.0 #4169e1, stop:1.0 #191970);}"
         "QSlider::add-page:horizontal {height:8px;background-color:#ffffff;border:1px solid #808080;"
         "border-radius:4px;}"
         "QSlider::handle:horizontal {width:16px;height:16px;border:1px solid #282828;border-radius:4px;"
         "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #ffffff, stop:1.0 #c0c0c0);"
         "margin-top:-4px;margin-bottom:-4px;}",
         makeSlider},
        {"slider of null records", [] { return P::compSliderStyleSheet("", WIDGET_SLIDER{}, false); },
         "QSlider {}QSlider::groove:horizontal {}QSlider::sub-page:horizontal {}QSlider::add-page:horizontal {}"
         "QSlider::handle:horizontal {}",
         makeSlider},
        {"slider named descendant", [] { return P::compSliderStyleSheet("sldrLevel", WIDGET_SLIDER{}, true); },
         "#sldrLevel QSlider {}#sldrLevel QSlider::groove:horizontal {}#sldrLevel QSlider::sub-page:horizontal {}"
         "#sldrLevel QSlider::add-page:horizontal {}#sldrLevel QSlider::handle:horizontal {}",
         makeSlider, "sldrLevel", true},
    };
}

class ContainerSheet : public ::testing::TestWithParam<SSheetCase>
{
};

TEST_P(ContainerSheet, GivesExactTextThatQtParses)
{
    checkSheetCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Containers, ContainerSheet, ::testing::ValuesIn(containerCases()));

} // namespace
