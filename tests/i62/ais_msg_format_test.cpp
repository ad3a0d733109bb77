#include "i62/AisMsgFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

struct SLayoutCase
{
    int layout;
    int msgId;
    int form; // part number of 24, destination indicator of 25 and 26; -1 none
};

const SLayoutCase kLayouts[] = {
    {0, 1, -1},   {1, 2, -1},   {2, 3, -1},   {3, 4, -1},   {4, 5, -1},   {5, 6, -1},   {6, 7, -1},   {7, 8, -1},
    {8, 9, -1},   {9, 10, -1},  {10, 11, -1}, {11, 12, -1}, {12, 13, -1}, {13, 14, -1}, {14, 15, -1}, {15, 16, -1},
    {16, 17, -1}, {17, 18, -1}, {18, 19, -1}, {19, 20, -1}, {20, 21, -1}, {21, 22, -1}, {22, 23, -1}, {23, 24, 0},
    {24, 24, 1},  {25, 25, 1},  {26, 25, 0},  {27, 26, 1},  {28, 26, 0},
};

// Bytes a field takes in the record, seen from the test's side of the table.
int storageOf(const AIS_FIELD_DESCRIPTOR& f)
{
    switch (f.kind) {
    case AIS_FIELD_U8:
    case AIS_FIELD_TIME_STAMP:
        return 1;
    case AIS_FIELD_U16:
    case AIS_FIELD_U16_B:
    case AIS_FIELD_HEADING:
        return 2;
    case AIS_FIELD_TEXT:
        return f.width / 6 + 1;
    case AIS_FIELD_TEXT_REST:
    case AIS_FIELD_TEXT_REST_B:
    case AIS_FIELD_BINARY:
        return static_cast<int>(f.scale);
    default:
        return 4;
    }
}

bool isFloat(int kind)
{
    return kind == AIS_FIELD_SIGNED || kind == AIS_FIELD_UNSIGNED || kind == AIS_FIELD_COG || kind == AIS_FIELD_ROT ||
           kind == AIS_FIELD_LON || kind == AIS_FIELD_LAT;
}

// Fills one field with a random value it can carry; returns the tolerance of its round trip.
float randomField(std::mt19937& rng, const AIS_FIELD_DESCRIPTOR& f, uint8_t* at, int* binaryBytes)
{
    auto bitsOf = [&](int width) { return static_cast<uint32_t>(rng()) & (width >= 32 ? ~0u : (1u << width) - 1u); };
    const char sixBit[] = "@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_ !\"#$%&'()*+,-./0123456789:;<=>?";
    switch (f.kind) {
    case AIS_FIELD_U8:
    case AIS_FIELD_TIME_STAMP:
        *at = static_cast<uint8_t>(bitsOf(f.width));
        return 0;
    case AIS_FIELD_U16:
    case AIS_FIELD_U16_B:
        PackWordData(at, static_cast<uint16_t>(bitsOf(f.width)));
        return 0;
    case AIS_FIELD_HEADING:
        PackWordData(at, static_cast<uint16_t>(rng() % 360));
        return 0;
    case AIS_FIELD_TEXT:
        for (int i = 0; i < f.width / 6; ++i)
            at[i] = static_cast<uint8_t>(sixBit[rng() % 64]);
        return 0;
    case AIS_FIELD_TEXT_REST:
    case AIS_FIELD_TEXT_REST_B: {
        const int chars = static_cast<int>(rng() % static_cast<unsigned>(f.scale));
        for (int i = 0; i < chars; ++i)
            at[i] = static_cast<uint8_t>(sixBit[1 + rng() % 63]); // '@' would read as the end
        return 0;
    }
    case AIS_FIELD_BINARY:
        *binaryBytes = static_cast<int>(rng() % 40);
        for (int i = 0; i < *binaryBytes; ++i)
            at[i] = static_cast<uint8_t>(rng());
        return 0;
    case AIS_FIELD_ROT: {
        const int s = static_cast<int>(rng() % 253) - 126;
        PackFloatData(at, static_cast<float>((s < 0 ? -1 : 1) * (s / 4.733) * (s / 4.733)));
        return 0;
    }
    case AIS_FIELD_LON:
    case AIS_FIELD_LAT: {
        const double limit = f.kind == AIS_FIELD_LON ? 180.0 : 90.0;
        PackFloatData(at, static_cast<float>(std::uniform_real_distribution<double>(-limit, limit)(rng)));
        return f.scale / 60.0f + 2e-5f;
    }
    case AIS_FIELD_SIGNED:
    case AIS_FIELD_UNSIGNED:
    case AIS_FIELD_COG: {
        const uint32_t top = f.kind == AIS_FIELD_COG ? 3600 : (1u << (f.width - 1)) - 1;
        PackFloatData(at, static_cast<float>(rng() % (top + 1)) * f.scale);
        return f.scale / 2;
    }
    default:
        PackLongData(at, bitsOf(f.width));
        return 0;
    }
}

} // namespace

TEST(AisMsgFormat, LayoutFromPayload)
{
    AisMsgFormatInitial();
    uint8_t payload[8] = {};
    AIS_message_formatter* format = nullptr;
    for (int id : {0, 27, 28, 63}) {
        payload[0] = static_cast<uint8_t>(id << 2);
        EXPECT_EQ(AisMsg_GetFormat_ByMsg(payload, &format), AIS_FORMAT_NONE) << id;
    }
    for (const SLayoutCase& c : kLayouts) {
        std::memset(payload, 0, sizeof(payload));
        AisMsgCodec_FieldPut(payload, 0, 6, static_cast<uint32_t>(c.msgId));
        if (c.form >= 0)
            AisMsgCodec_FieldPut(payload, 38, c.msgId == 24 ? 2 : 1, static_cast<uint32_t>(c.form));
        ASSERT_EQ(AisMsg_GetFormat_ByMsg(payload, &format), AIS_FORMAT_FOUND) << c.msgId;
        EXPECT_EQ(format, AisMsgFmt[c.layout]) << c.msgId;
    }
    // Parts 2 and 3 of a message 24 are neither A nor B: read as A, they would rename the station.
    for (uint32_t part : {2u, 3u}) {
        std::memset(payload, 0, sizeof(payload));
        AisMsgCodec_FieldPut(payload, 0, 6, 24);
        AisMsgCodec_FieldPut(payload, 38, 2, part);
        EXPECT_EQ(AisMsg_GetFormat_ByMsg(payload, &format), AIS_FORMAT_NONE) << part;
    }
    EXPECT_EQ(AisMsgFmt[29], nullptr);
}

TEST(AisMsgFormat, VariableMessagesSendWhatTheyHold)
{
    AisMsgFormatInitial();
    UN_AIS_MESSAGE m;
    std::memset(&m, 0, sizeof(m));
    AIS_message_formatter format{0, nullptr};
    m.msg7.msgId = 7;
    m.msg7.destCount = 2;
    ASSERT_EQ(AisMsg_GetFormat_ByData(&m, &format), AIS_FORMAT_FOUND);
    EXPECT_EQ(format.count, 8u);
    m.msg7.destCount = 9;
    AisMsg_GetFormat_ByData(&m, &format);
    EXPECT_EQ(format.count, 12u);

    std::memset(&m, 0, sizeof(m));
    m.msg15.msgId = 15;
    AisMsg_GetFormat_ByData(&m, &format);
    EXPECT_EQ(format.count, AisMsgFmt15.count - 7);
    m.msg15.msgId12 = 5;
    AisMsg_GetFormat_ByData(&m, &format);
    EXPECT_EQ(format.count, AisMsgFmt15.count - 4);

    std::memset(&m, 0, sizeof(m));
    m.msg20.msgId = 20;
    m.msg20.block[1].offset = 100;
    AisMsg_GetFormat_ByData(&m, &format);
    EXPECT_EQ(format.count, AisMsgFmt20.count - 8);

    std::memset(&m, 0, sizeof(m));
    m.msg24B.msgId = 24;
    m.msg24B.partNumber = 2;
    EXPECT_EQ(AisMsg_GetFormat_ByData(&m, &format), AIS_FORMAT_NONE);
}

// Random values of every field of every layout survive packing and unpacking.
TEST(AisMsgFormat, PackUnpackRoundTripsEveryLayout)
{
    AisMsgFormatInitial();
    std::mt19937 rng(20240611);
    for (const SLayoutCase& c : kLayouts) {
        for (int round = 0; round < 50; ++round) {
            UN_AIS_MESSAGE in;
            std::memset(&in, 0, sizeof(in));
            const AIS_message_formatter& layout = *AisMsgFmt[c.layout];
            float tolerance[40] = {};
            int binaryBytes = 0;
            int offset = 0;
            for (uint64_t i = 0; i < layout.count; ++i) {
                tolerance[i] = randomField(rng, layout.fields[i], in.bytes + offset, &binaryBytes);
                offset += storageOf(layout.fields[i]);
            }
            in.head.msgId = static_cast<uint8_t>(c.msgId);
            if (c.form >= 0)
                in.bytes[6] = static_cast<uint8_t>(c.form);
            if (c.msgId == 22)
                in.msg22.addressed = 0;
            if (c.msgId == 7 || c.msgId == 13)
                in.msg7.destCount = static_cast<uint8_t>(1 + rng() % 4);
            if (c.msgId == 6)
                in.msg6.dataBytes = static_cast<uint8_t>(binaryBytes);
            if (c.msgId == 8)
                in.msg8.dataBytes = static_cast<uint8_t>(binaryBytes);
            if (c.msgId == 25 || c.msgId == 26)
                in.msg25A.dataBits = static_cast<uint16_t>(8 * binaryBytes);
            if (c.msgId == 26)
                in.msg26A.dataBits = static_cast<uint16_t>(8 * binaryBytes);

            AIS_raw_message raw;
            ASSERT_EQ(AisMessagePack(&raw, &in), 1u) << c.msgId;
            UN_AIS_MESSAGE out;
            ASSERT_TRUE(AisMessageUnpack(&raw, &out)) << c.msgId;

            AIS_message_formatter sent{0, nullptr};
            AisMsg_GetFormat_ByData(&in, &sent);
            offset = 0;
            for (uint64_t i = 0; i < sent.count; ++i) {
                const AIS_FIELD_DESCRIPTOR& f = sent.fields[i];
                const int size = storageOf(f);
                if (f.kind == AIS_FIELD_BINARY) {
                    EXPECT_EQ(std::memcmp(in.bytes + offset, out.bytes + offset, binaryBytes), 0) << c.msgId;
                    break; // what follows data to the end is read as more data
                }
                if (f.kind == AIS_FIELD_TEXT_REST || f.kind == AIS_FIELD_TEXT_REST_B) {
                    EXPECT_STREQ(reinterpret_cast<const char*>(out.bytes + offset),
                                 reinterpret_cast<const char*>(in.bytes + offset))
                        << c.msgId;
                    break;
                }
                if (isFloat(f.kind)) {
                    EXPECT_NEAR(UnpackFloatData(out.bytes + offset), UnpackFloatData(in.bytes + offset), tolerance[i])
                        << "message " << c.msgId << " field " << i;
                } else {
                    EXPECT_EQ(std::memcmp(in.bytes + offset, out.bytes + offset, size), 0)
                        << "message " << c.msgId << " field " << i;
                }
                offset += size;
            }
        }
    }
}
