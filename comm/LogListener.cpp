#include "LogListener.h"

#include "services/PortalTime.h"
#include "services/SysDebug.h"

#include <QMutexLocker>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

namespace COMM {

namespace {

uint32_t msecsSinceStart()
{
    return static_cast<uint32_t>(Portal::Time::Clock::msecsSinceStart());
}

} // namespace

CLogListener::CLogListener(COMM_CONNT_SETTING setting, LOG_CONNT_CONFIG config, RAWDATA_TYPE type)
    : CServiceComm(setting, type), m_logConfig(config)
{
    setObjectName(QString::fromWCharArray(getConntSetting().DevName));
    setCommType(COMM_TYPE_LOG);
    setEnable(false);
    setContent(m_logConfig.LogMode == LOG_MODE_RECORD ? "Log Record" : "Log Replay");
    resetReplaySetting();
    clearRequest();
    if (type == RAWDATA_BINARY)
        changeState(LOG_REPLAY_PAUSE);
    m_timer = new QTimer;
    if (m_logConfig.LogMode != LOG_MODE_RECORD)
        connect(m_timer, SIGNAL(timeout()), this, SLOT(onReplayTimer()));
    m_timer->setInterval(kTimerMs);
    m_timer->start();
}

CLogListener::~CLogListener()
{
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s Start", objectName().toUtf8().constData());
    disconnect();
    replayStop();
    closeFile();
    m_timer->stop();
    m_timer->disconnect();
    delete m_timer;
    m_timer = nullptr;
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s End", objectName().toUtf8().constData());
}

SCommConntProfile CLogListener::getProfile()
{
    SCommConntProfile profile;
    profile.ConntSetting = getConntSetting();
    profile.CommType = getCommType();
    profile.Config.Log = m_logConfig;
    profile.DebugConfig = getDebugConfig();
    return profile;
}

void CLogListener::resetReplaySetting()
{
    QMutexLocker locker(&m_mutex);
    m_path.clear();
    m_loop = false;
    m_speed = 0;
    m_interval = kTimerMs;
    m_ratio = 0.0f;
}

void CLogListener::clearRequest()
{
    m_requestPath.clear();
    m_requestSpeed = kNoSpeedRequest;
    m_requestInterval = 0;
    m_requestRatio = 0.0f;
}

void CLogListener::setNewSetting(std::string path, char speed, int interval, float ratio)
{
    QMutexLocker locker(&m_mutex);
    if (!path.empty())
        m_requestPath = path;
    if (static_cast<signed char>(speed) > 0)
        requestSpeed(speed, interval, ratio);
    m_requestPending = true;
}

void CLogListener::requestSpeed(char speed, int interval, float ratio)
{
    m_requestSpeed = static_cast<unsigned char>(speed);
    m_requestInterval = static_cast<uint32_t>(interval);
    m_requestRatio = ratio;
    // Text replay pauses until the request is applied.
    m_speed = -1;
    m_interval = 0;
    m_ratio = 0.0f;
}

void CLogListener::setNewFilePath(std::string path)
{
    QMutexLocker locker(&m_mutex);
    m_requestPath = path;
}

void CLogListener::setNewReplaySpeed(char speed, int interval, float ratio)
{
    QMutexLocker locker(&m_mutex);
    requestSpeed(speed, interval, ratio);
}

void CLogListener::setReplayLoop(bool loop)
{
    QMutexLocker locker(&m_mutex);
    m_loop = loop;
}

void CLogListener::changeState(int state)
{
    m_replayState = state;
    emit signalReplayOperation(state);
}

void CLogListener::replayStop()
{
    setNewSetting(kCloseFileRequest, 0, kTimerMs, 0.0f);
    changeState(LOG_REPLAY_STOP);
    getRawDataHandle()->clearAllData();
}

void CLogListener::replayPause()
{
    changeState(LOG_REPLAY_PAUSE);
}

void CLogListener::replayLog()
{
    switch (m_replayState) {
    case LOG_REPLAY_STOP:
        if (isFileOpen())
            changeState(LOG_REPLAY_PLAY);
        else
            changeState(LOG_REPLAY_STOP);
        break;
    case LOG_REPLAY_PAUSE:
        changeState(LOG_REPLAY_PLAY);
        break;
    case LOG_REPLAY_PLAY:
        changeState(LOG_REPLAY_PAUSE);
        break;
    default:
        changeState(LOG_REPLAY_STOP);
        break;
    }
}

void CLogListener::replayPower(bool on)
{
    replayStop();
    if (!on)
        changeState(LOG_REPLAY_OFF);
}

void CLogListener::setOperation(LOG_REPLAY_PLAY_OP op)
{
    changeState(op);
}

void CLogListener::setService(CAbstractLogListenerService* service)
{
    m_service = service;
}

bool CLogListener::isFileOpen()
{
    QMutexLocker locker(&m_mutex);
    return m_file != nullptr;
}

bool CLogListener::openFile(std::string path)
{
    if (isFileOpen()) {
        // Stopped and closed here and now: a close request filed for a later tick would
        // close the file about to be opened.
        changeState(LOG_REPLAY_STOP);
        getRawDataHandle()->clearAllData();
        closeFile();
    }
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return false;
    QMutexLocker locker(&m_mutex);
    m_path = path;
    m_file = std::fopen(path.c_str(), m_logConfig.LogMode == LOG_MODE_RECORD ? "wb" : "rb");
    // A file that exists but cannot be opened is a failure, not a silent empty replay.
    return m_file != nullptr;
}

void CLogListener::closeFile()
{
    QMutexLocker locker(&m_mutex);
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

int CLogListener::convtExtensonType(const std::string& extension)
{
    if (extension == "txt" || extension == "TXT")
        return 1;
    if (extension == "log" || extension == "LOG")
        return 2;
    return 0;
}

void CLogListener::refreshReplaySetting()
{
    std::string requestPath;
    unsigned char requestSpeed;
    uint32_t requestInterval;
    float requestRatio;
    std::string currentPath;
    {
        // Taken and cleared in one step: a request made while this one is applied waits for
        // the next tick instead of being cleared with it.
        QMutexLocker locker(&m_mutex);
        m_requestPending = false;
        requestPath = m_requestPath;
        requestSpeed = m_requestSpeed;
        requestInterval = m_requestInterval;
        requestRatio = m_requestRatio;
        currentPath = m_path;
        clearRequest();
    }
    if (!requestPath.empty()) {
        bool close = requestPath == kCloseFileRequest;
        if (!close && requestPath != currentPath) {
            if (openFile(requestPath)) {
                const int state = m_replayState;
                if (state != LOG_REPLAY_PLAY) {
                    if (state == LOG_REPLAY_PAUSE || (state == LOG_REPLAY_STOP && isFileOpen()))
                        changeState(LOG_REPLAY_PLAY);
                    else
                        changeState(LOG_REPLAY_STOP);
                }
            } else {
                close = true;
            }
        }
        if (close) {
            closeFile();
            QMutexLocker locker(&m_mutex);
            m_path.clear();
        }
    }
    QMutexLocker locker(&m_mutex);
    if (requestSpeed != kNoSpeedRequest && static_cast<signed char>(requestSpeed) != m_speed)
        m_speed = static_cast<signed char>(requestSpeed);
    if (requestInterval != 0 && (requestInterval != m_interval || requestRatio != m_ratio)) {
        m_timer->setInterval(static_cast<int>(requestInterval));
        m_interval = requestInterval;
        m_ratio = requestRatio;
    }
}

void CLogListener::onReplayTimer()
{
    if (!isEnable())
        return;
    if (m_requestPending) {
        QThread::msleep(kRequestSettleMs);
        refreshReplaySetting();
        m_lastTick = 0;
    }
    if (m_replayState != LOG_REPLAY_PLAY)
        return;
    if (getConntSetting().SensorType == SENSOR_DEVICE_KIND_4) {
        float ratio;
        {
            QMutexLocker locker(&m_mutex);
            ratio = m_ratio;
        }
        // A ratio of 0 never moves the tick: nothing is played.
        const double ticks = ratio > 0.0f ? std::floor(msecsSinceStart() / static_cast<double>(ratio)) : 0.0;
        const uint32_t tick = static_cast<uint32_t>(std::fmod(ticks, 4294967296.0));
        if (tick == m_lastTick)
            return;
        m_lastTick = tick;
        if (!bindataReplay())
            changeState(LOG_REPLAY_PAUSE);
    } else if (!sentenceReplay()) {
        replayStop();
    }
}

bool CLogListener::sentenceReplay()
{
    signed char speed;
    bool loop;
    {
        QMutexLocker locker(&m_mutex);
        speed = m_speed;
        loop = m_loop;
    }
    if (speed < 0 || m_file == nullptr)
        return true;
    const int lines = 1 << std::min<int>(speed, 16);
    for (int i = 0; i < lines; ++i) {
        std::memset(m_lineBuffer, 0, sizeof(m_lineBuffer));
        const char* got = std::fgets(m_lineBuffer, kLineBufferSize, m_file);
        if (got == nullptr || std::feof(m_file)) {
            if (!loop)
                return false;
            std::rewind(m_file);
        }
        rxPackageProc(QByteArray(m_lineBuffer, static_cast<int>(::strnlen(m_lineBuffer, sizeof(m_lineBuffer)))),
                      false);
    }
    return true;
}

bool CLogListener::bindataReplay()
{
    if (m_file == nullptr)
        return false;
    if (m_service == nullptr)
        return true; // no reader of record headers: nothing to play
    bool late = false;
    // A capture whose records are all behind the clock or never binary would not end the
    // loop by itself: a tick plays a bounded number of records.
    for (int n = 0; n < kMaxRecordsPerTick; ++n) {
        int32_t size = 0;
        int32_t type = 0;
        int64_t timeMs = 0;
        const bool header = m_service->readRecordHeader(m_file, &size, &type, &timeMs);
        const uint32_t now = msecsSinceStart();
        const uint32_t recordMs = static_cast<uint32_t>(timeMs);
        if (recordMs == 0) {
            m_offsetMs = static_cast<int32_t>(now - recordMs);
        } else {
            const int32_t lag = static_cast<int32_t>(now - recordMs - static_cast<uint32_t>(m_offsetMs));
            late = lag > 0;
            if (lag > 10000)
                m_offsetMs = static_cast<int32_t>(now - recordMs);
        }
        // Room for the payload with CR, LF and NUL; a larger or broken record ends the pass.
        if (!header || size < 0 || size > kRecordBufferSize - 3 ||
            std::fread(m_recordBuffer, 1, static_cast<size_t>(size), m_file) != static_cast<size_t>(size) ||
            std::feof(m_file)) {
            std::rewind(m_file);
            m_offsetMs = 0;
            return true;
        }
        int length = size;
        if (type == RAWDATA_SENTENCE) {
            m_recordBuffer[length] = '\r';
            m_recordBuffer[length + 1] = '\n';
            m_recordBuffer[length + 2] = '\0';
            length += 2;
        } else {
            m_recordBuffer[length] = '\0';
        }
        setRawDataType(static_cast<RAWDATA_TYPE>(type));
        rxPackageProc(QByteArray(reinterpret_cast<const char*>(m_recordBuffer), length), false);
        if (type == RAWDATA_BINARY && !late)
            return true;
    }
    return true;
}

} // namespace COMM
