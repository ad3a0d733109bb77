#pragma once

#include "UnitTypes.h"

namespace Portal {
namespace Math {

// The truncated ratio the stored geometry has always been computed with.
constexpr double kDegToRad = 0.0174532925;

// 2 takes sines and cosines from the table; any other value computes them.
enum ANGLE_TYPE : int { ANGLE_TYPE_CAL = 0, ANGLE_TYPE_TABLE = 2 };

typedef struct SRotationData
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int centerX = 0; // (width - 1) / 2
    int centerY = 0; // (height - 1) / 2
    float angle = 0.0f;
} ROTATION_DATA;

// Floor of value + 0.5, clamped into the int range (0 for NaN).
int roundHalfUp(double value);

// Whole degrees reduced into 0-359.
int reduceDegree(int degree);

// Per-degree sine and cosine table and rotation of points about a centre. Held through
// Pattern::Singleton<NewMath>. Right angles are exact so rotated points do not drift.
class NewMath
{
public:
    NewMath();

    void createTrigonometricTable();

    // Table entry of a whole degree; any degree is first reduced into 0-359.
    void getSinCosRadian(float* sin, float* cos, int degree) const;

    // Exact at 0, 90, 180 and 270, else computed.
    static void calSinCosTheta(float* sin, float* cos, float degrees);

    // Rotation of (x, y) about (cx, cy) counter-clockwise in screen terms; rounded half up.
    void convterRotationPoint(int* outX, int* outY, int x, int y, int cx, int cy, int angle, ANGLE_TYPE type) const;
    void convterRotationPoint(double* outX, double* outY, double x, double y, double cx, double cy, float angle,
                              ANGLE_TYPE type) const;

    // The point at distance r and angle degree from (x0, y0), screen y growing downward.
    void originRotationXY(int* outX, int* outY, int x0, int y0, int r, int degree) const;
    void originRotationXY(Unit::SPointC2dI* out, int x0, int y0, int r, int degree) const;
    static void originRotationXY(int* outX, int* outY, int x0, int y0, int r, float degrees);

    static void calRotationParameter(ROTATION_DATA* data, float angle, int width, int height);
    static void calRotationPos(ROTATION_DATA* data, int x, int y);
    static void calRotationPos(double* outX, double* outY, double x, double y, double angle);

private:
    // Whether sin and cos of the angle are a table pair other than (0, 0).
    bool tablePair(float* sin, float* cos, int degree) const;

    static constexpr int kTableSize = 360;
    float m_sin[kTableSize];
    float m_cos[kTableSize];
};

} // namespace Math
} // namespace Portal
