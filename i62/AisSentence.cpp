#include "i62/AisSentence.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Sentence.h"

#include <cstring>

namespace {

constexpr long kMaxSentences = 9;
constexpr long kMaxSeqId = 9;
constexpr long kMaxAbmSeqId = 3;
constexpr long kMaxAbmChannel = 3;
constexpr long kMaxFillBits = 5;
constexpr long kMaxMmsi = 999999999;
constexpr std::size_t kPayloadMax = I62_ENCAP_PAYLOAD_SIZE - 1;
constexpr long kMaxTxtNumber = 99;

// The payload of one sentence. Receivers fill a sentence beyond the 82 characters of the
// standard (a first fragment of message 5 with 64 payload characters is common), so any
// payload a joined message could hold is taken; the checksum has vouched for the text.
bool takePayload(const char* field, I62_ENCAP_SENTENCE& encap)
{
    const std::size_t limit = kPayloadMax;
    const std::size_t length = I62_IsEmptyField(field) ? 0 : strnlen(field, limit + 1);
    if (length > limit)
        return false;
    I62_FieldText(encap.payload, sizeof(encap.payload), field);
    return true;
}

bool inRange(long value, long low, long high)
{
    return value >= low && value <= high;
}

// Total, sentence number and sequential id: the fields every encapsulation sentence starts with.
struct SEncapHead
{
    long total;
    long number;
    long seqId;
};

SEncapHead readHead(I62_ENCAP_SENTENCE& encap, long seqIdEmpty)
{
    encap = I62_ENCAP_SENTENCE{};
    SEncapHead head;
    head.total = I62_FieldLong(I62_NextField(), 0);
    head.number = I62_FieldLong(I62_NextField(), 0);
    head.seqId = I62_FieldLong(I62_NextField(), seqIdEmpty);
    encap.total = static_cast<uint8_t>(head.total);
    encap.number = static_cast<uint8_t>(head.number);
    encap.seqId = static_cast<uint8_t>(head.seqId);
    return head;
}

// Payload and fill bits: the fields every encapsulation sentence ends with.
bool readTail(I62_ENCAP_SENTENCE& encap)
{
    const char* payload = I62_NextField();
    const long fillBits = I62_FieldLong(I62_LastField(), I62_U8_EMPTY);
    encap.fillBits = static_cast<uint8_t>(fillBits);
    return takePayload(payload, encap) && inRange(fillBits, 0, kMaxFillBits);
}

// VDM and VDO: !--VDM,x,x,x,a,s--s,x*hh
bool readVdm(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 6))
        return false;
    I62_ENCAP_SENTENCE& encap = record->fields.encap;
    const SEncapHead head = readHead(encap, I62_U8_EMPTY);
    encap.channel = I62_FieldChar(I62_NextField());
    const bool tail = readTail(encap);
    return inRange(head.total, 0, kMaxSentences) && inRange(head.number, 0, kMaxSentences) &&
           I62_InRangeOrEmpty(head.seqId, 0, kMaxSeqId, I62_U8_EMPTY) && tail;
}

bool validTxtNumber(long value)
{
    return I62_InRangeOrEmpty(value, 1, kMaxTxtNumber, I62_U8_EMPTY);
}

} // namespace

bool AIS_FMT_VDM(char* sentence, I61162_Data_Structure* record)
{
    return readVdm(sentence, record);
}

bool AIS_FMT_VDO(char* sentence, I61162_Data_Structure* record)
{
    return readVdm(sentence, record);
}

// BBM: !--BBM,x,x,x,x,x.x,s--s,x*hh
bool AIS_FMT_BBM(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 7))
        return false;
    I62_ENCAP_SENTENCE& encap = record->fields.encap;
    const SEncapHead head = readHead(encap, I62_U8_EMPTY);
    encap.channel = I62_FieldU8(I62_NextField(), 0);
    encap.msgId = I62_FieldU8(I62_NextField(), 0);
    const bool tail = readTail(encap);
    return inRange(head.total, 0, kMaxSentences) && inRange(head.number, 0, kMaxSentences) &&
           I62_InRangeOrEmpty(head.seqId, 0, kMaxSeqId, I62_U8_EMPTY) && tail;
}

// ABM: !--ABM,x,x,x,xxxxxxxxx,x,x.x,s--s,x*hh
bool AIS_FMT_ABM(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 8))
        return false;
    I62_ENCAP_SENTENCE& encap = record->fields.encap;
    const SEncapHead head = readHead(encap, -1);
    const long mmsi = I62_FieldLong(I62_NextField(), 0); // an empty destination reads as 0
    const long channel = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
    const long msgId = I62_FieldLong(I62_NextField(), 0);
    encap.destMmsi = static_cast<uint32_t>(mmsi);
    encap.channel = static_cast<uint8_t>(channel);
    encap.msgId = static_cast<uint8_t>(msgId);
    const bool tail = readTail(encap);
    return inRange(head.total, 1, kMaxSentences) && inRange(head.number, 1, kMaxSentences) &&
           inRange(head.seqId, 0, kMaxAbmSeqId) && inRange(mmsi, 0, kMaxMmsi) && inRange(channel, 0, kMaxAbmChannel) &&
           (msgId == 6 || msgId == 12) && tail;
}

// ABK: $--ABK,xxxxxxxxx,a,x.x,x,x*hh
bool AIS_FMT_ABK(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 5))
        return false;
    I62_ABK& abk = record->fields.abk;
    abk = I62_ABK{};
    abk.mmsi = I62_FieldLong(I62_NextField(), I62_MMSI_EMPTY);
    // The channel of reception is a letter, as in the VDM sentence.
    abk.channel = I62_FieldChar(I62_NextField());
    abk.msgId = I62_FieldU8(I62_NextField(), 0);
    abk.msgSequence = I62_FieldU8(I62_NextField(), 0);
    abk.ackType = I62_FieldU8(I62_LastField(), 0);
    return true;
}

// ACK: $--ACK,xxx*hh
bool I62_FMT_ACK(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 1))
        return false;
    record->fields.ack.alarm = I62_FieldU16(I62_LastField(), I62_ALARM_EMPTY);
    return true;
}

// ACA: $--ACA,x,llll.ll,a,yyyyy.yy,a,llll.ll,a,yyyyy.yy,a,x,xxxx,x,xxxx,x,x,x,a,x,hhmmss.ss*hh
bool AIS_FMT_ACA(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 19))
        return false;
    I62_ACA& aca = record->fields.aca;
    aca = I62_ACA{};
    aca.sequence = I62_FieldU8(I62_NextField());
    char* southWest = I62_GetDegree(I62_NextField(), &aca.northEast);
    aca.zoneSize = I62_FieldU8(I62_GetDegree(southWest, &aca.southWest));
    aca.channelA = I62_FieldU16(I62_NextField());
    aca.bandwidthA = I62_FieldU8(I62_NextField());
    aca.channelB = I62_FieldU16(I62_NextField());
    aca.bandwidthB = I62_FieldU8(I62_NextField());
    aca.txRxMode = I62_FieldU8(I62_NextField());
    aca.power = I62_FieldU8(I62_NextField());
    aca.source = I62_FieldChar(I62_NextField());
    aca.inUse = I62_FieldU8(I62_NextField());
    I62_GetTime(I62_LastField(), &aca.inUseChanged);
    return true;
}

// ACS: $--ACS,x,xxxxxxxxx,hhmmss.ss,xx,xx,xxxx*hh
bool AIS_FMT_ACS(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 6))
        return false;
    I62_ACS& acs = record->fields.acs;
    acs = I62_ACS{};
    acs.sequence = I62_FieldU8(I62_NextField());
    acs.mmsi = I62_FieldLong(I62_NextField(), I62_MMSI_EMPTY);
    I62_GetTime(I62_NextField(), &acs.time);
    acs.day = I62_FieldU8(I62_NextField());
    acs.month = I62_FieldU8(I62_NextField());
    acs.year = I62_FieldU16(I62_LastField());
    return true;
}

// AIR: $--AIR,xxxxxxxxx,x.x,x,x.x,x,xxxxxxxxx,x.x,x*hh
bool AIS_FMT_AIR(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 8))
        return false;
    I62_AIR& air = record->fields.air;
    air = I62_AIR{};
    air.mmsi1 = I62_FieldLong(I62_NextField(), I62_MMSI_EMPTY);
    air.msg11 = I62_FieldF32(I62_NextField());
    air.subSection11 = I62_FieldChar(I62_NextField());
    air.msg12 = I62_FieldF32(I62_NextField());
    air.subSection12 = I62_FieldChar(I62_NextField());
    air.mmsi2 = I62_FieldLong(I62_NextField(), I62_MMSI_EMPTY);
    air.msg21 = I62_FieldF32(I62_NextField());
    air.subSection21 = I62_FieldChar(I62_LastField());
    return true;
}

// ALR: $--ALR,hhmmss.ss,xxx,A,A,c--c*hh
bool I62_FMT_ALR(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 5))
        return false;
    I62_ALR& alr = record->fields.alr;
    alr = I62_ALR{};
    I62_GetTime(I62_NextField(), &alr.time);
    alr.alarm = I62_FieldU16(I62_NextField(), I62_ALARM_EMPTY);
    alr.condition = I62_FieldChar(I62_NextField());
    alr.ackState = I62_FieldChar(I62_NextField());
    I62_FieldText(alr.text, sizeof(alr.text), I62_LastField());
    return true;
}

// SSD: $--SSD,c--c,c--c,xxx,xxx,xx,xx,c,aa*hh
bool AIS_FMT_SSD(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 8))
        return false;
    I62_SSD& ssd = record->fields.ssd;
    ssd = I62_SSD{};
    I62_FieldText(ssd.callSign, sizeof(ssd.callSign), I62_NextField());
    I62_FieldText(ssd.name, sizeof(ssd.name), I62_NextField());
    ssd.refA = I62_FieldU16(I62_NextField(), SSD_REF_AB_EMPTY);
    ssd.refB = I62_FieldU16(I62_NextField(), SSD_REF_AB_EMPTY);
    ssd.refC = I62_FieldU8(I62_NextField(), SSD_REF_CD_EMPTY);
    ssd.refD = I62_FieldU8(I62_NextField(), SSD_REF_CD_EMPTY);
    ssd.dte = I62_FieldU8(I62_NextField(), SSD_DTE_EMPTY);
    I62_FieldText(ssd.source, sizeof(ssd.source), I62_LastField());
    return true;
}

// VSD: $--VSD,x.x,x.x,x.x,c--c,hhmmss.ss,xx,xx,x.x,x.x*hh
bool AIS_FMT_VSD(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 9))
        return false;
    I62_VSD& vsd = record->fields.vsd;
    vsd = I62_VSD{};
    vsd.shipType = I62_FieldU16(I62_NextField(), VSD_SHIP_TYPE_EMPTY);
    vsd.draught = I62_FieldF32(I62_NextField());
    vsd.persons = I62_FieldU16(I62_NextField(), VSD_PERSONS_EMPTY);
    I62_FieldText(vsd.destination, sizeof(vsd.destination), I62_NextField());
    I62_GetTime(I62_NextField(), &vsd.etaTime);
    vsd.etaDay = I62_FieldU8(I62_NextField(), VSD_ETA_DAY_EMPTY);
    vsd.etaMonth = I62_FieldU8(I62_NextField(), VSD_ETA_MONTH_EMPTY);
    vsd.navStatus = I62_FieldU8(I62_NextField());
    vsd.regionalFlags = I62_FieldU8(I62_LastField(), 0);
    return true;
}

// TXT: $--TXT,xx,xx,xx,c--c*hh
bool I62_FMT_TXT(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 4))
        return false;
    I62_TXT& txt = record->fields.txt;
    txt = I62_TXT{};
    const long total = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
    const long number = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
    const long textId = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
    txt.total = static_cast<uint8_t>(total);
    txt.number = static_cast<uint8_t>(number);
    txt.textId = static_cast<uint8_t>(textId);
    I62_FieldText(txt.text, sizeof(txt.text), I62_LastField());
    return validTxtNumber(total) && validTxtNumber(number) && validTxtNumber(textId);
}
