// The Wi-Fi jobs through the window against the simulated transponder and its Wi-Fi module: from
// the user's action (or the first detection) to the page showing the result, with the lines the
// transponder received, their line ends and gaps, and the waiting page while a job runs.
#include "WiFiWindow.h"

#include "LogProbe.h"
#include "widgets/WgSelectorSwitch.h"

#include <QCursor>
#include <QImage>
#include <QStandardItem>

using namespace WiFiScope;
using namespace WiFiWindow;

namespace {

using WiFiJobs = WiFiWindowTest;

} // namespace

TEST_F(WiFiJobs, FirstQueryFillsThePagesAndUnlocksTheMenu)
{
    ASSERT_TRUE(connectAndDetect());
    // The configuration is shown and the module reported: the first query is under way and
    // holds the menu until it has been shown.
    EXPECT_TRUE(waiting());
    EXPECT_FALSE(ui()->wgMainMenu->isEnabled());
    EXPECT_FALSE(ui()->lblHomeWiFiWaiting->isHidden());
    EXPECT_FALSE(ui()->btnCommConnt->isEnabled());

    ASSERT_TRUE(runJob());
    // From the enter line on: the twelve queries and the leave line, nothing else.
    std::vector<std::string> lines = wire();
    const auto enter = std::find(lines.begin(), lines.end(), std::string(kEnter) + "\r\n");
    ASSERT_NE(enter, lines.end());
    lines.erase(lines.begin(), enter);
    EXPECT_EQ(lines, passThrough(kQueries));
    EXPECT_TRUE(gapBreaches(kEnter).empty()) << gapBreaches(kEnter).front();
    EXPECT_EQ(m_module.enterCount(), 1);

    EXPECT_TRUE(ui()->wgMainMenu->isEnabled());
    EXPECT_FALSE(ui()->btnMMWiFi->isHidden());
    EXPECT_TRUE(ui()->lblHomeWiFiWaiting->isHidden());
    EXPECT_TRUE(ui()->btnCommConnt->isEnabled());
    EXPECT_EQ(wifi()->m_settingsReadOnce, 1);

    openWiFiPage();
    ASSERT_EQ(ui()->tbwgMain->currentWidget(), ui()->tabMainWiFi);
    EXPECT_EQ(ui()->lblWiFiStatusSSIDValue->text(), "KELVORA-AIS");
    EXPECT_EQ(ui()->lblWiFiStatusIPAddrValue->text(), "192.168.10.1 : 4001");
    EXPECT_EQ(ui()->lblWiFiStatusVersionValue->text(), "WM-2.1.7");
    EXPECT_EQ(ui()->edtWiFiCfgPassword->text(), "harbour2024");
    EXPECT_TRUE(ui()->rdbWiFiAccessPoint->isChecked());
    // The title bars keep their own height at the top of their groups; the room is the pictures'.
    for (QWidget* title : {ui()->wgWiFiModeTitle, ui()->wgWiFiCfgTitle, ui()->wgWiFiAdvConfigTitle})
        EXPECT_LE(title->height(), title->sizeHint().height()) << title->objectName().toStdString();
    EXPECT_EQ(ui()->wgWiFiAdvConfigTitle->y(), ui()->wgWiFiModeTitle->y());
    w().grab("wifi-page-access-point");
}

TEST_F(WiFiJobs, AccessPointSetUpProgramsTheModuleAndQueriesItAgain)
{
    ASSERT_TRUE(connectAndQuery());
    openWiFiPage();
    ui()->edtWifiCfgSSID->setText("Bridge Deck");
    ui()->edtWiFiCfgPassword->setText("seaworthy1");
    ui()->cbbxWifiCfgChannel->setCurrentIndex(11);
    ui()->edtWifiCfgIPAddress->setText("10.0.0.1");
    ui()->edtWifiCfgSubnetMask->setText("255.0.0.0");
    ui()->edtWiFiCfgPort->setText("5000");
    QTest::mouseClick(ui()->btnWiFiCfgApply, Qt::LeftButton);
    EXPECT_EQ(static_cast<int>(w().dialogs().asked.size()), 1); // the power reminder only
    w().tick();
    EXPECT_TRUE(waiting());
    EXPECT_EQ(ui()->lblWiFiWaiting->text(), "Applying Wi-Fi setting.\nPlease wait a moment.");
    w().grab("wifi-waiting-page");

    // Well within the 70 s: the apply's acknowledgement ends the job at once.
    ASSERT_TRUE(runJob(25));
    const std::vector<std::string> setUp = {"AT+APSSID=Bridge Deck",
                                            "AT+APCHAN=11",
                                            "AT+SYSIPSET=10.0.0.1,255.0.0.0",
                                            "AT+TCPPORT=5000",
                                            "AT+SECMODE=WPA2-PSK",
                                            "AT+PSK=0,seaworthy1",
                                            "AT+APPLY"};
    // The module restarts its network: the link goes back to sentences, and the query that
    // follows asks for the configuration mode again.
    EXPECT_EQ(wire(), concat(passThrough(setUp), passThrough(kQueries)));
    EXPECT_TRUE(gapBreaches().empty()) << gapBreaches().front();

    const SSimWiFiState module = m_module.state();
    EXPECT_EQ(module.apSsid, "Bridge Deck");
    EXPECT_EQ(module.ipMask, "10.0.0.1,255.0.0.0");
    EXPECT_EQ(module.psk, "0,seaworthy1");
    EXPECT_EQ(ui()->tbwgMain->currentWidget(), ui()->tabMainWiFi);
    EXPECT_EQ(ui()->lblWiFiStatusSSIDValue->text(), "Bridge Deck");
    EXPECT_EQ(ui()->lblWiFiStatusIPAddrValue->text(), "10.0.0.1 : 5000");
    EXPECT_EQ(ui()->cbbxWifiCfgChannel->currentText(), "11");

    // An open network: "None" sends no pass phrase.
    w().sim().clearReceived();
    ui()->chbxWiFiCfgPasswordNone->setChecked(true);
    ui()->cbbxWifiCfgChannel->setCurrentIndex(0);
    QTest::mouseClick(ui()->btnWiFiCfgApply, Qt::LeftButton);
    ASSERT_TRUE(runJob(25));
    const std::vector<std::string> open = {"AT+APSSID=Bridge Deck", "AT+APCHAN=0",     "AT+SYSIPSET=10.0.0.1,255.0.0.0",
                                           "AT+TCPPORT=5000",       "AT+SECMODE=NONE", "AT+APPLY"};
    EXPECT_EQ(wire(), concat(passThrough(open), passThrough(kQueries)));
    EXPECT_TRUE(ui()->chbxWiFiCfgPasswordNone->isChecked());
    EXPECT_EQ(ui()->cbbxWifiCfgChannel->currentIndex(), 0);
}

TEST_F(WiFiJobs, ServiceAndModeSwitchesAskFirstAndFollowWithScanOrQuery)
{
    ASSERT_TRUE(connectAndQuery());
    openWiFiPage();

    // Declined: the mode shown goes back to the module's, nothing is sent. Clicked on the empty
    // end of the radio button's row, inside the client picture's area, the cursor over it.
    w().dialogs().answers.push_back(QMessageBox::No);
    const QPoint rowEnd(ui()->rdbWiFiClient->width() - 20, ui()->rdbWiFiClient->height() / 2);
    QCursor::setPos(ui()->rdbWiFiClient->mapToGlobal(rowEnd));
    QTest::mouseClick(ui()->rdbWiFiClient, Qt::LeftButton, Qt::NoModifier, rowEnd);
    w().processEvents();
    EXPECT_EQ(w().dialogs().asked.back().text, "You are about to switch to [Client] mode.\nDo you want to continue?");
    EXPECT_EQ(w().dialogs().asked.back().title, "Information");
    EXPECT_TRUE(ui()->rdbWiFiAccessPoint->isChecked());
    w().tick(3);
    EXPECT_TRUE(wire().empty());

    // Client mode: the mode control, then a scan of the access points, then the query.
    w().dialogs().answers.push_back(QMessageBox::Yes);
    clickRadio(ui()->rdbWiFiClient);
    EXPECT_TRUE(waiting());
    ASSERT_TRUE(runJob());
    const std::vector<std::string> toClient = {"AT+WLANEN=1", "AT+DHCPCEN=1", "AT+DHCPDEN=0",
                                               "AT+OPMODE=1", "AT+SYSAPPLY",  "AT+WAPPLY",
                                               "AT+SCAN",     "WiFiScanEnd",  "AT+STALINK"};
    EXPECT_EQ(wire(), passThrough(concat(toClient, kQueries)));
    EXPECT_TRUE(gapBreaches().empty()) << gapBreaches().front();
    EXPECT_EQ(m_module.state().opMode, "1");
    EXPECT_TRUE(ui()->rdbWiFiClient->isChecked());
    EXPECT_FALSE(ui()->wgWiFiCfgClientList->isHidden());
    EXPECT_TRUE(ui()->wgCfgWifiSetting->isHidden());
    EXPECT_EQ(apColumn(2), QStringList({"Harbour Office", "Pier 7 Cafe", "Marina Guest"}));
    EXPECT_EQ(ui()->lblWiFiStatusIPAddrValue->text(), "N/A");

    // The service: declined puts the switch back to the module's state.
    w().sim().clearReceived();
    WgSelectorSwitch* service = w().view()->wifiEnableSwitch;
    QTest::mouseClick(ui()->btnWiFiAdvConfigDisp, Qt::LeftButton);
    ASSERT_FALSE(ui()->wgWiFiAdvConfigModeEnable->isHidden());
    w().dialogs().answers.push_back(QMessageBox::No);
    service->onTrigger();
    EXPECT_EQ(w().dialogs().asked.back().text, "Wi-Fi function will be disabled.\nDo you want to continue?");
    EXPECT_TRUE(service->isActive());
    w().tick(3);
    EXPECT_TRUE(wire().empty());

    // Switched off: only the service line and the applies, then the query.
    w().dialogs().answers.push_back(QMessageBox::Yes);
    service->onTrigger();
    ASSERT_TRUE(runJob());
    EXPECT_EQ(wire(), passThrough(concat({"AT+WLANEN=0", "AT+SYSAPPLY", "AT+WAPPLY"}, kQueries)));
    EXPECT_EQ(m_module.state().wlanEnable, "0");
    EXPECT_FALSE(service->isActive());
    EXPECT_FALSE(ui()->wgWiFiModeConfiguration->isEnabled());
    EXPECT_FALSE(ui()->wgWifiConfiguration->isEnabled());
}

TEST_F(WiFiJobs, FactoryResetAsksThenRestoresTheModule)
{
    SSimWiFiState changed = m_module.state();
    changed.apSsid = "Changed";
    changed.tcpPort = "6000";
    m_module.setState(changed);
    ASSERT_TRUE(connectAndQuery());
    openWiFiPage();
    EXPECT_EQ(ui()->lblWiFiStatusSSIDValue->text(), "Changed");
    QTest::mouseClick(ui()->btnWiFiAdvConfigDisp, Qt::LeftButton);
    ASSERT_FALSE(ui()->btnWiFiFactoryReset->isHidden());

    w().dialogs().answers.push_back(QMessageBox::No);
    QTest::mouseClick(ui()->btnWiFiFactoryReset, Qt::LeftButton);
    const ScriptedDialogs::SAsked asked = w().dialogs().asked.back();
    EXPECT_EQ(asked.title, "Wi-Fi Factory Reset");
    EXPECT_EQ(asked.text, "Factory Wi-Fi setting will be applied restored.\nDO you want to continue?");
    EXPECT_EQ(asked.icon, QMessageBox::Question);
    EXPECT_EQ(asked.defaultButton, QMessageBox::Yes);
    w().tick(3);
    EXPECT_TRUE(wire().empty());

    w().dialogs().answers.push_back(QMessageBox::Yes);
    QTest::mouseClick(ui()->btnWiFiFactoryReset, Qt::LeftButton);
    ASSERT_TRUE(runJob(25));
    EXPECT_EQ(wire(), concat(passThrough({"AT+FACTDEF", "AT+APPLY"}), passThrough(kQueries)));
    EXPECT_EQ(ui()->lblWiFiStatusSSIDValue->text(), "KELVORA-AIS");
    EXPECT_EQ(ui()->edtWiFiCfgPort->text(), "4001");
}

TEST_F(WiFiJobs, FirstScanOnTheWiFiPageListsTheAccessPointsWithTheirPictures)
{
    clientModule("Pier 7 Cafe");
    ASSERT_TRUE(connectAndQuery());
    openWiFiPage();
    // The list has never been filled: opening the page starts the scan.
    w().tick();
    EXPECT_TRUE(waiting());
    EXPECT_EQ(ui()->lblWiFiWaiting->text(), "Loading Wi-Fi setting...");
    ASSERT_TRUE(runJob());
    std::vector<std::string> linked(12, "AT+STALINK");
    // A linked station is asked twelve times before the job believes it.
    EXPECT_EQ(wire(), passThrough(concat(concat({"AT+SCAN", "WiFiScanEnd"}, linked), kQueries)));
    EXPECT_TRUE(gapBreaches().empty()) << gapBreaches().front();
    EXPECT_EQ(wifi()->m_apListRefreshedOnce, 1);
    EXPECT_EQ(ui()->tbwgMain->currentWidget(), ui()->tabMainWiFi);

    // The linked access point first, then the scan's order; the strongest record of a name.
    EXPECT_EQ(apColumn(2), QStringList({"Pier 7 Cafe", "Harbour Office", "Marina Guest"}));
    EXPECT_EQ(apColumn(0), QStringList({"-48", "-52", "-80"}));
    EXPECT_EQ(apColumn(1), QStringList({"NONE", "WPA2", "WPA"}));
    EXPECT_EQ(apColumn(4), QStringList({"0", "-1", "-1"}));
    const char* const signal[] = {"4.RSSI5", "3.RSSI4", "1.RSSI2"};
    const char* const lock[] = {"9.Empty", "5.Security", "5.Security"};
    const char* const status[] = {"6.Connected", "9.Empty", "9.Empty"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(showsPicture(row, 0, signal[row])) << row;
        EXPECT_TRUE(showsPicture(row, 1, lock[row])) << row;
        EXPECT_TRUE(showsPicture(row, 3, nullptr)) << row;
        EXPECT_TRUE(showsPicture(row, 4, status[row])) << row;
    }
    EXPECT_EQ(ui()->lblWiFiStatusIPAddrValue->text(), "192.168.10.1 : 4001");

    // A click on a row offers to join it, on the linked one to leave it; one row at a time.
    clickCell(1, 2);
    EXPECT_TRUE(showsPicture(1, 3, "7.Connect"));
    clickCell(0, 2);
    EXPECT_TRUE(showsPicture(0, 3, "8.Disconnect"));
    EXPECT_TRUE(showsPicture(1, 3, nullptr));
    EXPECT_EQ(w().window()->getApJoinRequest().ssid, "Pier 7 Cafe");
    w().grab("wifi-page-client-list");

    // Refresh scans again.
    w().sim().clearReceived();
    QTest::mouseClick(ui()->btnWiFiCfgClientRefresh, Qt::LeftButton);
    ASSERT_TRUE(runJob());
    EXPECT_EQ(wire(), passThrough(concat(concat({"AT+SCAN", "WiFiScanEnd"}, linked), kQueries)));
}

TEST_F(WiFiJobs, JoiningOpenAndProtectedAccessPointsAndLeaving)
{
    clientModule("");
    ASSERT_TRUE(connectAndQuery());
    openWiFiPage();
    ASSERT_TRUE(runJob());
    ASSERT_EQ(apColumn(2), QStringList({"Harbour Office", "Pier 7 Cafe", "Marina Guest"}));
    w().sim().clearReceived();
    const int asked = static_cast<int>(w().dialogs().asked.size());

    // A double click on an open network joins it without asking.
    doubleClickCell(1, 2);
    EXPECT_EQ(static_cast<int>(w().dialogs().asked.size()), asked);
    ASSERT_TRUE(runJob());
    std::vector<std::string> linked(12, "AT+STALINK");
    EXPECT_EQ(wire(),
              passThrough(concat(concat({"AT+STA=Pier 7 Cafe", "AT+SECMODE=NONE", "AT+WAPPLY"}, linked), kQueries)));
    EXPECT_TRUE(gapBreaches().empty()) << gapBreaches().front();
    EXPECT_EQ(apColumn(2), QStringList({"Pier 7 Cafe", "Harbour Office", "Marina Guest"}));
    EXPECT_TRUE(showsPicture(0, 4, "6.Connected"));

    // A protected one through the row's picture: the pass phrase is asked for.
    w().sim().clearReceived();
    clickCell(1, 2);
    ASSERT_TRUE(showsPicture(1, 3, "7.Connect"));
    w().dialogs().texts.push_back({"short", true});
    clickCell(1, 3);
    ASSERT_EQ(static_cast<int>(w().dialogs().asked.size()), asked + 2);
    const ScriptedDialogs::SAsked password = w().dialogs().asked[asked];
    EXPECT_EQ(password.kind, ScriptedDialogs::INPUT_TEXT);
    EXPECT_EQ(password.title, "Input Wi-Fi password");
    EXPECT_EQ(password.text, "Please input Harbour Office password");
    EXPECT_FALSE(password.hasParent);
    // Too short: said so, nothing started; the picture stays for another try.
    EXPECT_EQ(w().dialogs().asked.back().text, "Invalid password format.\n");
    EXPECT_TRUE(showsPicture(1, 3, "7.Connect"));
    // A line break would end the pass phrase's AT line early: refused the same way.
    w().dialogs().texts.push_back({"harbour\nAT+FACTDEF", true});
    clickCell(1, 3);
    EXPECT_EQ(static_cast<int>(w().dialogs().asked.size()), asked + 4);
    EXPECT_EQ(w().dialogs().asked.back().text, "Invalid password format.\n");
    w().tick(2);
    EXPECT_TRUE(wire().empty());
    w().dialogs().texts.push_back({"harbour2024", true});
    clickCell(1, 3);
    EXPECT_TRUE(showsPicture(1, 3, nullptr));
    ASSERT_TRUE(runJob());
    EXPECT_EQ(wire(),
              passThrough(concat(
                  concat({"AT+STA=Harbour Office", "AT+SECMODE=WPA2-PSK", "AT+PSK=0,harbour2024", "AT+WAPPLY"}, linked),
                  kQueries)));
    EXPECT_EQ(apColumn(2).front(), "Harbour Office");
    EXPECT_TRUE(showsPicture(0, 4, "6.Connected"));
    EXPECT_EQ(m_module.state().linkedSsid, "Harbour Office");

    // Leaving: the linked row's picture sends the leave request, whose failure is no failure.
    w().sim().clearReceived();
    clickCell(0, 2);
    ASSERT_TRUE(showsPicture(0, 3, "8.Disconnect"));
    const int before = static_cast<int>(w().dialogs().asked.size());
    clickCell(0, 3);
    ASSERT_TRUE(runJob());
    EXPECT_EQ(wire(),
              passThrough(concat({"AT+STA=%72904#-*K318Q?", "AT+SECMODE=NONE", "AT+WAPPLY", "AT+STALINK"}, kQueries)));
    EXPECT_EQ(static_cast<int>(w().dialogs().asked.size()), before);
    EXPECT_EQ(apColumn(4), QStringList({"-1", "-1", "-1"}));
}

TEST_F(WiFiJobs, FailedJoinSaysSoAndRebuildsTheList)
{
    clientModule("");
    m_module.setJoinDelayMs(-1);
    ASSERT_TRUE(connectAndQuery());
    openWiFiPage();
    ASSERT_TRUE(runJob());
    w().sim().clearReceived();

    w().dialogs().texts.push_back({"marina-pass", true});
    doubleClickCell(2, 2);
    ASSERT_TRUE(runJob());
    EXPECT_EQ(wire(), passThrough(concat({"AT+STA=Marina Guest", "AT+SECMODE=WPA-PSK", "AT+PSK=0,marina-pass",
                                          "AT+WAPPLY", "AT+STALINK"},
                                         kQueries)));
    const ScriptedDialogs::SAsked failed = w().dialogs().asked.back();
    EXPECT_EQ(failed.title, "Information");
    EXPECT_EQ(failed.text, "Connect fail.\nPlease try again!");
    EXPECT_EQ(failed.buttons, QMessageBox::Ok);
    EXPECT_EQ(apColumn(2), QStringList({"Harbour Office", "Pier 7 Cafe", "Marina Guest"}));
    EXPECT_EQ(apColumn(4), QStringList({"-1", "-1", "-1"}));
}

// A transponder that speaks only when spoken to sends nothing after the leave line that would show
// it has left pass-through: the program takes the link back to sentences itself, so that the next
// job asks for pass-through again and what comes after is read as sentences.
TEST_F(WiFiJobs, AfterAJobATransponderThatSendsNothingOfItsOwnIsTakenBackToSentences)
{
    ASSERT_TRUE(connectAndDetect());
    w().sim().setPeriodMs(0);
    ASSERT_TRUE(tickUntil([this] { return procIs(WIFI_MAIN_PROC_PENDING) && !waiting(); }));
    ASSERT_TRUE(w().waitFor([this] { return !w().sim().inPassThrough(); }));
    w().sim().clearReceived();
    w().tick(3);
    EXPECT_TRUE(sentenceMode());
    EXPECT_TRUE(wire().empty()) << "one leave line is enough: " << wire().front();

    // The diagnostics read again: the system-data text is read as such, not taken for the
    // module's lines, which would switch the link back to pass-through.
    QTest::mouseClick(ui()->btnMMDiagnostics, Qt::LeftButton);
    LogProbe modeLog;
    QTest::mouseClick(ui()->btnDiagRefresh, Qt::LeftButton);
    ASSERT_TRUE(ui()->lblDiagProductSNValue->text().isEmpty());
    EXPECT_TRUE(tickUntil([this] { return !ui()->lblDiagProductFVValue->text().isEmpty(); }, 20));
    EXPECT_TRUE(w().waitSettled());
    w().tick();
    EXPECT_EQ(modeLog.count("Change WiFi Sys Mode:1"), 0);
    EXPECT_TRUE(sentenceMode());

    // The next job asks for pass-through first and programs the module well within its 70 s.
    openWiFiPage();
    w().sim().clearReceived();
    ui()->edtWifiCfgSSID->setText("Bridge Deck");
    QTest::mouseClick(ui()->btnWiFiCfgApply, Qt::LeftButton);
    ASSERT_TRUE(runJob(25));
    // The Diagnostics page's last status query may still go out first.
    std::vector<std::string> toModule;
    for (const std::string& line : wire()) {
        if (line.rfind("$PDBG", 0) == 0 || line.rfind("AT+", 0) == 0)
            toModule.push_back(line);
    }
    ASSERT_GE(toModule.size(), 2u);
    EXPECT_EQ(toModule[0], std::string(kEnter) + "\r\n");
    EXPECT_EQ(toModule[1], "AT+APSSID=Bridge Deck\n");
    EXPECT_EQ(m_module.state().apSsid, "Bridge Deck");

    // No Wi-Fi setting is in progress: closing asks nothing.
    const int asked = w().dialogs().asked.size();
    w().dialogs().answers.push_back(QMessageBox::No);
    w().window()->onClose();
    EXPECT_EQ(w().dialogs().asked.size(), asked);
}
