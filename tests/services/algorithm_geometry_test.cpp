#include "services/AlgorithmGeometry.h"

#include <gtest/gtest.h>

using namespace Algorithm;

namespace {

// A square and a concave "L" shape, counter-clockwise.
const POINT_DOUBLE kSquare[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const POINT_DOUBLE kEll[] = {{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}};
const POINT_INT kSquareInt[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const POINT_DOUBLE kDiamond[] = {{0, -5}, {5, 0}, {0, 5}, {-5, 0}};

} // namespace

TEST(AlgorithmGeometryTest, PointInPolygonInsideOutsideVerticesAndEdges)
{
    const struct
    {
        POINT_DOUBLE p;
        const POINT_DOUBLE* poly;
        int n;
        int expected;  // 1 inside, 0 outside, 2 on the boundary
    } cases[] = {
        {{5, 5}, kSquare, 4, 1},    {{15, 5}, kSquare, 4, 0},   {{-5, 5}, kSquare, 4, 0},
        {{0, 0}, kSquare, 4, 2},    {{10, 10}, kSquare, 4, 2},  {{10, 0}, kSquare, 4, 2},
        {{5, 0}, kSquare, 4, 2},    {{5, 10}, kSquare, 4, 2},   {{0, 5}, kSquare, 4, 2},
        {{10, 5}, kSquare, 4, 2},   {{-5, 10}, kSquare, 4, 0},  {{-5, 0}, kSquare, 4, 0},
        {{7, 7}, kEll, 6, 0},       {{2, 7}, kEll, 6, 1},       {{7, 2}, kEll, 6, 1},
        {{4, 4}, kEll, 6, 2},       {{-1, 4}, kEll, 6, 0},      {{6, 4}, kEll, 6, 2},
        {{-6, 0}, kDiamond, 4, 0},  {{-5, 0}, kDiamond, 4, 2},  {{0, 0}, kDiamond, 4, 1},
        {{2.5, 2.5}, kDiamond, 4, 2}, {{-3, 0}, kDiamond, 4, 1}, {{4, 3}, kDiamond, 4, 0},
    };
    for (const auto& c : cases) {
        const bool inside = c.expected == 1;
        const bool edge = c.expected == 2;
        EXPECT_EQ(PointInPolygon(&c.p, c.poly, c.n, true), inside || edge) << c.p.x << "," << c.p.y;
        EXPECT_EQ(PointInPolygon(&c.p, c.poly, c.n, false), inside) << c.p.x << "," << c.p.y;
    }
}

TEST(AlgorithmGeometryTest, PtInPolygonVerticesAndSlopedEdges)
{
    const struct
    {
        POINT_DOUBLE p;
        int expected;
    } cases[] = {
        {{0, 0}, 1},  {{5, 0}, 2},    {{0, -5}, 2},   {{2.5, 2.5}, 2}, {{-2.5, -2.5}, 2}, {{0, 0.5}, 1},
        {{6, 0}, 0},  {{-4.9, 0}, 1}, {{0, 5.1}, 0},  {{3, 3}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PtInPolygon(&c.p, kDiamond, 4, true), c.expected != 0) << c.p.x << "," << c.p.y;
        EXPECT_EQ(PtInPolygon(&c.p, kDiamond, 4, false), c.expected == 1) << c.p.x << "," << c.p.y;
    }
    const POINT_DOUBLE p{1, 1};
    EXPECT_FALSE(PtInPolygon(&p, kDiamond, 0, true));
}

TEST(AlgorithmGeometryTest, IntegerPolygons)
{
    const POINT_INT inside{5, 5};
    const POINT_INT corner{10, 10};
    const POINT_INT edge{10, 3};
    const POINT_INT outside{11, 3};
    for (bool onEdge : {true, false}) {
        EXPECT_TRUE(PointInPolygon(&inside, kSquareInt, 4, onEdge));
        EXPECT_EQ(PointInPolygon(&corner, kSquareInt, 4, onEdge), onEdge);
        EXPECT_EQ(PointInPolygon(&edge, kSquareInt, 4, onEdge), onEdge);
        EXPECT_FALSE(PointInPolygon(&outside, kSquareInt, 4, onEdge));
        EXPECT_TRUE(PtInPolygon(&inside, kSquareInt, 4, onEdge));
        EXPECT_EQ(PtInPolygon(&corner, kSquareInt, 4, onEdge), onEdge);
        EXPECT_EQ(PtInPolygon(&edge, kSquareInt, 4, onEdge), onEdge);
        EXPECT_FALSE(PtInPolygon(&outside, kSquareInt, 4, onEdge));
    }
    EXPECT_FALSE(PointInPolygon(&inside, kSquareInt, 2, true));
    // Coordinates whose products leave the int range.
    const POINT_INT big[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
    const POINT_INT origin{0, 0};
    EXPECT_TRUE(PointInPolygon(&origin, big, 3, false));
}

TEST(AlgorithmGeometryTest, PtInLineEdgeTest)
{
    const POINT_DOUBLE a{0, 0};
    const POINT_DOUBLE b{4, 4};
    const struct
    {
        POINT_DOUBLE p;
        int expected;
    } cases[] = {
        {{0, 0}, 1}, {{4, 4}, 1}, {{2, 2}, 1}, {{0, 2}, 0}, {{3, 2}, -1}, {{0, 4}, -1}, {{0, -1}, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PtInLine(&c.p, a, b), c.expected) << c.p.x << "," << c.p.y;
    const POINT_DOUBLE flat{1, 0};
    EXPECT_EQ(PtInLine(&flat, POINT_DOUBLE{0, 0}, POINT_DOUBLE{5, 0}), -1);
    const POINT_INT pi{0, 2};
    EXPECT_EQ(PtInLine(&pi, POINT_INT{0, 0}, POINT_INT{4, 4}), 0);
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

TEST(AlgorithmGeometryTest, PrimitivesAndDistances)
{
    EXPECT_EQ(dblcmp(1e-11), 0);
    EXPECT_EQ(dblcmp(-1e-9), -1);
    EXPECT_EQ(dblcmp(2.0), 1);
    EXPECT_DOUBLE_EQ(cross({0, 0}, {1, 0}, {0, 1}), 1.0);
    EXPECT_LE(xycmp(2, 1, 3), 0);
    EXPECT_GT(xycmp(4, 1, 3), 0);
    EXPECT_DOUBLE_EQ(Xmult(1, 0, 0, 1, 0, 0), 1.0);
    EXPECT_DOUBLE_EQ(AreaTriangle(0, 0, 4, 0, 0, 3), 6.0);
    const Unit::SPointC2dI p1{0, 0};
    const Unit::SPointC2dI p2{3, 4};
    EXPECT_DOUBLE_EQ(DistanceOfPoints(&p1, &p2), 5.0);
    EXPECT_DOUBLE_EQ(Cal2PointsDistTri(1, 1, 4, 5), 5.0);
}

TEST(AlgorithmGeometryTest, DirectionOfAVector)
{
    const struct
    {
        double x2, y2, angle;
    } cases[] = {
        {1, 0, 0}, {1, 1, 45}, {0, 1, 90}, {-1, 0, 180}, {0, -1, 270}, {1, -1, 315}, {0, 0, 0}, {-1, -1, 225},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Cal2PointsAngleTri(0, 0, c.x2, c.y2), c.angle, 1e-6) << c.x2 << "," << c.y2;
}

TEST(AlgorithmGeometryTest, PointOnSegmentWithinTolerance)
{
    const Unit::LINE_C2D_I seg{{0, 0}, {10, 0}};
    const Unit::SPointC2dI on{5, 0};
    const Unit::SPointC2dI near{5, 1};
    const Unit::SPointC2dI beyond{12, 0};
    EXPECT_TRUE(PointIsOnSegment(&on, &seg, 0));
    EXPECT_FALSE(PointIsOnSegment(&near, &seg, 0));
    EXPECT_TRUE(PointIsOnSegment(&near, &seg, 1));
    EXPECT_FALSE(PointIsOnSegment(&beyond, &seg, 1));
}

TEST(AlgorithmGeometryTest, SymbolOriginAtRightAngles)
{
    const Unit::SPointC2dI size{40, 30};
    // r = round(2 x 3 x 4 / 2) = 12.
    Unit::SPointC2dI point = CalPointCenterOrigen(size, 0.0f, 3.0f, 4.0f, 2);
    EXPECT_EQ(point.x, 20 - 12);
    EXPECT_EQ(point.y, 15 + 5);
    point = CalPointCenterOrigen(size, 90.0f, 3.0f, 4.0f, 2);
    EXPECT_EQ(point.x, 20 - 5);
    EXPECT_EQ(point.y, 15 - 12);
    Unit::SPointC2dI line = CalLineCenterOrigen(size, 0.0f, 3.0f, 4.0f, 2);
    EXPECT_EQ(line.x, 20 - 12);
    EXPECT_EQ(line.y, 15 - 16);
    line = CalLineCenterOrigen(size, 180.0f, 1.0f, 1.0f, 1);  // r = round(0.5) = 1
    EXPECT_EQ(line.x, 20 + 1);
    EXPECT_EQ(line.y, 15 + 16);
}
