#include "i62/AisStation.h"

#include "i62/AisCodec.h"
#include "i62/NaviCalc.h"

#include <cmath>
#include <cstring>

GENERIC_SHIP_DATA ShipData[AIS_STATION_MAX];
int32_t NoStation = 1;

namespace {

constexpr uint32_t kSartFirst = 970000000;
constexpr uint32_t kSartLast = 970999999;
constexpr int kUnchanged = -1;
constexpr double kLostSeconds = 3601.0;

struct SStoreContext
{
    GENERIC_SHIP_DATA& record;
    const UN_AIS_MESSAGE& message;
    int channel;
    int slot;
};

// AIS text ends at its first '@' (no character); the blanks that pad a name are not part of it.
template <std::size_t N, std::size_t M> void copyAisText(char (&destination)[N], const char (&source)[M])
{
    std::size_t n = strnlen(source, M) < N - 1 ? strnlen(source, M) : N - 1;
    const void* at = std::memchr(source, '@', n);
    if (at != nullptr)
        n = static_cast<std::size_t>(static_cast<const char*>(at) - source);
    while (n > 0 && source[n - 1] == ' ')
        --n;
    std::memcpy(destination, source, n);
    destination[n] = '\0';
}

// A copy of the message for its store, marked new.
template <typename Store, typename Message> void keepNew(Store& store, const Message& message)
{
    store.message = message;
    store.newData = 1;
}

// The same with the reception channel and slot kept beside it.
template <typename Store, typename Message> void keepNewAt(Store& store, const Message& message, const SStoreContext& c)
{
    keepNew(store, message);
    store.channel = static_cast<uint32_t>(c.channel);
    store.slot = static_cast<uint32_t>(c.slot);
}

void setStatus(GENERIC_SHIP_DATA& r, uint16_t mask, bool on)
{
    r.status = static_cast<uint16_t>(on ? r.status | mask : r.status & ~mask);
}

void setEpfs(GENERIC_SHIP_DATA& r, uint8_t epfs)
{
    r.status = static_cast<uint16_t>((r.status & ~STATION_EPFS_MASK) | (epfs & STATION_EPFS_MASK));
}

void setNavStatus(GENERIC_SHIP_DATA& r, uint8_t navStatus)
{
    r.status = static_cast<uint16_t>((r.status & ~STATION_NAV_STATUS_MASK) |
                                     ((navStatus << STATION_NAV_STATUS_SHIFT) & STATION_NAV_STATUS_MASK));
}

void setPosition(GENERIC_SHIP_DATA& r, uint8_t accuracy, float longitude, float latitude, uint8_t raim)
{
    setStatus(r, STATION_POS_ACCURACY, accuracy != 0);
    setStatus(r, STATION_RAIM, raim != 0);
    r.longitude = longitude;
    r.latitude = latitude;
}

void setMotion(GENERIC_SHIP_DATA& r, float sog, float cog, uint16_t heading)
{
    r.sog = sog;
    r.cog = cog;
    r.trueHeading = heading;
}

// Dimensions to bow, stern, port and starboard, packed 9/9/6/6 bits.
void setDimensions(GENERIC_SHIP_DATA& r, uint32_t dimensions)
{
    r.dimA = static_cast<uint16_t>(dimensions >> 21 & 0x1FF);
    r.dimB = static_cast<uint16_t>(dimensions >> 12 & 0x1FF);
    r.dimC = static_cast<uint8_t>(dimensions >> 6 & 0x3F);
    r.dimD = static_cast<uint8_t>(dimensions & 0x3F);
}

// The binary application identifier, big-endian on the air, kept in host order in the store.
void identifierToHost(uint8_t* data)
{
    PackWordData(data, AisMsgCodec_GetAppIdentifier(data));
}

void writePositionReport(SStoreContext& c)
{
    const AIS_MSG_1& m = c.message.msg1;
    if ((m.navStatus == 14 || m.navStatus == 15) && m.mmsi >= kSartFirst && m.mmsi <= kSartLast)
        c.record.stationClass = STATION_CLASS_SART;
    setNavStatus(c.record, m.navStatus);
    c.record.rot = m.rot;
    setMotion(c.record, m.sog, m.cog, m.trueHeading);
    setPosition(c.record, m.posAccuracy, m.longitude, m.latitude, m.raim);
}

void writeBaseStation(SStoreContext& c)
{
    const AIS_MSG_4& m = c.message.msg4;
    setPosition(c.record, m.posAccuracy, m.longitude, m.latitude, m.raim);
    setEpfs(c.record, m.epfsType);
}

void writeStaticVoyage(SStoreContext& c)
{
    const AIS_MSG_5& m = c.message.msg5;
    GENERIC_SHIP_DATA& r = c.record;
    r.aisVersion = static_cast<uint8_t>(m.aisVersion & 0x03);
    r.imo = m.imo;
    r.shipType = m.shipType;
    setDimensions(r, m.dimensions);
    setEpfs(r, m.epfsType);
    r.etaMonth = static_cast<uint8_t>(m.eta >> 16 & 0x0F);
    r.etaDay = static_cast<uint8_t>(m.eta >> 11 & 0x1F);
    r.etaHour = static_cast<uint8_t>(m.eta >> 6 & 0x1F);
    r.etaMinute = static_cast<uint8_t>(m.eta & 0x3F);
    r.draught = m.draught;
    setStatus(r, STATION_DTE, m.dte != 0);
    copyAisText(r.destination, m.destination);
    copyAisText(r.callSign, m.callSign);
    copyAisText(r.name, m.name);
}

void storeBinaryAddressed(SStoreContext& c)
{
    RxBinaryAddressMsg.message = c.message.msg6;
    identifierToHost(RxBinaryAddressMsg.message.data);
}

void storeBinaryBroadcast(SStoreContext& c)
{
    keepNew(RxBinaryBroadcastMsg, c.message.msg8);
    identifierToHost(RxBinaryBroadcastMsg.message.data);
}

void writeSarAircraft(SStoreContext& c)
{
    const AIS_MSG_9& m = c.message.msg9;
    c.record.extra.sar.altitude = m.altitude;
    c.record.sog = m.sog;
    c.record.cog = m.cog;
    setStatus(c.record, STATION_DTE, m.dte != 0);
    setPosition(c.record, m.posAccuracy, m.longitude, m.latitude, m.raim);
}

void storeSafetyAddressed(SStoreContext& c)
{
    keepNew(RxSafetyAddressedMsg, c.message.msg12);
}

void storeSafetyBroadcast(SStoreContext& c)
{
    keepNew(RxSafetyBroadcastMsg, c.message.msg14);
}

void storeInterrogation(SStoreContext& c)
{
    keepNewAt(InterrogateMsg, c.message.msg15, c);
}

void writeClassBPosition(SStoreContext& c)
{
    const AIS_MSG_18& m = c.message.msg18;
    GENERIC_SHIP_DATA& r = c.record;
    setMotion(r, m.sog, m.cog, m.trueHeading);
    setPosition(r, m.posAccuracy, m.longitude, m.latitude, m.raim);
    r.extra.classB.flags = static_cast<uint8_t>((m.assigned ? CLASS_B_ASSIGNED : 0) | (m.unitFlag ? CLASS_B_UNIT : 0) |
                                                (m.displayFlag ? CLASS_B_DISPLAY : 0) | (m.dscFlag ? CLASS_B_DSC : 0) |
                                                (m.bandFlag ? CLASS_B_BAND : 0) | (m.msg22Flag ? CLASS_B_MSG22 : 0));
}

void writeClassBExtended(SStoreContext& c)
{
    const AIS_MSG_19& m = c.message.msg19;
    GENERIC_SHIP_DATA& r = c.record;
    setMotion(r, m.sog, m.cog, m.trueHeading);
    setPosition(r, m.posAccuracy, m.longitude, m.latitude, m.raim);
    copyAisText(r.name, m.name);
    r.shipType = m.shipType;
    setDimensions(r, m.dimensions);
    setEpfs(r, m.epfsType);
    setStatus(r, STATION_DTE, m.dte != 0);
}

void storeDataLinkManagement(SStoreContext& c)
{
    keepNewAt(DataLinkManageMsg, c.message.msg20, c);
}

void writeAtoN(SStoreContext& c)
{
    const AIS_MSG_21& m = c.message.msg21;
    GENERIC_SHIP_DATA& r = c.record;
    RxAtoNReportMsg.message = m;
    copyAisText(r.name, m.name);
    setPosition(r, m.posAccuracy, m.longitude, m.latitude, m.raim);
    setDimensions(r, m.dimensions);
    setEpfs(r, m.epfsType);
    r.extra.aton.flags = static_cast<uint8_t>((m.offPosition ? ATON_OFF_POSITION : 0) |
                                              ((m.atonType << ATON_TYPE_SHIFT) & ATON_TYPE_MASK) |
                                              (m.virtualAton ? ATON_VIRTUAL : 0) | (m.assigned ? ATON_ASSIGNED : 0));
    r.extra.aton.status = m.atonStatus;
    copyAisText(r.extra.aton.nameExtension, m.nameExtension);
}

void storeChannelManagement(SStoreContext& c)
{
    keepNew(ChnlManageMsg, c.message.msg22);
}

void storeGroupAssignment(SStoreContext& c)
{
    keepNew(GrpAssignCmdMsg, c.message.msg23);
}

void writeStaticReport(SStoreContext& c)
{
    GENERIC_SHIP_DATA& r = c.record;
    r.msg24Part = c.message.msg24A.partNumber == 1 ? 1 : 0;
    if (r.msg24Part == 0) {
        copyAisText(r.name, c.message.msg24A.name);
        return;
    }
    const AIS_MSG_24B& m = c.message.msg24B;
    r.shipType = m.shipType;
    copyAisText(r.extra.classB.vendorId, m.vendorId);
    copyAisText(r.callSign, m.callSign);
    setDimensions(r, m.dimensions);
}

void storeSingleSlotBinary(SStoreContext& c)
{
    std::memcpy(&RxSingleSlotBinaryMsg.message, c.message.bytes, sizeof(RxSingleSlotBinaryMsg.message));
    RxSingleSlotBinaryMsg.newData = 1;
}

void storeMultipleSlotBinary(SStoreContext& c)
{
    std::memcpy(&RxMultipleSlotBinaryMsg.message, c.message.bytes, sizeof(RxMultipleSlotBinaryMsg.message));
    RxMultipleSlotBinaryMsg.newData = 1;
}

struct SStoreRule
{
    int stationKind; // kUnchanged keeps the record's kind
    void (*write)(SStoreContext&);
};

// What each message id (index) does to its station record.
const SStoreRule kStoreRules[27] = {
    {kUnchanged, nullptr},                          // 0 not a message
    {STATION_CLASS_A, writePositionReport},         // 1
    {STATION_CLASS_A, writePositionReport},         // 2
    {STATION_CLASS_A, writePositionReport},         // 3
    {STATION_CLASS_BASE, writeBaseStation},         // 4
    {STATION_CLASS_A, writeStaticVoyage},           // 5
    {kUnchanged, storeBinaryAddressed},             // 6
    {kUnchanged, nullptr},                          // 7
    {kUnchanged, storeBinaryBroadcast},             // 8
    {STATION_CLASS_SAR_AIRCRAFT, writeSarAircraft}, // 9
    {kUnchanged, nullptr},                          // 10
    {kUnchanged, nullptr},                          // 11
    {kUnchanged, storeSafetyAddressed},             // 12
    {kUnchanged, nullptr},                          // 13
    {kUnchanged, storeSafetyBroadcast},             // 14
    {kUnchanged, storeInterrogation},               // 15
    {STATION_CLASS_BASE, nullptr},                  // 16
    {STATION_CLASS_BASE, nullptr},                  // 17
    {STATION_CLASS_B, writeClassBPosition},         // 18
    {STATION_CLASS_B, writeClassBExtended},         // 19
    {STATION_CLASS_BASE, storeDataLinkManagement},  // 20
    {STATION_CLASS_ATON, writeAtoN},                // 21
    {STATION_CLASS_BASE, storeChannelManagement},   // 22
    {STATION_CLASS_BASE, storeGroupAssignment},     // 23
    {STATION_CLASS_B, writeStaticReport},           // 24
    {kUnchanged, storeSingleSlotBinary},            // 25
    {kUnchanged, storeMultipleSlotBinary},          // 26
};

// Own ship is record 0; its MMSI is the first one a VDO gives.
int ownShipRecord(uint32_t mmsi, bool* isNew)
{
    const bool wasEmpty = NoStation < 1;
    if (wasEmpty)
        NoStation = 1;
    *isNew = wasEmpty;
    if (ShipData[0].mmsi == 0) {
        ShipData[0].mmsi = mmsi;
        *isNew = true;
    }
    return 0;
}

int targetRecord(uint32_t mmsi, bool* isNew)
{
    for (int i = 0; i < NoStation; ++i) {
        if (ShipData[i].mmsi == mmsi) {
            *isNew = false;
            return i;
        }
    }
    const int index = NoStation < AIS_STATION_MAX ? NoStation++ : DeleteOldestShipData();
    // A reused record must not show what its previous station left behind.
    ResetShipData(&ShipData[index]);
    ShipData[index].mmsi = mmsi;
    *isNew = true;
    return index;
}

bool onGlobe(float longitude, float latitude, float lonLimit, float latLimit)
{
    return std::fabs(longitude) <= lonLimit && std::fabs(latitude) <= latLimit;
}

} // namespace

int StoreAisMsg(const UN_AIS_MESSAGE* message, int channel, int slot, bool ownShip)
{
    if (message == nullptr)
        return -1;
    const int msgId = message->head.msgId;
    if (msgId == 0 || msgId > 26)
        return -1;

    bool isNew = false;
    const int index = ownShip ? ownShipRecord(message->head.mmsi, &isNew) : targetRecord(message->head.mmsi, &isNew);
    GENERIC_SHIP_DATA& record = ShipData[index];
    if (isNew) {
        record.vdmCount = 0;
        record.vdoCount = 0;
        record.firstDate = SysUtcDate;
        record.firstTime = SysUtcTime;
    }
    record.lastDate = SysUtcDate;
    record.lastTime = SysUtcTime;

    const SStoreRule& rule = kStoreRules[msgId];
    if (rule.stationKind != kUnchanged)
        record.stationClass = static_cast<STATION_CLASS_TYPE>(rule.stationKind);
    if (rule.write != nullptr) {
        SStoreContext context{record, *message, channel, slot};
        rule.write(context);
    }

    RxAisShipId = index;
    RxAisMsgId = msgId == 24 && message->msg24A.partNumber == 1 ? AIS_MSG_ID_24B : msgId;
    return index;
}

bool ShipInitial()
{
    const time_t now = std::time(nullptr);
    for (GENERIC_SHIP_DATA& record : ShipData) {
        record.stationClass = STATION_CLASS_EMPTY;
        record.mmsi = 0;
        record.longitude = 181.0f;
        record.latitude = 91.0f;
        record.distance = 0.0f;
        record.cpaEnable = 0;
        record.hostTime = now;
    }
    ShipData[0].status = static_cast<uint16_t>(ShipData[0].status & ~(STATION_NAV_STATUS_MASK | STATION_POS_ACCURACY));
    NoStation = 1;
    return true;
}

void ResetShipData(GENERIC_SHIP_DATA* record)
{
    if (record == nullptr)
        return;
    // Every field: a station that takes the record over must not show its predecessor's data.
    GENERIC_SHIP_DATA& r = *record;
    std::memset(&r, 0, sizeof(r));
    r.stationClass = STATION_CLASS_EMPTY;
    r.distance = -1.0f;
    r.bearing = -1.0f;
    r.trueHeading = 511.0f;
    r.longitude = 181.0f;
    r.latitude = 91.0f;
    r.cog = 361.0f;
    r.status = STATION_DTE;
    r.hostTime = std::time(nullptr);
}

int DeleteOldestShipData()
{
    const long long now = GetUtcLongSecond(SysUtcDate, SysUtcTime);
    int oldest = 1;
    long long oldestAge = 0;
    for (int i = 1; i < NoStation; ++i) {
        const long long age = now - GetUtcLongSecond(ShipData[i].lastDate, ShipData[i].lastTime);
        if (i == 1 || age > oldestAge) {
            oldest = i;
            oldestAge = age;
        }
    }
    ResetShipData(&ShipData[oldest]);
    return oldest;
}

int DeleteLostShipData()
{
    if (NoStation < 2)
        return -1;
    const time_t now = std::time(nullptr);
    for (int i = 1; i < NoStation; ++i) {
        if (std::difftime(now, ShipData[i].hostTime) < kLostSeconds)
            continue;
        for (int j = i; j < NoStation - 1; ++j)
            ShipData[j] = ShipData[j + 1];
        ResetShipData(&ShipData[NoStation - 1]);
        --NoStation;
        return i;
    }
    return -1;
}

void CalAllStationDistance(int index, float ownLongitude, float ownLatitude)
{
    if (index < 0 || index >= AIS_STATION_MAX)
        return;
    GENERIC_SHIP_DATA& r = ShipData[index];
    if (!onGlobe(ownLongitude, ownLatitude, 180.1f, 90.1f) || !onGlobe(r.longitude, r.latitude, 180.1f, 90.1f)) {
        r.distance = -1.0f;
        return;
    }
    r.distance = Cal2PointsDistanceEllip(ownLongitude, ownLatitude, r.longitude, r.latitude) / 1.852f;
}

void CalAllStationBearing(int index)
{
    if (index < 0 || index >= AIS_STATION_MAX)
        return;
    const GENERIC_SHIP_DATA& own = ShipData[0];
    GENERIC_SHIP_DATA& r = ShipData[index];
    if (!onGlobe(own.longitude, own.latitude, 180.0f, 90.0f) || !onGlobe(r.longitude, r.latitude, 180.0f, 90.0f)) {
        r.bearing = 361.0f;
        return;
    }
    const double dLat = static_cast<double>(r.latitude) - own.latitude;
    const double dLon = static_cast<double>(r.longitude) - own.longitude;
    if (dLat == 0.0 && dLon == 0.0) {
        r.bearing = 0.0f;
        return;
    }
    double bearing = std::atan2(dLat, dLon) * -57.3 + 90.0;
    if (bearing > 360.0)
        bearing -= 360.0;
    if (bearing < 0.0)
        bearing += 360.0;
    r.bearing = static_cast<float>(bearing);
}

void CalAllStationCPA(int index)
{
    if (index < 0 || index >= AIS_STATION_MAX)
        return;
    const GENERIC_SHIP_DATA& own = ShipData[0];
    GENERIC_SHIP_DATA& r = ShipData[index];
    auto usable = [](const GENERIC_SHIP_DATA& s) {
        return onGlobe(s.longitude, s.latitude, 180.1f, 90.1f) && s.cog < 360.0f && s.sog < 102.2f;
    };
    r.cpa = -1.0f;
    r.tcpa = 0.0f;
    if (own.cpaEnable == 0 || !usable(own) || !usable(r))
        return;
    const SHIP_INFO_TO_CPA first{own.latitude, own.longitude, own.sog, own.cog};
    const SHIP_INFO_TO_CPA second{r.latitude, r.longitude, r.sog, r.cog};
    cpa_distance_time(first, second, &r.cpa, &r.tcpa);
}
