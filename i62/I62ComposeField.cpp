#include "i62/I62ComposeField.h"

#include "i62/I62FieldValue.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr double kLatitudeLimit = 90.1;
constexpr double kLongitudeLimit = 180.1;

struct SDegMin
{
    short degrees;
    short minutes;
    long fraction;
};

SDegMin degMin(double degrees, int minuteDigits)
{
    SDegMin d{0, 0, 0};
    I62_Deg2DegMin(std::fabs(degrees), &d.degrees, &d.minutes, &d.fraction);
    // The fraction comes in hundred-thousandths of a minute.
    for (int digits = 5; digits > minuteDigits; --digits)
        d.fraction /= 10;
    return d;
}

} // namespace

I62_FIELD_TEXT I62_TimeText(const I62_UTC_TIME& time)
{
    I62_FIELD_TEXT t{};
    if (time.hour < I62_HOUR_NA)
        std::snprintf(t.text, sizeof(t.text), "%02d%02d%02d.%02d", time.hour, time.minute, time.second,
                      time.hundredths);
    return t;
}

I62_FIELD_TEXT I62_PositionText(const I62_DEGREE& position, int minuteDigits)
{
    I62_FIELD_TEXT t{};
    if (!(std::fabs(position.latitude) <= kLatitudeLimit && std::fabs(position.longitude) <= kLongitudeLimit)) {
        std::snprintf(t.text, sizeof(t.text), ",,,");
        return t;
    }
    const SDegMin lat = degMin(position.latitude, minuteDigits);
    const SDegMin lon = degMin(position.longitude, minuteDigits);
    std::snprintf(t.text, sizeof(t.text), "%02d%02d.%0*ld,%c,%03d%02d.%0*ld,%c", lat.degrees, lat.minutes, minuteDigits,
                  lat.fraction, position.latitude > 0 ? 'N' : 'S', lon.degrees, lon.minutes, minuteDigits, lon.fraction,
                  position.longitude > 0 ? 'E' : 'W');
    return t;
}

I62_FIELD_TEXT I62_FloatText(float value, const char* format)
{
    I62_FIELD_TEXT t{};
    if (value >= -99999.0f)
        std::snprintf(t.text, sizeof(t.text), format, static_cast<double>(value));
    return t;
}

I62_FIELD_TEXT I62_IntText(long value, const char* format, long empty)
{
    I62_FIELD_TEXT t{};
    if (value != empty)
        std::snprintf(t.text, sizeof(t.text), format, value);
    return t;
}

I62_FIELD_TEXT I62_CharText(uint8_t character)
{
    I62_FIELD_TEXT t{};
    if (character != I62_U8_EMPTY && character != 0)
        t.text[0] = static_cast<char>(character);
    return t;
}

bool I62_ComposeText(char* destination, std::size_t size, const char* format, ...)
{
    if (destination == nullptr || size == 0)
        return false;
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(destination, size, format, args);
    va_end(args);
    return written >= 0 && static_cast<std::size_t>(written) < size;
}
