#include "comm/ServiceComm.h"
#include "comm_test_support.h"

#include "WaitFor.h"

#include <QElapsedTimer>
#include <QThread>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using COMM::CServiceComm;
using COMM::STxPackage;

namespace {

// A transport that keeps what it is handed instead of writing it anywhere.
// Its timer is stopped: each test drives the ticks itself.
class FakeTransport : public CServiceComm
{
public:
    explicit FakeTransport(COMM::RAWDATA_TYPE type = COMM::RAWDATA_SENTENCE, bool splitLines = true)
        : CServiceComm(setting(splitLines), type)
    {
        setCommType(COMM::COMM_TYPE_NETWORK);
        timerSetup(false);
    }

    COMM::SCommConntProfile getProfile() override { return {}; }

    bool commTxPackageSender(STxPackage pkg) override
    {
        handed.emplace_back(pkg.data, static_cast<size_t>(pkg.length));
        return accept;
    }

    bool accept = true;
    std::vector<std::string> handed;

private:
    static COMM::COMM_CONNT_SETTING setting(bool splitLines)
    {
        COMM::COMM_CONNT_SETTING value;
        value.SplitLines = splitLines;
        return value;
    }
};

void queue(CServiceComm& link, STxPackage pkg, bool toBack = true)
{
    link.appendToTxPackageQ(pkg, toBack);
}

STxPackage noGap(const std::string& text)
{
    return makePackage(text, 0);
}

} // namespace

TEST(ServiceComm, DisabledLinkDiscardsPackagesAndBadLengthsAreRefused)
{
    FakeTransport link;
    link.setEnable(false);
    queue(link, noGap("$A\r\n"));
    EXPECT_FALSE(link.isTxRequest());

    link.setEnable(true);
    LogProbe log;
    for (int length : {-1, COMM::kTxPackageDataSize + 1}) {
        STxPackage pkg = noGap("$B\r\n");
        pkg.length = length;
        queue(link, pkg);
    }
    EXPECT_FALSE(link.isTxRequest());
    EXPECT_EQ(log.count("out of 0 to 512, refused"), 2);

    STxPackage full = noGap(std::string(COMM::kTxPackageDataSize, 'f'));
    queue(link, full);
    queue(link, noGap("$FIRST\r\n"), false);
    link.onTxDataTimer();
    ASSERT_EQ(link.handed.size(), 2u);
    EXPECT_EQ(link.handed[0], "$FIRST\r\n");
    EXPECT_EQ(link.handed[1].size(), static_cast<size_t>(COMM::kTxPackageDataSize));
}

TEST(ServiceComm, DuplicatesAreDroppedAndTheNextPackageMayLeaveInTheSameTick)
{
    struct Case
    {
        std::string text;
        bool skipIfSame;
        bool leaves;
    };
    const Case cases[] = {
        {"ABC", true, false}, // same bytes as the last one
        {"AB", true, true},   // a shorter package is not the same
        {"", true, false},    // nothing to send
        {"ABC", false, true}, // duplicates allowed
    };
    constexpr int kNextGapMs = 200;
    for (const Case& c : cases) {
        FakeTransport link;
        queue(link, noGap("ABC"));
        link.onTxDataTimer();
        ASSERT_TRUE(TestSupport::waitFor([&]() { return !link.checkTxWaiting(makePackage("", kNextGapMs)); }, 5000));
        link.handed.clear();

        STxPackage pkg = noGap(c.text);
        pkg.skipIfSame = c.skipIfSame;
        queue(link, pkg);
        queue(link, makePackage("NEXT", kNextGapMs));
        link.onTxDataTimer();
        // A dropped package costs no time; a sent one makes the next wait its gap.
        const std::vector<std::string> expected =
            c.leaves ? std::vector<std::string>{c.text} : std::vector<std::string>{"NEXT"};
        EXPECT_EQ(link.handed, expected) << c.text << " " << c.skipIfSame;
    }
}

TEST(ServiceComm, RefusedPackageCountsForTheGapAndArmsNothing)
{
    FakeTransport link;
    link.accept = false;
    queue(link, makePackage("$A\r\n", 0, 5000, "+ok"));
    link.onTxDataTimer();
    EXPECT_EQ(link.handed.size(), 1u);
    EXPECT_EQ(link.getRawDataHandle()->getResponseInform().timeoutMs, 0);
    EXPECT_TRUE(link.checkTxWaiting(makePackage("$B\r\n", 60000)));
    EXPECT_FALSE(link.isTxRequest()) << "a refused package is not retried";
}

TEST(ServiceComm, ResetFromAnotherThreadKeepsPackagesQueuedAfterItReturned)
{
    FakeTransport link;
    queue(link, makePackage("$ARM\r\n", 0, 20000, "+ok"));
    link.onTxDataTimer();
    queue(link, noGap("$OLD1\r\n"));
    queue(link, noGap("$OLD2\r\n"));

    QElapsedTimer elapsed;
    elapsed.start();
    std::thread([&link]() { link.reset(); }).join();
    EXPECT_GE(elapsed.elapsed(), 100);

    // The link's thread was busy: its tick comes only after a new package was queued.
    std::thread([&link]() { queue(link, noGap("$NEW\r\n")); }).join();
    link.onTxDataTimer(); // serves the reset, sends nothing
    EXPECT_EQ(link.handed, std::vector<std::string>{"$ARM\r\n"});
    EXPECT_EQ(link.getRawDataHandle()->getResponseInform().timeoutMs, 0);
    link.onTxDataTimer();
    EXPECT_EQ(link.handed, (std::vector<std::string>{"$ARM\r\n", "$NEW\r\n"}));
}

TEST(ServiceComm, ResetOnItsOwnThreadIsImmediate)
{
    FakeTransport link;
    queue(link, makePackage("$ARM\r\n", 0, 20000, "+ok"));
    link.onTxDataTimer();
    queue(link, noGap("$OLD\r\n"));
    link.reset();
    EXPECT_FALSE(link.isTxRequest());
    EXPECT_EQ(link.getRawDataHandle()->getResponseInform().timeoutMs, 0);
}

TEST(ServiceComm, ReceivedBytesAreFiledAndAnnouncedByRawDataType)
{
    struct Case
    {
        int type;
        bool enabled;
        int logMsgs, messages, sentences, bins, cmds;
        int msgSignals, sentSignals, binSignals, cmdSignals;
        int receiveLines;
    };
    const Case cases[] = {
        {1, true, 1, 1, 0, 0, 0, 1, 0, 0, 0, 1},  {3, true, 1, 1, 0, 0, 0, 1, 0, 0, 0, 1},
        {4, true, 1, 0, 1, 0, 0, 0, 1, 0, 0, 1},  {5, true, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1},
        {6, true, 0, 0, 0, 0, 1, 0, 0, 0, 1, 1},  {0, true, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {7, true, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  {4, false, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1},
        {5, false, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        FakeTransport link(static_cast<COMM::RAWDATA_TYPE>(c.type));
        link.setEnable(c.enabled);
        COMM::SDebugConfig debug;
        debug.DebugIsString = true;
        debug.DebugMsgOut = COMM::DEBUG_OUT_RECEIVE;
        link.setDebugConfig(debug);
        int msg = 0, sent = 0, bin = 0, cmd = 0;
        char commType = 0;
        QObject::connect(&link, &CServiceComm::signalRxMessage, [&](void*, char t) { ++msg, commType = t; });
        QObject::connect(&link, &CServiceComm::signalRxSentence, [&](void*, char t) { ++sent, commType = t; });
        QObject::connect(&link, &CServiceComm::signalRxBinData, [&](void*) { ++bin; });
        QObject::connect(&link, &CServiceComm::signalRxCmdData, [&](void*) { ++cmd; });

        LogProbe log;
        link.rxPackageProc("$X\r\n", false);
        link.rxPackageProc(QByteArray(), false); // nothing read: no announcement
        link.rxPackageProc("$Y", true);          // more to come: not announced yet
        COMM::CRawDataHandle* handle = link.getRawDataHandle();
        auto count = [](const std::function<bool()>& take) {
            int n = 0;
            while (take())
                ++n;
            return n;
        };
        SCOPED_TRACE("type " + std::to_string(c.type) + (c.enabled ? " enabled" : " disabled"));
        EXPECT_EQ(count([&] { return handle->queueNextLogMsg(nullptr); }), c.logMsgs * 2);
        EXPECT_EQ(count([&] { return handle->queueNextMessage(nullptr); }), c.messages);
        EXPECT_EQ(count([&] { return handle->queueNextSentence(nullptr); }), c.sentences);
        EXPECT_EQ(count([&] { return handle->queueNextBinData(nullptr); }), c.bins * 2);
        EXPECT_EQ(count([&] { return handle->queueNextCmdData(nullptr); }), c.cmds * 2);
        EXPECT_EQ(msg, c.msgSignals);
        EXPECT_EQ(sent, c.sentSignals);
        EXPECT_EQ(bin, c.binSignals);
        EXPECT_EQ(cmd, c.cmdSignals);
        if (msg + sent > 0) {
            EXPECT_EQ(commType, static_cast<char>(COMM::COMM_TYPE_NETWORK));
        }
        EXPECT_EQ(log.count("receive $X"), c.receiveLines);
    }
}

TEST(ServiceComm, PrintedPayloadStaysWithinItsLength)
{
    FakeTransport link;
    LogProbe log;
    link.printMsg("abc", 3, "send");
    COMM::SDebugConfig debug;
    debug.DebugIsString = true;
    link.setDebugConfig(debug);
    const char unterminated[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
    link.printMsg(unterminated, 3, "send");
    link.printMsg(nullptr, 3, "send");
    const auto records = log.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].text, "send 61 62 63 ");
    EXPECT_EQ(records[1].text, "send abc");
}

TEST(ServiceComm, AReceiverMayCallBackIntoTheLinkOnItsOwnThread)
{
    // Run on a thread of its own so that a deadlock fails the test instead of hanging it.
    std::promise<std::vector<std::string>> done;
    std::future<std::vector<std::string>> result = done.get_future();
    std::unique_ptr<QThread> worker(QThread::create([&done] {
        FakeTransport link;
        QObject::connect(
            &link, &CServiceComm::signalRxSentence, &link,
            [&link](void*, char) {
                std::string sentence;
                while (link.getRawDataHandle()->queueNextSentence(&sentence)) {
                    queue(link, noGap("$REPLY\r\n"));
                    link.setRawDataType(COMM::RAWDATA_MESSAGE);
                    link.setRawDataType(COMM::RAWDATA_SENTENCE);
                }
                link.reset();
                queue(link, noGap("$AFTER\r\n"));
            },
            Qt::DirectConnection);
        link.rxPackageProc("$ASK*00\r\n", false);
        link.onTxDataTimer();
        done.set_value(link.handed);
    }));
    worker->start();
    if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        ADD_FAILURE() << "the receiver deadlocked on the link's lock";
        std::_Exit(1);
    }
    worker->wait();
    EXPECT_EQ(result.get(), std::vector<std::string>{"$AFTER\r\n"});
}

TEST(ServiceComm, SeriesAndCopiedPackagesKeepTheirOrder)
{
    FakeTransport link;
    auto series = [](const char* text) {
        STxPackage pkg = noGap(text);
        pkg.seriesFlag = true;
        return pkg;
    };
    STxPackage out;
    EXPECT_TRUE(link.queueSerialPackageLast(&out)) << "an empty queue";
    // Leading series packages give way to the last of them; a plain one stops the walk.
    queue(link, series("$S1\r\n"));
    queue(link, series("$S2\r\n"));
    queue(link, noGap("$N\r\n"));
    EXPECT_TRUE(link.queueSerialPackageLast(&out));
    EXPECT_EQ(std::string(out.data, static_cast<size_t>(out.length)), "$S2\r\n");
    link.onTxDataTimer();
    EXPECT_EQ(link.handed, std::vector<std::string>{"$N\r\n"});
    // Only series packages: all but the last are dropped, and the last stays.
    queue(link, series("$T1\r\n"));
    queue(link, series("$T2\r\n"));
    EXPECT_FALSE(link.queueSerialPackageLast(&out));
    EXPECT_EQ(std::string(out.data, static_cast<size_t>(out.length)), "$T1\r\n");
    EXPECT_TRUE(link.queueNextTxPackage(&out, true));
    EXPECT_EQ(std::string(out.data, static_cast<size_t>(out.length)), "$T2\r\n");

    // A copied queue goes behind or before what is queued, without its refused packages.
    std::deque<STxPackage> batch{noGap("$B1\r\n"), noGap("$B2\r\n")};
    STxPackage tooLong = noGap("$X\r\n");
    tooLong.length = COMM::kTxPackageDataSize + 1;
    batch.push_back(tooLong);
    queue(link, noGap("$Q\r\n"));
    link.copyToTxPackageQ(batch, false);
    std::vector<std::string> order;
    while (link.queueNextTxPackage(&out, true))
        order.emplace_back(out.data, static_cast<size_t>(out.length));
    EXPECT_EQ(order, (std::vector<std::string>{"$B1\r\n", "$B2\r\n", "$Q\r\n"}));
    link.setEnable(false);
    link.copyToTxPackageQ(batch, true);
    EXPECT_FALSE(link.isTxRequest()) << "a disabled link takes nothing";
}

TEST(ServiceComm, SilenceBeyondItsLimitIsATimeOut)
{
    FakeTransport link;
    EXPECT_FALSE(link.checkTimeOut(60));
    // Whole seconds of the host clock: a limit of 0 is passed within about a second.
    EXPECT_TRUE(TestSupport::waitFor([&] { return link.checkTimeOut(0); }, 5000));
    link.updateConnected();
    EXPECT_FALSE(link.checkTimeOut(60));
}
