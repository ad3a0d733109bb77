#include "comm/CommData.h"
#include "comm/LogListener.h"
#include "comm/NetworkSocket.h"
#include "comm/SerialPort.h"
#include "comm_test_support.h"

#include "PtyPeer.h"

#include <gtest/gtest.h>

using COMM::CCommData;

TEST(CommData, SerialLinkIsMadeOnceAndDescribedByPortAndBaud)
{
    TestSupport::PtyPeer peer;
    const COMM::SCommConntProfile profile = makeSerialProfile(peer.slavePath(), false);
    CCommData link;
    COMM::CSerialPort* port = link.createSerialPort(profile, COMM::RAWDATA_SENTENCE);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(link.getCommType(), COMM::COMM_TYPE_SERIAL);
    // Not active: created closed and disabled.
    EXPECT_FALSE(port->isConnected());
    EXPECT_FALSE(port->isEnable());
    EXPECT_EQ(link.createSerialPort(profile, COMM::RAWDATA_SENTENCE), nullptr);
    EXPECT_EQ(link.getSerialPort(), port);
    EXPECT_EQ(link.getServiceComm(), port);
    EXPECT_EQ(link.getSetupInfo(), peer.slavePath().toStdString() + " 115200");
    const COMM::SCommConntProfile back = link.getProfile();
    EXPECT_EQ(back.CommType, COMM::COMM_TYPE_SERIAL);
    EXPECT_STREQ(back.Config.Serial.PortName, profile.Config.Serial.PortName);

    CCommData active;
    ASSERT_NE(active.createSerialPort(makeSerialProfile(peer.slavePath(), true), COMM::RAWDATA_SENTENCE), nullptr);
    EXPECT_TRUE(active.getSerialPort()->isConnected());
}

TEST(CommData, NetworkLinkWithoutTransportIsNotMade)
{
    CCommData link;
    EXPECT_EQ(link.createNetworkSocket(makeNetworkProfile(-1, "127.0.0.1", 2000), COMM::RAWDATA_SENTENCE), nullptr);
    EXPECT_EQ(link.getCommType(), COMM::COMM_TYPE_NONE);
    EXPECT_EQ(link.getServiceComm(), nullptr);
    EXPECT_EQ(link.getSetupInfo(), "");
    EXPECT_EQ(link.getProfile().CommType, COMM::COMM_TYPE_NONE);
}

TEST(CommData, NetworkLinkProfileOnlyOnceItsSocketExists)
{
    CCommData server;
    ASSERT_NE(server.createNetworkSocket(makeNetworkProfile(COMM::SOCKET_TCP_SERVER, "0.0.0.0", freeTcpPort(), false),
                                         COMM::RAWDATA_SENTENCE),
              nullptr);
    EXPECT_EQ(server.getSocketType(), COMM::SOCKET_TCP_SERVER);
    EXPECT_EQ(server.getProfile().CommType, COMM::COMM_TYPE_NONE); // not listening
    EXPECT_EQ(server.getSetupInfo(), " ");
    ASSERT_TRUE(server.getNetworkSocket()->enableSocket(true));
    EXPECT_EQ(server.getProfile().CommType, COMM::COMM_TYPE_NETWORK);

    CCommData client;
    ASSERT_NE(client.createNetworkSocket(makeNetworkProfile(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", 4001),
                                         COMM::RAWDATA_SENTENCE),
              nullptr);
    EXPECT_EQ(client.getProfile().Config.Network.SocketType, static_cast<uint32_t>(COMM::SOCKET_UDP_CLIENT));
}

TEST(CommData, LogLinkGivesTheEmptyProfile)
{
    CCommData link;
    COMM::CLogListener* listener = link.createLog(makeLogProfile(), COMM::RAWDATA_SENTENCE);
    ASSERT_NE(listener, nullptr);
    EXPECT_EQ(link.createLog(makeLogProfile(), COMM::RAWDATA_SENTENCE), nullptr);
    EXPECT_EQ(link.getCommType(), COMM::COMM_TYPE_LOG);
    EXPECT_EQ(link.getProfile().CommType, COMM::COMM_TYPE_NONE);
    EXPECT_EQ(link.getSetupInfo(), "");
}

TEST(CommData, ReconnectionLeavesOutLogLinksAndSomeDeviceKindFourSockets)
{
    struct Case
    {
        COMM::SCommConntProfile profile;
        bool excluded;
    };
    const Case cases[] = {
        {makeLogProfile(), true},
        {makeSerialProfile("/dev/kelvora-no-such-port", false), false},
        {makeNetworkProfile(COMM::SOCKET_TCP_CLIENT, "127.0.0.1", 1, false), false},
        {makeNetworkProfile(COMM::SOCKET_TCP_CLIENT, "127.0.0.1", 1, false, COMM::SENSOR_DEVICE_KIND_4), true},
        {makeNetworkProfile(COMM::SOCKET_UDP_SERVER, "127.0.0.1", 1, false, COMM::SENSOR_DEVICE_KIND_4), true},
        {makeNetworkProfile(COMM::SOCKET_TCP_SERVER, "127.0.0.1", 1, false, COMM::SENSOR_DEVICE_KIND_4), false},
        {makeNetworkProfile(COMM::SOCKET_UDP_CLIENT, "127.0.0.1", 1, false, COMM::SENSOR_DEVICE_KIND_4), false},
    };
    int i = 0;
    for (const Case& c : cases) {
        CCommData link;
        if (c.profile.CommType == COMM::COMM_TYPE_LOG)
            link.createLog(c.profile, COMM::RAWDATA_SENTENCE);
        else if (c.profile.CommType == COMM::COMM_TYPE_SERIAL)
            link.createSerialPort(c.profile, COMM::RAWDATA_SENTENCE);
        else
            link.createNetworkSocket(c.profile, COMM::RAWDATA_SENTENCE);
        EXPECT_EQ(link.matchExceptConnt(true, true, true), c.excluded) << i;
        ++i;
    }
    CCommData empty;
    EXPECT_TRUE(empty.matchExceptConnt(false, false, false)); // no transport
}

TEST(CommData, FailedCountHoldsAtItsTop)
{
    CCommData link;
    for (int i = 0; i < 300; ++i)
        link.increaseReConntedCount();
    EXPECT_EQ(link.getReConntedCount(), 255);
    link.resetReConntedCount();
    EXPECT_EQ(link.getReConntedCount(), 0);
}
