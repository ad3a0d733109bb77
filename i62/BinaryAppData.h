#pragma once

#include "i62/AisCodec.h"

#include <cstddef>
#include <cstdint>

// Binary application data of function identifiers 22 (area notice) and 27 (route information)
// as the binary data of a message 8 carries it, from the application identifier on, and the
// record of an area notice whose polyline or polygon points are given as angle and distance
// from the previous point.

constexpr int FI22_AREA_CIRCLE = 0;
constexpr int FI22_AREA_POLYLINE = 3;
constexpr int FI22_AREA_POLYGON = 4;
constexpr int FI22_CIRCLES = 8;
constexpr int FI22_POLYS = 4;
constexpr int FI22_POLY_POINTS = 4;
constexpr int FI27_WAYPOINTS = 16;
constexpr int FI22_LINK_CAPACITY = 32;
constexpr uint8_t FI22_SHAPE_NONE = 0xFF;

// Results of the unpackers and the format choice.
constexpr int APP_DATA_DONE = 0;
constexpr int APP_DATA_FAILED = 1;

#pragma pack(push, 1)
struct APP_DATA_FI22_HEADER
{
    uint16_t dac;
    uint8_t fi;
    uint16_t linkId;
    uint8_t noticeType;
    uint8_t month;
    uint8_t day;
    uint8_t hour;
    uint8_t minute;
    uint32_t duration;
};

// Circle or point: radius 0 is a point.
struct APP_DATA_FI22_CIRCLE
{
    uint8_t shape;
    uint8_t scale;
    float longitude;
    float latitude;
    uint8_t precision;
    uint16_t radius;
    uint32_t spare;
};

// Polyline or polygon: four (angle, distance) points; a distance of 0 ends the list.
struct APP_DATA_FI22_POLY
{
    uint8_t shape;
    uint8_t scale;
    uint32_t point[FI22_POLY_POINTS][2];
    uint8_t spare;
};

struct APP_DATA_FI22_AREA0
{
    APP_DATA_FI22_HEADER header;
    APP_DATA_FI22_CIRCLE area[FI22_CIRCLES];
    uint8_t reserved[13];
};

struct APP_DATA_FI22_POLY_AREA
{
    APP_DATA_FI22_HEADER header;
    APP_DATA_FI22_POLY area[FI22_POLYS];
    uint8_t reserved[9];
};

struct APP_DATA_FI27
{
    uint16_t dac;
    uint8_t fi;
    uint16_t linkId;
    uint8_t senderClass;
    uint8_t routeType;
    uint8_t month;
    uint8_t day;
    uint8_t hour;
    uint8_t minute;
    uint32_t duration;
    uint8_t waypointCount;
    float waypoint[FI27_WAYPOINTS][2]; // longitude, latitude
    uint8_t reserved[2];
};
#pragma pack(pop)

static_assert(sizeof(APP_DATA_FI22_HEADER) == 14, "area notice head");
static_assert(sizeof(APP_DATA_FI22_AREA0) == 163 && sizeof(APP_DATA_FI22_POLY_AREA) == 163, "area notice");
static_assert(sizeof(APP_DATA_FI27) == 146, "route information");

struct FI22_LINK_POINT
{
    float angle;    // degrees
    float distance; // metres
    float longitude;
    float latitude;
};

// The area notice being followed: its start point and the points of its sub-areas.
struct FI22_LINK_RECORD
{
    int32_t linkId; // -1 when empty
    uint8_t noticeType;
    float startLongitude;
    float startLatitude;
    uint8_t shape; // FI22_SHAPE_NONE until a polyline or polygon fixes it
    int32_t pointCount;
    FI22_LINK_POINT point[FI22_LINK_CAPACITY];
    uint8_t started;
    uint8_t completed;
};

extern APP_DATA_FI27 RxAppDataFI27;
extern APP_DATA_FI22_AREA0 RxAppDataFI22_Area0;
extern APP_DATA_FI22_POLY_AREA RxAppDataFI22_Area3;
extern APP_DATA_FI22_POLY_AREA RxAppDataFI22_Area4;
extern int FI22_Area;
extern FI22_LINK_RECORD RecordLinkId;

// The formats of FI22 shapes 0, 3 and 4 and of FI27; empty until AppDataInitial.
extern AIS_message_formatter AppDataFmtFI22[FI22_AREA_POLYGON + 1];
extern AIS_message_formatter AppDataFmtFI27;

bool AppDataInitial();
// Packs a record by a format into payload (payloadSize bytes): the inverse of the unpackers.
int AppDataPack(uint8_t* payload, uint16_t* bits, const uint8_t* record, int recordSize,
                const AIS_message_formatter* format, int payloadSize);
// The format of binary data: FI 27 its own, FI 22 the one of its area shape (empty for a
// shape without one), any other id the message layout of that id. 0 found, 1 not.
int AppData_GetFormat_ByData(const uint8_t* payload, AIS_message_formatter* format);
int BinaryAppData_Unpack_FI27(const uint8_t* payload, uint16_t bits);
int BinaryAppData_Unpack_FI22(const uint8_t* payload, uint16_t bits);
// The area shape of the first sub-area, also kept in FI22_Area.
int AisMsgCodec_GetAppIdentifier_FI22(const uint8_t* payload);
int GetFI22_Area();
void RecordForLinkID_FI22(int shape);
void RecordFor_FI22(const APP_DATA_FI22_POLY* area);
void RecordFor_FI22_Area3(const APP_DATA_FI22_POLY_AREA* notice);
void CalAngDist2LatLon();
