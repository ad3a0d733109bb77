#include "CommData.h"

#include "CommProfile.h"
#include "LogListener.h"
#include "NetworkSocket.h"
#include "NetworkTcp.h"
#include "NetworkUdp.h"
#include "SerialPort.h"
#include "services/SysDebug.h"

#include <atomic>

namespace COMM {

namespace {
std::atomic<uint64_t> g_nextSerial{1};
} // namespace

CCommData::CCommData() : m_serial(g_nextSerial++) {}

CCommData::~CCommData()
{
    delete m_serialPort;
    m_serialPort = nullptr;
    delete m_networkSocket;
    m_networkSocket = nullptr;
    delete m_logListener;
    m_logListener = nullptr;
}

CSerialPort* CCommData::createSerialPort(const SCommConntProfile& profile, const RAWDATA_TYPE type)
{
    if (m_serialPort != nullptr)
        return nullptr;
    m_serialPort = new CSerialPort(profile.ConntSetting, profile.Config.Serial, type);
    SYS_DEBUG(DEBUG_MSG_INFO, "Serial Port:%s, Baud Rate:%d", m_serialPort->getSerialConfig().PortName,
              GetBaudRate(profile.Config.Serial.BaudIndex));
    m_serialPort->setDebugConfig(profile.DebugConfig);
    // A port that does not open now is left to the manager's reconnection.
    if (profile.ConntSetting.Active)
        m_serialPort->connectPort();
    m_commType = COMM_TYPE_SERIAL;
    return m_serialPort;
}

CNetworkSocket* CCommData::createNetworkSocket(const SCommConntProfile& profile, const RAWDATA_TYPE type)
{
    if (m_networkSocket != nullptr)
        return nullptr;
    CNetworkSocket* holder = new CNetworkSocket(profile.ConntSetting, profile.Config.Network, type);
    holder->setDebugConfig(profile.DebugConfig);
    CServiceComm* service = holder->getSocketService();
    if (service == nullptr) {
        delete holder;
        return nullptr;
    }
    m_networkSocket = holder;
    SYS_DEBUG(DEBUG_MSG_INFO, "%s", service->getContent().c_str());
    if (profile.ConntSetting.Active)
        m_networkSocket->enableSocket(true);
    m_commType = COMM_TYPE_NETWORK;
    m_socketType = static_cast<int32_t>(profile.Config.Network.SocketType);
    return m_networkSocket;
}

CLogListener* CCommData::createLog(const SCommConntProfile& profile, const RAWDATA_TYPE type)
{
    if (m_logListener != nullptr)
        return nullptr;
    m_logListener = new CLogListener(profile.ConntSetting, profile.Config.Log, type);
    m_logListener->setDebugConfig(profile.DebugConfig);
    m_commType = COMM_TYPE_LOG;
    return m_logListener;
}

CServiceComm* CCommData::getServiceComm() const
{
    switch (m_commType) {
    case COMM_TYPE_SERIAL:
        return m_serialPort;
    case COMM_TYPE_NETWORK:
        return m_networkSocket != nullptr ? m_networkSocket->getSocketService() : nullptr;
    case COMM_TYPE_LOG:
        return m_logListener;
    default:
        return nullptr;
    }
}

SCommConntProfile CCommData::getProfile()
{
    if (m_commType == COMM_TYPE_SERIAL && m_serialPort != nullptr)
        return m_serialPort->getProfile();
    if (m_commType == COMM_TYPE_NETWORK && m_networkSocket != nullptr) {
        // Only a transport that made its socket can be re-created from what it holds.
        switch (m_socketType) {
        case SOCKET_TCP_SERVER:
        case SOCKET_TCP_CLIENT: {
            CNetworkTcp* tcp = m_networkSocket->getTcp();
            const bool made = tcp != nullptr && (m_socketType == SOCKET_TCP_SERVER ? tcp->isListening()
                                                                                    : tcp->getClientSocket() != nullptr);
            if (made)
                return tcp->getProfile();
            break;
        }
        case SOCKET_UDP_SERVER:
        case SOCKET_UDP_CLIENT:
            if (m_networkSocket->getSocketInstance() != nullptr)
                return m_networkSocket->getUdp()->getProfile();
            break;
        default:
            break;
        }
    }
    return SCommConntProfile();
}

std::string CCommData::getSetupInfo()
{
    if (m_commType == COMM_TYPE_SERIAL && m_serialPort != nullptr) {
        const SSerialConntConfig& config = m_serialPort->getSerialConfig();
        return std::string(config.PortName) + " " + std::to_string(GetBaudRate(config.BaudIndex));
    }
    if (m_commType == COMM_TYPE_NETWORK && m_networkSocket != nullptr && m_networkSocket->getSocketService() != nullptr)
        return m_networkSocket->ip() + " " + m_networkSocket->port();
    return std::string();
}

bool CCommData::matchExceptConnt(bool exceptLog, bool exceptTcpClient, bool exceptUdpServer)
{
    if (m_commType == COMM_TYPE_LOG && exceptLog)
        return true;
    const CServiceComm* service = getServiceComm();
    if (service == nullptr)
        return true;
    if (service->getConntSetting().SensorType != SENSOR_DEVICE_KIND_4)
        return false;
    return (exceptTcpClient && m_socketType == SOCKET_TCP_CLIENT) ||
           (exceptUdpServer && m_socketType == SOCKET_UDP_SERVER);
}

void CCommData::increaseReConntedCount()
{
    if (m_reConntedCount < 0xFF)
        ++m_reConntedCount;
}

} // namespace COMM
