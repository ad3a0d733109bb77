// A panel of standard and own widgets styled by the composers, saved as a picture to look at.
#include "palette/QtObjPalette.h"

#include "GrabShot.h"
#include "SheetProbe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using P = QtObjPalette;

const SWidgetColor kBlackOnWhite{0x000000, 0xffffff};
const SWidgetColor kWhiteOnCharcoal{0xffffff, 0x282828};
const WIDGET_FONT kTahoma14{14, WG_FONT_WEIGHT_NORMAL, "Tahoma"};
const WIDGET_FONT kTahoma14Bold{14, WG_FONT_WEIGHT_BOLD, "Tahoma"};
const SWidgetGradientColor kWhiteToGrey{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0x808080}};
const SWidgetBorderLine kGreyLine{1, WG_BORDER_EDGE_SOLID, 0xa9a9a9};
const SWidgetBorderLine kCharcoalLine{1, WG_BORDER_EDGE_SOLID, 0x282828};
const SWidgetBorderRadius kRadius5{5};
const WIDGET_BORDER kGreyBorder{&kGreyLine, &kRadius5};
const WIDGET_BORDER kCharcoalBorder{&kCharcoalLine, &kRadius5};

// The selector switch's own "on" look.
const SWidgetColor kOnFrame{0x0000ff, 0xffffff};
const SWidgetColor kOnDisabled{0x808080, 0xfffbf0};
const SWidgetBorderLine kBlackLine{1, WG_BORDER_EDGE_SOLID, 0x000000};
const SWidgetBorderRadius kRadius3{3};
const WIDGET_BORDER kSwitchBorder{&kBlackLine, &kRadius3};
const WIDGET_FONT kArialBold{0, WG_FONT_WEIGHT_BOLD, "arial"};
const SWidgetColor kOnKnob{0xffffff, 0x1e90ff};

QString pageSheet()
{
    static const SWidgetColor spinColor{0x282828, 0xffffff, 0x282828, 0xffffff};
    static const SWidgetColor disabled{0x505050, 0xfffbf0};
    static const SWidgetColor hover{kWgColorUnset, 0x282828};
    static const SWidgetColor pressed{kWgColorUnset, 0x000000};
    static const WIDGET_SIZE button{20, 13};
    static const SWidgetColor selected{0xffffff, 0x6495ed};
    static const SWidgetGradientColor popup{0, 0, 0, 1, 2, {0, 1}, {0xc0c0c0, 0xffffff}};
    static const SWidgetSides padding{8};
    static const SWidgetColor checkColor{0x000000};
    static const SWidgetColor indicator{kWgColorUnset, 0xffffff};
    static const SWidgetBorderLine noLine{0, WG_BORDER_EDGE_NONE};
    static const WIDGET_OUTLINE noOutline{&noLine};
    static const SWidgetBorderSides pane{1, kWgLengthUnset, 1, 1, WG_BORDER_EDGE_SOLID, 0x808080};
    static const WIDGET_SIZE tabSize{110, 28};
    static const WIDGET_FONT tabFont{15, WG_FONT_WEIGHT_BLACK, "Tahoma"};
    static const SWidgetColor tabColor{0x000000, 0xc0c0c0};
    static const SWidgetBorderSides tabSides{1, 5, 1, kWgLengthUnset, WG_BORDER_EDGE_SOLID, 0x808080};
    static const SWidgetColor tabSelected{0x483d8b, 0xfffbf0};
    static const SWidgetBorderSides tabSelectedSides{kWgLengthUnset,       5,       kWgLengthUnset, kWgLengthUnset,
                                                     WG_BORDER_EDGE_SOLID, 0x483d8b};
    static const WIDGET_TAB tab{&tabSize, &tabFont, &tabColor, &tabSelected, &tabSides, &tabSelectedSides};
    static const SWidgetSides groupMargin{kWgLengthUnset, 6};
    static const WIDGET_SIZE grooveSize{kWgLengthUnset, 6};
    static const SWidgetSides grooveMargin{kWgLengthUnset, 2, kWgLengthUnset, 2};
    static const SWidgetGradientColor subPage{0, 0, 1, 0, 2, {0, 1}, {0x4169e1, 0x191970}};
    static const SWidgetColor addPage{kWgColorUnset, 0xffffff};
    static const WIDGET_SIZE handleSize{14, 14};
    static const SWidgetGradientColor handleGradient{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0xc0c0c0}};
    static const SWidgetSides handleMargin{kWgLengthUnset, -5, kWgLengthUnset, -5};
    static const SWidgetColor lineColor{kWgColorUnset, 0x191970};

    return P::compPushButtonStyleSheet("",
                                       WIDGET_PUSH_BTN{&kBlackOnWhite, &kWhiteOnCharcoal, &kWhiteOnCharcoal, &kTahoma14,
                                                       &kWhiteToGrey, &kGreyBorder, nullptr},
                                       false) +
           P::compSpinBoxStyleSheet("",
                                    WIDGET_SPIN_BOX{&spinColor, &disabled, &hover, &pressed, &kGreyBorder,
                                                    &kTahoma14Bold, &button, ":/SpinBox/Widget/SpinBox/A12Gray/Add.png",
                                                    ":/SpinBox/Widget/SpinBox/A12Gray/Sub.png"},
                                    false, false) +
           P::compComboBoxStyleSheet("",
                                     WIDGET_COMBO_BOX{30, 0x000000, &kBlackOnWhite, &selected, &disabled, &popup,
                                                      &kTahoma14Bold, &kCharcoalBorder, &padding,
                                                      ":/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png"},
                                     false) +
           P::compEditStyleSheet("",
                                 WIDGET_EDIT{&kBlackOnWhite, &disabled, &kTahoma14Bold, &kCharcoalBorder, &padding,
                                             ":/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png"},
                                 false, "QLineEdit") +
           P::compEditStyleSheet("",
                                 WIDGET_EDIT{&kBlackOnWhite, &disabled, &kTahoma14Bold, &kCharcoalBorder, &padding,
                                             ":/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png"},
                                 false, "QDateEdit") +
           P::compCheckBoxStyleSheet("",
                                     WIDGET_CHECK_BOX{&checkColor, &indicator, &indicator, &disabled, &kTahoma14,
                                                      &noOutline, ":/CheckBox/Widget/CheckBox/A20Gray/Checked.png",
                                                      ":/CheckBox/Widget/CheckBox/A20Gray/Unchecked.png"},
                                     false) +
           P::compTabWidgetStyleSheet("", WIDGET_TAB_WIDGET{&pane, &tab}, false) +
           P::compGroupBoxStyleSheet("", WIDGET_GROUP_BOX{&kBlackOnWhite, &kGreyBorder, &groupMargin}, false) +
           P::compSliderStyleSheet("",
                                   WIDGET_SLIDER{nullptr, &kRadius3, &grooveSize, &kGreyLine, &grooveMargin,
                                                 &grooveSize, &kGreyLine, &subPage, &addPage, &handleSize,
                                                 &kCharcoalLine, &handleGradient, &handleMargin},
                                   false) +
           P::compLineStyleSheet("", lineColor, false, WG_LINE_HORIZONTAL);
}

TEST(SheetPicture, StyledPanel)
{
    QWidget panel;
    panel.setObjectName("wgPanel");
    P::setWidgetBackground(&panel, QColor(0xf0f0f0), false);
    auto* grid = new QGridLayout(&panel);

    auto* switchFrame = new QFrame;
    auto* switchLayout = new QHBoxLayout(switchFrame);
    switchLayout->setContentsMargins(0, 0, 0, 0);
    switchLayout->setSpacing(0);
    auto* switchCaption = new QLabel("ON");
    switchCaption->setAlignment(Qt::AlignCenter);
    switchCaption->setContentsMargins(6, 0, 6, 0);
    auto* knob = new QPushButton;
    knob->setFixedWidth(18);
    switchLayout->addWidget(switchCaption);
    switchLayout->addWidget(knob);
    switchFrame->setFixedSize(70, 26);
    switchFrame->setStyleSheet(P::getSelectorSwitchStyleSheet(
        WIDGET_SELECTOR_SWITCH{&kOnFrame, &kOnDisabled, &kSwitchBorder, &kArialBold, &kOnKnob}));

    auto* bar = new QProgressBar;
    bar->setValue(60);
    static const SWidgetColor barColor{0xffffff, 0x483d8b};
    static const SWidgetGradientColor chunk{0, 0, 0, 1, 2, {0, 0.5f}, {0x4169e1, 0x191970}};
    bar->setStyleSheet(P::getTaskBarStyleSheet(WIDGET_TASK_BAR{&barColor, &kGreyBorder, WG_ALIGN_CENTER, &chunk}));

    auto* tabs = new QTabWidget;
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    auto* group = new QGroupBox("GPS");
    auto* groupLayout = new QVBoxLayout(group);
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setValue(40);
    groupLayout->addWidget(slider);
    pageLayout->addWidget(group);
    tabs->addTab(page, "Home");
    tabs->addTab(new QWidget, "GPS Status");

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    auto* check = new QCheckBox("ALR sentence");
    check->setChecked(true);
    auto* combo = new QComboBox;
    combo->addItems({"COM1", "COM2"});

    grid->addWidget(new QPushButton("Program Device"), 0, 0);
    grid->addWidget(switchFrame, 0, 1);
    grid->addWidget(new QSpinBox, 1, 0);
    grid->addWidget(combo, 1, 1);
    grid->addWidget(new QLineEdit("KELVORA"), 2, 0);
    grid->addWidget(new QDateEdit, 2, 1);
    grid->addWidget(check, 3, 0);
    grid->addWidget(bar, 3, 1);
    grid->addWidget(line, 4, 0, 1, 2);
    grid->addWidget(tabs, 5, 0, 1, 2);

    const QStringList messages = SheetProbe::capture([&] {
        panel.setStyleSheet(pageSheet());
        panel.resize(420, 380);
        panel.show();
        QApplication::processEvents();
    });
    EXPECT_FALSE(SheetProbe::refused(messages)) << messages.join('\n').toStdString();
    const QImage image = panel.grab().toImage();
    EXPECT_FALSE(TestSupport::saveShot(image, "palette_panel").isEmpty());

    // The knob of the switch is drawn in its own colour, the caption side in the frame's.
    const QPoint knobCentre = knob->mapTo(&panel, knob->rect().center());
    EXPECT_EQ(image.pixelColor(knobCentre), QColor(0x1e90ff));
}

} // namespace
