#pragma once

#include <cstdint>
#include <cwchar>

// Plain records and enumerations of the communication links: copied by value,
// no locks, no ownership.
namespace COMM {

enum COMM_TYPE : int32_t {
    COMM_TYPE_NONE = -1, // no transport yet; marks a missing profile
    COMM_TYPE_LOG = 0,
    COMM_TYPE_SERIAL = 1,
    COMM_TYPE_NETWORK = 2,
};

// Types 1 to 3 are handled alike; any value not listed queues and announces nothing.
enum RAWDATA_TYPE : int32_t {
    RAWDATA_MESSAGE_1 = 1,
    RAWDATA_MESSAGE_2 = 2,
    RAWDATA_MESSAGE = 3,
    RAWDATA_SENTENCE = 4,
    RAWDATA_BINARY = 5,
    RAWDATA_COMMAND = 6,
};

// Kind of device behind a link, 0 to 31. Only 4, 8 and 16 change how a link is split.
enum SENSOR_DEVICE_T : uint32_t {
    SENSOR_DEVICE_TRANSPONDER = 0,
    SENSOR_DEVICE_KIND_4 = 4,
    SENSOR_DEVICE_KIND_8 = 8,
    SENSOR_DEVICE_KIND_16 = 16,
    SENSOR_DEVICE_MAX = 31,
};

// Position-source rank; any rank but 0 makes the link a position source.
enum PRIMARY_POS_DEV : int32_t {
    PRIMARY_POS_UNSET = -1,
    PRIMARY_POS_SECONDARY = 0,
    PRIMARY_POS_PRIMARY = 1,
    PRIMARY_POS_DEFAULT = 2,
};

enum SOCKET_TYPE : int32_t {
    SOCKET_TCP_SERVER = 0,
    SOCKET_TCP_CLIENT = 1,
    SOCKET_UDP_SERVER = 2, // bind and receive
    SOCKET_UDP_CLIENT = 3,
};

// Which end of a network link a transport plays.
enum SOCKET_ROLE : int32_t {
    SOCKET_ROLE_SERVER = 0,
    SOCKET_ROLE_CLIENT = 1,
};

enum LOG_MODE : int32_t {
    LOG_MODE_RECORD = 0,
    LOG_MODE_REPLAY = 1,
};

// States of a log replay link.
enum LOG_REPLAY_PLAY_OP : int32_t {
    LOG_REPLAY_OFF = -1,
    LOG_REPLAY_PLAY = 0,
    LOG_REPLAY_PAUSE = 1,
    LOG_REPLAY_STOP = 2,
};

constexpr int kDevNameSize = 32;
constexpr int kPortNameSize = 256;
constexpr int kIpAddressSize = 256;
constexpr int kTxPackageDataSize = 512;
constexpr int kAwaitTextSize = 128;
constexpr int32_t kTxDefaultGapMs = 100;
constexpr uint32_t kOutOfRange = 0xFFFFFFFFu; // -1 in an unsigned field

// Common settings of a link, copied into every transport.
typedef struct SCommConntSetting
{
    uint32_t SensorType = SENSOR_DEVICE_TRANSPONDER; // SENSOR_DEVICE_T
    wchar_t DevName[kDevNameSize] = {};              // NUL-terminated, at most 31 characters
    uint32_t DevPrimaryPos = PRIMARY_POS_DEFAULT;    // PRIMARY_POS_DEV
    bool Active = false;                             // open or start as soon as created
    bool SplitLines = false;                         // cut message data into lines
} COMM_CONNT_SETTING;

// Kept free of member initialisers: they share one union.
typedef struct SSerialConntConfig
{
    char PortName[kPortNameSize]; // NUL-terminated
    uint32_t BaudIndex;           // into the baud table; kOutOfRange when invalid
} SERIAL_CONNT_CONFIG;

typedef struct SNetworkConntConfig
{
    uint32_t SocketType;            // SOCKET_TYPE; kOutOfRange when invalid
    char IpAddress[kIpAddressSize]; // NUL-terminated dotted text
    uint32_t Port;                  // 0-65535; kOutOfRange when invalid
} NETWORK_CONNT_CONFIG;

typedef struct SLogConntConfig
{
    int32_t LogMode; // LOG_MODE
} LOG_CONNT_CONFIG;

// What a link logs about its traffic.
enum DEBUG_MSG_OUT_BIT : uint32_t {
    DEBUG_OUT_RECEIVE = 0x01, // every received chunk, tag "receive"
    DEBUG_OUT_SEND = 0x02,    // every package taken for sending
};

typedef struct SDebugConfig
{
    bool DebugIsString = false; // payload as text, else as hexadecimal bytes
    uint32_t DebugMsgOut = 0;   // DEBUG_MSG_OUT_BIT mask
} DEBUG_CONFIG;

// The configuration area; which member is meaningful follows CommType.
typedef union UCommConntConfig {
    SSerialConntConfig Serial;   // CommType 1
    SNetworkConntConfig Network; // CommType 2
    SLogConntConfig Log;         // CommType 0
} COMM_CONNT_CONFIG;

// One connection profile. A default-made profile is the empty profile (CommType -1).
typedef struct SCommConntProfile
{
    SCommConntSetting ConntSetting;
    int32_t CommType = COMM_TYPE_NONE; // COMM_TYPE
    UCommConntConfig Config = {};
    SDebugConfig DebugConfig;
} COMM_CONNT_PROFILE;

// The reply a sent package waits for. All zero means disarmed.
typedef struct SResponseInform
{
    int64_t sentMs = 0;                  // start clock when handed to the transport
    int32_t timeoutMs = 0;               // 0: no wait
    char awaitText[kAwaitTextSize] = {}; // found inside a complete received line ends the wait
} RESPONSE_INFORM;

class CServiceComm;

// A received item's source link and the link's kind.
typedef struct SConnectCommData
{
    CServiceComm* Comm = nullptr;
    int32_t CommType = COMM_TYPE_NONE; // COMM_TYPE
} CONNECT_COMM_DATA;

// One outgoing package. A default-made package is a fresh one: all zero but the gap.
typedef struct STxPackage
{
    char data[kTxPackageDataSize] = {};
    int32_t length = 0; // valid bytes in data, 0 to 512
    bool skipIfSame = false;
    bool seriesFlag = false;
    int32_t gapMs = kTxDefaultGapMs; // minimum time since the previous transmission
    int64_t createdMs = 0;
    SResponseInform response;
} TX_PACKAGE;

inline bool IsTxLengthValid(const STxPackage& pkg)
{
    return pkg.length >= 0 && pkg.length <= kTxPackageDataSize;
}

} // namespace COMM
