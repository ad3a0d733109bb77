#pragma once

#include "comm/ServiceComm.h"

#include <QMutex>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>

class QTimer;

namespace COMM {

// Reads the record headers of a binary capture; supplied by the owner of a log link.
class CAbstractLogListenerService
{
public:
    virtual ~CAbstractLogListenerService() = default;
    // Reads the header of the next record at the file's position: payload size, its
    // RAWDATA_TYPE and its time in ms. False when no header could be read.
    virtual bool readRecordHeader(FILE* file, int32_t* size, int32_t* type, int64_t* timeMs) = 0;
};

// A link that feeds a capture file into the common receive path as if a device sent it:
// a text capture line by line, a binary capture record by record at its recorded pace.
// Record mode delivers and writes nothing.
class CLogListener : public CServiceComm
{
    Q_OBJECT

public:
    static constexpr int kTimerMs = 200;
    static constexpr int kLineBufferSize = 100;
    static constexpr int kRecordBufferSize = 18022;
    static constexpr int kRequestSettleMs = 150;
    static constexpr int kMaxRecordsPerTick = 1000;
    static constexpr unsigned char kNoSpeedRequest = 255;
    static constexpr const char* kCloseFileRequest = "FC";

    CLogListener(COMM_CONNT_SETTING setting, LOG_CONNT_CONFIG config, RAWDATA_TYPE type);
    ~CLogListener() override;

    SCommConntProfile getProfile() override;

    // Requests, from any thread; a timer tick applies them.
    void setNewSetting(std::string path, char speed, int interval, float ratio);
    void setNewFilePath(std::string path);
    void setNewReplaySpeed(char speed, int interval, float ratio);
    void setReplayLoop(bool loop);

    void replayStop();
    void replayPause();
    void replayLog();
    void replayPower(bool on);
    void setOperation(LOG_REPLAY_PLAY_OP op);
    void setService(CAbstractLogListenerService* service);

    bool openFile(std::string path);
    void closeFile();
    static int convtExtensonType(const std::string& extension);

    int getReplayState() const { return m_replayState; }
    bool isFileOpen();
    const LOG_CONNT_CONFIG& getLogConfig() const { return m_logConfig; }

signals:
    void signalReplayOperation(int);

public slots:
    void onReplayTimer();

private:
    void resetReplaySetting();
    void requestSpeed(char speed, int interval, float ratio); // under the mutex
    void clearRequest(); // under the mutex
    void refreshReplaySetting();
    bool sentenceReplay();
    bool bindataReplay();
    void changeState(int state);

    QMutex m_mutex; // the requested setting, the loop flag and the file path
    QTimer* m_timer = nullptr;
    CAbstractLogListenerService* m_service = nullptr;
    char m_lineBuffer[kLineBufferSize] = {};
    uint8_t m_recordBuffer[kRecordBufferSize] = {};
    LOG_CONNT_CONFIG m_logConfig;
    std::atomic<int> m_replayState{LOG_REPLAY_OFF};
    FILE* m_file = nullptr;
    uint32_t m_lastTick = 0;
    int32_t m_offsetMs = 0;

    std::string m_path;
    bool m_loop = false;
    signed char m_speed = 0;
    uint32_t m_interval = kTimerMs;
    float m_ratio = 0.0f;

    std::string m_requestPath;
    unsigned char m_requestSpeed = kNoSpeedRequest;
    uint32_t m_requestInterval = 0;
    float m_requestRatio = 0.0f;
    std::atomic<bool> m_requestPending{false};
};

} // namespace COMM
