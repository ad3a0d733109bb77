#include "SensorEngine/ToolModel.h"

namespace NaviScope {

bool CGuardZoneData::setSetting(int32_t mode, int32_t value, uint32_t color, int16_t inner, int16_t outer, float start,
                                float end)
{
    if (mode != 0 && mode != 1)
        return false;
    m_mode = mode;
    m_value = value;
    if (color == GUARD_ZONE_COLOR_DEFAULT)
        color = mode == 1 ? GUARD_ZONE_COLOR_MODE1 : GUARD_ZONE_COLOR_MODE0;
    m_color = color;
    setAreaSetting(inner, outer, start, end);
    return true;
}

void CGuardZoneData::setViewSetting(bool view, uint32_t color)
{
    m_view = view;
    m_color = color;
}

void CGuardZoneData::setAreaSetting(int16_t inner, int16_t outer, float start, float end)
{
    m_inner = inner;
    m_outer = outer;
    m_start = start;
    m_end = end;
}

CGuardZone::CGuardZone()
{
    m_zone[0].setColor(GUARD_ZONE_COLOR_MODE0);
    m_zone[1].setColor(GUARD_ZONE_COLOR_MODE1);
}

void CAutoScrollData::setMode(int32_t mode)
{
    m_on = mode != AUTO_SCROLL_MODE_OFF;
    if (m_on)
        m_mode = mode;
}

void CAutoScrollData::switchMode()
{
    m_mode = m_mode < 0 ? m_mode + 1 : 1;
    m_on = true;
}

void CAutoScrollData::switchSet(int32_t mode)
{
    if (mode == -1 && m_on)
        switchMode();
    else
        setMode(mode);
}

void CAutoScrollTool::setDeployScreenPt(const Unit::SPointC2dI (&corners)[SensorScope::Target::TARGET_DISPLAY_COUNT])
{
    if (m_mode != 0)
        return;
    for (int i = 0; i < SensorScope::Target::TARGET_DISPLAY_COUNT; ++i) {
        m_deploy[i].x = corners[i].x / 2;
        m_deploy[i].y = corners[i].y / 2;
    }
}

const Unit::SPointC2dI& CAutoScrollTool::deployScreenPt(int display) const
{
    return m_deploy[display >= 0 && display < SensorScope::Target::TARGET_DISPLAY_COUNT ? display : 0];
}

} // namespace NaviScope
