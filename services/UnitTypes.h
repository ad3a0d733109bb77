#pragma once

namespace Unit {

// Screen point in pixels.
typedef struct SPointC2dI
{
    int x = 0;
    int y = 0;
} POINT_C2D_I;

typedef struct SLineC2dI
{
    SPointC2dI start;
    SPointC2dI end;
} LINE_C2D_I;

typedef struct SSizeWH
{
    int width = 0;
    int height = 0;
} SIZE_WH;

} // namespace Unit
