#include "i62/GpsStore.h"

#include "LibraryTest.h"

#include <gtest/gtest.h>

#include <string>

using namespace TestSupport;

namespace {

class GpsStore : public LibraryTest
{
protected:
    // Lets seconds pass on the library clock, then parses the sentence.
    signed char parseAt(double seconds, const std::string& body)
    {
        m_seconds += seconds;
        at(m_seconds);
        return parseBody(body);
    }

    const GPS_Data& port() const { return GpsData[0]; }

private:
    double m_seconds = 0.0;
};

} // namespace

TEST_F(GpsStore, GgaQualityDecidesThePosition)
{
    ASSERT_EQ(parseAt(1, "$GPGGA,123519,4807.038,N,01131.000,E,0,08,0.9,545.4,M,46.9,M,,"), 0);
    EXPECT_EQ(port().positionValid, 0);
    EXPECT_EQ(port().timeValid, 0); // no fix: the time flags stay as they were
    EXPECT_EQ(port().positionStamp.msOfDay, 0u);
    EXPECT_EQ(port().system, GNSS_SYSTEM_GPS);
    EXPECT_EQ(std::string(port().lastFormatter, 3), "GGA");

    ASSERT_EQ(parseAt(1, "$GNGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"), 0);
    EXPECT_EQ(port().positionValid, 1);
    EXPECT_EQ(port().positionStamp.msOfDay, 2000u);
    EXPECT_EQ(port().timeValid, 1);
    EXPECT_EQ(port().timeUpdated, 1);
    EXPECT_EQ(port().fix3D2D, 1);
    EXPECT_FLOAT_EQ(port().geoidSep, 46.9f);
    EXPECT_FLOAT_EQ(port().hdop, 0.9f);
    EXPECT_EQ(port().system, GNSS_SYSTEM_COMBINED);
}

TEST_F(GpsStore, RmcStatusAndMode)
{
    ASSERT_EQ(parseAt(1, "$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191124,020.3,E,N"), 0);
    EXPECT_EQ(port().positionValid, 0);
    EXPECT_NEAR(port().position.latitude, 49.274167, 1e-5);
    EXPECT_EQ(port().timeValid, 1);
    EXPECT_EQ(port().courseSpeedValid, 1);
    EXPECT_EQ(port().date.day, 19);

    ASSERT_EQ(parseAt(1, "$GPRMC,225447,A,4916.45,N,12311.12,W,000.5,,191124,020.3,E"), 0);
    EXPECT_EQ(port().mode, 128);
    EXPECT_EQ(port().positionValid, 1);
    EXPECT_EQ(port().courseSpeedValid, 0);

    ASSERT_EQ(parseAt(1, "$GPRMC,225448,V,4916.45,N,12311.12,W,000.5,054.7,191124,020.3,E,A"), 0);
    EXPECT_EQ(port().positionValid, 0);
    EXPECT_EQ(port().timeValid, 0);
    EXPECT_EQ(port().courseSpeedValid, 0);
    EXPECT_EQ(port().status, 'V');
}

TEST_F(GpsStore, SatellitesAndDilution)
{
    ASSERT_EQ(parseAt(1, "$GPGSA,A,3,05,07,,,,,,,,,,,1.8,1.0,1.5"), 0);
    EXPECT_EQ(port().satsInUse, 2);
    EXPECT_EQ(port().fixMode, 3);
    EXPECT_EQ(port().fix3D2D, 1);
    EXPECT_FLOAT_EQ(port().pdop, 1.8f);

    ASSERT_EQ(parseAt(1, "$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00"), 0);
    EXPECT_EQ(port().gsvIds[3], 13);
    ASSERT_EQ(parseAt(1, "$GPGSV,3,3,11,22,42,067,42,24,14,311,43,27,05,244,00"), 0);
    EXPECT_EQ(port().gsvSatCount, 3);
    EXPECT_EQ(port().gsvNumber, 3);
    EXPECT_EQ(port().gsvIds[2], 27);
    EXPECT_EQ(port().gsvIds[3], 128); // the last message carried only three
    EXPECT_EQ(port().gsvAzimuths[3], 0xFFFF);
    EXPECT_EQ(port().gsvInView, 11);
}

TEST_F(GpsStore, GllVtgZdaGbsAndDtm)
{
    ASSERT_EQ(parseAt(1, "$GPGLL,4916.45,N,12311.12,W,225444,D"), 0);
    EXPECT_EQ(port().positionValid, 1);
    EXPECT_EQ(port().timeValid, 1);
    ASSERT_EQ(parseAt(1, "$GPGLL,4916.45,N,12311.12,W,225445,V,N"), 0);
    EXPECT_EQ(port().positionValid, 0);

    ASSERT_EQ(parseAt(1, "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A"), 0);
    EXPECT_EQ(port().courseSpeedValid, 1);
    EXPECT_FLOAT_EQ(port().courseMagnetic, 34.4f);
    EXPECT_EQ(port().courseSpeedStamp.msOfDay, 3000u);
    ASSERT_EQ(parseAt(1, "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,N"), 0);
    EXPECT_EQ(port().courseSpeedValid, 0);
    EXPECT_EQ(port().courseSpeedStamp.msOfDay, 3000u);
    ASSERT_EQ(parseAt(1, "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K"), 0);
    EXPECT_EQ(port().courseSpeedValid, 1);

    initLibrary();
    ASSERT_EQ(parseAt(1, "$GPZDA,201530.00,04,07,2002,-05,00"), 0);
    EXPECT_EQ(port().timeValid, 1);
    EXPECT_EQ(port().date.year, 2002);
    initLibrary();
    ASSERT_EQ(parseAt(1, "$GPZDA,201530.00,,,,,"), 0);
    EXPECT_EQ(port().timeValid, 0);
    EXPECT_EQ(port().date.year, 0);
    EXPECT_EQ(port().date.month, 0);

    ASSERT_EQ(parseAt(1, "$GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354,6.972"), 0);
    EXPECT_EQ(port().gbsValid, 1);
    EXPECT_EQ(port().gbsErrorsValid, 1);
    EXPECT_EQ(port().gbsFailedSat, 19);
    ASSERT_EQ(parseAt(1, "$GPGBS,015510.00,,-0.186,0.219,,,,"), 0);
    EXPECT_EQ(port().gbsValid, 1);
    EXPECT_EQ(port().gbsErrorsValid, 0);

    ASSERT_EQ(parseAt(1, "$GPDTM,W84,,0.0,N,0.0,E,0.0,W84"), 0);
    EXPECT_EQ(port().dtmValid, 1);
    EXPECT_STREQ(port().dtmLocalDatum, "W84");
    EXPECT_EQ(std::string(port().lastFormatter, 3), "DTM");
}

TEST_F(GpsStore, OnlyTheCurrentPortIsWritten)
{
    CurGpsPort = 2;
    ASSERT_EQ(parseAt(1, "$GPGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"), 0);
    EXPECT_EQ(GpsData[2].positionValid, 1);
    EXPECT_EQ(GpsData[0].positionValid, 0);
    CurGpsPort = GPS_PORT_COUNT; // no such port: nothing stored
    ASSERT_EQ(parseAt(1, "$GPGGA,123520,4807.038,N,01131.000,E,0,08,0.9,545.4,M,46.9,M,,"), 0);
    EXPECT_EQ(GpsData[2].positionValid, 1);
    CurGpsPort = 0;
}
