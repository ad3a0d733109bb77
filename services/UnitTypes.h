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

// Geographic point in degrees; 91 and 181 mark a position that is not available.
typedef struct SPointG2dD
{
    double latitude = 91.0;
    double longitude = 181.0;
} POINT_G2D_D;

// A measured vector: range and two bearings.
typedef struct SVectorValueF
{
    float range = -1.0f;
    float bearing = 360.0f;
    float bearing2 = 360.0f;
} VECTOR_VALUE_F;

// A screen box: top-left corner and size.
typedef struct SSizePtI
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
} SIZE_PT_I;

} // namespace Unit
