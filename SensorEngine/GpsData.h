#pragma once

#include "SensorEngine/SensorScope.h"

#include "i62/I62Field.h"

#include <cstdint>
#include <ctime>

namespace SensorScope {

constexpr int GPS_SAT_MAX = 24;

// The satellites of one GSV cycle.
typedef struct SGsvSatTable
{
    uint8_t inView = 0;
    uint8_t msgNumber = 0;
    uint8_t msgCount = 0;
    uint8_t count = 0;
    uint8_t prn[GPS_SAT_MAX] = {};
    uint8_t elevation[GPS_SAT_MAX] = {};
    uint16_t azimuth[GPS_SAT_MAX] = {};
    uint8_t snr[GPS_SAT_MAX] = {};
    uint8_t inUse[GPS_SAT_MAX] = {};
} GSV_SAT_TABLE;

// The GPS state the GPS page shows, copied sentence by sentence out of the sentence library's
// GPS record of the current port. Plain data: a reader takes a whole copy.
class CGpsData
{
public:
    CGpsData();

    void initGpsData();
    // Takes in the stored sentence of the given formatter id; returns the step of the UTC time.
    int setGpsData(int formatterId);

    void updateGsvRelayData(int formatterId);
    void storeGsvRelay();
    void setGsvMsgNum();
    bool checkNewGsvInfo() const;
    void updateNewGsvRelay();
    void setGsvInfo();
    uint8_t updateGpsDataValid();

    void setHostClock(HostClock clock) { m_hostClock = clock; }

    uint8_t m_positionSeen = 0;
    uint8_t m_dateSeen = 0;
    uint8_t m_timeValid = 0;
    uint8_t m_positionValid = 0;
    uint8_t m_integrity = 0;
    uint8_t m_courseSpeedValid = 0;
    uint8_t m_datum = 0;
    uint8_t m_publishPending = 0;
    time_t m_utcTime = 0;
    GSV_SAT_TABLE m_workingSats;
    GSV_SAT_TABLE m_shownSats;
    uint8_t m_prnInUse[GPS_SAT_MAX] = {};
    uint8_t m_prnInUseCount = 0;
    time_t m_positionStatusTime = 0;
    time_t m_dateStatusTime = 0;
    time_t m_courseSpeedTime = 0;
    time_t m_positionTime = 0;
    time_t m_integrityTime = 0;
    time_t m_datumTime = 0;
    float m_geoidSep = 0.0f;
    double m_latitude = 91.0;
    double m_longitude = 181.0;
    float m_cog = 360.0f;
    float m_sog = 102.3f;
    float m_hdop = 99.9f;
    int32_t m_fixMode = 1;

protected:
    HostClock m_hostClock = &HostTime;

private:
    struct NoInit
    {
    };
    // Every field at its starting value, without touching the sentence library.
    explicit CGpsData(NoInit);

    void takePosition(time_t now, bool withGeoidSep);
    void takeCourseSpeed(time_t now);
    int updateUtc(time_t now);
    time_t utcOf(const I62_DATE& date, const I62_UTC_TIME& time);

    I62_DATE m_utcDate = {};
    I62_UTC_TIME m_utcClock = {};
    time_t m_utcConverted = 0;
};

} // namespace SensorScope
