#pragma once

#include "comm/ServiceComm.h"

#include <string>

class QUdpSocket;

namespace COMM {

// The transport of a UDP link. A server binds a local port, reads every datagram that
// arrives and broadcasts each package on its own port number; a client sends each
// package to the configured address. Every datagram read goes whole into the receive path.
class CNetworkUdp : public CServiceComm
{
    Q_OBJECT

public:
    static constexpr const char* kBroadcastAddress = "255.255.255.255";

    CNetworkUdp(COMM_CONNT_SETTING setting, SNetworkConntConfig config, RAWDATA_TYPE type, SOCKET_ROLE role);
    ~CNetworkUdp() override;

    void connectSetup() override;
    bool isConnected() override;
    SCommConntProfile getProfile() override;
    bool commTxPackageSender(STxPackage pkg) override;

    bool serverBind(int port);
    bool serverBind(char* ip, int port);
    void writeDataSender(SOCKET_ROLE role, const char* data, int length, std::string host, int port);
    bool txServerDataSender(const char* data, int length);
    bool txClientDataSender(const char* data, int length);

    SOCKET_ROLE getRole() const { return m_role; }
    const SNetworkConntConfig& getNetworkConfig() const { return m_networkConfig; }
    QUdpSocket* getBindSocket() const { return m_bindSocket; }
    QUdpSocket* getClientSocket() const { return m_clientSocket; }

public slots:
    void onDataReceiver();

private:
    QUdpSocket* roleSocket() const;

    SOCKET_ROLE m_role;
    SNetworkConntConfig m_networkConfig;
    QUdpSocket* m_bindSocket = nullptr;
    QUdpSocket* m_clientSocket = nullptr;
};

} // namespace COMM
