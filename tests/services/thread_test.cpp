#include "services/SysDebug.h"
#include "services/Thread.h"

#include <QTimer>
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
