#include "i62/I62Compose.h"

#include "i62/I62Outport.h"
#include "i62/I62ReadBack.h"

#include "LibraryTest.h"
#include "RoundTrip.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

using namespace TestSupport;

namespace {

std::vector<std::pair<I62_OUTPORT, std::string>> g_out;

void sink(I62_OUTPORT port, const char* text)
{
    g_out.emplace_back(port, text);
}

class I62Compose : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        g_out.clear();
        I62_SetOutportSink(sink);
    }
    void TearDown() override
    {
        I62_SetOutportSink(nullptr);
        LibraryTest::TearDown();
    }

    // The sentence composed from the stores for a formatter and talker.
    static std::string fromStore(const char* formatter, const char* talker)
    {
        I61162_Data_Structure r{};
        char text[I62_SENTENCE_OUT_SIZE] = {};
        if (!ComposeI62Sentence(text, &r, formatter, talker, sizeof(text)))
            return "not composed";
        return text;
    }
};

struct SReadBackCase
{
    const char* received;
    const char* formatter;
    const char* talker;
    const char* composed; // null when it is the received sentence
};

} // namespace

// A received sentence of each group, then the sentence composed from what the store holds.
TEST_F(I62Compose, ReadDataGivesBackWhatTheStoresHold)
{
    const SReadBackCase cases[] = {
        {"$GPZDA,201530.00,04,07,2024,,", "ZDA", "GP", nullptr},
        {"$GPRMC,123519.00,A,4807.03800,N,01131.00000,E,22.400,84.40,230324,3.10,W,A", "RMC", "GP",
         "$GPRMC,123519.00,A,4807.03800,N,01131.00000,E,22.400,84.40,230324,,,A"},
        {"$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.50,1.30,2.10", "GSA", "GP", nullptr},
        {"$HEHDT,123.4,T", "HDT", "HE", nullptr},
        {"$HEROT,2.5,A", "ROT", "HE", "$HEROT,2.500000,A"},
        {"$AILRI,1,V,211000000,211000001,5005.000000,N,200.000000,W,4900.000000,N,300.000000,W", "LRI", "AI", nullptr},
        {"$AILR1,1,211000001,211000000,KELVORA,PD1234,9123456", "LR1", "AI", nullptr},
        {"$AISSD,PD1234,KELVORA,10,20,5,6,0,AI", "SSD", "AI", nullptr},
        {"$AIVSD,70,17.5,12,NEW YORK,153000.00,15,05,0,0", "VSD", "AI", nullptr},
        {"$AIALR,142030.00,6,A,V,AIS: antenna VSWR exceeds limit", "ALR", "AI", nullptr},
        {"$AIACK,006", "ACK", "AI", nullptr},
        {"$CDDSI,1,1,3380400790,01,02,TEXT,03,MORE,A", "DSI", "CD", nullptr},
        {"$PQXV,C,MID,211000000,211000001", "MID", "P", "$PMID,211000000,211000001"},
        {"$PQXV,C,DBG,163,1,,,,,,", "DBG", "P", nullptr},
        {"$PMOB,A1B2C3,5,0F,10,0102030405", "MOB", "P", nullptr},
        {"$AIACE,992351000,0A,2087,01,00,02,NORTH CARDINAL,0100500505,R", "ACE", "AI", nullptr},
        {"$AITSP,992351000,21,01,120000.00,03,01,02,04,00,01,00,02,R", "TSP", "AI", nullptr},
        {"$AIVER,1,1,01,KELVORA,0001,SN12345,T362,1.2.3,A1,7", "VER", "AI", nullptr},
    };
    for (const SReadBackCase& c : cases) {
        ASSERT_EQ(parseBody(c.received), 0) << c.received;
        EXPECT_EQ(fromStore(c.formatter, c.talker), withChecksum(c.composed != nullptr ? c.composed : c.received))
            << c.received;
    }
    // Formatters without a reader or composer: the radar group has no reader, TXT no composer.
    EXPECT_EQ(fromStore("OSD", "RA"), "not composed");
    EXPECT_EQ(fromStore("TXT", "AI"), "not composed");
}

TEST_F(I62Compose, ReadersFillOnlyTheirFormatters)
{
    ASSERT_EQ(parseBody("$GPGSV,3,2,12,01,40,083,46,02,17,308,41"), 0);
    I61162_Data_Structure r{};
    std::memcpy(r.formatter, "GSV", 4);
    I62_ReadData(&r);
    EXPECT_EQ(r.fields.gsv.satCount, 2);
    EXPECT_EQ(r.fields.gsv.sats[1].azimuth, 308);
    std::memcpy(r.formatter, "GRS", 4);
    r.fields.gsv.satCount = 77;
    I62_ReadData(&r);
    EXPECT_EQ(r.fields.gsv.satCount, 77) << "GRS has no reader";
    I62_ReadData(nullptr);
}

// A 71-character own VDO on channel A: two sentences, both queued.
TEST_F(I62Compose, OwnVdoIsCutIntoQueuedSentences)
{
    UN_AIS_MESSAGE m{};
    m.msg5.msgId = 5;
    m.msg5.mmsi = 211000000;
    std::strcpy(m.msg5.name, "KELVORA");
    AIS_raw_message raw{};
    ASSERT_EQ(AisMessagePack(&raw, &m), 1u);
    ASSERT_EQ(raw.bits, 424);
    raw.channel = 'A';
    I62SentenceQueue.count = 7;
    I61162_Data_Structure r{};
    ASSERT_TRUE(ComposeI62AisSentence(&r, "VDO", &raw));
    ASSERT_EQ(I62SentenceQueue.count, 2);
    const std::string first = I62SentenceQueue.sentence[0];
    const std::string second = I62SentenceQueue.sentence[1];
    EXPECT_EQ(first.substr(0, 14), "!AIVDO,2,1,,A,");
    EXPECT_EQ(first.size(), 14u + 60u + 2u + 5u);
    EXPECT_EQ(second.substr(0, 14), "!AIVDO,2,2,,A,");
    EXPECT_EQ(second.substr(second.size() - 7, 2), ",2");
    EXPECT_TRUE(g_out.empty());

    // Both go back in as one own-ship message.
    EXPECT_EQ(parse(first), I62_RESULT_FRAGMENT);
    EXPECT_EQ(parse(second), I62_RESULT_TAKEN);
    EXPECT_EQ(ShipData[0].mmsi, 211000000u);
    EXPECT_STREQ(ShipData[0].name, "KELVORA");

    I62SentenceQueueOutput();
    EXPECT_EQ(I62SentenceQueue.count, 0);
    ASSERT_EQ(g_out.size(), 2u);
    EXPECT_EQ(g_out[0].first, I62_OUTPORT_SENTENCE);
    EXPECT_EQ(g_out[1].second, second);
}

TEST_F(I62Compose, OtherSentencesGoToTheOutput)
{
    AIS_raw_message raw = rawOf("15M67FC000G?ufbE`FepT@3n00Sa", 0);
    raw.channel = 'B';
    I61162_Data_Structure r{};
    I62SentenceQueue.count = 3;
    ASSERT_TRUE(ComposeI62AisSentence(&r, "VDM", &raw));
    EXPECT_EQ(I62SentenceQueue.count, 3);
    ASSERT_EQ(g_out.size(), 1u);
    EXPECT_EQ(g_out[0].second, withChecksum("!AIVDM,1,1,,B,15M67FC000G?ufbE`FepT@3n00Sa,0"));

    // An own VDO without a channel is no own report to queue.
    raw.channel = 0x7F;
    ASSERT_TRUE(ComposeI62AisSentence(&r, "VDO", &raw));
    EXPECT_EQ(I62SentenceQueue.count, 3);
    EXPECT_EQ(g_out.back().second, withChecksum("!AIVDO,1,1,,,15M67FC000G?ufbE`FepT@3n00Sa,0"));

    // A formatter without a composer fails on the debug port.
    g_out.clear();
    EXPECT_FALSE(ComposeI62AisSentence(&r, "XYZ", &raw));
    ASSERT_EQ(g_out.size(), 1u);
    EXPECT_EQ(g_out[0].first, I62_OUTPORT_DEBUG);
    EXPECT_EQ(g_out[0].second, "Compose IEC61162 error!!\n\r");
    EXPECT_FALSE(ComposeI62AisSentence(&r, "VDM", nullptr));
}

TEST_F(I62Compose, QueueStopsAtItsBound)
{
    I62SentenceQueue.count = 0;
    for (int i = 0; i < I62_SENTENCE_QUEUE_SIZE; ++i)
        EXPECT_TRUE(I62_SentenceQueueAppend(("!AIVDO," + std::to_string(i)).c_str()));
    EXPECT_FALSE(I62_SentenceQueueAppend("!AIVDO,twelfth"));
    EXPECT_EQ(I62SentenceQueue.count, I62_SENTENCE_QUEUE_SIZE);
    EXPECT_STREQ(I62SentenceQueue.sentence[10], "!AIVDO,10");
    I62SentenceQueue.count = 0;
    EXPECT_FALSE(I62_SentenceQueueAppend(std::string(100, 'X').c_str()));
    EXPECT_TRUE(I62_SentenceQueueAppend(std::string(99, 'X').c_str()));
}

TEST_F(I62Compose, QuerySentence)
{
    char text[I62_SENTENCE_OUT_SIZE] = {};
    ASSERT_TRUE(ComposeI62QuerySentence(text, "EC", "AI", "SSD", sizeof(text)));
    EXPECT_STREQ(text, withChecksum("$ECAIQ,SSD").c_str());
    I61162_Data_Structure r{};
    EXPECT_EQ(parse(text, &r), 0);
    EXPECT_STREQ(r.fields.query.formatter, "SSD");
    EXPECT_FALSE(ComposeI62QuerySentence(text, "EC", "AI", "SSD", 12));
}

TEST_F(I62Compose, ReceivedAbmAndBbmAreEchoed)
{
    const std::string abm = withChecksum("!AIABM,1,1,0,211000000,1,12,04a9M>1@PU>0U>06<0,4");
    EXPECT_EQ(parse(abm), 0);
    ASSERT_EQ(g_out.size(), 1u);
    EXPECT_EQ(g_out[0].first, I62_OUTPORT_SENTENCE);
    EXPECT_EQ(g_out[0].second, abm);
    EXPECT_EQ(parseBody("!AIBBM,1,1,,2,8,04a9M>1@PU>0U>06<0,4"), 0);
    EXPECT_EQ(g_out.size(), 2u);
    EXPECT_EQ(parseBody("!AIVDM,1,1,,A,15M67FC000G?ufbE`FepT@3n00Sa,0"), 0);
    EXPECT_EQ(parseBody("$AITXT,01,01,91,FREQUENCY AUTO UPDATED"), 0);
    EXPECT_EQ(g_out.size(), 2u) << "only ABM and BBM are echoed";

    // The longest sentence taken, 200 characters with its CR LF, is echoed whole.
    std::string body = "!AIABM,1,1,0,211000000,1,6,";
    while (body.size() < 200 - 7)
        body += "04a9M>1@PU>0U>06<0"[body.size() % 18];
    const std::string longest = withChecksum(body + ",0");
    ASSERT_EQ(longest.size(), 200u);
    g_out.clear();
    EXPECT_EQ(parse(longest), 0);
    ASSERT_EQ(g_out.size(), 1u);
    EXPECT_EQ(g_out[0].second, longest);
}
