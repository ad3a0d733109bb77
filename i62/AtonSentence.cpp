#include "i62/AtonSentence.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Frame.h"
#include "i62/I62Sentence.h"

#include <cstring>

namespace {

constexpr int kMaxFields = 16;
constexpr std::size_t kDimensionDigits = 10;
constexpr double kLatitudeLimit = 90.0;
constexpr double kLongitudeLimit = 180.0;

// The fields of one AtoN sentence after its address, and the present mask they fill.
struct SAtonFields
{
    char* field[kMaxFields];
    int count;
    uint16_t present;
    // Scan style: each field copied into a buffer of the layout's text size.
    char copy[kMaxFields][ATON_TEXT_SIZE];
};

void markPresent(SAtonFields& f)
{
    f.present = 0;
    for (int i = 0; i < f.count; ++i) {
        if (!I62_IsEmptyField(f.field[i]))
            f.present = static_cast<uint16_t>(f.present | (1u << i));
    }
}

// Token style: the fields one by one with the library tokenizer, the last one up to '*'.
bool tokenFields(char* sentence, int commas, SAtonFields& f)
{
    if (commas > kMaxFields || !I62_BeginFields(sentence, commas))
        return false;
    f.count = commas;
    for (int i = 0; i < commas; ++i)
        f.field[i] = I62_TakeField(i == commas - 1);
    markPresent(f);
    return true;
}

// Scan style: the fields after the address, each of one to 33 characters, the last one up
// to '*', and the checksum behind it. A longer field refuses the sentence before anything
// is copied, so no field can run past its buffer.
bool scanFields(const char* sentence, int commas, SAtonFields& f)
{
    if (commas > kMaxFields || !I62_CalFieldDelimiter(sentence, commas))
        return false;
    const char* p = std::strchr(sentence, ',');
    if (p == nullptr)
        return false;
    ++p;
    f.count = commas;
    for (int i = 0; i < commas; ++i) {
        const char stop = i == commas - 1 ? '*' : ',';
        std::size_t n = 0;
        while (p[n] != '\0' && p[n] != stop) {
            if (++n >= ATON_TEXT_SIZE)
                return false;
        }
        if (p[n] != stop || n == 0)
            return false;
        std::memcpy(f.copy[i], p, n);
        f.copy[i][n] = '\0';
        f.field[i] = f.copy[i];
        p += n + 1;
    }
    markPresent(f);
    return *p != '\0';
}

long number(const char* field)
{
    return I62_FieldLong(field, 0);
}

uint8_t u8(const char* field)
{
    return static_cast<uint8_t>(number(field));
}

uint16_t u16(const char* field)
{
    return static_cast<uint16_t>(number(field));
}

void clearBit(uint16_t& present, int index)
{
    present = static_cast<uint16_t>(present & ~(1u << index));
}

// The status flag in field index; anything but 'R' or 'C' refuses the sentence.
bool statusFlag(SAtonFields& f, int index, uint8_t* status)
{
    *status = I62_FieldChar(f.field[index], 0);
    if (*status == 'R' || *status == 'C')
        return true;
    clearBit(f.present, index);
    return false;
}

bool isExactly(const char* field, const char* text)
{
    return field != nullptr && std::strcmp(field, text) == 0;
}

// ACF position from the four fields at first: given only when all four are.
void acfPosition(SAtonFields& f, int first, I62_DEGREE* position)
{
    *position = I62_DEGREE{I62_LAT_NA, I62_LON_NA};
    for (int i = first; i < first + 4; ++i) {
        if (I62_IsEmptyField(f.field[i])) {
            for (int j = first; j < first + 4; ++j)
                clearBit(f.present, j);
            return;
        }
    }
    position->latitude = I62_Conv2Deg(I62_Atof(f.field[first]), kLatitudeLimit);
    if (isExactly(f.field[first + 1], "S"))
        position->latitude = -position->latitude;
    position->longitude = I62_Conv2Deg(I62_Atof(f.field[first + 2]), kLongitudeLimit);
    if (isExactly(f.field[first + 3], "W"))
        position->longitude = -position->longitude;
}

} // namespace

int CtoI(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

bool Convert_Dim_Ref_Str_To_Val(const char* text, ATON_REF_POINT_DIMENSION* dimension)
{
    if (text == nullptr || dimension == nullptr || strnlen(text, kDimensionDigits + 1) != kDimensionDigits)
        return false;
    int digits[kDimensionDigits];
    for (std::size_t i = 0; i < kDimensionDigits; ++i) {
        digits[i] = CtoI(text[i]);
        if (digits[i] < 0)
            return false;
    }
    dimension->a = static_cast<uint16_t>(digits[0] * 100 + digits[1] * 10 + digits[2]);
    dimension->b = static_cast<uint16_t>(digits[3] * 100 + digits[4] * 10 + digits[5]);
    dimension->c = static_cast<uint8_t>(digits[6] * 10 + digits[7]);
    dimension->d = static_cast<uint8_t>(digits[8] * 10 + digits[9]);
    return true;
}

// AAR: $--AAR,xxxxxxxxx,x,x,x,x,x,x,x,x,x,x,x,a*hh
bool ATON_FMT_AAR(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !tokenFields(sentence, 13, f))
        return false;
    I62_AAR& aar = record->fields.aar;
    aar = I62_AAR{};
    aar.mmsi = number(f.field[0]);
    aar.msgId = u8(f.field[1]);
    aar.msgIndex = u8(f.field[2]);
    aar.channel = u8(f.field[3]);
    aar.slotMode = u8(f.field[4]);
    aar.startSlot = u16(f.field[5]);
    aar.startTime = number(f.field[6]);
    aar.reportInterval = u8(f.field[7]);
    aar.repeatCount = u8(f.field[8]);
    aar.powerLevel = u8(f.field[9]);
    aar.slotIncrement = u16(f.field[10]);
    aar.duration = number(f.field[11]);
    const bool status = statusFlag(f, 12, &aar.status);
    aar.present = f.present;
    return status;
}

// ACE: $--ACE,xxxxxxxxx,hh,x,x,x,x,c--c,xxxxxxxxxx,a*hh
bool ATON_FMT_ACE(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !tokenFields(sentence, 9, f))
        return false;
    I62_ACE& ace = record->fields.ace;
    ace = I62_ACE{};
    ace.mmsi = number(f.field[0]);
    bool taken = true;
    if (!I62_IsEmptyField(f.field[1]) && !HexStrToHexValue_Byte(f.field[1], &ace.atonStatus)) {
        clearBit(f.present, 1);
        taken = false;
    }
    ace.channel = u16(f.field[2]);
    ace.epfsType = u8(f.field[3]);
    ace.virtualFlag = u8(f.field[4]);
    ace.powerLevel = u8(f.field[5]);
    I62_FieldText(ace.nameExtension, sizeof(ace.nameExtension), f.field[6]);
    if (!I62_IsEmptyField(f.field[7]) && !Convert_Dim_Ref_Str_To_Val(f.field[7], &ace.dimension)) {
        ace.dimension = ATON_REF_POINT_DIMENSION{};
        clearBit(f.present, 7);
        taken = false;
    }
    taken = statusFlag(f, 8, &ace.status) && taken;
    ace.present = f.present;
    return taken;
}

// ACF: $--ACF,xxxxxxxxx,x,llll.ll,a,yyyyy.yy,a,x,x,x,x,x,x,x,x,a*hh
bool ATON_FMT_ACF(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !scanFields(sentence, 15, f))
        return false;
    I62_ACF& acf = record->fields.acf;
    acf = I62_ACF{};
    acf.mmsi = number(f.field[0]);
    acf.atonType = u8(f.field[1]);
    acfPosition(f, 2, &acf.position);
    acf.positionAccuracy = u8(f.field[6]);
    acf.epfsType = u8(f.field[7]);
    acf.raimFlag = u8(f.field[8]);
    acf.virtualFlag = u8(f.field[9]);
    acf.offPositionThreshold = u8(f.field[10]);
    acf.syncMode = u8(f.field[11]);
    acf.powerLevel = u8(f.field[12]);
    acf.channelMode = u8(f.field[13]);
    acf.status = I62_FieldChar(f.field[14], 0);
    acf.present = f.present;
    return true;
}

// AFB: $--AFB,xxxxxxxxx,x,x,x,x,x,x,a*hh
bool ATON_FMT_AFB(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !tokenFields(sentence, 8, f))
        return false;
    I62_AFB& afb = record->fields.afb;
    afb = I62_AFB{};
    afb.mmsi = number(f.field[0]);
    afb.msgId = u8(f.field[1]);
    afb.msgIndex = u8(f.field[2]);
    afb.channel = u8(f.field[3]);
    afb.repeatCount = u8(f.field[4]);
    afb.slotOffset = u8(f.field[5]);
    afb.powerLevel = u8(f.field[6]);
    const bool status = statusFlag(f, 7, &afb.status);
    afb.present = f.present;
    return status;
}

// AFC: $--AFC,xxxxxxxxx,c--c*hh
bool ATON_FMT_AFC(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !tokenFields(sentence, 2, f))
        return false;
    I62_AFC& afc = record->fields.afc;
    afc = I62_AFC{};
    afc.mmsi = number(f.field[0]);
    I62_FieldText(afc.function, sizeof(afc.function), f.field[1]);
    afc.present = f.present;
    return true;
}

// AID: $--AID,xxxxxxxxx,x,xxxxxxxxx,a,a*hh
bool ATON_FMT_AID(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !tokenFields(sentence, 5, f))
        return false;
    I62_AID& aid = record->fields.aid;
    aid = I62_AID{};
    aid.mmsi = number(f.field[0]);
    aid.idType = u8(f.field[1]);
    aid.newMmsi = number(f.field[2]);
    aid.changeMode = I62_FieldChar(f.field[3], 0);
    const bool status = statusFlag(f, 4, &aid.status);
    aid.present = f.present;
    return status;
}

// AKE: $--AKE,xxxxxxxxx,c--c,c--c,a*hh
bool ATON_FMT_AKE(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !scanFields(sentence, 4, f))
        return false;
    I62_AKE& ake = record->fields.ake;
    ake = I62_AKE{};
    ake.mmsi = number(f.field[0]);
    I62_FieldText(ake.keyId, sizeof(ake.keyId), f.field[1]);
    I62_FieldText(ake.key, sizeof(ake.key), f.field[2]);
    ake.status = I62_FieldChar(f.field[3], 0);
    ake.present = f.present;
    return true;
}

// ARW: $--ARW,xxxxxxxxx,x,x,x,x,x,a*hh
bool ATON_FMT_ARW(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !tokenFields(sentence, 7, f))
        return false;
    I62_ARW& arw = record->fields.arw;
    arw = I62_ARW{};
    arw.mmsi = number(f.field[0]);
    arw.msgId = u8(f.field[1]);
    arw.channel = u8(f.field[2]);
    arw.windowStart = u8(f.field[3]);
    arw.windowLength = u8(f.field[4]);
    arw.repeatCount = u8(f.field[5]);
    const bool status = statusFlag(f, 6, &arw.status);
    arw.present = f.present;
    return status;
}

// MCR: $--MCR,xxxxxxxxx,c--c,a*hh
bool ATON_FMT_MCR(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !scanFields(sentence, 3, f))
        return false;
    I62_MCR& mcr = record->fields.mcr;
    mcr = I62_MCR{};
    mcr.mmsi = number(f.field[0]);
    I62_FieldText(mcr.command, sizeof(mcr.command), f.field[1]);
    mcr.status = I62_FieldChar(f.field[2], 0);
    mcr.present = f.present;
    return true;
}

// MPR: $--MPR,xxxxxxxxx,x,x,x,x,x,c--c,a*hh
bool ATON_FMT_MPR(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !scanFields(sentence, 8, f))
        return false;
    I62_MPR& mpr = record->fields.mpr;
    mpr = I62_MPR{};
    mpr.mmsi = number(f.field[0]);
    for (int i = 0; i < ATON_MPR_VALUES; ++i)
        mpr.values[i] = number(f.field[1 + i]);
    I62_FieldText(mpr.state, sizeof(mpr.state), f.field[6]);
    mpr.status = I62_FieldChar(f.field[7], 0);
    mpr.present = f.present;
    return true;
}

// TSP: $--TSP,xxxxxxxxx,x,x,hhmmss.ss,x,x,x,x,x,x,x,x,a*hh
bool ATON_FMT_TSP(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !scanFields(sentence, 13, f))
        return false;
    I62_TSP& tsp = record->fields.tsp;
    tsp = I62_TSP{};
    tsp.mmsi = number(f.field[0]);
    tsp.msgId = u8(f.field[1]);
    tsp.channel = u8(f.field[2]);
    I62_GetTime(f.field[3], &tsp.startTime);
    uint8_t* values[] = {&tsp.reportInterval, &tsp.repeatCount, &tsp.slotCount, &tsp.slotOffset,
                         &tsp.syncMode,       &tsp.powerLevel,  &tsp.txMode,    &tsp.retries};
    for (int i = 0; i < 8; ++i)
        *values[i] = u8(f.field[4 + i]);
    tsp.status = I62_FieldChar(f.field[12], 0);
    tsp.present = f.present;
    return true;
}

// VER: $--VER,x,x,aa,c--c,c--c,c--c,c--c,c--c,c--c,x*hh
bool ATON_FMT_VER(char* sentence, I61162_Data_Structure* record)
{
    SAtonFields f;
    if (record == nullptr || !scanFields(sentence, 10, f))
        return false;
    I62_VER& ver = record->fields.ver;
    ver = I62_VER{};
    ver.total = u8(f.field[0]);
    ver.number = u8(f.field[1]);
    ver.deviceType = u8(f.field[2]);
    for (int i = 0; i < ATON_VER_TEXTS; ++i)
        I62_FieldText(ver.texts[i], sizeof(ver.texts[i]), f.field[3 + i]);
    ver.present = f.present;
    return true;
}
