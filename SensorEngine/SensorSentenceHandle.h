#pragma once

#include "SensorEngine/SensorScope.h"

#include "comm/ServiceComm.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <queue>
#include <string>

// Runs every sentence received on a link through the sentence library, one by one on the
// link's thread, and announces what it changed. The receivers of the fill signals must be
// connected directly: they read the library's one-sentence records before the next sentence.
class CSensorSentenceHandle : public QObject
{
    Q_OBJECT

public:
    // Checksum errors kept while the alarm is set; the oldest give way.
    static constexpr size_t kCheckSumErrorBound = 100;
    static constexpr time_t kCheckSumWindowSeconds = 30;

    explicit CSensorSentenceHandle(QObject* parent = nullptr);
    ~CSensorSentenceHandle() override;

    void sentenceProc(COMM::CServiceComm* comm, COMM::COMM_TYPE type);
    void i62ParserProc(SENSOR_SENTENCE_PACKAGE& package);
    // The three-character formatter of a sentence into a buffer of four.
    static void getI62DataFormatter(const char* sentence, char* formatter);
    void i62DecoderProc(COMM::CONNECT_COMM_DATA& conntData, int group, int formatterId,
                        SensorScope::SENSOR_I62_LISTENER listener);
    static SensorScope::SENSOR_I62_LISTENER obtainI62ListenerType(int formatterId);

    void appendToCheckSumErrorQ(SENSOR_SENTENCE_PACKAGE& package);
    void swapCheckSumErrorQ(std::queue<SETENCE_CHECKSUM_ERROR_INFO>* other);
    void clearQueueData();
    size_t checkSumErrorCount();
    bool checkSumAlarm() const { return m_checkSumAlarm; }
    // AIS messages the codec could not decode, dropped without disturbing the library.
    uint32_t undecodableCount() const { return m_undecodableCount; }

    void resetI62Data();
    void setHostClock(SensorScope::HostClock clock) { m_hostClock = clock; }

    // Offered every received sentence before it is parsed; true consumes it.
    virtual bool sensorSentenceProc(SENSOR_SENTENCE_PACKAGE& package);
    // Called after every sentence that parsed, with its listener and AIS channel character.
    virtual void sensorAisListener(char* sentence, int listener, char channel);

signals:
    void signalFillAisOwnData(int iI62Listener);
    void signalFillAisTargetData(uint iTargetMmsi);
    void signalFillGpsData(int iI62Listener, int iSentenceFmt, bool bCheckGpsSignal, bool bPlayLog);
    void signalRxLogMsg(void* poComm, QString strLogMsg);

private:
    void checkSumErrorCheck(time_t now);

    QMutex m_mutex; // the checksum-error queue only
    std::queue<SETENCE_CHECKSUM_ERROR_INFO> m_checkSumErrorQ;
    bool m_checkSumAlarm = false;
    time_t m_checkTime = 0;
    time_t m_lastSecond = 0;
    uint32_t m_undecodableCount = 0;
    SensorScope::HostClock m_hostClock = &SensorScope::HostTime;
    // The sentence taken off a link's queue; kept so that its room outlives a notification.
    std::string m_taken;
};
