#include "i62/AtonSentence.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Sentence.h"

namespace {

// The fields of one record: each written only when its present bit is set.
class CAtonTexts
{
public:
    explicit CAtonTexts(uint16_t present) : m_present(present) {}

    I62_FIELD_TEXT number(int field, const char* format, long value) const
    {
        return has(field) ? I62_IntText(value, format, kNeverEmpty) : I62_FIELD_TEXT{};
    }
    I62_FIELD_TEXT text(int field, const char* value) const
    {
        I62_FIELD_TEXT t{};
        if (has(field))
            I62_ComposeText(t.text, sizeof(t.text), "%s", value);
        return t;
    }
    I62_FIELD_TEXT character(int field, uint8_t value) const
    {
        return has(field) ? I62_CharText(value) : I62_FIELD_TEXT{};
    }
    I62_FIELD_TEXT mmsi(long value) const { return number(0, "%09ld", value); }
    I62_FIELD_TEXT twoDigits(int field, long value) const { return number(field, "%02ld", value); }

private:
    static constexpr long kNeverEmpty = -2147483647L - 1;
    bool has(int field) const { return (m_present & (1u << field)) != 0; }
    uint16_t m_present;
};

// The status flag of the record, empty when none is set.
I62_FIELD_TEXT statusText(uint8_t status)
{
    return I62_CharText(status);
}

} // namespace

// AAR: $--AAR,xxxxxxxxx,xx,xx,xx,xx,xxxx,xxxx,xx,xx,xx,xxxx,x,a
bool ATON_FMT_AAR_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_AAR& r = record->fields.aar;
    const CAtonTexts t(r.present);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker,
                           record->formatter, t.mmsi(r.mmsi).text, t.twoDigits(1, r.msgId).text,
                           t.twoDigits(2, r.msgIndex).text, t.twoDigits(3, r.channel).text,
                           t.twoDigits(4, r.slotMode).text, t.number(5, "%04ld", r.startSlot).text,
                           t.number(6, "%04ld", r.startTime).text, t.twoDigits(7, r.reportInterval).text,
                           t.twoDigits(8, r.repeatCount).text, t.twoDigits(9, r.powerLevel).text,
                           t.number(10, "%04ld", r.slotIncrement).text, t.number(11, "%ld", r.duration).text,
                           statusText(r.status).text);
}

// ACE: $--ACE,xxxxxxxxx,hh,xxxx,xx,xx,xx,c--c,xxxxxxxxxx,a
bool ATON_FMT_ACE_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ACE& r = record->fields.ace;
    const CAtonTexts t(r.present);
    I62_FIELD_TEXT dimension{};
    if ((r.present & (1u << 7)) != 0)
        I62_ComposeText(dimension.text, sizeof(dimension.text), "%03d%03d%02d%02d", r.dimension.a, r.dimension.b,
                        r.dimension.c, r.dimension.d);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           t.mmsi(r.mmsi).text, t.number(1, "%02lX", r.atonStatus).text,
                           t.number(2, "%04ld", r.channel).text, t.twoDigits(3, r.epfsType).text,
                           t.twoDigits(4, r.virtualFlag).text, t.twoDigits(5, r.powerLevel).text,
                           t.text(6, r.nameExtension).text, dimension.text, statusText(r.status).text);
}

// ACF: $--ACF,xxxxxxxxx,xx,llll.lllll,a,yyyyy.yyyyy,a,xx,xx,xx,xx,xx,xx,xx,xx,a
bool ATON_FMT_ACF_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ACF& r = record->fields.acf;
    const CAtonTexts t(r.present);
    // All four position fields or none.
    constexpr uint16_t kPositionBits = 0x3C;
    const I62_FIELD_TEXT position = (r.present & kPositionBits) == kPositionBits
                                        ? I62_PositionText(r.position)
                                        : I62_PositionText(I62_DEGREE{I62_LAT_NA, I62_LON_NA});
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker,
                           record->formatter, t.mmsi(r.mmsi).text, t.twoDigits(1, r.atonType).text, position.text,
                           t.twoDigits(6, r.positionAccuracy).text, t.twoDigits(7, r.epfsType).text,
                           t.twoDigits(8, r.raimFlag).text, t.twoDigits(9, r.virtualFlag).text,
                           t.twoDigits(10, r.offPositionThreshold).text, t.twoDigits(11, r.syncMode).text,
                           t.twoDigits(12, r.powerLevel).text, t.twoDigits(13, r.channelMode).text,
                           t.character(14, r.status).text);
}

// AFB: $--AFB,xxxxxxxxx,xx,xx,xx,xx,xx,xx,a
bool ATON_FMT_AFB_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_AFB& r = record->fields.afb;
    const CAtonTexts t(r.present);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           t.mmsi(r.mmsi).text, t.twoDigits(1, r.msgId).text, t.twoDigits(2, r.msgIndex).text,
                           t.twoDigits(3, r.channel).text, t.twoDigits(4, r.repeatCount).text,
                           t.twoDigits(5, r.slotOffset).text, t.twoDigits(6, r.powerLevel).text,
                           statusText(r.status).text);
}

// AFC: $--AFC,xxxxxxxxx,c--c
bool ATON_FMT_AFC_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_AFC& r = record->fields.afc;
    const CAtonTexts t(r.present);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s", record->talker, record->formatter, t.mmsi(r.mmsi).text,
                           t.text(1, r.function).text);
}

// AID: $--AID,xxxxxxxxx,xx,xxxxxxxxx,a,a
bool ATON_FMT_AID_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_AID& r = record->fields.aid;
    const CAtonTexts t(r.present);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           t.mmsi(r.mmsi).text, t.twoDigits(1, r.idType).text, t.number(2, "%09ld", r.newMmsi).text,
                           t.character(3, r.changeMode).text, statusText(r.status).text);
}

// AKE: $--AKE,xxxxxxxxx,c--c,c--c,a
bool ATON_FMT_AKE_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_AKE& r = record->fields.ake;
    const CAtonTexts t(r.present);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s", record->talker, record->formatter,
                           t.mmsi(r.mmsi).text, t.text(1, r.keyId).text, t.text(2, r.key).text,
                           statusText(r.status).text);
}

// ARW: $--ARW,xxxxxxxxx,xx,xx,xx,xx,xx,a
bool ATON_FMT_ARW_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ARW& r = record->fields.arw;
    const CAtonTexts t(r.present);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           t.mmsi(r.mmsi).text, t.twoDigits(1, r.msgId).text, t.twoDigits(2, r.channel).text,
                           t.twoDigits(3, r.windowStart).text, t.twoDigits(4, r.windowLength).text,
                           t.twoDigits(5, r.repeatCount).text, statusText(r.status).text);
}

// MCR: $--MCR,xxxxxxxxx,c--c,a
bool ATON_FMT_MCR_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_MCR& r = record->fields.mcr;
    const CAtonTexts t(r.present);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s", record->talker, record->formatter,
                           t.mmsi(r.mmsi).text, t.text(1, r.command).text, statusText(r.status).text);
}

// MPR: $--MPR,xxxxxxxxx,x,x,x,x,x,c--c,a
bool ATON_FMT_MPR_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_MPR& r = record->fields.mpr;
    const CAtonTexts t(r.present);
    I62_FIELD_TEXT v[ATON_MPR_VALUES];
    for (int i = 0; i < ATON_MPR_VALUES; ++i)
        v[i] = t.number(1 + i, "%ld", r.values[i]);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           t.mmsi(r.mmsi).text, v[0].text, v[1].text, v[2].text, v[3].text, v[4].text,
                           t.text(6, r.state).text, statusText(r.status).text);
}

// TSP: $--TSP,xxxxxxxxx,xx,xx,hhmmss.ss,xx,xx,xx,xx,xx,xx,xx,xx,a
bool ATON_FMT_TSP_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_TSP& r = record->fields.tsp;
    const CAtonTexts t(r.present);
    const I62_FIELD_TEXT time = (r.present & (1u << 3)) != 0 ? I62_TimeText(r.startTime) : I62_FIELD_TEXT{};
    const uint8_t values[] = {r.reportInterval, r.repeatCount, r.slotCount, r.slotOffset,
                              r.syncMode,       r.powerLevel,  r.txMode,    r.retries};
    I62_FIELD_TEXT v[8];
    for (int i = 0; i < 8; ++i)
        v[i] = t.twoDigits(4 + i, values[i]);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker,
                           record->formatter, t.mmsi(r.mmsi).text, t.twoDigits(1, r.msgId).text,
                           t.twoDigits(2, r.channel).text, time.text, v[0].text, v[1].text, v[2].text, v[3].text,
                           v[4].text, v[5].text, v[6].text, v[7].text, statusText(r.status).text);
}

// VER: $--VER,x,x,aa,c--c,c--c,c--c,c--c,c--c,c--c,x
bool ATON_FMT_VER_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_VER& r = record->fields.ver;
    const CAtonTexts t(r.present);
    I62_FIELD_TEXT v[ATON_VER_TEXTS];
    for (int i = 0; i < ATON_VER_TEXTS; ++i)
        v[i] = t.text(3 + i, r.texts[i]);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           t.number(0, "%ld", r.total).text, t.number(1, "%ld", r.number).text,
                           t.twoDigits(2, r.deviceType).text, v[0].text, v[1].text, v[2].text, v[3].text, v[4].text,
                           v[5].text, v[6].text);
}
