#pragma once

#include "i62/AtonSentence.h"

#include <cstdint>

// The last values of each AtoN sentence, each with a present flag.
struct AtoN_sentence_data
{
    I62_AAR aar;
    uint8_t aarPresent;
    I62_ACE ace;
    uint8_t acePresent;
    I62_ACF acf;
    uint8_t acfPresent;
    I62_AFB afb;
    uint8_t afbPresent;
    I62_AFC afc;
    uint8_t afcPresent;
    I62_AID aid;
    uint8_t aidPresent;
    I62_AKE ake;
    uint8_t akePresent;
    I62_ARW arw;
    uint8_t arwPresent;
    I62_MCR mcr;
    uint8_t mcrPresent;
    I62_MPR mpr;
    uint8_t mprPresent;
    I62_TSP tsp;
    uint8_t tspPresent;
    I62_VER ver;
    uint8_t verPresent;
};

extern AtoN_sentence_data EXTAtoNData;

struct I61162_Data_Structure;

void StoreAtoNData(const I61162_Data_Structure* record, AtoN_sentence_data* store);
