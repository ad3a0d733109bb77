#include "i62/OwnShipSensor.h"

#include "i62/AisSentenceStore.h"
#include "i62/AisStation.h"
#include "i62/I62Clock.h"
#include "i62/I62Group.h"
#include "i62/NaviCalc.h"
#include "i62/ProprietaryStore.h"
#include "i62/SensorStore.h"

#include <cstring>

uint8_t SensorData[SENSOR_DATA_FLAGS];
uint8_t GpsSource = GPS_SOURCE_NONE;
GPS_Data MyGpsData;
uint8_t RadarInfo[RADAR_TARGET_SLOTS][RADAR_TARGET_SIZE];
OWN_SHIP_SP_DATA OwnShipSpData;

namespace {

bool radarSlotsPrepared = false;

void clearRadarSlots()
{
    std::memset(RadarInfo, 0, sizeof(RadarInfo));
    for (uint8_t* slot : RadarInfo)
        slot[0] = RADAR_SLOT_EMPTY;
    radarSlotsPrepared = true;
}

constexpr uint8_t kPriorityOrder[GPS_PORT_COUNT] = {1, 0, 2, 3};
constexpr float kAccuracyLimit = 5.0f;
constexpr float kDifferentialAccuracyLimit = 15.0f;
constexpr float kExternalErrorLimit = 10.0f;
constexpr float kSamePositionKm = 0.026f;
constexpr int kUtcLead = 30; // hundredths of a second the reported time runs behind
constexpr uint8_t kExternalReferencePort = 1;

bool olderThan(const SYSTEM_TIME& stamp, const SYSTEM_TIME& now, float seconds)
{
    return SysTimeDifference(stamp, now) > seconds;
}

void dropStale(uint8_t& valid, const SYSTEM_TIME& stamp, const SYSTEM_TIME& now)
{
    if (valid != 0 && olderThan(stamp, now, SENSOR_VALID_SECONDS))
        valid = 0;
}

void resetPort(GPS_Data& port, const SYSTEM_TIME& now)
{
    port.position = I62_DEGREE{I62_LAT_NA, I62_LON_NA};
    port.positionValid = 0;
    port.timeValid = 0;
    port.timeUpdated = 0;
    port.gbsValid = 0;
    port.gbsErrorsValid = 0;
    port.dtmValid = 0;
    port.dtmWgs84 = 0;
    port.status = 'V';
    port.mode = 'N';
    port.fixMode = 1;
    port.gbsErrLatitude = -1.0f;
    port.gbsErrLongitude = -1.0f;
    std::memcpy(port.lastFormatter, "XXX", sizeof(port.lastFormatter));
    port.timeStamp = now;
    port.positionStamp = now;
    port.gbsStamp = now;
    port.dtmStamp = now;
}

// The time plus 0.3 s, carried into seconds, minutes and hours.
UTC_TIME leadTime(const I62_UTC_TIME& time)
{
    int hundredths = time.hundredths + kUtcLead;
    int second = time.second + hundredths / 100;
    int minute = time.minute + second / 60;
    const int hour = (time.hour + minute / 60) % 24;
    hundredths %= 100;
    second %= 60;
    minute %= 60;
    UTC_TIME t;
    SetUtcTime(&t, hour, minute, second, hundredths);
    return t;
}

// The port whose time the UTC clock follows: the chosen port, else the first with a valid time.
int timeSourcePort()
{
    if (GpsSource < GPS_PORT_COUNT)
        return GpsData[GpsSource].timeValid != 0 ? GpsSource : -1;
    for (int port = 0; port < GPS_PORT_COUNT; ++port) {
        if (GpsData[port].timeValid != 0)
            return port;
    }
    return -1;
}

void updateUtc(const SYSTEM_TIME& now)
{
    const int port = timeSourcePort();
    if (port < 0) {
        SensorData[SENSOR_GPS_TIME] = 0;
        bSysUtcAvail = false;
        return;
    }
    SensorData[SENSOR_GPS_TIME] = 1;
    const GPS_Data& source = GpsData[port];
    if (source.timeUpdated == 0)
        return;
    SetUtcDate(&SysUtcDate, source.date.year, source.date.month, source.date.day);
    const UTC_TIME candidate = leadTime(source.time);
    if (candidate.second != SysUtcTimeUpdate.second) {
        SysUtcTime = candidate;
        SysUtcTimeUpdate = candidate;
        SysUtcDateUpdate = SysUtcDate;
        SysUtcUpdateSysTime = now;
        SensorData[SENSOR_UTC_UPDATED] = 1;
    }
    bSysUtcAvail = true;
}

void setStatusBit(GENERIC_SHIP_DATA& record, uint16_t bit, bool set)
{
    record.status = static_cast<uint16_t>(set ? record.status | bit : record.status & ~bit);
}

} // namespace

bool SensorInitial()
{
    const SYSTEM_TIME now = GetSystemTime();
    std::memset(SensorData, 0, sizeof(SensorData));
    SysUtcUpdateSysTime = now;
    for (GPS_Data& port : GpsData)
        resetPort(port, now);
    if (GpsSource < GPS_PORT_COUNT)
        MyGpsData = GpsData[GpsSource];
    EXTGnssData.trueHeadingValid = 0;
    EXTGnssData.magneticHeadingValid = 0;
    EXTGnssData.trueHeadingStamp = now;
    EXTGnssData.magneticHeadingStamp = now;
    I62_ClearPriDataFlags(&EXTPriData);
    I62_ClearAISDataFlags(&EXTAISData);
    std::memset(&I62QueryData, 0, sizeof(I62QueryData));
    // A re-initialised library must not hand on the radar targets of the previous run.
    std::memset(&EXTRadarData, 0, sizeof(EXTRadarData));
    clearRadarSlots();
    return true;
}

void CheckSensorDataValid()
{
    const SYSTEM_TIME now = GetSystemTime();
    dropStale(EXTGnssData.trueHeadingValid, EXTGnssData.trueHeadingStamp, now);
    dropStale(EXTGnssData.magneticHeadingValid, EXTGnssData.magneticHeadingStamp, now);
}

void UpdataShipSensorData()
{
    CheckSensorDataValid();
    GENERIC_SHIP_DATA& own = ShipData[0];
    if (EXTGnssData.trueHeadingValid != 0) {
        own.trueHeading = EXTGnssData.trueHeading;
    } else if (EXTGnssData.magneticHeadingValid != 0) {
        own.trueHeading = EXTGnssData.magneticHeading;
    } else {
        SensorData[SENSOR_HEADING] = 0;
        return;
    }
    SensorData[SENSOR_HEADING] = 1;
}

void CheckGpsDataValid()
{
    const SYSTEM_TIME now = GetSystemTime();
    for (GPS_Data& port : GpsData) {
        if (port.positionValid != 0 && olderThan(port.positionStamp, now, SENSOR_VALID_SECONDS)) {
            port.positionValid = 0;
            port.gbsValid = 0;
            port.gbsErrorsValid = 0;
            port.fixMode = 1;
            port.mode = 'N';
        }
        dropStale(port.timeValid, port.timeStamp, now);
        if (port.gbsErrorsValid != 0 && olderThan(port.gbsStamp, now, SENSOR_VALID_SECONDS)) {
            port.gbsValid = 0;
            port.gbsErrorsValid = 0;
        }
        dropStale(port.courseSpeedValid, port.courseSpeedStamp, now);
        if (port.dtmValid == 0)
            continue;
        if (olderThan(port.dtmStamp, now, DTM_VALID_SECONDS)) {
            port.dtmValid = 0;
            port.dtmWgs84 = 0;
        } else {
            port.dtmWgs84 = std::strcmp(port.dtmLocalDatum, "W84") == 0 ? 1 : 0;
        }
    }
}

uint8_t JudgeGpsPriority()
{
    GpsSource = GPS_SOURCE_NONE;
    for (uint8_t port : kPriorityOrder) {
        if (GpsData[port].positionValid != 0) {
            GpsSource = port;
            MyGpsData = GpsData[port];
            break;
        }
    }
    return GpsSource;
}

uint32_t UpdataShipGpsData()
{
    const SYSTEM_TIME now = GetSystemTime();
    CheckGpsDataValid();
    JudgeGpsPriority();
    bUtcBusy = true;
    updateUtc(now);
    for (GPS_Data& port : GpsData)
        port.timeUpdated = 0;
    bUtcBusy = false;

    GENERIC_SHIP_DATA& own = ShipData[0];
    if (GpsSource >= GPS_PORT_COUNT) {
        setStatusBit(own, STATION_POS_ACCURACY | STATION_RAIM, false);
        return 0;
    }
    const GPS_Data& gps = GpsData[GpsSource];
    own.longitude = static_cast<float>(gps.position.longitude);
    own.latitude = static_cast<float>(gps.position.latitude);
    own.sog = gps.speedKnots;
    if (gps.courseSpeedValid != 0)
        own.cog = gps.courseTrue;
    setStatusBit(own, STATION_RAIM, gps.gbsValid != 0);
    const float limit = gps.mode == 'D' ? kDifferentialAccuracyLimit : kAccuracyLimit;
    // Without its expected errors a GBS says nothing about the accuracy.
    const bool accurate = gps.gbsErrorsValid != 0 && gps.gbsErrLatitude < limit && gps.gbsErrLongitude < limit;
    setStatusBit(own, STATION_POS_ACCURACY, accurate);
    const OWN_SHIP_ANTENNA& antenna = GpsSource == 0 ? OwnShipSpData.internalAntenna : OwnShipSpData.externalAntenna;
    own.dimA = antenna.a;
    own.dimB = antenna.b;
    own.dimC = antenna.c;
    own.dimD = antenna.d;
    SensorData[SENSOR_POSITION] = 1;
    SensorData[SENSOR_SOG] = 1;
    return 1;
}

bool CheckExtGpsValidity(GPS_Data record)
{
    const GPS_Data& reference = GpsData[kExternalReferencePort];
    if (record.positionValid == 0 || record.gbsErrorsValid == 0 || reference.positionValid == 0)
        return false;
    if (!(record.gbsErrLatitude < kExternalErrorLimit && record.gbsErrLongitude < kExternalErrorLimit))
        return false;
    const float km = Cal2PointsDistanceGC(
        static_cast<float>(record.position.longitude), static_cast<float>(record.position.latitude),
        static_cast<float>(reference.position.longitude), static_cast<float>(reference.position.latitude));
    return km < kSamePositionKm;
}

int AddRadarInfo()
{
    if (!radarSlotsPrepared)
        clearRadarSlots();
    const uint8_t number = EXTRadarData.ttm.number;
    if (EXTRadarData.ttmPresent == 0 || number >= RADAR_TARGET_SLOTS)
        return -1;
    std::memcpy(RadarInfo[number], &EXTRadarData.ttm, RADAR_TARGET_SIZE);
    return number;
}
