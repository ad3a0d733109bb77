#pragma once

#include "i62/I62ComposeField.h"
#include "i62/I62Field.h"
#include "i62/I62FieldValue.h"

#include <cstddef>
#include <cstdint>

// Field layouts of the AIS sentences. Empty u8 fields hold 128 unless a layout says otherwise,
// empty floats -100000.0, empty texts "".

// One sentence may carry as much payload as a joined message holds (175 characters), and a NUL.
constexpr int I62_ENCAP_PAYLOAD_SIZE = 176;
constexpr uint16_t I62_ALARM_EMPTY = 1000;
constexpr int SSD_CALL_SIGN_SIZE = 8;
constexpr int SSD_NAME_SIZE = 21;
constexpr int SSD_SOURCE_SIZE = 3;
constexpr int VSD_DESTINATION_SIZE = 21;
constexpr int ALR_TEXT_SIZE = 62;
constexpr int TXT_TEXT_SIZE = 62;

// Empty values of the static and voyage data sentences.
constexpr uint16_t SSD_REF_AB_EMPTY = 512;
constexpr uint8_t SSD_REF_CD_EMPTY = 64;
constexpr uint8_t SSD_DTE_EMPTY = 2;
constexpr uint16_t VSD_SHIP_TYPE_EMPTY = 256;
constexpr uint16_t VSD_PERSONS_EMPTY = 8192;
constexpr uint8_t VSD_ETA_DAY_EMPTY = 32;
constexpr uint8_t VSD_ETA_MONTH_EMPTY = 13;

// VDM, VDO, ABM and BBM: one sentence of an encapsulated AIS message.
struct I62_ENCAP_SENTENCE
{
    uint8_t total;
    uint8_t number;
    uint8_t seqId;     // 128 when empty
    uint8_t channel;   // VDM/VDO: channel character, 128 when empty; ABM/BBM: channel number
    uint8_t msgId;     // ABM and BBM
    uint32_t destMmsi; // ABM
    char payload[I62_ENCAP_PAYLOAD_SIZE];
    uint8_t fillBits;
};

struct I62_ABK
{
    long mmsi;
    uint8_t channel; // channel letter, 128 when empty
    uint8_t msgId;
    uint8_t msgSequence;
    uint8_t ackType;
};

struct I62_ACK
{
    uint16_t alarm; // 1000 when empty
};

struct I62_ACA
{
    uint8_t sequence;
    I62_DEGREE northEast;
    I62_DEGREE southWest;
    uint8_t zoneSize;
    uint16_t channelA;
    uint8_t bandwidthA;
    uint16_t channelB;
    uint8_t bandwidthB;
    uint8_t txRxMode;
    uint8_t power;
    uint8_t source;
    uint8_t inUse;
    I62_UTC_TIME inUseChanged;
};

struct I62_ACS
{
    uint8_t sequence;
    long mmsi;
    I62_UTC_TIME time;
    uint8_t day;
    uint8_t month;
    uint16_t year;
};

struct I62_AIR
{
    long mmsi1;
    float msg11;
    uint8_t subSection11;
    float msg12;
    uint8_t subSection12;
    long mmsi2;
    float msg21;
    uint8_t subSection21;
};

struct I62_ALR
{
    I62_UTC_TIME time;
    uint16_t alarm;
    uint8_t condition;
    uint8_t ackState;
    char text[ALR_TEXT_SIZE];
};

struct I62_SSD
{
    char callSign[SSD_CALL_SIGN_SIZE];
    char name[SSD_NAME_SIZE];
    uint16_t refA; // 512 when empty
    uint16_t refB; // 512 when empty
    uint8_t refC;  // 64 when empty
    uint8_t refD;  // 64 when empty
    uint8_t dte;   // 2 when empty
    char source[SSD_SOURCE_SIZE];
};

struct I62_VSD
{
    uint16_t shipType; // 256 when empty
    float draught;
    uint16_t persons; // 8192 when empty
    char destination[VSD_DESTINATION_SIZE];
    I62_UTC_TIME etaTime;
    uint8_t etaDay;   // 32 when empty
    uint8_t etaMonth; // 13 when empty
    uint8_t navStatus;
    uint8_t regionalFlags;
};

struct I62_TXT
{
    uint8_t total;
    uint8_t number;
    uint8_t textId;
    char text[TXT_TEXT_SIZE];
};

struct I61162_Data_Structure;

bool AIS_FMT_VDM(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_VDO(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_ABM(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_BBM(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_ABK(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_ACK(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_ACA(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_ACS(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_AIR(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_ALR(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_SSD(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_VSD(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_TXT(char* sentence, I61162_Data_Structure* record);

// Write the sentence without checksum into destination (size bytes); false when it does not fit.
bool AIS_FMT_VDM_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool AIS_FMT_VDO_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool AIS_FMT_ABM_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool AIS_FMT_BBM_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool AIS_FMT_ABK_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_ACK_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_ALR_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool AIS_FMT_ACA_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool AIS_FMT_ACS_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_SSD_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_VSD_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
