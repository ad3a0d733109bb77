// The window reads what the communication thread writes only through the device layer's copies
// and flags: run under ThreadSanitizer (the tsan preset), this test is its proof. The transponder
// talks, the window refreshes once a tick, and the line is hung up in the middle of it.
#include "WindowHarness.h"

#include <gtest/gtest.h>

TEST(ConnectionThreads, ReceivesAndHangsUpWhileTheViewRefreshes)
{
    CWindowHarness w(2);
    w.sim().setPeriodMs(100); // ten seconds' worth of own sentences each second
    ASSERT_TRUE(w.connect());

    // Ticks while sentences and replies arrive; the hang-up comes between two ticks.
    for (int i = 0; i < 6; ++i) {
        const size_t before = w.sim().sent().size();
        w.tick();
        EXPECT_TRUE(w.waitFor([&] { return w.sim().sent().size() >= before + 3; }));
    }
    EXPECT_FALSE(w.sim().sent().empty());
    w.sim().hangUp();
    w.tickUntil([&] { return !w.ui()->btnCommConnt->isChecked(); }, 40);
    ASSERT_TRUE(w.waitFor([&] { return !w.ui()->btnCommConnt->isChecked() && w.ui()->btnCommConnt->isEnabled(); }));
    w.tick(2);
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_NONE);

    // And once more, on the new line.
    ASSERT_TRUE(w.sim().reopen());
    ASSERT_TRUE(w.connect());
    w.tick(2);
}
