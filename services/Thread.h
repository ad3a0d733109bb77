#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <atomic>

// A worker thread running Qt's event loop, with its own lock and wake condition.
// Destroying it ends the loop and joins the thread.
class CThread : public QThread
{
    Q_OBJECT

public:
    explicit CThread(QObject* parent = nullptr, bool running = true);
    ~CThread() override;

    // Ends and joins every worker thread still running. The logger calls it before it is
    // deleted at exit, so that no worker logs into a deleted logger.
    static void stopAll();

    QMutex& mutex() { return m_mutex; }
    QWaitCondition& condition() { return m_condition; }
    bool isRunningFlag() const { return m_running; }
    bool isStopFlag() const { return m_stop; }

signals:
    void signalStart();
    void signal();

private:
    void stop();

    QMutex m_mutex;
    QWaitCondition m_condition;
    std::atomic<bool> m_running;
    std::atomic<bool> m_stop{false};
};
