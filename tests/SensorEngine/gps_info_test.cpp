#include "SensorEngine/GpsInfo.h"
#include "SensorEngine/SensorSentenceHandle.h"

#include "SensorTestSupport.h"

#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;
using SensorScope::CGpsData;
using SensorScope::Gps::CGpsInfo;

namespace {

// The GPS model fed the way the transponder link feeds it: from the handler's fill signal.
class GpsModel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_gps.setHostClock(&STestClock::read);
        m_gps.initGpsInfo();
        QObject::connect(
            &m_link, &COMM::CServiceComm::signalRxSentence, &m_handle,
            [this](void* sender, char type) {
                m_handle.sentenceProc(static_cast<COMM::CServiceComm*>(sender), static_cast<COMM::COMM_TYPE>(type));
            },
            Qt::DirectConnection);
        QObject::connect(
            &m_handle, &CSensorSentenceHandle::signalFillGpsData, &m_handle,
            [this](int, int fmt, bool check, bool playLog) { m_gps.fillGpsData(fmt, check, playLog); },
            Qt::DirectConnection);
    }

    void receive(const std::string& body) { m_link.receive(withChecksum(body)); }

    CFakeLink m_link;
    CSensorSentenceHandle m_handle;
    CGpsInfo m_gps;
};

const char* const kGsvCycle[] = {
    "$GPGSV,3,1,10,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00",
    "$GPGSV,3,2,10,14,25,170,00,16,57,208,39,18,67,296,40,19,40,246,00",
    "$GPGSV,3,3,10,22,42,067,42,24,14,311,43",
};

} // namespace

TEST_F(GpsModel, AGsvCycleIsShownWithTheNextPositionAndItsSatellitesInUse)
{
    receive("$GPGSA,A,3,16,18,22,,,,,,,,,,1.8,0.9,1.5");
    for (const char* gsv : kGsvCycle)
        receive(gsv);
    EXPECT_EQ(m_gps.getGpsData().m_shownSats.count, 0) << "not before a position";
    receive("$GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    const CGpsData shown = m_gps.getGpsData();
    ASSERT_EQ(shown.m_shownSats.count, 10);
    EXPECT_EQ(shown.m_shownSats.inView, 10);
    for (int i = 0; i < shown.m_shownSats.count; ++i) {
        const int prn = shown.m_shownSats.prn[i];
        EXPECT_EQ(shown.m_shownSats.inUse[i], prn == 16 || prn == 18 || prn == 22 ? 1 : 0) << prn;
    }
    EXPECT_EQ(shown.m_shownSats.prn[9], 24);
    EXPECT_EQ(shown.m_shownSats.elevation[9], 14);
    EXPECT_EQ(shown.m_shownSats.azimuth[9], 311);
    EXPECT_EQ(shown.m_shownSats.snr[9], 43);
    EXPECT_EQ(shown.m_workingSats.count, 0);
    EXPECT_EQ(shown.m_prnInUseCount, 0);
    EXPECT_NEAR(shown.m_latitude, 48.1173, 1e-4);
    EXPECT_NEAR(shown.m_longitude, 11.516667, 1e-5);
    EXPECT_EQ(shown.m_positionValid, 1);
    EXPECT_FLOAT_EQ(shown.m_hdop, 0.9f);
    EXPECT_EQ(shown.m_fixMode, 3);
}

TEST_F(GpsModel, ATwentyFifthSatelliteIsNotShown)
{
    for (int message = 1; message <= 7; ++message) {
        std::string gsv = "$GPGSV,7," + std::to_string(message) + ",28";
        for (int k = 0; k < 4; ++k)
            gsv += "," + std::to_string((message - 1) * 4 + k + 1) + ",30,100,35";
        receive(gsv);
    }
    receive("$GPGLL,4916.45,N,12311.12,W,225444,A");
    const CGpsData shown = m_gps.getGpsData();
    EXPECT_EQ(shown.m_shownSats.count, SensorScope::GPS_SAT_MAX);
    EXPECT_EQ(shown.m_shownSats.prn[23], 24);
}

TEST_F(GpsModel, CourseSpeedAndTheirAbsence)
{
    receive("$GPRMC,123519.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A");
    CGpsData shown = m_gps.getGpsData();
    EXPECT_FLOAT_EQ(shown.m_sog, 22.4f);
    EXPECT_FLOAT_EQ(shown.m_cog, 84.4f);
    receive("$GPRMC,123520.00,V,4807.038,N,01131.000,E,,,230394,003.1,W,N");
    shown = m_gps.getGpsData();
    EXPECT_FLOAT_EQ(shown.m_sog, 102.3f);
    EXPECT_FLOAT_EQ(shown.m_cog, 84.4f) << "an invalid course leaves the last one";
}

TEST_F(GpsModel, AJumpOfTheGpsTimeInvalidatesTheFixOnlyUntilTheTimeIsConsistentAgain)
{
    const auto rmc = [](const char* time) {
        return std::string("$GPRMC,") + time + ",A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A";
    };
    receive(rmc("123519.00"));
    EXPECT_EQ(m_gps.getGpsData().m_timeValid, 1);
    receive(rmc("123539.00")); // 20 s later
    EXPECT_EQ(m_gps.getGpsData().m_timeValid, 0);
    EXPECT_EQ(m_gps.getGpsData().m_positionValid, 0);
    receive(rmc("123540.00"));
    EXPECT_EQ(m_gps.getGpsData().m_timeValid, 1);
    EXPECT_EQ(m_gps.getGpsData().m_positionValid, 1);
}

TEST_F(GpsModel, TheClockCheckCountsDeviationsButNotInALogReplay)
{
    receive("$GPRMC,123519.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A");
    // The host clock is far from the GPS time: each sentence deviates.
    EXPECT_EQ(m_gps.clockDeviationCount(), 1);
    m_gps.fillGpsData(6, true, true);
    EXPECT_EQ(m_gps.clockDeviationCount(), 1) << "replayed sentences are not checked";
    m_gps.fillGpsData(6, true, false);
    m_gps.fillGpsData(6, true, false);
    EXPECT_EQ(m_gps.clockDeviationCount(), 3);
    m_gps.fillGpsData(6, true, false);
    EXPECT_EQ(m_gps.clockDeviationCount(), 0) << "the fourth starts over";
    STestClock::now = m_gps.getGpsData().m_utcTime + 1;
    m_gps.fillGpsData(6, true, false);
    EXPECT_EQ(m_gps.clockDeviationCount(), 0);
}

TEST(GpsModelThreads, ReadersOnAnotherThreadGetWholeCopies)
{
    // The communication thread fills the model while the GUI thread reads it.
    CGpsInfo gps;
    std::atomic<bool> stop{false};
    std::atomic<int> rounds{0};
    std::unique_ptr<QThread> writer(QThread::create([&] {
        CFakeLink link;
        CSensorSentenceHandle handle;
        QObject::connect(
            &handle, &CSensorSentenceHandle::signalFillGpsData, &handle,
            [&gps](int, int fmt, bool check, bool playLog) { gps.fillGpsData(fmt, check, playLog); },
            Qt::DirectConnection);
        int round = 0;
        while (!stop) {
            for (const char* gsv : kGsvCycle) {
                handle.sentenceProc(&link, COMM::COMM_TYPE_SERIAL);
                link.getRawDataHandle()->appendToSentQ(QByteArray::fromStdString(withChecksum(gsv)));
            }
            const std::string lat = round++ % 2 == 0 ? "4807.038" : "4907.038";
            link.getRawDataHandle()->appendToSentQ(QByteArray::fromStdString(
                withChecksum("$GPGGA,123519.00," + lat + ",N," + lat.substr(1) + "0,E,1,08,0.9,545.4,M,46.9,M,,")));
            handle.sentenceProc(&link, COMM::COMM_TYPE_SERIAL);
            ++rounds;
        }
    }));
    writer->start();
    // Reads go on until the writer has been busy alongside them for a while.
    for (int reads = 0; reads < 2000 || rounds < 200; ++reads) {
        const CGpsData copy = gps.getGpsData();
        // Latitude and longitude always come from the same sentence.
        if (copy.m_latitude < 90.0) {
            ASSERT_NEAR(copy.m_longitude, copy.m_latitude - 40.0, 1e-6);
        }
        ASSERT_LE(copy.m_shownSats.count, SensorScope::GPS_SAT_MAX);
    }
    stop = true;
    writer->wait();
}
