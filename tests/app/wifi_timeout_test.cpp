// The 70 s limit of a Wi-Fi job, driven by the stepped clock: the queued lines given up, the
// leave line that follows the link's reset, the query started again, and the second time-out's
// warning; and the automatic mode control that a query asks for at most once.
#include "WiFiWindow.h"

#include "widgets/WgSelectorSwitch.h"

#include <QDir>
#include <QFile>

using namespace WiFiScope;
using namespace WiFiWindow;

namespace {

using WiFiTimeOut = WiFiWindowTest;

const QString kApplyingShort = "Applying Wi-Fi setting.\nPlease wait a moment.";
const QString kApplyingLong = "Applying Wi-Fi setting.\nPlease wait around 1 minute.";

} // namespace

TEST_F(WiFiTimeOut, StalledSetUpIsGivenUpAndTheQueryStartsAgain)
{
    ASSERT_TRUE(connectAndQuery());
    openWiFiPage();
    ui()->edtWifiCfgSSID->setText("Bridge Deck");
    ui()->edtWiFiCfgPassword->setText("seaworthy1");
    // The module echoes the first line and says nothing more: the link waits for the answer
    // while the rest of the set-up waits in its queue. The wait is made to outlast the job's 70 s
    // on any machine, and the clock runs on meanwhile, as it does for a person: these ticks are
    // given while the link waits.
    m_module.silence("AT+APSSID");
    device()->setWiFiReplyTimeoutMs(CWindowHarness::kWaitMs);
    const size_t before = m_module.commands().size();
    QTest::mouseClick(ui()->btnWiFiCfgApply, Qt::LeftButton);
    ASSERT_TRUE(tickUntil([&] { return wifi()->m_cfgType == WIFI_CFG_AP_SETUP && wifi()->m_jobStep == 1; }, 5));
    ASSERT_TRUE(w().waitFor([&] { return m_module.commands().size() > before; }));
    const long long started = wifi()->m_procStartTime;
    ASSERT_GT(started, 0);

    // 69 s on the job's clock: it goes on.
    while (AisConfiguration::nowSeconds() < started + 69)
        w().tickNow();
    EXPECT_EQ(wifi()->m_cfgType, WIFI_CFG_AP_SETUP);
    EXPECT_EQ(wifi()->m_timeOutCount, 0);
    w().tickNow();
    // 70 s: given up, the query next.
    EXPECT_EQ(wifi()->m_timeOutCount, 1);
    EXPECT_TRUE(procIs(WIFI_MAIN_PROC_START));
    EXPECT_EQ(wifi()->m_cfgType, WIFI_CFG_QUERY);
    EXPECT_EQ(ui()->lblWiFiWaiting->text(), kApplyingShort);
    EXPECT_TRUE(waiting());

    ASSERT_TRUE(runJob());
    // The leave line reached the transponder after the reset; the queued set-up lines never did.
    EXPECT_EQ(wire(), concat({std::string(kEnter) + "\r\n", "AT+APSSID=Bridge Deck\n", std::string(kLeave) + "\n"},
                             passThrough(kQueries)));
    EXPECT_EQ(m_module.commands().size(), before + 1 + kQueries.size());
    // A query that completes ends in Reset: a later time-out counts as the first again.
    EXPECT_EQ(wifi()->m_timeOutCount, 0);
    EXPECT_EQ(ui()->tbwgMain->currentWidget(), ui()->tabMainWiFi);
}

TEST_F(WiFiTimeOut, UnansweredFirstQueryEndsInTheWarningAndLeavesThePagesAvailable)
{
    // The transponder takes the enter line but its answer never comes back.
    for (int i = 0; i < 400; ++i)
        w().sim().addFault("$PDBG,163,1", SIM_FAULT::Drop);
    ASSERT_TRUE(connectAndDetect());
    const long long started = wifi()->m_procStartTime;
    ASSERT_GT(started, 0);

    // Three enter lines on three ticks, the leave line on the fourth, then again.
    w().tick(7);
    const std::string enter = std::string(kEnter) + "\r\n";
    const std::string leave = std::string(kLeave) + "\r\n";
    ASSERT_TRUE(w().waitFor([&] { return wire().size() >= 8 && wire().back() == leave; }));
    std::vector<std::string> lines = wire();
    lines.erase(lines.begin(), std::find(lines.begin(), lines.end(), enter));
    EXPECT_EQ(lines, std::vector<std::string>({enter, enter, enter, leave, enter, enter, enter, leave}));

    while (wifi()->m_timeOutCount == 0 && AisConfiguration::nowSeconds() < started + 80)
        w().tick();
    EXPECT_EQ(AisConfiguration::nowSeconds(), started + 70);
    EXPECT_EQ(ui()->lblWiFiWaiting->text(), kApplyingShort);
    EXPECT_TRUE(procIs(WIFI_MAIN_PROC_START));
    EXPECT_FALSE(ui()->wgMainMenu->isEnabled());
    // The query starts again on the next tick.
    w().tick();
    const long long restarted = wifi()->m_procStartTime;
    EXPECT_EQ(restarted, started + 71);

    // The second time-out: the longer message, then the warning, which waits for the user
    // inside the tick; ticks that arrive meanwhile do not run the procedure again.
    QString messageUnderBox;
    long long boxTime = 0;
    bool procedureStill = false;
    {
        CWhileBoxOpen box(w().dialogs(), [&] {
            boxTime = AisConfiguration::nowSeconds();
            messageUnderBox = ui()->lblWiFiWaiting->text();
            const WIFI_MAIN_PROC_S state = wifi()->m_mainProc;
            const int attempts = wifi()->m_cfgModeAttempts;
            w().tick(3);
            procedureStill = wifi()->m_mainProc == state && wifi()->m_cfgModeAttempts == attempts &&
                             wifi()->m_procStartTime == 0 && ui()->lblWiFiWaiting->text() == messageUnderBox;
        });
        while (boxTime == 0 && AisConfiguration::nowSeconds() < restarted + 80)
            w().tick();
    }
    EXPECT_EQ(boxTime, restarted + 70);
    EXPECT_EQ(messageUnderBox, kApplyingLong);
    EXPECT_TRUE(procedureStill);
    const ScriptedDialogs::SAsked warning = w().dialogs().asked.back();
    EXPECT_EQ(warning.title, "Warning");
    EXPECT_EQ(warning.text, "WiFi setting fail!\nPlease try again.");
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.buttons, QMessageBox::Ok);
    EXPECT_TRUE(procIs(WIFI_MAIN_PROC_RESET));

    // Reset and Pending take the waiting page away; the first query has ended, though without
    // an answer, and the pages are available.
    w().tick();
    EXPECT_TRUE(procIs(WIFI_MAIN_PROC_PENDING));
    EXPECT_FALSE(waiting());
    EXPECT_EQ(ui()->lblWiFiWaiting->text(), kApplyingShort);
    EXPECT_TRUE(ui()->wgMainMenu->isEnabled());
    EXPECT_TRUE(ui()->lblHomeWiFiWaiting->isHidden());
    EXPECT_FALSE(ui()->btnMMWiFi->isHidden());
    EXPECT_TRUE(ui()->btnCommConnt->isEnabled());
    EXPECT_EQ(wifi()->m_timeOutCount, 0);
}

TEST_F(WiFiTimeOut, QueryAsksForOneModeControlPerResetFromTheModuleSettings)
{
    // Client mode with the DHCP server on and the client off, and a module that never takes
    // the DHCP settings.
    SSimWiFiState state = m_module.state();
    state.opMode = "1";
    m_module.setState(state);
    m_module.refuseSettings("AT+DHCPCEN");
    m_module.refuseSettings("AT+DHCPDEN");
    device()->setWiFiReplyTimeoutMs(kShortReplyTimeoutMs, "AT+DHCPCEN=");
    device()->setWiFiReplyTimeoutMs(kShortReplyTimeoutMs, "AT+DHCPDEN=");
    // The record is kept from the connection on: the first query may have begun by the time
    // the power reminder is answered, and nothing before it enters pass-through.
    ASSERT_TRUE(connectAndDetect());

    ASSERT_TRUE(runJob());
    // The first query's mode control sends what the module reported (service on, client
    // mode), not the page's untouched controls; the query after it does not ask again.
    const std::vector<std::string> modeCtrl = {"AT+WLANEN=1", "AT+DHCPCEN=1", "AT+DHCPDEN=0",
                                               "AT+OPMODE=1", "AT+SYSAPPLY",  "AT+WAPPLY",
                                               "AT+SCAN",     "WiFiScanEnd",  "AT+STALINK"};
    EXPECT_EQ(wireFromEnter(), passThrough(concat(concat(kQueries, modeCtrl), kQueries)));
    EXPECT_EQ(m_module.state().wlanEnable, "1");
    EXPECT_TRUE(ui()->wgMainMenu->isEnabled());
    openWiFiPage();
    EXPECT_TRUE(ui()->rdbWiFiClient->isChecked());
    EXPECT_TRUE(w().view()->wifiEnableSwitch->isActive());
}

TEST_F(WiFiTimeOut, ReportWaitingForTheFirstScanIsWrittenWhenTheScanTimesOut)
{
    clientModule("");
    device()->setWiFiReplyTimeoutMs(kShortReplyTimeoutMs, "AT+SCAN");
    ASSERT_TRUE(connectAndQuery());
    // The scan's answer is refused: its results never complete.
    m_module.refuseAlways("AT+SCAN");
    QTest::mouseClick(ui()->btnMMDiagnostics, Qt::LeftButton);
    // In the test's own working folder: another run on the machine never meets the file.
    const QString path = QDir::current().filePath("wifi-report-after-scan-time-out.txt");
    QFile::remove(path);
    w().dialogs().fileNames.push_back(path);
    const size_t before = w().dialogs().asked.size();
    QTest::mouseClick(ui()->btnDiagGenerateReport, Qt::LeftButton);
    // The report waits for the first scan.
    EXPECT_EQ(w().dialogs().asked.size(), before);
    EXPECT_EQ(wifi()->m_cfgType, WIFI_CFG_SCAN);

    ASSERT_TRUE(tickUntil([this] { return wifi()->m_timeOutCount == 1; }, 90));
    ASSERT_TRUE(runJob());
    w().tick(2);
    // Written once the procedure rests, with whatever list there is; no second scan.
    ASSERT_EQ(w().dialogs().asked.size(), before + 1);
    EXPECT_EQ(w().dialogs().asked.back().kind, ScriptedDialogs::SAVE_FILE);
    EXPECT_TRUE(QFile::exists(path));
    const std::vector<std::string> commands = m_module.commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), std::string("AT+SCAN")), 1);
    EXPECT_EQ(wifi()->m_apListRefreshedOnce, 1);
}

TEST_F(WiFiTimeOut, ReportWaitingForTheFirstScanIsForgottenWithTheConnection)
{
    clientModule("");
    ASSERT_TRUE(connectAndQuery());
    QTest::mouseClick(ui()->btnMMDiagnostics, Qt::LeftButton);
    const size_t before = w().dialogs().asked.size();
    QTest::mouseClick(ui()->btnDiagGenerateReport, Qt::LeftButton);
    ASSERT_EQ(wifi()->m_cfgType, WIFI_CFG_SCAN);
    ASSERT_TRUE(tickUntil([this] { return !m_module.commands().empty() && m_module.commands().back() == "AT+SCAN"; }));
    ASSERT_TRUE(w().hangUp());

    // A new connection: its first query ends, and nothing of the old report comes back (no save
    // dialog, no scan nobody asked for).
    ASSERT_TRUE(reconnectAndRunFirstJob());
    w().tick(3);
    EXPECT_TRUE(procIs(WIFI_MAIN_PROC_PENDING));
    EXPECT_FALSE(waiting());
    for (const ScriptedDialogs::SAsked& asked : w().dialogs().asked.mid(static_cast<int>(before)))
        EXPECT_NE(asked.kind, ScriptedDialogs::SAVE_FILE);
    const std::vector<std::string> lines = wire();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string("AT+SCAN\n")), 0);
}

TEST_F(WiFiTimeOut, HangUpUnderTheWarningLeavesTheNextConnectionItsFirstQuery)
{
    for (int i = 0; i < 400; ++i)
        w().sim().addFault("$PDBG,163,1", SIM_FAULT::Drop);
    ASSERT_TRUE(connectAndDetect());
    bool boxShown = false;
    {
        // The transponder goes away while the warning waits for the user.
        CWhileBoxOpen box(w().dialogs(), [&] {
            boxShown = true;
            EXPECT_TRUE(w().hangUp());
        });
        for (int i = 0; i < 160 && !boxShown; ++i)
            w().tick();
    }
    ASSERT_TRUE(boxShown);
    EXPECT_TRUE(procIs(WIFI_MAIN_PROC_START));
    EXPECT_EQ(wifi()->m_cfgType, WIFI_CFG_QUERY);
    EXPECT_FALSE(waiting());

    w().sim().clearFaults();
    ASSERT_TRUE(reconnectAndRunFirstJob());
    EXPECT_EQ(wireFromEnter(), passThrough(kQueries));
}
