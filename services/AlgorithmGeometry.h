#pragma once

#include "UnitTypes.h"

typedef struct SPointInt
{
    int x = 0;
    int y = 0;
} POINT_INT;

typedef struct SPointDouble
{
    double x = 0.0;
    double y = 0.0;
} POINT_DOUBLE;

// Plane geometry on screen and chart coordinates.
namespace Algorithm {

// 0 when |d| < 1e-10, else the sign.
int dblcmp(double d);
// (p1 - p0) x (p2 - p0).
double cross(const POINT_DOUBLE& p0, const POINT_DOUBLE& p1, const POINT_DOUBLE& p2);
// 0 or negative when p lies between a and b.
int xycmp(double p, double a, double b);
// xycmp on the coordinate along which a and b lie further apart.
int betweencmp(const POINT_DOUBLE& p, const POINT_DOUBLE& a, const POINT_DOUBLE& b);

double Xmult(double x1, double y1, double x2, double y2, double x0, double y0);
double AreaTriangle(double x1, double y1, double x2, double y2, double x3, double y3);

double DistanceOfPoints(const Unit::SPointC2dI* p1, const Unit::SPointC2dI* p2);
double Cal2PointsDistTri(double x1, double y1, double x2, double y2);
// Direction from point 1 to point 2, degrees counter-clockwise from +x, in [0, 360).
double Cal2PointsAngleTri(double x1, double y1, double x2, double y2);

// True when the distances from p to both ends add up to the length within tolerance.
bool PointIsOnSegment(const Unit::SPointC2dI* p, const Unit::LINE_C2D_I* seg, int tolerance);

// One edge of a ray cast to the right: 0 crossed, 1 p on the edge, -1 neither.
int PtInLine(const POINT_DOUBLE* p, POINT_DOUBLE a, POINT_DOUBLE b);
int PtInLine(const POINT_INT* p, POINT_INT a, POINT_INT b);

// Ray-casting tests; onEdge is the answer for a point on the boundary.
bool PtInPolygon(const POINT_DOUBLE* p, const POINT_DOUBLE* poly, int n, bool onEdge);
bool PtInPolygon(const POINT_INT* p, const POINT_INT* poly, int n, bool onEdge);
bool PointInPolygon(const POINT_DOUBLE* p, const POINT_DOUBLE* poly, int n, bool onEdge);
bool PointInPolygon(const POINT_INT* p, const POINT_INT* poly, int n, bool onEdge);

// 0 no intersection, 1 a proper crossing, 2 touching at an end point; out gets the point.
int segcross(POINT_DOUBLE* out, const POINT_DOUBLE& a1, const POINT_DOUBLE& a2, const POINT_DOUBLE& b1,
             const POINT_DOUBLE& b2);

// The origin at which a rotated point or line symbol of the given size is drawn.
Unit::SPointC2dI CalPointCenterOrigen(const Unit::SPointC2dI& size, float angle, float a, float b, int c);
Unit::SPointC2dI CalLineCenterOrigen(const Unit::SPointC2dI& size, float angle, float a, float b, int c);

} // namespace Algorithm
