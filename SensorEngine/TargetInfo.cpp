#include "SensorEngine/TargetInfo.h"

#include "i62/NaviCalc.h"
#include "services/SysDebug.h"

#include <QMutexLocker>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace SensorScope {
namespace Target {

namespace {

constexpr std::chrono::microseconds kSpinBeforeSleep{100};

// A short wait that keeps the processor, easing the core for its other thread.
inline void spinPause()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

uint32_t maskOf(SENSOR_I62_LISTENER listener)
{
    switch (listener) {
    case SENSOR_I62_LISTENER_SAT_DOP:
    case SENSOR_I62_LISTENER_STATISTIC:
    case SENSOR_I62_LISTENER_POSITION:
        return kMaskGps;
    case SENSOR_I62_LISTENER_HDT:
    case SENSOR_I62_LISTENER_HDM:
        return kMaskHeading;
    case SENSOR_I62_LISTENER_OWN_PRIMARY:
    case SENSOR_I62_LISTENER_OWN_OTHER:
        return kMaskOwnVdo;
    case SENSOR_I62_LISTENER_OWN_34:
        return kMaskListener34;
    default:
        return 0;
    }
}

bool positionKnown(const CTargetBase& record)
{
    return record.m_latitude != TARGET_LAT_NA && record.m_longitude != TARGET_LON_NA;
}

bool motionKnown(const CTargetBase& record)
{
    return record.m_cog < TARGET_COG_NA && record.m_sog < TARGET_SOG_NA;
}

// What the measurement of one target needs, taken out under the lock.
struct SMeasureInput
{
    unsigned int mmsi;
    uint64_t generation;
    Unit::SPointG2dD pivot;
    double latitude;
    double longitude;
    float sog;
    float cog;
};

struct SMeasureResult
{
    unsigned int mmsi;
    uint64_t generation;
    float range;
    float bearing;
    float bearing2;
    float cpa;
    float tcpa;
};

SMeasureResult measure(CAbstractSensorService* service, CTargetMetaData& own, const SMeasureInput& target)
{
    SMeasureResult result{target.mmsi, target.generation, -1.0f, 360.0f, 360.0f, -1.0f, 0.0f};
    const CTargetAisData* ownAis = own.aisData();
    if (ownAis == nullptr || !positionKnown(*ownAis) || target.latitude == TARGET_LAT_NA ||
        target.longitude == TARGET_LON_NA)
        return result;
    Unit::SVectorValueF value;
    Unit::SPointG2dD from = own.m_positionPivot;
    Unit::SPointG2dD to = target.pivot;
    if (service != nullptr)
        service->calMeasureValue(&value, &own, &from, &to);
    result.range = value.range;
    result.bearing = value.bearing;
    result.bearing2 = value.bearing2;
    if (motionKnown(*ownAis) && target.cog < TARGET_COG_NA && target.sog < TARGET_SOG_NA) {
        SHIP_INFO_TO_CPA first{};
        SHIP_INFO_TO_CPA second{};
        first.latitude = static_cast<float>(ownAis->m_latitude);
        first.longitude = static_cast<float>(ownAis->m_longitude);
        first.sog = ownAis->m_sog;
        first.cog = ownAis->m_cog;
        second.latitude = static_cast<float>(target.latitude);
        second.longitude = static_cast<float>(target.longitude);
        second.sog = target.sog;
        second.cog = target.cog;
        float cpa = -1.0f;
        float tcpa = 0.0f;
        cpa_distance_time(first, second, &cpa, &tcpa);
        result.cpa = cpa;
        result.tcpa = tcpa;
    }
    return result;
}

void store(CTargetBase& record, const SMeasureResult& result)
{
    record.m_range = result.range;
    record.m_bearing = result.bearing;
    record.m_bearing2 = result.bearing2;
    record.m_cpa = result.cpa;
    record.m_tcpa = result.tcpa;
}

} // namespace

CTargetInfo::CLock::CLock(CTargetInfo& table) : m_table(table)
{
    if (!m_table.m_mutex.tryLock()) {
        // A share of a walk holds the lock for some microseconds; a thread that went to sleep
        // at once could wake much later on a busy machine, so it keeps trying for a while first.
        m_table.m_waiting.fetch_add(1);
        const auto giveUp = std::chrono::steady_clock::now() + kSpinBeforeSleep;
        bool taken = false;
        while (!taken && std::chrono::steady_clock::now() < giveUp) {
            spinPause();
            taken = m_table.m_mutex.tryLock();
        }
        if (!taken)
            m_table.m_mutex.lock();
        m_table.m_waiting.fetch_sub(1);
    }
    // Written only under the lock, read by a walk waiting to go on.
    m_table.m_taken.store(m_table.m_taken.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

CTargetInfo::CLock::~CLock()
{
    m_table.m_mutex.unlock();
}

// A mutex of Qt's is not fair: a walk that takes it again at once, before a thread its release
// woke has run, would keep that thread out through all its shares. Between shares, a thread
// that waits is let in first.
void CTargetInfo::letWaitingIn()
{
    if (m_waiting.load() == 0)
        return;
    const uint64_t taken = m_taken.load();
    while (m_waiting.load() > 0 && m_taken.load() == taken)
        QThread::yieldCurrentThread();
}

// The target of an MMSI, or null; called with the lock held.
CTargetMetaData* CTargetInfo::findTarget(unsigned int mmsi)
{
    SRecentTarget& recent = m_recent[mmsi % kRecentSlots];
    if (recent.record != nullptr && recent.mmsi == mmsi)
        return recent.record;
    const auto found = m_targets.find(mmsi);
    if (found == m_targets.end())
        return nullptr;
    recent = {mmsi, found->second};
    return found->second;
}

// A record about to be deleted leaves the small table too; called with the lock held.
void CTargetInfo::forgetTarget(unsigned int mmsi, const CTargetMetaData* record)
{
    SRecentTarget& recent = m_recent[mmsi % kRecentSlots];
    if (recent.record == record)
        recent = {};
}

void CTargetInfo::forgetAllTargets()
{
    m_recent.fill({});
}

CTargetInfo::CTargetInfo(CAbstractSensorService* service) : m_service(service)
{
    m_ownNavi.assignTargetModel(TARGET_TYPE_AIS, false, SENSOR_I62_LISTENER_NONE);
}

CTargetInfo::~CTargetInfo()
{
    m_service = nullptr;
    m_holder = nullptr;
    delete m_ownTarget;
    m_ownTarget = nullptr;
    clearAllTargets();
}

void CTargetInfo::fillAisOwnData(SENSOR_I62_LISTENER listener)
{
    CLock locker(*this);
    m_updateMask |= maskOf(listener);
    if (m_ownTarget == nullptr) {
        m_ownTarget = new CTargetMetaData;
        m_ownTarget->assignTargetModel(TARGET_TYPE_AIS, false, listener);
    } else {
        m_ownTarget->updateAisData(false, listener);
    }
}

void CTargetInfo::fillAisTargetData(unsigned int mmsi)
{
    CLock locker(*this);
    if (CTargetMetaData* found = findTarget(mmsi)) {
        found->updateAisData(true, SENSOR_I62_LISTENER_AIS_TARGET);
        found->setGeneration(++m_generation);
        return;
    }
    auto* target = new CTargetMetaData;
    target->assignTargetModel(TARGET_TYPE_AIS, true, SENSOR_I62_LISTENER_AIS_TARGET);
    target->setGeneration(++m_generation);
    m_targets.emplace(mmsi, target);
    m_recent[mmsi % kRecentSlots] = {mmsi, target};
}

void CTargetInfo::updateOwnVslData()
{
    CLock locker(*this);
    if (m_ownTarget == nullptr || m_ownTarget->aisData() == nullptr)
        return;
    m_ownNavi.aisData()->assignData(m_ownTarget->aisData());
    m_ownNavi.updateTime(m_ownTarget->m_updateTime);
    // The display keeps its points; only the position pivot follows the new position.
    Unit::SPointC2dI screen[TARGET_DISPLAY_COUNT];
    Unit::SPointC2dI pivots[TARGET_DISPLAY_COUNT];
    std::copy(std::begin(m_ownNavi.m_screen), std::end(m_ownNavi.m_screen), screen);
    std::copy(std::begin(m_ownNavi.m_screenPivot), std::end(m_ownNavi.m_screenPivot), pivots);
    const STargetOutlineParameter outline = m_ownNavi.m_outline;
    updateTargetPivotData(&m_ownNavi, TARGET_SOURCE_OWN);
    std::copy(std::begin(screen), std::end(screen), m_ownNavi.m_screen);
    m_ownNavi.setScreenPivot(pivots);
    m_ownNavi.m_outline = outline;
}

void CTargetInfo::calTargetSourcePivotScreenPoint(int sources)
{
    if (sources & TARGET_SOURCE_OWN) {
        CLock locker(*this);
        if (m_ownTarget != nullptr)
            updateTargetPivotData(m_ownTarget, TARGET_SOURCE_OWN);
    }
    if (!(sources & TARGET_SOURCE_AIS))
        return;
    // Each target's pivot stands alone, so the walk takes the lock a share of the table at a
    // time and goes on after the last MMSI it did.
    bool first = true;
    unsigned int last = 0;
    for (;;) {
        if (!first)
            letWaitingIn();
        CLock locker(*this);
        auto entry = first ? m_targets.begin() : m_targets.upper_bound(last);
        first = false;
        for (size_t n = 0; n < kTargetsPerHold && entry != m_targets.end(); ++n, ++entry) {
            updateTargetPivotData(entry->second, TARGET_SOURCE_AIS);
            last = entry->first;
        }
        if (entry == m_targets.end())
            return;
    }
}

void CTargetInfo::updateTargetPivotData(CTargetMetaData* record, int source)
{
    if (record->m_outline.flag == 0) {
        record->cancelOutline(record->getTargetPos());
        return;
    }
    // An outline drawn to scale moves the pivot; no display of this program enables one.
    record->setPositionPivot(record->getTargetPos());
    (void)source;
    if (m_service != nullptr)
        m_service->calTargetNaviPivotScreenPoint(record);
}

// Measured outside the lock: with thousands of targets the geodesy takes milliseconds, and the
// communication thread must not wait that long to file the next sentence. The copies are taken
// and the results written back a share of the table at a time, for the same reason; a result
// goes back only to the record it was worked out from, as it still was (its generation).
void CTargetInfo::updateAllTargetMeasureValue()
{
    CTargetMetaData own;
    own.assignTargetModel(TARGET_TYPE_AIS, false, SENSOR_I62_LISTENER_NONE);
    std::vector<SMeasureInput> inputs;
    CAbstractSensorService* service = nullptr;
    bool first = true;
    unsigned int last = 0;
    for (;;) {
        if (!first)
            letWaitingIn();
        CLock locker(*this);
        auto entry = m_targets.begin();
        if (first) {
            service = m_service;
            own.assignData(&m_ownNavi);
            inputs.reserve(m_targets.size());
        } else {
            entry = m_targets.upper_bound(last);
        }
        first = false;
        for (size_t n = 0; n < kTargetsPerHold && entry != m_targets.end(); ++n, ++entry) {
            last = entry->first;
            const CTargetAisData* ais = entry->second->aisData();
            if (ais != nullptr)
                inputs.push_back({entry->first, entry->second->generation(), entry->second->m_positionPivot,
                                  ais->m_latitude, ais->m_longitude, ais->m_sog, ais->m_cog});
        }
        if (entry == m_targets.end())
            break;
    }
    std::vector<SMeasureResult> results;
    results.reserve(inputs.size());
    for (const SMeasureInput& input : inputs)
        results.push_back(measure(service, own, input));

    for (size_t done = 0; done < results.size();) {
        if (done > 0)
            letWaitingIn();
        CLock locker(*this);
        // Both walk the map in MMSI order; a target removed meanwhile is skipped.
        auto target = m_targets.lower_bound(results[done].mmsi);
        const size_t end = std::min(results.size(), done + kTargetsPerHold);
        for (; done < end; ++done) {
            const SMeasureResult& result = results[done];
            while (target != m_targets.end() && target->first < result.mmsi)
                ++target;
            if (target != m_targets.end() && target->first == result.mmsi &&
                target->second->generation() == result.generation && target->second->aisData() != nullptr)
                store(*target->second->aisData(), result);
        }
    }
}

void CTargetInfo::updateAisMeasureValue()
{
    for (auto& entry : m_targets)
        updateMeasureValue(&m_ownNavi, entry.second->aisData());
}

void CTargetInfo::updateMeasureValue(CTargetMetaData* own, CTargetAisData* target)
{
    if (target == nullptr)
        return;
    const SMeasureInput input{target->m_mmsi,
                              0,
                              {target->m_latitude, target->m_longitude},
                              target->m_latitude,
                              target->m_longitude,
                              target->m_sog,
                              target->m_cog};
    store(*target, measure(m_service, *own, input));
}

void CTargetInfo::reset()
{
    // All of it under the lock: the own vessel is written by the communication thread too.
    CLock locker(*this);
    m_updateMask = 0;
    m_holder = nullptr;
    for (auto& entry : m_targets)
        delete entry.second;
    m_targets.clear();
    forgetAllTargets();
    SYS_DEBUG(DEBUG_MSG_INFO, "%s", "");
    if (m_ownTarget == nullptr || m_ownTarget->aisData() == nullptr)
        return;
    CTargetAisData* ais = m_ownTarget->aisData();
    const double latitude = ais->m_latitude;
    const double longitude = ais->m_longitude;
    ais->resetData();
    m_ownNavi.aisData()->resetData();
    if (std::abs(latitude) < 91.0 && std::abs(longitude) < 181.0) {
        ais->m_latitude = latitude;
        ais->m_longitude = longitude;
    }
}

void CTargetInfo::clearAllTargets()
{
    CLock locker(*this);
    m_holder = nullptr;
    for (auto& entry : m_targets)
        delete entry.second;
    m_targets.clear();
    forgetAllTargets();
    SYS_DEBUG(DEBUG_MSG_INFO, "%s", "");
}

std::vector<STargetCopy> CTargetInfo::getTargetCopies()
{
    CLock locker(*this);
    std::vector<STargetCopy> copies;
    copies.reserve(m_targets.size());
    for (const auto& entry : m_targets) {
        if (entry.second->aisData() != nullptr)
            copies.push_back({*entry.second->aisData(), entry.second->m_updateTime});
    }
    return copies;
}

bool CTargetInfo::getOwnCopy(STargetCopy* out)
{
    CLock locker(*this);
    if (out == nullptr || m_ownTarget == nullptr || m_ownTarget->aisData() == nullptr)
        return false;
    *out = {*m_ownTarget->aisData(), m_ownTarget->m_updateTime};
    return true;
}

size_t CTargetInfo::targetCount()
{
    CLock locker(*this);
    return m_targets.size();
}

uint32_t CTargetInfo::updateMask()
{
    CLock locker(*this);
    return m_updateMask;
}

void CTargetInfo::initial()
{
    CLock locker(*this);
    m_updateMask = 0;
}

void CTargetInfo::setSensorService(CAbstractSensorService* service)
{
    CLock locker(*this);
    m_service = service;
}

void CTargetInfo::detectNewExtSensor(uint32_t sources)
{
    CLock locker(*this);
    m_updateMask |= sources;
}

void CTargetInfo::setOwnVslPos(double latitude, double longitude)
{
    CLock locker(*this);
    m_ownNavi.aisData()->setLatLonChecking(latitude, longitude);
    updateTargetPivotData(&m_ownNavi, TARGET_SOURCE_OWN);
}

void CTargetInfo::setOwnAisPos(double latitude, double longitude)
{
    CLock locker(*this);
    if (m_ownTarget == nullptr || m_ownTarget->aisData() == nullptr)
        return;
    m_ownTarget->aisData()->setLatLonChecking(latitude, longitude);
    updateTargetPivotData(m_ownTarget, TARGET_SOURCE_OWN);
}

SSensorTargetDimension CTargetInfo::getTargetDimension(const CTargetMetaData* record, int source) const
{
    if (source == TARGET_SOURCE_OWN) {
        const SOwnVslBaseSet& base = m_ownSetting.m_base;
        return {base.dimA, base.dimB, base.dimC, base.dimD};
    }
    if (source == TARGET_SOURCE_AIS && record != nullptr && record->aisData() != nullptr)
        return record->aisData()->dimension();
    return {50.0f, 50.0f, 15.0f, 15.0f};
}

uint64_t CTargetInfo::getHorderTargeStyle()
{
    CLock locker(*this);
    if (m_holder == nullptr)
        return 0;
    if (m_holder->model() == TARGET_TYPE_ARPA)
        return 4096;
    const uint64_t kind = m_holder->aisData() != nullptr ? static_cast<uint64_t>(m_holder->aisData()->m_aisType) : 0;
    const uint64_t source = m_holder == &m_ownNavi ? m_updateMask : 256;
    return kind << 32 | source;
}

bool CTargetInfo::queryTarget(char display, int x, int y, const std::string& mmsi)
{
    {
        CLock locker(*this);
        m_holder = nullptr;
    }
    const unsigned int value = mmsi.empty() ? TARGET_MMSI_NA : static_cast<unsigned int>(std::atoi(mmsi.c_str()));
    const bool found = queryTargetAis(display, x, y, value);
    return mmsi.size() == 2 ? false : found;
}

bool CTargetInfo::checkTargetExist(char display, CTargetMetaData* record, int x, int y, unsigned int mmsi)
{
    if (record == nullptr || record->aisData() == nullptr || display < 0 || display >= TARGET_DISPLAY_COUNT)
        return false;
    if (record->aisData()->m_mmsi == mmsi)
        return true;
    if (x == TARGET_SCREEN_NA || y == TARGET_SCREEN_NA)
        return false;
    const Unit::SSizePtI& box = record->m_symbolSize[static_cast<int>(display)];
    return x > box.x && x < box.x + box.width && y > box.y && y < box.y + box.height;
}

bool CTargetInfo::queryTargetAis(char display, int x, int y, unsigned int mmsi)
{
    CLock locker(*this);
    auto from = mmsi == TARGET_MMSI_NA ? m_targets.begin() : m_targets.find(mmsi);
    if (from == m_targets.end())
        from = m_targets.begin();
    CTargetMetaData* found = nullptr;
    for (auto it = from; it != m_targets.end() && found == nullptr; ++it) {
        if (checkTargetExist(display, it->second, x, y, mmsi))
            found = it->second;
    }
    if (found == nullptr && checkTargetExist(display, &m_ownNavi, x, y, mmsi))
        found = &m_ownNavi;
    if (found == nullptr)
        return false;
    found->updateActivatedLatestTime(true);
    m_holder = found;
    return true;
}

void CTargetInfo::updateHolderTarget(CTargetMetaData* record, time_t time)
{
    if (record == nullptr)
        return;
    CLock locker(*this);
    record->setActivatedLatestTime(time);
    m_holder = record;
}

void CTargetInfo::calTargetScreenPoint()
{
    calTargetSourceScreenPoint(TARGET_SOURCE_OWN | TARGET_SOURCE_AIS);
}

void CTargetInfo::calTargetSourceScreenPoint(int sources)
{
    CLock locker(*this);
    if (m_service == nullptr)
        return;
    if (sources & TARGET_SOURCE_OWN)
        m_service->calTargetNaviScreenPoint(m_ownNavi.aisData(), &m_ownNavi);
    if (sources & TARGET_SOURCE_AIS) {
        for (auto& entry : m_targets)
            m_service->calTargetNaviScreenPoint(entry.second->aisData(), entry.second);
    }
}

void CTargetInfo::calTargetPivotScreenPoint()
{
    calTargetSourcePivotScreenPoint(TARGET_SOURCE_OWN | TARGET_SOURCE_AIS);
}

void CTargetInfo::calAllTargetTrackScreenPoint()
{
    CLock locker(*this);
    if (m_service == nullptr)
        return;
    for (auto& entry : m_targets)
        m_service->calTargetTrackScreenPoint(entry.second);
}

void CTargetInfo::calTargetSourceOutlineFactor(int sources)
{
    CLock locker(*this);
    if (sources & TARGET_SOURCE_AIS) {
        for (auto& entry : m_targets)
            updateTargetOutlineParameter(entry.second);
    }
}

void CTargetInfo::updateTargetOutlineParameter(CTargetMetaData* record)
{
    if (record == nullptr)
        return;
    if (m_service == nullptr || record->aisData() == nullptr) {
        record->setOutlineParameter(STargetOutlineParameter());
        return;
    }
    SSensorTargetDimension dimension = record->aisData()->dimension();
    record->setOutlineParameter(m_service->getTargetOutlineParam(dimension, false));
}

void CTargetInfo::updateAllTargetNaviStatusFlag()
{
    const int snooze = m_service != nullptr ? m_service->getAlarmSnoozeTime() : 0;
    CLock locker(*this);
    if (m_ownNavi.m_updateTime != 0) {
        m_ownNavi.updateOwnVslLostFlag(kOwnLostSeconds);
        if (m_ownTarget != nullptr)
            m_ownTarget->updateOwnVslLostFlag(kOwnLostSeconds);
    }
    updateAllAisNaviStatusFlag(snooze);
}

void CTargetInfo::updateAllAisNaviStatusFlag(int snoozeSeconds)
{
    const STargetTimeOutSet& timeOut = m_targetSetting.m_timeOut;
    const STargetCpaSet& cpa = m_targetSetting.m_cpa;
    for (auto& entry : m_targets) {
        CTargetMetaData* target = entry.second;
        if (target == m_holder || (m_targetSetting.m_active.flags & 1u) != 0)
            target->updateActivatedLatestTime(true);
        target->updateTargetLostDelFlag(timeOut.lostSeconds, timeOut.deleteSeconds);
        target->updateTargetDangerFlag(cpa.cpaLimit, cpa.tcpaLimit, snoozeSeconds);
        target->updateRotFlag();
    }
}

void CTargetInfo::doAisTargetsInspection()
{
    CLock locker(*this);
    for (auto it = m_targets.begin(); it != m_targets.end();) {
        it->second->doTargetsTrackLoseNode();
        if (!it->second->m_naviStatus.deleted) {
            ++it;
            continue;
        }
        if (m_holder == it->second)
            m_holder = nullptr;
        forgetTarget(it->first, it->second);
        delete it->second;
        it = m_targets.erase(it);
    }
}

void CTargetInfo::visitRecords(const RecordVisitor& visit)
{
    CLock locker(*this);
    if (visit)
        visit(&m_ownNavi, m_targets, m_holder);
}

void CTargetInfo::recordTargetTrack()
{
    CLock locker(*this);
    for (auto& entry : m_targets) {
        const CTargetAisData* ais = entry.second->aisData();
        if (!entry.second->m_naviStatus.lost && ais != nullptr && ais->m_positionValid)
            entry.second->recordTargetTrack();
    }
}

} // namespace Target
} // namespace SensorScope
