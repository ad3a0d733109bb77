// The pass-through switch and the AT send path, checked by the bytes the simulated transponder
// and its Wi-Fi module receive. The link runs on this thread, so a queued package can be looked at
// before the link's timer takes it.
#include "WiFiTestSupport.h"

#include "LogProbe.h"

#include "comm/CommData.h"
#include "comm/SerialPort.h"

#include <gtest/gtest.h>

#include <functional>

using DeviceTest::kLimitMs;
using TestSupport::waitFor;
using namespace WiFiScope;
using namespace WiFiTest;

namespace {

class WiFiSendPathTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CXQDWiFiPaser::resetCfgModeCheck();
        m_sim.setPeriodMs(0);
        m_sim.setPassThrough(&m_module);
        ASSERT_TRUE(m_sim.start());
        COMM::CSerialPort* port = m_link.createSerialPort(transponderProfile(m_sim.portName()),
                                                          COMM::RAWDATA_SENTENCE);
        ASSERT_NE(port, nullptr);
        port->setEnable(true);
        m_device.setComm(&m_link);
        m_device.connectSetup();
        m_device.getWiFiConfig()->setSystemMode(WIFI_SYS_MODE_SENTENCE);
    }

    void TearDown() override { m_sim.stop(); }

    COMM::CSerialPort* port() { return m_link.getSerialPort(); }

    COMM::STxPackage head()
    {
        COMM::STxPackage package;
        EXPECT_TRUE(port()->queueNextTxPackage(&package, false));
        return package;
    }

    static std::string bytesOf(const COMM::STxPackage& package)
    {
        return std::string(package.data, static_cast<size_t>(package.length));
    }

    // As the controller does: the enter sentence, then wait for the module's "+ok" to show.
    void enterPassThrough()
    {
        m_device.sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
        ASSERT_TRUE(waitFor([this]() { return modeOf(&m_device) == WIFI_SYS_MODE_CONFIG; }, kLimitMs));
        ASSERT_EQ(port()->getRawDataType(), COMM::RAWDATA_MESSAGE);
        m_sim.clearReceived();
    }

    CSimWiFiModule m_module; // outlives the simulator's thread, which calls it
    CSimTransponderPort m_sim{1};
    COMM::CCommData m_link;
    CDeviceComm m_device;
};

} // namespace

TEST_F(WiFiSendPathTest, SwitchSentencesEndAsTheStoredModeAsksAndWaitForNothing)
{
    m_device.sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
    COMM::STxPackage package = head();
    EXPECT_EQ(bytesOf(package), "$PDBG,163,1,,,,,,*14\r\n");
    EXPECT_EQ(package.gapMs, 200);
    EXPECT_FALSE(package.skipIfSame);
    EXPECT_EQ(package.response.timeoutMs, 0);
    // Sending changes neither the mode nor the receive type; the module's answer does.
    EXPECT_EQ(modeOf(&m_device), WIFI_SYS_MODE_SENTENCE);
    EXPECT_EQ(port()->getRawDataType(), COMM::RAWDATA_SENTENCE);
    ASSERT_TRUE(waitFor([this]() { return modeOf(&m_device) == WIFI_SYS_MODE_CONFIG; }, kLimitMs));
    EXPECT_EQ(port()->getRawDataType(), COMM::RAWDATA_MESSAGE);

    m_device.sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG); // repeated in pass-through
    EXPECT_EQ(bytesOf(head()), "$PDBG,163,1,,,,,,*14\n");
    ASSERT_EQ(waitForLines(m_sim, 2).size(), 2u);
    m_device.sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_SENTENCE);
    package = head();
    EXPECT_EQ(bytesOf(package), "$PDBG,163,0,,,,,,*15\n");
    EXPECT_EQ(package.response.timeoutMs, 0);
    EXPECT_EQ(modeOf(&m_device), WIFI_SYS_MODE_CONFIG);

    EXPECT_EQ(WiFiTest::bytesOf(waitForLines(m_sim, 3)),
              (std::vector<std::string>{"$PDBG,163,1,,,,,,*14\r\n", "$PDBG,163,1,,,,,,*14\n", "$PDBG,163,0,,,,,,*15\n"}));
    EXPECT_TRUE(waitFor([this]() { return !m_sim.inPassThrough(); }, kLimitMs));
}

TEST_F(WiFiSendPathTest, UnknownSwitchModeQueuesNothing)
{
    LogProbe probe;
    m_device.sendCmdToSwitchWiFiMode(static_cast<WIFI_SYS_MODE>(2));
    EXPECT_FALSE(port()->isTxRequest());
    EXPECT_EQ(probe.count("No such command"), 1);
}

TEST_F(WiFiSendPathTest, SwitchSysModeSetsReceiveTypeAndModeWithoutSending)
{
    struct Case
    {
        int mode;
        COMM::RAWDATA_TYPE type;
        WIFI_SYS_MODE stored;
    };
    const Case cases[] = {
        {1, COMM::RAWDATA_MESSAGE, WIFI_SYS_MODE_CONFIG},
        {0, COMM::RAWDATA_SENTENCE, WIFI_SYS_MODE_SENTENCE},
        {1, COMM::RAWDATA_MESSAGE, WIFI_SYS_MODE_CONFIG},
        {-1, COMM::RAWDATA_SENTENCE, WIFI_SYS_MODE_SENTENCE},
        {7, COMM::RAWDATA_SENTENCE, WIFI_SYS_MODE_SENTENCE},
    };
    for (const Case& c : cases) {
        m_device.switchSysMode(static_cast<WIFI_SYS_MODE>(c.mode));
        EXPECT_EQ(port()->getRawDataType(), c.type) << c.mode;
        EXPECT_EQ(modeOf(&m_device), c.stored) << c.mode;
    }
    EXPECT_FALSE(port()->isTxRequest());

    // Without a link only the mode changes.
    CDeviceComm alone;
    alone.switchSysMode(WIFI_SYS_MODE_CONFIG);
    EXPECT_EQ(modeOf(&alone), WIFI_SYS_MODE_CONFIG);
    alone.switchSysMode(WIFI_SYS_MODE_UNKNOWN);
    EXPECT_EQ(modeOf(&alone), WIFI_SYS_MODE_SENTENCE);
}

TEST_F(WiFiSendPathTest, AtLinesCarryTheirReplyWaitAndEndWithLfAlone)
{
    enterPassThrough();
    struct Case
    {
        const char* word;
        const char* parameter;
        const char* bytes;
    };
    const Case cases[] = {
        {"AT+WLANEN", "", "AT+WLANEN\n"},
        {"AT+APCHAN", "11", "AT+APCHAN=11\n"},
        {"AT+APSSID", " ", "AT+APSSID= \n"}, // blanks count as a parameter
        {"AT+APCHAN", "11", "AT+APCHAN=11\n"}, // the same line again is sent again
    };
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        m_device.sendCmdRespPass(20000, "+ok", c.word, c.parameter);
        const COMM::STxPackage package = head();
        EXPECT_EQ(bytesOf(package), c.bytes);
        EXPECT_EQ(package.response.timeoutMs, 20000);
        EXPECT_STREQ(package.response.awaitText, "+ok");
        EXPECT_EQ(package.response.sentMs, 0);
        EXPECT_EQ(package.gapMs, 200);
        EXPECT_FALSE(package.skipIfSame);
        expected.push_back(c.bytes);
        ASSERT_EQ(waitForLines(m_sim, expected.size()).size(), expected.size());
    }
    EXPECT_EQ(WiFiTest::bytesOf(m_sim.received()), expected);
    EXPECT_EQ(CDeviceComm::composeWiFiCfgCmd("AT+PSK", "0, a b,"), "AT+PSK=0, a b,");
}

TEST_F(WiFiSendPathTest, NextLineWaitsForOkAndTheGap)
{
    enterPassThrough();
    m_module.setReplyDelayMs(700); // the module thinks a while
    m_device.sendCmdRespPass(20000, "+ok", "AT+WLANEN", "");
    m_device.sendCmdRespPass(20000, "+ok", "AT+OPMODE", "");
    m_device.sendCmdRespPass(20000, "+ok", "AT+APCHAN", "");
    std::vector<SSimRxLine> lines = waitForLines(m_sim, 3);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_GE(longestGapMs(lines[0], lines[1]), 700 - kJitterMs) << "released by the answer, not earlier";
    EXPECT_GE(longestGapMs(lines[1], lines[2]), 700 - kJitterMs);

    // A quick module: the 200 ms gap still holds.
    m_module.setReplyDelayMs(0);
    m_sim.clearReceived();
    for (const char* word : {"AT+VER", "AT+SYSIP", "AT+TCPPORT"})
        m_device.sendCmdRespPass(20000, "+ok", word, "");
    lines = waitForLines(m_sim, 3);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(WiFiTest::gapBreaches(lines).empty()) << WiFiTest::gapBreaches(lines).front();
    EXPECT_TRUE(m_module.breaches().empty()) << m_module.breaches().front();
}

TEST_F(WiFiSendPathTest, ErrHoldsTheNextLineUntilTheTimeOutButOkValueReleasesIt)
{
    enterPassThrough();
    m_module.refuse("AT+APCHAN");
    m_device.sendCmdRespPass(kShortReplyTimeoutMs, "+ok", "AT+APCHAN", "3");
    // The third line comes within the wait only if "+ok=" released it.
    m_device.sendCmdRespPass(kAnsweredReplyTimeoutMs, "+ok", "AT+APSSID", "");
    m_device.sendCmdRespPass(kAnsweredReplyTimeoutMs, "+ok", "AT+VER", "");
    const std::vector<SSimRxLine> lines = waitForLines(m_sim, 3);
    ASSERT_EQ(lines.size(), 3u) << "\"+ok=\" did not release the next line";
    EXPECT_EQ(WiFiTest::bytesOf(lines), withLf({"AT+APCHAN=3", "AT+APSSID", "AT+VER"}));
    EXPECT_GE(longestGapMs(lines[0], lines[1]), kShortReplyTimeoutMs - kJitterMs) << "\"+err\" released the next line";
    EXPECT_EQ(m_module.state().apChan, "6") << "the refused setting changed nothing";
}

TEST_F(WiFiSendPathTest, WithoutALinkNothingIsQueuedOrLogged)
{
    m_device.pareComm(&m_link);
    LogProbe probe;
    m_device.sendCmdRespPass(20000, "+ok", "AT+WLANEN", "");
    m_device.sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
    m_device.sendWiFiBasicInfoQueryCmd();
    m_device.sendWiFiClientScanCmd();
    EXPECT_FALSE(port()->isTxRequest());
    EXPECT_TRUE(probe.records().empty());
}

// A join request's texts have no bound of their own: a line that does not fit a package refuses
// the whole job, nothing of it queued and nothing cut.
TEST_F(WiFiSendPathTest, OverlongJoinLineRefusesTheWholeJob)
{
    enterPassThrough();
    const size_t room = CDeviceComm::kMaxLineLength - std::string("AT+PSK=0,").size();
    SClintAPCntData request{"Pier 7", "WPA2", std::string(room + 1, 'k')};
    DeviceTest::AlarmProbe alarms;
    m_device.sendWiFiClientAPCntCmd(&request);
    EXPECT_FALSE(port()->isTxRequest()) << "part of the job was queued";
    EXPECT_EQ(alarms.count("refused"), 1);

    request.ssid = std::string(CDeviceComm::kMaxLineLength, 's');
    request.passPhrase = "short";
    m_device.sendWiFiClientAPCntCmd(&request);
    EXPECT_FALSE(port()->isTxRequest());
    EXPECT_EQ(alarms.count("refused"), 2);

    // The longest pass phrase that fits goes out whole.
    request.ssid = "Pier 7";
    request.passPhrase = std::string(room, 'k');
    m_device.sendWiFiClientAPCntCmd(&request);
    const std::vector<SSimRxLine> lines = waitForLines(m_sim, 4);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].bytes, "AT+PSK=0," + request.passPhrase + "\n");
    EXPECT_EQ(lines[2].bytes.size(), CDeviceComm::kMaxLineLength + 1u);
}

TEST_F(WiFiSendPathTest, OverlongAwaitedTextIsRefused)
{
    DeviceTest::AlarmProbe alarms;
    m_device.sendCmdRespPass(20000, std::string(COMM::kAwaitTextSize, 'o'), "AT+VER", "");
    EXPECT_FALSE(port()->isTxRequest());
    EXPECT_EQ(alarms.count("refused"), 1);
    m_device.sendCmdRespPass(20000, std::string(COMM::kAwaitTextSize - 1, 'o'), "AT+VER", "");
    EXPECT_EQ(std::string(head().response.awaitText), std::string(COMM::kAwaitTextSize - 1, 'o'));
}

TEST_F(WiFiSendPathTest, JobsWaitTheModulesTwentySecondsUnlessATestShortensIt)
{
    m_device.sendWiFiClientAPCntStatusCmd();
    EXPECT_EQ(head().response.timeoutMs, 20000);
    EXPECT_STREQ(head().response.awaitText, "+ok");
    port()->clearTxPackage();
    m_device.setWiFiReplyTimeoutMs(kShortReplyTimeoutMs);
    m_device.sendWiFiClientAPCntStatusCmd();
    EXPECT_EQ(head().response.timeoutMs, kShortReplyTimeoutMs);
}

TEST_F(WiFiSendPathTest, AWaitShortenedByNameKeepsToTheLinesItNames)
{
    m_device.setWiFiReplyTimeoutMs(700, "AT+WLANEN");
    m_device.setWiFiReplyTimeoutMs(kShortReplyTimeoutMs, "AT+DHCPCEN=");
    m_device.sendWiFiModeCtrlCmd(true, WIFI_OPERATION_MODE_CLIENT);
    m_device.sendWiFiBasicInfoQueryCmd();
    std::vector<std::pair<std::string, int>> waits;
    COMM::STxPackage package;
    while (port()->queueNextTxPackage(&package, true)) {
        std::string line = bytesOf(package);
        line.erase(line.find_last_not_of("\r\n") + 1);
        waits.emplace_back(line, package.response.timeoutMs);
    }
    const auto waitOf = [&](const std::string& line) {
        for (const auto& [text, ms] : waits) {
            if (text == line)
                return ms;
        }
        return -1;
    };
    EXPECT_EQ(waitOf("AT+WLANEN=1"), 700) << "the command's setting";
    EXPECT_EQ(waitOf("AT+WLANEN"), 700) << "and its query";
    EXPECT_EQ(waitOf("AT+DHCPCEN=1"), kShortReplyTimeoutMs);
    EXPECT_EQ(waitOf("AT+DHCPCEN"), CDeviceComm::kWiFiReplyTimeoutMs) << "a query is no setting";
    EXPECT_EQ(waitOf("AT+DHCPDEN=0"), CDeviceComm::kWiFiReplyTimeoutMs);
    EXPECT_EQ(waitOf("AT+VER"), CDeviceComm::kWiFiReplyTimeoutMs);
}

// Every job's lines as the module receives them, one after the other, each released by the answer
// to the one before.
TEST_F(WiFiSendPathTest, EachJobsLinesOnTheWire)
{
    enterPassThrough();
    m_module.setReplyDelayMs(0);
    auto ap = [](const char* security) { return apSettings("Deck", "10.0.0.1", "255.0.0.0", 2000, 3, security, "pw"); };
    const std::vector<std::string> apHead = {"AT+APSSID=Deck", "AT+APCHAN=3", "AT+SYSIPSET=10.0.0.1,255.0.0.0",
                                             "AT+TCPPORT=2000"};
    auto withApHead = [&apHead](std::vector<std::string> tail) {
        std::vector<std::string> lines = apHead;
        lines.insert(lines.end(), tail.begin(), tail.end());
        return lines;
    };
    auto join = [this](const char* ssid, const char* security, const char* pass) {
        SClintAPCntData request{ssid, security, pass};
        m_device.sendWiFiClientAPCntCmd(&request);
    };
    struct Case
    {
        const char* what;
        std::function<void()> send;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"query", [this]() { m_device.sendWiFiBasicInfoQueryCmd(); },
         {"AT+WLANEN", "AT+OPMODE", "AT+APSSID", "AT+SECMODE", "AT+PSK", "AT+SYSIPSET", "AT+TCPPORT", "AT+APCHAN",
          "AT+VER", "AT+SYSIP", "AT+DHCPDEN", "AT+DHCPCEN"}},
        {"set-up NONE", [&]() { SAPData d = ap("NONE"); m_device.sendWiFiCfgCmd(&d); },
         withApHead({"AT+SECMODE=NONE", "AT+APPLY"})},
        {"set-up WPA2-PSK", [&]() { SAPData d = ap("WPA2-PSK"); m_device.sendWiFiCfgCmd(&d); },
         withApHead({"AT+SECMODE=WPA2-PSK", "AT+PSK=0,pw", "AT+APPLY"})},
        {"set-up none", [&]() { SAPData d = ap("none"); m_device.sendWiFiCfgCmd(&d); },
         withApHead({"AT+SECMODE=WPA2-PSK", "AT+PSK=0,pw", "AT+APPLY"})},
        {"mode on client", [this]() { m_device.sendWiFiModeCtrlCmd(true, WIFI_OPERATION_MODE_CLIENT); },
         {"AT+WLANEN=1", "AT+DHCPCEN=1", "AT+DHCPDEN=0", "AT+OPMODE=1", "AT+SYSAPPLY", "AT+WAPPLY"}},
        {"mode on access point", [this]() { m_device.sendWiFiModeCtrlCmd(true, WIFI_OPERATION_MODE_AP); },
         {"AT+WLANEN=1", "AT+DHCPCEN=0", "AT+DHCPDEN=1", "AT+OPMODE=0", "AT+SYSAPPLY", "AT+WAPPLY"}},
        {"mode on -1",
         [this]() { m_device.sendWiFiModeCtrlCmd(true, static_cast<WIFI_OPERATION_MODE>(-1)); },
         {"AT+WLANEN=1", "AT+DHCPCEN=0", "AT+DHCPDEN=0", "AT+OPMODE=0", "AT+SYSAPPLY", "AT+WAPPLY"}},
        {"mode off", [this]() { m_device.sendWiFiModeCtrlCmd(false, WIFI_OPERATION_MODE_CLIENT); },
         {"AT+WLANEN=0", "AT+SYSAPPLY", "AT+WAPPLY"}},
        {"factory reset", [this]() { m_device.sendWiFiFactoryRstCmd(); }, {"AT+FACTDEF", "AT+APPLY"}},
        {"scan", [this]() { m_device.sendWiFiClientScanCmd(); }, {"AT+SCAN", "WiFiScanEnd"}},
        {"join WPA", [&]() { join("Pier", "WPA", "pw"); },
         {"AT+STA=Pier", "AT+SECMODE=WPA-PSK", "AT+PSK=0,pw", "AT+WAPPLY"}},
        {"join WPA2", [&]() { join("Pier", "WPA2", "pw"); },
         {"AT+STA=Pier", "AT+SECMODE=WPA2-PSK", "AT+PSK=0,pw", "AT+WAPPLY"}},
        {"join NONE", [&]() { join("Pier", "NONE", "pw"); }, {"AT+STA=Pier", "AT+SECMODE=NONE", "AT+WAPPLY"}},
        {"join wpa2", [&]() { join("Pier", "wpa2", "pw"); },
         {"AT+STA=Pier", "AT+SECMODE=wpa2", "AT+PSK=0,pw", "AT+WAPPLY"}},
        {"join empty", [&]() { join("", "", ""); }, {"AT+STA", "AT+SECMODE", "AT+PSK=0,", "AT+WAPPLY"}},
        {"link status twice",
         [this]() {
             m_device.sendWiFiClientAPCntStatusCmd();
             m_device.sendWiFiClientAPCntStatusCmd();
         },
         {"AT+STALINK", "AT+STALINK"}},
    };
    for (const Case& c : cases) {
        m_sim.clearReceived();
        c.send();
        const std::vector<SSimRxLine> lines = waitForLines(m_sim, c.lines.size());
        EXPECT_EQ(WiFiTest::bytesOf(lines), withLf(c.lines)) << c.what;
        const std::vector<std::string> gaps = WiFiTest::gapBreaches(lines);
        EXPECT_TRUE(gaps.empty()) << c.what << ": " << gaps.front();
    }
    EXPECT_TRUE(m_module.breaches().empty()) << m_module.breaches().front();
}
