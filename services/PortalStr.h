#pragma once

#include <cstddef>
#include <string>

namespace Portal {
namespace Str {

// Text writers take the destination's capacity in bytes, always terminate within it
// and cut what does not fit.

// Bounded copy of src into dst; returns the number of characters copied.
std::size_t SafeStrCpy(char* dst, const char* src, std::size_t size);

// "%d"; returns the number of characters written.
int ConvtIntToChar(char* dst, std::size_t size, int value);

// Fixed point with the given decimals, then trailing zeros and a trailing point removed:
// 12.30 with 2 decimals gives "12.3", 12.00 gives "12".
void ConvtDoubleToChar(char* dst, std::size_t size, double value, char decimals);
void ConvtFloatToChar(char* dst, std::size_t size, float value, char decimals);

// Removes from the end every character found in set; returns the remaining length.
int TrimEnd(char* text, const std::string& set);

// Accepts a decimal comma (but not a leading one); malformed text gives 0 or its valid prefix.
double ConvtStrToDouble(const char* text);

int ConvtHexCharToInt(char ch);

// Pairs of hexadecimal digits to bytes, no terminator; a trailing odd digit is ignored.
// Returns the number of bytes written.
int ConvtHexStrToChar(unsigned char* dst, std::size_t size, const char* hex);

// ASCII a-z to A-Z in place.
void UpperCase(char* text);

} // namespace Str
} // namespace Portal
