#include "comm/NetworkUdp.h"
#include "comm_test_support.h"

#include "WaitFor.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

using COMM::CNetworkUdp;
using TestSupport::waitFor;

namespace {

constexpr int kLimitMs = 5000;

auto makeUdp(int socketType, const std::string& ip, int port)
{
    return makeNetworkTransport<CNetworkUdp>(socketType, ip, port);
}

} // namespace

TEST(NetworkUdp, ContentTextNamesRoleAddressAndPort)
{
    EXPECT_EQ(makeUdp(COMM::SOCKET_UDP_SERVER, "", 2000)->getContent(), "UDP Server :2000");
    EXPECT_EQ(makeUdp(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", 2001)->getContent(), "UDP Client 127.0.0.1:2001");
}

TEST(NetworkUdp, ServerQueuesEveryDatagramAndSignalsOncePerBurst)
{
    const int port = freeUdpPort();
    auto server = makeUdp(COMM::SOCKET_UDP_SERVER, "127.0.0.1", port);
    EXPECT_FALSE(server->isConnected());
    char address[] = "127.0.0.1";
    ASSERT_TRUE(server->serverBind(address, port));
    EXPECT_TRUE(server->isConnected());
    int announced = 0;
    QObject::connect(server.get(), &COMM::CServiceComm::signalRxSentence, [&announced]() { ++announced; });

    QUdpSocket peer;
    for (const char* datagram : {"$A\r\n", "$B\r\n", "$C\r\n"})
        peer.writeDatagram(datagram, static_cast<qint64>(std::strlen(datagram)), QHostAddress::LocalHost,
                           static_cast<quint16>(port));
    std::vector<std::string> sentences;
    ASSERT_TRUE(waitFor(
        [&]() {
            for (const std::string& s : takeSentences(server.get()))
                sentences.push_back(s);
            return sentences.size() == 3;
        },
        kLimitMs));
    EXPECT_EQ(sentences, (std::vector<std::string>{"$A\r\n", "$B\r\n", "$C\r\n"}));
    EXPECT_EQ(announced, 1);

    // An empty datagram last in its burst: the one before it stays queued unannounced.
    peer.writeDatagram("$D\r\n", 4, QHostAddress::LocalHost, static_cast<quint16>(port));
    peer.writeDatagram("", 0, QHostAddress::LocalHost, static_cast<quint16>(port));
    std::string sentence;
    ASSERT_TRUE(waitFor([&]() { return server->getRawDataHandle()->queueNextSentence(&sentence); }, kLimitMs));
    EXPECT_EQ(sentence, "$D\r\n");
    EXPECT_EQ(announced, 1);
}

TEST(NetworkUdp, ClientSendsToItsAddressAndHearsTheReplies)
{
    QUdpSocket peer;
    ASSERT_TRUE(peer.bind(QHostAddress(QHostAddress::LocalHost), 0));
    auto client = makeUdp(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", peer.localPort());
    EXPECT_TRUE(client->isConnected()); // connectionless

    EXPECT_TRUE(client->commTxPackageSender(makePackage("$UP\r\n")));
    ASSERT_TRUE(waitFor([&]() { return peer.hasPendingDatagrams(); }, kLimitMs));
    const QNetworkDatagram up = peer.receiveDatagram();
    EXPECT_EQ(up.data(), "$UP\r\n");

    peer.writeDatagram("$DOWN\r\n", up.senderAddress(), static_cast<quint16>(up.senderPort()));
    std::string sentence;
    ASSERT_TRUE(waitFor([&]() { return client->getRawDataHandle()->queueNextSentence(&sentence); }, kLimitMs));
    EXPECT_EQ(sentence, "$DOWN\r\n");

    // Nobody listens there, and the package still counts as sent.
    auto nowhere = makeUdp(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", freeUdpPort());
    EXPECT_TRUE(nowhere->commTxPackageSender(makePackage("$LOST\r\n")));
}
