#pragma once

#include <cstddef>
#include <cstdint>

// Values of the fields of a received sentence, taken one by one with the library tokenizer.
// A field that the pre-parse marked empty (or one missing altogether) gives the empty value
// the caller names; numbers that do not fit their field wrap as an integer cast would.

constexpr float I62_F32_EMPTY = -100000.0f;
constexpr uint8_t I62_U8_EMPTY = 128;
constexpr uint16_t I62_U16_EMPTY = 0xFFFF;
constexpr long I62_MMSI_EMPTY = 999999999;

// The next field up to ',' and the last field up to '*'.
char* I62_NextField();
char* I62_LastField();

bool I62_IsEmptyField(const char* field);

// Whole number of a field, limited to the range of long; text that is no number reads 0.
long I62_FieldLong(const char* field, long empty);
uint8_t I62_FieldU8(const char* field, uint8_t empty = I62_U8_EMPTY);
uint16_t I62_FieldU16(const char* field, uint16_t empty = I62_U16_EMPTY);
// Decimal number, '.' as the decimal point, limited to the range of float.
float I62_FieldF32(const char* field, float empty = I62_F32_EMPTY);
double I62_FieldDouble(const char* field, double empty);
// First character of a field.
uint8_t I62_FieldChar(const char* field, uint8_t empty = I62_U8_EMPTY);
// Copies the field cut to size - 1 characters and terminated; an empty field gives "".
void I62_FieldText(char* destination, std::size_t size, const char* field);
// Copies the text up to stop (or its end), cut to size - 1 characters and terminated.
void I62_TextUpTo(char* destination, std::size_t size, const char* text, char stop);

// Checks that the sentence holds exactly commas commas, then takes its address field; the
// tokenizer then stands at the first field.
bool I62_BeginFields(char* sentence, int commas);
// The next field, or the last one (up to '*') when last is set.
char* I62_TakeField(bool last);
// Character at index of a field, or empty when the field is empty or shorter.
uint8_t I62_FieldCharAt(const char* field, std::size_t index, uint8_t empty = I62_U8_EMPTY);
// True when value is empty or lies in [low, high].
bool I62_InRangeOrEmpty(long value, long low, long high, long empty);
