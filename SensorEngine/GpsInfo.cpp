#include "SensorEngine/GpsInfo.h"

#include <QMutexLocker>
#include <cstdlib>

namespace SensorScope {
namespace Gps {

CGpsInfo::CGpsInfo() = default;

void CGpsInfo::initGpsInfo()
{
    QMutexLocker locker(&m_mutex);
    m_lastFixTime = 0;
    initGpsData();
}

void CGpsInfo::fillGpsData(int formatterId, bool, bool bPlayLog)
{
    QMutexLocker locker(&m_mutex);
    setGpsData(formatterId);
    if (bPlayLog || m_dateSeen == 0)
        return;
    syncSysTime(static_cast<long long>(m_utcTime));
}

CGpsData CGpsInfo::getGpsData() const
{
    QMutexLocker locker(&m_mutex);
    return *this;
}

// Counts GPS sentences whose time deviates from the host clock; nothing sets the host clock.
void CGpsInfo::syncSysTime(long long utcTime)
{
    const long long deviation = std::llabs(static_cast<long long>(m_hostClock()) - utcTime);
    if (deviation < kClockDeviationSeconds) {
        m_deviationCount = 0;
        return;
    }
    if (m_deviationCount == 0) {
        m_deviation = deviation;
        m_deviationCount = 1;
    } else if (m_deviation <= deviation) {
        ++m_deviationCount;
    } else {
        m_deviation = 0;
    }
    if (m_deviationCount >= kClockDeviationCount) {
        m_deviation = 0;
        m_deviationCount = 0;
    }
}

void CGpsInfo::updateGpsStatus(bool posFix)
{
    QMutexLocker locker(&m_mutex);
    updateGpsDataValid();
    if (m_positionValid != 0 && posFix)
        m_lastFixTime = m_hostClock();
}

void CGpsInfo::updatePosFixTime()
{
    QMutexLocker locker(&m_mutex);
    m_lastFixTime = m_hostClock();
}

bool CGpsInfo::checkLowSignalTimeOut(int seconds)
{
    QMutexLocker locker(&m_mutex);
    if (m_positionTime == 0)
        return false;
    if (m_lastFixTime == 0) {
        m_lastFixTime = m_hostClock();
        return false;
    }
    return m_hostClock() - m_lastFixTime > seconds;
}

} // namespace Gps
} // namespace SensorScope
