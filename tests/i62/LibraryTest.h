#pragma once

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace TestSupport {

// A test on an initialised library whose clock stands at 0 and moves only when told.
class LibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        s_fakeMs = 0;
        I62_SetClockSource(fakeClock);
        IoSubInitial();
        initLibrary();
    }
    void TearDown() override
    {
        I62_SetClockSource(nullptr);
        CurGpsPort = 0;
    }

    // Moves the library clock to seconds after the start, as the handler does before a sentence.
    static void at(double seconds)
    {
        s_fakeMs = static_cast<uint64_t>(seconds * 1000.0);
        T1msTimerEvent();
    }

private:
    static inline uint64_t s_fakeMs = 0;
    static uint64_t fakeClock() { return s_fakeMs; }
};

} // namespace TestSupport
