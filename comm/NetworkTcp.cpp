#include "NetworkTcp.h"

#include "NetworkTransport.h"
#include "services/SysDebug.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>

namespace COMM {

namespace {

constexpr int kConnectWaitMs = 1000;
constexpr int kDisconnectWaitMs = 30000;

// Reads and drops what a socket still holds, then cuts it off from every receiver.
void quietSocket(QTcpSocket* socket)
{
    if (socket == nullptr)
        return;
    socket->readAll();
    socket->disconnect();
}

} // namespace

CNetworkTcp::CNetworkTcp(COMM_CONNT_SETTING setting, SNetworkConntConfig config, RAWDATA_TYPE type, SOCKET_ROLE role)
    : CServiceComm(setting, type), m_role(role), m_networkConfig(config)
{
    SetupNetworkTransport(this, m_networkConfig, "TCP", m_networkConfig.SocketType == SOCKET_TCP_SERVER);
    if (m_role == SOCKET_ROLE_CLIENT)
        m_clientSocket = new QTcpSocket(this);
    else if (m_role == SOCKET_ROLE_SERVER)
        m_server = new QTcpServer(this);
    connectSetup();
}

CNetworkTcp::~CNetworkTcp()
{
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s Start", objectName().toUtf8().constData());
    freeServerBindClients();
    quietSocket(m_clientSocket);
    disconnect();
    delete m_server;
    m_server = nullptr;
    delete m_clientSocket;
    m_clientSocket = nullptr;
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s End", objectName().toUtf8().constData());
}

void CNetworkTcp::connectSetup()
{
    // Unique: the base runs this again each time the link reports connected.
    if (m_role == SOCKET_ROLE_SERVER && m_server != nullptr) {
        connect(m_server, SIGNAL(newConnection()), this, SLOT(onServerNewClientConnect()), Qt::UniqueConnection);
    } else if (m_role == SOCKET_ROLE_CLIENT && m_clientSocket != nullptr) {
        connect(m_clientSocket, SIGNAL(readyRead()), this, SLOT(onClientDataRx()), Qt::UniqueConnection);
        connect(m_clientSocket, SIGNAL(bytesWritten(qint64)), this, SLOT(onClientDataTx(qint64)),
                Qt::UniqueConnection);
    }
}

bool CNetworkTcp::isConnected()
{
    return m_role == SOCKET_ROLE_CLIENT && m_clientSocket != nullptr &&
           m_clientSocket->state() == QAbstractSocket::ConnectedState;
}

bool CNetworkTcp::isListening() const
{
    return m_role == SOCKET_ROLE_SERVER && m_server != nullptr && m_server->isListening();
}

SCommConntProfile CNetworkTcp::getProfile()
{
    return BuildNetworkProfile(*this, m_networkConfig);
}

bool CNetworkTcp::serverListen(int port)
{
    if (m_role != SOCKET_ROLE_SERVER || m_server == nullptr)
        return false;
    return m_server->listen(QHostAddress::Any, static_cast<quint16>(port));
}

bool CNetworkTcp::connectSocket(std::string ip, int port, bool wait)
{
    if (m_role != SOCKET_ROLE_CLIENT || m_clientSocket == nullptr)
        return false;
    // A socket already looking up, connecting or connected is left to finish.
    if (m_clientSocket->state() == QAbstractSocket::UnconnectedState) {
        m_clientSocket->abort();
        m_clientSocket->close();
        m_clientSocket->connectToHost(QString::fromUtf8(ip.c_str()), static_cast<quint16>(port), QIODevice::ReadWrite,
                                      QAbstractSocket::AnyIPProtocol);
    }
    if (wait)
        m_clientSocket->waitForConnected(kConnectWaitMs);
    return m_clientSocket->state() == QAbstractSocket::ConnectedState;
}

void CNetworkTcp::disconnectSocket()
{
    if (m_role == SOCKET_ROLE_CLIENT && m_clientSocket != nullptr) {
        m_clientSocket->disconnectFromHost();
        if (m_clientSocket->state() != QAbstractSocket::UnconnectedState)
            m_clientSocket->waitForDisconnected(kDisconnectWaitMs);
    } else if (m_role == SOCKET_ROLE_SERVER && m_server != nullptr) {
        m_server->disconnect();
    } else {
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Connection isn't exist");
    }
}

bool CNetworkTcp::commTxPackageSender(STxPackage pkg)
{
    if (!IsTxLengthValid(pkg))
        return false;
    if (getDebugConfig().DebugMsgOut & DEBUG_OUT_SEND) {
        // A server names no single peer: the trace shows its own listening port.
        QString address;
        int port = 0;
        if (m_clientSocket != nullptr) {
            address = m_clientSocket->peerAddress().toString();
            port = m_clientSocket->peerPort();
        } else if (m_server != nullptr) {
            port = m_server->serverPort();
        }
        printMsg(pkg.data, pkg.length, NetworkSenderTag(address, port));
    }
    if (m_role == SOCKET_ROLE_SERVER)
        return txServerDataSender(pkg.data, pkg.length);
    if (m_role == SOCKET_ROLE_CLIENT)
        return txClientDataSender(pkg.data, pkg.length);
    return false;
}

bool CNetworkTcp::txServerDataSender(const char* data, int len)
{
    bool all = true;
    for (QTcpSocket* client : m_serverClients) {
        if (!writeDataSender(client, data, len))
            all = false;
    }
    return all;
}

bool CNetworkTcp::txClientDataSender(const char* data, int len)
{
    return writeDataSender(m_clientSocket, data, len);
}

bool CNetworkTcp::writeDataSender(QTcpSocket* socket, const char* data, int len)
{
    if (socket == nullptr || data == nullptr || len < 0 || socket->state() != QAbstractSocket::ConnectedState)
        return false;
    socket->write(data, len);
    socket->flush();
    return true;
}

void CNetworkTcp::serverBindClientSetup(QTcpSocket* socket, bool on)
{
    if (socket == nullptr)
        return;
    if (on)
        connect(socket, SIGNAL(readyRead()), this, SLOT(onServerDataRx()), Qt::UniqueConnection);
    else
        disconnect(socket, SIGNAL(readyRead()), this, SLOT(onServerDataRx()));
}

void CNetworkTcp::freeServerBindClients()
{
    std::vector<QTcpSocket*> clients;
    clients.swap(m_serverClients);
    for (QTcpSocket* client : clients) {
        quietSocket(client);
        delete client;
    }
}

void CNetworkTcp::onServerNewClientConnect()
{
    while (m_server != nullptr && m_server->hasPendingConnections()) {
        QTcpSocket* client = m_server->nextPendingConnection();
        if (client == nullptr)
            break;
        m_serverClients.push_back(client);
        serverBindClientSetup(client, true);
        // A client that leaves is dropped, so the list holds only those still there.
        connect(client, SIGNAL(disconnected()), this, SLOT(onServerClientDisconnected()));
        SYS_DEBUG(DEBUG_MSG_INFO, "IP:%s, Port:%d", client->peerAddress().toString().toUtf8().constData(),
                  static_cast<int>(client->peerPort()));
        emit signalServerNewClient(client);
    }
}

void CNetworkTcp::onServerClientDisconnected()
{
    QTcpSocket* client = qobject_cast<QTcpSocket*>(sender());
    auto found = std::find(m_serverClients.begin(), m_serverClients.end(), client);
    if (found == m_serverClients.end())
        return;
    m_serverClients.erase(found);
    // The socket is inside its own signal: it goes once that has returned. What it read
    // before leaving is taken first.
    if (client->bytesAvailable() > 0)
        rxPackageProc(client->readAll(), false);
    client->disconnect(this);
    client->deleteLater();
}

void CNetworkTcp::onServerDataRx()
{
    QTcpSocket* socket = qobject_cast<QTcpSocket*>(sender());
    if (socket != nullptr)
        rxPackageProc(socket->readAll(), false);
}

void CNetworkTcp::onServerDataTx(qint64 /*oBytes*/)
{}

void CNetworkTcp::onClientDataRx()
{
    QTcpSocket* socket = qobject_cast<QTcpSocket*>(sender());
    if (socket != nullptr)
        rxPackageProc(socket->readAll(), false);
}

void CNetworkTcp::onClientDataTx(qint64 /*oBytes*/)
{}

} // namespace COMM
