#include "PortalQDt.h"

#include <QLocale>
#include <ctime>

namespace Portal {
namespace QDt {

namespace {

const float kZoneHours[TIME_ZONE_LAST + 1] = {
    -12.0f, -11.0f, -10.0f, -9.0f, -8.0f, -7.0f, -6.0f, -5.0f, -4.5f, -4.0f, -3.5f, -3.0f,
    -2.0f,  -1.0f,  0.0f,   1.0f,  2.0f,  3.0f,  3.5f,  4.0f,  4.5f,  5.0f,  5.5f,  5.75f,
    6.0f,   6.5f,   7.0f,   8.0f,  9.0f,  9.5f,  10.0f, 11.0f, 12.0f, 13.0f,
};

bool isTableZone(TIME_ZONE zone)
{
    return zone >= 0 && zone <= TIME_ZONE_LAST;
}

QString timePattern(TIME_FORMAT format)
{
    switch (format) {
    case TIME_FORMAT_HMS:
        return QStringLiteral("hh:mm:ss");
    case TIME_FORMAT_HM:
        return QStringLiteral("hh:mm");
    default:
        return {};
    }
}

} // namespace

QString ShortDatePattern(const QString& localePattern, DATE_FORMAT format, char separator)
{
    if (format == DATE_FORMAT_NONE)
        return {};
    QString pattern = localePattern;
    if (separator != 0)
        pattern.replace(QLatin1Char('/'), QLatin1Char(separator));
    if (format == DATE_FORMAT_SHORT_NO_YEAR) {
        // Drop the year and the one separator that joined it to the rest.
        const int firstYear = pattern.indexOf(QLatin1Char('y'));
        pattern.remove(QLatin1Char('y'));
        if (firstYear == 0)
            pattern.remove(0, 1);
        else if (firstYear > 0)
            pattern.chop(1);
    }
    return pattern;
}

float MapTimeZoneOffset(TIME_ZONE zone)
{
    return isTableZone(zone) ? kZoneHours[zone] : 0.0f;
}

TIME_ZONE MapTimeZoneType(float hours)
{
    const int hundredths = static_cast<int>(hours * 100.0f);
    for (int zone = 0; zone <= TIME_ZONE_LAST; ++zone) {
        if (static_cast<int>(kZoneHours[zone] * 100.0f) == hundredths)
            return static_cast<TIME_ZONE>(zone);
    }
    return TIME_ZONE_UTC;
}

float SysTimeZoneOffset()
{
    const time_t now = ::time(nullptr);
    tm local{};
    if (localtime_r(&now, &local) == nullptr)
        return 0.0f;
    // The local wall clock read as if it were UTC, minus the real UTC instant.
    const time_t localAsUtc = timegm(&local);
    return static_cast<float>(static_cast<double>(localAsUtc - now) / 3600.0);
}

TIME_ZONE SysTimeZoneType()
{
    return MapTimeZoneType(SysTimeZoneOffset());
}

QDateTime TimeStreamToQDataTime(long long stream, TIME_ZONE zone)
{
    const QDateTime dateTime = QDateTime::fromTime_t(static_cast<uint>(stream));
    if (zone == TIME_ZONE_LOCAL)
        return dateTime.toTimeSpec(Qt::LocalTime);
    if (zone == TIME_ZONE_UTC)
        return dateTime.toTimeSpec(Qt::UTC);
    return dateTime.toOffsetFromUtc(static_cast<int>(MapTimeZoneOffset(zone) * 3600.0f));
}

long long QDataTimeToTimeStream(QDateTime dateTime, TIME_ZONE zone)
{
    dateTime = dateTime.addSecs(-static_cast<qint64>(MapTimeZoneOffset(zone) * 3600.0f));
    dateTime.setTimeSpec(Qt::UTC);
    return dateTime.toTime_t();
}

QString ConvtFmtDateTimeToStr(long long stream, TIME_ZONE zone, DATE_FORMAT dateFormat, TIME_FORMAT timeFormat,
                              char separator)
{
    QString pattern = ShortDatePattern(QLocale::system().dateFormat(QLocale::ShortFormat), dateFormat, separator);
    if (dateFormat != DATE_FORMAT_NONE && timeFormat != TIME_FORMAT_NONE)
        pattern += QLatin1Char(' ');
    pattern += timePattern(timeFormat);
    if (pattern.isEmpty())
        return {};
    return TimeStreamToQDataTime(stream, zone).toString(pattern);
}

} // namespace QDt
} // namespace Portal
