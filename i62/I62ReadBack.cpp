#include "i62/I62ReadBack.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Group.h"
#include "i62/I62Sentence.h"
#include "i62/I62Table.h"

#include <cstring>

namespace {

using Rec = I61162_Data_Structure&;

// One formatter of a reader and how its fields come out of the group's store.
template <typename Store> struct SReadEntry
{
    const char* formatter;
    void (*read)(Rec, const Store&);
};

template <typename Store, std::size_t N>
void readBy(const SReadEntry<Store> (&table)[N], I61162_Data_Structure* record, const Store& store)
{
    if (record == nullptr)
        return;
    if (const SReadEntry<Store>* entry = I62_FindFormatter(table, record->formatter))
        entry->read(*record, store);
}

// GPS: the values the port record keeps; what it does not keep reads as empty.
const SReadEntry<GPS_Data> kGpsReaders[] = {
    {"GGA",
     [](Rec r, const GPS_Data& p) {
         r.fields.gga = I62_GGA{p.time,        p.position,       p.quality,   p.satsInUse, p.hdop,
                                I62_F32_EMPTY, I62_U8_EMPTY,     p.geoidSep,  'M',         I62_F32_EMPTY,
                                I62_U16_EMPTY};
     }},
    {"GLL", [](Rec r, const GPS_Data& p) { r.fields.gll = I62_GLL{p.position, p.time, p.status, p.mode}; }},
    {"GBS",
     [](Rec r, const GPS_Data& p) {
         r.fields.gbs = I62_GBS{p.time,         p.gbsErrLatitude, p.gbsErrLongitude, p.gbsErrAltitude,
                                p.gbsFailedSat, p.gbsProbability, p.gbsBias,         p.gbsBiasDeviation};
     }},
    {"GSA",
     [](Rec r, const GPS_Data& p) {
         I62_GSA& gsa = r.fields.gsa;
         gsa.selectionMode = p.selectionMode;
         gsa.fixMode = p.fixMode;
         std::memcpy(gsa.satIds, p.satIds, sizeof(gsa.satIds));
         gsa.pdop = p.pdop;
         gsa.hdop = p.hdop;
         gsa.vdop = p.vdop;
     }},
    {"GSV",
     [](Rec r, const GPS_Data& p) {
         I62_GSV& gsv = r.fields.gsv;
         gsv.messages = p.gsvMessages;
         gsv.number = p.gsvNumber;
         gsv.inView = p.gsvInView;
         gsv.satCount = p.gsvSatCount;
         for (int i = 0; i < GSV_SATS_PER_MSG; ++i)
             gsv.sats[i] = I62_GSV_SAT{p.gsvIds[i], p.gsvElevations[i], p.gsvAzimuths[i], p.gsvSnrs[i]};
     }},
    {"RMC",
     [](Rec r, const GPS_Data& p) {
         r.fields.rmc = I62_RMC{p.time,   p.status,       p.position,    p.speedKnots, p.courseTrue, p.date,
                                I62_F32_EMPTY, I62_U8_EMPTY, p.mode,     p.navStatus};
     }},
    {"VTG",
     [](Rec r, const GPS_Data& p) {
         r.fields.vtg = I62_VTG{p.courseTrue, 'T', p.courseMagnetic, 'M', p.speedKnots, 'N', p.speedKmh, 'K', p.mode};
     }},
    {"ZDA",
     [](Rec r, const GPS_Data& p) {
         r.fields.zda = I62_ZDA{p.time, p.date.day, p.date.month, static_cast<int16_t>(p.date.year), I62_U8_EMPTY,
                                I62_U8_EMPTY};
     }},
};

const SReadEntry<GNSS_Data> kSensorReaders[] = {
    {"GNS",
     [](Rec r, const GNSS_Data& s) {
         I62_GNS& gns = r.fields.gns;
         gns = I62_GNS{};
         gns.time = I62_UTC_TIME{s.hour, s.minute, s.second, 0};
         gns.position = I62_DEGREE{s.latitude, s.longitude};
         gns.mode[0] = s.gnsChars[0];
         gns.mode[1] = s.gnsChars[1];
         gns.satsInUse[1] = s.gnsChars[2];
         gns.hdop = s.gnsValues[0];
         gns.altitude = s.gnsValues[1];
         gns.geoidSep = s.gnsValues[2];
         gns.diffAge = s.gnsValues[3];
         gns.diffStation = s.gnsValues[4];
         gns.navStatus = I62_U8_EMPTY;
     }},
    {"HDT", [](Rec r, const GNSS_Data& s) { r.fields.hdt = I62_HDT{s.trueHeading, 'T'}; }},
    {"HDM", [](Rec r, const GNSS_Data& s) { r.fields.hdt = I62_HDT{s.magneticHeading, 'M'}; }},
    // ROT keeps its status in the field it shares with VBW.
    {"ROT", [](Rec r, const GNSS_Data& s) { r.fields.rot = I62_ROT{s.rateOfTurn, s.waterStatus}; }},
    {"VBW",
     [](Rec r, const GNSS_Data& s) {
         r.fields.vbw = I62_VBW{s.waterLongitudinal,  s.waterTransverse,  s.waterStatus,
                                s.groundLongitudinal, s.groundTransverse, s.groundStatus};
     }},
};

const SReadEntry<LRng_Data> kLRngReaders[] = {
    {"LRI", [](Rec r, const LRng_Data& s) { r.fields.lri = s.lri; }},
    {"LRF", [](Rec r, const LRng_Data& s) { r.fields.lrf = s.lrf; }},
    {"LR1", [](Rec r, const LRng_Data& s) { r.fields.lr1 = s.lr1; }},
    {"LR2", [](Rec r, const LRng_Data& s) { r.fields.lr2 = s.lr2; }},
    {"LR3", [](Rec r, const LRng_Data& s) { r.fields.lr3 = s.lr3; }},
};

const SReadEntry<AIS_Data> kAisReaders[] = {
    {"ACA", [](Rec r, const AIS_Data& s) { r.fields.aca = s.aca; }},
    {"ACK", [](Rec r, const AIS_Data& s) { r.fields.ack = s.ack; }},
    {"ACS", [](Rec r, const AIS_Data& s) { r.fields.acs = s.acs; }},
    {"ALR", [](Rec r, const AIS_Data& s) { r.fields.alr = s.alr; }},
    {"BBM", [](Rec r, const AIS_Data& s) { r.fields.encap = s.bbm; }},
    {"SSD", [](Rec r, const AIS_Data& s) { r.fields.ssd = s.ssd; }},
    {"VSD", [](Rec r, const AIS_Data& s) { r.fields.vsd = s.vsd; }},
};

const SReadEntry<DSC_Data> kDscReaders[] = {
    {"DSI", [](Rec r, const DSC_Data& s) { r.fields.dsi = s.dsi; }},
};

const SReadEntry<PRI_DATA> kPriReaders[] = {
    {"MID",
     [](Rec r, const PRI_DATA& s) {
         r.fields.pmid = s.mid;
         r.subType = static_cast<char>(s.midSubType);
     }},
    {"BDY", [](Rec r, const PRI_DATA& s) { r.fields.pbdy = s.bdy; }},
    {"TST", [](Rec r, const PRI_DATA& s) { r.fields.ptst = s.tst; }},
    {"FRQ", [](Rec r, const PRI_DATA& s) { r.fields.pfrq = s.frq; }},
    {"BTH", [](Rec r, const PRI_DATA& s) { r.fields.pbth = s.bth; }},
    {"DBG",
     [](Rec r, const PRI_DATA& s) {
         r.fields.pdbg = s.dbg;
         r.subType = static_cast<char>(s.dbgSubType);
     }},
    {"TPS", [](Rec r, const PRI_DATA& s) { r.fields.ptps = s.tps; }},
    {"MOB", [](Rec r, const PRI_DATA& s) { r.fields.pmob = s.mob; }},
    {"MRK", [](Rec r, const PRI_DATA& s) { r.fields.pmrk = s.mrk; }},
};

const SReadEntry<AtoN_sentence_data> kAtonReaders[] = {
    {"AAR", [](Rec r, const AtoN_sentence_data& s) { r.fields.aar = s.aar; }},
    {"ACE", [](Rec r, const AtoN_sentence_data& s) { r.fields.ace = s.ace; }},
    {"ACF", [](Rec r, const AtoN_sentence_data& s) { r.fields.acf = s.acf; }},
    {"AFB", [](Rec r, const AtoN_sentence_data& s) { r.fields.afb = s.afb; }},
    {"AFC", [](Rec r, const AtoN_sentence_data& s) { r.fields.afc = s.afc; }},
    {"AID", [](Rec r, const AtoN_sentence_data& s) { r.fields.aid = s.aid; }},
    {"AKE", [](Rec r, const AtoN_sentence_data& s) { r.fields.ake = s.ake; }},
    {"ARW", [](Rec r, const AtoN_sentence_data& s) { r.fields.arw = s.arw; }},
    {"MCR", [](Rec r, const AtoN_sentence_data& s) { r.fields.mcr = s.mcr; }},
    {"MPR", [](Rec r, const AtoN_sentence_data& s) { r.fields.mpr = s.mpr; }},
    {"TSP", [](Rec r, const AtoN_sentence_data& s) { r.fields.tsp = s.tsp; }},
    {"VER", [](Rec r, const AtoN_sentence_data& s) { r.fields.ver = s.ver; }},
};

} // namespace

void I62_ReadGPSData(I61162_Data_Structure* record, GPS_Data port)
{
    readBy(kGpsReaders, record, port);
}

void I62_ReadSensorData(I61162_Data_Structure* record, GNSS_Data store)
{
    readBy(kSensorReaders, record, store);
}

void I62_ReadLRngData(I61162_Data_Structure* record, LRng_Data store)
{
    readBy(kLRngReaders, record, store);
}

void I62_ReadAISData(I61162_Data_Structure* record, AIS_Data store)
{
    readBy(kAisReaders, record, store);
}

void I62_ReadDSCData(I61162_Data_Structure* record, DSC_Data store)
{
    readBy(kDscReaders, record, store);
}

void I62_ReadPriData(I61162_Data_Structure* record, PRI_DATA store)
{
    readBy(kPriReaders, record, store);
}

void I20_ReadAtoNData(I61162_Data_Structure* record, AtoN_sentence_data store)
{
    readBy(kAtonReaders, record, store);
}

void I62_ReadData(I61162_Data_Structure* record)
{
    if (record == nullptr)
        return;
    int group = I62_GROUP_NONE;
    I62_GetGroupType(&group, nullptr, record->formatter);
    switch (group) {
    case I62_GROUP_GPS:
        if (CurGpsPort < GPS_PORT_COUNT)
            I62_ReadGPSData(record, GpsData[CurGpsPort]);
        break;
    case I62_GROUP_SENSOR:
        I62_ReadSensorData(record, EXTGnssData);
        break;
    case I62_GROUP_LONG_RANGE:
        I62_ReadLRngData(record, EXTLRngData);
        break;
    case I62_GROUP_AIS:
        I62_ReadAISData(record, EXTAISData);
        break;
    case I62_GROUP_DSC:
        I62_ReadDSCData(record, EXTDSCData);
        break;
    case I62_GROUP_PROPRIETARY:
        I62_ReadPriData(record, EXTPriData);
        break;
    case I62_GROUP_ATON:
        I20_ReadAtoNData(record, EXTAtoNData);
        break;
    default:
        break; // the radar group and the others have no reader
    }
}
