// The font record from the start-up arguments and the "Palette_Font" group of "profile.ini".
#include "palette/QtObjPalette.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>

namespace {

using P = QtObjPalette;
using Sizes = std::array<int, SPaletteFont::kStepCount>;

Sizes sizesOf(const PALETTE_FONT& font)
{
    Sizes sizes;
    std::copy(std::begin(font.sizes), std::end(font.sizes), sizes.begin());
    return sizes;
}

bool writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct SFontCase
{
    const char* name;
    const char* profile; // nullptr: no "profile.ini"
    int sizeNormal;
    float sizeZoom;
    Sizes sizes;
};

void PrintTo(const SFontCase& c, std::ostream* os)
{
    *os << c.name;
}

const Sizes kSizes14{7, 10, 11, 14, 16, 20, 24};
const Sizes kSizesZero{0, 0, 0, 0, 0, 0, 0};

class PaletteFont : public ::testing::TestWithParam<SFontCase>
{
};

// Start-up with "Tahoma", 14 and 1.0, then what the settings folder holds.
TEST_P(PaletteFont, StartUpThenProfile)
{
    const SFontCase& c = GetParam();
    QTemporaryDir dir;
    const QString profile = dir.filePath("profile.ini");
    if (c.profile != nullptr) {
        ASSERT_TRUE(writeText(profile, c.profile));
    }
    P::initialize(profile, "Tahoma", 14, 1.0);
    const PALETTE_FONT& font = P::font_s_Font();
    EXPECT_EQ(font.family, "Tahoma");
    EXPECT_EQ(font.sizeNormal, c.sizeNormal);
    EXPECT_FLOAT_EQ(font.sizeZoom, c.sizeZoom);
    EXPECT_EQ(sizesOf(font), c.sizes);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, PaletteFont,
    ::testing::Values(
        SFontCase{"no profile", nullptr, 14, 1.0f, kSizes14},
        SFontCase{"not enabled", "[Palette_Font]\nEnable=false\nSizeNormal=12\nSizeZoom=1.5\n", 14, 1.0f, kSizes14},
        SFontCase{"enable missing", "[Palette_Font]\nSizeNormal=12\nSizeZoom=1.5\n", 14, 1.0f, kSizes14},
        SFontCase{"other group only", "[Env_Setting]\nDebugMode=true\n", 14, 1.0f, kSizes14},
        SFontCase{"enabled",
                  "[Palette_Font]\nEnable=true\nSizeNormal=12\nSizeZoom=1.5\n",
                  12,
                  1.5f,
                  {9, 13, 14, 18, 21, 25, 31}},
        SFontCase{"enabled, keys missing", "[Palette_Font]\nEnable=true\n", 14, 1.0f, kSizes14},
        SFontCase{"negative zoom refused",
                  "[Palette_Font]\nEnable=true\nSizeNormal=12\nSizeZoom=-1\n",
                  12,
                  1.0f,
                  {6, 8, 10, 12, 14, 17, 20}},
        SFontCase{"size takes its low 8 bits",
                  "[Palette_Font]\nEnable=true\nSizeNormal=300\n",
                  44,
                  1.0f,
                  {22, 31, 35, 44, 51, 62, 75}},
        SFontCase{"size -1 is 255",
                  "[Palette_Font]\nEnable=true\nSizeNormal=-1\n",
                  255,
                  1.0f,
                  {128, 179, 204, 255, 37, 101, 178}},
        SFontCase{"size text reads as 0", "[Palette_Font]\nEnable=true\nSizeNormal=big\n", 0, 1.0f, kSizesZero},
        SFontCase{"zoom text reads as 0", "[Palette_Font]\nEnable=true\nSizeZoom=big\n", 14, 0.0f, kSizesZero},
        SFontCase{"zoom zero is taken", "[Palette_Font]\nEnable=true\nSizeZoom=0\n", 14, 0.0f, kSizesZero},
        // A size no byte holds: no undefined conversion, the derived sizes read 0.
        SFontCase{"zoom beyond every size", "[Palette_Font]\nEnable=true\nSizeZoom=1e30\n", 14, 1e30f, kSizesZero}),
    [](const ::testing::TestParamInfo<SFontCase>& info) { return "Case" + std::to_string(info.index); });

TEST(PaletteFontRecord, InitialValues)
{
    PALETTE_FONT font;
    P::initFontRecord(font);
    EXPECT_EQ(font.family, "Tahoma");
    const std::array<int, SPaletteFont::kLadderCount> ladder{4, 5, 6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 30};
    EXPECT_TRUE(std::equal(ladder.begin(), ladder.end(), std::begin(font.ladder)));
    EXPECT_EQ(font.sizeNormal, 12);
    EXPECT_FLOAT_EQ(font.sizeZoom, 1.0f);
    EXPECT_EQ(sizesOf(font), (Sizes{6, 8, 10, 12, 14, 17, 20}));
}

TEST(PaletteFontRecord, StartUpArgumentsSetFamilySizeAndZoom)
{
    P::initialize(QString(), "arial", 10, 2.0);
    const PALETTE_FONT& font = P::font_s_Font();
    EXPECT_EQ(font.family, "arial");
    EXPECT_EQ(font.sizeNormal, 10);
    EXPECT_FLOAT_EQ(font.sizeZoom, 2.0f);
    EXPECT_EQ(sizesOf(font), (Sizes{10, 14, 16, 20, 23, 28, 34}));
}

// The palettes only read "profile.ini": an existing file keeps its bytes and time stamp, a
// missing one is not created.
TEST(PaletteFontRecord, NeverWritesTheProfile)
{
    QTemporaryDir dir;
    const QString profile = dir.filePath("profile.ini");
    P::initialize(profile, "Tahoma", 14, 1.0);
    EXPECT_FALSE(QFileInfo::exists(profile));

    const QByteArray text = "[Palette_Font]\nEnable=true\n";
    ASSERT_TRUE(writeText(profile, text));
    const QDateTime modified = QFileInfo(profile).lastModified();
    P::initialize(profile, "Tahoma", 14, 1.0);
    EXPECT_EQ(readText(profile), text);
    EXPECT_EQ(QFileInfo(profile).lastModified(), modified);
}

TEST(PaletteFontSettings, WriteAddsOnlyMissingKeys)
{
    P::initialize(QString(), "Tahoma", 14, 1.0);
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    {
        QSettings settings(path, QSettings::IniFormat);
        P::writeProfileIni(&settings);
    }
    {
        const QSettings settings(path, QSettings::IniFormat);
        EXPECT_EQ(settings.value("/Palette_Font/Enable").toString(), QString("false"));
        EXPECT_EQ(settings.value("/Palette_Font/SizeNormal").toInt(), 14);
        EXPECT_EQ(settings.value("/Palette_Font/SizeZoom").toString(), QString("1"));
    }

    const QByteArray full = "[Palette_Font]\nEnable=true\nSizeNormal=20\nSizeZoom=2.5\n";
    ASSERT_TRUE(writeText(path, full));
    {
        QSettings settings(path, QSettings::IniFormat);
        P::writeProfileIni(&settings);
    }
    EXPECT_EQ(readText(path), full);
}

TEST(PaletteFontSettings, ReadStopsWhenNotEnabled)
{
    P::initialize(QString(), "Tahoma", 14, 1.0);
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    ASSERT_TRUE(writeText(path, "[Palette_Font]\nEnable=true\nSizeNormal=12\nSizeZoom=1.5\n"));
    const QSettings enabled(path, QSettings::IniFormat);
    P::readProfileIni(&enabled);
    EXPECT_EQ(P::font_s_Font().sizeNormal, 12);

    P::initialize(QString(), "Tahoma", 14, 1.0);
    ASSERT_TRUE(writeText(dir.filePath("off.ini"), "[Palette_Font]\nEnable=false\nSizeNormal=12\n"));
    const QSettings disabled(dir.filePath("off.ini"), QSettings::IniFormat);
    P::readProfileIni(&disabled);
    P::readProfileIni(nullptr);
    EXPECT_EQ(P::font_s_Font().sizeNormal, 14);
}

struct SFloatCase
{
    unsigned char decimals;
    float value;
    const char* text;
};

class FloatText : public ::testing::TestWithParam<SFloatCase>
{
};

TEST_P(FloatText, DropsTrailingZeroDecimals)
{
    const SFloatCase& c = GetParam();
    EXPECT_EQ(P::getFloatStr(c.decimals, c.value).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Values, FloatText,
                         ::testing::Values(SFloatCase{3, 1.0f, "1"}, SFloatCase{3, 1.5f, "1.5"},
                                           SFloatCase{3, 1.25f, "1.25"}, SFloatCase{3, 0.875f, "0.875"},
                                           SFloatCase{3, 0.0f, "0"}, SFloatCase{2, 0.05f, "0.05"},
                                           SFloatCase{3, 1.0001f, "1"}, SFloatCase{1, -1.5f, "-1.5"},
                                           SFloatCase{0, 2.4f, "2"}, SFloatCase{0, 2.6f, "3"},
                                           SFloatCase{3, 12.0f, "12"}, SFloatCase{2, 3.14159f, "3.14"}));

} // namespace
