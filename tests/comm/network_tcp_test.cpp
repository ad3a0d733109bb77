#include "comm/NetworkTcp.h"
#include "comm_test_support.h"

#include "WaitFor.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <memory>

using COMM::CNetworkTcp;
using TestSupport::waitFor;

namespace {

constexpr int kLimitMs = 5000;

auto makeTcp(int socketType, const std::string& ip, int port)
{
    return makeNetworkTransport<CNetworkTcp>(socketType, ip, port);
}

QByteArray readUntil(QTcpSocket& socket, const QByteArray& needle)
{
    QByteArray seen;
    waitFor(
        [&]() {
            seen += socket.readAll();
            return seen.contains(needle);
        },
        kLimitMs);
    return seen;
}

} // namespace

TEST(NetworkTcp, ContentTextNamesRoleAddressAndPort)
{
    EXPECT_EQ(makeTcp(COMM::SOCKET_TCP_CLIENT, "10.0.0.5", 4001)->getContent(), "TCP Client 10.0.0.5:4001");
    EXPECT_EQ(makeTcp(COMM::SOCKET_TCP_SERVER, "0.0.0.0", 2000)->getContent(), "TCP Server 0.0.0.0:2000");
    auto server = makeTcp(COMM::SOCKET_TCP_SERVER, "0.0.0.0", 2000);
    EXPECT_EQ(server->getCommType(), COMM::COMM_TYPE_NETWORK);
    EXPECT_EQ(server->objectName(), "NET");
    EXPECT_EQ(server->getProfile().Config.Network.Port, 2000u);
}

TEST(NetworkTcp, ServerCarriesBothWaysAndDropsClientsThatLeave)
{
    const int port = freeTcpPort();
    auto server = makeTcp(COMM::SOCKET_TCP_SERVER, "192.168.1.20", port);
    // Nobody to send to yet: reported as sent.
    EXPECT_TRUE(server->commTxPackageSender(makePackage("$NONE\r\n")));
    ASSERT_TRUE(server->serverListen(port)); // every local address, whatever the configured one
    EXPECT_TRUE(server->isListening());
    EXPECT_FALSE(server->isConnected());

    QTcpSocket first;
    QTcpSocket second;
    first.connectToHost("127.0.0.1", static_cast<quint16>(port));
    second.connectToHost("127.0.0.1", static_cast<quint16>(port));
    ASSERT_TRUE(waitFor([&]() { return server->getServerClientCount() == 2; }, kLimitMs));

    first.write("$FIRST\r\n");
    second.write("$SECOND\r\n");
    std::vector<std::string> sentences;
    ASSERT_TRUE(waitFor(
        [&]() {
            for (const std::string& s : takeSentences(server.get()))
                sentences.push_back(s);
            return sentences.size() == 2;
        },
        kLimitMs));
    std::sort(sentences.begin(), sentences.end());
    EXPECT_EQ(sentences, (std::vector<std::string>{"$FIRST\r\n", "$SECOND\r\n"}));

    EXPECT_TRUE(server->commTxPackageSender(makePackage("$TOALL\r\n")));
    EXPECT_TRUE(readUntil(first, "$TOALL\r\n").contains("$TOALL"));
    EXPECT_TRUE(readUntil(second, "$TOALL\r\n").contains("$TOALL"));

    // The list shrinks as clients leave, and what is sent still reaches those left.
    first.disconnectFromHost();
    ASSERT_TRUE(waitFor([&]() { return server->getServerClientCount() == 1; }, kLimitMs));
    EXPECT_TRUE(server->commTxPackageSender(makePackage("$LEFT\r\n")));
    EXPECT_TRUE(readUntil(second, "$LEFT\r\n").contains("$LEFT"));
    second.abort();
    ASSERT_TRUE(waitFor([&]() { return server->getServerClientCount() == 0; }, kLimitMs));
}

TEST(NetworkTcp, ClientConnectsWithoutWaitingAndCarriesBothWays)
{
    QTcpServer peer;
    ASSERT_TRUE(peer.listen(QHostAddress::LocalHost, 0));
    auto client = makeTcp(COMM::SOCKET_TCP_CLIENT, "127.0.0.1", peer.serverPort());
    EXPECT_FALSE(client->isConnected());
    EXPECT_FALSE(client->commTxPackageSender(makePackage("$EARLY\r\n")));

    // Without waiting the connection is still being made; asking again starts nothing.
    EXPECT_FALSE(client->connectSocket("127.0.0.1", peer.serverPort(), false));
    EXPECT_FALSE(client->connectSocket("127.0.0.1", peer.serverPort(), false));
    ASSERT_TRUE(waitFor([&]() { return client->isConnected() && peer.hasPendingConnections(); }, kLimitMs));
    std::unique_ptr<QTcpSocket> far(peer.nextPendingConnection());
    ASSERT_TRUE(waitFor([&]() { return !peer.hasPendingConnections(); }, kLimitMs));

    EXPECT_TRUE(client->commTxPackageSender(makePackage("$UP\r\n")));
    EXPECT_TRUE(readUntil(*far, "$UP\r\n").contains("$UP"));
    far->write("$DOWN\r\n");
    std::vector<std::string> sentences;
    ASSERT_TRUE(waitFor(
        [&]() {
            for (const std::string& s : takeSentences(client.get()))
                sentences.push_back(s);
            return !sentences.empty();
        },
        kLimitMs));
    EXPECT_EQ(sentences, std::vector<std::string>{"$DOWN\r\n"});
}
