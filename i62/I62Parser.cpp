#include "i62/I62Parser.h"

#include "i62/AisBinMsgCodec.h"
#include "i62/AisStation.h"
#include "i62/I62Group.h"
#include "i62/I62Outport.h"
#include "i62/I62Sentence.h"
#include "i62/I62Table.h"

#include <cstring>

AIS_raw_message RxAisRawMsgTuple;
Encapsulation_Sentence_Structure EncapSentenRxCopy;
uint32_t ExtCount_TxChA = 0;
uint32_t ExtCount_TxChB = 0;

namespace {

bool isFormatter(const I61162_Data_Structure& record, const char* formatter)
{
    return I62_SameFormatter(record.formatter, formatter);
}

// Counts the sentence in the station record; a sentence without channel counts nothing.
void countReception(const I61162_Data_Structure& record, GENERIC_SHIP_DATA& station)
{
    const uint8_t channel = record.fields.encap.channel;
    if (channel == I62_U8_EMPTY)
        return;
    if (isFormatter(record, "VDM")) {
        ++station.vdmCount;
        return;
    }
    ++station.vdoCount;
    if (channel == 'A')
        ++ExtCount_TxChA;
    else if (channel == 'B')
        ++ExtCount_TxChB;
}

// The received text as it came, without its line end, to echo an ABM or BBM on the sentence
// output; CR LF and the NUL always fit behind it.
struct SReceivedCopy
{
    char text[I62_RECEIVED_COPY_SIZE];
};

SReceivedCopy copyReceived(const char* sentence, std::size_t bufSize)
{
    SReceivedCopy copy{};
    if (sentence == nullptr)
        return copy;
    const std::size_t limit = bufSize < sizeof(copy.text) - 3 ? bufSize : sizeof(copy.text) - 3;
    std::size_t n = 0;
    while (n < limit && sentence[n] != '\0' && sentence[n] != '\r' && sentence[n] != '\n')
        ++n;
    std::memcpy(copy.text, sentence, n);
    std::memcpy(copy.text + n, "\r\n", 3);
    return copy;
}

// A complete VDM or VDO message from the reassembly copy into the station table.
signed char storeAisMessage(const I61162_Data_Structure& record)
{
    if (!I62_EncapSentenceDecode(&EncapSentenRxCopy, &RxAisRawMsgTuple))
        return I62_RESULT_NOT_SIXBIT;
    if (!AisMessageUnpack(&RxAisRawMsgTuple, &Un_RxMsg)) // clears the record before it unpacks
        return I62_RESULT_UNDECODABLE;
    const int channel = record.fields.encap.channel - 'A';
    const int index = StoreAisMsg(&Un_RxMsg, channel, 0, isFormatter(record, "VDO"));
    if (index >= 0) {
        countReception(record, ShipData[index]);
        ShipData[index].lastMsgId = Un_RxMsg.bytes[0];
    }
    DecodeAisBinaryMessage(&Un_RxMsg, 0);
    return I62_RESULT_TAKEN;
}

} // namespace

signed char Parser(char* sentence, I61162_Data_Structure* record, std::size_t bufSize)
{
    // Decomposition cuts the text in place, so the echo needs its copy first; with nothing
    // connected to the output the copy would go nowhere, and most sentences are not echoed.
    const bool echo = I62_OutportConnected();
    SReceivedCopy received;
    received.text[0] = '\0';
    if (echo)
        received = copyReceived(sentence, bufSize);
    const uint8_t decomposed = I62_Decompose(sentence, record, bufSize);
    if (decomposed != I62_RESULT_TAKEN)
        return static_cast<signed char>(decomposed);
    I62_ProcessData(record);
    if (echo && (isFormatter(*record, "ABM") || isFormatter(*record, "BBM")))
        AT91F_I62DataOutport(received.text);
    if (record->start != '!') {
        std::memset(&Un_RxMsg, 0, sizeof(Un_RxMsg));
        std::memset(&EncapSentenRxCopy, 0, sizeof(EncapSentenRxCopy));
        return I62_RESULT_TAKEN;
    }
    const int appended = I62_AppendEncapSentence(record, &EncapSentenRxCopy);
    if (appended == ENCAP_PENDING)
        return I62_RESULT_FRAGMENT;
    if (appended != ENCAP_COMPLETE)
        return I62_RESULT_TAKEN;
    return storeAisMessage(*record);
}

bool MsgCodecInitial()
{
    std::memset(&EncapSentenRxCopy, 0, sizeof(EncapSentenRxCopy));
    std::memset(&EncapSentenTx, 0, sizeof(EncapSentenTx));
    I62SentenceQueue.count = 0;
    ExtCount_TxChA = 0;
    ExtCount_TxChB = 0;
    I62_EncapSenten_Init();
    return true;
}

bool I62_ExtraProcess(Encapsulation_Sentence_Structure* message, const I61162_Data_Structure* record)
{
    if (message == nullptr || record == nullptr || !(isFormatter(*record, "ABM") || isFormatter(*record, "BBM")))
        return false;
    message->msgId = record->fields.encap.msgId;
    return true;
}
