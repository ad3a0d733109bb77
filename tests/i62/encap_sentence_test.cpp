#include "i62/EncapSentence.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

I61162_Data_Structure fragment(const char* formatter, int total, int number, int seqId, const char* payload,
                               int fillBits = 0, char channel = 'A')
{
    I61162_Data_Structure r;
    std::memset(&r, 0, sizeof(r));
    r.start = '!';
    std::strncpy(r.formatter, formatter, 3);
    r.fields.encap.total = static_cast<uint8_t>(total);
    r.fields.encap.number = static_cast<uint8_t>(number);
    r.fields.encap.seqId = static_cast<uint8_t>(seqId);
    r.fields.encap.channel = static_cast<uint8_t>(channel);
    r.fields.encap.msgId = 6;
    std::strncpy(r.fields.encap.payload, payload, sizeof(r.fields.encap.payload) - 1);
    r.fields.encap.fillBits = static_cast<uint8_t>(fillBits);
    return r;
}

class EncapReassembly : public ::testing::Test
{
protected:
    void SetUp() override { I62_EncapSenten_Init(); }
    int append(const I61162_Data_Structure& r) { return I62_AppendEncapSentence(&r, &joined); }
    Encapsulation_Sentence_Structure joined{};
};

} // namespace

TEST_F(EncapReassembly, JoinsTwoAndThreeSentences)
{
    EXPECT_EQ(append(fragment("VDM", 2, 1, 1, "55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8")),
              ENCAP_PENDING);
    EXPECT_EQ(EncapSentenIndex[ENCAP_KIND_VDM], 0);
    EXPECT_EQ(append(fragment("VDM", 2, 2, 1, "88888888880", 2)), ENCAP_COMPLETE);
    EXPECT_EQ(EncapSentenIndex[ENCAP_KIND_VDM], 1);
    EXPECT_EQ(std::strlen(joined.payload), 71u);
    EXPECT_EQ(joined.fillBits, 2); // the last sentence's
    AIS_raw_message raw;
    ASSERT_TRUE(I62_EncapSentenceDecode(&joined, &raw));
    EXPECT_EQ(raw.bits, 424);

    EXPECT_EQ(append(fragment("VDO", 3, 1, 7, "ABC")), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDO", 3, 2, 7, "DEF")), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDO", 3, 3, 7, "GH", 4)), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "ABCDEFGH");
    EXPECT_EQ(append(fragment("TXT", 1, 1, 0, "A")), ENCAP_REFUSED);
}

TEST_F(EncapReassembly, RefusesWhatDoesNotFollow)
{
    // A continuation without its first sentence.
    EXPECT_EQ(append(fragment("VDM", 2, 2, 3, "88888888880", 2)), ENCAP_REFUSED);
    // The middle sentence lost: the slot is cleared at the third.
    EXPECT_EQ(append(fragment("VDM", 3, 1, 4, "ABC")), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDM", 3, 3, 4, "GH")), ENCAP_REFUSED);
    EXPECT_EQ(EncapSentenStore[ENCAP_KIND_VDM][0].total, 0);
    // Two messages interleaved: a continuation with another sequential id does not join.
    EXPECT_EQ(append(fragment("VDM", 2, 1, 5, "AAAA")), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDM", 2, 2, 6, "BBBB")), ENCAP_REFUSED);
    // A continuation that would overrun the payload area spoils the message.
    const std::string sixty(60, '0');
    EXPECT_EQ(append(fragment("VDM", 3, 1, 2, sixty.c_str())), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDM", 3, 2, 2, sixty.c_str())), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDM", 3, 3, 2, sixty.c_str())), ENCAP_REFUSED);
}

TEST_F(EncapReassembly, InterleavedMessagesBothComplete)
{
    // A message 5 on channel A and a message 21 on channel B, fragment by fragment.
    EXPECT_EQ(append(fragment("VDM", 2, 1, 1, "55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8")),
              ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDM", 2, 1, 5, "E>jHC=c6:W2h22R`@1:WdP00000Opa@H?KTcP10888e?N0", 0, 'B')),
              ENCAP_PENDING);
    ASSERT_EQ(append(fragment("VDM", 2, 2, 1, "88888888880", 2)), ENCAP_COMPLETE);
    EXPECT_EQ(std::strlen(joined.payload), 71u);
    EXPECT_EQ(joined.channel, 'A');
    ASSERT_EQ(append(fragment("VDM", 2, 2, 5, "88", 4, 'B')), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "E>jHC=c6:W2h22R`@1:WdP00000Opa@H?KTcP10888e?N088");
    EXPECT_EQ(joined.channel, 'B');

    // The same sequential id on the two channels keeps two messages apart as well.
    EXPECT_EQ(append(fragment("VDM", 2, 1, 3, "AAAA", 0, 'A')), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDM", 2, 1, 3, "BBBB", 0, 'B')), ENCAP_PENDING);
    ASSERT_EQ(append(fragment("VDM", 2, 2, 3, "bb", 0, 'B')), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "BBBBbb");
    ASSERT_EQ(append(fragment("VDM", 2, 2, 3, "aa", 0, 'A')), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "AAAAaa");

    // A first sentence again for an open message starts it over.
    EXPECT_EQ(append(fragment("VDM", 2, 1, 4, "OLD")), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDM", 2, 1, 4, "NEW")), ENCAP_PENDING);
    ASSERT_EQ(append(fragment("VDM", 2, 2, 4, "END")), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "NEWEND");
}

TEST_F(EncapReassembly, ANewMessageTakesTheOldestOpenSlotWhenAllAreOpen)
{
    // Sequential ids 0-9 on channel A, then one on channel B: the first open message gives way.
    for (int seqId = 0; seqId < ENCAP_SLOT_COUNT; ++seqId)
        EXPECT_EQ(append(fragment("VDM", 2, 1, seqId, "AAAA")), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDM", 2, 1, 0, "CCCC", 0, 'B')), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("VDM", 2, 2, 0, "aa")), ENCAP_REFUSED);
    ASSERT_EQ(append(fragment("VDM", 2, 2, 1, "aa")), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "AAAAaa");
    ASSERT_EQ(append(fragment("VDM", 2, 2, 0, "cc", 0, 'B')), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "CCCCcc");
}

TEST_F(EncapReassembly, SingleSentenceMessagesLeaveOpenMessagesAlone)
{
    // Some receivers number single-sentence messages too: one with the sequential id and
    // channel of a message still awaiting its second sentence passes beside it.
    EXPECT_EQ(append(fragment("VDM", 2, 1, 1, "AAAA")), ENCAP_PENDING);
    ASSERT_EQ(append(fragment("VDM", 1, 1, 1, "SSSS")), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "SSSS");
    ASSERT_EQ(append(fragment("VDM", 2, 2, 1, "aa")), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "AAAAaa");

    // With every slot holding an open message it still passes, numbered or not, and takes none.
    for (int seqId = 0; seqId < ENCAP_SLOT_COUNT; ++seqId)
        EXPECT_EQ(append(fragment("VDM", 2, 1, seqId, "AAAA")), ENCAP_PENDING);
    ASSERT_EQ(append(fragment("VDM", 1, 1, 0, "TTTT")), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "TTTT");
    ASSERT_EQ(append(fragment("VDM", 1, 1, I62_U8_EMPTY, "UUUU", 0, 'B')), ENCAP_COMPLETE);
    EXPECT_STREQ(joined.payload, "UUUU");
    for (int seqId = 0; seqId < ENCAP_SLOT_COUNT; ++seqId) {
        ASSERT_EQ(append(fragment("VDM", 2, 2, seqId, "aa")), ENCAP_COMPLETE) << seqId;
        EXPECT_STREQ(joined.payload, "AAAAaa");
    }

    // A message to transmit keeps to the same rule: with no free slot it is refused.
    EXPECT_EQ(append(fragment("ABM", 2, 1, 2, "HH")), ENCAP_PENDING);
    EXPECT_EQ(append(fragment("ABM", 1, 1, 2, "H")), ENCAP_REFUSED); // complete, kept for the transmit side
    EXPECT_EQ(EncapSentenCount, 1);
    EXPECT_EQ(append(fragment("ABM", 2, 2, 2, "hh")), ENCAP_REFUSED);
    EXPECT_EQ(EncapSentenCount, 2) << "the open message completed too";
}

TEST_F(EncapReassembly, TransmitMessagesStayInTheStore)
{
    for (int message = 0; message < ENCAP_SLOT_COUNT; ++message)
        EXPECT_EQ(append(fragment("ABM", 1, 1, 0, "H")), ENCAP_REFUSED);
    EXPECT_EQ(EncapSentenCount, 10);
    // Nothing took them off: the eleventh finds its slot still complete.
    EXPECT_EQ(I62_EncapSenten_Update(nullptr), nullptr);
    Encapsulation_Sentence_Structure eleventh{};
    std::strcpy(eleventh.formatter, "ABM");
    eleventh.total = 1;
    eleventh.number = 1;
    EXPECT_EQ(I62_EncapSenten_Update(&eleventh), nullptr);
    EXPECT_TRUE(I62_EncapSenten_CheckProcess());
    EXPECT_EQ(EncapSentenActive, &EncapSentenStore[ENCAP_KIND_ABM][0]);
}

TEST(EncapArmour, DecodeChecksEveryCharacter)
{
    Encapsulation_Sentence_Structure m{};
    std::strcpy(m.payload, "15M67FC000G?ufbE`FepT@3n00Sa");
    AIS_raw_message raw;
    ASSERT_TRUE(I62_EncapSentenceDecode(&m, &raw));
    EXPECT_EQ(raw.bits, 168);
    EXPECT_EQ(raw.payload[0], 0x04); // "1" then "5": 000001 00|0101
    m.payload[27] = '\0';
    m.fillBits = 2;
    ASSERT_TRUE(I62_EncapSentenceDecode(&m, &raw));
    EXPECT_EQ(raw.bits, 160);
    for (int at : {0, 13, 25, 26}) {
        Encapsulation_Sentence_Structure bad = m;
        bad.payload[at] = 'X';
        EXPECT_FALSE(I62_EncapSentenceDecode(&bad, &raw)) << at;
    }
}

TEST(EncapArmour, EncodeRoundTripsAndRefusesOverlongMessages)
{
    const char* payload = "55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp888888888880";
    const AIS_raw_message raw = TestSupport::rawOf(payload, 2);
    Encapsulation_Sentence_Structure m{};
    ASSERT_TRUE(I62_EncapSentenceEncode(&m, &raw));
    EXPECT_STREQ(m.payload, payload);
    EXPECT_EQ(m.fillBits, 2);
    AIS_raw_message short168 = TestSupport::rawOf("15M67FC000G?ufbE`FepT@3n00Sa", 0);
    ASSERT_TRUE(I62_EncapSentenceEncode(&m, &short168));
    EXPECT_EQ(std::strlen(m.payload), 28u);
    EXPECT_EQ(m.fillBits, 0);

    AIS_raw_message big{};
    big.bits = 6 * ENCAP_PAYLOAD_MAX + 1;
    std::memset(m.payload, 'Z', sizeof(m.payload) - 1);
    EXPECT_FALSE(I62_EncapSentenceEncode(&m, &big));
    big.bits = 6 * ENCAP_PAYLOAD_MAX;
    EXPECT_TRUE(I62_EncapSentenceEncode(&m, &big));
    EXPECT_EQ(std::strlen(m.payload), static_cast<std::size_t>(ENCAP_PAYLOAD_MAX));
}

TEST(EncapArmour, SplitsIntoSentences)
{
    Encapsulation_Sentence_Structure m{};
    std::strcpy(m.formatter, "VDM");
    std::memset(m.payload, 'A', 71);
    m.fillBits = 2;
    I61162_Data_Structure r{};
    int offset = 0;
    EXPECT_FALSE(I62_SplitEncapSentence(&r, &m, &offset));
    EXPECT_EQ(r.fields.encap.total, 2);
    EXPECT_EQ(r.fields.encap.number, 1);
    EXPECT_EQ(std::strlen(r.fields.encap.payload), 60u);
    EXPECT_EQ(r.fields.encap.fillBits, 0);
    EXPECT_TRUE(I62_SplitEncapSentence(&r, &m, &offset));
    EXPECT_EQ(r.fields.encap.number, 2);
    EXPECT_EQ(std::strlen(r.fields.encap.payload), 11u);
    EXPECT_EQ(r.fields.encap.fillBits, 2);

    std::strcpy(m.formatter, "ABM");
    m.msgId = 6;
    m.payload[48] = '\0';
    offset = 0;
    EXPECT_TRUE(I62_SplitEncapSentence(&r, &m, &offset)); // 48 characters fit the first ABM of a message 6
    m.msgId = 12;
    offset = 0;
    EXPECT_FALSE(I62_SplitEncapSentence(&r, &m, &offset));
    EXPECT_EQ(m.total, 2);
}
