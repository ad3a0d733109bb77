// Sheets of buttons, labels, check and radio boxes, button groups and separator lines.
#include "palette/QtObjPalette.h"

#include "SheetProbe.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

using P = QtObjPalette;

QWidget* makeButtonGroup()
{
    auto* group = new QWidget;
    auto* layout = new QHBoxLayout(group);
    for (const char* text : {"AP", "Client"}) {
        auto* button = new QPushButton(text);
        button->setCheckable(true);
        layout->addWidget(button);
    }
    return group;
}

QWidget* makeLine()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    return line;
}

const SWidgetColor kUnset;
const SWidgetColor kBlack{0x000000};
const SWidgetColor kBlackOnWhite{0x000000, 0xffffff};
const SWidgetColor kPressedBackground{kWgColorUnset, 0x282828};
const SWidgetColor kWhiteOnCharcoal{0xffffff, 0x282828};
const SWidgetColor kWhiteOnSlate{0xffffff, 0x483d8b};
const SWidgetColor kWhiteBackground{kWgColorUnset, 0xffffff};
const SWidgetColor kCornsilkBackground{kWgColorUnset, 0xfffbf0};
const SWidgetColor kSlateOnLinen{0x483d8b, 0xececec};
const SWidgetColor kGreyText{0x808080};
const SWidgetColor kMidnightBackground{kWgColorUnset, 0x191970};

const WIDGET_FONT kBold14{14, WG_FONT_WEIGHT_BOLD, ""};
const WIDGET_FONT kTahoma14{14, WG_FONT_WEIGHT_NORMAL, "Tahoma"};
const WIDGET_FONT kTahoma14Bold{14, WG_FONT_WEIGHT_BOLD, "Tahoma"};
const WIDGET_FONT kTahoma16{16, WG_FONT_WEIGHT_NORMAL, "Tahoma"};

const SWidgetGradientColor kWhiteToGrey{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0x808080}};
const SWidgetGradientColor kWhiteToSilver{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0xc0c0c0}};

const SWidgetBorderLine kGreyLine{1, WG_BORDER_EDGE_SOLID, 0xa9a9a9};
const SWidgetBorderLine kSlateLine{2, WG_BORDER_EDGE_SOLID, 0x483d8b};
const SWidgetBorderLine kRedDashed{3, WG_BORDER_EDGE_DASHED, 0xff0000};
const SWidgetBorderLine kNoLine{0, WG_BORDER_EDGE_NONE};
const SWidgetBorderRadius kRadius3{3};
const SWidgetBorderRadius kRadius4{4};
const SWidgetBorderRadius kRadius5{5};
const WIDGET_BORDER kBorder3{&kGreyLine, &kRadius3};
const WIDGET_BORDER kBorder4{&kGreyLine, &kRadius4};
const WIDGET_BORDER kBorder5{&kGreyLine, &kRadius5};
const WIDGET_BORDER kSlateBorder{&kSlateLine, nullptr};
const WIDGET_OUTLINE kRedOutline{&kRedDashed};
const WIDGET_OUTLINE kNoOutline{&kNoLine};

const QString kChecked = ":/CheckBox/Widget/CheckBox/A20Gray/Checked.png";
const QString kUnchecked = ":/CheckBox/Widget/CheckBox/A20Gray/Unchecked.png";

// The example of the push button: no gradient, no checked colours.
const WIDGET_PUSH_BTN kPushExample{&kBlackOnWhite, &kPressedBackground, nullptr, &kBold14, nullptr, &kBorder4, nullptr};
const WIDGET_PUSH_BTN kPushFull{&kBlackOnWhite, &kWhiteOnCharcoal, &kWhiteOnCharcoal, &kTahoma14,
                                &kWhiteToGrey,  &kBorder5,         &kRedOutline};
const WIDGET_TOOL_BTN kToolFull{&kBlackOnWhite, &kWhiteToSilver, &kSlateOnLinen, &kBorder3, ":/x/tool.png"};
const WIDGET_TOOL_BTN kToolStateUnset{nullptr, nullptr, &kUnset, nullptr, QString()};
const WIDGET_CHECK_BOX kCheckFull{&kBlack,    &kWhiteBackground, &kWhiteBackground, &kCornsilkBackground,
                                  &kTahoma14, &kNoOutline,       kChecked,          kUnchecked};
const WIDGET_GROUP_BTN kGroupFull{&kBlackOnWhite, &kWhiteOnSlate, &kWhiteToSilver, &kBorder3,
                                  &kSlateBorder,  &kTahoma14,     &kTahoma14Bold,  WG_ALIGN_CENTER};

const QString kPushExampleBody = "color:#000000;background-color:#ffffff;font-size:14px;font-weight:700;"
                                 "border:1px solid #a9a9a9;border-radius:4px;outline-width:0px;";

std::vector<SSheetCase> buttonCases()
{
    return {
        {"push example", [] { return P::compPushButtonStyleSheet("", kPushExample, false); },
         "QPushButton {" + kPushExampleBody + "}QPushButton:pressed {background-color:#282828;}QPushButton:checked {}",
         makerOf<QPushButton>()},
        {"push named", [] { return P::compPushButtonStyleSheet("btnCfgProgramDev", kPushExample, false); },
         "QPushButton#btnCfgProgramDev {" + kPushExampleBody +
             "}QPushButton#btnCfgProgramDev:pressed {background-color:#282828;}"
             "QPushButton#btnCfgProgramDev:checked {}",
         makerOf<QPushButton>(), "btnCfgProgramDev"},
        {"push named descendant", [] { return P::compPushButtonStyleSheet("btnCfgProgramDev", kPushExample, true); },
         "#btnCfgProgramDev QPushButton {" + kPushExampleBody +
             "}#btnCfgProgramDev QPushButton:pressed {background-color:#282828;}"
             "#btnCfgProgramDev QPushButton:checked {}",
         makerOf<QPushButton>(), "btnCfgProgramDev", true},
        // The record's own outline is not read: the focus outline is always width 0, last.
        {"push full", [] { return P::compPushButtonStyleSheet("", kPushFull, false); },
         "QPushButton {color:#000000;background-color:#ffffff;"
         "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #ffffff, stop:1.0 #808080);"
         "font-size:14px;font-weight:400;font-family:\"Tahoma\";border:1px solid #a9a9a9;border-radius:5px;"
         "outline-width:0px;}"
         "QPushButton:pressed {color:#ffffff;background-color:#282828;}"
         "QPushButton:checked {color:#ffffff;background-color:#282828;}",
         makerOf<QPushButton>()},
        {"push of null records", [] { return P::compPushButtonStyleSheet("", WIDGET_PUSH_BTN{}, false); },
         "QPushButton {outline-width:0px;}QPushButton:pressed {}QPushButton:checked {}", makerOf<QPushButton>()},
        {"label named",
         [] {
             return P::compLabelStyleSheet("lblMmsi", WIDGET_LABEL{&kBlack, &kTahoma14}, false);
         },
         "QLabel#lblMmsi {color:#000000;font-size:14px;font-weight:400;font-family:\"Tahoma\";}", makerOf<QLabel>(),
         "lblMmsi"},
        {"label named descendant",
         [] {
             return P::compLabelStyleSheet("lblMmsi", WIDGET_LABEL{&kBlack, nullptr}, true);
         },
         "#lblMmsi QLabel {color:#000000;}", makerOf<QLabel>(), "lblMmsi", true},
        {"label of null records", [] { return P::compLabelStyleSheet("", WIDGET_LABEL{}, false); }, "QLabel {}",
         makerOf<QLabel>()},
        {"radio button",
         [] {
             return P::compRadioBtnStyleSheet("", WIDGET_RADIO_BUTTON{&kBlack, &kTahoma16}, false);
         },
         "QRadioButton {color:#000000;font-size:16px;font-weight:400;font-family:\"Tahoma\";}",
         makerOf<QRadioButton>()},
        {"radio button of null records", [] { return P::compRadioBtnStyleSheet("", WIDGET_RADIO_BUTTON{}, false); },
         "QRadioButton {}", makerOf<QRadioButton>()},
        {"tool button full", [] { return P::compToolButtonStyleSheet("", kToolFull, false); },
         "QToolButton {color:#000000;background-color:#ffffff;"
         "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #ffffff, stop:1.0 #c0c0c0);"
         "border:1px solid #a9a9a9;border-radius:3px;"
         "background-image: url(:/x/tool.png);background-position: center center;background-origin: content;"
         "background-repeat: none;}"
         "QToolButton:pressed {padding-top:1px;}"
         "QToolButton:checked {border:1px solid #483d8b;border-radius:0px;}"
         "QToolButton:disabled {background-color:#ececec;}",
         makerOf<QToolButton>()},
        {"tool button state colours unset",
         [] { return P::compToolButtonStyleSheet("tbtnHelp", kToolStateUnset, true); },
         "#tbtnHelp QToolButton {}#tbtnHelp QToolButton:pressed {padding-top:1px;}"
         "#tbtnHelp QToolButton:checked {border:1px;border-radius:0px;}#tbtnHelp QToolButton:disabled {}",
         makerOf<QToolButton>(), "tbtnHelp", true},
        // A null state record reads as one with both colours unset.
        {"tool button without state record", [] { return P::compToolButtonStyleSheet("", WIDGET_TOOL_BTN{}, false); },
         "QToolButton {}QToolButton:pressed {padding-top:1px;}QToolButton:checked {border:1px;border-radius:0px;}"
         "QToolButton:disabled {}",
         makerOf<QToolButton>()},
        {"check box full", [] { return P::compCheckBoxStyleSheet("", kCheckFull, false); },
         "QCheckBox {color:#000000;font-size:14px;font-weight:400;font-family:\"Tahoma\";outline-width:0px;}"
         "QCheckBox::indicator:checked {background-color:#ffffff;"
         "image: url(:/CheckBox/Widget/CheckBox/A20Gray/Checked.png);}"
         "QCheckBox::indicator:unchecked {background-color:#ffffff;"
         "image: url(:/CheckBox/Widget/CheckBox/A20Gray/Unchecked.png);}"
         "QCheckBox::indicator:disabled {background-color:#fffbf0;}",
         makerOf<QCheckBox>()},
        {"check box named, null records", [] { return P::compCheckBoxStyleSheet("chkAlr", WIDGET_CHECK_BOX{}, false); },
         "QCheckBox#chkAlr {}QCheckBox#chkAlr::indicator:checked {image: url();}"
         "QCheckBox#chkAlr::indicator:unchecked {image: url();}QCheckBox#chkAlr::indicator:disabled {}",
         makerOf<QCheckBox>(), "chkAlr"},
        // The alignment goes in the checked rule only.
        {"button group full", [] { return P::compGroupButtonStyleSheet(kGroupFull); },
         "QAbstractButton {color:#000000;background-color:#ffffff;"
         "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #ffffff, stop:1.0 #c0c0c0);"
         "border:1px solid #a9a9a9;border-radius:3px;font-size:14px;font-weight:400;font-family:\"Tahoma\";}"
         "QAbstractButton:checked {color:#ffffff;background-color:#483d8b;border:2px solid #483d8b;"
         "font-size:14px;font-weight:700;font-family:\"Tahoma\";text-align:center;}",
         makeButtonGroup},
        {"button group of null records",
         [] {
             WIDGET_GROUP_BTN group;
             group.checkedAlign = WG_ALIGN_LEFT;
             return P::compGroupButtonStyleSheet(group);
         },
         "QAbstractButton {}QAbstractButton:checked {text-align:left;}", makeButtonGroup},
        // Each frame-shape attribute ends with a blank, so two stand before the brace.
        {"line horizontal", [] { return P::compLineStyleSheet("", kGreyText, false, WG_LINE_HORIZONTAL); },
         "QFrame[frameShape=\"4\"]  {color:#808080;}", makeLine},
        {"line vertical", [] { return P::compLineStyleSheet("", kMidnightBackground, false, WG_LINE_VERTICAL); },
         "QFrame[frameShape=\"5\"]  {background-color:#191970;}", makeLine},
        {"line of another direction",
         [] { return P::compLineStyleSheet("", kGreyText, false, WG_LINE_DIRECTION_S(2)); }, "QFrame {color:#808080;}",
         makeLine},
        {"line named", [] { return P::compLineStyleSheet("lnTop", kGreyText, false, WG_LINE_HORIZONTAL); },
         "QFrame#lnTop[frameShape=\"4\"]  {color:#808080;}", makeLine, "lnTop"},
        {"line named descendant", [] { return P::compLineStyleSheet("lnTop", kGreyText, true, WG_LINE_HORIZONTAL); },
         "#lnTop QFrame[frameShape=\"4\"]  {color:#808080;}", makeLine, "lnTop", true},
        {"line unset colours", [] { return P::compLineStyleSheet("", kUnset, false, WG_LINE_HORIZONTAL); },
         "QFrame[frameShape=\"4\"]  {}", makeLine},
    };
}

class ButtonSheet : public ::testing::TestWithParam<SSheetCase>
{
};

TEST_P(ButtonSheet, GivesExactTextThatQtParses)
{
    checkSheetCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonSheet, ::testing::ValuesIn(buttonCases()));

// The line rule reaches a horizontal line and leaves other frames alone.
TEST(ButtonSheet, LineRuleMatchesHorizontalLinesOnly)
{
    QWidget holder;
    auto* line = new QFrame(&holder);
    line->setFrameShape(QFrame::HLine);
    auto* box = new QFrame(&holder);
    box->setFrameShape(QFrame::Box);
    holder.setStyleSheet(P::compLineStyleSheet("", kGreyText, false, WG_LINE_HORIZONTAL));
    line->ensurePolished();
    box->ensurePolished();
    EXPECT_EQ(line->palette().color(QPalette::WindowText), QColor(0x808080));
    EXPECT_NE(box->palette().color(QPalette::WindowText), QColor(0x808080));
}

} // namespace
