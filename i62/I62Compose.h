#pragma once

#include "i62/AisMessage.h"
#include "i62/EncapSentence.h"
#include "i62/I62ComposeField.h"

#include <cstddef>
#include <cstdint>

// The outgoing side of the sentence library: a sentence composed from a record (or from the
// stores), the encapsulation sentences of a raw AIS message, queries, and the queue of own
// VDO sentences waiting to go out.

constexpr int I62_SENTENCE_QUEUE_SIZE = 11;
constexpr int I62_SENTENCE_QUEUE_TEXT = 100;
// A composed sentence with its checksum: the composer's text, then "*hh", CR, LF and NUL.
constexpr std::size_t I62_SENTENCE_OUT_SIZE = I62_COMPOSE_BUF_SIZE + 6;

// Composed sentences waiting to go out.
struct I62_SENTENCE_QUEUE
{
    char sentence[I62_SENTENCE_QUEUE_SIZE][I62_SENTENCE_QUEUE_TEXT];
    uint8_t count;
};

// The message being cut into outgoing sentences.
extern Encapsulation_Sentence_Structure EncapSentenTx;
extern I62_SENTENCE_QUEUE I62SentenceQueue;

struct I61162_Data_Structure;

// The composer of the record's formatter, then the checksum; false when the formatter has no
// composer or the sentence does not fit into size bytes.
bool I62_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size = I62_SENTENCE_OUT_SIZE);
// Sets talker and formatter, reads the fields back from the stores and composes.
bool ComposeI62Sentence(char* destination, I61162_Data_Structure* record, const char* formatter, const char* talker,
                        std::size_t size = I62_SENTENCE_OUT_SIZE);
// Armours the message and composes its sentences; an own VDO with a channel goes to the queue,
// every other sentence to the sentence output. The channel byte of the message is 'A' or 'B'
// (or 0 and 1); anything else is no channel.
bool ComposeI62AisSentence(I61162_Data_Structure* record, const char* formatter, const AIS_raw_message* message);
// "$<talker><addressed talker>Q,<formatter>" with its checksum.
bool ComposeI62QuerySentence(char* destination, const char* talker, const char* addressedTalker,
                             const char* formatter, std::size_t size = I62_SENTENCE_OUT_SIZE);
// Appends a sentence of fewer than 100 characters while the queue holds fewer than 11.
bool I62_SentenceQueueAppend(const char* sentence);
// Every queued sentence to the sentence output, then the queue is empty.
void I62SentenceQueueOutput();
