#include "SensorEngine/SensorSentenceHandle.h"

#include "comm/RawDataHandle.h"
#include "i62/AisBinMsgCodec.h"
#include "i62/AisMessage.h"
#include "i62/AisStation.h"
#include "i62/I62Clock.h"
#include "i62/I62Decompose.h"
#include "i62/I62Group.h"
#include "i62/I62Parser.h"
#include "i62/I62Sentence.h"
#include "i62/NaviCalc.h"
#include "i62/OwnShipSensor.h"
#include "services/SysDebug.h"

#include <QByteArray>
#include <QMutexLocker>
#include <cstring>
#include <string>

using SensorScope::SENSOR_I62_LISTENER;

namespace {

struct SListenerOf
{
    int formatterId;
    SENSOR_I62_LISTENER listener;
};

// Formatter ids of the sentence library and what their sentences update.
constexpr SListenerOf kListeners[] = {
    {1, SensorScope::SENSOR_I62_LISTENER_POSITION},     {2, SensorScope::SENSOR_I62_LISTENER_POSITION},
    {3, SensorScope::SENSOR_I62_LISTENER_STATISTIC},    {4, SensorScope::SENSOR_I62_LISTENER_SAT_DOP},
    {5, SensorScope::SENSOR_I62_LISTENER_SAT_VIEW},     {6, SensorScope::SENSOR_I62_LISTENER_POSITION},
    {8, SensorScope::SENSOR_I62_LISTENER_STATISTIC},    {11, SensorScope::SENSOR_I62_LISTENER_HDT},
    {14, SensorScope::SENSOR_I62_LISTENER_HDM},         {29, SensorScope::SENSOR_I62_LISTENER_AIS_TARGET},
    {30, SensorScope::SENSOR_I62_LISTENER_OWN_PRIMARY},
};

constexpr int kFormatterZda = 8;

// A line without CR LF gets one, so that Parser finds its end. Most end in CR LF already, which
// is seen without a search.
void repairLineEnd(char* text, size_t length)
{
    const bool endsInCrLf = length >= 2 && text[length - 2] == '\r' && text[length - 1] == '\n';
    if (endsInCrLf || std::strstr(text, "\r\n") != nullptr)
        return;
    if (length > 0 && text[length - 1] == '\n') {
        text[length - 1] = '\r';
        text[length] = '\n';
        text[length + 1] = '\0';
    } else if (length > 0 && text[length - 1] == '\r') {
        text[length] = '\n';
        text[length + 1] = '\0';
    } else {
        text[length] = '\r';
        text[length + 1] = '\n';
        text[length + 2] = '\0';
    }
}

void initialiseLibrary()
{
    AisMessageInitial();
    AisBinMsgCodecInitial();
    MsgCodecInitial();
    ShipInitial();
    CpaInitial();
}

} // namespace

namespace SensorScope {

time_t HostTime()
{
    return ::time(nullptr);
}

} // namespace SensorScope

CSensorSentenceHandle::CSensorSentenceHandle(QObject* parent) : QObject(parent)
{
    MsgCodecInitial();
    AisMessageInitial();
    AisBinMsgCodecInitial();
    ShipInitial();
    CpaInitial();
}

CSensorSentenceHandle::~CSensorSentenceHandle()
{
    const QByteArray name = objectName().toUtf8();
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s", name.constData());
    clearQueueData();
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s End", name.constData());
}

void CSensorSentenceHandle::sentenceProc(COMM::CServiceComm* comm, COMM::COMM_TYPE type)
{
    if (comm == nullptr || !comm->isEnable())
        return;
    SENSOR_SENTENCE_PACKAGE package{};
    package.ConntData.Comm = comm;
    package.ConntData.CommType = type;
    COMM::CRawDataHandle* queues = comm->getRawDataHandle();

    const QString logText = queues->takeLogText();
    if (!logText.isEmpty())
        emit signalRxLogMsg(comm, logText);

    std::string& sentence = m_taken;
    while (queues->queueNextSentence(&sentence)) {
        if (sentence.size() > static_cast<size_t>(SENSOR_SENTENCE_MAX))
            continue;
        std::memcpy(package.sentence, sentence.c_str(), sentence.size() + 1);
        if (sensorSentenceProc(package))
            continue;
        if (package.sentence[0] != '$' && package.sentence[0] != '!')
            continue;
        repairLineEnd(package.sentence, std::strlen(package.sentence));
        i62ParserProc(package);
    }
}

void CSensorSentenceHandle::i62ParserProc(SENSOR_SENTENCE_PACKAGE& package)
{
    // Records 0 and 1 are the one-sentence scratch of the own ship and the target.
    NoStation = 1;
    ShipData[0] = ShipData[2];
    ShipData[1] = ShipData[3];

    char formatter[4] = {};
    getI62DataFormatter(package.sentence, formatter);
    int group = I62_GROUP_NONE;
    int formatterId = 0;
    I62_GetGroupType(&group, &formatterId, formatter);

    // Parser cuts the text into fields in place; the listener gets it whole.
    char received[sizeof(package.sentence)];
    const size_t length = strnlen(package.sentence, sizeof(package.sentence) - 1);
    std::memcpy(received, package.sentence, length);
    received[length] = '\0';

    T1msTimerEvent();
    const time_t now = m_hostClock();
    I61162_Data_Structure record;
    std::memset(&record, 0, sizeof(record));
    const signed char result = Parser(package.sentence, &record, sizeof(package.sentence));
    if (result == I62_RESULT_CHECKSUM) {
        appendToCheckSumErrorQ(package);
    } else if (result == I62_RESULT_UNDECODABLE) {
        // One message the codec cannot take says nothing about the others in flight: it is
        // dropped and counted, and the library keeps its state.
        ++m_undecodableCount;
    }

    if (now > m_lastSecond) {
        m_lastSecond = now;
        if (result == I62_RESULT_TAKEN)
            UpdataShipSensorData();
    }
    checkSumErrorCheck(now);

    if (result != I62_RESULT_TAKEN)
        return;
    const SENSOR_I62_LISTENER listener = obtainI62ListenerType(formatterId);
    i62DecoderProc(package.ConntData, group, formatterId, listener);
    sensorAisListener(received, listener, static_cast<char>(record.fields.encap.channel));
}

void CSensorSentenceHandle::checkSumErrorCheck(time_t now)
{
    if (m_lastSecond - m_checkTime < kCheckSumWindowSeconds)
        return;
    m_checkTime = now;
    QMutexLocker locker(&m_mutex);
    const size_t errors = m_checkSumErrorQ.size();
    if (errors == 0)
        return;
    if (errors < 3)
        std::queue<SETENCE_CHECKSUM_ERROR_INFO>().swap(m_checkSumErrorQ); // occasional errors are forgotten
    else
        m_checkSumAlarm = true;
}

void CSensorSentenceHandle::getI62DataFormatter(const char* sentence, char* formatter)
{
    if (formatter == nullptr)
        return;
    formatter[0] = '\0';
    if (sentence == nullptr)
        return;
    const size_t length = std::strlen(sentence);
    const char* comma = std::strchr(sentence, ',');
    const size_t p = comma != nullptr ? static_cast<size_t>(comma - sentence) : length;
    auto take = [&](size_t from) {
        for (size_t i = 0; i < 3; ++i)
            formatter[i] = from + i < length ? sentence[from + i] : '\0';
        formatter[3] = '\0';
    };
    if (length > 1 && sentence[1] == 'P') {
        // The maker's "$PQXV,<letter>,<formatter>,..." names its formatter after the sub-type.
        if (p >= 3 && std::strncmp(sentence, "$PQXV,", 6) == 0 && length > 7 && sentence[7] == ',')
            take(8);
        else
            take(p >= 3 ? p - 3 : 0);
        return;
    }
    if (p > 0 && sentence[p - 1] == 'Q') {
        formatter[0] = 'Q';
        formatter[1] = '\0';
        return;
    }
    take(3);
}

SENSOR_I62_LISTENER CSensorSentenceHandle::obtainI62ListenerType(int formatterId)
{
    for (const SListenerOf& entry : kListeners) {
        if (entry.formatterId == formatterId)
            return entry.listener;
    }
    return SensorScope::SENSOR_I62_LISTENER_NONE;
}

void CSensorSentenceHandle::i62DecoderProc(COMM::CONNECT_COMM_DATA& conntData, int group, int formatterId,
                                           SENSOR_I62_LISTENER listener)
{
    const bool primary = conntData.Comm != nullptr && conntData.Comm->getConntSetting().DevPrimaryPos != 0;
    switch (group) {
    case I62_GROUP_AIS:
        if (listener == SensorScope::SENSOR_I62_LISTENER_OWN_PRIMARY) {
            emit signalFillAisOwnData(primary ? SensorScope::SENSOR_I62_LISTENER_OWN_PRIMARY
                                              : SensorScope::SENSOR_I62_LISTENER_OWN_OTHER);
        } else if (listener == SensorScope::SENSOR_I62_LISTENER_AIS_TARGET) {
            emit signalFillAisTargetData(static_cast<uint>(ShipData[1].mmsi & 0xFFFFFFFFu));
        }
        break;
    case I62_GROUP_SENSOR:
        emit signalFillAisOwnData(listener);
        break;
    case I62_GROUP_GPS:
        if (!primary)
            break;
        if (listener == SensorScope::SENSOR_I62_LISTENER_POSITION)
            emit signalFillAisOwnData(SensorScope::SENSOR_I62_LISTENER_SAT_DOP);
        emit signalFillGpsData(listener, formatterId, formatterId != kFormatterZda,
                               conntData.CommType == COMM::COMM_TYPE_LOG);
        break;
    default:
        break;
    }
}

void CSensorSentenceHandle::appendToCheckSumErrorQ(SENSOR_SENTENCE_PACKAGE& package)
{
    SETENCE_CHECKSUM_ERROR_INFO info;
    info.time = m_hostClock();
    if (package.ConntData.Comm != nullptr) {
        const COMM::COMM_CONNT_SETTING& setting = package.ConntData.Comm->getConntSetting();
        std::wmemcpy(info.devName, setting.DevName, COMM::kDevNameSize);
        info.devName[COMM::kDevNameSize - 1] = L'\0';
    }
    const size_t length = strnlen(package.sentence, sizeof(info.sentence) - 1);
    std::memcpy(info.sentence, package.sentence, length);
    info.sentence[length] = '\0';
    QMutexLocker locker(&m_mutex);
    if (m_checkSumErrorQ.size() >= kCheckSumErrorBound)
        m_checkSumErrorQ.pop();
    m_checkSumErrorQ.push(info);
}

void CSensorSentenceHandle::swapCheckSumErrorQ(std::queue<SETENCE_CHECKSUM_ERROR_INFO>* other)
{
    if (other == nullptr)
        return;
    QMutexLocker locker(&m_mutex);
    m_checkSumErrorQ.swap(*other);
}

void CSensorSentenceHandle::clearQueueData()
{
    QMutexLocker locker(&m_mutex);
    std::queue<SETENCE_CHECKSUM_ERROR_INFO>().swap(m_checkSumErrorQ);
}

size_t CSensorSentenceHandle::checkSumErrorCount()
{
    QMutexLocker locker(&m_mutex);
    return m_checkSumErrorQ.size();
}

void CSensorSentenceHandle::resetI62Data()
{
    initialiseLibrary();
}

bool CSensorSentenceHandle::sensorSentenceProc(SENSOR_SENTENCE_PACKAGE&)
{
    return false;
}

void CSensorSentenceHandle::sensorAisListener(char*, int, char)
{}
