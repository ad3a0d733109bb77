#include "i62/I62Field.h"

#include "i62/I62Frame.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr double kTimeLimit = 1000000.0; // hhmmss.ss below 100 hours

// A field the pre-parse marked empty (or one that is missing altogether).
bool isBlankField(const char* field)
{
    return field == nullptr || field[0] == ' ' || field[0] == '\0';
}

bool isExactly(const char* field, const char* text)
{
    return field != nullptr && std::strcmp(field, text) == 0;
}

// ddmm.mmmm (or dddmm.mmmm) as degrees: the whole hundreds plus the minutes over 60.
double degMinToDeg(double value)
{
    const double hundreds = std::trunc(value / 100.0);
    return hundreds + (value - hundreds * 100.0) / 100.0 / 0.6;
}

double latitudeOf(double value)
{
    const double degrees = degMinToDeg(value);
    return degrees > 90.0 ? I62_LAT_NA : degrees;
}

double longitudeOf(double value)
{
    const double degrees = degMinToDeg(value);
    return degrees > 180.0 ? I62_LON_NA : degrees;
}

int fieldInt(const char* field)
{
    return field == nullptr ? 0 : std::atoi(field);
}

} // namespace

void I62_UTC_TIME_init(I62_UTC_TIME* time)
{
    if (time != nullptr)
        *time = I62_UTC_TIME{0, 0, 0, 0};
}

double I62_Atof(const char* text)
{
    if (text == nullptr)
        return 0.0;
    while (*text == ' ' || *text == '\t')
        ++text;
    if (*text == '+')
        ++text;
    double value = 0.0;
    const auto result = std::from_chars(text, text + std::strlen(text), value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return 0.0;
    // "nan", "inf" and "infinity" are no readings: the callers take them as not available.
    return std::isfinite(value) ? value : std::numeric_limits<double>::quiet_NaN();
}

// Latitude, N/S, longitude, E/W; one of the two numbers is read through single precision.
static char* readDegree(char* latitudeField, I62_DEGREE* degree, bool latitudeSingle)
{
    auto number = [](const char* field, bool single) {
        const double value = I62_Atof(field);
        return single ? static_cast<double>(static_cast<float>(value)) : value;
    };
    const double latitudeValue = isBlankField(latitudeField) ? NAN : number(latitudeField, latitudeSingle);
    double latitude = std::isfinite(latitudeValue) ? latitudeOf(latitudeValue) : I62_LAT_NA;
    if (isExactly(StrToken(nullptr, ","), "S"))
        latitude = -latitude;

    const char* lonField = StrToken(nullptr, ",");
    const double longitudeValue = isBlankField(lonField) ? NAN : number(lonField, !latitudeSingle);
    double longitude = std::isfinite(longitudeValue) ? longitudeOf(longitudeValue) : I62_LON_NA;
    if (isExactly(StrToken(nullptr, ","), "W"))
        longitude = -longitude;

    if (degree != nullptr) {
        degree->latitude = latitude;
        degree->longitude = longitude;
    }
    return StrToken(nullptr, ",");
}

char* I62_GetDegree(char* latitudeField, I62_DEGREE* degree)
{
    return readDegree(latitudeField, degree, false);
}

char* I62_GetLRngDegree(char* latitudeField, LRng_DEGREE* degree)
{
    return readDegree(latitudeField, degree, true);
}

char* I62_GetTime(char* field, I62_UTC_TIME* time)
{
    if (time == nullptr)
        return field;
    const double value = isBlankField(field) ? -1.0 : I62_Atof(field);
    // Beyond a two-digit hour the number has no hour of its own, nor an int to convert to.
    if (!(value >= 0.0 && value < kTimeLimit)) {
        time->hour = I62_HOUR_NA;
        time->minute = I62_MINUTE_NA;
        time->second = I62_SECOND_NA;
        return field;
    }
    const int hour = static_cast<int>(value / 10000.0);
    const double rest = value - hour * 10000.0;
    const int minute = static_cast<int>(rest / 100.0);
    const double seconds = rest - minute * 100.0;
    const int second = static_cast<int>(seconds);
    // Nearest hundredth: a ceiling would turn .78 read as .78000001 into 79.
    long hundredths = std::lround((seconds - second) * 100.0);
    if (hundredths < 0)
        hundredths = 0;
    if (hundredths > 99)
        hundredths = 99;
    time->hour = static_cast<uint8_t>(hour);
    time->minute = static_cast<uint8_t>(minute);
    time->second = static_cast<uint8_t>(second);
    time->hundredths = static_cast<uint8_t>(hundredths);
    return field;
}

char* I62_GetDate(char* field, I62_DATE* date)
{
    if (date != nullptr) {
        if (isBlankField(field)) {
            *date = I62_DATE{0, 0, 0};
        } else {
            const int n = fieldInt(field);
            date->year = static_cast<uint16_t>(2000 + n % 100);
            date->month = static_cast<uint8_t>(n / 100 % 100);
            date->day = static_cast<uint8_t>(n / 10000);
        }
    }
    return StrToken(nullptr, ",");
}

char* I62_GetLRngDate(char* field, LRng_DATE* date)
{
    if (date != nullptr) {
        const long n = field == nullptr ? 0 : std::atol(field);
        date->year = static_cast<uint16_t>(n % 10000);
        date->month = static_cast<uint8_t>(n / 10000 % 100);
        date->day = static_cast<uint8_t>(n / 1000000);
    }
    return StrToken(nullptr, ",");
}

double I62_Conv2Deg(double degMin, double limit)
{
    const double degrees = degMinToDeg(degMin);
    return degrees > limit ? limit + 1.0 : degrees;
}

long I62_Deg2DegMin(double degrees, short* wholeDegrees, short* minutes, long* minuteFraction)
{
    const short whole = static_cast<short>(std::trunc(degrees));
    const float restMinutes = static_cast<float>((degrees - whole) * 60.0);
    const short wholeMinutes = static_cast<short>(restMinutes);
    const long fraction = static_cast<long>((restMinutes - wholeMinutes) * 100000.0f);
    if (wholeDegrees != nullptr)
        *wholeDegrees = whole;
    if (minutes != nullptr)
        *minutes = wholeMinutes;
    if (minuteFraction != nullptr)
        *minuteFraction = fraction;
    return fraction;
}

bool HexStrToHexValue_Byte(const char* text, uint8_t* value)
{
    if (value == nullptr)
        return false;
    *value = 0;
    if (text == nullptr)
        return true;
    for (const char* p = text; *p != '\0'; ++p) {
        int digit;
        if (*p >= '0' && *p <= '9')
            digit = *p - '0';
        else if (*p >= 'A' && *p <= 'F')
            digit = *p - 'A' + 10;
        else
            return false;
        *value = static_cast<uint8_t>(*value * 16 + digit);
    }
    return true;
}
