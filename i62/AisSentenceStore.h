#pragma once

#include "i62/AisSentence.h"

#include <cstdint>

// The last values of each AIS-group sentence, each with a present flag.

// The fragment of an encapsulated message last received.
struct I62_FRAGMENT_INFO
{
    uint8_t total;
    uint8_t number;
    uint8_t seqId;
    uint8_t channel;
};

struct AIS_Data
{
    uint32_t system;
    I62_ABK abk;
    uint8_t abkPresent;
    I62_ACA aca;
    uint8_t acaPresent;
    I62_ACK ack;
    uint8_t ackPresent;
    I62_ACS acs;
    uint8_t acsPresent;
    I62_AIR air;
    uint8_t airPresent;
    I62_ALR alr;
    uint8_t alrPresent;
    I62_SSD ssd;
    uint8_t ssdPresent;
    I62_VSD vsd;
    uint8_t vsdPresent;
    I62_ENCAP_SENTENCE abm;
    uint8_t abmPresent;
    I62_ENCAP_SENTENCE bbm;
    uint8_t bbmPresent;
    I62_TXT txt;
    uint8_t txtPresent;
    I62_FRAGMENT_INFO vdm;
    uint8_t vdmPresent;
    I62_FRAGMENT_INFO vdo;
    uint8_t vdoPresent;
};

extern AIS_Data EXTAISData;

struct I61162_Data_Structure;

void StoreAISData(const I61162_Data_Structure* record, AIS_Data* store);
// Clears every present flag.
void I62_ClearAISDataFlags(AIS_Data* store);
