#include "i62/OwnShipMessage.h"

#include "i62/AisStation.h"
#include "i62/I62Clock.h"
#include "i62/OwnShipSensor.h"

#include <cmath>
#include <cstdio>
#include <cstring>

AIS_ACK_QUEUE AckMsgQueue;
AIS_MSG_6_STORE TxBinaryAddressMsg;
AIS_MSG_8_STORE TxBinaryBroadcastMsg;
AIS_MSG_7_STORE TxAckMsg;
AIS_MSG_21_STORE TxAtoNReportMsg;

namespace {

constexpr float kLonNa = 181.0f;
constexpr float kLatNa = 91.0f;
constexpr float kSogNa = 102.3f;
constexpr float kCogNa = 360.0f;
constexpr uint16_t kHeadingNa = 511;
constexpr uint8_t kTimeStampNa = 60;
constexpr uint16_t kAltitudeNa = 4095;
constexpr uint32_t kMmsiMax = 999999999;
constexpr uint8_t kSequenceMax = 3;
constexpr int kNameChars = 20;
constexpr int kCallSignChars = 7;

// Set once the own position has been available: message 18 keeps using it afterwards.
bool s_positionSeen = false;

const GENERIC_SHIP_DATA& own()
{
    return ShipData[0];
}

uint32_t ownMmsi()
{
    return static_cast<uint32_t>(own().mmsi);
}

uint8_t statusBits(uint16_t mask, int shift)
{
    return static_cast<uint8_t>((own().status & mask) >> shift);
}

uint8_t flag(uint16_t bit)
{
    return (own().status & bit) != 0 ? 1 : 0;
}

bool positionAvailable()
{
    return SensorData[SENSOR_POSITION] != 0;
}

// Position, position accuracy and COG of the own ship, or their not-available values.
struct SOwnPosition
{
    float longitude;
    float latitude;
    float cog;
    uint8_t accuracy;
};

SOwnPosition ownPosition(bool available)
{
    if (!available)
        return SOwnPosition{kLonNa, kLatNa, kCogNa, 0};
    return SOwnPosition{own().longitude, own().latitude, own().cog, flag(STATION_POS_ACCURACY)};
}

float ownSog()
{
    return SensorData[SENSOR_SOG] != 0 ? own().sog : kSogNa;
}

uint16_t ownHeading()
{
    return SensorData[SENSOR_HEADING] != 0 ? static_cast<uint16_t>(std::lround(own().trueHeading)) : kHeadingNa;
}

uint8_t ownTimeStamp()
{
    return SensorData[SENSOR_GPS_TIME] != 0 ? SysUtcTime.second : kTimeStampNa;
}

uint32_t ownDimensions()
{
    const GENERIC_SHIP_DATA& r = own();
    return static_cast<uint32_t>(r.dimA & 0x1FF) << 21 | static_cast<uint32_t>(r.dimB & 0x1FF) << 12 |
           static_cast<uint32_t>(r.dimC & 0x3F) << 6 | static_cast<uint32_t>(r.dimD & 0x3F);
}

uint32_t ownEta()
{
    const GENERIC_SHIP_DATA& r = own();
    return static_cast<uint32_t>(r.etaMonth & 0x0F) << 16 | static_cast<uint32_t>(r.etaDay & 0x1F) << 11 |
           static_cast<uint32_t>(r.etaHour & 0x1F) << 6 | static_cast<uint32_t>(r.etaMinute & 0x3F);
}

// The text, or '@' characters (the six-bit "not available") of its width when it is empty.
void textOrAt(char* destination, std::size_t size, const char* text, int width, bool padded)
{
    if (text[0] == '\0') {
        std::snprintf(destination, size, "%.*s", width, "@@@@@@@@@@@@@@@@@@@@");
        return;
    }
    if (padded)
        std::snprintf(destination, size, "%-*.*s", width, width, text);
    else
        std::snprintf(destination, size, "%.*s", width, text);
}

void head(UN_AIS_MESSAGE* out, int msgId)
{
    out->head.msgId = static_cast<uint8_t>(msgId);
    out->head.repeat = 0;
    out->head.mmsi = ownMmsi();
}

void positionReport(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE commState)
{
    AIS_MSG_1& m = out->msg1;
    m = AIS_MSG_1{};
    head(out, msgId);
    const SOwnPosition p = ownPosition(positionAvailable());
    m.navStatus = statusBits(STATION_NAV_STATUS_MASK, STATION_NAV_STATUS_SHIFT);
    m.rot = own().rot;
    m.sog = ownSog();
    m.posAccuracy = p.accuracy;
    m.longitude = p.longitude;
    m.latitude = p.latitude;
    m.cog = p.cog;
    m.trueHeading = ownHeading();
    m.timeStamp = ownTimeStamp();
    m.raim = flag(STATION_RAIM);
    m.commState = commState;
}

void baseStationReport(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE commState)
{
    AIS_MSG_4& m = out->msg4;
    m = AIS_MSG_4{};
    head(out, msgId);
    m.year = static_cast<uint16_t>(SysUtcDate.year);
    m.month = SysUtcDate.month;
    m.day = SysUtcDate.day;
    m.hour = SysUtcTime.hour;
    m.minute = SysUtcTime.minute;
    m.second = SysUtcTime.second;
    const SOwnPosition p = ownPosition(positionAvailable());
    m.posAccuracy = p.accuracy;
    m.longitude = p.longitude;
    m.latitude = p.latitude;
    m.epfsType = statusBits(STATION_EPFS_MASK, 0);
    m.raim = flag(STATION_RAIM);
    m.commState = commState;
}

void staticVoyageData(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE)
{
    AIS_MSG_5& m = out->msg5;
    m = AIS_MSG_5{};
    head(out, msgId);
    const GENERIC_SHIP_DATA& r = own();
    m.aisVersion = r.aisVersion & 0x03;
    m.imo = static_cast<uint32_t>(r.imo);
    textOrAt(m.callSign, sizeof(m.callSign), r.callSign, kCallSignChars, false);
    textOrAt(m.name, sizeof(m.name), r.name, kNameChars, false);
    m.shipType = r.shipType;
    m.dimensions = ownDimensions();
    m.epfsType = statusBits(STATION_EPFS_MASK, 0);
    m.eta = ownEta();
    m.draught = r.draught;
    std::snprintf(m.destination, sizeof(m.destination), "%s", r.destination);
    m.dte = 0;
}

void sarReport(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE commState)
{
    AIS_MSG_9& m = out->msg9;
    m = AIS_MSG_9{};
    head(out, msgId);
    const SOwnPosition p = ownPosition(positionAvailable());
    m.altitude = kAltitudeNa;
    m.sog = ownSog();
    m.posAccuracy = p.accuracy;
    m.longitude = p.longitude;
    m.latitude = p.latitude;
    m.cog = p.cog;
    m.timeStamp = ownTimeStamp();
    m.dte = flag(STATION_DTE);
    m.assigned = 0;
    m.raim = flag(STATION_RAIM);
    m.selector = 1;
    m.commState = commState;
}

// Class B position, SOG and COG: the own position once it has been available.
struct SClassBPosition
{
    SOwnPosition position;
    float sog;
};

SClassBPosition classBPosition()
{
    if (positionAvailable())
        s_positionSeen = true;
    if (!s_positionSeen)
        return SClassBPosition{ownPosition(false), kSogNa};
    SOwnPosition p = ownPosition(true);
    if (p.cog >= kCogNa) {
        p.cog = kCogNa;
        return SClassBPosition{p, kSogNa};
    }
    return SClassBPosition{p, ownSog()};
}

uint8_t classBFlag(uint8_t bit)
{
    return (own().extra.classB.flags & bit) != 0 ? 1 : 0;
}

// Messages 18 and 19 share their fields up to the time stamp.
template <typename Message> void classBHead(Message& m)
{
    const SClassBPosition p = classBPosition();
    m.longitude = p.position.longitude;
    m.latitude = p.position.latitude;
    m.sog = p.sog;
    m.cog = p.position.cog;
    m.posAccuracy = p.position.accuracy;
    m.trueHeading = ownHeading();
    m.timeStamp = ownTimeStamp();
}

void classBReport(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE commState)
{
    AIS_MSG_18& m = out->msg18;
    m = AIS_MSG_18{};
    head(out, msgId);
    classBHead(m);
    m.unitFlag = classBFlag(CLASS_B_UNIT);
    m.displayFlag = classBFlag(CLASS_B_DISPLAY);
    m.dscFlag = classBFlag(CLASS_B_DSC);
    m.bandFlag = classBFlag(CLASS_B_BAND);
    m.msg22Flag = classBFlag(CLASS_B_MSG22);
    m.assigned = classBFlag(CLASS_B_ASSIGNED);
    m.raim = flag(STATION_RAIM);
    m.selector = 1;
    m.commState = commState;
}

void classBExtendedReport(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE)
{
    AIS_MSG_19& m = out->msg19;
    m = AIS_MSG_19{};
    head(out, msgId);
    classBHead(m);
    std::snprintf(m.name, sizeof(m.name), "%s", own().name);
    m.shipType = own().shipType;
    m.dimensions = ownDimensions();
    m.epfsType = statusBits(STATION_EPFS_MASK, 0);
    m.raim = flag(STATION_RAIM);
    m.dte = flag(STATION_DTE);
    m.assigned = classBFlag(CLASS_B_ASSIGNED);
}

void staticDataReport(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE)
{
    const bool partB = out->msg24A.partNumber == 1;
    const GENERIC_SHIP_DATA& r = own();
    if (!partB) {
        AIS_MSG_24A& m = out->msg24A;
        m = AIS_MSG_24A{};
        head(out, msgId);
        textOrAt(m.name, sizeof(m.name), r.name, kNameChars, true);
        return;
    }
    AIS_MSG_24B& m = out->msg24B;
    m = AIS_MSG_24B{};
    head(out, msgId);
    m.partNumber = 1;
    m.shipType = r.shipType;
    std::snprintf(m.vendorId, sizeof(m.vendorId), "%-7.7s", r.extra.classB.vendorId);
    textOrAt(m.callSign, sizeof(m.callSign), r.callSign, kCallSignChars, true);
    m.dimensions = ownDimensions();
}

// A copy of what the caller prepared, with the message id set.
template <typename T> void copyOf(int msgId, UN_AIS_MESSAGE* out, const T& message)
{
    std::memset(out, 0, sizeof(*out));
    std::memcpy(out->bytes, &message, sizeof(message) < sizeof(out->bytes) ? sizeof(message) : sizeof(out->bytes));
    out->head.msgId = static_cast<uint8_t>(msgId);
}

void idAndSource(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE)
{
    std::memset(out, 0, sizeof(*out));
    head(out, msgId);
}

using Builder = void (*)(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE commState);
using C = COMMUNICATION_STATE;

struct SMessageBuilder
{
    int msgId;
    Builder build;
};

// How each own message is made; ids without an entry (10, 16, 17) carry only id and source.
const SMessageBuilder kBuilders[] = {
    {1, positionReport},
    {2, positionReport},
    {3, positionReport},
    {4, baseStationReport},
    {5, staticVoyageData},
    {6, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, TxBinaryAddressMsg.message); }},
    {7, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, TxAckMsg.message); }},
    {8, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, TxBinaryBroadcastMsg.message); }},
    {9, sarReport},
    {11, baseStationReport},
    {12, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, TxSafetyAddressedMsg.message); }},
    {13, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, TxAckMsg.message); }},
    {14, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, TxSafetyBroadcastMsg.message); }},
    {15, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, InterrogateMsg.message); }},
    {18, classBReport},
    {19, classBExtendedReport},
    {20, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, DataLinkManageMsg.message); }},
    {21, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, TxAtoNReportMsg.message); }},
    {22, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, ChnlManageMsg.message); }},
    {23, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, GrpAssignCmdMsg.message); }},
    {24, staticDataReport},
    {25, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, TxSingleSlotBinaryMsg.message); }},
    {26, [](int id, UN_AIS_MESSAGE* out, C) { copyOf(id, out, TxMultipleSlotBinaryMsg.message); }},
};

void create(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE commState)
{
    for (const SMessageBuilder& b : kBuilders) {
        if (b.msgId == msgId) {
            b.build(msgId, out, commState);
            return;
        }
    }
    idAndSource(msgId, out, commState);
}

int next(int index)
{
    return (index + 1) % AIS_ACK_QUEUE_SIZE;
}

bool queueFull()
{
    return next(AckMsgQueue.write) == AckMsgQueue.read;
}

bool queueEmpty()
{
    return AckMsgQueue.read == AckMsgQueue.write;
}

// Queue indexes that a caller's memory could have spoilt are taken back into the ring.
void keepIndexesInRing()
{
    if (AckMsgQueue.read < 0 || AckMsgQueue.read >= AIS_ACK_QUEUE_SIZE || AckMsgQueue.write < 0 ||
        AckMsgQueue.write >= AIS_ACK_QUEUE_SIZE)
        AisMsg_Ack_Init();
}

int enqueue(uint8_t msgId, uint32_t mmsi, uint8_t sequence, uint8_t channel)
{
    keepIndexesInRing();
    if ((msgId != 6 && msgId != 12) || mmsi < 1 || mmsi > kMmsiMax || sequence > kSequenceMax || queueFull())
        return AIS_ACK_REFUSED;
    AckMsgQueue.entry[AckMsgQueue.write] = AIS_ACK_ENTRY{mmsi, sequence, static_cast<uint8_t>(msgId + 1), channel};
    AckMsgQueue.write = next(AckMsgQueue.write);
    return AIS_ACK_DONE;
}

} // namespace

void CreateAisMsg(int msgId, UN_AIS_MESSAGE* out, COMMUNICATION_STATE commState)
{
    if (out == nullptr || msgId < 1 || msgId > 26)
        return;
    create(msgId, out, commState);
}

void OwnShipMsgInitial()
{
    AisMsg_Ack_Init();
    s_positionSeen = false;
}

int AisMsg_Ack_Check(const UN_AIS_MESSAGE* received, char channel)
{
    if (received == nullptr)
        return AIS_ACK_DONE;
    const uint8_t msgId = received->head.msgId;
    uint32_t destination = 0;
    uint8_t sequence = 0;
    if (msgId == 6) {
        destination = received->msg6.destMmsi;
        sequence = received->msg6.sequence;
    } else if (msgId == 12) {
        destination = received->msg12.destMmsi;
        sequence = received->msg12.sequence;
    } else {
        return AIS_ACK_DONE;
    }
    if (destination != ownMmsi())
        return AIS_ACK_DONE;
    return enqueue(msgId, received->head.mmsi, sequence, static_cast<uint8_t>(channel));
}

int AisMsg_Ack_Add(char msgId, int mmsi, char sequence, char channel)
{
    if (mmsi < 0)
        return AIS_ACK_REFUSED;
    return enqueue(static_cast<uint8_t>(msgId), static_cast<uint32_t>(mmsi), static_cast<uint8_t>(sequence),
                   static_cast<uint8_t>(channel));
}

int AisMsg_Ack_Create(char ackMsgId, char channel, AIS_MESSAGE_07* out)
{
    keepIndexesInRing();
    if (out == nullptr || queueEmpty())
        return AIS_ACK_REFUSED;
    const auto matches = [ackMsgId, channel](const AIS_ACK_ENTRY& e) {
        return e.ackMsgId == static_cast<uint8_t>(ackMsgId) && e.channel == static_cast<uint8_t>(channel);
    };
    if (!matches(AckMsgQueue.entry[AckMsgQueue.read]))
        return AIS_ACK_REFUSED;
    *out = AIS_MESSAGE_07{};
    out->msgId = static_cast<uint8_t>(ackMsgId);
    out->repeat = 0;
    out->mmsi = ownMmsi();
    out->spare = 0;
    int count = 0;
    while (count < AIS_ACK_MAX_DESTINATIONS && !queueEmpty() && matches(AckMsgQueue.entry[AckMsgQueue.read])) {
        const AIS_ACK_ENTRY& e = AckMsgQueue.entry[AckMsgQueue.read];
        out->dest[count] = AIS_ACK_DEST{e.mmsi, e.sequence};
        ++count;
        AckMsgQueue.read = next(AckMsgQueue.read);
    }
    out->destCount = static_cast<uint8_t>(count);
    return AIS_ACK_DONE;
}

int AisMsg_Ack_CheckData()
{
    keepIndexesInRing();
    return (AckMsgQueue.write - AckMsgQueue.read + AIS_ACK_QUEUE_SIZE) % AIS_ACK_QUEUE_SIZE;
}

int AisMsg_Ack_CheckProc(char* ackMsgId, char* channel)
{
    keepIndexesInRing();
    if (queueEmpty())
        return 0;
    const AIS_ACK_ENTRY& e = AckMsgQueue.entry[AckMsgQueue.read];
    if (ackMsgId != nullptr)
        *ackMsgId = static_cast<char>(e.ackMsgId);
    if (channel != nullptr)
        *channel = static_cast<char>(e.channel);
    return 1;
}

void AisMsg_Ack_Init()
{
    std::memset(&AckMsgQueue, 0, sizeof(AckMsgQueue));
}

void Swap_byte(char* a, char* b)
{
    if (a == nullptr || b == nullptr)
        return;
    const char t = *a;
    *a = *b;
    *b = t;
}
