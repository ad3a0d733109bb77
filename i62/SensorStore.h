#pragma once

#include "i62/I62Clock.h"
#include "i62/SensorSentence.h"

#include <cstdint>

// The latest heading, rate of turn, speeds and GNS values, and the radar sentences.

struct GNSS_Data
{
    uint32_t system;
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    float latitude;
    float longitude;
    uint8_t gnsChars[3]; // first and second mode character, second character of the satellites field
    float gnsValues[5];  // HDOP, altitude, geoidal separation, age of differential data, station id
    float trueHeading;
    uint8_t trueHeadingValid;
    SYSTEM_TIME trueHeadingStamp;
    float magneticHeading;
    uint8_t magneticHeadingValid;
    SYSTEM_TIME magneticHeadingStamp;
    float rateOfTurn;
    float waterLongitudinal;
    float waterTransverse;
    uint8_t waterStatus; // ROT writes its status here too; the later sentence wins
    float groundLongitudinal;
    float groundTransverse;
    uint8_t groundStatus;
};

struct RADAR_DATA
{
    I62_OSD osd;
    uint8_t osdPresent;
    I62_RSD rsd;
    uint8_t rsdPresent;
    I62_TLL tll;
    uint8_t tllPresent;
    uint8_t ttd[TTD_SIZE];
    uint8_t ttdPresent;
    I62_TTM ttm;
    uint8_t ttmPresent;
    I62_TLB tlb;
    uint8_t tlbPresent;
};

extern GNSS_Data EXTGnssData;
extern RADAR_DATA EXTRadarData;

struct I61162_Data_Structure;

void StoreSensorData(const I61162_Data_Structure* record, GNSS_Data* store);
void StoreRadarData(const I61162_Data_Structure* record, RADAR_DATA* store);
