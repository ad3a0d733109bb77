#pragma once

#include "device/AisCommandData.h"

// The formats of the transponder's configuration replies; stateless.

class CFmtCFG
{
public:
    // $PQXV,R,CFG,<group>,<sub-index>,<value>,<text>*hh
    static SCFGCommandStruct parseCommandData(char* sentence);
    // Whether group, sub-index, value and text are all there.
    static bool isComplete(const char* sentence);
};

class CFmtEPV
{
public:
    // $AIEPV,R,AI,<unique id>,<property id>,<value>*hh
    static SEPVCommandStruct parseCommandData(char* sentence);
};

class CFmtCEK
{
public:
    // $AICEK,<field 1>,<field 2>,<field 3>,<MMSI>,<key>,<status>*hh
    static SCEKCommandStruct parseCommandData(char* sentence);
};

// Kept beside the others; no DBG or VER reply is parsed in this form.
class CFmtDBG
{
};

class CFmtVER
{
};
