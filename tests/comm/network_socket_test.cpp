#include "comm/CommData.h"
#include "comm/NetworkSocket.h"
#include "comm/NetworkTcp.h"
#include "comm/NetworkUdp.h"
#include "comm_test_support.h"

#include "WaitFor.h"

#include <QTcpSocket>
#include <gtest/gtest.h>
#include <memory>

using COMM::CNetworkSocket;
using TestSupport::waitFor;

namespace {

constexpr int kLimitMs = 5000;

auto makeHolder(int socketType, const std::string& ip, int port)
{
    return makeNetworkTransport<CNetworkSocket>(socketType, ip, port);
}

int countAt(const LogProbe& log, const std::string& part, DEBUG_MSG_LEVEL level)
{
    int n = 0;
    for (const SDebugMsgData& record : log.records())
        n += record.level == level && record.text.find(part) != std::string::npos;
    return n;
}

const char* const kRefused = "(Error)QAbstractSocket::ConnectionRefusedError";

} // namespace

TEST(NetworkSocket, SocketTypeChoosesTransportAndRole)
{
    struct Case
    {
        int socketType;
        bool tcp;
        bool udp;
        bool instance;
    };
    const Case cases[] = {
        {COMM::SOCKET_TCP_SERVER, true, false, false},
        {COMM::SOCKET_TCP_CLIENT, true, false, true},
        {COMM::SOCKET_UDP_SERVER, false, true, true},
        {COMM::SOCKET_UDP_CLIENT, false, true, true},
        {4, false, false, false},
    };
    for (const Case& c : cases) {
        auto holder = makeHolder(c.socketType, "127.0.0.1", 2000);
        EXPECT_EQ(holder->getTcp() != nullptr, c.tcp) << c.socketType;
        EXPECT_EQ(holder->getUdp() != nullptr, c.udp) << c.socketType;
        EXPECT_EQ(holder->getSocketInstance() != nullptr, c.instance) << c.socketType;
        EXPECT_EQ(holder->getSocketService() != nullptr, c.tcp || c.udp) << c.socketType;
    }
    EXPECT_EQ(makeHolder(COMM::SOCKET_TCP_SERVER, "", 1)->getTcp()->getRole(), COMM::SOCKET_ROLE_SERVER);
    EXPECT_EQ(makeHolder(COMM::SOCKET_UDP_CLIENT, "", 1)->getUdp()->getRole(), COMM::SOCKET_ROLE_CLIENT);
}

TEST(NetworkSocket, RefusedConnectionLogsItsTextAndClosesTheSocket)
{
    const int port = freeTcpPort(); // nothing listens there
    auto holder = makeHolder(COMM::SOCKET_TCP_CLIENT, "127.0.0.1", port);
    LogProbe log;
    EXPECT_FALSE(holder->enableSocket(true));
    ASSERT_TRUE(waitFor([&]() { return log.count(kRefused) == 1; }, kLimitMs));
    EXPECT_EQ(holder->getSocketInstance()->state(), QAbstractSocket::UnconnectedState);
    EXPECT_FALSE(holder->getSocketInstance()->isOpen());
    EXPECT_EQ(countAt(log, "NET, TCP Client 127.0.0.1:" + std::to_string(port) + ", " + kRefused, DEBUG_MSG_WARNING),
              1);
    EXPECT_EQ(countAt(log, "TCP client connect to 127.0.0.1:" + std::to_string(port) + " is failed", DEBUG_MSG_INFO),
              1);
    // The attempt's states come before the connection: deep.
    EXPECT_GE(countAt(log, "(State)2 The socket has started establishing a connection.", DEBUG_MSG_DEEP), 1);
    EXPECT_GE(countAt(log, "(State)0 The socket is not connected.", DEBUG_MSG_DEEP), 1);

    // A restart does not wire the watch again: one refusal line per attempt.
    EXPECT_FALSE(holder->enableSocket(false));
    ASSERT_TRUE(waitFor([&]() { return log.count(kRefused) >= 2; }, kLimitMs));
    EXPECT_FALSE(waitFor([&]() { return log.count(kRefused) > 2; }, 300));
    EXPECT_EQ(countAt(log, "TCP client connect to 127.0.0.1:" + std::to_string(port) + " is failed", DEBUG_MSG_DEEP), 1);
}

TEST(NetworkSocket, ConnectedNoticeMarksTheTransportConnected)
{
    QTcpServer peer;
    ASSERT_TRUE(peer.listen(QHostAddress::LocalHost, 0));
    auto holder = makeHolder(COMM::SOCKET_TCP_CLIENT, "127.0.0.1", peer.serverPort());
    LogProbe log;
    EXPECT_TRUE(holder->enableSocket(true));
    EXPECT_TRUE(holder->getTcp()->getConnectedFlag());
    EXPECT_TRUE(holder->isEnabled());
    EXPECT_EQ(countAt(log, "(State)3 A connection is established.", DEBUG_MSG_INFO), 1);
    EXPECT_EQ(holder->ip(), "127.0.0.1");
    EXPECT_EQ(holder->port(), std::to_string(peer.serverPort()));
}

TEST(NetworkSocket, StartLinesAndSetupTextsByRole)
{
    LogProbe log;
    // A UDP client needs no start: success, and no start line.
    auto udpClient = makeHolder(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", freeUdpPort());
    EXPECT_TRUE(udpClient->enableSocket(true));
    EXPECT_EQ(log.count("UDP"), 0);

    const int udpPort = freeUdpPort();
    auto udpServer = makeHolder(COMM::SOCKET_UDP_SERVER, "127.0.0.1", udpPort);
    EXPECT_TRUE(udpServer->enableSocket(true));
    EXPECT_EQ(countAt(log, "UDP server bind the 127.0.0.1:" + std::to_string(udpPort) + " is success", DEBUG_MSG_INFO),
              1);
    EXPECT_TRUE(udpServer->getUdp()->isConnected());

    // A TCP server has no socket to watch: no state lines, and empty address texts.
    LogProbe tcpLog;
    const int tcpPort = freeTcpPort();
    auto tcpServer = makeHolder(COMM::SOCKET_TCP_SERVER, "0.0.0.0", tcpPort);
    EXPECT_TRUE(tcpServer->enableSocket(true));
    EXPECT_EQ(countAt(tcpLog, "TCP server listen the " + std::to_string(tcpPort) + " is success", DEBUG_MSG_INFO), 1);
    EXPECT_EQ(tcpLog.count("(State)"), 0);
    EXPECT_EQ(tcpServer->ip(), "");
    EXPECT_EQ(tcpServer->port(), "");
}
