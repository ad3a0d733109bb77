#pragma once

#include <QObject>
#include <QThread>
#include <QTimer>
#include <deque>
#include <functional>
#include <future>
#include <mutex>

namespace TestSupport {

// A communication thread for tests, standing in for "CommSpaces Thread": an event loop on a
// thread of its own. Links made in run() live there, so their 100 ms tick, their port's reads
// and the receivers they call directly all run on it, as in the program.
//
// Work reaches the thread through a queue under a standard mutex that the thread polls, not
// through Qt's posted events: ThreadSanitizer sees the mutex, while Qt's event queue and its
// GLib wake-up are synchronised inside libraries it cannot see into.
class CLinkThread
{
public:
    CLinkThread()
    {
        m_thread.setObjectName("CommSpaces Thread");
        m_context.moveToThread(&m_thread);
        QObject::connect(
            &m_thread, &QThread::started, &m_context,
            [this] {
                m_poll = new QTimer(&m_context);
                QObject::connect(m_poll, &QTimer::timeout, &m_context, [this] { serve(); });
                m_poll->start(1);
            },
            Qt::DirectConnection);
        m_thread.start();
    }

    ~CLinkThread()
    {
        if (m_atExit)
            run(m_atExit);
        run([this] {
            m_poll->stop();
            m_thread.quit();
        });
        m_thread.wait();
    }

    CLinkThread(const CLinkThread&) = delete;
    CLinkThread& operator=(const CLinkThread&) = delete;

    // Runs work on the thread and returns once it has run.
    void run(const std::function<void()>& work)
    {
        std::promise<void> done;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_work.push_back([&work, &done] {
                work();
                done.set_value();
            });
        }
        done.get_future().wait();
    }

    // Work for the thread's last moment, such as deleting the links made on it: a link's timer
    // and port may only be stopped on their own thread, even when a test ends early.
    void atExit(std::function<void()> work) { m_atExit = std::move(work); }

private:
    void serve()
    {
        for (;;) {
            std::function<void()> next;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_work.empty())
                    return;
                next = std::move(m_work.front());
                m_work.pop_front();
            }
            next();
        }
    }

    QThread m_thread;
    QObject m_context;
    QTimer* m_poll = nullptr; // a child of m_context, made on the thread
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_work;
    std::function<void()> m_atExit;
};

} // namespace TestSupport
