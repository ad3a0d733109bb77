#include "i62/ProprietarySentence.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Sentence.h"

#include <limits>

namespace {

// The int of MRK has no empty value.
constexpr long kAlwaysWritten = std::numeric_limits<long>::min();

I62_FIELD_TEXT mmsiText(long mmsi)
{
    return I62_IntText(mmsi, "%09ld", I62_MMSI_EMPTY);
}

I62_FIELD_TEXT charText(uint8_t character)
{
    return I62_CharText(character);
}

// The bytes as pairs of hexadecimal digits.
I62_FIELD_TEXT hexText(const uint8_t* bytes, int count)
{
    I62_FIELD_TEXT t{};
    for (int i = 0; i < count && 2 * i + 2 < static_cast<int>(sizeof(t.text)); ++i)
        I62_ComposeText(t.text + 2 * i, sizeof(t.text) - 2 * i, "%02X", bytes[i]);
    return t;
}

} // namespace

// MID: $PMID,xxxxxxxxx,xxxxxxxxx
bool I62_FMT_PMID_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_PMID& mid = record->fields.pmid;
    return I62_ComposeText(destination, size, "$%s%s,%s,%s", record->talker, record->formatter,
                           mmsiText(mid.mmsi1).text, mmsiText(mid.mmsi2).text);
}

// BDY: $PBDY,xxxxxxxxx,c--c,c--c,x,x
bool I62_FMT_PBDY_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_PBDY& bdy = record->fields.pbdy;
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           mmsiText(bdy.mmsi).text, bdy.text1, bdy.text2,
                           I62_IntText(bdy.value1, "%ld", PRI_BDY_U8_EMPTY).text,
                           I62_IntText(bdy.value2, "%ld", PRI_BDY_U8_EMPTY).text);
}

// TST: $PTST,xxxxx,xx,a,a,xxxxx
bool I62_FMT_PTST_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_PTST& tst = record->fields.ptst;
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           I62_IntText(tst.number, "%05ld", PRI_TST_LONG_EMPTY).text,
                           I62_IntText(tst.value, "%02ld", PRI_TST_U8_EMPTY).text, charText(tst.char1).text,
                           charText(tst.char2).text, I62_IntText(tst.code, "%05ld", -1).text);
}

// FRQ: $PFRQ,xxxxxxxxx,x,xxxxxxxxx,x
bool I62_FMT_PFRQ_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_PFRQ& frq = record->fields.pfrq;
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s", record->talker, record->formatter,
                           mmsiText(frq.frequency1).text, I62_IntText(frq.value1, "%ld", I62_U8_EMPTY).text,
                           mmsiText(frq.frequency2).text, I62_IntText(frq.value2, "%ld", I62_U8_EMPTY).text);
}

// BTH: $PBTH,xxx,xxx,xxx,xxx,xxx,xxx,c--c
bool I62_FMT_PBTH_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_PBTH& bth = record->fields.pbth;
    I62_FIELD_TEXT v[PRI_BTH_VALUES];
    for (int i = 0; i < PRI_BTH_VALUES; ++i)
        v[i] = I62_IntText(bth.values[i], "%03ld", PRI_BTH_EMPTY);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           v[0].text, v[1].text, v[2].text, v[3].text, v[4].text, v[5].text, bth.text);
}

// DBG: $PDBG,xxx,x,xxx,x,xxx,x,xxx,x; with a sub-type letter $PQXV,a,DBG,...
bool I62_FMT_PDBG_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_PDBG& dbg = record->fields.pdbg;
    I62_FIELD_TEXT maker{};
    if (record->subType != 0)
        I62_ComposeText(maker.text, sizeof(maker.text), "QXV,%c,", record->subType);
    I62_FIELD_TEXT id[PRI_DBG_PAIRS];
    I62_FIELD_TEXT value[PRI_DBG_PAIRS];
    for (int i = 0; i < PRI_DBG_PAIRS; ++i) {
        id[i] = I62_IntText(dbg.id[i], "%03ld", PRI_ID_EMPTY);
        value[i] = I62_IntText(dbg.value[i], "%ld", PRI_I32_EMPTY);
    }
    return I62_ComposeText(destination, size, "$%s%s%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, maker.text,
                           record->formatter, id[0].text, value[0].text, id[1].text, value[1].text, id[2].text,
                           value[2].text, id[3].text, value[3].text);
}

// TPS: $PTPS,xxx,c--c
bool I62_FMT_PTPS_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_PTPS& tps = record->fields.ptps;
    return I62_ComposeText(destination, size, "$%s%s,%s,%s", record->talker, record->formatter,
                           I62_IntText(tps.value, "%03ld", PRI_ID_EMPTY).text, tps.text);
}

// MOB: $PMOB,hhhhhh,x,hh,hh,h--h
bool I62_FMT_PMOB_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_PMOB& mob = record->fields.pmob;
    const int count = mob.byteCount <= PRI_MOB_BYTES ? mob.byteCount : 0;
    return I62_ComposeText(destination, size, "$%s%s,%s,%d,%02X,%s,%s", record->talker, record->formatter,
                           hexText(mob.ident, PRI_MOB_IDENT_SIZE).text, mob.value, mob.byte1,
                           mob.byte2Present != 0 ? hexText(&mob.byte2, 1).text : "", hexText(mob.bytes, count).text);
}

// MRK: $PQXV,a,MRK,x,x,x,x,x,c--c,x,
bool I62_FMT_MRK_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_PMRK& mrk = record->fields.pmrk;
    return I62_ComposeText(destination, size, "$PQXV,%s,MRK,%s,%s,%s,%s,%s,%s,%s,", charText(mrk.subType).text,
                           I62_IntText(mrk.digit, "%1ld", I62_U8_EMPTY).text,
                           I62_IntText(mrk.value, "%ld", PRI_MRK_U16_EMPTY).text, I62_IntText(mrk.number, "%ld", kAlwaysWritten).text,
                           I62_IntText(mrk.value1, "%ld", PRI_I32_EMPTY).text,
                           I62_IntText(mrk.value2, "%ld", PRI_I32_EMPTY).text, mrk.text,
                           I62_IntText(mrk.level, "%ld", I62_U8_EMPTY).text);
}
