// The Wi-Fi state in its real arrangement: the module's replies arrive on a serial link on a
// communication thread of its own and go line by line into the reply parser there, while the
// GUI thread polls readiness, clears flags and copies what was read.
#include "wifi/WiFiConfig.h"

#include "comm/CommProfile.h"
#include "comm/RawDataHandle.h"
#include "comm/SerialPort.h"

#include "LinkThread.h"
#include "PtyPeer.h"
#include "WaitFor.h"

#include <QThread>
#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using namespace WiFiScope;
using TestSupport::CLinkThread;
using TestSupport::PtyPeer;
using TestSupport::waitFor;

namespace {

constexpr int kLimitMs = 60000; // generous: the sanitizers slow every thread down
constexpr int kRounds = 200;

// Round k of the module's replies: the SSID names k, the port is 2000 + k.
QByteArray replies(int k)
{
    return ">AT+APSSID\r\n+ok=NET" + QByteArray::number(k) + "\r\n>AT+TCPPORT\r\n+ok=" +
           QByteArray::number(2000 + k) + "\r\n";
}

int roundOfSsid(const SCmdProcData& data)
{
    const std::string ssid = data.data.sAPData.szSSID;
    return ssid.compare(0, 3, "NET") == 0 ? std::atoi(ssid.c_str() + 3) : -1;
}

} // namespace

TEST(WiFiThreads, TheGuiThreadCopiesWhileTheLinkThreadParses)
{
    PtyPeer peer;
    ASSERT_TRUE(peer.isOpen());
    CWiFiConfig wifi;
    wifi.setSystemMode(WIFI_SYS_MODE_CONFIG);
    std::unique_ptr<COMM::CSerialPort> port;
    bool opened = false;
    CLinkThread comm;
    comm.atExit([&] { port.reset(); });
    comm.run([&] {
        const QByteArray name = peer.slavePath().toLatin1();
        COMM::COMM_CONNT_SETTING setting =
            COMM::BuildConntLink(COMM::SENSOR_DEVICE_TRANSPONDER, L"AIS", COMM::PRIMARY_POS_DEFAULT, true);
        setting.SplitLines = true;
        port = std::make_unique<COMM::CSerialPort>(setting, COMM::BuildSerialConfig(name.constData(), 0),
                                                   COMM::RAWDATA_MESSAGE);
        COMM::CServiceComm* link = port.get();
        QObject::connect(
            link, &COMM::CServiceComm::signalRxMessage, link,
            [link, &wifi](void*, char) {
                QByteArray line;
                while (link->getRawDataHandle()->queueNextMessage(&line))
                    wifi.cmdProc(line.constData());
                link->getRawDataHandle()->clearQueueLogMsg();
            },
            Qt::DirectConnection);
        opened = port->connectPort();
        port->setEnable(true);
    });
    ASSERT_TRUE(opened);

    // A thread of Qt's: the peer's write runs its thread's events while the line is full.
    std::unique_ptr<QThread> farEnd(QThread::create([&peer] {
        for (int k = 0; k < kRounds; ++k)
            peer.write(replies(k));
    }));
    farEnd->start();

    // The GUI thread's polling: each copy is whole, and the rounds only move forward.
    int lastSsid = -1;
    int lastPort = 0;
    const bool done = waitFor(
        [&] {
            wifi.isQueryDataReady();
            wifi.clearReplyFlags();
            wifi.restartLinkStatus();
            const SCmdProcData copy = wifi.getCmdProcData();
            const int ssid = roundOfSsid(copy);
            EXPECT_GE(ssid, lastSsid);
            EXPECT_GE(copy.data.sAPData.iTcpPort, lastPort);
            lastSsid = ssid;
            lastPort = copy.data.sAPData.iTcpPort;
            return ssid == kRounds - 1 && lastPort == 2000 + kRounds - 1;
        },
        kLimitMs);
    farEnd->wait();
    EXPECT_TRUE(done) << "last round seen: " << lastSsid << ", port " << lastPort;
}
