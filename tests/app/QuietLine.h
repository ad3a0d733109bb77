#pragma once

#include "WindowHarness.h"

// Waits until nothing has crossed the simulated line either way for half a second: queries still
// queued after detection have gone out and been answered.
inline void waitQuiet(CWindowHarness& w)
{
    size_t sent = 0;
    size_t received = 0;
    for (int round = 0; round < 60; ++round) {
        w.waitFor([] { return false; }, 500);
        const size_t nowSent = w.sim().sent().size();
        const size_t nowReceived = w.sim().received().size();
        if (round > 0 && nowSent == sent && nowReceived == received)
            return;
        sent = nowSent;
        received = nowReceived;
    }
}
