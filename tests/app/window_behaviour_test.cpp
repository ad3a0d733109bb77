// The frameless window's own behaviour through real mouse events: dragging, minimise, close with
// the Wi-Fi question, the Home sky map following its view, and the column widths of the tables.
#include "WindowHarness.h"
#include "device/CommSpaceManage.h"
#include "widgets/ModSatelliteMap.h"

#include <QGraphicsView>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QCursor>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {

class WindowBehaviour : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w = std::make_unique<CWindowHarness>(0);
        window = w->window();
        ui = w->ui();
        window->move(200, 150);
        w->processEvents();
    }

    void TearDown() override { w.reset(); }

    QWindow* handle() const { return window->windowHandle(); }

    // A point of the widget in the window's own coordinates.
    QPoint at(QWidget* widget) const { return widget->mapTo(window, widget->rect().center()); }

    // Moves the cursor to a global position, as a real mouse would report it to the window.
    void moveCursorTo(QPoint global) { QTest::mouseMove(handle(), handle()->mapFromGlobal(global)); }

    // Clicks the close button inside the application's event loop, as in the program; the loop's
    // exit code, or -1 when the loop was still running after a while.
    int clickCloseInEventLoop()
    {
        QTimer::singleShot(0, window,
                           [this] { QTest::mouseClick(handle(), Qt::LeftButton, Qt::NoModifier, at(ui->btnWinCtrlClose)); });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { qApp->exit(-1); });
        guard.start(CWindowHarness::kWaitMs);
        return qApp->exec();
    }

    std::unique_ptr<CWindowHarness> w;
    AisConfiguration* window = nullptr;
    Ui::AisConfiguration* ui = nullptr;
};

TEST_F(WindowBehaviour, DraggingOnTheTitleBarMovesTheWindowByExactlyTheCursorsMovement)
{
    const QPoint start = window->pos();
    const QPoint press = at(ui->lblBorderTitleName);
    const QPoint pressGlobal = handle()->mapToGlobal(press);

    QTest::mousePress(handle(), Qt::LeftButton, Qt::NoModifier, press);
    moveCursorTo(pressGlobal + QPoint(30, 12));
    EXPECT_EQ(window->pos(), start + QPoint(30, 12));
    moveCursorTo(pressGlobal + QPoint(-45, 67));
    EXPECT_EQ(window->pos(), start + QPoint(-45, 67));
    QTest::mouseRelease(handle(), Qt::LeftButton, Qt::NoModifier, handle()->mapFromGlobal(pressGlobal + QPoint(-45, 67)));

    // Released: the cursor moves on alone.
    moveCursorTo(pressGlobal + QPoint(80, 80));
    EXPECT_EQ(window->pos(), start + QPoint(-45, 67));
}

TEST_F(WindowBehaviour, APressOnAButtonOrWithAnotherButtonDoesNotDrag)
{
    const QPoint start = window->pos();

    // The minimise button keeps its press; released away from it, it is no click either.
    const QPoint onButton = at(ui->btnWinCtrlMin);
    const QPoint buttonGlobal = handle()->mapToGlobal(onButton);
    QTest::mousePress(handle(), Qt::LeftButton, Qt::NoModifier, onButton);
    moveCursorTo(buttonGlobal + QPoint(200, 90));
    QTest::mouseRelease(handle(), Qt::LeftButton, Qt::NoModifier, handle()->mapFromGlobal(buttonGlobal + QPoint(200, 90)));
    EXPECT_EQ(window->pos(), start);
    EXPECT_FALSE(window->isMinimized());

    // The right button, and the left one held together with it, start no drag.
    const QPoint title = at(ui->lblBorderTitleName);
    const QPoint titleGlobal = handle()->mapToGlobal(title);
    QTest::mousePress(handle(), Qt::RightButton, Qt::NoModifier, title);
    moveCursorTo(titleGlobal + QPoint(40, 40));
    QTest::mouseRelease(handle(), Qt::RightButton, Qt::NoModifier, handle()->mapFromGlobal(titleGlobal + QPoint(40, 40)));
    EXPECT_EQ(window->pos(), start);

    QTest::mousePress(handle(), Qt::RightButton, Qt::NoModifier, title);
    QTest::mousePress(handle(), Qt::LeftButton, Qt::NoModifier, title);
    moveCursorTo(titleGlobal + QPoint(25, 25));
    QTest::mouseRelease(handle(), Qt::LeftButton, Qt::NoModifier, handle()->mapFromGlobal(titleGlobal + QPoint(25, 25)));
    QTest::mouseRelease(handle(), Qt::RightButton, Qt::NoModifier, handle()->mapFromGlobal(titleGlobal + QPoint(25, 25)));
    EXPECT_EQ(window->pos(), start);
}

TEST_F(WindowBehaviour, TheMinimiseButtonMinimisesTheWindow)
{
    QTest::mouseClick(handle(), Qt::LeftButton, Qt::NoModifier, at(ui->btnWinCtrlMin));
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(WindowBehaviour, CloseWithoutAWiFiJobEndsTheEventLoopAtOnce)
{
    EXPECT_EQ(clickCloseInEventLoop(), 0);
    EXPECT_TRUE(w->dialogs().asked.empty());
    EXPECT_FALSE(window->isVisible());
}

// The question is asked while the progress page covers the window or the module is in its
// configuration mode; "No" leaves everything as it was.
TEST_F(WindowBehaviour, CloseDuringAWiFiJobAsksAndNoKeepsTheWindow)
{
    CWiFiConfig* wifi = window->getCommManage()->getDeviceComm()->getWiFiConfig();
    struct Case
    {
        const char* name;
        bool progressPage;
        bool configMode;
    };
    for (const Case& c : {Case{"progress page", true, false}, Case{"configuration mode", false, true}}) {
        SCOPED_TRACE(c.name);
        w->dialogs().asked.clear();
        if (c.progressPage) {
            ui->tbwgMain->setCurrentWidget(ui->tbProgressBar);
            window->getView()->switchHomeMenuDisp(false);
        }
        wifi->setSystemMode(c.configMode ? WiFiScope::WIFI_SYS_MODE_CONFIG : WiFiScope::WIFI_SYS_MODE_SENTENCE);
        QWidget* const page = ui->tbwgMain->currentWidget();

        w->dialogs().answers = {QMessageBox::No};
        QTest::mouseClick(handle(), Qt::LeftButton, Qt::NoModifier, at(ui->btnWinCtrlClose));
        ASSERT_EQ(w->dialogs().asked.size(), 1);
        const ScriptedDialogs::SAsked& asked = w->dialogs().asked.front();
        EXPECT_EQ(asked.icon, QMessageBox::Information);
        EXPECT_EQ(asked.title, "Information");
        EXPECT_EQ(asked.text, "Wi-Fi setting is in progress!\nDo you want to force the application to quit?");
        EXPECT_EQ(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(asked.defaultButton, QMessageBox::Yes);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(ui->tbwgMain->currentWidget(), page);

        ui->tbwgMain->setCurrentIndex(0);
        wifi->setSystemMode(WiFiScope::WIFI_SYS_MODE_SENTENCE);
    }
}

TEST_F(WindowBehaviour, CloseDuringAWiFiJobWithYesEndsTheEventLoop)
{
    window->getCommManage()->getDeviceComm()->getWiFiConfig()->setSystemMode(WiFiScope::WIFI_SYS_MODE_CONFIG);
    w->dialogs().answers = {QMessageBox::Yes};
    EXPECT_EQ(clickCloseInEventLoop(), 0);
    EXPECT_EQ(w->dialogs().asked.size(), 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowBehaviour, TheHomeSkyMapFollowsItsViewFrom101PixelsUp)
{
    QGraphicsView* view = ui->gpvwHomeSatelliteMap;
    ModSatelliteMap* map = window->getView()->skyMapHome;
    ASSERT_NE(map, nullptr);
    // The map is a square of the view's height, inside its margin.
    const auto side = [map] { return map->sceneRect().height() + 2 * map->sceneRect().top(); };

    view->resize(view->width(), 180);
    EXPECT_EQ(side(), 180);
    EXPECT_EQ(map->sceneRect().width(), map->sceneRect().height());
    EXPECT_LE(view->viewport()->height(), 180) << "the view lays out its viewport too";
    view->resize(view->width(), 100);
    EXPECT_EQ(side(), 180) << "too small a view leaves the map as it is";
    view->resize(view->width(), 101);
    EXPECT_EQ(side(), 101);
}

TEST_F(WindowBehaviour, ColumnWidthsOfTheThreeTables)
{
    // The vessel tables' widths are the least: a font wider than theirs widens a column (below); on
    // Home the ship's name takes what the others leave.
    const std::vector<int> vessels = {70, 120, 70, 60, 80, 80, 90, 90, 80, 80, 80};
    for (QTableView* table : {ui->tbvwOtherVessels, ui->tbvwHomeOtherVessels}) {
        SCOPED_TRACE(table->objectName().toStdString());
        for (int column = 0; column < static_cast<int>(vessels.size()); ++column) {
            if (!table->isColumnHidden(column) && !(table == ui->tbvwHomeOtherVessels && column == 1)) {
                EXPECT_GE(table->columnWidth(column), vessels[column]) << "column " << column;
            }
        }
    }
    const std::vector<int> accessPoints = {36, 36, 194, 96, 36};
    for (int column = 0; column + 1 < static_cast<int>(accessPoints.size()); ++column)
        EXPECT_EQ(ui->tbvwWiFiCfgClient->columnWidth(column), accessPoints[column]) << "column " << column;

    EXPECT_FALSE(w->grab("window-home").isEmpty());
}

} // namespace

namespace {

// The window moves with the cursor, so a drag begun on a Home panel ends over the same panel:
// that release is the end of a drag, not a click that opens the panel's page.
TEST(WindowDrag, ADragBegunOnAHomePanelOpensNoPageWhereAClickDoes)
{
    CWindowHarness w;
    // Without a Wi-Fi module no power reminder waits over the Home page.
    w.sim().modifyState([](SSimTransponderState& s) { s.wifiModule = 0; });
    ASSERT_TRUE(w.connectAndDetect());
    Ui::AisConfiguration* ui = w.ui();
    ASSERT_TRUE(ui->wgMainHome->isVisible());
    AisConfiguration* window = w.window();
    QWindow* handle = window->windowHandle();
    // A point of the Configuration panel that is no control: below its last row.
    QWidget* panel = ui->wgHomeConfiguration;
    const QPoint inPanel = panel->mapTo(window, QPoint(panel->width() / 2, panel->height() - 8));
    QWidget* under = window->childAt(inPanel);
    ASSERT_TRUE(under == panel || panel->isAncestorOf(under));
    const QPoint start = window->pos();
    const QPoint pressGlobal = handle->mapToGlobal(inPanel);

    // The cursor as the system moves it: the window sees each move with the button held.
    QCursor::setPos(pressGlobal);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, inPanel);
    QCursor::setPos(pressGlobal + QPoint(60, 40));
    w.processEvents();
    ASSERT_EQ(window->pos(), start + QPoint(60, 40));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, inPanel);
    w.processEvents();
    EXPECT_TRUE(ui->wgMainHome->isVisible()) << "the drag opened a page";

    // A click on the panel where it now stands opens its page.
    QCursor::setPos(handle->mapToGlobal(inPanel));
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, inPanel);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, inPanel);
    w.processEvents();
    EXPECT_EQ(ui->tbwgMain->currentWidget(), ui->tabMainConfiguration);
    EXPECT_FALSE(ui->wgMainHome->isVisible());
}

} // namespace

namespace {

// The table as text, for the reader of a failed test.
std::string rowsOf(const QTableView* table)
{
    std::string text;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        for (int column = 0; column < table->model()->columnCount(); ++column)
            text += table->model()->index(row, column).data().toString().toStdString() + " | ";
        text += "\n";
    }
    return text;
}

// Whatever the font, the vessel tables show a value of a fixed format whole: the nine digits of an
// MMSI, a position, a call sign. The Other Vessels page shows every header whole too, and scrolls
// sideways when the columns need more room than it has; the Home table, which cannot, keeps its
// last column in view.
TEST(VesselColumns, ShowEveryValueWholeAndTheOtherVesselsPageEveryHeader)
{
    CWindowHarness w;
    w.sim().modifyState([](SSimTransponderState& s) {
        s.wifiModule = 0;
        SSimTarget south;
        south.mmsi = 503987654;
        south.latitude = -33.8765;
        south.longitude = 151.2345;
        south.sog = 101.5;
        south.cog = 359.9;
        south.name = "SOUTHERN CROSS";
        south.callSign = "VJWM688";
        SSimTarget west;
        west.mmsi = 338123456;
        west.latitude = 47.6062;
        west.longitude = -122.3321;
        west.channel = 'B';
        west.messageId = 18;
        west.sog = 12.3;
        west.cog = 181.5;
        west.name = "PUGET";
        west.callSign = "WDM8877";
        s.targets = {south, west};
    });
    ASSERT_TRUE(w.connectAndDetect());
    Ui::AisConfiguration* ui = w.ui();
    QTest::mouseClick(ui->btnMMOtherVessels, Qt::LeftButton);
    QTableView* table = ui->tbvwOtherVessels;
    // The transponder's own two stations may be heard before the test gives it these.
    const auto shown = [table](const QString& callSign) {
        return !table->model()->match(table->model()->index(0, 2), Qt::DisplayRole, callSign).isEmpty();
    };
    ASSERT_TRUE(w.tickAsHeard([&] { return shown("VJWM688") && shown("WDM8877"); })) << rowsOf(table);
    QHeaderView* header = table->horizontalHeader();
    int total = 0;
    for (int column = 0; column < header->count(); ++column) {
        const std::string name = header->model()->headerData(column, Qt::Horizontal).toString().toStdString();
        const int width = table->columnWidth(column);
        total += width;
        if (column != 1) { // a long ship's name may be cut
            EXPECT_GE(width, static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column)) << name;
        }
        EXPECT_GE(width, header->sectionSizeHint(column)) << name;
    }
    EXPECT_EQ(table->horizontalScrollBar()->isVisible(), total > table->viewport()->width());
    w.grab("vessel-columns-other-vessels");
    table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
    EXPECT_LE(table->columnViewportPosition(10) + table->columnWidth(10), table->viewport()->width());
    w.grab("vessel-columns-other-vessels-scrolled");

    QTest::mouseClick(ui->btnMMHome, Qt::LeftButton);
    w.tick();
    QTableView* home = ui->tbvwHomeOtherVessels;
    for (int column : {0, 2, 8, 9}) {
        EXPECT_GE(home->columnWidth(column), static_cast<QAbstractItemView*>(home)->sizeHintForColumn(column))
            << "column " << column;
    }
    // Bearing, the last shown, shows its values inside the view.
    EXPECT_LE(home->columnViewportPosition(9) + static_cast<QAbstractItemView*>(home)->sizeHintForColumn(9),
              home->viewport()->width());
    w.grab("vessel-columns-home");
}

} // namespace
