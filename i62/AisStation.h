#pragma once

#include "i62/AisMessage.h"
#include "i62/I62Clock.h"

#include <cstdint>
#include <ctime>

// Station table: one record per AIS station, own ship first, filled from decoded messages.

constexpr int AIS_STATION_MAX = 501;
constexpr int AIS_NAME_SIZE = 21;
constexpr int AIS_CALL_SIGN_SIZE = 8;
constexpr int AIS_VENDOR_ID_SIZE = 8;

// Station kinds (the same values as the target model's AIS types).
enum STATION_CLASS_TYPE : uint32_t {
    STATION_CLASS_BASE = 0,
    STATION_CLASS_SAR_AIRCRAFT = 1,
    STATION_CLASS_ATON = 2,
    STATION_CLASS_A = 3,
    STATION_CLASS_B = 4,
    STATION_CLASS_SART = 5,
    STATION_CLASS_EMPTY = 6
};

// Status bits of a station record.
constexpr uint16_t STATION_EPFS_MASK = 0x000F;
constexpr uint16_t STATION_NAV_STATUS_MASK = 0x00F0;
constexpr int STATION_NAV_STATUS_SHIFT = 4;
constexpr uint16_t STATION_POS_ACCURACY = 0x0100;
constexpr uint16_t STATION_RAIM = 0x0200;
constexpr uint16_t STATION_DTE = 0x0400;

// Class B flag bits (message 18).
constexpr uint8_t CLASS_B_ASSIGNED = 0x01;
constexpr uint8_t CLASS_B_UNIT = 0x02;
constexpr uint8_t CLASS_B_DISPLAY = 0x04;
constexpr uint8_t CLASS_B_DSC = 0x08;
constexpr uint8_t CLASS_B_BAND = 0x10;
constexpr uint8_t CLASS_B_MSG22 = 0x20;

// AtoN flag bits (message 21).
constexpr uint8_t ATON_OFF_POSITION = 0x01;
constexpr int ATON_TYPE_SHIFT = 1;
constexpr uint8_t ATON_TYPE_MASK = 0x3E;
constexpr uint8_t ATON_VIRTUAL = 0x40;
constexpr uint8_t ATON_ASSIGNED = 0x80;

struct AIS_CLASS_B_EXTRA
{
    uint8_t flags;
    char vendorId[AIS_VENDOR_ID_SIZE];
};

struct AIS_ATON_EXTRA
{
    uint8_t flags;
    uint8_t status;
    char nameExtension[AIS_NAME_EXT_21_SIZE];
};

struct AIS_SAR_EXTRA
{
    float altitude;
};

// What only one kind of station carries.
union AIS_CLASS_EXTRA {
    AIS_CLASS_B_EXTRA classB;
    AIS_ATON_EXTRA aton;
    AIS_SAR_EXTRA sar;
};

struct GENERIC_SHIP_DATA
{
    STATION_CLASS_TYPE stationClass;
    uint64_t mmsi;
    uint16_t status;
    float longitude;
    float latitude;
    float sog;
    float cog;
    float trueHeading;
    char name[AIS_NAME_SIZE];
    char callSign[AIS_CALL_SIGN_SIZE];
    uint8_t shipType;
    uint8_t dimD;
    uint8_t dimC;
    uint16_t dimB;
    uint16_t dimA;
    uint64_t imo;
    float rot;
    uint8_t etaMinute;
    uint8_t etaHour;
    uint8_t etaDay;
    uint8_t etaMonth;
    uint8_t aisVersion;
    float draught;
    char destination[AIS_NAME_SIZE];
    AIS_CLASS_EXTRA extra;
    uint8_t cpaEnable;
    float distance;
    float bearing;
    float cpa;
    float tcpa;
    time_t hostTime;
    UTC_DATE lastDate;
    UTC_TIME lastTime;
    UTC_DATE firstDate;
    UTC_TIME firstTime;
    uint32_t vdmCount;
    uint32_t vdoCount;
    uint8_t lastMsgId;
    uint8_t msg24Part;
};

static_assert(sizeof(STATION_CLASS_TYPE) == 4, "station kind is 32 bits");

extern GENERIC_SHIP_DATA ShipData[AIS_STATION_MAX];
extern int32_t NoStation;

// Stores a decoded message; the record index, or -1 for a message id of 0 or above 26.
int StoreAisMsg(const UN_AIS_MESSAGE* message, int channel, int slot, bool ownShip);
bool ShipInitial();
void ResetShipData(GENERIC_SHIP_DATA* record);
int DeleteOldestShipData();
int DeleteLostShipData();
void CalAllStationDistance(int index, float ownLongitude, float ownLatitude);
void CalAllStationBearing(int index);
void CalAllStationCPA(int index);
