#include "SensorEngine/TargetStrConvt.h"

#include "services/PortalStr.h"
#include "services/StringConvt.h"

#include <QByteArray>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace SensorScope {
namespace Target {
namespace TargetStrConvt {

namespace {

constexpr const char* kNa = "N/A";
constexpr const char* kNone = "--";
constexpr const char* kDegree = "\xC2\xB0"; // the degree sign in UTF-8

struct SShipType
{
    char text[32];
    uint32_t code;
};

const SShipType kShipTypes[] = {
    {"N/A;No ship", 10},
    {"WIG", 20},
    {"Vessel-Fishing", 30},
    {"Vessel-Towing", 31},
    {"Vessel-Tow>200m,breadth>25m", 32},
    {"Vessel-Dredge,Underwater OP", 33},
    {"Vessel-Diving OP", 34},
    {"Vessel-Military OP", 35},
    {"Vessel-Sailing", 36},
    {"Vessel-Pleasure craft", 37},
    {"HSC", 40},
    {"Pilot vessel", 50},
    {"Search & rescue vessel", 51},
    {"Tug", 52},
    {"Port tender", 53},
    {"Anti-pollution vessel", 54},
    {"Law enforcement vessel", 55},
    {"Medical transport", 58},
    {"Resolution 18(Mob-83)", 59},
    {"Passenger ship", 60},
    {"Cargo ship", 70},
    {"Tanker", 80},
    {"Unknown ship type!", 90},
};
constexpr int kFutureTypeIndex = 24;
constexpr int kLocalAssignedIndex = 25;

const char* const kCargo[] = {"N/A; Harmless", "DG,HS or MP(Pollutant A)", "DG,HS or MP(Pollutant B)",
                              "DG,HS or MP(Pollutant C)", "DG,HS or MP(Pollutant D)"};
const char* const kEpfs[] = {"Undefined", "GPS",    "GLONASS",    "GPS+GLONASS",
                             "Loran-C",   "Chayka", "Integrated", "Surveyed"};
const char* const kNavStatus[] = {
    "Under way using engine",     "At anchor", "Not under command", "Restricted manoeuvrability",
    "Constrained by her draught", "Moored",    "Aground",           "Engaged in fishing",
    "Under way sailing"};
const char* const kRealVirtual[] = {"Real", "Virtual", "Synthetic"};
const char* const kAtonTypes[] = {"Not Specified",
                                  "Reference point",
                                  "RACON",
                                  "Fixed structures off-shore",
                                  "Spare, Reserved for future use",
                                  "Light, without sectors",
                                  "Light, with sectors",
                                  "Leading Light Front",
                                  "Leading Light Rear",
                                  "Beacon, Cardinal N",
                                  "Beacon, Cardinal E",
                                  "Beacon, Cardinal S",
                                  "Beacon, Cardinal W",
                                  "Beacon, Port hand",
                                  "Beacon, Starboard hand",
                                  "Beacon, Preferred Channel port hand",
                                  "Beacon, Preferred Channel starboard hand",
                                  "Beacon, Isolated danger",
                                  "Beacon, Safe water",
                                  "Beacon, Special mark",
                                  "Cardinal Mark N",
                                  "Cardinal Mark E",
                                  "Cardinal Mark S",
                                  "Cardinal Mark W",
                                  "Port hand Mark",
                                  "Starboard hand Mark",
                                  "Preferred Channel Port hand",
                                  "Preferred Channel Starboard hand",
                                  "Isolated danger",
                                  "Safe Water",
                                  "Special Mark",
                                  "Light Vessel/LANBY/Rigs"};
const char* const kHealth[] = {"Good health", "Alarm"};
const char* const kOnPosition[] = {"On position", "Off position"};
const char* const kLight[] = {"No Light", "ON", "OFF", "Error"};
const char* const kRacon[] = {"Not installed", "Not monitored", "Operational", "Error"};

void put(char* dst, std::size_t size, const char* text)
{
    if (dst != nullptr && size > 0)
        std::snprintf(dst, size, "%s", text);
}

template <std::size_t N> const char* entry(const char* const (&table)[N], std::size_t index)
{
    return table[index < N ? index : 0];
}

bool isShip(AIS_TYPE type)
{
    return type == AIS_TYPE_CLASS_A || type == AIS_TYPE_CLASS_B;
}

bool hasNoSize(AIS_TYPE type)
{
    return type == AIS_TYPE_BASE || type == AIS_TYPE_SAR;
}

bool isFixed(AIS_TYPE type)
{
    return type == AIS_TYPE_BASE || type == AIS_TYPE_ATON;
}

// One decimal, then "°" when asked.
void degrees(char* dst, std::size_t size, float value, bool withUnit)
{
    char number[32];
    Portal::Str::ConvtFloatToChar(number, sizeof(number), value, 1);
    if (withUnit)
        std::snprintf(dst, size, "%s%s", number, kDegree);
    else
        put(dst, size, number);
}

void meters(char* dst, std::size_t size, AIS_TYPE type, float metres)
{
    if (hasNoSize(type)) {
        put(dst, size, kNa);
        return;
    }
    const int whole = static_cast<int>(metres);
    if (whole == 0)
        put(dst, size, kNone);
    else
        std::snprintf(dst, size, "%dm", whole);
}

} // namespace

int getShipTypeContent(char* dst, std::size_t size, uint8_t type)
{
    if (type < 10 || type > 99) {
        std::snprintf(dst, size, "%-28s", "Undefined ship type!");
        return 0;
    }
    if (type == 56 || type == 57) {
        std::snprintf(dst, size, "%-28s", "Local assigned vessel");
        return kLocalAssignedIndex;
    }
    if (type == 38 || type == 39) {
        std::snprintf(dst, size, "%-28s", "Vessel-Future type");
        return kFutureTypeIndex;
    }
    const bool detailed = (type >= 30 && type <= 39) || (type >= 50 && type <= 59);
    const uint32_t code = detailed ? type : static_cast<uint32_t>(type / 10 * 10);
    for (std::size_t i = 0; i < std::size(kShipTypes); ++i) {
        if (kShipTypes[i].code == code) {
            std::snprintf(dst, size, "%-28s", kShipTypes[i].text);
            return static_cast<int>(i);
        }
    }
    std::snprintf(dst, size, "%-28s", "Undefined ship type!");
    return 0;
}

int getCargoTypeContent(char* dst, std::size_t size, uint8_t type)
{
    const int units = type % 10;
    const bool special = (type >= 30 && type <= 39) || (type >= 50 && type <= 59);
    if (type <= 99 && !special && units < 5) {
        std::snprintf(dst, size, "%-28s", kCargo[units]);
        return units;
    }
    std::snprintf(dst, size, "%-28s", "Unknown Cargo!");
    return -1;
}

void formatStrLat(char* dst, std::size_t size, double latitude, Unit::WORLD_POS_FORMAT format, bool fixedWidth)
{
    if (latitude == TARGET_LAT_NA)
        put(dst, size, kNone);
    else
        StringConvt::formatStrPos(dst, size, latitude, latitude >= 0 ? 'N' : 'S', format, fixedWidth);
}

void formatStrLon(char* dst, std::size_t size, double longitude, Unit::WORLD_POS_FORMAT format, bool fixedWidth)
{
    if (longitude == TARGET_LON_NA)
        put(dst, size, kNone);
    else
        StringConvt::formatStrPos(dst, size, longitude, longitude >= 0 ? 'E' : 'W', format, fixedWidth);
}

void formatStrLatLon(char* lat, std::size_t latSize, char* lon, std::size_t lonSize, double latitude, double longitude,
                     Unit::WORLD_POS_FORMAT format, bool fixedWidth)
{
    formatStrLat(lat, latSize, latitude, format, fixedWidth);
    formatStrLon(lon, lonSize, longitude, format, fixedWidth);
}

void formatStrAisType(char* dst, std::size_t size, AIS_TYPE type, Unit::FORMAT_S format)
{
    struct SNames
    {
        const char* longName;
        const char* shortName;
        const char* bracketed;
    };
    static const SNames kNames[] = {{"Base Station", "Base", "(Base)"},
                                    {"SAR", "SAR", "(SAR)"},
                                    {"AtoN", "AtoN", "(AtoN)"},
                                    {"Class A", "A", "(A)"},
                                    {"Class B", "B", "(B)"},
                                    {"SART", "SART", "(SART)"}};
    if (type < 0 || type >= AIS_TYPE_NONE) {
        put(dst, size, "");
        return;
    }
    const SNames& names = kNames[type];
    put(dst, size,
        format == Unit::FORMAT_S_LONG    ? names.longName
        : format == Unit::FORMAT_S_SHORT ? names.shortName
                                         : names.bracketed);
}

void formatStrIMO(char* dst, std::size_t size, AIS_TYPE type, const AIS_CLASS_A_DATA& data)
{
    if (type != AIS_TYPE_CLASS_A)
        put(dst, size, kNa);
    else if (data.imo == 0)
        put(dst, size, kNone);
    else
        std::snprintf(dst, size, "%d", static_cast<int>(data.imo));
}

void formatStrCallSign(char* dst, std::size_t size, AIS_TYPE type, const char* callSign)
{
    if (!isShip(type))
        put(dst, size, kNa);
    else if (callSign == nullptr || callSign[0] == '\0')
        put(dst, size, kNone);
    else
        put(dst, size, callSign);
}

void formatStrVslType(char* dst, std::size_t size, uint8_t shipType, AIS_TYPE type)
{
    if (!isShip(type)) {
        put(dst, size, kNa);
        return;
    }
    getShipTypeContent(dst, size, shipType);
    StringConvt::trimRight(dst, ' ');
}

void formatStrCargo(char* dst, std::size_t size, uint8_t shipType, AIS_TYPE type)
{
    if (!isShip(type)) {
        put(dst, size, kNa);
        return;
    }
    getCargoTypeContent(dst, size, shipType);
    StringConvt::trimRight(dst, ' ');
}

void formatStrDestination(char* dst, std::size_t size, AIS_TYPE type, const AIS_CLASS_A_DATA& data)
{
    if (type != AIS_TYPE_CLASS_A)
        put(dst, size, kNa);
    else if (data.destination[0] == '\0')
        put(dst, size, kNone);
    else
        std::snprintf(dst, size, "%.*s", static_cast<int>(sizeof(data.destination)), data.destination);
}

void formatStrETA(char* dst, std::size_t size, AIS_TYPE type, const AIS_CLASS_A_DATA& data, Portal::QDt::TIME_ZONE zone)
{
    if (type != AIS_TYPE_CLASS_A) {
        put(dst, size, kNa);
    } else if (data.eta == 0) {
        put(dst, size, kNone);
    } else {
        const QByteArray text =
            Portal::QDt::ConvtFmtDateTimeToStr(static_cast<long long>(data.eta), zone,
                                               Portal::QDt::DATE_FORMAT_SHORT_NO_YEAR, Portal::QDt::TIME_FORMAT_HM, 0)
                .toUtf8();
        put(dst, size, text.constData());
    }
}

void formatStrDraught(char* dst, std::size_t size, AIS_TYPE type, const AIS_CLASS_A_DATA& data)
{
    if (type != AIS_TYPE_CLASS_A) {
        put(dst, size, kNa);
    } else if (!(data.draught > 0.0f)) {
        put(dst, size, kNone);
    } else {
        char number[32];
        Portal::Str::ConvtFloatToChar(number, sizeof(number), data.draught, 1);
        std::snprintf(dst, size, "%s m", number);
    }
}

void formatStrDimension(char* dst, std::size_t size, AIS_TYPE type, const SSensorTargetDimension& d)
{
    if (hasNoSize(type))
        put(dst, size, kNa);
    else if (d.a == 0.0f && d.b == 0.0f && d.c == 0.0f && d.d == 0.0f)
        put(dst, size, kNone);
    else
        std::snprintf(dst, size, "A:%dm,B:%dm,C:%dm,D:%dm", static_cast<int>(d.a), static_cast<int>(d.b),
                      static_cast<int>(d.c), static_cast<int>(d.d));
}

void formatStrLength(char* dst, std::size_t size, AIS_TYPE type, const SSensorTargetDimension& d)
{
    meters(dst, size, type, d.a + d.b);
}

void formatStrBeam(char* dst, std::size_t size, AIS_TYPE type, const SSensorTargetDimension& d)
{
    meters(dst, size, type, d.c + d.d);
}

void formatStrEPFS(char* dst, std::size_t size, uint8_t epfs)
{
    put(dst, size, entry(kEpfs, epfs));
}

void formatStrLastReport(char* dst, std::size_t size, long long time, Portal::QDt::TIME_ZONE zone)
{
    const QByteArray text =
        Portal::QDt::ConvtFmtDateTimeToStr(time, zone, Portal::QDt::DATE_FORMAT_SHORT, Portal::QDt::TIME_FORMAT_HMS, 0)
            .toUtf8();
    put(dst, size, text.constData());
}

void formatStrNavSta(char* dst, std::size_t size, AIS_TYPE type, uint8_t status)
{
    if (type != AIS_TYPE_CLASS_A)
        put(dst, size, kNa);
    else if (status > 8)
        put(dst, size, "Undefined!");
    else
        put(dst, size, kNavStatus[status]);
}

void formatStrHeading(char* dst, std::size_t size, float heading, bool withUnit)
{
    if (heading == TARGET_HEADING_NA) {
        put(dst, size, kNone);
        return;
    }
    if (heading < 0.0f)
        heading += 360.0f;
    else if (heading >= 360.0f)
        heading -= 360.0f;
    degrees(dst, size, heading, withUnit);
}

void formatStrBearing(char* dst, std::size_t size, float bearing, Unit::BEARING_MEASURE measure, bool withUnit)
{
    if (!(bearing < 360.0f)) {
        put(dst, size, kNone);
        return;
    }
    degrees(dst, size, bearing, withUnit);
    Unit::formatStrBearingMeasure(dst, size, measure);
}

void formatStrCOG(char* dst, std::size_t size, AIS_TYPE type, float cog, bool withUnit)
{
    if (isFixed(type))
        put(dst, size, kNa);
    else if (!(cog < 360.0f))
        put(dst, size, kNone);
    else
        degrees(dst, size, cog, withUnit);
}

void formatStrSOG(char* dst, std::size_t size, AIS_TYPE type, float sog, Unit::SPEED_UNIT unit, bool withUnit)
{
    if (isFixed(type))
        put(dst, size, kNa);
    else if (!(sog < TARGET_SOG_NA))
        put(dst, size, kNone);
    else
        Unit::formatStrSpeedValue(dst, size, sog, unit, withUnit);
}

void formatStrHDOP(char* dst, std::size_t size, float hdop)
{
    if (!(hdop < 99.9f))
        put(dst, size, kNone);
    else
        std::snprintf(dst, size, "%4.1f", static_cast<double>(hdop));
}

void formatStrROT(char* dst, std::size_t size, AIS_TYPE type, const AIS_CLASS_A_DATA& data)
{
    const float rot = data.rot;
    if (type != AIS_TYPE_CLASS_A)
        put(dst, size, kNa);
    else if (rot >= TARGET_ROT_NA)
        put(dst, size, kNone);
    else if (rot >= 1000.0f)
        std::snprintf(dst, size, "%s%s/30s", ">5(R)", kDegree);
    else if (rot < -1000.0f)
        std::snprintf(dst, size, "%s%s/30s", ">5(L)", kDegree);
    else if (static_cast<int>(rot * 10.0f) % 10 == 0)
        std::snprintf(dst, size, "%d%s/min", static_cast<int>(rot), kDegree);
    else
        std::snprintf(dst, size, "%.1f%s/min", static_cast<double>(rot), kDegree);
}

void formatStrCPA(char* dst, std::size_t size, float cpa, float tcpa)
{
    if (!(cpa >= 0.0f && tcpa >= 0.0f))
        put(dst, size, kNa);
    else
        std::snprintf(dst, size, "%.2f", static_cast<double>(cpa));
}

void formatStrTCPA(char* dst, std::size_t size, float cpa, float tcpa)
{
    if (!(cpa >= 0.0f && tcpa >= 0.0f))
        put(dst, size, kNa);
    else
        std::snprintf(dst, size, "%.1f", static_cast<double>(tcpa));
}

void formatStrPosAccu(char* dst, std::size_t size, uint8_t accuracy)
{
    put(dst, size, accuracy == 1 ? "High" : "Low");
}

void formatStrSartMode(char* dst, std::size_t size, const AIS_SART_DATA& data)
{
    put(dst, size, data.sartMode == 2 ? "Test Mode" : data.sartMode == 1 ? "Active Mode" : "");
}

void formatStrAtonRealVirtual(char* dst, std::size_t size, const AIS_ATON_DATA& data)
{
    put(dst, size, entry(kRealVirtual, data.virtualAton));
}

void formatStrAtonType(char* dst, std::size_t size, const AIS_ATON_DATA& data)
{
    put(dst, size, entry(kAtonTypes, data.atonType));
}

void formatStrAtonStatus(char* dst, std::size_t size, const AIS_ATON_DATA& data)
{
    std::snprintf(dst, size, "%s, %s", kHealth[data.status & 1u], kOnPosition[data.offPosition != 0 ? 1 : 0]);
}

void formatStrAtonLightStatus(char* dst, std::size_t size, const AIS_ATON_DATA& data)
{
    put(dst, size, kLight[(data.status >> 1) & 3u]);
}

void formatStrAtonRACONStatus(char* dst, std::size_t size, const AIS_ATON_DATA& data)
{
    put(dst, size, kRacon[(data.status >> 3) & 3u]);
}

void formatStrAtonName(char* dst, std::size_t size, const char* name, const char* extension)
{
    if (dst == nullptr || size == 0)
        return;
    char joined[TARGET_NAME_SIZE + TARGET_NAME_EXT_SIZE] = {};
    std::snprintf(joined, sizeof(joined), "%.20s", name != nullptr ? name : "");
    if (char* at = std::strchr(joined, '@'))
        *at = '\0';
    const std::size_t length = std::strlen(joined);
    std::snprintf(joined + length, sizeof(joined) - length, "%.14s", extension != nullptr ? extension : "");
    if (char* at = std::strchr(joined, '@'))
        *at = '\0';
    put(dst, size, joined);
}

void formatStrArpaStatus(char* dst, std::size_t size, char status)
{
    switch (status) {
    case 'T':
        put(dst, size, "Tracking");
        break;
    case 'Q':
        put(dst, size, "Query");
        break;
    case 'L':
        put(dst, size, "Lost");
        break;
    default:
        break;
    }
}

void formatStrXTE(char* dst, std::size_t size, float xte, Unit::DIST_UNIT unit, bool withUnit)
{
    Unit::formatStrDistValue(dst, size, xte, unit, withUnit);
}

} // namespace TargetStrConvt
} // namespace Target
} // namespace SensorScope
