#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// A worker thread running Qt's event loop, with its own lock and wake condition.
// Destroying it ends the loop and joins the thread.
class CThread : public QThread
{
    Q_OBJECT

public:
    explicit CThread(QObject* parent = nullptr, bool running = true);
    ~CThread() override;

    QMutex& mutex() { return m_mutex; }
    QWaitCondition& condition() { return m_condition; }
    bool isRunningFlag() const { return m_running; }
    bool isStopFlag() const { return m_stop; }

signals:
    void signalStart();
    void signal();

private:
    QMutex m_mutex;
    QWaitCondition m_condition;
    bool m_running;
    bool m_stop = false;
};
