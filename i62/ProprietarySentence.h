#pragma once

#include "i62/I62ComposeField.h"
#include "i62/I62Field.h"

#include <cstddef>
#include <cstdint>

// Field layouts of the transponder's proprietary sentences ("$PMID,..." or, behind the maker's
// mnemonic, "$PQXV,<letter>,MID,..."), the AIQ query and the "Smg" sentence.

constexpr int PRI_BDY_TEXT_SIZE = 21;
constexpr int PRI_TEXT_SIZE = 34;
constexpr int PRI_DBG_PAIRS = 4;
constexpr int PRI_BTH_VALUES = 6;
constexpr int PRI_MOB_IDENT_SIZE = 3;
constexpr int PRI_MOB_BYTES = 9;

// Values an empty field takes.
constexpr long PRI_TST_LONG_EMPTY = 99999;
constexpr uint8_t PRI_TST_U8_EMPTY = 99;
constexpr uint8_t PRI_BDY_U8_EMPTY = 9;
constexpr uint16_t PRI_BTH_EMPTY = 256;
constexpr uint16_t PRI_ID_EMPTY = 999;
constexpr int32_t PRI_I32_EMPTY = -2147483647;
constexpr uint8_t PRI_MOB_BYTE_EMPTY = 255;
constexpr uint16_t PRI_MRK_U16_EMPTY = 65535;
constexpr char PRI_AIQ_KEY[] = "Smg";

struct I62_PMID
{
    long mmsi1;
    long mmsi2;
};

struct I62_PBDY
{
    long mmsi;
    char text1[PRI_BDY_TEXT_SIZE];
    char text2[PRI_BDY_TEXT_SIZE];
    uint8_t value1;
    uint8_t value2;
};

struct I62_PTST
{
    long number;
    uint8_t value;
    uint8_t char1;
    uint8_t char2;
    int code; // -1 when empty
};

struct I62_PFRQ
{
    long frequency1;
    uint8_t value1;
    long frequency2;
    uint8_t value2;
};

struct I62_PBTH
{
    uint16_t values[PRI_BTH_VALUES];
    char text[PRI_TEXT_SIZE];
};

struct I62_PDBG
{
    uint16_t id[PRI_DBG_PAIRS];
    int32_t value[PRI_DBG_PAIRS];
};

struct I62_PTPS
{
    uint16_t value;
    char text[PRI_TEXT_SIZE];
};

struct I62_PMOB
{
    uint8_t ident[PRI_MOB_IDENT_SIZE]; // all 0 when empty or not six hexadecimal characters
    uint8_t value;
    uint8_t byte1;
    uint8_t byte2;
    uint8_t byte2Present;
    uint8_t bytes[PRI_MOB_BYTES];
    uint8_t byteCount;
};

struct I62_PMRK
{
    uint8_t subType;
    uint8_t digit;
    uint16_t value;
    int number;
    int32_t value1;
    int32_t value2;
    char text[PRI_TEXT_SIZE];
    uint8_t level;
};

struct I62_PGBP
{
    int16_t value;
    I62_UTC_TIME time;
    I62_DEGREE position;
    float value1;
    float value2;
    I62_DATE date;
};

struct I62_AIQ
{
    char key[4];
    int value;
};

struct I62_SMG
{
    char text[PRI_TEXT_SIZE];
    long value;
};

struct I61162_Data_Structure;

bool I62_FMT_PMID(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PBDY(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PTST(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PFRQ(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PBTH(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PDBG(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PTPS(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PMOB(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_MRK(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_PGBP(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_AIQ(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_Smg(char* sentence, I61162_Data_Structure* record);

// Write the sentence without checksum into destination (size bytes); false when it does not fit.
bool I62_FMT_PMID_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_PBDY_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_PTST_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_PFRQ_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_PBTH_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_PDBG_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_PTPS_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_PMOB_Compose(char* destination, const I61162_Data_Structure* record,
                          std::size_t size = I62_COMPOSE_BUF_SIZE);
bool I62_FMT_MRK_Compose(char* destination, const I61162_Data_Structure* record,
                         std::size_t size = I62_COMPOSE_BUF_SIZE);
