#pragma once

#include "i62/AisMessage.h"

#include <cstddef>
#include <cstdint>

// Table-driven AIS field codec: a field list gives width, kind and scale of every field of a
// message layout; unpacking walks the list over the payload bits into a packed record,
// packing walks it back.

enum AIS_FIELD_KIND {
    AIS_FIELD_U8 = 0,
    AIS_FIELD_U16 = 1,
    AIS_FIELD_U16_B = 2,
    AIS_FIELD_COMM_SELECTOR = 3,
    AIS_FIELD_MMSI = 4,
    AIS_FIELD_SIGNED = 5,
    AIS_FIELD_UNSIGNED = 6,
    AIS_FIELD_TEXT = 7,
    AIS_FIELD_TEXT_REST = 8,
    AIS_FIELD_TEXT_REST_B = 9,
    AIS_FIELD_BINARY = 10,
    AIS_FIELD_SKIP = 11,
    AIS_FIELD_ALIGN = 12,
    AIS_FIELD_ROT = 13,
    AIS_FIELD_ZERO = 14,
    AIS_FIELD_LON = 15,
    AIS_FIELD_LAT = 16,
    AIS_FIELD_COG = 17,
    AIS_FIELD_HEADING = 18,
    AIS_FIELD_TIME_STAMP = 19,
    AIS_FIELD_COMM_STATE = 20,
    AIS_FIELD_DIMENSION = 21,
    AIS_FIELD_ETA = 22,
    AIS_FIELD_PACK_4095 = 23,
    AIS_FIELD_PACK_1023 = 24,
    AIS_FIELD_POS_LIST = 25,
    AIS_FIELD_PAIRS = 26,
    AIS_FIELD_APP_LON = 27,
    AIS_FIELD_APP_LAT = 28,
    AIS_FIELD_KIND_COUNT
};

struct AIS_FIELD_DESCRIPTOR
{
    int32_t width;
    int32_t kind;
    // Scale of the value; for the rest-of-payload kinds above 1.0 the bytes the record reserves.
    float scale;
};
static_assert(sizeof(AIS_FIELD_DESCRIPTOR) == 12 && offsetof(AIS_FIELD_DESCRIPTOR, kind) == 4 &&
                  offsetof(AIS_FIELD_DESCRIPTOR, scale) == 8,
              "field descriptor");

struct AIS_message_formatter
{
    uint64_t count;
    const AIS_FIELD_DESCRIPTOR* fields;
};
static_assert(offsetof(AIS_message_formatter, fields) == 8, "formatter");

// Results of the field walk.
constexpr int AIS_CODEC_DONE = 1;
constexpr int AIS_CODEC_FAILED = 2;

// Walks the layout over bits payload bits into record (recordSize bytes). Text and binary
// that run to the end of the payload are cut to the room the record has for them. Binary data
// reports its whole bytes and, when asked, its exact number of bits.
int AisMsgCodec_Unpack(const uint8_t* payload, short bits, uint8_t* record, const AIS_message_formatter* format,
                       int* binaryBytes, int recordSize = AIS_MSG_RECORD_SIZE, int* binaryBits = nullptr);
// The inverse walk into a zeroed payload of payloadSize bytes; fails when the message would not fit.
// Binary data takes binaryBits bits when given, else binaryBytes whole bytes.
int AisMsgCodec_Pack(uint8_t* payload, uint16_t* bits, const uint8_t* record, const AIS_message_formatter* format,
                     int binaryBytes, int recordSize = AIS_MSG_RECORD_SIZE, int payloadSize = AIS_RAW_PAYLOAD_SIZE,
                     int binaryBits = 0);

uint32_t AisMsgCodec_FieldPick(const uint8_t* payload, short firstBit, short width);
void AisMsgCodec_FieldPut(uint8_t* payload, short firstBit, short width, uint32_t value);
void AisMsgInsertPut(uint8_t* payload, uint16_t firstBit, uint16_t width, uint32_t value);

int AisMsgCodec_CheckMsgId(int id);
bool AisMessageIDCheck(int id);
uint8_t AisMsgCodec_GetMsgId(const uint8_t* payload);
uint16_t AisMsgCodec_GetAppIdentifier(const uint8_t* data);
uint16_t AisMsgCodec_GetDAC(uint16_t appIdentifier);
uint16_t AisMsgCodec_GetFI(uint16_t appIdentifier);
uint32_t AisMsgCodec_PosPack(uint16_t degrees, char minutes, short fraction, char hemisphere, char width);
int AisMsgCodec_PosUnpack(int raw, uint8_t* degrees, uint8_t* minutes, uint16_t* fraction, char width);
void AisMsgCodec_Init();

void TrimAisString(char* text);
void PackLongData(uint8_t* at, uint32_t value);
void PackWordData(uint8_t* at, uint16_t value);
void PackFloatData(uint8_t* at, float value);
float UnpackFloatData(const uint8_t* at);
uint32_t AisStoreFloatData(float value);
float AisRestoreFloatData(uint32_t raw, int width);
