#include "Unit.h"

#include "PortalStr.h"

#include <cstdio>
#include <cstring>

namespace Unit {

namespace {

// One display unit: its name and its factor from the canonical unit. Factors written
// with f are single-precision constants, as the stored settings have always used them.
struct SUnitEntry
{
    const char* name;
    double factor;
    double backFactor; // divisor back to the canonical unit
    bool divides;      // the display value is canonical / factor (fathoms)
};

constexpr double kKm = 1.852f;
constexpr double kMile = 1.151f;
constexpr double kFeet = 3.28f;
constexpr double kFathom = 1.8288f;

constexpr SUnitEntry kSpeedUnits[] = {
    {"Kn", 1.0, 1.0, false},
    {"Km/h", kKm, kKm, false},
    {"MPH", kMile, kMile, false},
};
// Kilometres go back through the exact 1.852.
constexpr SUnitEntry kDistUnits[] = {
    {"NM", 1.0, 1.0, false},       {"Km", kKm, 1.852, false},     {"m", 1852.0, 1852.0, false},
    {"mile", kMile, kMile, false}, {"ft", 6076.0, 6076.0, false},
};
constexpr SUnitEntry kDepthUnits[] = {
    {"m", 1.0, 1.0, false},
    {"ft", kFeet, kFeet, false},
    {"fm", kFathom, kFathom, true},
};
constexpr SUnitEntry kHeightUnits[] = {
    {"m", 1.0, 1.0, false},
    {"ft", kFeet, kFeet, false},
};
constexpr SUnitEntry kMiddleDistUnits[] = {
    {"", 1.0, 1.0, false},
    {"", kFeet, kFeet, false},
};

template <std::size_t N> const SUnitEntry* entryOf(const SUnitEntry (&table)[N], int unit)
{
    return unit >= 0 && static_cast<std::size_t>(unit) < N ? &table[unit] : nullptr;
}

template <std::size_t N> const char* nameOf(const SUnitEntry (&table)[N], int unit)
{
    const SUnitEntry* entry = entryOf(table, unit);
    return entry != nullptr ? entry->name : table[0].name;
}

template <std::size_t N> double toDisplay(const SUnitEntry (&table)[N], double value, int unit)
{
    const SUnitEntry* entry = entryOf(table, unit);
    if (entry == nullptr)
        return value;
    return entry->divides ? value / entry->factor : value * entry->factor;
}

template <std::size_t N> double toCanonical(const SUnitEntry (&table)[N], double value, int unit)
{
    const SUnitEntry* entry = entryOf(table, unit);
    if (entry == nullptr)
        return value;
    return entry->divides ? value * entry->backFactor : value / entry->backFactor;
}

// "%s %s" of number and unit name, or the number alone.
void joinValueAndUnit(char* dst, std::size_t size, const char* number, const char* unit, bool withUnit)
{
    if (withUnit)
        std::snprintf(dst, size, "%s %s", number, unit);
    else
        Portal::Str::SafeStrCpy(dst, number, size);
}

constexpr std::size_t kNumberSize = 64;

} // namespace

bool checkPosLatFormat(double value)
{
    return value > -91.0 && value < 91.0;
}

bool checkPosLonFormat(double value)
{
    return value > -181.0 && value < 181.0;
}

void getSpeedUnitString(char* dst, std::size_t size, SPEED_UNIT unit)
{
    Portal::Str::SafeStrCpy(dst, nameOf(kSpeedUnits, unit), size);
}

void getDistUnitString(char* dst, std::size_t size, DIST_UNIT unit)
{
    Portal::Str::SafeStrCpy(dst, nameOf(kDistUnits, unit), size);
}

void getDepthUnitString(char* dst, std::size_t size, DEPTH_UNIT unit)
{
    Portal::Str::SafeStrCpy(dst, nameOf(kDepthUnits, unit), size);
}

void getHeightUnitString(char* dst, std::size_t size, HEIGHT_UNIT unit)
{
    Portal::Str::SafeStrCpy(dst, nameOf(kHeightUnits, unit), size);
}

void getDegreeUnitString(char* dst, std::size_t size, DEGREE_UNIT_S unit)
{
    Portal::Str::SafeStrCpy(dst, unit == DEGREE_UNIT_DEG ? "deg" : kDegreeSign, size);
}

double speedValue2Knot(double value, SPEED_UNIT unit)
{
    return toCanonical(kSpeedUnits, value, unit);
}

double distValue2Nm(double value, DIST_UNIT unit)
{
    return toCanonical(kDistUnits, value, unit);
}

double depthValue2Meter(double value, DEPTH_UNIT unit)
{
    return toCanonical(kDepthUnits, value, unit);
}

double heightValue2Meter(double value, HEIGHT_UNIT unit)
{
    return toCanonical(kHeightUnits, value, unit);
}

double middleDistValue2Meters(double value, MIDDLE_DIST_UNIT unit)
{
    return toCanonical(kMiddleDistUnits, value, unit);
}

double speedValueConv(double value, SPEED_UNIT unit)
{
    return toDisplay(kSpeedUnits, value, unit);
}

double distValueConv(double value, DIST_UNIT unit)
{
    return toDisplay(kDistUnits, value, unit);
}

double depthValueConv(double value, DEPTH_UNIT unit)
{
    return toDisplay(kDepthUnits, value, unit);
}

double heightValueConv(double value, HEIGHT_UNIT unit)
{
    return toDisplay(kHeightUnits, value, unit);
}

double middleDistConv(double value, MIDDLE_DIST_UNIT unit)
{
    return toDisplay(kMiddleDistUnits, value, unit);
}

void formatStrSpeedValue(char* dst, std::size_t size, double knots, SPEED_UNIT unit, bool withUnit)
{
    char number[kNumberSize];
    Portal::Str::ConvtDoubleToChar(number, sizeof(number), speedValueConv(knots, unit), 1);
    joinValueAndUnit(dst, size, number, nameOf(kSpeedUnits, unit), withUnit);
}

void formatStrDistValue(char* dst, std::size_t size, double nm, DIST_UNIT unit, bool withUnit)
{
    char number[kNumberSize];
    Portal::Str::ConvtDoubleToChar(number, sizeof(number), distValueConv(nm, unit), 2);
    joinValueAndUnit(dst, size, number, nameOf(kDistUnits, unit), withUnit);
}

void formatStrDegreeValue(char* dst, std::size_t size, double degrees, DEGREE_UNIT_S unit, bool withUnit)
{
    char number[kNumberSize];
    char name[8];
    Portal::Str::ConvtDoubleToChar(number, sizeof(number), degrees, 1);
    getDegreeUnitString(name, sizeof(name), unit);
    joinValueAndUnit(dst, size, number, name, withUnit);
}

void formatStrBearingValue(char* dst, std::size_t size, double degrees, BEARING_MEASURE measure, DEGREE_UNIT_S unit,
                           bool withUnit)
{
    formatStrDegreeValue(dst, size, degrees, unit, withUnit);
    formatStrBearingMeasure(dst, size, measure);
}

void formatStrBearingMeasure(char* text, std::size_t size, BEARING_MEASURE measure)
{
    // With no room nothing was written, so the text holds nothing to read.
    if (text == nullptr || size == 0 || text[0] == '\0' || strnlen(text, size) == size || std::strcmp(text, "--") == 0)
        return;
    const char* suffix = measure == BEARING_MEASURE_TRUE ? " T" : measure == BEARING_MEASURE_RELATIVE ? " R" : "";
    const std::size_t length = std::strlen(text);
    if (length < size)
        Portal::Str::SafeStrCpy(text + length, suffix, size - length);
}

void formatStrDistBearing(char* dst, std::size_t size, double nm, DIST_UNIT distUnit, double degrees,
                          BEARING_MEASURE measure, DEGREE_UNIT_S degreeUnit)
{
    char bearing[kNumberSize];
    char distance[kNumberSize];
    formatStrBearingValue(bearing, sizeof(bearing), degrees, measure, degreeUnit, true);
    formatStrDistValue(distance, sizeof(distance), nm, distUnit, true);
    std::snprintf(dst, size, "%s  %s", bearing, distance);
}

} // namespace Unit
