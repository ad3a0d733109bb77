#include "i62/OwnShipSensor.h"

#include "i62/SensorStore.h"

#include "LibraryTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace TestSupport;

namespace {

class OwnShipSensor : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        GpsSource = GPS_SOURCE_NONE;
        SysUtcTimeUpdate = UTC_TIME{0, 0, 0, 0};
    }

    static void onPort(int port, const std::string& body)
    {
        CurGpsPort = static_cast<uint8_t>(port);
        ASSERT_EQ(parseBody(body), 0) << body;
        CurGpsPort = 0;
    }
};

const char* const kFix = "$GPGGA,123456.75,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";

} // namespace

TEST_F(OwnShipSensor, InitialValues)
{
    GpsData[2].positionValid = 1;
    GpsData[2].courseSpeedStamp.msOfDay = 77;
    at(3);
    ASSERT_TRUE(SensorInitial());
    for (const GPS_Data& port : GpsData) {
        EXPECT_EQ(port.positionValid, 0);
        EXPECT_EQ(port.status, 'V');
        EXPECT_EQ(port.mode, 'N');
        EXPECT_EQ(port.fixMode, 1);
        EXPECT_FLOAT_EQ(port.gbsErrLatitude, -1.0f);
        EXPECT_EQ(std::string(port.lastFormatter, 3), "XXX");
        EXPECT_EQ(port.positionStamp.msOfDay, 3000u);
        EXPECT_DOUBLE_EQ(port.position.latitude, 91.0);
    }
    EXPECT_EQ(GpsData[2].courseSpeedStamp.msOfDay, 77u);
    EXPECT_EQ(EXTGnssData.trueHeadingStamp.msOfDay, 3000u);
    EXPECT_EQ(SysUtcUpdateSysTime.msOfDay, 3000u);
}

TEST_F(OwnShipSensor, StaleTrueHeadingHandsOverToMagnetic)
{
    at(1);
    ASSERT_EQ(parseBody("$HEHDT,120.0,T"), 0);
    ASSERT_EQ(parseBody("$HCHDM,118.0,M"), 0);
    UpdataShipSensorData();
    EXPECT_FLOAT_EQ(ShipData[0].trueHeading, 120.0f);
    EXPECT_EQ(SensorData[SENSOR_HEADING], 1);
    for (int second = 2; second <= 12; ++second) {
        at(second);
        ASSERT_EQ(parseBody("$HCHDM,119.0,M"), 0);
        UpdataShipSensorData();
    }
    // Eleven seconds without a true heading: the magnetic one has taken over.
    EXPECT_EQ(EXTGnssData.trueHeadingValid, 0);
    EXPECT_FLOAT_EQ(ShipData[0].trueHeading, 119.0f);
    at(30);
    UpdataShipSensorData();
    EXPECT_EQ(EXTGnssData.magneticHeadingValid, 0);
    EXPECT_EQ(SensorData[SENSOR_HEADING], 0);
    EXPECT_FLOAT_EQ(ShipData[0].trueHeading, 119.0f);
}

TEST_F(OwnShipSensor, HeadingAtTheTenSecondLimitStays)
{
    at(1);
    ASSERT_EQ(parseBody("$HEHDT,120.0,T"), 0);
    at(11);
    CheckSensorDataValid();
    EXPECT_EQ(EXTGnssData.trueHeadingValid, 1);
    at(11.001);
    CheckSensorDataValid();
    EXPECT_EQ(EXTGnssData.trueHeadingValid, 0);
}

TEST_F(OwnShipSensor, GpsTimeLeadsTheUtcClockAndPositionFillsTheOwnRecord)
{
    at(1);
    onPort(0, "$GPRMC,123456.75,A,4807.038,N,01131.000,E,5.5,054.7,191124,,,A");
    onPort(0, "$GPGBS,123456.75,3.0,4.0,6.0,,,,");
    OwnShipSpData.internalAntenna = OWN_SHIP_ANTENNA{10, 20, 3, 4};
    ASSERT_EQ(UpdataShipGpsData(), 1u);
    EXPECT_EQ(SysUtcTime.hour, 12);
    EXPECT_EQ(SysUtcTime.minute, 34);
    EXPECT_EQ(SysUtcTime.second, 57);
    EXPECT_EQ(SysUtcTime.hundredths, 5);
    EXPECT_EQ(SysUtcDate.year, 2024);
    EXPECT_EQ(SysUtcDate.day, 19);
    EXPECT_TRUE(bSysUtcAvail);
    EXPECT_EQ(SensorData[SENSOR_UTC_UPDATED], 1);
    EXPECT_EQ(GpsData[0].timeUpdated, 0);
    EXPECT_NEAR(ShipData[0].latitude, 48.1173, 1e-4);
    EXPECT_FLOAT_EQ(ShipData[0].sog, 5.5f);
    EXPECT_FLOAT_EQ(ShipData[0].cog, 54.7f);
    EXPECT_NE(ShipData[0].status & STATION_RAIM, 0);
    EXPECT_NE(ShipData[0].status & STATION_POS_ACCURACY, 0);
    EXPECT_EQ(ShipData[0].dimA, 10);
    EXPECT_EQ(ShipData[0].dimD, 4);
    EXPECT_EQ(SensorData[SENSOR_POSITION], 1);

    // Rollover of the lead into the next hour.
    onPort(0, "$GPRMC,235959.80,A,4807.038,N,01131.000,E,5.5,054.7,191124,,,A");
    UpdataShipGpsData();
    EXPECT_EQ(SysUtcTime.hour, 0);
    EXPECT_EQ(SysUtcTime.second, 0);
    EXPECT_EQ(SysUtcTime.hundredths, 10);

    // Expected errors above 5 m: not accurate, unless the fix is differential (15 m).
    onPort(0, "$GPGBS,000000.00,6.0,4.0,6.0,,,,");
    UpdataShipGpsData();
    EXPECT_EQ(ShipData[0].status & STATION_POS_ACCURACY, 0);
    onPort(0, "$GPRMC,000001.00,A,4807.038,N,01131.000,E,5.5,054.7,201124,,,D");
    UpdataShipGpsData();
    EXPECT_NE(ShipData[0].status & STATION_POS_ACCURACY, 0);
}

TEST_F(OwnShipSensor, WithoutAFixTheTimeStillComesFromAValidPort)
{
    at(1);
    onPort(3, "$GPZDA,101010.00,04,07,2002,00,00");
    EXPECT_EQ(UpdataShipGpsData(), 0u);
    EXPECT_EQ(GpsSource, GPS_SOURCE_NONE);
    EXPECT_EQ(SysUtcTime.hour, 10);
    EXPECT_EQ(SysUtcDate.year, 2002);
    EXPECT_EQ(SensorData[SENSOR_GPS_TIME], 1);
    EXPECT_EQ(ShipData[0].status & (STATION_POS_ACCURACY | STATION_RAIM), 0);
    // Time valid but not updated since: no change of the UTC clock.
    SysUtcTime.hour = 3;
    UpdataShipGpsData();
    EXPECT_EQ(SysUtcTime.hour, 3);
    at(20);
    UpdataShipGpsData();
    EXPECT_EQ(SensorData[SENSOR_GPS_TIME], 0);
    EXPECT_FALSE(bSysUtcAvail);
}

TEST_F(OwnShipSensor, PriorityOfThePorts)
{
    at(1);
    EXPECT_EQ(JudgeGpsPriority(), GPS_SOURCE_NONE);
    onPort(3, kFix);
    EXPECT_EQ(JudgeGpsPriority(), 3);
    onPort(0, kFix);
    EXPECT_EQ(JudgeGpsPriority(), 0);
    onPort(2, kFix);
    EXPECT_EQ(JudgeGpsPriority(), 0);
    onPort(1, kFix);
    EXPECT_EQ(JudgeGpsPriority(), 1);
    EXPECT_EQ(MyGpsData.positionValid, 1);
    OwnShipSpData.externalAntenna = OWN_SHIP_ANTENNA{7, 8, 9, 10};
    UpdataShipGpsData();
    EXPECT_EQ(ShipData[0].dimA, 7);
}

TEST_F(OwnShipSensor, GpsFlagsAgeOut)
{
    at(1);
    onPort(0, kFix);
    onPort(0, "$GPGBS,123456.75,3.0,4.0,6.0,,,,");
    onPort(0, "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A");
    onPort(0, "$GPDTM,W84,,0.0,N,0.0,E,0.0,W84");
    at(11);
    CheckGpsDataValid();
    EXPECT_EQ(GpsData[0].positionValid, 1);
    EXPECT_EQ(GpsData[0].dtmWgs84, 1);
    at(11.5);
    CheckGpsDataValid();
    EXPECT_EQ(GpsData[0].positionValid, 0);
    EXPECT_EQ(GpsData[0].timeValid, 0);
    EXPECT_EQ(GpsData[0].gbsValid, 0);
    EXPECT_EQ(GpsData[0].courseSpeedValid, 0);
    EXPECT_EQ(GpsData[0].fixMode, 1);
    EXPECT_EQ(GpsData[0].mode, 'N');
    EXPECT_EQ(GpsData[0].dtmValid, 1);
    // A fix flag is not a datum flag: ageing the datum leaves the fix flag alone.
    EXPECT_EQ(GpsData[0].fix3D2D, 1);
    at(31.5);
    CheckGpsDataValid();
    EXPECT_EQ(GpsData[0].dtmValid, 0);
    EXPECT_EQ(GpsData[0].dtmWgs84, 0);
    EXPECT_EQ(GpsData[0].fix3D2D, 1);
}

TEST_F(OwnShipSensor, ExternalFixAgreesWithPortOne)
{
    at(1);
    onPort(1, kFix);
    onPort(2, "$GPGGA,123456.75,4807.0385,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    onPort(2, "$GPGBS,123456.75,3.0,4.0,6.0,,,,");
    EXPECT_TRUE(CheckExtGpsValidity(GpsData[2]));
    onPort(2, "$GPGGA,123456.75,4807.1000,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    EXPECT_FALSE(CheckExtGpsValidity(GpsData[2])); // about 115 m apart
    onPort(2, "$GPGGA,123456.75,4807.0385,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    onPort(2, "$GPGBS,123456.75,12.0,4.0,6.0,,,,");
    EXPECT_FALSE(CheckExtGpsValidity(GpsData[2]));
}

TEST_F(OwnShipSensor, RadarTargetsFillTheirSlots)
{
    EXPECT_EQ(AddRadarInfo(), -1);
    EXPECT_EQ(RadarInfo[5][0], RADAR_SLOT_EMPTY);
    ASSERT_EQ(parseBody("$RATTM,05,3.5,124.3,T,12.1,270.0,T,0.4,7.5,N,FERRY,T,,153012.50,A"), 0);
    EXPECT_EQ(AddRadarInfo(), 5);
    EXPECT_EQ(RadarInfo[5][0], 5);
    I62_TTM slot;
    std::memcpy(&slot, RadarInfo[5], sizeof(slot));
    EXPECT_STREQ(slot.name, "FERRY");
    ASSERT_EQ(parseBody("$RATTM,100,3.5,124.3,T,12.1,270.0,T,0.4,7.5,N,FAR,T,,153012.50,A"), 0);
    EXPECT_EQ(AddRadarInfo(), -1);
}

TEST_F(OwnShipSensor, ReinitialisingForgetsTheRadarTargets)
{
    ASSERT_EQ(parseBody("$RATTM,07,3.5,124.3,T,12.1,270.0,T,0.4,7.5,N,TUG,T,,153012.50,A"), 0);
    ASSERT_EQ(AddRadarInfo(), 7);
    SensorInitial();
    EXPECT_EQ(RadarInfo[7][0], RADAR_SLOT_EMPTY);
    EXPECT_EQ(AddRadarInfo(), -1) << "the last TTM of the previous run is not added again";
}

TEST_F(OwnShipSensor, AGbsWithoutExpectedErrorsSaysNothingOfTheAccuracy)
{
    at(1);
    onPort(0, "$GPRMC,123456.75,A,4807.038,N,01131.000,E,5.5,054.7,191124,,,A");
    onPort(0, "$GPGBS,123456.75,,,,,,,");
    ASSERT_EQ(UpdataShipGpsData(), 1u);
    EXPECT_EQ(ShipData[0].status & STATION_POS_ACCURACY, 0) << "empty errors are not below 5 m";
    onPort(0, "$GPGBS,123456.75,3.0,4.0,6.0,,,,");
    UpdataShipGpsData();
    EXPECT_NE(ShipData[0].status & STATION_POS_ACCURACY, 0);
}
