#include "SensorEngine/GpsData.h"

#include "i62/GpsStore.h"
#include "i62/I62FieldValue.h"
#include "i62/OwnShipSensor.h"
#include "services/PortalTime.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace SensorScope {

namespace {

enum GPS_FORMATTER_ID { FMT_GGA = 1, FMT_GLL, FMT_GBS, FMT_GSA, FMT_GSV, FMT_RMC, FMT_VTG, FMT_ZDA, FMT_DTM };

constexpr float kLibrarySpeedNa = -100000.0f;
constexpr float kSpeedNa = 102.3f;
constexpr time_t kTimeJumpSeconds = 11;
constexpr time_t kValidSeconds = 11;
constexpr time_t kDatumSeconds = 30;

const GPS_Data& port()
{
    return GpsData[CurGpsPort < GPS_PORT_COUNT ? CurGpsPort : 0];
}

GPS_Data& writablePort()
{
    return GpsData[CurGpsPort < GPS_PORT_COUNT ? CurGpsPort : 0];
}

bool isSatelliteId(uint8_t prn)
{
    return prn > 0 && prn != I62_U8_EMPTY;
}

} // namespace

CGpsData::CGpsData()
{
    initGpsData();
}

void CGpsData::initGpsData()
{
    SensorInitial();
    const HostClock clock = m_hostClock;
    *this = CGpsData(NoInit{});
    m_hostClock = clock;
}

CGpsData::CGpsData(NoInit)
{}

void CGpsData::takePosition(time_t now, bool withGeoidSep)
{
    const GPS_Data& r = port();
    if (withGeoidSep)
        m_geoidSep = r.geoidSep;
    m_latitude = r.position.latitude;
    m_longitude = r.position.longitude;
    m_positionValid = r.positionValid;
    m_positionTime = now;
    m_positionSeen = 1;
    m_publishPending = 1;
}

void CGpsData::takeCourseSpeed(time_t now)
{
    const GPS_Data& r = port();
    m_courseSpeedValid = r.courseSpeedValid;
    if (m_courseSpeedValid != 0) {
        m_cog = r.courseTrue;
        m_courseSpeedTime = now;
    }
    m_sog = std::fabs(r.speedKnots - kLibrarySpeedNa) < 1.0f ? kSpeedNa : r.speedKnots;
}

int CGpsData::setGpsData(int formatterId)
{
    const time_t now = m_hostClock();
    const GPS_Data& r = port();
    switch (formatterId) {
    case FMT_GGA:
        takePosition(now, true);
        break;
    case FMT_GLL:
        takePosition(now, false);
        break;
    case FMT_GBS:
        m_integrity = r.gbsValid;
        if (m_integrity != 0)
            m_integrityTime = now;
        m_positionSeen = 1;
        m_publishPending = 1;
        break;
    case FMT_GSA:
        m_fixMode = r.fixMode;
        m_hdop = r.hdop;
        for (uint8_t prn : r.satIds) {
            if (isSatelliteId(prn) && m_prnInUseCount < GPS_SAT_MAX)
                m_prnInUse[m_prnInUseCount++] = prn;
        }
        break;
    case FMT_GSV:
        updateGsvRelayData(formatterId);
        break;
    case FMT_RMC:
        takeCourseSpeed(now);
        m_dateSeen = 1;
        takePosition(now, true);
        break;
    case FMT_VTG:
        takeCourseSpeed(now);
        m_publishPending = 1;
        break;
    case FMT_ZDA:
        m_dateSeen = 1;
        break;
    case FMT_DTM:
        m_datum = r.dtmValid;
        if (m_datum != 0)
            m_datumTime = now;
        break;
    default:
        break;
    }
    setGsvInfo();
    return updateUtc(now);
}

// Satellites of a GSV cycle become visible with the next position or course sentence.
void CGpsData::setGsvInfo()
{
    if (m_publishPending == 0)
        return;
    m_publishPending = 0;
    if (m_workingSats.count == 0)
        return;
    m_shownSats = m_workingSats;
    std::memset(m_prnInUse, 0, sizeof(m_prnInUse));
    m_prnInUseCount = 0;
    m_workingSats = GSV_SAT_TABLE();
}

// The sentences of one second share their time: the calendar conversion, which reads the
// system's zone each time, runs once per second.
time_t CGpsData::utcOf(const I62_DATE& date, const I62_UTC_TIME& time)
{
    if (std::memcmp(&date, &m_utcDate, sizeof(date)) != 0 || time.hour != m_utcClock.hour ||
        time.minute != m_utcClock.minute || time.second != m_utcClock.second || m_utcConverted == 0) {
        m_utcDate = date;
        m_utcClock = time;
        m_utcConverted = Portal::Time::ConvterYMDHMS2TimeT(date.year, date.month, date.day, time.hour, time.minute,
                                                           time.second, 0.0f);
    }
    return m_utcConverted;
}

int CGpsData::updateUtc(time_t now)
{
    const GPS_Data& r = port();
    if (m_positionSeen != 0 || m_dateSeen != 0)
        m_timeValid = r.timeValid;
    if (m_timeValid == 0)
        return m_timeValid;
    const time_t utc = utcOf(r.date, r.time);
    const time_t previous = m_utcTime;
    // Kept even when it jumps, so that the next consistent sentence makes the fix valid again.
    m_utcTime = utc;
    if (previous != 0 && std::llabs(static_cast<long long>(utc - previous)) >= kTimeJumpSeconds) {
        m_timeValid = 0;
        m_positionValid = 0;
        return static_cast<int>(utc - previous);
    }
    if (m_dateSeen != 0)
        m_dateStatusTime = now;
    else if (m_positionSeen != 0)
        m_positionStatusTime = now;
    return static_cast<int>(previous != 0 ? utc - previous : 0);
}

void CGpsData::updateGsvRelayData(int formatterId)
{
    if (formatterId != FMT_GSV)
        return;
    setGsvMsgNum();
    storeGsvRelay();
    if (checkNewGsvInfo())
        updateNewGsvRelay();
}

void CGpsData::setGsvMsgNum()
{
    m_workingSats.msgNumber = port().gsvNumber;
    m_workingSats.msgCount = port().gsvMessages;
}

void CGpsData::storeGsvRelay()
{
    const GPS_Data& r = port();
    GSV_SAT_TABLE& table = m_workingSats;
    for (int i = 0; i < GSV_SATS_PER_MSG && i < r.gsvSatCount; ++i) {
        const uint8_t prn = r.gsvIds[i];
        if (!isSatelliteId(prn))
            continue;
        int entry = 0;
        while (entry < table.count && table.prn[entry] != prn)
            ++entry;
        if (entry == GPS_SAT_MAX)
            continue; // the table is full: a 25th satellite is not shown
        table.prn[entry] = prn;
        table.azimuth[entry] = r.gsvAzimuths[i];
        table.elevation[entry] = r.gsvElevations[i];
        if (r.gsvSnrs[i] > 0 && r.gsvSnrs[i] != I62_U8_EMPTY)
            table.snr[entry] = r.gsvSnrs[i];
        if (entry == table.count)
            ++table.count;
    }
}

bool CGpsData::checkNewGsvInfo() const
{
    return port().gsvNumber == port().gsvMessages;
}

// The last GSV of a cycle: mark the satellites of the GSA lists and take the count in view.
void CGpsData::updateNewGsvRelay()
{
    GSV_SAT_TABLE& table = m_workingSats;
    for (int entry = 0; entry < table.count; ++entry) {
        table.inUse[entry] = 0;
        for (int k = 0; k < m_prnInUseCount; ++k) {
            if (m_prnInUse[k] == table.prn[entry])
                table.inUse[entry] = 1;
        }
    }
    table.inView = port().gsvInView;
}

uint8_t CGpsData::updateGpsDataValid()
{
    GPS_Data& r = writablePort();
    const time_t now = m_hostClock();
    if (now - m_positionTime >= kValidSeconds) {
        r.positionValid = 0;
        r.gbsValid = 0;
        r.gbsErrorsValid = 0;
        r.fixMode = 1;
        r.mode = 'N';
    }
    if (m_timeValid != 0 && now - m_positionStatusTime >= kValidSeconds && now - m_dateStatusTime >= kValidSeconds)
        r.timeValid = 0;
    if (m_integrity != 0 && now - m_integrityTime >= kValidSeconds) {
        r.gbsValid = 0;
        r.gbsErrorsValid = 0;
    }
    if (m_courseSpeedValid != 0 && now - m_courseSpeedTime >= kValidSeconds)
        r.courseSpeedValid = 0;
    if (m_datum != 0) {
        if (now - m_datumTime < kDatumSeconds) {
            r.dtmWgs84 = std::strncmp(r.dtmLocalDatum, "W84", 3) == 0 ? 1 : 0;
        } else {
            r.dtmValid = 0;
            r.dtmWgs84 = 0;
        }
    }
    if (m_positionValid == 0 && m_fixMode == 3 && m_timeValid == 0)
        m_fixMode = 1;
    return r.timeValid;
}

} // namespace SensorScope
