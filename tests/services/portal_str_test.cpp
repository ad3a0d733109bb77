#include "services/PortalStr.h"

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
        std::size_t size;
        const char* text;
    } cases[] = {
        {12.30, 2, 64, "12.3"}, {12.00, 2, 64, "12"},    {0.001, 2, 64, "0"},
        {-0.04, 1, 64, "-0"},   {100.0, 2, 64, "100"},   {22.687, 1, 64, "22.7"},
        {9.999, 2, 64, "10"},   {-3.25, 2, 64, "-3.25"}, {120.0, 0, 64, "120"}, // without decimals whole zeros stay
        {1e6, 2, 4, "100"}, // cut after trimming: a prefix of the right text, never "1"
        {5.5, 1, 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(doubleText(c.value, c.decimals, c.size), c.text) << c.value << " with " << int(c.decimals);
}

TEST(PortalStrTest, IntTextReturnsItsLength)
{
    char text[16];
    EXPECT_EQ(ConvtIntToChar(text, sizeof(text), -2147483647 - 1), 11);
    EXPECT_STREQ(text, "-2147483648");
    EXPECT_EQ(ConvtIntToChar(text, 4, 123456), 3);
    EXPECT_STREQ(text, "123");
}

TEST(PortalStrTest, TrimEndAndSafeCopy)
{
    char text[] = "12.500,.";
    EXPECT_EQ(TrimEnd(text, ".,0"), 4);
    EXPECT_STREQ(text, "12.5");
    EXPECT_EQ(TrimEnd(text, ""), 4);
    char all[] = "000";
    EXPECT_EQ(TrimEnd(all, "0"), 0);

    char copy[4];
    EXPECT_EQ(SafeStrCpy(copy, "abcdef", sizeof(copy)), 3u);
    EXPECT_STREQ(copy, "abc");
    EXPECT_EQ(SafeStrCpy(copy, nullptr, sizeof(copy)), 0u);
    EXPECT_STREQ(copy, "");
}

TEST(PortalStrTest, StrToDoubleTakesADecimalComma)
{
    EXPECT_DOUBLE_EQ(ConvtStrToDouble("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(ConvtStrToDouble(",5"), 0.0);
    EXPECT_DOUBLE_EQ(ConvtStrToDouble("3.5abc"), 3.5);
    EXPECT_DOUBLE_EQ(ConvtStrToDouble(nullptr), 0.0);
    const std::string longText = "1," + std::string(5000, '5');
    EXPECT_NEAR(ConvtStrToDouble(longText.c_str()), 1.5555555, 1e-6);
}

TEST(PortalStrTest, HexStringToBytes)
{
    unsigned char bytes[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(ConvtHexStrToChar(bytes, sizeof(bytes), "0aF"), 1);
    EXPECT_EQ(bytes[0], 0x0A);
    EXPECT_EQ(bytes[1], 0xEE); // no terminator
    EXPECT_EQ(ConvtHexStrToChar(bytes, sizeof(bytes), "FFz1"), 2);
    EXPECT_EQ(bytes[1], 0x01); // a non-hex digit counts as 0
    EXPECT_EQ(ConvtHexStrToChar(bytes, 2, "0102030405"), 2);
}

TEST(PortalStrTest, UpperCaseOnlyAsciiLetters)
{
    char text[] = "ok +err \xC3\xA9 z9";
    UpperCase(text);
    EXPECT_STREQ(text, "OK +ERR \xC3\xA9 Z9");
}
