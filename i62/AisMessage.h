#pragma once

#include <cstddef>
#include <cstdint>

// Decoded AIS messages: one packed record per message layout, laid out field by field in
// the order of the layout's field list (the codec writes them by walking that list).
// Multi-byte values are in host order; positions, speeds and courses are already scaled.
// The records are packed: read a field by value, never through a reference or pointer to it.

constexpr int AIS_RAW_PAYLOAD_SIZE = 170;
constexpr int AIS_MSG_RECORD_SIZE = 175;
constexpr int AIS_BINARY_6_SIZE = 122;
constexpr int AIS_BINARY_8_SIZE = 122;
// Texts 12 and 14 run to the end of the decoded record: up to 161 characters and the NUL.
constexpr int AIS_TEXT_12_SIZE = 162;
constexpr int AIS_TEXT_14_SIZE = 168;
constexpr int AIS_NAME_EXT_21_SIZE = 15;
constexpr int AIS_BINARY_25A_SIZE = 126;
constexpr int AIS_BINARY_25B_SIZE = 130;
constexpr int AIS_BINARY_26A_SIZE = 155;
constexpr int AIS_BINARY_26B_SIZE = 159;

// Not-available values as they come out of the codec.
constexpr float AIS_ROT_NA = 9999.0f;
constexpr float AIS_ROT_RIGHT_FAST = 1001.0f;
constexpr float AIS_ROT_LEFT_FAST = -1001.0f;
constexpr uint16_t AIS_HEADING_NA = 511;

#pragma pack(push, 1)

// Six-bit payload as received: bit 0 of the message is the top bit of payload[0].
struct AIS_raw_message
{
    uint8_t payload[AIS_RAW_PAYLOAD_SIZE];
    uint16_t bits;
    char channel;
    uint8_t reserved[5];
};

// Messages 1, 2, 3.
struct AIS_MSG_1
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t navStatus;
    float rot;
    float sog;
    uint8_t posAccuracy;
    float longitude;
    float latitude;
    float cog;
    uint16_t trueHeading;
    uint8_t timeStamp;
    uint8_t manoeuvre;
    uint8_t spare;
    uint8_t raim;
    uint32_t commState;
};

// Messages 4 and 11.
struct AIS_MSG_4
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint16_t year;
    uint8_t month;
    uint8_t day;
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    uint8_t posAccuracy;
    float longitude;
    float latitude;
    uint8_t epfsType;
    uint16_t spare;
    uint8_t raim;
    uint32_t commState;
};

struct AIS_MSG_5
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t aisVersion;
    uint32_t imo;
    char callSign[8];
    char name[21];
    uint8_t shipType;
    uint32_t dimensions;
    uint8_t epfsType;
    uint32_t eta;
    float draught;
    char destination[21];
    uint8_t dte;
    uint8_t spare;
};

struct AIS_MSG_6
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t sequence;
    uint32_t destMmsi;
    uint8_t retransmit;
    uint8_t spare;
    uint8_t data[AIS_BINARY_6_SIZE];
    uint8_t dataBytes; // whole bytes
    uint16_t dataBits; // the exact length; 0 packs dataBytes whole bytes
};

struct AIS_ACK_DEST
{
    uint32_t mmsi;
    uint8_t sequence;
};

// Messages 7 and 13.
struct AIS_MSG_7
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t spare;
    AIS_ACK_DEST dest[4];
    uint8_t destCount;
};

struct AIS_MSG_8
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t spare;
    uint8_t data[AIS_BINARY_8_SIZE];
    uint8_t dataBytes; // whole bytes
    uint16_t dataBits; // the exact length; 0 packs dataBytes whole bytes
};

struct AIS_MSG_9
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint16_t altitude;
    float sog;
    uint8_t posAccuracy;
    float longitude;
    float latitude;
    float cog;
    uint8_t timeStamp;
    uint8_t regional;
    uint8_t dte;
    uint8_t spare;
    uint8_t assigned;
    uint8_t raim;
    uint8_t selector;
    uint32_t commState;
};

struct AIS_MSG_10
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t spare;
    uint32_t destMmsi;
    uint8_t spare2;
};

struct AIS_MSG_12
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t sequence;
    uint32_t destMmsi;
    uint8_t retransmit;
    uint8_t spare;
    char text[AIS_TEXT_12_SIZE];
};

struct AIS_MSG_14
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t spare;
    char text[AIS_TEXT_14_SIZE];
};

struct AIS_MSG_15
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t spare;
    uint32_t mmsi1;
    uint8_t msgId11;
    uint16_t offset11;
    uint8_t spare11;
    uint8_t msgId12;
    uint16_t offset12;
    uint8_t spare12;
    uint32_t mmsi2;
    uint8_t msgId21;
    uint16_t offset21;
    uint8_t spare21;
};

struct AIS_MSG_16
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t spare;
    uint32_t destA;
    uint16_t offsetA;
    uint16_t incrementA;
    uint32_t destB;
    uint16_t offsetB;
    uint16_t incrementB;
    uint8_t spare2;
};

struct AIS_MSG_17
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t spare;
    float longitude;
    float latitude;
    uint8_t spare2;
    uint8_t msgType;
    uint16_t stationId;
    uint16_t zCount;
    uint8_t sequence;
    uint8_t words;
    uint8_t health;
};

struct AIS_MSG_18
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t regional;
    float sog;
    uint8_t posAccuracy;
    float longitude;
    float latitude;
    float cog;
    uint16_t trueHeading;
    uint8_t timeStamp;
    uint8_t regional2;
    uint8_t unitFlag;
    uint8_t displayFlag;
    uint8_t dscFlag;
    uint8_t bandFlag;
    uint8_t msg22Flag;
    uint8_t assigned;
    uint8_t raim;
    uint8_t selector;
    uint32_t commState;
};

struct AIS_MSG_19
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t regional;
    float sog;
    uint8_t posAccuracy;
    float longitude;
    float latitude;
    float cog;
    uint16_t trueHeading;
    uint8_t timeStamp;
    uint8_t regional2;
    char name[21];
    uint8_t shipType;
    uint32_t dimensions;
    uint8_t epfsType;
    uint8_t raim;
    uint8_t dte;
    uint8_t assigned;
    uint8_t spare;
};

struct AIS_SLOT_RESERVATION
{
    uint16_t offset;
    uint8_t slots;
    uint8_t timeout;
    uint16_t increment;
};

struct AIS_MSG_20
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t spare;
    AIS_SLOT_RESERVATION block[4];
};

struct AIS_MSG_21
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t atonType;
    char name[21];
    uint8_t posAccuracy;
    float longitude;
    float latitude;
    uint32_t dimensions;
    uint8_t epfsType;
    uint8_t timeStamp;
    uint8_t offPosition;
    uint8_t atonStatus;
    uint8_t raim;
    uint8_t virtualAton;
    uint8_t assigned;
    uint8_t spare;
    char nameExtension[AIS_NAME_EXT_21_SIZE];
    uint8_t spare2;
};

struct AIS_MSG_22
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t spare;
    uint16_t channelA;
    uint16_t channelB;
    uint8_t txRxMode;
    uint8_t power;
    float longitude1;
    float latitude1;
    float longitude2;
    float latitude2;
    uint8_t addressed;
    uint8_t bandwidthA;
    uint8_t bandwidthB;
    uint8_t zoneSize;
    uint32_t spare2;
    // Addressed form: the two destinations that take the place of the area.
    uint32_t destMmsi1;
    uint32_t destMmsi2;
};

struct AIS_MSG_23
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t spare;
    float longitude1;
    float latitude1;
    float longitude2;
    float latitude2;
    uint8_t stationType;
    uint8_t shipType;
    uint32_t spare2;
    uint8_t txRxMode;
    uint8_t interval;
    uint8_t quietTime;
    uint8_t spare3;
};

struct AIS_MSG_24A
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t partNumber;
    char name[21];
};

struct AIS_MSG_24B
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t partNumber;
    uint8_t shipType;
    char vendorId[8];
    char callSign[8];
    uint32_t dimensions;
    uint8_t spare;
};

struct AIS_MSG_25A
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t addressed;
    uint8_t binaryFlag;
    uint32_t destMmsi;
    uint8_t data[AIS_BINARY_25A_SIZE];
    uint16_t dataBits;
};

struct AIS_MSG_25B
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t addressed;
    uint8_t binaryFlag;
    uint8_t data[AIS_BINARY_25B_SIZE];
    uint16_t dataBits;
};

struct AIS_MSG_26A
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t addressed;
    uint8_t binaryFlag;
    uint32_t destMmsi;
    uint8_t data[AIS_BINARY_26A_SIZE];
    uint8_t selector;
    uint32_t commState;
    uint16_t dataBits;
};

struct AIS_MSG_26B
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
    uint8_t addressed;
    uint8_t binaryFlag;
    uint8_t data[AIS_BINARY_26B_SIZE];
    uint8_t selector;
    uint32_t commState;
    uint16_t dataBits;
};

// The common head of every message.
struct AIS_MSG_HEAD
{
    uint8_t msgId;
    uint8_t repeat;
    uint32_t mmsi;
};

union UN_AIS_MESSAGE {
    uint8_t bytes[AIS_MSG_RECORD_SIZE];
    AIS_MSG_HEAD head;
    AIS_MSG_1 msg1;
    AIS_MSG_4 msg4;
    AIS_MSG_5 msg5;
    AIS_MSG_6 msg6;
    AIS_MSG_7 msg7;
    AIS_MSG_8 msg8;
    AIS_MSG_9 msg9;
    AIS_MSG_10 msg10;
    AIS_MSG_12 msg12;
    AIS_MSG_14 msg14;
    AIS_MSG_15 msg15;
    AIS_MSG_16 msg16;
    AIS_MSG_17 msg17;
    AIS_MSG_18 msg18;
    AIS_MSG_19 msg19;
    AIS_MSG_20 msg20;
    AIS_MSG_21 msg21;
    AIS_MSG_22 msg22;
    AIS_MSG_23 msg23;
    AIS_MSG_24A msg24A;
    AIS_MSG_24B msg24B;
    AIS_MSG_25A msg25A;
    AIS_MSG_25B msg25B;
    AIS_MSG_26A msg26A;
    AIS_MSG_26B msg26B;
};

// Decoded-message stores: a copy of the message and its new-data flag.
struct AIS_MSG_6_STORE
{
    AIS_MSG_6 message;
    uint8_t newData;
};

struct AIS_MSG_8_STORE
{
    AIS_MSG_8 message;
    uint8_t newData;
};

struct AIS_MSG_12_STORE
{
    AIS_MSG_12 message;
    uint8_t newData;
};

struct AIS_MSG_14_STORE
{
    AIS_MSG_14 message;
    uint8_t newData;
};

struct AIS_MSG_15_STORE
{
    AIS_MSG_15 message;
    uint8_t newData;
    uint32_t channel;
    uint32_t slot;
};

struct AIS_MSG_20_STORE
{
    AIS_MSG_20 message;
    uint8_t newData;
    uint32_t channel;
    uint32_t slot;
};

struct AIS_MSG_21_STORE
{
    AIS_MSG_21 message;
    uint8_t newData;
};

struct AIS_MSG_22_STORE
{
    AIS_MSG_22 message;
    uint8_t newData;
};

struct AIS_MSG_23_STORE
{
    AIS_MSG_23 message;
    uint8_t newData;
};

// Messages 25 and 26 keep their addressed or broadcast form as received.
struct AIS_MSG_25_STORE
{
    union {
        AIS_MSG_25A addressed;
        AIS_MSG_25B broadcast;
    } message;
    uint8_t newData;
};

struct AIS_MSG_26_STORE
{
    union {
        AIS_MSG_26A addressed;
        AIS_MSG_26B broadcast;
    } message;
    uint8_t newData;
};

#pragma pack(pop)

// Record offsets that the codec, the stores and the binary decoders rely on.
static_assert(sizeof(AIS_raw_message) == 178, "raw message");
static_assert(offsetof(AIS_raw_message, bits) == 170, "raw message bit count");
static_assert(sizeof(UN_AIS_MESSAGE) == 175, "decoded message");
static_assert(offsetof(AIS_MSG_HEAD, mmsi) == 2, "source MMSI");
static_assert(sizeof(AIS_MSG_1) == 38, "message 1");
static_assert(offsetof(AIS_MSG_1, rot) == 7 && offsetof(AIS_MSG_1, longitude) == 16 &&
                  offsetof(AIS_MSG_1, trueHeading) == 28 && offsetof(AIS_MSG_1, commState) == 34,
              "message 1 fields");
static_assert(offsetof(AIS_MSG_5, callSign) == 11 && offsetof(AIS_MSG_5, name) == 19 &&
                  offsetof(AIS_MSG_5, dimensions) == 41 && offsetof(AIS_MSG_5, eta) == 46 &&
                  offsetof(AIS_MSG_5, destination) == 54 && sizeof(AIS_MSG_5) == 77,
              "message 5 fields");
static_assert(offsetof(AIS_MSG_6, data) == 13 && offsetof(AIS_MSG_6, dataBytes) == 135 &&
                  offsetof(AIS_MSG_6, dataBits) == 136,
              "message 6");
static_assert(offsetof(AIS_MSG_7, destCount) == 27, "message 7 destination count");
static_assert(offsetof(AIS_MSG_8, data) == 7 && offsetof(AIS_MSG_8, dataBytes) == 129 &&
                  offsetof(AIS_MSG_8, dataBits) == 130,
              "message 8");
static_assert(offsetof(AIS_MSG_12, text) == 13 && sizeof(AIS_MSG_12) == 175, "message 12 text");
static_assert(offsetof(AIS_MSG_14, text) == 7 && sizeof(AIS_MSG_14) == 175, "message 14 text");
static_assert(offsetof(AIS_MSG_15, msgId12) == 15 && offsetof(AIS_MSG_15, msgId21) == 23 && sizeof(AIS_MSG_15) == 27,
              "message 15");
static_assert(offsetof(AIS_MSG_16, destB) == 15, "message 16 destination B");
static_assert(offsetof(AIS_MSG_20, block) == 7 && sizeof(AIS_SLOT_RESERVATION) == 6 && sizeof(AIS_MSG_20) == 31,
              "message 20");
static_assert(offsetof(AIS_MSG_22, addressed) == 29 && offsetof(AIS_MSG_22, destMmsi1) == 37 &&
                  offsetof(AIS_MSG_22, destMmsi2) == 41 && sizeof(AIS_MSG_22) == 45,
              "message 22");
static_assert(sizeof(AIS_MSG_23) == 33, "message 23");
static_assert(offsetof(AIS_MSG_25A, binaryFlag) == 7 && offsetof(AIS_MSG_25A, data) == 12 &&
                  offsetof(AIS_MSG_25A, dataBits) == 138 && offsetof(AIS_MSG_25B, data) == 8 &&
                  offsetof(AIS_MSG_25B, dataBits) == 138,
              "message 25");
static_assert(offsetof(AIS_MSG_26A, dataBits) == 172 && offsetof(AIS_MSG_26B, dataBits) == 172, "message 26");
static_assert(sizeof(AIS_MSG_6_STORE) == 139, "message 6 store");
static_assert(offsetof(AIS_MSG_8_STORE, newData) == 132, "message 8 store flag");
static_assert(offsetof(AIS_MSG_12_STORE, newData) == 175, "message 12 store flag");
static_assert(offsetof(AIS_MSG_14_STORE, newData) == 175, "message 14 store flag");
static_assert(offsetof(AIS_MSG_15_STORE, newData) == 27, "message 15 store flag");
static_assert(offsetof(AIS_MSG_20_STORE, newData) == 31, "message 20 store flag");
static_assert(offsetof(AIS_MSG_22_STORE, newData) == 45, "message 22 store flag");
static_assert(offsetof(AIS_MSG_23_STORE, newData) == 33, "message 23 store flag");
static_assert(offsetof(AIS_MSG_25_STORE, newData) == 140, "message 25 store flag");
static_assert(offsetof(AIS_MSG_26_STORE, newData) == 174, "message 26 store flag");

// Message-level codec and the process-wide decoded-message records.

// The one received and the one outgoing decoded message.
extern UN_AIS_MESSAGE Un_RxMsg;
extern UN_AIS_MESSAGE Un_TxMsg;

extern AIS_MSG_6_STORE RxBinaryAddressMsg;
extern AIS_MSG_8_STORE RxBinaryBroadcastMsg;
extern AIS_MSG_12_STORE RxSafetyAddressedMsg;
extern AIS_MSG_14_STORE RxSafetyBroadcastMsg;
extern AIS_MSG_15_STORE InterrogateMsg;
extern AIS_MSG_20_STORE DataLinkManageMsg;
extern AIS_MSG_21_STORE RxAtoNReportMsg;
extern AIS_MSG_22_STORE ChnlManageMsg;
extern AIS_MSG_23_STORE GrpAssignCmdMsg;
extern AIS_MSG_25_STORE RxSingleSlotBinaryMsg;
extern AIS_MSG_26_STORE RxMultipleSlotBinaryMsg;
extern AIS_MSG_14_STORE TxSafetyBroadcastMsg;
extern AIS_MSG_12_STORE TxSafetyAddressedMsg;
extern AIS_MSG_25_STORE TxSingleSlotBinaryMsg;
extern AIS_MSG_26_STORE TxMultipleSlotBinaryMsg;

// Station index and message id of the last stored message (124 for message 24 part B); -1 none.
extern int32_t RxAisShipId;
extern int32_t RxAisMsgId;
constexpr int32_t AIS_MSG_ID_24B = 124;

bool AisMessageInitial();
// Clears the record and decodes the raw message into it; false when it cannot be decoded.
bool AisMessageUnpack(const AIS_raw_message* raw, UN_AIS_MESSAGE* message);
// Clears the raw message and encodes the record into it; 1 done, 0 failed.
uint32_t AisMessagePack(AIS_raw_message* raw, const UN_AIS_MESSAGE* message);
