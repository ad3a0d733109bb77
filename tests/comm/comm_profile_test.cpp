#include "comm/CommProfile.h"

#include <gtest/gtest.h>
#include <string>

using namespace COMM;

TEST(CommProfile, TextsAreKeptWholeOrNotAtAll)
{
    const std::wstring name(31, L'n');
    EXPECT_EQ(std::wstring(BuildConntLink(SENSOR_DEVICE_KIND_8, name.c_str(), PRIMARY_POS_PRIMARY, true).DevName),
              name);
    EXPECT_EQ(BuildConntLink(SENSOR_DEVICE_TRANSPONDER, (name + L"n").c_str(), PRIMARY_POS_DEFAULT, false).DevName[0],
              0);
    EXPECT_EQ(BuildConntLink(SENSOR_DEVICE_TRANSPONDER, nullptr, PRIMARY_POS_DEFAULT, false).DevName[0], 0);

    const std::string port(255, 'p');
    EXPECT_EQ(std::string(BuildSerialConfig(port.c_str(), 0).PortName), port);
    EXPECT_EQ(BuildSerialConfig((port + "p").c_str(), 0).PortName[0], '\0');
    EXPECT_EQ(BuildSerialConfig(nullptr, 0).PortName[0], '\0');

    const std::string ip(253, '1');
    EXPECT_EQ(std::string(BuildNetworkConfig(1, ip, 80).IpAddress), ip);
    EXPECT_EQ(BuildNetworkConfig(1, ip + "1", 80).IpAddress[0], '\0');
}

TEST(CommProfile, NumbersOutOfRangeBecomeMinusOne)
{
    EXPECT_EQ(GetBaudRate(BuildSerialConfig("p", 0).BaudIndex), 115200);
    EXPECT_EQ(GetBaudRate(BuildSerialConfig("p", 7).BaudIndex), 1200);
    for (int index : {8, -1}) {
        EXPECT_EQ(BuildSerialConfig("p", index).BaudIndex, kOutOfRange);
        EXPECT_EQ(GetBaudRate(BuildSerialConfig("p", index).BaudIndex), -1);
    }
    EXPECT_EQ(BuildNetworkConfig(3, "ip", 65535).Port, 65535u);
    EXPECT_EQ(BuildNetworkConfig(1, "ip", 65536).Port, kOutOfRange);
    EXPECT_EQ(BuildNetworkConfig(1, "ip", -1).Port, kOutOfRange);
    EXPECT_EQ(BuildNetworkConfig(4, "ip", 80).SocketType, kOutOfRange);
    EXPECT_EQ(BuildNetworkConfig(-1, "ip", 80).SocketType, kOutOfRange);
}

TEST(CommProfile, RawDataTypeOfANewLink)
{
    EXPECT_EQ(GetRawDataTypeBasisSensor(SENSOR_DEVICE_TRANSPONDER, COMM_TYPE_SERIAL, SOCKET_TCP_SERVER),
              RAWDATA_SENTENCE);
    EXPECT_EQ(GetRawDataTypeBasisSensor(SENSOR_DEVICE_KIND_16, COMM_TYPE_NETWORK, SOCKET_TCP_SERVER),
              RAWDATA_MESSAGE_2);
    EXPECT_EQ(GetRawDataTypeBasisSensor(SENSOR_DEVICE_KIND_16, COMM_TYPE_SERIAL, SOCKET_TCP_SERVER), RAWDATA_MESSAGE_2);
    EXPECT_EQ(GetRawDataTypeBasisSensor(SENSOR_DEVICE_KIND_8, COMM_TYPE_NETWORK, SOCKET_UDP_CLIENT), RAWDATA_MESSAGE_1);
    EXPECT_EQ(GetRawDataTypeBasisSensor(SENSOR_DEVICE_KIND_8, COMM_TYPE_SERIAL, SOCKET_UDP_CLIENT), RAWDATA_SENTENCE);
    EXPECT_EQ(GetRawDataTypeBasisSensor(SENSOR_DEVICE_KIND_4, COMM_TYPE_LOG, SOCKET_UDP_CLIENT), RAWDATA_BINARY);
    EXPECT_EQ(GetRawDataTypeBasisSensor(SENSOR_DEVICE_KIND_16, COMM_TYPE_NONE, SOCKET_UDP_CLIENT), RAWDATA_SENTENCE);
}

TEST(CommProfile, FreshRecords)
{
    const STxPackage pkg;
    EXPECT_EQ(pkg.gapMs, 100);
    EXPECT_EQ(pkg.response.timeoutMs, 0);
    EXPECT_EQ(SCommConntProfile().CommType, COMM_TYPE_NONE);
    EXPECT_EQ(SCommConntProfile().ConntSetting.DevPrimaryPos, static_cast<uint32_t>(PRIMARY_POS_DEFAULT));
}
