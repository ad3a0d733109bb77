#include "AlgorithmGeometry.h"

#include "PortalMath.h"

#include <algorithm>
#include <cmath>

namespace Algorithm {

namespace {

constexpr double kSegmentEpsilon = 1e-10;
constexpr double kPolygonEpsilon = 1e-8;

// Where a horizontal ray through p.y meets the edge a-b (a.y != b.y).
double crossingX(const POINT_DOUBLE& p, const POINT_DOUBLE& a, const POINT_DOUBLE& b)
{
    return (b.x - a.x) / (b.y - a.y) * (p.y - a.y) + a.x;
}

double crossingX(const POINT_INT& p, const POINT_INT& a, const POINT_INT& b)
{
    return (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y) * (static_cast<double>(p.y) - a.y) + a.x;
}

// The integer form of PointInPolygon computes the crossing in whole units.
double crossingXWhole(const POINT_DOUBLE& p, const POINT_DOUBLE& a, const POINT_DOUBLE& b)
{
    return (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x;
}

double crossingXWhole(const POINT_INT& p, const POINT_INT& a, const POINT_INT& b)
{
    // Differences of ints fit 33 bits, their product 66: 128-bit keeps the whole-unit division exact.
    const __int128 numerator =
        static_cast<__int128>(static_cast<long long>(b.x) - a.x) * (static_cast<long long>(p.y) - a.y);
    return static_cast<double>(numerator / (static_cast<long long>(b.y) - a.y) + a.x);
}

template <typename P> bool samePoint(const P& a, const P& b)
{
    return a.x == b.x && a.y == b.y;
}

template <typename P> int ptInLine(const P& p, const P& a, const P& b)
{
    if (samePoint(p, a) || samePoint(p, b))
        return 1;
    if (a.y == b.y || p.y < std::min(a.y, b.y) || p.y >= std::max(a.y, b.y))
        return -1;
    const double x = crossingX(p, a, b);
    if (std::fabs(x - p.x) < kPolygonEpsilon)
        return 1;
    return x > p.x ? 0 : -1;
}

template <typename P> bool ptInPolygon(const P* p, const P* poly, int n, bool onEdge)
{
    if (p == nullptr || poly == nullptr || n < 1)
        return false;
    int crossings = 0;
    for (int i = 0; i < n; ++i) {
        const P& a = poly[i];
        const P& b = poly[(i + 1) % n];
        if (samePoint(*p, a) || samePoint(*p, b))
            return onEdge;
        if (a.y == b.y)
            continue;
        if (p->y < std::min(a.y, b.y) || p->y >= std::max(a.y, b.y))
            continue;
        const double x = crossingX(*p, a, b);
        if (std::fabs(x - p->x) < kPolygonEpsilon)
            return onEdge;
        if (x > p->x)
            ++crossings;
    }
    return crossings % 2 == 1;
}

template <typename P> bool pointInPolygon(const P* p, const P* poly, int n, bool onEdge)
{
    if (p == nullptr || poly == nullptr || n < 3)
        return false;
    const double px = p->x;
    const double py = p->y;
    int crossings = 0;
    bool boundary = false;
    for (int i = 0; i < n && !boundary; ++i) {
        const P& a = poly[i];
        const P& b = poly[(i + 1) % n];
        const double lowY = std::min<double>(a.y, b.y);
        const double highY = std::max<double>(a.y, b.y);
        if (std::fabs(static_cast<double>(a.y) - b.y) < kPolygonEpsilon) {
            const bool onLine = std::fabs(py - a.y) < kPolygonEpsilon || std::fabs(py - b.y) < kPolygonEpsilon;
            boundary = onLine && std::min<double>(a.x, b.x) <= px && px <= std::max<double>(a.x, b.x);
            continue;
        }
        if (py < lowY || py > highY)
            continue;
        const double x = crossingXWhole(*p, a, b);
        if (std::fabs(x - px) < kPolygonEpsilon) {
            boundary = true;
        } else if (x > px) {
            // A vertex on the ray counts once: for the edge whose upper end it is.
            const bool atEnd = std::fabs(py - a.y) < kPolygonEpsilon || std::fabs(py - b.y) < kPolygonEpsilon;
            if (!atEnd || std::fabs(py - highY) < kPolygonEpsilon)
                ++crossings;
        }
    }
    return boundary ? onEdge : crossings % 2 == 1;
}

Unit::SPointC2dI centerOrigen(const Unit::SPointC2dI& size, float angle, float a, float b, int c, double along)
{
    float sin = 0.0f;
    float cos = 1.0f;
    Portal::Math::NewMath::calSinCosTheta(&sin, &cos, angle);
    const int r = Portal::Math::roundHalfUp(static_cast<double>(c) * a * b / 2.0);
    const int dx = Portal::Math::roundHalfUp(along * sin + r * static_cast<double>(cos));
    const int dy = Portal::Math::roundHalfUp(-along * cos + r * static_cast<double>(sin));
    // Near the ends of the int range the difference is taken in 64 bits and kept within int.
    Unit::SPointC2dI origin;
    origin.x = Portal::Math::roundHalfUp(static_cast<double>(size.x / 2) - dx);
    origin.y = Portal::Math::roundHalfUp(static_cast<double>(size.y / 2) - dy);
    return origin;
}

} // namespace

int dblcmp(double d)
{
    if (std::fabs(d) < kSegmentEpsilon)
        return 0;
    return d > 0 ? 1 : -1;
}

double cross(const POINT_DOUBLE& p0, const POINT_DOUBLE& p1, const POINT_DOUBLE& p2)
{
    return (p1.x - p0.x) * (p2.y - p0.y) - (p2.x - p0.x) * (p1.y - p0.y);
}

int xycmp(double p, double a, double b)
{
    return dblcmp(p - b) * dblcmp(p - a);
}

int betweencmp(const POINT_DOUBLE& p, const POINT_DOUBLE& a, const POINT_DOUBLE& b)
{
    if (std::fabs(a.x - b.x) > std::fabs(a.y - b.y))
        return xycmp(p.x, a.x, b.x);
    return xycmp(p.y, a.y, b.y);
}

double Xmult(double x1, double y1, double x2, double y2, double x0, double y0)
{
    return (x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0);
}

double AreaTriangle(double x1, double y1, double x2, double y2, double x3, double y3)
{
    return std::fabs((x1 - x3) * (y2 - y3) - (y1 - y3) * (x2 - x3)) / 2.0;
}

double DistanceOfPoints(const Unit::SPointC2dI* p1, const Unit::SPointC2dI* p2)
{
    return Cal2PointsDistTri(p1->x, p1->y, p2->x, p2->y);
}

double Cal2PointsDistTri(double x1, double y1, double x2, double y2)
{
    return std::hypot(x2 - x1, y2 - y1);
}

double Cal2PointsAngleTri(double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double length = std::hypot(dx, dy);
    if (length == 0.0)
        return 0.0;
    if (dy == 0.0 && dx < 0.0)
        return 180.0;
    double angle = std::acos(std::clamp(dx / length, -1.0, 1.0)) / Portal::Math::kDegToRad;
    if (dy < 0.0)
        angle = -angle;
    if (angle < 0.0)
        angle += 360.0;
    return angle;
}

bool PointIsOnSegment(const Unit::SPointC2dI* p, const Unit::LINE_C2D_I* seg, int tolerance)
{
    const double length = DistanceOfPoints(&seg->start, &seg->end);
    const double sum = DistanceOfPoints(p, &seg->start) + DistanceOfPoints(p, &seg->end);
    return length - tolerance <= sum && sum <= length + tolerance;
}

int PtInLine(const POINT_DOUBLE* p, POINT_DOUBLE a, POINT_DOUBLE b)
{
    return ptInLine(*p, a, b);
}

int PtInLine(const POINT_INT* p, POINT_INT a, POINT_INT b)
{
    return ptInLine(*p, a, b);
}

bool PtInPolygon(const POINT_DOUBLE* p, const POINT_DOUBLE* poly, int n, bool onEdge)
{
    return ptInPolygon(p, poly, n, onEdge);
}

bool PtInPolygon(const POINT_INT* p, const POINT_INT* poly, int n, bool onEdge)
{
    return ptInPolygon(p, poly, n, onEdge);
}

bool PointInPolygon(const POINT_DOUBLE* p, const POINT_DOUBLE* poly, int n, bool onEdge)
{
    return pointInPolygon(p, poly, n, onEdge);
}

bool PointInPolygon(const POINT_INT* p, const POINT_INT* poly, int n, bool onEdge)
{
    return pointInPolygon(p, poly, n, onEdge);
}

int segcross(POINT_DOUBLE* out, const POINT_DOUBLE& a1, const POINT_DOUBLE& a2, const POINT_DOUBLE& b1,
             const POINT_DOUBLE& b2)
{
    if (samePoint(a1, a2) || samePoint(b1, b2))
        return 0;
    const double d1 = cross(a1, a2, b1);
    const double d2 = cross(a1, a2, b2);
    const double d3 = cross(b1, b2, a1);
    const double d4 = cross(b1, b2, a2);
    const int s1 = dblcmp(d1);
    const int s2 = dblcmp(d2);
    const int s3 = dblcmp(d3);
    const int s4 = dblcmp(d4);
    if (s1 * s2 < 0 && s3 * s4 < 0) {
        out->x = (b1.x * d2 - b2.x * d1) / (d2 - d1);
        out->y = (b1.y * d2 - b2.y * d1) / (d2 - d1);
        return 1;
    }
    // An end point lying on the other segment, tested in this order.
    const struct
    {
        int side;
        const POINT_DOUBLE& end;
        const POINT_DOUBLE& from;
        const POINT_DOUBLE& to;
    } touches[] = {{s1, b1, a1, a2}, {s2, b2, a1, a2}, {s3, a1, b1, b2}, {s4, a2, b1, b2}};
    for (const auto& touch : touches) {
        if (touch.side == 0 && betweencmp(touch.end, touch.from, touch.to) <= 0) {
            *out = touch.end;
            return 2;
        }
    }
    return 0;
}

Unit::SPointC2dI CalPointCenterOrigen(const Unit::SPointC2dI& size, float angle, float a, float b, int c)
{
    return centerOrigen(size, angle, a, b, c, 5.0);
}

Unit::SPointC2dI CalLineCenterOrigen(const Unit::SPointC2dI& size, float angle, float a, float b, int c)
{
    return centerOrigen(size, angle, a, b, c, -16.0);
}

} // namespace Algorithm
