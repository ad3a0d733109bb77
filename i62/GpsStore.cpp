#include "i62/GpsStore.h"

#include "i62/I62Sentence.h"
#include "i62/I62Table.h"

#include <cstring>

GPS_Data GpsData[GPS_PORT_COUNT];
uint8_t CurGpsPort = 0;

namespace {

constexpr float kCourseMax = 360.0f;

struct STalkerSystem
{
    const char* talker;
    uint32_t system;
};

const STalkerSystem kTalkerSystems[] = {
    {"GP", GNSS_SYSTEM_GPS},     {"GL", GNSS_SYSTEM_GLONASS},    {"GN", GNSS_SYSTEM_COMBINED},
    {"LC", GNSS_SYSTEM_LORAN_C}, {"IN", GNSS_SYSTEM_INTEGRATED},
};

bool isOneOf(uint8_t character, const char* set)
{
    return character != 0 && character != I62_U8_EMPTY && std::strchr(set, character) != nullptr;
}

bool courseInRange(float course)
{
    return course >= 0.0f && course <= kCourseMax;
}

void takeTime(GPS_Data& port, const I62_UTC_TIME& time)
{
    port.time = time;
    if (I62_IsTimeOfDay(time)) {
        port.timeValid = 1;
        port.timeUpdated = 1;
        port.timeStamp = GetSystemTime();
    }
}

void setPositionValid(GPS_Data& port, bool valid)
{
    port.positionValid = valid ? 1 : 0;
    if (valid)
        port.positionStamp = GetSystemTime();
}

void setCourseSpeedValid(GPS_Data& port, bool valid)
{
    port.courseSpeedValid = valid ? 1 : 0;
    if (valid)
        port.courseSpeedStamp = GetSystemTime();
}

void storeGga(const I61162_Data_Structure& r, GPS_Data& port)
{
    const I62_GGA& gga = r.fields.gga;
    port.time = gga.time;
    port.position = gga.position;
    port.quality = gga.quality;
    port.satsInUse = gga.satsInUse;
    port.hdop = gga.hdop;
    port.geoidSep = gga.geoidSep;
    const bool valid = gga.quality >= 1 && gga.quality <= 3;
    setPositionValid(port, valid);
    if (!valid)
        return;
    port.fix3D2D = 1;
    takeTime(port, gga.time);
}

void storeGll(const I61162_Data_Structure& r, GPS_Data& port)
{
    const I62_GLL& gll = r.fields.gll;
    takeTime(port, gll.time);
    port.position = gll.position;
    port.status = gll.status;
    port.mode = gll.mode;
    setPositionValid(port, gll.status == 'A' || gll.status == 'D');
}

void storeGbs(const I61162_Data_Structure& r, GPS_Data& port)
{
    const I62_GBS& gbs = r.fields.gbs;
    takeTime(port, gbs.time);
    port.gbsErrLatitude = gbs.errLatitude;
    port.gbsErrLongitude = gbs.errLongitude;
    port.gbsErrAltitude = gbs.errAltitude;
    port.gbsFailedSat = static_cast<uint8_t>(gbs.failedSat);
    port.gbsProbability = gbs.probability;
    port.gbsBias = gbs.bias;
    port.gbsBiasDeviation = gbs.biasDeviation;
    port.gbsValid = 1;
    port.gbsErrorsValid = gbs.errLatitude > -99999.0f && gbs.errLongitude > -99999.0f && gbs.errAltitude > -99999.0f;
    port.gbsStamp = GetSystemTime();
}

void storeGsa(const I61162_Data_Structure& r, GPS_Data& port)
{
    const I62_GSA& gsa = r.fields.gsa;
    port.selectionMode = gsa.selectionMode;
    port.fixMode = gsa.fixMode;
    if (gsa.fixMode == 2 || gsa.fixMode == 3)
        port.fix3D2D = 1;
    uint8_t inUse = 0;
    for (int i = 0; i < GNSS_SAT_IDS; ++i) {
        port.satIds[i] = gsa.satIds[i];
        if (gsa.satIds[i] > 0 && gsa.satIds[i] != I62_U8_EMPTY)
            ++inUse;
    }
    port.satsInUse = inUse;
    port.pdop = gsa.pdop;
    port.hdop = gsa.hdop;
    port.vdop = gsa.vdop;
}

void storeGsv(const I61162_Data_Structure& r, GPS_Data& port)
{
    const I62_GSV& gsv = r.fields.gsv;
    port.gsvInView = gsv.inView;
    port.gsvMessages = gsv.messages;
    port.gsvNumber = gsv.number;
    port.gsvSatCount = gsv.satCount;
    for (int i = 0; i < GSV_SATS_PER_MSG; ++i) {
        port.gsvIds[i] = gsv.sats[i].id;
        port.gsvElevations[i] = gsv.sats[i].elevation;
        port.gsvAzimuths[i] = gsv.sats[i].azimuth;
        port.gsvSnrs[i] = gsv.sats[i].snr;
    }
}

bool dateValid(const I62_DATE& date)
{
    return date.year > 0 && date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31;
}

void storeRmc(const I61162_Data_Structure& r, GPS_Data& port)
{
    const I62_RMC& rmc = r.fields.rmc;
    takeTime(port, rmc.time);
    port.date = rmc.date;
    port.position = rmc.position;
    port.courseTrue = rmc.cog;
    port.speedKnots = rmc.sog;
    port.status = rmc.status;
    port.mode = rmc.mode;
    port.navStatus = rmc.navStatus;
    if (rmc.status != 'A') {
        port.positionValid = 0;
        port.timeValid = 0;
        port.courseSpeedValid = 0;
        return;
    }
    setPositionValid(port, !isOneOf(rmc.mode, "EMNS"));
    setCourseSpeedValid(port, courseInRange(rmc.cog));
}

void storeVtg(const I61162_Data_Structure& r, GPS_Data& port)
{
    const I62_VTG& vtg = r.fields.vtg;
    port.courseTrue = vtg.courseTrue;
    port.courseMagnetic = vtg.courseMagnetic;
    port.speedKnots = vtg.speedKnots;
    port.speedKmh = vtg.speedKmh;
    port.mode = vtg.mode;
    const bool modeAllowed = vtg.mode == I62_U8_EMPTY || isOneOf(vtg.mode, "ADP");
    setCourseSpeedValid(port, modeAllowed && courseInRange(vtg.courseTrue));
}

void storeZda(const I61162_Data_Structure& r, GPS_Data& port)
{
    const I62_ZDA& zda = r.fields.zda;
    port.time = zda.time;
    // The record's date has no empty marks of its own: not available is 0/0/0.
    port.date.day = zda.day == I62_U8_EMPTY ? 0 : zda.day;
    port.date.month = zda.month == I62_U8_EMPTY ? 0 : zda.month;
    port.date.year = static_cast<uint16_t>(zda.year < 0 ? 0 : zda.year);
    if (I62_IsTimeOfDay(zda.time) && dateValid(port.date))
        takeTime(port, zda.time);
}

void storeDtm(const I61162_Data_Structure& r, GPS_Data& port)
{
    const I62_DTM& dtm = r.fields.dtm;
    std::memcpy(port.dtmLocalDatum, dtm.localDatum, sizeof(port.dtmLocalDatum));
    port.dtmSubdivision = dtm.subdivision;
    port.dtmLatOffset = dtm.latOffset;
    port.dtmLonOffset = dtm.lonOffset;
    port.dtmAltOffset = dtm.altOffset;
    std::memcpy(port.dtmReferenceDatum, dtm.referenceDatum, sizeof(port.dtmReferenceDatum));
    port.dtmValid = 1;
    port.dtmStamp = GetSystemTime();
}

struct SGpsStore
{
    const char* formatter;
    void (*store)(const I61162_Data_Structure&, GPS_Data&);
};

const SGpsStore kGpsStores[] = {
    {"GGA", storeGga}, {"GLL", storeGll}, {"GBS", storeGbs}, {"GSA", storeGsa}, {"GSV", storeGsv},
    {"RMC", storeRmc}, {"VTG", storeVtg}, {"ZDA", storeZda}, {"DTM", storeDtm},
};

} // namespace

uint32_t I62_GnssSystemOf(const char* talker)
{
    if (talker == nullptr)
        return GNSS_SYSTEM_OTHER;
    for (const STalkerSystem& entry : kTalkerSystems) {
        if (I62_SameText(talker, entry.talker, 3))
            return entry.system;
    }
    return GNSS_SYSTEM_OTHER;
}

bool I62_IsTimeOfDay(const I62_UTC_TIME& time)
{
    return time.hour < 24 && time.minute < 60 && time.second < 60;
}

void StoreGPSData(const I61162_Data_Structure* record, GPS_Data* port)
{
    if (record == nullptr || port == nullptr)
        return;
    port->system = I62_GnssSystemOf(record->talker);
    std::memcpy(port->lastFormatter, record->formatter, sizeof(port->lastFormatter));
    if (const SGpsStore* entry = I62_FindFormatter(kGpsStores, record->formatter))
        entry->store(*record, *port);
}
