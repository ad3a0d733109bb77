// The sentence handler fed through a real link's queues. The input's head picks the read sizes
// and how far the host clock moves between reads; its rest is what the link receives. The
// handler fills the GPS model and the target table as the program connects them; each new
// second runs the table's once-a-second refresh, and the readers take copies and their texts.
#include "SensorEngine/GpsInfo.h"
#include "SensorEngine/SensorSentenceHandle.h"
#include "SensorEngine/SensorService.h"
#include "SensorEngine/TargetInfo.h"
#include "SensorEngine/TargetStrConvt.h"
#include "comm/ServiceComm.h"

#include "FuzzInput.h"
#include "FuzzLog.h"
#include "ReceiveRoad.h"

#include <QByteArray>
#include <string>
#include <vector>

namespace {

using namespace SensorScope;
using namespace SensorScope::Target;

time_t g_now = 1700000000;

time_t fuzzClock()
{
    return g_now;
}

class CFuzzLink : public COMM::CServiceComm
{
public:
    CFuzzLink() : CServiceComm(setting(), COMM::RAWDATA_SENTENCE)
    {
        setCommType(COMM::COMM_TYPE_SERIAL);
        timerSetup(false);
    }

    COMM::SCommConntProfile getProfile() override { return {}; }

private:
    static COMM::COMM_CONNT_SETTING setting()
    {
        COMM::COMM_CONNT_SETTING value;
        value.DevPrimaryPos = COMM::PRIMARY_POS_PRIMARY;
        value.DevName[0] = L'F';
        return value;
    }
};

// What the list and detail pages show of one target.
void formatTexts(const STargetCopy& copy)
{
    const CTargetAisData& ais = copy.ais;
    const AIS_TYPE type = static_cast<AIS_TYPE>(ais.m_aisType);
    char text[64];
    char other[64];
    TargetStrConvt::formatStrLatLon(text, sizeof(text), other, sizeof(other), ais.m_latitude, ais.m_longitude,
                                    Unit::WORLD_POS_FORMAT_DEG_MIN_SEC, true);
    TargetStrConvt::formatStrAisType(text, sizeof(text), type, Unit::FORMAT_S_LONG);
    TargetStrConvt::formatStrIMO(text, sizeof(text), type, ais.m_class.classA);
    TargetStrConvt::formatStrCallSign(text, sizeof(text), type, ais.m_callSign);
    TargetStrConvt::formatStrVslType(text, sizeof(text), ais.m_shipType, type);
    TargetStrConvt::formatStrCargo(text, sizeof(text), ais.m_shipType, type);
    TargetStrConvt::formatStrDestination(text, sizeof(text), type, ais.m_class.classA);
    TargetStrConvt::formatStrETA(text, sizeof(text), type, ais.m_class.classA, Portal::QDt::TIME_ZONE_UTC);
    TargetStrConvt::formatStrDraught(text, sizeof(text), type, ais.m_class.classA);
    TargetStrConvt::formatStrDimension(text, sizeof(text), type, ais.dimension());
    TargetStrConvt::formatStrLength(text, sizeof(text), type, ais.dimension());
    TargetStrConvt::formatStrBeam(text, sizeof(text), type, ais.dimension());
    TargetStrConvt::formatStrEPFS(text, sizeof(text), ais.m_epfsType);
    TargetStrConvt::formatStrLastReport(text, sizeof(text), static_cast<long long>(copy.updateTime),
                                        Portal::QDt::TIME_ZONE_UTC);
    TargetStrConvt::formatStrNavSta(text, sizeof(text), type, ais.m_navStatus);
    TargetStrConvt::formatStrHeading(text, sizeof(text), ais.m_trueHeading, true);
    TargetStrConvt::formatStrBearing(text, sizeof(text), ais.m_bearing, Unit::BEARING_MEASURE_TRUE, true);
    TargetStrConvt::formatStrCOG(text, sizeof(text), type, ais.m_cog, true);
    TargetStrConvt::formatStrSOG(text, sizeof(text), type, ais.m_sog, Unit::SPEED_UNIT_KMH, true);
    TargetStrConvt::formatStrROT(text, sizeof(text), type, ais.m_class.classA);
    TargetStrConvt::formatStrCPA(text, sizeof(text), ais.m_cpa, ais.m_tcpa);
    TargetStrConvt::formatStrTCPA(text, sizeof(text), ais.m_cpa, ais.m_tcpa);
    TargetStrConvt::formatStrPosAccu(text, sizeof(text), ais.m_posAccuracy);
    if (type == AIS_TYPE_SART)
        TargetStrConvt::formatStrSartMode(text, sizeof(text), ais.m_class.sart);
    if (type == AIS_TYPE_ATON) {
        TargetStrConvt::formatStrAtonRealVirtual(text, sizeof(text), ais.m_class.aton);
        TargetStrConvt::formatStrAtonType(text, sizeof(text), ais.m_class.aton);
        TargetStrConvt::formatStrAtonStatus(text, sizeof(text), ais.m_class.aton);
        TargetStrConvt::formatStrAtonLightStatus(text, sizeof(text), ais.m_class.aton);
        TargetStrConvt::formatStrAtonRACONStatus(text, sizeof(text), ais.m_class.aton);
        TargetStrConvt::formatStrAtonName(text, sizeof(text), ais.m_name, ais.m_class.aton.nameExtension);
    }
}

void readAll(const Gps::CGpsInfo& gps, CTargetInfo& table)
{
    const CGpsData fix = gps.getGpsData();
    char lat[64];
    char lon[64];
    TargetStrConvt::formatStrLatLon(lat, sizeof(lat), lon, sizeof(lon), fix.m_latitude, fix.m_longitude,
                                    Unit::WORLD_POS_FORMAT_DEG_MIN, false);
    TargetStrConvt::formatStrHDOP(lat, sizeof(lat), fix.m_hdop);
    STargetCopy own;
    if (table.getOwnCopy(&own))
        formatTexts(own);
    for (const STargetCopy& copy : table.getTargetCopies())
        formatTexts(copy);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::drainLog();
    // One link for the whole run, as a link makes its transmit timer when made; its queues are
    // emptied for each input.
    static CFuzzLink* link = new CFuzzLink;
    link->getRawDataHandle()->clearAllData();

    Fuzz::CInput input(data, size);
    std::vector<int> reads;
    std::vector<int> steps;
    for (int i = 0; i < 8; ++i) {
        reads.push_back(1 + input.word() % 512);
        steps.push_back(input.byte() % 4);
    }
    const std::string received = input.rest();

    g_now = 1700000000;
    CAisData::setHostClock(&fuzzClock);
    CTargetNavi::setHostClock(&fuzzClock);
    CSensorSentenceHandle handle;
    handle.setHostClock(&fuzzClock);
    Gps::CGpsInfo gps;
    gps.setHostClock(&fuzzClock);
    CSensorService service;
    CTargetInfo table(&service);

    TestSupport::wireReceiveRoad(link, &handle, &gps, &table);

    size_t at = 0;
    for (size_t k = 0; at < received.size(); ++k) {
        const size_t n = std::min(static_cast<size_t>(reads[k % reads.size()]), received.size() - at);
        link->rxPackageProc(QByteArray(received.data() + at, static_cast<int>(n)), false);
        at += n;
        const int step = steps[k % steps.size()];
        if (step == 0)
            continue;
        // A new second: the refresh the GUI thread runs once a second.
        g_now += step;
        gps.updateGpsStatus(true);
        gps.checkLowSignalTimeOut(10);
        table.updateOwnVslData();
        table.calTargetPivotScreenPoint();
        table.updateAllTargetMeasureValue();
        table.updateAllTargetNaviStatusFlag();
        table.doAisTargetsInspection();
        table.recordTargetTrack();
        readAll(gps, table);
    }
    readAll(gps, table);
    Fuzz::drainLog();
    return 0;
}
