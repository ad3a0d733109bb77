#include "i62/I62Frame.h"

#include <cstring>

thread_local char* StrTokenPtr = nullptr;

namespace {

// Characters counted into one byte before the count moves on.
constexpr std::size_t kCountBlock = 255;
constexpr int kShortField = 8;
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
    const std::size_t i =
        star != nullptr ? static_cast<std::size_t>(static_cast<const char*>(star) - sentence) : last + 1;
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

    // Fields are mostly a few characters long: a short look first, the library for the rest.
    char* start = StrTokenPtr;
    char* cut = start;
    for (int n = 0; n < kShortField && *cut != '\0' && *cut != delimiter[0]; ++n)
        ++cut;
    if (*cut != delimiter[0])
        cut = *cut == '\0' ? nullptr : std::strchr(cut, delimiter[0]);
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
    // Over a known length, in blocks whose count fits a byte, the count runs over many
    // characters at once.
    const std::size_t length = std::strlen(sentence);
    int commas = 0;
    for (std::size_t block = 0; block < length; block += kCountBlock) {
        const std::size_t end = length - block < kCountBlock ? length : block + kCountBlock;
        uint8_t inBlock = 0;
        for (std::size_t i = block; i < end; ++i)
            inBlock = static_cast<uint8_t>(inBlock + (sentence[i] == ','));
        commas += inBlock;
    }
    return commas;
}

bool I62_CalFieldDelimiter(const char* sentence, int n)
{
    const int commas = I62_CountFieldDelimiters(sentence);
    return commas > 0 && commas == n;
}

std::size_t I62_MarkedLength(const char* text, std::size_t length)
{
    // Without a branch per character and in blocks whose count fits a byte, as above.
    std::size_t marked = length;
    const std::size_t pairs = length > 0 ? length - 1 : 0;
    for (std::size_t block = 0; block < pairs; block += kCountBlock) {
        const std::size_t end = pairs - block < kCountBlock ? pairs : block + kCountBlock;
        uint8_t inBlock = 0;
        for (std::size_t i = block; i < end; ++i)
            inBlock =
                static_cast<uint8_t>(inBlock + ((text[i] == ',') & ((text[i + 1] == ',') | (text[i + 1] == '*'))));
        marked += inBlock;
    }
    return marked;
}

bool I62_MarkEmptyFields(char* sentence, std::size_t length, std::size_t marked)
{
    if (marked > static_cast<std::size_t>(I62_MAX_SENTENCE_LEN))
        return false;
    // From comma to comma until every blank is in: each goes in behind its comma, the rest of
    // the text (and its end) moving up by one. What lies behind the last empty field is never
    // looked at.
    std::size_t end = length;
    std::size_t from = 0;
    while (end < marked) {
        const char* comma = static_cast<const char*>(std::memchr(sentence + from, ',', end - from));
        if (comma == nullptr)
            break; // a marked length that does not belong to this text
        const std::size_t i = static_cast<std::size_t>(comma - sentence);
        if (sentence[i + 1] == ',' || sentence[i + 1] == '*') {
            std::memmove(sentence + i + 2, sentence + i + 1, end - i);
            sentence[i + 1] = ' ';
            ++end;
        }
        from = i + 1;
    }
    sentence[end] = '\0';
    return true;
}

bool I62_PreParse(char* sentence)
{
    if (sentence == nullptr)
        return false;
    const std::size_t length = std::strlen(sentence);
    return I62_MarkEmptyFields(sentence, length, I62_MarkedLength(sentence, length));
}
