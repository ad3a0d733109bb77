// The serial link in its real arrangement: made and ticking on a communication thread of its
// own, reading a pseudo-terminal, while other threads queue packages and reset it.
#include "comm/CommProfile.h"
#include "comm/RawDataHandle.h"
#include "comm/SerialPort.h"
#include "comm_test_support.h"

#include "LinkThread.h"
#include "PtyPeer.h"
#include "WaitFor.h"

#include <QList>
#include <QThread>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using COMM::CSerialPort;
using COMM::CServiceComm;
using TestSupport::CLinkThread;
using TestSupport::PtyPeer;
using TestSupport::waitFor;

namespace {

constexpr int kLimitMs = 30000; // generous: the sanitizers slow every thread down

std::vector<std::string> linesOf(const QByteArray& data)
{
    std::vector<std::string> lines;
    for (const QByteArray& line : data.split('\n')) {
        if (!line.isEmpty())
            lines.push_back(line.trimmed().toStdString());
    }
    return lines;
}

} // namespace

TEST(LinkThreads, SendersOnOtherThreadsAndTheReceiveRoadShareTheTickingLink)
{
    PtyPeer peer;
    ASSERT_TRUE(peer.isOpen());
    std::unique_ptr<CSerialPort> port;
    std::mutex mutex;
    std::vector<std::string> received; // as the receiver on the link's thread took them
    bool opened = false;
    CLinkThread comm;
    comm.atExit([&] { port.reset(); });
    comm.run([&] {
        const QByteArray name = peer.slavePath().toLatin1();
        port = std::make_unique<CSerialPort>(
            COMM::BuildConntLink(COMM::SENSOR_DEVICE_TRANSPONDER, L"AIS", COMM::PRIMARY_POS_DEFAULT, true),
            COMM::BuildSerialConfig(name.constData(), 0), COMM::RAWDATA_SENTENCE);
        opened = port->connectPort();
        port->setEnable(true);
        CServiceComm* link = port.get();
        QObject::connect(
            link, &CServiceComm::signalRxSentence, link,
            [link, &mutex, &received](void*, char) {
                std::string sentence;
                while (link->getRawDataHandle()->queueNextSentence(&sentence)) {
                    std::lock_guard<std::mutex> lock(mutex);
                    received.push_back(sentence);
                }
            },
            Qt::DirectConnection);
    });
    ASSERT_TRUE(opened);

    // Two senders queue packages while the far end talks to the link.
    constexpr int kSenders = 2;
    constexpr int kPackages = 150;
    constexpr int kIncoming = 300;
    std::vector<std::thread> senders;
    for (int s = 0; s < kSenders; ++s) {
        senders.emplace_back([&port, s] {
            for (int i = 0; i < kPackages; ++i) {
                COMM::STxPackage pkg = makePackage("$S" + std::to_string(s) + "," + std::to_string(i) + "\r\n", 0);
                port->appendToTxPackageQ(pkg, true);
            }
        });
    }
    // A thread of Qt's: the peer's write runs its thread's events while the line is full.
    std::unique_ptr<QThread> farEnd(QThread::create([&peer] {
        QByteArray all;
        for (int i = 0; i < kIncoming; ++i)
            all += "$GPTXT," + QByteArray::number(i) + "\r\n";
        // Reads of every size, a line end split between two of them included.
        for (int at = 0, n = 1; at < all.size(); at += n, n = n % 97 + 7)
            peer.write(all.mid(at, n));
    }));
    farEnd->start();
    for (std::thread& sender : senders)
        sender.join();
    farEnd->wait();

    // Every package leaves once, each sender's in the order it queued them.
    QByteArray written;
    ASSERT_TRUE(waitFor(
        [&] {
            written += peer.readAvailable();
            return static_cast<int>(linesOf(written).size()) >= kSenders * kPackages;
        },
        kLimitMs));
    std::map<int, std::vector<int>> bySender;
    for (const std::string& line : linesOf(written)) {
        const size_t comma = line.find(',');
        ASSERT_EQ(line.compare(0, 2, "$S"), 0) << line;
        bySender[std::stoi(line.substr(2, comma - 2))].push_back(std::stoi(line.substr(comma + 1)));
    }
    for (int s = 0; s < kSenders; ++s) {
        std::vector<int> expected(kPackages);
        for (int i = 0; i < kPackages; ++i)
            expected[static_cast<size_t>(i)] = i;
        EXPECT_EQ(bySender[s], expected) << "sender " << s;
    }

    // Every received line reached the receiver once and in order. A CR LF split between two
    // reads leaves its line ended at the CR.
    ASSERT_TRUE(waitFor(
        [&] {
            std::lock_guard<std::mutex> lock(mutex);
            return static_cast<int>(received.size()) >= kIncoming;
        },
        kLimitMs));
    {
        std::lock_guard<std::mutex> lock(mutex);
        ASSERT_EQ(received.size(), static_cast<size_t>(kIncoming));
        for (int i = 0; i < kIncoming; ++i)
            ASSERT_EQ(QByteArray::fromStdString(received[static_cast<size_t>(i)]).trimmed().toStdString(),
                      "$GPTXT," + std::to_string(i));
    }

    // A reset from another thread while the tick runs ends the armed reply wait; what is queued
    // after it returns still goes out.
    std::thread([&port] {
        COMM::STxPackage ask = makePackage("$ASK\r\n", 0, 60000, "+never");
        port->appendToTxPackageQ(ask, true);
    }).join();
    ASSERT_TRUE(peer.readUntil("$ASK\r\n", kLimitMs).contains("$ASK\r\n"));
    std::thread([&port] {
        port->reset();
        COMM::STxPackage after = makePackage("$AFTER\r\n", 0);
        port->appendToTxPackageQ(after, true);
    }).join();
    EXPECT_TRUE(peer.readUntil("$AFTER\r\n", kLimitMs).contains("$AFTER\r\n"));
}
