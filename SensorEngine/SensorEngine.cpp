#include "SensorEngine/SensorEngine.h"

#include "SensorEngine/TargetInfo.h"
#include "SensorEngine/TargetView.h"

#include "services/SysDebug.h"

#include <QtGlobal>
#include <exception>

namespace SensorScope {

namespace {

// The signature the log names for the set-up, the same whatever the compiler's spelling.
constexpr char kInitializeSignature[] =
    "bool SensorScope::CSensorEngine::initialize(SensorScope::CAbstractSensorService *, char)";

void logInitialize(DEBUG_MSG_LEVEL level, const char* text)
{
    Pattern::Singleton<SysDebug>::instance()->debug(level, kInitializeSignature, currentThreadTag(), "%s", text);
}

} // namespace

CSensorEngine::CSensorEngine()
{
    for (Unit::SPointC2dI& point : m_syncPoint)
        point = Unit::SPointC2dI{Target::TARGET_SCREEN_NA, Target::TARGET_SCREEN_NA};
}

CSensorEngine::~CSensorEngine() = default;

bool CSensorEngine::initialize(CAbstractSensorService* service, char displays)
{
    if (displays != kDisplayCount) {
        logInitialize(DEBUG_MSG_EXCEPTION, "The widgets count isn't match");
        return false;
    }
    m_service = service;
    try {
        m_targetInfo = std::make_unique<Target::CTargetInfo>(service);
        m_targetView = std::make_unique<Target::CTargetView>(service);
    } catch (const std::exception& e) {
        logInitialize(DEBUG_MSG_CRITICAL, e.what());
        m_targetInfo.reset();
        m_targetView.reset();
        return false;
    }
    return true;
}

void CSensorEngine::reset()
{
    if (m_targetInfo)
        m_targetInfo->reset();
    m_gpsInfo.initGpsInfo();
}

void CSensorEngine::setDisplaySize(const Unit::SSizeWH& size)
{
    if (m_targetView)
        m_targetView->setDisplaySize(size);
}

void CSensorEngine::recordTargetTrack(int source)
{
    if (source == Target::TARGET_SOURCE_OWN && m_targetInfo)
        m_targetInfo->recordTargetTrack();
}

bool CSensorEngine::queryTarget(char display, int x, int y)
{
    return m_targetInfo && m_targetInfo->queryTarget(display, x, y, std::string());
}

void CSensorEngine::renderTarget(int orientation, char display, bool selected, bool withTracks)
{
    if (m_targetView && m_targetInfo)
        m_targetView->render(display, selected, withTracks, m_targetInfo.get(), orientation);
}

bool CSensorEngine::checkOwnAndTargetScreenSync(char display, const Unit::SPointC2dI& point)
{
    if (!validDisplay(display))
        return false;
    Unit::SPointC2dI& synced = m_syncPoint[static_cast<int>(display)];
    if (synced.x == point.x && synced.y == point.y)
        return true;
    synced = point;
    m_updateState = TARGET_INFO_OP_UPDATED;
    return false;
}

void CSensorEngine::setOwnPos(double latitude, double longitude)
{
    Q_ASSERT_X(m_targetInfo, "SensorEngine/SensorEngine", "setOwnPos before initialize");
    if (!m_targetInfo) {
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "%s", "No target table");
        return;
    }
    m_targetInfo->setOwnVslPos(latitude, longitude);
}

SOwnVslScreenPos CSensorEngine::getOwnVslPos(char display, bool withScreen)
{
    updateTargetInfo(display, withScreen ? TARGET_UPDATE_SCREEN | TARGET_UPDATE_SYNC : TARGET_UPDATE_SYNC);
    SOwnVslScreenPos result{Unit::SPointC2dI{Target::TARGET_SCREEN_NA, Target::TARGET_SCREEN_NA}, {}};
    if (!m_targetInfo || !validDisplay(display))
        return result;
    m_targetInfo->visitRecords([&](Target::CTargetMetaData* own, const std::map<unsigned int, Target::CTargetMetaData*>&,
                                   Target::CTargetMetaData*) {
        result.screen = own->m_screen[static_cast<int>(display)];
        result.position = own->getTargetPos();
    });
    return result;
}

void CSensorEngine::updateTargetInfo(char display, int flags)
{
    if (!m_targetInfo)
        return;
    if (flags == TARGET_UPDATE_FULL)
        m_inspectionPending = true;
    if (flags & TARGET_UPDATE_SYNC) {
        syncTargetInfo(display, m_inspectionPending);
        m_inspectionPending = false;
    }
    if (flags == TARGET_UPDATE_FULL || (flags & TARGET_UPDATE_OWN))
        m_targetInfo->updateOwnVslData();
    if (flags & TARGET_UPDATE_MEASURE)
        m_targetInfo->updateAllTargetMeasureValue();
    if (flags & TARGET_UPDATE_NAVI_STATUS)
        m_targetInfo->updateAllTargetNaviStatusFlag();
}

void CSensorEngine::syncTargetInfo(char, bool inspect)
{
    if (!m_targetInfo || m_updateState != TARGET_INFO_OP_UPDATED)
        return;
    if (inspect)
        m_targetInfo->doAisTargetsInspection();
    constexpr int kOwn = Target::TARGET_SOURCE_OWN;
    constexpr int kTargets = Target::TARGET_SOURCE_AIS | Target::TARGET_SOURCE_ARPA;
    m_targetInfo->calTargetSourcePivotScreenPoint(kOwn);
    m_targetInfo->calTargetSourceOutlineFactor(kOwn);
    m_targetInfo->calTargetSourceScreenPoint(kOwn);
    m_targetInfo->calTargetSourceOutlineFactor(kTargets);
    m_targetInfo->calTargetSourceScreenPoint(kTargets);
    m_targetInfo->calTargetSourcePivotScreenPoint(kTargets);
    m_targetInfo->calAllTargetTrackScreenPoint();
    m_updateState = TARGET_INFO_OP_SYNCED;
}

void CSensorEngine::switchColorBrill(COLOR_BRILL_M mode)
{
    if (m_targetView)
        m_targetView->colors().switchColorBrill(mode);
}

} // namespace SensorScope
