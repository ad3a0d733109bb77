#include "services/Geodesy.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace Algorithm;

namespace {

constexpr double kMetresPerNm = 1852.0;
constexpr double kMillimetre = 1e-3;
// 0.005 arc-second, half the last published digit of an azimuth.
constexpr double kAzimuthTolerance = 0.005 / 3600.0;

double dms(double degrees, double minutes, double seconds)
{
    const double value = std::fabs(degrees) + minutes / 60.0 + seconds / 3600.0;
    return degrees < 0 ? -value : value;
}

// The library reads degrees with the truncated ratio 0.0174532925; near the poles that
// shifts a latitude by up to a centimetre. Published meridian lengths are checked at the
// latitude the library actually reaches.
double asReadByLibrary(double degrees)
{
    return degrees * (3.14159265358979323846 / 180.0) / 0.0174532925;
}

// Degrees the library wrote (radians x 57.295779513) as the library reads them back.
double readBack(double degrees)
{
    return degrees / 57.295779513 / 0.0174532925;
}

double metres(double lat1, double lon1, double lat2, double lon2)
{
    return Cal2PointsDistVincenty(lat1, lon1, lat2, lon2) * kMetresPerNm;
}

} // namespace

// Flinders Peak to Buninyong, the worked example of Vincenty's formulae published by
// Geoscience Australia: 54972.271 m, azimuths 306°52'05.37" and 127°10'25.07".
TEST(GeodesyTest, FlindersPeakToBuninyong)
{
    const double flindersLat = dms(-37, 57, 3.72030);
    const double flindersLon = dms(144, 25, 29.52440);
    const double buninyongLat = dms(-37, 39, 10.15610);
    const double buninyongLon = dms(143, 55, 35.38390);

    EXPECT_NEAR(metres(flindersLat, flindersLon, buninyongLat, buninyongLon), 54972.271, kMillimetre);
    EXPECT_NEAR(metres(buninyongLat, buninyongLon, flindersLat, flindersLon), 54972.271, kMillimetre);
    EXPECT_NEAR(Cal2PointsBearingVincenty(flindersLat, flindersLon, buninyongLat, buninyongLon), dms(306, 52, 5.37),
                kAzimuthTolerance);
    EXPECT_NEAR(Cal2PointsBearingVincenty(buninyongLat, buninyongLon, flindersLat, flindersLon), dms(127, 10, 25.07),
                kAzimuthTolerance);
}

TEST(GeodesyTest, EquatorAndMeridianLines)
{
    // Along the equator a geodesic is a circle of radius a: 111319.4908 m per degree.
    EXPECT_NEAR(metres(0, 0, 0, 1), 111319.4908, kMillimetre);
    EXPECT_NEAR(metres(0, 0, 0, 2), 2 * 111319.4908, 2 * kMillimetre);
    EXPECT_NEAR(metres(0, asReadByLibrary(-10), 0, asReadByLibrary(10)), 20 * 111319.4908, kMillimetre);
    // Across 180° the longitude difference is read as 340° with the truncated ratio:
    // a few centimetres on a line of a degree.
    EXPECT_NEAR(metres(0, 179.5, 0, -179.5), 111319.4908, 0.05);
    // WGS-84 quarter meridian 10001965.7293 m; meridian arc to 45° 4984944.3780 m.
    EXPECT_NEAR(metres(0, 0, asReadByLibrary(90), 0), 10001965.7293, kMillimetre);
    EXPECT_NEAR(metres(0, 30, asReadByLibrary(45), 30), 4984944.3780, kMillimetre);
    EXPECT_NEAR(metres(asReadByLibrary(-45), 30, asReadByLibrary(45), 30), 2 * 4984944.3780, 2 * kMillimetre);
}

TEST(GeodesyTest, NearlyAntipodalPointsFallBackToTheGreatCircle)
{
    // Vincenty's iteration does not settle for these; the great circle stands in.
    const double cases[][4] = {{0, 0, 0.5, 179.5}, {0, 0, 0.5, 179.7}, {0, 0, 0, 179.9}, {0, 0, -0.5, 179.7}};
    for (const auto& c : cases) {
        const double nm = Cal2PointsDistVincenty(c[0], c[1], c[2], c[3]);
        EXPECT_DOUBLE_EQ(nm, Cal2PointsDistanceGoogle(c[1], c[0], c[3], c[2]) / 1.852f);
        // Within a quarter percent of the true geodesic, about 19 936 to 20 004 km.
        EXPECT_GT(nm * kMetresPerNm, 19.93e6 * 0.9975);
        EXPECT_LT(nm * kMetresPerNm, 20.004e6 * 1.0025);
        const double bearing = Cal2PointsBearingVincenty(c[0], c[1], c[2], c[3]);
        EXPECT_GE(bearing, 0.0);
        EXPECT_LT(bearing, 360.0);
    }
    // (0, 0) to (0.5, 179.5): atan2(sin 179.5° cos 0.5°, sin 0.5°).
    EXPECT_NEAR(Cal2PointsBearingVincenty(0, 0, 0.5, 179.5), 44.99891, 1e-4);
}

TEST(GeodesyTest, CoincidentPointsAndCardinalBearings)
{
    EXPECT_EQ(Cal2PointsDistVincenty(12.5, 45.25, 12.5, 45.25), 0.0);
    EXPECT_EQ(Cal2PointsBearingVincenty(12.5, 45.25, 12.5, 45.25), 0.0);
    const double cases[][3] = {{1, 0, 0}, {0, 1, 90}, {-1, 0, 180}, {0, -1, 270}};
    for (const auto& c : cases)
        EXPECT_NEAR(Cal2PointsBearingVincenty(0, 0, c[0], c[1]), c[2], 1e-9) << c[2];
}

TEST(GeodesyTest, DestinationRoundTripsThroughTheInverse)
{
    const struct
    {
        double lat, lon;
        float metres, bearing;
    } cases[] = {
        {dms(-37, 57, 3.72030), dms(144, 25, 29.52440), 54972.271f, 306.868158f},
        {0, 0, 1000.0f, 45.0f},
        {51.5, -0.12, 500000.0f, 100.0f},
        {-60, 170, 2000000.0f, 200.0f},
        {10, -179.9f, 30000.0f, 270.0f},
        {80, 20, 1500000.0f, 10.0f},
        {-33.9, 18.4, 9000000.0f, 300.0f},
    };
    for (const auto& c : cases) {
        double lon2 = 0;
        double lat2 = 0;
        CalDestPointVincenty(&lon2, &lat2, c.lon, c.lat, c.metres, c.bearing);
        EXPECT_GE(lon2, -180.0);
        EXPECT_LT(lon2, 180.0);
        const double backLat = readBack(lat2);
        const double backLon = readBack(lon2);
        EXPECT_NEAR(metres(c.lat, c.lon, backLat, backLon), c.metres, kMillimetre) << c.lat << "," << c.lon;
        // The bearing went in through the truncated ratio and comes out through 57.295779513.
        EXPECT_NEAR(Cal2PointsBearingVincenty(c.lat, c.lon, backLat, backLon), c.bearing / readBack(1.0), 1e-8)
            << c.lat << "," << c.lon;
        // Taken as written, the point is off by the ratio's truncation: centimetres at most.
        EXPECT_NEAR(metres(c.lat, c.lon, lat2, lon2), c.metres, 0.05) << c.lat << "," << c.lon;
    }
}

TEST(GeodesyTest, DestinationReachesKnownPoints)
{
    double lon2 = 0;
    double lat2 = 0;
    CalDestPointVincenty(&lon2, &lat2, dms(144, 25, 29.52440), dms(-37, 57, 3.72030), 54972.271f,
                         static_cast<float>(dms(306, 52, 5.37)));
    // The bearing travels as a float, good to about 3e-5 degrees: a few centimetres here.
    EXPECT_NEAR(metres(lat2, lon2, dms(-37, 39, 10.15610), dms(143, 55, 35.38390)), 0.0, 0.05);
    // Eastward across 180°: the longitude comes back in [-180, 180).
    CalDestPointVincenty(&lon2, &lat2, 179.9, 0.0, 20000.0f, 90.0f);
    EXPECT_LT(lon2, 0.0);
    EXPECT_NEAR(lon2, -179.9203, 1e-4);
    EXPECT_NEAR(lat2, 0.0, 1e-9);
}

TEST(GeodesyTest, SphericalAndApproximateDistances)
{
    // One degree of a great circle of radius 6378.137 km.
    EXPECT_NEAR(Cal2PointsDistanceGoogle(10, 20, 10, 21), 111.3195, 1e-3);
    EXPECT_EQ(Cal2PointsDistanceEllip(5, 5, 5, 5), 0.0);
    double perLon = 0;
    double perLat = 0;
    CalLonLatScaleEllip(0, 60, &perLon, &perLat, 1.0);
    EXPECT_NEAR(perLat, 111.08956 / 1.852, 1e-3);
    EXPECT_NEAR(perLon, 111.08956 / 1.852 / 2, 1e-2);
    perLon = perLat = -1;
    CalLonLatScaleEllip(0, 0, &perLon, &perLat, 0.0);
    EXPECT_EQ(perLon, -1);
}

TEST(GeodesyTest, LongitudesAcrossTheMeridians)
{
    const double cases[][4] = {{170, -170, 0, 1}, {170, -170, 1, 2}, {-170, 170, 1, 3}, {10, -10, 0, -1},
                               {10, -10, 1, -3},  {-10, 10, 1, -2},  {10, 20, 1, 0},    {0, -10, 1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(GetLonLineThMode(c[0], c[1], static_cast<char>(c[2])), c[3]) << c[0] << "->" << c[1];
    double cLat = 0;
    double cLon = 0;
    CalLineCenterLL(&cLat, &cLon, 10, 20, 170, -170, 1);
    EXPECT_EQ(cLat, 15.0);
    EXPECT_EQ(cLon, 180.0);
}
