#include "services/AlgorithmView.h"

#include <gtest/gtest.h>

using namespace Algorithm;

namespace {

constexpr int kW = 100;
constexpr int kH = 50;

Unit::LINE_C2D_I line(int x1, int y1, int x2, int y2)
{
    return Unit::LINE_C2D_I{{x1, y1}, {x2, y2}};
}

} // namespace

TEST(AlgorithmViewTest, EveryRegionAndItsBorders)
{
    const struct
    {
        int x, y, code;
    } cases[] = {
        {-1, -1, 1}, {50, -1, 2}, {101, -1, 3}, {-1, 25, 4}, {50, 25, 9}, {101, 25, 5},
        {-1, 51, 6}, {50, 51, 7}, {101, 51, 8}, {0, 0, 9},   {100, 50, 9}, {0, 50, 9},
        {100, -1, 2}, {-1, 50, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ViewRegionCode(Unit::SPointC2dI{c.x, c.y}, kW, kH), c.code) << c.x << "," << c.y;
}

TEST(AlgorithmViewTest, SegmentAgainstTheView)
{
    EXPECT_EQ(CheckLineIn9SquareViewXY(line(10, 10, 90, 40), kW, kH), 0);
    EXPECT_EQ(CheckLineIn9SquareViewXY(line(10, 10, 200, 40), kW, kH), 1);
    EXPECT_EQ(CheckLineIn9SquareViewXY(line(-10, 10, 50, 40), kW, kH), 2);
    EXPECT_EQ(CheckLineIn9SquareViewXY(line(-10, -10, 200, 100), kW, kH), 3);
    EXPECT_EQ(CheckLineIn9SquareViewXY(line(50, -10, 50, 100), kW, kH), 3);
    EXPECT_EQ(CheckLineIn9SquareViewXY(line(-10, 10, -20, 40), kW, kH), -1);
    EXPECT_EQ(CheckLineIn9SquareViewXY(line(-10, -10, -20, 100), kW, kH), -1);
    EXPECT_EQ(CheckLineIn9SquareViewXY(line(-10, -10, 200, -5), kW, kH), -1);
}

TEST(AlgorithmViewTest, SameSideTableFromCodes)
{
    const struct
    {
        int start, end, result;
    } cases[] = {
        {1, 6, -1}, {4, 6, -1}, {3, 8, -1}, {5, 5, -1}, {1, 3, -1}, {2, 2, -1}, {6, 8, -1}, {7, 6, -1},
        {1, 8, 3},  {2, 7, 3},  {4, 5, 3},  {1, 5, 3},  {3, 6, 3},  {9, 9, 0},  {9, 1, 1},  {8, 9, 2},
        {0, 9, -1}, {9, 10, -1},
    };
    for (const auto& c : cases) {
        const int codes[2] = {c.start, c.end};
        EXPECT_EQ(CheckLineIn9SquareViewLL(codes), c.result) << c.start << "->" << c.end;
    }
}

TEST(AlgorithmViewTest, RectangleRelations)
{
    const double view[] = {0, 10, 0, 10};
    const double inner[] = {2, 8, 2, 8};
    const double apart[] = {11, 20, 0, 10};
    const double below[] = {0, 10, -20, -1};
    const double overlap[] = {5, 15, 5, 15};
    const double same[] = {0, 10, 0, 10};
    EXPECT_EQ(CheckViewRectInteractionRollMap(inner, view), 0);
    EXPECT_EQ(CheckViewRectInteractionRollMap(view, inner), 1);
    EXPECT_EQ(CheckViewRectInteractionRollMap(view, apart), -1);
    EXPECT_EQ(CheckViewRectInteractionRollMap(apart, view), -1);
    EXPECT_EQ(CheckViewRectInteractionRollMap(view, below), -1);
    EXPECT_EQ(CheckViewRectInteractionRollMap(view, overlap), 2);
    EXPECT_EQ(CheckViewRectInteractionRollMap(view, same), 2);
}
