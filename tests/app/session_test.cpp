// One person's whole session with the program, through the real window, against the simulated
// transponder and its Wi-Fi module: start, connect, detection, the configuration read, changed
// and programmed, the MMSI reset and a new one programmed, GPS status, diagnostics, the other
// vessels, the serial data and its log, the summary report, three Wi-Fi jobs, About, disconnect
// and close. A picture of each page is saved as the session goes, into the folder it names.
// The same suite runs offscreen and, where Xvfb is installed, on an X server (tests/app/CMakeLists.txt).
#include "WiFiWindow.h"

#include "MainRoadSupport.h"
#include "app/AboutForm.h"
#include "view/TargetExchangeSet.h"
#include "widgets/ModSatelliteMap.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include <cstdio>

using namespace WiFiScope;

namespace {

SSimTarget station(uint32_t mmsi, double lat, double lon, int messageId, double sog, double cog, const char* name,
                   const char* callSign)
{
    SSimTarget t;
    t.mmsi = mmsi;
    t.latitude = lat;
    t.longitude = lon;
    t.messageId = messageId;
    t.channel = messageId == 18 ? 'B' : 'A';
    t.sog = sog;
    t.cog = cog;
    t.name = name;
    t.callSign = callSign;
    return t;
}

class Session : public WiFiWindow::WiFiWindowTest
{
protected:
    // The pictures of one run, apart from those of the other platform's run.
    static QString folder()
    {
        static const QString path =
            QDir(CWindowHarness::shotFolder()).filePath(QStringLiteral("session-") + QGuiApplication::platformName());
        return path;
    }

    // The window (or a dialog) as the person sees it now, numbered in the session's order.
    void picture(const QString& name, QWidget* widget = nullptr)
    {
        w().processEvents();
        QWidget* shown = widget != nullptr ? widget : w().window();
        QDir().mkpath(folder());
        const QString path =
            QDir(folder()).filePath(QStringLiteral("%1-%2.png").arg(++m_pictures, 2, 10, QLatin1Char('0')).arg(name));
        EXPECT_TRUE(shown->grab().toImage().save(path)) << path.toStdString();
        std::printf("[   SHOT   ] %s\n", qPrintable(path));
        std::fflush(stdout);
    }

    void menu(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        w().processEvents();
    }

    bool onPage(QWidget* page) { return ui()->tbwgMain->currentWidget() == page; }

    // Ticks until the condition holds; the transponder's sentences come in real time.
    bool tickUntil(const std::function<bool()>& condition) { return w().tickAsHeard(condition); }

    // A file the person saves through a save dialog; its contents.
    QByteArray saveThroughDialog(QAbstractButton* button, const QString& name)
    {
        const QString path = m_files.filePath(name);
        w().dialogs().fileNames.push_back(path);
        QTest::mouseClick(button, Qt::LeftButton);
        w().processEvents();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The view's column of the vessel table, as shown.
    QStringList vesselColumn(QTableView* table, int column)
    {
        QStringList texts;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            texts << table->model()->index(row, column).data().toString();
        return texts;
    }

    QTemporaryDir m_files;
    int m_pictures = 0;
};

} // namespace

TEST_F(Session, APersonsWholeSession)
{
    std::printf("session pictures: %s\n", qPrintable(folder()));
    ASSERT_TRUE(m_files.isValid());
    w().sim().modifyState([](SSimTransponderState& s) {
        s.satellites = {{4, 60, 45, 42, true}, {7, 30, 200, 35, true}, {9, 15, 300, 0, false}, {12, 45, 120, 28, false}};
        s.targets = {station(244000001, 52.375, 4.625, 1, 12.5, 90.0, "NORDIC STAR", "PDAB"),
                     station(244000002, 52.125, 4.375, 18, 5.0, 180.0, "SEA BREEZE", "WDE5432"),
                     station(211000003, 52.250, 4.875, 1, 0.0, 360.0, "ALPHA", "DBAA")};
    });

    // Start: the Home page alone, nothing connected.
    EXPECT_TRUE(ui()->wgMainHome->isVisible());
    EXPECT_FALSE(ui()->wgMainMenu->isVisible());
    EXPECT_FALSE(ui()->btnCommConnt->isChecked());
    picture("start");

    // Connect: the port chosen in the list, "Connect" clicked.
    ASSERT_TRUE(w().connect());
    EXPECT_TRUE(ui()->btnCommConnt->isChecked());
    picture("connected");

    // Detection and the configuration read; the power reminder is answered Ok, and the module's
    // settings are read while the waiting page holds the window.
    w().tickUntil([&] { return w().detectState() == COMM_TRX_DEV_CONFIG_SHOWN; }, 40);
    ASSERT_EQ(w().detectState(), COMM_TRX_DEV_CONFIG_SHOWN);
    ASSERT_TRUE(w().waitFor([&] { return wifi()->m_powerConfirmed != 0; }));
    EXPECT_EQ(w().dialogs().asked.last().text, w().view()->wifiText.strPowerSupply);
    w().tick();
    EXPECT_TRUE(waiting());
    picture("reading-wifi-settings");
    ASSERT_TRUE(runJob());
    ASSERT_TRUE(tickUntil([&] { return vesselColumn(ui()->tbvwHomeOtherVessels, 1).contains("SEA BREEZE"); }));
    EXPECT_TRUE(ui()->wgMainMenu->isEnabled());
    EXPECT_EQ(ui()->lblHomeShipName->text(), "SEA SIMULATOR");
    EXPECT_EQ(ui()->lblHomeMmsi->text(), "366123456");
    EXPECT_EQ(ui()->lblHomeProductSNValue->text(), "SN778899");
    picture("home-detected");

    // Read: the Configuration page shows what the transponder holds.
    menu(ui()->btnMMConfiguration);
    ASSERT_TRUE(onPage(ui()->tabMainConfiguration));
    EXPECT_EQ(ui()->edtCfgShipName->text(), "SEA SIMULATOR");
    EXPECT_EQ(ui()->edtCfgCallSign->text(), "WDA1234");
    EXPECT_EQ(ui()->edtCfgMmsi->text(), "366123456");
    EXPECT_FALSE(ui()->edtCfgMmsi->isEnabled());
    picture("configuration-read");

    // Change and program: typed, confirmed, written, read back.
    w().waitSettled();
    MainRoad::typeInto(ui()->edtCfgShipName, "NORTH STAR");
    MainRoad::typeInto(ui()->edtCfgCallSign, "PD6543");
    MainRoad::typeInto(ui()->spbxCfgVslDimA, 20);
    picture("configuration-changed");
    w().dialogs().answers.push_back(QMessageBox::Yes);
    MainRoad::clickProgramDevice(w());
    EXPECT_EQ(w().dialogs().asked.last().text, "Save settings to device?");
    ASSERT_TRUE(MainRoad::readBack(w()));
    EXPECT_EQ(w().sim().state().shipName, "NORTH STAR");
    EXPECT_EQ(w().sim().state().dimA, 20);
    EXPECT_EQ(ui()->edtCfgShipName->text(), "NORTH STAR");
    EXPECT_EQ(ui()->edtCfgCallSign->text(), "PD6543");
    EXPECT_EQ(ui()->spbxCfgVslDimA->value(), 20);
    picture("configuration-programmed");

    // The MMSI reset by a double click on its caption: the field opens for a new MMSI, which is
    // programmed after the range check.
    QTest::mouseDClick(&w().view()->mmsiLabel, Qt::LeftButton);
    ASSERT_TRUE(MainRoad::readBack(w()));
    EXPECT_EQ(w().sim().state().mmsi, 0u);
    EXPECT_TRUE(ui()->edtCfgMmsi->text().isEmpty());
    EXPECT_TRUE(ui()->edtCfgMmsi->isEnabled());
    picture("mmsi-reset");
    MainRoad::typeInto(ui()->edtCfgMmsi, "244123456");
    w().dialogs().answers.push_back(QMessageBox::Yes);
    MainRoad::clickProgramDevice(w());
    ASSERT_TRUE(MainRoad::readBack(w()));
    EXPECT_EQ(w().sim().state().mmsi, 244123456u);
    EXPECT_EQ(ui()->edtCfgMmsi->text(), "244123456");
    EXPECT_FALSE(ui()->edtCfgMmsi->isEnabled());
    picture("mmsi-programmed");

    // GPS status: the satellites on the sky map and in the signal bars, the fix.
    menu(ui()->btnMMGPSStatus);
    ASSERT_TRUE(onPage(ui()->tabMainGPSStatus));
    ASSERT_TRUE(tickUntil([&] { return w().view()->skyMapGps->symbolItem(3).isVisible(); }));
    picture("gps-status");

    // Diagnostics: the status read on the page every 5 s, then "Refresh".
    menu(ui()->btnMMDiagnostics);
    ASSERT_TRUE(onPage(ui()->tabMainDiagnostics));
    w().sim().clearReceived();
    ASSERT_TRUE(tickUntil([&] { return !w().sim().receivedStartingWith("$PQXV,Q,CFG,8117,").empty(); }));
    ASSERT_TRUE(tickUntil([&] { return w().handle()->getDisplayedConfig()->aiCfgStatus[1] == 1; }));
    QTest::mouseClick(ui()->btnDiagRefresh, Qt::LeftButton);
    EXPECT_EQ(ui()->lblDiagRxChAValue->text(), "0") << "the counters start again";
    ASSERT_TRUE(tickUntil([&] { return ui()->lblDiagRxChAValue->text().toInt() > 0; }));
    ASSERT_TRUE(tickUntil([&] { return w().handle()->getDisplayedConfig()->aiCfgStatus[1] == 1; }));
    EXPECT_TRUE(tickUntil([&] { return ui()->lblDiagProductSNValue->text() == "SN778899"; }))
        << "the device's data read again";
    EXPECT_TRUE(w().handle()->getDisplayedConfig()->bMmsiProgrammed);
    picture("diagnostics");

    // Other vessels: the stations heard, sorted by a click on a header.
    menu(ui()->btnMMOtherVessels);
    ASSERT_TRUE(onPage(ui()->tabMainOtherVessels));
    QTableView* vessels = ui()->tbvwOtherVessels;
    ASSERT_TRUE(tickUntil([&] { return vesselColumn(vessels, 1).contains("ALPHA"); }));
    QHeaderView* header = vessels->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(TG_ITEM_NAME) + 10, header->height() / 2));
    w().tick();
    EXPECT_EQ(vesselColumn(vessels, TG_ITEM_NAME).mid(0, 3), QStringList({"ALPHA", "NORDIC STAR", "SEA BREEZE"}));
    picture("other-vessels");

    // Serial data: the monitor, a typed command, the log saved through the dialog.
    menu(ui()->btnMMSerialData);
    ASSERT_TRUE(onPage(ui()->tabMainSerialData));
    ASSERT_TRUE(w().waitFor([&] { return ui()->txbwSerialRx->toPlainText().contains("!AIVDM"); }));
    w().sim().clearReceived();
    QTest::keyClicks(ui()->edtSendCommand, "!AIAIQ,VER*xx");
    QTest::mouseClick(ui()->btnSendCommand, Qt::LeftButton);
    ASSERT_TRUE(w().waitFor([&] { return !w().sim().receivedStartingWith("!AIAIQ,VER*xx").empty(); }));
    ASSERT_TRUE(w().waitFor([&] { return ui()->txbwSerialRx->toPlainText().contains("$AIVER"); }));
    const QByteArray log = saveThroughDialog(ui()->btnSaveToFile, "serial-data.txt");
    EXPECT_EQ(w().dialogs().asked.last().title, "Save Log File");
    EXPECT_TRUE(log.contains("$AIVER")) << log.left(300).toStdString();
    EXPECT_TRUE(log.contains("!AIVDM"));
    EXPECT_TRUE(log.contains("\r\n"));
    picture("serial-data");

    // The configuration summary, from the Diagnostics page, holds what was programmed.
    menu(ui()->btnMMDiagnostics);
    const QByteArray report = saveThroughDialog(ui()->btnDiagGenerateReport, "summary.txt");
    EXPECT_EQ(w().dialogs().asked.last().title, "Save Report File");
    EXPECT_EQ(w().dialogs().asked.last().proposed, "AIS Configuration Summary");
    EXPECT_TRUE(report.contains("NORTH STAR")) << report.toStdString();
    EXPECT_TRUE(report.contains("PD6543"));
    EXPECT_TRUE(report.contains("244123456"));
    EXPECT_TRUE(report.contains("KELVORA-AIS")) << "the Wi-Fi settings read at the start";
    EXPECT_EQ(report.count('\n'), report.count("\r\n"));

    // Wi-Fi, three jobs through the page's own controls. The access point set up anew:
    menu(ui()->btnMMWiFi);
    ASSERT_TRUE(onPage(ui()->tabMainWiFi));
    EXPECT_EQ(ui()->lblWiFiStatusSSIDValue->text(), "KELVORA-AIS");
    picture("wifi-access-point");
    w().sim().clearReceived();
    MainRoad::typeInto(ui()->edtWifiCfgSSID, "Bridge Deck");
    MainRoad::typeInto(ui()->edtWiFiCfgPassword, "seaworthy1");
    QTest::mouseClick(ui()->btnWiFiCfgApply, Qt::LeftButton);
    w().tick();
    EXPECT_TRUE(waiting());
    picture("wifi-applying");
    ASSERT_TRUE(runJob());
    EXPECT_EQ(m_module.state().apSsid, "Bridge Deck");
    EXPECT_EQ(m_module.state().psk, "0,seaworthy1");
    EXPECT_EQ(ui()->lblWiFiStatusSSIDValue->text(), "Bridge Deck");
    picture("wifi-applied");

    // Client mode, asked first; the access points around are scanned and listed.
    w().dialogs().answers.push_back(QMessageBox::Yes);
    clickRadio(ui()->rdbWiFiClient);
    ASSERT_TRUE(runJob());
    EXPECT_EQ(m_module.state().opMode, "1");
    EXPECT_TRUE(ui()->rdbWiFiClient->isChecked());
    ASSERT_EQ(apColumn(2), QStringList({"Harbour Office", "Pier 7 Cafe", "Marina Guest"}));
    picture("wifi-client-scanned");

    // Joining a protected access point by a double click, its pass phrase typed when asked.
    w().dialogs().texts.push_back({"harbour2024", true});
    doubleClickCell(0, 2);
    EXPECT_EQ(w().dialogs().asked.last().title, "Input Wi-Fi password");
    ASSERT_TRUE(runJob());
    EXPECT_EQ(m_module.state().linkedSsid, "Harbour Office");
    EXPECT_EQ(apColumn(2).front(), "Harbour Office");
    EXPECT_TRUE(showsPicture(0, 4, "6.Connected"));
    picture("wifi-joined");

    // About, from the title bar.
    QTest::mouseClick(ui()->btnThemeFunAbout, Qt::LeftButton);
    CAboutForm* about = w().window()->getAboutForm();
    ASSERT_TRUE(about->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    // The dialog fades in: the picture waits for the end of it.
    ASSERT_TRUE(w().waitFor([&] { return about->windowOpacity() >= 1.0; }));
    picture("about", about);
    QTest::mouseClick(about->findChild<QPushButton*>("btnClose"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());

    // Disconnect: back to the Home page alone, the device's data cleared.
    menu(ui()->btnMMHome);
    w().clickConnect();
    ASSERT_TRUE(w().waitFor([&] { return !ui()->btnCommConnt->isChecked() && ui()->btnCommConnt->isEnabled(); }));
    w().tick();
    EXPECT_FALSE(w().linkConnected());
    EXPECT_FALSE(ui()->wgMainMenu->isEnabled());
    EXPECT_TRUE(ui()->lblHomeShipName->text().isEmpty()) << ui()->lblHomeShipName->text().toStdString();
    picture("disconnected");

    // Close, as the program runs: the event loop ends without a question, the window goes and
    // takes the communication thread with it.
    const int asked = static_cast<int>(w().dialogs().asked.size());
    QWindow* handle = w().window()->windowHandle();
    QWidget* close = ui()->btnWinCtrlClose;
    QTimer::singleShot(0, w().window(), [handle, close, window = w().window()] {
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, close->mapTo(window, close->rect().center()));
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { qApp->exit(-1); });
    guard.start(CWindowHarness::kWaitMs);
    EXPECT_EQ(qApp->exec(), 0);
    EXPECT_EQ(static_cast<int>(w().dialogs().asked.size()), asked);
    EXPECT_FALSE(w().window()->isVisible());
    QPointer<CCommSpaceManage> manager = w().manage();
    w().takeWindow().reset();
    EXPECT_TRUE(manager.isNull());
}
