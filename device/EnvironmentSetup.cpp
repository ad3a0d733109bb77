#include "device/EnvironmentSetup.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QSettings>
#include <tuple>

namespace {

QString keyOf(const char* name)
{
    return QStringLiteral("/%1/%2").arg(QLatin1String(CEnvironmentSetup::kGroupName), QLatin1String(name));
}

// The sort key of a port: numbered ports (by number) before the others (by name, trailing
// digits as a number), the preferred ones of the first sort ahead of all.
struct SPortKey
{
    int rank; // 0 preferred, 1 "COM" number, 2 other name
    long long number;
    QString stem;
    long long suffix;

    bool operator<(const SPortKey& other) const
    {
        return std::tie(rank, number, stem, suffix) < std::tie(other.rank, other.number, other.stem, other.suffix);
    }
};

SPortKey keyOf(const SPortName& port, bool preferFirst)
{
    if (preferFirst &&
        (port.description == QLatin1String("AIS Virtual Com") || port.description == QLatin1String("USB Serial Port")))
        return {0, 0, QString(), 0};
    static const QRegularExpression com(QStringLiteral("^COM(\\d+)"));
    const QRegularExpressionMatch numbered = com.match(port.name);
    if (numbered.hasMatch())
        return {1, numbered.captured(1).left(18).toLongLong(), QString(), 0};
    static const QRegularExpression trailing(QStringLiteral("^(.*?)(\\d*)$"));
    const QRegularExpressionMatch parts = trailing.match(port.name);
    const QString digits = parts.captured(2).left(18);
    return {2, 0, parts.captured(1), digits.isEmpty() ? -1 : digits.toLongLong()};
}

SPortName nameOf(const QSerialPortInfo& info)
{
    return {info.portName(), info.description()};
}

} // namespace

void CEnvironmentSetup::readProfileIni(const QSettings* settings)
{
    if (settings == nullptr)
        return;
    m_setting.DebugMode = settings->value(keyOf("DebugMode"), false).toBool();
    const int baud = settings->value(keyOf("DefaultBaudRate"), 0).toInt();
    m_setting.DefaultBaudRate = baud >= 0 && baud < kBaudIndexCount ? baud : 0;
}

void CEnvironmentSetup::writeProfileIni(QSettings* settings) const
{
    if (settings == nullptr)
        return;
    if (!settings->contains(keyOf("DebugMode")))
        settings->setValue(keyOf("DebugMode"), m_setting.DebugMode);
    if (!settings->contains(keyOf("DefaultBaudRate")))
        settings->setValue(keyOf("DefaultBaudRate"), m_setting.DefaultBaudRate);
}

bool comNameLessThan(const SPortName& a, const SPortName& b)
{
    return keyOf(a, false) < keyOf(b, false);
}

bool comNameLessThanInit(const SPortName& a, const SPortName& b)
{
    return keyOf(a, true) < keyOf(b, true);
}

bool comNameLessThan(const QSerialPortInfo& a, const QSerialPortInfo& b)
{
    return comNameLessThan(nameOf(a), nameOf(b));
}

bool comNameLessThanInit(const QSerialPortInfo& a, const QSerialPortInfo& b)
{
    return comNameLessThanInit(nameOf(a), nameOf(b));
}
