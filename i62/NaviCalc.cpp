#include "i62/NaviCalc.h"

#include <cmath>

CPA_SETTING CPA_Setting = {0, 0, 0, 0};

namespace {

constexpr double kDegPerRad = 57.29577950560105;
constexpr double kBearingDegPerRad = 57.3;
constexpr double kKmPerDegArc = 111.12;
constexpr double kKmPerDegLat = 111.08956;
constexpr double kKmPerNm = 1.852;
constexpr double kNudge = 1e-6;
constexpr double kPi = 3.141592654;
constexpr float kStillSpeed2 = 1e-8f;

double rad(double degrees)
{
    return degrees / kDegPerRad;
}

// Longitude difference the short way round, so targets across the 180th meridian stay near.
double lonDelta(double from, double to)
{
    double d = std::fmod(to - from, 360.0);
    if (d > 180.0)
        d -= 360.0;
    if (d < -180.0)
        d += 360.0;
    return d;
}

double wrapBearing(double b)
{
    if (b > 360.0)
        b -= 360.0;
    if (b < 0.0)
        b += 360.0;
    return b;
}

// Bearing from the east and north components (the two distances with their signs).
float bearingOf(double x, double y, double lon1, double lon2)
{
    if (x == 0.0)
        return y > 0.0 ? 0.0f : 180.0f;
    if (y == 0.0)
        return lon2 > lon1 ? 90.0f : 270.0f;
    return static_cast<float>(wrapBearing(std::atan2(y, x) * -kBearingDegPerRad + 90.0));
}

// Bearing from the distances along the parallel of the first point and along its meridian.
float bearingAlong(float (*distance)(float, float, float, float), float lon1, float lat1, float lon2, float lat2)
{
    if (lon1 == lon2 && lat1 == lat2)
        return 0.0f;
    double x = distance(lon1, lat1, lon2, lat1);
    double y = distance(lon1, lat1, lon1, lat2);
    if (lon2 < lon1)
        x = -x;
    if (lat2 < lat1)
        y = -y;
    return bearingOf(x, y, lon1, lon2);
}

VECTOR velocityOf(const SHIP_INFO_TO_CPA& ship)
{
    const double angle = (90.0 - ship.cog) * kPi / 180.0;
    return VECTOR{static_cast<float>(ship.sog * std::cos(angle)), static_cast<float>(ship.sog * std::sin(angle)), 0.0f};
}

// Second ship's position relative to the first, in nautical miles east and north.
VECTOR relativePosition(const SHIP_INFO_TO_CPA& first, const SHIP_INFO_TO_CPA& second)
{
    float lonScale = 0.0f;
    float latScale = 0.0f;
    CalLonLatScale(first.longitude, first.latitude, &lonScale, &latScale, 1.0f);
    return VECTOR{static_cast<float>(lonDelta(first.longitude, second.longitude) * lonScale),
                  static_cast<float>((second.latitude - first.latitude) * latScale), 0.0f};
}

float dot(VECTOR a, VECTOR b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

} // namespace

float Cal2PointsDistanceGC(float lon1, float lat1, float lon2, float lat2)
{
    double c = std::sin(rad(lat1)) * std::sin(rad(lat2)) +
               std::cos(rad(lat1)) * std::cos(rad(lat2)) * std::cos(rad(lon2 - lon1));
    // Rounding can push identical points just past 1, where acos has no value.
    if (c > 1.0)
        c = 1.0;
    if (c < -1.0)
        c = -1.0;
    return static_cast<float>(std::fabs(std::acos(c) * kDegPerRad * kKmPerDegArc));
}

float Cal2PointsDistanceEllip(float lon1, float lat1, float lon2, float lat2)
{
    if (lon1 == lon2 && lat1 == lat2)
        return 0.0f;
    const double dLat = static_cast<double>(lat2) - lat1 + kNudge;
    const double dy = kKmPerDegLat * dLat;
    const double r = (static_cast<double>(lon2) - lon1 + kNudge) / dLat;
    const double m = std::cos(rad(lat1 + (static_cast<double>(lat2) - lat1) / 2.0));
    return static_cast<float>(std::fabs(dy / std::cos(std::atan(r * m))));
}

void CalLonLatScale(float lon, float lat, float* nmPerDegLon, float* nmPerDegLat, float step)
{
    if (step == 0.0f)
        return;
    const float lon0 = lon - step / 2.0f < -180.0f ? -180.0f : lon - step / 2.0f;
    const float lat0 = lat - step / 2.0f < -90.0f ? -90.0f : lat - step / 2.0f;
    if (nmPerDegLon != nullptr)
        *nmPerDegLon = static_cast<float>(Cal2PointsDistanceGC(lon0, lat, lon0 + step, lat) / kKmPerNm / step);
    if (nmPerDegLat != nullptr)
        *nmPerDegLat = static_cast<float>(Cal2PointsDistanceGC(lon, lat0, lon, lat0 + step) / kKmPerNm / step);
}

float Cal2PointBearing(float lon1, float lat1, float lon2, float lat2)
{
    return bearingAlong(Cal2PointsDistanceEllip, lon1, lat1, lon2, lat2);
}

float CalBearing(float lon1, float lat1, float lon2, float lat2)
{
    const float b = bearingAlong(Cal2PointsDistanceGC, lon1, lat1, lon2, lat2);
    return b > 359.99f ? 0.0f : b;
}

void cpa_distance_time(SHIP_INFO_TO_CPA first, SHIP_INFO_TO_CPA second, float* cpa, float* tcpa)
{
    const VECTOR p = relativePosition(first, second);
    const VECTOR va = velocityOf(first);
    const VECTOR vb = velocityOf(second);
    const VECTOR dv = Vector_Sub(va, vb);
    const float dv2 = dot(dv, dv);
    const float t = dv2 < kStillSpeed2 ? 0.0f : dot(p, dv) / dv2;
    const VECTOR gap = Vector_Sub(Vector_Scale(va, t), Vector_ADD(p, Vector_Scale(vb, t)));
    if (cpa != nullptr)
        *cpa = std::sqrt(dot(gap, gap));
    if (tcpa != nullptr)
        *tcpa = t * 60.0f;
}

void CalVector(SHIP_INFO_TO_CPA first, SHIP_INFO_TO_CPA second, TRACK* firstTrack, TRACK* secondTrack)
{
    if (firstTrack != nullptr)
        *firstTrack = TRACK{velocityOf(first), VECTOR{0.0f, 0.0f, 0.0f}};
    if (secondTrack != nullptr)
        *secondTrack = TRACK{velocityOf(second), relativePosition(first, second)};
}

float cpa_time(const TRACK* first, const TRACK* second)
{
    if (first == nullptr || second == nullptr)
        return 0.0f;
    const VECTOR dv = Vector_Sub(first->velocity, second->velocity);
    const float dv2 = dot(dv, dv);
    if (dv2 < kStillSpeed2)
        return 0.0f;
    return -dot(Vector_Sub(first->position, second->position), dv) / dv2;
}

VECTOR Vector_ADD(VECTOR a, VECTOR b)
{
    return VECTOR{a.x + b.x, a.y + b.y, a.z + b.z};
}

VECTOR Vector_Sub(VECTOR a, VECTOR b)
{
    return VECTOR{a.x - b.x, a.y - b.y, a.z - b.z};
}

VECTOR Vector_Scale(VECTOR a, float factor)
{
    return VECTOR{a.x * factor, a.y * factor, a.z * factor};
}

void CpaInitial()
{
    CPA_Setting = CPA_SETTING{5, 10, 1, 1};
}
