#pragma once

#include "i62/GnssSentence.h"
#include "i62/I62Clock.h"
#include "i62/I62Field.h"

#include <cstdint>

// The GPS record of each GPS port, filled from the GPS-group sentences with validity flags and
// library-clock stamps.

constexpr int GPS_PORT_COUNT = 4;

// Systems by talker.
enum GNSS_SYSTEM : uint32_t {
    GNSS_SYSTEM_OTHER = 0,
    GNSS_SYSTEM_GPS = 1,
    GNSS_SYSTEM_GLONASS = 2,
    GNSS_SYSTEM_COMBINED = 3,
    GNSS_SYSTEM_LORAN_C = 4,
    GNSS_SYSTEM_INTEGRATED = 6
};

struct GPS_Data
{
    uint32_t system;
    I62_UTC_TIME time;
    I62_DEGREE position;
    uint8_t quality;
    uint8_t selectionMode;
    uint8_t fixMode;
    float geoidSep;
    I62_DATE date;
    uint8_t mode;
    uint8_t status;
    uint8_t navStatus;
    float courseTrue;
    float courseMagnetic;
    float speedKnots;
    float speedKmh;
    uint8_t satsInUse;
    uint8_t satIds[GNSS_SAT_IDS];
    float pdop;
    float hdop;
    float vdop;
    uint8_t gsvInView;
    uint8_t gsvMessages;
    uint8_t gsvNumber;
    uint8_t gsvSatCount;
    uint8_t gsvIds[GSV_SATS_PER_MSG];
    uint8_t gsvElevations[GSV_SATS_PER_MSG];
    uint16_t gsvAzimuths[GSV_SATS_PER_MSG];
    uint8_t gsvSnrs[GSV_SATS_PER_MSG];
    float gbsErrLatitude;
    float gbsErrLongitude;
    float gbsErrAltitude;
    uint8_t gbsFailedSat;
    float gbsProbability;
    float gbsBias;
    float gbsBiasDeviation;
    uint8_t timeValid;
    uint8_t timeUpdated;
    SYSTEM_TIME timeStamp;
    uint8_t positionValid;
    SYSTEM_TIME positionStamp;
    uint8_t courseSpeedValid;
    SYSTEM_TIME courseSpeedStamp;
    uint8_t gbsValid;       // a GBS was taken
    uint8_t gbsErrorsValid; // with all three expected errors
    SYSTEM_TIME gbsStamp;
    char dtmLocalDatum[DTM_DATUM_SIZE];
    char dtmSubdivision;
    double dtmLatOffset;
    double dtmLonOffset;
    float dtmAltOffset;
    char dtmReferenceDatum[DTM_DATUM_SIZE];
    uint8_t dtmValid;
    uint8_t dtmWgs84;
    uint8_t fix3D2D;
    SYSTEM_TIME dtmStamp;
    char lastFormatter[3];
};

extern GPS_Data GpsData[GPS_PORT_COUNT];
// The port written and read; stays 0 in this program.
extern uint8_t CurGpsPort;

struct I61162_Data_Structure;

// "GP" 1, "GL" 2, "GN" 3, "LC" 4, "IN" 6, any other 0.
uint32_t I62_GnssSystemOf(const char* talker);
// Hour below 24, minute and second below 60.
bool I62_IsTimeOfDay(const I62_UTC_TIME& time);

void StoreGPSData(const I61162_Data_Structure* record, GPS_Data* port);
