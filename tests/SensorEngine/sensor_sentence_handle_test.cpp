#include "SensorEngine/SensorSentenceHandle.h"

#include "SensorEngine/SensorService.h"

#include "ReceiveRoad.h"
#include "SensorTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace TestSupport;

namespace {

// The transponder link overrides the two hooks; this one records what reaches them.
class CRecordingHandle : public CSensorSentenceHandle
{
public:
    bool sensorSentenceProc(SENSOR_SENTENCE_PACKAGE& package) override
    {
        offered.emplace_back(package.sentence);
        return consume;
    }

    void sensorAisListener(char* sentence, int listener, char channel) override
    {
        parsed.emplace_back(sentence);
        listeners.push_back(listener);
        channels.push_back(channel);
    }

    bool consume = false;
    std::vector<std::string> offered;
    std::vector<std::string> parsed;
    std::vector<int> listeners;
    std::vector<char> channels;
};

// A link wired to a handler the way the transponder link wires them, with every signal noted.
class SentenceHandle : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wire(m_link);
        QObject::connect(
            &m_handle, &CSensorSentenceHandle::signalFillAisOwnData, &m_handle,
            [this](int listener) { m_events.push_back("own " + std::to_string(listener)); }, Qt::DirectConnection);
        QObject::connect(
            &m_handle, &CSensorSentenceHandle::signalFillAisTargetData, &m_handle,
            [this](uint mmsi) { m_events.push_back("target " + std::to_string(mmsi)); }, Qt::DirectConnection);
        QObject::connect(
            &m_handle, &CSensorSentenceHandle::signalFillGpsData, &m_handle,
            [this](int listener, int fmt, bool check, bool playLog) {
                m_events.push_back("gps " + std::to_string(listener) + " " + std::to_string(fmt) + " " +
                                   std::to_string(check) + " " + std::to_string(playLog));
            },
            Qt::DirectConnection);
        QObject::connect(
            &m_handle, &CSensorSentenceHandle::signalRxLogMsg, &m_handle,
            [this](void*, QString text) { m_logs.push_back(text.toStdString()); }, Qt::DirectConnection);
    }

    void wire(CFakeLink& link)
    {
        QObject::connect(
            &link, &COMM::CServiceComm::signalRxSentence, &m_handle,
            [this](void* sender, char type) {
                m_handle.sentenceProc(static_cast<COMM::CServiceComm*>(sender), static_cast<COMM::COMM_TYPE>(type));
            },
            Qt::DirectConnection);
    }

    std::vector<std::string> take()
    {
        std::vector<std::string> events;
        events.swap(m_events);
        return events;
    }

    CFakeLink m_link;
    CRecordingHandle m_handle;
    std::vector<std::string> m_events;
    std::vector<std::string> m_logs;
};

const std::string kGga = withChecksum("$GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");

} // namespace

TEST_F(SentenceHandle, LineEndsAreRepairedAndLongOrForeignTextIsDropped)
{
    const std::string body = kGga.substr(0, kGga.size() - 2);
    m_link.receive(body + "\n");   // LF alone
    m_link.receive(body + "\r");   // CR alone, at the end of a read
    m_link.receive(body + "\r\n"); // already whole
    ASSERT_EQ(m_handle.parsed.size(), 3u);
    for (const std::string& sentence : m_handle.parsed)
        EXPECT_EQ(sentence, kGga);

    // 200 characters reach the hook; 201 do not.
    const std::string filler = "$PXXX,";
    const std::string at200 = filler + std::string(200 - filler.size() - 2, 'A') + "\r\n";
    const std::string at201 = filler + std::string(201 - filler.size() - 2, 'A') + "\r\n";
    m_handle.offered.clear();
    m_link.receive(at200 + at201);
    EXPECT_EQ(m_handle.offered, std::vector<std::string>{at200});

    // Text that is no sentence is offered to the hook, and goes no further.
    m_handle.offered.clear();
    m_handle.parsed.clear();
    m_link.receive("#GPGGA,1,2\r\n+ok\r\n");
    EXPECT_EQ(m_handle.offered.size(), 2u);
    EXPECT_TRUE(m_handle.parsed.empty());
    // What the hook consumes is not parsed.
    m_handle.consume = true;
    m_link.receive(kGga);
    EXPECT_TRUE(m_handle.parsed.empty());
}

TEST_F(SentenceHandle, SentencesUpToTwoHundredCharactersAreParsed)
{
    auto text = [](std::size_t length) {
        std::string body = "$AITXT,01,01,91,";
        body.append(length - body.size() - 5, 'T'); // "*hh" CR LF
        return withChecksum(body);
    };
    m_link.receive(text(200) + text(201));
    EXPECT_EQ(m_handle.parsed, std::vector<std::string>{text(200)});
}

TEST(ReceiveRoadLongSentences, MessagesInOneLongSentenceReachTheTargetTable)
{
    CFakeLink link;
    CSensorSentenceHandle handle;
    SensorScope::Gps::CGpsInfo gps;
    CSensorService service;
    SensorScope::Target::CTargetInfo table(&service);
    wireReceiveRoad(&link, &handle, &gps, &table);
    // Binary broadcasts of 82 payload characters (a sentence of 103) and of the longest
    // message, 1008 bits in 168 characters (189), each in one sentence.
    const struct
    {
        uint32_t mmsi;
        int dataBits;
        std::size_t length;
    } cases[] = {{211000082, 452, 103}, {211000168, 968, 189}};
    std::string bytes;
    for (const auto& c : cases) {
        const std::string sentence = armourWhole(binaryBroadcast(c.mmsi, c.dataBits));
        ASSERT_EQ(sentence.size(), c.length);
        bytes += sentence;
    }
    link.receive(bytes);
    std::vector<uint32_t> heard;
    for (const SensorScope::Target::STargetCopy& copy : table.getTargetCopies())
        heard.push_back(copy.ais.m_mmsi);
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(heard, (std::vector<uint32_t>{211000082, 211000168}));
    EXPECT_EQ(handle.undecodableCount(), 0u);
}

TEST_F(SentenceHandle, EachSentenceAnnouncesWhatItChangedInOrder)
{
    struct Case
    {
        std::string sentence;
        std::vector<std::string> events;
        int listener;
    };
    const std::vector<std::string> vdo = armour(positionReport(244000001, 0, 4.5f, 52.25f), "VDO", 'B');
    const std::vector<std::string> vdm = armour(positionReport(211000001, 0, 4.6f, 52.3f), "VDM", 'A');
    const Case cases[] = {
        {kGga, {"own 4", "gps 12 1 1 0"}, 12},
        {withChecksum("$GPZDA,201530.00,04,07,2002,00,00"), {"gps 8 8 0 0"}, 8},
        {withChecksum("$GPGSV,1,1,01,03,45,065,40"), {"gps 13 5 1 0"}, 13},
        {withChecksum("$HEHDT,274.07,T"), {"own 1"}, 1},
        {withChecksum("$HEHDM,270.0,M"), {"own 2"}, 2},
        {withChecksum("$TIROT,-2.3,A"), {"own 0"}, 0},
        {vdo.front(), {"own 32"}, 32},
        {vdm.front(), {"target 211000001"}, 16},
        {withChecksum("$AIALR,120000.00,001,A,V,AIS: general failure"), {}, 0},
    };
    for (const Case& c : cases) {
        m_handle.listeners.clear();
        m_link.receive(c.sentence);
        EXPECT_EQ(take(), c.events) << c.sentence;
        ASSERT_EQ(m_handle.listeners.size(), 1u) << c.sentence;
        EXPECT_EQ(m_handle.listeners.front(), c.listener) << c.sentence;
    }
    EXPECT_EQ(m_handle.channels[m_handle.channels.size() - 2], 'A') << "the VDM's channel";

    // The same from a link that is not the primary position device.
    CFakeLink secondary(false);
    wire(secondary);
    secondary.receive(vdo.front());
    secondary.receive(kGga);
    EXPECT_EQ(take(), std::vector<std::string>{"own 33"});
}

TEST_F(SentenceHandle, LogChunksAreAnnouncedOnceJoinedAndADisabledLinkIsLeftAlone)
{
    const std::string zda = withChecksum("$GPZDA,201530.00,04,07,2002,00,00");
    m_link.receive(zda.substr(0, 9));
    m_link.receive(zda.substr(9));
    // Each notification drains what was filed since the last one.
    ASSERT_EQ(m_logs.size(), 2u);
    EXPECT_EQ(m_logs[1], zda.substr(9));
    COMM::CRawDataHandle* queues = m_link.getRawDataHandle();
    queues->appendToLogMsgQ("A");
    queues->appendToLogMsgQ("B");
    m_handle.sentenceProc(&m_link, COMM::COMM_TYPE_SERIAL);
    EXPECT_EQ(m_logs.back(), "AB");
    const size_t logs = m_logs.size();
    m_handle.sentenceProc(&m_link, COMM::COMM_TYPE_SERIAL);
    EXPECT_EQ(m_logs.size(), logs) << "nothing drained, nothing announced";

    m_link.setEnable(false);
    queues->appendToSentQ(QByteArray::fromStdString(kGga));
    m_handle.sentenceProc(&m_link, COMM::COMM_TYPE_SERIAL);
    std::string left;
    EXPECT_TRUE(queues->queueNextSentence(&left)) << "a disabled link keeps its queues";
}

TEST_F(SentenceHandle, ChecksumErrorsAreForgottenUnlessThreeComeWithinHalfAMinute)
{
    m_handle.setHostClock(&STestClock::read);
    const std::string bad = kGga.substr(0, kGga.size() - 4) + "00\r\n";
    STestClock::now = 1000000;
    m_link.receive(kGga); // starts the window
    m_link.receive(bad + bad);
    EXPECT_EQ(m_handle.checkSumErrorCount(), 2u);
    STestClock::now += 30;
    m_link.receive(kGga);
    EXPECT_EQ(m_handle.checkSumErrorCount(), 0u);
    EXPECT_FALSE(m_handle.checkSumAlarm());

    m_link.receive(bad + bad + bad);
    STestClock::now += 30;
    m_link.receive(kGga);
    EXPECT_TRUE(m_handle.checkSumAlarm());
    EXPECT_EQ(m_handle.checkSumErrorCount(), 3u);

    // Once the alarm is set the queue keeps only the newest errors.
    for (size_t i = 0; i < CSensorSentenceHandle::kCheckSumErrorBound + 20; ++i)
        m_link.receive(bad);
    EXPECT_EQ(m_handle.checkSumErrorCount(), CSensorSentenceHandle::kCheckSumErrorBound);
    std::queue<SETENCE_CHECKSUM_ERROR_INFO> errors;
    m_handle.swapCheckSumErrorQ(&errors);
    EXPECT_STREQ(errors.front().sentence, bad.c_str());
    EXPECT_EQ(errors.front().devName[0], L'T');
}

TEST_F(SentenceHandle, AnUndecodableMessageIsDroppedAndOthersInFlightSurvive)
{
    UN_AIS_MESSAGE m{};
    m.msg5.msgId = 5;
    m.msg5.mmsi = 351759000;
    std::strcpy(m.msg5.name, "EVER DIADEM");
    const std::vector<std::string> parts = armour(m, "VDM", 'A', 1);
    ASSERT_EQ(parts.size(), 2u);
    m_link.receive(parts[0]);
    // Message id 63 has no layout: the codec cannot decode it.
    m_link.receive(withChecksum("!AIVDM,1,1,,B,w0000000000,0"));
    EXPECT_EQ(m_handle.undecodableCount(), 1u);
    m_link.receive(parts[1]);
    EXPECT_EQ(take(), std::vector<std::string>{"target 351759000"});
}

TEST(SentenceFormatter, OfEachKindOfSentence)
{
    const struct
    {
        const char* sentence;
        const char* formatter;
    } cases[] = {
        {"$GPGGA,1", "GGA"},    {"!AIVDM,1", "VDM"},     {"$AIAIQ,VER", "Q"}, {"$PQXV,R,CFG,108", "CFG"},
        {"$PDBG,163,1", "DBG"}, {"$PTST,,,,,16", "TST"}, {"$GP", ""},         {"", ""},
    };
    for (const auto& c : cases) {
        char formatter[4] = {'x', 'x', 'x', 'x'};
        CSensorSentenceHandle::getI62DataFormatter(c.sentence, formatter);
        EXPECT_STREQ(formatter, c.formatter) << c.sentence;
    }
}
