// The seven Wi-Fi jobs against the simulated Wi-Fi module, through the connection manager on
// "CommSpaces Thread": from the enter sentence through the AT lines to the records the reply
// parser fills, and back to sentences with the leave sentence. This thread plays the GUI thread.
#include "WiFiTestSupport.h"

#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>

using DeviceTest::kLimitMs;
using TestSupport::waitFor;
using namespace WiFiScope;
using namespace WiFiTest;

namespace {

class WiFiJobTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CXQDWiFiPaser::resetCfgModeCheck();
        m_manager = std::make_unique<CCommSpaceManage>();
        bool ready = false;
        QObject context;
        QObject::connect(m_manager.get(), &CCommSpace::signalCommConntReady, &context, [&ready]() { ready = true; });
        ASSERT_TRUE(m_manager->initCommSpaceTh());
        ASSERT_TRUE(waitFor([&]() { return ready; }, kLimitMs));
        // Where the module's lines are handled.
        QObject::connect(
            device(), &CDeviceComm::signalRxLogMsg, device(),
            [this](void*, QString) {
                ++m_rxCount;
                if (QThread::currentThread()->objectName() != CCommSpace::kThreadName)
                    m_rxElsewhere = true;
            },
            Qt::DirectConnection);

        m_sim = std::make_unique<CSimTransponderPort>(1);
        m_sim->setPassThrough(&m_module);
        ASSERT_TRUE(m_sim->start());
        connectSim();
    }

    void TearDown() override
    {
        m_manager->end();
        m_manager.reset();
        m_sim->stop();
    }

    void connectSim()
    {
        COMM::SCommConntProfile profile = transponderProfile(m_sim->portName());
        m_manager->connectDeviceComm(profile);
        ASSERT_TRUE(waitFor([this]() { return device()->isCommConnected(); }, kLimitMs));
        ASSERT_TRUE(waitFor([this]() { return modeOf(device()) == WIFI_SYS_MODE_SENTENCE; }, kLimitMs));
    }

    // The controller's entry step: the enter sentence until the module's "+ok" shows.
    void enter()
    {
        m_manager->sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
        ASSERT_TRUE(waitFor([this]() { return modeOf(device()) == WIFI_SYS_MODE_CONFIG; }, kLimitMs));
        m_sim->clearReceived();
    }

    // The controller's leave step; the transponder's sentences then switch the link back.
    void leave()
    {
        device()->sendCommand(kLeave, nullptr);
        ASSERT_TRUE(waitFor([this]() { return modeOf(device()) == WIFI_SYS_MODE_SENTENCE; }, kLimitMs));
        COMM::CServiceComm* link = device()->currentComm();
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->getRawDataType(), COMM::RAWDATA_SENTENCE);
        const std::vector<std::string> lines = WiFiTest::bytesOf(m_sim->received());
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), std::string(kLeave) + "\n");
        EXPECT_FALSE(m_sim->inPassThrough());
    }

    // The AT lines the module received, line ends and all; the leave sentence left out.
    std::vector<std::string> atLines()
    {
        std::vector<std::string> lines;
        for (const std::string& line : WiFiTest::bytesOf(m_sim->received())) {
            if (line.compare(0, 5, "$PDBG") != 0)
                lines.push_back(line);
        }
        return lines;
    }

    CDeviceComm* device() { return m_manager->getDeviceComm(); }
    CWiFiConfig* wifi() { return device()->getWiFiConfig(); }
    SCmdProcData parsed() { return wifi()->getCmdProcData(); }

    bool waitParsed(const std::function<bool(const SCmdProcData&)>& condition)
    {
        return waitFor([&]() { return condition(parsed()); }, kLimitMs);
    }

    void expectNoBreach()
    {
        const std::vector<std::string> breaches = m_module.breaches();
        EXPECT_TRUE(breaches.empty()) << breaches.front();
        EXPECT_GT(m_rxCount, 0);
        EXPECT_FALSE(m_rxElsewhere) << "module lines handled off " << CCommSpace::kThreadName;
    }

    void expectSettingsOf(const SSimWiFiState& s, const SWiFiData& d)
    {
        EXPECT_EQ(d.bWlanEnable, s.wlanEnable == "1");
        EXPECT_EQ(d.iOperationMode, std::stoi(s.opMode));
        EXPECT_STREQ(d.sAPData.szSSID, s.apSsid.c_str());
        EXPECT_STREQ(d.sAPData.szSecurity, s.secMode.c_str());
        EXPECT_EQ("0," + std::string(d.sAPData.szPassPhrase), s.psk);
        EXPECT_EQ(std::string(d.sAPData.szIpAddress) + "," + d.sAPData.szSubnetMask, s.ipMask);
        EXPECT_EQ(d.sAPData.iTcpPort, std::stoi(s.tcpPort));
        EXPECT_EQ(d.sAPData.iChannel, std::stoi(s.apChan));
        EXPECT_STREQ(d.szVersion, s.version.c_str());
        EXPECT_EQ(d.sLinkStatus.currentIp, s.ipMask.substr(0, s.ipMask.find(',')));
        EXPECT_EQ(d.iDhcpServer, std::stoi(s.dhcpServer));
        EXPECT_EQ(d.iDhcpClient, std::stoi(s.dhcpClient));
    }

    // The settings query job, to its end.
    void query()
    {
        wifi()->clearReplyFlags();
        m_sim->clearReceived();
        m_manager->sendWiFiBasicInfoQueryCmd();
        ASSERT_TRUE(waitFor([this]() { return wifi()->isQueryDataReady(); }, kLimitMs));
    }

    CSimWiFiModule m_module; // outlives the simulator's thread, which calls it
    std::unique_ptr<CCommSpaceManage> m_manager;
    std::unique_ptr<CSimTransponderPort> m_sim;
    std::atomic<bool> m_rxElsewhere{false};
    std::atomic<int> m_rxCount{0};
};

const std::vector<std::string> kQueryLines = {"AT+WLANEN", "AT+OPMODE",  "AT+APSSID", "AT+SECMODE",
                                              "AT+PSK",    "AT+SYSIPSET", "AT+TCPPORT", "AT+APCHAN",
                                              "AT+VER",    "AT+SYSIP",   "AT+DHCPDEN", "AT+DHCPCEN"};

} // namespace

TEST_F(WiFiJobTest, QueryReadsBackTheModulesSettings)
{
    enter();
    query();
    EXPECT_EQ(atLines(), withLf(kQueryLines));
    expectSettingsOf(m_module.state(), parsed().data);
    expectNoBreach();
    leave();
}

TEST_F(WiFiJobTest, AccessPointSetUpIsAppliedAndReadBack)
{
    enter();
    SAPData ap = apSettings("KELVORA DECK", "10.1.2.3", "255.255.0.0", 2000, 11, "WPA2-PSK", "tide,table 9");
    device()->sendWiFiCfgCmd(&ap);
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.acknowledged[WIFI_AT_APPLY] != 0; }));
    EXPECT_EQ(atLines(), withLf({"AT+APSSID=KELVORA DECK", "AT+APCHAN=11", "AT+SYSIPSET=10.1.2.3,255.255.0.0",
                                 "AT+TCPPORT=2000", "AT+SECMODE=WPA2-PSK", "AT+PSK=0,tide,table 9", "AT+APPLY"}));
    const SSimWiFiState s = m_module.state();
    EXPECT_EQ(s.apSsid, "KELVORA DECK");
    EXPECT_EQ(s.psk, "0,tide,table 9");

    query();
    expectSettingsOf(s, parsed().data);
    EXPECT_STREQ(parsed().data.sAPData.szPassPhrase, "tide,table 9");

    // An open network: no pass-phrase line.
    std::strcpy(ap.szSecurity, "NONE");
    m_sim->clearReceived();
    wifi()->clearReplyFlags();
    device()->sendWiFiCfgCmd(&ap);
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.acknowledged[WIFI_AT_APPLY] != 0; }));
    EXPECT_EQ(atLines().size(), 6u);
    EXPECT_EQ(m_module.state().secMode, "NONE");
    expectNoBreach();
    leave();
}

TEST_F(WiFiJobTest, ModeControlSwitchesServiceAndDhcp)
{
    enter();
    device()->sendWiFiModeCtrlCmd(true, WIFI_OPERATION_MODE_CLIENT);
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.acknowledged[WIFI_AT_WAPPLY] != 0; }));
    EXPECT_EQ(atLines(), withLf({"AT+WLANEN=1", "AT+DHCPCEN=1", "AT+DHCPDEN=0", "AT+OPMODE=1", "AT+SYSAPPLY",
                                 "AT+WAPPLY"}));
    query();
    const SWiFiData d = parsed().data;
    EXPECT_EQ(d.iOperationMode, 1);
    EXPECT_EQ(d.iDhcpClient, 1);
    EXPECT_EQ(d.iDhcpServer, 0);

    wifi()->clearReplyFlags();
    m_sim->clearReceived();
    device()->sendWiFiModeCtrlCmd(false, WIFI_OPERATION_MODE_AP);
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.acknowledged[WIFI_AT_WAPPLY] != 0; }));
    EXPECT_EQ(atLines(), withLf({"AT+WLANEN=0", "AT+SYSAPPLY", "AT+WAPPLY"}));
    EXPECT_EQ(m_module.state().wlanEnable, "0");
    expectNoBreach();
    leave();
}

TEST_F(WiFiJobTest, FactoryResetRestoresTheDefaults)
{
    SSimWiFiState changed;
    changed.apSsid = "SOMEONE ELSE";
    changed.apChan = "2";
    changed.opMode = "1";
    m_module.setState(changed);
    enter();
    device()->sendWiFiFactoryRstCmd();
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.acknowledged[WIFI_AT_APPLY] != 0; }));
    EXPECT_EQ(atLines(), withLf({"AT+FACTDEF", "AT+APPLY"}));
    query();
    expectSettingsOf(SSimWiFiState(), parsed().data);
    expectNoBreach();
    leave();
}

TEST_F(WiFiJobTest, ScanListsTheAccessPointsGroupedStrongestFirst)
{
    m_module.setAccessPoints(harbourAccessPoints());
    enter();
    device()->sendWiFiClientScanCmd();
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.scanReady != 0; }));
    EXPECT_EQ(atLines(), withLf({"AT+SCAN", "WiFiScanEnd"}));

    const std::vector<SClientAPInfoStruct> groups = parsed().data.scanned;
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].ssid, "Harbour Office");
    EXPECT_EQ(groups[1].ssid, "Pier 7 Cafe");
    EXPECT_EQ(groups[2].ssid, "Marina Guest");
    ASSERT_EQ(groups[0].records.size(), 3u);
    // Strongest first; of two alike, the later one first.
    EXPECT_EQ(groups[0].records[0].apId, "a0:63:91:10:22:03");
    EXPECT_EQ(groups[0].records[1].apId, "A0:63:91:10:22:02");
    EXPECT_EQ(groups[0].records[2].apId, "a0:63:91:10:22:01");
    EXPECT_EQ(groups[0].records[0].rssi, -52);
    EXPECT_EQ(groups[0].records[2].third, 1);
    EXPECT_EQ(groups[1].records[0].security, "NONE");
    EXPECT_EQ(groups[2].records[0].security, "WPA");
    expectNoBreach();
    leave();
}

TEST_F(WiFiJobTest, JoinIsReportedLinkedAfterTheModulesDelay)
{
    m_module.setAccessPoints(harbourAccessPoints());
    m_module.setJoinDelayMs(800);
    enter();
    device()->sendWiFiClientScanCmd();
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.scanReady != 0; }));

    wifi()->clearReplyFlags();
    m_sim->clearReceived();
    SClintAPCntData request{"Pier 7 Cafe", "NONE", "unused"};
    device()->sendWiFiClientAPCntCmd(&request);
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.acknowledged[WIFI_AT_WAPPLY] != 0; }));
    EXPECT_EQ(atLines(), withLf({"AT+STA=Pier 7 Cafe", "AT+SECMODE=NONE", "AT+WAPPLY"}));

    // The controller's poll: a link-status query, its answer, and again while not yet linked.
    int polls = 0;
    const bool linked = waitFor(
        [&]() {
            const SCmdProcData p = parsed();
            if (p.stationLinkState == 1)
                return true;
            if (polls == 0 || p.stationLinkState == 2) {
                wifi()->restartLinkStatus();
                device()->sendWiFiClientAPCntStatusCmd();
                ++polls;
            }
            return false;
        },
        kLimitMs);
    ASSERT_TRUE(linked);
    EXPECT_GE(polls, 1);
    const SCmdProcData p = parsed();
    EXPECT_EQ(p.data.sLinkStatus.linkedAP.apId, "c8:3a:35:44:10:0b");
    EXPECT_EQ(p.data.sLinkStatus.linkedAP.ssid, "Pier 7 Cafe");
    ASSERT_FALSE(p.data.scanned.empty());
    EXPECT_EQ(p.data.scanned[0].ssid, "Pier 7 Cafe") << "the linked group comes first";
    EXPECT_EQ(p.data.scanned[0].connectStatus, 0);
    expectNoBreach();
    leave();
}

TEST_F(WiFiJobTest, JoinThatNeverLinksIsReportedNotAssociated)
{
    m_module.setAccessPoints(harbourAccessPoints());
    m_module.setJoinDelayMs(-1);
    enter();
    SClintAPCntData request{"Harbour Office", "WPA2", "secret"};
    device()->sendWiFiClientAPCntCmd(&request);
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.acknowledged[WIFI_AT_WAPPLY] != 0; }));
    EXPECT_EQ(atLines(), withLf({"AT+STA=Harbour Office", "AT+SECMODE=WPA2-PSK", "AT+PSK=0,secret", "AT+WAPPLY"}));
    EXPECT_EQ(m_module.state().psk, "0,secret");

    m_sim->clearReceived();
    device()->sendWiFiClientAPCntStatusCmd();
    device()->sendWiFiClientAPCntStatusCmd(); // each call asks again
    ASSERT_TRUE(waitFor([this]() { return m_sim->received().size() == 2; }, kLimitMs));
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.stationLinkState == 2; }));
    EXPECT_EQ(atLines(), withLf({"AT+STALINK", "AT+STALINK"}));
    EXPECT_EQ(parsed().linkMatch, 0);
    expectNoBreach();
    leave();
}

// A refused command holds the next line for the reply time-out (shortened here through the
// test's seam), and the rest of the job still goes out, each line released by its answer: their
// waits outlast the test's.
TEST_F(WiFiJobTest, RefusedCommandHoldsTheNextLineAndTheJobContinues)
{
    device()->setWiFiReplyTimeoutMs(kAnsweredReplyTimeoutMs);
    device()->setWiFiReplyTimeoutMs(kShortReplyTimeoutMs, "AT+DHCPCEN");
    m_module.refuse("AT+DHCPCEN");
    enter();
    device()->sendWiFiModeCtrlCmd(true, WIFI_OPERATION_MODE_CLIENT);
    ASSERT_TRUE(waitParsed([](const SCmdProcData& p) { return p.acknowledged[WIFI_AT_WAPPLY] != 0; }));
    const std::vector<SSimRxLine> lines = m_sim->received();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1].bytes, "AT+DHCPCEN=1\n");
    EXPECT_GE(longestGapMs(lines[1], lines[2]), kShortReplyTimeoutMs - kJitterMs);
    const SSimWiFiState s = m_module.state();
    EXPECT_EQ(s.dhcpClient, "0") << "refused";
    EXPECT_EQ(s.opMode, "1") << "sent after the refusal";
    expectNoBreach();
    leave();
}

// The module falls silent after its echo, in the middle of the query and at its very end; the next
// query after pass-through was left and entered again reads every value right.
TEST_F(WiFiJobTest, SilentModuleLeavesNoStuckReassembly)
{
    device()->setWiFiReplyTimeoutMs(kShortReplyTimeoutMs, "AT+PSK");
    device()->setWiFiReplyTimeoutMs(kShortReplyTimeoutMs, "AT+DHCPCEN");
    m_module.silence("AT+PSK");
    m_module.silence("AT+DHCPCEN");
    enter();
    m_manager->sendWiFiBasicInfoQueryCmd();
    ASSERT_TRUE(waitFor([this]() { return m_sim->received().size() == 12; }, kLimitMs));
    EXPECT_EQ(atLines(), withLf(kQueryLines));
    EXPECT_FALSE(wifi()->isQueryDataReady());
    leave();
    // The next query's lines are answered: they wait as long as the module may take.
    device()->setWiFiReplyTimeoutMs(CDeviceComm::kWiFiReplyTimeoutMs, "AT+PSK");
    device()->setWiFiReplyTimeoutMs(CDeviceComm::kWiFiReplyTimeoutMs, "AT+DHCPCEN");

    SSimWiFiState s = m_module.state();
    s.apSsid = "SECOND LOOK";
    s.dhcpClient = "1";
    m_module.setState(s);
    enter();
    query();
    expectSettingsOf(s, parsed().data);
    expectNoBreach();
    leave();
}

// The line hangs up in the middle of a job. The controller's recovery gives the link back to
// sentences; once the transponder is connected again and has left pass-through, its sentences
// reach the sentence handler and a whole query runs as if nothing had happened.
TEST_F(WiFiJobTest, HangUpMidJobLeavesNoStuckStateAndSentencesReturn)
{
    enter();
    m_manager->sendWiFiBasicInfoQueryCmd();
    ASSERT_TRUE(waitFor([this]() { return m_module.commands().size() >= 4; }, kLimitMs)); // at "AT+SECMODE"
    m_sim->hangUp();
    EXPECT_FALSE(wifi()->isQueryDataReady());

    // Recovery once the dead link is gone (a reply it read before the hang-up may still switch
    // the mode, as it should): back to sentences, and connect afresh.
    m_manager->disconnectDeviceComm();
    ASSERT_TRUE(waitFor([this]() { return device()->currentComm() == nullptr; }, kLimitMs));
    device()->switchSysMode(WIFI_SYS_MODE_SENTENCE);
    EXPECT_EQ(modeOf(device()), WIFI_SYS_MODE_SENTENCE);
    // The answer the module still owed falls due into the dead line, not into the new one.
    ASSERT_TRUE(waitFor([this]() { return !m_module.busy(); }, kLimitMs));
    ASSERT_TRUE(m_sim->reopen());
    connectSim();
    m_sim->clearReceived();
    device()->sendCommand(kLeave, nullptr); // the controller's step while the mode is not known
    ASSERT_TRUE(waitFor([this]() { return !m_sim->inPassThrough(); }, kLimitMs));
    EXPECT_EQ(WiFiTest::bytesOf(m_sim->received()).front(), std::string(kLeave) + "\r\n");

    const std::string version = DeviceTest::sentence("!AIAIQ,VER");
    ASSERT_TRUE(m_manager->sendCommand(version.c_str(), static_cast<int>(version.size())));
    ASSERT_TRUE(waitFor(
        [this]() { return device()->getSentenceHandle()->getDevDetectState() == COMM_TRX_DEV_IDENTIFIED; },
        kLimitMs));

    enter();
    query();
    expectSettingsOf(m_module.state(), parsed().data);
    expectNoBreach();
    leave();
}

// The Wi-Fi mode and the link's receive type are written by both threads: here the receive routing
// on "CommSpaces Thread" and the controller's forced switch on this one (the same values, so the
// job runs on). Under ThreadSanitizer a plain value would be reported.
TEST_F(WiFiJobTest, ModeWrittenFromBothThreadsWhileLinesArrive)
{
    enter();
    wifi()->clearReplyFlags();
    m_manager->sendWiFiBasicInfoQueryCmd();
    ASSERT_TRUE(waitFor(
        [this]() {
            device()->switchSysMode(WIFI_SYS_MODE_CONFIG);
            return wifi()->isQueryDataReady();
        },
        kLimitMs));
    expectSettingsOf(m_module.state(), parsed().data);
    leave();
}
