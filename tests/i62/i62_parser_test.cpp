#include "i62/I62Parser.h"

#include "i62/AisCodec.h"
#include "i62/AisSentenceStore.h"
#include "i62/I62Group.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace TestSupport;

namespace {

const char* const kMsg5Part1 = "!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C\r\n";
const char* const kMsg5Part2 = "!AIVDM,2,2,1,A,88888888880,2*25\r\n";

class ParserAis : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ExtCount_TxChA = 7;
        ExtCount_TxChB = 7;
        initLibrary(); // the initialisers clear the own transmission counters too
    }
};

} // namespace

TEST_F(ParserAis, TwoFragmentMessageReachesTheStationTable)
{
    EXPECT_EQ(parse(kMsg5Part1), I62_RESULT_FRAGMENT);
    I61162_Data_Structure record{};
    ASSERT_EQ(parse(kMsg5Part2, &record), I62_RESULT_TAKEN);
    EXPECT_EQ(record.group, I62_GROUP_AIS);
    const GENERIC_SHIP_DATA& station = ShipData[RxAisShipId];
    EXPECT_EQ(RxAisShipId, 1);
    EXPECT_EQ(station.mmsi, 351759000u);
    EXPECT_STREQ(station.destination, "NEW YORK");
    EXPECT_EQ(station.vdmCount, 1u);
    EXPECT_EQ(station.vdoCount, 0u);
    EXPECT_EQ(station.lastMsgId, 5);
    EXPECT_EQ(EXTAISData.vdmPresent, 1);
    EXPECT_EQ(EXTAISData.vdm.number, 2);
    EXPECT_EQ(EXTAISData.vdm.seqId, 1);
    EXPECT_EQ(EXTAISData.vdm.channel, 'A');
    // The same station again counts a second reception.
    EXPECT_EQ(parse(kMsg5Part1), I62_RESULT_FRAGMENT);
    EXPECT_EQ(parse(kMsg5Part2), I62_RESULT_TAKEN);
    EXPECT_EQ(ShipData[1].vdmCount, 2u);
}

TEST_F(ParserAis, FragmentsSurviveParametricSentencesBetweenThem)
{
    EXPECT_EQ(parse(kMsg5Part1), I62_RESULT_FRAGMENT);
    EXPECT_EQ(parseBody("$GPZDA,160012.71,11,03,2004,-1,00"), I62_RESULT_TAKEN);
    EXPECT_EQ(parse(kMsg5Part2), I62_RESULT_TAKEN);
    EXPECT_EQ(ShipData[RxAisShipId].mmsi, 351759000u);
}

TEST_F(ParserAis, NumberedSingleSentenceBetweenFragmentsLeavesTheMessageWhole)
{
    // The same sequential id and channel as the pending message 5.
    const std::vector<std::string> report = armour(positionReport(211000007u, 0, 4.5f, 52.5f), "VDM", 'A', 1);
    ASSERT_EQ(report.size(), 1u);
    EXPECT_EQ(parse(kMsg5Part1), I62_RESULT_FRAGMENT);
    ASSERT_EQ(parse(report[0]), I62_RESULT_TAKEN);
    EXPECT_EQ(ShipData[RxAisShipId].mmsi, 211000007u);
    ASSERT_EQ(parse(kMsg5Part2), I62_RESULT_TAKEN);
    EXPECT_EQ(ShipData[RxAisShipId].mmsi, 351759000u);
    EXPECT_STREQ(ShipData[RxAisShipId].destination, "NEW YORK");
}

TEST_F(ParserAis, FragmentWithoutItsPredecessorDecodesNothing)
{
    EXPECT_EQ(parse(kMsg5Part2), I62_RESULT_TAKEN);
    EXPECT_EQ(NoStation, 1);
    EXPECT_EQ(RxAisShipId, -1);
    // A lost middle fragment: 1/3 then 3/3.
    EXPECT_EQ(parseBody("!AIVDM,3,1,7,B,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0"),
              I62_RESULT_FRAGMENT);
    EXPECT_EQ(parseBody("!AIVDM,3,3,7,B,88888888880,2"), I62_RESULT_TAKEN);
    EXPECT_EQ(NoStation, 1);
}

TEST_F(ParserAis, OwnShipReportsGoToRecordZeroAndCountPerChannel)
{
    for (char channel : {'A', 'B', 'A', '\0'}) {
        for (const std::string& text : armour(positionReport(244000001, 0, 4.5f, 52.25f), "VDO", channel))
            ASSERT_EQ(parse(text), I62_RESULT_TAKEN) << text;
        EXPECT_EQ(RxAisShipId, 0);
    }
    EXPECT_EQ(ShipData[0].mmsi, 244000001u);
    EXPECT_EQ(ShipData[0].vdoCount, 3u);
    EXPECT_EQ(ExtCount_TxChA, 2u);
    EXPECT_EQ(ExtCount_TxChB, 1u);
    EXPECT_NEAR(ShipData[0].latitude, 52.25, 1e-4);
    EXPECT_EQ(EXTAISData.vdoPresent, 1);
    EXPECT_EQ(EXTAISData.vdo.channel, I62_U8_EMPTY);

    // A VDM from another station on channel B counts in its own record only.
    for (const std::string& text : armour(positionReport(244000002), "VDM", 'B'))
        ASSERT_EQ(parse(text), I62_RESULT_TAKEN);
    EXPECT_EQ(ShipData[RxAisShipId].vdmCount, 1u);
    EXPECT_EQ(ExtCount_TxChB, 1u);
}

TEST_F(ParserAis, PayloadOutsideTheSixBitSet)
{
    EXPECT_EQ(parseBody("!AIVDM,1,1,,B,15M67FC000G?ufbE`FepT@3n00SX,0"), I62_RESULT_NOT_SIXBIT);
    EXPECT_EQ(parseBody("!AIVDM,2,1,3,B,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0"),
              I62_RESULT_FRAGMENT);
    EXPECT_EQ(parseBody("!AIVDM,2,2,3,B,8888888888x,2"), I62_RESULT_NOT_SIXBIT);
    EXPECT_EQ(NoStation, 1);
}

TEST_F(ParserAis, MessagesThatCannotBeDecoded)
{
    // Message id 0, an empty payload, and a message 27 (which the codec has no layout for).
    EXPECT_EQ(parseBody("!AIVDM,1,1,,A,0000,0"), I62_RESULT_UNDECODABLE);
    EXPECT_EQ(parseBody("!AIVDM,1,1,,A,,0"), I62_RESULT_UNDECODABLE);
    AIS_raw_message raw{};
    AisMsgCodec_FieldPut(raw.payload, 0, 6, 27);
    AisMsgCodec_FieldPut(raw.payload, 8, 30, 227006760);
    raw.bits = 96;
    for (const std::string& text : armourRaw(raw))
        EXPECT_EQ(parse(text), I62_RESULT_UNDECODABLE) << text;
    EXPECT_EQ(NoStation, 1);
}

TEST_F(ParserAis, BinaryBroadcastRecordsItsApplicationIdentifier)
{
    UN_AIS_MESSAGE m{};
    m.msg8.msgId = 8;
    m.msg8.mmsi = 2190047;
    m.msg8.data[0] = 0x00; // DAC 1, FI 31 on the air: 0000000001 011111
    m.msg8.data[1] = 0x5F;
    m.msg8.dataBytes = 60;
    const auto sentences = armour(m, "VDM", 'A', 4);
    ASSERT_EQ(sentences.size(), 2u);
    EXPECT_EQ(parse(sentences[0]), I62_RESULT_FRAGMENT);
    EXPECT_EQ(parse(sentences[1]), I62_RESULT_TAKEN);
    EXPECT_EQ(RxBinMsgAppId, 1 << 6 | 31);
    EXPECT_EQ(RxBinaryBroadcastMsg.newData, 1);
}

TEST_F(ParserAis, MessagesToTransmitStayOutOfTheStationTable)
{
    I61162_Data_Structure record{};
    EXPECT_EQ(parseBody("!AIBBM,1,1,0,2,8,04a9M>1@PU>0U>06<0,4", &record), I62_RESULT_TAKEN);
    EXPECT_EQ(EXTAISData.bbmPresent, 1);
    EXPECT_EQ(EncapSentenCount, 1);
    EXPECT_EQ(parseBody("!AIABM,1,1,0,211000000,1,6,04a9M>1@PU>0U>06<0,4", &record), I62_RESULT_TAKEN);
    EXPECT_EQ(EXTAISData.abm.destMmsi, 211000000u);
    EXPECT_EQ(EncapSentenCount, 2);
    EXPECT_EQ(NoStation, 1);

    Encapsulation_Sentence_Structure message{};
    EXPECT_TRUE(I62_ExtraProcess(&message, &record));
    EXPECT_EQ(message.msgId, 6);
    std::strcpy(record.formatter, "VDM");
    EXPECT_FALSE(I62_ExtraProcess(&message, &record));
}

TEST_F(ParserAis, RefusedFieldsGiveResultEight)
{
    const char* const bodies[] = {
        "!AIVDM,1,1,,A,15M67FC000G?ufbE`FepT@3n00Sa,",  // fill bits empty
        "!AIVDM,1,1,,A,15M67FC000G?ufbE`FepT@3n00Sa,6", // fill bits 6
        "!AIVDM,10,1,,A,15M67FC000G?ufbE`FepT@3n00Sa,0", "!AIVDM,1,1,10,A,15M67FC000G?ufbE`FepT@3n00Sa,0",
        "!AIVDM,1,1,,A,15M67FC000G?ufbE`FepT@3n00Sa", // five commas
    };
    for (const char* body : bodies)
        EXPECT_EQ(parseBody(body), I62_RESULT_REFUSED) << body;
}

TEST_F(ParserAis, MsgCodecInitialEmptiesTheReassembly)
{
    EXPECT_EQ(parse(kMsg5Part1), I62_RESULT_FRAGMENT);
    I62SentenceQueue.count = 5;
    EXPECT_TRUE(MsgCodecInitial());
    EXPECT_EQ(I62SentenceQueue.count, 0);
    EXPECT_EQ(parse(kMsg5Part2), I62_RESULT_TAKEN);
    EXPECT_EQ(NoStation, 1);
}
