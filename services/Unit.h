#pragma once

#include "UnitTypes.h"

#include <cstddef>
#include <cstdint>

// Units of the displayed values. Quantities are kept in knots, nautical miles, metres and
// degrees; conversion to a display unit happens only when a text is formatted.
namespace Unit {

enum SPEED_UNIT : int { SPEED_UNIT_KN = 0, SPEED_UNIT_KMH = 1, SPEED_UNIT_MPH = 2 };
enum DIST_UNIT : int { DIST_UNIT_NM = 0, DIST_UNIT_KM = 1, DIST_UNIT_M = 2, DIST_UNIT_MILE = 3, DIST_UNIT_FT = 4 };
enum DEPTH_UNIT : int { DEPTH_UNIT_M = 0, DEPTH_UNIT_FT = 1, DEPTH_UNIT_FM = 2 };
enum HEIGHT_UNIT : int { HEIGHT_UNIT_M = 0, HEIGHT_UNIT_FT = 1 };
enum MIDDLE_DIST_UNIT : int { MIDDLE_DIST_UNIT_M = 0, MIDDLE_DIST_UNIT_FT = 1 };
enum DEGREE_UNIT_S : int { DEGREE_UNIT_SIGN = 0, DEGREE_UNIT_DEG = 1 };
enum BEARING_MEASURE : int { BEARING_MEASURE_TRUE = 0, BEARING_MEASURE_RELATIVE = 1 };
// Long or short form of a label text.
enum FORMAT_S : int { FORMAT_S_SHORT = 0, FORMAT_S_LONG = 1 };

enum WORLD_POS_FORMAT : int {
    WORLD_POS_FORMAT_DEG = 0,
    WORLD_POS_FORMAT_DEG_MIN = 1,
    WORLD_POS_FORMAT_DEG_MIN_SEC = 2
};

// UTF-8 degree sign.
constexpr const char* kDegreeSign = "\xC2\xB0";

typedef struct SDegreeM
{
    int16_t degree = 0; // keeps the sign of the value
    float minute = 0.0f;
} DEGREE_M;

typedef struct SDegreeS
{
    int16_t degree = 0;
    int8_t minute = 0;
    int8_t second = 0;
} DEGREE_S;

// 91 and 181 mark a latitude and a longitude that are not available.
bool checkPosLatFormat(double value);
bool checkPosLonFormat(double value);

// Unit names; a value outside a table gives the name of value 0.
void getSpeedUnitString(char* dst, std::size_t size, SPEED_UNIT unit);
void getDistUnitString(char* dst, std::size_t size, DIST_UNIT unit);
void getDepthUnitString(char* dst, std::size_t size, DEPTH_UNIT unit);
void getHeightUnitString(char* dst, std::size_t size, HEIGHT_UNIT unit);
void getDegreeUnitString(char* dst, std::size_t size, DEGREE_UNIT_S unit);

// Display unit to canonical unit; a unit outside a table leaves the value unchanged.
double speedValue2Knot(double value, SPEED_UNIT unit);
double distValue2Nm(double value, DIST_UNIT unit);
double depthValue2Meter(double value, DEPTH_UNIT unit);
double heightValue2Meter(double value, HEIGHT_UNIT unit);
double middleDistValue2Meters(double value, MIDDLE_DIST_UNIT unit);

// Canonical unit to display unit.
double speedValueConv(double value, SPEED_UNIT unit);
double distValueConv(double value, DIST_UNIT unit);
double depthValueConv(double value, DEPTH_UNIT unit);
double heightValueConv(double value, HEIGHT_UNIT unit);
double middleDistConv(double value, MIDDLE_DIST_UNIT unit);

// Value texts: "22.7 Km/h", "2778 m", "12.5 °", "45 ° T", "45 ° T  1.5 NM".
void formatStrSpeedValue(char* dst, std::size_t size, double knots, SPEED_UNIT unit, bool withUnit);
void formatStrDistValue(char* dst, std::size_t size, double nm, DIST_UNIT unit, bool withUnit);
void formatStrDegreeValue(char* dst, std::size_t size, double degrees, DEGREE_UNIT_S unit, bool withUnit);
void formatStrBearingValue(char* dst, std::size_t size, double degrees, BEARING_MEASURE measure, DEGREE_UNIT_S unit,
                           bool withUnit);
// Appends " T" or " R" in place, unless the text is empty or "--".
void formatStrBearingMeasure(char* text, std::size_t size, BEARING_MEASURE measure);
void formatStrDistBearing(char* dst, std::size_t size, double nm, DIST_UNIT distUnit, double degrees,
                          BEARING_MEASURE measure, DEGREE_UNIT_S degreeUnit);

} // namespace Unit
