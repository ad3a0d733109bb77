#pragma once

#include "SensorEngine/GpsData.h"

#include <QMutex>

namespace SensorScope {
namespace Gps {

// The GPS model of the transponder link: written sentence by sentence on the communication
// thread, read as a whole copy by the GUI thread.
class CGpsInfo : public CGpsData
{
public:
    // Host and GPS clocks this far apart count as a deviation.
    static constexpr long long kClockDeviationSeconds = 2;
    static constexpr int kClockDeviationCount = 4;

    CGpsInfo();

    void initGpsInfo();
    void fillGpsData(int formatterId, bool bCheckGpsSignal, bool bPlayLog);
    // A consistent copy of the GPS state, for a reader on another thread.
    CGpsData getGpsData() const;

    void updateGpsStatus(bool posFix);
    void updatePosFixTime();
    bool checkLowSignalTimeOut(int seconds);
    void syncSysTime(long long utcTime);

    time_t lastFixTime() const { return m_lastFixTime; }
    int clockDeviationCount() const { return m_deviationCount; }

private:
    mutable QMutex m_mutex;
    time_t m_lastFixTime = 0;
    int m_deviationCount = 0;
    long long m_deviation = 0;
};

} // namespace Gps
} // namespace SensorScope
