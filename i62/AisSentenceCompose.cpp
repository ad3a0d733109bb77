#include "i62/AisSentence.h"

#include "i62/I62Sentence.h"

namespace {

constexpr float kMaxDraught = 25.5f;

// Sequential id: its digit, empty when 128.
I62_FIELD_TEXT seqIdText(uint8_t seqId)
{
    return I62_IntText(seqId, "%ld", I62_U8_EMPTY);
}

// Channel number 0 = A, 1 = B; empty when 128.
I62_FIELD_TEXT channelText(uint8_t channel)
{
    I62_FIELD_TEXT t{};
    if (channel != I62_U8_EMPTY)
        t.text[0] = static_cast<char>('A' + channel);
    return t;
}

bool composeEncap(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ENCAP_SENTENCE& e = record->fields.encap;
    return I62_ComposeText(destination, size, "!%s%s,%d,%d,%s,%s,%s,%d", record->talker, record->formatter, e.total,
                           e.number, seqIdText(e.seqId).text, channelText(e.channel).text, e.payload, e.fillBits);
}

// "%02d" of a value, empty when it equals empty.
I62_FIELD_TEXT twoDigits(long value, long empty)
{
    return I62_IntText(value, "%02ld", empty);
}

} // namespace

// VDM: !--VDM,x,x,x,a,s--s,x
bool AIS_FMT_VDM_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    return composeEncap(destination, record, size);
}

// VDO: !--VDO,x,x,x,a,s--s,x
bool AIS_FMT_VDO_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    return composeEncap(destination, record, size);
}

// ABM: !--ABM,x,x,x,xxxxxxxxx,x,x.x,s--s,x
bool AIS_FMT_ABM_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ENCAP_SENTENCE& e = record->fields.encap;
    return I62_ComposeText(destination, size, "!%s%s,%d,%d,%s,%u,%s,%d,%s,%d", record->talker, record->formatter,
                           e.total, e.number, seqIdText(e.seqId).text, e.destMmsi, channelText(e.channel).text, e.msgId,
                           e.payload, e.fillBits);
}

// BBM: !--BBM,x,x,x,x,x.x,s--s,x
bool AIS_FMT_BBM_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ENCAP_SENTENCE& e = record->fields.encap;
    return I62_ComposeText(destination, size, "!%s%s,%d,%d,%s,%d,%d,%s,%d", record->talker, record->formatter, e.total,
                           e.number, seqIdText(e.seqId).text, e.channel, e.msgId, e.payload, e.fillBits);
}

// ABK: $--ABK,xxxxxxxxx,a,x.x,x,x
bool AIS_FMT_ABK_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ABK& abk = record->fields.abk;
    const I62_FIELD_TEXT mmsi =
        abk.mmsi >= 0 && abk.mmsi < I62_MMSI_EMPTY ? I62_IntText(abk.mmsi, "%09ld", -1) : I62_FIELD_TEXT{};
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%d,%d,%d", record->talker, record->formatter, mmsi.text,
                           I62_CharText(abk.channel).text, abk.msgId, abk.msgSequence, abk.ackType);
}

// ACK: $--ACK,xxx
bool I62_FMT_ACK_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const uint16_t alarm = record->fields.ack.alarm;
    const I62_FIELD_TEXT text = alarm < I62_ALARM_EMPTY ? I62_IntText(alarm, "%03ld", -1) : I62_FIELD_TEXT{};
    return I62_ComposeText(destination, size, "$%s%s,%s", record->talker, record->formatter, text.text);
}

// ALR: $--ALR,hhmmss.ss,xxx,A,A,c--c
bool I62_FMT_ALR_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ALR& alr = record->fields.alr;
    return I62_ComposeText(destination, size, "$%s%s,%s,%d,%c,%c,%s", record->talker, record->formatter,
                           I62_TimeText(alr.time).text, alr.alarm, alr.condition, alr.ackState, alr.text);
}

// ACA: $--ACA,x,llll.l,a,yyyyy.l,a,llll.l,a,yyyyy.l,a,x,xxxx,x,xxxx,x,x,x,a,x,hhmmss
bool AIS_FMT_ACA_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ACA& aca = record->fields.aca;
    I62_FIELD_TEXT changed{};
    if (aca.inUseChanged.hour < I62_HOUR_NA) {
        const I62_UTC_TIME& t = aca.inUseChanged;
        I62_ComposeText(changed.text, sizeof(changed.text), "%02d%02d%02d", t.hour, t.minute, t.second);
    }
    return I62_ComposeText(destination, size, "$%s%s,%d,%s,%s,%d,%04d,%d,%04d,%d,%d,%d,%s,%d,%s", record->talker,
                           record->formatter, aca.sequence, I62_PositionText(aca.northEast, 1).text,
                           I62_PositionText(aca.southWest, 1).text, aca.zoneSize, aca.channelA, aca.bandwidthA,
                           aca.channelB, aca.bandwidthB, aca.txRxMode, aca.power, I62_CharText(aca.source).text,
                           aca.inUse, changed.text);
}

// ACS: $--ACS,x,xxxxxxxxx,hhmmss.ss,xx,xx,xxxx
bool AIS_FMT_ACS_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ACS& acs = record->fields.acs;
    const I62_FIELD_TEXT mmsi =
        acs.mmsi >= 0 && acs.mmsi < I62_MMSI_EMPTY ? I62_IntText(acs.mmsi, "%09ld", -1) : I62_FIELD_TEXT{};
    return I62_ComposeText(destination, size, "$%s%s,%d,%s,%s,%02d,%02d,%04d", record->talker, record->formatter,
                           acs.sequence, mmsi.text, I62_TimeText(acs.time).text, acs.day, acs.month, acs.year);
}

// SSD: $--SSD,c--c,c--c,xxx,xxx,xx,xx,c,aa
bool I62_FMT_SSD_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_SSD& ssd = record->fields.ssd;
    return I62_ComposeText(
        destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter, ssd.callSign, ssd.name,
        I62_IntText(ssd.refA, "%ld", SSD_REF_AB_EMPTY).text, I62_IntText(ssd.refB, "%ld", SSD_REF_AB_EMPTY).text,
        I62_IntText(ssd.refC, "%ld", SSD_REF_CD_EMPTY).text, I62_IntText(ssd.refD, "%ld", SSD_REF_CD_EMPTY).text,
        I62_IntText(ssd.dte, "%ld", SSD_DTE_EMPTY).text, ssd.source);
}

// VSD: $--VSD,x.x,x.x,x.x,c--c,hhmmss.ss,xx,xx,x.x,x.x
bool I62_FMT_VSD_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_VSD& vsd = record->fields.vsd;
    I62_FIELD_TEXT draught{};
    if (vsd.draught >= 0.0f && vsd.draught <= kMaxDraught)
        draught = I62_FloatText(vsd.draught, "%4.1f");
    constexpr long kStatusEmpty = 16;
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           I62_IntText(vsd.shipType, "%ld", VSD_SHIP_TYPE_EMPTY).text, draught.text,
                           I62_IntText(vsd.persons, "%ld", VSD_PERSONS_EMPTY).text, vsd.destination,
                           I62_TimeText(vsd.etaTime).text, twoDigits(vsd.etaDay, VSD_ETA_DAY_EMPTY).text,
                           twoDigits(vsd.etaMonth, VSD_ETA_MONTH_EMPTY).text,
                           vsd.navStatus < kStatusEmpty ? I62_IntText(vsd.navStatus, "%ld", -1).text : "",
                           vsd.regionalFlags < kStatusEmpty ? I62_IntText(vsd.regionalFlags, "%ld", -1).text : "");
}
