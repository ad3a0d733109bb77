#pragma once

#include "i62/AisCodec.h"

#include <cstddef>
#include <cstdint>

// Kestrin buoy telemetry: a fixed 64-bit record carried as binary application data, and a
// running mean and maximum of analogue samples. The nine fields are numbered values.

constexpr int KESTRIN_FIELD_COUNT = 9;
constexpr int KESTRIN_PAYLOAD_BITS = 64;
constexpr std::size_t KESTRIN_PAYLOAD_BYTES = KESTRIN_PAYLOAD_BITS / 8;

#pragma pack(push, 1)
struct KESTRIN_MSG
{
    uint16_t field1; // 10 bits
    uint8_t field2;  // 6 bits
    uint16_t field3; // 10 bits
    uint16_t field4; // 10 bits
    uint16_t field5; // 10 bits
    uint8_t field6;  // 5 bits
    uint8_t field7;  // 8 bits
    uint8_t field8;  // 1 bit
    uint8_t end;     // always 0; the last 4 bits are spare
};
#pragma pack(pop)
static_assert(sizeof(KESTRIN_MSG) == 13, "telemetry record");

struct KESTRIN_ADC_STAT
{
    uint32_t mean;
    uint32_t count;
    uint32_t maximum;
};

extern const AIS_FIELD_DESCRIPTOR KestrinMsgDataPar[KESTRIN_FIELD_COUNT];
extern const AIS_message_formatter KestrinMsgFormat;
extern KESTRIN_MSG TxKestrinMsg;
extern KESTRIN_MSG RxKestrinMsg;
extern KESTRIN_ADC_STAT KestrinAdcStat;

void Kestrin_Init();
void Kestrin_AdcValue_Reset();
// Takes one sample; the mean of all samples so far.
uint32_t Kestrin_AdcValue(uint32_t sample);
// Packs TxKestrinMsg into payload (payloadSize bytes, at least 8): 0 packed, 1 failed.
int Kestrin_CreateMsg(uint8_t* payload, uint16_t* bits, std::size_t payloadSize = KESTRIN_PAYLOAD_BYTES);
// Unpacks a received record into RxKestrinMsg: 0 unpacked, 1 failed.
int Kestrin_RxMsg(const uint8_t* payload, uint16_t bits);
void Kestrin_CollectData();
int Kestrin_Proc();
