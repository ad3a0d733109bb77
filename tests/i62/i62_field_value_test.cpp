#include "i62/I62FieldValue.h"

#include <gtest/gtest.h>

#include <climits>

// Whole numbers read as the C library reads them: a sign, the digits up to the first other
// character, the limits of long for numbers beyond them, 0 for text that is no number.
TEST(FieldWholeNumber, ReadsAsStrtolDoes)
{
    const struct
    {
        const char* field;
        long value;
    } cases[] = {
        {"0", 0},
        {"7", 7},
        {"-3", -3},
        {"+12", 12},
        {"-0", 0},
        {"12.7", 12},
        {"5A", 5},
        {"A5", 0},
        {"-", 0},
        {"+", 0},
        {"--1", 0},
        {"\t42", 42},
        {"999999999", 999999999},
        {"999999999999999999", 999999999999999999L},   // eighteen digits
        {"-999999999999999999", -999999999999999999L}, // and negative
        {"9223372036854775807", LONG_MAX},             // nineteen digits, the limit itself
        {"9223372036854775808", LONG_MAX},             // beyond it
        {"-9223372036854775809", LONG_MIN},            // below the other limit
        {"000000000000000000000000042", 42},           // leading zeros beyond eighteen digits
    };
    for (const auto& c : cases)
        EXPECT_EQ(I62_FieldLong(c.field, -1), c.value) << c.field;
    // A field the pre-parse marked empty, or one missing altogether, gives the empty value.
    EXPECT_EQ(I62_FieldLong(" ", -1), -1);
    EXPECT_EQ(I62_FieldLong("", -1), -1);
    EXPECT_EQ(I62_FieldLong(nullptr, -1), -1);
    EXPECT_EQ(I62_FieldU8("300"), 44); // wraps as an integer cast would
}

// Text copies stop at the stop character, at the end of the text or at the destination's size.
TEST(FieldText, CopiesUpToTheStopOrTheSize)
{
    char out[6];
    I62_TextUpTo(out, sizeof(out), "AB*CD", '*');
    EXPECT_STREQ(out, "AB");
    I62_TextUpTo(out, sizeof(out), "ABCDEFGH", '*');
    EXPECT_STREQ(out, "ABCDE");
    I62_TextUpTo(out, sizeof(out), "ABCDE*", '*');
    EXPECT_STREQ(out, "ABCDE");
    I62_TextUpTo(out, sizeof(out), "ABCDEF*", '*');
    EXPECT_STREQ(out, "ABCDE");
    I62_TextUpTo(out, sizeof(out), nullptr, '*');
    EXPECT_STREQ(out, "");
    I62_FieldText(out, sizeof(out), "XYZ");
    EXPECT_STREQ(out, "XYZ");
    I62_FieldText(out, sizeof(out), " ");
    EXPECT_STREQ(out, "");
    // The copy reads no further than the text's own end.
    const char shortText[2] = {'Q', '\0'};
    I62_FieldText(out, sizeof(out), shortText);
    EXPECT_STREQ(out, "Q");
}
