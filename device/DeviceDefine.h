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
