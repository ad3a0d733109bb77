#include "widgets/WgDropMenu.h"

#include "palette/QtObjPalette.h"

#include "GrabShot.h"
#include "QtMessageProbe.h"
#include "WaitFor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using TestSupport::waitFor;

namespace {

constexpr int kWait = 5000;

// A window holding a drop menu low enough that its popup fits above it, and an edit that
// can take the focus away.
struct SMenuWindow
{
    SMenuWindow(int count = 3, int width = 90, int height = 24)
    {
        window.setGeometry(200, 300, 240, 160);
        auto* layout = new QVBoxLayout(&window);
        edit = new QLineEdit(&window);
        menu = new WgDropMenu(count, width, height, &window);
        layout->addWidget(edit);
        layout->addStretch();
        layout->addWidget(menu);
        for (int i = 0; i < count; ++i)
            menu->menuItem(i)->setText(QString("Item %1").arg(i));
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    QLineEdit* edit = nullptr;
    WgDropMenu* menu = nullptr;
};

QPoint centreOf(QWidget* widget)
{
    return widget->rect().center();
}

} // namespace

TEST(DropMenuTest, ItemButtonsArePopupChildrenInOrder)
{
    WgDropMenu menu(4, 80, 22);
    QWidget* popup = menu.menuPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->parent(), nullptr);
    EXPECT_EQ(popup->windowType(), Qt::ToolTip);
    ASSERT_EQ(menu.menuItemCount(), 4);
    auto* layout = qobject_cast<QVBoxLayout*>(popup->layout());
    ASSERT_NE(layout, nullptr);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        QPushButton* item = menu.menuItem(i);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->objectName(), QString("menu%1").arg(i));
        EXPECT_EQ(item->parent(), popup);
        EXPECT_EQ(layout->indexOf(item), i);
        EXPECT_TRUE(item->isCheckable());
        EXPECT_EQ(item->minimumSize(), QSize(80, 22));
        EXPECT_EQ(item->maximumSize(), QSize(80, 22));
        ASSERT_NE(item->group(), nullptr);
        EXPECT_TRUE(item->group()->exclusive());
    }
    EXPECT_EQ(menu.menuItem(-1), nullptr);
    EXPECT_EQ(menu.menuItem(4), nullptr);

    // Zero width and height leave the item's size free.
    WgDropMenu free(1, 0, 0);
    EXPECT_EQ(free.menuItem(0)->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

TEST(DropMenuTest, DefaultSheetsAreTheComposersText)
{
    QtMessageProbe messages;
    WgDropMenu menu(2, 60, 20);
    EXPECT_EQ(menu.styleSheet(),
              "color:#ffffff;background-color:#000000;"
              "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #808080, stop:1.0 #505050);"
              "border:1px solid #a9a9a9;border-radius:0px;padding-left:3px;");
    EXPECT_EQ(menu.menuPopup()->styleSheet(),
              "QPushButton {color:#282828;background-color:#c0c0c0;font-weight:700;font-family:\"arial\";"
              "border:0px solid #505050;}"
              "QPushButton:checked {color:#ffffff;background-color:#808080;}"
              "QPushButton:hover {color:#ffffff;background-color:#6495ed;}"
              "QPushButton:hover:checked {color:#ffffff;background-color:#6495ed;}");
    menu.show();
    menu.menuDrop();
    menu.grab();
    menu.menuPopup()->grab();
    EXPECT_TRUE(messages.warnings().filter("stylesheet", Qt::CaseInsensitive).isEmpty())
        << messages.warnings().join("\n").toStdString();
}

TEST(DropMenuTest, ClickOpensThePopupAboveTheButtonAfterAnnouncingTheUpdate)
{
    SMenuWindow w;
    QWidget* popup = w.menu->menuPopup();
    bool visibleAtUpdate = true;
    int updates = 0;
    QObject::connect(w.menu, &WgDropMenu::signalMenuUpdate, [&] {
        ++updates;
        visibleAtUpdate = popup->isVisible();
    });

    QTest::mouseClick(w.menu, Qt::LeftButton, Qt::NoModifier, centreOf(w.menu));
    ASSERT_TRUE(waitFor([&] { return popup->isVisible(); }, kWait));
    EXPECT_EQ(updates, 1);
    EXPECT_FALSE(visibleAtUpdate); // the owner fills the items before they show
    EXPECT_TRUE(w.menu->isMenuDrop());

    const QPoint origin = w.menu->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(popup->x(), origin.x() - 1);
    EXPECT_EQ(popup->y() + popup->height(), origin.y()); // bottom edge on the button's top edge
    EXPECT_EQ(popup->height(), 3 * 24 + 2);
    EXPECT_TRUE(waitFor([&] { return popup->hasFocus(); }, kWait));
    TestSupport::saveShot(popup, "drop_menu_open");

    // A second click on the button closes it again, without another update.
    QTest::mouseClick(w.menu, Qt::LeftButton, Qt::NoModifier, centreOf(w.menu));
    EXPECT_TRUE(waitFor([&] { return !popup->isVisible(); }, kWait));
    EXPECT_EQ(updates, 1);
}

TEST(DropMenuTest, ItemClickIsAnnouncedWithItsIndex)
{
    SMenuWindow w(4);
    QSignalSpy clicks(w.menu, &WgDropMenu::signalMenuItemClick);
    QWidget* popup = w.menu->menuPopup();

    for (int index : {2, 0, 3}) {
        SCOPED_TRACE(index);
        QTest::mouseClick(w.menu, Qt::LeftButton, Qt::NoModifier, centreOf(w.menu));
        ASSERT_TRUE(waitFor([&] { return popup->isVisible(); }, kWait));
        QPushButton* item = w.menu->menuItem(index);
        QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, centreOf(item));
        ASSERT_EQ(clicks.count(), 1);
        EXPECT_EQ(clicks.takeFirst().at(0).toInt(), index);
        EXPECT_EQ(w.menu->text(), QString("Item %1").arg(index));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(w.menu->menuItem(i)->isChecked(), i == index);
        // Choosing keeps the popup open: the owner closes it when it likes.
        EXPECT_TRUE(popup->isVisible());
        if (index == 0) {
            TestSupport::saveShot(popup, "drop_menu_checked");
            TestSupport::saveShot(&w.window, "drop_menu_button");
        }
        w.menu->menuCollect();
        EXPECT_FALSE(popup->isVisible());
    }

    // From code: the text and the check follow, nothing is announced; a bad index does nothing.
    w.menu->setMenuItem(1);
    EXPECT_EQ(w.menu->text(), "Item 1");
    EXPECT_TRUE(w.menu->menuItem(1)->isChecked());
    w.menu->setMenuItem(7);
    w.menu->setMenuItem(-1);
    EXPECT_EQ(w.menu->text(), "Item 1");
    EXPECT_EQ(clicks.count(), 0);
}

TEST(DropMenuTest, PopupHidesWhenItLosesTheFocus)
{
    SMenuWindow w;
    QWidget* popup = w.menu->menuPopup();
    QTest::mouseClick(w.menu, Qt::LeftButton, Qt::NoModifier, centreOf(w.menu));
    ASSERT_TRUE(waitFor([&] { return popup->hasFocus(); }, kWait));

    // The user turns to the edit of the window.
    w.window.activateWindow();
    QTest::mouseClick(w.edit, Qt::LeftButton, Qt::NoModifier, centreOf(w.edit));
    EXPECT_TRUE(waitFor([&] { return !popup->isVisible(); }, kWait));
}

// On a desktop, pressing the button activates its window first and so takes the focus from
// the popup: that press must close the popup, not close and reopen it.
TEST(DropMenuTest, ButtonClickAfterFocusLossClosesThePopup)
{
    SMenuWindow w;
    QWidget* popup = w.menu->menuPopup();
    QSignalSpy updates(w.menu, &WgDropMenu::signalMenuUpdate);
    QTest::mouseClick(w.menu, Qt::LeftButton, Qt::NoModifier, centreOf(w.menu));
    ASSERT_TRUE(waitFor([&] { return popup->hasFocus(); }, kWait));
    ASSERT_EQ(updates.count(), 1);

    QTest::mouseMove(w.menu, centreOf(w.menu));
    ASSERT_TRUE(waitFor([&] { return w.menu->underMouse(); }, kWait));
    w.window.activateWindow();
    ASSERT_TRUE(waitFor([&] { return !popup->hasFocus(); }, kWait));
    QTest::mouseClick(w.menu, Qt::LeftButton, Qt::NoModifier, centreOf(w.menu));
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(updates.count(), 1);
}

TEST(DropMenuTest, PopupHidesWithTheButton)
{
    SMenuWindow w;
    QWidget* popup = w.menu->menuPopup();

    w.menu->menuDrop();
    ASSERT_TRUE(popup->isVisible());
    w.menu->hide();
    EXPECT_FALSE(popup->isVisible());

    w.menu->show();
    w.menu->menuDrop();
    ASSERT_TRUE(popup->isVisible());
    w.window.hide(); // the button hides with its window
    EXPECT_FALSE(popup->isVisible());

    w.window.show();
    w.menu->menuDrop();
    ASSERT_TRUE(popup->isVisible());
    w.menu->close();
    EXPECT_FALSE(popup->isVisible());
}

// The popup is a top-level window of its own; the menu deletes it, with its item buttons.
TEST(DropMenuTest, CreatedAndDestroyedManyTimesLeavesNoWindowBehind)
{
    const int before = QApplication::topLevelWidgets().size();
    for (int round = 0; round < 200; ++round) {
        QWidget parent;
        auto* menu = new WgDropMenu(1 + round % 7, 50, 20, &parent);
        if (round % 3 == 0)
            menu->menuDrop();
        if (round % 2 == 0)
            delete menu; // by hand; otherwise with its parent
    }
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
}
