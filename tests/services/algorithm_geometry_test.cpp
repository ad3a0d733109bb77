#include "services/AlgorithmGeometry.h"

#include <gtest/gtest.h>

#include <climits>

using namespace Algorithm;

namespace {

// A square, a concave "L" and a diamond, counter-clockwise.
const POINT_DOUBLE kSquare[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const POINT_DOUBLE kEll[] = {{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}};
const POINT_DOUBLE kDiamond[] = {{0, -5}, {5, 0}, {0, 5}, {-5, 0}};

enum { Out, In, Edge };

} // namespace

TEST(AlgorithmGeometryTest, PointInPolygonInsideOutsideVerticesAndEdges)
{
    const struct
    {
        POINT_DOUBLE p;
        const POINT_DOUBLE* poly;
        int n;
        int where;
    } cases[] = {
        {{5, 5}, kSquare, 4, In},     {{15, 5}, kSquare, 4, Out},      {{0, 0}, kSquare, 4, Edge},
        {{10, 10}, kSquare, 4, Edge}, {{5, 0}, kSquare, 4, Edge},      {{5, 10}, kSquare, 4, Edge},
        {{10, 5}, kSquare, 4, Edge},  {{-5, 10}, kSquare, 4, Out},     {{-5, 0}, kSquare, 4, Out},
        {{7, 7}, kEll, 6, Out},       {{2, 7}, kEll, 6, In},           {{4, 4}, kEll, 6, Edge},
        {{-1, 4}, kEll, 6, Out},      {{6, 4}, kEll, 6, Edge},         {{-6, 0}, kDiamond, 4, Out},
        {{-5, 0}, kDiamond, 4, Edge}, {{2.5, 2.5}, kDiamond, 4, Edge}, {{-3, 0}, kDiamond, 4, In},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PointInPolygon(&c.p, c.poly, c.n, true), c.where != Out) << c.p.x << "," << c.p.y;
        EXPECT_EQ(PointInPolygon(&c.p, c.poly, c.n, false), c.where == In) << c.p.x << "," << c.p.y;
    }
}

TEST(AlgorithmGeometryTest, PtInPolygonVerticesAndSlopedEdges)
{
    const struct
    {
        POINT_DOUBLE p;
        int where;
    } cases[] = {
        {{0, 0}, In},         {{5, 0}, Edge}, {{0, -5}, Edge}, {{2.5, 2.5}, Edge},
        {{-2.5, -2.5}, Edge}, {{6, 0}, Out},  {{-4.9, 0}, In}, {{3, 3}, Out},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PtInPolygon(&c.p, kDiamond, 4, true), c.where != Out) << c.p.x << "," << c.p.y;
        EXPECT_EQ(PtInPolygon(&c.p, kDiamond, 4, false), c.where == In) << c.p.x << "," << c.p.y;
    }
    const POINT_DOUBLE a{0, 0};
    const POINT_DOUBLE b{4, 4};
    const POINT_DOUBLE left{0, 2};
    const POINT_DOUBLE right{3, 2};
    const POINT_DOUBLE on{2, 2};
    EXPECT_EQ(PtInLine(&left, a, b), 0);
    EXPECT_EQ(PtInLine(&right, a, b), -1);
    EXPECT_EQ(PtInLine(&on, a, b), 1);
}

TEST(AlgorithmGeometryTest, IntegerPolygons)
{
    const POINT_INT square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const POINT_INT inside{5, 5};
    const POINT_INT corner{10, 10};
    const POINT_INT edge{10, 3};
    const POINT_INT outside{11, 3};
    for (bool onEdge : {true, false}) {
        EXPECT_TRUE(PointInPolygon(&inside, square, 4, onEdge));
        EXPECT_EQ(PointInPolygon(&corner, square, 4, onEdge), onEdge);
        EXPECT_EQ(PointInPolygon(&edge, square, 4, onEdge), onEdge);
        EXPECT_FALSE(PointInPolygon(&outside, square, 4, onEdge));
        EXPECT_EQ(PtInPolygon(&edge, square, 4, onEdge), onEdge);
    }
    // Coordinates whose products leave the int range.
    const POINT_INT big[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
    const POINT_INT origin{0, 0};
    EXPECT_TRUE(PointInPolygon(&origin, big, 3, false));
}

TEST(AlgorithmGeometryTest, SegmentCrossingTouchingAndCollinear)
{
    const struct
    {
        POINT_DOUBLE a1, a2, b1, b2;
        int result;
        POINT_DOUBLE at;
    } cases[] = {
        {{0, 0}, {4, 4}, {0, 4}, {4, 0}, 1, {2, 2}},    // proper crossing
        {{0, 0}, {4, 0}, {1, -1}, {3, 3}, 1, {1.5, 0}}, // proper crossing, oblique
        {{0, 0}, {4, 0}, {2, 0}, {2, 3}, 2, {2, 0}},    // b1 touches a
        {{0, 0}, {4, 0}, {2, 3}, {2, 0}, 2, {2, 0}},    // b2 touches a
        {{2, 0}, {2, 3}, {0, 0}, {4, 0}, 2, {2, 0}},    // a1 touches b
        {{2, 3}, {2, 0}, {0, 0}, {4, 0}, 2, {2, 0}},    // a2 touches b
        {{0, 0}, {4, 0}, {4, 0}, {6, 2}, 2, {4, 0}},    // shared end point
        {{0, 0}, {4, 0}, {2, 0}, {6, 0}, 2, {2, 0}},    // collinear overlap
        {{0, 0}, {4, 0}, {5, 0}, {6, 0}, 0, {0, 0}},    // collinear apart
        {{0, 0}, {4, 0}, {0, 1}, {4, 1}, 0, {0, 0}},    // parallel
        {{0, 0}, {4, 0}, {5, -1}, {5, 1}, 0, {0, 0}},   // would cross beyond the end
        {{0, 0}, {0, 0}, {0, 0}, {1, 1}, 0, {0, 0}},    // degenerate
    };
    for (const auto& c : cases) {
        POINT_DOUBLE out{-99, -99};
        EXPECT_EQ(segcross(&out, c.a1, c.a2, c.b1, c.b2), c.result) << c.b1.x << "," << c.b1.y;
        if (c.result != 0) {
            EXPECT_NEAR(out.x, c.at.x, 1e-12);
            EXPECT_NEAR(out.y, c.at.y, 1e-12);
        }
    }
}

TEST(AlgorithmGeometryTest, DirectionOfAVector)
{
    const double cases[][3] = {{1, 0, 0}, {1, 1, 45}, {-1, 0, 180}, {0, -1, 270}, {1, -1, 315}, {0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_NEAR(Cal2PointsAngleTri(0, 0, c[0], c[1]), c[2], 1e-6) << c[0] << "," << c[1];
}

TEST(AlgorithmGeometryTest, SymbolOriginAtRightAngles)
{
    const Unit::SPointC2dI size{40, 30};
    // r = round(2 x 3 x 4 / 2) = 12.
    Unit::SPointC2dI point = CalPointCenterOrigen(size, 90.0f, 3.0f, 4.0f, 2);
    EXPECT_EQ(point.x, 20 - 5);
    EXPECT_EQ(point.y, 15 - 12);
    Unit::SPointC2dI line = CalLineCenterOrigen(size, 0.0f, 3.0f, 4.0f, 2);
    EXPECT_EQ(line.x, 20 - 12);
    EXPECT_EQ(line.y, 15 - 16);
}

TEST(AlgorithmGeometryTest, ExtremeCoordinatesDoNotOverflow)
{
    // Differences near 2^32 multiply past 64 bits.
    const POINT_INT wide[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN + 1}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
    const POINT_INT middle{0, 0};
    EXPECT_TRUE(PointInPolygon(&middle, wide, 4, false));
    const POINT_INT triangle[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
    const POINT_INT nearTop{-10, INT_MAX - 1};
    EXPECT_TRUE(PointInPolygon(&nearTop, triangle, 3, false));
    // A symbol origin on a canvas at the end of the int range.
    const Unit::SPointC2dI huge{INT_MIN, INT_MIN};
    EXPECT_EQ(CalPointCenterOrigen(huge, 0.0f, 1000.0f, 1000.0f, INT_MAX).x, INT_MIN);
    const Unit::SPointC2dI top{INT_MAX, INT_MAX};
    EXPECT_EQ(CalLineCenterOrigen(top, 270.0f, 1000.0f, 1000.0f, INT_MAX).y, INT_MAX);
}
