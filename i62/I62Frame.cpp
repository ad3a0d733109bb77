#include "i62/I62Frame.h"

#include <cstring>

thread_local char* StrTokenPtr = nullptr;

namespace {

constexpr int kPreParseArea = 100;
constexpr int kPreParseMaxChars = 98;
constexpr std::size_t kComposeScanLimit = 65535;

int hexDigit(char c, bool lowerAllowed)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (lowerAllowed && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

char hexChar(unsigned nibble)
{
    return "0123456789ABCDEF"[nibble & 0x0F];
}

} // namespace

uint8_t I62_Parse_CheckSum(char* sentence, std::size_t bufSize)
{
    if (sentence == nullptr || bufSize == 0)
        return I62_CHECKSUM_ERROR;
    const std::size_t length = strnlen(sentence, bufSize);
    if (length == bufSize || length < 4)
        return I62_CHECKSUM_ERROR;

    const std::size_t last = length - 3;
    uint8_t sum = static_cast<uint8_t>(sentence[1]);
    std::size_t i = 2;
    while (sentence[i] != '*' && i <= last) {
        sum ^= static_cast<uint8_t>(sentence[i]);
        ++i;
    }
    if (i > last) {
        // No checksum: the sentence is taken as it is, with "FF" in place of the digits.
        if (length + 3 + 1 > bufSize)
            return I62_CHECKSUM_ERROR;
        std::memcpy(sentence + length - 2, "*FF\r\n", 6);
        return I62_CHECKSUM_MISSING;
    }
    // The first digit is read case-blind, the second only in upper case.
    const int high = hexDigit(sentence[i + 1], true);
    const int low = hexDigit(sentence[i + 2], false);
    if (high < 0 || low < 0)
        return I62_CHECKSUM_ERROR;
    return (high << 4 | low) == sum ? I62_CHECKSUM_OK : I62_CHECKSUM_ERROR;
}

bool I62_Compose_CheckSum(char* sentence)
{
    if (sentence == nullptr)
        return false;
    const std::size_t length = strnlen(sentence, kComposeScanLimit);
    if (length == kComposeScanLimit)
        return false;
    uint8_t sum = 0;
    for (std::size_t i = 1; i < length; ++i)
        sum ^= static_cast<uint8_t>(sentence[i]);
    char* end = sentence + length;
    end[0] = '*';
    end[1] = hexChar(sum >> 4);
    end[2] = hexChar(sum);
    end[3] = '\r';
    end[4] = '\n';
    end[5] = '\0';
    return true;
}

char* StrToken(char* text, const char* delimiter)
{
    if (text != nullptr)
        StrTokenPtr = text;
    if (StrTokenPtr == nullptr || delimiter == nullptr || delimiter[0] == '\0')
        return nullptr;

    char* start = StrTokenPtr;
    char* cut = std::strchr(start, delimiter[0]);
    if (cut == nullptr) {
        StrTokenPtr = nullptr;
        return nullptr;
    }
    *cut = '\0';
    StrTokenPtr = cut + 1;

    char* token = start;
    while (*token == ' ')
        ++token;
    // A blank-only field keeps its blank: parsers test it to see an empty field.
    return *token == '\0' ? start : token;
}

bool I62_CalFieldDelimiter(const char* sentence, int n)
{
    if (sentence == nullptr)
        return false;
    int commas = 0;
    for (const char* p = sentence; *p != '\0'; ++p) {
        if (*p == ',')
            ++commas;
    }
    return commas > 0 && commas == n;
}

bool I62_PreParse(char* sentence)
{
    if (sentence == nullptr)
        return false;
    char work[kPreParseArea];
    int count = 0;
    for (const char* p = sentence; *p != '\0'; ++p) {
        const bool emptyField = p[0] == ',' && (p[1] == ',' || p[1] == '*');
        const int needed = emptyField ? 2 : 1;
        if (count + needed > kPreParseMaxChars)
            return false;
        work[count++] = *p;
        if (emptyField)
            work[count++] = ' ';
    }
    work[count] = '\0';
    std::memcpy(sentence, work, static_cast<std::size_t>(count) + 1);
    return true;
}
