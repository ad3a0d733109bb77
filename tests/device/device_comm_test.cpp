#include "DeviceTestSupport.h"
#include "LogProbe.h"
#include "SensorTestSupport.h"

#include "comm/CommData.h"
#include "comm/SerialPort.h"
#include "wifi/XQDWiFiPaser.h"

#include <gtest/gtest.h>

using DeviceTest::kLimitMs;
using DeviceTest::sentence;
using TestSupport::waitFor;

namespace {

// The device object bound to a serial link on this thread, the simulator at the far end.
class DeviceCommTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CXQDWiFiPaser::resetCfgModeCheck();
        m_sim.setPeriodMs(0);
        ASSERT_TRUE(m_sim.start());
        COMM::CSerialPort* port = m_link.createSerialPort(DeviceTest::serialProfile(m_sim.portName()),
                                                          COMM::RAWDATA_SENTENCE);
        ASSERT_NE(port, nullptr);
        ASSERT_TRUE(port->isConnected());
        port->setEnable(true);
        m_device.setComm(&m_link);
        m_device.connectSetup();
    }

    COMM::CSerialPort* port() { return m_link.getSerialPort(); }

    // The package at the head of the link's queue, before the link's timer takes it.
    COMM::STxPackage head()
    {
        COMM::STxPackage package;
        EXPECT_TRUE(port()->queueNextTxPackage(&package, false));
        return package;
    }

    CSimTransponderPort m_sim{1};
    COMM::CCommData m_link;
    CDeviceComm m_device;
};

} // namespace

TEST_F(DeviceCommTest, SerialLinkBecomesCurrentWithItsReconnectionLimit)
{
    EXPECT_EQ(m_device.currentComm(), port());
    EXPECT_EQ(m_link.getReConntTimes(), 3);
    EXPECT_TRUE(m_device.isCommConnected());

    // A network link is not the transponder's.
    COMM::CCommData network;
    COMM::SCommConntProfile profile;
    profile.ConntSetting = COMM::BuildConntLink(COMM::SENSOR_DEVICE_TRANSPONDER, L"NET", COMM::PRIMARY_POS_DEFAULT, false);
    profile.CommType = COMM::COMM_TYPE_NETWORK;
    profile.Config.Network = COMM::BuildNetworkConfig(COMM::SOCKET_TCP_CLIENT, "127.0.0.1", 1);
    ASSERT_NE(network.createNetworkSocket(profile, COMM::RAWDATA_SENTENCE), nullptr);
    m_device.setComm(&network);
    m_device.setComm(nullptr);
    EXPECT_EQ(m_device.currentComm(), port());
    EXPECT_EQ(network.getReConntTimes(), 0);
    m_device.pareComm(&network);
    EXPECT_EQ(m_device.currentComm(), port());

    m_device.pareComm(&m_link);
    EXPECT_EQ(m_device.currentComm(), nullptr);
    EXPECT_FALSE(m_device.isCommConnected());
    EXPECT_FALSE(m_device.sendCommand("AT+VER", nullptr));
    EXPECT_FALSE(port()->isTxRequest());
}

// The last link was lost behind "AT+EXIT": on the link bound next, "+ok" means configuration mode.
TEST_F(DeviceCommTest, ABoundLinkStartsTheConfigurationModeCheckAfresh)
{
    char exit[] = ">AT+EXIT\r\n";
    char ok[] = "+ok\r\n";
    EXPECT_FALSE(m_device.checkWiFiMode(exit));
    m_device.setComm(&m_link);
    EXPECT_TRUE(m_device.checkWiFiMode(ok));
}

TEST_F(DeviceCommTest, LineEndFollowsTheWiFiModeAndTheLinesKeepTheirGap)
{
    struct Case
    {
        WiFiScope::WIFI_SYS_MODE mode;
        const char* bytes;
    };
    const Case cases[] = {
        {WiFiScope::WIFI_SYS_MODE_CONFIG, "AT+VER\n"},
        {WiFiScope::WIFI_SYS_MODE_SENTENCE, "AT+VER\r\n"},
        {WiFiScope::WIFI_SYS_MODE_UNKNOWN, "AT+VER\n"},
    };
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        m_device.getWiFiConfig()->setSystemMode(c.mode);
        ASSERT_TRUE(m_device.sendCommand("AT+VER", nullptr));
        const COMM::STxPackage package = head();
        EXPECT_EQ(std::string(package.data, static_cast<size_t>(package.length)), c.bytes);
        EXPECT_EQ(package.gapMs, 200);
        EXPECT_FALSE(package.skipIfSame);
        EXPECT_EQ(package.response.timeoutMs, 0);
        expected.push_back(c.bytes);
        ASSERT_TRUE(waitFor([&]() { return m_sim.received().size() == expected.size(); }, kLimitMs));
    }
    const std::vector<SSimRxLine> lines = m_sim.received();
    EXPECT_EQ(DeviceTest::bytesOf(lines), expected);
}

TEST_F(DeviceCommTest, AwaitedReplyTravelsWithTheLine)
{
    COMM::SResponseInform* response = m_device.getResponseInform();
    response->timeoutMs = 20000;
    std::snprintf(response->awaitText, sizeof(response->awaitText), "+ok");
    ASSERT_TRUE(m_device.sendCommand("AT+WLANEN", response));
    const COMM::STxPackage package = head();
    EXPECT_EQ(package.response.timeoutMs, 20000);
    EXPECT_STREQ(package.response.awaitText, "+ok");
}

TEST_F(DeviceCommTest, LineLongerThanAPackageTakesIsRefusedNotCut)
{
    m_device.getWiFiConfig()->setSystemMode(WiFiScope::WIFI_SYS_MODE_SENTENCE);
    DeviceTest::AlarmProbe probe;
    EXPECT_FALSE(m_device.sendCommand(std::string(CDeviceComm::kMaxLineLength + 1, 'P'), nullptr));
    EXPECT_FALSE(port()->isTxRequest());
    EXPECT_EQ(probe.count("refused"), 1);
    ASSERT_TRUE(m_device.sendCommand(std::string(CDeviceComm::kMaxLineLength, 'P'), nullptr));
    EXPECT_EQ(head().length, CDeviceComm::kMaxLineLength + 2);
}

TEST_F(DeviceCommTest, MessageLinesGoToTheWiFiParserOnlyInConfigurationMode)
{
    m_device.switchRawDataType(COMM::RAWDATA_MESSAGE);
    QString shown;
    QObject::connect(&m_device, &CDeviceComm::signalRxLogMsg, [&shown](void*, QString text) { shown += text; });
    LogProbe probe;
    m_sim.send("hello there\r\n");
    ASSERT_TRUE(waitFor([&]() { return probe.count("checkWiFiMode Fail:hello there") == 1; }, kLimitMs));
    EXPECT_EQ(shown, "hello there\r\n");
    EXPECT_EQ(port()->getRawDataType(), COMM::RAWDATA_SENTENCE);

    // The module's reply word switches to message lines; a sentence switches back and is dropped.
    m_sim.send("+ok\r\n");
    ASSERT_TRUE(waitFor([&]() { return port()->getRawDataType() == COMM::RAWDATA_MESSAGE; }, kLimitMs));
    EXPECT_EQ(m_device.getWiFiConfig()->systemMode(), WiFiScope::WIFI_SYS_MODE_CONFIG);
    EXPECT_EQ(probe.count("Change WiFi Sys Mode:1"), 1);
    m_sim.send(sentence("$GPZDA,000000.00,01,01,2026,00,00"));
    ASSERT_TRUE(waitFor([&]() { return port()->getRawDataType() == COMM::RAWDATA_SENTENCE; }, kLimitMs));
    EXPECT_EQ(m_device.getWiFiConfig()->systemMode(), WiFiScope::WIFI_SYS_MODE_SENTENCE);
    EXPECT_EQ(probe.count("checkWiFiMode Fail:$GPZDA"), 1);
}

TEST_F(DeviceCommTest, ConfigurationModeSeenOnTheSentencePathSwitchesToMessageLines)
{
    m_sim.send("+ok\r\n");
    ASSERT_TRUE(waitFor([&]() { return port()->getRawDataType() == COMM::RAWDATA_MESSAGE; }, kLimitMs));
    EXPECT_EQ(m_device.getWiFiConfig()->systemMode(), WiFiScope::WIFI_SYS_MODE_CONFIG);
}

TEST_F(DeviceCommTest, FillSlotsRunOncePerSentenceHoweverOftenALinkOpens)
{
    for (int i = 0; i < 3; ++i) {
        m_device.setComm(&m_link);
        m_device.connectSetup();
    }
    // A fix dated far from the host clock counts one deviation per time the GPS model takes it.
    TestSupport::CFakeLink link;
    link.receive(sentence("$GPRMC,120000.00,A,5215.0000,N,00430.0000,E,5.5,87.0,010101,,,A"));
    m_device.onRxSentence(&link, COMM::COMM_TYPE_SERIAL);
    EXPECT_EQ(m_device.getGpsInfo()->clockDeviationCount(), 1);
}

TEST_F(DeviceCommTest, TargetsWithoutAnMmsiAreNotEntered)
{
    m_device.onFillAisTargetData(0);
    EXPECT_EQ(m_device.getTargetInfo()->targetCount(), 0u);
    m_device.onFillAisTargetData(244000001);
    EXPECT_EQ(m_device.getTargetInfo()->targetCount(), 1u);
    m_device.updateSensorInfoPerSec();
    m_device.initDevConfigInfo();
    EXPECT_EQ(m_device.getTargetInfo()->targetCount(), 0u);
}
