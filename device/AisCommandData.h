#pragma once

#include <cstdint>

constexpr int CFG_TEXT_SIZE = 256;
constexpr int CEK_KEY_SIZE = 80;

// One "$PQXV,R,CFG," reply.
typedef struct SCFGCommandStruct
{
    int group;
    int subIndex;
    int value;
    char text[CFG_TEXT_SIZE];
} CFG_COMMAND_STRUCT;

typedef struct SDBGCommandStruct
{
    int id;
    int value;
} DBG_COMMAND_STRUCT;

// One "$AIEPV,R,AI," reply.
typedef struct SEPVCommandStruct
{
    uint32_t uniqueId; // the MMSI
    uint32_t propertyId;
    uint32_t value;
} EPV_COMMAND_STRUCT;

// One "$AICEK,1,1,," reply.
typedef struct SCEKCommandStruct
{
    int field1;
    int field2;
    int field3;             // sequential message identifier
    int64_t field4;         // the MMSI
    char key[CEK_KEY_SIZE]; // hexadecimal text of the encryption code
    char status;            // 'R' a reply, 'C' a command
} CEK_COMMAND_STRUCT;

// The last result of each reply kind.
typedef struct SAISCommandData
{
    SCFGCommandStruct cfg;
    SDBGCommandStruct dbg;
    SEPVCommandStruct epv;
    SCEKCommandStruct cek;
} AIS_COMMAND_DATA;
