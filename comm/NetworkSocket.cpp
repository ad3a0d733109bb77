#include "NetworkSocket.h"

#include "NetworkTcp.h"
#include "NetworkUdp.h"
#include "services/SysDebug.h"

#include <QTcpSocket>
#include <QUdpSocket>
#include <string>

namespace COMM {

namespace {

const char* const kStateTexts[] = {
    "(State)0 The socket is not connected.",
    "(State)1 The socket is performing a host name lookup.",
    "(State)2 The socket has started establishing a connection.",
    "(State)3 A connection is established.",
    "(State)4 The socket is bound to an address and port.",
    "(State)5 For internal use only.",
    "(State)6 The socket is about to close (data may still be waiting to be written).",
};
constexpr int kStateTextCount = static_cast<int>(sizeof(kStateTexts) / sizeof(kStateTexts[0]));

// Errors logged as warnings, with their own texts; any other is logged deep with Qt's words.
const char kRefusedText[] = "(Error)QAbstractSocket::ConnectionRefusedErrorThe connection was refused by the "
                           "peer.Make sure the fortune server is running,and check that the host name and port "
                           "settings are correct.";

const char* const kWarnedErrorTexts[] = {
    kRefusedText,
    "(Error)QAbstractSocket::RemoteHostClosedError",
    "(Error)QAbstractSocket::HostNotFoundErrorThe host was not foundPlease check the host name and port settings.",
};
constexpr int kWarnedErrorCount = static_cast<int>(sizeof(kWarnedErrorTexts) / sizeof(kWarnedErrorTexts[0]));

const char* resultText(bool result)
{
    return result ? "success" : "failed";
}

} // namespace

CNetworkSocket::CNetworkSocket(COMM_CONNT_SETTING setting, SNetworkConntConfig config, RAWDATA_TYPE type)
    : m_networkConfig(config)
{
    m_networkConfig.IpAddress[kIpAddressSize - 1] = '\0';
    const SOCKET_ROLE role = (config.SocketType == SOCKET_TCP_SERVER || config.SocketType == SOCKET_UDP_SERVER)
                                 ? SOCKET_ROLE_SERVER
                                 : SOCKET_ROLE_CLIENT;
    switch (config.SocketType) {
    case SOCKET_TCP_SERVER:
    case SOCKET_TCP_CLIENT:
        m_tcp = new CNetworkTcp(setting, m_networkConfig, type, role);
        break;
    case SOCKET_UDP_SERVER:
    case SOCKET_UDP_CLIENT:
        m_udp = new CNetworkUdp(setting, m_networkConfig, type, role);
        break;
    default:
        break;
    }
}

CNetworkSocket::~CNetworkSocket()
{
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s Start", objectName().toUtf8().constData());
    disconnect();
    QAbstractSocket* socket = getSocketInstance();
    if (socket != nullptr) {
        socket->disconnect();
        if (socket->isOpen())
            socket->readAll();
        socket->close();
    }
    delete m_tcp;
    m_tcp = nullptr;
    delete m_udp;
    m_udp = nullptr;
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s End", objectName().toUtf8().constData());
}

bool CNetworkSocket::enableSocket(bool first)
{
    if (first)
        connectSetup();
    bool result = false;
    switch (m_networkConfig.SocketType) {
    case SOCKET_TCP_SERVER:
        result = m_tcp != nullptr && m_tcp->serverListen(static_cast<int>(m_networkConfig.Port));
        break;
    case SOCKET_TCP_CLIENT:
        result = m_tcp != nullptr &&
                 m_tcp->connectSocket(m_networkConfig.IpAddress, static_cast<int>(m_networkConfig.Port), first);
        break;
    case SOCKET_UDP_SERVER:
        if (m_udp != nullptr) {
            result = m_networkConfig.IpAddress[0] == '\0'
                         ? m_udp->serverBind(static_cast<int>(m_networkConfig.Port))
                         : m_udp->serverBind(m_networkConfig.IpAddress, static_cast<int>(m_networkConfig.Port));
        }
        break;
    case SOCKET_UDP_CLIENT:
        return true; // nothing to start
    default:
        return false;
    }
    enableSocketEnd(first, result);
    return result;
}

void CNetworkSocket::enableSocketEnd(bool first, bool result)
{
    const DEBUG_MSG_LEVEL level = first ? DEBUG_MSG_INFO : DEBUG_MSG_DEEP;
    const int port = static_cast<int>(m_networkConfig.Port);
    switch (m_networkConfig.SocketType) {
    case SOCKET_TCP_SERVER:
        SYS_DEBUG(level, "TCP server listen the %d is %s", port, resultText(result));
        break;
    case SOCKET_TCP_CLIENT:
        SYS_DEBUG(level, "TCP client connect to %s:%d is %s", m_networkConfig.IpAddress, port, resultText(result));
        break;
    case SOCKET_UDP_SERVER:
        if (m_networkConfig.IpAddress[0] == '\0')
            SYS_DEBUG(level, "UDP server bind the local:%d is %s", port, resultText(result));
        else
            SYS_DEBUG(level, "UDP server bind the %s:%d is %s", m_networkConfig.IpAddress, port, resultText(result));
        break;
    default:
        break;
    }
}

void CNetworkSocket::connectSetup()
{
    if (m_networkConfig.SocketType == SOCKET_TCP_SERVER)
        return;
    QAbstractSocket* socket = getSocketInstance();
    if (socket == nullptr)
        return;
    connect(socket, SIGNAL(connected()), this, SLOT(onConnected()), Qt::UniqueConnection);
    connect(socket, SIGNAL(disconnected()), this, SLOT(onDisconnected()), Qt::UniqueConnection);
    connect(socket, SIGNAL(error(QAbstractSocket::SocketError)), this, SLOT(onError(QAbstractSocket::SocketError)),
            Qt::UniqueConnection);
    connect(socket, SIGNAL(stateChanged(QAbstractSocket::SocketState)), this,
            SLOT(onStateHandler(QAbstractSocket::SocketState)), Qt::UniqueConnection);
}

CServiceComm* CNetworkSocket::getSocketService() const
{
    switch (m_networkConfig.SocketType) {
    case SOCKET_TCP_SERVER:
    case SOCKET_TCP_CLIENT:
        return m_tcp;
    case SOCKET_UDP_SERVER:
    case SOCKET_UDP_CLIENT:
        return m_udp;
    default:
        return nullptr;
    }
}

QAbstractSocket* CNetworkSocket::getSocketInstance() const
{
    switch (m_networkConfig.SocketType) {
    case SOCKET_TCP_CLIENT:
        return m_tcp != nullptr ? m_tcp->getClientSocket() : nullptr;
    case SOCKET_UDP_SERVER:
        return m_udp != nullptr ? m_udp->getBindSocket() : nullptr;
    case SOCKET_UDP_CLIENT:
        return m_udp != nullptr ? m_udp->getClientSocket() : nullptr;
    default:
        return nullptr;
    }
}

bool CNetworkSocket::isEnabled() const
{
    switch (m_networkConfig.SocketType) {
    case SOCKET_TCP_SERVER:
        return m_tcp != nullptr && m_tcp->isListening();
    case SOCKET_TCP_CLIENT:
        return m_tcp != nullptr && m_tcp->isConnected();
    case SOCKET_UDP_SERVER:
    case SOCKET_UDP_CLIENT:
        return getSocketInstance() != nullptr;
    default:
        return false;
    }
}

void CNetworkSocket::setDebugConfig(const SDebugConfig& config)
{
    if (m_tcp != nullptr)
        m_tcp->setDebugConfig(config);
    if (m_udp != nullptr)
        m_udp->setDebugConfig(config);
}

std::string CNetworkSocket::ip()
{
    QAbstractSocket* socket = getSocketInstance();
    if (socket == nullptr)
        return std::string();
    const QByteArray local = socket->localAddress().toString().toUtf8();
    if (local != QByteArray(m_networkConfig.IpAddress))
        SYS_DEBUG(DEBUG_MSG_WARNING, "Network ip address is different. Socket IP:%s, Config IP:%s", local.constData(),
                  m_networkConfig.IpAddress);
    return m_networkConfig.IpAddress;
}

std::string CNetworkSocket::port()
{
    if (getSocketInstance() == nullptr)
        return std::string();
    return std::to_string(m_networkConfig.Port);
}

void CNetworkSocket::onConnected()
{
    if (CServiceComm* service = getSocketService())
        service->updateConnected();
}

void CNetworkSocket::onDisconnected()
{
    if (CServiceComm* service = getSocketService())
        service->updateDisconnected();
}

void CNetworkSocket::logSocketText(DEBUG_MSG_LEVEL level, const char* text)
{
    CServiceComm* service = getSocketService();
    if (service == nullptr)
        return;
    const QByteArray name = QString::fromWCharArray(service->getConntSetting().DevName).toUtf8();
    // Plain text: the socket's own words are never taken as a format.
    SYS_DEBUG(level, "%s, %s, %s", name.constData(), service->getContent().c_str(), text);
}

void CNetworkSocket::onError(QAbstractSocket::SocketError socketError)
{
    QAbstractSocket* socket = getSocketInstance();
    if (socket == nullptr)
        return;
    const int code = static_cast<int>(socketError);
    if (code >= 0 && code < kWarnedErrorCount) {
        if (socketError == QAbstractSocket::ConnectionRefusedError)
            socket->abort();
        logSocketText(DEBUG_MSG_WARNING, kWarnedErrorTexts[code]);
    } else {
        const std::string text = "(Error)The following error occurred:" + socket->errorString().toStdString();
        logSocketText(DEBUG_MSG_DEEP, text.c_str());
    }
    socket->close();
}

void CNetworkSocket::onStateHandler(QAbstractSocket::SocketState state)
{
    const int code = static_cast<int>(state);
    const char* text = code >= 0 && code < kStateTextCount ? kStateTexts[code] : "(State)Unknown";
    logSocketText(code <= QAbstractSocket::ConnectingState ? DEBUG_MSG_DEEP : DEBUG_MSG_INFO, text);
}

} // namespace COMM
