#pragma once

#include "i62/I62ComposeField.h"
#include "i62/I62Field.h"

#include <cstddef>
#include <cstdint>

// Field layouts, stores and composers of the long-range interrogation sentences (LRI, LRF,
// LR1, LR2, LR3) and the DSC sentences (DSC, DSE, DSI, DSR).

constexpr int LRNG_NAME_SIZE = 21;
constexpr int LRNG_CALL_SIGN_SIZE = 8;
constexpr int LRNG_TEXT_SIZE = 27;
constexpr int DSC_TEXT_SIZE = 34;

struct I62_LRI
{
    uint8_t sequence;
    uint8_t controlFlag;
    long requestorMmsi;
    long destinationMmsi;
    I62_DEGREE northEast;
    LRng_DEGREE southWest;
};

struct I62_LRF
{
    uint8_t sequence;
    long requestorMmsi;
    char requestorName[LRNG_NAME_SIZE];
    char functionRequest[LRNG_TEXT_SIZE];
    char replyStatus[LRNG_TEXT_SIZE];
};

struct I62_LR1
{
    uint8_t sequence;
    long responderMmsi;
    long requestorMmsi;
    char shipName[LRNG_NAME_SIZE];
    char callSign[LRNG_CALL_SIGN_SIZE];
    long imo;
};

struct I62_LR2
{
    uint8_t sequence;
    long responderMmsi;
    LRng_DATE date;
    I62_UTC_TIME time;
    LRng_DEGREE position;
    float course;
    uint8_t courseReference;
    float speed;
    uint8_t speedReference;
};

struct I62_LR3
{
    uint8_t sequence;
    long responderMmsi;
    char destination[LRNG_NAME_SIZE];
    LRng_DATE etaDate;
    I62_UTC_TIME etaTime;
    float draught;
    float cargo;
    float length;
    float breadth;
    float shipType;
    float persons;
};

struct I62_DSC
{
    uint8_t formatSpecifier;
    long addressMmsi;
    uint8_t category;
    uint8_t telecommand1;
    uint8_t telecommand2;
    char positionOrFrequency[DSC_TEXT_SIZE];
    char timeOrNumber[DSC_TEXT_SIZE];
    long distressMmsi;
    uint8_t distressNature;
    uint8_t acknowledgement;
    uint8_t expansion;
};

// DSE and DSR: expansion data of a DSC call.
struct I62_DSE
{
    uint8_t total;
    uint8_t number;
    uint8_t queryFlag;
    long mmsi;
    uint8_t code;
    char data[DSC_TEXT_SIZE];
};

struct I62_DSI
{
    uint8_t total;  // the digit character
    uint8_t number; // the digit character
    long mmsi;
    uint8_t command1;
    uint8_t command2;
    char text1[DSC_TEXT_SIZE];
    uint8_t value;
    char text2[DSC_TEXT_SIZE];
    uint8_t flag;
};

using I62_DSR = I62_DSE;

struct LRng_Data
{
    uint32_t system;
    I62_LRI lri;
    uint8_t lriPresent;
    I62_LRF lrf;
    uint8_t lrfPresent;
    I62_LR1 lr1;
    uint8_t lr1Present;
    I62_LR2 lr2;
    uint8_t lr2Present;
    I62_LR3 lr3;
    uint8_t lr3Present;
};

struct DSC_Data
{
    uint32_t system;
    I62_DSC dsc;
    uint8_t dscPresent;
    I62_DSE dse;
    uint8_t dsePresent;
    I62_DSI dsi;
    uint8_t dsiPresent;
    I62_DSR dsr;
    uint8_t dsrPresent;
};

extern LRng_Data EXTLRngData;
extern DSC_Data EXTDSCData;

struct I61162_Data_Structure;

bool AIS_FMT_LRI(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_LRF(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_LR1(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_LR2(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_LR3(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_DSC(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_DSE(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_DSI(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_DSR(char* sentence, I61162_Data_Structure* record);

void StoreLRngData(const I61162_Data_Structure* record, LRng_Data* store);
void StoreDSCData(const I61162_Data_Structure* record, DSC_Data* store);

// Write the sentence without checksum into destination (size bytes); false when it does not fit.
bool AIS_FMT_LRI_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool AIS_FMT_LRF_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool AIS_FMT_LR1_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool AIS_FMT_LR2_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool AIS_FMT_LR3_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_DSI_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
