#include "services/GsPaint.h"
#include "services/StopWatch.h"

#include <gtest/gtest.h>

TEST(GsPaintTest, StippleSpacingTable)
{
    const int spaces[] = {1, 3, 4, 8, 0, 0};
    for (int style = 0; style < 6; ++style) {
        EXPECT_EQ(GS::Paint::getStippleSpace(static_cast<GS::Paint::STIPPLE_STYLE>(style)), spaces[style]);
        EXPECT_EQ(GS::Paint::getStippleMode(static_cast<GS::Paint::STIPPLE_STYLE>(style)), 0);
    }
    EXPECT_EQ(GS::Paint::getStippleSpace(static_cast<GS::Paint::STIPPLE_STYLE>(-1)), 0);
}
