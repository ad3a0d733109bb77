#pragma once

#include "i62/AisMessage.h"
#include "i62/EncapSentence.h"
#include "i62/I62Compose.h"
#include "i62/I62Decompose.h"
#include "i62/I62Frame.h"

#include <cstddef>
#include <cstdint>

// The sentence library's entry for a received sentence: frame check, decomposition, the store
// of its group and, for an encapsulation sentence, reassembly, decoding and the station table.

// The received text kept for the sentence output: the longest sentence taken, its CR LF and NUL.
constexpr int I62_RECEIVED_COPY_SIZE = I62_MAX_SENTENCE_LEN + 3;

// The raw form of the last complete AIS message.
extern AIS_raw_message RxAisRawMsgTuple;
// The last complete VDM or VDO message, copied out of the reassembly store.
extern Encapsulation_Sentence_Structure EncapSentenRxCopy;
// Own VDO reports received on channel A and B.
extern uint32_t ExtCount_TxChA;
extern uint32_t ExtCount_TxChB;

struct I61162_Data_Structure;

// Takes one CR LF-terminated sentence held in bufSize bytes (changed in place); one of the
// I62_RESULT_ codes.
signed char Parser(char* sentence, I61162_Data_Structure* record, std::size_t bufSize = I62_SENTENCE_BUF_SIZE);
bool MsgCodecInitial();
// For an ABM or BBM record, copies its message id into the encapsulation record.
bool I62_ExtraProcess(Encapsulation_Sentence_Structure* message, const I61162_Data_Structure* record);
