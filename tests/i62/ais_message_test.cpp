#include "i62/AisMessage.h"
#include "i62/AisMsgFormat.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using TestSupport::rawOf;

namespace {

UN_AIS_MESSAGE decode(const char* payload, int fillBits)
{
    AisMessageInitial();
    const AIS_raw_message raw = rawOf(payload, fillBits);
    UN_AIS_MESSAGE m;
    EXPECT_TRUE(AisMessageUnpack(&raw, &m)) << payload;
    return m;
}

} // namespace

// Publicly documented sentences with their published decodings.
TEST(AisMessageVectors, PositionReportClassA)
{
    const UN_AIS_MESSAGE m = decode("15M67FC000G?ufbE`FepT@3n00Sa", 0);
    const AIS_MSG_1 r = m.msg1;
    EXPECT_EQ(+r.msgId, 1);
    EXPECT_EQ(+r.repeat, 0);
    EXPECT_EQ(+r.mmsi, 366053209u);
    EXPECT_EQ(+r.navStatus, 3);
    EXPECT_FLOAT_EQ(+r.rot, 0.0f);
    EXPECT_FLOAT_EQ(+r.sog, 0.0f);
    EXPECT_EQ(+r.posAccuracy, 0);
    EXPECT_NEAR(+r.longitude, -122.341618, 1e-5);
    EXPECT_NEAR(+r.latitude, 37.802118, 1e-5);
    EXPECT_NEAR(+r.cog, 219.3, 1e-4);
    EXPECT_EQ(+r.trueHeading, 1);
    EXPECT_EQ(+r.timeStamp, 59);
    EXPECT_EQ(+r.raim, 0);
    EXPECT_EQ(+r.commState, 2281u);

    const AIS_MSG_1 moored = decode("177KQJ5000G?tO`K>RA1wUbN0TKH", 0).msg1;
    EXPECT_EQ(+moored.mmsi, 477553000u);
    EXPECT_EQ(+moored.navStatus, 5);
    EXPECT_NEAR(+moored.longitude, -122.345833, 1e-5);
    EXPECT_NEAR(+moored.latitude, 47.582833, 1e-5);
    EXPECT_NEAR(+moored.cog, 51.0, 1e-4);
    EXPECT_EQ(+moored.trueHeading, 181);
    EXPECT_EQ(+moored.timeStamp, 15);
}

TEST(AisMessageVectors, StaticAndVoyageData)
{
    // The two sentences' payloads joined, fill bits of the second.
    const AIS_MSG_5 r = decode("55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp888888888880", 2).msg5;
    EXPECT_EQ(+r.mmsi, 351759000u);
    EXPECT_EQ(+r.aisVersion, 0);
    EXPECT_EQ(+r.imo, 9134270u);
    EXPECT_STREQ(r.callSign, "3FOF8  ");
    EXPECT_EQ(std::string(r.name), "EVER DIADEM         ");
    EXPECT_EQ(+r.shipType, 70);
    EXPECT_EQ(+r.dimensions, 225u << 21 | 70u << 12 | 1u << 6 | 31u);
    EXPECT_EQ(+r.epfsType, 1);
    EXPECT_EQ(+r.eta, 5u << 16 | 15u << 11 | 14u << 6 | 0u);
    EXPECT_NEAR(+r.draught, 12.2, 1e-5);
    EXPECT_EQ(std::string(r.destination), "NEW YORK            ");
    EXPECT_EQ(+r.dte, 0);
}

TEST(AisMessageVectors, ClassBReports)
{
    const AIS_MSG_18 b = decode("B52K>;h00Fc>jpUlNV@ikwpUoP06", 0).msg18;
    EXPECT_EQ(+b.msgId, 18);
    EXPECT_EQ(+b.mmsi, 338087471u);
    EXPECT_NEAR(+b.sog, 0.1, 1e-6);
    EXPECT_NEAR(+b.longitude, -74.072132, 1e-5);
    EXPECT_NEAR(+b.latitude, 40.684540, 1e-5);
    EXPECT_NEAR(+b.cog, 79.6, 1e-4);
    EXPECT_EQ(+b.trueHeading, 511);
    EXPECT_EQ(+b.timeStamp, 49);
    EXPECT_EQ(+b.unitFlag, 1);
    EXPECT_EQ(+b.displayFlag, 0);
    EXPECT_EQ(+b.dscFlag, 1);
    EXPECT_EQ(+b.bandFlag, 1);
    EXPECT_EQ(+b.msg22Flag, 1);
    EXPECT_EQ(+b.assigned, 0);
    EXPECT_EQ(+b.raim, 1);

    const AIS_MSG_19 e = decode("C5N3SRgPEnJGEBT>NhWAwwo862PaLELTBJ:V00000000S0D:R220", 0).msg19;
    EXPECT_EQ(+e.mmsi, 367059850u);
    EXPECT_NEAR(+e.sog, 8.7, 1e-5);
    EXPECT_NEAR(+e.longitude, -88.810392, 1e-5);
    EXPECT_NEAR(+e.latitude, 29.543695, 1e-5);
    EXPECT_NEAR(+e.cog, 335.9, 1e-4);
    EXPECT_EQ(+e.trueHeading, 511);
    EXPECT_EQ(+e.timeStamp, 46);
    EXPECT_STREQ(e.name, "CAPT.J.RIMES@@@@@@@@"); // the station table trims the '@'
    EXPECT_EQ(+e.shipType, 70);
    EXPECT_EQ(+e.dimensions, 5u << 21 | 21u << 12 | 4u << 6 | 4u);
    EXPECT_EQ(+e.epfsType, 1);

    const AIS_MSG_24A a = decode("H42O55i18tMET00000000000000", 2).msg24A;
    EXPECT_EQ(+a.mmsi, 271041815u);
    EXPECT_EQ(+a.partNumber, 0);
    EXPECT_STREQ(a.name, "PROGUY@@@@@@@@@@@@@@");
    const AIS_MSG_24B p = decode("H42O55lti4hhhilD3nink000?050", 0).msg24B;
    EXPECT_EQ(+p.mmsi, 271041815u);
    EXPECT_EQ(+p.partNumber, 1);
    EXPECT_EQ(+p.shipType, 60);
    EXPECT_STREQ(p.vendorId, "1D00014");
    EXPECT_STREQ(p.callSign, "TC6163@");
    EXPECT_EQ(+p.dimensions, 0u << 21 | 15u << 12 | 0u << 6 | 5u);
}

TEST(AisMessageUnpack, ShortPayloadsAndRefusals)
{
    AisMessageInitial();
    // A message 5 cut inside its destination: the rest of it stays zero.
    AIS_raw_message raw = rawOf("55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp888888888880", 2);
    raw.bits = 302 + 24;
    UN_AIS_MESSAGE m;
    ASSERT_TRUE(AisMessageUnpack(&raw, &m));
    EXPECT_STREQ(m.msg5.destination, "NEW ");
    EXPECT_EQ(+m.msg5.dte, 0);

    for (int id : {0, 27, 28, 63}) {
        std::memset(&raw, 0, sizeof(raw));
        AisMsgCodec_FieldPut(raw.payload, 0, 6, static_cast<uint32_t>(id));
        raw.bits = 168;
        EXPECT_FALSE(AisMessageUnpack(&raw, &m)) << id;
    }
    raw = rawOf("15M67FC000G?ufbE`FepT@3n00Sa", 0);
    raw.bits = 1;
    EXPECT_FALSE(AisMessageUnpack(&raw, &m));
    EXPECT_FALSE(AisMessageUnpack(nullptr, &m));
}

TEST(AisMessageUnpack, AddressedChannelManagement)
{
    AisMessageInitial();
    UN_AIS_MESSAGE in;
    std::memset(&in, 0, sizeof(in));
    in.msg22.msgId = 22;
    in.msg22.mmsi = 2190047;
    in.msg22.channelA = 2087;
    in.msg22.channelB = 2088;
    in.msg22.addressed = 1;
    in.msg22.destMmsi1 = 211000001;
    in.msg22.destMmsi2 = 211000002;
    AIS_raw_message raw;
    ASSERT_EQ(AisMessagePack(&raw, &in), 1u);
    EXPECT_EQ(+raw.bits, 168);
    EXPECT_EQ(AisMsgCodec_FieldPick(raw.payload, 69, 30), 211000001u);
    EXPECT_EQ(AisMsgCodec_FieldPick(raw.payload, 99, 5), 0u);
    UN_AIS_MESSAGE out;
    ASSERT_TRUE(AisMessageUnpack(&raw, &out));
    EXPECT_EQ(+out.msg22.destMmsi1, 211000001u);
    EXPECT_EQ(+out.msg22.destMmsi2, 211000002u);
    EXPECT_EQ(+out.msg22.channelB, 2088);
}

TEST(AisMessageUnpack, BinaryDataKeepsItsExactLength)
{
    AisMessageInitial();
    UN_AIS_MESSAGE in;
    std::memset(&in, 0, sizeof(in));
    in.msg25B.msgId = 25;
    in.msg25B.binaryFlag = 1;
    in.msg25B.dataBits = 58; // a 98-bit message 25
    in.msg25B.data[0] = 0x01;
    in.msg25B.data[1] = 0x0B;
    in.msg25B.data[7] = 0xC0; // the last two bits
    AIS_raw_message raw;
    ASSERT_EQ(AisMessagePack(&raw, &in), 1u);
    EXPECT_EQ(+raw.bits, 98);
    UN_AIS_MESSAGE out;
    ASSERT_TRUE(AisMessageUnpack(&raw, &out));
    EXPECT_EQ(+out.msg25B.dataBits, 58);
    EXPECT_EQ(+out.msg25B.data[1], 0x0B);
    EXPECT_EQ(+out.msg25B.data[7], 0xC0);

    // A message 8 of 526 bits: 486 data bits, 60 whole bytes and 6 bits more.
    std::memset(&in, 0, sizeof(in));
    in.msg8.msgId = 8;
    in.msg8.dataBits = 486;
    std::memset(in.msg8.data, 0x5A, 60);
    in.msg8.data[60] = 0xFC;
    ASSERT_EQ(AisMessagePack(&raw, &in), 1u);
    EXPECT_EQ(+raw.bits, 526);
    ASSERT_TRUE(AisMessageUnpack(&raw, &out));
    EXPECT_EQ(+out.msg8.dataBytes, 60);
    EXPECT_EQ(+out.msg8.dataBits, 486);
    EXPECT_EQ(+out.msg8.data[60], 0xFC);

    // Without a bit count, whole bytes as before.
    std::memset(&in, 0, sizeof(in));
    in.msg6.msgId = 6;
    in.msg6.dataBytes = 5;
    ASSERT_EQ(AisMessagePack(&raw, &in), 1u);
    EXPECT_EQ(+raw.bits, 72 + 40);
    ASSERT_TRUE(AisMessageUnpack(&raw, &out));
    EXPECT_EQ(+out.msg6.dataBytes, 5);
    EXPECT_EQ(+out.msg6.dataBits, 40);
}

TEST(AisMessageUnpack, MessageTwentySixEndsInItsRadioStatus)
{
    AisMessageInitial();
    UN_AIS_MESSAGE in;
    std::memset(&in, 0, sizeof(in));
    in.msg26B.msgId = 26;
    in.msg26B.mmsi = 244123456;
    in.msg26B.binaryFlag = 1;
    in.msg26B.dataBits = 100;
    std::memset(in.msg26B.data, 0xFF, 12);
    in.msg26B.data[12] = 0xF0;
    in.msg26B.selector = 1;
    in.msg26B.commState = 0x5A5A5;
    AIS_raw_message raw;
    ASSERT_EQ(AisMessagePack(&raw, &in), 1u);
    EXPECT_EQ(+raw.bits, 40 + 100 + 20);
    UN_AIS_MESSAGE out;
    ASSERT_TRUE(AisMessageUnpack(&raw, &out));
    EXPECT_EQ(+out.msg26B.dataBits, 100);
    EXPECT_EQ(+out.msg26B.data[12], 0xF0);
    EXPECT_EQ(+out.msg26B.data[13], 0);
    EXPECT_EQ(+out.msg26B.selector, 1);
    EXPECT_EQ(out.msg26B.commState, 0x5A5A5u);
}

TEST(AisMessageUnpack, SafetyTextsOfFullLengthSurvive)
{
    AisMessageInitial();
    const struct
    {
        int msgId;
        size_t chars; // the most a five-slot message carries
    } cases[] = {{12, 156}, {14, 161}};
    for (const auto& c : cases) {
        std::string text;
        for (size_t i = 0; i < c.chars; ++i)
            text.push_back(static_cast<char>('A' + i % 26));
        UN_AIS_MESSAGE in;
        std::memset(&in, 0, sizeof(in));
        in.head.msgId = static_cast<uint8_t>(c.msgId);
        in.head.mmsi = 244000001;
        char* target = c.msgId == 12 ? in.msg12.text : in.msg14.text;
        std::memcpy(target, text.data(), text.size());
        AIS_raw_message raw;
        ASSERT_EQ(AisMessagePack(&raw, &in), 1u) << c.msgId;
        UN_AIS_MESSAGE out;
        ASSERT_TRUE(AisMessageUnpack(&raw, &out));
        EXPECT_EQ(std::string(c.msgId == 12 ? out.msg12.text : out.msg14.text), text) << c.msgId;
    }
}
