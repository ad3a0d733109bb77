#pragma once

#include "i62/I62ComposeField.h"
#include "i62/I62Field.h"

#include <cstddef>
#include <cstdint>

// Field layouts of the AtoN configuration sentences. Each carries a field-present mask: bit n
// is set when field n + 1 of the sentence was not empty. Empty numbers hold 0, empty texts "".
// Most end in a status flag, 'R' (reply) or 'C' (configuration command).

constexpr int ATON_TEXT_SIZE = 34;
constexpr int ATON_MPR_VALUES = 5;
constexpr int ATON_VER_TEXTS = 7;

struct ATON_REF_POINT_DIMENSION
{
    uint8_t d;  // 6 bits
    uint8_t c;  // 6 bits
    uint16_t b; // 9 bits
    uint16_t a; // 9 bits
};

// AtoN report schedule.
struct I62_AAR
{
    long mmsi;
    uint8_t msgId;
    uint8_t msgIndex;
    uint8_t channel;
    uint8_t slotMode;
    uint16_t startSlot;
    long startTime;
    uint8_t reportInterval;
    uint8_t repeatCount;
    uint8_t powerLevel;
    uint16_t slotIncrement;
    long duration;
    uint8_t status;
    uint16_t present;
};

// Extended AtoN station configuration.
struct I62_ACE
{
    long mmsi;
    uint8_t atonStatus; // two hexadecimal digits
    uint16_t channel;
    uint8_t epfsType;
    uint8_t virtualFlag;
    uint8_t powerLevel;
    char nameExtension[ATON_TEXT_SIZE];
    ATON_REF_POINT_DIMENSION dimension;
    uint8_t status;
    uint16_t present;
};

// General AtoN station configuration.
struct I62_ACF
{
    long mmsi;
    uint8_t atonType;
    I62_DEGREE position; // present only when all four position fields are given
    uint8_t positionAccuracy;
    uint8_t epfsType;
    uint8_t raimFlag;
    uint8_t virtualFlag;
    uint8_t offPositionThreshold;
    uint8_t syncMode;
    uint8_t powerLevel;
    uint8_t channelMode;
    uint8_t status; // stored as received
    uint16_t present;
};

// AtoN forced broadcast.
struct I62_AFB
{
    long mmsi;
    uint8_t msgId;
    uint8_t msgIndex;
    uint8_t channel;
    uint8_t repeatCount;
    uint8_t slotOffset;
    uint8_t powerLevel;
    uint8_t status;
    uint16_t present;
};

// AtoN function command.
struct I62_AFC
{
    long mmsi;
    char function[ATON_TEXT_SIZE];
    uint16_t present;
};

// AtoN identification.
struct I62_AID
{
    long mmsi;
    uint8_t idType;
    long newMmsi;
    uint8_t changeMode;
    uint8_t status;
    uint16_t present;
};

// AtoN authentication key.
struct I62_AKE
{
    long mmsi;
    char keyId[ATON_TEXT_SIZE];
    char key[ATON_TEXT_SIZE];
    uint8_t status;
    uint16_t present;
};

// AtoN reserved transmission window.
struct I62_ARW
{
    long mmsi;
    uint8_t msgId;
    uint8_t channel;
    uint8_t windowStart;
    uint8_t windowLength;
    uint8_t repeatCount;
    uint8_t status;
    uint16_t present;
};

// Monitoring command.
struct I62_MCR
{
    long mmsi;
    char command[ATON_TEXT_SIZE];
    uint8_t status;
    uint16_t present;
};

// Monitoring parameter report: supply voltage, load current, temperature, light level and
// received signal level, then the state text.
struct I62_MPR
{
    long mmsi;
    long values[ATON_MPR_VALUES];
    char state[ATON_TEXT_SIZE];
    uint8_t status;
    uint16_t present;
};

// Transmission schedule parameters.
struct I62_TSP
{
    long mmsi;
    uint8_t msgId;
    uint8_t channel;
    I62_UTC_TIME startTime;
    uint8_t reportInterval;
    uint8_t repeatCount;
    uint8_t slotCount;
    uint8_t slotOffset;
    uint8_t syncMode;
    uint8_t powerLevel;
    uint8_t txMode;
    uint8_t retries;
    uint8_t status;
    uint16_t present;
};

// Version: sentence total and number, device type, then vendor id, unique identifier, serial
// number, model code, software and hardware revision and sequential message id.
struct I62_VER
{
    uint8_t total;
    uint8_t number;
    uint8_t deviceType;
    char texts[ATON_VER_TEXTS][ATON_TEXT_SIZE];
    uint16_t present;
};

struct I61162_Data_Structure;

// A digit character to its value, -1 for any other character.
int CtoI(char c);
// Ten digits (three for A, three for B, two for C, two for D); false for any other text.
bool Convert_Dim_Ref_Str_To_Val(const char* text, ATON_REF_POINT_DIMENSION* dimension);

bool ATON_FMT_AAR(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_ACE(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_ACF(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_AFB(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_AFC(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_AID(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_AKE(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_ARW(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_MCR(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_MPR(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_TSP(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_VER(char* sentence, I61162_Data_Structure* record);

// Write the sentence without checksum into destination (size bytes); false when it does not fit.
bool ATON_FMT_AAR_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_ACE_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_ACF_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_AFB_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_AFC_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_AID_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_AKE_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_ARW_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_MCR_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_MPR_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_TSP_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool ATON_FMT_VER_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
