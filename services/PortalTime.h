#pragma once

#include <ctime>
#include <string>

namespace Portal {
namespace Time {

// Process start clock. The start value is the wall clock in whole seconds times 1000;
// elapsed milliseconds come from a steady clock so pacing and time-outs never jump
// when the wall clock is stepped.
class Clock
{
public:
    // The wall clock at the first use of the clock, in milliseconds (whole seconds).
    static long long startClock();
    // Milliseconds since the start clock, monotonic.
    static long long msecsSinceStart();
    // Current wall clock in milliseconds.
    static long long wallMsecs();
    // Replaces the wall clock (tests step it as a time server would); null restores it.
    static void setWallSource(long long (*source)());
};

short GetCurYear(const time_t& time);
time_t GetAddTimeZoneTime(time_t time, float hours);
time_t GetSubTimeZoneTime(time_t time, float hours);
std::string Time2DayTimeString(long seconds);
std::string Time2String(time_t time, int format, float hours);
std::string CalendarTime2String(time_t time, int format, float hours);
std::string GetCurDateTimeStream(time_t time, int format);
time_t ConvterYMDHMS2TimeT(int year, int month, int day, int hour, int minute, int second, float hours);
void Sleep(unsigned long ms);

} // namespace Time
} // namespace Portal
