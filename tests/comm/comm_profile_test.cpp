#include "comm/CommProfile.h"

#include <gtest/gtest.h>
#include <string>

using namespace COMM;

TEST(CommProfile, DeviceNameIsKeptWholeOrNotAtAll)
{
    const std::wstring fits(31, L'n');
    const std::wstring tooLong(32, L'n');
    const COMM_CONNT_SETTING kept = BuildConntLink(SENSOR_DEVICE_KIND_8, fits.c_str(), PRIMARY_POS_PRIMARY, true);
    EXPECT_EQ(std::wstring(kept.DevName), fits);
    EXPECT_EQ(kept.SensorType, static_cast<uint32_t>(SENSOR_DEVICE_KIND_8));
    EXPECT_EQ(kept.DevPrimaryPos, static_cast<uint32_t>(PRIMARY_POS_PRIMARY));
    EXPECT_TRUE(kept.Active);
    EXPECT_FALSE(kept.SplitLines);

    EXPECT_EQ(BuildConntLink(SENSOR_DEVICE_TRANSPONDER, tooLong.c_str(), PRIMARY_POS_DEFAULT, false).DevName[0], L'\0');
    EXPECT_EQ(BuildConntLink(SENSOR_DEVICE_TRANSPONDER, nullptr, PRIMARY_POS_DEFAULT, false).DevName[0], L'\0');
}

TEST(CommProfile, SerialConfigBounds)
{
    const std::string fits(255, 'p');
    const std::string tooLong(256, 'p');
    EXPECT_EQ(std::string(BuildSerialConfig(fits.c_str(), 0).PortName), fits);
    EXPECT_EQ(BuildSerialConfig(tooLong.c_str(), 0).PortName[0], '\0');
    EXPECT_EQ(BuildSerialConfig(nullptr, 0).PortName[0], '\0');

    struct Case
    {
        int index;
        uint32_t stored;
        int rate;
    };
    const Case cases[] = {{0, 0, 115200}, {1, 1, 57600}, {2, 2, 38400}, {3, 3, 19200}, {4, 4, 9600},
                          {5, 5, 4800},   {6, 6, 2400},  {7, 7, 1200},  {8, kOutOfRange, -1}, {-1, kOutOfRange, -1}};
    for (const Case& c : cases) {
        const SSerialConntConfig config = BuildSerialConfig("/dev/ttyUSB0", c.index);
        EXPECT_EQ(config.BaudIndex, c.stored) << c.index;
        EXPECT_EQ(GetBaudRate(config.BaudIndex), c.rate) << c.index;
    }
}

TEST(CommProfile, NetworkConfigBounds)
{
    const std::string fits(253, '1');
    const std::string tooLong(254, '1');
    EXPECT_EQ(std::string(BuildNetworkConfig(1, fits, 80).IpAddress), fits);
    EXPECT_EQ(BuildNetworkConfig(1, tooLong, 80).IpAddress[0], '\0');

    const SNetworkConntConfig good = BuildNetworkConfig(3, "10.0.0.1", 65535);
    EXPECT_EQ(good.SocketType, 3u);
    EXPECT_EQ(good.Port, 65535u);
    EXPECT_STREQ(good.IpAddress, "10.0.0.1");
    EXPECT_EQ(BuildNetworkConfig(1, "ip", 65536).Port, kOutOfRange);
    EXPECT_EQ(BuildNetworkConfig(1, "ip", -1).Port, kOutOfRange);
    EXPECT_EQ(BuildNetworkConfig(4, "ip", 80).SocketType, kOutOfRange);
    EXPECT_EQ(BuildNetworkConfig(-1, "ip", 80).SocketType, kOutOfRange);
    EXPECT_EQ(BuildLogConfig(LOG_MODE_REPLAY).LogMode, LOG_MODE_REPLAY);
}

TEST(CommProfile, RawDataTypeByLinkAndDevice)
{
    const SENSOR_DEVICE_T sensors[] = {SENSOR_DEVICE_KIND_4, SENSOR_DEVICE_KIND_8, SENSOR_DEVICE_KIND_16,
                                       SENSOR_DEVICE_TRANSPONDER};
    struct Row
    {
        COMM_TYPE comm;
        RAWDATA_TYPE types[4];
    };
    const Row rows[] = {
        {COMM_TYPE_NETWORK, {RAWDATA_SENTENCE, RAWDATA_MESSAGE_1, RAWDATA_MESSAGE_2, RAWDATA_SENTENCE}},
        {COMM_TYPE_SERIAL, {RAWDATA_SENTENCE, RAWDATA_SENTENCE, RAWDATA_MESSAGE_2, RAWDATA_SENTENCE}},
        {COMM_TYPE_LOG, {RAWDATA_BINARY, RAWDATA_SENTENCE, RAWDATA_SENTENCE, RAWDATA_SENTENCE}},
        {COMM_TYPE_NONE, {RAWDATA_SENTENCE, RAWDATA_SENTENCE, RAWDATA_SENTENCE, RAWDATA_SENTENCE}},
    };
    for (const Row& row : rows) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(GetRawDataTypeBasisSensor(sensors[i], row.comm, SOCKET_UDP_CLIENT), row.types[i])
                << "comm " << row.comm << " sensor " << sensors[i];
        }
    }
}

TEST(CommProfile, FreshRecords)
{
    const STxPackage pkg;
    EXPECT_EQ(pkg.gapMs, 100);
    EXPECT_EQ(pkg.length, 0);
    EXPECT_EQ(pkg.response.timeoutMs, 0);
    EXPECT_EQ(pkg.response.sentMs, 0);
    EXPECT_EQ(pkg.response.awaitText[0], '\0');

    const SCommConntProfile empty;
    EXPECT_EQ(empty.CommType, COMM_TYPE_NONE);
    EXPECT_EQ(empty.ConntSetting.DevPrimaryPos, static_cast<uint32_t>(PRIMARY_POS_DEFAULT));
    EXPECT_FALSE(empty.ConntSetting.Active);
    EXPECT_EQ(empty.DebugConfig.DebugMsgOut, 0u);
}
