#include "i62/SensorSentence.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Sentence.h"

namespace {

// Numbers of these sentences read 0 when empty.
float number(const char* field)
{
    return I62_FieldF32(field, 0.0f);
}

// HDT and HDM: $--HDT,x.x,T*hh
bool readHeading(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 2))
        return false;
    I62_HDT& hdt = record->fields.hdt;
    hdt = I62_HDT{};
    hdt.heading = I62_FieldF32(I62_NextField(), I62_HEADING_EMPTY);
    hdt.reference = I62_FieldChar(I62_LastField());
    return true;
}

} // namespace

bool I62_FMT_HDT(char* sentence, I61162_Data_Structure* record)
{
    return readHeading(sentence, record);
}

// HDM: $--HDM,x.x,M*hh
bool I62_FMT_HDM(char* sentence, I61162_Data_Structure* record)
{
    return readHeading(sentence, record);
}

// ROT: $--ROT,x.x,A*hh
bool I62_FMT_ROT(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 2))
        return false;
    I62_ROT& rot = record->fields.rot;
    rot = I62_ROT{};
    rot.rate = I62_FieldF32(I62_NextField());
    rot.status = I62_FieldChar(I62_LastField());
    return true;
}

// VBW: $--VBW,x.x,x.x,A,x.x,x.x,A*hh
bool I62_FMT_VBW(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 6))
        return false;
    I62_VBW& vbw = record->fields.vbw;
    vbw = I62_VBW{};
    vbw.waterLongitudinal = number(I62_NextField());
    vbw.waterTransverse = number(I62_NextField());
    vbw.waterStatus = I62_FieldChar(I62_NextField());
    vbw.groundLongitudinal = number(I62_NextField());
    vbw.groundTransverse = number(I62_NextField());
    vbw.groundStatus = I62_FieldChar(I62_LastField());
    return true;
}

// OSD: $--OSD,x.x,A,x.x,a,x.x,a,x.x,x.x,a*hh
bool I62_FMT_OSD(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 9))
        return false;
    I62_OSD& osd = record->fields.osd;
    osd = I62_OSD{};
    osd.heading = number(I62_NextField());
    osd.headingStatus = I62_FieldChar(I62_NextField());
    osd.course = number(I62_NextField());
    osd.courseReference = I62_FieldChar(I62_NextField());
    osd.speed = number(I62_NextField());
    osd.speedReference = I62_FieldChar(I62_NextField());
    osd.set = number(I62_NextField());
    osd.drift = number(I62_NextField());
    osd.speedUnits = I62_FieldChar(I62_LastField());
    return true;
}

// RSD: $--RSD,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,a,a*hh
bool I62_FMT_RSD(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 13))
        return false;
    I62_RSD& rsd = record->fields.rsd;
    rsd = I62_RSD{};
    for (float& value : rsd.values)
        value = number(I62_NextField());
    rsd.rangeUnits = I62_FieldChar(I62_NextField());
    rsd.displayRotation = I62_FieldChar(I62_LastField());
    return true;
}

// TTM: $--TTM,xx,x.x,x.x,a,x.x,x.x,a,x.x,x.x,a,c--c,a,a,hhmmss.ss,a*hh
bool I62_FMT_TTM(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 15))
        return false;
    I62_TTM& ttm = record->fields.ttm;
    ttm = I62_TTM{};
    ttm.number = I62_FieldU8(I62_NextField(), 0);
    ttm.distance = number(I62_NextField());
    ttm.bearing = number(I62_NextField());
    ttm.bearingReference = I62_FieldChar(I62_NextField());
    ttm.speed = number(I62_NextField());
    ttm.course = number(I62_NextField());
    ttm.courseReference = I62_FieldChar(I62_NextField());
    ttm.cpaDistance = number(I62_NextField());
    ttm.cpaTime = number(I62_NextField());
    ttm.units = I62_FieldChar(I62_NextField());
    I62_FieldText(ttm.name, sizeof(ttm.name), I62_NextField());
    ttm.status = I62_FieldChar(I62_NextField());
    ttm.referenceTarget = I62_FieldChar(I62_NextField());
    I62_GetTime(I62_NextField(), &ttm.time);
    ttm.acquisition = I62_FieldChar(I62_LastField());
    return true;
}

// TLB: $--TLB,x.x,c--c,...*hh (the first target number and label)
bool I62_FMT_TLB(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 3))
        return false;
    I62_TLB& tlb = record->fields.tlb;
    tlb = I62_TLB{};
    tlb.number = number(I62_NextField());
    tlb.label = I62_FieldChar(I62_NextField());
    return true;
}
