#include "i62/I62Clock.h"

#include <chrono>
#include <ctime>

SYSTEM_TIME SysTime = {0, 0};
SYS_DAY_TIME SysDayTime = {0, 0, 0, 0};
UTC_DATE SysUtcDate = {0, 0, 0};
UTC_TIME SysUtcTime = {0, 0, 0, 0};
UTC_DATE SysUtcDateUpdate = {0, 0, 0};
UTC_TIME SysUtcTimeUpdate = {0, 0, 0, 0};
SYSTEM_TIME SysUtcUpdateSysTime = {0, 0};
bool bSysUtcAvail = false;
bool bUtcBusy = false;
const uint16_t CalendarDays[12] = {31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

namespace {

constexpr uint64_t kMsPerHour = 3600000ULL;
constexpr uint64_t kMsPerHalfDay = I62_MS_PER_DAY / 2;
constexpr uint32_t kSecondsPerHalfDay = 43200;

// A monotonic wall clock in milliseconds. It is read before every sentence and serves ages of
// seconds: the coarse clock (steps of a few milliseconds), read without the processor's time
// stamp counter, costs a fraction of the fine one.
uint64_t monotonicMsecs()
{
#if defined(CLOCK_MONOTONIC_COARSE)
    timespec coarse{};
    if (clock_gettime(CLOCK_MONOTONIC_COARSE, &coarse) == 0)
        return static_cast<uint64_t>(coarse.tv_sec) * 1000u + static_cast<uint64_t>(coarse.tv_nsec) / 1000000u;
#endif
    const auto fine = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(fine).count());
}

// Elapsed wall time, not processor time: an idle program must still see its values age.
uint64_t steadyMsecs()
{
    static const uint64_t start = monotonicMsecs();
    return monotonicMsecs() - start;
}

I62_CLOCK_SOURCE clockSource = steadyMsecs;
uint64_t lastReading = 0;

} // namespace

void I62_SetClockSource(I62_CLOCK_SOURCE source)
{
    clockSource = source != nullptr ? source : steadyMsecs;
    lastReading = clockSource();
}

void T1msTimerEvent()
{
    const uint64_t now = clockSource();
    const uint64_t elapsed = now > lastReading ? now - lastReading : 0;
    lastReading = now;

    // A long gap between sentences carries whole days instead of dropping the excess.
    const uint64_t total = SysTime.msOfDay + elapsed;
    SysTime.day = static_cast<uint16_t>(SysTime.day + total / I62_MS_PER_DAY);
    SysTime.msOfDay = total % I62_MS_PER_DAY;

    SysDayTime.day = SysTime.day;
    SysDayTime.hour = static_cast<uint8_t>(SysTime.msOfDay / kMsPerHour);
    SysDayTime.minute = static_cast<uint8_t>(SysTime.msOfDay % kMsPerHour / 60000);
    SysDayTime.second = static_cast<uint8_t>(SysTime.msOfDay % kMsPerHour / 1000 % 60);
}

SYSTEM_TIME GetSystemTime()
{
    return SysTime;
}

USER12_TIME GetUser12Time()
{
    uint32_t seconds = static_cast<uint32_t>(SysTime.msOfDay / 1000);
    uint32_t afternoon = 0;
    if (SysTime.msOfDay >= kMsPerHalfDay) {
        seconds -= kSecondsPerHalfDay;
        afternoon = 1u << 31;
    }
    return afternoon | (static_cast<uint32_t>(SysTime.day) & 0x7FFFu) << 16 | (seconds & 0xFFFFu);
}

float SysTimeDifference(SYSTEM_TIME earlier, SYSTEM_TIME later)
{
    const long long ms = static_cast<long long>(later.msOfDay) - static_cast<long long>(earlier.msOfDay) +
                         (static_cast<long long>(later.day) - earlier.day) * static_cast<long long>(I62_MS_PER_DAY);
    return ms < 0 ? 0.0f : static_cast<float>(ms / 1000.0);
}

float User12TimeDifference(USER12_TIME earlier, USER12_TIME later)
{
    auto secondsOfDay = [](USER12_TIME t) {
        return static_cast<long>(t & 0xFFFFu) + ((t >> 31) != 0 ? static_cast<long>(kSecondsPerHalfDay) : 0L);
    };
    auto dayOf = [](USER12_TIME t) { return static_cast<long>(t >> 16 & 0x7FFFu); };
    return static_cast<float>((dayOf(later) - dayOf(earlier)) * 86400L + secondsOfDay(later) - secondsOfDay(earlier));
}

bool IoSubInitial()
{
    SysTime = SYSTEM_TIME{0, 0};
    SysDayTime = SYS_DAY_TIME{0, 0, 0, 0};
    return true;
}

void SetUtcDate(UTC_DATE* date, int year, int month, int day)
{
    if (date == nullptr)
        return;
    date->year = static_cast<int16_t>(year);
    date->month = static_cast<uint8_t>(month);
    date->day = static_cast<uint8_t>(day);
}

void SetUtcTime(UTC_TIME* time, int hour, int minute, int second, int hundredths)
{
    if (time == nullptr)
        return;
    time->hour = static_cast<uint8_t>(hour);
    time->minute = static_cast<uint8_t>(minute);
    time->second = static_cast<uint8_t>(second);
    time->hundredths = static_cast<uint8_t>(hundredths);
}

long long GetUtcLongSecond(UTC_DATE date, UTC_TIME time)
{
    const int month = date.month;
    const long long daysBefore = month >= 2 && month <= 12 ? CalendarDays[month - 2] : 0;
    const long long days = (date.year % 100) * 365LL + daysBefore + date.day;
    return ((days * 24 + time.hour) * 60 + time.minute) * 60 + time.second;
}
