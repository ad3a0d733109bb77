// Home, GPS Status, Diagnostics and Other Vessels through the window against the simulated
// transponder, with the tick and the clock driven by the test; page switching, the Wi-Fi power
// reminder and the Configuration page's arrows.
#include "WindowHarness.h"

#include "QtPrint.h"
#include "WiFiWindow.h"

#include "AlarmProbe.h"
#include "LogProbe.h"
#include "SimSentence.h"
#include "device/CommSpaceManage.h"
#include "services/Singleton.h"
#include "widgets/LibraryImage.h"
#include "view/TargetExchangeSet.h"
#include "widgets/ModSatelliteMap.h"

#include <QCursor>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

time_t harnessSeconds()
{
    return static_cast<time_t>(CWindowHarness::clockMs() / 1000);
}

// The targets' clocks follow the window's, so that report ages and age-outs follow the ticks.
// Set before the window and its communication thread exist, restored after they are gone.
struct STargetClocks
{
    STargetClocks()
    {
        SensorScope::CAisData::setHostClock(&harnessSeconds);
        SensorScope::Target::CTargetNavi::setHostClock(&harnessSeconds);
        CTargetExchangeSet::setHostClock(&harnessSeconds);
    }
    ~STargetClocks()
    {
        SensorScope::CAisData::setHostClock(&SensorScope::HostTime);
        SensorScope::Target::CTargetNavi::setHostClock(&SensorScope::HostTime);
        CTargetExchangeSet::setHostClock(&SensorScope::HostTime);
    }
};

const std::vector<SSimSatellite> kSatellites = {
    {4, 60, 45, 42, true},
    {7, 30, 200, 35, true},
    {9, 15, 300, 0, false}, // seen, not tracked
    {12, 45, 120, 28, false},
    {17, -1, -1, 0, false}, // listed, not yet located
};

// Whether a label shows the picture at the path.
bool shows(const QLabel* label, const QString& path)
{
    const QPixmap shown = label->pixmap(Qt::ReturnByValue);
    return !shown.isNull() && shown.toImage() == QPixmap(path).toImage();
}

QString lamp(const char* colour)
{
    return QStringLiteral(":/Led/Symbol/Led/A30/%1.png").arg(QLatin1String(colour));
}

QString check(bool good)
{
    return Pattern::Singleton<LibraryImage>::instance()->getReportStatusImagePath(good ? 0 : 1);
}

SSimTarget target(uint32_t mmsi, double lat, double lon, int messageId, char channel, double sog, double cog,
                  const char* name, const char* callSign)
{
    SSimTarget t;
    t.mmsi = mmsi;
    t.latitude = lat;
    t.longitude = lon;
    t.messageId = messageId;
    t.channel = channel;
    t.sog = sog;
    t.cog = cog;
    t.name = name;
    t.callSign = callSign;
    return t;
}

class StatusPages : public ::testing::Test
{
protected:
    // Ticks until the condition holds; the transponder's sentences come in real time, and a tick
    // waits for them: the stations report each real second, and a clock stepped hundreds of
    // seconds between two of their reports would age them out of the table.
    bool tickUntil(const std::function<bool()>& condition) { return w.tickAsHeard(condition); }

    void show(QAbstractButton* menuButton) { QTest::mouseClick(menuButton, Qt::LeftButton); }

    // A mouse click over a point of a widget, the cursor put there first, as a person does it.
    // Pending layouts are done first: a page switch moves the Home panels.
    void releaseOver(QWidget* widget, QPoint at = QPoint(-1, -1))
    {
        w.processEvents();
        if (at.x() < 0)
            at = widget->rect().center();
        QCursor::setPos(widget->mapToGlobal(at));
        QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
        w.processEvents();
    }

    QStringList column(const QTableView* table, int col) const
    {
        QStringList texts;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            texts << table->model()->index(row, col).data().toString();
        return texts;
    }

    STargetClocks clocks;
    CWindowHarness w;
};

// The pages of a transponder without a Wi-Fi module: its Wi-Fi procedure plays no part.
class StatusPagesNoWiFi : public StatusPages
{
protected:
    void SetUp() override
    {
        w.sim().modifyState([](SSimTransponderState& s) { s.wifiModule = 0; });
    }
};

} // namespace

TEST_F(StatusPagesNoWiFi, HomeShowsTheTransponderItsFixAndTheTargetsAndItsPanelsOpenTheirPages)
{
    w.sim().modifyState([](SSimTransponderState& s) {
        s.satellites = kSatellites;
        s.targets = {target(244000001, 52.375, 4.625, 1, 'A', 12.5, 90.0, "NORDIC STAR", "DABC"),
                     target(244000002, 52.125, 4.375, 18, 'B', 5.0, 180.0, "SEA BREEZE", "WDE5432")};
    });
    ASSERT_TRUE(w.connectAndDetect());
    Ui::AisConfiguration* ui = w.ui();
    ASSERT_TRUE(tickUntil([&] { return column(ui->tbvwHomeOtherVessels, 1).contains("SEA BREEZE"); }));
    EXPECT_TRUE(ui->wgMainHome->isVisible());
    EXPECT_EQ(ui->lblHomeShipName->text(), "SEA SIMULATOR");
    EXPECT_EQ(ui->lblHomeCallSign->text(), "WDA1234");
    EXPECT_EQ(ui->lblHomeMmsi->text(), "366123456");
    EXPECT_EQ(ui->lblHomeVesselType->text(), "37 = Vessel-Pleasure craft");
    EXPECT_EQ(ui->lblHomeProductSNValue->text(), "SN778899");
    EXPECT_EQ(ui->lblHomeProductFVValue->text(), "2.4.1");
    EXPECT_EQ(column(ui->tbvwHomeOtherVessels, 0), QStringList({"244000001", "244000002"}));
    for (int col = 0; col < TG_ITEM_CELL_COUNT; ++col) {
        const bool shown = col == 0 || col == 1 || col == 2 || col == 8 || col == 9;
        EXPECT_EQ(!ui->tbvwHomeOtherVessels->isColumnHidden(col), shown) << col;
    }
    ASSERT_TRUE(tickUntil([&] { return w.view()->skyMapHome->symbolItem(0).isVisible(); }));
    EXPECT_TRUE(w.view()->skyMapHome->symbolItem(3).isVisible());
    w.grab("status-home");

    // A release over a panel opens its page; one between the panels keeps Home.
    releaseOver(ui->wgHomeGPSStatus);
    EXPECT_EQ(ui->tbwgMain->currentWidget(), ui->tabMainGPSStatus);
    EXPECT_FALSE(ui->wgMainHome->isVisible());
    show(ui->btnMMHome);
    w.processEvents();
    ASSERT_TRUE(ui->wgMainHome->isVisible());
    // The point halfway between the Configuration and the GPS Status panels.
    const QPoint configurationBottom =
        ui->wgHomeConfiguration->mapTo(ui->wgMainHome, ui->wgHomeConfiguration->rect().bottomLeft());
    const QPoint gpsTop = ui->wgHomeGPSStatus->mapTo(ui->wgMainHome, QPoint(0, 0));
    ASSERT_LT(configurationBottom.y() + 1, gpsTop.y()) << "the panels have a gap between them";
    releaseOver(ui->wgMainHome, QPoint(gpsTop.x() + 50, (configurationBottom.y() + gpsTop.y() + 1) / 2));
    EXPECT_TRUE(ui->wgMainHome->isVisible());
    const struct
    {
        QWidget* panel;
        QWidget* page;
    } panels[] = {{ui->wgHomeConfiguration, ui->tabMainConfiguration},
                  {ui->wgHomeDiagnostics, ui->tabMainDiagnostics},
                  {ui->wgHomeOtherVessels, ui->tabMainOtherVessels}};
    for (const auto& p : panels) {
        show(ui->btnMMHome);
        releaseOver(p.panel);
        EXPECT_EQ(ui->tbwgMain->currentWidget(), p.page) << p.panel->objectName().toStdString();
    }

    // The Serial Data page of the same session, for the pictures.
    show(ui->btnMMSerialData);
    ASSERT_TRUE(w.waitFor([&] { return ui->txbwSerialRx->toPlainText().count("!AIVDM") >= 6; }));
    // The monitor's layout catches up with the text a moment later.
    w.waitFor([] { return false; }, 800);
    w.grab("status-serial");
}

TEST_F(StatusPagesNoWiFi, GpsStatusDrawsTheSkyMapAndTheSignalBarsFromGsvAndGsa)
{
    ASSERT_TRUE(w.connectAndDetect());
    Ui::AisConfiguration* ui = w.ui();
    show(ui->btnMMGPSStatus);
    ASSERT_EQ(ui->tbwgMain->currentWidget(), ui->tabMainGPSStatus);
    ASSERT_TRUE(tickUntil([&] { return ui->lblSatelliteLatText->text().startsWith("52"); }));
    // No satellites in view: both maps empty, no bar.
    EXPECT_TRUE(w.view()->snrHistogram.items().isEmpty());
    for (int slot = 0; slot < ModSatelliteMap::kSlotCount; ++slot) {
        EXPECT_FALSE(w.view()->skyMapGps->symbolItem(slot).isVisible()) << slot;
        EXPECT_FALSE(w.view()->skyMapHome->symbolItem(slot).isVisible()) << slot;
    }

    w.sim().modifyState([](SSimTransponderState& s) { s.satellites = kSatellites; });
    // The Home map is drawn before the GPS page on a tick: it may show the satellites a tick later.
    ASSERT_TRUE(tickUntil([&] {
        return w.view()->snrHistogram.items().size() == 3 && w.view()->skyMapHome->symbolItem(3).isVisible() &&
               w.view()->skyMapGps->symbolItem(3).isVisible();
    }));
    const auto& bars = w.view()->snrHistogram.items();
    EXPECT_EQ(bars[0].label, "4");
    EXPECT_EQ(bars[0].value, 42);
    EXPECT_EQ(bars[1].label, "7");
    EXPECT_EQ(bars[2].label, "12") << "the satellite without a signal has no bar";
    EXPECT_EQ(bars[0].color, bars[1].color) << "both in use";
    EXPECT_NE(bars[0].color, bars[2].color) << "in use and only in view differ";
    ASSERT_EQ(bars.size(), 3) << "neither satellite without a signal has a bar";
    for (ModSatelliteMap* map : {w.view()->skyMapGps, w.view()->skyMapHome}) {
        EXPECT_TRUE(map->symbolItem(0).isVisible());
        EXPECT_TRUE(map->symbolItem(1).isVisible());
        EXPECT_TRUE(map->symbolItem(2).isVisible()) << "in view without a signal: on the map";
        EXPECT_TRUE(map->labelItem(2).isVisible());
        EXPECT_EQ(map->labelItem(2).toPlainText(), "9");
        EXPECT_EQ(map->symbolItem(2).brush().color(), map->symbolItem(3).brush().color()) << "both in view only";
        EXPECT_TRUE(map->symbolItem(3).isVisible());
        EXPECT_NE(map->symbolItem(0).brush().color(), map->symbolItem(3).brush().color());
        EXPECT_FALSE(map->symbolItem(4).isVisible()) << "not yet located: no place on the map";
        EXPECT_FALSE(map->labelItem(4).isVisible());
    }
    // Where elevation 15 and azimuth 300 put it: low in the west-north-west.
    int x = 0;
    int y = 0;
    w.view()->skyMapGps->convertSatellitePositionToScreenXY(300, 15, &x, &y);
    EXPECT_EQ(w.view()->skyMapGps->symbolItem(2).pos(), QPointF(x, y));
    EXPECT_EQ(ui->lblSatelliteFixText->text(), "3D");
    EXPECT_NE(ui->lblSatelliteUtcText->text(), "--");
    EXPECT_EQ(ui->lblSatelliteHdopText->text(), " 0.9");
    EXPECT_EQ(ui->lblSatelliteSogText->text(), "5.5 Kn");
    EXPECT_EQ(ui->lblSatelliteCogText->text(), QString::fromUtf8("87\xC2\xB0"));
    w.grab("status-gps");
}

TEST_F(StatusPagesNoWiFi, DiagnosticsQueriesItsStatusEveryFiveSecondsOnThatPageOnlyAndCountsPerChannel)
{
    w.sim().setPeriodMs(0);
    ASSERT_TRUE(w.connectAndDetect());
    Ui::AisConfiguration* ui = w.ui();
    const std::string statusQuery = "$PQXV,Q,CFG,8117,";
    w.waitSettled();
    w.sim().clearReceived();
    w.tick(10);
    w.processEvents();
    EXPECT_TRUE(w.sim().receivedStartingWith(statusQuery).empty()) << "not on the Home page";

    show(ui->btnMMDiagnostics);
    w.sim().clearReceived(); // the first tick on the page asks at once
    w.tick(10);
    ASSERT_TRUE(w.waitFor([&] { return w.sim().receivedStartingWith(statusQuery).size() >= 2; }));
    w.waitSettled();
    EXPECT_EQ(w.sim().receivedStartingWith(statusQuery).size(), 2u) << "one every 5 s of ten ticks";
    EXPECT_TRUE(w.sim().receivedStartingWith("$PQXV,Q,CFG,108,").empty()) << "only the status group";

    // Lamps from the reply: Power OK and Error on, Tx Timeout and Silent Mode off.
    w.sim().modifyState([](SSimTransponderState& s) {
        const int status[5] = {0, 1, 0, 1, 0};
        std::copy(status, status + 5, s.status);
    });
    w.tick(5);
    ASSERT_TRUE(w.tickUntil([&] { return w.handle()->getDisplayedConfig()->aiCfgStatus[3] == 1; }, 20));

    w.tick();
    EXPECT_TRUE(shows(ui->imgDiagStatusPowerOk, lamp("Green")));
    EXPECT_TRUE(shows(ui->imgDiagStatusTxTimeout, lamp("Gray")));
    EXPECT_TRUE(shows(ui->imgDiagStatusError, lamp("Red")));
    EXPECT_TRUE(shows(ui->imgDiagStatusSilentMode, lamp("Gray")));
    EXPECT_TRUE(shows(ui->imgDiagCheckExtPwr, check(true)));
    EXPECT_TRUE(shows(ui->imgDiagCheckMmsi, check(true)));

    // The transponder's own messages and those it hears, by channel.
    auto vdm = [](const char* formatter, char channel, uint32_t mmsi) {
        SimSentence::SPositionReport report;
        report.mmsi = mmsi;
        report.latitude = 52.0;
        report.longitude = 4.0;
        return SimSentence::encapsulate(formatter, channel, report);
    };
    LogProbe refreshLog;
    w.sim().clearReceived();
    QTest::mouseClick(ui->btnDiagRefresh, Qt::LeftButton);
    EXPECT_EQ(refreshLog.count("Diagnostics refresh clicked"), 1);
    EXPECT_EQ(ui->lblDiagRxChAValue->text(), "0");
    EXPECT_EQ(w.handle()->getDisplayedConfig()->aiCfgStatus[1], -1) << "statuses cleared";
    for (const QLabel* grey : {ui->imgDiagStatusPowerOk, ui->imgDiagStatusTxTimeout, ui->imgDiagStatusError,
                               ui->imgDiagStatusSilentMode})
        EXPECT_TRUE(shows(grey, lamp("Gray"))) << grey->objectName().toStdString();
    EXPECT_TRUE(shows(ui->imgDiagCheckExtPwr, check(false)));
    EXPECT_TRUE(shows(ui->imgDiagCheckAisRxPos, check(false)));
    std::string burst;
    for (int i = 0; i < 3; ++i)
        burst += vdm("VDM", 'A', 244000100 + i);
    for (int i = 0; i < 2; ++i)
        burst += vdm("VDM", 'B', 244000200 + i);
    burst += vdm("VDO", 'A', 366123456);
    for (int i = 0; i < 4; ++i)
        burst += vdm("VDO", 'B', 366123456);
    w.sim().send(burst);
    ASSERT_TRUE(tickUntil([&] { return ui->lblDiagTxChBValue->text() == "4"; }));
    EXPECT_EQ(ui->lblDiagRxChAValue->text(), "3");
    EXPECT_EQ(ui->lblDiagRxChBValue->text(), "2");
    EXPECT_EQ(ui->lblDiagTxChAValue->text(), "1");
    ASSERT_TRUE(tickUntil([&] { return w.handle()->getDisplayedConfig()->aiCfgStatus[1] == 1; }))
        << "read again after Refresh";
    EXPECT_TRUE(w.waitFor([&] { return !w.sim().receivedStartingWith("$PTST,").empty(); }))
        << "Refresh reads the whole configuration";
    // The picture once the product data and the checks are back.
    EXPECT_TRUE(tickUntil([&] {
        return ui->lblDiagProductSNValue->text() == "SN778899" && shows(ui->imgDiagCheckMmsi, check(true));
    }));
    w.grab("status-diagnostics");
}

TEST_F(StatusPagesNoWiFi, OtherVesselsListsSortsAndFollowsTheTargets)
{
    w.sim().modifyState([](SSimTransponderState& s) {
        s.targets = {target(244000001, 52.375, 4.625, 1, 'A', 12.5, 90.0, "NORDIC STAR", "DABC"),
                     target(244000002, 52.125, 4.375, 18, 'B', 5.0, 180.0, "SEA BREEZE", "WDE5432")};
    });
    ASSERT_TRUE(w.connectAndDetect());
    Ui::AisConfiguration* ui = w.ui();
    show(ui->btnMMOtherVessels);
    ASSERT_EQ(ui->tbwgMain->currentWidget(), ui->tabMainOtherVessels);
    QTableView* table = ui->tbvwOtherVessels;
    ASSERT_TRUE(tickUntil([&] { return column(table, 1) == QStringList({"NORDIC STAR", "SEA BREEZE"}); }));
    const QStringList headers = {"MMSI",      "Ship's Name", "Call Sign",  "Class",
                                 "Speed (Kn)", "Course",     "Latitude",   "Longitude",
                                 "Range (NM)", QString::fromUtf8("Bearing (\xC2\xB0)"), "Report Age (s)"};
    for (int col = 0; col < headers.size(); ++col)
        EXPECT_EQ(table->model()->headerData(col, Qt::Horizontal).toString(), headers[col]);
    QStringList first;
    for (int col = 0; col < TG_ITEM_CELL_COUNT; ++col)
        first << table->model()->index(0, col).data().toString();
    EXPECT_EQ(first.mid(0, 8), QStringList({"244000001", "NORDIC STAR", "DABC", "A", "12.5", "90",
                                            QString::fromUtf8(" 52\xC2\xB0" "22'30\"N"),
                                            QString::fromUtf8("  4\xC2\xB0" "37'30\"E")}));

    // A third station appears; every column sorts by a click on its header, again the other way.
    w.sim().modifyState([](SSimTransponderState& s) {
        s.targets.push_back(target(211000003, 52.25, 4.875, 1, 'A', 0.0, 360.0, "ALPHA", "PBAA"));
    });
    ASSERT_TRUE(tickUntil([&] { return table->model()->rowCount() == 3 && column(table, 1).contains("ALPHA"); }));
    QHeaderView* header = table->horizontalHeader();
    for (int col = 0; col < TG_ITEM_CELL_COUNT; ++col) {
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            if (header->sortIndicatorSection() != col || header->sortIndicatorOrder() != order)
                QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2,
                                         header->height() / 2));
            if (header->sortIndicatorOrder() != order)
                QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2,
                                         header->height() / 2));
            ASSERT_EQ(header->sortIndicatorSection(), col);
            ASSERT_EQ(header->sortIndicatorOrder(), order);
            w.tick(); // the refresh keeps the order
            const QStringList values = column(table, col);
            const auto sortType = w.window()->getTargetModel()->itemSequence().aSortType[col];
            for (int row = 0; row + 1 < values.size(); ++row) {
                const QString& earlier = values[row];
                const QString& later = values[row + 1];
                const bool wrong = order == Qt::AscendingOrder
                                       ? CSortFilterProxyModel::compResult(later, earlier, sortType)
                                       : CSortFilterProxyModel::compResult(earlier, later, sortType);
                EXPECT_FALSE(wrong) << "column " << col << " order " << order << ": "
                                    << values.join(" | ").toStdString();
            }
        }
    }

    // The first station moves; the second is heard no more.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    w.sim().modifyState([](SSimTransponderState& s) {
        s.targets = {target(244000001, 52.5, 4.625, 1, 'A', 12.5, 90.0, "NORDIC STAR", "DABC"),
                     target(211000003, 52.25, 4.875, 1, 'A', 0.0, 360.0, "ALPHA", "PBAA")};
    });
    ASSERT_TRUE(tickUntil([&] { return column(table, 6).contains(QString::fromUtf8(" 52\xC2\xB0" "30' 0\"N")); }));
    w.grab("status-vessels");
    // Not heard any more, the second station's report age counts on.
    const int second = column(table, 0).indexOf("244000002");
    ASSERT_GE(second, 0);
    const int ageBefore = table->model()->index(second, TG_ITEM_REPORT_AGE).data().toInt();
    w.advanceClock(300 * 1000);
    w.tick();
    const int row = column(table, 0).indexOf("244000002");
    EXPECT_GE(table->model()->index(row, TG_ITEM_REPORT_AGE).data().toInt(), ageBefore + 300);
    EXPECT_EQ(ui->tbvwHomeOtherVessels->model(), table->model()) << "the Home list is the same model";

    // Silent past the table's delete time (600 s), the second station leaves both lists on one
    // tick; the others, heard again meanwhile, stay, and so does the row the user picked. Its MMSI
    // is the highest, the row the last of the table's own order.
    const int picked = column(table, 0).indexOf("244000001");
    ASSERT_GE(picked, 0);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      table->visualRect(table->model()->index(picked, TG_ITEM_NAME)).center());
    ASSERT_EQ(table->selectionModel()->selectedRows().size(), 1);
    w.advanceClock(301 * 1000);
    const time_t afterSilence = harnessSeconds();
    auto heardSince = [&](uint32_t mmsi) {
        for (const SensorScope::Target::STargetCopy& heard : w.device()->getTargetInfo()->getTargetCopies()) {
            if (heard.ais.m_mmsi == mmsi)
                return heard.updateTime >= afterSilence;
        }
        return false;
    };
    ASSERT_TRUE(w.waitFor([&] { return heardSince(244000001) && heardSince(211000003); }));
    AlarmProbe ageLog;
    w.tick();
    for (const QTableView* list : {table, ui->tbvwHomeOtherVessels}) {
        QStringList shown = column(list, 0);
        shown.sort();
        EXPECT_EQ(shown, QStringList({"211000003", "244000001"})) << list->objectName().toStdString();
    }
    EXPECT_EQ(ageLog.count("Target's count is not match"), 0) << "a station ageing out is no error";
    const QModelIndexList selected = table->selectionModel()->selectedRows(TG_ITEM_MMSI);
    ASSERT_EQ(selected.size(), 1) << "the picked row stays picked";
    EXPECT_EQ(selected[0].data().toString(), "244000001");
    w.grab("status-vessels-aged");
}

// How long such a tick holds the window is a figure of the benchmarks
// (BM_TickWith2000TargetsOnOtherVessels), not of a test whose verdict a busy machine would sway.
TEST_F(StatusPagesNoWiFi, TwoThousandTargetsFillTheTableOneRowEach)
{
    w.sim().modifyState([](SSimTransponderState& s) {
        s.targets.clear();
        for (int i = 0; i < 2000; ++i)
            s.targets.push_back(target(200000000 + i * 37, 52.0 + (i % 50) * 0.01, 4.0 + (i / 50) * 0.01, i % 2 ? 18 : 1,
                                       i % 2 ? 'B' : 'A', i % 30, (i * 7) % 360, "", ""));
    });
    ASSERT_TRUE(w.connectAndDetect());
    show(w.ui()->btnMMOtherVessels);
    QTableView* table = w.ui()->tbvwOtherVessels;
    // Every station heard once, then the ticks that show them.
    ASSERT_TRUE(w.waitFor([&] { return w.device()->getTargetInfo()->targetCount() >= 2000; }));
    w.tick(3);
    ASSERT_GE(table->model()->rowCount(), 2000);
    QStringList shown = column(table, 0);
    shown.removeDuplicates();
    EXPECT_EQ(shown.size(), table->model()->rowCount()) << "one row a station";
    for (int i : {0, 999, 1999})
        EXPECT_TRUE(shown.contains(QString::number(200000000 + i * 37))) << i;
    EXPECT_EQ(w.ui()->tbvwHomeOtherVessels->model()->rowCount(), table->model()->rowCount());
    w.grab("status-vessels-2000");
}

TEST_F(StatusPagesNoWiFi, MenuAndPanelsDoNothingUntilTheConfigurationShows)
{
    ASSERT_TRUE(w.connect());
    Ui::AisConfiguration* ui = w.ui();
    EXPECT_FALSE(ui->wgMainMenu->isEnabled());
    w.window()->onMainMenuSwitch(2);
    releaseOver(ui->wgHomeGPSStatus);
    EXPECT_TRUE(ui->wgMainHome->isVisible());
    EXPECT_NE(ui->tbwgMain->currentWidget(), ui->tabMainGPSStatus);

    // Detection as the harness does it.
    w.tickUntil([&] { return w.detectState() == COMM_TRX_DEV_CONFIG_SHOWN; }, 40);
    ASSERT_EQ(w.detectState(), COMM_TRX_DEV_CONFIG_SHOWN);
    const struct
    {
        QAbstractButton* button;
        QWidget* page;
    } menu[] = {{ui->btnMMConfiguration, ui->tabMainConfiguration}, {ui->btnMMGPSStatus, ui->tabMainGPSStatus},
                {ui->btnMMDiagnostics, ui->tabMainDiagnostics},     {ui->btnMMOtherVessels, ui->tabMainOtherVessels},
                {ui->btnMMSerialData, ui->tabMainSerialData}};
    for (const auto& m : menu) {
        show(m.button);
        EXPECT_EQ(ui->tbwgMain->currentWidget(), m.page) << m.button->objectName().toStdString();
        EXPECT_TRUE(m.button->isChecked());
        EXPECT_TRUE(ui->tbwgMain->isVisible());
        EXPECT_FALSE(ui->wgMainHome->isVisible());
    }
    show(ui->btnMMHome);
    EXPECT_TRUE(ui->wgMainHome->isVisible());
    EXPECT_FALSE(ui->tbwgMain->isVisible());
}

TEST_F(StatusPages, ThePowerReminderShowsOncePerConnectionAndNoHidesWiFi)
{
    ASSERT_EQ(w.sim().state().wifiModule, 2) << "the simulated transponder has a Wi-Fi module";
    w.dialogs().answers.push_back(QMessageBox::No);
    ASSERT_TRUE(w.connectAndDetect());
    const QString reminder = w.view()->wifiText.strPowerSupply;
    auto reminders = [&] {
        int count = 0;
        for (const auto& asked : w.dialogs().asked)
            count += asked.text == reminder ? 1 : 0;
        return count;
    };
    ASSERT_EQ(reminders(), 1);
    const ScriptedDialogs::SAsked box = w.dialogs().asked.last();
    EXPECT_EQ(box.title, "Information");
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.buttons, QMessageBox::No | QMessageBox::Ok);
    EXPECT_EQ(box.defaultButton, QMessageBox::Ok);
    // Answered No: Wi-Fi stays hidden, the procedure rests in Power Fail.
    EXPECT_EQ(w.device()->getWiFiConfig()->m_powerConfirmed, 0);
    EXPECT_EQ(w.device()->getWiFiConfig()->m_mainProc, WiFiScope::WIFI_MAIN_PROC_POWER_FAIL);
    w.tick(5);
    QTest::mouseClick(w.ui()->btnDiagRefresh, Qt::LeftButton); // another hand-over
    w.tick(5);
    EXPECT_EQ(reminders(), 1) << "once per connection";
    EXPECT_FALSE(w.ui()->btnMMWiFi->isVisible());
    EXPECT_FALSE(w.ui()->wgHomeWiFi->isVisible());

    // The next connection asks again; Ok shows the Wi-Fi entries.
    w.clickConnect();
    ASSERT_TRUE(w.waitFor([&] { return !w.ui()->btnCommConnt->isChecked() && w.ui()->btnCommConnt->isEnabled(); }));
    w.dialogs().answers.push_back(QMessageBox::Ok);
    ASSERT_TRUE(w.connectAndDetect());
    EXPECT_EQ(reminders(), 2);
    EXPECT_EQ(w.device()->getWiFiConfig()->m_powerConfirmed, 1);
    EXPECT_TRUE(w.ui()->btnMMWiFi->isVisibleTo(w.ui()->wgMainMenu));
}

// The reminder opens inside the hand-over: a hang-up under it ends that hand-over, so that the
// next connection lays out the groups of its own configuration.
TEST_F(StatusPages, AHangUpUnderThePowerReminderLeavesTheNextConnectionEveryGroup)
{
    ASSERT_TRUE(w.connect());
    bool hungUp = false;
    {
        WiFiWindow::CWhileBoxOpen box(w.dialogs(), [&] {
            hungUp = true;
            EXPECT_TRUE(w.hangUp());
        });
        ASSERT_TRUE(w.tickUntil([&] { return hungUp; }));
    }
    EXPECT_FALSE(w.view()->cfgLayoutInfo.bBuilt);

    ASSERT_TRUE(w.sim().reopen());
    w.dialogs().answers.push_back(QMessageBox::Ok);
    ASSERT_TRUE(w.connectAndDetect());
    const SCfgLayoutInfo& layout = w.view()->cfgLayoutInfo;
    EXPECT_TRUE(layout.bSrm);
    EXPECT_TRUE(layout.bEncryption);
    EXPECT_EQ(layout.iPageCount, 2);
    EXPECT_TRUE(layout.lstFirstPage.contains(w.ui()->wgCfgSRM));
    EXPECT_TRUE(w.ui()->wgCfgSRM->isVisibleTo(w.ui()->tabMainConfiguration));
}

TEST_F(StatusPagesNoWiFi, TheConfigurationArrowsMoveBetweenTheFirstTwoLayoutPages)
{
    ASSERT_TRUE(w.connectAndDetect());
    Ui::AisConfiguration* ui = w.ui();
    show(ui->btnMMConfiguration);
    const SCfgLayoutInfo& layout = w.view()->cfgLayoutInfo;
    ASSERT_GE(layout.iPageCount, 2) << "model 1 with SRM and encryption needs two pages";
    ASSERT_EQ(layout.iCurrentPage, 0);
    w.grab("status-configuration");
    LogProbe log;
    releaseOver(ui->wgCfgRightPage);
    EXPECT_EQ(layout.iCurrentPage, 1);
    EXPECT_TRUE(ui->wgCfgLeftPage->isVisible());
    EXPECT_FALSE(ui->wgCfgRightPage->isVisible());
    // Another release where the right arrow was: no third page.
    w.window()->gdLayOutCfgClick();
    EXPECT_EQ(layout.iCurrentPage, 1);
    EXPECT_EQ(log.count("Configuration change to page 1"), 2);
    w.grab("status-configuration-second-page");
    releaseOver(ui->wgCfgLeftPage);
    EXPECT_EQ(layout.iCurrentPage, 0);
    EXPECT_TRUE(ui->wgCfgRightPage->isVisible());
    EXPECT_EQ(log.count("Configuration change to page 0"), 1);
}

