// The process-wide font record and its "Palette_Font" settings.
#include "QtObjPalette.h"

#include <QFileInfo>
#include <QSettings>

#include <cmath>
#include <limits>

namespace {

const uint8_t kLadder[SPaletteFont::kLadderCount] = {4, 5, 6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 30};
const double kStepFactor[SPaletteFont::kStepCount] = {0.5, 0.7, 0.8, 1.0, 1.15, 1.4, 1.7};
constexpr uint8_t kInitialSizeNormal = 12;
constexpr float kInitialSizeZoom = 1.0f;

QString keyOf(const char* name)
{
    return QString::asprintf("/%s/%s", QtObjPalette::kFontGroup, name);
}

// The integer part; a value no int holds (a huge or non-numeric zoom from the settings file)
// gives 0 rather than an undefined conversion.
long long integerPart(double value)
{
    if (!std::isfinite(value) || value >= static_cast<double>(std::numeric_limits<int>::max()) + 1.0 ||
        value <= static_cast<double>(std::numeric_limits<int>::min()) - 1.0)
        return 0;
    return static_cast<int>(value);
}

} // namespace

PALETTE_FONT& QtObjPalette::fontRecord()
{
    static PALETTE_FONT font = [] {
        PALETTE_FONT initial;
        initFontRecord(initial);
        return initial;
    }();
    return font;
}

const PALETTE_FONT& QtObjPalette::font_s_Font()
{
    return fontRecord();
}

void QtObjPalette::initFontRecord(PALETTE_FONT& font)
{
    font.family = "Tahoma";
    std::copy(std::begin(kLadder), std::end(kLadder), std::begin(font.ladder));
    font.sizeNormal = kInitialSizeNormal;
    font.sizeZoom = kInitialSizeZoom;
    updateSizes(font);
}

void QtObjPalette::updateSizes(PALETTE_FONT& font)
{
    for (int i = 0; i < SPaletteFont::kStepCount; ++i)
        font.sizes[i] = static_cast<uint8_t>(
            integerPart(font.sizeNormal * kStepFactor[i] * static_cast<double>(font.sizeZoom) + 0.5));
}

void QtObjPalette::setSizeNormal(PALETTE_FONT& font, unsigned char sizeNormal)
{
    font.sizeNormal = sizeNormal;
    updateSizes(font);
}

void QtObjPalette::setSizeZoom(PALETTE_FONT& font, float sizeZoom)
{
    font.sizeZoom = sizeZoom;
    updateSizes(font);
}

void QtObjPalette::initialize(const QString& profileIni, const std::string& family, unsigned char sizeNormal,
                              double sizeZoom)
{
    PALETTE_FONT& font = fontRecord();
    font.family = family;
    setSizeNormal(font, sizeNormal);
    setSizeZoom(font, static_cast<float>(sizeZoom));
    // Only read: a settings object that is never written leaves the file as it is, and a
    // missing file is not created.
    if (profileIni.isEmpty() || !QFileInfo(profileIni).isFile())
        return;
    const QSettings settings(profileIni, QSettings::IniFormat);
    readProfileIni(&settings);
}

void QtObjPalette::readProfileIni(const QSettings* settings)
{
    if (settings == nullptr || !settings->value(keyOf("Enable"), false).toBool())
        return;
    PALETTE_FONT& font = fontRecord();
    const int sizeNormal = settings->value(keyOf("SizeNormal"), font.sizeNormal).toInt();
    setSizeNormal(font, static_cast<unsigned char>(sizeNormal & 0xFF));
    const float sizeZoom = settings->value(keyOf("SizeZoom"), font.sizeZoom).toFloat();
    if (!(sizeZoom < 0))
        setSizeZoom(font, sizeZoom);
    else
        updateSizes(font);
}

void QtObjPalette::writeProfileIni(QSettings* settings)
{
    if (settings == nullptr)
        return;
    const PALETTE_FONT& font = fontRecord();
    if (!settings->contains(keyOf("Enable")))
        settings->setValue(keyOf("Enable"), false);
    if (!settings->contains(keyOf("SizeNormal")))
        settings->setValue(keyOf("SizeNormal"), static_cast<int>(font.sizeNormal));
    if (!settings->contains(keyOf("SizeZoom")))
        settings->setValue(keyOf("SizeZoom"), getFloatStr(3, font.sizeZoom));
}

QString QtObjPalette::getFloatStr(unsigned char decimals, float value)
{
    for (; decimals > 0; --decimals) {
        const float scaled = std::pow(10.0f, static_cast<float>(decimals)) * value;
        if (integerPart(scaled) % 10 != 0)
            break;
    }
    return QString::number(value, 'f', decimals);
}
