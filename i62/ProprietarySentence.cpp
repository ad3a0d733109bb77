#include "i62/ProprietarySentence.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Sentence.h"

#include <cstring>

namespace {

constexpr std::size_t kMobIdentChars = 6;
constexpr std::size_t kMobByteChars = 2;
constexpr std::size_t kMobListMaxChars = 2 * PRI_MOB_BYTES;

int32_t i32Field(const char* field)
{
    return static_cast<int32_t>(I62_FieldLong(field, PRI_I32_EMPTY));
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isHexText(const char* text)
{
    for (const char* p = text; *p != '\0'; ++p) {
        if (hexDigit(*p) < 0)
            return false;
    }
    return true;
}

// Pairs of hexadecimal digits into bytes; the caller has checked the digits.
void hexBytes(const char* text, uint8_t* bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<uint8_t>(hexDigit(text[2 * i]) * 16 + hexDigit(text[2 * i + 1]));
}

// A byte of at most two hexadecimal digits; a longer field leaves the byte as it is.
// False for a character that is no hexadecimal digit.
bool mobByte(const char* field, uint8_t* byte, uint8_t* present)
{
    if (I62_IsEmptyField(field))
        return true;
    if (!isHexText(field))
        return false;
    if (std::strlen(field) <= kMobByteChars) {
        HexStrToHexValue_Byte(field, byte);
        if (present != nullptr)
            *present = 1;
    }
    return true;
}

// Up to nine bytes as an even number of hexadecimal digits; anything else counts none.
void mobList(const char* field, I62_PMOB& mob)
{
    mob.byteCount = 0;
    if (I62_IsEmptyField(field))
        return;
    const std::size_t length = strnlen(field, kMobListMaxChars + 1);
    if (length % 2 != 0 || length > kMobListMaxChars || !isHexText(field))
        return;
    hexBytes(field, mob.bytes, length / 2);
    mob.byteCount = static_cast<uint8_t>(length / 2);
}

} // namespace

// MID: $PMID,xxxxxxxxx,xxxxxxxxx*hh
bool I62_FMT_PMID(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 2))
        return false;
    I62_PMID& mid = record->fields.pmid;
    mid.mmsi1 = I62_FieldLong(I62_NextField(), I62_MMSI_EMPTY);
    mid.mmsi2 = I62_FieldLong(I62_LastField(), I62_MMSI_EMPTY);
    return true;
}

// BDY: $PBDY,xxxxxxxxx,c--c,c--c,x,x*hh
bool I62_FMT_PBDY(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 5))
        return false;
    I62_PBDY& bdy = record->fields.pbdy;
    bdy = I62_PBDY{};
    bdy.mmsi = I62_FieldLong(I62_NextField(), I62_MMSI_EMPTY);
    I62_FieldText(bdy.text1, sizeof(bdy.text1), I62_NextField());
    I62_FieldText(bdy.text2, sizeof(bdy.text2), I62_NextField());
    bdy.value1 = I62_FieldU8(I62_NextField(), PRI_BDY_U8_EMPTY);
    bdy.value2 = I62_FieldU8(I62_LastField(), PRI_BDY_U8_EMPTY);
    return true;
}

// TST: $PTST,xxxxx,xx,a,a,xxxxx*hh
bool I62_FMT_PTST(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 5))
        return false;
    I62_PTST& tst = record->fields.ptst;
    tst.number = I62_FieldLong(I62_NextField(), PRI_TST_LONG_EMPTY);
    tst.value = I62_FieldU8(I62_NextField(), PRI_TST_U8_EMPTY);
    tst.char1 = I62_FieldChar(I62_NextField(), 0);
    tst.char2 = I62_FieldChar(I62_NextField(), 0);
    tst.code = static_cast<int>(I62_FieldLong(I62_LastField(), -1));
    return true;
}

// FRQ: $PFRQ,xxxxxxxxx,x,xxxxxxxxx,x*hh
bool I62_FMT_PFRQ(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 4))
        return false;
    I62_PFRQ& frq = record->fields.pfrq;
    frq.frequency1 = I62_FieldLong(I62_NextField(), I62_MMSI_EMPTY);
    frq.value1 = I62_FieldU8(I62_NextField());
    frq.frequency2 = I62_FieldLong(I62_NextField(), I62_MMSI_EMPTY);
    frq.value2 = I62_FieldU8(I62_LastField());
    return true;
}

// BTH: $PBTH,xxx,xxx,xxx,xxx,xxx,xxx,c--c*hh
bool I62_FMT_PBTH(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 7))
        return false;
    I62_PBTH& bth = record->fields.pbth;
    for (uint16_t& value : bth.values)
        value = I62_FieldU16(I62_NextField(), PRI_BTH_EMPTY);
    I62_FieldText(bth.text, sizeof(bth.text), I62_LastField());
    return true;
}

// DBG: $PDBG,xxx,x,xxx,x,xxx,x,xxx,x*hh
bool I62_FMT_PDBG(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 8))
        return false;
    I62_PDBG& dbg = record->fields.pdbg;
    for (int i = 0; i < PRI_DBG_PAIRS; ++i) {
        dbg.id[i] = I62_FieldU16(I62_NextField(), PRI_ID_EMPTY);
        dbg.value[i] = i32Field(I62_TakeField(i == PRI_DBG_PAIRS - 1));
    }
    return true;
}

// TPS: $PTPS,xxx,c--c*hh
bool I62_FMT_PTPS(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 2))
        return false;
    I62_PTPS& tps = record->fields.ptps;
    tps.value = I62_FieldU16(I62_NextField(), PRI_ID_EMPTY);
    I62_FieldText(tps.text, sizeof(tps.text), I62_LastField());
    return true;
}

// MOB: $PMOB,hhhhhh,x,hh,hh,h--h*hh
bool I62_FMT_PMOB(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 5))
        return false;
    I62_PMOB& mob = record->fields.pmob;
    mob = I62_PMOB{};
    mob.byte1 = PRI_MOB_BYTE_EMPTY;
    mob.byte2 = PRI_MOB_BYTE_EMPTY;
    const char* ident = I62_NextField();
    if (!I62_IsEmptyField(ident)) {
        if (!isHexText(ident))
            return false;
        if (std::strlen(ident) == kMobIdentChars)
            hexBytes(ident, mob.ident, PRI_MOB_IDENT_SIZE);
    }
    mob.value = I62_FieldU8(I62_NextField(), PRI_MOB_BYTE_EMPTY);
    if (!mobByte(I62_NextField(), &mob.byte1, nullptr) || !mobByte(I62_NextField(), &mob.byte2, &mob.byte2Present))
        return false;
    mobList(I62_LastField(), mob);
    return true;
}

// MRK: $PQXV,a,MRK,x,x,x,x,x,c--c,x,*hh (the eighth field is not read)
bool I62_FMT_MRK(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 8))
        return false;
    I62_PMRK& mrk = record->fields.pmrk;
    mrk = I62_PMRK{};
    mrk.subType = static_cast<uint8_t>(record->subType);
    const char* digit = I62_NextField();
    mrk.digit = !I62_IsEmptyField(digit) && digit[0] >= '0' && digit[0] <= '9' ? static_cast<uint8_t>(digit[0] - '0')
                                                                                 : I62_U8_EMPTY;
    mrk.value = I62_FieldU16(I62_NextField(), PRI_MRK_U16_EMPTY);
    mrk.number = static_cast<int>(I62_FieldLong(I62_NextField(), 0));
    mrk.value1 = i32Field(I62_NextField());
    mrk.value2 = i32Field(I62_NextField());
    I62_FieldText(mrk.text, sizeof(mrk.text), I62_NextField());
    mrk.level = I62_FieldU8(I62_NextField());
    return true;
}

// GBP: $PGBP,x,hhmmss.ss,llll.ll,a,yyyyy.yy,a,x.x,x.x,ddmmyy*hh
bool I62_FMT_PGBP(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 9))
        return false;
    I62_PGBP& gbp = record->fields.pgbp;
    gbp = I62_PGBP{};
    gbp.value = static_cast<int16_t>(I62_FieldLong(I62_NextField(), -1));
    I62_GetTime(I62_NextField(), &gbp.time);
    gbp.value1 = I62_FieldF32(I62_GetDegree(I62_NextField(), &gbp.position));
    gbp.value2 = I62_FieldF32(I62_NextField());
    I62_GetDate(I62_LastField(), &gbp.date);
    return true;
}

// AIQ: $PQXV,a,AIQ,Smg,x*hh (a standard AIQ is a query and never reaches this parser)
bool I62_FMT_AIQ(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 2))
        return false;
    I62_AIQ& aiq = record->fields.aiq;
    aiq = I62_AIQ{};
    const char* key = I62_NextField();
    if (key == nullptr || std::strcmp(key, PRI_AIQ_KEY) != 0)
        return false;
    std::memcpy(aiq.key, PRI_AIQ_KEY, sizeof(aiq.key));
    aiq.value = static_cast<int>(I62_FieldLong(I62_LastField(), 0));
    return true;
}

// Smg: $PQXV,a,Smg,c--c,x*hh
bool I62_FMT_Smg(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 2))
        return false;
    I62_SMG& smg = record->fields.smg;
    smg = I62_SMG{};
    I62_FieldText(smg.text, sizeof(smg.text), I62_NextField());
    smg.value = I62_FieldLong(I62_LastField(), 0);
    return true;
}
