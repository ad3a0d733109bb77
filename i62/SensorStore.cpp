#include "i62/SensorStore.h"

#include "i62/GpsStore.h"
#include "i62/I62Sentence.h"
#include "i62/I62Table.h"

GNSS_Data EXTGnssData;
RADAR_DATA EXTRadarData;

namespace {

constexpr float kHeadingLimit = 360.0f;

bool headingValid(float heading)
{
    return heading >= 0.0f && heading < kHeadingLimit;
}

void storeGns(const I61162_Data_Structure& r, GNSS_Data& s)
{
    const I62_GNS& gns = r.fields.gns;
    s.hour = gns.time.hour;
    s.minute = gns.time.minute;
    s.second = gns.time.second;
    s.latitude = static_cast<float>(gns.position.latitude);
    s.longitude = static_cast<float>(gns.position.longitude);
    s.gnsChars[0] = gns.mode[0];
    s.gnsChars[1] = gns.mode[1];
    s.gnsChars[2] = gns.satsInUse[1];
    s.gnsValues[0] = gns.hdop;
    s.gnsValues[1] = gns.altitude;
    s.gnsValues[2] = gns.geoidSep;
    s.gnsValues[3] = gns.diffAge;
    s.gnsValues[4] = gns.diffStation;
}

// A heading outside [0, 360), the empty 511 included, is kept without touching flag and stamp.
void storeHdt(const I61162_Data_Structure& r, GNSS_Data& s)
{
    s.trueHeading = r.fields.hdt.heading;
    if (headingValid(s.trueHeading)) {
        s.trueHeadingValid = 1;
        s.trueHeadingStamp = GetSystemTime();
    }
}

void storeHdm(const I61162_Data_Structure& r, GNSS_Data& s)
{
    s.magneticHeading = r.fields.hdt.heading;
    if (headingValid(s.magneticHeading)) {
        s.magneticHeadingValid = 1;
        s.magneticHeadingStamp = GetSystemTime();
    }
}

void storeRot(const I61162_Data_Structure& r, GNSS_Data& s)
{
    s.rateOfTurn = r.fields.rot.rate;
    s.waterStatus = r.fields.rot.status;
}

void storeVbw(const I61162_Data_Structure& r, GNSS_Data& s)
{
    const I62_VBW& vbw = r.fields.vbw;
    s.waterLongitudinal = vbw.waterLongitudinal;
    s.waterTransverse = vbw.waterTransverse;
    s.waterStatus = vbw.waterStatus;
    s.groundLongitudinal = vbw.groundLongitudinal;
    s.groundTransverse = vbw.groundTransverse;
    s.groundStatus = vbw.groundStatus;
}

struct SSensorStore
{
    const char* formatter;
    void (*store)(const I61162_Data_Structure&, GNSS_Data&);
};

const SSensorStore kSensorStores[] = {
    {"GNS", storeGns}, {"HDT", storeHdt}, {"HDM", storeHdm}, {"ROT", storeRot}, {"VBW", storeVbw},
};

void storeOsd(const I61162_Data_Structure& r, RADAR_DATA& s)
{
    s.osd = r.fields.osd;
    s.osdPresent = 1;
}

void storeRsd(const I61162_Data_Structure& r, RADAR_DATA& s)
{
    s.rsd = r.fields.rsd;
    s.rsdPresent = 1;
}

void storeTtm(const I61162_Data_Structure& r, RADAR_DATA& s)
{
    s.ttm = r.fields.ttm;
    s.ttmPresent = 1;
}

struct SRadarStore
{
    const char* formatter;
    void (*store)(const I61162_Data_Structure&, RADAR_DATA&);
};

const SRadarStore kRadarStores[] = {{"OSD", storeOsd}, {"RSD", storeRsd}, {"TTM", storeTtm}};

} // namespace

void StoreSensorData(const I61162_Data_Structure* record, GNSS_Data* store)
{
    if (record == nullptr || store == nullptr)
        return;
    store->system = I62_GnssSystemOf(record->talker);
    if (const SSensorStore* entry = I62_FindFormatter(kSensorStores, record->formatter))
        entry->store(*record, *store);
}

void StoreRadarData(const I61162_Data_Structure* record, RADAR_DATA* store)
{
    if (record == nullptr || store == nullptr)
        return;
    if (const SRadarStore* entry = I62_FindFormatter(kRadarStores, record->formatter))
        entry->store(*record, *store);
}
