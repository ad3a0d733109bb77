#pragma once

#include "SensorEngine/TargetNavi.h"

#include "services/UnitTypes.h"

#include <cstdint>

namespace NaviScope {

constexpr uint32_t GUARD_ZONE_COLOR_MODE0 = 0xC64DBB;
constexpr uint32_t GUARD_ZONE_COLOR_MODE1 = 0x7CF05B;
constexpr uint32_t GUARD_ZONE_COLOR_DEFAULT = 0xFFFFFFFF; // -1: the colour of the mode
constexpr int AUTO_SCROLL_MODE_OFF = 2;

// One guard zone: its mode (-1 none, 0 or 1), view flag and colour, and the area values.
class CGuardZoneData
{
public:
    // Accepted only for mode 0 or 1; a default colour becomes the colour of the mode.
    bool setSetting(int32_t mode, int32_t value, uint32_t color, int16_t inner, int16_t outer, float start,
                    float end);
    void setViewSetting(bool view, uint32_t color);
    void setAreaSetting(int16_t inner, int16_t outer, float start, float end);
    void setColor(uint32_t color) { m_color = color; }

    int32_t m_mode = -1;
    int32_t m_value = 0;
    bool m_view = true;
    uint32_t m_color = GUARD_ZONE_COLOR_DEFAULT;
    int16_t m_inner = 30;
    int16_t m_outer = 50;
    float m_start = 2.0f;
    float m_end = 3.0f;
};

class CGuardZone
{
public:
    CGuardZone();

    void startEditing() { m_editing = true; }
    void stopEditing() { m_editing = false; }
    bool isEditing() const { return m_editing; }

    CGuardZoneData m_zone[2];

private:
    bool m_editing = false;
};

class CToolModel
{
public:
    bool m_flag0 = false;
    bool m_flag1 = true;
    CGuardZone m_guardZone;
};

// Auto scroll: switched on with a mode, off with mode 2.
class CAutoScrollData
{
public:
    void setMode(int32_t mode);
    // 0 and above become 1, a negative mode counts up; always on afterwards.
    void switchMode();
    // -1 while on switches the mode; anything else sets it.
    void switchSet(int32_t mode);

    bool m_on = false;
    bool m_flag = true;
    int32_t m_mode = 0;
    int16_t m_value = 21760;
};

class CAutoScrollTool : public CAutoScrollData
{
public:
    // With mode 0, the centre of each display: half of its corner coordinates.
    void setDeployScreenPt(const Unit::SPointC2dI (&corners)[SensorScope::Target::TARGET_DISPLAY_COUNT]);
    const Unit::SPointC2dI& deployScreenPt(int display) const;

private:
    Unit::SPointC2dI m_deploy[SensorScope::Target::TARGET_DISPLAY_COUNT];
};

} // namespace NaviScope
