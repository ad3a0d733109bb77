#include "i62/SensorStore.h"

#include "LibraryTest.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class SensorStore : public LibraryTest
{
};

} // namespace

TEST_F(SensorStore, HeadingValidityAndStamp)
{
    at(4);
    ASSERT_EQ(parseBody("$HEHDT,359.9,T"), 0);
    EXPECT_EQ(EXTGnssData.trueHeadingValid, 1);
    EXPECT_EQ(EXTGnssData.trueHeadingStamp.msOfDay, 4000u);
    EXPECT_EQ(EXTGnssData.system, 0u); // talker HE

    at(5);
    ASSERT_EQ(parseBody("$HEHDT,,T"), 0);
    EXPECT_FLOAT_EQ(EXTGnssData.trueHeading, 511.0f);
    EXPECT_EQ(EXTGnssData.trueHeadingValid, 1);
    EXPECT_EQ(EXTGnssData.trueHeadingStamp.msOfDay, 4000u);
    ASSERT_EQ(parseBody("$HEHDT,360.0,T"), 0);
    EXPECT_FLOAT_EQ(EXTGnssData.trueHeading, 360.0f);
    EXPECT_EQ(EXTGnssData.trueHeadingStamp.msOfDay, 4000u);

    SensorInitial();
    ASSERT_EQ(parseBody("$HCHDM,360.0,M"), 0);
    EXPECT_EQ(EXTGnssData.magneticHeadingValid, 0);
    ASSERT_EQ(parseBody("$HCHDM,0.0,M"), 0);
    EXPECT_EQ(EXTGnssData.magneticHeadingValid, 1);
    EXPECT_EQ(EXTGnssData.magneticHeadingStamp.msOfDay, 5000u);
}

TEST_F(SensorStore, RateOfTurnSharesTheWaterStatus)
{
    ASSERT_EQ(parseBody("$TIROT,3.5,A"), 0);
    EXPECT_EQ(EXTGnssData.waterStatus, 'A');
    ASSERT_EQ(parseBody("$VDVBW,1.5,0.1,V,1.6,0.2,A"), 0);
    EXPECT_EQ(EXTGnssData.waterStatus, 'V');
    EXPECT_FLOAT_EQ(EXTGnssData.rateOfTurn, 3.5f);
    EXPECT_FLOAT_EQ(EXTGnssData.groundLongitudinal, 1.6f);
    ASSERT_EQ(parseBody("$TIROT,-1.0,A"), 0);
    EXPECT_EQ(EXTGnssData.waterStatus, 'A');
}

TEST_F(SensorStore, GnsValues)
{
    ASSERT_EQ(parseBody("$GNGNS,014035.00,4332.69262,S,17235.48549,E,RR,13,0.9,25.63,11.24,,"), 0);
    EXPECT_EQ(EXTGnssData.system, 3u);
    EXPECT_EQ(EXTGnssData.hour, 1);
    EXPECT_EQ(EXTGnssData.second, 35);
    EXPECT_NEAR(EXTGnssData.latitude, -43.544877, 1e-5);
    EXPECT_EQ(EXTGnssData.gnsChars[0], 'R');
    EXPECT_EQ(EXTGnssData.gnsChars[2], '3');
    EXPECT_FLOAT_EQ(EXTGnssData.gnsValues[0], 0.9f);
    EXPECT_FLOAT_EQ(EXTGnssData.gnsValues[2], 11.24f);
    // GNS belongs to the sensor group: the GPS port records stay untouched.
    EXPECT_EQ(GpsData[0].positionValid, 0);
}
