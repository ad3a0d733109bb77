#pragma once

#include "comm/CommData.h"
#include "comm/CommSpace.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>
#include <QThread>
#include <algorithm>
#include <string>
#include <vector>

// A connection manager that notes every hook call, on whichever thread it comes. Like the
// transponder link's manager, it gives each opened link a reconnection limit.
class RecordingCommSpace : public CCommSpace
{
public:
    struct Event
    {
        std::string hook;
        COMM::CCommData* link = nullptr;
        unsigned char failedCount = 0; // of the link, when the hook was called
        QThread* thread = nullptr;
    };

    explicit RecordingCommSpace(bool enableLog = false) : CCommSpace(enableLog) {}

    using CCommSpace::commItems;
    using CCommSpace::setWaitLimits;

    std::vector<Event> events() const
    {
        QMutexLocker locker(&m_mutex);
        return m_events;
    }

    int count(const std::string& hook) const
    {
        const auto all = events();
        return static_cast<int>(
            std::count_if(all.begin(), all.end(), [&hook](const Event& e) { return e.hook == hook; }));
    }

    // The last call of a hook; an empty event when there was none.
    Event last(const std::string& hook) const
    {
        const auto all = events();
        auto found = std::find_if(all.rbegin(), all.rend(), [&hook](const Event& e) { return e.hook == hook; });
        return found != all.rend() ? *found : Event();
    }

    unsigned char reConntTimes = 0;
    // When set, the release hook waits for it (up to a generous limit).
    QSemaphore* releaseGate = nullptr;
    // When set, the cycle hook of every tick waits for it likewise, after releasing cycleEntered.
    QSemaphore* cycleGate = nullptr;
    QSemaphore cycleEntered;

protected:
    void commInitCommConnt() override { note("commInitCommConnt"); }
    void commInitThreadReady(QThread*) override { note("commInitThreadReady"); }
    void commReadCommConnect() override { note("commReadCommConnect"); }
    void commWriteCommConnect() override { note("commWriteCommConnect"); }
    void commConnectSetup(COMM::CCommData* link) override { note("commConnectSetup", link); }
    void commReleaseTh() override
    {
        note("commReleaseTh");
        if (releaseGate != nullptr)
            releaseGate->tryAcquire(1, 60000);
    }
    void commCommDataSaved(COMM::CCommData* link) override
    {
        if (link != nullptr)
            link->setReConntTimes(reConntTimes);
        note("commCommDataSaved", link);
    }
    void commDeleteCommData(COMM::CCommData* link) override { note("commDeleteCommData", link); }
    void commCommDataDeleted() override { note("commCommDataDeleted"); }
    void commCycleChecking() override
    {
        note("commCycleChecking");
        if (cycleGate != nullptr) {
            cycleEntered.release();
            cycleGate->tryAcquire(1, 60000);
        }
    }

private:
    void note(const char* hook, COMM::CCommData* link = nullptr)
    {
        Event event;
        event.hook = hook;
        event.link = link;
        event.failedCount = link != nullptr ? link->getReConntedCount() : 0;
        event.thread = QThread::currentThread();
        QMutexLocker locker(&m_mutex);
        m_events.push_back(event);
    }

    mutable QMutex m_mutex;
    std::vector<Event> m_events;
};
