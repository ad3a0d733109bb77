#pragma once

// The transponder model: 0 not yet determined.
enum MACHINE_TYPE : int {
    MACHINE_TYPE_NONE = 0,
    MACHINE_TYPE_KVX_T_362 = 1, // configuration group 108
    MACHINE_TYPE_T_275 = 2,     // configuration group 600
};

// The detection state of the transponder link.
enum COMM_TRX_DEV_STATE : int {
    COMM_TRX_DEV_NONE = 0,
    COMM_TRX_DEV_IDENTIFIED = 1,  // a version reply named a known model
    COMM_TRX_DEV_CONFIG_TEXT = 2, // the system-data text has ended
    COMM_TRX_DEV_CONFIG_SHOWN = 3,
    COMM_TRX_DEV_OPENED = 4, // link opened, model not yet known
};

#include <cstdint>

constexpr int AIVER_TEXT_SIZE = 20;
constexpr int MACHINE_NAME_SIZE = 16;

// The fields of one "$AIVER" reply, in the order of the sentence.
typedef struct SAiverData
{
    char szSentenceId[AIVER_TEXT_SIZE];
    int iTotalSentences;
    int iSentenceNumber;
    char szDeviceType[AIVER_TEXT_SIZE];
    char szVendorId[AIVER_TEXT_SIZE];
    char szUniqueId[AIVER_TEXT_SIZE];
    int64_t llSerialNumber;
    int iModelCode;
    char szSoftwareRev[AIVER_TEXT_SIZE]; // the transponder puts its model name here
    char szHardwareRev[25];
    char szSeqMessageId[21];
    uint16_t usCheckNumber; // the checksum's digits read as decimal; not used
} AIVER_DATA;

// The device identity shown on the Home page.
typedef struct SMachineTypeData
{
    SAiverData sAiver;
    MACHINE_TYPE eMachineType;
    char szMachineName[MACHINE_NAME_SIZE];
    int iCfgGroup; // 108 for model 1, 600 for model 2, 0 before detection
} MACHINE_TYPE_DATA;
