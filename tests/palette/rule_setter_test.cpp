// The rule builder and the setters that style one widget.
#include "palette/QtObjPalette.h"

#include "SheetProbe.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

using P = QtObjPalette;

struct SRuleCase
{
    const char* name;
    QString objectName;
    const char* className;
    const char* subControl;
    const char* state;
    bool descendant;
    const char* expected;
};

void PrintTo(const SRuleCase& c, std::ostream* os)
{
    *os << c.name;
}

class RuleBlock : public ::testing::TestWithParam<SRuleCase>
{
};

TEST_P(RuleBlock, JoinsSelectorAndBody)
{
    const SRuleCase& c = GetParam();
    EXPECT_EQ(P::compRuleBlock(c.objectName, c.className, c.subControl, c.state, c.descendant, "color:#ffffff;")
                  .toStdString(),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RuleBlock,
    ::testing::Values(
        SRuleCase{"named state", "btnOk", "QPushButton", "", ":hover", false,
                  "QPushButton#btnOk:hover {color:#ffffff;}"},
        SRuleCase{"named descendant", "btnOk", "QPushButton", "", ":hover", true,
                  "#btnOk QPushButton:hover {color:#ffffff;}"},
        SRuleCase{"unnamed", "", "QPushButton", "", ":hover", false, "QPushButton:hover {color:#ffffff;}"},
        SRuleCase{"unnamed descendant", "", "QPushButton", "", ":hover", true, " QPushButton:hover {color:#ffffff;}"},
        SRuleCase{"sub-control and state", "", "QAbstractItemView", "::item", ":selected", false,
                  "QAbstractItemView::item:selected {color:#ffffff;}"},
        SRuleCase{"sub-control named", "cbbxPort", "QComboBox", "::drop-down", "", false,
                  "QComboBox#cbbxPort::drop-down {color:#ffffff;}"},
        SRuleCase{"name only", "lblMore", "", "", "", false, "#lblMore {color:#ffffff;}"},
        SRuleCase{"name only descendant", "lblMore", "", "", "", true, "#lblMore  {color:#ffffff;}"},
        SRuleCase{"nothing but the body", "", "", "", "", false, " {color:#ffffff;}"},
        SRuleCase{"null texts read as empty", "btnOk", nullptr, nullptr, nullptr, false, "#btnOk {color:#ffffff;}"}),
    [](const ::testing::TestParamInfo<SRuleCase>& info) { return "Case" + std::to_string(info.index); });

TEST(RuleBlock, KeepsAnEmptyBody)
{
    EXPECT_EQ(P::compRuleBlock("", "QPushButton", "", ":pressed", false, ""), QString("QPushButton:pressed {}"));
}

const SWidgetColor kRedText{0xff0000};
const SWidgetColor kUnsetColor;
const WIDGET_FONT kBoldTahoma{16, WG_FONT_WEIGHT_BOLD, "Tahoma"};
const SWidgetBorderLine kLine{1, WG_BORDER_EDGE_SOLID, 0x808080};
const SWidgetBorderRadius kRadius{5};
const WIDGET_BORDER kBorder{&kLine, &kRadius};
const SWidgetGradientColor kGradient{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0x808080}};

struct SSetterCase
{
    const char* name;
    std::function<void(QWidget*)> set;
    QString objectName;
    const char* expected;
};

void PrintTo(const SSetterCase& c, std::ostream* os)
{
    *os << c.name;
}

class CoverSetter : public ::testing::TestWithParam<SSetterCase>
{
};

// Each setter replaces whatever sheet the widget had, and Qt takes the new one.
TEST_P(CoverSetter, ReplacesTheWholeSheet)
{
    const SSetterCase& c = GetParam();
    QLabel label("x");
    label.setObjectName(c.objectName);
    label.setStyleSheet("QLabel {background-color:#00ff00;}");
    const QStringList messages = SheetProbe::capture([&] {
        c.set(&label);
        label.ensurePolished();
        label.grab();
    });
    EXPECT_EQ(label.styleSheet().toStdString(), c.expected);
    EXPECT_FALSE(SheetProbe::refused(messages)) << messages.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Setters, CoverSetter,
    ::testing::Values(
        SSetterCase{"transparent, own rule",
                    [](QWidget* w) { P::setWidgetTransparentStyle(w, STYLE_SHEET_COVER_SELF); }, "lblMore",
                    "#lblMore {border: none;background-color: transparent;}"},
        SSetterCase{"transparent, descendant form",
                    [](QWidget* w) { P::setWidgetTransparentStyle(w, STYLE_SHEET_COVER_DESCENDANT); }, "lblMore",
                    "#lblMore  {border: none;background-color: transparent;}"},
        SSetterCase{"transparent, any other cover is descendant",
                    [](QWidget* w) { P::setWidgetTransparentStyle(w, STYLE_SHEET_COVER(7)); }, "lblMore",
                    "#lblMore  {border: none;background-color: transparent;}"},
        SSetterCase{"transparent, bare", [](QWidget* w) { P::setWidgetTransparentStyle(w, STYLE_SHEET_COVER_BARE); },
                    "lblMore", "border: none;background-color: transparent;"},
        SSetterCase{"colour, bare unset clears the sheet",
                    [](QWidget* w) { P::setWidgetColorStyle(w, kUnsetColor, STYLE_SHEET_COVER_BARE); }, "lblMore", ""},
        SSetterCase{"colour, own rule empty body",
                    [](QWidget* w) { P::setWidgetColorStyle(w, kUnsetColor, STYLE_SHEET_COVER_SELF); }, "lblMore",
                    "#lblMore {}"},
        SSetterCase{
            "base style: colours, font, border",
            [](QWidget* w) {
                P::setWidgetBaseStyle(w, WIDGET_STYLE{&kRedText, &kBoldTahoma, &kBorder}, STYLE_SHEET_COVER_SELF);
            },
            "lblValue",
            "#lblValue {color:#ff0000;font-size:16px;font-weight:700;font-family:\"Tahoma\";"
            "border:1px solid #808080;border-radius:5px;}"},
        SSetterCase{"base style of null records",
                    [](QWidget* w) { P::setWidgetBaseStyle(w, WIDGET_STYLE{}, STYLE_SHEET_COVER_SELF); }, "lblValue",
                    "#lblValue {}"},
        SSetterCase{"font", [](QWidget* w) { P::setWidgetFontStyle(w, kBoldTahoma, STYLE_SHEET_COVER_BARE); },
                    "lblValue", "font-size:16px;font-weight:700;font-family:\"Tahoma\";"},
        SSetterCase{"border", [](QWidget* w) { P::setWidgetBorderStyle(w, kBorder, STYLE_SHEET_COVER_DESCENDANT); },
                    "frmGroup", "#frmGroup  {border:1px solid #808080;border-radius:5px;}"},
        SSetterCase{"gradient",
                    [](QWidget* w) { P::setWidgetGradientColorStyle(w, kGradient, STYLE_SHEET_COVER_SELF); },
                    "frmGroup",
                    "#frmGroup {background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #ffffff, "
                    "stop:1.0 #808080);}"},
        SSetterCase{"label: bare colours then font",
                    [](QWidget* w) {
                        P::setLabelStyle(w, WIDGET_LABEL{&kRedText, &kBoldTahoma});
                    },
                    "lblTitle", "color:#ff0000;font-size:16px;font-weight:700;font-family:\"Tahoma\";"},
        SSetterCase{"label of null records", [](QWidget* w) { P::setLabelStyle(w, WIDGET_LABEL{}); }, "lblTitle", ""},
        // Without an object name a rule would have no selector and Qt would drop the sheet
        // whole; the declarations go on bare instead.
        SSetterCase{"unnamed widget, own rule",
                    [](QWidget* w) { P::setWidgetColorStyle(w, kRedText, STYLE_SHEET_COVER_SELF); }, "",
                    "color:#ff0000;"},
        SSetterCase{"unnamed widget, descendant form",
                    [](QWidget* w) { P::setWidgetTransparentStyle(w, STYLE_SHEET_COVER_DESCENDANT); }, "",
                    "border: none;background-color: transparent;"}),
    [](const ::testing::TestParamInfo<SSetterCase>& info) { return "Case" + std::to_string(info.index); });

TEST(CoverSetter, UnnamedWidgetTakesItsColour)
{
    QLabel label("x");
    const QStringList messages = SheetProbe::capture([&] {
        P::setWidgetColorStyle(&label, kRedText, STYLE_SHEET_COVER_SELF);
        label.ensurePolished();
    });
    EXPECT_FALSE(SheetProbe::refused(messages)) << messages.join('\n').toStdString();
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0xff0000));
}

TEST(CoverSetter, SecondSetterLeavesOnlyItsOwnSheet)
{
    QLabel label("x");
    label.setObjectName("lblMore");
    P::setWidgetColorStyle(&label, kRedText, STYLE_SHEET_COVER_SELF);
    P::setWidgetFontStyle(&label, kBoldTahoma, STYLE_SHEET_COVER_SELF);
    EXPECT_EQ(label.styleSheet(), QString("#lblMore {font-size:16px;font-weight:700;font-family:\"Tahoma\";}"));
}

TEST(CoverSetter, CheckBoxSheetHasThreeRules)
{
    const SWidgetColor box{0x000000};
    const SWidgetColor checked{kWgColorUnset, 0xffffff};
    const WIDGET_CHECK_BOX record{
        &box, &checked, nullptr, &kRedText, &kBoldTahoma, nullptr, ":/CheckBox/Widget/CheckBox/A20Gray/Checked.png",
        ""};
    QCheckBox checkBox("Enable");
    const QStringList messages = SheetProbe::capture([&] {
        P::setCheckBoxStyle(&checkBox, record);
        checkBox.ensurePolished();
    });
    EXPECT_EQ(checkBox.styleSheet().toStdString(), "QCheckBox {color:#000000;}"
                                                   "QCheckBox::indicator:checked {background-color:#ffffff;"
                                                   "image: url(:/CheckBox/Widget/CheckBox/A20Gray/Checked.png);}"
                                                   "QCheckBox::indicator:unchecked {image: url();}");
    EXPECT_FALSE(SheetProbe::refused(messages));
}

TEST(CoverSetter, TabWidgetWithoutFrame)
{
    const char* expected = "QTabWidget::pane {border: none;}QTabBar::tab {height: 0px; top: 0px; border: 0px}";
    EXPECT_EQ(P::compTabWidgetNoFrameStyleSheet().toStdString(), expected);
    QTabWidget tabs;
    tabs.addTab(new QWidget, "One");
    const QStringList messages = SheetProbe::capture([&] {
        P::setTabWidgetNoFrameStyle(&tabs);
        tabs.ensurePolished();
        tabs.grab();
    });
    EXPECT_EQ(tabs.styleSheet().toStdString(), expected);
    EXPECT_FALSE(SheetProbe::refused(messages));
}

TEST(WidgetPalette, BackgroundInEveryColourGroup)
{
    for (const bool skipAutoFill : {false, true}) {
        QWidget widget;
        P::setWidgetBackground(&widget, QColor(Qt::gray), skipAutoFill);
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            EXPECT_EQ(widget.palette().color(group, QPalette::Window), QColor(Qt::gray));
        EXPECT_EQ(widget.autoFillBackground(), !skipAutoFill);
    }
}

TEST(WidgetPalette, TransparentSetsAttributesNotSheet)
{
    QWidget widget;
    widget.setStyleSheet("QWidget {color:#000000;}");
    P::setWidgetTransparent(&widget);
    EXPECT_TRUE(widget.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_TRUE(widget.testAttribute(Qt::WA_NoSystemBackground));
    EXPECT_TRUE(widget.autoFillBackground());
    EXPECT_EQ(widget.styleSheet(), QString("QWidget {color:#000000;}"));
}

TEST(WidgetIcon, ButtonAndLabelTakeTheImageSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("icon.png");
    QImage image(12, 8, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path));

    QPushButton button;
    P::setWidgetBtnIcon(&button, path);
    EXPECT_FALSE(button.icon().isNull());
    EXPECT_EQ(button.iconSize(), QSize(12, 8));

    QLabel label;
    P::setWidgetLblIcon(&label, path);
    EXPECT_EQ(label.pixmap(Qt::ReturnByValue).size(), QSize(12, 8));
    EXPECT_EQ(label.size(), QSize(12, 8));
}

TEST(WidgetIcon, MissingImageGivesNoIcon)
{
    QPushButton button;
    P::setWidgetBtnIcon(&button, ":/no/such/image.png");
    EXPECT_TRUE(button.icon().isNull());
    EXPECT_EQ(button.iconSize(), QSize(0, 0));

    QLabel label("text");
    P::setWidgetLblIcon(&label, ":/no/such/image.png");
    EXPECT_TRUE(label.pixmap(Qt::ReturnByValue).isNull());
}

} // namespace
