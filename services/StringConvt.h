#pragma once

#include "Unit.h"

#include <cstddef>

// Identifier, name, position and range texts. Writers take the destination's capacity.
namespace StringConvt {

// Zero-padded to width digits when width is above 0 ("%09d" style), else plain.
void formatStrID(char* dst, std::size_t size, unsigned id, char width);

// Copy without trailing blanks; returns the new length.
int formatStrName(char* dst, std::size_t size, const char* src);

// Removes every trailing ch in place; returns the remaining length.
int trimRight(char* text, char ch);

// "59.5000°N", "59°30.0000'N", "10°30'45\"E"; the text shows the absolute value.
void formatStrPos(char* dst, std::size_t size, double value, char hemisphere, Unit::WORLD_POS_FORMAT format,
                  bool fixedWidth);

void pos2DegreeMin(double value, Unit::DEGREE_M* out);
void pos2DegreeSec(double value, Unit::DEGREE_S* out);

// "--" for a negative range (not available), else the distance text.
void formatStrRange(char* dst, std::size_t size, float nm, Unit::DIST_UNIT unit, bool withUnit);

// Writes nothing.
void formatStrDateTimeNoneYS(char* dst, std::size_t size, long long time, float zoneHours);

} // namespace StringConvt
