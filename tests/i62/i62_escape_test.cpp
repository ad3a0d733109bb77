#include "i62/I62Escape.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(Escape, RoundTripsReservedCharacters)
{
    char out[32];
    SpecialCharToI62(out, "a,b", sizeof(out));
    EXPECT_STREQ(out, "a^2Cb");
    EXPECT_TRUE(I62_SpecialChar(out));
    EXPECT_STREQ(out, "a,b");

    SpecialCharToI62(out, "!$*\\^~\t", sizeof(out));
    EXPECT_STREQ(out, "^21^24^2A^5C^5E^7E^09");
    EXPECT_TRUE(I62_SpecialChar(out));
    EXPECT_STREQ(out, "!$*\\^~\t");

    char plain[] = "NO ESCAPES";
    EXPECT_FALSE(I62_SpecialChar(plain));
    char broken[] = "A^2 and ^zz^";
    EXPECT_TRUE(I62_SpecialChar(broken));
    EXPECT_STREQ(broken, "A^2 and ^zz^");
}

TEST(Escape, NeverWritesPastTheDestination)
{
    const std::string commas(100, ',');
    char out[32];
    std::memset(out, 'x', sizeof(out));
    SpecialCharToI62(out, commas.c_str(), 10);
    EXPECT_STREQ(out, "^2C^2C^2C");
    EXPECT_EQ(out[10], 'x');
}
