#pragma once

// Sentences for the tests: checksums, armoured AIS messages and runs through Parser.
#include "i62/AisBinMsgCodec.h"
#include "i62/AisMessage.h"
#include "i62/AisStation.h"
#include "i62/EncapSentence.h"
#include "i62/I62Frame.h"
#include "i62/I62Parser.h"
#include "i62/I62Sentence.h"
#include "i62/NaviCalc.h"
#include "i62/OwnShipSensor.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace TestSupport {

// The body ("$GPGGA,...") completed with '*', its checksum and CR LF.
inline std::string withChecksum(const std::string& body)
{
    char text[I62_SENTENCE_BUF_SIZE + 8] = {};
    std::strncpy(text, body.c_str(), I62_SENTENCE_BUF_SIZE);
    I62_Compose_CheckSum(text);
    return text;
}

// Runs a received text through Parser in a buffer of the sentence handler's size.
inline signed char parse(const std::string& text, I61162_Data_Structure* record = nullptr)
{
    char buffer[I62_SENTENCE_BUF_SIZE] = {};
    if (text.size() >= sizeof(buffer))
        return -1;
    std::memcpy(buffer, text.data(), text.size());
    I61162_Data_Structure local{};
    return Parser(buffer, record != nullptr ? record : &local);
}

inline signed char parseBody(const std::string& body, I61162_Data_Structure* record = nullptr)
{
    return parse(withChecksum(body), record);
}

// An empty record with its talker and formatter, as a composer takes it.
inline I61162_Data_Structure recordOf(const char* talker, const char* formatter)
{
    I61162_Data_Structure record{};
    std::snprintf(record.talker, sizeof(record.talker), "%s", talker);
    std::snprintf(record.formatter, sizeof(record.formatter), "%s", formatter);
    return record;
}

// A message 1 of a station, without position unless one is given.
inline UN_AIS_MESSAGE positionReport(uint32_t mmsi, uint8_t navStatus = 0, float longitude = 181.0f,
                                     float latitude = 91.0f)
{
    UN_AIS_MESSAGE m{};
    m.msg1.msgId = 1;
    m.msg1.mmsi = mmsi;
    m.msg1.navStatus = navStatus;
    m.msg1.longitude = longitude;
    m.msg1.latitude = latitude;
    m.msg1.trueHeading = 511;
    return m;
}

// The raw message that an armoured payload stands for.
inline AIS_raw_message rawOf(const char* payload, int fillBits)
{
    Encapsulation_Sentence_Structure message{};
    std::strncpy(message.payload, payload, sizeof(message.payload) - 1);
    message.fillBits = static_cast<uint8_t>(fillBits);
    AIS_raw_message raw;
    if (!I62_EncapSentenceDecode(&message, &raw))
        std::memset(&raw, 0, sizeof(raw));
    return raw;
}

// The sentences ("!AIVDM,..." or "!AIVDO,...") that carry a raw message on a channel ('A' or
// 'B', 0 for none), with a sequential id (-1 for none).
inline std::vector<std::string> armourRaw(const AIS_raw_message& raw, const char* formatter = "VDM", char channel = 'A',
                                          int seqId = -1)
{
    Encapsulation_Sentence_Structure message{};
    std::snprintf(message.formatter, sizeof(message.formatter), "%s", formatter);
    std::vector<std::string> sentences;
    if (!I62_EncapSentenceEncode(&message, &raw))
        return sentences;
    I61162_Data_Structure record{};
    record.start = '!';
    std::memcpy(record.talker, "AI", 3);
    std::snprintf(record.formatter, sizeof(record.formatter), "%s", formatter);
    record.fields.encap.channel = channel == 0 ? I62_U8_EMPTY : static_cast<uint8_t>(channel - 'A');
    record.fields.encap.seqId = seqId < 0 ? I62_U8_EMPTY : static_cast<uint8_t>(seqId);
    int offset = 0;
    bool last = false;
    while (!last) {
        last = I62_SplitEncapSentence(&record, &message, &offset);
        char text[I62_COMPOSE_BUF_SIZE + 8] = {};
        AIS_FMT_VDM_Compose(text, &record, I62_COMPOSE_BUF_SIZE);
        I62_Compose_CheckSum(text);
        sentences.push_back(text);
    }
    return sentences;
}

inline std::vector<std::string> armour(const UN_AIS_MESSAGE& message, const char* formatter = "VDM", char channel = 'A',
                                       int seqId = -1)
{
    AIS_raw_message raw;
    if (AisMessagePack(&raw, &message) != 1)
        return {};
    return armourRaw(raw, formatter, channel, seqId);
}

// The whole message in one sentence, however long, as some receivers send it.
inline std::string armourWhole(const UN_AIS_MESSAGE& message, const char* formatter = "VDM", char channel = 'A')
{
    AIS_raw_message raw;
    Encapsulation_Sentence_Structure encoded{};
    if (AisMessagePack(&raw, &message) != 1 || !I62_EncapSentenceEncode(&encoded, &raw))
        return {};
    return withChecksum(std::string("!AI") + formatter + ",1,1,," + channel + "," + encoded.payload + "," +
                        std::to_string(encoded.fillBits));
}

// A binary broadcast (message 8) of a station carrying dataBits bits of application data.
inline UN_AIS_MESSAGE binaryBroadcast(uint32_t mmsi, int dataBits)
{
    UN_AIS_MESSAGE m{};
    m.msg8.msgId = 8;
    m.msg8.mmsi = mmsi;
    m.msg8.dataBits = static_cast<uint16_t>(dataBits);
    m.msg8.dataBytes = static_cast<uint8_t>((dataBits + 7) / 8);
    for (int i = 0; i < m.msg8.dataBytes; ++i)
        m.msg8.data[i] = static_cast<uint8_t>(0x5A ^ i);
    return m;
}

// The library's state as the sentence handler and the GPS model set it up.
inline void initLibrary()
{
    MsgCodecInitial();
    AisMessageInitial();
    AisBinMsgCodecInitial();
    ShipInitial();
    CpaInitial();
    SensorInitial();
}

} // namespace TestSupport
