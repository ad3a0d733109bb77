#include "i62/AisCodec.h"
#include "i62/AisMessage.h"
#include "i62/AisMsgFormat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace {

// One field alone, unpacked from a payload that holds raw at bit 0.
template <typename T> T unpackOne(int width, int kind, float scale, uint32_t raw)
{
    const AIS_FIELD_DESCRIPTOR field{width, kind, scale};
    const AIS_message_formatter format{1, &field};
    uint8_t payload[8] = {};
    AisMsgCodec_FieldPut(payload, 0, static_cast<short>(width), raw);
    uint8_t record[8] = {};
    EXPECT_EQ(AisMsgCodec_Unpack(payload, static_cast<short>(width), record, &format, nullptr), AIS_CODEC_DONE);
    T value;
    std::memcpy(&value, record, sizeof(value));
    return value;
}

template <typename T> uint32_t packOne(int width, int kind, float scale, T value)
{
    const AIS_FIELD_DESCRIPTOR field{width, kind, scale};
    const AIS_message_formatter format{1, &field};
    uint8_t record[8] = {};
    std::memcpy(record, &value, sizeof(value));
    uint8_t payload[8] = {};
    uint16_t bits = 0;
    EXPECT_EQ(AisMsgCodec_Pack(payload, &bits, record, &format, 0), AIS_CODEC_DONE);
    EXPECT_EQ(bits, width);
    return AisMsgCodec_FieldPick(payload, 0, static_cast<short>(width));
}

// A long payload of six-bit 'A's behind the given header bits.
AIS_raw_message longTextMessage(int msgId, int headerBits, int totalBits)
{
    AIS_raw_message raw;
    std::memset(&raw, 0, sizeof(raw));
    AisMsgCodec_FieldPut(raw.payload, 0, 6, static_cast<uint32_t>(msgId));
    for (int bit = headerBits; bit + 6 <= totalBits; bit += 6)
        AisMsgCodec_FieldPut(raw.payload, static_cast<short>(bit), 6, 1);
    raw.bits = static_cast<uint16_t>(totalBits);
    return raw;
}

struct SGuardedMessage
{
    UN_AIS_MESSAGE message;
    uint8_t guard[32];
};

} // namespace

TEST(AisCodecBits, PickAndPutAcrossBytes)
{
    uint8_t payload[12] = {};
    AisMsgCodec_FieldPut(payload, 3, 30, 0x2ABCDEF1u & 0x3FFFFFFFu);
    EXPECT_EQ(AisMsgCodec_FieldPick(payload, 3, 30), 0x2ABCDEF1u & 0x3FFFFFFFu);
    AisMsgCodec_FieldPut(payload, 37, 32, 0xFFFFFFFFu);
    EXPECT_EQ(AisMsgCodec_FieldPick(payload, 37, 32), 0xFFFFFFFFu);
    EXPECT_EQ(AisMsgCodec_FieldPick(payload, 0, 3), 0u);
    AisMsgInsertPut(payload, 37, 32, 0x12345678u);
    EXPECT_EQ(AisMsgCodec_FieldPick(payload, 37, 32), 0x12345678u);
    EXPECT_EQ(AisMsgCodec_FieldPick(payload, 3, 30), 0x2ABCDEF1u & 0x3FFFFFFFu);
}

// Every field of 1 to 32 bits at every place in payloads of many lengths (2 bits and more) reads what a bit-by-bit
// reader sees: the payload's own bits, and zeros past its end. The payload is held in exactly
// its own bytes, so a read beyond them is caught by the address checker.
TEST(AisCodecBits, FieldsReadTheSameAwayFromAndAtThePayloadEnd)
{
    uint32_t seed = 12345;
    auto nextByte = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<uint8_t>(seed >> 16);
    };
    for (int bits : {2, 7, 8, 9, 31, 63, 64, 65, 71, 96, 168, 169, 424}) {
        std::vector<uint8_t> payload(static_cast<size_t>((bits + 7) / 8));
        for (uint8_t& byte : payload)
            byte = nextByte(); // the last byte's bits past the end are not zero
        auto bitAt = [&](int i) { return i < bits ? (payload[static_cast<size_t>(i / 8)] >> (7 - i % 8)) & 1 : 0; };
        for (int first = 0; first < bits; ++first) {
            for (int width = 1; width <= 32; ++width) {
                uint32_t expected = 0;
                for (int i = 0; i < width; ++i)
                    expected = expected << 1 | static_cast<uint32_t>(bitAt(first + i));
                const AIS_FIELD_DESCRIPTOR fields[] = {{first, AIS_FIELD_SKIP, 1.0f}, {width, AIS_FIELD_MMSI, 1.0f}};
                const AIS_message_formatter format{2, fields};
                uint8_t record[64] = {};
                ASSERT_EQ(AisMsgCodec_Unpack(payload.data(), static_cast<short>(bits), record, &format, nullptr,
                                             sizeof(record)),
                          AIS_CODEC_DONE);
                uint32_t value;
                std::memcpy(&value, record + first / 8, sizeof(value));
                ASSERT_EQ(value, expected) << bits << " bits, " << width << " at " << first;
            }
        }
    }
}

TEST(AisCodecKinds, UnpackConversionsAndSentinels)
{
    EXPECT_FLOAT_EQ(unpackOne<float>(8, AIS_FIELD_ROT, 1, 128), 9999.0f);
    EXPECT_FLOAT_EQ(unpackOne<float>(8, AIS_FIELD_ROT, 1, 127), 1001.0f);
    EXPECT_FLOAT_EQ(unpackOne<float>(8, AIS_FIELD_ROT, 1, 129), -1001.0f);
    EXPECT_NEAR(unpackOne<float>(8, AIS_FIELD_ROT, 1, 0xF6), -(10 / 4.733) * (10 / 4.733), 1e-4);
    EXPECT_EQ(unpackOne<uint16_t>(9, AIS_FIELD_HEADING, 1, 400), 511);
    EXPECT_EQ(unpackOne<uint16_t>(9, AIS_FIELD_HEADING, 1, 359), 359);
    EXPECT_FLOAT_EQ(unpackOne<float>(28, AIS_FIELD_LON, 0.0001f, 181 * 600000), 181.0f);
    EXPECT_FLOAT_EQ(unpackOne<float>(27, AIS_FIELD_LAT, 0.0001f, 91 * 600000), 91.0f);
    EXPECT_FLOAT_EQ(unpackOne<float>(28, AIS_FIELD_LON, 0.0001f, (1u << 28) - 600000), -1.0f);
    EXPECT_FLOAT_EQ(unpackOne<float>(18, AIS_FIELD_LON, 0.1f, 181 * 600), 181.0f);
    EXPECT_FLOAT_EQ(unpackOne<float>(10, AIS_FIELD_UNSIGNED, 0.1f, 1023), 102.3f);
    EXPECT_FLOAT_EQ(unpackOne<float>(12, AIS_FIELD_COG, 0.1f, 3600), 360.0f);
    EXPECT_FLOAT_EQ(unpackOne<float>(8, AIS_FIELD_SIGNED, 0.5f, 0xFE), -1.0f);
    EXPECT_EQ(unpackOne<uint32_t>(30, AIS_FIELD_MMSI, 1, 999999999), 999999999u);
}

TEST(AisCodecKinds, PackConversionsAndSentinels)
{
    EXPECT_EQ(packOne<float>(12, AIS_FIELD_COG, 0.1f, 360.0f), 3600u);
    EXPECT_EQ(packOne<float>(12, AIS_FIELD_COG, 0.1f, 0.7f), 7u);
    EXPECT_EQ(packOne<float>(27, AIS_FIELD_LAT, 0.0001f, 91.0f), 54600000u);
    EXPECT_EQ(packOne<float>(27, AIS_FIELD_LAT, 0.0001f, 95.0f), 54600000u);
    EXPECT_EQ(packOne<float>(28, AIS_FIELD_LON, 0.0001f, 181.0f), 108600000u);
    EXPECT_EQ(packOne<float>(18, AIS_FIELD_LON, 0.1f, 200.0f), 108600u);
    EXPECT_EQ(packOne<float>(28, AIS_FIELD_LON, 0.0001f, -1.0f), (1u << 28) - 600000u);
    EXPECT_EQ(packOne<float>(10, AIS_FIELD_UNSIGNED, 0.1f, 102.3f), 1023u);
    EXPECT_EQ(packOne<float>(10, AIS_FIELD_UNSIGNED, 0.1f, 500.0f), 1023u); // kept within the width
    EXPECT_EQ(packOne<float>(8, AIS_FIELD_ROT, 1, 9999.0f), 128u);
    EXPECT_EQ(packOne<float>(8, AIS_FIELD_ROT, 1, -1001.0f), 129u);
    EXPECT_EQ(packOne<float>(8, AIS_FIELD_ROT, 1, -4.4639f), 0xF6u);
    EXPECT_EQ(packOne<float>(12, AIS_FIELD_PACK_4095, 0.01f, 41.0f), 4095u);
    EXPECT_EQ(packOne<float>(10, AIS_FIELD_PACK_1023, 0.001f, 0.5f), 500u);
    EXPECT_EQ(packOne<uint16_t>(9, AIS_FIELD_HEADING, 1, 720), 511u);
}

TEST(AisCodecKinds, TextsToTheEndStayInsideTheRecord)
{
    AisMsgFormatInitial();
    const struct
    {
        int msgId;
        int headerBits;
        int textOffset;
        int room;
    } cases[] = {
        {12, 72, 13, AIS_TEXT_12_SIZE},
        {14, 40, 7, AIS_TEXT_14_SIZE},
        {21, 272, 49, AIS_NAME_EXT_21_SIZE},
    };
    for (const auto& c : cases) {
        const AIS_raw_message raw = longTextMessage(c.msgId, c.headerBits, 8 * AIS_RAW_PAYLOAD_SIZE);
        AIS_message_formatter* format = nullptr;
        ASSERT_EQ(AisMsg_GetFormat_ByMsg(raw.payload, &format), AIS_FORMAT_FOUND);
        SGuardedMessage out;
        std::memset(&out, 0xAA, sizeof(out));
        std::memset(&out.message, 0, sizeof(out.message));
        EXPECT_EQ(AisMsgCodec_Unpack(raw.payload, static_cast<short>(raw.bits), out.message.bytes, format, nullptr),
                  AIS_CODEC_DONE);
        const char* text = reinterpret_cast<const char*>(out.message.bytes + c.textOffset);
        EXPECT_EQ(strnlen(text, c.room), static_cast<std::size_t>(c.room - 1)) << c.msgId;
        EXPECT_EQ(text[0], 'A');
        for (uint8_t g : out.guard)
            ASSERT_EQ(g, 0xAA) << c.msgId;
    }
}

TEST(AisCodecKinds, BinaryToTheEndKeepsItsCount)
{
    AisMsgFormatInitial();
    AIS_raw_message raw;
    std::memset(&raw, 0xFF, sizeof(raw));
    std::memset(raw.payload, 0, 1);
    AisMsgCodec_FieldPut(raw.payload, 0, 6, 8);
    raw.bits = 8 * AIS_RAW_PAYLOAD_SIZE;
    UN_AIS_MESSAGE m;
    ASSERT_TRUE(AisMessageUnpack(&raw, &m));
    EXPECT_EQ(+m.msg8.dataBytes, AIS_BINARY_8_SIZE);
    EXPECT_EQ(m.msg8.data[AIS_BINARY_8_SIZE - 1], 0xFF);
    EXPECT_EQ(m.msg8.dataBits, 8 * AIS_BINARY_8_SIZE);
}

TEST(AisCodecHelpers, PositionsAndValues)
{
    const uint32_t south = AisMsgCodec_PosPack(12, 34, 5678, 'S', 27);
    EXPECT_EQ(south, (1u << 27) - (12u * 600000 + 34u * 10000 + 5678));
    uint8_t d = 0;
    uint8_t m = 0;
    uint16_t f = 0;
    EXPECT_EQ(AisMsgCodec_PosUnpack(static_cast<int>(south), &d, &m, &f, 27), -1);
    EXPECT_EQ(d, 12);
    EXPECT_EQ(m, 34);
    EXPECT_EQ(f, 5678);
    EXPECT_EQ(AisMsgCodec_PosUnpack(static_cast<int>(AisMsgCodec_PosPack(179, 59, 9999, 'E', 28)), &d, &m, &f, 28), 1);
    EXPECT_EQ(d, 179);

    EXPECT_FLOAT_EQ(AisRestoreFloatData(0x3FF, 10), -1.0f);
    EXPECT_FLOAT_EQ(AisRestoreFloatData(0x1FF, 10), 511.0f);
    const uint8_t app[2] = {0x01, 0x0B}; // DAC 4, FI 11
    EXPECT_EQ(AisMsgCodec_GetDAC(AisMsgCodec_GetAppIdentifier(app)), 4);
    EXPECT_EQ(AisMsgCodec_GetFI(AisMsgCodec_GetAppIdentifier(app)), 11);
    EXPECT_NE(AisMsgCodec_CheckMsgId(0), 0);
    EXPECT_NE(AisMsgCodec_CheckMsgId(28), 0);
    EXPECT_EQ(AisMsgCodec_CheckMsgId(27), 0);
    EXPECT_FALSE(AisMessageIDCheck(27));

    char name[] = "ALPHA@@@@";
    TrimAisString(name);
    EXPECT_STREQ(name, "ALPHA");
    char inner[] = "A@B@";
    TrimAisString(inner);
    EXPECT_STREQ(inner, "A@B");
}

TEST(AisCodecKinds, NumbersThatAreNotFinitePackAsNotAvailable)
{
    AisMsgFormatInitial();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (float bad : {nan, inf, -inf}) {
        UN_AIS_MESSAGE in{};
        in.msg1.msgId = 1;
        in.msg1.mmsi = 211000001;
        in.msg1.rot = bad;
        in.msg1.sog = bad;
        in.msg1.longitude = bad;
        in.msg1.latitude = bad;
        in.msg1.cog = bad;
        in.msg1.trueHeading = 511;
        AIS_raw_message raw;
        ASSERT_EQ(AisMessagePack(&raw, &in), 1u);
        UN_AIS_MESSAGE out;
        ASSERT_TRUE(AisMessageUnpack(&raw, &out));
        EXPECT_FLOAT_EQ(out.msg1.sog, 102.3f) << bad;
        EXPECT_FLOAT_EQ(out.msg1.cog, 360.0f) << bad;
        EXPECT_FLOAT_EQ(out.msg1.longitude, 181.0f) << bad;
        EXPECT_FLOAT_EQ(out.msg1.latitude, 91.0f) << bad;
        EXPECT_EQ(AisMsgCodec_FieldPick(raw.payload, 42, 8), 0x80u) << "rate of turn not available";
    }
}

TEST(AisCodecHelpers, PositionWidthsFromOneToThirtyTwo)
{
    EXPECT_EQ(AisMsgCodec_PosPack(0, 0, 1, 'S', 32), 0xFFFFFFFFu);
    uint8_t d = 0;
    uint8_t m = 0;
    uint16_t f = 0;
    EXPECT_EQ(AisMsgCodec_PosUnpack(-1, &d, &m, &f, 32), -1);
    EXPECT_EQ(f, 1);
    EXPECT_EQ(AisMsgCodec_PosPack(1, 2, 3, 'N', 0), 0u);
    EXPECT_EQ(AisMsgCodec_PosPack(1, 2, 3, 'W', 33), 0u);
    EXPECT_EQ(AisMsgCodec_PosUnpack(-1, &d, &m, &f, -3), 1);
    EXPECT_EQ(f, 0);
}
