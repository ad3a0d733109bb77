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

    // The '*' is looked for from the third character to the third last; the sum runs from
    // the second character up to it.
    const std::size_t last = length - 3;
    const void* star = last >= 2 ? std::memchr(sentence + 2, '*', last - 1) : nullptr;
    const std::size_t i = star != nullptr ? static_cast<std::size_t>(static_cast<const char*>(star) - sentence) : last + 1;
    uint8_t sum = static_cast<uint8_t>(sentence[1]);
    for (std::size_t k = 2; k < i; ++k)
        sum ^= static_cast<uint8_t>(sentence[k]);
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

int I62_CountFieldDelimiters(const char* sentence)
{
    if (sentence == nullptr)
        return 0;
    // Over a known length the count runs without a test for the end at every character.
    const std::size_t length = std::strlen(sentence);
    int commas = 0;
    for (std::size_t i = 0; i < length; ++i)
        commas += sentence[i] == ',' ? 1 : 0;
    return commas;
}

bool I62_CalFieldDelimiter(const char* sentence, int n)
{
    const int commas = I62_CountFieldDelimiters(sentence);
    return commas > 0 && commas == n;
}

std::size_t I62_MarkedLength(const char* text, std::size_t length)
{
    // Without a branch per character, so that the count runs over many characters at once.
    std::size_t marked = length;
    for (std::size_t i = 0; i + 1 < length; ++i)
        marked += static_cast<std::size_t>((text[i] == ',') & ((text[i + 1] == ',') | (text[i + 1] == '*')));
    return marked;
}

bool I62_PreParse(char* sentence)
{
    if (sentence == nullptr)
        return false;
    const std::size_t length = std::strlen(sentence);
    const std::size_t marked = I62_MarkedLength(sentence, length);
    if (marked > static_cast<std::size_t>(kPreParseMaxChars))
        return false;
    if (marked == length)
        return true; // no empty field: nothing to mark
    // The text goes over in runs, from comma to comma, a blank behind each empty field.
    char work[kPreParseArea];
    std::size_t count = 0;
    std::size_t runStart = 0;
    const char* end = sentence + length;
    for (const char* comma = static_cast<const char*>(std::memchr(sentence, ',', length)); comma != nullptr;
         comma = static_cast<const char*>(std::memchr(comma + 1, ',', static_cast<std::size_t>(end - comma - 1)))) {
        if (comma[1] != ',' && comma[1] != '*')
            continue;
        const std::size_t runEnd = static_cast<std::size_t>(comma - sentence) + 1;
        std::memcpy(work + count, sentence + runStart, runEnd - runStart);
        count += runEnd - runStart;
        work[count++] = ' ';
        runStart = runEnd;
    }
    std::memcpy(work + count, sentence + runStart, length - runStart + 1);
    std::memcpy(sentence, work, marked + 1);
    return true;
}
