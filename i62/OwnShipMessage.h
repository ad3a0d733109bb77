#pragma once

#include "i62/AisMessage.h"

#include <cstdint>

// The transmitting side of the AIS codec: the own ship's messages filled from the own-ship
// station record, the sensor flags and the library's UTC clock, and the queue of
// acknowledgements owed for addressed binary and safety messages (6 and 12).

constexpr int AIS_ACK_QUEUE_SIZE = 20; // a ring: it holds at most 19 entries
constexpr int AIS_ACK_MAX_DESTINATIONS = 4;

// Results of the queue operations.
constexpr int AIS_ACK_DONE = 0;
constexpr int AIS_ACK_REFUSED = 1;

using COMMUNICATION_STATE = uint32_t;
using AIS_MESSAGE_07 = AIS_MSG_7;

struct AIS_ACK_ENTRY
{
    uint32_t mmsi;     // source of the message to acknowledge
    uint8_t sequence;  // its sequence number
    uint8_t ackMsgId;  // 7 for a message 6, 13 for a message 12
    uint8_t channel;
};

struct AIS_ACK_QUEUE
{
    int32_t read;
    int32_t write;
    AIS_ACK_ENTRY entry[AIS_ACK_QUEUE_SIZE];
};

#pragma pack(push, 1)
struct AIS_MSG_7_STORE
{
    AIS_MSG_7 message;
    uint8_t newData;
};
#pragma pack(pop)

extern AIS_ACK_QUEUE AckMsgQueue;

// What the own ship has to send, each filled by the caller.
extern AIS_MSG_6_STORE TxBinaryAddressMsg;
extern AIS_MSG_8_STORE TxBinaryBroadcastMsg;
extern AIS_MSG_7_STORE TxAckMsg;
extern AIS_MSG_21_STORE TxAtoNReportMsg;

// Fills out for message ids 1 to 26; other ids leave it untouched. A message 24 is built as
// the part that out names (part number 0 A, 1 B).
void CreateAisMsg(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE commState);
// Clears the acknowledgement queue and the memory of an own position seen.
void OwnShipMsgInitial();

// Queues an acknowledgement when a message 6 or 12 is addressed to the own MMSI: 0 queued or
// not addressed to us, 1 refused (bad source or sequence number, queue full).
int AisMsg_Ack_Check(const UN_AIS_MESSAGE* received, char channel);
int AisMsg_Ack_Add(char msgId, int mmsi, char sequence, char channel);
// Builds the acknowledgement for the entries waiting with that id and channel: 0 built, 1 not.
int AisMsg_Ack_Create(char ackMsgId, char channel, AIS_MESSAGE_07* out);
int AisMsg_Ack_CheckData();
// 1 when an entry waits, with its acknowledging id and channel; else 0.
int AisMsg_Ack_CheckProc(char* ackMsgId, char* channel);
void AisMsg_Ack_Init();
void Swap_byte(char* a, char* b);
