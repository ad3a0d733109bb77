#pragma once

#include "comm/ServiceComm.h"

#include <string>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace COMM {

// The transport of a TCP link. A server listens on every local address, keeps the
// clients that are connected and sends each package to all of them; a client connects
// to one address. Whatever any socket reads goes whole into the common receive path.
class CNetworkTcp : public CServiceComm
{
    Q_OBJECT

public:
    CNetworkTcp(COMM_CONNT_SETTING setting, SNetworkConntConfig config, RAWDATA_TYPE type, SOCKET_ROLE role);
    ~CNetworkTcp() override;

    void connectSetup() override;
    bool isConnected() override;
    SCommConntProfile getProfile() override;
    bool commTxPackageSender(STxPackage pkg) override;

    bool isListening() const;
    bool serverListen(int port);
    bool connectSocket(std::string ip, int port, bool wait);
    void disconnectSocket();

    bool txServerDataSender(const char* data, int len);
    bool txClientDataSender(const char* data, int len);
    bool writeDataSender(QTcpSocket* socket, const char* data, int len);
    void serverBindClientSetup(QTcpSocket* socket, bool on);
    void freeServerBindClients();

    SOCKET_ROLE getRole() const { return m_role; }
    const SNetworkConntConfig& getNetworkConfig() const { return m_networkConfig; }
    QTcpSocket* getClientSocket() const { return m_clientSocket; }
    int getServerClientCount() const { return static_cast<int>(m_serverClients.size()); }

signals:
    void signalServerNewClient(QTcpSocket* poSocket);

public slots:
    void onServerDataRx();
    void onServerDataTx(qint64 oBytes);
    void onClientDataRx();
    void onClientDataTx(qint64 oBytes);
    void onServerNewClientConnect();
    void onServerClientDisconnected();

private:
    SOCKET_ROLE m_role;
    SNetworkConntConfig m_networkConfig;
    QTcpServer* m_server = nullptr;
    std::vector<QTcpSocket*> m_serverClients;
    QTcpSocket* m_clientSocket = nullptr;
};

} // namespace COMM
