#pragma once

#include "comm/CommDefine.h"

#include <string>

// Builders of the pieces of a connection profile, each keeping its field's bounds,
// and the rules that follow from a profile.
namespace COMM {

constexpr int kBaudTableSize = 8;

// Name kept only when it fits whole (shorter than 32 wide characters), else empty.
COMM_CONNT_SETTING BuildConntLink(SENSOR_DEVICE_T type, const wchar_t* name, PRIMARY_POS_DEV pos, bool active);
SSerialConntConfig BuildSerialConfig(const char* port, int baudIndex);
SNetworkConntConfig BuildNetworkConfig(int socketType, std::string ip, int port);
LOG_CONNT_CONFIG BuildLogConfig(LOG_MODE mode);

// How a new link splits what it receives. The socket type is not consulted.
RAWDATA_TYPE GetRawDataTypeBasisSensor(SENSOR_DEVICE_T sensor, COMM_TYPE comm, SOCKET_TYPE socket);

// Bits per second of a baud index; -1 outside the table (compared as unsigned).
int GetBaudRate(uint32_t baudIndex);

} // namespace COMM
