#include "StringConvt.h"

#include "PortalStr.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

namespace StringConvt {

namespace {

// Single-precision 1e-7, added before truncation so 30.75' does not come out as 30'44".
constexpr double kEpsilon = 1e-7f;

// Truncation toward zero into a narrow integer, clamped so a wild value cannot overflow.
template <typename T> T truncated(double value)
{
    if (!(value == value))
        return 0;
    const double low = std::numeric_limits<T>::min();
    const double high = std::numeric_limits<T>::max();
    return static_cast<T>(std::trunc(value < low ? low : value > high ? high : value));
}

int16_t wholeDegrees(double value)
{
    return truncated<int16_t>(value >= 0.0 ? value + kEpsilon : value - kEpsilon);
}

double minutesOf(double value, int16_t degrees)
{
    return std::fabs(value - degrees) * 60.0;
}

} // namespace

void formatStrID(char* dst, std::size_t size, unsigned id, char width)
{
    // Printed unsigned: an id above INT_MAX is not shown as a negative number.
    if (width > 0)
        std::snprintf(dst, size, "%0*u", static_cast<int>(width), id);
    else
        std::snprintf(dst, size, "%u", id);
}

int formatStrName(char* dst, std::size_t size, const char* src)
{
    Portal::Str::SafeStrCpy(dst, src, size);
    return size > 0 ? trimRight(dst, ' ') : 0;
}

int trimRight(char* text, char ch)
{
    return Portal::Str::TrimEnd(text, std::string(1, ch));
}

void formatStrPos(char* dst, std::size_t size, double value, char hemisphere, Unit::WORLD_POS_FORMAT format,
                  bool fixedWidth)
{
    if (format == Unit::WORLD_POS_FORMAT_DEG) {
        std::snprintf(dst, size, fixedWidth ? "%8.4f%s%c" : "%.4f%s%c", std::fabs(value), Unit::kDegreeSign,
                      hemisphere);
        return;
    }
    if (format != Unit::WORLD_POS_FORMAT_DEG_MIN && format != Unit::WORLD_POS_FORMAT_DEG_MIN_SEC) {
        Portal::Str::SafeStrCpy(dst, "", size);
        return;
    }
    const int16_t degrees = wholeDegrees(value);
    char degreeText[16];
    std::snprintf(degreeText, sizeof(degreeText), fixedWidth ? "%3d" : "%d", std::abs(degrees));

    char minuteText[32];
    const double minutes = minutesOf(value, degrees);
    if (format == Unit::WORLD_POS_FORMAT_DEG_MIN) {
        std::snprintf(minuteText, sizeof(minuteText), fixedWidth ? "%7.4f%c%c" : "%.4f%c%c", minutes + kEpsilon, '\'',
                      hemisphere);
    } else {
        const uint8_t wholeMinutes = truncated<uint8_t>(minutes + kEpsilon);
        const uint8_t seconds = truncated<uint8_t>((minutes - wholeMinutes) * 60.0 + kEpsilon);
        std::snprintf(minuteText, sizeof(minuteText), fixedWidth ? "%2u%c%2u%c%c" : "%u%c%u%c%c",
                      static_cast<unsigned>(wholeMinutes), '\'', static_cast<unsigned>(seconds), '"', hemisphere);
    }
    std::snprintf(dst, size, "%s%s%s", degreeText, Unit::kDegreeSign, minuteText);
}

void pos2DegreeMin(double value, Unit::DEGREE_M* out)
{
    if (out == nullptr)
        return;
    out->degree = wholeDegrees(value);
    out->minute = static_cast<float>(minutesOf(value, out->degree) + kEpsilon);
}

void pos2DegreeSec(double value, Unit::DEGREE_S* out)
{
    if (out == nullptr)
        return;
    out->degree = wholeDegrees(value);
    const double minutes = minutesOf(value, out->degree);
    out->minute = truncated<int8_t>(minutes + kEpsilon);
    out->second = truncated<int8_t>((minutes - out->minute) * 60.0 + kEpsilon);
}

void formatStrRange(char* dst, std::size_t size, float nm, Unit::DIST_UNIT unit, bool withUnit)
{
    if (nm < 0.0f)
        Portal::Str::SafeStrCpy(dst, "--", size);
    else
        Unit::formatStrDistValue(dst, size, nm, unit, withUnit);
}

void formatStrDateTimeNoneYS(char*, std::size_t, long long, float)
{}

} // namespace StringConvt
