#pragma once

#include <cstddef>

// Escapes of text fields: a reserved character travels as '^' and two hexadecimal digits.

bool IsSpecicalChar(char c);

// Copies source escaping reserved characters; writes at most destSize bytes, always terminated.
// A character whose escape would not fit ends the copy.
void SpecialCharToI62(char* destination, const char* source, std::size_t destSize);

// Turns the escapes of the first 200 characters back into bytes, in place; false when the
// text holds no '^'. A '^' not followed by two upper-case hexadecimal digits stays as it is.
bool I62_SpecialChar(char* text);
