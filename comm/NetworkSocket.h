#pragma once

#include "comm/CommDefine.h"
#include "services/AbstractSysDebug.h"

#include <QAbstractSocket>
#include <QObject>
#include <string>

namespace COMM {

class CNetworkTcp;
class CNetworkUdp;
class CServiceComm;

// The network side of one link: holds the one transport its socket type calls for
// (TCP or UDP, server or client), starts it, and turns the socket's state changes and
// errors into log lines and connected or disconnected notices for the transport.
class CNetworkSocket : public QObject
{
    Q_OBJECT

public:
    CNetworkSocket(COMM_CONNT_SETTING setting, SNetworkConntConfig config, RAWDATA_TYPE type);
    ~CNetworkSocket() override;

    // first: the start at creation (waits for a TCP connection, wires the watch once);
    // false: a restart by the manager.
    bool enableSocket(bool first);
    void connectSetup();

    CServiceComm* getSocketService() const;
    QAbstractSocket* getSocketInstance() const;
    SOCKET_TYPE getSocketType() const { return static_cast<SOCKET_TYPE>(m_networkConfig.SocketType); }
    bool isEnabled() const;
    void setDebugConfig(const SDebugConfig& config);
    std::string ip();
    std::string port();

    CNetworkTcp* getTcp() const { return m_tcp; }
    CNetworkUdp* getUdp() const { return m_udp; }
    const SNetworkConntConfig& getNetworkConfig() const { return m_networkConfig; }

public slots:
    void onConnected();
    void onDisconnected();
    void onError(QAbstractSocket::SocketError socketError);
    void onStateHandler(QAbstractSocket::SocketState state);

private:
    void enableSocketEnd(bool first, bool result);
    void logSocketText(DEBUG_MSG_LEVEL level, const char* text);

    CNetworkTcp* m_tcp = nullptr;
    CNetworkUdp* m_udp = nullptr;
    SNetworkConntConfig m_networkConfig;
};

} // namespace COMM
