#include "i62/I62Group.h"

#include "i62/AisSentenceStore.h"
#include "i62/AtonStore.h"
#include "i62/GpsStore.h"
#include "i62/I62Sentence.h"
#include "i62/I62Table.h"
#include "i62/LongRangeSentence.h"
#include "i62/ProprietaryStore.h"
#include "i62/SensorStore.h"

#include <cstring>

I62_QUERY_DATA I62QueryData;

namespace {

struct SFormatterGroup
{
    const char* formatter;
    int group;
    int id;
};

// In rising order of the formatter, for the lookup by halving.
constexpr SFormatterGroup kFormatterGroups[] = {
    {"AAR", I62_GROUP_ATON, 46},        {"ABK", I62_GROUP_AIS, 20},         {"ABM", I62_GROUP_AIS, 27},
    {"ACA", I62_GROUP_AIS, 21},         {"ACE", I62_GROUP_ATON, 47},        {"ACF", I62_GROUP_ATON, 48},
    {"ACK", I62_GROUP_AIS, 22},         {"ACS", I62_GROUP_AIS, 23},         {"AFB", I62_GROUP_ATON, 49},
    {"AFC", I62_GROUP_ATON, 50},        {"AID", I62_GROUP_ATON, 51},        {"AKE", I62_GROUP_ATON, 52},
    {"ALR", I62_GROUP_AIS, 24},         {"ARW", I62_GROUP_ATON, 53},        {"BBM", I62_GROUP_AIS, 28},
    {"BDY", I62_GROUP_PROPRIETARY, 37}, {"BTH", I62_GROUP_PROPRIETARY, 40}, {"DBG", I62_GROUP_PROPRIETARY, 41},
    {"DSC", I62_GROUP_DSC, 32},         {"DSE", I62_GROUP_DSC, 33},         {"DSI", I62_GROUP_DSC, 34},
    {"DSR", I62_GROUP_DSC, 35},         {"DTM", I62_GROUP_GPS, 9},          {"FRQ", I62_GROUP_PROPRIETARY, 39},
    {"GBP", I62_GROUP_PROPRIETARY, 45}, {"GBS", I62_GROUP_GPS, 3},          {"GGA", I62_GROUP_GPS, 1},
    {"GLL", I62_GROUP_GPS, 2},          {"GNS", I62_GROUP_SENSOR, 13},      {"GSA", I62_GROUP_GPS, 4},
    {"GSV", I62_GROUP_GPS, 5},          {"HDM", I62_GROUP_SENSOR, 14},      {"HDT", I62_GROUP_SENSOR, 11},
    {"LR1", I62_GROUP_LONG_RANGE, 17},  {"LR2", I62_GROUP_LONG_RANGE, 18},  {"LR3", I62_GROUP_LONG_RANGE, 19},
    {"LRF", I62_GROUP_LONG_RANGE, 16},  {"LRI", I62_GROUP_LONG_RANGE, 15},  {"MCR", I62_GROUP_ATON, 54},
    {"MID", I62_GROUP_PROPRIETARY, 36}, {"MOB", I62_GROUP_PROPRIETARY, 43}, {"MPR", I62_GROUP_ATON, 55},
    {"MRK", I62_GROUP_PROPRIETARY, 44}, {"OSD", I62_GROUP_RADAR, 58},       {"RMC", I62_GROUP_GPS, 6},
    {"ROT", I62_GROUP_SENSOR, 10},      {"RSD", I62_GROUP_RADAR, 59},       {"SSD", I62_GROUP_AIS, 25},
    {"TPS", I62_GROUP_PROPRIETARY, 42}, {"TSP", I62_GROUP_ATON, 56},        {"TST", I62_GROUP_PROPRIETARY, 38},
    {"TTM", I62_GROUP_RADAR, 63},       {"TXT", I62_GROUP_AIS, 31},         {"VBW", I62_GROUP_SENSOR, 12},
    {"VDM", I62_GROUP_AIS, 29},         {"VDO", I62_GROUP_AIS, 30},         {"VER", I62_GROUP_ATON, 57},
    {"VSD", I62_GROUP_AIS, 26},         {"VTG", I62_GROUP_GPS, 7},          {"ZDA", I62_GROUP_GPS, 8},
};
constexpr auto kGroupKeys = I62_KeysOf(kFormatterGroups);
static_assert(I62_KeysRise(kGroupKeys), "the groups' formatters rise");

void storeGps(I61162_Data_Structure* record)
{
    if (CurGpsPort < GPS_PORT_COUNT)
        StoreGPSData(record, &GpsData[CurGpsPort]);
}

void storeSensor(I61162_Data_Structure* record)
{
    StoreSensorData(record, &EXTGnssData);
}

void storeLongRange(I61162_Data_Structure* record)
{
    StoreLRngData(record, &EXTLRngData);
}

void storeDsc(I61162_Data_Structure* record)
{
    StoreDSCData(record, &EXTDSCData);
}

void storeProprietary(I61162_Data_Structure* record)
{
    StoreProprietaryData(record, &EXTPriData);
}

void storeAis(I61162_Data_Structure* record)
{
    StoreAISData(record, &EXTAISData);
}

void storeAton(I61162_Data_Structure* record)
{
    StoreAtoNData(record, &EXTAtoNData);
}

void storeRadar(I61162_Data_Structure* record)
{
    StoreRadarData(record, &EXTRadarData);
}

// The queried formatter goes into the first free slot; with all four in use it is dropped.
void storeQuery(I61162_Data_Structure* record)
{
    for (int slot = 0; slot < I62_QUERY_SLOTS; ++slot) {
        if (I62QueryData.used[slot] == 0) {
            std::memcpy(I62QueryData.formatter[slot], record->fields.query.formatter,
                        sizeof(I62QueryData.formatter[slot]));
            I62QueryData.formatter[slot][3] = '\0';
            I62QueryData.used[slot] = 1;
            return;
        }
    }
}

struct SGroupStore
{
    int group;
    void (*store)(I61162_Data_Structure*);
};

// Groups without an entry store nothing.
const SGroupStore kGroupStores[] = {
    {I62_GROUP_GPS, storeGps},   {I62_GROUP_SENSOR, storeSensor}, {I62_GROUP_LONG_RANGE, storeLongRange},
    {I62_GROUP_AIS, storeAis},   {I62_GROUP_DSC, storeDsc},       {I62_GROUP_PROPRIETARY, storeProprietary},
    {I62_GROUP_ATON, storeAton}, {I62_GROUP_RADAR, storeRadar},   {I62_GROUP_QUERY, storeQuery},
};

} // namespace

void I62_GetGroupType(int* group, int* formatterId, const char* formatter)
{
    int g = I62_GROUP_NONE;
    int id = I62_FORMATTER_ID_NONE;
    if (formatter != nullptr && formatter[0] == 'Q') {
        g = I62_GROUP_QUERY;
        id = I62_FORMATTER_ID_QUERY;
    }
    if (const SFormatterGroup* entry = I62_FindRisingFormatter(kFormatterGroups, kGroupKeys, formatter)) {
        g = entry->group;
        id = entry->id;
    }
    if (group != nullptr)
        *group = g;
    if (formatterId != nullptr)
        *formatterId = id;
}

void I62_ProcessData(I61162_Data_Structure* record)
{
    if (record == nullptr)
        return;
    int group = I62_GROUP_NONE;
    I62_GetGroupType(&group, nullptr, record->formatter);
    record->group = static_cast<uint8_t>(group);
    for (const SGroupStore& entry : kGroupStores) {
        if (entry.group == group) {
            entry.store(record);
            return;
        }
    }
}
