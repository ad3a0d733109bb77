#pragma once

#include "i62/GpsStore.h"

#include <cstdint>

// The own ship's sensor data: initialisation of the sensor stores, ageing of GPS and heading
// values on the library clock, the heading of the own-ship record, and the GPS source choice.

constexpr int SENSOR_DATA_FLAGS = 7;
constexpr int SENSOR_POSITION = 0;
constexpr int SENSOR_SOG = 1;
constexpr int SENSOR_HEADING = 2;
constexpr int SENSOR_GPS_TIME = 5;
constexpr int SENSOR_UTC_UPDATED = 6;

constexpr uint8_t GPS_SOURCE_NONE = GPS_PORT_COUNT;
constexpr int RADAR_TARGET_SLOTS = 100;
constexpr int RADAR_TARGET_SIZE = 64;
constexpr uint8_t RADAR_SLOT_EMPTY = 255;

// Seconds after which a value not refreshed is dropped.
constexpr float SENSOR_VALID_SECONDS = 10.0f;
constexpr float DTM_VALID_SECONDS = 30.0f;

// Antenna position of a GPS receiver: metres to bow, stern, port and starboard.
struct OWN_SHIP_ANTENNA
{
    uint16_t a;
    uint16_t b;
    uint8_t c;
    uint8_t d;
};

// The internal antenna serves GPS port 0, the external one the other ports.
struct OWN_SHIP_SP_DATA
{
    OWN_SHIP_ANTENNA internalAntenna;
    OWN_SHIP_ANTENNA externalAntenna;
};

extern uint8_t SensorData[SENSOR_DATA_FLAGS];
extern uint8_t GpsSource;
extern GPS_Data MyGpsData;
extern uint8_t RadarInfo[RADAR_TARGET_SLOTS][RADAR_TARGET_SIZE];
extern OWN_SHIP_SP_DATA OwnShipSpData;

bool SensorInitial();
void UpdataShipSensorData();
void CheckSensorDataValid();
void CheckGpsDataValid();
uint8_t JudgeGpsPriority();
// 1 when the own-ship record took a position, 0 when no GPS port has one.
uint32_t UpdataShipGpsData();
bool CheckExtGpsValidity(GPS_Data record);
// The slot of the radar target copied, or -1.
int AddRadarInfo();
