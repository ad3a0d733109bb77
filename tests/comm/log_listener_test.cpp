#include "comm/LogListener.h"
#include "comm_test_support.h"

#include "TempWorkDir.h"
#include "WaitFor.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

using COMM::CLogListener;
using TestSupport::waitFor;

namespace {

constexpr int kLimitMs = 5000;

std::unique_ptr<CLogListener> makeListener(COMM::LOG_MODE mode = COMM::LOG_MODE_REPLAY,
                                           COMM::RAWDATA_TYPE type = COMM::RAWDATA_SENTENCE,
                                           COMM::SENSOR_DEVICE_T sensor = COMM::SENSOR_DEVICE_TRANSPONDER)
{
    const COMM::COMM_CONNT_SETTING setting = COMM::BuildConntLink(sensor, L"Replay", COMM::PRIMARY_POS_DEFAULT, false);
    auto listener = std::make_unique<CLogListener>(setting, COMM::BuildLogConfig(mode), type);
    listener->setEnable(true);
    return listener;
}

std::string writeCapture(const std::string& name, const QByteArray& text)
{
    const QString path = QDir::current().filePath(QString::fromStdString(name));
    TestSupport::writeFile(path, text);
    return path.toStdString();
}

QByteArray takeChunks(CLogListener* listener, int* count = nullptr)
{
    QByteArray all;
    QByteArray chunk;
    int n = 0;
    while (listener->getRawDataHandle()->queueNextLogMsg(&chunk)) {
        all += chunk;
        ++n;
    }
    if (count != nullptr)
        *count = n;
    return all;
}

// A record-header reader that must never be asked.
class CountingService : public COMM::CAbstractLogListenerService
{
public:
    bool readRecordHeader(FILE*, int32_t*, int32_t*, int64_t*) override
    {
        ++reads;
        return false;
    }
    int reads = 0;
};

} // namespace

TEST(LogListener, StartsDisabledAndDescribesItsMode)
{
    const COMM::COMM_CONNT_SETTING setting =
        COMM::BuildConntLink(COMM::SENSOR_DEVICE_TRANSPONDER, L"I62Log", COMM::PRIMARY_POS_DEFAULT, false);
    CLogListener replay(setting, COMM::BuildLogConfig(COMM::LOG_MODE_REPLAY), COMM::RAWDATA_SENTENCE);
    EXPECT_FALSE(replay.isEnable());
    EXPECT_EQ(replay.getCommType(), COMM::COMM_TYPE_LOG);
    EXPECT_EQ(replay.getContent(), "Log Replay");
    EXPECT_EQ(replay.objectName(), "I62Log");
    EXPECT_EQ(replay.getReplayState(), COMM::LOG_REPLAY_OFF);
    EXPECT_EQ(replay.getProfile().Config.Log.LogMode, COMM::LOG_MODE_REPLAY);
    CLogListener record(setting, COMM::BuildLogConfig(COMM::LOG_MODE_RECORD), COMM::RAWDATA_SENTENCE);
    EXPECT_EQ(record.getContent(), "Log Record");
    // A binary capture starts paused.
    CLogListener binary(setting, COMM::BuildLogConfig(COMM::LOG_MODE_REPLAY), COMM::RAWDATA_BINARY);
    EXPECT_EQ(binary.getReplayState(), COMM::LOG_REPLAY_PAUSE);
}

TEST(LogListener, TextCaptureReplaysOneLinePerTickAndStopsAtItsEnd)
{
    const std::string path = writeCapture("three.txt", "$L1\r\n$L2\r\n$L3\r\n");
    auto listener = makeListener();
    std::vector<int> states;
    QObject::connect(listener.get(), &CLogListener::signalReplayOperation, [&states](int s) { states.push_back(s); });
    int announced = 0;
    QObject::connect(listener.get(), &COMM::CServiceComm::signalRxSentence, [&announced]() { ++announced; });
    std::vector<std::string> sentences;
    QObject::connect(listener.get(), &COMM::CServiceComm::signalRxSentence, [&]() {
        for (const std::string& s : takeSentences(listener.get()))
            sentences.push_back(s);
    });

    listener->setNewSetting(path, 0, 200, 0.0f);
    // Opened from off: stopped until played.
    ASSERT_TRUE(waitFor([&]() { return listener->isFileOpen(); }, kLimitMs));
    EXPECT_EQ(listener->getReplayState(), COMM::LOG_REPLAY_STOP);
    listener->replayLog();
    EXPECT_EQ(listener->getReplayState(), COMM::LOG_REPLAY_PLAY);
    ASSERT_TRUE(waitFor([&]() { return listener->getReplayState() == COMM::LOG_REPLAY_STOP; }, kLimitMs));
    EXPECT_EQ(sentences, (std::vector<std::string>{"$L1\r\n", "$L2\r\n", "$L3\r\n"}));
    EXPECT_EQ(announced, 3);
    EXPECT_EQ(states.back(), COMM::LOG_REPLAY_STOP);
}

TEST(LogListener, SpeedExponentSetsLinesPerTick)
{
    QByteArray text;
    for (int i = 0; i < 16; ++i)
        text += "$N" + QByteArray::number(i) + "\r\n";
    const std::string path = writeCapture("sixteen.txt", text);
    auto listener = makeListener();
    listener->setNewSetting(path, 3, 200, 0.0f);
    listener->onReplayTimer(); // applies the request
    ASSERT_TRUE(listener->isFileOpen());
    listener->replayLog();
    for (int tick = 0; tick < 2; ++tick) {
        listener->onReplayTimer();
        EXPECT_EQ(takeSentences(listener.get()).size(), 8u) << tick;
    }
    listener->onReplayTimer(); // nothing left, no loop
    EXPECT_EQ(listener->getReplayState(), COMM::LOG_REPLAY_STOP);

    // A request without speed keeps the current one.
    auto plain = makeListener();
    plain->setNewSetting(path, 0, 200, 0.0f);
    plain->onReplayTimer();
    plain->replayLog();
    plain->onReplayTimer();
    EXPECT_EQ(takeSentences(plain.get()).size(), 1u);
}

TEST(LogListener, LoopRewindsTheCapture)
{
    const std::string path = writeCapture("loop.txt", "$L1\r\n$L2\r\n$L3\r\n");
    auto listener = makeListener();
    listener->setReplayLoop(true);
    listener->setNewSetting(path, 2, 200, 0.0f);
    listener->onReplayTimer();
    listener->replayLog();
    listener->onReplayTimer();
    listener->onReplayTimer();
    EXPECT_EQ(takeSentences(listener.get()),
              (std::vector<std::string>{"$L1\r\n", "$L2\r\n", "$L3\r\n", "$L1\r\n", "$L2\r\n", "$L3\r\n"}));
    EXPECT_EQ(listener->getReplayState(), COMM::LOG_REPLAY_PLAY);
}

TEST(LogListener, LongLineArrivesInPiecesOfNinetyNine)
{
    const QByteArray line = "$" + QByteArray(149, 'X') + "\r\n";
    const std::string path = writeCapture("long.txt", line);
    auto listener = makeListener();
    listener->setNewSetting(path, 0, 200, 0.0f);
    listener->onReplayTimer();
    listener->replayLog();
    listener->onReplayTimer();
    EXPECT_EQ(takeChunks(listener.get()), line.left(99));
    listener->onReplayTimer();
    EXPECT_EQ(takeChunks(listener.get()), line.mid(99));
}

TEST(LogListener, SamePathChangesNothingAndCloseRequestCloses)
{
    const std::string path = writeCapture("same.txt", "$L1\r\n$L2\r\n");
    auto listener = makeListener();
    listener->setNewSetting(path, 0, 200, 0.0f);
    listener->onReplayTimer();
    listener->replayLog();
    listener->onReplayTimer();
    EXPECT_EQ(takeSentences(listener.get()).size(), 1u);
    listener->setNewSetting(path, 0, 200, 0.0f);
    listener->onReplayTimer(); // same path: not reopened, the replay goes on
    EXPECT_EQ(takeSentences(listener.get()), std::vector<std::string>{"$L2\r\n"});

    listener->setNewSetting(CLogListener::kCloseFileRequest, 0, 200, 0.0f);
    listener->onReplayTimer();
    EXPECT_FALSE(listener->isFileOpen());
}

TEST(LogListener, ARequestMadeWhileOneIsAppliedIsKeptForTheNextTick)
{
    const std::string first = writeCapture("first.txt", "$F1\r\n");
    const std::string second = writeCapture("second.txt", "$S1\r\n$S2\r\n");
    auto listener = makeListener();
    bool asked = false;
    // Opening the first file changes the state while its request is applied: a controller on
    // another thread asks for the second file at that moment.
    QObject::connect(listener.get(), &CLogListener::signalReplayOperation, [&](int) {
        if (!asked) {
            asked = true;
            listener->setNewSetting(second, 0, 200, 0.0f);
        }
    });
    listener->setNewSetting(first, 0, 200, 0.0f);
    listener->onReplayTimer();
    ASSERT_TRUE(asked);
    EXPECT_EQ(listener->getReplayState(), COMM::LOG_REPLAY_STOP);

    // The second file replaces the first and plays; nothing closes it behind the switch.
    listener->onReplayTimer();
    listener->onReplayTimer();
    EXPECT_EQ(takeSentences(listener.get()), (std::vector<std::string>{"$S1\r\n", "$S2\r\n"}));
    EXPECT_TRUE(listener->isFileOpen());
}

TEST(LogListener, OpenFileFailsForMissingAndUnopenableFiles)
{
    auto listener = makeListener();
    EXPECT_FALSE(listener->openFile("no-such-capture.txt"));
    EXPECT_FALSE(listener->isFileOpen());
    EXPECT_TRUE(listener->openFile(writeCapture("fine.txt", "$L1\r\n")));
    EXPECT_TRUE(listener->isFileOpen());

    // A record link cannot open a folder for writing: it exists, and still fails.
    auto record = makeListener(COMM::LOG_MODE_RECORD);
    QDir::current().mkdir("capture-folder");
    EXPECT_FALSE(record->openFile("capture-folder"));
    EXPECT_FALSE(record->isFileOpen());
}

TEST(LogListener, BinaryCaptureAtRatioZeroPlaysNothing)
{
    const std::string path = writeCapture("binary.bin", QByteArray(64, '\x01'));
    auto listener = makeListener(COMM::LOG_MODE_REPLAY, COMM::RAWDATA_BINARY, COMM::SENSOR_DEVICE_KIND_4);
    CountingService service;
    listener->setService(&service);
    listener->setNewSetting(path, 0, 200, 0.0f);
    listener->onReplayTimer();
    ASSERT_TRUE(listener->isFileOpen());
    EXPECT_EQ(listener->getReplayState(), COMM::LOG_REPLAY_PLAY); // from pause, a new file plays
    for (int tick = 0; tick < 3; ++tick)
        listener->onReplayTimer();
    EXPECT_EQ(service.reads, 0);
}
