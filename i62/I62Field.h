#pragma once

#include <cstdint>

// Field converters of received sentences: numbers, positions, times, dates, six-bit
// armouring characters and hexadecimal bytes.

// Not-available values of the field records.
constexpr double I62_LAT_NA = 91.0;
constexpr double I62_LON_NA = 181.0;
constexpr uint8_t I62_HOUR_NA = 24;
constexpr uint8_t I62_MINUTE_NA = 60;
constexpr uint8_t I62_SECOND_NA = 60;
constexpr uint8_t I62_SIXBIT_INVALID = 0xFF;

struct I62_UTC_TIME
{
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    uint8_t hundredths;
};

struct I62_DATE
{
    uint16_t year;
    uint8_t month;
    uint8_t day;
};

struct I62_DEGREE
{
    double latitude;
    double longitude;
};

using LRng_DATE = I62_DATE;
using LRng_DEGREE = I62_DEGREE;

void I62_UTC_TIME_init(I62_UTC_TIME* time);

// Decimal number of a field, always with '.' as the decimal point whatever the process locale.
double I62_Atof(const char* text);

// Latitude, N/S, longitude, E/W from the latitude field on; returns the field after E/W.
char* I62_GetDegree(char* latitudeField, I62_DEGREE* degree);
char* I62_GetLRngDegree(char* latitudeField, LRng_DEGREE* degree);
// hhmmss.ss; returns the same field (the tokenizer is not advanced).
char* I62_GetTime(char* field, I62_UTC_TIME* time);
// ddmmyy / ddmmyyyy; returns the next field.
char* I62_GetDate(char* field, I62_DATE* date);
char* I62_GetLRngDate(char* field, LRng_DATE* date);

double I62_Conv2Deg(double degMin, double limit);
long I62_Deg2DegMin(double degrees, short* wholeDegrees, short* minutes, long* minuteFraction);

// Six-bit armouring characters, inline: a payload converts one character at a time.
constexpr char I62_ConvSix2Ascii(uint8_t value)
{
    if (value > 63)
        return static_cast<char>(0xFF);
    return static_cast<char>(value < 40 ? value + 48 : value + 56);
}

constexpr uint8_t I62_ConvAscii2Six(uint8_t character)
{
    if (character >= 0x30 && character <= 0x57)
        return static_cast<uint8_t>(character - 48);
    if (character >= 0x60 && character <= 0x77)
        return static_cast<uint8_t>(character - 56);
    return I62_SIXBIT_INVALID;
}

bool HexStrToHexValue_Byte(const char* text, uint8_t* value);
