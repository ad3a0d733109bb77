#include "services/PortalMath.h"
#include "services/Singleton.h"

#include <cmath>
#include <gtest/gtest.h>

using Portal::Math::NewMath;
using Portal::Math::ROTATION_DATA;

namespace {

const NewMath& table()
{
    return *Pattern::Singleton<NewMath>::instance();
}

} // namespace

TEST(PortalMathTest, TableIsExactAtRightAngles)
{
    const struct
    {
        int degree;
        float sin, cos;
    } cases[] = {{0, 0.0f, 1.0f}, {90, 1.0f, 0.0f}, {180, 0.0f, -1.0f}, {270, -1.0f, 0.0f}};
    for (const auto& c : cases) {
        float sin = 9.0f;
        float cos = 9.0f;
        table().getSinCosRadian(&sin, &cos, c.degree);
        EXPECT_EQ(sin, c.sin) << c.degree;
        EXPECT_EQ(cos, c.cos) << c.degree;
        NewMath::calSinCosTheta(&sin, &cos, static_cast<float>(c.degree));
        EXPECT_EQ(sin, c.sin) << c.degree;
        EXPECT_EQ(cos, c.cos) << c.degree;
    }
}

TEST(PortalMathTest, TableEntriesUseTheTruncatedRatio)
{
    for (int degree : {1, 45, 89, 91, 179, 181, 269, 271, 359}) {
        float sin = 0.0f;
        float cos = 0.0f;
        table().getSinCosRadian(&sin, &cos, degree);
        EXPECT_EQ(sin, static_cast<float>(std::sin(degree * 0.0174532925))) << degree;
        EXPECT_EQ(cos, static_cast<float>(std::cos(degree * 0.0174532925))) << degree;
    }
    float sin = 0.0f;
    float cos = 0.0f;
    NewMath::calSinCosTheta(&sin, &cos, 45.0f);
    EXPECT_EQ(sin, static_cast<float>(std::sin(45.0 * 0.0174532925)));
    EXPECT_EQ(cos, static_cast<float>(std::cos(45.0 * 0.0174532925)));
}

TEST(PortalMathTest, WholeDegreesOutsideTheTableAreReduced)
{
    const int pairs[][2] = {{360, 0}, {450, 90}, {-90, 270}, {-360, 0}, {-1, 359}, {725, 5}, {-2147483647 - 1, 232}};
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
    int x = 0;
    int y = 0;
    table().originRotationXY(&x, &y, 100, 100, 10, 450);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 90);
}

TEST(PortalMathTest, RotationOfPointsAboutACentre)
{
    const struct
    {
        int angle;
        Portal::Math::ANGLE_TYPE type;
        int x, y;
    } cases[] = {
        {90, Portal::Math::ANGLE_TYPE_TABLE, 10, 15},  {180, Portal::Math::ANGLE_TYPE_TABLE, 5, 10},
        {270, Portal::Math::ANGLE_TYPE_TABLE, 10, 5},  {0, Portal::Math::ANGLE_TYPE_TABLE, 15, 10},
        {360, Portal::Math::ANGLE_TYPE_TABLE, 15, 10}, {-90, Portal::Math::ANGLE_TYPE_TABLE, 10, 5},
        {90, Portal::Math::ANGLE_TYPE_CAL, 10, 15},    {450, Portal::Math::ANGLE_TYPE_TABLE, 10, 15},
    };
    // The point (15, 10) about the centre (10, 10).
    for (const auto& c : cases) {
        int x = 0;
        int y = 0;
        table().convterRotationPoint(&x, &y, 15, 10, 10, 10, c.angle, c.type);
        EXPECT_EQ(x, c.x) << c.angle;
        EXPECT_EQ(y, c.y) << c.angle;
    }
    double dx = 0;
    double dy = 0;
    table().convterRotationPoint(&dx, &dy, 15.0, 10.0, 10.0, 10.0, 89.6f, Portal::Math::ANGLE_TYPE_TABLE);
    EXPECT_DOUBLE_EQ(dx, 10.0);
    EXPECT_DOUBLE_EQ(dy, 15.0);
    table().convterRotationPoint(&dx, &dy, 15.0, 10.0, 10.0, 10.0, -270.0f, Portal::Math::ANGLE_TYPE_TABLE);
    EXPECT_DOUBLE_EQ(dx, 10.0);
    EXPECT_DOUBLE_EQ(dy, 15.0);
    table().convterRotationPoint(&dx, &dy, 15.0, 10.0, 10.0, 10.0, NAN, Portal::Math::ANGLE_TYPE_TABLE);
    EXPECT_DOUBLE_EQ(dx, 15.0);
    table().convterRotationPoint(&dx, &dy, 15.0, 10.0, 10.0, 10.0, 45.0f, Portal::Math::ANGLE_TYPE_CAL);
    EXPECT_NEAR(dx, 10.0 + 5.0 / std::sqrt(2.0), 1e-6);
    EXPECT_NEAR(dy, 10.0 + 5.0 / std::sqrt(2.0), 1e-6);
}

TEST(PortalMathTest, OriginRotationOnAScreen)
{
    Unit::SPointC2dI out;
    table().originRotationXY(&out, 50, 50, 20, 90);
    EXPECT_EQ(out.x, 50);
    EXPECT_EQ(out.y, 30);
    table().originRotationXY(&out, 50, 50, 20, 180);
    EXPECT_EQ(out.x, 30);
    EXPECT_EQ(out.y, 50);
    int x = 0;
    int y = 0;
    NewMath::originRotationXY(&x, &y, 0, 0, 10, 270.0f);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 10);
    NewMath::originRotationXY(&x, &y, 0, 0, 10, 45.0f);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, -7);
}

TEST(PortalMathTest, SymbolRotation)
{
    ROTATION_DATA data;
    NewMath::calRotationParameter(&data, 90.0f, 21, 10);
    EXPECT_EQ(data.centerX, 10);
    EXPECT_EQ(data.centerY, 4);
    NewMath::calRotationPos(&data, 3, 2);
    EXPECT_EQ(data.x, 2 + 10);
    EXPECT_EQ(data.y, 4 - 3);
    NewMath::calRotationParameter(&data, 0.0f, 0, 0);
    EXPECT_EQ(data.centerX, 0);  // (0 - 1) / 2 truncates toward zero
    NewMath::calRotationPos(&data, 3, 2);
    EXPECT_EQ(data.x, 3);
    EXPECT_EQ(data.y, 2);

    double x = 0;
    double y = 0;
    NewMath::calRotationPos(&x, &y, 3.0, 2.0, 180.0);
    EXPECT_EQ(x, -3.0);
    EXPECT_EQ(y, -2.0);
}

TEST(PortalMathTest, RoundHalfUp)
{
    EXPECT_EQ(Portal::Math::roundHalfUp(2.5), 3);
    EXPECT_EQ(Portal::Math::roundHalfUp(-2.5), -2);
    EXPECT_EQ(Portal::Math::roundHalfUp(-2.6), -3);
    EXPECT_EQ(Portal::Math::roundHalfUp(1e20), 2147483647);
    EXPECT_EQ(Portal::Math::roundHalfUp(NAN), 0);
}
