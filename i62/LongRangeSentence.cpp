#include "i62/LongRangeSentence.h"

#include "i62/GpsStore.h"
#include "i62/I62FieldValue.h"
#include "i62/I62Frame.h"
#include "i62/I62Sentence.h"
#include "i62/I62Table.h"

#include <cstring>

LRng_Data EXTLRngData;
DSC_Data EXTDSCData;

namespace {

long mmsiField(const char* field)
{
    return I62_FieldLong(field, I62_MMSI_EMPTY);
}

// The last field of a sentence ends at '*'; the position readers take every field up to ','.
void lastFieldEndsAtComma(char* sentence)
{
    if (char* star = std::strchr(sentence, '*'))
        *star = ',';
}

// DSE and DSR share their layout.
bool readDse(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 6))
        return false;
    I62_DSE& dse = record->fields.dse;
    dse = I62_DSE{};
    dse.total = I62_FieldU8(I62_NextField());
    dse.number = I62_FieldU8(I62_NextField());
    dse.queryFlag = I62_FieldChar(I62_NextField());
    dse.mmsi = mmsiField(I62_NextField());
    dse.code = I62_FieldU8(I62_NextField());
    I62_FieldText(dse.data, sizeof(dse.data), I62_LastField());
    return true;
}

} // namespace

// LRI: $--LRI,x,a,xxxxxxxxx,xxxxxxxxx,llll.ll,a,yyyyy.yy,a,llll.ll,a,yyyyy.yy,a*hh
bool AIS_FMT_LRI(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 12))
        return false;
    I62_LRI& lri = record->fields.lri;
    lri = I62_LRI{};
    lri.sequence = I62_FieldU8(I62_NextField());
    lri.controlFlag = I62_FieldChar(I62_NextField());
    lri.requestorMmsi = mmsiField(I62_NextField());
    lri.destinationMmsi = mmsiField(I62_NextField());
    char* corner = I62_NextField();
    if (StrTokenPtr != nullptr)
        lastFieldEndsAtComma(StrTokenPtr);
    I62_GetLRngDegree(I62_GetDegree(corner, &lri.northEast), &lri.southWest);
    return true;
}

// LRF: $--LRF,x,xxxxxxxxx,c--c,c--c,c--c*hh
bool AIS_FMT_LRF(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 5))
        return false;
    I62_LRF& lrf = record->fields.lrf;
    lrf = I62_LRF{};
    lrf.sequence = I62_FieldU8(I62_NextField());
    lrf.requestorMmsi = mmsiField(I62_NextField());
    I62_FieldText(lrf.requestorName, sizeof(lrf.requestorName), I62_NextField());
    I62_FieldText(lrf.functionRequest, sizeof(lrf.functionRequest), I62_NextField());
    I62_FieldText(lrf.replyStatus, sizeof(lrf.replyStatus), I62_LastField());
    return true;
}

// LR1: $--LR1,x,xxxxxxxxx,xxxxxxxxx,c--c,c--c,xxxxxxxxx*hh
bool AIS_FMT_LR1(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 6))
        return false;
    I62_LR1& lr1 = record->fields.lr1;
    lr1 = I62_LR1{};
    lr1.sequence = I62_FieldU8(I62_NextField());
    lr1.responderMmsi = mmsiField(I62_NextField());
    lr1.requestorMmsi = mmsiField(I62_NextField());
    I62_FieldText(lr1.shipName, sizeof(lr1.shipName), I62_NextField());
    I62_FieldText(lr1.callSign, sizeof(lr1.callSign), I62_NextField());
    lr1.imo = I62_FieldLong(I62_LastField(), 0);
    return true;
}

// LR2: $--LR2,x,xxxxxxxxx,ddmmyyyy,hhmmss.ss,llll.ll,a,yyyyy.yy,a,x.x,T,x.x,N*hh
bool AIS_FMT_LR2(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 12))
        return false;
    I62_LR2& lr2 = record->fields.lr2;
    lr2 = I62_LR2{};
    lr2.sequence = I62_FieldU8(I62_NextField());
    lr2.responderMmsi = mmsiField(I62_NextField());
    char* time = I62_GetLRngDate(I62_NextField(), &lr2.date);
    I62_GetTime(time, &lr2.time);
    lr2.course = I62_FieldF32(I62_GetLRngDegree(I62_NextField(), &lr2.position));
    lr2.courseReference = I62_FieldChar(I62_NextField());
    lr2.speed = I62_FieldF32(I62_NextField());
    lr2.speedReference = I62_FieldChar(I62_LastField());
    return true;
}

// LR3: $--LR3,x,xxxxxxxxx,c--c,ddmmyyyy,hhmmss.ss,x.x,x.x,x.x,x.x,x.x,x.x*hh
bool AIS_FMT_LR3(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 11))
        return false;
    I62_LR3& lr3 = record->fields.lr3;
    lr3 = I62_LR3{};
    lr3.sequence = I62_FieldU8(I62_NextField());
    lr3.responderMmsi = mmsiField(I62_NextField());
    I62_FieldText(lr3.destination, sizeof(lr3.destination), I62_NextField());
    I62_GetTime(I62_GetLRngDate(I62_NextField(), &lr3.etaDate), &lr3.etaTime);
    lr3.draught = I62_FieldF32(I62_NextField());
    lr3.cargo = I62_FieldF32(I62_NextField());
    lr3.length = I62_FieldF32(I62_NextField());
    lr3.breadth = I62_FieldF32(I62_NextField());
    lr3.shipType = I62_FieldF32(I62_NextField());
    lr3.persons = I62_FieldF32(I62_LastField());
    return true;
}

// DSC: $--DSC,xx,xxxxxxxxxx,xx,xx,xx,x.x,x.x,xxxxxxxxxx,xx,a,a*hh
bool I62_FMT_DSC(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 11))
        return false;
    I62_DSC& dsc = record->fields.dsc;
    dsc = I62_DSC{};
    dsc.formatSpecifier = I62_FieldU8(I62_NextField());
    dsc.addressMmsi = mmsiField(I62_NextField());
    dsc.category = I62_FieldU8(I62_NextField());
    dsc.telecommand1 = I62_FieldU8(I62_NextField());
    dsc.telecommand2 = I62_FieldU8(I62_NextField());
    I62_FieldText(dsc.positionOrFrequency, sizeof(dsc.positionOrFrequency), I62_NextField());
    I62_FieldText(dsc.timeOrNumber, sizeof(dsc.timeOrNumber), I62_NextField());
    dsc.distressMmsi = mmsiField(I62_NextField());
    dsc.distressNature = I62_FieldU8(I62_NextField());
    dsc.acknowledgement = I62_FieldChar(I62_NextField());
    dsc.expansion = I62_FieldChar(I62_LastField());
    return true;
}

// DSE: $--DSE,x,x,a,xxxxxxxxxx,xx,c--c*hh
bool I62_FMT_DSE(char* sentence, I61162_Data_Structure* record)
{
    return readDse(sentence, record);
}

// DSI: $--DSI,x,x,xxxxxxxxxx,xx,xx,c--c,xx,c--c,a*hh
bool I62_FMT_DSI(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 9))
        return false;
    I62_DSI& dsi = record->fields.dsi;
    dsi = I62_DSI{};
    dsi.total = I62_FieldChar(I62_NextField());
    dsi.number = I62_FieldChar(I62_NextField());
    dsi.mmsi = mmsiField(I62_NextField());
    dsi.command1 = I62_FieldU8(I62_NextField());
    dsi.command2 = I62_FieldU8(I62_NextField());
    I62_FieldText(dsi.text1, sizeof(dsi.text1), I62_NextField());
    dsi.value = I62_FieldU8(I62_NextField());
    I62_FieldText(dsi.text2, sizeof(dsi.text2), I62_NextField());
    dsi.flag = I62_FieldChar(I62_LastField());
    return true;
}

// DSR: $--DSR,x,x,a,xxxxxxxxxx,xx,c--c*hh
bool I62_FMT_DSR(char* sentence, I61162_Data_Structure* record)
{
    return readDse(sentence, record);
}

namespace {

using R = const I61162_Data_Structure&;

const I62_STORE_ENTRY<LRng_Data> kLRngStores[] = {
    {"LRI", [](R r, LRng_Data& s) { s.lri = r.fields.lri; }, &LRng_Data::lriPresent},
    {"LRF", [](R r, LRng_Data& s) { s.lrf = r.fields.lrf; }, &LRng_Data::lrfPresent},
    {"LR1", [](R r, LRng_Data& s) { s.lr1 = r.fields.lr1; }, &LRng_Data::lr1Present},
    {"LR2", [](R r, LRng_Data& s) { s.lr2 = r.fields.lr2; }, &LRng_Data::lr2Present},
    {"LR3", [](R r, LRng_Data& s) { s.lr3 = r.fields.lr3; }, &LRng_Data::lr3Present},
};

const I62_STORE_ENTRY<DSC_Data> kDscStores[] = {
    {"DSC", [](R r, DSC_Data& s) { s.dsc = r.fields.dsc; }, &DSC_Data::dscPresent},
    {"DSE", [](R r, DSC_Data& s) { s.dse = r.fields.dse; }, &DSC_Data::dsePresent},
    {"DSI", [](R r, DSC_Data& s) { s.dsi = r.fields.dsi; }, &DSC_Data::dsiPresent},
    {"DSR", [](R r, DSC_Data& s) { s.dsr = r.fields.dse; }, &DSC_Data::dsrPresent},
};

} // namespace

void StoreLRngData(const I61162_Data_Structure* record, LRng_Data* store)
{
    if (record == nullptr || store == nullptr)
        return;
    store->system = I62_GnssSystemOf(record->talker);
    I62_StoreByTable(kLRngStores, *record, record->formatter, *store);
}

void StoreDSCData(const I61162_Data_Structure* record, DSC_Data* store)
{
    if (record == nullptr || store == nullptr)
        return;
    store->system = I62_GnssSystemOf(record->talker);
    I62_StoreByTable(kDscStores, *record, record->formatter, *store);
}
