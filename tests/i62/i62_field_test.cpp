#include "i62/I62Field.h"
#include "i62/I62Frame.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

I62_DEGREE degreeOf(std::string fields)
{
    static char text[128];
    std::snprintf(text, sizeof(text), "%s,X", fields.c_str());
    I62_DEGREE d{0, 0};
    I62_GetDegree(StrToken(text, ","), &d);
    return d;
}

I62_UTC_TIME timeOf(const char* field)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%s", field);
    I62_UTC_TIME t{0, 0, 0, 0};
    I62_GetTime(text, &t);
    return t;
}

} // namespace

TEST(FieldPosition, ConvertsAndMarksNotAvailable)
{
    const struct
    {
        const char* fields;
        double latitude;
        double longitude;
    } cases[] = {
        {"4916.45,N,12311.12,W", 49.274167, -123.185333},
        {"3348.1234,S,15112.5000,E", -33.802057, 151.208333},
        {"9130.00,N,18100.00,E", 91.0, 181.0},
        {" ,N, ,E", 91.0, 181.0},
        {" ,S, ,W", -91.0, -181.0},
        {"0000.00,N,00000.00,E", 0.0, 0.0},
    };
    for (const auto& c : cases) {
        const I62_DEGREE d = degreeOf(c.fields);
        EXPECT_NEAR(d.latitude, c.latitude, 1e-5) << c.fields;
        EXPECT_NEAR(d.longitude, c.longitude, 1e-4) << c.fields;
    }
    EXPECT_DOUBLE_EQ(I62_Conv2Deg(9130.0, 90.0), 91.0);
    EXPECT_DOUBLE_EQ(I62_Conv2Deg(4530.0, 90.0), 45.5);
}

TEST(FieldPosition, DecimalPointDoesNotFollowTheLocale)
{
    // A locale with a decimal comma, built into the test's own folder when none is installed.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old != nullptr ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::system("localedef -i de_DE -f UTF-8 ./de_DE.UTF-8 >/dev/null 2>&1") == 0) {
        setenv("LOCPATH", ".", 1);
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    }
    if (std::string(std::setlocale(LC_NUMERIC, nullptr)) != "de_DE.UTF-8")
        GTEST_SKIP() << "no locale with a decimal comma";
    ASSERT_EQ(std::atof("12.5"), 12.0); // what a locale-bound reader would make of it
    EXPECT_NEAR(degreeOf("4916.45,N,12311.12,W").latitude, 49.274167, 1e-5);
    EXPECT_DOUBLE_EQ(I62_Atof(" 12.5"), 12.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
    unsetenv("LOCPATH");
}

TEST(FieldTime, SplitsAndRoundsHundredths)
{
    const struct
    {
        const char* field;
        int h, m, s, cs;
    } cases[] = {
        {"123456.78", 12, 34, 56, 78}, {"235959.99", 23, 59, 59, 99}, {"000000.01", 0, 0, 0, 1},
        {"101010", 10, 10, 10, 0},     {"120000.50", 12, 0, 0, 50},   {"225444.125", 22, 54, 44, 13},
        {"235959.995", 23, 59, 59, 99}, {"120000.999", 12, 0, 0, 99}, // rounding never reaches 100
    };
    for (const auto& c : cases) {
        const I62_UTC_TIME t = timeOf(c.field);
        EXPECT_EQ(t.hour, c.h) << c.field;
        EXPECT_EQ(t.minute, c.m) << c.field;
        EXPECT_EQ(t.second, c.s) << c.field;
        EXPECT_EQ(t.hundredths, c.cs) << c.field;
    }
    // Every hundredth of a second comes back as written.
    for (int cs = 0; cs < 100; ++cs) {
        char field[16];
        std::snprintf(field, sizeof(field), "081500.%02d", cs);
        EXPECT_EQ(timeOf(field).hundredths, cs) << field;
    }
    // Empty, negative and overlong numbers are no time of day.
    for (const char* field : {" ", "-123456", "999999999999999999999999999999"}) {
        const I62_UTC_TIME t = timeOf(field);
        EXPECT_EQ(t.hour, I62_HOUR_NA) << field;
        EXPECT_EQ(t.minute, I62_MINUTE_NA) << field;
        EXPECT_EQ(t.second, I62_SECOND_NA) << field;
    }
}

TEST(FieldDate, ShortAndLongForms)
{
    char text[] = "010299,next,";
    I62_DATE date{};
    EXPECT_STREQ(I62_GetDate(StrToken(text, ","), &date), "next");
    EXPECT_EQ(date.year, 2099);
    EXPECT_EQ(date.month, 2);
    EXPECT_EQ(date.day, 1);
    char blank[] = " ,x";
    I62_GetDate(StrToken(blank, ","), &date);
    EXPECT_EQ(date.year, 0);
    EXPECT_EQ(date.month, 0);
    EXPECT_EQ(date.day, 0);
    char longForm[] = "31122024,x";
    LRng_DATE lr{};
    I62_GetLRngDate(StrToken(longForm, ","), &lr);
    EXPECT_EQ(lr.year, 2024);
    EXPECT_EQ(lr.month, 12);
    EXPECT_EQ(lr.day, 31);
}

TEST(FieldSixBit, ArmouringCharacters)
{
    EXPECT_EQ(I62_ConvSix2Ascii(0), '0');
    EXPECT_EQ(I62_ConvSix2Ascii(39), 'W');
    EXPECT_EQ(I62_ConvSix2Ascii(40), '`');
    EXPECT_EQ(I62_ConvSix2Ascii(63), 'w');
    EXPECT_EQ(static_cast<uint8_t>(I62_ConvSix2Ascii(64)), 0xFF);
    for (int v = 0; v < 64; ++v)
        EXPECT_EQ(I62_ConvAscii2Six(static_cast<uint8_t>(I62_ConvSix2Ascii(static_cast<uint8_t>(v)))), v);
    for (char c : {'X', 'x', '_', '/', ' ', '\0'})
        EXPECT_EQ(I62_ConvAscii2Six(static_cast<uint8_t>(c)), I62_SIXBIT_INVALID) << c;
}

TEST(FieldHex, OneByte)
{
    uint8_t v = 0;
    EXPECT_TRUE(HexStrToHexValue_Byte("7E", &v));
    EXPECT_EQ(v, 0x7E);
    EXPECT_TRUE(HexStrToHexValue_Byte("", &v));
    EXPECT_EQ(v, 0);
    EXPECT_FALSE(HexStrToHexValue_Byte("3g", &v));
    EXPECT_EQ(v, 3);
    EXPECT_FALSE(HexStrToHexValue_Byte("ab", &v));
}

TEST(FieldDegMin, SplitsForComposing)
{
    short d = 0;
    short m = 0;
    long f = 0;
    EXPECT_EQ(I62_Deg2DegMin(49.5, &d, &m, &f), 0);
    EXPECT_EQ(d, 49);
    EXPECT_EQ(m, 30);
    I62_Deg2DegMin(12.25, &d, &m, &f);
    EXPECT_EQ(d, 12);
    EXPECT_EQ(m, 15);
    EXPECT_EQ(f, 0);
}
