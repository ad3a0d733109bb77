#include "SensorEngine/SensorSentenceHandle.h"
#include "SensorEngine/TargetInfo.h"
#include "i62/AisCodec.h"

#include "SensorTestSupport.h"
#include "services/PortalTime.h"

#include <QThread>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;
using namespace SensorScope;
using namespace SensorScope::Target;

namespace {

// The target table fed the way the transponder link feeds it: from the handler's fill signals.
class TargetTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        STestClock::now = 1700000000;
        CAisData::setHostClock(&STestClock::read);
        CTargetNavi::setHostClock(&STestClock::read);
        wire(m_link);
        QObject::connect(
            &m_handle, &CSensorSentenceHandle::signalFillAisOwnData, &m_handle,
            [this](int listener) { m_table.fillAisOwnData(static_cast<SENSOR_I62_LISTENER>(listener)); },
            Qt::DirectConnection);
        QObject::connect(
            &m_handle, &CSensorSentenceHandle::signalFillAisTargetData, &m_handle,
            [this](uint mmsi) {
                if (mmsi != 0)
                    m_table.fillAisTargetData(mmsi);
            },
            Qt::DirectConnection);
    }

    void TearDown() override
    {
        CAisData::setHostClock(&HostTime);
        CTargetNavi::setHostClock(&HostTime);
    }

    void wire(CFakeLink& link)
    {
        QObject::connect(
            &link, &COMM::CServiceComm::signalRxSentence, &m_handle,
            [this](void* sender, char type) {
                m_handle.sentenceProc(static_cast<COMM::CServiceComm*>(sender), static_cast<COMM::COMM_TYPE>(type));
            },
            Qt::DirectConnection);
    }

    void receive(const UN_AIS_MESSAGE& message, const char* formatter = "VDM")
    {
        for (const std::string& sentence : armour(message, formatter, 'A', 2))
            m_link.receive(sentence);
    }

    STargetCopy target(unsigned int mmsi)
    {
        for (const STargetCopy& copy : m_table.getTargetCopies()) {
            if (copy.ais.m_mmsi == mmsi)
                return copy;
        }
        ADD_FAILURE() << "no target " << mmsi;
        return {};
    }

    // The once-a-second refresh of the GUI thread.
    void tick()
    {
        m_table.updateOwnVslData();
        m_table.calTargetSourcePivotScreenPoint(TARGET_SOURCE_AIS);
        m_table.calTargetSourcePivotScreenPoint(TARGET_SOURCE_ARPA);
        m_table.updateAllTargetMeasureValue();
    }

    CFakeLink m_link;
    CSensorSentenceHandle m_handle;
    CSensorService m_service;
    CTargetInfo m_table{&m_service};
};

UN_AIS_MESSAGE classA(uint32_t mmsi, float lon, float lat, float sog = 10.0f, float cog = 90.0f)
{
    UN_AIS_MESSAGE m = positionReport(mmsi, 0, lon, lat);
    m.msg1.sog = sog;
    m.msg1.cog = cog;
    m.msg1.trueHeading = 91;
    m.msg1.rot = 2.0f;
    return m;
}

// The program's measurement, which runs the test's own step once in its midst: where the
// once-a-second refresh works without the table's lock.
class CMeanwhileService : public CSensorService
{
public:
    void calMeasureValue(Unit::SVectorValueF* out, CTargetMetaData* record, Unit::SPointG2dD* from,
                         Unit::SPointG2dD* to) override
    {
        CSensorService::calMeasureValue(out, record, from, to);
        if (meanwhile) {
            const std::function<void()> step = std::move(meanwhile);
            meanwhile = nullptr;
            step();
        }
    }

    std::function<void()> meanwhile;
};

} // namespace

TEST_F(TargetTable, EachKindOfStationBecomesATarget)
{
    receive(classA(211000001, 4.50f, 52.20f));

    UN_AIS_MESSAGE voyage{};
    voyage.msg5.msgId = 5;
    voyage.msg5.mmsi = 211000001;
    voyage.msg5.imo = 9134270;
    std::strcpy(voyage.msg5.callSign, "DABC");
    std::strcpy(voyage.msg5.name, "NORDIC STAR");
    std::strcpy(voyage.msg5.destination, "HAMBURG");
    voyage.msg5.shipType = 70;
    voyage.msg5.dimensions = 100u << 21 | 20u << 12 | 5u << 6 | 6u;
    voyage.msg5.draught = 7.5f;
    voyage.msg5.eta = 6u << 16 | 1u << 11 | 12u << 6 | 30u;
    receive(voyage);

    UN_AIS_MESSAGE classB{};
    classB.msg18.msgId = 18;
    classB.msg18.mmsi = 338000002;
    classB.msg18.sog = 5.0f;
    classB.msg18.longitude = 4.6f;
    classB.msg18.latitude = 52.3f;
    classB.msg18.cog = 180.0f;
    classB.msg18.trueHeading = 511;
    classB.msg18.unitFlag = 1;
    classB.msg18.dscFlag = 1;
    receive(classB);
    UN_AIS_MESSAGE partB{};
    partB.msg24B.msgId = 24;
    partB.msg24B.mmsi = 338000002;
    partB.msg24B.partNumber = 1;
    partB.msg24B.shipType = 37;
    std::strcpy(partB.msg24B.vendorId, "KLV1234");
    std::strcpy(partB.msg24B.callSign, "WDE5432");
    receive(partB);

    UN_AIS_MESSAGE base{};
    base.msg4.msgId = 4;
    base.msg4.mmsi = 2655619;
    base.msg4.longitude = 4.4f;
    base.msg4.latitude = 52.1f;
    base.msg4.epfsType = 7;
    receive(base);

    UN_AIS_MESSAGE aton{};
    aton.msg21.msgId = 21;
    aton.msg21.mmsi = 992351000;
    aton.msg21.atonType = 20;
    std::strcpy(aton.msg21.name, "NOORD HINDER");
    aton.msg21.longitude = 2.5f;
    aton.msg21.latitude = 52.0f;
    aton.msg21.virtualAton = 1;
    receive(aton);

    UN_AIS_MESSAGE sar{};
    sar.msg9.msgId = 9;
    sar.msg9.mmsi = 111232511;
    sar.msg9.altitude = 303;
    sar.msg9.sog = 120.0f;
    sar.msg9.longitude = 3.0f;
    sar.msg9.latitude = 51.0f;
    sar.msg9.cog = 10.0f;
    receive(sar);

    receive(positionReport(970123456, 14, 3.1f, 51.1f));

    ASSERT_EQ(m_table.targetCount(), 6u);
    const STargetCopy a = target(211000001);
    EXPECT_EQ(a.ais.m_aisType, AIS_TYPE_CLASS_A);
    EXPECT_STREQ(a.ais.m_name, "NORDIC STAR");
    EXPECT_STREQ(a.ais.m_callSign, "DABC");
    EXPECT_EQ(a.ais.m_class.classA.imo, 9134270u);
    EXPECT_STREQ(a.ais.m_class.classA.destination, "HAMBURG");
    EXPECT_FLOAT_EQ(a.ais.m_dimA, 100.0f);
    EXPECT_FLOAT_EQ(a.ais.m_dimD, 6.0f);
    EXPECT_NEAR(a.ais.m_class.classA.draught, 7.5, 1e-5);
    EXPECT_NEAR(a.ais.m_class.classA.rot, 2.0, 0.3); // the square-root coding of the air
    EXPECT_TRUE(a.ais.m_positionValid);
    EXPECT_NEAR(a.ais.m_latitude, 52.2, 1e-4);
    EXPECT_EQ(a.updateTime, STestClock::now);

    const STargetCopy b = target(338000002);
    EXPECT_EQ(b.ais.m_aisType, AIS_TYPE_CLASS_B);
    EXPECT_STREQ(b.ais.m_callSign, "WDE5432");
    EXPECT_STREQ(b.ais.m_class.classB.vendorId, "KLV1234");
    EXPECT_EQ(b.ais.m_class.classB.flags[1], 1); // the unit flag, bit 1
    EXPECT_EQ(b.ais.m_class.classB.flags[3], 1); // DSC, bit 3
    EXPECT_EQ(b.ais.m_shipType, 37);
    EXPECT_FLOAT_EQ(b.ais.m_trueHeading, 511.0f);

    EXPECT_EQ(target(2655619).ais.m_aisType, AIS_TYPE_BASE);
    EXPECT_EQ(target(2655619).ais.m_epfsType, 7);
    const STargetCopy n = target(992351000);
    EXPECT_EQ(n.ais.m_aisType, AIS_TYPE_ATON);
    EXPECT_EQ(n.ais.m_class.aton.atonType, 20);
    EXPECT_EQ(n.ais.m_class.aton.virtualAton, 1);
    EXPECT_STREQ(n.ais.m_name, "NOORD HINDER");
    EXPECT_EQ(target(111232511).ais.m_aisType, AIS_TYPE_SAR);
    EXPECT_FLOAT_EQ(target(111232511).ais.m_class.sar.altitude, 303.0f);
    EXPECT_EQ(target(970123456).ais.m_aisType, AIS_TYPE_SART);
    EXPECT_EQ(target(970123456).ais.m_class.sart.sartMode, 1);
}

// Live receivers pass on message 24 with part numbers 2 and 3; only 0 (A) and 1 (B) are data.
TEST_F(TargetTable, MessageTwentyFourOfAnUnknownPartIsDroppedAndCounted)
{
    UN_AIS_MESSAGE partA{};
    partA.msg24A.msgId = 24;
    partA.msg24A.mmsi = 230000001;
    std::strcpy(partA.msg24A.name, "SUOKKI");
    receive(partA);
    ASSERT_STREQ(target(230000001).ais.m_name, "SUOKKI");

    std::strcpy(partA.msg24A.name, "O");
    AIS_raw_message raw;
    ASSERT_EQ(AisMessagePack(&raw, &partA), 1u);
    for (uint32_t part : {2u, 3u}) {
        AisMsgInsertPut(raw.payload, 38, 2, part);
        for (const std::string& sentence : armourRaw(raw))
            m_link.receive(sentence);
    }
    EXPECT_STREQ(target(230000001).ais.m_name, "SUOKKI");
    EXPECT_EQ(m_handle.undecodableCount(), 2u);
}

// Live receivers cut message 5 (71 characters) into 64 and 7: the first sentence is longer than
// the standard's 82 characters, and the vessel's static data must still arrive.
TEST_F(TargetTable, VoyageDataWhoseFirstFragmentCarriesSixtyFourCharacters)
{
    UN_AIS_MESSAGE voyage{};
    voyage.msg5.msgId = 5;
    voyage.msg5.mmsi = 230994000;
    std::strcpy(voyage.msg5.callSign, "OJMQ");
    std::strcpy(voyage.msg5.name, "SUOKKI");
    std::strcpy(voyage.msg5.destination, "HELSINKI");
    voyage.msg5.shipType = 52;
    AIS_raw_message raw;
    ASSERT_EQ(AisMessagePack(&raw, &voyage), 1u);
    Encapsulation_Sentence_Structure armoured{};
    ASSERT_TRUE(I62_EncapSentenceEncode(&armoured, &raw));
    const std::string payload = armoured.payload;
    ASSERT_EQ(payload.size(), 71u);
    const std::string first = withChecksum("!AIVDM,2,1,3,A," + payload.substr(0, 64) + ",0");
    const std::string second =
        withChecksum("!AIVDM,2,2,3,A," + payload.substr(64) + "," + std::to_string(armoured.fillBits));
    ASSERT_EQ(first.size(), 84u + 2u); // and CR LF

    m_link.receive(first);
    m_link.receive(second);
    const STargetCopy vessel = target(230994000);
    EXPECT_STREQ(vessel.ais.m_name, "SUOKKI");
    EXPECT_STREQ(vessel.ais.m_callSign, "OJMQ");
    EXPECT_STREQ(vessel.ais.m_class.classA.destination, "HELSINKI");
    EXPECT_EQ(vessel.ais.m_shipType, 52);
}

TEST_F(TargetTable, StaticDataAloneLeavesPositionAndMeasurementsUnavailable)
{
    UN_AIS_MESSAGE voyage{};
    voyage.msg5.msgId = 5;
    voyage.msg5.mmsi = 244000009;
    std::strcpy(voyage.msg5.name, "ONLY STATIC");
    receive(voyage);
    receive(classA(244000001, 4.5f, 52.0f), "VDO");
    tick();
    const STargetCopy t = target(244000009);
    EXPECT_DOUBLE_EQ(t.ais.m_latitude, 91.0);
    EXPECT_DOUBLE_EQ(t.ais.m_longitude, 181.0);
    EXPECT_FALSE(t.ais.m_positionValid);
    EXPECT_FLOAT_EQ(t.ais.m_range, -1.0f);
    EXPECT_FLOAT_EQ(t.ais.m_bearing, 360.0f);
    EXPECT_FLOAT_EQ(t.ais.m_cpa, -1.0f);
    EXPECT_FLOAT_EQ(t.ais.m_tcpa, 0.0f);

    // The not-available latitude of message 1: no position, but SOG and COG are taken.
    UN_AIS_MESSAGE lost = classA(244000010, 4.0f, 91.0f, 3.0f, 45.0f);
    receive(lost);
    EXPECT_FALSE(target(244000010).ais.m_positionValid);
    EXPECT_FLOAT_EQ(target(244000010).ais.m_sog, 3.0f);
    EXPECT_FLOAT_EQ(target(244000010).ais.m_cog, 45.0f);
}

TEST_F(TargetTable, RangeBearingCpaAndTcpaOnceASecond)
{
    receive(classA(211000001, 0.0f, 10.0f / 60.0f, 10.0f, 180.0f)); // 10 NM north, heading south
    EXPECT_FLOAT_EQ(target(211000001).ais.m_range, -1.0f) << "no own vessel yet";
    tick();
    EXPECT_FLOAT_EQ(target(211000001).ais.m_range, -1.0f);

    receive(classA(244000001, 0.0f, 0.0f, 10.0f, 0.0f), "VDO");
    tick();
    STargetCopy t = target(211000001);
    EXPECT_NEAR(t.ais.m_range, 10.0, 0.05);
    EXPECT_TRUE(t.ais.m_bearing < 0.5f || t.ais.m_bearing > 359.5f);
    EXPECT_EQ(t.ais.m_bearing, t.ais.m_bearing2);
    EXPECT_NEAR(t.ais.m_cpa, 0.0, 0.05);
    EXPECT_NEAR(t.ais.m_tcpa, 30.0, 0.2);

    // Own SOG not available: no CPA, but range and bearing still.
    receive(classA(244000001, 0.0f, 0.0f, 102.3f, 0.0f), "VDO");
    tick();
    t = target(211000001);
    EXPECT_NEAR(t.ais.m_range, 10.0, 0.05);
    EXPECT_FLOAT_EQ(t.ais.m_cpa, -1.0f);
    EXPECT_FLOAT_EQ(t.ais.m_tcpa, 0.0f);
}

// A target reset and heard again while its range was being measured is a new record: the
// range, bearing and CPA of the record before the reset do not land on it.
TEST_F(TargetTable, AMeasurementIsNotWrittenBackToATargetMadeAnewMeanwhile)
{
    CMeanwhileService service;
    m_table.setSensorService(&service);
    receive(classA(244000001, 0.0f, 0.0f, 10.0f, 0.0f), "VDO");
    receive(classA(211000001, 0.0f, 10.0f / 60.0f, 10.0f, 180.0f)); // 10 NM north, heading south
    UN_AIS_MESSAGE voyage{};
    voyage.msg5.msgId = 5;
    voyage.msg5.mmsi = 211000001;
    std::strcpy(voyage.msg5.name, "MADE ANEW");
    service.meanwhile = [&] {
        m_table.reset();
        receive(voyage); // heard again, so far without a position
    };
    tick();
    STargetCopy t = target(211000001);
    EXPECT_STREQ(t.ais.m_name, "MADE ANEW");
    EXPECT_FALSE(t.ais.m_positionValid);
    EXPECT_FLOAT_EQ(t.ais.m_range, -1.0f);
    EXPECT_FLOAT_EQ(t.ais.m_bearing, 360.0f);
    EXPECT_FLOAT_EQ(t.ais.m_cpa, -1.0f);
    EXPECT_FLOAT_EQ(t.ais.m_tcpa, 0.0f);

    // The next second measures the record the table holds.
    receive(classA(211000001, 0.0f, 10.0f / 60.0f, 10.0f, 180.0f));
    tick();
    EXPECT_NEAR(target(211000001).ais.m_range, 10.0, 0.05);
    m_table.setSensorService(&m_service);
}

// The refresh walks a large table a share at a time: every target is still measured once.
TEST_F(TargetTable, EveryTargetOfATableOfManySharesIsMeasured)
{
    const int count = static_cast<int>(3 * CTargetInfo::kTargetsPerHold + 7);
    receive(classA(244000001, 0.0f, 0.0f, 10.0f, 0.0f), "VDO");
    for (int i = 0; i < count; ++i)
        receive(classA(211000000u + static_cast<uint32_t>(i) * 3u, 0.0f, 10.0f / 60.0f, 10.0f, 180.0f));
    tick();
    const std::vector<STargetCopy> copies = m_table.getTargetCopies();
    ASSERT_EQ(copies.size(), static_cast<size_t>(count));
    for (const STargetCopy& copy : copies)
        ASSERT_NEAR(copy.ais.m_range, 10.0, 0.05) << copy.ais.m_mmsi;
}

// A target silent past the delete time is removed; heard again, it is a new target, and so is
// one heard again after a reset.
TEST_F(TargetTable, ARemovedTargetHeardAgainIsANewTarget)
{
    receive(classA(211000001, 4.0f, 52.0f));
    receive(classA(211000002, 4.1f, 52.0f));
    STestClock::now += m_table.m_targetSetting.m_timeOut.deleteSeconds + 1;
    receive(classA(211000002, 4.2f, 52.0f));
    m_table.updateAllTargetNaviStatusFlag();
    m_table.doAisTargetsInspection();
    ASSERT_EQ(m_table.targetCount(), 1u);

    receive(classA(211000001, 4.3f, 52.0f));
    ASSERT_EQ(m_table.targetCount(), 2u);
    EXPECT_NEAR(target(211000001).ais.m_longitude, 4.3, 1e-4);
    EXPECT_EQ(target(211000001).updateTime, STestClock::now);

    m_table.reset();
    receive(classA(211000002, 4.4f, 52.0f));
    ASSERT_EQ(m_table.targetCount(), 1u);
    EXPECT_NEAR(target(211000002).ais.m_longitude, 4.4, 1e-4);
}

TEST_F(TargetTable, OwnVesselFromItsSourcesAndItsResetKeepsTheLastPosition)
{
    EXPECT_EQ(m_table.updateMask(), 0u);
    m_link.receive(withChecksum("$HEHDT,274.07,T"));
    EXPECT_EQ(m_table.updateMask(), kMaskHeading);
    STargetCopy own;
    ASSERT_TRUE(m_table.getOwnCopy(&own)) << "the first own-ship sentence creates the own vessel";
    EXPECT_NEAR(own.ais.m_trueHeading, 274.07, 1e-3);

    receive(classA(244000001, 4.5f, 52.25f), "VDO");
    EXPECT_EQ(m_table.updateMask(), kMaskHeading | kMaskOwnVdo);
    ASSERT_TRUE(m_table.getOwnCopy(&own));
    EXPECT_NEAR(own.ais.m_latitude, 52.25, 1e-4);

    // A VDO of a device that is not the primary position source: no position, SOG or COG.
    CFakeLink secondary(false);
    wire(secondary);
    for (const std::string& sentence : armour(classA(244000001, 9.0f, 9.0f, 1.0f, 1.0f), "VDO", 'A'))
        secondary.receive(sentence);
    ASSERT_TRUE(m_table.getOwnCopy(&own));
    EXPECT_NEAR(own.ais.m_latitude, 52.25, 1e-4);
    EXPECT_FLOAT_EQ(own.ais.m_sog, 10.0f);

    receive(classA(211000001, 4.6f, 52.3f));
    m_table.reset();
    EXPECT_EQ(m_table.targetCount(), 0u);
    EXPECT_EQ(m_table.updateMask(), 0u);
    ASSERT_TRUE(m_table.getOwnCopy(&own));
    EXPECT_NEAR(own.ais.m_latitude, 52.25, 1e-4);
    EXPECT_FLOAT_EQ(own.ais.m_sog, 102.3f);
}

TEST_F(TargetTable, AnEtaAlreadyPastThisYearIsNextYears)
{
    STestClock::now = Portal::Time::ConvterYMDHMS2TimeT(2026, 1, 2, 12, 0, 0, 0.0f); // 2 January
    UN_AIS_MESSAGE voyage{};
    voyage.msg5.msgId = 5;
    voyage.msg5.mmsi = 211000003;
    voyage.msg5.eta = 1u << 16 | 1u << 11 | 0u << 6 | 0u; // 1 January 00:00
    receive(voyage);
    const time_t eta = target(211000003).ais.m_class.classA.eta;
    EXPECT_EQ(eta, Portal::Time::ConvterYMDHMS2TimeT(2027, 1, 1, 0, 0, 0, 0.0f));

    // The same ETA again keeps its time; another ETA, or the same once it has passed, is worked
    // out anew.
    receive(voyage);
    EXPECT_EQ(target(211000003).ais.m_class.classA.eta, eta);
    voyage.msg5.eta = 1u << 16 | 1u << 11 | 6u << 6 | 30u; // 1 January 06:30
    receive(voyage);
    EXPECT_EQ(target(211000003).ais.m_class.classA.eta, Portal::Time::ConvterYMDHMS2TimeT(2027, 1, 1, 6, 30, 0, 0.0f));
    STestClock::now = Portal::Time::ConvterYMDHMS2TimeT(2027, 1, 1, 7, 0, 0, 0.0f);
    receive(voyage);
    EXPECT_EQ(target(211000003).ais.m_class.classA.eta, Portal::Time::ConvterYMDHMS2TimeT(2028, 1, 1, 6, 30, 0, 0.0f));
}

TEST(TargetCourse, WholeDegreesAndNotAvailable)
{
    CTargetAisData ais;
    ais.m_cog = 359.6f;
    ais.m_trueHeading = 511.0f;
    EXPECT_EQ(ais.getCourseDeg(true), 360);
    EXPECT_EQ(ais.getCourseDeg(false), 0);
    ais.m_cog = 360.0f;
    EXPECT_EQ(ais.getCourseDeg(true), 0);
    ais.m_shipType = 39;
    EXPECT_EQ(ais.getVesselType(), 9);
    ais.m_shipType = 70;
    EXPECT_EQ(ais.getVesselType(), 7);
}

TEST(TargetMeasure, BearingsAreKeptWithinACircle)
{
    CSensorService service;
    Unit::SVectorValueF value;
    Unit::SPointG2dD here{52.0, 4.0};
    Unit::SPointG2dD same{52.0, 4.0};
    service.calMeasureValue(&value, nullptr, &here, &same);
    EXPECT_FLOAT_EQ(value.range, 0.0f);
    EXPECT_GE(value.bearing, 0.0f);
    EXPECT_LT(value.bearing, 360.0f);
    Unit::SPointG2dD west{52.0, 3.9};
    service.calMeasureValue(&value, nullptr, &here, &west);
    EXPECT_NEAR(value.bearing, 270.0, 0.1);
    EXPECT_EQ(value.bearing, value.bearing2);
}

// More stations than one share of the refresh's walks, so that the link's thread fills the
// table between the shares too.
TEST(TargetTableThreads, ReadersAndTheRefreshRunWhileTheLinkFillsTheTable)
{
    const int stations = static_cast<int>(2 * CTargetInfo::kTargetsPerHold + 50);
    CSensorService service;
    CTargetInfo table(&service);
    std::atomic<bool> stop{false};
    std::atomic<int> rounds{0};
    std::unique_ptr<QThread> writer(QThread::create([&] {
        CFakeLink link;
        CSensorSentenceHandle handle;
        QObject::connect(
            &handle, &CSensorSentenceHandle::signalFillAisTargetData, &handle,
            [&table](uint mmsi) { table.fillAisTargetData(mmsi); }, Qt::DirectConnection);
        QObject::connect(
            &handle, &CSensorSentenceHandle::signalFillAisOwnData, &handle,
            [&table](int listener) { table.fillAisOwnData(static_cast<SENSOR_I62_LISTENER>(listener)); },
            Qt::DirectConnection);
        QObject::connect(
            &link, &COMM::CServiceComm::signalRxSentence, &handle,
            [&handle, &link](void*, char) { handle.sentenceProc(&link, COMM::COMM_TYPE_SERIAL); },
            Qt::DirectConnection);
        while (!stop) {
            const int k = rounds++;
            for (const std::string& s :
                 armour(classA(211000000 + k % stations, 4.0f + k % 7 * 0.01f, 52.0f), "VDM", 'A'))
                link.receive(s);
            for (const std::string& s : armour(classA(244000001, 4.0f, 52.0f), "VDO", 'B'))
                link.receive(s);
        }
    }));
    writer->start();
    size_t most = 0;
    for (int reads = 0; reads < 300 || rounds < 3 * stations; ++reads) {
        table.updateOwnVslData();
        table.calTargetSourcePivotScreenPoint(TARGET_SOURCE_AIS);
        table.updateAllTargetMeasureValue();
        const std::vector<STargetCopy> copies = table.getTargetCopies();
        for (const STargetCopy& copy : copies)
            ASSERT_TRUE(copy.ais.m_mmsi >= 211000000 && copy.ais.m_mmsi < 211000000u + stations);
        most = std::max(most, copies.size());
        if (reads % 50 == 0 && rounds < 2 * stations)
            table.reset();
    }
    stop = true;
    writer->wait();
    EXPECT_GT(most, CTargetInfo::kTargetsPerHold) << "the walks went over more than one share";
}
