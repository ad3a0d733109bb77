// The white theme on a root widget, its focus-free delegate on every combo box below the root,
// the main page stack and the main menu buttons.
#include "theme/ObjPalette.h"
#include "palette/QtObjPalette.h"

#include "SheetProbe.h"

#include "widgets/StyledItemDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPointer>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using P = ObjPalette;

// Counts the items it paints, so a test sees which delegate a popup list used.
class CountingDelegate : public CStyledItemDelegate
{
public:
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        ++paints;
        CStyledItemDelegate::paint(painter, option, index);
    }
    mutable int paints = 0;
};

QComboBox* addCombo(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems({"4800", "38400", "115200"});
    if (parent->layout() != nullptr)
        parent->layout()->addWidget(combo);
    return combo;
}

// A root holding combo boxes at several depths, named and unnamed.
struct SThemedRoot
{
    std::unique_ptr<QWidget> root{new QWidget};
    QList<QComboBox*> combos;

    explicit SThemedRoot(const char* name = "centralWidget")
    {
        root->setObjectName(QLatin1String(name));
        new QVBoxLayout(root.get());
        combos << addCombo(root.get(), "cbbxConntPort");
        auto* page = new QWidget;
        new QVBoxLayout(page);
        root->layout()->addWidget(page);
        auto* group = new QWidget;
        new QVBoxLayout(group);
        page->layout()->addWidget(group);
        combos << addCombo(group, "cbbxCfgBaudRate1") << addCombo(group, "");
    }
};

// Shows the combo's popup list and draws it; returns the items its delegate painted.
int paintPopup(QComboBox* combo, const CountingDelegate& delegate)
{
    const int before = delegate.paints;
    combo->window()->show();
    combo->showPopup();
    combo->view()->grab();
    combo->hidePopup();
    return delegate.paints - before;
}

class WhiteTheme : public ::testing::Test
{
protected:
    void SetUp() override { QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0); }
};

TEST_F(WhiteTheme, RootRuleThenStandardWidgetSheets)
{
    SThemedRoot r;
    CStyledItemDelegate delegate;
    P::setWhiteThemeWgsStyle(r.root.get(), delegate);
    EXPECT_EQ(r.root->styleSheet(), QStringLiteral("#centralWidget {background-color:#ffffff;border:2px solid #808080;}") +
                                        P::compWhiteThemeWgsStyle());
}

// Labels, navy push buttons, spin boxes, combo boxes, check boxes, vertical navy lines, the four
// edits and radio buttons, in this order.
TEST_F(WhiteTheme, StandardWidgetKindsInOrder)
{
    const QString sheet = P::compWhiteThemeWgsStyle();
    const char* const heads[] = {"QLabel {color:#000000;",
                                 "QPushButton {color:#ffffff;background-color:#191970;background: "
                                 "qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #1e90ff, stop:1.0 #191970);",
                                 "QAbstractSpinBox {color:#282828;",
                                 "QComboBox {color:#000000;background-color:#ffffff;border:1px solid #282828;",
                                 "QCheckBox {color:#000000;",
                                 "QFrame[frameShape=\"5\"]  {background-color:#191970;}",
                                 "QLineEdit {",
                                 "QTextEdit {",
                                 "QDateEdit {",
                                 "QTimeEdit {",
                                 "QRadioButton {color:#000000;font-size:16px;"};
    int from = 0;
    for (const char* head : heads) {
        const int at = sheet.indexOf(QLatin1String(head), from);
        EXPECT_GE(at, from) << head;
        from = at + 1;
    }
    EXPECT_TRUE(sheet.endsWith(QStringLiteral("QRadioButton {color:#000000;font-size:16px;font-weight:400;"
                                              "font-family:\"Tahoma\";}")));
    EXPECT_EQ(sheet.count(QStringLiteral("::down-arrow:enabled")), 2); // combo box and date edit
    // Whole, on a root with a widget of each kind: Qt keeps it.
    const QStringList messages = SheetProbe::apply(makerOf<QComboBox>(), sheet, "cbbx", true);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(WhiteTheme, AppliedTwiceLeavesOneCopy)
{
    SThemedRoot r;
    r.root->setStyleSheet("QWidget {color:red;}");
    CStyledItemDelegate delegate;
    P::setWhiteThemeWgsStyle(r.root.get(), delegate);
    const QString once = r.root->styleSheet();
    P::setWhiteThemeWgsStyle(r.root.get(), delegate);
    EXPECT_EQ(r.root->styleSheet(), once);
    EXPECT_EQ(r.root->styleSheet().count(QStringLiteral("QLabel {")), 1);
    EXPECT_EQ(r.root->styleSheet().count(QStringLiteral("#centralWidget {")), 1);
    EXPECT_FALSE(r.root->styleSheet().contains(QStringLiteral("color:red")));
    for (QComboBox* combo : r.combos)
        EXPECT_EQ(combo->itemDelegate(), &delegate);
}

// Every combo box below the root, at any depth and with any name, gets the delegate; their
// own default delegates go with the swap.
TEST_F(WhiteTheme, EveryComboBoxBelowTheRootGetsTheDelegate)
{
    SThemedRoot r;
    QList<QPointer<QAbstractItemDelegate>> defaults;
    for (QComboBox* combo : r.combos)
        defaults << combo->itemDelegate();
    CountingDelegate delegate;
    P::setWhiteThemeWgsStyle(r.root.get(), delegate);
    for (int i = 0; i < r.combos.size(); ++i) {
        EXPECT_EQ(r.combos[i]->itemDelegate(), &delegate) << i;
        EXPECT_TRUE(defaults[i].isNull()) << i;
    }
    EXPECT_GT(paintPopup(r.combos[1], delegate), 0);
}

// A combo box that already has the delegate is left untouched (QComboBox::setItemDelegate
// would delete it); one added after the call keeps its own.
TEST_F(WhiteTheme, DelegateStepLeavesAloneWhatItNeedNotTouch)
{
    SThemedRoot r;
    CountingDelegate delegate;
    r.combos[0]->setItemDelegate(&delegate);
    P::setComboBoxItemDelegate(r.root.get(), delegate);
    P::setComboBoxItemDelegate(r.root.get(), delegate);
    QComboBox* later = addCombo(r.root.get(), "cbbxLater");
    QAbstractItemDelegate* own = later->itemDelegate();
    for (QComboBox* combo : r.combos)
        EXPECT_EQ(combo->itemDelegate(), &delegate);
    EXPECT_EQ(later->itemDelegate(), own);
    EXPECT_NE(own, &delegate);
    EXPECT_GT(paintPopup(r.combos[0], delegate), 0);

    // The delegate step alone leaves the root's sheet as it was.
    EXPECT_TRUE(r.root->styleSheet().isEmpty());
    P::setComboBoxItemDelegate(nullptr, delegate);
    P::setWhiteThemeWgsStyle(nullptr, delegate);
}

// One delegate shared by the main window and the About dialog: closing the dialog destroys
// its combo boxes, and the window's combo boxes go on painting with the delegate.
TEST_F(WhiteTheme, SharedDelegateOutlivesTheComboBoxesThatUseIt)
{
    CountingDelegate delegate;
    SThemedRoot window("centralWidget");
    {
        SThemedRoot about("wgAbout");
        P::setWhiteThemeWgsStyle(window.root.get(), delegate);
        P::setWhiteThemeWgsStyle(about.root.get(), delegate);
        EXPECT_GT(paintPopup(about.combos[2], delegate), 0);
    }
    for (QComboBox* combo : window.combos)
        EXPECT_EQ(combo->itemDelegate(), &delegate);
    EXPECT_GT(paintPopup(window.combos[2], delegate), 0);
    // Each combo box destroyed on its own as well.
    delete window.combos.takeLast();
    EXPECT_GT(paintPopup(window.combos[0], delegate), 0);
}

// A delegate that another view owns, already set on a combo box, is not deleted when the
// theme gives that combo box its own delegate.
TEST_F(WhiteTheme, ForeignDelegateSurvivesTheSwap)
{
    SThemedRoot r;
    QWidget otherView;
    QPointer<CStyledItemDelegate> foreign = new CStyledItemDelegate(&otherView);
    r.combos[1]->setItemDelegate(foreign);
    CountingDelegate member; // the second view's member, not on the heap
    r.combos[2]->setItemDelegate(&member);

    CountingDelegate delegate;
    P::setWhiteThemeWgsStyle(r.root.get(), delegate);
    EXPECT_FALSE(foreign.isNull());
    for (QComboBox* combo : r.combos)
        EXPECT_EQ(combo->itemDelegate(), &delegate);
    EXPECT_GT(paintPopup(r.combos[2], delegate), 0);

    // The member delegate still serves its own view.
    QComboBox otherCombo(&otherView);
    otherCombo.addItems({"a", "b"});
    otherCombo.view()->setItemDelegate(&member);
    EXPECT_GT(paintPopup(&otherCombo, member), 0);
}

// A view with the delegate as a member and the form as its children: the member goes first,
// then the combo boxes, without touching the gone delegate.
TEST_F(WhiteTheme, ViewMemberDelegateGoesBeforeTheChildren)
{
    struct SView : QWidget
    {
        CStyledItemDelegate itemDelegate;
    };
    auto* view = new SView;
    view->setObjectName("centralWidget");
    auto* layout = new QVBoxLayout(view);
    for (const char* name : {"cbbxA", "cbbxB"}) {
        auto* combo = new QComboBox;
        combo->setObjectName(name);
        combo->addItem("x");
        layout->addWidget(combo);
    }
    P::setWhiteThemeWgsStyle(view, view->itemDelegate);
    view->show();
    view->grab();
    delete view;
    SUCCEED();
}

TEST_F(WhiteTheme, MainPageStackSheet)
{
    QTabWidget pages;
    pages.setObjectName("wgMain");
    pages.addTab(new QWidget, "Home");
    P::setMainWidgetWhiteStyle(&pages);
    EXPECT_EQ(pages.styleSheet(),
              QStringLiteral("QTabWidget::pane {border-left:1px solid #808080;border-right:1px solid #808080;"
                             "border-bottom:1px solid #808080;}QTabBar::tab {width:150px;height:30px;font-size:15px;"
                             "font-weight:900;font-family:\"Tahoma\";color:#000000;background-color:#c0c0c0;"
                             "border-left:1px solid #808080;border-top:5px solid #808080;border-right:1px solid "
                             "#808080;}QTabBar::tab:selected {color:#483d8b;background-color:#fffbf0;border-top:5px "
                             "solid #483d8b;}"));
    P::setMainWidgetWhiteStyle(nullptr);
}

TEST_F(WhiteTheme, MainMenuSheet)
{
    const QString plain = QStringLiteral(
        "#btnMMHome QToolButton {color:#a9a9a9;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, "
        "stop:0.5 #505050, stop:1.0 #000000, stop:0.5 #505050);font-size:15px;font-weight:900;"
        "font-family:\"Tahoma\";border:1px solid #ffffff;border-left:1px solid #808080;border-top:5px solid #808080;"
        "border-right:1px solid #808080;}#btnMMHome QToolButton:checked {color:#483d8b;background-color:#ffffff;"
        "border-top:5px solid #483d8b;}");
    EXPECT_EQ(P::compMenuStyle("btnMMHome", QString()), plain);
    EXPECT_EQ(P::compMenuStyle("btnMMHome", ":/MainMenu/Images/MainMenu/0.Home.png"),
              plain + QStringLiteral("#btnMMHome QToolButton {background-image: "
                                     "url(:/MainMenu/Images/MainMenu/0.Home.png);background-position: center "
                                     "center;background-origin: content;background-repeat: none;}"));

    // The setter writes the rules with an empty selector, so they style the button itself.
    QToolButton button;
    button.setObjectName("btnMMHome");
    P::setMainMenuStyle(&button, QString());
    EXPECT_EQ(button.styleSheet(), P::compMenuStyle(QString(), QString()));
    EXPECT_FALSE(button.styleSheet().contains(QStringLiteral("background-image")));
    EXPECT_TRUE(button.styleSheet().startsWith(QStringLiteral(" QToolButton {color:#a9a9a9;")));
    P::setMainMenuStyle(nullptr, QString());
}

} // namespace
