#pragma once

#include "i62/ProprietarySentence.h"

#include <cstdint>

// The latest value of each proprietary sentence, with the flags that say which values hold.
struct PRI_DATA
{
    I62_PMID mid;
    uint8_t midFlag[2];
    uint8_t midSubType;
    I62_PBDY bdy;
    uint8_t bdyFlag;
    I62_PTST tst;
    uint8_t tstNumberFlag;
    uint8_t tstCharFlag;
    uint8_t tstCodeFlag;
    I62_PFRQ frq;
    uint8_t frqFlag[2];
    I62_PBTH bth;
    uint8_t bthValuesFlag;
    uint8_t bthTextFlag;
    I62_PDBG dbg;
    uint8_t dbgFlag[PRI_DBG_PAIRS];
    uint8_t dbgSubType;
    I62_PTPS tps;
    uint8_t tpsFlag;
    I62_PMOB mob;
    uint8_t mobFlag;
    I62_PMRK mrk;
    uint8_t mrkFlag;
    I62_PGBP gbp;
    uint8_t gbpFlag;
};

extern PRI_DATA EXTPriData;

struct I61162_Data_Structure;

void StoreProprietaryData(const I61162_Data_Structure* record, PRI_DATA* store);
// Clears every flag.
void I62_ClearPriDataFlags(PRI_DATA* store);
