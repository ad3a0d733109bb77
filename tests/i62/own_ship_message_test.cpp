#include "i62/OwnShipMessage.h"

#include "i62/AisStation.h"
#include "i62/OwnShipSensor.h"

#include "LibraryTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace TestSupport;

namespace {

constexpr uint32_t kOwnMmsi = 211000000;

class OwnShipMessage : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        ShipData[0].mmsi = kOwnMmsi;
        std::memset(SensorData, 0, sizeof(SensorData));
    }

    // A message 6 or 12 from source, addressed to destination.
    static UN_AIS_MESSAGE addressed(int msgId, uint32_t source, uint32_t destination, uint8_t sequence)
    {
        UN_AIS_MESSAGE m{};
        m.head.msgId = static_cast<uint8_t>(msgId);
        m.head.mmsi = source;
        if (msgId == 6) {
            m.msg6.destMmsi = destination;
            m.msg6.sequence = sequence;
        } else {
            m.msg12.destMmsi = destination;
            m.msg12.sequence = sequence;
        }
        return m;
    }

    // The message through the packer and back, as it would go on air.
    static UN_AIS_MESSAGE onAir(const UN_AIS_MESSAGE& m)
    {
        AIS_raw_message raw{};
        UN_AIS_MESSAGE back{};
        EXPECT_EQ(AisMessagePack(&raw, &m), 1u);
        EXPECT_TRUE(AisMessageUnpack(&raw, &back));
        return back;
    }
};

} // namespace

TEST_F(OwnShipMessage, QueueHoldsNineteen)
{
    for (int i = 0; i < AIS_ACK_QUEUE_SIZE - 1; ++i) {
        const UN_AIS_MESSAGE m = addressed(6, 200000001u + static_cast<uint32_t>(i), kOwnMmsi, i % 4);
        ASSERT_EQ(AisMsg_Ack_Check(&m, 'A'), AIS_ACK_DONE) << i;
    }
    EXPECT_EQ(AisMsg_Ack_CheckData(), 19);
    const UN_AIS_MESSAGE twentieth = addressed(6, 200000099u, kOwnMmsi, 0);
    EXPECT_EQ(AisMsg_Ack_Check(&twentieth, 'A'), AIS_ACK_REFUSED);
    EXPECT_EQ(AisMsg_Ack_CheckData(), 19);

    AisMessageInitial();
    EXPECT_EQ(AisMsg_Ack_CheckData(), 0);
}

TEST_F(OwnShipMessage, AcknowledgementCollectsItsDestinations)
{
    for (uint32_t i = 0; i < 3; ++i) {
        const UN_AIS_MESSAGE m = addressed(6, 200000001u + i, kOwnMmsi, static_cast<uint8_t>(i));
        ASSERT_EQ(AisMsg_Ack_Check(&m, 'A'), AIS_ACK_DONE);
    }
    const UN_AIS_MESSAGE onB = addressed(6, 200000004u, kOwnMmsi, 3);
    ASSERT_EQ(AisMsg_Ack_Check(&onB, 'B'), AIS_ACK_DONE);

    char id = 0;
    char channel = 0;
    ASSERT_EQ(AisMsg_Ack_CheckProc(&id, &channel), 1);
    EXPECT_EQ(id, 7);
    EXPECT_EQ(channel, 'A');
    AIS_MESSAGE_07 ack{};
    EXPECT_EQ(AisMsg_Ack_Create(7, 'B', &ack), AIS_ACK_REFUSED) << "the entry waiting is for channel A";
    ASSERT_EQ(AisMsg_Ack_Create(7, 'A', &ack), AIS_ACK_DONE);
    EXPECT_EQ(+ack.msgId, 7);
    EXPECT_EQ(+ack.mmsi, kOwnMmsi);
    EXPECT_EQ(+ack.destCount, 3);
    EXPECT_EQ(+ack.dest[0].mmsi, 200000001u);
    EXPECT_EQ(+ack.dest[2].sequence, 2);
    EXPECT_EQ(AisMsg_Ack_CheckData(), 1);
    ASSERT_EQ(AisMsg_Ack_Create(7, 'B', &ack), AIS_ACK_DONE);
    EXPECT_EQ(+ack.destCount, 1);
    EXPECT_EQ(+ack.dest[0].mmsi, 200000004u);
    EXPECT_EQ(AisMsg_Ack_CheckProc(&id, &channel), 0);
    EXPECT_EQ(AisMsg_Ack_Create(7, 'B', &ack), AIS_ACK_REFUSED);

    // The prepared acknowledgement goes out as message 7 or 13.
    TxAckMsg.message = ack;
    UN_AIS_MESSAGE out{};
    CreateAisMsg(13, &out, 0);
    EXPECT_EQ(+out.msg7.msgId, 13);
    EXPECT_EQ(+out.msg7.destCount, 1);
    EXPECT_EQ(+onAir(out).msg7.dest[0].mmsi, 200000004u);
}

TEST_F(OwnShipMessage, OnlyValidAddressedMessagesAreQueued)
{
    const UN_AIS_MESSAGE other = addressed(12, 200000001u, 211999999u, 1);
    EXPECT_EQ(AisMsg_Ack_Check(&other, 'A'), AIS_ACK_DONE);
    EXPECT_EQ(AisMsg_Ack_CheckData(), 0);
    const UN_AIS_MESSAGE badSequence = addressed(12, 200000001u, kOwnMmsi, 4);
    EXPECT_EQ(AisMsg_Ack_Check(&badSequence, 'A'), AIS_ACK_REFUSED);
    const UN_AIS_MESSAGE noSource = addressed(6, 0, kOwnMmsi, 1);
    EXPECT_EQ(AisMsg_Ack_Check(&noSource, 'A'), AIS_ACK_REFUSED);
    UN_AIS_MESSAGE broadcast{};
    broadcast.head.msgId = 8;
    EXPECT_EQ(AisMsg_Ack_Check(&broadcast, 'A'), AIS_ACK_DONE);
    const UN_AIS_MESSAGE safety = addressed(12, 200000001u, kOwnMmsi, 1);
    EXPECT_EQ(AisMsg_Ack_Check(&safety, 'B'), AIS_ACK_DONE);
    char id = 0;
    ASSERT_EQ(AisMsg_Ack_CheckProc(&id, nullptr), 1);
    EXPECT_EQ(id, 13);
    EXPECT_EQ(AisMsg_Ack_Add(8, 200000001, 1, 'A'), AIS_ACK_REFUSED);
    EXPECT_EQ(AisMsg_Ack_Add(6, 200000001, 1, 'A'), AIS_ACK_DONE);
    EXPECT_EQ(AisMsg_Ack_CheckData(), 2);
}

TEST_F(OwnShipMessage, PositionReportFromTheOwnRecord)
{
    GENERIC_SHIP_DATA& own = ShipData[0];
    own.longitude = 4.5f;
    own.latitude = 51.9f;
    own.cog = 123.4f;
    own.sog = 12.3f;
    own.trueHeading = 122.6f;
    own.status = static_cast<uint16_t>((5 << STATION_NAV_STATUS_SHIFT) | STATION_POS_ACCURACY | STATION_RAIM);
    UN_AIS_MESSAGE m{};
    CreateAisMsg(1, &m, 0x1234);
    EXPECT_FLOAT_EQ(+m.msg1.longitude, 181.0f);
    EXPECT_FLOAT_EQ(+m.msg1.latitude, 91.0f);
    EXPECT_FLOAT_EQ(+m.msg1.cog, 360.0f);
    EXPECT_FLOAT_EQ(+m.msg1.sog, 102.3f);
    EXPECT_EQ(+m.msg1.posAccuracy, 0);
    EXPECT_EQ(+m.msg1.trueHeading, 511);
    EXPECT_EQ(+m.msg1.timeStamp, 60);
    EXPECT_EQ(+m.msg1.navStatus, 5);
    EXPECT_EQ(+m.msg1.commState, 0x1234u);

    SensorData[SENSOR_POSITION] = 1;
    SensorData[SENSOR_SOG] = 1;
    SensorData[SENSOR_HEADING] = 1;
    SensorData[SENSOR_GPS_TIME] = 1;
    SysUtcTime.second = 42;
    CreateAisMsg(3, &m, 0);
    const UN_AIS_MESSAGE back = onAir(m);
    EXPECT_EQ(+back.msg1.msgId, 3);
    EXPECT_EQ(+back.msg1.mmsi, kOwnMmsi);
    EXPECT_NEAR(back.msg1.longitude, 4.5f, 1e-4);
    EXPECT_NEAR(back.msg1.sog, 12.3f, 1e-4);
    EXPECT_EQ(+back.msg1.trueHeading, 123);
    EXPECT_EQ(+back.msg1.timeStamp, 42);
    EXPECT_EQ(+back.msg1.posAccuracy, 1);
    EXPECT_EQ(+back.msg1.raim, 1);

    UN_AIS_MESSAGE untouched{};
    untouched.bytes[0] = 0xAB;
    CreateAisMsg(27, &untouched, 0);
    CreateAisMsg(0, &untouched, 0);
    EXPECT_EQ(+untouched.bytes[0], 0xAB);
}

TEST_F(OwnShipMessage, ClassBKeepsTheLastPosition)
{
    GENERIC_SHIP_DATA& own = ShipData[0];
    own.longitude = 4.5f;
    own.latitude = 51.9f;
    own.cog = 361.0f;
    own.sog = 5.0f;
    own.extra.classB.flags = CLASS_B_UNIT | CLASS_B_DSC;
    UN_AIS_MESSAGE m{};
    CreateAisMsg(18, &m, 0);
    EXPECT_FLOAT_EQ(+m.msg18.longitude, 181.0f) << "no position yet";
    EXPECT_FLOAT_EQ(+m.msg18.sog, 102.3f);

    SensorData[SENSOR_POSITION] = 1;
    SensorData[SENSOR_SOG] = 1;
    CreateAisMsg(18, &m, 0);
    EXPECT_FLOAT_EQ(+m.msg18.longitude, 4.5f);
    EXPECT_FLOAT_EQ(+m.msg18.cog, 360.0f) << "a COG of 360 or more is no course";
    EXPECT_FLOAT_EQ(+m.msg18.sog, 102.3f);
    EXPECT_EQ(+m.msg18.unitFlag, 1);
    EXPECT_EQ(+m.msg18.dscFlag, 1);
    EXPECT_EQ(+m.msg18.bandFlag, 0);
    EXPECT_EQ(+m.msg18.selector, 1);

    own.cog = 90.0f;
    SensorData[SENSOR_POSITION] = 0;
    CreateAisMsg(18, &m, 0);
    EXPECT_FLOAT_EQ(+m.msg18.latitude, 51.9f) << "once seen, the position stays in use";
    EXPECT_FLOAT_EQ(+m.msg18.sog, 5.0f);
    EXPECT_FLOAT_EQ(+onAir(m).msg18.cog, 90.0f);

    std::strcpy(own.name, "KELVORA");
    own.shipType = 37;
    CreateAisMsg(19, &m, 0);
    EXPECT_STREQ(m.msg19.name, "KELVORA");
    EXPECT_EQ(+onAir(m).msg19.shipType, 37);
}

TEST_F(OwnShipMessage, StaticDataTexts)
{
    GENERIC_SHIP_DATA& own = ShipData[0];
    own.name[0] = '\0';
    own.callSign[0] = '\0';
    own.dimA = 10;
    own.dimB = 5;
    own.dimC = 2;
    own.dimD = 3;
    UN_AIS_MESSAGE m{};
    CreateAisMsg(5, &m, 0);
    EXPECT_STREQ(m.msg5.name, "@@@@@@@@@@@@@@@@@@@@");
    EXPECT_STREQ(m.msg5.callSign, "@@@@@@@");
    EXPECT_EQ(+m.msg5.dte, 0);
    EXPECT_EQ(+m.msg5.dimensions, (10u << 21) | (5u << 12) | (2u << 6) | 3u);

    m = UN_AIS_MESSAGE{};
    CreateAisMsg(24, &m, 0);
    EXPECT_EQ(+m.msg24A.partNumber, 0);
    EXPECT_STREQ(m.msg24A.name, "@@@@@@@@@@@@@@@@@@@@");
    std::strcpy(own.name, "KELVORA");
    CreateAisMsg(24, &m, 0);
    EXPECT_EQ(std::string(m.msg24A.name), "KELVORA             ");

    m = UN_AIS_MESSAGE{};
    m.msg24B.partNumber = 1;
    std::strcpy(own.extra.classB.vendorId, "KLV");
    CreateAisMsg(24, &m, 0);
    EXPECT_EQ(+m.msg24B.partNumber, 1);
    EXPECT_STREQ(m.msg24B.callSign, "@@@@@@@");
    EXPECT_STREQ(m.msg24B.vendorId, "KLV    ");
    EXPECT_EQ(+onAir(m).msg24B.dimensions, m.msg24B.dimensions);
}

TEST_F(OwnShipMessage, PreparedMessagesAreCopied)
{
    std::strcpy(TxSafetyBroadcastMsg.message.text, "SECURITE");
    TxSafetyBroadcastMsg.message.mmsi = kOwnMmsi;
    UN_AIS_MESSAGE m{};
    CreateAisMsg(14, &m, 0);
    EXPECT_EQ(+m.msg14.msgId, 14);
    EXPECT_STREQ(m.msg14.text, "SECURITE");
    SysUtcDate = UTC_DATE{2024, 7, 4};
    SysUtcTime = UTC_TIME{12, 30, 15, 0};
    CreateAisMsg(4, &m, 0);
    EXPECT_EQ(+m.msg4.year, 2024);
    EXPECT_EQ(+m.msg4.minute, 30);
    EXPECT_EQ(+onAir(m).msg4.second, 15);
    char a = 'x';
    char b = 'y';
    Swap_byte(&a, &b);
    EXPECT_EQ(a, 'y');
    EXPECT_EQ(b, 'x');
}
