#pragma once

#include <cstdint>

// The sentence library's own clock (milliseconds of the day and a day count, advanced before
// every parsed sentence) and its UTC date and time.

constexpr uint64_t I62_MS_PER_DAY = 86400000ULL;

struct SYSTEM_TIME
{
    uint64_t msOfDay;
    uint16_t day;
};

struct SYS_DAY_TIME
{
    uint16_t day;
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
};

// Bits 0-15 seconds within the half day, 16-30 day count, 31 set in the second half.
using USER12_TIME = uint32_t;

struct UTC_DATE
{
    int16_t year;
    uint8_t month;
    uint8_t day;
};

struct UTC_TIME
{
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    uint8_t hundredths;
};

extern SYSTEM_TIME SysTime;
extern SYS_DAY_TIME SysDayTime;
extern UTC_DATE SysUtcDate;
extern UTC_TIME SysUtcTime;
extern UTC_DATE SysUtcDateUpdate;
extern UTC_TIME SysUtcTimeUpdate;
extern SYSTEM_TIME SysUtcUpdateSysTime;
extern bool bSysUtcAvail;
extern bool bUtcBusy;
extern const uint16_t CalendarDays[12];

// Where the clock reads elapsed milliseconds: a steady counter since its first reading, or,
// in tests, a fake. Null restores the steady counter.
using I62_CLOCK_SOURCE = uint64_t (*)();
void I62_SetClockSource(I62_CLOCK_SOURCE source);

void T1msTimerEvent();
SYSTEM_TIME GetSystemTime();
USER12_TIME GetUser12Time();
float SysTimeDifference(SYSTEM_TIME earlier, SYSTEM_TIME later);
float User12TimeDifference(USER12_TIME earlier, USER12_TIME later);
bool IoSubInitial();
void SetUtcDate(UTC_DATE* date, int year, int month, int day);
void SetUtcTime(UTC_TIME* time, int hour, int minute, int second, int hundredths);
// Seconds since the start of the century, leap days not counted.
long long GetUtcLongSecond(UTC_DATE date, UTC_TIME time);
