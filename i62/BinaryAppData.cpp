#include "i62/BinaryAppData.h"

#include "i62/AisMsgFormat.h"

#include <cmath>
#include <cstring>

APP_DATA_FI27 RxAppDataFI27;
APP_DATA_FI22_AREA0 RxAppDataFI22_Area0;
APP_DATA_FI22_POLY_AREA RxAppDataFI22_Area3;
APP_DATA_FI22_POLY_AREA RxAppDataFI22_Area4;
int FI22_Area = 0;
FI22_LINK_RECORD RecordLinkId{-1, 0, 0.0f, 0.0f, FI22_SHAPE_NONE, 0, {}, 0, 0};
AIS_message_formatter AppDataFmtFI22[FI22_AREA_POLYGON + 1];
AIS_message_formatter AppDataFmtFI27;

namespace {

using F = AIS_FIELD_DESCRIPTOR;

constexpr int U8 = AIS_FIELD_U8;
constexpr int U16 = AIS_FIELD_U16;
constexpr int U32 = AIS_FIELD_MMSI;
constexpr float M3 = 0.001f;  // position in 1/1000 minute
constexpr float M4 = 0.0001f; // position in 1/10000 minute
constexpr double kRadToDeg = 57.29577950560105;
constexpr double kMetresPerMinute = 1852.0;

// clang-format off
#define FI22_HEAD {10, U16, 1}, {6, U8, 1}, {10, U16, 1}, {7, U8, 1}, {4, U8, 1}, {5, U8, 1}, {5, U8, 1}, \
                  {6, U8, 1}, {18, U32, 1}
#define FI22_CIRCLE {3, U8, 1}, {2, U8, 1}, {25, AIS_FIELD_APP_LON, M3}, {24, AIS_FIELD_APP_LAT, M3}, {3, U8, 1}, \
                    {12, U16, 1}, {18, U32, 1}
#define FI22_POLY {3, U8, 1}, {2, U8, 1}, {80, AIS_FIELD_PAIRS, 1}, {2, U8, 1}

const F kFmtFI22Circle[] = {FI22_HEAD, FI22_CIRCLE, FI22_CIRCLE, FI22_CIRCLE, FI22_CIRCLE,
                            FI22_CIRCLE, FI22_CIRCLE, FI22_CIRCLE, FI22_CIRCLE};
const F kFmtFI22Poly[] = {FI22_HEAD, FI22_POLY, FI22_POLY, FI22_POLY, FI22_POLY};
const F kFmtFI27[] = {{10, U16, 1}, {6, U8, 1}, {10, U16, 1}, {3, U8, 1}, {5, U8, 1}, {4, U8, 1}, {5, U8, 1},
                      {5, U8, 1}, {6, U8, 1}, {18, U32, 1}, {5, U8, 1}, {0, AIS_FIELD_POS_LIST, M4}};
// clang-format on

template <std::size_t N> AIS_message_formatter formatOf(const F (&fields)[N])
{
    return AIS_message_formatter{N, fields};
}

int unpack(const uint8_t* payload, uint16_t bits, void* record, int recordSize, const AIS_message_formatter& format)
{
    if (payload == nullptr || format.fields == nullptr)
        return APP_DATA_FAILED;
    std::memset(record, 0, static_cast<std::size_t>(recordSize));
    return AisMsgCodec_Unpack(payload, static_cast<short>(bits), static_cast<uint8_t*>(record), &format, nullptr,
                              recordSize) == AIS_CODEC_DONE
               ? APP_DATA_DONE
               : APP_DATA_FAILED;
}

void clearLinkRecord()
{
    RecordLinkId = FI22_LINK_RECORD{-1, 0, 0.0f, 0.0f, FI22_SHAPE_NONE, 0, {}, 0, 0};
}

} // namespace

bool AppDataInitial()
{
    AppDataFmtFI22[FI22_AREA_CIRCLE] = formatOf(kFmtFI22Circle);
    AppDataFmtFI22[FI22_AREA_POLYLINE] = formatOf(kFmtFI22Poly);
    AppDataFmtFI22[FI22_AREA_POLYGON] = formatOf(kFmtFI22Poly);
    AppDataFmtFI27 = formatOf(kFmtFI27);
    clearLinkRecord();
    return true;
}

int AppDataPack(uint8_t* payload, uint16_t* bits, const uint8_t* record, int recordSize,
                const AIS_message_formatter* format, int payloadSize)
{
    if (payload == nullptr || bits == nullptr || record == nullptr || format == nullptr || payloadSize <= 0)
        return APP_DATA_FAILED;
    std::memset(payload, 0, static_cast<std::size_t>(payloadSize));
    return AisMsgCodec_Pack(payload, bits, record, format, 0, recordSize, payloadSize) == AIS_CODEC_DONE
               ? APP_DATA_DONE
               : APP_DATA_FAILED;
}

int AppData_GetFormat_ByData(const uint8_t* payload, AIS_message_formatter* format)
{
    if (payload == nullptr || format == nullptr)
        return APP_DATA_FAILED;
    const int id = AisMsgCodec_GetFI(AisMsgCodec_GetAppIdentifier(payload));
    if (id == 27) {
        *format = AppDataFmtFI27;
        return APP_DATA_DONE;
    }
    if (id == 22) {
        const int shape = AisMsgCodec_GetAppIdentifier_FI22(payload);
        *format = shape <= FI22_AREA_POLYGON ? AppDataFmtFI22[shape] : AIS_message_formatter{0, nullptr};
        return APP_DATA_DONE;
    }
    if (AisMsgCodec_CheckMsgId(id) != 0 || AisMsgFmt[id - 1] == nullptr)
        return APP_DATA_FAILED;
    *format = *AisMsgFmt[id - 1];
    return APP_DATA_DONE;
}

int BinaryAppData_Unpack_FI27(const uint8_t* payload, uint16_t bits)
{
    return unpack(payload, bits, &RxAppDataFI27, sizeof(RxAppDataFI27), AppDataFmtFI27);
}

int BinaryAppData_Unpack_FI22(const uint8_t* payload, uint16_t bits)
{
    if (payload == nullptr)
        return APP_DATA_FAILED;
    const int shape = AisMsgCodec_GetAppIdentifier_FI22(payload);
    int result = APP_DATA_DONE;
    switch (shape) {
    case FI22_AREA_CIRCLE:
        result = unpack(payload, bits, &RxAppDataFI22_Area0, sizeof(RxAppDataFI22_Area0), AppDataFmtFI22[shape]);
        break;
    case FI22_AREA_POLYLINE:
        result = unpack(payload, bits, &RxAppDataFI22_Area3, sizeof(RxAppDataFI22_Area3), AppDataFmtFI22[shape]);
        break;
    case FI22_AREA_POLYGON:
        result = unpack(payload, bits, &RxAppDataFI22_Area4, sizeof(RxAppDataFI22_Area4), AppDataFmtFI22[shape]);
        break;
    default:
        return APP_DATA_DONE; // a shape this library does not follow
    }
    if (result == APP_DATA_DONE)
        RecordForLinkID_FI22(shape);
    return result;
}

int AisMsgCodec_GetAppIdentifier_FI22(const uint8_t* payload)
{
    if (payload == nullptr)
        return FI22_Area;
    // Bits 71 to 73: the shape of the first sub-area behind the 71 bits of the notice's head.
    FI22_Area = ((payload[8] * 256 + (payload[9] & 0xC0)) / 64) & 7;
    return FI22_Area;
}

int GetFI22_Area()
{
    return FI22_Area;
}

void RecordForLinkID_FI22(int shape)
{
    if (shape == FI22_AREA_CIRCLE) {
        const APP_DATA_FI22_AREA0& notice = RxAppDataFI22_Area0;
        if (notice.area[0].scale != 0)
            return;
        clearLinkRecord();
        RecordLinkId.linkId = notice.header.linkId;
        RecordLinkId.noticeType = notice.header.noticeType;
        RecordLinkId.startLongitude = notice.area[0].longitude;
        RecordLinkId.startLatitude = notice.area[0].latitude;
        RecordLinkId.pointCount = 1;
        RecordLinkId.started = 1;
        return;
    }
    if (shape == FI22_AREA_POLYLINE)
        RecordFor_FI22_Area3(&RxAppDataFI22_Area3);
    else if (shape == FI22_AREA_POLYGON)
        RecordFor_FI22_Area3(&RxAppDataFI22_Area4);
}

void RecordFor_FI22_Area3(const APP_DATA_FI22_POLY_AREA* notice)
{
    if (notice == nullptr || RecordLinkId.started == 0 || notice->header.linkId != RecordLinkId.linkId ||
        notice->header.noticeType != RecordLinkId.noticeType)
        return;
    for (const APP_DATA_FI22_POLY& area : notice->area) {
        if (area.shape != FI22_AREA_POLYLINE && area.shape != FI22_AREA_POLYGON)
            continue;
        if (RecordLinkId.shape == FI22_SHAPE_NONE)
            RecordLinkId.shape = area.shape;
        if (area.shape == RecordLinkId.shape)
            RecordFor_FI22(&area);
    }
    CalAngDist2LatLon();
}

void RecordFor_FI22(const APP_DATA_FI22_POLY* area)
{
    if (area == nullptr)
        return;
    const float factor = static_cast<float>(std::pow(10.0, area->scale));
    for (int i = 0; i < FI22_POLY_POINTS; ++i) {
        // Read by value: the packed record gives no alignment to bind a reference to.
        const uint32_t angle = area->point[i][0];
        const uint32_t distance = area->point[i][1];
        if (distance == 0) {
            RecordLinkId.completed = 1;
            return;
        }
        // The start point holds the first place; the capacity bounds the rest.
        if (RecordLinkId.pointCount < 1 || RecordLinkId.pointCount >= FI22_LINK_CAPACITY + 1)
            return;
        FI22_LINK_POINT& p = RecordLinkId.point[RecordLinkId.pointCount - 1];
        p.angle = static_cast<float>(angle);
        p.distance = static_cast<float>(distance) * factor;
        ++RecordLinkId.pointCount;
    }
}

void CalAngDist2LatLon()
{
    double lat = RecordLinkId.startLatitude / kRadToDeg;
    double lon = RecordLinkId.startLongitude / kRadToDeg;
    const int points = RecordLinkId.pointCount - 1;
    for (int i = 0; i < points && i < FI22_LINK_CAPACITY; ++i) {
        FI22_LINK_POINT& p = RecordLinkId.point[i];
        const double d = p.distance / kMetresPerMinute / 60.0 / kRadToDeg;
        const double b = p.angle / kRadToDeg;
        const double lat2 = std::asin(std::sin(lat) * std::cos(d) + std::cos(lat) * std::sin(d) * std::cos(b));
        const double lon2 =
            lon + std::atan(std::sin(b) * std::sin(d) * std::cos(lat) / (std::cos(d) - std::sin(lat) * std::sin(lat2)));
        p.latitude = static_cast<float>(lat2 * kRadToDeg);
        p.longitude = static_cast<float>(lon2 * kRadToDeg);
        lat = lat2;
        lon = lon2;
    }
}
