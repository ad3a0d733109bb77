#include "services/PortalMath.h"
#include "services/Singleton.h"

#include <cmath>
#include <gtest/gtest.h>

#include <climits>

using Portal::Math::NewMath;

namespace {

const NewMath& table()
{
    return *Pattern::Singleton<NewMath>::instance();
}

} // namespace

TEST(PortalMathTest, ExactAtRightAnglesComputedElsewhere)
{
    const float exact[][3] = {{0, 0.0f, 1.0f}, {90, 1.0f, 0.0f}, {180, 0.0f, -1.0f}, {270, -1.0f, 0.0f}};
    for (const auto& c : exact) {
        float sin = 9.0f;
        float cos = 9.0f;
        table().getSinCosRadian(&sin, &cos, static_cast<int>(c[0]));
        EXPECT_EQ(sin, c[1]) << c[0];
        EXPECT_EQ(cos, c[2]) << c[0];
        NewMath::calSinCosTheta(&sin, &cos, c[0]);
        EXPECT_EQ(sin, c[1]) << c[0];
        EXPECT_EQ(cos, c[2]) << c[0];
    }
    for (int degree : {1, 45, 89, 181, 359}) {
        float sin = 0.0f;
        float cos = 0.0f;
        table().getSinCosRadian(&sin, &cos, degree);
        EXPECT_EQ(sin, static_cast<float>(std::sin(degree * 0.0174532925))) << degree;
        EXPECT_EQ(cos, static_cast<float>(std::cos(degree * 0.0174532925))) << degree;
        NewMath::calSinCosTheta(&sin, &cos, static_cast<float>(degree));
        EXPECT_EQ(sin, static_cast<float>(std::sin(degree * 0.0174532925))) << degree;
    }
}

TEST(PortalMathTest, WholeDegreesOutsideTheTableAreReduced)
{
    const int pairs[][2] = {{360, 0}, {450, 90}, {-90, 270}, {-1, 359}, {725, 5}, {-2147483647 - 1, 232}};
    for (const auto& pair : pairs) {
        float sin = 0.0f;
        float cos = 0.0f;
        float sinRef = 1.0f;
        float cosRef = 1.0f;
        table().getSinCosRadian(&sin, &cos, pair[0]);
        table().getSinCosRadian(&sinRef, &cosRef, pair[1]);
        EXPECT_EQ(sin, sinRef) << pair[0];
        EXPECT_EQ(cos, cosRef) << pair[0];
    }
    Unit::SPointC2dI out;
    table().originRotationXY(&out, 100, 100, 10, 450);
    EXPECT_EQ(out.x, 100);
    EXPECT_EQ(out.y, 90);
}

TEST(PortalMathTest, RotationOfPointsAboutACentre)
{
    using Portal::Math::ANGLE_TYPE_CAL;
    using Portal::Math::ANGLE_TYPE_TABLE;
    const struct
    {
        int angle;
        Portal::Math::ANGLE_TYPE type;
        int x, y;
    } cases[] = {
        {90, ANGLE_TYPE_TABLE, 10, 15},  {180, ANGLE_TYPE_TABLE, 5, 10},  {270, ANGLE_TYPE_TABLE, 10, 5},
        {0, ANGLE_TYPE_TABLE, 15, 10},   {360, ANGLE_TYPE_TABLE, 15, 10}, {-90, ANGLE_TYPE_TABLE, 10, 5},
        {450, ANGLE_TYPE_TABLE, 10, 15}, {90, ANGLE_TYPE_CAL, 10, 15},
    };
    // The point (15, 10) about the centre (10, 10).
    for (const auto& c : cases) {
        int x = 0;
        int y = 0;
        table().convterRotationPoint(&x, &y, 15, 10, 10, 10, c.angle, c.type);
        EXPECT_EQ(x, c.x) << c.angle;
        EXPECT_EQ(y, c.y) << c.angle;
    }
    const float angles[][3] = {{89.6f, 10, 15}, {-270.0f, 10, 15}, {NAN, 15, 10}};
    for (const auto& c : angles) {
        double x = 0;
        double y = 0;
        table().convterRotationPoint(&x, &y, 15.0, 10.0, 10.0, 10.0, c[0], ANGLE_TYPE_TABLE);
        EXPECT_DOUBLE_EQ(x, c[1]) << c[0];
        EXPECT_DOUBLE_EQ(y, c[2]) << c[0];
    }
}

TEST(PortalMathTest, SymbolRotation)
{
    Portal::Math::ROTATION_DATA data;
    NewMath::calRotationParameter(&data, 90.0f, 21, 10);
    EXPECT_EQ(data.centerX, 10);
    EXPECT_EQ(data.centerY, 4);
    NewMath::calRotationPos(&data, 3, 2);
    EXPECT_EQ(data.x, 2 + 10);
    EXPECT_EQ(data.y, 4 - 3);
    double x = 0;
    double y = 0;
    NewMath::calRotationPos(&x, &y, 3.0, 2.0, 180.0);
    EXPECT_EQ(x, -3.0);
    EXPECT_EQ(y, -2.0);
}

TEST(PortalMathTest, RotationsNearTheEndsOfTheIntRange)
{
    int x = 0;
    int y = 0;
    table().convterRotationPoint(&x, &y, 0, INT_MAX, INT_MAX, INT_MAX, 180, Portal::Math::ANGLE_TYPE_CAL);
    EXPECT_EQ(x, INT_MAX);
    table().originRotationXY(&x, &y, INT_MAX, INT_MIN, INT_MAX, 0);
    EXPECT_EQ(x, INT_MAX);
    NewMath::originRotationXY(&x, &y, INT_MIN, INT_MIN, INT_MAX, 90.0f);
    EXPECT_EQ(y, INT_MIN);
    Portal::Math::ROTATION_DATA data;
    NewMath::calRotationParameter(&data, 180.0f, INT_MIN, INT_MIN);
    NewMath::calRotationPos(&data, INT_MAX, INT_MAX);
    EXPECT_EQ(data.x, INT_MIN);
    EXPECT_EQ(data.y, INT_MIN);
}
