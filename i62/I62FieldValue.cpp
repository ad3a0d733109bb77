#include "i62/I62FieldValue.h"

#include "i62/I62Field.h"
#include "i62/I62Frame.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>

char* I62_NextField()
{
    return StrToken(nullptr, ",");
}

char* I62_LastField()
{
    return StrToken(nullptr, "*");
}

bool I62_IsEmptyField(const char* field)
{
    return field == nullptr || field[0] == ' ' || field[0] == '\0';
}

namespace {

// Digits that cannot overflow a long, whatever they are.
constexpr int kSafeDigits = 18;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

long I62_FieldLong(const char* field, long empty)
{
    if (I62_IsEmptyField(field))
        return empty;
    // A plain number of a few digits, the usual field, is read here; anything else (leading
    // blanks, many digits) goes to strtol, which saturates at the limits of long where
    // atoi's result would be undefined.
    const bool negative = field[0] == '-';
    const char* digits = field[0] == '-' || field[0] == '+' ? field + 1 : field;
    long value = 0;
    int n = 0;
    for (; n < kSafeDigits && isDigit(digits[n]); ++n)
        value = value * 10 + (digits[n] - '0');
    if (n == 0 || isDigit(digits[n]))
        return std::strtol(field, nullptr, 10);
    return negative ? -value : value;
}

uint8_t I62_FieldU8(const char* field, uint8_t empty)
{
    return static_cast<uint8_t>(I62_FieldLong(field, empty));
}

uint16_t I62_FieldU16(const char* field, uint16_t empty)
{
    return static_cast<uint16_t>(I62_FieldLong(field, empty));
}

float I62_FieldF32(const char* field, float empty)
{
    if (I62_IsEmptyField(field))
        return empty;
    const double value = I62_Atof(field);
    if (!std::isfinite(value))
        return empty;
    // A double beyond the range of float has no float value to convert to.
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}

double I62_FieldDouble(const char* field, double empty)
{
    if (I62_IsEmptyField(field))
        return empty;
    const double value = I62_Atof(field);
    return std::isfinite(value) ? value : empty;
}

uint8_t I62_FieldChar(const char* field, uint8_t empty)
{
    return I62_IsEmptyField(field) ? empty : static_cast<uint8_t>(field[0]);
}

void I62_FieldText(char* destination, std::size_t size, const char* field)
{
    if (destination == nullptr || size == 0)
        return;
    if (I62_IsEmptyField(field)) {
        destination[0] = '\0';
        return;
    }
    I62_TextUpTo(destination, size, field, '\0');
}

void I62_TextUpTo(char* destination, std::size_t size, const char* text, char stop)
{
    if (destination == nullptr || size == 0)
        return;
    std::size_t n = 0;
    if (text != nullptr) {
        n = strnlen(text, size - 1);
        if (stop != '\0') {
            const void* at = std::memchr(text, stop, n);
            if (at != nullptr)
                n = static_cast<std::size_t>(static_cast<const char*>(at) - text);
        }
        std::memcpy(destination, text, n);
    }
    destination[n] = '\0';
}

bool I62_BeginFields(char* sentence, int commas)
{
    if (!I62_CalFieldDelimiter(sentence, commas))
        return false;
    return StrToken(sentence, ",") != nullptr;
}

char* I62_TakeField(bool last)
{
    return last ? I62_LastField() : I62_NextField();
}

uint8_t I62_FieldCharAt(const char* field, std::size_t index, uint8_t empty)
{
    if (I62_IsEmptyField(field) || strnlen(field, index + 1) <= index)
        return empty;
    return static_cast<uint8_t>(field[index]);
}

bool I62_InRangeOrEmpty(long value, long low, long high, long empty)
{
    return value == empty || (value >= low && value <= high);
}
