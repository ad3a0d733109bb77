#include "SensorEngine/TargetView.h"

#include "SensorEngine/TargetInfo.h"

#include "services/GsPaint.h"

#include <chrono>
#include <thread>

namespace SensorScope {
namespace Target {

void CTargetView::render(char display, bool selected, bool withTracks, CTargetInfo* targets, int style)
{
    if (targets == nullptr || m_service == nullptr)
        return;
    setRendering(true);
    targets->visitRecords([&](CTargetMetaData* own, const std::map<unsigned int, CTargetMetaData*>& records,
                              CTargetMetaData* holder) {
        m_service->drawOwnVslSymbol(display, selected, own, style, &targets->m_ownSetting);
        for (const auto& entry : records) {
            m_service->drawAisSymbol(display, false, entry.second, style, &targets->m_targetSetting);
            if (withTracks)
                m_service->drawTargetTrack(display, style, entry.second);
        }
        if (holder != nullptr)
            drawHolderSymbol(display, holder, style, &targets->m_targetSetting);
    });
    setRendering(false);
}

void CTargetView::waitRendering() const
{
    while (m_rendering)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

// The frame goes around the held target only where its pivot lies on the screen; the symbol is
// drawn again on top of the frame.
void CTargetView::drawHolderSymbol(char display, CTargetMetaData* holder, int style, CTargetSetting* setting)
{
    if (holder == nullptr || m_service == nullptr || display < 0 || display >= TARGET_DISPLAY_COUNT ||
        !holder->checkScreenPivotValid(display))
        return;
    Unit::SPointC2dI pivot = holder->m_screenPivot[static_cast<int>(display)];
    if (!m_service->checkPointInScreen(display, pivot))
        return;
    const Unit::SSizePtI& box = holder->m_symbolSize[static_cast<int>(display)];
    GS::Paint::drawHolderSymbol(pivot, Unit::SSizeWH{box.width, box.height},
                                m_colors.naviColor(kHolderOuterColor).currentRgb(),
                                m_colors.naviColor(kHolderInnerColor).currentRgb(), kHolderLineWidth);
    m_service->drawAisSymbol(display, true, holder, style, setting);
}

} // namespace Target
} // namespace SensorScope
