#include "NetworkUdp.h"

#include "NetworkTransport.h"
#include "services/SysDebug.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QUdpSocket>

namespace COMM {

CNetworkUdp::CNetworkUdp(COMM_CONNT_SETTING setting, SNetworkConntConfig config, RAWDATA_TYPE type, SOCKET_ROLE role)
    : CServiceComm(setting, type), m_role(role), m_networkConfig(config)
{
    SetupNetworkTransport(this, m_networkConfig, "UDP", m_networkConfig.SocketType == SOCKET_UDP_SERVER);
    if (m_role == SOCKET_ROLE_CLIENT)
        m_clientSocket = new QUdpSocket(this);
    else if (m_role == SOCKET_ROLE_SERVER)
        m_bindSocket = new QUdpSocket(this);
    connectSetup();
}

CNetworkUdp::~CNetworkUdp()
{
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s Start", objectName().toUtf8().constData());
    disconnect();
    for (QUdpSocket* socket : {m_bindSocket, m_clientSocket}) {
        if (socket == nullptr)
            continue;
        while (socket->hasPendingDatagrams())
            socket->receiveDatagram();
        socket->disconnect();
    }
    delete m_bindSocket;
    m_bindSocket = nullptr;
    delete m_clientSocket;
    m_clientSocket = nullptr;
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s End", objectName().toUtf8().constData());
}

QUdpSocket* CNetworkUdp::roleSocket() const
{
    if (m_role == SOCKET_ROLE_SERVER)
        return m_bindSocket;
    if (m_role == SOCKET_ROLE_CLIENT)
        return m_clientSocket;
    return nullptr;
}

void CNetworkUdp::connectSetup()
{
    QUdpSocket* socket = roleSocket();
    if (socket != nullptr)
        connect(socket, SIGNAL(readyRead()), this, SLOT(onDataReceiver()), Qt::UniqueConnection);
}

bool CNetworkUdp::isConnected()
{
    if (m_role == SOCKET_ROLE_CLIENT)
        return true; // connectionless
    return m_bindSocket != nullptr && m_bindSocket->state() == QAbstractSocket::BoundState && m_bindSocket->isValid();
}

SCommConntProfile CNetworkUdp::getProfile()
{
    return BuildNetworkProfile(*this, m_networkConfig);
}

bool CNetworkUdp::serverBind(int port)
{
    if (m_bindSocket == nullptr)
        return false;
    return m_bindSocket->bind(QHostAddress::Any, static_cast<quint16>(port), QAbstractSocket::ShareAddress);
}

bool CNetworkUdp::serverBind(char* ip, int port)
{
    if (m_bindSocket == nullptr || ip == nullptr)
        return false;
    return m_bindSocket->bind(QHostAddress(QString::fromLatin1(ip)), static_cast<quint16>(port),
                              QAbstractSocket::DontShareAddress);
}

void CNetworkUdp::writeDataSender(SOCKET_ROLE role, const char* data, int length, std::string host, int port)
{
    QUdpSocket* socket = role == SOCKET_ROLE_SERVER ? m_bindSocket : role == SOCKET_ROLE_CLIENT ? m_clientSocket : nullptr;
    if (socket == nullptr || data == nullptr || length < 0)
        return;
    socket->writeDatagram(data, length, QHostAddress(QString::fromUtf8(host.c_str())), static_cast<quint16>(port));
}

bool CNetworkUdp::txServerDataSender(const char* data, int length)
{
    if (data == nullptr)
        return false;
    writeDataSender(SOCKET_ROLE_SERVER, data, length, kBroadcastAddress, static_cast<int>(m_networkConfig.Port));
    return true;
}

bool CNetworkUdp::txClientDataSender(const char* data, int length)
{
    if (data == nullptr)
        return false;
    writeDataSender(SOCKET_ROLE_CLIENT, data, length, m_networkConfig.IpAddress, static_cast<int>(m_networkConfig.Port));
    return true;
}

bool CNetworkUdp::commTxPackageSender(STxPackage pkg)
{
    if (!IsTxLengthValid(pkg))
        return false;
    if (getDebugConfig().DebugMsgOut & DEBUG_OUT_SEND) {
        QUdpSocket* socket = roleSocket();
        const QString address = socket != nullptr ? socket->peerAddress().toString() : QString();
        const int port = socket != nullptr ? socket->peerPort() : 0;
        printMsg(pkg.data, pkg.length, NetworkSenderTag(address, port));
    }
    if (m_role == SOCKET_ROLE_SERVER)
        return txServerDataSender(pkg.data, pkg.length);
    if (m_role == SOCKET_ROLE_CLIENT)
        return txClientDataSender(pkg.data, pkg.length);
    return false;
}

void CNetworkUdp::onDataReceiver()
{
    QUdpSocket* socket = roleSocket();
    if (socket == nullptr)
        return;
    while (socket->hasPendingDatagrams()) {
        const qint64 size = socket->pendingDatagramSize();
        QByteArray datagram(static_cast<int>(size > 0 ? size : 0), '\0');
        QHostAddress from;
        quint16 fromPort = 0;
        const qint64 read = socket->readDatagram(datagram.data(), datagram.size(), &from, &fromPort);
        datagram.resize(static_cast<int>(read > 0 ? read : 0));
        // One announcement per burst: only the last datagram of those pending together signals.
        rxPackageProc(datagram, socket->hasPendingDatagrams());
    }
}

} // namespace COMM
