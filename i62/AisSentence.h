#pragma once

#include <cstdint>

// Field layouts of the AIS sentences.

constexpr int I62_ENCAP_PAYLOAD_SIZE = 64;
constexpr uint8_t I62_U8_EMPTY = 128;

// VDM, VDO, ABM and BBM: one sentence of an encapsulated AIS message.
struct I62_ENCAP_SENTENCE
{
    uint8_t total;
    uint8_t number;
    uint8_t seqId;     // 128 when empty
    uint8_t channel;   // channel character, 128 when empty
    uint8_t msgId;     // ABM and BBM
    uint32_t destMmsi; // ABM
    char payload[I62_ENCAP_PAYLOAD_SIZE];
    uint8_t fillBits;
};
