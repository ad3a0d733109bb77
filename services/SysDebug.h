#pragma once

#include "AbstractSysDebug.h"
#include "Singleton.h"

#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>
#include <deque>

class QSettings;

// The process-wide logger: queues records from any thread and, on "SysDebug Thread",
// prints them, files them in "logger.log" and keeps the last records for alarm dumps.
class SysDebug : public CAbstractSysDebug, public QThread
{
public:
    static constexpr int kAutoLogRingSize = 1000;
    static constexpr const char* kGroupName = "Sys_Debug";
    static constexpr const char* kDecryptFileName = "loggerDecrypt.log";

    SysDebug();
    ~SysDebug() override;

    // Reads the settings and starts the thread. False when the log was decoded instead.
    bool initialize(const QString& appPath, const QString& profileIniPath);
    // Stops and joins the thread and files every queued record. The program calls it before
    // its application object goes; records made later are filed at once, on the caller's thread.
    void stop();

    void readProfileIni(const QSettings* settings);
    void writeProfileIni(QSettings* settings);

    void msgProc();
    void printMsgProc(SDebugMsgData& record);
    void autoLogMsgProc(SDebugMsgData& record);
    void pushAutoLogMsgQ(const SDebugMsgData& record, bool dump);
    QString printMsg(SDebugMsgData& record, bool console);
    static QString encodeLine(QString line);
    QString compHeadMsg(const std::string& title, bool encode);
    void logDecryption();
    void printMsg(const char* text);
    void setEncryption(bool enable);
    void parameterInitial();
    void stackState(short code, DEBUG_MSG_LEVEL level);

    bool autoLogEnable() const { return m_autoLogEnable; }
    int autoLogKeepMax() const { return m_autoLogKeepMax; }
    bool encryptionEnable() const { return m_encryptionEnable; }
    bool decryptionEnable() const { return m_decryptionEnable; }
    const std::deque<SDebugMsgData>& autoLogRing() const { return m_autoLogRing; }

protected:
    void lock() override;
    void unlock() override;
    void wake() override;
    void wait() override;
    void push(SDebugMsgData record) override;
    void print(SDebugMsgData& record) override;
    void run() override;

private:
    void writeToFile(const QString& text, bool closeAfter);

    QMutex m_mutex;
    QWaitCondition m_condition;
    bool m_waiting = true;
    bool m_stop = false;
    bool m_stopped = false; // the thread has been joined: records are filed as they come
    std::deque<SDebugMsgData> m_pending;
    std::deque<SDebugMsgData> m_autoLogRing;
    uint32_t m_stakeStates[64] = {};
    bool m_autoLogEnable = true;
    int m_autoLogKeepMax = kAutoLogRingSize;
    bool m_encryptionEnable = true;
    bool m_decryptionEnable = false;
    QString m_tabTexts[10];
};

// Logs one record through the process-wide logger, naming the calling function and thread.
#define SYS_DEBUG(level, ...)                                                                                    \
    Pattern::Singleton<SysDebug>::instance()->debug((level), __PRETTY_FUNCTION__, currentThreadTag(), __VA_ARGS__)
