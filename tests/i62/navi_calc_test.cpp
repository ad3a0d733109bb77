#include "i62/NaviCalc.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(NaviDistance, GreatCircleAndMidLatitude)
{
    EXPECT_NEAR(Cal2PointsDistanceGC(0, 0, 0, 1), 111.12, 1e-3);
    EXPECT_NEAR(Cal2PointsDistanceGC(10, 45, 11, 45), 111.12 * std::cos(45 / 57.2958), 0.1);
    // Identical points: no NaN from an argument rounded past 1.
    for (int tenth = -900; tenth <= 900; ++tenth) {
        const float lat = static_cast<float>(tenth) / 10.0f;
        const float d = Cal2PointsDistanceGC(12.345f, lat, 12.345f, lat);
        EXPECT_FALSE(std::isnan(d)) << lat;
        EXPECT_NEAR(d, 0.0f, 1e-3) << lat;
    }
    EXPECT_FLOAT_EQ(Cal2PointsDistanceEllip(5, 5, 5, 5), 0.0f);
    EXPECT_NEAR(Cal2PointsDistanceEllip(0, 0, 0, 1), 111.08956, 1e-3);
    float lonScale = 0;
    float latScale = 0;
    CalLonLatScale(0, 60, &lonScale, &latScale, 1.0f);
    EXPECT_NEAR(latScale, 60.0, 0.01);
    EXPECT_NEAR(lonScale, 30.0, 0.01);
}

TEST(NaviBearing, Quadrants)
{
    EXPECT_NEAR(Cal2PointBearing(0, 0, 1, 0), 90.0, 0.01);
    EXPECT_NEAR(Cal2PointBearing(0, 0, 0, -1), 180.0, 0.01);
    EXPECT_NEAR(Cal2PointBearing(0, 0, -1, 0), 270.0, 0.01);
    EXPECT_NEAR(Cal2PointBearing(0, 0, 0, 1), 0.0, 0.01);
    EXPECT_NEAR(Cal2PointBearing(0, 0, 1, 1), 45.0, 0.1);
    EXPECT_NEAR(CalBearing(0, 0, 0, 1), 0.0, 0.01);
    EXPECT_NEAR(CalBearing(0, 0, -1, -1), 225.0, 0.1);
    EXPECT_FLOAT_EQ(CalBearing(3, 3, 3, 3), 0.0f);
}

TEST(NaviCpa, ClosingParallelAndAcrossTheDateLine)
{
    float cpa = 0;
    float tcpa = 0;
    // Parallel courses at equal speed: the separation now is the CPA.
    cpa_distance_time({50.0f, -4.0f, 12.0f, 90.0}, {50.1f, -4.0f, 12.0f, 90.0}, &cpa, &tcpa);
    EXPECT_NEAR(cpa, 6.0, 0.05);
    EXPECT_FLOAT_EQ(tcpa, 0.0f);
    // Head-on: CPA near 0, TCPA = range / closing speed.
    cpa_distance_time({0.0f, 0.0f, 10.0f, 0.0}, {10.0f / 60.0f, 0.0f, 10.0f, 180.0}, &cpa, &tcpa);
    EXPECT_NEAR(cpa, 0.0, 0.05);
    EXPECT_NEAR(tcpa, 10.0 / 20.0 * 60.0, 0.2);
    // Six minutes of longitude east across the 180th meridian is near, not half the globe away.
    cpa_distance_time({0.0f, 179.95f, 0.0f, 0.0}, {0.0f, -179.95f, 0.0f, 0.0}, &cpa, &tcpa);
    EXPECT_NEAR(cpa, 6.0, 0.05);
    cpa_distance_time({0.0f, 179.95f, 10.0f, 90.0}, {0.0f, -179.95f, 0.0f, 0.0}, &cpa, &tcpa);
    EXPECT_NEAR(cpa, 0.0, 0.05);
    EXPECT_NEAR(tcpa, 36.0, 0.2);

    TRACK a{};
    TRACK b{};
    CalVector({0.0f, 0.0f, 10.0f, 0.0}, {10.0f / 60.0f, 0.0f, 10.0f, 180.0}, &a, &b);
    EXPECT_NEAR(cpa_time(&a, &b), 0.5, 0.005);
    CpaInitial();
    EXPECT_EQ(CPA_Setting.cpaLimit, 5u);
    EXPECT_EQ(CPA_Setting.tcpaLimit, 10u);
}
