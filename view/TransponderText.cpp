#include "TransponderText.h"

#include "i62/I62Escape.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace TransponderText {

QString fromBytes(const char* field, std::size_t size)
{
    return QString::fromLatin1(field, static_cast<int>(strnlen(field, size)));
}

void toBytes(char* field, std::size_t size, const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    const std::size_t length = std::min(static_cast<std::size_t>(bytes.size()), size - 1);
    std::memcpy(field, bytes.constData(), length);
    std::memset(field + length, 0, size - length);
}

bool srmSingle(const CSensorConfig& config)
{
    return (config.iSrmFlags & kSrmSingleBit) != 0;
}

bool srmGroupShown(const CSensorConfig& config)
{
    return config.iSrmEnable == 1 || srmSingle(config);
}

int srmEffectiveCount(const CSensorConfig& config)
{
    return srmSingle(config) ? 1 : config.iSrmBoxCount;
}

QString srmShown(const char (&field)[CFG_SRM_TEXT_SIZE], bool utf8)
{
    char text[CFG_SRM_TEXT_SIZE + 1] = {};
    std::memcpy(text, field, strnlen(field, CFG_SRM_TEXT_SIZE));
    I62_SpecialChar(text);
    return utf8 ? QString::fromUtf8(text) : QString::fromLatin1(text);
}

void srmRead(char (&field)[CFG_SRM_TEXT_SIZE], const QString& text, bool utf8)
{
    const QByteArray bytes = utf8 ? text.toUtf8() : text.toLatin1();
    SpecialCharToI62(field, bytes.constData(), sizeof(field));
}

} // namespace TransponderText
