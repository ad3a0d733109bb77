#pragma once

#include "SensorEngine/GpsInfo.h"
#include "SensorEngine/SensorService.h"
#include "SensorEngine/TargetNavi.h"
#include "SensorEngine/ToolModel.h"

#include "services/Color.h"
#include "services/UnitTypes.h"

#include <memory>
#include <string>

namespace SensorScope {

namespace Target {
class CTargetInfo;
class CTargetView;
} // namespace Target

// Where the target table stands with its displays: 1 new data to bring to the screens, 2 the
// screens are in step.
enum TARGET_INFO_OP_STATE : int {
    TARGET_INFO_OP_IDLE = 0,
    TARGET_INFO_OP_UPDATED = 1,
    TARGET_INFO_OP_SYNCED = 2,
};

// Bits of updateTargetInfo.
constexpr int TARGET_UPDATE_FULL = 7;
constexpr int TARGET_UPDATE_OWN = 1;
constexpr int TARGET_UPDATE_MEASURE = 2;
constexpr int TARGET_UPDATE_NAVI_STATUS = 4;
constexpr int TARGET_UPDATE_SYNC = 16;
constexpr int TARGET_UPDATE_SCREEN = 32;

// The own record's screen point on one display and its position.
struct SOwnVslScreenPos
{
    Unit::SPointC2dI screen;
    Unit::SPointG2dD position;
};

// A chart display layer around the target table: it owns a target table, a target view and a
// GPS model and drives them for up to four displays.
class CSensorEngine
{
public:
    static constexpr char kDisplayCount = Target::TARGET_DISPLAY_COUNT;

    CSensorEngine();
    ~CSensorEngine();
    CSensorEngine(const CSensorEngine&) = delete;
    CSensorEngine& operator=(const CSensorEngine&) = delete;

    // Only for four displays: stores the service and creates the target table and view.
    bool initialize(CAbstractSensorService* service, char displays);
    void reset();
    void setDisplaySize(const Unit::SSizeWH& size);
    void setTargetInfoUpdateState(TARGET_INFO_OP_STATE state) { m_updateState = state; }
    TARGET_INFO_OP_STATE targetInfoUpdateState() const { return m_updateState; }
    bool inspectionPending() const { return m_inspectionPending; }
    // Tracks are recorded for source 1 only.
    void recordTargetTrack(int source);
    bool queryTarget(char display, int x, int y);
    void renderTarget(int orientation, char display, bool selected, bool withTracks);
    // True when the display's screen point is still the one of the last sync; a moved screen
    // asks for a new sync.
    bool checkOwnAndTargetScreenSync(char display, const Unit::SPointC2dI& point);
    void setOwnPos(double latitude, double longitude);
    SOwnVslScreenPos getOwnVslPos(char display, bool withScreen);
    void updateTargetInfo(char display, int flags);
    void syncTargetInfo(char display, bool inspect);
    void switchColorBrill(COLOR_BRILL_M mode);

    Target::CTargetInfo* targetInfo() const { return m_targetInfo.get(); }
    Target::CTargetView* targetView() const { return m_targetView.get(); }
    Gps::CGpsInfo& gpsInfo() { return m_gpsInfo; }
    NaviScope::CAutoScrollTool& autoScroll() { return m_autoScroll; }

private:
    static bool validDisplay(char display) { return display >= 0 && display < kDisplayCount; }

    CAbstractSensorService* m_service = nullptr;
    std::unique_ptr<Target::CTargetInfo> m_targetInfo;
    std::unique_ptr<Target::CTargetView> m_targetView;
    Gps::CGpsInfo m_gpsInfo;
    TARGET_INFO_OP_STATE m_updateState = TARGET_INFO_OP_IDLE;
    bool m_inspectionPending = false;
    NaviScope::CAutoScrollTool m_autoScroll;
    Unit::SPointC2dI m_syncPoint[Target::TARGET_DISPLAY_COUNT];
};

} // namespace SensorScope
