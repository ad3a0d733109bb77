#pragma once

#include "SensorEngine/NaviColor.h"
#include "SensorEngine/SensorService.h"

#include "services/UnitTypes.h"

#include <atomic>

namespace SensorScope {
namespace Target {

class CTargetInfo;

// Draws the own vessel, the targets, their tracks and the held target through the sensor
// service. Another thread may wait for a drawing pass to end.
class CTargetView
{
public:
    static constexpr int kHolderLineWidth = 5;
    // Navigation colours of the frame around the held target.
    static constexpr int kHolderOuterColor = 5;
    static constexpr int kHolderInnerColor = 7;

    explicit CTargetView(CAbstractSensorService* service = nullptr) : m_service(service) {}

    void render(char display, bool selected, bool withTracks, CTargetInfo* targets, int style);
    void setRendering(bool rendering) { m_rendering = rendering; }
    bool isRendering() const { return m_rendering; }
    // Polls every 10 ms while a drawing pass runs.
    void waitRendering() const;
    void setDisplaySize(const Unit::SSizeWH& size) { m_displaySize = size; }
    const Unit::SSizeWH& displaySize() const { return m_displaySize; }
    void drawHolderSymbol(char display, CTargetMetaData* holder, int style, CTargetSetting* setting);

    CNaviColor& colors() { return m_colors; }

private:
    std::atomic<bool> m_rendering{false};
    CAbstractSensorService* m_service;
    CNaviColor m_colors;
    Unit::SSizeWH m_displaySize;
};

} // namespace Target
} // namespace SensorScope
