#include "services/PortalStr.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

using namespace Portal::Str;

namespace {

std::string doubleText(double value, char decimals, std::size_t size = 64)
{
    char text[64];
    ConvtDoubleToChar(text, size, value, decimals);
    return text;
}

} // namespace

TEST(PortalStrTest, DoubleTextDropsTrailingZerosAndPoint)
{
    const struct
    {
        double value;
        char decimals;
        const char* text;
    } cases[] = {
        {12.30, 2, "12.3"}, {12.00, 2, "12"},   {0.001, 2, "0"},        {-0.04, 1, "-0"},   {12.0, 1, "12"},
        {100.0, 2, "100"},  {2778.0, 2, "2778"}, {22.687, 1, "22.7"},   {-3.25, 2, "-3.25"}, {0.5, 1, "0.5"},
        {1.05, 2, "1.05"},  {1e6, 1, "1000000"}, {-0.0, 1, "-0"},        {9.999, 2, "10"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(doubleText(c.value, c.decimals), c.text) << c.value << " with " << int(c.decimals);
}

TEST(PortalStrTest, DoubleTextWithoutDecimalsKeepsWholeZeros)
{
    EXPECT_EQ(doubleText(120.0, 0), "120");
}

TEST(PortalStrTest, DoubleTextIsCutToCapacityAfterTrimming)
{
    // "1000000" cut to four bytes is a prefix of the right text, never a trimmed "1".
    EXPECT_EQ(doubleText(1e6, 2, 4), "100");
    EXPECT_EQ(doubleText(1e300, 2, 8), "1000000");
    char one[1] = {'x'};
    ConvtDoubleToChar(one, sizeof(one), 5.5, 1);
    EXPECT_EQ(one[0], '\0');
}

TEST(PortalStrTest, FloatTextWidensToDouble)
{
    char text[16];
    ConvtFloatToChar(text, sizeof(text), 12.25f, 1);
    EXPECT_STREQ(text, "12.2");  // 12.25 is exact and prints round-half-even
    ConvtFloatToChar(text, sizeof(text), 0.1f, 2);
    EXPECT_STREQ(text, "0.1");
}

TEST(PortalStrTest, IntTextReturnsItsLength)
{
    char text[16];
    EXPECT_EQ(ConvtIntToChar(text, sizeof(text), -2147483647 - 1), 11);
    EXPECT_STREQ(text, "-2147483648");
    EXPECT_EQ(ConvtIntToChar(text, sizeof(text), 0), 1);
    EXPECT_STREQ(text, "0");
    char small[4];
    EXPECT_EQ(ConvtIntToChar(small, sizeof(small), 123456), 3);
    EXPECT_STREQ(small, "123");
}

TEST(PortalStrTest, TrimEndStopsAtTheFirstCharacterOutsideTheSet)
{
    char text[] = "12.500,.";
    EXPECT_EQ(TrimEnd(text, ".,0"), 4);
    EXPECT_STREQ(text, "12.5");
    char all[] = "000";
    EXPECT_EQ(TrimEnd(all, "0"), 0);
    char kept[] = "abc";
    EXPECT_EQ(TrimEnd(kept, ""), 3);
    char empty[] = "";
    EXPECT_EQ(TrimEnd(empty, "x"), 0);
}

TEST(PortalStrTest, StrToDoubleTakesADecimalComma)
{
    EXPECT_DOUBLE_EQ(ConvtStrToDouble("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(ConvtStrToDouble(",5"), 0.0);
    EXPECT_DOUBLE_EQ(ConvtStrToDouble("-7.25"), -7.25);
    EXPECT_DOUBLE_EQ(ConvtStrToDouble("3.5abc"), 3.5);
    EXPECT_DOUBLE_EQ(ConvtStrToDouble("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ConvtStrToDouble(""), 0.0);
    EXPECT_DOUBLE_EQ(ConvtStrToDouble(nullptr), 0.0);
    const std::string longText = "1," + std::string(5000, '5');
    EXPECT_NEAR(ConvtStrToDouble(longText.c_str()), 1.5555555, 1e-6);
}

TEST(PortalStrTest, HexDigits)
{
    const char digits[] = "0123456789ABCDEFabcdef";
    const int values[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15};
    for (std::size_t i = 0; i < sizeof(values) / sizeof(values[0]); ++i)
        EXPECT_EQ(ConvtHexCharToInt(digits[i]), values[i]) << digits[i];
    EXPECT_EQ(ConvtHexCharToInt('g'), 0);
    EXPECT_EQ(ConvtHexCharToInt(' '), 0);
}

TEST(PortalStrTest, HexStringToBytes)
{
    unsigned char bytes[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(ConvtHexStrToChar(bytes, sizeof(bytes), "0aF"), 1);
    EXPECT_EQ(bytes[0], 0x0A);
    EXPECT_EQ(bytes[1], 0xEE);  // no terminator written

    EXPECT_EQ(ConvtHexStrToChar(bytes, sizeof(bytes), "FFz1"), 2);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0x01);  // a non-hex digit counts as 0

    // Capacity bounds the bytes written.
    unsigned char two[2] = {};
    EXPECT_EQ(ConvtHexStrToChar(two, sizeof(two), "0102030405"), 2);
    EXPECT_EQ(two[1], 0x02);
}

TEST(PortalStrTest, UpperCaseOnlyAsciiLetters)
{
    char text[] = "ok +err \xC3\xA9 z9";
    UpperCase(text);
    EXPECT_STREQ(text, "OK +ERR \xC3\xA9 Z9");
    char empty[] = "";
    UpperCase(empty);
    EXPECT_STREQ(empty, "");
}

TEST(PortalStrTest, SafeStrCpyIsBoundedAndTerminated)
{
    char text[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(SafeStrCpy(text, "abcdef", sizeof(text)), 3u);
    EXPECT_STREQ(text, "abc");
    EXPECT_EQ(SafeStrCpy(text, nullptr, sizeof(text)), 0u);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(SafeStrCpy(text, "ab", 0), 0u);
}
