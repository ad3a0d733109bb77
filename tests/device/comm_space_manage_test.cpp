#include "DeviceTestSupport.h"
#include "LogProbe.h"

#include "comm/CommData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

using DeviceTest::bytesOf;
using DeviceTest::CTestController;
using DeviceTest::kLimitMs;
using DeviceTest::sentence;
using TestSupport::waitFor;

namespace {

int baudOf(int code)
{
    const int rates[] = {115200, 57600, 38400, 19200, 14400, 9600, 4800};
    return rates[code];
}

// The manager on "CommSpaces Thread" with its live tick, this thread playing the GUI thread, and
// the simulated transponder on its own thread at the far end of a pseudo-terminal.
class CommSpaceManageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_manager = std::make_unique<CCommSpaceManage>();
        bool ready = false;
        QObject context;
        QObject::connect(m_manager.get(), &CCommSpace::signalCommConntReady, &context, [&ready]() { ready = true; });
        ASSERT_TRUE(m_manager->initCommSpaceTh());
        ASSERT_TRUE(waitFor([&]() { return ready; }, kLimitMs));
        m_controller = std::make_unique<CTestController>(m_manager.get());
    }

    void TearDown() override
    {
        m_manager->end();
        m_manager.reset();
        if (m_sim)
            m_sim->stop();
    }

    void startSim(int model)
    {
        m_sim = std::make_unique<CSimTransponderPort>(model);
        ASSERT_TRUE(m_sim->start());
    }

    // "Connect": the link opens on the manager's thread; the first sentences set the Wi-Fi mode.
    void connectSim()
    {
        COMM::SCommConntProfile profile = DeviceTest::serialProfile(m_sim->portName());
        m_manager->connectDeviceComm(profile);
        ASSERT_TRUE(waitFor([this]() { return handle()->getDevDetectState() == COMM_TRX_DEV_OPENED; }, kLimitMs));
        ASSERT_TRUE(waitFor(
            [this]() { return device()->getWiFiConfig()->systemMode() == WiFiScope::WIFI_SYS_MODE_SENTENCE; },
            kLimitMs));
    }

    void detect()
    {
        const int readsBefore = m_controller->fullReads;
        const int endsBefore = receivedCount("$PTST");
        ASSERT_TRUE(m_controller->runUntil(
            [this]() { return handle()->getDevDetectState() == COMM_TRX_DEV_CONFIG_SHOWN; }));
        // On a slow machine the tick may have queued the read again before the first one ended;
        // its sentences must be out before a test looks at what the transponder receives.
        ASSERT_TRUE(m_controller->runUntil([&]() {
            return receivedCount("$PTST") - endsBefore >= m_controller->fullReads - readsBefore;
        }));
    }

    int receivedCount(const std::string& prefix)
    {
        int count = 0;
        for (const std::string& line : bytesOf(m_sim->received()))
            count += line.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
        return count;
    }

    CDeviceComm* device() { return m_manager->getDeviceComm(); }
    CAisSentenceHandle* handle() { return device()->getSentenceHandle(); }

    std::vector<std::string> programLines()
    {
        return bytesOf(m_sim->received());
    }

    std::unique_ptr<CCommSpaceManage> m_manager;
    std::unique_ptr<CTestController> m_controller;
    std::unique_ptr<CSimTransponderPort> m_sim;
};

void expectRecordOf(const CSensorConfig& c, const SSimTransponderState& s)
{
    const bool one = s.model == 1;
    EXPECT_EQ(c.iMmsi, s.mmsi);
    EXPECT_TRUE(c.bMmsiProgrammed);
    EXPECT_EQ(c.szShipName, s.shipName);
    EXPECT_EQ(c.szCallSign, s.callSign);
    EXPECT_EQ(c.iShipType, s.shipType);
    EXPECT_EQ(c.iDimA, s.dimA);
    EXPECT_EQ(c.iDimB, s.dimB);
    EXPECT_EQ(c.iDimC, s.dimC);
    EXPECT_EQ(c.iDimD, s.dimD);
    EXPECT_EQ(c.szSerialNumber, s.snText);
    EXPECT_EQ(c.szFirmware, s.firmware);
    EXPECT_EQ(c.bGpsOn, s.gpsOn == 1);
    EXPECT_EQ(c.bGpsOnCopy, s.gpsOn == 1);
    EXPECT_EQ(c.szDscMonitor, std::to_string(s.dscMonitor));
    EXPECT_EQ(c.iSrmBoxCount, s.srmBoxCount);
    EXPECT_EQ(c.szFwVersion, s.fwVersion);
    EXPECT_TRUE(c.bWiFiModule);
    EXPECT_EQ(c.iMultipleBaudRate, s.multipleBaudRate);
    EXPECT_EQ(c.iGpsUpdateRate, s.gpsRi);
    EXPECT_EQ(c.iGpsDynModel, s.gpsDynModel);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(c.aiCfgStatus[i], s.status[i]) << i;
    EXPECT_EQ(c.iNmea1InBaud, baudOf(s.baudCode[0]));
    EXPECT_EQ(c.iNmea1OutBaud, baudOf(one ? s.baudCode[1] : s.baudCode[0]));
    EXPECT_EQ(c.iNmea2InBaud, baudOf(s.baudCode[2]));
    EXPECT_EQ(c.iNmea2OutBaud, baudOf(one ? s.baudCode[3] : s.baudCode[2]));
    EXPECT_EQ(c.iNmea2000Instance, s.nmea2000Instance);
    EXPECT_EQ(c.iKeyExchangeMmsi, s.keyExchangeMmsi);
    EXPECT_EQ(c.szEncryptionCode, s.encryptionCode);
    EXPECT_EQ(c.cCekStatus, 'R');
    EXPECT_EQ(c.iCekField1, 1);
    if (one) {
        EXPECT_EQ(c.iSrmFlags, s.srmFlags);
        EXPECT_EQ(c.szGroup30Text12, s.group30Text12);
        EXPECT_EQ(c.szSrmSingle, s.srmSingle);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(c.aszSrmBox[i], s.srmBox[i]) << i;
        EXPECT_EQ(c.iSrmEnable, s.group108[1]);
        EXPECT_EQ(c.iEncryptionPresent, s.group108[2]);
        EXPECT_EQ(c.iEncryptionEnable, s.group108[3]);
        EXPECT_EQ(c.iEncryptionAddrMode, s.group108[4]);
        EXPECT_EQ(c.iEncryptionMmsi, s.group108[5]);
        EXPECT_EQ(c.bAlrSentence, s.group108[6] == 0);
        EXPECT_EQ(c.iGroup108Value109, s.group108Value109);
        EXPECT_EQ(c.iEpv109, 0u);
    } else {
        // The SRM group is answered, but belongs to the other model.
        EXPECT_EQ(c.iSrmFlags, 0);
        EXPECT_STREQ(c.aszSrmBox[0], "");
        EXPECT_EQ(c.bAlrSentence, s.alrValue == 0);
        EXPECT_EQ(c.iEpv109, s.epv109);
        EXPECT_EQ(c.iEpv110, s.epv110);
    }
}

} // namespace

TEST_F(CommSpaceManageTest, SendingBeforeAnyLinkIsRefused)
{
    DeviceTest::AlarmProbe probe;
    const std::string text = sentence("!AIAIQ,VER");
    EXPECT_FALSE(m_manager->sendCommand(text.c_str(), static_cast<int>(text.size())));
    EXPECT_EQ(probe.count("Communication is failed"), 1);
    m_manager->disconnectDeviceComm(); // nothing to delete
    EXPECT_EQ(m_manager->commCount(), 0);
}

TEST_F(CommSpaceManageTest, ModelOneIsDetectedAndItsConfigurationReadWhole)
{
    startSim(1);
    handle()->setDevDetectState(COMM_TRX_DEV_CONFIG_SHOWN); // an opened link starts over whatever came before
    connectSim();
    detect();
    const SMachineTypeData machine = handle()->getMachineTypeData();
    EXPECT_EQ(machine.eMachineType, MACHINE_TYPE_KVX_T_362);
    EXPECT_EQ(machine.iCfgGroup, 108);
    EXPECT_STREQ(machine.szMachineName, "KVX-T-362");
    EXPECT_EQ(machine.sAiver.llSerialNumber, m_sim->state().serialNumber);
    EXPECT_EQ(m_controller->handOvers, 1);
    expectRecordOf(handle()->getReceivedConfig(), m_sim->state());
    expectRecordOf(*handle()->getDisplayedConfig(), m_sim->state());

    // On the wire: the leave sentence and the version query, then the read of this model.
    const std::vector<std::string> lines = programLines();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[0], "$PDBG,163,0,,,,,,*15\r\n");
    EXPECT_EQ(lines[1], "!AIAIQ,VER*3C\r\n");
    const std::vector<std::string> read = {sentence("$PQXV,Q,CFG,8117,,,"), sentence("$PQXV,Q,CFG,108,,,"),
                                           sentence("$PQXV,Q,CFG,183,,,"),  sentence("!AIAIQ,CEK"),
                                           sentence("$PQXV,Q,CFG,30,,,"),   sentence("$PTST,,,,,16")};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 8), read);
}

TEST_F(CommSpaceManageTest, ModelTwoIsDetectedAndItsConfigurationReadWhole)
{
    startSim(2);
    connectSim();
    detect();
    const SMachineTypeData machine = handle()->getMachineTypeData();
    EXPECT_EQ(machine.eMachineType, MACHINE_TYPE_T_275);
    EXPECT_EQ(machine.iCfgGroup, 600);
    expectRecordOf(handle()->getReceivedConfig(), m_sim->state());
    const std::vector<std::string> lines = programLines();
    ASSERT_GE(lines.size(), 10u);
    const std::vector<std::string> read = {
        sentence("$PQXV,Q,CFG,8117,,,"), sentence("$PQXV,Q,CFG,600,,,"), sentence("$PQXV,Q,CFG,183,,,"),
        sentence("!AIAIQ,CEK"),          sentence("$PQXV,Q,CFG,30,,,"),  sentence("!AIAIQ,EPV"),
        sentence("$PQXV,Q,CFG,31,,,"),   sentence("$PTST,,,,,16")};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 10), read);
}

TEST_F(CommSpaceManageTest, TrafficReachesCountersTargetsAndGps)
{
    startSim(1);
    connectSim();
    detect();
    // Everything the simulator sent is counted, per channel.
    ASSERT_TRUE(m_controller->runUntil([this]() {
        const CDiagnostics counts = handle()->getDiagnostics();
        return counts.m_uiTxB > 1 && counts.m_uiTxB == static_cast<uint32_t>(m_sim->sentVdo('B')) &&
               counts.m_uiRxA == static_cast<uint32_t>(m_sim->sentVdm('A')) &&
               counts.m_uiRxB == static_cast<uint32_t>(m_sim->sentVdm('B'));
    }));
    EXPECT_EQ(handle()->getDiagnostics().m_uiTxA, 0u);
    EXPECT_TRUE(m_controller->runUntil([this]() { return handle()->getDiagnostics().m_bGpsFix; }));
    EXPECT_TRUE(m_controller->runUntil([this]() { return device()->getTargetInfo()->targetCount() == 2; }));
    const std::vector<SensorScope::Target::STargetCopy> targets = device()->getTargetInfo()->getTargetCopies();
    ASSERT_EQ(targets.size(), 2u);
    const SSimTransponderState state = m_sim->state();
    const SensorScope::CGpsData gps = device()->getGpsInfo()->getGpsData();
    EXPECT_NEAR(gps.m_latitude, state.latitude, 1e-4);
    EXPECT_NEAR(gps.m_longitude, state.longitude, 1e-4);
}

TEST_F(CommSpaceManageTest, SendPathsPutTheExactBytesOnTheWireWithTheirGaps)
{
    startSim(1);
    m_sim->setPeriodMs(0);
    m_sim->send(sentence("$GPZDA,000000.00,01,01,2026,00,00")); // one sentence sets the Wi-Fi mode
    connectSim();
    m_sim->clearReceived();
    const std::string text = sentence("$ECVSD,70,,,,,,,,");
    // The same sentence twice: both go, 100 ms apart.
    ASSERT_TRUE(m_manager->sendCommand(text.c_str(), static_cast<int>(text.size())));
    ASSERT_TRUE(m_manager->sendCommand(text.c_str(), static_cast<int>(text.size())));
    ASSERT_TRUE(device()->sendCommand("AT+VER", nullptr));
    ASSERT_TRUE(device()->sendCommand("AT+VER", nullptr));
    ASSERT_TRUE(waitFor([this]() { return m_sim->received().size() >= 4; }, kLimitMs));
    const std::vector<SSimRxLine> lines = m_sim->received();
    EXPECT_EQ(bytesOf(lines), (std::vector<std::string>{text, text, "AT+VER\r\n", "AT+VER\r\n"}));
    EXPECT_GE(longestGapMs(lines[0], lines[1]), 60);
    EXPECT_GE(longestGapMs(lines[2], lines[3]), 150);
    EXPECT_EQ(m_sim->state().shipType, 70);
}

TEST_F(CommSpaceManageTest, PackageLargerThanTheTransmitQueueTakesIsRefused)
{
    startSim(1);
    m_sim->setPeriodMs(0);
    m_sim->send(sentence("$GPZDA,000000.00,01,01,2026,00,00"));
    connectSim();
    m_sim->clearReceived();
    DeviceTest::AlarmProbe probe;
    std::string text(COMM::kTxPackageDataSize + 1, 'X');
    EXPECT_FALSE(m_manager->sendCommand(text.c_str(), static_cast<int>(text.size())));
    EXPECT_EQ(probe.count("refused"), 1);
    // Exactly a package goes.
    text = std::string(COMM::kTxPackageDataSize - 2, 'Y') + "\r\n";
    EXPECT_TRUE(m_manager->sendCommand(text.c_str(), static_cast<int>(text.size())));
    ASSERT_TRUE(waitFor([this]() { return !m_sim->received().empty(); }, kLimitMs));
    EXPECT_EQ(m_sim->received().front().bytes, text);
}

TEST_F(CommSpaceManageTest, RequestThatOpensNoLinkIsIgnored)
{
    bool saved = false;
    QObject context;
    QObject::connect(m_manager.get(), &CCommSpace::signalCommDataSaved, &context, [&saved]() { saved = true; });
    COMM::SCommConntProfile profile = DeviceTest::serialProfile("/dev/null-no-such-port");
    profile.ConntSetting.SensorType = COMM::SENSOR_DEVICE_KIND_4; // opens nothing: the hook gets no link
    m_manager->connectDeviceComm(profile);
    ASSERT_TRUE(waitFor([&saved]() { return saved; }, kLimitMs));
    EXPECT_EQ(device()->currentComm(), nullptr);
    EXPECT_EQ(handle()->getDevDetectState(), COMM_TRX_DEV_NONE);
}

TEST_F(CommSpaceManageTest, HangUpMidSystemDataTextLosesTheLinkAndAReconnectStartsClean)
{
    startSim(1);
    m_sim->addFault("$PTST", SIM_FAULT::HangUp, 5);
    connectSim();
    ASSERT_TRUE(m_controller->runUntil([this]() { return m_sim->isHungUp(); }));
    // The lost port is deleted on the manager's thread, and the device object forgets it.
    ASSERT_TRUE(m_controller->runUntil([this]() { return device()->currentComm() == nullptr; }));
    ASSERT_TRUE(waitFor([this]() { return m_manager->commCount() == 0; }, kLimitMs));
    EXPECT_EQ(handle()->getDevDetectState(), COMM_TRX_DEV_IDENTIFIED); // the text never ended
    EXPECT_EQ(handle()->getReceivedConfig().iMmsi, m_sim->state().mmsi);
    DeviceTest::AlarmProbe probe;
    const std::string text = sentence("!AIAIQ,VER");
    EXPECT_FALSE(m_manager->sendCommand(text.c_str(), static_cast<int>(text.size())));
    EXPECT_EQ(probe.count("Communication is failed"), 1);
    EXPECT_FALSE(device()->sendCommand("AT+VER", nullptr));

    // The user switches "Connect" off and on again.
    m_controller->disconnected();
    EXPECT_EQ(handle()->getReceivedConfig().iMmsi, 0u);
    ASSERT_TRUE(m_sim->reopen());
    m_sim->clearReceived();
    connectSim();
    detect();
    expectRecordOf(handle()->getReceivedConfig(), m_sim->state());
    EXPECT_EQ(programLines().at(1), "!AIAIQ,VER*3C\r\n");
}

TEST_F(CommSpaceManageTest, GarbledOrWrongChecksumRepliesChangeNothing)
{
    startSim(1);
    connectSim();
    detect();
    m_sim->modifyState([](SSimTransponderState& s) {
        s.group108[3] = 7;
        s.group108Value109 = 99;
    });
    int marker = 0;
    for (SIM_FAULT fault : {SIM_FAULT::Garble, SIM_FAULT::WrongChecksum}) {
        m_sim->addFault("$PQXV,Q,CFG,108", fault);
        const uint32_t mmsi = 366999100 + static_cast<uint32_t>(++marker);
        m_sim->modifyState([mmsi](SSimTransponderState& s) { s.keyExchangeMmsi = mmsi; });
        ASSERT_TRUE(m_controller->send("$PQXV,Q,CFG,108,,,"));
        ASSERT_TRUE(m_controller->send("!AIAIQ,CEK")); // answered after the faulty replies
        ASSERT_TRUE(
            waitFor([this, mmsi]() { return handle()->getReceivedConfig().iKeyExchangeMmsi == mmsi; }, kLimitMs));
        EXPECT_EQ(handle()->getReceivedConfig().iEncryptionEnable, 0);
        EXPECT_EQ(handle()->getReceivedConfig().iGroup108Value109, 42);
        EXPECT_EQ(handle()->getReplyState(), 0);
    }
    // A clean reply then takes.
    ASSERT_TRUE(m_controller->send("$PQXV,Q,CFG,108,,,"));
    EXPECT_TRUE(waitFor([this]() { return handle()->getReceivedConfig().iEncryptionEnable == 7; }, kLimitMs));
}

TEST_F(CommSpaceManageTest, StatusQueryOnTheDiagnosticsPageIsHandedOver)
{
    startSim(1);
    connectSim();
    detect();
    m_sim->modifyState([](SSimTransponderState& s) { s.status[2] = 1; });
    ASSERT_TRUE(m_controller->readConfiguration(true));
    ASSERT_TRUE(waitFor([this]() { return handle()->getReplyState() == 2; }, kLimitMs));
    m_controller->tick(); // on another page the status reply waits
    EXPECT_EQ(handle()->getDisplayedConfig()->aiCfgStatus[2], 0);
    m_controller->setDiagnosticsPage(true);
    m_controller->tick();
    EXPECT_EQ(handle()->getDisplayedConfig()->aiCfgStatus[2], 1);
    EXPECT_EQ(handle()->getReplyState(), 0);
}

// The real arrangement under load: the link's receive slots switch the raw-data type on the
// communication thread while this thread sends on both paths, switches it back and reads every
// record the GUI reads. Clean under ThreadSanitizer, and no lock-order deadlock.
TEST_F(CommSpaceManageTest, GuiThreadReadsCopiesAndSendsWhileTheLinkWrites)
{
    startSim(1);
    connectSim();
    detect();
    m_sim->setPeriodMs(100);
    const long long start = CSimTransponderPort::nowMs();
    long long lastMode = 0;
    long long lastSend = 0;
    int switches = 0;
    int sent = 0;
    bool sawMessageLines = false;
    uint32_t lastTx = 0;
    ASSERT_TRUE(m_controller->runUntil(
        [&]() {
            const long long now = CSimTransponderPort::nowMs();
            if (now - lastMode >= 150) {
                // The module's reply word on the sentence path: to message lines on this thread,
                // and the next sentence switches back on the communication thread.
                lastMode = now;
                m_sim->send("+ok\r\n");
                ++switches;
            }
            if (now - lastSend >= 50) {
                lastSend = now;
                sent += device()->sendCommand("AT+VER", nullptr) ? 1 : 0;
                sent += m_controller->send("$PQXV,Q,CFG,8117,,,") ? 1 : 0;
            }
            const CSensorConfig received = handle()->getReceivedConfig();
            const CDiagnostics counts = handle()->getDiagnostics();
            const SMachineTypeData machine = handle()->getMachineTypeData();
            const SensorScope::CGpsData gps = device()->getGpsInfo()->getGpsData();
            const WiFiScope::SCmdProcData wifi = device()->getWiFiConfig()->getCmdProcData();
            EXPECT_EQ(received.iMmsi, m_sim->state().mmsi);
            EXPECT_EQ(machine.eMachineType, MACHINE_TYPE_KVX_T_362);
            EXPECT_GE(counts.m_uiTxB, lastTx);
            lastTx = counts.m_uiTxB;
            EXPECT_NEAR(gps.m_latitude, m_sim->state().latitude, 1e-4);
            EXPECT_EQ(wifi.data.bWlanEnable, false);
            if (COMM::CServiceComm* link = device()->currentComm())
                sawMessageLines = sawMessageLines || link->getRawDataType() == COMM::RAWDATA_MESSAGE;
            EXPECT_EQ(device()->getTargetInfo()->getTargetCopies().size(), 2u);
            handle()->isChangedConfigDisp();
            device()->isCommConnected();
            return now - start >= 3000;
        },
        kLimitMs));
    EXPECT_GT(switches, 10);
    EXPECT_TRUE(sawMessageLines);
    EXPECT_GT(sent, 50);
    // Once the module falls silent the link carries sentences again.
    ASSERT_TRUE(waitFor(
        [this]() {
            return device()->getWiFiConfig()->systemMode() == WiFiScope::WIFI_SYS_MODE_SENTENCE &&
                   device()->currentComm()->getRawDataType() == COMM::RAWDATA_SENTENCE;
        },
        kLimitMs));
}

// What Program Device sends changes the transponder, and the read-back shows it.
TEST_F(CommSpaceManageTest, SettingSentencesReachTheTransponderAndTheReadBackShowsThem)
{
    for (int model : {1, 2}) {
        SCOPED_TRACE(model);
        if (m_sim)
            m_sim->stop();
        m_controller->disconnected();
        startSim(model);
        connectSim();
        detect();
        m_sim->clearReceived();
        std::vector<std::string> settings = {"$ECSSD,NEW^2CCALL,NEW^2ANAME,11,12,13,14,,", "$ECVSD,52,,,,,,,,",
                                             "$PDBG,101,0,50,0,51,1,703,0,", "$PQXV,C,MID,366000111",
                                             "$AICEK,1,1,3,366000222,414243,C"};
        if (model == 1) {
            settings.push_back("$PQXV,C,CFG,108,6,0,");
            settings.push_back("$PQXV,C,CFG,108,3,1,");
            settings.push_back("$PDBG,40,6,42,5,38,4,39,3,");
            settings.push_back("$PQXV,C,CFG,30,5,2,NEW BOX");
        } else {
            settings.push_back("$PQXV,C,CFG,31,7,1,");
            settings.push_back("$AIEPV,C,AI,366000111,109,0");
            settings.push_back("$PQXV,C,DBG,40,6,41,3,,,,,");
        }
        std::vector<std::string> sent;
        for (const std::string& body : settings) {
            ASSERT_TRUE(m_controller->send(body));
            sent.push_back(sentence(body));
        }
        ASSERT_TRUE(m_controller->readConfiguration(false));
        const int handOvers = m_controller->handOvers;
        ASSERT_TRUE(m_controller->runUntil([&]() { return m_controller->handOvers > handOvers; }));
        const std::vector<std::string> lines = programLines();
        ASSERT_GE(lines.size(), sent.size());
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(sent.size())), sent);

        const CSensorConfig* shown = handle()->getDisplayedConfig();
        EXPECT_STREQ(shown->szCallSign, "NEW,CALL");
        EXPECT_STREQ(shown->szShipName, "NEW*NAME");
        EXPECT_EQ(shown->iDimA + shown->iDimB + shown->iDimC + shown->iDimD, 11 + 12 + 13 + 14);
        EXPECT_EQ(shown->iShipType, 52);
        EXPECT_STREQ(shown->szDscMonitor, "0");
        EXPECT_EQ(shown->iGpsUpdateRate, 1);
        EXPECT_EQ(shown->iGpsDynModel, 0);
        EXPECT_EQ(shown->iMmsi, 366000111u);
        EXPECT_EQ(shown->iKeyExchangeMmsi, 366000222);
        EXPECT_STREQ(shown->szEncryptionCode, "ABC");
        if (model == 1) {
            EXPECT_TRUE(shown->bAlrSentence);
            EXPECT_EQ(shown->iEncryptionEnable, 1);
            EXPECT_EQ(shown->iNmea1InBaud, 4800);
            EXPECT_EQ(shown->iNmea1OutBaud, 9600);
            EXPECT_EQ(shown->iNmea2InBaud, 14400);
            EXPECT_EQ(shown->iNmea2OutBaud, 19200);
            EXPECT_STREQ(shown->aszSrmBox[2], "NEW BOX");
        } else {
            EXPECT_FALSE(shown->bAlrSentence);
            EXPECT_EQ(shown->iEpv109, 0u);
            EXPECT_EQ(shown->iNmea1InBaud, 4800);
            EXPECT_EQ(shown->iNmea2OutBaud, 19200);
        }
    }
}
