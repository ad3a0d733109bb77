#include "services/AlgorithmView.h"

#include <gtest/gtest.h>

using namespace Algorithm;

TEST(AlgorithmViewTest, EveryRegionAndItsBorders)
{
    const int cases[][3] = {
        {-1, -1, 1}, {50, -1, 2},  {101, -1, 3}, {-1, 25, 4},  {50, 25, 9},  {101, 25, 5}, {-1, 51, 6},
        {50, 51, 7}, {101, 51, 8}, {0, 0, 9},    {100, 50, 9}, {100, -1, 2}, {-1, 50, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ViewRegionCode(Unit::SPointC2dI{c[0], c[1]}, 100, 50), c[2]) << c[0] << "," << c[1];
}

TEST(AlgorithmViewTest, SegmentAgainstTheView)
{
    const int cases[][5] = {
        {10, 10, 90, 40, 0},   {10, 10, 200, 40, 1},   {-10, 10, 50, 40, 2},     {-10, -10, 200, 100, 3},
        {50, -10, 50, 100, 3}, {-10, 10, -20, 40, -1}, {-10, -10, -20, 100, -1}, {-10, -10, 200, -5, -1},
    };
    for (const auto& c : cases) {
        const Unit::LINE_C2D_I line{{c[0], c[1]}, {c[2], c[3]}};
        EXPECT_EQ(CheckLineIn9SquareViewXY(line, 100, 50), c[4]) << c[0] << "," << c[1] << " " << c[2] << "," << c[3];
    }
    const int cases2[][3] = {{1, 6, -1}, {3, 8, -1}, {6, 8, -1}, {1, 8, 3}, {3, 6, 3}, {0, 9, -1}, {9, 10, -1}};
    for (const auto& c : cases2)
        EXPECT_EQ(CheckLineIn9SquareViewLL(c), c[2]) << c[0] << "->" << c[1];
}

TEST(AlgorithmViewTest, RectangleRelations)
{
    const double view[] = {0, 10, 0, 10};
    const double inner[] = {2, 8, 2, 8};
    const double apart[] = {11, 20, 0, 10};
    const double below[] = {0, 10, -20, -1};
    const double overlap[] = {5, 15, 5, 15};
    EXPECT_EQ(CheckViewRectInteractionRollMap(inner, view), 0);
    EXPECT_EQ(CheckViewRectInteractionRollMap(view, inner), 1);
    EXPECT_EQ(CheckViewRectInteractionRollMap(apart, view), -1);
    EXPECT_EQ(CheckViewRectInteractionRollMap(view, below), -1);
    EXPECT_EQ(CheckViewRectInteractionRollMap(view, overlap), 2);
    EXPECT_EQ(CheckViewRectInteractionRollMap(view, view), 2);
}
