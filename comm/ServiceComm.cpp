#include "ServiceComm.h"

#include "services/PortalTime.h"
#include "services/SysDebug.h"

#include <QMutexLocker>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace COMM {

namespace {

long long nowMs()
{
    return Portal::Time::Clock::msecsSinceStart();
}

bool sameBytes(const STxPackage& a, const STxPackage& b)
{
    return a.length == b.length && std::memcmp(a.data, b.data, static_cast<size_t>(a.length)) == 0;
}

} // namespace

CServiceComm::CServiceComm(COMM_CONNT_SETTING setting, RAWDATA_TYPE type)
    : m_rawDataHandle(new CRawDataHandle), m_rawDataType(type), m_conntSetting(setting)
{
    m_stateTime = ::time(nullptr);
    m_rxTime = m_stateTime;
    timerSetup(true);
}

CServiceComm::~CServiceComm()
{
    timerSetup(false);
    disconnect();
    delete m_rawDataHandle;
    m_rawDataHandle = nullptr;
    m_txPackageQ.clear();
}

void CServiceComm::timerSetup(bool on)
{
    if (on && m_txTimer == nullptr) {
        m_txTimer = new QTimer;
        m_txTimer->setInterval(kTxTimerMs);
        connect(m_txTimer, SIGNAL(timeout()), this, SLOT(onTxDataTimer()));
        m_txTimer->start();
    } else if (!on && m_txTimer != nullptr) {
        m_txTimer->stop();
        m_txTimer->disconnect();
        delete m_txTimer;
        m_txTimer = nullptr;
    }
}

void CServiceComm::appendToTxPackageQ(STxPackage& pkg, bool toBack)
{
    if (!m_enable)
        return;
    if (!IsTxLengthValid(pkg)) {
        SYS_DEBUG(DEBUG_MSG_WARNING, "package length %d out of 0 to %d, refused", pkg.length, kTxPackageDataSize);
        return;
    }
    STxPackage copy = pkg;
    copy.response.awaitText[kAwaitTextSize - 1] = '\0';
    QMutexLocker locker(&m_mutex);
    if (toBack)
        m_txPackageQ.push_back(copy);
    else
        m_txPackageQ.push_front(copy);
}

void CServiceComm::copyToTxPackageQ(std::deque<STxPackage>& other, bool toBack)
{
    if (!m_enable)
        return;
    std::deque<STxPackage> accepted;
    for (const STxPackage& pkg : other) {
        if (!IsTxLengthValid(pkg)) {
            SYS_DEBUG(DEBUG_MSG_WARNING, "package length %d out of 0 to %d, refused", pkg.length, kTxPackageDataSize);
            continue;
        }
        accepted.push_back(pkg);
        accepted.back().response.awaitText[kAwaitTextSize - 1] = '\0';
    }
    QMutexLocker locker(&m_mutex);
    m_txPackageQ.insert(toBack ? m_txPackageQ.end() : m_txPackageQ.begin(), accepted.begin(), accepted.end());
}

void CServiceComm::reset()
{
    if (QThread::currentThread() == thread()) {
        resetTx();
        return;
    }
    // The queue is emptied now, so that packages queued after this call returns
    // survive; the reply wait belongs to the link's thread and is dropped by its next tick.
    std::deque<STxPackage> dropped;
    {
        QMutexLocker locker(&m_mutex);
        m_resetRequest = true;
        dropped.swap(m_txPackageQ);
    }
    QThread::msleep(kTxTimerMs);
}

void CServiceComm::release()
{
    reset();
}

void CServiceComm::clearTxPackage()
{
    std::deque<STxPackage> dropped;
    QMutexLocker locker(&m_mutex);
    dropped.swap(m_txPackageQ);
    locker.unlock();
}

void CServiceComm::resetTx()
{
    m_rawDataHandle->resetResponsePass();
    clearTxPackage();
    m_resetRequest = false;
}

void CServiceComm::rxPackageProc(QByteArray data, bool noSignal)
{
    QMutexLocker locker(&m_mutex);
    updateRxTime();
    if (data.isEmpty())
        return;
    const RAWDATA_TYPE type = getRawDataType();
    rawDataHandle(data, type);
    // Announced outside the lock: a receiver may queue a reply, change the raw-data type or
    // reset this link from within its slot.
    locker.unlock();
    if (!noSignal)
        rawDataDistribution(type);
}

void CServiceComm::rawDataHandle(QByteArray& data, RAWDATA_TYPE type)
{
    switch (type) {
    case RAWDATA_MESSAGE_1:
    case RAWDATA_MESSAGE_2:
    case RAWDATA_MESSAGE:
        if (m_enable) {
            m_rawDataHandle->appendToLogMsgQ(data);
            m_rawDataHandle->appendToMsgQ(data, m_conntSetting.SplitLines);
        }
        break;
    case RAWDATA_SENTENCE:
        if (m_enable) {
            m_rawDataHandle->appendToLogMsgQ(data);
            m_rawDataHandle->appendToSentQ(data);
        }
        break;
    case RAWDATA_BINARY:
        if (m_enable)
            m_rawDataHandle->appendToBinQ(data);
        break;
    case RAWDATA_COMMAND:
        if (m_enable)
            m_rawDataHandle->appendToCmdQ(data);
        break;
    default:
        return;
    }
    if (m_debugConfig.DebugMsgOut & DEBUG_OUT_RECEIVE)
        printMsg(data.constData(), data.size(), "receive");
}

void CServiceComm::rawDataDistribution(RAWDATA_TYPE type)
{
    const char commType = static_cast<char>(m_commType);
    switch (type) {
    case RAWDATA_MESSAGE_1:
    case RAWDATA_MESSAGE_2:
    case RAWDATA_MESSAGE:
        emit signalRxMessage(this, commType);
        break;
    case RAWDATA_SENTENCE:
        emit signalRxSentence(this, commType);
        break;
    case RAWDATA_BINARY:
        if (m_enable)
            emit signalRxBinData(this);
        break;
    case RAWDATA_COMMAND:
        if (m_enable)
            emit signalRxCmdData(this);
        break;
    default:
        break;
    }
}

void CServiceComm::onTxDataTimer()
{
    if (m_resetRequest) {
        // The queue was emptied by the requester.
        m_rawDataHandle->resetResponsePass();
        m_resetRequest = false;
        return;
    }
    txPackageSender();
}

void CServiceComm::txPackageSender()
{
    for (;;) {
        STxPackage pkg;
        {
            QMutexLocker locker(&m_mutex);
            if (m_txPackageQ.empty())
                return;
            pkg = m_txPackageQ.front();
        }
        if (checkTxWaiting(pkg))
            return;

        bool more;
        {
            QMutexLocker locker(&m_mutex);
            // A reset asked for meanwhile is served by the next tick first.
            if (m_txPackageQ.empty() || m_resetRequest)
                return;
            pkg = m_txPackageQ.front();
            m_txPackageQ.pop_front();
            more = !m_txPackageQ.empty();
        }

        if (checkTxPkg(pkg, nullptr, false)) {
            QMutexLocker locker(&m_mutex);
            const bool sent = commTxPackageSender(pkg);
            if (sent && pkg.response.timeoutMs > 0) {
                SResponseInform response = pkg.response;
                response.sentMs = nowMs();
                m_rawDataHandle->setResponseInform(response);
            }
            if (m_debugConfig.DebugMsgOut & DEBUG_OUT_SEND)
                printMsg(pkg.data, pkg.length, sent ? "send" : "failed to send");
            locker.unlock();
            m_lastTxMs = nowMs();
        }
        if (!more)
            return;
    }
}

bool CServiceComm::checkTxWaiting(const STxPackage& next)
{
    const long long now = nowMs();
    bool replyWait = false;
    const SResponseInform response = m_rawDataHandle->getResponseInform();
    if (response.timeoutMs > 0) {
        if (now - response.sentMs > response.timeoutMs)
            m_rawDataHandle->resetResponsePass();
        else
            replyWait = true;
    }
    const bool gapWait = now - m_lastTxMs < next.gapMs;
    return replyWait || gapWait;
}

bool CServiceComm::checkTxPkg(STxPackage& pkg, STxPackage* next, bool series)
{
    if (next != nullptr && series && next->seriesFlag)
        return false;
    if (!IsTxLengthValid(pkg))
        return false;
    if (pkg.skipIfSame && (pkg.length <= 0 || sameBytes(pkg, m_lastTxPackage)))
        return false;
    m_lastTxPackage = pkg;
    return true;
}

bool CServiceComm::isTxRequest()
{
    QMutexLocker locker(&m_mutex);
    return !m_txPackageQ.empty();
}

bool CServiceComm::queueNextTxPackage(STxPackage* out, bool pop)
{
    QMutexLocker locker(&m_mutex);
    if (m_txPackageQ.empty())
        return false;
    if (out != nullptr)
        *out = m_txPackageQ.front();
    if (pop)
        m_txPackageQ.pop_front();
    return true;
}

bool CServiceComm::queueSerialPackageLast(STxPackage* out)
{
    QMutexLocker locker(&m_mutex);
    while (!m_txPackageQ.empty()) {
        if (!m_txPackageQ.front().seriesFlag)
            return true;
        if (m_txPackageQ.size() == 1)
            return false;
        if (out != nullptr)
            *out = m_txPackageQ.front();
        m_txPackageQ.pop_front();
    }
    return true;
}

void CServiceComm::swapTxPackages(std::deque<STxPackage>* other)
{
    if (other == nullptr)
        return;
    QMutexLocker locker(&m_mutex);
    m_txPackageQ.swap(*other);
}

void CServiceComm::initial()
{
    delete m_rawDataHandle;
    m_rawDataHandle = new CRawDataHandle;
    m_enable = true;
    m_stateTime = ::time(nullptr);
    m_rxTime = m_stateTime;
    m_rxTimeMs = 0;
}

bool CServiceComm::checkTimeOut(long long seconds) const
{
    const long long now = static_cast<long long>(::time(nullptr));
    return std::llabs(now - static_cast<long long>(m_stateTime)) > seconds ||
           std::llabs(now - static_cast<long long>(m_rxTime)) > seconds;
}

void CServiceComm::updateConnected()
{
    m_connected = true;
    m_stateTime = ::time(nullptr);
    updateRxTime();
    connectSetup();
}

void CServiceComm::updateDisconnected()
{
    m_connected = false;
}

void CServiceComm::updateLostTime()
{
    m_stateTime = ::time(nullptr);
}

void CServiceComm::updateRxTime()
{
    m_rxTime = ::time(nullptr);
    m_rxTimeMs = nowMs();
}

void CServiceComm::updateRxDataSize(int n)
{
    if (n == -1)
        m_rxDataSize = 0;
    else
        m_rxDataSize += static_cast<uint32_t>(n);
}

void CServiceComm::setEnable(bool enable)
{
    m_enable = enable;
}

void CServiceComm::setContent(std::string content)
{
    m_content = std::move(content);
}

void CServiceComm::setRawDataType(RAWDATA_TYPE type)
{
    m_rawDataType = type;
}

void CServiceComm::setCommType(COMM_TYPE type)
{
    m_commType = type;
}

void CServiceComm::setConntPrimaryPosDev(PRIMARY_POS_DEV pos)
{
    m_conntSetting.DevPrimaryPos = static_cast<uint32_t>(pos);
}

void CServiceComm::setDebugConfig(const SDebugConfig& config)
{
    m_debugConfig = config;
}

void CServiceComm::printMsg(const char* data, int len, const std::string& tag)
{
    if (data == nullptr || len < 0)
        return;
    std::string payload;
    if (m_debugConfig.DebugIsString) {
        payload.assign(data, ::strnlen(data, static_cast<size_t>(len)));
    } else {
        payload.reserve(static_cast<size_t>(len) * 3);
        char hex[4];
        for (int i = 0; i < len; ++i) {
            std::snprintf(hex, sizeof(hex), "%02X ", static_cast<unsigned char>(data[i]));
            payload += hex;
        }
    }
    SYS_DEBUG(DEBUG_MSG_INFO, "%s %s", tag.c_str(), payload.c_str());
}

void CServiceComm::connectSetup()
{}

bool CServiceComm::isConnected()
{
    return true;
}

bool CServiceComm::commTxPackageSender(STxPackage /*pkg*/)
{
    return false;
}

} // namespace COMM
