// The receive road in its real arrangement: a serial link on a communication thread of its own
// reads a pseudo-terminal and hands each sentence to the handler there, whose fill signals
// update the GPS model and the target table directly; the GUI thread's tick refreshes the table
// and copies both while the far end keeps talking.
#include "SensorEngine/GpsInfo.h"
#include "SensorEngine/SensorSentenceHandle.h"
#include "SensorEngine/TargetInfo.h"
#include "comm/CommProfile.h"
#include "comm/SerialPort.h"

#include "LinkThread.h"
#include "PtyPeer.h"
#include "ReceiveRoad.h"
#include "SentenceFeed.h"
#include "WaitFor.h"

#include <QThread>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;
using namespace SensorScope;
using namespace SensorScope::Target;

namespace {

constexpr int kLimitMs = 60000; // generous: the sanitizers slow every thread down
constexpr uint32_t kFirstMmsi = 211000000;
constexpr int kStations = 40;

// One round of what a transponder sends: every station's position, the own vessel's, a
// position fix whose latitude and longitude always differ by 40 degrees, and a corrupt line.
QByteArray round(int k)
{
    QByteArray bytes;
    for (int s = 0; s < kStations; ++s) {
        UN_AIS_MESSAGE m = positionReport(kFirstMmsi + static_cast<uint32_t>(s), 0, 4.0f + (k % 10) * 0.01f, 52.0f);
        m.msg1.sog = 10.0f;
        m.msg1.cog = 90.0f;
        for (const std::string& sentence : armour(m, "VDM", 'A'))
            bytes += sentence.c_str();
    }
    for (const std::string& sentence : armour(positionReport(244000001, 0, 4.0f, 52.0f), "VDO", 'B'))
        bytes += sentence.c_str();
    const std::string lat = k % 2 == 0 ? "4807.038" : "4907.038";
    bytes += withChecksum("$GPGGA,123519.00," + lat + ",N," + lat.substr(1) + "0,E,1,08,0.9,545.4,M,46.9,M,,")
                 .c_str();
    bytes += "$HEHDT,274.07,T*00\r\n";
    return bytes;
}

} // namespace

TEST(ReceiveThreads, TheGuiTickRefreshesAndCopiesWhileTheLinkThreadFills)
{
    PtyPeer peer;
    ASSERT_TRUE(peer.isOpen());
    CSensorService service;
    CTargetInfo table(&service);
    Gps::CGpsInfo gps;
    std::unique_ptr<COMM::CSerialPort> port;
    std::unique_ptr<CSensorSentenceHandle> handle;
    bool opened = false;
    CLinkThread comm;
    comm.atExit([&] {
        port.reset();
        handle.reset();
    });
    comm.run([&] {
        const QByteArray name = peer.slavePath().toLatin1();
        port = std::make_unique<COMM::CSerialPort>(
            COMM::BuildConntLink(COMM::SENSOR_DEVICE_TRANSPONDER, L"AIS", COMM::PRIMARY_POS_DEFAULT, true),
            COMM::BuildSerialConfig(name.constData(), 0), COMM::RAWDATA_SENTENCE);
        handle = std::make_unique<CSensorSentenceHandle>();
        wireReceiveRoad(port.get(), handle.get(), &gps, &table);
        opened = port->connectPort();
        port->setEnable(true);
    });
    ASSERT_TRUE(opened);

    std::atomic<bool> stop{false};
    // A thread of Qt's: the peer's write runs its thread's events while the line is full.
    std::unique_ptr<QThread> farEnd(QThread::create([&] {
        for (int k = 0; !stop; ++k)
            ASSERT_TRUE(peer.write(round(k)));
    }));
    farEnd->start();

    // The GUI's once-a-second refresh, run faster here so that many refreshes meet the writer.
    int refreshes = 0;
    size_t seen = 0;
    bool ownSeen = false;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        table.updateOwnVslData();
        table.calTargetSourcePivotScreenPoint(TARGET_SOURCE_AIS);
        table.calTargetSourcePivotScreenPoint(TARGET_SOURCE_ARPA);
        table.updateAllTargetMeasureValue();
        const std::vector<STargetCopy> copies = table.getTargetCopies();
        for (const STargetCopy& copy : copies) {
            ASSERT_GE(copy.ais.m_mmsi, kFirstMmsi);
            ASSERT_LT(copy.ais.m_mmsi, kFirstMmsi + kStations);
        }
        seen = std::max(seen, copies.size());
        STargetCopy own;
        ownSeen = ownSeen || table.getOwnCopy(&own);
        const CGpsData fix = gps.getGpsData();
        if (fix.m_latitude < 90.0) {
            // Latitude and longitude always come from the same sentence.
            ASSERT_NEAR(fix.m_longitude, fix.m_latitude - 40.0, 1e-6);
        }
        handle->checkSumErrorCount();
        ++refreshes;
    });
    tick.start();
    const bool done = waitFor(
        [&] { return refreshes >= 50 && seen == static_cast<size_t>(kStations) && ownSeen; }, kLimitMs);
    tick.stop();
    stop = true;
    farEnd->wait();
    EXPECT_TRUE(done) << refreshes << " refreshes, " << seen << " targets";
    EXPECT_GT(handle->checkSumErrorCount(), 0u) << "the corrupt heading lines were counted";
}
