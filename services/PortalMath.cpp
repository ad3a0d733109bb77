#include "PortalMath.h"

#include <climits>
#include <cmath>

namespace Portal {
namespace Math {

namespace {

struct SRightAngle
{
    int degree;
    float sin;
    float cos;
};

constexpr SRightAngle kRightAngles[] = {{0, 0.0f, 1.0f}, {90, 1.0f, 0.0f}, {180, 0.0f, -1.0f}, {270, -1.0f, 0.0f}};

const SRightAngle* rightAngle(double degrees)
{
    for (const SRightAngle& entry : kRightAngles) {
        if (degrees == entry.degree)
            return &entry;
    }
    return nullptr;
}

} // namespace

int roundHalfUp(double value)
{
    const double rounded = std::floor(value + 0.5);
    if (!(rounded == rounded))
        return 0;
    if (rounded <= INT_MIN)
        return INT_MIN;
    if (rounded >= INT_MAX)
        return INT_MAX;
    return static_cast<int>(rounded);
}

namespace {

int saturate(long long value)
{
    return value <= INT_MIN ? INT_MIN : value >= INT_MAX ? INT_MAX : static_cast<int>(value);
}

} // namespace

int reduceDegree(int degree)
{
    const int reduced = degree % 360;
    return reduced < 0 ? reduced + 360 : reduced;
}

NewMath::NewMath()
{
    createTrigonometricTable();
}

void NewMath::createTrigonometricTable()
{
    for (int degree = 0; degree < kTableSize; ++degree) {
        const SRightAngle* exact = rightAngle(degree);
        m_sin[degree] = exact ? exact->sin : static_cast<float>(std::sin(degree * kDegToRad));
        m_cos[degree] = exact ? exact->cos : static_cast<float>(std::cos(degree * kDegToRad));
    }
}

void NewMath::getSinCosRadian(float* sin, float* cos, int degree) const
{
    const int index = reduceDegree(degree);
    *sin = m_sin[index];
    *cos = m_cos[index];
}

void NewMath::calSinCosTheta(float* sin, float* cos, float degrees)
{
    if (const SRightAngle* exact = rightAngle(degrees)) {
        *sin = exact->sin;
        *cos = exact->cos;
        return;
    }
    *sin = static_cast<float>(std::sin(degrees * kDegToRad));
    *cos = static_cast<float>(std::cos(degrees * kDegToRad));
}

bool NewMath::tablePair(float* sin, float* cos, int degree) const
{
    // A whole turn is no rotation.
    const int index = reduceDegree(degree);
    if (index == 0)
        return false;
    *sin = m_sin[index];
    *cos = m_cos[index];
    return true;
}

void NewMath::convterRotationPoint(int* outX, int* outY, int x, int y, int cx, int cy, int angle, ANGLE_TYPE type) const
{
    float sin = 0.0f;
    float cos = 1.0f;
    if (type == ANGLE_TYPE_TABLE) {
        if (!tablePair(&sin, &cos, angle)) {
            *outX = x;
            *outY = y;
            return;
        }
    } else {
        calSinCosTheta(&sin, &cos, static_cast<float>(angle));
    }
    const double dx = static_cast<double>(x) - cx;
    const double dy = static_cast<double>(y) - cy;
    *outX = saturate(static_cast<long long>(roundHalfUp(dx * cos - dy * sin)) + cx);
    *outY = saturate(static_cast<long long>(roundHalfUp(dy * cos + dx * sin)) + cy);
}

void NewMath::convterRotationPoint(double* outX, double* outY, double x, double y, double cx, double cy, float angle,
                                   ANGLE_TYPE type) const
{
    float sin = 0.0f;
    float cos = 1.0f;
    if (type == ANGLE_TYPE_TABLE) {
        const double reduced = std::fmod(static_cast<double>(angle), 360.0);
        if (!std::isfinite(reduced) || !tablePair(&sin, &cos, roundHalfUp(reduced))) {
            *outX = x;
            *outY = y;
            return;
        }
    } else {
        calSinCosTheta(&sin, &cos, angle);
    }
    const double dx = x - cx;
    const double dy = y - cy;
    *outX = dx * cos - dy * sin + cx;
    *outY = dy * cos + dx * sin + cy;
}

void NewMath::originRotationXY(int* outX, int* outY, int x0, int y0, int r, int degree) const
{
    float sin = 0.0f;
    float cos = 1.0f;
    getSinCosRadian(&sin, &cos, degree);
    *outX = saturate(x0 + static_cast<long long>(roundHalfUp(static_cast<double>(r) * cos)));
    *outY = saturate(y0 - static_cast<long long>(roundHalfUp(static_cast<double>(r) * sin)));
}

void NewMath::originRotationXY(Unit::SPointC2dI* out, int x0, int y0, int r, int degree) const
{
    originRotationXY(&out->x, &out->y, x0, y0, r, degree);
}

void NewMath::originRotationXY(int* outX, int* outY, int x0, int y0, int r, float degrees)
{
    float sin = 0.0f;
    float cos = 1.0f;
    calSinCosTheta(&sin, &cos, degrees);
    *outX = saturate(x0 + static_cast<long long>(roundHalfUp(static_cast<double>(r) * cos)));
    *outY = saturate(y0 - static_cast<long long>(roundHalfUp(static_cast<double>(r) * sin)));
}

void NewMath::calRotationParameter(ROTATION_DATA* data, float angle, int width, int height)
{
    data->width = width;
    data->height = height;
    data->centerX = static_cast<int>((static_cast<long long>(width) - 1) / 2);
    data->centerY = static_cast<int>((static_cast<long long>(height) - 1) / 2);
    data->angle = angle;
}

void NewMath::calRotationPos(ROTATION_DATA* data, int x, int y)
{
    float sin = 0.0f;
    float cos = 1.0f;
    calSinCosTheta(&sin, &cos, data->angle);
    data->x = saturate(roundHalfUp(static_cast<double>(y) * sin + static_cast<double>(x) * cos) +
                       static_cast<long long>(data->centerX));
    data->y = saturate(data->centerY - static_cast<long long>(
                                           roundHalfUp(static_cast<double>(x) * sin - static_cast<double>(y) * cos)));
}

void NewMath::calRotationPos(double* outX, double* outY, double x, double y, double angle)
{
    float sin = 0.0f;
    float cos = 1.0f;
    calSinCosTheta(&sin, &cos, static_cast<float>(angle));
    *outX = x * cos + y * sin;
    *outY = y * cos - x * sin;
}

} // namespace Math
} // namespace Portal
