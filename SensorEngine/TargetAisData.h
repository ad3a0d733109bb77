#pragma once

#include "SensorEngine/TargetBase.h"
#include "SensorEngine/TargetNavi.h"

namespace SensorScope {
namespace Target {

// The AIS model of a target with its screen point per display.
class CTargetAisData : public CAisData
{
public:
    CTargetAisData();
    void initMember() {}
    void setScreen(char display, const Unit::SPointC2dI& point);
    // Selects station record 1 (target) or 0 (own) and takes what the listener says changed.
    void updateData(bool isTarget, SENSOR_I62_LISTENER listener);
    // COG or true heading in whole degrees; 0 when not available.
    int16_t getCourseDeg(bool cog) const;
    int getVesselType() const;

    Unit::SPointC2dI m_screen[TARGET_DISPLAY_COUNT];
};

// The radar model of a target; nothing creates one in this program.
class CTargetArpaData : public CArpaData
{
};

} // namespace Target
} // namespace SensorScope
