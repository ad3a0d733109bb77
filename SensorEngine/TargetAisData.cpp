#include "SensorEngine/TargetAisData.h"

#include <cmath>

namespace SensorScope {
namespace Target {

CTargetAisData::CTargetAisData()
{
    for (Unit::SPointC2dI& point : m_screen)
        point = {TARGET_SCREEN_NA, TARGET_SCREEN_NA};
}

void CTargetAisData::setScreen(char display, const Unit::SPointC2dI& point)
{
    if (display >= 0 && display < TARGET_DISPLAY_COUNT)
        m_screen[static_cast<int>(display)] = point;
}

void CTargetAisData::updateData(bool isTarget, SENSOR_I62_LISTENER listener)
{
    const uint8_t record = isTarget ? 1 : 0;
    switch (listener) {
    case SENSOR_I62_LISTENER_AIS_TARGET:
    case SENSOR_I62_LISTENER_OWN_PRIMARY:
        setAisData(record, true);
        break;
    case SENSOR_I62_LISTENER_OWN_OTHER:
        // A secondary device's own report: its position, SOG and COG are not the own ship's.
        setAisData(record, false);
        break;
    case SENSOR_I62_LISTENER_HDT:
    case SENSOR_I62_LISTENER_HDM:
        setCompassData();
        break;
    case SENSOR_I62_LISTENER_SAT_DOP:
    case SENSOR_I62_LISTENER_POSITION:
        setGpsData();
        break;
    default:
        break;
    }
}

int16_t CTargetAisData::getCourseDeg(bool cog) const
{
    const float value = cog ? m_cog : m_trueHeading;
    if (value == (cog ? TARGET_COG_NA : TARGET_HEADING_NA))
        return 0;
    return static_cast<int16_t>(std::lround(value));
}

int CTargetAisData::getVesselType() const
{
    if (m_shipType < 10 || m_shipType > 99)
        return 0;
    if (m_shipType == 38 || m_shipType == 39 || m_shipType == 56 || m_shipType == 57)
        return 9;
    constexpr int kByTens[10] = {0, 9, 9, 3, 4, 5, 6, 7, 8, 9};
    return kByTens[m_shipType / 10];
}

} // namespace Target
} // namespace SensorScope
