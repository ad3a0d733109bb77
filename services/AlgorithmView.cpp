#include "AlgorithmView.h"

namespace Algorithm {

namespace {

constexpr int kInside = 9;

// Regions that lie wholly on one side of the view: left, right, above, below.
constexpr int kSides[4][3] = {{1, 4, 6}, {3, 5, 8}, {1, 2, 3}, {6, 7, 8}};

bool onSide(const int (&side)[3], int code)
{
    return code == side[0] || code == side[1] || code == side[2];
}

// 0 before the range, 1 within it, 2 past it.
int band(int value, int limit)
{
    return value < 0 ? 0 : value <= limit ? 1 : 2;
}

} // namespace

int ViewRegionCode(const Unit::SPointC2dI& p, int w, int h)
{
    // Rows and columns of the 3 x 3 grid; the middle cell is the view itself.
    static constexpr int kCodes[3][3] = {{1, 2, 3}, {4, kInside, 5}, {6, 7, 8}};
    return kCodes[band(p.y, h)][band(p.x, w)];
}

int CheckLineIn9SquareViewXY(const Unit::LINE_C2D_I& line, int w, int h)
{
    const int codes[2] = {ViewRegionCode(line.start, w, h), ViewRegionCode(line.end, w, h)};
    return CheckLineIn9SquareViewLL(codes);
}

int CheckLineIn9SquareViewLL(const int* codes)
{
    const int start = codes[0];
    const int end = codes[1];
    if (start < 1 || start > 9 || end < 1 || end > 9)
        return -1;
    if (start == kInside)
        return end == kInside ? 0 : 1;
    if (end == kInside)
        return 2;
    for (const auto& side : kSides) {
        if (onSide(side, start) && onSide(side, end))
            return -1;
    }
    return 3;
}

int CheckViewRectInteractionRollMap(const double* a, const double* b)
{
    enum { LowX, HighX, LowY, HighY };
    if (a[LowX] > b[LowX] && a[HighX] < b[HighX] && a[LowY] > b[LowY] && a[HighY] < b[HighY])
        return 0;
    if (b[LowX] > a[LowX] && b[HighX] < a[HighX] && b[LowY] > a[LowY] && b[HighY] < a[HighY])
        return 1;
    if (b[LowX] > a[HighX] || a[LowX] > b[HighX] || b[LowY] > a[HighY] || a[LowY] > b[HighY])
        return -1;
    return 2;
}

} // namespace Algorithm
