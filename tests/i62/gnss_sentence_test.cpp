#include "i62/GnssSentence.h"

#include "i62/I62Sentence.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

using namespace TestSupport;

namespace {

// Decomposes the body (checksum added) and returns the Parser result with the record.
signed char read(const std::string& body, I61162_Data_Structure* record)
{
    *record = I61162_Data_Structure{};
    return parseBody(body, record);
}

struct SResultCase
{
    const char* body;
    signed char result;
};

} // namespace

TEST(GnssSentence, ValuesOfEachFormatter)
{
    initLibrary();
    I61162_Data_Structure r{};
    ASSERT_EQ(read("$GPGGA,123519.25,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,3.5,0120", &r), 0);
    EXPECT_EQ(r.fields.gga.time.second, 19);
    EXPECT_EQ(r.fields.gga.time.hundredths, 25);
    EXPECT_NEAR(r.fields.gga.position.latitude, 48.1173, 1e-4);
    EXPECT_NEAR(r.fields.gga.position.longitude, 11.516667, 1e-5);
    EXPECT_EQ(r.fields.gga.quality, 1);
    EXPECT_EQ(r.fields.gga.satsInUse, 8);
    EXPECT_FLOAT_EQ(r.fields.gga.hdop, 0.9f);
    EXPECT_FLOAT_EQ(r.fields.gga.geoidSep, 46.9f);
    EXPECT_EQ(r.fields.gga.geoidSepUnit, 'M');
    EXPECT_EQ(r.fields.gga.diffStation, 120);

    ASSERT_EQ(read("$GPGGA,,,,,,,,,,,,,,", &r), 0);
    EXPECT_EQ(r.fields.gga.time.hour, 24);
    EXPECT_DOUBLE_EQ(r.fields.gga.position.longitude, 181.0);
    EXPECT_EQ(r.fields.gga.quality, 128);
    EXPECT_EQ(r.fields.gga.satsInUse, 128);
    EXPECT_FLOAT_EQ(r.fields.gga.hdop, -100000.0f);
    EXPECT_EQ(r.fields.gga.altitudeUnit, 128);
    EXPECT_EQ(r.fields.gga.diffStation, 0xFFFF);

    ASSERT_EQ(read("$GNGSA,A,3,05,07,,,,,,,,,,,1.8,1.0,1.5", &r), 0);
    EXPECT_EQ(r.fields.gsa.selectionMode, 'A');
    EXPECT_EQ(r.fields.gsa.fixMode, 3);
    EXPECT_EQ(r.fields.gsa.satIds[1], 7);
    EXPECT_EQ(r.fields.gsa.satIds[2], 128);
    EXPECT_FLOAT_EQ(r.fields.gsa.vdop, 1.5f);

    ASSERT_EQ(read("$GLGSV,3,3,11,22,42,067,42,24,,,43,27,05,244,", &r), 0);
    EXPECT_EQ(r.fields.gsv.satCount, 3);
    EXPECT_EQ(r.fields.gsv.inView, 11);
    EXPECT_EQ(r.fields.gsv.sats[1].elevation, 128);
    EXPECT_EQ(r.fields.gsv.sats[1].azimuth, 0xFFFF);
    EXPECT_EQ(r.fields.gsv.sats[2].snr, 128);
    EXPECT_EQ(r.fields.gsv.sats[3].id, 128);

    ASSERT_EQ(read("$GPZDA,201530.00,04,07,2002,-05,00", &r), 0);
    EXPECT_EQ(r.fields.zda.year, 2002);
    EXPECT_EQ(r.fields.zda.zoneHours, 251);
    ASSERT_EQ(read("$GPZDA,201530.00,04,07,,,", &r), 0);
    EXPECT_EQ(r.fields.zda.year, -1);

    ASSERT_EQ(read("$GPDTM,W84,,0.1,S,0.2,W,-2.5,W84", &r), 0);
    EXPECT_STREQ(r.fields.dtm.localDatum, "W84");
    EXPECT_EQ(r.fields.dtm.subdivision, 0);
    EXPECT_DOUBLE_EQ(r.fields.dtm.latOffset, -0.1);
    EXPECT_DOUBLE_EQ(r.fields.dtm.lonOffset, -0.2);
    EXPECT_FLOAT_EQ(r.fields.dtm.altOffset, -2.5f);
    ASSERT_EQ(read("$GPDTM,999TOOLONG,A,,,,,,", &r), 0);
    EXPECT_STREQ(r.fields.dtm.localDatum, "999TO");
    EXPECT_FLOAT_EQ(r.fields.dtm.altOffset, 0.0f);
    EXPECT_STREQ(r.fields.dtm.referenceDatum, "");

    ASSERT_EQ(read("$GNGNS,014035.00,4332.69262,S,17235.48549,E,RRN,13,0.9,25.63,11.24,,,S", &r), 0);
    EXPECT_EQ(r.fields.gns.mode[0], 'R');
    EXPECT_EQ(r.fields.gns.mode[1], 'R');
    EXPECT_EQ(r.fields.gns.satsInUse[1], '3');
    EXPECT_NEAR(r.fields.gns.position.latitude, -43.544877, 1e-6);
    EXPECT_FLOAT_EQ(r.fields.gns.diffAge, -100000.0f);
    EXPECT_EQ(r.fields.gns.navStatus, 'S');
    ASSERT_EQ(read("$GPGNS,014035.00,,,,,A,,,,,,", &r), 0);
    EXPECT_EQ(r.fields.gns.mode[1], 128);
    EXPECT_EQ(r.fields.gns.navStatus, 128);

    ASSERT_EQ(read("$GPGRS,220320.0,0,-0.8,-0.2,-0.1,-0.2,0.8,0.6,,,,,,", &r), 0);
    EXPECT_FLOAT_EQ(r.fields.grs.residuals[0], -0.8f);
    EXPECT_FLOAT_EQ(r.fields.grs.residuals[11], -100000.0f);
    ASSERT_EQ(read("$GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031", &r), 0);
    EXPECT_FLOAT_EQ(r.fields.gst.altDeviation, 0.031f);
}

TEST(GnssSentence, OptionalTrailingFields)
{
    initLibrary();
    I61162_Data_Structure r{};
    ASSERT_EQ(read("$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E", &r), 0);
    EXPECT_EQ(r.fields.rmc.variationDir, 'E');
    EXPECT_EQ(r.fields.rmc.mode, 128);
    EXPECT_EQ(r.fields.rmc.date.year, 2094);
    ASSERT_EQ(read("$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191124,,,D", &r), 0);
    EXPECT_EQ(r.fields.rmc.mode, 'D');
    EXPECT_EQ(r.fields.rmc.variationDir, 128);
    ASSERT_EQ(read("$GNRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191124,,,A,V", &r), 0);
    EXPECT_EQ(r.fields.rmc.navStatus, 'V');
    EXPECT_FLOAT_EQ(r.fields.rmc.sog, 0.5f);

    ASSERT_EQ(read("$GPGLL,4916.45,N,12311.12,W,225444,A", &r), 0);
    EXPECT_EQ(r.fields.gll.status, 'A');
    EXPECT_EQ(r.fields.gll.mode, 128);
    ASSERT_EQ(read("$GPGLL,4916.45,N,12311.12,W,225444,A,D", &r), 0);
    EXPECT_EQ(r.fields.gll.mode, 'D');

    ASSERT_EQ(read("$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K", &r), 0);
    EXPECT_FLOAT_EQ(r.fields.vtg.speedKmh, 10.2f);
    EXPECT_EQ(r.fields.vtg.mode, 128);
    ASSERT_EQ(read("$GPVTG,,T,,M,0.00,N,0.00,K,N", &r), 0);
    EXPECT_EQ(r.fields.vtg.mode, 'N');
    EXPECT_FLOAT_EQ(r.fields.vtg.courseTrue, -100000.0f);
}

TEST(GnssSentence, RefusedSentences)
{
    initLibrary();
    const SResultCase cases[] = {
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,13,0.9,545.4,M,46.9,M,,", 8},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,300,0.9,545.4,M,46.9,M,,", 8},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,,0.9,545.4,M,46.9,M,,", 0},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,12,99.9,545.4,M,46.9,M,,", 0},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,12,100.0,545.4,M,46.9,M,,", 8},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,12,-0.1,545.4,M,46.9,M,,", 8},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,12,1.0,545.4,M,46.9,M,,1024", 8},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,12,1.0,545.4,M,46.9,M,", 8},
        {"$GPGSV,10,1,11,03,03,111,00", 8},
        {"$GPGSV,1,10,11,03,03,111,00", 8},
        {"$GPGSV,1,1,11,03,91,111,00", 8},
        {"$GPGSV,1,1,11,03,90,360,00", 8},
        {"$GPGSV,1,1,11,03,90,359,100", 8},
        {"$GPGSV,1,1,11,03,90,359,99", 0},
        {"$GPGSV,1,1,00", 8},
        {"$GPGSV,1,1,11,03,90,359,99,04", 8},
        {"$GPZDA,201530.00,00,07,2002,00,00", 8},
        {"$GPZDA,201530.00,32,07,2002,00,00", 8},
        {"$GPZDA,201530.00,04,13,2002,00,00", 8},
        {"$GPZDA,201530.00,04,00,2002,00,00", 8},
        {"$GPZDA,201530.00,04,07,2002,14,00", 8},
        {"$GPZDA,201530.00,04,07,2002,-14,00", 8},
        {"$GPZDA,201530.00,04,07,2002,13,60", 8},
        {"$GPZDA,201530.00,04,07,2002,-13,59", 0},
        {"$GPVTG,054.7,TT,034.4,M,005.5,N,010.2,K,A", 8},
        {"$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,AD", 8},
        {"$GPGNS,014035.00,,,,,A,,100,,,,", 8},
        {"$GPGNS,014035.00,,,,,A,,99.9,,,,", 0},
        {"$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3", 8},
        {"$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E,A,V,X", 8},
        {"$GPGLL,4916.45,N,12311.12,W,225444", 8},
        {"$GPGSA,A,3,05,07,,,,,,,,,,1.8,1.0,1.5", 8},
        {"$GPDTM,W84,,0.1,S,0.2,W,-2.5", 8},
        {"$GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354", 8},
        {"$GPGRS,220320.0,0,-0.8,-0.2,-0.1,-0.2,0.8,0.6,,,,,", 8},
        {"$GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020", 8},
        // Values that would wrap into range if narrowed before the check.
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,265,0.9,545.4,M,46.9,M,,", 8},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,66559", 8},
        {"$GPGSV,1,1,01,03,256,065,40", 8},
        {"$GPGSV,1,1,01,03,45,65536,40", 8},
        {"$GPGSV,1,1,01,03,45,065,265", 8},
        {"$GPZDA,201530.00,257,07,2002,00,00", 8},
        {"$GPZDA,201530.00,04,268,2002,00,00", 8},
        {"$GPZDA,201530.00,04,07,2002,00,256", 8},
    };
    for (const SResultCase& c : cases)
        EXPECT_EQ(parseBody(c.body), c.result) << c.body;
}

TEST(GnssSentence, OverlongNumbersStayInsideTheirFields)
{
    initLibrary();
    I61162_Data_Structure r{};
    // A time of 30 digits is no time of day; a float beyond float range is capped.
    ASSERT_EQ(read("$GPGBS,999999999999999999999999999999,1e5,99999999999999999999999999999999999999999,,,,,", &r), 0);
    EXPECT_EQ(r.fields.gbs.time.hour, 24);
    EXPECT_FLOAT_EQ(r.fields.gbs.errLatitude, 1.0f);
    EXPECT_FLOAT_EQ(r.fields.gbs.errLongitude, 3.4028235e38f);
}

TEST(GnssSentence, NumbersThatAreNotFiniteAreNotAvailable)
{
    initLibrary();
    I61162_Data_Structure r{};
    ASSERT_EQ(read("$GPRMC,123519,A,nan,N,inf,E,nan,infinity,230394,003.1,W,A", &r), 0);
    EXPECT_DOUBLE_EQ(r.fields.rmc.position.latitude, 91.0);
    EXPECT_DOUBLE_EQ(r.fields.rmc.position.longitude, 181.0);
    EXPECT_FLOAT_EQ(r.fields.rmc.sog, -100000.0f);
    EXPECT_FLOAT_EQ(r.fields.rmc.cog, -100000.0f);
    for (const GPS_Data& port : GpsData) {
        EXPECT_FALSE(std::isnan(port.position.latitude));
        EXPECT_FALSE(std::isnan(port.speedKnots));
        EXPECT_FALSE(std::isnan(port.courseTrue));
    }
    ASSERT_EQ(read("$GPGGA,nan,4807.038,N,-inf,E,1,08,nan,545.4,M,46.9,M,,", &r), 0);
    EXPECT_EQ(r.fields.gga.time.hour, I62_HOUR_NA);
    EXPECT_DOUBLE_EQ(r.fields.gga.position.longitude, 181.0);
    EXPECT_FALSE(std::isnan(r.fields.gga.hdop));
}
