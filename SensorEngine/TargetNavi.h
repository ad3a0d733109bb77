#pragma once

#include "SensorEngine/SensorScope.h"

#include "services/UnitTypes.h"

#include <cstdint>
#include <ctime>

namespace SensorScope {
namespace Target {

constexpr int TARGET_DISPLAY_COUNT = 4;
constexpr int TARGET_SCREEN_NA = 999999999;

enum TARGET_NAVI_MOTION : int32_t {
    TARGET_NAVI_MOTION_DANGER_ENDED = -1,
    TARGET_NAVI_MOTION_NONE = 0,
    TARGET_NAVI_MOTION_DANGER = 1,
};

enum TARGET_ROT_DIRECTION : int32_t {
    TARGET_ROT_NONE = 0,
    TARGET_ROT_STARBOARD = 1,
    TARGET_ROT_PORT = 2,
};

struct STargetNavigationStatus
{
    time_t activatedLatestTime = 0;
    time_t stateTime = 0;
    int32_t motion = TARGET_NAVI_MOTION_NONE;
    bool lost = false;
    bool deleted = false;
    int32_t rotDirection = TARGET_ROT_NONE;
};

// Outline of a symbol drawn to scale; a flag word of 0 means no outline.
struct STargetOutlineParameter
{
    uint64_t flag = 0;
    double factor[4] = {1.0, 1.0, 1.0, 1.0};
};

// The display state of a target: colour, symbol boxes, screen points and pivots, status flags.
class CTargetNavi
{
public:
    CTargetNavi() { resetData(); }

    void resetData();
    void assignNavi(const CTargetNavi& other) { *this = other; }

    void setColor(uint32_t rgb) { m_color = rgb; }
    void setNaviStatus(const STargetNavigationStatus& status) { m_naviStatus = status; }
    void setActivatedLatestTime(time_t time) { m_naviStatus.activatedLatestTime = time; }
    void updateActivatedLatestTime(bool now);
    void setLost(bool lost) { m_naviStatus.lost = lost; }
    void setDelete(bool deleted) { m_naviStatus.deleted = deleted; }
    void setRotDirection(TARGET_ROT_DIRECTION direction) { m_naviStatus.rotDirection = direction; }
    void setMotion(int32_t motion);
    void setPositionPivot(const Unit::SPointG2dD& pivot) { m_positionPivot = pivot; }
    void setScreen(char display, const Unit::SPointC2dI& point);
    void setScreenPivot(char display, const Unit::SPointC2dI& point);
    void setScreenPivot(const Unit::SPointC2dI (&points)[TARGET_DISPLAY_COUNT]);
    void setOutlineParameter(const STargetOutlineParameter& parameter) { m_outline = parameter; }
    void updateTime(time_t time) { m_updateTime = time; }
    void resetSymbolSize();

    void cancelOutline(const Unit::SPointG2dD& position);
    bool checkScreenPivotValid(char display) const;
    void updateDangerFlag(float cpa, float tcpa, float cpaLimit, int tcpaLimit, int snoozeSeconds);
    void updateSymbolSizePt(char display, float angle, const Unit::SSizePtI& grid);

    uint32_t m_color;
    Unit::SSizePtI m_symbolSize[TARGET_DISPLAY_COUNT];
    Unit::SPointC2dI m_screen[TARGET_DISPLAY_COUNT];
    Unit::SPointG2dD m_positionPivot;
    Unit::SPointC2dI m_screenPivot[TARGET_DISPLAY_COUNT];
    STargetNavigationStatus m_naviStatus;
    STargetOutlineParameter m_outline;
    time_t m_updateTime;

    static void setHostClock(HostClock clock) { s_hostClock = clock; }

protected:
    static time_t now() { return s_hostClock(); }

private:
    static bool validDisplay(char display) { return display >= 0 && display < TARGET_DISPLAY_COUNT; }
    static inline HostClock s_hostClock = &HostTime;
};

} // namespace Target
} // namespace SensorScope
