#include "device/AisSentenceHandle.h"

#include "LogProbe.h"
#include "SensorTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using TestSupport::CFakeLink;
using TestSupport::withChecksum;

namespace {

std::string version(const char* model, const char* serial = "5000000001234")
{
    return withChecksum(std::string("$AIVER,1,1,AI,KEL,SIM0001,") + serial + ",7," + model + ",HW2,1");
}

// A checksummed sentence of exactly length characters (CR LF included): head, then fill.
std::string ofLength(const std::string& head, char fill, size_t length)
{
    const size_t tail = 5; // "*hh" and CR LF
    return withChecksum(head + std::string(length - tail - head.size(), fill));
}

// Feeds text units through a link's queues into the handler, as the link's signal would.
class AisSentenceHandleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSupport::initLibrary();
        QObject::connect(&m_handle, &CAisSentenceHandle::signalWiFiCfgModeEnable,
                         [this](int mode) { m_modes.push_back(mode); });
    }

    void feed(const std::string& text)
    {
        m_link.receive(text);
        m_handle.sentenceProc(&m_link, COMM::COMM_TYPE_SERIAL);
    }

    // One unit straight into the hook, with its result.
    bool offer(const std::string& text)
    {
        SENSOR_SENTENCE_PACKAGE package{};
        std::snprintf(package.sentence, sizeof(package.sentence), "%s", text.c_str());
        return m_handle.sensorSentenceProc(package);
    }

    CFakeLink m_link;
    CAisSentenceHandle m_handle;
    std::vector<int> m_modes;
};

} // namespace

TEST_F(AisSentenceHandleTest, VersionReplyIdentifiesTheModelOnlyFromAnOpenedLink)
{
    struct Case
    {
        const char* model;
        COMM_TRX_DEV_STATE before;
        MACHINE_TYPE type;
        int group;
        COMM_TRX_DEV_STATE after;
    };
    const Case cases[] = {
        {"KVX-T-362", COMM_TRX_DEV_OPENED, MACHINE_TYPE_KVX_T_362, 108, COMM_TRX_DEV_IDENTIFIED},
        {"T-275", COMM_TRX_DEV_OPENED, MACHINE_TYPE_T_275, 600, COMM_TRX_DEV_IDENTIFIED},
        // Known model, but the link is not waiting for detection: the state stays.
        {"T-275", COMM_TRX_DEV_CONFIG_TEXT, MACHINE_TYPE_T_275, 600, COMM_TRX_DEV_CONFIG_TEXT},
        {"T-275", COMM_TRX_DEV_NONE, MACHINE_TYPE_T_275, 600, COMM_TRX_DEV_NONE},
        // Not a known name as a whole: detection keeps asking.
        {"KVX-T-362 ", COMM_TRX_DEV_OPENED, MACHINE_TYPE_NONE, 0, COMM_TRX_DEV_OPENED},
        {"KVX-T-36", COMM_TRX_DEV_OPENED, MACHINE_TYPE_NONE, 0, COMM_TRX_DEV_OPENED},
    };
    for (const Case& c : cases) {
        m_handle.initConfigInfo();
        m_handle.setDevDetectState(c.before);
        EXPECT_FALSE(offer(version(c.model))) << c.model;
        const SMachineTypeData machine = m_handle.getMachineTypeData();
        EXPECT_EQ(machine.eMachineType, c.type) << c.model;
        EXPECT_EQ(machine.iCfgGroup, c.group) << c.model;
        EXPECT_STREQ(machine.szMachineName, c.model);
        EXPECT_EQ(m_handle.getDevDetectState(), c.after) << c.model;
    }
}

TEST_F(AisSentenceHandleTest, VersionReplyFieldsAndItsSerialNumberOfSixtyFourBits)
{
    m_handle.setDevDetectState(COMM_TRX_DEV_OPENED);
    feed(version("KVX-T-362"));
    const SAiverData aiver = m_handle.getMachineTypeData().sAiver;
    EXPECT_STREQ(aiver.szSentenceId, "$AIVER");
    EXPECT_EQ(aiver.iTotalSentences, 1);
    EXPECT_EQ(aiver.iSentenceNumber, 1);
    EXPECT_STREQ(aiver.szDeviceType, "AI");
    EXPECT_STREQ(aiver.szVendorId, "KEL");
    EXPECT_STREQ(aiver.szUniqueId, "SIM0001");
    EXPECT_EQ(aiver.llSerialNumber, 5000000001234LL); // read with atoi it would wrap
    EXPECT_EQ(aiver.iModelCode, 7);
    EXPECT_STREQ(aiver.szSoftwareRev, "KVX-T-362");
    EXPECT_STREQ(aiver.szHardwareRev, "HW2");
    EXPECT_STREQ(aiver.szSeqMessageId, "1");
}

TEST_F(AisSentenceHandleTest, VersionReplyWithBadChecksumChangesNothing)
{
    m_handle.setDevDetectState(COMM_TRX_DEV_OPENED);
    std::string reply = version("T-275");
    reply[reply.find('*') + 1] ^= 1;
    EXPECT_FALSE(offer(reply));
    EXPECT_EQ(m_handle.getMachineTypeData().eMachineType, MACHINE_TYPE_NONE);
    EXPECT_EQ(m_handle.getMachineTypeData().sAiver.szSentenceId[0], '\0');
    EXPECT_EQ(m_handle.getDevDetectState(), COMM_TRX_DEV_OPENED);
}

TEST_F(AisSentenceHandleTest, EndOfSystemDataTextSetsReplyStateAndMovesOnlyAnIdentifiedLink)
{
    m_handle.setDevDetectState(COMM_TRX_DEV_OPENED);
    EXPECT_FALSE(offer("[SYSTEM DATA END]\r\n"));
    EXPECT_EQ(m_handle.getReplyState(), CAisSentenceHandle::REPLY_STATE_CONFIG_END);
    EXPECT_EQ(m_handle.getDevDetectState(), COMM_TRX_DEV_OPENED);

    m_handle.setReplyState(0);
    m_handle.setDevDetectState(COMM_TRX_DEV_IDENTIFIED);
    feed("MMSI:(366123456)\r\n");
    EXPECT_EQ(m_handle.getReplyState(), 0);
    feed("[SYSTEM DATA END]\r\n");
    EXPECT_EQ(m_handle.getReplyState(), CAisSentenceHandle::REPLY_STATE_CONFIG_END);
    EXPECT_EQ(m_handle.getDevDetectState(), COMM_TRX_DEV_CONFIG_TEXT);
    EXPECT_EQ(m_handle.getReceivedConfig().iMmsi, 366123456u);
}

TEST_F(AisSentenceHandleTest, ConfigurationRepliesAreConsumedAndOnlyTheStatusGroupMarksTheReplyState)
{
    struct Case
    {
        const char* body;
        bool consumed;
        int replyState;
    };
    const Case cases[] = {
        {"$PQXV,R,CFG,8117,01234,01010,5", true, CAisSentenceHandle::REPLY_STATE_STATUS},
        {"$PQXV,R,CFG,108,3,1,", true, 0},
        {"$AIEPV,R,AI,366123456,109,75", true, 0},
        {"$AICEK,1,1,,366999000,00000000000000000000000000000000414243,R", true, 0},
        {"$GPZDA,120000.00,09,12,2026,00,00", false, 0},
    };
    for (const Case& c : cases) {
        m_handle.setReplyState(0);
        m_modes.clear();
        EXPECT_EQ(offer(withChecksum(c.body)), c.consumed) << c.body;
        EXPECT_EQ(m_handle.getReplyState(), c.replyState) << c.body;
        // Every unit not consumed asks the Wi-Fi check once.
        EXPECT_EQ(m_modes.size(), c.consumed ? 0u : 1u) << c.body;
    }
    const CSensorConfig config = m_handle.getReceivedConfig();
    EXPECT_EQ(config.aiCfgStatus[1], 1);
    EXPECT_EQ(config.aiCfgStatus[3], 1);
    EXPECT_EQ(config.iEpv109, 75u);
    EXPECT_STREQ(config.szEncryptionCode, "ABC");
}

// The handler passes sentences of up to 200 characters: each reader takes all of them.
TEST_F(AisSentenceHandleTest, EachReaderTakesTheLongestSentenceTheHandlerPasses)
{
    const std::string srmHead = "$PQXV,R,CFG,30,3,14,";
    const std::string versionHead = "$AIVER,1,1,AI,KEL,SIM0001,5000000001234,7,KVX-T-362,HW2,";
    SAISCommandData srm{};
    srm.cfg.group = 30;
    srm.cfg.subIndex = 3;
    srm.cfg.value = 14;
    std::snprintf(srm.cfg.text, sizeof(srm.cfg.text), "SRM TEXT");
    for (size_t length : {199u, 200u, 201u}) {
        const bool taken = length <= 200;
        const std::string reply = ofLength(srmHead, 'S', length);
        ASSERT_EQ(reply.size(), length);
        CAISControl control;
        EXPECT_EQ(control.paser(reply.c_str()), taken) << length;
        EXPECT_EQ(control.commandData().cfg.group, taken ? 30 : 0) << length;

        CSensorConfig config;
        config.updateConfigDataForStd(reply.c_str(), MACHINE_TYPE_KVX_T_362, srm);
        EXPECT_STREQ(config.szSrmSingle, taken ? "SRM TEXT" : "") << length;

        SAiverData aiver{};
        EXPECT_EQ(CAisSentenceHandle::updateAIVERData(ofLength(versionHead, '1', length).c_str(), aiver), taken)
            << length;
        EXPECT_STREQ(aiver.szSoftwareRev, taken ? "KVX-T-362" : "") << length;
    }

    // The whole road: a 200-character SRM text group reaches the received record.
    m_handle.setDevDetectState(COMM_TRX_DEV_OPENED);
    feed(version("KVX-T-362"));
    const std::string longest = ofLength(srmHead, 'S', 200);
    feed(longest);
    const std::string text = longest.substr(srmHead.size(), longest.find('*') - srmHead.size());
    EXPECT_EQ(m_handle.getReceivedConfig().szSrmSingle, text);
}

TEST_F(AisSentenceHandleTest, GarbledConfigurationReplyIsNotConsumedAndChangesNothing)
{
    std::string reply = withChecksum("$PQXV,R,CFG,108,3,1,");
    reply[reply.find('*') - 2] = '7'; // value 1 becomes 7, checksum kept
    m_modes.clear();
    EXPECT_FALSE(offer(reply));
    EXPECT_EQ(m_handle.getReceivedConfig().iEncryptionEnable, 0);
    EXPECT_EQ(m_modes, std::vector<int>{0});
}

TEST_F(AisSentenceHandleTest, StatusReplyAfterTheTextEndDoesNotHideIt)
{
    // Both arrive between two ticks of the controller.
    feed("[SYSTEM DATA END]\r\n");
    feed(withChecksum("$PQXV,R,CFG,8117,01234,01010,5"));
    EXPECT_EQ(m_handle.getReplyState(), CAisSentenceHandle::REPLY_STATE_CONFIG_END);
    EXPECT_EQ(m_handle.takeReplyState(false), CAisSentenceHandle::REPLY_STATE_CONFIG_END);
    // The hand-over of the whole record covered the status too.
    EXPECT_EQ(m_handle.takeReplyState(true), 0);

    // A status reply alone waits for a caller that takes it.
    feed(withChecksum("$PQXV,R,CFG,8117,01234,01010,5"));
    EXPECT_EQ(m_handle.takeReplyState(false), 0);
    EXPECT_EQ(m_handle.getReplyState(), CAisSentenceHandle::REPLY_STATE_STATUS);
    feed("[SYSTEM DATA END]\r\n");
    EXPECT_EQ(m_handle.takeReplyState(false), CAisSentenceHandle::REPLY_STATE_CONFIG_END);
    EXPECT_EQ(m_handle.getReplyState(), 0);
}

TEST_F(AisSentenceHandleTest, WiFiCheckSeesEveryUnitNotConsumed)
{
    m_modes.clear();
    feed("MMSI:(1)\r\n");
    feed(withChecksum("$GPZDA,120000.00,09,12,2026,00,00"));
    EXPECT_EQ(m_modes, (std::vector<int>{0, 0}));
}

TEST_F(AisSentenceHandleTest, EncapsulatedSentencesCountPerChannelAndOwnReportKeepsThePosition)
{
    using TestSupport::armour;
    using TestSupport::positionReport;
    EXPECT_FALSE(m_handle.isHostPosFixed()); // latitude 91: not available
    feed(armour(positionReport(244000001, 0, 4.5f, 52.25f), "VDO", 'B').front());
    feed(armour(positionReport(211000001, 0, 4.6f, 52.3f), "VDM", 'A').front());
    feed(armour(positionReport(211000002, 0, 4.6f, 52.3f), "VDM", 'B').front());
    feed(armour(positionReport(244000001, 0, 4.5f, 52.25f), "VDO", 'A').front());
    const CDiagnostics counts = m_handle.getDiagnostics();
    EXPECT_EQ(counts.m_uiTxA, 1u);
    EXPECT_EQ(counts.m_uiTxB, 1u);
    EXPECT_EQ(counts.m_uiRxA, 1u);
    EXPECT_EQ(counts.m_uiRxB, 1u);
    EXPECT_TRUE(m_handle.isHostPosFixed());
    EXPECT_FALSE(m_handle.getDiagnostics().m_bGpsFix);
    m_handle.updateDiagnosticsData();
    EXPECT_TRUE(m_handle.getDiagnostics().m_bGpsFix);
}

TEST(Diagnostics, ChannelsCountedAsTheTransponderNamesThem)
{
    CDiagnostics counts;
    counts.updateRxTxStatistics(true, 'C');  // no such channel: not counted
    counts.updateRxTxStatistics(false, '\0'); // received without a channel: B
    counts.m_uiRxA = 0xFFFFFFFFu;
    counts.updateRxTxStatistics(false, 'A');
    EXPECT_EQ(counts.m_uiTxA + counts.m_uiTxB, 0u);
    EXPECT_EQ(counts.m_uiRxB, 1u);
    EXPECT_EQ(counts.m_uiRxA, 0u); // wraps
}

TEST_F(AisSentenceHandleTest, DisconnectForgetsTheOwnPositionAndEverythingReceived)
{
    using TestSupport::armour;
    using TestSupport::positionReport;
    m_handle.setDevDetectState(COMM_TRX_DEV_OPENED);
    feed(version("T-275"));
    feed(armour(positionReport(244000001, 0, 4.5f, 52.25f), "VDO", 'B').front());
    feed("MMSI:(366123456)\r\n[SYSTEM DATA END]\r\n");
    m_handle.updateDiagnosticsData();
    ASSERT_TRUE(m_handle.getDiagnostics().m_bGpsFix);

    m_handle.initConfigInfo();
    EXPECT_EQ(m_handle.getDevDetectState(), COMM_TRX_DEV_NONE);
    EXPECT_EQ(m_handle.getReplyState(), 0);
    EXPECT_EQ(m_handle.getMachineTypeData().eMachineType, MACHINE_TYPE_NONE);
    EXPECT_EQ(m_handle.getReceivedConfig().iMmsi, 0u);
    EXPECT_EQ(m_handle.getDiagnostics().m_uiTxB, 0u);
    // The lamp of the next connection must not start lit.
    EXPECT_FALSE(m_handle.isHostPosFixed());
    m_handle.updateDiagnosticsData();
    EXPECT_FALSE(m_handle.getDiagnostics().m_bGpsFix);
}

TEST_F(AisSentenceHandleTest, DiagnoseResetAndTheHandOverOfTheReceivedRecord)
{
    feed(withChecksum("$PQXV,R,CFG,8117,01234,01010,5"));
    EXPECT_FALSE(m_handle.isChangedConfigDisp()); // status values are left out
    feed("MMSI:(366123456)\r\nS/N:(SN1)\r\n");
    EXPECT_TRUE(m_handle.isChangedConfigDisp());
    EXPECT_TRUE(m_handle.refreshConfigInfo());
    EXPECT_FALSE(m_handle.isChangedConfigDisp());
    EXPECT_FALSE(m_handle.refreshConfigInfo());
    EXPECT_EQ(m_handle.getDisplayedConfig()->iMmsi, 366123456u);
    EXPECT_EQ(m_handle.getDisplayedConfig()->aiCfgStatus[1], 1);

    m_handle.initDiagnoseInfo();
    for (const CSensorConfig& config : {m_handle.getReceivedConfig(), *m_handle.getDisplayedConfig()}) {
        for (int status : config.aiCfgStatus)
            EXPECT_EQ(status, -1);
        EXPECT_FALSE(config.bMmsiProgrammed);
        EXPECT_STREQ(config.szSerialNumber, "");
        EXPECT_EQ(config.iMmsi, 366123456u);
    }
}

TEST_F(AisSentenceHandleTest, EveryUnitIsLogged)
{
    LogProbe probe;
    offer("[FwVersion]=FW-UNIQUE-77\r\n");
    EXPECT_EQ(probe.count("FW-UNIQUE-77"), 1);
}
