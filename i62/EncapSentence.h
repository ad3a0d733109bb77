#pragma once

#include "i62/AisMessage.h"
#include "i62/I62Sentence.h"

#include <cstddef>
#include <cstdint>

// Reassembly of encapsulated AIS messages (VDM, VDO, ABM, BBM) and their six-bit armouring.

constexpr int ENCAP_PAYLOAD_MAX = 175;
constexpr int ENCAP_KIND_COUNT = 4;
constexpr int ENCAP_SLOT_COUNT = 10;

enum ENCAP_KIND { ENCAP_KIND_ABM = 0, ENCAP_KIND_BBM = 1, ENCAP_KIND_VDM = 2, ENCAP_KIND_VDO = 3 };

// Results of I62_AppendEncapSentence.
constexpr int ENCAP_REFUSED = 0;
constexpr int ENCAP_PENDING = 1;
constexpr int ENCAP_COMPLETE = 2;

struct Encapsulation_Sentence_Structure
{
    char formatter[4];
    uint64_t destMmsi;
    uint8_t total;
    uint8_t number;
    uint8_t seqId;
    uint8_t channel;
    uint8_t msgId;
    uint8_t complete;
    uint8_t fillBits;
    uint8_t processed;
    char payload[ENCAP_PAYLOAD_MAX + 1];
};
static_assert(sizeof(Encapsulation_Sentence_Structure) == 200, "encapsulated message");
static_assert(offsetof(Encapsulation_Sentence_Structure, destMmsi) == 8 &&
                  offsetof(Encapsulation_Sentence_Structure, total) == 16 &&
                  offsetof(Encapsulation_Sentence_Structure, payload) == 24,
              "encapsulated message fields");

extern Encapsulation_Sentence_Structure EncapSentenStore[ENCAP_KIND_COUNT][ENCAP_SLOT_COUNT];
extern uint8_t EncapSentenIndex[ENCAP_KIND_COUNT];
extern int EncapSentenCount;
extern Encapsulation_Sentence_Structure* EncapSentenActive;
static_assert(sizeof(EncapSentenStore) == 8000, "reassembly store");

int I62_AppendEncapSentence(const I61162_Data_Structure* record, Encapsulation_Sentence_Structure* destination);
Encapsulation_Sentence_Structure* I62_EncapSenten_Update(const Encapsulation_Sentence_Structure* fragment);
void I62_EncapSenten_Init();
bool I62_EncapSenten_CheckProcess();
bool I62_EncapSentenceDecode(const Encapsulation_Sentence_Structure* message, AIS_raw_message* raw);
bool I62_EncapSentenceEncode(Encapsulation_Sentence_Structure* message, const AIS_raw_message* raw);
bool I62_SplitEncapSentence(I61162_Data_Structure* record, Encapsulation_Sentence_Structure* message, int* offset);
