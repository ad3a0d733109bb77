#include "i62/I62Frame.h"

#include <gtest/gtest.h>

#include <thread>

#include <cstring>
#include <string>

namespace {

// A GLL sentence as IEC 61162-1 shows it, with its checksum.
const char* const kGll = "$GPGLL,4916.45,N,12311.12,W,225444,A,*1D\r\n";

uint8_t checksumOf(std::string text)
{
    char buffer[I62_SENTENCE_BUF_SIZE] = {};
    std::strncpy(buffer, text.c_str(), sizeof(buffer) - 1);
    return I62_Parse_CheckSum(buffer);
}

} // namespace

TEST(Checksum, TestsTheTwoDigits)
{
    EXPECT_EQ(checksumOf(kGll), I62_CHECKSUM_OK);
    std::string changed = kGll;
    changed[10] = '7';
    EXPECT_EQ(checksumOf(changed), I62_CHECKSUM_ERROR);
    EXPECT_EQ(checksumOf("!AIVDM,1,1,,B,177KQJ5000G?tO`K>RA1wUbN0TKH,0*5c\r\n"), I62_CHECKSUM_ERROR);
    EXPECT_EQ(checksumOf("!AIVDM,1,1,,B,15M67FC000G?ufbE`FepT@3n00Sa,0*5C\r\n"), I62_CHECKSUM_OK);
    EXPECT_EQ(checksumOf("$A*"), I62_CHECKSUM_ERROR);
}

TEST(Checksum, MissingChecksumBecomesFF)
{
    char buffer[I62_SENTENCE_BUF_SIZE] = "$GPZDA,201530.00,04,07,2002,00,00\r\n";
    EXPECT_EQ(I62_Parse_CheckSum(buffer), I62_CHECKSUM_MISSING);
    EXPECT_STREQ(buffer, "$GPZDA,201530.00,04,07,2002,00,00*FF\r\n");

    // The longest text the handler keeps still takes the rewrite; a buffer without room refuses it.
    std::string longest(I62_MAX_SENTENCE_LEN, 'A');
    longest[0] = '$';
    longest += "\r\n";
    char big[I62_SENTENCE_BUF_SIZE] = {};
    std::memcpy(big, longest.c_str(), longest.size());
    EXPECT_EQ(I62_Parse_CheckSum(big, sizeof(big)), I62_CHECKSUM_MISSING);
    EXPECT_EQ(std::strlen(big), longest.size() + 3);
    char tight[15] = "$GPZDA,1,2\r\n";
    EXPECT_EQ(I62_Parse_CheckSum(tight, sizeof(tight)), I62_CHECKSUM_ERROR);
    EXPECT_STREQ(tight, "$GPZDA,1,2\r\n");
}

TEST(Checksum, LowerCaseOnlyForTheFirstDigit)
{
    // A body whose checksum has a letter in both digits (a byte from 0x80 up gives the first one).
    char sentence[32] = {};
    char* star = nullptr;
    for (int c = 0xA0; c <= 0xFF && star == nullptr; ++c) {
        for (char d = '0'; d <= 'z' && star == nullptr; ++d) {
            std::snprintf(sentence, sizeof(sentence), "$GPTXT,%c%c", c, d);
            ASSERT_TRUE(I62_Compose_CheckSum(sentence));
            char* at = std::strchr(sentence, '*');
            if (at[1] >= 'A' && at[2] >= 'A')
                star = at;
        }
    }
    ASSERT_NE(star, nullptr);
    star[1] = static_cast<char>(star[1] + 32);
    EXPECT_EQ(checksumOf(sentence), I62_CHECKSUM_OK);
    star[2] = static_cast<char>(star[2] + 32);
    EXPECT_EQ(checksumOf(sentence), I62_CHECKSUM_ERROR);
}

TEST(Checksum, ComposeAppendsDigitsAndLineEnd)
{
    char buffer[32] = "$ABCD";
    EXPECT_TRUE(I62_Compose_CheckSum(buffer));
    const int sum = 'A' ^ 'B' ^ 'C' ^ 'D';
    char expected[32];
    std::snprintf(expected, sizeof(expected), "$ABCD*%02X\r\n", sum);
    EXPECT_STREQ(buffer, expected);
    EXPECT_EQ(checksumOf(buffer), I62_CHECKSUM_OK);
}

TEST(Tokenizer, KeepsBlankFieldsAndDropsTheTail)
{
    char text[] = "A,  5,   ,,B";
    EXPECT_STREQ(StrToken(text, ","), "A");
    EXPECT_STREQ(StrToken(nullptr, ","), "5");
    EXPECT_STREQ(StrToken(nullptr, ","), "   ");
    EXPECT_STREQ(StrToken(nullptr, ","), "");
    EXPECT_EQ(StrToken(nullptr, ","), nullptr); // B follows the last comma
    EXPECT_EQ(StrTokenPtr, nullptr);
    EXPECT_EQ(StrToken(nullptr, ","), nullptr);

    // Only the first delimiter character counts; the last field is read up to '*'.
    char sentence[] = "$GPZDA,12*5A";
    EXPECT_STREQ(StrToken(sentence, ",*"), "$GPZDA");
    EXPECT_STREQ(StrToken(nullptr, "*"), "12");
}

TEST(Tokenizer, EmptyFieldsGetABlank)
{
    char gga[I62_SENTENCE_BUF_SIZE] = "$GPGGA,,,,,,,,,,,,,,*56\r\n";
    ASSERT_TRUE(I62_PreParse(gga));
    EXPECT_STREQ(gga, "$GPGGA, , , , , , , , , , , , , , *56\r\n");
    EXPECT_TRUE(I62_CalFieldDelimiter(gga, 14));
    EXPECT_FALSE(I62_CalFieldDelimiter(gga, 13));
    EXPECT_FALSE(I62_CalFieldDelimiter("$GPTXT*00", 0));
    StrToken(gga, ",");
    for (int i = 0; i < 13; ++i)
        EXPECT_STREQ(StrToken(nullptr, ","), " ") << i;
    EXPECT_STREQ(StrToken(nullptr, "*"), " ");

    // A copy that would pass 200 characters is refused and the text stays.
    std::string wide = "$GPGSA" + std::string(95, ',') + "*00\r\n";
    char buffer[I62_SENTENCE_BUF_SIZE] = {};
    std::memcpy(buffer, wide.c_str(), wide.size());
    EXPECT_FALSE(I62_PreParse(buffer));
    EXPECT_EQ(std::string(buffer), wide);
}

// Blanks go behind every empty field wherever it lies; the last field's comma before '*' counts,
// a comma at the very end does not, and the text may grow to 200 characters but no further.
TEST(Tokenizer, EmptyFieldsAnywhereAndTheLengthLimit)
{
    const struct
    {
        const char* received;
        const char* marked;
    } cases[] = {
        {"!AIVDM,1,1,,B,15M67FC000G?ufbE`FepT@3n00Sa,0*5C\r\n", "!AIVDM,1,1, ,B,15M67FC000G?ufbE`FepT@3n00Sa,0*5C\r\n"},
        {"$GPGGA,,1,,,2,,*00\r\n", "$GPGGA, ,1, , ,2, , *00\r\n"},
        {"$GPHDT,274.07,*00\r\n", "$GPHDT,274.07, *00\r\n"},
        {"$GPHDT,274.07,T*00\r\n", "$GPHDT,274.07,T*00\r\n"},
        {"$A,", "$A,"},
        {",,", ", ,"},
        {"", ""},
    };
    for (const auto& c : cases) {
        char buffer[I62_SENTENCE_BUF_SIZE] = {};
        std::strcpy(buffer, c.received);
        ASSERT_TRUE(I62_PreParse(buffer)) << c.received;
        EXPECT_STREQ(buffer, c.marked);
    }
    for (std::size_t empties : {1u, 2u, 3u}) {
        // 198 characters and the empties' blanks: up to 200 taken, beyond refused untouched.
        std::string text = "$GPTXT" + std::string(empties, ',') + "*";
        text += std::string(198 - text.size(), 'x');
        char buffer[I62_SENTENCE_BUF_SIZE] = {};
        std::strcpy(buffer, text.c_str());
        EXPECT_EQ(I62_PreParse(buffer), 198 + empties <= 200) << empties;
        if (198 + empties > 200)
            EXPECT_EQ(std::string(buffer), text);
        else
            EXPECT_EQ(std::strlen(buffer), 198 + empties);
    }
}

TEST(StrTokenThreads, AnotherThreadDoesNotMoveThisThreadsCursor)
{
    char mine[] = "A,B,C,";
    EXPECT_STREQ(StrToken(mine, ","), "A");
    std::thread([] {
        char theirs[] = "X,Y,";
        EXPECT_STREQ(StrToken(theirs, ","), "X");
        EXPECT_STREQ(StrToken(nullptr, ","), "Y");
    }).join();
    EXPECT_STREQ(StrToken(nullptr, ","), "B");
    EXPECT_STREQ(StrToken(nullptr, ","), "C");
}
