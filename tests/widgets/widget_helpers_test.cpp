#include "widgets/LoSelectorSwitch.h"
#include "widgets/QtObjExtension.h"
#include "widgets/ToolButton.h"
#include "widgets/WgLabel.h"
#include "widgets/WgSelectorSwitch.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpacerItem>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Counts its deletions, to see what a layout's clearing frees.
class CountedSpacer : public QSpacerItem
{
public:
    explicit CountedSpacer(int* deleted) : QSpacerItem(4, 4), m_deleted(deleted) {}
    ~CountedSpacer() override { ++*m_deleted; }

private:
    int* m_deleted;
};

class EventCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

} // namespace

TEST(WidgetHelpersTest, ToolButtonReportsTheMouseEntering)
{
    QWidget window;
    window.resize(120, 60);
    auto* button = new CToolButton;
    EXPECT_EQ(button->parent(), nullptr);
    button->setParent(&window);
    button->setGeometry(60, 10, 40, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy entered(button, &CToolButton::signalMouseEnter);

    QTest::mouseMove(&window, QPoint(10, 10));
    EXPECT_EQ(entered.count(), 0);
    QTest::mouseMove(button, QPoint(20, 20));
    EXPECT_EQ(entered.count(), 1);
    QTest::mouseMove(button, QPoint(25, 25));
    EXPECT_EQ(entered.count(), 1);
}

TEST(WidgetHelpersTest, SwitchLayoutHoldsOneSwitch)
{
    QWidget holder;
    auto* layout = new LoSelectorSwitch(&holder);
    EXPECT_EQ(holder.layout(), layout);
    ASSERT_NE(layout->selectorSwitch(), nullptr);
    EXPECT_EQ(layout->selectorSwitch()->parentWidget(), &holder);
    EXPECT_EQ(layout->count(), 1);
    EXPECT_EQ(layout->indexOf(layout->selectorSwitch()), 0);
    EXPECT_EQ(layout->contentsMargins(), QMargins(0, 0, 0, 0));

    holder.resize(90, 26);
    holder.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
    QSignalSpy clicks(layout->selectorSwitch(), &WgSelectorSwitch::signalClick);
    QTest::mouseClick(layout->selectorSwitch()->captionLabel(), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(layout->selectorSwitch()->isActive());
}

TEST(WidgetHelpersTest, NewToolButtons)
{
    std::unique_ptr<QToolButton> one(QtObjExtension::NewToolBtn("btnMenu", 3, 32));
    EXPECT_EQ(one->objectName(), "btnMenu3");
    EXPECT_EQ(one->parent(), nullptr);
    EXPECT_EQ(one->minimumSize(), QSize(32, 32));
    EXPECT_EQ(one->maximumSize(), QSize(32, 32));
    EXPECT_EQ(one->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    EXPECT_EQ(one->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);

    QToolButton* none[1] = {nullptr};
    QtObjExtension::NewToolBtns(none, "btnNone", 0, 20);
    EXPECT_EQ(none[0], nullptr);

    auto owner = std::make_unique<QWidget>();
    QToolButton* row[4] = {};
    QtObjExtension::NewToolBtns(row, "btnRow", 4, 24);
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(row[i], nullptr);
        EXPECT_EQ(row[i]->objectName(), QString("btnRow%1").arg(i));
        EXPECT_EQ(row[i]->maximumSize(), QSize(24, 24));
        row[i]->setParent(owner.get());
    }
}

// Each button is its own object: given Qt parents, they go one by one with the parent.
TEST(WidgetHelpersTest, ToolButtonArrayGoesWithItsParents)
{
    QToolButton* buttons[5] = {};
    QtObjExtension::NewToolBtnArray(buttons, "btnItem", 5, 60, 22);
    QVector<QPointer<QToolButton>> watched;
    {
        QWidget owner;
        QHBoxLayout layout(&owner);
        for (int i = 0; i < 5; ++i) {
            ASSERT_NE(buttons[i], nullptr);
            EXPECT_EQ(buttons[i]->objectName(), QString("btnItem%1").arg(i));
            EXPECT_EQ(buttons[i]->minimumSize(), QSize(60, 22));
            EXPECT_EQ(buttons[i]->maximumSize(), QSize(60, 22));
            EXPECT_EQ(buttons[i]->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
            layout.addWidget(buttons[i]);
            watched.append(buttons[i]);
        }
        delete buttons[2]; // one may go early
    }
    for (const auto& button : watched)
        EXPECT_TRUE(button.isNull());
}

TEST(WidgetHelpersTest, BlockSignalsOfAWholeTree)
{
    QWidget root;
    auto* group = new QWidget(&root);
    auto* edit = new QLineEdit(group);
    auto* label = new WgLabel(&root);
    QSignalSpy edited(edit, &QLineEdit::textChanged);
    QSignalSpy clicked(label, &WgLabel::signalClicked);

    QtObjExtension::SetWgBlockSignals(&root, true);
    EXPECT_TRUE(root.signalsBlocked());
    EXPECT_TRUE(group->signalsBlocked());
    edit->setText("blocked");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(clicked.count(), 0);

    QtObjExtension::SetWgBlockSignals(&root, false);
    edit->setText("heard");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(WidgetHelpersTest, TableViewColumnWidths)
{
    QStandardItemModel model(2, 4);
    QTableView view;
    view.setModel(&model);
    const int widths[] = {80, 120, 45};
    QtObjExtension::SetTableViewColumnWidth(&view, widths, 3);
    EXPECT_EQ(view.columnWidth(0), 80);
    EXPECT_EQ(view.columnWidth(1), 120);
    EXPECT_EQ(view.columnWidth(2), 45);
}

// The layout goes and the pointer is nulled; the widgets it held stay, and what the layout
// gave up is freed rather than lost.
TEST(WidgetHelpersTest, ClearLayout)
{
    QLayout* missing = nullptr;
    QtObjExtension::ClearLayout(&missing);
    EXPECT_EQ(missing, nullptr);

    QWidget holder;
    QLayout* layout = new QVBoxLayout(&holder);
    auto* a = new QPushButton("a");
    auto* b = new QPushButton("b");
    layout->addWidget(a);
    int spacersDeleted = 0;
    layout->addItem(new CountedSpacer(&spacersDeleted));
    auto* inner = new QHBoxLayout;
    static_cast<QVBoxLayout*>(layout)->addLayout(inner);
    inner->addWidget(b);
    QPointer<QLayout> innerWatch(inner);

    QtObjExtension::ClearLayout(&layout);
    EXPECT_EQ(layout, nullptr);
    EXPECT_EQ(holder.layout(), nullptr);
    EXPECT_EQ(a->parentWidget(), &holder);
    EXPECT_EQ(b->parentWidget(), &holder);
    EXPECT_EQ(spacersDeleted, 1);
    EXPECT_TRUE(innerWatch.isNull());

    // The kept widgets can be laid out again.
    auto* again = new QHBoxLayout(&holder);
    again->addWidget(a);
    again->addWidget(b);
    EXPECT_EQ(holder.layout(), again);
}

TEST(WidgetHelpersTest, HideAndFilterChildren)
{
    QWidget root;
    auto* direct = new QPushButton("direct", &root);
    auto* group = new QWidget(&root);
    auto* deep = new QPushButton("deep", group);
    root.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&root));

    EventCounter counter;
    QtObjExtension::SetWgsEventFilter(&root, &counter, Qt::FindDirectChildrenOnly);
    QtObjExtension::HideWgs(&root, Qt::FindDirectChildrenOnly);
    EXPECT_FALSE(direct->isVisible());
    EXPECT_FALSE(group->isVisible());
    EXPECT_FALSE(deep->isHidden()); // only hidden with its group
    direct->show();
    group->show();
    deep->show();
    EXPECT_EQ(counter.shows, 2); // the direct child and the group, not the deep button

    QtObjExtension::HideWgs(&root, Qt::FindChildrenRecursively);
    EXPECT_TRUE(deep->isHidden());
    EXPECT_TRUE(direct->isHidden());
    EXPECT_TRUE(root.isVisible());
}
