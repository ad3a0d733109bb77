#pragma once

// A target table fed the way the transponder link feeds it: armoured AIS sentences through the
// sentence handler, whose fill signals reach the table directly.
#include "SensorEngine/SensorSentenceHandle.h"
#include "SensorEngine/SensorService.h"
#include "SensorEngine/TargetInfo.h"

#include "SensorTestSupport.h"

#include <QObject>
#include <string>

namespace TestSupport {

class CTargetFeed
{
public:
    CTargetFeed()
    {
        QObject::connect(
            &m_link, &COMM::CServiceComm::signalRxSentence, &m_handle,
            [this](void* sender, char type) {
                m_handle.sentenceProc(static_cast<COMM::CServiceComm*>(sender), static_cast<COMM::COMM_TYPE>(type));
            },
            Qt::DirectConnection);
        QObject::connect(
            &m_handle, &CSensorSentenceHandle::signalFillAisOwnData, &m_handle,
            [this](int listener) { table.fillAisOwnData(static_cast<SensorScope::SENSOR_I62_LISTENER>(listener)); },
            Qt::DirectConnection);
        QObject::connect(
            &m_handle, &CSensorSentenceHandle::signalFillAisTargetData, &m_handle,
            [this](uint mmsi) {
                if (mmsi != 0)
                    table.fillAisTargetData(mmsi);
            },
            Qt::DirectConnection);
    }

    // formatter "VDO" makes the message the own vessel's report.
    void receive(const UN_AIS_MESSAGE& message, const char* formatter = "VDM")
    {
        for (const std::string& sentence : armour(message, formatter, 'A'))
            m_link.receive(sentence);
    }

    // A class A station's position report.
    void classA(uint32_t mmsi, float lon, float lat, float sog = 10.0f, float cog = 90.0f)
    {
        UN_AIS_MESSAGE m = positionReport(mmsi, 0, lon, lat);
        m.msg1.sog = sog;
        m.msg1.cog = cog;
        receive(m);
    }

    void ownVessel(float lon, float lat)
    {
        UN_AIS_MESSAGE m = positionReport(244000001, 0, lon, lat);
        m.msg1.sog = 0.0f;
        m.msg1.cog = 0.0f;
        receive(m, "VDO");
    }

    // The once-a-second measurement of the device object.
    void measure()
    {
        table.updateOwnVslData();
        table.calTargetSourcePivotScreenPoint(SensorScope::Target::TARGET_SOURCE_AIS);
        table.updateAllTargetMeasureValue();
    }

    // Targets not heard for longer than the table's delete time leave it.
    void ageOut()
    {
        table.updateAllTargetNaviStatusFlag();
        table.doAisTargetsInspection();
    }

    CSensorService service;
    SensorScope::Target::CTargetInfo table{&service};

private:
    CFakeLink m_link;
    CSensorSentenceHandle m_handle;
};

} // namespace TestSupport
