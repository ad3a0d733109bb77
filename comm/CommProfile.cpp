#include "CommProfile.h"

#include <cstring>

namespace COMM {

namespace {

const int kBaudTable[kBaudTableSize] = {115200, 57600, 38400, 19200, 9600, 4800, 2400, 1200};

constexpr int kIpTextLimit = 254; // longer address texts are refused
constexpr uint32_t kPortMax = 65535;

struct RawDataRule
{
    COMM_TYPE comm;
    SENSOR_DEVICE_T sensor;
    RAWDATA_TYPE type;
};

// Exceptions to the sentence default.
const RawDataRule kRawDataRules[] = {
    {COMM_TYPE_NETWORK, SENSOR_DEVICE_KIND_8, RAWDATA_MESSAGE_1},
    {COMM_TYPE_NETWORK, SENSOR_DEVICE_KIND_16, RAWDATA_MESSAGE_2},
    {COMM_TYPE_SERIAL, SENSOR_DEVICE_KIND_16, RAWDATA_MESSAGE_2},
    {COMM_TYPE_LOG, SENSOR_DEVICE_KIND_4, RAWDATA_BINARY},
};

} // namespace

COMM_CONNT_SETTING BuildConntLink(SENSOR_DEVICE_T type, const wchar_t* name, PRIMARY_POS_DEV pos, bool active)
{
    COMM_CONNT_SETTING setting;
    setting.SensorType = type;
    setting.DevPrimaryPos = static_cast<uint32_t>(pos);
    setting.Active = active;
    if (name != nullptr) {
        const size_t length = std::wcslen(name);
        if (length < static_cast<size_t>(kDevNameSize))
            std::wmemcpy(setting.DevName, name, length + 1);
    }
    return setting;
}

SSerialConntConfig BuildSerialConfig(const char* port, int baudIndex)
{
    SSerialConntConfig config;
    std::memset(&config, 0, sizeof(config));
    config.BaudIndex =
        static_cast<uint32_t>(baudIndex) < kBaudTableSize ? static_cast<uint32_t>(baudIndex) : kOutOfRange;
    if (port != nullptr) {
        const size_t length = std::strlen(port);
        if (length < sizeof(config.PortName))
            std::memcpy(config.PortName, port, length + 1);
    }
    return config;
}

SNetworkConntConfig BuildNetworkConfig(int socketType, std::string ip, int port)
{
    SNetworkConntConfig config;
    std::memset(&config, 0, sizeof(config));
    config.SocketType =
        static_cast<uint32_t>(socketType) <= SOCKET_UDP_CLIENT ? static_cast<uint32_t>(socketType) : kOutOfRange;
    config.Port = static_cast<uint32_t>(port) <= kPortMax ? static_cast<uint32_t>(port) : kOutOfRange;
    if (ip.size() < static_cast<size_t>(kIpTextLimit))
        std::memcpy(config.IpAddress, ip.c_str(), ip.size() + 1);
    return config;
}

LOG_CONNT_CONFIG BuildLogConfig(LOG_MODE mode)
{
    LOG_CONNT_CONFIG config;
    config.LogMode = mode;
    return config;
}

RAWDATA_TYPE GetRawDataTypeBasisSensor(SENSOR_DEVICE_T sensor, COMM_TYPE comm, SOCKET_TYPE /*socket*/)
{
    for (const RawDataRule& rule : kRawDataRules) {
        if (rule.comm == comm && rule.sensor == sensor)
            return rule.type;
    }
    return RAWDATA_SENTENCE;
}

int GetBaudRate(uint32_t baudIndex)
{
    return baudIndex < static_cast<uint32_t>(kBaudTableSize) ? kBaudTable[baudIndex] : -1;
}

} // namespace COMM
