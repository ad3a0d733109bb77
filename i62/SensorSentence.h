#pragma once

#include "i62/I62ComposeField.h"
#include "i62/I62Field.h"

#include <cstddef>
#include <cstdint>

// Field layouts of the heading, rate-of-turn, speed and radar sentences. Only the HDT/HDM
// heading (511.0) and the ROT rate (-100000.0) have an empty value; other empty numbers read 0.

constexpr float I62_HEADING_EMPTY = 511.0f;
constexpr int RSD_VALUES = 11;
constexpr int TTM_NAME_SIZE = 17;
constexpr int TTD_SIZE = 68;

// HDT and HDM.
struct I62_HDT
{
    float heading;
    uint8_t reference;
};

// Composed only: heading, deviation and variation, each with its direction from the sign.
struct I62_HDG
{
    float heading;
    float deviation;
    float variation;
};

struct I62_ROT
{
    float rate;
    uint8_t status;
};

struct I62_VBW
{
    float waterLongitudinal;
    float waterTransverse;
    uint8_t waterStatus;
    float groundLongitudinal;
    float groundTransverse;
    uint8_t groundStatus;
};

struct I62_OSD
{
    float heading;
    uint8_t headingStatus;
    float course;
    uint8_t courseReference;
    float speed;
    uint8_t speedReference;
    float set;
    float drift;
    uint8_t speedUnits;
};

struct I62_RSD
{
    float values[RSD_VALUES];
    uint8_t rangeUnits;
    uint8_t displayRotation;
};

// One tracked radar target; its 64 bytes are what the radar target slots keep.
struct I62_TTM
{
    uint8_t number;
    float distance;
    float bearing;
    uint8_t bearingReference;
    float speed;
    float course;
    uint8_t courseReference;
    float cpaDistance;
    float cpaTime;
    uint8_t units;
    char name[TTM_NAME_SIZE];
    uint8_t status;
    uint8_t referenceTarget;
    I62_UTC_TIME time;
    uint8_t acquisition;
};
static_assert(sizeof(I62_TTM) == 64, "a radar target slot holds one TTM");

struct I62_TLB
{
    float number;
    uint8_t label;
};

struct I62_TLL
{
    uint8_t number;
    I62_DEGREE position;
    char name[TTM_NAME_SIZE];
    I62_UTC_TIME time;
    uint8_t status;
    uint8_t referenceTarget;
};

struct I61162_Data_Structure;

bool I62_FMT_HDT(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_HDM(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_ROT(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_VBW(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_OSD(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_RSD(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_TTM(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_TLB(char* sentence, I61162_Data_Structure* record);

bool I62_FMT_HDT_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_HDG_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_ROT_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
