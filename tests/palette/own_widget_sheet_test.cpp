// Sheets of the application's own widgets.
#include "palette/QtObjPalette.h"

#include "SheetProbe.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>

namespace {

using P = QtObjPalette;

// The switch as the selector switch builds it: a frame holding a button and a caption.
QWidget* makeSwitchFrame()
{
    auto* frame = new QFrame;
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(new QPushButton);
    layout->addWidget(new QLabel("OFF"));
    return frame;
}

QWidget* makeMenuItems()
{
    auto* menu = new QWidget;
    auto* layout = new QHBoxLayout(menu);
    for (const char* text : {"COM1", "COM2"}) {
        auto* item = new QPushButton(text);
        item->setCheckable(true);
        layout->addWidget(item);
    }
    return menu;
}

QWidget* makeAffixEdit()
{
    auto* edit = new QLineEdit("12");
    new QLabel("m", edit);
    return edit;
}

const SWidgetColor kWhiteBackground{kWgColorUnset, 0xffffff};
const SWidgetColor kDisabledBackground{kWgColorUnset, 0xececec};
const SWidgetColor kRoyalBlueBackground{kWgColorUnset, 0x4169e1};
const SWidgetBorderLine kGreyLine{1, WG_BORDER_EDGE_SOLID, 0xa9a9a9};
const SWidgetBorderRadius kRadius4{4};
const WIDGET_BORDER kFrameBorder{&kGreyLine, &kRadius4};
const WIDGET_FONT kTahoma14{14, WG_FONT_WEIGHT_NORMAL, "Tahoma"};
const WIDGET_SELECTOR_SWITCH kSwitchExample{&kWhiteBackground, &kDisabledBackground, &kFrameBorder, &kTahoma14,
                                            &kRoyalBlueBackground};

const SWidgetColor kUnset;
const WIDGET_BORDER kEmptyBorder;
const WIDGET_SELECTOR_SWITCH kSwitchUnset{&kUnset, &kUnset, &kEmptyBorder, nullptr, &kUnset};

// The switch's own off look, without a frame border.
const SWidgetColor kOffFrame{0x000000, 0xa9a9a9};
const SWidgetColor kOffDisabled{0x808080, 0xfffbf0};
const WIDGET_FONT kArialBold{0, WG_FONT_WEIGHT_BOLD, "arial"};
const SWidgetColor kOffKnob{0xffffff, 0x333333};
const WIDGET_SELECTOR_SWITCH kSwitchNoBorder{&kOffFrame, &kOffDisabled, nullptr, &kArialBold, &kOffKnob};

const SWidgetColor kHoverGrey{kWgColorUnset, 0x808080};
const SWidgetColor kSelectedBlue{kWgColorUnset, 0x1e90ff};

const SWidgetColor kBlackOnWhite{0x000000, 0xffffff};
const SWidgetGradientColor kWhiteToGainsboro{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0xdcdcdc}};
const SWidgetBorderRadius kRadius3{3};
const WIDGET_BORDER kButtonBorder{&kGreyLine, &kRadius3};
const SWidgetBorderLine kNoLine{0, WG_BORDER_EDGE_NONE};
const WIDGET_OUTLINE kNoOutline{&kNoLine};
const QString kArrow = ":/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png";

const SWidgetColor kWhiteOnBlue{0xffffff, 0x4169e1};
const SWidgetColor kGainsboroBackground{kWgColorUnset, 0xdcdcdc};
const SWidgetColor kMidnightBackground{kWgColorUnset, 0x191970};
const SWidgetBorderLine kZeroLine{0};

const SWidgetColor kYellowText{0xffff00};
const WIDGET_FONT kArialBlack20{20, WG_FONT_WEIGHT_BLACK, "arial"};
const SWidgetSides kPadding10{10, kWgLengthUnset, 10};

const SWidgetColor kDarkText{0x333333};
const WIDGET_FONT kBoldOnly{0, WG_FONT_WEIGHT_BOLD, ""};

const SWidgetColor kWhiteOnSlate{0xffffff, 0x483d8b};
const SWidgetBorderRadius kRadius5{5};
const WIDGET_BORDER kBarBorder{&kGreyLine, &kRadius5};
const SWidgetGradientColor kChunk{0, 0, 0, 1.0f, 2, {0.0f, 0.5f}, {0x4169e1, 0x191970}};

std::vector<SSheetCase> ownWidgetCases()
{
    const QString switchMargins = "margin-left:2px;margin-top:1px;margin-right:2px;margin-bottom:1px;";
    return {
        {"switch example", [] { return P::getSelectorSwitchStyleSheet(kSwitchExample); },
         "QFrame {background-color:#ffffff;border:1px solid #a9a9a9;border-radius:4px;}"
         "QFrame:disabled {background-color:#ececec;}"
         "QLabel {font-size:14px;font-weight:400;font-family:\"Tahoma\";border: none;}"
         "QPushButton {font-size:14px;font-weight:400;font-family:\"Tahoma\";background-color:#4169e1;"
         "border-radius:4px;" +
             switchMargins + "}",
         makeSwitchFrame},
        {"switch all unset", [] { return P::getSelectorSwitchStyleSheet(kSwitchUnset); },
         "QFrame {}QFrame:disabled {}QLabel {border: none;}QPushButton {" + switchMargins + "}", makeSwitchFrame},
        // A switch record without a frame border gets the switch's own default border.
        {"switch without frame border", [] { return P::getSelectorSwitchStyleSheet(kSwitchNoBorder); },
         "QFrame {color:#000000;background-color:#a9a9a9;border:1px solid #000000;border-radius:3px;}"
         "QFrame:disabled {color:#808080;background-color:#fffbf0;}"
         "QLabel {font-weight:700;font-family:\"arial\";border: none;}"
         "QPushButton {font-weight:700;font-family:\"arial\";color:#ffffff;background-color:#333333;"
         "border-radius:3px;" +
             switchMargins + "}",
         makeSwitchFrame},
        {"switch of null records", [] { return P::getSelectorSwitchStyleSheet(WIDGET_SELECTOR_SWITCH{}); },
         "QFrame {border:1px solid #000000;border-radius:3px;}QFrame:disabled {}QLabel {border: none;}"
         "QPushButton {border-radius:3px;" +
             switchMargins + "}",
         makeSwitchFrame},
        {"combo guide",
         [] {
             return P::getComboGuideStyleSheet(WIDGET_COMBO_SUIT{&kHoverGrey, &kSelectedBlue});
         },
         "QAbstractItemView {background-color: transparent;border: none;outline: none;show-decoration-selected: 1;}"
         "QAbstractItemView::item:hover {background-color:#808080;}"
         "QAbstractItemView::item:selected {background-color:#1e90ff;}"
         "QAbstractItemView::branch {border-image: none;image: none;}",
         makerOf<QTreeView>()},
        {"combo guide of null records", [] { return P::getComboGuideStyleSheet(WIDGET_COMBO_SUIT{}); },
         "QAbstractItemView {background-color: transparent;border: none;outline: none;show-decoration-selected: 1;}"
         "QAbstractItemView::item:hover {}QAbstractItemView::item:selected {}"
         "QAbstractItemView::branch {border-image: none;image: none;}",
         makerOf<QTreeView>()},
        {"drop menu button",
         [] {
             return P::getDropMenuBtnStyleSheet(
                 WIDGET_DROP_MENU_BTN{&kBlackOnWhite, &kWhiteToGainsboro, &kButtonBorder, &kNoOutline, kArrow});
         },
         "color:#000000;background-color:#ffffff;"
         "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #ffffff, stop:1.0 #dcdcdc);"
         "border:1px solid #a9a9a9;border-radius:3px;outline-width:0px;"
         "background-image: url(:/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png);"
         "background-position: center center;background-origin: content;background-repeat: none;"
         "padding-left:3px;",
         makerOf<QPushButton>()},
        {"drop menu button without image",
         [] {
             return P::getDropMenuBtnStyleSheet(
                 WIDGET_DROP_MENU_BTN{&kBlackOnWhite, nullptr, &kButtonBorder, nullptr, QString()});
         },
         "color:#000000;background-color:#ffffff;border:1px solid #a9a9a9;border-radius:3px;padding-left:3px;",
         makerOf<QPushButton>()},
        {"drop menu button of null records", [] { return P::getDropMenuBtnStyleSheet(WIDGET_DROP_MENU_BTN{}); },
         "padding-left:3px;", makerOf<QPushButton>()},
        {"drop menu items",
         [] {
             return P::getDropMenuItemStyleSheet(WIDGET_DROP_MENU_ITEM{
                 &kBlackOnWhite, &kWhiteOnBlue, &kGainsboroBackground, &kMidnightBackground, &kTahoma14, &kZeroLine});
         },
         "QPushButton {color:#000000;background-color:#ffffff;font-size:14px;font-weight:400;font-family:\"Tahoma\";"
         "border:0px;}"
         "QPushButton:checked {color:#ffffff;background-color:#4169e1;}"
         "QPushButton:hover {background-color:#dcdcdc;}"
         "QPushButton:hover:checked {background-color:#191970;}",
         makeMenuItems},
        {"drop menu items of null records", [] { return P::getDropMenuItemStyleSheet(WIDGET_DROP_MENU_ITEM{}); },
         "QPushButton {}QPushButton:checked {}QPushButton:hover {}QPushButton:hover:checked {}", makeMenuItems},
        {"glow label",
         [] {
             return P::getGlowLabelStyleSheet(WIDGET_GLOW_LABEL{&kYellowText, &kArialBlack20, &kPadding10});
         },
         "QLabel {color:#ffff00;font-size:20px;font-weight:900;font-family:\"arial\";"
         "padding-left:10px;padding-right:10px;}",
         makerOf<QLabel>()},
        {"glow label of null records", [] { return P::getGlowLabelStyleSheet(WIDGET_GLOW_LABEL{}); }, "QLabel {}",
         makerOf<QLabel>()},
        {"affix label",
         [] {
             return P::getAffixesLabelStyleSheet(WIDGET_AFFIXES_LABEL{&kDarkText, &kBoldOnly});
         },
         "QLabel {color:#333333;font-weight:700;}", makeAffixEdit},
        {"affix label of null records", [] { return P::getAffixesLabelStyleSheet(WIDGET_AFFIXES_LABEL{}); },
         "QLabel {}", makeAffixEdit},
        {"task bar",
         [] {
             return P::getTaskBarStyleSheet(WIDGET_TASK_BAR{&kWhiteOnSlate, &kBarBorder, WG_ALIGN_CENTER, &kChunk});
         },
         "QProgressBar {color:#ffffff;background-color:#483d8b;border:1px solid #a9a9a9;border-radius:5px;"
         "text-align:center;}"
         "QProgressBar::chunk {background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #4169e1, "
         "stop:0.5 #191970);}",
         makerOf<QProgressBar>()},
        {"task bar alignment outside table",
         [] {
             return P::getTaskBarStyleSheet(WIDGET_TASK_BAR{nullptr, nullptr, WG_ALIGNMENT_S(9), nullptr});
         },
         "QProgressBar {text-align:;}QProgressBar::chunk {}", makerOf<QProgressBar>()},
        {"task bar of null records", [] { return P::getTaskBarStyleSheet(WIDGET_TASK_BAR{}); },
         "QProgressBar {text-align:center;}QProgressBar::chunk {}", makerOf<QProgressBar>()},
    };
}

class OwnWidgetSheet : public ::testing::TestWithParam<SSheetCase>
{
};

TEST_P(OwnWidgetSheet, GivesExactTextThatQtParses)
{
    checkSheetCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(OwnWidgets, OwnWidgetSheet, ::testing::ValuesIn(ownWidgetCases()));

TEST(OwnWidgetSheet, GetterGivesWhatTheComposerBuilds)
{
    const WIDGET_DROP_MENU_BTN button{&kBlackOnWhite, &kWhiteToGainsboro, &kButtonBorder, &kNoOutline, kArrow};
    const WIDGET_DROP_MENU_ITEM item{&kBlackOnWhite,       &kWhiteOnBlue, &kGainsboroBackground,
                                     &kMidnightBackground, &kTahoma14,    &kZeroLine};
    const WIDGET_TASK_BAR bar{&kWhiteOnSlate, &kBarBorder, WG_ALIGN_CENTER, &kChunk};
    EXPECT_EQ(P::getSelectorSwitchStyleSheet(kSwitchExample), P::compSelectorSwitchStyleSheet(kSwitchExample));
    EXPECT_EQ(P::getComboGuideStyleSheet({&kHoverGrey, &kSelectedBlue}),
              P::compComboGuideStyleSheet({&kHoverGrey, &kSelectedBlue}));
    EXPECT_EQ(P::getDropMenuBtnStyleSheet(button), P::compDropMenuBtnStyleSheet(button));
    EXPECT_EQ(P::getDropMenuItemStyleSheet(item), P::compDropMenuItemStyleSheet(item));
    EXPECT_EQ(P::getGlowLabelStyleSheet({&kYellowText, &kArialBlack20, &kPadding10}),
              P::compGlowLabelStyleSheet({&kYellowText, &kArialBlack20, &kPadding10}));
    EXPECT_EQ(P::getAffixesLabelStyleSheet({&kDarkText, &kBoldOnly}),
              P::compAffixesLabelStyleSheet({&kDarkText, &kBoldOnly}));
    EXPECT_EQ(P::getTaskBarStyleSheet(bar), P::compTaskBarStyleSheet(bar));
}

} // namespace
