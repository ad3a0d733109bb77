#include "PortalStr.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Portal {
namespace Str {

std::size_t SafeStrCpy(char* dst, const char* src, std::size_t size)
{
    if (dst == nullptr || size == 0)
        return 0;
    std::size_t length = 0;
    if (src != nullptr) {
        while (length + 1 < size && src[length] != '\0')
            ++length;
        std::memcpy(dst, src, length);
    }
    dst[length] = '\0';
    return length;
}

int ConvtIntToChar(char* dst, std::size_t size, int value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%d", value);
    return static_cast<int>(SafeStrCpy(dst, text, size));
}

void ConvtDoubleToChar(char* dst, std::size_t size, double value, char decimals)
{
    // Formatted and trimmed whole before it is cut to the destination, so a cut text
    // is still a prefix of the right one.
    const int places = decimals > 0 ? decimals : 0;
    const int length = std::snprintf(nullptr, 0, "%.*f", places, value);
    if (length < 0) {
        SafeStrCpy(dst, "", size);
        return;
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(&text[0], text.size(), "%.*f", places, value);
    // Only fractional zeros go: without decimals "120" stays "120".
    if (places > 0) {
        TrimEnd(&text[0], "0");
        TrimEnd(&text[0], ".,");
    }
    SafeStrCpy(dst, text.c_str(), size);
}

void ConvtFloatToChar(char* dst, std::size_t size, float value, char decimals)
{
    ConvtDoubleToChar(dst, size, static_cast<double>(value), decimals);
}

int TrimEnd(char* text, const std::string& set)
{
    if (text == nullptr)
        return 0;
    std::size_t length = std::strlen(text);
    if (set.empty())
        return static_cast<int>(length);
    while (length > 0 && set.find(text[length - 1]) != std::string::npos)
        text[--length] = '\0';
    return static_cast<int>(length);
}

double ConvtStrToDouble(const char* text)
{
    if (text == nullptr)
        return 0.0;
    std::string copy(text);
    const std::size_t comma = copy.find(',');
    if (comma != std::string::npos && comma > 0)
        copy[comma] = '.';
    return std::atof(copy.c_str());
}

int ConvtHexCharToInt(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return 0;
}

int ConvtHexStrToChar(unsigned char* dst, std::size_t size, const char* hex)
{
    if (dst == nullptr || hex == nullptr)
        return 0;
    std::size_t count = 0;
    while (count < size && hex[2 * count] != '\0' && hex[2 * count + 1] != '\0') {
        dst[count] =
            static_cast<unsigned char>(ConvtHexCharToInt(hex[2 * count]) * 16 + ConvtHexCharToInt(hex[2 * count + 1]));
        ++count;
    }
    return static_cast<int>(count);
}

void UpperCase(char* text)
{
    if (text == nullptr)
        return;
    for (; *text != '\0'; ++text) {
        if (*text >= 'a' && *text <= 'z')
            *text = static_cast<char>(*text - 'a' + 'A');
    }
}

} // namespace Str
} // namespace Portal
