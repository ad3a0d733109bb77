#pragma once

#include "i62/I62Field.h"

#include <cstddef>
#include <cstdint>

// Field texts of composed sentences: each value is written into its own small text, or left
// empty when the record holds its not-available value.

// A composed sentence without checksum; the checksum completion adds six bytes.
constexpr std::size_t I62_COMPOSE_BUF_SIZE = 100;
constexpr std::size_t I62_FIELD_TEXT_SIZE = 40;

struct I62_FIELD_TEXT
{
    char text[I62_FIELD_TEXT_SIZE];
};

// "%02d%02d%02d.%02d", empty when the hour is 24 or more.
I62_FIELD_TEXT I62_TimeText(const I62_UTC_TIME& time);
// "%02d%02d.%05d,%c,%03d%02d.%05d,%c" with minuteDigits decimals of a minute; all four fields
// empty when the latitude lies beyond 90.1 or the longitude beyond 180.1.
I62_FIELD_TEXT I62_PositionText(const I62_DEGREE& position, int minuteDigits = 5);
// The value in format, empty when below -99999.0.
I62_FIELD_TEXT I62_FloatText(float value, const char* format);
// The value in format, empty when it equals empty.
I62_FIELD_TEXT I62_IntText(long value, const char* format, long empty);
// The character, empty when it is 128 (or NUL).
I62_FIELD_TEXT I62_CharText(uint8_t character);

// snprintf into destination that reports whether the whole text fitted.
bool I62_ComposeText(char* destination, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
