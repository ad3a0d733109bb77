#include "PortalTime.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <sys/time.h>
#include <thread>

namespace Portal {
namespace Time {

namespace {

struct StartPoint
{
    long long wallMsecs;
    std::chrono::steady_clock::time_point steady;
};

const StartPoint& startPoint()
{
    // Function-local static: initialised once, thread-safe.
    static const StartPoint start{static_cast<long long>(::time(nullptr)) * 1000, std::chrono::steady_clock::now()};
    return start;
}

bool utcFields(time_t time, tm& fields)
{
    return gmtime_r(&time, &fields) != nullptr;
}

template <typename... Args> std::string formatted(const char* format, Args... args)
{
    char text[64];
    std::snprintf(text, sizeof(text), format, args...);
    return text;
}

} // namespace

long long Clock::startClock()
{
    return startPoint().wallMsecs;
}

long long Clock::msecsSinceStart()
{
    const auto elapsed = std::chrono::steady_clock::now() - startPoint().steady;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

namespace {
std::atomic<long long (*)()> g_wallSource{nullptr};
} // namespace

void Clock::setWallSource(long long (*source)())
{
    g_wallSource = source;
}

long long Clock::wallMsecs()
{
    if (long long (*source)() = g_wallSource.load())
        return source();
    timeval now{};
    gettimeofday(&now, nullptr);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_usec / 1000;
}

short GetCurYear(const time_t& time)
{
    tm fields{};
    if (!utcFields(time, fields))
        return 1900;
    return static_cast<short>(1900 + fields.tm_year);
}

time_t GetAddTimeZoneTime(time_t time, float hours)
{
    return time + static_cast<time_t>(hours * 3600.0f);
}

time_t GetSubTimeZoneTime(time_t time, float hours)
{
    const time_t shifted = time - static_cast<time_t>(hours * 3600.0f);
    return shifted < 0 ? 0 : shifted;
}

std::string Time2DayTimeString(long seconds)
{
    long days = 0;
    if (seconds >= 24 * 3600) {
        days = seconds / (24 * 3600);
        seconds %= 24 * 3600;
    }
    char text[64];
    std::snprintf(text, sizeof(text), "%ldd %02ld:%02ld:%02ld", days, seconds / 3600, (seconds / 60) % 60,
                  seconds % 60);
    return text;
}

std::string Time2String(time_t time, int format, float hours)
{
    if (hours != 0.0f)
        time = GetAddTimeZoneTime(time, hours);
    tm fields{};
    utcFields(time, fields);
    switch (format) {
    case 0:
        return formatted("%02d:%02d:%02d", fields.tm_hour, fields.tm_min, fields.tm_sec);
    case 1:
        return formatted("%02d%02d", fields.tm_hour, fields.tm_min);
    default:
        return "Format Error";
    }
}

std::string CalendarTime2String(time_t time, int format, float hours)
{
    return Time2String(time, format, hours);
}

std::string GetCurDateTimeStream(time_t time, int format)
{
    std::string year = "1900", month = "01", day = "01", hour = "00", minute = "00", second = "00";
    tm fields{};
    if (utcFields(time, fields)) {
        auto two = [](int value) { return formatted("%02d", value); };
        year = formatted("%d", 1900 + fields.tm_year);
        month = two(fields.tm_mon + 1);
        day = two(fields.tm_mday);
        hour = two(fields.tm_hour);
        minute = two(fields.tm_min);
        second = two(fields.tm_sec);
    }
    switch (format) {
    case 0:
        return year + month + day;
    case 1:
        return year + month + day + hour + minute + second;
    case 2:
        return year + "/" + month + "/" + day + " " + hour + ":" + minute + ":" + second;
    default:
        return {};
    }
}

time_t ConvterYMDHMS2TimeT(int year, int month, int day, int hour, int minute, int second, float hours)
{
    tm fields{};
    if (!utcFields(::time(nullptr), fields))
        return 0;
    if (year != 0 && month != 0 && day != 0) {
        fields.tm_year = year - 1900;
        fields.tm_mon = month - 1;
        fields.tm_mday = day;
    }
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_wday = -1;
    fields.tm_yday = -1;
    fields.tm_isdst = -1;
    // Read back as local time: callers show the result in local time again, so the
    // displayed fields equal the received ones.
    time_t result = mktime(&fields);
    if (hours != 0.0f)
        result += static_cast<time_t>(hours * 3600.0f);
    return result;
}

void Sleep(unsigned long ms)
{
    const long long until = Clock::msecsSinceStart() + static_cast<long long>(ms);
    while (Clock::msecsSinceStart() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

} // namespace Time
} // namespace Portal
