#include "CommSpace.h"

#include "CommData.h"
#include "CommProfile.h"
#include "LogListener.h"
#include "NetworkSocket.h"
#include "NetworkTcp.h"
#include "SerialPort.h"
#include "services/SysDebug.h"
#include "services/Thread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMutexLocker>
#include <algorithm>
#include <vector>

using COMM::CCommData;
using COMM::CServiceComm;
using COMM::SCommConntProfile;

namespace {

bool isLostSerial(const CCommData* link)
{
    return link->getCommType() == COMM::COMM_TYPE_SERIAL && link->getSerialPort() != nullptr &&
           link->getSerialPort()->isPortLost();
}

} // namespace

CCommSpace::CCommSpace(bool enableLog, QObject* parent) : QObject(parent), m_enableLog(enableLog)
{
    setObjectName("CommSpaces");
    qRegisterMetaType<COMM::CCommData*>("COMM::CCommData*");
    qRegisterMetaType<COMM::CLogListener*>("COMM::CLogListener*");
}

CCommSpace::~CCommSpace()
{
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s Start", objectName().toUtf8().constData());
    disconnect();
    if (m_thread != nullptr) {
        m_thread->disconnect();
        delete m_thread; // sets its stop flag, wakes its waiters, ends its loop and joins it
        m_thread = nullptr;
    }
    m_logListener = nullptr;
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s End", objectName().toUtf8().constData());
    // Empty after end(); a manager that was never ended still frees what it holds.
    clearCommItems();
    delete m_pendingSave;
    m_pendingSave = nullptr;
}

QThread* CCommSpace::getThread() const
{
    return m_thread;
}

void CCommSpace::setWaitLimits(int requestMs, int endMs)
{
    m_requestWaitLimitMs = requestMs;
    m_endWaitLimitMs = endMs;
}

// ---- Lifecycle ----------------------------------------------------------------------

bool CCommSpace::initCommSpaceTh()
{
    if (m_thread != nullptr) {
        SYS_DEBUG(DEBUG_MSG_ERROR, "The thread is already exist.");
        return false;
    }
    m_thread = new CThread(nullptr, true);
    m_thread->setObjectName(kThreadName);
    m_timer.moveToThread(m_thread);
    commInitThreadReady(m_thread);
    connect(m_thread, SIGNAL(started()), this, SLOT(onCommThStarted()), Qt::DirectConnection);
    connect(m_thread, SIGNAL(finished()), this, SLOT(onCommThFinished()), Qt::DirectConnection);
    m_thread->start(QThread::InheritPriority);
    return true;
}

void CCommSpace::onCommThStarted()
{
    SYS_DEBUG(DEBUG_MSG_INFO, "%s Thread Started, Thread:%s", objectName().toUtf8().constData(),
              QThread::currentThread()->objectName().toUtf8().constData());
    initCommConnt();
    m_timer.setInterval(kTickMs);
    connect(&m_timer, SIGNAL(timeout()), this, SLOT(onTimerOne()), Qt::DirectConnection);
    m_timer.start();
}

// On the manager thread as it finishes, its loop ended: the timer and the links' ports belong to
// this thread, so they are stopped and deleted here, never from the thread that joins it.
void CCommSpace::onCommThFinished()
{
    m_timer.stop();
    if (m_releaseRequested && !m_released)
        releaseOnThread();
}

void CCommSpace::initCommConnt()
{
    SYS_DEBUG(DEBUG_MSG_INFO, "%s", "");
    readCommConnectAll();
    const std::list<CCommData*> links = m_commList;
    for (CCommData* link : links)
        connectSetup(link);
    commInitCommConnt();
    emit signalCommConntReady();
}

void CCommSpace::readCommConnectAll()
{
    if (m_enableLog)
        buildCommLog();
    readCommConnect();
    commReadCommConnect();
}

void CCommSpace::writeCommConnectAll()
{
    writeCommConnect();
    commWriteCommConnect();
}

void CCommSpace::end()
{
    m_releaseRequested = true;
    if (m_thread == nullptr)
        return;
    QElapsedTimer asked;
    asked.start();
    const int limitMs = m_endWaitLimitMs;
    int waitedMs = 0;
    while (!m_released && waitedMs < limitMs) {
        QCoreApplication::processEvents();
        SYS_DEBUG(DEBUG_MSG_INFO, "Waiting for stop timer and clear CommList");
        QThread::msleep(kEndPollMs);
        waitedMs += kEndPollMs;
    }
    const bool late = !m_released;
    if (late)
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Stop timer and clear CommList not done in %d ms; ending %s", waitedMs,
                  kThreadName);
    // A tick still running ends first; no later tick starts, and what no tick released the thread
    // releases as it finishes. Whoever called end() may then delete what the thread used.
    m_thread->quit();
    m_thread->wait();
    if (late)
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "%s ended %lld ms after the release was asked", kThreadName,
                  static_cast<long long>(asked.elapsed()));
}

void CCommSpace::releaseTh()
{
    commReleaseTh();
}

void CCommSpace::setEnvPath(QString path)
{
    m_envPath = path;
}

// ---- Requests -----------------------------------------------------------------------

QMutex* CCommSpace::slotMutex()
{
    return m_thread != nullptr ? &m_thread->mutex() : nullptr;
}

bool CCommSpace::fillSaveSlot(const SCommConntProfile& profile)
{
    const int limitMs = m_requestWaitLimitMs;
    for (int waitedMs = 0;; waitedMs += kRequestPollMs) {
        {
            QMutexLocker locker(slotMutex());
            if (m_pendingSave == nullptr) {
                m_pendingSave = new SCommConntProfile(profile);
                return true;
            }
        }
        // Only the manager thread empties the slot: it never waits for itself.
        if (waitedMs >= limitMs || QThread::currentThread() == m_thread) {
            SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Open request slot taken for %d ms; request dropped", waitedMs);
            return false;
        }
        QThread::msleep(kRequestPollMs);
    }
}

bool CCommSpace::fillDeleteSlot(CCommData* link, uint64_t serial, bool keep)
{
    const int limitMs = m_requestWaitLimitMs;
    for (int waitedMs = 0;; waitedMs += kRequestPollMs) {
        {
            QMutexLocker locker(slotMutex());
            if (m_pendingDelete == nullptr) {
                m_pendingDelete = link;
                m_pendingDeleteSerial = serial;
                m_pendingDeleteKeep = keep;
                return true;
            }
        }
        if (waitedMs >= limitMs || QThread::currentThread() == m_thread) {
            SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Close request slot taken for %d ms; request dropped", waitedMs);
            return false;
        }
        QThread::msleep(kRequestPollMs);
    }
}

bool CCommSpace::parkForDelete(CCommData* link)
{
    QMutexLocker locker(slotMutex());
    if (m_pendingDelete != nullptr)
        return false;
    m_pendingDelete = link;
    m_pendingDeleteSerial = link->getCommSerial();
    m_pendingDeleteKeep = false;
    return true;
}

void CCommSpace::saveComm(SCommConntProfile& profile)
{
    emit signalCommDataSave();
    fillSaveSlot(profile);
}

void CCommSpace::setNewCommProfileCmd(SCommConntProfile& profile)
{
    fillSaveSlot(profile);
}

void CCommSpace::deleteComm(CCommData* link)
{
    deleteComm(link, listedSerial(link));
}

void CCommSpace::deleteComm(CCommData* link, uint64_t serial)
{
    // A dropped request announces nothing.
    if (fillDeleteSlot(link, serial, false))
        emit signalCommDataDelete(link);
}

void CCommSpace::setCommReleaseCmd(CCommData* link, bool keep)
{
    // The re-create mark is set on the manager thread, once the link is known to be listed.
    fillDeleteSlot(link, listedSerial(link), keep);
}

void CCommSpace::clearNewCommProfileCmd()
{
    QMutexLocker locker(slotMutex());
    delete m_pendingSave;
    m_pendingSave = nullptr;
}

void CCommSpace::clearCommReleaseCmd()
{
    QMutexLocker locker(slotMutex());
    m_pendingDelete = nullptr;
    m_pendingDeleteSerial = 0;
    m_pendingDeleteKeep = false;
}

bool CCommSpace::isConnecting()
{
    QMutexLocker locker(slotMutex());
    return m_pendingSave != nullptr;
}

bool CCommSpace::isDisconnecting()
{
    QMutexLocker locker(slotMutex());
    return m_pendingDelete != nullptr;
}

// ---- Registry -----------------------------------------------------------------------

CCommData* CCommSpace::getCommData(CServiceComm* transport, uint64_t* serial)
{
    if (serial != nullptr)
        *serial = 0;
    if (transport == nullptr)
        return nullptr;
    QMutexLocker locker(&m_listMutex);
    auto found = std::find_if(m_commList.begin(), m_commList.end(),
                              [transport](CCommData* link) { return link->getServiceComm() == transport; });
    if (found == m_commList.end())
        return nullptr;
    if (serial != nullptr)
        *serial = (*found)->getCommSerial();
    return *found;
}

uint64_t CCommSpace::listedSerial(CCommData* link)
{
    QMutexLocker locker(&m_listMutex);
    const bool listed = link != nullptr && std::find(m_commList.begin(), m_commList.end(), link) != m_commList.end();
    return listed ? link->getCommSerial() : 0;
}

bool CCommSpace::isCommListed(CCommData* link)
{
    QMutexLocker locker(&m_listMutex);
    return link != nullptr && std::find(m_commList.begin(), m_commList.end(), link) != m_commList.end();
}

int CCommSpace::commCount()
{
    QMutexLocker locker(&m_listMutex);
    return static_cast<int>(m_commList.size());
}

void CCommSpace::appendCommItem(CCommData* link)
{
    QMutexLocker locker(&m_listMutex);
    m_commList.push_back(link);
}

CServiceComm* CCommSpace::connectSensorComm(SCommConntProfile profile)
{
    const auto sensor = static_cast<COMM::SENSOR_DEVICE_T>(profile.ConntSetting.SensorType);
    CCommData* link = nullptr;
    CServiceComm* transport = nullptr;
    switch (profile.CommType) {
    case COMM::COMM_TYPE_NETWORK: {
        const auto socket = static_cast<COMM::SOCKET_TYPE>(profile.Config.Network.SocketType);
        if (profile.Config.Network.SocketType > COMM::SOCKET_UDP_CLIENT)
            return nullptr;
        link = new CCommData;
        COMM::CNetworkSocket* holder = link->createNetworkSocket(
            profile, COMM::GetRawDataTypeBasisSensor(sensor, COMM::COMM_TYPE_NETWORK, socket));
        transport = holder != nullptr ? holder->getSocketService() : nullptr;
        break;
    }
    case COMM::COMM_TYPE_SERIAL:
        link = new CCommData;
        transport = link->createSerialPort(
            profile, COMM::GetRawDataTypeBasisSensor(sensor, COMM::COMM_TYPE_SERIAL, COMM::SOCKET_TCP_SERVER));
        break;
    case COMM::COMM_TYPE_LOG:
        if (m_logListener == nullptr) {
            link = new CCommData;
            COMM::CLogListener* listener = link->createLog(
                profile, COMM::GetRawDataTypeBasisSensor(sensor, COMM::COMM_TYPE_NETWORK, COMM::SOCKET_TYPE(-1)));
            if (listener == nullptr) {
                delete link;
                return nullptr;
            }
            appendCommItem(link);
            m_logListener = listener;
            emit signalCommLogReady(listener);
        }
        return nullptr;
    default:
        return nullptr;
    }
    if (transport == nullptr) {
        delete link;
        return nullptr;
    }
    appendCommItem(link);
    return transport;
}

CServiceComm* CCommSpace::connectComm(SCommConntProfile profile)
{
    CServiceComm* transport = connectSensorComm(profile);
    if (transport != nullptr) {
        transport->setEnable(true);
        if (transport->isConnected())
            emit signalCommConnted(getCommData(transport));
    }
    return transport;
}

COMM::CLogListener* CCommSpace::connectLog(SCommConntProfile profile)
{
    CCommData* link = new CCommData;
    COMM::CLogListener* listener = link->createLog(
        profile, COMM::GetRawDataTypeBasisSensor(static_cast<COMM::SENSOR_DEVICE_T>(profile.ConntSetting.SensorType),
                                                 COMM::COMM_TYPE_NETWORK, COMM::SOCKET_TYPE(-1)));
    if (listener == nullptr) {
        delete link;
        return nullptr;
    }
    appendCommItem(link);
    emit signalCommLogReady(listener);
    return listener;
}

void CCommSpace::buildCommLog()
{
    SCommConntProfile profile;
    profile.ConntSetting =
        COMM::BuildConntLink(COMM::SENSOR_DEVICE_T(2), L"I62Log", COMM::PRIMARY_POS_UNSET, false);
    profile.ConntSetting.SplitLines = false;
    profile.CommType = COMM::COMM_TYPE_LOG;
    profile.Config.Log = COMM::BuildLogConfig(COMM::LOG_MODE_REPLAY);
    profile.DebugConfig.DebugIsString = true;
    profile.DebugConfig.DebugMsgOut = 0;
    if (profile.ConntSetting.SensorType != COMM::SENSOR_DEVICE_KIND_4)
        connectComm(profile);
}

void CCommSpace::saveCommData(SCommConntProfile* profile)
{
    if (profile == nullptr)
        return;
    CServiceComm* transport =
        profile->ConntSetting.SensorType == COMM::SENSOR_DEVICE_KIND_4 ? nullptr : connectComm(*profile);
    CCommData* link = getCommData(transport);
    connectSetup(link);
    commCommDataSaved(link);
    emit signalCommDataSaved();
}

void CCommSpace::deleteCommData(CCommData* link)
{
    // A link parked by a request may have been deleted since by the repair or give-up step.
    if (!isCommListed(link))
        return;
    if (CServiceComm* transport = link->getServiceComm())
        transport->disconnect();
    commDeleteCommData(link);
    deleteCommItem(link);
    commCommDataDeleted();
    emit signalCommDataDeleted();
}

void CCommSpace::deleteCommItem(CCommData* link)
{
    if (!isCommListed(link))
        return;
    SYS_DEBUG(DEBUG_MSG_INFO, "%s", link->getSetupInfo().c_str());
    if (CServiceComm* transport = link->getServiceComm())
        transport->disconnect();
    {
        QMutexLocker locker(&m_listMutex);
        m_commList.remove(link);
    }
    if (link->getLogListener() != nullptr && link->getLogListener() == m_logListener)
        m_logListener = nullptr;
    delete link;
}

void CCommSpace::clearCommItems()
{
    std::list<CCommData*> links;
    {
        QMutexLocker locker(&m_listMutex);
        links.swap(m_commList);
    }
    for (CCommData* link : links) {
        if (CServiceComm* transport = link->getServiceComm())
            transport->disconnect();
        delete link;
    }
    m_logListener = nullptr;
}

void CCommSpace::connectSetup(CCommData* link)
{
    if (link == nullptr) {
        SYS_DEBUG(DEBUG_MSG_ERROR, "Communication is empty.");
        return;
    }
    commConnectSetup(link);
}

bool CCommSpace::reconntComm(CCommData* link)
{
    if (link == nullptr)
        return false;
    bool connected = false;
    if (link->getCommType() == COMM::COMM_TYPE_NETWORK) {
        connected = link->getNetworkSocket() != nullptr && link->getNetworkSocket()->enableSocket(false);
    } else if (link->getCommType() == COMM::COMM_TYPE_SERIAL) {
        // A lost port is closed for good: only a new request makes a new link for the device.
        connected = link->getSerialPort() != nullptr && !isLostSerial(link) && link->getSerialPort()->connectPort();
    }
    if (!connected)
        return false;
    SYS_DEBUG(DEBUG_MSG_INFO, "%s", link->getSetupInfo().c_str());
    emit signalCommConnted(link);
    return true;
}

bool CCommSpace::matchCommExceptConnt(CCommData* link, CServiceComm* except)
{
    if (link == nullptr || !link->matchExceptConnt(true, true, true))
        return false;
    return !(except != nullptr && link->getServiceComm() == except);
}

void CCommSpace::autoAdjustPrimaryDevPos()
{
    std::vector<CServiceComm*> candidates;
    CServiceComm* primary = nullptr;
    for (CCommData* link : m_commList) {
        if (link->matchExceptConnt(true, true, true))
            continue;
        CServiceComm* transport = link->getServiceComm();
        candidates.push_back(transport);
        if (static_cast<int32_t>(transport->getConntSetting().DevPrimaryPos) == COMM::PRIMARY_POS_PRIMARY)
            primary = transport;
    }
    for (CServiceComm* transport : candidates) {
        if (primary == nullptr)
            transport->setConntPrimaryPosDev(COMM::PRIMARY_POS_DEFAULT);
        else
            transport->setConntPrimaryPosDev(transport == primary ? COMM::PRIMARY_POS_PRIMARY
                                                                  : COMM::PRIMARY_POS_SECONDARY);
    }
}

// ---- The tick -----------------------------------------------------------------------

void CCommSpace::onTimerOne()
{
    repairComm();
    inspectCommData();
    if (m_releaseRequested) {
        releaseOnThread();
        return;
    }
    if (m_commList.empty())
        return;
    updateFailedConnt();
    commCycleChecking();
}

void CCommSpace::releaseOnThread()
{
    m_timer.stop();
    commReleaseTh();
    clearCommItems();
    m_released = true;
}

void CCommSpace::repairComm()
{
    for (CCommData* link : m_commList) {
        // With the slot taken the link waits for a later tick; the reconnection pass
        // leaves it alone meanwhile.
        if (isLostSerial(link))
            parkForDelete(link);
    }
}

void CCommSpace::inspectCommData()
{
    CCommData* link;
    uint64_t serial;
    bool keep;
    {
        QMutexLocker locker(slotMutex());
        link = m_pendingDelete;
        serial = m_pendingDeleteSerial;
        keep = m_pendingDeleteKeep;
        m_pendingDelete = nullptr;
        m_pendingDeleteSerial = 0;
        m_pendingDeleteKeep = false;
    }
    // A request names the link it was made for: one deleted since, whose address a new
    // link may have taken, is not that new link.
    if (link != nullptr && serial != 0 && listedSerial(link) == serial) {
        if (keep)
            link->keepComm();
        SCommConntProfile recreate;
        if (link->isKeepComm())
            recreate = link->getProfile();
        deleteCommData(link);
        // Opened again at once from its own profile: no waiting for the open slot.
        if (recreate.CommType != COMM::COMM_TYPE_NONE)
            saveCommData(&recreate);
    }

    SCommConntProfile* profile;
    {
        QMutexLocker locker(slotMutex());
        profile = m_pendingSave;
        m_pendingSave = nullptr;
    }
    if (profile != nullptr) {
        saveCommData(profile);
        delete profile;
    }
}

bool CCommSpace::isConnectedForReconnt(CCommData* link)
{
    if (link->getCommType() == COMM::COMM_TYPE_NETWORK && link->getSocketType() == COMM::SOCKET_TCP_SERVER)
        return link->getNetworkSocket()->getTcp()->isListening();
    return link->getServiceComm()->isConnected();
}

void CCommSpace::updateFailedConnt()
{
    const int count = static_cast<int>(m_commList.size());
    if (m_reConntCursor >= count)
        m_reConntCursor = 0;
    ++m_reConntCursor;

    CCommData* attempt = nullptr;
    int position = 0;
    for (CCommData* link : m_commList) {
        ++position;
        if (link->matchExceptConnt(true, true, true) || isLostSerial(link)) {
            if (m_reConntCursor <= position)
                ++m_reConntCursor;
            continue;
        }
        if (position != m_reConntCursor)
            continue;
        if (isConnectedForReconnt(link)) {
            ++m_reConntCursor;
            link->getServiceComm()->updateLostTime();
            continue;
        }
        attempt = link;
        break;
    }
    if (attempt == nullptr) {
        m_reConntCursor = 0;
        return;
    }
    if (reconntComm(attempt)) {
        attempt->resetReConntedCount();
        return;
    }
    if (attempt->getReConntTimes() == 0)
        return;
    attempt->increaseReConntedCount();
    // With the slot taken the link stays at its limit and is parked by a later pass.
    if (attempt->getReConntedCount() >= attempt->getReConntTimes() && parkForDelete(attempt))
        emit signalCommDataDelete(attempt);
}
