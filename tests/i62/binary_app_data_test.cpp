#include "i62/BinaryAppData.h"

#include "i62/AisMsgFormat.h"

#include "LibraryTest.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace TestSupport;

namespace {

constexpr int kPayloadBytes = 120;

class BinaryAppData : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        AppDataInitial();
    }

    template <typename Record> int pack(const Record& record, const AIS_message_formatter& format)
    {
        return AppDataPack(payload, &bits, reinterpret_cast<const uint8_t*>(&record), sizeof(record), &format,
                           kPayloadBytes);
    }

    static APP_DATA_FI22_HEADER header(uint16_t linkId, uint8_t noticeType)
    {
        APP_DATA_FI22_HEADER h{};
        h.dac = 1;
        h.fi = 22;
        h.linkId = linkId;
        h.noticeType = noticeType;
        h.month = 7;
        h.day = 4;
        h.duration = 1440;
        return h;
    }

    // A point notice at (latitude, longitude) that starts a link record.
    void sendPoint(uint16_t linkId, uint8_t noticeType, float latitude, float longitude, uint8_t scale = 0)
    {
        APP_DATA_FI22_AREA0 notice{};
        notice.header = header(linkId, noticeType);
        notice.area[0].scale = scale;
        notice.area[0].longitude = longitude;
        notice.area[0].latitude = latitude;
        ASSERT_EQ(pack(notice, AppDataFmtFI22[FI22_AREA_CIRCLE]), APP_DATA_DONE);
        ASSERT_EQ(BinaryAppData_Unpack_FI22(payload, bits), APP_DATA_DONE);
    }

    uint8_t payload[kPayloadBytes] = {};
    uint16_t bits = 0;
};

APP_DATA_FI22_POLY poly(uint8_t shape, uint8_t scale, std::initializer_list<std::pair<uint32_t, uint32_t>> points)
{
    APP_DATA_FI22_POLY area{};
    area.shape = shape;
    area.scale = scale;
    int i = 0;
    for (const auto& p : points) {
        area.point[i][0] = p.first;
        area.point[i][1] = p.second;
        ++i;
    }
    return area;
}

} // namespace

TEST_F(BinaryAppData, PointNoticeStartsALinkRecord)
{
    sendPoint(5, 3, 50.25f, 2.5f);
    EXPECT_EQ(GetFI22_Area(), FI22_AREA_CIRCLE);
    EXPECT_EQ(+RxAppDataFI22_Area0.header.dac, 1);
    EXPECT_EQ(+RxAppDataFI22_Area0.header.fi, 22);
    EXPECT_EQ(+RxAppDataFI22_Area0.header.duration, 1440u);
    EXPECT_NEAR(RxAppDataFI22_Area0.area[0].latitude, 50.25, 1e-5);
    EXPECT_EQ(+RecordLinkId.linkId, 5);
    EXPECT_EQ(+RecordLinkId.noticeType, 3);
    EXPECT_EQ(+RecordLinkId.pointCount, 1);
    EXPECT_EQ(+RecordLinkId.started, 1);
    EXPECT_NEAR(RecordLinkId.startLongitude, 2.5, 1e-5);

    // A circle with a scale is no start point.
    sendPoint(6, 3, 10.0f, 10.0f, 1);
    EXPECT_EQ(+RecordLinkId.linkId, 5);
}

TEST_F(BinaryAppData, PolylinePointsFollowTheStartPoint)
{
    sendPoint(5, 3, 0.0f, 0.0f);
    APP_DATA_FI22_POLY_AREA notice{};
    notice.header = header(5, 3);
    // East 100 km, then north 1800 m (scale 2: distances times 100); a polygon after is ignored.
    notice.area[0] = poly(FI22_AREA_POLYLINE, 2, {{90, 1000}, {0, 18}});
    notice.area[1] = poly(FI22_AREA_POLYGON, 0, {{180, 500}});
    ASSERT_EQ(pack(notice, AppDataFmtFI22[FI22_AREA_POLYLINE]), APP_DATA_DONE);
    EXPECT_EQ(AisMsgCodec_GetAppIdentifier_FI22(payload), FI22_AREA_POLYLINE);
    ASSERT_EQ(BinaryAppData_Unpack_FI22(payload, bits), APP_DATA_DONE);
    EXPECT_EQ(+RxAppDataFI22_Area3.area[0].point[1][1], 18u);

    EXPECT_EQ(+RecordLinkId.shape, FI22_AREA_POLYLINE);
    ASSERT_EQ(+RecordLinkId.pointCount, 3);
    EXPECT_FLOAT_EQ(+RecordLinkId.point[0].distance, 100000.0f);
    EXPECT_FLOAT_EQ(+RecordLinkId.point[1].distance, 1800.0f);
    EXPECT_EQ(+RecordLinkId.completed, 1);
    EXPECT_NEAR(RecordLinkId.point[0].longitude, 100000.0 / 1852.0 / 60.0, 1e-4);
    EXPECT_NEAR(RecordLinkId.point[0].latitude, 0.0, 1e-6);
    EXPECT_NEAR(RecordLinkId.point[1].latitude, 1800.0 / 1852.0 / 60.0, 1e-4);
    EXPECT_NEAR(RecordLinkId.point[1].longitude, RecordLinkId.point[0].longitude, 1e-6);

    // Another link is not followed.
    notice.header = header(9, 3);
    ASSERT_EQ(pack(notice, AppDataFmtFI22[FI22_AREA_POLYLINE]), APP_DATA_DONE);
    ASSERT_EQ(BinaryAppData_Unpack_FI22(payload, bits), APP_DATA_DONE);
    EXPECT_EQ(+RecordLinkId.pointCount, 3);
}

TEST_F(BinaryAppData, LinkRecordKeepsToItsCapacity)
{
    sendPoint(7, 1, 10.0f, 10.0f);
    APP_DATA_FI22_POLY_AREA notice{};
    notice.header = header(7, 1);
    for (APP_DATA_FI22_POLY& area : notice.area)
        area = poly(FI22_AREA_POLYGON, 0, {{10, 100}, {20, 100}, {30, 100}, {40, 100}});
    ASSERT_EQ(pack(notice, AppDataFmtFI22[FI22_AREA_POLYGON]), APP_DATA_DONE);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(BinaryAppData_Unpack_FI22(payload, bits), APP_DATA_DONE);
    EXPECT_EQ(+RecordLinkId.pointCount, FI22_LINK_CAPACITY + 1);
    EXPECT_EQ(+RecordLinkId.completed, 0);
}

TEST_F(BinaryAppData, AnglesAndDistancesOnTheSphere)
{
    RecordLinkId = FI22_LINK_RECORD{};
    RecordLinkId.pointCount = 3;
    RecordLinkId.point[0] = FI22_LINK_POINT{90.0f, 111120.0f, 0.0f, 0.0f};
    RecordLinkId.point[1] = FI22_LINK_POINT{0.0f, 1852.0f, 0.0f, 0.0f};
    CalAngDist2LatLon();
    EXPECT_NEAR(RecordLinkId.point[0].longitude, 1.0, 1e-5);
    EXPECT_NEAR(RecordLinkId.point[0].latitude, 0.0, 1e-6);
    EXPECT_NEAR(RecordLinkId.point[1].latitude, 1.0 / 60.0, 1e-6);
}

TEST_F(BinaryAppData, RouteInformation)
{
    APP_DATA_FI27 route{};
    route.dac = 1;
    route.fi = 27;
    route.linkId = 12;
    route.routeType = 3;
    route.waypointCount = 3;
    const float points[3][2] = {{4.5f, 51.9f}, {4.25f, 52.0f}, {-1.5f, 50.75f}};
    for (int i = 0; i < 3; ++i) {
        route.waypoint[i][0] = points[i][0];
        route.waypoint[i][1] = points[i][1];
    }
    ASSERT_EQ(pack(route, AppDataFmtFI27), APP_DATA_DONE);
    EXPECT_EQ(bits, 16 + 10 + 3 + 5 + 20 + 18 + 5 + 3 * 55);
    AIS_message_formatter format{};
    ASSERT_EQ(AppData_GetFormat_ByData(payload, &format), APP_DATA_DONE);
    EXPECT_EQ(+format.fields, AppDataFmtFI27.fields);
    ASSERT_EQ(BinaryAppData_Unpack_FI27(payload, bits), APP_DATA_DONE);
    EXPECT_EQ(+RxAppDataFI27.linkId, 12);
    ASSERT_EQ(+RxAppDataFI27.waypointCount, 3);
    EXPECT_NEAR(RxAppDataFI27.waypoint[2][0], -1.5, 1e-5);
    EXPECT_NEAR(RxAppDataFI27.waypoint[1][1], 52.0, 1e-5);

    // A count of waypoints the record has no room for fails instead of running past it.
    AisMsgInsertPut(payload, 72, 5, 31);
    EXPECT_EQ(BinaryAppData_Unpack_FI27(payload, bits), APP_DATA_FAILED);
    EXPECT_EQ(BinaryAppData_Unpack_FI27(nullptr, bits), APP_DATA_FAILED);
    EXPECT_EQ(BinaryAppData_Unpack_FI22(nullptr, bits), APP_DATA_FAILED);
}

TEST_F(BinaryAppData, FormatByData)
{
    AIS_message_formatter format{};
    // FI 22 with a text sub-area (shape 5): the empty format.
    uint8_t data[16] = {};
    AisMsgInsertPut(data, 0, 10, 1);
    AisMsgInsertPut(data, 10, 6, 22);
    AisMsgInsertPut(data, 71, 3, 5);
    ASSERT_EQ(AppData_GetFormat_ByData(data, &format), APP_DATA_DONE);
    EXPECT_EQ(+format.count, 0u);
    EXPECT_EQ(BinaryAppData_Unpack_FI22(data, 128), APP_DATA_DONE) << "a shape not followed";
    AisMsgInsertPut(data, 71, 3, FI22_AREA_POLYGON);
    ASSERT_EQ(AppData_GetFormat_ByData(data, &format), APP_DATA_DONE);
    EXPECT_EQ(+format.fields, AppDataFmtFI22[FI22_AREA_POLYGON].fields);
    // Another identifier takes the message layout of that id; 0 is refused.
    AisMsgInsertPut(data, 10, 6, 5);
    ASSERT_EQ(AppData_GetFormat_ByData(data, &format), APP_DATA_DONE);
    EXPECT_EQ(+format.fields, AisMsgFmt05.fields);
    AisMsgInsertPut(data, 10, 6, 0);
    EXPECT_EQ(AppData_GetFormat_ByData(data, &format), APP_DATA_FAILED);
}
