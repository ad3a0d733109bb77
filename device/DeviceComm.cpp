#include "device/DeviceComm.h"

#include "comm/CommData.h"
#include "comm/RawDataHandle.h"
#include "comm/ServiceComm.h"
#include "services/PortalTime.h"
#include "services/SysDebug.h"
#include "wifi/XQDWiFiPaser.h"

#include <QByteArray>
#include <QMutexLocker>
#include <cstring>
#include <new>

using WiFiScope::WIFI_SYS_MODE;

CDeviceComm::CDeviceComm()
{
    try {
        m_targetInfo = new SensorScope::Target::CTargetInfo(&m_sensorService);
    } catch (const std::bad_alloc& failure) {
        SYS_DEBUG(DEBUG_MSG_CRITICAL, "%s", failure.what());
    }
    connect(&m_sentenceHandle, &CAisSentenceHandle::signalWiFiCfgModeEnable, this, &CDeviceComm::onWiFiCfgModeEnable);
    // Made once here, not at every opening: the slots must run once per decoded sentence, and
    // directly, before the next sentence overwrites the library's records.
    connect(&m_sentenceHandle, &CSensorSentenceHandle::signalFillGpsData, this, &CDeviceComm::onFillGpsData,
            Qt::DirectConnection);
    connect(&m_sentenceHandle, &CSensorSentenceHandle::signalFillAisOwnData, this, &CDeviceComm::onFillAisOwnData,
            Qt::DirectConnection);
    connect(&m_sentenceHandle, &CSensorSentenceHandle::signalFillAisTargetData, this,
            &CDeviceComm::onFillAisTargetData, Qt::DirectConnection);
}

CDeviceComm::~CDeviceComm()
{
    const QByteArray name = objectName().toUtf8();
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s Start", name.constData());
    delete m_targetInfo;
    m_targetInfo = nullptr;
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s End", name.constData());
}

void CDeviceComm::setComm(COMM::CCommData* link)
{
    if (link == nullptr || link->getCommType() != COMM::COMM_TYPE_SERIAL)
        return;
    link->setReConntTimes(kSerialReConntTimes);
    // The configuration-mode check starts afresh: what the last link said ends with it.
    CXQDWiFiPaser::resetCfgModeCheck();
    COMM::CServiceComm* transport = link->getServiceComm();
    QMutexLocker locker(&m_commMutex);
    m_comm = transport;
    m_commConnected = transport != nullptr && transport->isConnected();
}

void CDeviceComm::connectSetup()
{
    QMutexLocker locker(&m_commMutex);
    if (m_comm == nullptr)
        return;
    connect(m_comm, &COMM::CServiceComm::signalRxSentence, this, &CDeviceComm::onRxSentence,
            static_cast<Qt::ConnectionType>(Qt::DirectConnection | Qt::UniqueConnection));
    connect(m_comm, &COMM::CServiceComm::signalRxMessage, this, &CDeviceComm::onRxMsg,
            static_cast<Qt::ConnectionType>(Qt::DirectConnection | Qt::UniqueConnection));
}

void CDeviceComm::pareComm(COMM::CCommData* link)
{
    if (link == nullptr)
        return;
    QMutexLocker locker(&m_commMutex);
    if (m_comm != nullptr && link->getServiceComm() == m_comm) {
        m_comm = nullptr;
        m_commConnected = false;
    }
}

void CDeviceComm::end()
{
    QMutexLocker locker(&m_commMutex);
    m_comm = nullptr;
    m_commConnected = false;
}

// The transport's own state belongs to the communication thread; the GUI thread's senders read
// this copy of it.
void CDeviceComm::refreshCommState()
{
    QMutexLocker locker(&m_commMutex);
    m_commConnected = m_comm != nullptr && m_comm->isConnected();
}

bool CDeviceComm::isCommConnected()
{
    QMutexLocker locker(&m_commMutex);
    return m_comm != nullptr && m_commConnected;
}

COMM::CServiceComm* CDeviceComm::currentComm()
{
    QMutexLocker locker(&m_commMutex);
    return m_comm;
}

// Under the guard, so that the link cannot be deleted while it is being reset.
bool CDeviceComm::resetComm()
{
    QMutexLocker locker(&m_commMutex);
    if (m_comm == nullptr)
        return false;
    m_comm->reset();
    return true;
}

bool CDeviceComm::sendCommand(std::string line, COMM::SResponseInform* response)
{
    if (line.size() > static_cast<size_t>(kMaxLineLength)) {
        SYS_DEBUG(DEBUG_MSG_ERROR, "Line of %zu characters refused, at most %d fit a package", line.size(),
                  kMaxLineLength);
        return false;
    }
    COMM::STxPackage package;
    std::memcpy(package.data, line.data(), line.size());
    size_t length = line.size();
    if (m_wifiConfig.systemMode() == WiFiScope::WIFI_SYS_MODE_SENTENCE)
        package.data[length++] = '\r';
    package.data[length++] = '\n';
    package.length = static_cast<int32_t>(length);
    package.skipIfSame = false;
    package.seriesFlag = false;
    package.gapMs = kLineGapMs;
    package.createdMs = Portal::Time::Clock::msecsSinceStart();
    if (response != nullptr)
        package.response = *response;
    return appendToCommQ(package);
}

bool CDeviceComm::appendToCommQ(COMM::STxPackage& package)
{
    QMutexLocker locker(&m_commMutex);
    if (m_comm == nullptr)
        return false;
    m_comm->appendToTxPackageQ(package, true);
    return true;
}

void CDeviceComm::switchRawDataType(COMM::RAWDATA_TYPE type)
{
    QMutexLocker locker(&m_commMutex);
    if (m_comm != nullptr)
        m_comm->setRawDataType(type);
}

void CDeviceComm::setSystemMode(int eWiFiMode, const char* line)
{
    const bool config = eWiFiMode == WiFiScope::WIFI_SYS_MODE_CONFIG;
    if (eWiFiMode != m_wifiConfig.systemMode()) {
        if (line != nullptr)
            SYS_DEBUG(DEBUG_MSG_INFO, "Change WiFi Sys Mode:%d, %s", config ? 1 : 0, line);
        else
            SYS_DEBUG(DEBUG_MSG_INFO, "Change WiFi Sys Mode:%d", config ? 1 : 0);
    }
    switchRawDataType(config ? COMM::RAWDATA_MESSAGE : COMM::RAWDATA_SENTENCE);
    m_wifiConfig.setSystemMode(config ? WiFiScope::WIFI_SYS_MODE_CONFIG : WiFiScope::WIFI_SYS_MODE_SENTENCE);
}

bool CDeviceComm::checkWiFiMode(char* line)
{
    const bool config = CXQDWiFiPaser::checkCfgModeEnable(line);
    setSystemMode(config ? WiFiScope::WIFI_SYS_MODE_CONFIG : WiFiScope::WIFI_SYS_MODE_SENTENCE, line);
    return config;
}

void CDeviceComm::initDevConfigInfo()
{
    m_sentenceHandle.initConfigInfo();
    m_gpsInfo.initGpsInfo();
    if (m_targetInfo != nullptr)
        m_targetInfo->reset();
}

void CDeviceComm::initDevDiagnoseInfo()
{
    m_sentenceHandle.initDiagnoseInfo();
}

void CDeviceComm::updateSensorInfoPerSec()
{
    if (m_targetInfo == nullptr)
        return;
    m_targetInfo->updateOwnVslData();
    m_targetInfo->calTargetSourcePivotScreenPoint(SensorScope::Target::TARGET_SOURCE_AIS);
    m_targetInfo->calTargetSourcePivotScreenPoint(SensorScope::Target::TARGET_SOURCE_ARPA);
    m_targetInfo->updateAllTargetMeasureValue();
    // Stations not heard for the table's delete time (600 s) leave it, so that the vessel lists
    // show the stations around and the table does not grow for as long as the program runs.
    m_targetInfo->updateAllTargetNaviStatusFlag();
    m_targetInfo->doAisTargetsInspection();
}

void CDeviceComm::onRxSentence(void* sender, char cCommType)
{
    m_sentenceHandle.sentenceProc(static_cast<COMM::CServiceComm*>(sender), static_cast<COMM::COMM_TYPE>(cCommType));
}

void CDeviceComm::onRxMsg(void* sender, char)
{
    auto* link = static_cast<COMM::CServiceComm*>(sender);
    if (link == nullptr || link->getRawDataHandle() == nullptr || !link->isEnable())
        return;
    COMM::CRawDataHandle* queues = link->getRawDataHandle();
    const QString text = queues->takeLogText();
    if (!text.isEmpty())
        emit signalRxLogMsg(sender, text);
    QByteArray line;
    while (queues->queueNextMessage(&line)) {
        if (checkWiFiMode(line.data()))
            m_wifiConfig.cmdProc(line.constData());
        else
            SYS_DEBUG(DEBUG_MSG_INFO, "checkWiFiMode Fail:%s", line.constData());
    }
}

void CDeviceComm::onFillGpsData(int, int iSentenceFmt, bool bCheckGpsSignal, bool bPlayLog)
{
    m_gpsInfo.fillGpsData(iSentenceFmt, bCheckGpsSignal, bPlayLog);
}

void CDeviceComm::onFillAisOwnData(int iI62Listener)
{
    if (m_targetInfo != nullptr)
        m_targetInfo->fillAisOwnData(static_cast<SensorScope::SENSOR_I62_LISTENER>(iI62Listener));
}

void CDeviceComm::onFillAisTargetData(uint iTargetMmsi)
{
    if (iTargetMmsi != 0 && m_targetInfo != nullptr)
        m_targetInfo->fillAisTargetData(iTargetMmsi);
}

void CDeviceComm::onWiFiCfgModeEnable(int eWiFiMode)
{
    setSystemMode(eWiFiMode == WiFiScope::WIFI_SYS_MODE_CONFIG ? WiFiScope::WIFI_SYS_MODE_CONFIG
                                                              : WiFiScope::WIFI_SYS_MODE_SENTENCE,
                  nullptr);
}
