#pragma once

#include "device/SensorConfig.h"

#include <QString>
#include <cstddef>

// The transponder's texts as every page and the report show them. Its character arrays, which
// need not be terminated, are Latin-1 both ways: each byte is one character, and a text the user
// did not touch goes back unchanged. The single SRM text is UTF-8. The Wi-Fi module's texts are
// the module's and keep their own codec.
namespace TransponderText {

QString fromBytes(const char* field, std::size_t size);
void toBytes(char* field, std::size_t size, const QString& text);

template <std::size_t N> QString latin1Field(const char (&field)[N])
{
    return fromBytes(field, N);
}

// Back into a field, bounded by its size and always terminated.
template <std::size_t N> void copyLatin1(char (&field)[N], const QString& text)
{
    toBytes(field, N, text);
}

// Bit value of the group-30 flags: one SRM text only, whatever the box count.
constexpr int kSrmSingleBit = 2;

bool srmSingle(const CSensorConfig& config);
// Whether the SRM texts show at all: enabled, or the single text.
bool srmGroupShown(const CSensorConfig& config);
// How many SRM texts show: one with the single-text bit, else the box count.
int srmEffectiveCount(const CSensorConfig& config);
// An SRM field without its escapes, decoded as it is shown.
QString srmShown(const char (&field)[CFG_SRM_TEXT_SIZE], bool utf8);
// An SRM edit back into its field: encoded as it was shown, then escaped.
void srmRead(char (&field)[CFG_SRM_TEXT_SIZE], const QString& text, bool utf8);

} // namespace TransponderText
