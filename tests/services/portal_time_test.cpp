#include "services/PortalQDt.h"
#include "services/PortalTime.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace Portal;

TEST(TimeZoneTable, MapsHoursBothWays)
{
    EXPECT_EQ(QDt::MapTimeZoneType(5.75f), 23);
    EXPECT_EQ(QDt::MapTimeZoneType(-3.5f), 10);
    EXPECT_EQ(QDt::MapTimeZoneType(13.0f), 33);
    EXPECT_EQ(QDt::MapTimeZoneType(5.6f), QDt::TIME_ZONE_UTC); // not in the table
    EXPECT_FLOAT_EQ(QDt::MapTimeZoneOffset(static_cast<QDt::TIME_ZONE>(0)), -12.0f);
    EXPECT_FLOAT_EQ(QDt::MapTimeZoneOffset(static_cast<QDt::TIME_ZONE>(22)), 5.5f);
    EXPECT_FLOAT_EQ(QDt::MapTimeZoneOffset(QDt::TIME_ZONE_LOCAL), 0.0f);
    EXPECT_FLOAT_EQ(QDt::MapTimeZoneOffset(static_cast<QDt::TIME_ZONE>(-1)), 0.0f);
}

TEST(TimeZoneTable, StreamRoundTripsThroughEveryZone)
{
    const long long stream = 1700000000; // 2023-11-14 22:13:20 UTC
    for (int zone = 0; zone <= QDt::TIME_ZONE_LAST; ++zone) {
        const auto tz = static_cast<QDt::TIME_ZONE>(zone);
        const QDateTime shown = QDt::TimeStreamToQDataTime(stream, tz);
        EXPECT_EQ(shown.offsetFromUtc(), static_cast<int>(QDt::MapTimeZoneOffset(tz) * 3600.0f)) << zone;
        // The wall-clock fields in the zone, read back with the zone, give the same instant.
        const QDateTime wall(shown.date(), shown.time(), Qt::UTC);
        EXPECT_EQ(QDt::QDataTimeToTimeStream(wall, tz), stream) << zone;
    }
    EXPECT_EQ(QDt::TimeStreamToQDataTime(stream, QDt::TIME_ZONE_UTC).toString("yyyy-MM-dd hh:mm:ss"),
              "2023-11-14 22:13:20");
}

TEST(DateTimeText, PatternsFollowTheFormats)
{
    const long long stream = 1700000000;
    EXPECT_EQ(QDt::ConvtFmtDateTimeToStr(stream, QDt::TIME_ZONE_UTC, QDt::DATE_FORMAT_NONE, QDt::TIME_FORMAT_NONE), "");
    EXPECT_EQ(QDt::ConvtFmtDateTimeToStr(stream, QDt::TIME_ZONE_UTC, QDt::DATE_FORMAT_NONE, QDt::TIME_FORMAT_HMS),
              "22:13:20");
    EXPECT_EQ(QDt::ConvtFmtDateTimeToStr(stream, QDt::TIME_ZONE_UTC, QDt::DATE_FORMAT_NONE, QDt::TIME_FORMAT_HM),
              "22:13");
    // An unknown time format leaves the date and its separating blank.
    const QString dateOnly = QDt::ConvtFmtDateTimeToStr(stream, QDt::TIME_ZONE_UTC, QDt::DATE_FORMAT_SHORT,
                                                        static_cast<QDt::TIME_FORMAT>(2));
    EXPECT_TRUE(dateOnly.endsWith(' ')) << dateOnly.toStdString();
    const QDateTime utc = QDt::TimeStreamToQDataTime(stream, QDt::TIME_ZONE_UTC);
    EXPECT_EQ(dateOnly, utc.toString(QLocale::system().dateFormat(QLocale::ShortFormat)) + ' ');
}

TEST(DateTimeText, SeparatorAndYearRemoval)
{
    EXPECT_EQ(QDt::ShortDatePattern("M/d/yy", QDt::DATE_FORMAT_SHORT, 0), "M/d/yy");
    EXPECT_EQ(QDt::ShortDatePattern("M/d/yy", QDt::DATE_FORMAT_SHORT, '-'), "M-d-yy");
    EXPECT_EQ(QDt::ShortDatePattern("M/d/yy", QDt::DATE_FORMAT_SHORT_NO_YEAR, 0), "M/d");
    EXPECT_EQ(QDt::ShortDatePattern("yyyy/MM/dd", QDt::DATE_FORMAT_SHORT_NO_YEAR, 0), "MM/dd");
    EXPECT_EQ(QDt::ShortDatePattern("yyyy/MM/dd", QDt::DATE_FORMAT_SHORT_NO_YEAR, '.'), "MM.dd");
    EXPECT_EQ(QDt::ShortDatePattern("dd.MM.", QDt::DATE_FORMAT_SHORT_NO_YEAR, 0), "dd.MM.");
    EXPECT_EQ(QDt::ShortDatePattern("M/d/yy", QDt::DATE_FORMAT_NONE, 0), "");
}

TEST(CalendarTexts, DurationsAndClockTexts)
{
    EXPECT_EQ(Time::Time2DayTimeString(90061), "1d 01:01:01");
    EXPECT_EQ(Time::Time2DayTimeString(3599), "0d 00:59:59");
    EXPECT_EQ(Time::Time2DayTimeString(86400), "1d 00:00:00");
    const time_t t = 1706745599; // 2024-01-31 23:59:59 UTC
    EXPECT_EQ(Time::Time2String(t, 0, 0.0f), "23:59:59");
    EXPECT_EQ(Time::Time2String(t, 1, 0.0f), "2359");
    EXPECT_EQ(Time::Time2String(t, 0, 1.5f), "01:29:59");
    EXPECT_EQ(Time::Time2String(t, 7, 0.0f), "Format Error");
    EXPECT_EQ(Time::CalendarTime2String(t, 0, 0.0f), "23:59:59");
    EXPECT_EQ(Time::GetCurDateTimeStream(t, 0), "20240131");
    EXPECT_EQ(Time::GetCurDateTimeStream(t, 1), "20240131235959");
    EXPECT_EQ(Time::GetCurDateTimeStream(t, 2), "2024/01/31 23:59:59");
    EXPECT_EQ(Time::GetCurDateTimeStream(t, 3), "");
    EXPECT_EQ(Time::GetCurYear(t), 2024);
}

TEST(CalendarTexts, ZoneShiftsNeverGoBelowZero)
{
    EXPECT_EQ(Time::GetSubTimeZoneTime(1000, 1.0f), 0);
    EXPECT_EQ(Time::GetSubTimeZoneTime(10000, 1.0f), 6400);
    EXPECT_EQ(Time::GetAddTimeZoneTime(1000, -0.5f), -800);
    EXPECT_EQ(Time::GetAddTimeZoneTime(0, 5.75f), 20700);
}

TEST(CalendarTexts, FieldsToTimeReadAsLocal)
{
    tm local{};
    const time_t result = Time::ConvterYMDHMS2TimeT(2024, 5, 6, 10, 11, 12, 0.0f);
    localtime_r(&result, &local);
    EXPECT_EQ(local.tm_year + 1900, 2024);
    EXPECT_EQ(local.tm_mon + 1, 5);
    EXPECT_EQ(local.tm_mday, 6);
    EXPECT_EQ(local.tm_hour, 10);
    EXPECT_EQ(local.tm_min, 11);
    EXPECT_EQ(local.tm_sec, 12);
    EXPECT_EQ(Time::ConvterYMDHMS2TimeT(2024, 5, 6, 10, 11, 12, 1.0f), result + 3600);

    // A zero year, month or day takes today's UTC date, not May 6.
    const time_t now = ::time(nullptr);
    tm today{};
    gmtime_r(&now, &today);
    const time_t partial = Time::ConvterYMDHMS2TimeT(0, 5, 6, 10, 0, 0, 0.0f);
    localtime_r(&partial, &local);
    EXPECT_EQ(local.tm_mday, today.tm_mday);
    EXPECT_EQ(local.tm_mon, today.tm_mon);
}

TEST(StartClock, IsWholeSecondsAndElapsedIsMonotonic)
{
    EXPECT_EQ(Time::Clock::startClock() % 1000, 0);
    EXPECT_LE(Time::Clock::startClock(), Time::Clock::wallMsecs());
    long long previous = Time::Clock::msecsSinceStart();
    EXPECT_GE(previous, 0);
    for (int i = 0; i < 1000; ++i) {
        const long long now = Time::Clock::msecsSinceStart();
        ASSERT_GE(now, previous);
        previous = now;
    }
    const long long before = Time::Clock::msecsSinceStart();
    Time::Sleep(20);
    EXPECT_GE(Time::Clock::msecsSinceStart() - before, 20);
}

namespace {
long long anHourAgo()
{
    return Time::Clock::startClock() - 3600 * 1000;
}
} // namespace

TEST(StartClock, ElapsedTimeIgnoresAStepOfTheWallClock)
{
    const long long before = Time::Clock::msecsSinceStart();
    Time::Clock::setWallSource(&anHourAgo); // a time server sets the clock back
    EXPECT_EQ(Time::Clock::wallMsecs(), anHourAgo());
    const long long after = Time::Clock::msecsSinceStart();
    Time::Clock::setWallSource(nullptr);
    EXPECT_GE(after, before);
    EXPECT_LT(after - before, 60 * 1000);
}
