#pragma once

#include "comm/CommDefine.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <list>

class CThread;
class QSettings;
class QThread;

namespace COMM {
class CCommData;
class CLogListener;
class CServiceComm;
} // namespace COMM

// The connection manager: owns every link and runs them on "CommSpaces Thread" with a
// 1000 ms tick that serves the open and close requests of other threads (one slot
// each), deletes links whose serial port was lost and reconnects one unconnected link
// per tick. The object itself stays with the thread that made it; only its timer and
// its thread's start and finish handlers run on the manager thread. A subclass takes part through
// the hooks, all called on the manager thread except commInitThreadReady.
class CCommSpace : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTickMs = 1000;
    static constexpr int kRequestPollMs = 100;
    static constexpr int kEndPollMs = 500;
    // Longest waits for a free request slot and for end(); reaching one is logged.
    static constexpr int kRequestWaitLimitMs = 10000;
    static constexpr int kEndWaitLimitMs = 10000;
    static constexpr const char* kThreadName = "CommSpaces Thread";
    static constexpr const char* kCommIniName = "comm.ini";

    explicit CCommSpace(bool enableLog, QObject* parent = nullptr);
    ~CCommSpace() override;

    // Creating thread.
    bool initCommSpaceTh();
    // Asks the manager thread to release every link and waits for it, then ends the thread.
    // Past a bound, logged, the thread's loop is stopped and the thread releases what is left as
    // it finishes; either way the thread has ended when end() returns.
    void end();

    // Requests, from any thread: each fills its slot, which the next tick serves.
    void saveComm(COMM::SCommConntProfile& profile);
    void setNewCommProfileCmd(COMM::SCommConntProfile& profile);
    void deleteComm(COMM::CCommData* link);
    // The link as a lookup found it: a link that took its address since is left alone.
    void deleteComm(COMM::CCommData* link, uint64_t serial);
    void setCommReleaseCmd(COMM::CCommData* link, bool keep);
    void clearNewCommProfileCmd();
    void clearCommReleaseCmd();
    bool isConnecting();
    bool isDisconnecting();

    // Lookups, from any thread. A link found may be deleted by the manager thread as soon
    // as the call returns: hand it back to deleteComm with its serial, never use it on
    // another thread.
    COMM::CCommData* getCommData(COMM::CServiceComm* transport, uint64_t* serial = nullptr);
    bool isCommListed(COMM::CCommData* link);
    int commCount();

    // Registry, on the manager thread.
    COMM::CServiceComm* connectSensorComm(COMM::SCommConntProfile profile);
    COMM::CServiceComm* connectComm(COMM::SCommConntProfile profile);
    COMM::CLogListener* connectLog(COMM::SCommConntProfile profile);
    void saveCommData(COMM::SCommConntProfile* profile);
    void deleteCommData(COMM::CCommData* link);
    void deleteCommItem(COMM::CCommData* link);
    void clearCommItems();
    void connectSetup(COMM::CCommData* link);
    bool reconntComm(COMM::CCommData* link);
    bool matchCommExceptConnt(COMM::CCommData* link, COMM::CServiceComm* except);
    void autoAdjustPrimaryDevPos();
    void releaseTh();
    void setEnvPath(QString path);

    // Start-up and the start-up link list "comm.ini", on the manager thread.
    void initCommConnt();
    void readCommConnectAll();
    void writeCommConnectAll();
    void buildCommLog();
    COMM::SCommConntProfile readCommIni(QSettings* settings, QString prefix);
    void readCommConnect();
    void writeCommIni(QSettings* settings, QString prefix, COMM::SCommConntProfile profile);
    void writeCommConnect();

    // Pieces of the tick, on the manager thread.
    void repairComm();
    void inspectCommData();
    void updateFailedConnt();

    QThread* getThread() const;
    COMM::CLogListener* getLogListener() const { return m_logListener; }

signals:
    void signalCommConntReady();
    void signalCommLogReady(COMM::CLogListener* poListener);
    void signalCommDataSave();
    void signalCommDataSaved();
    void signalCommDataDelete(COMM::CCommData* poCommData);
    void signalCommDataDeleted();
    void signalCommConnted(COMM::CCommData* poCommData);

public slots:
    void onTimerOne();
    void onCommThStarted();
    void onCommThFinished();

protected:
    virtual void commInitCommConnt() = 0;
    virtual void commInitThreadReady(QThread* thread) = 0;
    virtual void commReadCommConnect() = 0;
    virtual void commWriteCommConnect() = 0;
    virtual void commConnectSetup(COMM::CCommData* link) = 0;
    virtual void commReleaseTh() = 0;
    virtual void commCommDataSaved(COMM::CCommData* link) = 0;
    virtual void commDeleteCommData(COMM::CCommData* link) = 0;
    virtual void commCommDataDeleted() = 0;
    virtual void commCycleChecking() = 0;

    // The links in insertion order; on the manager thread only.
    const std::list<COMM::CCommData*>& commItems() const { return m_commList; }
    void setWaitLimits(int requestMs, int endMs);

private:
    QMutex* slotMutex();
    // Fills an empty slot under the lock, waiting for it in 100 ms steps up to the limit.
    bool fillSaveSlot(const COMM::SCommConntProfile& profile);
    bool fillDeleteSlot(COMM::CCommData* link, uint64_t serial, bool keep);
    // The serial of a listed link; 0, which no link has, when it is not listed.
    uint64_t listedSerial(COMM::CCommData* link);
    // On the manager thread: parks the link when the slot is free; never waits.
    bool parkForDelete(COMM::CCommData* link);
    void appendCommItem(COMM::CCommData* link);
    bool isConnectedForReconnt(COMM::CCommData* link);
    // The release on the manager thread: the timer stopped, the subclass's release hook, every
    // link deleted.
    void releaseOnThread();
    QString commIniPath() const;

    QTimer m_timer;
    CThread* m_thread = nullptr;
    QString m_envPath;
    const bool m_enableLog;
    COMM::SCommConntProfile* m_pendingSave = nullptr;
    COMM::CCommData* m_pendingDelete = nullptr;
    uint64_t m_pendingDeleteSerial = 0;
    bool m_pendingDeleteKeep = false;
    COMM::CLogListener* m_logListener = nullptr;
    std::list<COMM::CCommData*> m_commList;
    QMutex m_listMutex; // guards the list for readers on other threads
    std::atomic<bool> m_releaseRequested{false};
    std::atomic<bool> m_released{false};
    int m_reConntCursor = 0;
    std::atomic<int> m_requestWaitLimitMs{kRequestWaitLimitMs};
    std::atomic<int> m_endWaitLimitMs{kEndWaitLimitMs};
};
