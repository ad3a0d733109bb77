// Colour-tone composers: the exact sheet of every composer for tones 0 to 6 and one
// outside, each set on a widget of its kind with Qt's warnings captured.
#include "theme/ObjPalette.h"
#include "palette/QtObjPalette.h"

#include "SheetProbe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <map>

namespace {

using P = ObjPalette;

// With the start-up font (Tahoma, 14, zoom 1.0): step 3 is 14 px, step 4 16 px.
const QString kLabelDefault = QStringLiteral(R"css(QLabel {color:#000000;font-size:14px;font-weight:400;font-family:"Tahoma";})css");
const QString kLabelTone1 = QStringLiteral(R"css(QLabel {color:#ffffff;font-size:14px;font-weight:400;font-family:"Tahoma";})css");
const QString kLabelTone3 = QStringLiteral(R"css(QLabel {color:#333333;font-size:14px;font-weight:400;font-family:"Tahoma";})css");
const QString kPushButtonDefault = QStringLiteral(R"css(QPushButton {color:#000000;background-color:#ffffff;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #ffffff, stop:1.0 #808080);font-size:14px;font-weight:400;font-family:"Tahoma";border:1px solid #a9a9a9;border-radius:5px;outline-width:0px;}QPushButton:pressed {color:#ffffff;background-color:#282828;}QPushButton:checked {color:#ffffff;background-color:#282828;}QPushButton:disabled {color:#808080;background-color:#ececec;})css");
const QString kPushButtonTone1 = QStringLiteral(R"css(QPushButton {color:#ffffff;background-color:#808080;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #808080, stop:1.0 #808080);font-size:14px;font-weight:400;font-family:"Tahoma";border:1px solid #a9a9a9;border-radius:5px;outline-width:0px;}QPushButton:pressed {color:#ffffff;background-color:#282828;}QPushButton:checked {color:#ffffff;background-color:#282828;}QPushButton:disabled {color:#808080;background-color:#ececec;})css");
const QString kPushButtonTone4 = QStringLiteral(R"css(QPushButton {color:#000000;background-color:#fffbf0;font-size:14px;font-weight:400;font-family:"Tahoma";border:1px solid #a9a9a9;border-radius:5px;outline-width:0px;}QPushButton:pressed {color:#ffffff;background-color:#282828;}QPushButton:checked {color:#ffffff;background-color:#282828;}QPushButton:disabled {color:#808080;background-color:#ececec;})css");
const QString kPushButtonTone5 = QStringLiteral(R"css(QPushButton {color:#ffffff;background-color:#4169e1;font-size:14px;font-weight:400;font-family:"Tahoma";border:1px solid #a6caf0;border-radius:5px;outline-width:0px;}QPushButton:pressed {color:#ffffff;background-color:#282828;}QPushButton:checked {color:#ffffff;background-color:#282828;}QPushButton:disabled {color:#808080;background-color:#ececec;})css");
const QString kPushButtonTone6 = QStringLiteral(R"css(QPushButton {color:#ffffff;background-color:#191970;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #1e90ff, stop:1.0 #191970);font-size:14px;font-weight:400;font-family:"Tahoma";border:1px solid #a9a9a9;border-radius:5px;outline-width:0px;}QPushButton:pressed {color:#ffffff;background-color:#1e90ff;}QPushButton:checked {color:#ffffff;background-color:#0000ff;}QPushButton:disabled {color:#808080;background-color:#ececec;})css");
const QString kSpinBoxDefault = QStringLiteral(R"css(QAbstractSpinBox {color:#282828;background-color:#ffffff;selection-color:#282828;selection-background-color:#ffffff;border:1px solid #a9a9a9;border-radius:5px;padding-left:5px;padding-right:5px;font-size:14px;font-weight:700;font-family:"Tahoma";}QAbstractSpinBox:enabled {color:#282828;background-color:#ffffff;selection-color:#282828;selection-background-color:#ffffff;}QAbstractSpinBox:disabled {color:#505050;background-color:#282828;}QAbstractSpinBox::up-button:hover {background-color:#282828;}QAbstractSpinBox::down-button:hover {background-color:#282828;}QAbstractSpinBox::up-button:pressed {background-color:#000000;}QAbstractSpinBox::down-button:pressed {background-color:#000000;}QAbstractSpinBox::up-button {border:1px solid #a9a9a9;border-radius:5px;width:26px;height:26px;image: url(:/SpinBox/Widget/SpinBox/A12Gray/Add.png);subcontrol-position: right;}QAbstractSpinBox::down-button {border:1px solid #a9a9a9;border-radius:5px;width:26px;height:26px;image: url(:/SpinBox/Widget/SpinBox/A12Gray/Sub.png);subcontrol-position: left;})css");
const QString kSpinBoxTone3 = QStringLiteral(R"css(QAbstractSpinBox {color:#000000;background-color:#ffffff;selection-color:#000000;selection-background-color:#ffffff;border:1px solid #a9a9a9;border-radius:5px;padding-left:5px;padding-right:5px;font-size:14px;font-weight:700;font-family:"Tahoma";}QAbstractSpinBox:enabled {color:#000000;background-color:#ffffff;selection-color:#000000;selection-background-color:#ffffff;}QAbstractSpinBox:disabled {color:#505050;background-color:#282828;}QAbstractSpinBox::up-button:hover {background-color:#ffffff;}QAbstractSpinBox::down-button:hover {background-color:#ffffff;}QAbstractSpinBox::up-button:pressed {background-color:#808080;}QAbstractSpinBox::down-button:pressed {background-color:#808080;}QAbstractSpinBox::up-button {border:1px solid #a9a9a9;border-radius:5px;width:26px;height:26px;image: url(:/SpinBox/Widget/SpinBox/A12Gray/Add.png);subcontrol-position: right;}QAbstractSpinBox::down-button {border:1px solid #a9a9a9;border-radius:5px;width:26px;height:26px;image: url(:/SpinBox/Widget/SpinBox/A12Gray/Sub.png);subcontrol-position: left;})css");
const QString kComboBoxDefault = QStringLiteral(R"css(QComboBox {color:#000000;background-color:#ffffff;border:1px solid #282828;border-radius:5px;font-size:14px;font-weight:700;font-family:"Tahoma";}QComboBox:enabled {color:#000000;background-color:#ffffff;}QComboBox:disabled {color:#505050;background-color:#fffbf0;}QComboBox::down-arrow:enabled {right:3px;image: url(:/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png);}QComboBox::down-arrow:on {top:1px;}QComboBox::drop-down {border: none;}QComboBox QAbstractItemView {background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #c0c0c0, stop:1.0 #ffffff);border:1px solid #282828;border-radius:5px;}QComboBox QAbstractItemView::item {color:#000000;border-radius:5px;min-height:40px}QComboBox QAbstractItemView::item:selected {color:#ffffff;background-color:#6495ed;})css");
const QString kComboBoxTone1 = QStringLiteral(R"css(QComboBox {color:#ffffff;background-color:#282828;border:1px solid #a9a9a9;border-radius:5px;font-size:14px;font-weight:700;font-family:"Tahoma";}QComboBox:enabled {color:#ffffff;background-color:#282828;}QComboBox:disabled {color:#505050;background-color:#fffbf0;}QComboBox::down-arrow:enabled {right:3px;image: url(:/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png);}QComboBox::down-arrow:on {top:1px;}QComboBox::drop-down {border: none;}QComboBox QAbstractItemView {background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #696969, stop:1.0 #333333);border:1px solid #a9a9a9;border-radius:5px;}QComboBox QAbstractItemView::item {color:#ffffff;border-radius:5px;min-height:40px}QComboBox QAbstractItemView::item:selected {color:#ffffff;background-color:#6495ed;})css");
const QString kComboBoxTone4 = QStringLiteral(R"css(QComboBox {color:#000000;background-color:#fffbf0;border:1px solid #282828;border-radius:5px;font-size:14px;font-weight:700;font-family:"Tahoma";}QComboBox:enabled {color:#000000;background-color:#fffbf0;}QComboBox:disabled {color:#505050;background-color:#fffbf0;}QComboBox::down-arrow:enabled {right:3px;image: url(:/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png);}QComboBox::down-arrow:on {top:1px;}QComboBox::drop-down {border: none;}QComboBox QAbstractItemView {background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #c0c0c0, stop:1.0 #ffffff);border:1px solid #282828;border-radius:5px;}QComboBox QAbstractItemView::item {color:#000000;border-radius:5px;min-height:40px}QComboBox QAbstractItemView::item:selected {color:#ffffff;background-color:#6495ed;})css");
const QString kCheckBoxDefault = QStringLiteral(R"css(QCheckBox {color:#000000;font-size:14px;font-weight:400;font-family:"Tahoma";outline-width:0px;}QCheckBox::indicator:checked {background-color:#ffffff;image: url(:/CheckBox/Widget/CheckBox/A20Gray/Checked.png);}QCheckBox::indicator:unchecked {background-color:#ffffff;image: url(:/CheckBox/Widget/CheckBox/A20Gray/Unchecked.png);}QCheckBox::indicator:disabled {background-color:#fffbf0;})css");
const QString kCheckBoxTone1 = QStringLiteral(R"css(QCheckBox {color:#ffffff;font-size:14px;font-weight:400;font-family:"Tahoma";outline-width:0px;}QCheckBox::indicator:checked {background-color:#ffffff;image: url(:/CheckBox/Widget/CheckBox/A20Gray/Checked.png);}QCheckBox::indicator:unchecked {background-color:#ffffff;image: url(:/CheckBox/Widget/CheckBox/A20Gray/Unchecked.png);}QCheckBox::indicator:disabled {background-color:#505050;})css");
const QString kLineDefault = QStringLiteral(R"css(QFrame[frameShape="5"]  {})css");
const QString kLineTone3 = QStringLiteral(R"css(QFrame[frameShape="5"]  {color:#808080;})css");
const QString kLineTone6 = QStringLiteral(R"css(QFrame[frameShape="5"]  {background-color:#191970;})css");
const QString kEditDefault = QStringLiteral(R"css(QLineEdit {color:#000000;background-color:#ffffff;border:1px solid #282828;border-radius:5px;padding-left:8px;font-size:14px;font-weight:700;font-family:"Tahoma";}QLineEdit:read-only {color:#505050;background-color:#fffbf0;}QLineEdit:disabled {color:#505050;background-color:#fffbf0;})css");
const QString kEditTone4 = QStringLiteral(R"css(QLineEdit {color:#000000;background-color:#fffbf0;border:1px solid #282828;border-radius:5px;padding-left:8px;font-size:14px;font-weight:700;font-family:"Tahoma";}QLineEdit:read-only {color:#505050;background-color:#fffbf0;}QLineEdit:disabled {color:#505050;background-color:#fffbf0;})css");
const QString kRadioBtnDefault = QStringLiteral(R"css(QRadioButton {color:#000000;font-size:16px;font-weight:400;font-family:"Tahoma";})css");
const QString kRadioBtnTone1 = QStringLiteral(R"css(QRadioButton {color:#ffffff;font-size:16px;font-weight:400;font-family:"Tahoma";})css");
const QString kCornerShapeDefault = QStringLiteral(R"css(QWidget {color:#ffffff;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #696969, stop:1.0 #808080);border: none;border-radius:5px;font-size:14px;font-weight:700;font-family:"Tahoma";}QLabel {border: none;background-color:transparent;margin-left:10px;margin-top:0px;margin-right:0px;margin-bottom:0px;})css");
const QString kCornerShapeTone1 = QStringLiteral(R"css(QWidget {color:#ffffff;background-color:#000000;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #282828, stop:1.0 #000000);border: none;border-radius:5px;font-size:14px;font-weight:700;font-family:"Tahoma";}QLabel {border: none;background-color:transparent;margin-left:10px;margin-top:0px;margin-right:0px;margin-bottom:0px;})css");
const QString kCornerShapeTone2 = QStringLiteral(R"css(QWidget {color:#000000;background-color:#c0c0c0;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #a9a9a9, stop:1.0 #c0c0c0);border: none;border-radius:5px;font-size:14px;font-weight:700;font-family:"Tahoma";}QLabel {border: none;background-color:transparent;margin-left:10px;margin-top:0px;margin-right:0px;margin-bottom:0px;})css");
const QString kCornerShapeTone3 = QStringLiteral(R"css(QWidget {color:#ffffff;background-color:#808080;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #808080, stop:1.0 #505050);border: none;border-radius:5px;font-size:14px;font-weight:700;font-family:"Tahoma";}QLabel {border: none;background-color:transparent;margin-left:10px;margin-top:0px;margin-right:0px;margin-bottom:0px;})css");
const QString kCornerShapeTone6 = QStringLiteral(R"css(QWidget {color:#ffffff;background-color:#000080;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #191970, stop:1.0 #000080);border: none;border-radius:5px;font-size:14px;font-weight:700;font-family:"Tahoma";}QLabel {border: none;background-color:transparent;margin-left:10px;margin-top:0px;margin-right:0px;margin-bottom:0px;})css");
const QString kTabWidgetDefault = QStringLiteral(R"css(QTabWidget::pane {border-left:1px solid #808080;border-right:1px solid #808080;border-bottom:1px solid #808080;}QTabBar::tab {width:150px;height:30px;font-size:15px;font-weight:900;font-family:"Tahoma";color:#000000;background-color:#c0c0c0;border-left:1px solid #808080;border-top:5px solid #808080;border-right:1px solid #808080;}QTabBar::tab:selected {color:#483d8b;background-color:#fffbf0;border-top:5px solid #483d8b;})css");
const QString kSelectorSwitchDefault = QStringLiteral(R"css(QFrame {color:#000000;background-color:#a9a9a9;border:1px solid #000000;border-radius:3px;}QFrame:disabled {color:#808080;background-color:#fffbf0;}QLabel {font-weight:700;font-family:"arial";border: none;}QPushButton {font-weight:700;font-family:"arial";color:#ffffff;background-color:#333333;border-radius:3px;margin-left:2px;margin-top:1px;margin-right:2px;margin-bottom:1px;})css");
const QString kSelectorSwitchHighlightDefault = QStringLiteral(R"css(QFrame {color:#0000ff;background-color:#ffffff;border:1px solid #000000;border-radius:3px;}QFrame:disabled {color:#808080;background-color:#fffbf0;}QLabel {font-weight:700;font-family:"arial";border: none;}QPushButton {font-weight:700;font-family:"arial";color:#ffffff;background-color:#1e90ff;border-radius:3px;margin-left:2px;margin-top:1px;margin-right:2px;margin-bottom:1px;})css");
const QString kSelectorSwitchHighlightTone2 = QStringLiteral(R"css(QFrame {color:#0000ff;background-color:#ffffff;border:1px solid #000000;border-radius:3px;}QFrame:disabled {color:#808080;background-color:#fffbf0;}QLabel {font-weight:700;font-family:"arial";border: none;}QPushButton {font-weight:700;font-family:"arial";color:#ffffff;background-color:#696969;border-radius:3px;margin-left:2px;margin-top:1px;margin-right:2px;margin-bottom:1px;})css");

const int kTones[] = {0, 1, 2, 3, 4, 5, 6, 9};

struct SToneComposer
{
    const char* name;
    std::function<QString(WG_COLOR_TONE_S)> compose;
    SheetProbe::Maker make;
    QString byDefault;
    std::map<int, QString> byTone; // the tones that differ from the default
};

void PrintTo(const SToneComposer& c, std::ostream* os)
{
    *os << c.name;
}

QWidget* makeVerticalLine()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::VLine);
    return line;
}

QWidget* makeCornerTitle()
{
    auto* title = new QWidget;
    auto* label = new QLabel("Vessel Details", title);
    label->move(0, 0);
    return title;
}

QWidget* makeTabWidget()
{
    auto* tabs = new QTabWidget;
    tabs->addTab(new QWidget, "Home");
    tabs->addTab(new QWidget, "Configuration");
    return tabs;
}

const std::vector<SToneComposer> kComposers = {
    {"label", [](WG_COLOR_TONE_S t) { return P::compLabelColorToneStyle("", t, false); }, makerOf<QLabel>(),
     kLabelDefault, {{1, kLabelTone1}, {3, kLabelTone3}}},
    {"push button", [](WG_COLOR_TONE_S t) { return P::compPushButtonColorToneStyle("", t, false, 5); },
     makerOf<QPushButton>(), kPushButtonDefault,
     {{1, kPushButtonTone1}, {3, kPushButtonTone1}, {4, kPushButtonTone4}, {5, kPushButtonTone5},
      {6, kPushButtonTone6}}},
    {"spin box", [](WG_COLOR_TONE_S t) { return P::compSpinBoxColorToneStyle("", t, false, false); },
     makerOf<QSpinBox>(), kSpinBoxDefault, {{3, kSpinBoxTone3}}},
    {"combo box", [](WG_COLOR_TONE_S t) { return P::compComboBoxColorToneStyle("", t, false, 1); },
     makerOf<QComboBox>(), kComboBoxDefault, {{1, kComboBoxTone1}, {3, kComboBoxTone1}, {4, kComboBoxTone4}}},
    {"check box", [](WG_COLOR_TONE_S t) { return P::compCheckBoxColorToneStyle("", t, false); },
     makerOf<QCheckBox>(), kCheckBoxDefault, {{1, kCheckBoxTone1}, {3, kCheckBoxTone1}}},
    {"separator line", [](WG_COLOR_TONE_S t) { return P::compLineColorToneStyle("", t, false, WG_LINE_VERTICAL); },
     makeVerticalLine, kLineDefault, {{3, kLineTone3}, {6, kLineTone6}}},
    {"edit", [](WG_COLOR_TONE_S t) { return P::compEditColorToneStyle("", t, false, "QLineEdit"); },
     makerOf<QLineEdit>(), kEditDefault, {{4, kEditTone4}}},
    {"radio button", [](WG_COLOR_TONE_S t) { return P::compRadioBtnColorToneStyle("", t, false); },
     makerOf<QRadioButton>(), kRadioBtnDefault, {{1, kRadioBtnTone1}}},
    {"corner title", [](WG_COLOR_TONE_S t) { return P::compCornerShapeColorToneStyle("", t, false, true); },
     makeCornerTitle, kCornerShapeDefault,
     {{1, kCornerShapeTone1}, {2, kCornerShapeTone2}, {3, kCornerShapeTone3}, {6, kCornerShapeTone6}}},
    {"tab widget",
     [](WG_COLOR_TONE_S t) { return P::compTabWidgetColorToneStyle("", t, false, WIDGET_SIZE{150, 30}); },
     makeTabWidget, kTabWidgetDefault, {}},
    {"selector switch", [](WG_COLOR_TONE_S t) { return P::compSelectorSwitchColorToneStyle("", t, false); },
     makerOf<QFrame>(), kSelectorSwitchDefault, {}},
    {"selector switch highlighted",
     [](WG_COLOR_TONE_S t) { return P::compSelectorSwitchColorToneStyle("", t, true); }, makerOf<QFrame>(),
     kSelectorSwitchHighlightDefault, {{2, kSelectorSwitchHighlightTone2}}},
};

class ToneComposer : public ::testing::TestWithParam<SToneComposer>
{
protected:
    void SetUp() override { QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0); }
};

TEST_P(ToneComposer, EveryToneAndOneOutside)
{
    const SToneComposer& c = GetParam();
    for (int tone : kTones) {
        SCOPED_TRACE(tone);
        const auto found = c.byTone.find(tone);
        const QString& expected = found != c.byTone.end() ? found->second : c.byDefault;
        checkSheetCase(SSheetCase{c.name, [&] { return c.compose(static_cast<WG_COLOR_TONE_S>(tone)); }, expected,
                                  c.make});
    }
}

INSTANTIATE_TEST_SUITE_P(Composers, ToneComposer, ::testing::ValuesIn(kComposers));

class ToneFont : public ::testing::Test
{
protected:
    void TearDown() override { QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0); }
};

// The spin box keeps 14 px; the others take step 3 (step 4 for radio buttons) of the record.
TEST_F(ToneFont, SizesFollowPaletteFontExceptTheSpinBox)
{
    QTemporaryDir dir;
    const QString profile = dir.filePath("profile.ini");
    {
        QSettings settings(profile, QSettings::IniFormat);
        settings.setValue("Palette_Font/Enable", true);
        settings.setValue("Palette_Font/SizeNormal", 20);
        settings.setValue("Palette_Font/SizeZoom", 1.0);
    }
    QtObjPalette::initialize(profile, "Verdana", 14, 1.0);
    ASSERT_EQ(QtObjPalette::font_s_Font().sizes[3], 20);
    ASSERT_EQ(QtObjPalette::font_s_Font().sizes[4], 23);
    const QString base = QStringLiteral("font-size:20px;font-weight:%1;font-family:\"Verdana\";");
    EXPECT_TRUE(P::compLabelColorToneStyle("", WG_COLOR_TONE_DEFAULT, false).contains(base.arg(400)));
    EXPECT_TRUE(P::compPushButtonColorToneStyle("", WG_COLOR_TONE_NAVY, false, 5).contains(base.arg(400)));
    EXPECT_TRUE(P::compComboBoxColorToneStyle("", WG_COLOR_TONE_DEFAULT, false, 1).contains(base.arg(700)));
    EXPECT_TRUE(P::compCheckBoxColorToneStyle("", WG_COLOR_TONE_DEFAULT, false).contains(base.arg(400)));
    EXPECT_TRUE(P::compEditColorToneStyle("", WG_COLOR_TONE_DEFAULT, false, "QTextEdit").contains(base.arg(700)));
    EXPECT_TRUE(P::compRadioBtnColorToneStyle("", WG_COLOR_TONE_DEFAULT, false)
                    .contains(QStringLiteral("font-size:23px;font-weight:400;font-family:\"Verdana\";")));
    const QString spin = P::compSpinBoxColorToneStyle("", WG_COLOR_TONE_DEFAULT, false, false);
    EXPECT_TRUE(spin.contains(QStringLiteral("font-size:14px;font-weight:700;font-family:\"Tahoma\";")));
    EXPECT_FALSE(spin.contains(QStringLiteral("20px")));
    // Fixed sizes stay in the theme's own family.
    EXPECT_TRUE(P::compTabWidgetColorToneStyle("", WG_COLOR_TONE_DEFAULT, false, WIDGET_SIZE{150, 30})
                    .contains(QStringLiteral("font-size:15px;font-weight:900;font-family:\"Tahoma\";")));
    EXPECT_EQ(P::compCornerShapeColorToneStyle("", WG_COLOR_TONE_GREY, false, true), kCornerShapeTone3);
}

// Selector, descendant form and the further arguments reach the QtObjPalette composers.
TEST(ToneArguments, SelectorDescendantAndPassedOnFlags)
{
    QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
    const QString push = P::compPushButtonColorToneStyle("btnClose", WG_COLOR_TONE_NAVY, true, 9);
    EXPECT_TRUE(push.startsWith(QStringLiteral("#btnClose QPushButton {color:#ffffff;")));
    EXPECT_TRUE(push.contains(QStringLiteral("border-radius:9px;")));
    EXPECT_TRUE(push.contains(QStringLiteral("#btnClose QPushButton:checked {color:#ffffff;background-color:#0000ff;}")));
    EXPECT_TRUE(push.endsWith(QStringLiteral("#btnClose QPushButton:disabled {color:#808080;background-color:#ececec;}")));

    // Hidden spin buttons are written with width 0 and no images.
    const QString hidden = P::compSpinBoxColorToneStyle("spbx", WG_COLOR_TONE_DEFAULT, false, true);
    EXPECT_TRUE(hidden.contains(QStringLiteral("QAbstractSpinBox#spbx::up-button {width:0}")));
    EXPECT_FALSE(hidden.contains(QStringLiteral("Add.png")));

    EXPECT_TRUE(P::compComboBoxColorToneStyle("", WG_COLOR_TONE_DEFAULT, false, 3)
                    .contains(QStringLiteral("QComboBox {color:#000000;background-color:#ffffff;border:3px solid #282828;")));
    EXPECT_EQ(P::compLineColorToneStyle("", WG_COLOR_TONE_NAVY, false, WG_LINE_HORIZONTAL),
              QStringLiteral("QFrame[frameShape=\"4\"]  {background-color:#191970;}"));
    // Only the date edit gets the drop-down arrow, from the "Edit" images.
    const QString date = P::compEditColorToneStyle("", WG_COLOR_TONE_DEFAULT, false, "QDateEdit");
    EXPECT_TRUE(date.contains(
        QStringLiteral("QDateEdit::down-arrow:enabled {right:3px;image: url(:/Edit/Widget/Edit/A16Gray/DownArrow.png);}")));
    EXPECT_FALSE(P::compEditColorToneStyle("", WG_COLOR_TONE_DEFAULT, false, "QTimeEdit").contains("down-arrow"));
    // The corner title with a border and without bold text.
    const QString corner = P::compCornerShapeColorToneStyle("wgTitle", WG_COLOR_TONE_DEFAULT, true, false);
    EXPECT_TRUE(corner.startsWith(QStringLiteral("QWidget#wgTitle {color:#ffffff;")));
    EXPECT_TRUE(corner.contains(QStringLiteral(
        "border:1px solid #c0c0c0;border-radius:5px;font-size:13px;font-weight:400;font-family:\"Tahoma\";}")));
    // The switch's sheet names its own parts, never the selector.
    EXPECT_EQ(P::compSelectorSwitchColorToneStyle("wgSwitch", WG_COLOR_TONE_DEFAULT, false), kSelectorSwitchDefault);
}

// The setters replace the widget's whole sheet with the composer's text.
TEST(ToneSetters, SetWholeSheet)
{
    QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
    QPushButton button;
    button.setStyleSheet("QPushButton {color:red;}");
    P::setPushBtnColorToneStyle(&button, "", WG_COLOR_TONE_ROYAL);
    EXPECT_EQ(button.styleSheet(), P::compPushButtonColorToneStyle("", WG_COLOR_TONE_ROYAL, true, 5));
    EXPECT_TRUE(button.styleSheet().startsWith(" QPushButton {color:#ffffff;background-color:#4169e1;"));

    QWidget title;
    P::setCornerTitleColorToneStyle(&title, "", WG_COLOR_TONE_GREY);
    EXPECT_EQ(title.styleSheet(), kCornerShapeTone3);

    QFrame frame;
    P::setSelectorSwitchColorToneStyle(&frame, "", WG_COLOR_TONE_SILVER, true);
    EXPECT_EQ(frame.styleSheet(), kSelectorSwitchHighlightTone2);

    // A null widget is left alone.
    P::setPushBtnColorToneStyle(nullptr, "", WG_COLOR_TONE_NAVY);
    P::setCornerTitleColorToneStyle(nullptr, "", WG_COLOR_TONE_GREY);
    P::setSelectorSwitchColorToneStyle(nullptr, "", WG_COLOR_TONE_DEFAULT, false);
}

} // namespace
