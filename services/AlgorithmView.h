#pragma once

#include "UnitTypes.h"

// A segment and a rectangle against the view.
namespace Algorithm {

// Region of a point against a view of width w and height h, screen y growing downward:
// 1 2 3 above, 4 9 5 level with it (9 inside), 6 7 8 below.
int ViewRegionCode(const Unit::SPointC2dI& p, int w, int h);

// 0 both ends inside; 1 start inside, end outside; 2 start outside, end inside; 3 both
// outside, not on the same side (the segment may cross the view); -1 both outside on the
// same side, or a code out of 1-9.
int CheckLineIn9SquareViewXY(const Unit::LINE_C2D_I& line, int w, int h);
int CheckLineIn9SquareViewLL(const int* codes);

// Rectangles as (low x, high x, low y, high y): 0 a strictly inside b, 1 b strictly inside
// a, -1 disjoint, 2 overlapping.
int CheckViewRectInteractionRollMap(const double* a, const double* b);

} // namespace Algorithm
