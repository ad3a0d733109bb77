#pragma once

// Runs one VDM or VDO sentence text through the library the way the dispatcher does: frame
// check, field split, reassembly, armour decoding, unpacking and the station table.
#include "i62/AisStation.h"
#include "i62/EncapSentence.h"
#include "i62/I62Frame.h"
#include "i62/I62Sentence.h"

#include <cstdlib>
#include <cstring>

namespace TestSupport {

enum FEED_RESULT {
    FEED_STORED = 0,
    FEED_CHECKSUM = 1,
    FEED_PENDING = 4,
    FEED_NOT_SIXBIT = 6,
    FEED_UNDECODABLE = 7,
    FEED_REFUSED = 8,
    FEED_DROPPED = 9
};

inline uint8_t feedU8(const char* field)
{
    return field == nullptr || field[0] == ' ' ? 128 : static_cast<uint8_t>(std::atoi(field));
}

// VDM: !--VDM,total,number,sequential id,channel,payload,fill bits*hh
inline bool splitVdm(char* text, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(text, 6))
        return false;
    std::memset(record, 0, sizeof(*record));
    const char* address = StrToken(text, ",");
    if (address == nullptr || std::strlen(address) != 6)
        return false;
    record->start = address[0];
    std::memcpy(record->talker, address + 1, 2);
    std::memcpy(record->formatter, address + 3, 3);
    I62_ENCAP_SENTENCE& encap = record->fields.encap;
    encap.total = feedU8(StrToken(nullptr, ","));
    encap.number = feedU8(StrToken(nullptr, ","));
    encap.seqId = feedU8(StrToken(nullptr, ","));
    const char* channel = StrToken(nullptr, ",");
    encap.channel = channel == nullptr || channel[0] == ' ' ? 128 : static_cast<uint8_t>(channel[0]);
    const char* payload = StrToken(nullptr, ",");
    if (payload == nullptr || std::strlen(payload) >= sizeof(encap.payload))
        return false;
    std::strcpy(encap.payload, payload);
    encap.fillBits = feedU8(StrToken(nullptr, "*"));
    return encap.fillBits < 6;
}

inline int feedVdm(const char* sentence, int* stationIndex = nullptr)
{
    static Encapsulation_Sentence_Structure joined;
    static AIS_raw_message raw;
    char text[I62_SENTENCE_BUF_SIZE];
    if (std::strlen(sentence) >= sizeof(text))
        return FEED_DROPPED;
    std::strcpy(text, sentence);
    if (I62_Parse_CheckSum(text, sizeof(text)) == I62_CHECKSUM_ERROR)
        return FEED_CHECKSUM;
    I61162_Data_Structure record;
    if (!I62_PreParse(text) || !splitVdm(text, &record))
        return FEED_REFUSED;
    const int appended = I62_AppendEncapSentence(&record, &joined);
    if (appended == ENCAP_PENDING)
        return FEED_PENDING;
    if (appended != ENCAP_COMPLETE)
        return FEED_STORED;
    if (!I62_EncapSentenceDecode(&joined, &raw))
        return FEED_NOT_SIXBIT;
    if (!AisMessageUnpack(&raw, &Un_RxMsg))
        return FEED_UNDECODABLE;
    const bool own = std::strcmp(record.formatter, "VDO") == 0;
    const int index = StoreAisMsg(&Un_RxMsg, record.fields.encap.channel - 'A', 0, own);
    if (stationIndex != nullptr)
        *stationIndex = index;
    return FEED_STORED;
}

// The raw message that an armoured payload stands for.
inline AIS_raw_message rawOf(const char* payload, int fillBits)
{
    Encapsulation_Sentence_Structure message;
    std::memset(&message, 0, sizeof(message));
    std::strncpy(message.payload, payload, sizeof(message.payload) - 1);
    message.fillBits = static_cast<uint8_t>(fillBits);
    AIS_raw_message raw;
    if (!I62_EncapSentenceDecode(&message, &raw))
        std::memset(&raw, 0, sizeof(raw));
    return raw;
}

// The library's state as the sentence handler sets it up.
inline void initLibrary()
{
    I62_EncapSenten_Init();
    AisMessageInitial();
    ShipInitial();
}

} // namespace TestSupport
