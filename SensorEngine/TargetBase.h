#pragma once

#include "SensorEngine/SensorScope.h"

#include <cstdint>
#include <ctime>

namespace SensorScope {

constexpr uint32_t TARGET_MMSI_NA = 1000000000;
constexpr double TARGET_LAT_NA = 91.0;
constexpr double TARGET_LON_NA = 181.0;
constexpr float TARGET_SOG_NA = 102.3f;
constexpr float TARGET_COG_NA = 360.0f;
constexpr float TARGET_HEADING_NA = 511.0f;
constexpr float TARGET_ROT_NA = 9990.0f; // and above
constexpr int TARGET_NAME_SIZE = 21;
constexpr int TARGET_CALL_SIGN_SIZE = 8;
constexpr int TARGET_VENDOR_ID_SIZE = 8;
constexpr int TARGET_NAME_EXT_SIZE = 15;

// Outline dimensions of a target in metres: to bow, stern, port and starboard.
struct SSensorTargetDimension
{
    float a = 0.0f;
    float b = 0.0f;
    float c = 0.0f;
    float d = 0.0f;
};

typedef struct SAisClassAData
{
    uint32_t imo;
    float rot; // degrees per minute
    time_t eta;
    uint8_t aisVersion;
    float draught;
    char destination[TARGET_NAME_SIZE];
} AIS_CLASS_A_DATA;

typedef struct SAisClassBData
{
    char vendorId[TARGET_VENDOR_ID_SIZE];
    uint8_t flags[6]; // class B flag bits 0 to 5, one each
} AIS_CLASS_B_DATA;

typedef struct SAisAtonData
{
    uint8_t offPosition;
    uint8_t atonType;
    uint8_t virtualAton;
    uint8_t assigned;
    uint8_t status; // bit 0 health, bits 1-2 light, bits 3-4 RACON
    char nameExtension[TARGET_NAME_EXT_SIZE];
} AIS_ATON_DATA;

typedef struct SAisSarData
{
    uint32_t reserved;
    float altitude;
} AIS_SAR_DATA;

typedef struct SAisSartData
{
    int32_t sartMode; // 1 active, 2 test, 0 none
} AIS_SART_DATA;

// What only one kind of station carries.
union UAisClassData {
    AIS_CLASS_A_DATA classA;
    AIS_CLASS_B_DATA classB;
    AIS_ATON_DATA aton;
    AIS_SAR_DATA sar;
    AIS_SART_DATA sart;
};

// What every target has: identity, position, motion and the measurements against the own ship.
class CTargetBase
{
public:
    CTargetBase() { initMember(); }
    void initMember();
    void resetBaseData() { initMember(); }

    uint32_t m_mmsi;
    double m_latitude;
    double m_longitude;
    float m_sog;
    float m_cog;
    char m_name[TARGET_NAME_SIZE];
    float m_range;
    float m_bearing;
    float m_bearing2;
    float m_cpa;
    float m_tcpa;
};

// The AIS data of one station, copied out of the sentence library's station records.
class CAisData : public CTargetBase
{
public:
    CAisData() { initAisData(); }

    bool setAisData(uint8_t record, bool updatePosition);
    void setGpsData();
    void setCompassData();
    bool setLatLonChecking(double latitude, double longitude);
    void setPosOk(bool ok) { m_positionValid = ok; }
    void setTrueHeading(float heading) { m_trueHeading = heading; }
    bool iniAisTypeData(uint32_t stationKind);
    void resetData();
    void initAisData();
    bool assignData(const CAisData* source);
    SSensorTargetDimension dimension() const { return {m_dimA, m_dimB, m_dimC, m_dimD}; }

    int32_t m_aisType;
    bool m_positionValid;
    time_t m_firstSeen;
    uint8_t m_lastMsgId;
    uint8_t m_epfsType;
    uint8_t m_navStatus;
    uint8_t m_posAccuracy;
    uint8_t m_raim;
    uint8_t m_dte;
    float m_trueHeading;
    char m_callSign[TARGET_CALL_SIGN_SIZE];
    uint8_t m_shipType;
    float m_dimA;
    float m_dimB;
    float m_dimC;
    float m_dimD;
    uint32_t m_outlineWord;
    UAisClassData m_class;
    bool m_typed;
    // The ETA fields (month, day, hour, minute) the class A ETA was worked out from.
    uint32_t m_etaFields;

    // The host clock every AIS record reads (first seen, ETA); tests replace it.
    static void setHostClock(HostClock clock) { s_hostClock = clock; }
    static time_t now() { return s_hostClock(); }

private:
    static inline HostClock s_hostClock = &HostTime;
};

// The radar model of a target; nothing creates one in this program.
class CArpaData : public CTargetBase
{
public:
    CArpaData() { initArpaData(); }
    void initArpaData();
    void setAcquisitionType(char type);
    bool assignData(const CArpaData* source);

    char m_status[9];
    int32_t m_acquisitionType;
};

} // namespace SensorScope
