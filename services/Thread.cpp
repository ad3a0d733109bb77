#include "Thread.h"

#include "SysDebug.h"

#include <mutex>
#include <set>

namespace {

// Every worker that exists, so the logger can end those still running before it goes. Never
// destroyed: the logger reads it from an exit handler, after static objects may be gone.
struct SLiveThreads
{
    std::mutex mutex;
    std::set<CThread*> threads;
};

SLiveThreads& liveThreads()
{
    static SLiveThreads* live = new SLiveThreads;
    return *live;
}

constexpr unsigned long kStopWaitMs = 5000;

} // namespace

CThread::CThread(QObject* parent, bool running) : QThread(parent), m_running(running)
{
    std::lock_guard<std::mutex> lock(liveThreads().mutex);
    liveThreads().threads.insert(this);
}

CThread::~CThread()
{
    const QByteArray name = objectName().toUtf8();
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s Start", name.constData());
    {
        std::lock_guard<std::mutex> lock(liveThreads().mutex);
        liveThreads().threads.erase(this);
    }
    stop();
    wait();
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s End", name.constData());
}

void CThread::stop()
{
    m_stop = true;
    m_mutex.lock();
    m_running = false;
    m_mutex.unlock();
    m_condition.wakeAll();
    // The event loop would never return on its own: tell it to quit before joining.
    quit();
}

void CThread::stopAll()
{
    std::lock_guard<std::mutex> lock(liveThreads().mutex);
    for (CThread* thread : liveThreads().threads) {
        thread->stop();
        thread->wait(kStopWaitMs);
    }
}
