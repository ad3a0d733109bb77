#include "SensorEngine/TargetNavi.h"

#include "services/PortalMath.h"

#include <algorithm>
#include <iterator>

namespace SensorScope {
namespace Target {

namespace {
constexpr Unit::SPointC2dI kScreenNa{TARGET_SCREEN_NA, TARGET_SCREEN_NA};
} // namespace

void CTargetNavi::resetData()
{
    m_color = 0;
    for (int i = 0; i < TARGET_DISPLAY_COUNT; ++i) {
        m_symbolSize[i] = Unit::SSizePtI();
        m_screen[i] = kScreenNa;
        m_screenPivot[i] = kScreenNa;
    }
    m_positionPivot = Unit::SPointG2dD();
    m_naviStatus = STargetNavigationStatus();
    m_outline = STargetOutlineParameter();
    m_updateTime = 0;
}

void CTargetNavi::updateActivatedLatestTime(bool update)
{
    if (update)
        m_naviStatus.activatedLatestTime = now();
}

void CTargetNavi::setMotion(int32_t motion)
{
    m_naviStatus.motion = motion;
    m_naviStatus.stateTime = motion == TARGET_NAVI_MOTION_DANGER ? now() : 0;
}

void CTargetNavi::setScreen(char display, const Unit::SPointC2dI& point)
{
    if (validDisplay(display))
        m_screen[static_cast<int>(display)] = point;
}

void CTargetNavi::setScreenPivot(char display, const Unit::SPointC2dI& point)
{
    if (validDisplay(display))
        m_screenPivot[static_cast<int>(display)] = point;
}

void CTargetNavi::setScreenPivot(const Unit::SPointC2dI (&points)[TARGET_DISPLAY_COUNT])
{
    std::copy(std::begin(points), std::end(points), m_screenPivot);
}

void CTargetNavi::resetSymbolSize()
{
    for (Unit::SSizePtI& size : m_symbolSize)
        size = Unit::SSizePtI();
}

void CTargetNavi::cancelOutline(const Unit::SPointG2dD& position)
{
    m_positionPivot = position;
    std::copy(std::begin(m_screen), std::end(m_screen), m_screenPivot);
}

bool CTargetNavi::checkScreenPivotValid(char display) const
{
    if (!validDisplay(display))
        return false;
    const Unit::SPointC2dI& p = m_screenPivot[static_cast<int>(display)];
    return p.x != TARGET_SCREEN_NA && p.y != TARGET_SCREEN_NA;
}

void CTargetNavi::updateDangerFlag(float cpa, float tcpa, float cpaLimit, int tcpaLimit, int snoozeSeconds)
{
    if (cpa > 0.0f && tcpa > 0.0f && cpa < cpaLimit && tcpa < static_cast<float>(tcpaLimit)) {
        m_naviStatus.motion = TARGET_NAVI_MOTION_DANGER;
        m_naviStatus.stateTime = now();
        return;
    }
    const int32_t before = m_naviStatus.motion;
    if (now() - m_naviStatus.stateTime > snoozeSeconds) {
        m_naviStatus.motion = TARGET_NAVI_MOTION_NONE;
        m_naviStatus.stateTime = 0;
    }
    if (before == TARGET_NAVI_MOTION_DANGER && m_naviStatus.motion == TARGET_NAVI_MOTION_NONE) {
        m_naviStatus.motion = TARGET_NAVI_MOTION_DANGER_ENDED;
        m_naviStatus.stateTime = 0;
    }
}

// The bounding box of the symbol grid's corners rotated by the angle.
void CTargetNavi::updateSymbolSizePt(char display, float angle, const Unit::SSizePtI& grid)
{
    if (!validDisplay(display))
        return;
    const double corners[4][2] = {
        {static_cast<double>(grid.x), static_cast<double>(grid.y)},
        {static_cast<double>(grid.x) + grid.width, static_cast<double>(grid.y)},
        {static_cast<double>(grid.x), static_cast<double>(grid.y) + grid.height},
        {static_cast<double>(grid.x) + grid.width, static_cast<double>(grid.y) + grid.height}};
    double left = 0, top = 0, right = 0, bottom = 0;
    for (int i = 0; i < 4; ++i) {
        double x = 0;
        double y = 0;
        Portal::Math::NewMath::calRotationPos(&x, &y, corners[i][0], corners[i][1], angle);
        left = i == 0 ? x : std::min(left, x);
        right = i == 0 ? x : std::max(right, x);
        top = i == 0 ? y : std::min(top, y);
        bottom = i == 0 ? y : std::max(bottom, y);
    }
    Unit::SSizePtI& box = m_symbolSize[static_cast<int>(display)];
    box.x = Portal::Math::roundHalfUp(left);
    box.y = Portal::Math::roundHalfUp(top);
    box.width = Portal::Math::roundHalfUp(right - left);
    box.height = Portal::Math::roundHalfUp(bottom - top);
}

} // namespace Target
} // namespace SensorScope
