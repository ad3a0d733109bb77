#include "i62/AisStation.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace TestSupport;

namespace {

class StationTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        initLibrary();
        SysUtcDate = UTC_DATE{0, 0, 0};
        SysUtcTime = UTC_TIME{0, 0, 0, 0};
    }
};

} // namespace

TEST_F(StationTable, RealTrafficFillsRecords)
{
    int index = -1;
    ASSERT_EQ(parse("!AIVDM,1,1,,B,15M67FC000G?ufbE`FepT@3n00Sa,0*5C\r\n"), I62_RESULT_TAKEN);
    index = RxAisShipId;
    EXPECT_EQ(index, 1);
    const GENERIC_SHIP_DATA& a = ShipData[1];
    EXPECT_EQ(+a.stationClass, STATION_CLASS_A);
    EXPECT_EQ(+a.mmsi, 366053209u);
    EXPECT_EQ((a.status & STATION_NAV_STATUS_MASK) >> STATION_NAV_STATUS_SHIFT, 3);
    EXPECT_NEAR(+a.longitude, -122.341618, 1e-5);
    EXPECT_FLOAT_EQ(+a.trueHeading, 1.0f);
    EXPECT_EQ(RxAisShipId, 1);
    EXPECT_EQ(RxAisMsgId, 1);

    ASSERT_EQ(parse("!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C\r\n"),
              I62_RESULT_FRAGMENT);
    ASSERT_EQ(parse("!AIVDM,2,2,1,A,88888888880,2*25\r\n"), I62_RESULT_TAKEN);
    index = RxAisShipId;
    const GENERIC_SHIP_DATA& v = ShipData[index];
    EXPECT_EQ(v.mmsi, 351759000u);
    EXPECT_EQ(v.imo, 9134270u);
    EXPECT_STREQ(v.callSign, "3FOF8");
    EXPECT_STREQ(v.name, "EVER DIADEM");
    EXPECT_EQ(v.dimA, 225);
    EXPECT_EQ(v.dimB, 70);
    EXPECT_EQ(v.dimC, 1);
    EXPECT_EQ(v.dimD, 31);
    EXPECT_EQ(v.etaMonth, 5);
    EXPECT_EQ(v.etaDay, 15);
    EXPECT_EQ(v.etaHour, 14);
    EXPECT_EQ(v.etaMinute, 0);
    EXPECT_NEAR(v.draught, 12.2, 1e-5);
    EXPECT_STREQ(v.destination, "NEW YORK");
    EXPECT_EQ(v.status & STATION_DTE, 0);
    EXPECT_FLOAT_EQ(v.latitude, 91.0f);

    ASSERT_EQ(parse("!AIVDM,1,1,,A,B52K>;h00Fc>jpUlNV@ikwpUoP06,0*4C\r\n"), I62_RESULT_TAKEN);
    index = RxAisShipId;
    EXPECT_EQ(ShipData[index].stationClass, STATION_CLASS_B);
    EXPECT_EQ(ShipData[index].extra.classB.flags, CLASS_B_UNIT | CLASS_B_DSC | CLASS_B_BAND | CLASS_B_MSG22);
    EXPECT_NE(ShipData[index].status & STATION_RAIM, 0);

    ASSERT_EQ(parse("!AIVDM,1,1,,B,C5N3SRgPEnJGEBT>NhWAwwo862PaLELTBJ:V00000000S0D:R220,0*0B\r\n"), I62_RESULT_TAKEN);
    index = RxAisShipId;
    EXPECT_STREQ(ShipData[index].name, "CAPT.J.RIMES");
    EXPECT_NEAR(ShipData[index].sog, 8.7, 1e-5);
    EXPECT_EQ(ShipData[index].dimB, 21);

    // Message 24: part A brings the name only, part B leaves it alone.
    ASSERT_EQ(parse("!AIVDM,1,1,,A,H42O55i18tMET00000000000000,2*6D\r\n"), I62_RESULT_TAKEN);
    index = RxAisShipId;
    EXPECT_STREQ(ShipData[index].name, "PROGUY");
    EXPECT_EQ(ShipData[index].shipType, 0);
    EXPECT_EQ(ShipData[index].msg24Part, 0);
    ASSERT_EQ(parse("!AIVDM,1,1,,A,H42O55lti4hhhilD3nink000?050,0*40\r\n"), I62_RESULT_TAKEN);
    index = RxAisShipId;
    EXPECT_STREQ(ShipData[index].name, "PROGUY");
    EXPECT_STREQ(ShipData[index].callSign, "TC6163");
    EXPECT_STREQ(ShipData[index].extra.classB.vendorId, "1D00014");
    EXPECT_EQ(ShipData[index].shipType, 60);
    EXPECT_EQ(ShipData[index].dimB, 15);
    EXPECT_EQ(ShipData[index].msg24Part, 1);
    EXPECT_EQ(RxAisMsgId, AIS_MSG_ID_24B);
    EXPECT_EQ(NoStation, 6);
}

TEST_F(StationTable, OwnShipAndKinds)
{
    UN_AIS_MESSAGE m = positionReport(211000000, 0);
    EXPECT_EQ(StoreAisMsg(&m, 0, 0, true), 0);
    EXPECT_EQ(ShipData[0].mmsi, 211000000u);
    m = positionReport(211999999, 5);
    EXPECT_EQ(StoreAisMsg(&m, 0, 0, true), 0);
    EXPECT_EQ(ShipData[0].mmsi, 211000000u); // the first MMSI stays
    EXPECT_EQ((ShipData[0].status & STATION_NAV_STATUS_MASK) >> STATION_NAV_STATUS_SHIFT, 5);
    m = positionReport(211000000, 1);
    EXPECT_EQ(StoreAisMsg(&m, 0, 0, false), 0); // a VDM with the own MMSI

    const struct
    {
        uint32_t mmsi;
        uint8_t status;
        STATION_CLASS_TYPE kind;
    } cases[] = {{970123456, 14, STATION_CLASS_SART},
                 {970123457, 15, STATION_CLASS_SART},
                 {211000001, 14, STATION_CLASS_A},
                 {970123458, 0, STATION_CLASS_A}};
    for (const auto& c : cases) {
        m = positionReport(c.mmsi, c.status);
        const int index = StoreAisMsg(&m, 0, 0, false);
        ASSERT_GT(index, 0);
        EXPECT_EQ(ShipData[index].stationClass, c.kind) << c.mmsi;
    }
    std::memset(&m, 0, sizeof(m));
    m.msg21.msgId = 21;
    m.msg21.mmsi = 992351000;
    m.msg21.atonType = 14;
    m.msg21.virtualAton = 1;
    std::strcpy(m.msg21.name, "CARDINAL N@@@@@@@@@@");
    std::strcpy(m.msg21.nameExtension, "BUOY 4@@");
    int index = StoreAisMsg(&m, 0, 0, false);
    EXPECT_EQ(ShipData[index].stationClass, STATION_CLASS_ATON);
    EXPECT_STREQ(ShipData[index].name, "CARDINAL N");
    EXPECT_STREQ(ShipData[index].extra.aton.nameExtension, "BUOY 4");
    EXPECT_EQ(ShipData[index].extra.aton.flags, (14 << ATON_TYPE_SHIFT) | ATON_VIRTUAL);
    EXPECT_EQ(+RxAtoNReportMsg.message.mmsi, 992351000u);

    std::memset(&m, 0, sizeof(m));
    m.msg4.msgId = 4;
    m.msg4.mmsi = 2655619;
    m.msg4.epfsType = 7;
    index = StoreAisMsg(&m, 0, 0, false);
    EXPECT_EQ(ShipData[index].stationClass, STATION_CLASS_BASE);
    EXPECT_EQ(ShipData[index].status & STATION_EPFS_MASK, 7);

    m.head.msgId = 27;
    const int before = NoStation;
    EXPECT_EQ(StoreAisMsg(&m, 0, 0, false), -1);
    EXPECT_EQ(NoStation, before);
}

TEST_F(StationTable, MessagesForTheStores)
{
    UN_AIS_MESSAGE m;
    std::memset(&m, 0, sizeof(m));
    m.msg14.msgId = 14;
    m.msg14.mmsi = 970123456;
    std::strcpy(m.msg14.text, "SART ACTIVE");
    StoreAisMsg(&m, 1, 0, false);
    EXPECT_EQ(+RxSafetyBroadcastMsg.newData, 1);
    EXPECT_STREQ(RxSafetyBroadcastMsg.message.text, "SART ACTIVE");

    std::memset(&m, 0, sizeof(m));
    m.msg8.msgId = 8;
    m.msg8.data[0] = 0x01; // DAC 4, FI 31: big-endian on the air
    m.msg8.data[1] = 0x1F;
    StoreAisMsg(&m, 0, 0, false);
    EXPECT_EQ(+RxBinaryBroadcastMsg.newData, 1);
    uint16_t identifier = 0;
    std::memcpy(&identifier, RxBinaryBroadcastMsg.message.data, 2);
    EXPECT_EQ(identifier, 4 << 6 | 31);

    std::memset(&m, 0, sizeof(m));
    m.msg20.msgId = 20;
    m.msg20.block[0].offset = 1234;
    StoreAisMsg(&m, 1, 7, false);
    EXPECT_EQ(+DataLinkManageMsg.newData, 1);
    EXPECT_EQ(+DataLinkManageMsg.channel, 1u);
    EXPECT_EQ(+DataLinkManageMsg.slot, 7u);
    EXPECT_EQ(+DataLinkManageMsg.message.block[0].offset, 1234);
    EXPECT_FLOAT_EQ(+GrpAssignCmdMsg.message.longitude1, 181.0f);
}

TEST_F(StationTable, FullTableReusesTheOldestTarget)
{
    for (uint32_t i = 1; i < AIS_STATION_MAX; ++i) {
        SysUtcTime = UTC_TIME{static_cast<uint8_t>(i / 3600), static_cast<uint8_t>(i / 60 % 60),
                              static_cast<uint8_t>(i % 60), 0};
        UN_AIS_MESSAGE m = positionReport(200000000 + i, 0);
        ASSERT_EQ(StoreAisMsg(&m, 0, 0, false), static_cast<int>(i));
    }
    EXPECT_EQ(NoStation, AIS_STATION_MAX);
    // Station 1 is heard again, so station 2 is now the one heard longest ago.
    SysUtcTime = UTC_TIME{1, 0, 0, 0};
    UN_AIS_MESSAGE again = positionReport(200000001, 0);
    EXPECT_EQ(StoreAisMsg(&again, 0, 0, false), 1);
    SysUtcTime = UTC_TIME{1, 0, 1, 0};
    UN_AIS_MESSAGE newcomer = positionReport(300000000, 0);
    std::strcpy(ShipData[2].name, "OLD NAME");
    EXPECT_EQ(StoreAisMsg(&newcomer, 0, 0, false), 2);
    EXPECT_EQ(ShipData[2].mmsi, 300000000u);
    EXPECT_STREQ(ShipData[2].name, "");
    EXPECT_EQ(NoStation, AIS_STATION_MAX);
    EXPECT_EQ(ShipData[0].mmsi, 0u);
}

TEST_F(StationTable, DistanceBearingCpaAndLost)
{
    ShipData[0].longitude = 0.0f;
    ShipData[0].latitude = 0.0f;
    ShipData[0].sog = 10.0f;
    ShipData[0].cog = 0.0f;
    ShipData[0].cpaEnable = 1;
    UN_AIS_MESSAGE m = positionReport(211000001, 0);
    m.msg1.longitude = 0.0f;
    m.msg1.latitude = 10.0f / 60.0f;
    m.msg1.sog = 10.0f;
    m.msg1.cog = 180.0f;
    const int index = StoreAisMsg(&m, 0, 0, false);
    CalAllStationDistance(index, 0.0f, 0.0f);
    EXPECT_NEAR(ShipData[index].distance, 10.0, 0.05);
    CalAllStationBearing(index);
    const float north = ShipData[index].bearing;
    EXPECT_LT(north < 180.0f ? north : 360.0f - north, 0.01f);
    CalAllStationCPA(index);
    EXPECT_NEAR(ShipData[index].cpa, 0.0, 0.05);
    EXPECT_NEAR(ShipData[index].tcpa, 30.0, 0.2);
    ShipData[index].sog = 102.3f;
    CalAllStationCPA(index);
    EXPECT_FLOAT_EQ(ShipData[index].cpa, -1.0f);
    CalAllStationDistance(index, 181.0f, 91.0f);
    EXPECT_FLOAT_EQ(ShipData[index].distance, -1.0f);

    EXPECT_EQ(DeleteLostShipData(), -1);
    ShipData[index].hostTime -= 3601;
    EXPECT_EQ(DeleteLostShipData(), index);
    EXPECT_EQ(NoStation, 1);
}

namespace {

// Stores each message's sentences through Parser, as they arrive on the air.
void receive(const UN_AIS_MESSAGE& message)
{
    const std::vector<std::string> sentences = armour(message, "VDM", 'A', 3);
    ASSERT_FALSE(sentences.empty());
    for (size_t i = 0; i < sentences.size(); ++i) {
        const signed char expected = i + 1 < sentences.size() ? I62_RESULT_FRAGMENT : I62_RESULT_TAKEN;
        ASSERT_EQ(parse(sentences[i]), expected) << sentences[i];
    }
}

UN_AIS_MESSAGE staticReport(uint32_t mmsi)
{
    UN_AIS_MESSAGE m{};
    m.msg5.msgId = 5;
    m.msg5.mmsi = mmsi;
    m.msg5.aisVersion = 1;
    m.msg5.imo = 9134270;
    std::strcpy(m.msg5.callSign, "3FOF8");
    std::strcpy(m.msg5.name, "EVER DIADEM");
    m.msg5.shipType = 70;
    m.msg5.dimensions = 225u << 21 | 70u << 12 | 1u << 6 | 31u;
    m.msg5.epfsType = 1;
    m.msg5.eta = 5u << 16 | 15u << 11 | 14u << 6 | 30u;
    m.msg5.draught = 12.2f;
    std::strcpy(m.msg5.destination, "NEW YORK");
    return m;
}

UN_AIS_MESSAGE classBReport(uint32_t mmsi)
{
    UN_AIS_MESSAGE m{};
    m.msg18.msgId = 18;
    m.msg18.mmsi = mmsi;
    m.msg18.sog = 5.5f;
    m.msg18.longitude = 4.5f;
    m.msg18.latitude = 52.2f;
    m.msg18.cog = 90.0f;
    m.msg18.trueHeading = 91;
    m.msg18.unitFlag = 1;
    m.msg18.displayFlag = 1;
    m.msg18.dscFlag = 1;
    m.msg18.bandFlag = 1;
    m.msg18.msg22Flag = 1;
    m.msg18.raim = 1;
    return m;
}

} // namespace

TEST_F(StationTable, AReusedRecordShowsNothingOfItsPreviousStation)
{
    for (uint32_t i = 1; i < AIS_STATION_MAX; ++i) {
        SysUtcTime = UTC_TIME{0, static_cast<uint8_t>(i / 60 % 60), static_cast<uint8_t>(i % 60), 0};
        UN_AIS_MESSAGE m = positionReport(200000000 + i, 0);
        ASSERT_EQ(StoreAisMsg(&m, 0, 0, false), static_cast<int>(i));
    }
    // Record 1 is heard longest ago; fill it with everything a station can tell.
    receive(staticReport(200000001));
    receive(classBReport(200000001));
    ASSERT_EQ(ShipData[1].dimA, 225);
    ASSERT_NE(ShipData[1].extra.classB.flags, 0);
    for (int i = 2; i < AIS_STATION_MAX; ++i)
        ShipData[i].lastTime = UTC_TIME{2, 0, 0, 0};
    ShipData[1].lastTime = UTC_TIME{1, 0, 0, 0};
    SysUtcTime = UTC_TIME{3, 0, 0, 0};

    UN_AIS_MESSAGE newcomer = positionReport(300000000, 0);
    ASSERT_EQ(StoreAisMsg(&newcomer, 0, 0, false), 1);
    const GENERIC_SHIP_DATA& r = ShipData[1];
    EXPECT_EQ(r.mmsi, 300000000u);
    EXPECT_EQ(r.stationClass, STATION_CLASS_A);
    EXPECT_STREQ(r.name, "");
    EXPECT_STREQ(r.callSign, "");
    EXPECT_STREQ(r.destination, "");
    EXPECT_EQ(r.shipType, 0);
    EXPECT_EQ(r.dimA + r.dimB + r.dimC + r.dimD, 0);
    EXPECT_EQ(r.imo, 0u);
    EXPECT_EQ(r.etaMonth + r.etaDay + r.etaHour + r.etaMinute, 0);
    EXPECT_EQ(r.aisVersion, 0);
    EXPECT_FLOAT_EQ(r.draught, 0.0f);
    EXPECT_EQ(r.extra.classB.flags, 0);
    EXPECT_STREQ(r.extra.classB.vendorId, "");
    EXPECT_EQ(r.status & STATION_EPFS_MASK, 0);
    EXPECT_FLOAT_EQ(r.trueHeading, 511.0f);
}

TEST_F(StationTable, TextsEndAtTheirFirstNoCharacterAndLoseTheirPadding)
{
    UN_AIS_MESSAGE aton{};
    aton.msg21.msgId = 21;
    aton.msg21.mmsi = 992351000;
    aton.msg21.longitude = 1.0f;
    aton.msg21.latitude = 51.0f;
    std::strcpy(aton.msg21.name, "IBC G BUOY@@@@@@@@@@");
    receive(aton);
    EXPECT_STREQ(ShipData[RxAisShipId].name, "IBC G BUOY");

    UN_AIS_MESSAGE padded = staticReport(211000002);
    std::strcpy(padded.msg5.name, "NORDIC STAR         ");
    std::strcpy(padded.msg5.destination, "HAMBURG@@@@@@@@@@@@@");
    std::strcpy(padded.msg5.callSign, "DABC ");
    receive(padded);
    EXPECT_STREQ(ShipData[RxAisShipId].name, "NORDIC STAR");
    EXPECT_STREQ(ShipData[RxAisShipId].destination, "HAMBURG");
    EXPECT_STREQ(ShipData[RxAisShipId].callSign, "DABC");
}

TEST_F(StationTable, ClassBFlagsAndVendorIdOfOneStationKeepEachOther)
{
    receive(classBReport(338000001));
    const int index = RxAisShipId;
    const uint8_t flags = ShipData[index].extra.classB.flags;
    ASSERT_NE(flags, 0);
    UN_AIS_MESSAGE partB{};
    partB.msg24B.msgId = 24;
    partB.msg24B.mmsi = 338000001;
    partB.msg24B.partNumber = 1;
    partB.msg24B.shipType = 37;
    std::strcpy(partB.msg24B.vendorId, "KLV1234");
    std::strcpy(partB.msg24B.callSign, "WDE5432");
    receive(partB);
    EXPECT_EQ(RxAisShipId, index);
    EXPECT_STREQ(ShipData[index].extra.classB.vendorId, "KLV1234");
    EXPECT_EQ(ShipData[index].extra.classB.flags, flags);
    receive(classBReport(338000001));
    EXPECT_STREQ(ShipData[index].extra.classB.vendorId, "KLV1234");
}
