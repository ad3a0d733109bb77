#pragma once

#include <QDateTime>
#include <QString>

namespace Portal {
namespace QDt {

// Index into the fixed table of offsets from UTC; 0..33 are table rows.
enum TIME_ZONE : int {
    TIME_ZONE_UTC = 14,
    TIME_ZONE_LAST = 33,
    TIME_ZONE_LOCAL = 35,
};

enum DATE_FORMAT : int {
    DATE_FORMAT_NONE = -1,
    DATE_FORMAT_SHORT = 0,
    DATE_FORMAT_SHORT_NO_YEAR = 1,
};

enum TIME_FORMAT : int {
    TIME_FORMAT_NONE = -1,
    TIME_FORMAT_HMS = 0,
    TIME_FORMAT_HM = 1,
};

// The locale's short date pattern as a format asks for it: '/' replaced by the
// separator when one is given; without the year and its separator for format 1.
QString ShortDatePattern(const QString& localePattern, DATE_FORMAT format, char separator);

float MapTimeZoneOffset(TIME_ZONE zone);
TIME_ZONE MapTimeZoneType(float hours);
float SysTimeZoneOffset();
TIME_ZONE SysTimeZoneType();
QDateTime TimeStreamToQDataTime(long long stream, TIME_ZONE zone);
long long QDataTimeToTimeStream(QDateTime dateTime, TIME_ZONE zone);
QString ConvtFmtDateTimeToStr(long long stream, TIME_ZONE zone, DATE_FORMAT dateFormat, TIME_FORMAT timeFormat,
                              char separator = 0);

} // namespace QDt
} // namespace Portal
