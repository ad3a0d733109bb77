#include "SensorEngine/TargetBase.h"

#include "i62/AisStation.h"
#include "i62/GpsStore.h"
#include "i62/SensorStore.h"
#include "services/PortalTime.h"

#include <cmath>
#include <cstring>

namespace SensorScope {

namespace {

// What a message takes from the station record besides its kind.
enum : uint32_t {
    TAKE_NAV_STATUS = 1u << 0,
    TAKE_ROT = 1u << 1,
    TAKE_ACCURACY = 1u << 2,
    TAKE_RAIM = 1u << 3,
    TAKE_HEADING = 1u << 4,
    TAKE_EPFS = 1u << 5,
    TAKE_SHIP_TYPE = 1u << 6,
    TAKE_DTE = 1u << 7,
    TAKE_NAME = 1u << 8,
    TAKE_CALL_SIGN = 1u << 9,
    TAKE_DIMENSIONS = 1u << 10,
    TAKE_VOYAGE = 1u << 11,   // class A: IMO, ETA, AIS version, draught, destination
    TAKE_ALTITUDE = 1u << 12, // SAR aircraft
    TAKE_CLASS_B = 1u << 13,  // class B flags
    TAKE_ATON = 1u << 14,     // AtoN flags, status and name extension
    TAKE_PART_24 = 1u << 15,  // message 24: part A the name, part B the rest
    TAKE_KIND = 1u << 16,
    MOVE_MOTION = 1u << 20, // SOG, COG and position
    MOVE_POSITION = 1u << 21,
};

struct SMessageRule
{
    int msgId;
    uint32_t take;
};

constexpr SMessageRule kRules[] = {
    {1, TAKE_KIND | TAKE_NAV_STATUS | TAKE_ROT | TAKE_ACCURACY | TAKE_RAIM | TAKE_HEADING | MOVE_MOTION},
    {2, TAKE_KIND | TAKE_NAV_STATUS | TAKE_ROT | TAKE_ACCURACY | TAKE_RAIM | TAKE_HEADING | MOVE_MOTION},
    {3, TAKE_KIND | TAKE_NAV_STATUS | TAKE_ROT | TAKE_ACCURACY | TAKE_RAIM | TAKE_HEADING | MOVE_MOTION},
    {4, TAKE_KIND | TAKE_EPFS | TAKE_ACCURACY | TAKE_RAIM | MOVE_POSITION},
    {5, TAKE_KIND | TAKE_EPFS | TAKE_SHIP_TYPE | TAKE_DTE | TAKE_NAME | TAKE_CALL_SIGN | TAKE_DIMENSIONS | TAKE_VOYAGE},
    {9, TAKE_KIND | TAKE_ACCURACY | TAKE_RAIM | TAKE_DTE | TAKE_ALTITUDE | MOVE_MOTION},
    {16, TAKE_KIND},
    {17, TAKE_KIND},
    {18, TAKE_KIND | TAKE_ACCURACY | TAKE_RAIM | TAKE_HEADING | TAKE_CLASS_B | MOVE_MOTION},
    {19, TAKE_KIND | TAKE_ACCURACY | TAKE_RAIM | TAKE_HEADING | TAKE_EPFS | TAKE_SHIP_TYPE | TAKE_DTE | TAKE_NAME |
             TAKE_DIMENSIONS | MOVE_MOTION},
    {20, TAKE_KIND},
    {21, TAKE_KIND | TAKE_ACCURACY | TAKE_RAIM | TAKE_NAME | TAKE_EPFS | TAKE_DIMENSIONS | TAKE_ATON | MOVE_POSITION},
    {22, TAKE_KIND},
    {23, TAKE_KIND},
    {24, TAKE_KIND | TAKE_PART_24},
};

uint32_t rulesOf(int msgId)
{
    for (const SMessageRule& rule : kRules) {
        if (rule.msgId == msgId)
            return rule.take;
    }
    return 0;
}

template <std::size_t N> void copyText(char (&destination)[N], const char* source, std::size_t limit)
{
    const std::size_t n = strnlen(source, limit < N - 1 ? limit : N - 1);
    std::memcpy(destination, source, n);
    destination[n] = '\0';
}

bool inRange(double latitude, double longitude)
{
    return std::fabs(latitude) < 91.0 && std::fabs(longitude) < 181.0;
}

uint32_t etaFieldsOf(const GENERIC_SHIP_DATA& r)
{
    return static_cast<uint32_t>(r.etaMonth) << 24 | static_cast<uint32_t>(r.etaDay) << 16 |
           static_cast<uint32_t>(r.etaHour) << 8 | r.etaMinute;
}

// The next ETA of the given month, day, hour and minute from now on.
time_t etaOf(const GENERIC_SHIP_DATA& r, time_t now)
{
    if (r.etaMonth == 0)
        return now;
    const int hour = r.etaHour >= 24 ? 0 : r.etaHour;
    const short year = Portal::Time::GetCurYear(now);
    time_t eta = Portal::Time::ConvterYMDHMS2TimeT(year, r.etaMonth, r.etaDay, hour, r.etaMinute, 0, 0.0f);
    if (eta < now)
        eta = Portal::Time::ConvterYMDHMS2TimeT(year + 1, r.etaMonth, r.etaDay, hour, r.etaMinute, 0, 0.0f);
    return eta;
}

} // namespace

void CTargetBase::initMember()
{
    m_mmsi = TARGET_MMSI_NA;
    m_latitude = TARGET_LAT_NA;
    m_longitude = TARGET_LON_NA;
    m_sog = TARGET_SOG_NA;
    m_cog = TARGET_COG_NA;
    std::memset(m_name, 0, sizeof(m_name));
    m_range = -1.0f;
    m_bearing = 360.0f;
    m_bearing2 = 360.0f;
    m_cpa = -1.0f;
    m_tcpa = 0.0f;
}

void CAisData::initAisData()
{
    m_aisType = AIS_TYPE_NONE;
    m_positionValid = false;
    m_firstSeen = 0;
    m_lastMsgId = 0;
    m_epfsType = 0;
    m_navStatus = 0;
    m_posAccuracy = 0;
    m_raim = 0;
    m_dte = 1;
    m_trueHeading = TARGET_HEADING_NA;
    std::memset(m_callSign, 0, sizeof(m_callSign));
    m_shipType = 0;
    m_dimA = m_dimB = m_dimC = m_dimD = 0.0f;
    m_outlineWord = 0;
    std::memset(&m_class, 0, sizeof(m_class));
    m_typed = false;
    m_etaFields = 0;
}

void CAisData::resetData()
{
    resetBaseData();
    initAisData();
}

bool CAisData::assignData(const CAisData* source)
{
    if (source == nullptr)
        return false;
    *this = *source;
    return true;
}

bool CAisData::iniAisTypeData(uint32_t stationKind)
{
    if (stationKind > AIS_TYPE_SART)
        return false;
    std::memset(&m_class, 0, sizeof(m_class));
    return true;
}

bool CAisData::setLatLonChecking(double latitude, double longitude)
{
    if (inRange(latitude, longitude)) {
        m_latitude = latitude;
        m_longitude = longitude;
        m_positionValid = true;
    } else {
        m_latitude = TARGET_LAT_NA;
        m_longitude = TARGET_LON_NA;
        m_positionValid = false;
    }
    return m_positionValid;
}

bool CAisData::setAisData(uint8_t record, bool updatePosition)
{
    const GENERIC_SHIP_DATA& r = ShipData[record];
    if (!m_typed && r.stationClass <= STATION_CLASS_SART) {
        iniAisTypeData(r.stationClass);
        m_typed = true;
        m_firstSeen = now();
    }
    m_lastMsgId = r.lastMsgId;
    m_mmsi = static_cast<uint32_t>(r.mmsi & 0xFFFFFFFFu);

    const uint32_t take = rulesOf(r.lastMsgId);
    if (take & TAKE_KIND)
        m_aisType = static_cast<int32_t>(r.stationClass);
    if (take & TAKE_NAV_STATUS) {
        m_navStatus = static_cast<uint8_t>((r.status & STATION_NAV_STATUS_MASK) >> STATION_NAV_STATUS_SHIFT);
        if (m_aisType == AIS_TYPE_SART)
            m_class.sart.sartMode = m_navStatus == 15 ? 2 : m_navStatus == 14 ? 1 : m_class.sart.sartMode;
    }
    if ((take & TAKE_ROT) && m_aisType == AIS_TYPE_CLASS_A)
        m_class.classA.rot = r.rot;
    if (take & TAKE_ACCURACY)
        m_posAccuracy = (r.status & STATION_POS_ACCURACY) != 0 ? 1 : 0;
    if (take & TAKE_RAIM)
        m_raim = (r.status & STATION_RAIM) != 0 ? 1 : 0;
    if (take & TAKE_HEADING)
        m_trueHeading = r.trueHeading;
    if (take & TAKE_EPFS)
        m_epfsType = static_cast<uint8_t>(r.status & STATION_EPFS_MASK);
    if (take & TAKE_SHIP_TYPE)
        m_shipType = r.shipType;
    if (take & TAKE_DTE)
        m_dte = (r.status & STATION_DTE) != 0 ? 1 : 0;
    if (take & TAKE_NAME)
        copyText(m_name, r.name, 20);
    if (take & TAKE_CALL_SIGN)
        copyText(m_callSign, r.callSign, 7);
    if (take & TAKE_DIMENSIONS) {
        m_dimA = r.dimA;
        m_dimB = r.dimB;
        m_dimC = r.dimC;
        m_dimD = r.dimD;
    }
    if ((take & TAKE_VOYAGE) && m_aisType == AIS_TYPE_CLASS_A) {
        AIS_CLASS_A_DATA& a = m_class.classA;
        a.imo = static_cast<uint32_t>(r.imo);
        // The local-time conversion reads the zone file at every call: a repeated message 5
        // keeps the ETA it gave while that still lies ahead, when it would give the same.
        const time_t at = now();
        const uint32_t fields = etaFieldsOf(r);
        if (fields != m_etaFields || a.eta < at) {
            a.eta = etaOf(r, at);
            m_etaFields = fields;
        }
        a.aisVersion = r.aisVersion;
        a.draught = r.draught;
        copyText(a.destination, r.destination, 20);
    }
    if ((take & TAKE_ALTITUDE) && m_aisType == AIS_TYPE_SAR)
        m_class.sar.altitude = r.extra.sar.altitude;
    if ((take & TAKE_CLASS_B) && m_aisType == AIS_TYPE_CLASS_B) {
        for (int bit = 0; bit < 6; ++bit)
            m_class.classB.flags[bit] = (r.extra.classB.flags >> bit) & 1u;
    }
    if ((take & TAKE_ATON) && m_aisType == AIS_TYPE_ATON) {
        AIS_ATON_DATA& aton = m_class.aton;
        aton.offPosition = (r.extra.aton.flags & ATON_OFF_POSITION) != 0 ? 1 : 0;
        aton.atonType = static_cast<uint8_t>((r.extra.aton.flags & ATON_TYPE_MASK) >> ATON_TYPE_SHIFT);
        aton.virtualAton = (r.extra.aton.flags & ATON_VIRTUAL) != 0 ? 1 : 0;
        aton.assigned = (r.extra.aton.flags & ATON_ASSIGNED) != 0 ? 1 : 0;
        aton.status = r.extra.aton.status;
        copyText(aton.nameExtension, r.extra.aton.nameExtension, 14);
    }
    if (take & TAKE_PART_24) {
        if (r.msg24Part != 0) {
            copyText(m_callSign, r.callSign, 7);
            m_shipType = r.shipType;
            m_dimA = r.dimA;
            m_dimB = r.dimB;
            m_dimC = r.dimC;
            m_dimD = r.dimD;
            if (m_aisType == AIS_TYPE_CLASS_B)
                copyText(m_class.classB.vendorId, r.extra.classB.vendorId, 7);
        } else {
            copyText(m_name, r.name, 20);
        }
    }

    if (!updatePosition || !(take & (MOVE_MOTION | MOVE_POSITION)))
        return m_positionValid;
    if (take & MOVE_MOTION) {
        m_sog = r.sog < 0.0f ? TARGET_SOG_NA : r.sog;
        m_cog = r.cog < 0.0f ? TARGET_COG_NA : r.cog;
    }
    return setLatLonChecking(r.latitude, r.longitude);
}

void CAisData::setGpsData()
{
    const GPS_Data& gps = GpsData[CurGpsPort < GPS_PORT_COUNT ? CurGpsPort : 0];
    if (gps.positionValid == 0)
        return;
    setLatLonChecking(gps.position.latitude, gps.position.longitude);
    m_sog = gps.speedKnots < 0.0f ? TARGET_SOG_NA : gps.speedKnots;
    if (gps.courseSpeedValid != 0)
        m_cog = gps.courseTrue < 0.0f ? TARGET_COG_NA : gps.courseTrue;
}

void CAisData::setCompassData()
{
    if (EXTGnssData.trueHeadingValid != 0)
        m_trueHeading = EXTGnssData.trueHeading;
    else if (EXTGnssData.magneticHeadingValid != 0)
        m_trueHeading = EXTGnssData.magneticHeading;
}

void CArpaData::initArpaData()
{
    initMember();
    std::memset(m_status, 0, sizeof(m_status));
    m_status[0] = 'T';
    m_status[1] = 'T';
    m_status[2] = 'N';
    m_acquisitionType = -1;
}

void CArpaData::setAcquisitionType(char type)
{
    m_acquisitionType = type == 'A' ? 0 : type == 'M' ? 1 : type == 'R' ? 3 : -1;
}

bool CArpaData::assignData(const CArpaData* source)
{
    if (source == nullptr)
        return false;
    *this = *source;
    return true;
}

} // namespace SensorScope
