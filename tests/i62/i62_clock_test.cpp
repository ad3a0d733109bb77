#include "i62/I62Clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

uint64_t fakeMs = 0;
uint64_t fakeClock()
{
    return fakeMs;
}

class LibraryClock : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fakeMs = 1000;
        I62_SetClockSource(fakeClock);
        IoSubInitial();
    }
    void TearDown() override { I62_SetClockSource(nullptr); }
};

} // namespace

TEST_F(LibraryClock, CountsElapsedMillisecondsAndDays)
{
    fakeMs += 1500;
    T1msTimerEvent();
    EXPECT_EQ(GetSystemTime().msOfDay, 1500u);
    fakeMs += I62_MS_PER_DAY - 1500;
    T1msTimerEvent();
    EXPECT_EQ(GetSystemTime().day, 1);
    EXPECT_EQ(GetSystemTime().msOfDay, 0u);
    // A long silence carries whole days and keeps the rest of the time.
    fakeMs += 2 * I62_MS_PER_DAY + 3723000;
    T1msTimerEvent();
    EXPECT_EQ(SysDayTime.day, 3);
    EXPECT_EQ(SysDayTime.hour, 1);
    EXPECT_EQ(SysDayTime.minute, 2);
    EXPECT_EQ(SysDayTime.second, 3);
}

TEST_F(LibraryClock, AgesAndHalfDays)
{
    const SYSTEM_TIME early{86399000, 4};
    const SYSTEM_TIME late{500, 5};
    EXPECT_FLOAT_EQ(SysTimeDifference(early, late), 1.5f);
    EXPECT_FLOAT_EQ(SysTimeDifference(late, early), 0.0f);

    fakeMs += 43200000 + 61000;
    T1msTimerEvent();
    const USER12_TIME t = GetUser12Time();
    EXPECT_NE(t & 0x80000000u, 0u);
    EXPECT_EQ(t & 0xFFFFu, 61u);
    fakeMs += 43200000;
    T1msTimerEvent();
    EXPECT_FLOAT_EQ(User12TimeDifference(t, GetUser12Time()), 43200.0f);
}

TEST(LibraryClockSteady, AgesWhileTheProgramIdles)
{
    // Sleeping uses no processor time; the clock must move all the same.
    I62_SetClockSource(nullptr);
    IoSubInitial();
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    T1msTimerEvent();
    while (GetSystemTime().msOfDay < 20 && std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        T1msTimerEvent();
    }
    EXPECT_GE(GetSystemTime().msOfDay, 20u);
}

TEST(LibraryUtc, LongSecondsWithoutLeapDays)
{
    UTC_DATE d{};
    UTC_TIME t{};
    SetUtcDate(&d, 2024, 3, 1);
    SetUtcTime(&t, 1, 2, 3, 0);
    EXPECT_EQ(GetUtcLongSecond(d, t), (((24LL * 365 + 59 + 1) * 24 + 1) * 60 + 2) * 60 + 3);
    SetUtcDate(&d, 2024, 1, 1);
    EXPECT_EQ(GetUtcLongSecond(d, t), (((24LL * 365 + 1) * 24 + 1) * 60 + 2) * 60 + 3);
}
