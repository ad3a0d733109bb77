#include "Geodesy.h"

#include "AlgorithmGeometry.h"
#include "PortalMath.h"

#include <algorithm>
#include <cmath>

namespace Algorithm {

namespace {

using Portal::Math::kDegToRad;

constexpr double kRadToDeg = 57.295779513;
constexpr double kRadToDegEllip = 57.29577951308232;
constexpr double kPi = 3.14159265358979323846;

// WGS-84.
constexpr double kB = 6356752.3142;
constexpr double kBSquared = 40408299984087.055;
constexpr double kASquaredLessBSquared = 272331606681.9453;
constexpr double kF = 0.0033528106647474805;
constexpr double kOneLessF = 0.9966471893352525;
constexpr double kFOver16 = 0.00020955066654671753;
constexpr double kTolerance = 1e-12;
constexpr int kIterations = 100;

constexpr double kSphereRadiusKm = 6378.137;
constexpr double kKmPerDegree = 111.08956;
constexpr double kEllipOffset = 1e-6;
constexpr double kMetresPerNm = 1852.0;
constexpr double kKmPerNm = 1.852f;

struct SInverse
{
    bool coincident = false;
    bool converged = false;
    double sinU1 = 0, cosU1 = 0, sinU2 = 0, cosU2 = 0;
    double sinLambda = 0, cosLambda = 0; // of the lambda the last pass began with
    double sinSigma = 0, cosSigma = 0, sigma = 0;
    double cosSqAlpha = 0, cos2SigmaM = 0;
};

SInverse solveInverse(double lat1, double lon1, double lat2, double lon2)
{
    SInverse s;
    const double u1 = std::atan(kOneLessF * std::tan(lat1 * kDegToRad));
    const double u2 = std::atan(kOneLessF * std::tan(lat2 * kDegToRad));
    s.sinU1 = std::sin(u1);
    s.cosU1 = std::cos(u1);
    s.sinU2 = std::sin(u2);
    s.cosU2 = std::cos(u2);
    const double bigL = (lon2 - lon1) * kDegToRad;
    double lambda = bigL;
    for (int budget = kIterations; budget > 0; --budget) {
        s.sinLambda = std::sin(lambda);
        s.cosLambda = std::cos(lambda);
        const double east = s.cosU2 * s.sinLambda;
        const double north = s.cosU1 * s.sinU2 - s.sinU1 * s.cosU2 * s.cosLambda;
        s.sinSigma = std::sqrt(east * east + north * north);
        if (s.sinSigma == 0.0) {
            s.coincident = true;
            return s;
        }
        s.cosSigma = s.sinU1 * s.sinU2 + s.cosU1 * s.cosU2 * s.cosLambda;
        s.sigma = std::atan2(s.sinSigma, s.cosSigma);
        const double sinAlpha = s.cosU1 * s.cosU2 * s.sinLambda / s.sinSigma;
        s.cosSqAlpha = 1.0 - sinAlpha * sinAlpha;
        // Both points on the equator: cos²α is 0.
        s.cos2SigmaM = s.cosSqAlpha != 0.0 ? s.cosSigma - 2.0 * s.sinU1 * s.sinU2 / s.cosSqAlpha : 0.0;
        const double c = kFOver16 * s.cosSqAlpha * (4.0 + kF * (4.0 - 3.0 * s.cosSqAlpha));
        const double next =
            bigL + (1.0 - c) * kF * sinAlpha *
                       (s.sigma +
                        c * s.sinSigma * (s.cos2SigmaM + c * s.cosSigma * (2.0 * s.cos2SigmaM * s.cos2SigmaM - 1.0)));
        if (std::fabs(next - lambda) <= kTolerance) {
            s.converged = true;
            return s;
        }
        lambda = next;
    }
    return s;
}

double deltaSigma(double bigB, double sinSigma, double cosSigma, double cos2SigmaM)
{
    const double c2 = cos2SigmaM * cos2SigmaM;
    return bigB * sinSigma *
           (cos2SigmaM + bigB / 4.0 *
                             (cosSigma * (2.0 * c2 - 1.0) -
                              bigB / 6.0 * cos2SigmaM * (4.0 * sinSigma * sinSigma - 3.0) * (4.0 * c2 - 3.0)));
}

double coefficientA(double uSq)
{
    return 1.0 + uSq / 16384.0 * (4096.0 + uSq * (-768.0 + uSq * (320.0 - 175.0 * uSq)));
}

double coefficientB(double uSq)
{
    return uSq / 1024.0 * (256.0 + uSq * (-128.0 + uSq * (74.0 - 47.0 * uSq)));
}

double positiveDegrees(double degrees)
{
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

// Initial great-circle bearing, for the points where the ellipsoid iteration does not settle.
double sphericalBearing(double lat1, double lon1, double lat2, double lon2)
{
    const double phi1 = lat1 * kDegToRad;
    const double phi2 = lat2 * kDegToRad;
    const double dLon = (lon2 - lon1) * kDegToRad;
    const double y = std::sin(dLon) * std::cos(phi2);
    const double x = std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLon);
    return positiveDegrees(std::atan2(y, x) * kRadToDeg);
}

} // namespace

double Cal2PointsDistanceGoogle(double lon1, double lat1, double lon2, double lat2)
{
    const double phi1 = lat1 * kDegToRad;
    const double phi2 = lat2 * kDegToRad;
    const double sinDLat = std::sin((phi2 - phi1) / 2.0);
    const double sinDLon = std::sin((lon2 - lon1) * kDegToRad / 2.0);
    const double h = sinDLat * sinDLat + std::cos(phi1) * std::cos(phi2) * sinDLon * sinDLon;
    return 2.0 * std::asin(std::sqrt(std::min(h, 1.0))) * kSphereRadiusKm;
}

double Cal2PointsDistanceEllip(double lon1, double lat1, double lon2, double lat2)
{
    if (lon1 == lon2 && lat1 == lat2)
        return 0.0;
    const double dLat = lat2 - lat1 + kEllipOffset;
    const double dLon = lon2 - lon1 + kEllipOffset;
    const double meanLat = (lat1 + lat2) / 2.0 / kRadToDegEllip;
    return std::fabs(kKmPerDegree * dLat / std::cos(std::atan(std::cos(meanLat) * dLon / dLat)));
}

void CalLonLatScaleEllip(double lon, double lat, double* nmPerDegLon, double* nmPerDegLat, double span)
{
    if (span == 0.0)
        return;
    const double lowLon = std::max(lon - span / 2.0, -180.0);
    const double lowLat = std::max(lat - span / 2.0, -90.0);
    *nmPerDegLon = Cal2PointsDistanceEllip(lowLon, lat, lowLon + span, lat) / kKmPerNm / span;
    *nmPerDegLat = Cal2PointsDistanceEllip(lon, lowLat, lon, lowLat + span) / kKmPerNm / span;
}

double Cal2PointsDistVincenty(double lat1, double lon1, double lat2, double lon2)
{
    const SInverse s = solveInverse(lat1, lon1, lat2, lon2);
    if (s.coincident)
        return 0.0;
    if (!s.converged)
        return Cal2PointsDistanceGoogle(lon1, lat1, lon2, lat2) / kKmPerNm;
    const double uSq = s.cosSqAlpha * kASquaredLessBSquared / kBSquared;
    const double bigB = coefficientB(uSq);
    const double metres = kB * coefficientA(uSq) * (s.sigma - deltaSigma(bigB, s.sinSigma, s.cosSigma, s.cos2SigmaM));
    return metres / kMetresPerNm;
}

double Cal2PointsBearingVincenty(double lat1, double lon1, double lat2, double lon2)
{
    const SInverse s = solveInverse(lat1, lon1, lat2, lon2);
    if (s.coincident)
        return 0.0;
    if (!s.converged)
        return sphericalBearing(lat1, lon1, lat2, lon2);
    const double bearing =
        std::atan2(s.cosU2 * s.sinLambda, s.cosU1 * s.sinU2 - s.sinU1 * s.cosU2 * s.cosLambda) * kRadToDeg;
    return positiveDegrees(bearing);
}

void CalDestPointVincenty(double* lon2, double* lat2, double lon1, double lat1, float metres, float bearing)
{
    const double alpha1 = bearing * kDegToRad;
    const double sinAlpha1 = std::sin(alpha1);
    const double cosAlpha1 = std::cos(alpha1);
    const double tanU1 = kOneLessF * std::tan(lat1 * kDegToRad);
    const double cosU1 = 1.0 / std::sqrt(1.0 + tanU1 * tanU1);
    const double sinU1 = tanU1 * cosU1;
    const double sigma1 = std::atan2(tanU1, cosAlpha1);
    const double sinAlpha = cosU1 * sinAlpha1;
    const double cosSqAlpha = 1.0 - sinAlpha * sinAlpha;
    const double uSq = cosSqAlpha * kASquaredLessBSquared / kBSquared;
    const double bigA = coefficientA(uSq);
    const double bigB = coefficientB(uSq);

    const double sigma0 = metres / (kB * bigA);
    double sigma = sigma0;
    double previous = 2.0 * kPi;
    double sinSigma = 0.0;
    double cosSigma = 1.0;
    double cos2SigmaM = 0.0;
    // The direct series settles in a few passes; the bound only guards odd input.
    for (int pass = 0; pass < kIterations && std::fabs(sigma - previous) > kTolerance; ++pass) {
        cos2SigmaM = std::cos(2.0 * sigma1 + sigma);
        sinSigma = std::sin(sigma);
        cosSigma = std::cos(sigma);
        previous = sigma;
        sigma = sigma0 + deltaSigma(bigB, sinSigma, cosSigma, cos2SigmaM);
    }

    const double tmp = sinU1 * sinSigma - cosU1 * cosSigma * cosAlpha1;
    *lat2 = std::atan2(sinU1 * cosSigma + cosU1 * sinSigma * cosAlpha1,
                       kOneLessF * std::sqrt(sinAlpha * sinAlpha + tmp * tmp)) *
            kRadToDeg;
    const double lambda = std::atan2(sinSigma * sinAlpha1, cosU1 * cosSigma - sinU1 * sinSigma * cosAlpha1);
    const double c = kFOver16 * cosSqAlpha * (4.0 + kF * (4.0 - 3.0 * cosSqAlpha));
    const double bigL =
        lambda - (1.0 - c) * kF * sinAlpha *
                     (sigma + c * sinSigma * (cos2SigmaM + c * cosSigma * (2.0 * cos2SigmaM * cos2SigmaM - 1.0)));
    *lon2 = (std::fmod(lon1 * kDegToRad + bigL + 3.0 * kPi, 2.0 * kPi) - kPi) * kRadToDeg;
}

double Poit2LineNearCrossDistLL(double* outX, double* outY, double x1, double y1, double x2, double y2, double px,
                                double py)
{
    const double length = Cal2PointsDistTri(x1, y1, x2, y2);
    if (length == 0.0)
        return 0.0;
    const double h = 2.0 * AreaTriangle(x1, y1, x2, y2, px, py) / length;
    const double dA = Cal2PointsDistTri(px, py, x1, y1);
    const double dB = Cal2PointsDistTri(px, py, x2, y2);
    const double tA = std::sqrt(std::max(dA * dA - h * h, 0.0));
    const double tB = std::sqrt(std::max(dB * dB - h * h, 0.0));
    if (tA <= length && tB <= length) {
        *outX = x1 + (x2 - x1) * tA / length;
        *outY = y1 + (y2 - y1) * tA / length;
        return h;
    }
    if (dA > dB) {
        *outX = x2;
        *outY = y2;
        return dB;
    }
    *outX = x1;
    *outY = y1;
    return dA;
}

int GetLonLineThMode(double lon1, double lon2, char withDirection)
{
    if (!(lon1 * lon2 < 0.0))
        return 0;
    const bool eastward = lon2 > lon1;
    if (360.0 - std::fabs(lon1 - lon2) > 180.0)
        return withDirection ? (eastward ? -2 : -3) : -1;
    return withDirection ? (eastward ? 3 : 2) : 1;
}

void InitialNumValueLL(double* maxMin)
{
    maxMin[0] = -181.0;
    maxMin[1] = 181.0;
}

void CompareLatValue(double* maxMin, double value)
{
    maxMin[0] = std::max(maxMin[0], value);
    maxMin[1] = std::min(maxMin[1], value);
}

void CompareLonValuePN(double* east, double* west, bool* seen, double value)
{
    if (value > 0.0) {
        CompareLatValue(east, value);
        seen[0] = true;
    } else {
        CompareLatValue(west, value);
        seen[1] = true;
    }
}

void GetLonValueCompareResult(double* out, const double* east, const double* west, const bool* seen, char mode)
{
    if (mode < 1) {
        out[0] = seen[0] ? east[0] : west[0];
        out[1] = seen[1] ? west[1] : east[1];
    } else {
        out[0] = east[1];
        out[1] = west[0];
    }
}

void CalLineCenterLL(double* lat, double* lon, double lat1, double lat2, double lon1, double lon2, char mode)
{
    *lat = lat1 + (lat2 - lat1) / 2.0;
    double span = lon2 - lon1;
    if (mode >= 1)
        span += 360.0;
    *lon = lon1 + span / 2.0;
}

} // namespace Algorithm
