#include "i62/GnssSentence.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Frame.h"
#include "i62/I62Sentence.h"

namespace {

constexpr long kMaxSatsInUse = 12;
constexpr float kMaxHdop = 99.9f;
constexpr long kMaxDiffStation = 1023;
constexpr long kMaxGsvMessages = 9;
constexpr long kMaxElevation = 90;
constexpr long kMaxAzimuth = 359;
constexpr long kMaxSnr = 99;
constexpr int kGsvHeadCommas = 3;
constexpr int kGsvSatFields = 4;

bool hdopAllowed(float hdop)
{
    return hdop == I62_F32_EMPTY || (hdop >= 0.0f && hdop <= kMaxHdop);
}

// A unit or mode field of exactly one character (a blank one included).
bool oneCharacter(const char* field)
{
    return field != nullptr && field[0] != '\0' && field[1] == '\0';
}

// RMC in its three lengths: 11 commas without mode, 12 with mode, 13 with navigational status.
// $--RMC,hhmmss.ss,A,llll.ll,a,yyyyy.yy,a,x.x,x.x,xxxxxx,x.x,a[,a[,a]]*hh
bool readRmc(char* sentence, I61162_Data_Structure* record, int commas)
{
    if (record == nullptr || !I62_BeginFields(sentence, commas))
        return false;
    I62_RMC& rmc = record->fields.rmc;
    rmc = I62_RMC{};
    I62_GetTime(I62_NextField(), &rmc.time);
    rmc.status = I62_FieldChar(I62_NextField());
    rmc.sog = I62_FieldF32(I62_GetDegree(I62_NextField(), &rmc.position));
    rmc.cog = I62_FieldF32(I62_NextField());
    rmc.variation = I62_FieldF32(I62_GetDate(I62_NextField(), &rmc.date));
    rmc.variationDir = I62_FieldChar(I62_TakeField(commas == 11));
    rmc.mode = commas >= 12 ? I62_FieldChar(I62_TakeField(commas == 12)) : I62_U8_EMPTY;
    rmc.navStatus = commas == 13 ? I62_FieldChar(I62_LastField()) : I62_U8_EMPTY;
    return true;
}

// GNS, 12 commas, or 13 with the navigational status.
// $--GNS,hhmmss.ss,llll.ll,a,yyyyy.yy,a,c--c,xx,x.x,x.x,x.x,x.x,x.x[,a]*hh
bool readGns(char* sentence, I61162_Data_Structure* record, int commas)
{
    if (record == nullptr || !I62_BeginFields(sentence, commas))
        return false;
    I62_GNS& gns = record->fields.gns;
    gns = I62_GNS{};
    I62_GetTime(I62_NextField(), &gns.time);
    const char* mode = I62_GetDegree(I62_NextField(), &gns.position);
    gns.mode[0] = I62_FieldCharAt(mode, 0);
    gns.mode[1] = I62_FieldCharAt(mode, 1);
    const char* sats = I62_NextField();
    gns.satsInUse[0] = I62_FieldCharAt(sats, 0);
    gns.satsInUse[1] = I62_FieldCharAt(sats, 1);
    gns.hdop = I62_FieldF32(I62_NextField());
    gns.altitude = I62_FieldF32(I62_NextField());
    gns.geoidSep = I62_FieldF32(I62_NextField());
    gns.diffAge = I62_FieldF32(I62_NextField());
    gns.diffStation = I62_FieldF32(I62_TakeField(commas == 12));
    gns.navStatus = commas == 13 ? I62_FieldChar(I62_LastField()) : I62_U8_EMPTY;
    return hdopAllowed(gns.hdop);
}

} // namespace

// GGA: $--GGA,hhmmss.ss,llll.ll,a,yyyyy.yy,a,x,xx,x.x,x.x,M,x.x,M,x.x,xxxx*hh
bool I62_FMT_GGA(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 14))
        return false;
    I62_GGA& gga = record->fields.gga;
    gga = I62_GGA{};
    I62_GetTime(I62_NextField(), &gga.time);
    gga.quality = I62_FieldU8(I62_GetDegree(I62_NextField(), &gga.position));
    const long sats = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
    gga.satsInUse = static_cast<uint8_t>(sats);
    gga.hdop = I62_FieldF32(I62_NextField());
    gga.altitude = I62_FieldF32(I62_NextField());
    gga.altitudeUnit = I62_FieldChar(I62_NextField());
    gga.geoidSep = I62_FieldF32(I62_NextField());
    gga.geoidSepUnit = I62_FieldChar(I62_NextField());
    gga.diffAge = I62_FieldF32(I62_NextField());
    const long station = I62_FieldLong(I62_LastField(), I62_U16_EMPTY);
    gga.diffStation = static_cast<uint16_t>(station);
    return I62_InRangeOrEmpty(sats, 0, kMaxSatsInUse, I62_U8_EMPTY) && hdopAllowed(gga.hdop) &&
           I62_InRangeOrEmpty(station, 0, kMaxDiffStation, I62_U16_EMPTY);
}

// GLL: $--GLL,llll.ll,a,yyyyy.yy,a,hhmmss.ss,A[,a]*hh (6 commas: no mode field)
bool I62_FMT_GLL(char* sentence, I61162_Data_Structure* record)
{
    const int commas = I62_CountFieldDelimiters(sentence) == 6 ? 6 : 7;
    if (record == nullptr || !I62_BeginFields(sentence, commas))
        return false;
    I62_GLL& gll = record->fields.gll;
    gll = I62_GLL{};
    I62_GetTime(I62_GetDegree(I62_NextField(), &gll.position), &gll.time);
    gll.status = I62_FieldChar(I62_TakeField(commas == 6));
    gll.mode = commas == 7 ? I62_FieldChar(I62_LastField()) : I62_U8_EMPTY;
    return true;
}

// GBS: $--GBS,hhmmss.ss,x.x,x.x,x.x,xx,x.x,x.x,x.x*hh
bool I62_FMT_GBS(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 8))
        return false;
    I62_GBS& gbs = record->fields.gbs;
    gbs = I62_GBS{};
    I62_GetTime(I62_NextField(), &gbs.time);
    gbs.errLatitude = I62_FieldF32(I62_NextField());
    gbs.errLongitude = I62_FieldF32(I62_NextField());
    gbs.errAltitude = I62_FieldF32(I62_NextField());
    gbs.failedSat = static_cast<int>(I62_FieldLong(I62_NextField(), I62_U8_EMPTY));
    gbs.probability = I62_FieldF32(I62_NextField());
    gbs.bias = I62_FieldF32(I62_NextField());
    gbs.biasDeviation = I62_FieldF32(I62_LastField());
    return true;
}

// GSA: $--GSA,a,x,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,x.x,x.x,x.x*hh
bool I62_FMT_GSA(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 17))
        return false;
    I62_GSA& gsa = record->fields.gsa;
    gsa = I62_GSA{};
    gsa.selectionMode = I62_FieldChar(I62_NextField());
    gsa.fixMode = I62_FieldU8(I62_NextField());
    for (uint8_t& id : gsa.satIds)
        id = I62_FieldU8(I62_NextField());
    gsa.pdop = I62_FieldF32(I62_NextField());
    gsa.hdop = I62_FieldF32(I62_NextField());
    gsa.vdop = I62_FieldF32(I62_LastField());
    return true;
}

// GSV: $--GSV,x,x,xx,xx,xx,xxx,xx[,xx,xx,xxx,xx ...]*hh (one to four satellites)
bool I62_FMT_GSV(char* sentence, I61162_Data_Structure* record)
{
    const int commas = I62_CountFieldDelimiters(sentence);
    int satCount = 0;
    for (int n = 1; n <= GSV_SATS_PER_MSG && satCount == 0; ++n) {
        if (commas == kGsvHeadCommas + kGsvSatFields * n)
            satCount = n;
    }
    if (record == nullptr || satCount == 0 || !I62_BeginFields(sentence, kGsvHeadCommas + kGsvSatFields * satCount))
        return false;
    I62_GSV& gsv = record->fields.gsv;
    gsv = I62_GSV{};
    const long messages = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
    const long number = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
    gsv.messages = static_cast<uint8_t>(messages);
    gsv.number = static_cast<uint8_t>(number);
    gsv.inView = I62_FieldU8(I62_NextField());
    gsv.satCount = static_cast<uint8_t>(satCount);
    bool allowed = messages >= 0 && messages <= kMaxGsvMessages && number >= 0 && number <= kMaxGsvMessages;
    for (int i = 0; i < GSV_SATS_PER_MSG; ++i) {
        I62_GSV_SAT& sat = gsv.sats[i];
        sat = I62_GSV_SAT{I62_U8_EMPTY, I62_U8_EMPTY, I62_U16_EMPTY, I62_U8_EMPTY};
        if (i >= satCount)
            continue;
        sat.id = I62_FieldU8(I62_NextField());
        // A satellite not yet located comes without elevation and azimuth.
        const long elevation = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
        const long azimuth = I62_FieldLong(I62_NextField(), I62_U16_EMPTY);
        const long snr = I62_FieldLong(I62_TakeField(i == satCount - 1), I62_U8_EMPTY);
        sat.elevation = static_cast<uint8_t>(elevation);
        sat.azimuth = static_cast<uint16_t>(azimuth);
        sat.snr = static_cast<uint8_t>(snr);
        allowed = allowed && I62_InRangeOrEmpty(elevation, 0, kMaxElevation, I62_U8_EMPTY) &&
                  I62_InRangeOrEmpty(azimuth, 0, kMaxAzimuth, I62_U16_EMPTY) &&
                  I62_InRangeOrEmpty(snr, 0, kMaxSnr, I62_U8_EMPTY);
    }
    return allowed;
}

bool I62_FMT_RMC_Lack_ModeIndicator(char* sentence, I61162_Data_Structure* record)
{
    return readRmc(sentence, record, 11);
}

bool I62_FMT_RMC(char* sentence, I61162_Data_Structure* record)
{
    return readRmc(sentence, record, 12);
}

bool I62_FMT_RMC_Add_NavStatus(char* sentence, I61162_Data_Structure* record)
{
    return readRmc(sentence, record, 13);
}

bool RMC_ParseProc(char* sentence, I61162_Data_Structure* record)
{
    switch (I62_CountFieldDelimiters(sentence)) {
    case 13:
        return I62_FMT_RMC_Add_NavStatus(sentence, record);
    case 12:
        return I62_FMT_RMC(sentence, record);
    case 11:
        return I62_FMT_RMC_Lack_ModeIndicator(sentence, record);
    default:
        return false;
    }
}

// VTG: $--VTG,x.x,T,x.x,M,x.x,N,x.x,K[,a]*hh (8 commas: no mode field)
bool I62_FMT_VTG(char* sentence, I61162_Data_Structure* record)
{
    const int commas = I62_CountFieldDelimiters(sentence) == 8 ? 8 : 9;
    if (record == nullptr || !I62_BeginFields(sentence, commas))
        return false;
    I62_VTG& vtg = record->fields.vtg;
    vtg = I62_VTG{};
    bool allowed = true;
    auto unit = [&allowed](const char* field) {
        allowed = allowed && oneCharacter(field);
        return I62_FieldChar(field);
    };
    vtg.courseTrue = I62_FieldF32(I62_NextField());
    vtg.courseTrueUnit = unit(I62_NextField());
    vtg.courseMagnetic = I62_FieldF32(I62_NextField());
    vtg.courseMagneticUnit = unit(I62_NextField());
    vtg.speedKnots = I62_FieldF32(I62_NextField());
    vtg.speedKnotsUnit = unit(I62_NextField());
    vtg.speedKmh = I62_FieldF32(I62_NextField());
    vtg.speedKmhUnit = unit(I62_TakeField(commas == 8));
    vtg.mode = commas == 9 ? unit(I62_LastField()) : I62_U8_EMPTY;
    return allowed;
}

// ZDA: $--ZDA,hhmmss.ss,xx,xx,xxxx,xx,xx*hh
bool I62_FMT_ZDA(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 6))
        return false;
    I62_ZDA& zda = record->fields.zda;
    zda = I62_ZDA{};
    I62_GetTime(I62_NextField(), &zda.time);
    const long day = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
    const long month = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
    zda.year = static_cast<int16_t>(I62_FieldLong(I62_NextField(), -1));
    const long zoneHours = I62_FieldLong(I62_NextField(), I62_U8_EMPTY);
    const long zoneMinutes = I62_FieldLong(I62_LastField(), I62_U8_EMPTY);
    zda.day = static_cast<uint8_t>(day);
    zda.month = static_cast<uint8_t>(month);
    // West of Greenwich the zone hours are negative and travel as their byte value.
    zda.zoneHours = static_cast<uint8_t>(zoneHours);
    zda.zoneMinutes = static_cast<uint8_t>(zoneMinutes);
    return I62_InRangeOrEmpty(day, 1, 31, I62_U8_EMPTY) && I62_InRangeOrEmpty(month, 1, 12, I62_U8_EMPTY) &&
           I62_InRangeOrEmpty(zoneHours, -13, 13, I62_U8_EMPTY) && I62_InRangeOrEmpty(zoneMinutes, 0, 59, I62_U8_EMPTY);
}

// DTM: $--DTM,ccc,a,x.x,a,x.x,a,x.x,ccc*hh
bool I62_FMT_DTM(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 8))
        return false;
    I62_DTM& dtm = record->fields.dtm;
    dtm = I62_DTM{};
    I62_FieldText(dtm.localDatum, sizeof(dtm.localDatum), I62_NextField());
    dtm.subdivision = static_cast<char>(I62_FieldChar(I62_NextField(), 0));
    dtm.latOffset = I62_FieldDouble(I62_NextField(), 0.0);
    if (I62_FieldChar(I62_NextField()) == 'S')
        dtm.latOffset = -dtm.latOffset;
    dtm.lonOffset = I62_FieldDouble(I62_NextField(), 0.0);
    if (I62_FieldChar(I62_NextField()) == 'W')
        dtm.lonOffset = -dtm.lonOffset;
    dtm.altOffset = I62_FieldF32(I62_NextField(), 0.0f);
    I62_FieldText(dtm.referenceDatum, sizeof(dtm.referenceDatum), I62_LastField());
    return true;
}

// GRS: $--GRS,hhmmss.ss,x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x*hh
bool I62_FMT_GRS(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 14))
        return false;
    I62_GRS& grs = record->fields.grs;
    grs = I62_GRS{};
    I62_GetTime(I62_NextField(), &grs.time);
    grs.mode = I62_FieldU8(I62_NextField());
    for (int i = 0; i < GRS_RESIDUALS; ++i)
        grs.residuals[i] = I62_FieldF32(I62_TakeField(i == GRS_RESIDUALS - 1));
    return true;
}

// GST: $--GST,hhmmss.ss,x.x,x.x,x.x,x.x,x.x,x.x,x.x*hh
bool I62_FMT_GST(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 8))
        return false;
    I62_GST& gst = record->fields.gst;
    gst = I62_GST{};
    I62_GetTime(I62_NextField(), &gst.time);
    gst.rms = I62_FieldF32(I62_NextField());
    gst.majorDeviation = I62_FieldF32(I62_NextField());
    gst.minorDeviation = I62_FieldF32(I62_NextField());
    gst.orientation = I62_FieldF32(I62_NextField());
    gst.latDeviation = I62_FieldF32(I62_NextField());
    gst.lonDeviation = I62_FieldF32(I62_NextField());
    gst.altDeviation = I62_FieldF32(I62_LastField());
    return true;
}

bool I62_FMT_GNS(char* sentence, I61162_Data_Structure* record)
{
    return readGns(sentence, record, 12);
}

bool I62_FMT_GNS_Add_NavStatus(char* sentence, I61162_Data_Structure* record)
{
    return readGns(sentence, record, 13);
}

bool GNS_ParseProc(char* sentence, I61162_Data_Structure* record)
{
    if (I62_CalFieldDelimiter(sentence, 13))
        return I62_FMT_GNS_Add_NavStatus(sentence, record);
    if (I62_CalFieldDelimiter(sentence, 12))
        return I62_FMT_GNS(sentence, record);
    return false;
}
