#include "i62/I62Escape.h"

#include <cstring>

namespace {

constexpr int kUnescapeArea = 200;

int upperHexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool IsSpecicalChar(char c)
{
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7E)
        return true;
    return std::strchr("!$*,\\^", c) != nullptr;
}

void SpecialCharToI62(char* destination, const char* source, std::size_t destSize)
{
    if (destination == nullptr || destSize == 0)
        return;
    std::size_t out = 0;
    for (const char* p = source; p != nullptr && *p != '\0'; ++p) {
        const bool reserved = IsSpecicalChar(*p);
        const std::size_t needed = reserved ? 3 : 1;
        if (out + needed >= destSize)
            break;
        if (reserved) {
            const unsigned char byte = static_cast<unsigned char>(*p);
            destination[out++] = '^';
            destination[out++] = "0123456789ABCDEF"[byte >> 4];
            destination[out++] = "0123456789ABCDEF"[byte & 0x0F];
        } else {
            destination[out++] = *p;
        }
    }
    destination[out] = '\0';
}

bool I62_SpecialChar(char* text)
{
    if (text == nullptr || std::strchr(text, '^') == nullptr)
        return false;
    char work[kUnescapeArea + 1];
    int out = 0;
    for (int in = 0; in < kUnescapeArea && text[in] != '\0'; ++in) {
        if (text[in] == '^' && in + 2 < kUnescapeArea) {
            const int high = upperHexDigit(text[in + 1]);
            const int low = high < 0 ? -1 : upperHexDigit(text[in + 2]);
            if (low >= 0) {
                work[out++] = static_cast<char>(high << 4 | low);
                in += 2;
                continue;
            }
        }
        work[out++] = text[in];
    }
    work[out] = '\0';
    std::memcpy(text, work, static_cast<std::size_t>(out) + 1);
    return true;
}
