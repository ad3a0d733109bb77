#pragma once

#include <QObject>
#include <QThread>
#include <functional>
#include <future>

namespace TestSupport {

// A communication thread for tests, standing in for "CommSpaces Thread": an event loop on a
// thread of its own. Links made in run() live there, so their 100 ms tick, their port's reads
// and the receivers they call directly all run on it, as in the program.
class CLinkThread
{
public:
    CLinkThread()
    {
        m_thread.setObjectName("CommSpaces Thread");
        m_context.moveToThread(&m_thread);
        m_thread.start();
    }

    ~CLinkThread()
    {
        if (m_atExit)
            run(m_atExit);
        m_thread.quit();
        m_thread.wait();
    }

    CLinkThread(const CLinkThread&) = delete;
    CLinkThread& operator=(const CLinkThread&) = delete;

    // Runs work on the thread and returns once it has run. The promise, not Qt's own blocking
    // call, carries the hand-back, so that ThreadSanitizer sees what work wrote as done before.
    void run(const std::function<void()>& work)
    {
        std::promise<void> done;
        QMetaObject::invokeMethod(
            &m_context,
            [&work, &done] {
                work();
                done.set_value();
            },
            Qt::QueuedConnection);
        done.get_future().wait();
    }

    // Work for the thread's last moment, such as deleting the links made on it: a link's timer
    // and port may only be stopped on their own thread, even when a test ends early.
    void atExit(std::function<void()> work) { m_atExit = std::move(work); }

    QThread* thread() { return &m_thread; }

private:
    std::function<void()> m_atExit;
    QThread m_thread;
    QObject m_context;
};

} // namespace TestSupport
