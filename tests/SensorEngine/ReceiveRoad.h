#pragma once

// The receive road wired as the transponder link wires it: the link's received sentences to the
// handler, the handler's fill signals to the GPS model and the target table. All connections are
// direct, so everything runs on the link's thread before the next sentence is parsed.
#include "SensorEngine/GpsInfo.h"
#include "SensorEngine/SensorSentenceHandle.h"
#include "SensorEngine/TargetInfo.h"

namespace TestSupport {

inline void wireReceiveRoad(COMM::CServiceComm* link, CSensorSentenceHandle* handle, SensorScope::Gps::CGpsInfo* gps,
                            SensorScope::Target::CTargetInfo* table)
{
    QObject::connect(
        link, &COMM::CServiceComm::signalRxSentence, handle,
        [handle](void* sender, char type) {
            handle->sentenceProc(static_cast<COMM::CServiceComm*>(sender), static_cast<COMM::COMM_TYPE>(type));
        },
        Qt::DirectConnection);
    QObject::connect(
        handle, &CSensorSentenceHandle::signalFillGpsData, handle,
        [gps](int, int fmt, bool check, bool playLog) { gps->fillGpsData(fmt, check, playLog); }, Qt::DirectConnection);
    QObject::connect(
        handle, &CSensorSentenceHandle::signalFillAisOwnData, handle,
        [table](int listener) { table->fillAisOwnData(static_cast<SensorScope::SENSOR_I62_LISTENER>(listener)); },
        Qt::DirectConnection);
    QObject::connect(
        handle, &CSensorSentenceHandle::signalFillAisTargetData, handle,
        [table](uint mmsi) { table->fillAisTargetData(mmsi); }, Qt::DirectConnection);
}

} // namespace TestSupport
