#include "services/SysDebug.h"
#include "services/Thread.h"

#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

bool ringHolds(const char* text, const char* function)
{
    SysDebug* log = Pattern::Singleton<SysDebug>::instance();
    log->msgProc();
    for (const SDebugMsgData& record : log->autoLogRing()) {
        if (record.text == text && record.funcName.find(function) != std::string::npos &&
            record.level == DEBUG_MSG_LEAVE)
            return true;
    }
    return false;
}

} // namespace

TEST(CThread, EndedThreadIsDestroyedAtOnceAndLogsItsName)
{
    auto* thread = new CThread(nullptr, true);
    thread->setObjectName("CommSpaces Thread");
    thread->start();
    thread->quit();
    ASSERT_TRUE(thread->wait(10000));
    delete thread;
    EXPECT_TRUE(ringHolds("Name:CommSpaces Thread Start", "CThread::~CThread"));
    EXPECT_TRUE(ringHolds("Name:CommSpaces Thread End", "CThread::~CThread"));
}

TEST(CThread, RunningEventLoopIsEndedByTheDestructor)
{
    auto* thread = new CThread(nullptr, true);
    thread->setObjectName("Worker");
    QTimer timer;
    timer.setInterval(10);
    timer.moveToThread(thread);
    QObject::connect(thread, &QThread::started, &timer, qOverload<>(&QTimer::start));
    thread->start();
    while (!thread->isRunning())
        QThread::yieldCurrentThread();
    EXPECT_TRUE(thread->isRunningFlag());
    // Would never return if the loop were not told to quit.
    delete thread;
    timer.moveToThread(QThread::currentThread());
}

TEST(CThreadDeathTest, AWorkerStillLoggingAtExitIsStoppedBeforeTheLoggerGoes)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SYS_DEBUG(DEBUG_MSG_INFO, "logger first");
            auto* thread = new CThread(nullptr, true); // never deleted: still running at exit
            auto* chatter = new QTimer;
            chatter->setInterval(0);
            chatter->moveToThread(thread);
            QObject::connect(chatter, &QTimer::timeout, chatter,
                             [] { SYS_DEBUG(DEBUG_MSG_INFO, "worker still logging"); });
            QObject::connect(thread, &QThread::started, chatter, qOverload<>(&QTimer::start));
            thread->start();
            while (!thread->isRunning())
                QThread::yieldCurrentThread();
            QThread::msleep(20);
            std::fputs("exiting\n", stderr);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "exiting");
}

TEST(CThread, ALoggerGoingAwayFirstEndsTheWorkersStillRunning)
{
    CThread worker(nullptr, true);
    worker.setObjectName("Worker");
    worker.start();
    while (!worker.isRunning())
        QThread::yieldCurrentThread();
    {
        SysDebug logger; // one of its own: the process-wide logger stays
    }
    EXPECT_TRUE(worker.isFinished());
    EXPECT_TRUE(worker.isStopFlag());
}
