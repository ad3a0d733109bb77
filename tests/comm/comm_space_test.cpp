#include "RecordingCommSpace.h"
#include "comm/CommData.h"
#include "comm/LogListener.h"
#include "comm/NetworkSocket.h"
#include "comm/SerialPort.h"
#include "comm/ServiceComm.h"
#include "comm_test_support.h"

#include "PtyPeer.h"
#include "QtMessageProbe.h"
#include "WaitFor.h"

#include <QTcpSocket>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

using TestSupport::PtyPeer;
using TestSupport::waitFor;

namespace {

constexpr int kLimitMs = 15000; // several ticks of the manager, with room to spare

const char* const kMissingPort = "/dev/kelvora-no-such-port";

// Counts a manager's signals where they are emitted (the manager thread or a requester's).
// Direct connections: a queued delivery to this thread goes through Qt's posted-event list,
// whose own lock the thread checker cannot see.
class SignalCounter
{
public:
    explicit SignalCounter(CCommSpace* manager)
    {
        const auto direct = Qt::DirectConnection;
        QObject::connect(manager, &CCommSpace::signalCommConntReady, &m_context, [this]() { bump(&m_ready); }, direct);
        QObject::connect(manager, &CCommSpace::signalCommDataSaved, &m_context, [this]() { bump(&m_saved); }, direct);
        QObject::connect(
            manager, &CCommSpace::signalCommDataDeleted, &m_context, [this]() { bump(&m_deleted); }, direct);
        QObject::connect(
            manager, &CCommSpace::signalCommDataDelete, &m_context,
            [this](COMM::CCommData* link) { note(&m_deleteRequested, link); }, direct);
        QObject::connect(
            manager, &CCommSpace::signalCommConnted, &m_context,
            [this](COMM::CCommData* link) { note(&m_connted, link); }, direct);
    }

    int ready() const { return read(m_ready); }
    int saved() const { return read(m_saved); }
    int deleted() const { return read(m_deleted); }
    std::vector<COMM::CCommData*> deleteRequested() const { return read(m_deleteRequested); }
    std::vector<COMM::CCommData*> connted() const { return read(m_connted); }

private:
    void bump(int* counter)
    {
        QMutexLocker locker(&m_mutex);
        ++*counter;
    }
    void note(std::vector<COMM::CCommData*>* links, COMM::CCommData* link)
    {
        QMutexLocker locker(&m_mutex);
        links->push_back(link);
    }
    template <typename T>
    T read(const T& value) const
    {
        QMutexLocker locker(&m_mutex);
        return value;
    }

    QObject m_context;
    mutable QMutex m_mutex;
    int m_ready = 0;
    int m_saved = 0;
    int m_deleted = 0;
    std::vector<COMM::CCommData*> m_deleteRequested;
    std::vector<COMM::CCommData*> m_connted;
};

// Starts the manager on its own thread and waits for its start-up to finish.
void startManager(RecordingCommSpace& manager, SignalCounter& counter)
{
    ASSERT_TRUE(manager.initCommSpaceTh());
    ASSERT_TRUE(waitFor([&]() { return counter.ready() == 1; }, kLimitMs));
    EXPECT_EQ(manager.getThread()->objectName(), "CommSpaces Thread");
    EXPECT_EQ(manager.last("commInitCommConnt").thread, manager.getThread());
}

// Ends the manager and checks that its thread and every link are gone.
void endManager(RecordingCommSpace& manager)
{
    manager.end();
    EXPECT_TRUE(manager.getThread()->isFinished());
    EXPECT_EQ(manager.commCount(), 0);
    EXPECT_EQ(manager.count("commReleaseTh"), 1);
}

// Records still queued when the process exits are filed by the logger's exit handler, after
// the application object and Qt's locale data are gone; an alarm among them would format its
// date there. The manager logs some from its own thread: file them while the tests run.
class LoggerDrain : public ::testing::Environment
{
public:
    void TearDown() override { Pattern::Singleton<SysDebug>::instance()->msgProc(); }
};
::testing::Environment* const g_loggerDrain = ::testing::AddGlobalTestEnvironment(new LoggerDrain);

} // namespace

TEST(CommSpaceThread, SerialLinkOpensIsAnnouncedAndCarriesPackagesFromAnotherThread)
{
    PtyPeer peer;
    RecordingCommSpace manager;
    manager.reConntTimes = 3;
    SignalCounter counter(&manager);
    startManager(manager, counter);
    EXPECT_EQ(manager.count("commInitThreadReady"), 1);
    EXPECT_EQ(manager.count("commReadCommConnect"), 1);

    COMM::SCommConntProfile profile = makeSerialProfile(peer.slavePath());
    manager.saveComm(profile);
    ASSERT_TRUE(waitFor([&]() { return counter.saved() == 1 && counter.connted().size() == 1; }, kLimitMs));
    const RecordingCommSpace::Event saved = manager.last("commCommDataSaved");
    ASSERT_NE(saved.link, nullptr);
    EXPECT_EQ(saved.thread, manager.getThread());
    EXPECT_EQ(manager.last("commConnectSetup").link, saved.link);
    EXPECT_EQ(counter.connted().front(), saved.link);
    EXPECT_EQ(manager.commCount(), 1);
    COMM::CServiceComm* transport = saved.link->getServiceComm();
    EXPECT_EQ(manager.getCommData(transport), saved.link);

    // Another thread queues packages while the link's own tick sends them.
    QThread* sender = QThread::create([transport]() {
        for (const char* text : {"$S1\r\n", "$S2\r\n", "$S3\r\n"}) {
            COMM::STxPackage pkg = makePackage(text);
            transport->appendToTxPackageQ(pkg, true);
        }
    });
    sender->start();
    EXPECT_EQ(peer.readUntil("$S3\r\n", kLimitMs), "$S1\r\n$S2\r\n$S3\r\n");
    ASSERT_TRUE(sender->wait(kLimitMs));
    delete sender;

    ASSERT_TRUE(peer.write("$GPTXT,01,01,02,HELLO*00\r\n"));
    std::string sentence;
    ASSERT_TRUE(waitFor([&]() { return transport->getRawDataHandle()->queueNextSentence(&sentence); }, kLimitMs));
    EXPECT_EQ(sentence, "$GPTXT,01,01,02,HELLO*00\r\n");

    endManager(manager);
    EXPECT_EQ(manager.count("commDeleteCommData"), 0); // released as a whole, without the hooks
}

TEST(CommSpaceThread, TcpServerLinkCarriesBothWaysOnTheManagerThread)
{
    RecordingCommSpace manager;
    SignalCounter counter(&manager);
    startManager(manager, counter);
    const int port = freeTcpPort();
    COMM::SCommConntProfile profile = makeNetworkProfile(COMM::SOCKET_TCP_SERVER, "0.0.0.0", port);
    manager.saveComm(profile);
    ASSERT_TRUE(waitFor([&]() { return counter.saved() == 1; }, kLimitMs));
    COMM::CCommData* link = manager.last("commCommDataSaved").link;
    ASSERT_NE(link, nullptr);
    COMM::CServiceComm* transport = link->getServiceComm();

    QTcpSocket client;
    client.connectToHost("127.0.0.1", static_cast<quint16>(port));
    ASSERT_TRUE(waitFor([&]() { return client.state() == QAbstractSocket::ConnectedState; }, kLimitMs));
    client.write("$UP\r\n");
    std::string sentence;
    ASSERT_TRUE(waitFor([&]() { return transport->getRawDataHandle()->queueNextSentence(&sentence); }, kLimitMs));
    EXPECT_EQ(sentence, "$UP\r\n");

    // The server has the client now: what it heard came through it.
    COMM::STxPackage pkg = makePackage("$DOWN\r\n");
    transport->appendToTxPackageQ(pkg, true);
    QByteArray seen;
    ASSERT_TRUE(waitFor(
        [&]() {
            seen += client.readAll();
            return seen.contains("$DOWN\r\n");
        },
        kLimitMs));

    // A listening server counts as connected: the reconnection pass leaves it alone.
    ASSERT_TRUE(waitFor([&]() { return manager.count("commCycleChecking") >= 2; }, kLimitMs));
    EXPECT_TRUE(counter.connted().empty());
    endManager(manager);
}

TEST(CommSpaceThread, MissingSerialPortIsRetriedToItsLimitThenGivenUp)
{
    RecordingCommSpace manager;
    manager.reConntTimes = 3;
    SignalCounter counter(&manager);
    startManager(manager, counter);
    COMM::SCommConntProfile profile = makeSerialProfile(kMissingPort);
    manager.saveComm(profile);
    ASSERT_TRUE(waitFor([&]() { return counter.saved() == 1; }, kLimitMs));
    COMM::CCommData* link = manager.last("commCommDataSaved").link;
    ASSERT_NE(link, nullptr); // listed although it did not open

    ASSERT_TRUE(waitFor([&]() { return counter.deleted() == 1; }, kLimitMs));
    const RecordingCommSpace::Event deleted = manager.last("commDeleteCommData");
    EXPECT_EQ(deleted.link, link);
    EXPECT_EQ(deleted.failedCount, 3);
    EXPECT_EQ(counter.deleteRequested(), std::vector<COMM::CCommData*>{link});
    EXPECT_EQ(manager.count("commCommDataDeleted"), 1);
    EXPECT_EQ(manager.commCount(), 0);
    EXPECT_TRUE(counter.connted().empty());
    endManager(manager);
}

TEST(CommSpaceThread, LostPortIsDeletedOnTheNextTickAndNotReopened)
{
    PtyPeer peer;
    RecordingCommSpace manager;
    manager.reConntTimes = 3;
    SignalCounter counter(&manager);
    startManager(manager, counter);
    COMM::SCommConntProfile profile = makeSerialProfile(peer.slavePath());
    manager.saveComm(profile);
    ASSERT_TRUE(waitFor([&]() { return counter.saved() == 1 && counter.connted().size() == 1; }, kLimitMs));
    COMM::CCommData* link = manager.last("commCommDataSaved").link;
    // Ticks pass with the port working.
    const int ticks = manager.count("commCycleChecking");
    ASSERT_TRUE(waitFor([&]() { return manager.count("commCycleChecking") > ticks; }, kLimitMs));

    peer.closeMaster();
    ASSERT_TRUE(waitFor([&]() { return counter.deleted() == 1; }, kLimitMs));
    const RecordingCommSpace::Event deleted = manager.last("commDeleteCommData");
    EXPECT_EQ(deleted.link, link);
    EXPECT_EQ(deleted.failedCount, 0); // never tried again in place
    EXPECT_EQ(counter.connted().size(), 1u);
    EXPECT_TRUE(counter.deleteRequested().empty()); // the repair step signals nothing
    EXPECT_EQ(manager.count("commCommDataSaved"), 1); // no new link without a new request
    EXPECT_EQ(manager.commCount(), 0);
    endManager(manager);
}

TEST(CommSpaceThread, RequestsFromAnotherThreadPassThroughTheSlots)
{
    PtyPeer peer;
    RecordingCommSpace manager;
    SignalCounter counter(&manager);
    startManager(manager, counter);

    std::atomic<bool> done{false};
    QThread* requester = QThread::create([&]() {
        COMM::SCommConntProfile serial = makeSerialProfile(peer.slavePath());
        COMM::SCommConntProfile udp = makeNetworkProfile(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", freeUdpPort());
        COMM::SCommConntProfile skipped = makeSerialProfile(kMissingPort);
        skipped.ConntSetting.SensorType = COMM::SENSOR_DEVICE_KIND_4;
        // Each waits while the one before it holds the slot.
        manager.saveComm(serial);
        manager.saveComm(udp);
        manager.saveComm(skipped);
        done = true;
    });
    requester->start();
    ASSERT_TRUE(waitFor([&]() { return done && counter.saved() == 3; }, kLimitMs));
    ASSERT_TRUE(requester->wait(kLimitMs));
    delete requester;
    EXPECT_EQ(manager.commCount(), 2);
    EXPECT_EQ(manager.last("commCommDataSaved").link, nullptr); // device kind 4 opens nothing

    // Close one link from the other thread.
    const std::vector<RecordingCommSpace::Event> events = manager.events();
    COMM::CCommData* first = nullptr;
    for (const auto& e : events) {
        if (e.hook == "commCommDataSaved" && e.link != nullptr) {
            first = e.link;
            break;
        }
    }
    ASSERT_NE(first, nullptr);
    QThread* closer = QThread::create([&manager, first]() { manager.deleteComm(first); });
    closer->start();
    ASSERT_TRUE(waitFor([&]() { return counter.deleted() == 1; }, kLimitMs));
    ASSERT_TRUE(closer->wait(kLimitMs));
    delete closer;
    EXPECT_EQ(manager.last("commDeleteCommData").link, first);
    EXPECT_FALSE(manager.isCommListed(first));
    EXPECT_EQ(manager.commCount(), 1);
    endManager(manager);
}

// A tick busy past end()'s bound: end() logs it, stops the thread's loop and returns only once
// the thread has ended, everything released on that thread, where the timer and the link's port
// live (Qt warns of either handled from another thread). The gate opens from another thread once
// the bound is logged, since end() waits for the tick.
TEST(CommSpaceThread, EndWaitIsBoundedAndLogged)
{
    PtyPeer peer;
    for (const bool inRelease : {true, false}) {
        SCOPED_TRACE(inRelease ? "the release is held past the bound" : "a tick before the release is held past it");
        QtMessageProbe qt;
        {
            RecordingCommSpace manager;
            QSemaphore gate;
            (inRelease ? manager.releaseGate : manager.cycleGate) = &gate;
            manager.setWaitLimits(CCommSpace::kRequestWaitLimitMs, 1000);
            SignalCounter counter(&manager);
            startManager(manager, counter);
            COMM::SCommConntProfile profile = makeSerialProfile(peer.slavePath());
            manager.saveComm(profile);
            ASSERT_TRUE(waitFor([&]() { return counter.saved() == 1; }, kLimitMs));
            // The cycle hook holds the very tick that opened the link.
            ASSERT_TRUE(inRelease || manager.cycleEntered.tryAcquire(1, kLimitMs));
            const QThread* thread = manager.getThread();

            const AlarmProbe alarms;
            const std::string bound = "[!]Stop timer and clear CommList not done in";
            QThread* opener = QThread::create([&gate, alarms, bound]() {
                for (int waitedMs = 0; alarms.count(bound) == 0 && waitedMs < 120000; waitedMs += 10)
                    QThread::msleep(10);
                gate.release();
            });
            opener->start();
            manager.end();
            EXPECT_TRUE(manager.getThread()->isFinished());
            ASSERT_TRUE(opener->wait(kLimitMs * 10));
            delete opener;
            EXPECT_EQ(alarms.count(bound), 1);
            EXPECT_EQ(alarms.count("[!]CommSpaces Thread ended"), 1);
            EXPECT_EQ(manager.count("commReleaseTh"), 1);
            EXPECT_EQ(manager.last("commReleaseTh").thread, thread);
            EXPECT_EQ(manager.commCount(), 0);
            const size_t events = manager.events().size();
            manager.end(); // again: nothing left to do
            EXPECT_EQ(manager.events().size(), events);
        }
        EXPECT_TRUE(qt.warnings().isEmpty()) << qt.warnings().join('\n').toStdString();
    }
}

TEST(CommSpaceThread, SecondStartIsRefusedAndEndWithoutThreadReturns)
{
    RecordingCommSpace idle;
    idle.end(); // never started: returns at once
    EXPECT_EQ(idle.count("commReleaseTh"), 0);

    RecordingCommSpace manager;
    SignalCounter counter(&manager);
    startManager(manager, counter);
    AlarmProbe alarms;
    EXPECT_FALSE(manager.initCommSpaceTh());
    EXPECT_EQ(alarms.count("[E]The thread is already exist."), 1);
    EXPECT_EQ(manager.count("commInitThreadReady"), 1);
    endManager(manager);
}

// ---- Tick pieces run by hand on the test thread, without the manager thread ----------

TEST(CommSpaceTick, StaleCloseRequestIsIgnored)
{
    RecordingCommSpace manager;
    COMM::CServiceComm* transport = manager.connectComm(makeSerialProfile(kMissingPort, false));
    ASSERT_NE(transport, nullptr);
    COMM::CCommData* link = manager.getCommData(transport);
    manager.deleteCommData(link); // gone, as the repair or give-up step would do
    EXPECT_EQ(manager.count("commDeleteCommData"), 1);

    // A request that still names it changes nothing and touches nothing.
    manager.deleteComm(link);
    manager.inspectCommData();
    manager.setCommReleaseCmd(link, true);
    manager.inspectCommData();
    EXPECT_EQ(manager.count("commDeleteCommData"), 1);
    EXPECT_EQ(manager.count("commCommDataSaved"), 0);
    EXPECT_FALSE(manager.isDisconnecting());
    EXPECT_EQ(manager.commCount(), 0);
}

// A lookup on another thread found a link; the manager deleted it and opened a new one, which
// the allocator may place at the same address. The request must not close the new link.
TEST(CommSpaceTick, CloseRequestOfADeletedLinkSparesTheLinkAtItsAddress)
{
    RecordingCommSpace manager;
    uint64_t gone = 0;
    COMM::CCommData* old = manager.getCommData(manager.connectComm(makeSerialProfile(kMissingPort, false)), &gone);
    ASSERT_NE(gone, 0u);
    manager.deleteCommData(old);

    uint64_t serial = 0;
    COMM::CCommData* fresh = manager.getCommData(manager.connectComm(makeSerialProfile(kMissingPort, false)), &serial);
    ASSERT_NE(serial, gone);
    EXPECT_EQ(serial, fresh->getCommSerial());
    // The address the old lookup gave, now the new link's (ASan never reuses it on its own).
    manager.deleteComm(fresh, gone);
    manager.inspectCommData();
    EXPECT_EQ(manager.commCount(), 1);
    EXPECT_EQ(manager.count("commDeleteCommData"), 1);

    // Named as its own lookup found it, the new link goes.
    manager.deleteComm(fresh, serial);
    manager.inspectCommData();
    EXPECT_EQ(manager.commCount(), 0);
    EXPECT_EQ(manager.last("commDeleteCommData").link, fresh);
}

TEST(CommSpaceTick, MarkedLinkIsClosedAndOpenedAgainInOneTick)
{
    PtyPeer peer;
    RecordingCommSpace manager;
    COMM::CServiceComm* transport = manager.connectComm(makeSerialProfile(peer.slavePath()));
    ASSERT_NE(transport, nullptr);
    COMM::CCommData* link = manager.getCommData(transport);
    COMM::SCommConntProfile requested = makeNetworkProfile(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", freeUdpPort());
    manager.setNewCommProfileCmd(requested); // the open slot is taken as well
    manager.setCommReleaseCmd(link, true);
    manager.inspectCommData();
    EXPECT_EQ(manager.last("commDeleteCommData").link, link);
    EXPECT_EQ(manager.count("commCommDataSaved"), 2); // the re-created link and the request
    EXPECT_EQ(manager.commCount(), 2);
    EXPECT_FALSE(manager.isConnecting());
    EXPECT_FALSE(manager.isDisconnecting());
}

TEST(CommSpaceTick, RequestWaitForATakenSlotIsBoundedAndLogged)
{
    RecordingCommSpace manager;
    manager.setWaitLimits(300, CCommSpace::kEndWaitLimitMs);
    COMM::SCommConntProfile first = makeSerialProfile(kMissingPort, false);
    COMM::SCommConntProfile second = makeNetworkProfile(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", 1);
    manager.setNewCommProfileCmd(first);
    EXPECT_TRUE(manager.isConnecting());
    AlarmProbe alarms;
    manager.saveComm(second); // nobody serves the slot
    EXPECT_EQ(alarms.count("[!]Open request slot taken for 300 ms; request dropped"), 1);

    SignalCounter counter(&manager);
    COMM::SCommConntProfile udp = makeNetworkProfile(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", 1);
    COMM::CServiceComm* transport = manager.connectComm(udp);
    manager.deleteComm(manager.getCommData(transport));
    manager.deleteComm(manager.getCommData(transport));
    EXPECT_EQ(alarms.count("[!]Close request slot taken for 300 ms; request dropped"), 1);
    EXPECT_EQ(counter.deleteRequested().size(), 1u); // the dropped one is not announced

    manager.inspectCommData(); // the earlier requests are the ones served
    EXPECT_EQ(manager.count("commCommDataSaved"), 1);
    EXPECT_EQ(manager.count("commDeleteCommData"), 1);
    EXPECT_EQ(manager.last("commCommDataSaved").link->getCommType(), COMM::COMM_TYPE_SERIAL);
}

TEST(CommSpaceTick, EachManagerKeepsItsOwnReconnectionCursor)
{
    RecordingCommSpace a;
    RecordingCommSpace b;
    std::vector<COMM::CCommData*> links;
    for (RecordingCommSpace* manager : {&a, &b}) {
        for (int i = 0; i < 2; ++i) {
            COMM::CCommData* link = manager->getCommData(manager->connectComm(makeSerialProfile(kMissingPort, false)));
            link->setReConntTimes(100);
            links.push_back(link);
        }
    }
    a.updateFailedConnt();
    b.updateFailedConnt();
    // Each pass tries the first link of its own manager.
    EXPECT_EQ(links[0]->getReConntedCount(), 1);
    EXPECT_EQ(links[1]->getReConntedCount(), 0);
    EXPECT_EQ(links[2]->getReConntedCount(), 1);
    EXPECT_EQ(links[3]->getReConntedCount(), 0);
}

TEST(CommSpaceTick, ConnectedLinkPassesTheCursorToTheNextInTheSameTick)
{
    RecordingCommSpace manager;
    ASSERT_NE(manager.connectComm(makeNetworkProfile(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", 1)), nullptr);
    COMM::CCommData* missing = manager.getCommData(manager.connectComm(makeSerialProfile(kMissingPort, false)));
    COMM::CCommData* unlimited = manager.getCommData(manager.connectComm(makeSerialProfile(kMissingPort, false)));
    missing->setReConntTimes(3);
    manager.updateFailedConnt();
    EXPECT_EQ(missing->getReConntedCount(), 1);
    manager.updateFailedConnt(); // the cursor moved on to the link after it
    EXPECT_EQ(unlimited->getReConntedCount(), 0); // no limit: never counted, never given up
    manager.updateFailedConnt();
    manager.updateFailedConnt();
    manager.updateFailedConnt();
    manager.updateFailedConnt();
    EXPECT_EQ(missing->getReConntedCount(), 3);
    EXPECT_TRUE(manager.isDisconnecting()); // parked at its limit
    manager.onTimerOne();
    EXPECT_FALSE(manager.isCommListed(missing));
    EXPECT_TRUE(manager.isCommListed(unlimited));
}

TEST(CommSpaceTick, TwoLostPortsInOneTickAreDeletedWithoutWaitingOrRetrying)
{
    PtyPeer peerA;
    PtyPeer peerB;
    RecordingCommSpace manager;
    std::vector<COMM::CCommData*> links;
    for (PtyPeer* peer : {&peerA, &peerB}) {
        COMM::CServiceComm* transport = manager.connectComm(makeSerialProfile(peer->slavePath()));
        ASSERT_NE(transport, nullptr);
        links.push_back(manager.getCommData(transport));
        links.back()->setReConntTimes(3);
    }
    peerA.closeMaster();
    peerB.closeMaster();
    // Each transport marks its port lost and closes it itself.
    ASSERT_TRUE(waitFor(
        [&]() {
            return std::all_of(links.begin(), links.end(), [](COMM::CCommData* link) {
                return link->getSerialPort()->isPortLost() && !link->getSerialPort()->isConnected();
            });
        },
        kLimitMs));
    manager.onTimerOne(); // one slot: the first goes now, the second waits without blocking the tick
    EXPECT_FALSE(manager.isCommListed(links[0]));
    ASSERT_TRUE(manager.isCommListed(links[1]));
    EXPECT_EQ(links[1]->getReConntedCount(), 0);
    manager.onTimerOne();
    EXPECT_EQ(manager.commCount(), 0);
    EXPECT_EQ(manager.count("commDeleteCommData"), 2);
}

TEST(CommSpaceTick, DeviceKindFourAndLogProfilesOpenNoTransport)
{
    RecordingCommSpace manager;
    SignalCounter counter(&manager);
    int logReady = 0;
    QObject::connect(&manager, &CCommSpace::signalCommLogReady, [&logReady]() { ++logReady; });
    COMM::SCommConntProfile kindFour = makeSerialProfile(kMissingPort, false);
    kindFour.ConntSetting.SensorType = COMM::SENSOR_DEVICE_KIND_4;
    manager.saveCommData(&kindFour);
    EXPECT_EQ(manager.commCount(), 0);

    COMM::SCommConntProfile log = makeLogProfile();
    manager.saveCommData(&log);
    manager.saveCommData(&log); // the one log listener is not made twice
    EXPECT_EQ(logReady, 1);
    EXPECT_NE(manager.getLogListener(), nullptr);
    EXPECT_EQ(manager.commCount(), 1);
    EXPECT_EQ(manager.count("commCommDataSaved"), 3);
    EXPECT_EQ(manager.last("commCommDataSaved").link, nullptr);
    ASSERT_TRUE(waitFor([&]() { return counter.saved() == 3; }, kLimitMs));
}
