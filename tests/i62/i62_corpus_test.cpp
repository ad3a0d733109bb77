// A corpus of received sentences of the real shapes, generated here: every GNSS formatter from
// the talkers GP, GN and GL, VDM and VDO sentences of AIS messages 1 to 27 made with the
// library's own packer and armouring, and the sensor, radar, AIS, proprietary, AtoN, long-range
// and DSC sentences; each sentence with its checked outcome.
#include "i62/I62Parser.h"

#include "i62/AisCodec.h"
#include "i62/AisSentenceStore.h"
#include "i62/GpsStore.h"
#include "i62/I62Group.h"
#include "i62/LongRangeSentence.h"
#include "i62/ProprietaryStore.h"
#include "i62/AtonStore.h"
#include "i62/SensorStore.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace TestSupport;

namespace {

struct SCorpusCase
{
    std::string text;
    signed char result;
    std::function<void(const I61162_Data_Structure&)> check;
};

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...)
{
    char text[256];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof(text), fmt, args);
    va_end(args);
    return text;
}

// ddmm.mmmm,N / dddmm.mmmm,E of a position in degrees.
std::string positionText(double latitude, double longitude)
{
    auto part = [](double degrees, int width, char positive, char negative) {
        const double a = std::fabs(degrees);
        const int whole = static_cast<int>(a);
        return format("%0*d%07.4f,%c", width, whole, (a - whole) * 60.0, degrees < 0 ? negative : positive);
    };
    return part(latitude, 2, 'N', 'S') + "," + part(longitude, 3, 'E', 'W');
}

uint32_t systemOf(const std::string& talker)
{
    return talker == "GP" ? 1u : talker == "GL" ? 2u : 3u;
}

class CorpusBuilder
{
public:
    std::vector<SCorpusCase> cases;

    void gnss(const std::string& talker, int k)
    {
        const double lat = std::uniform_real_distribution<double>(-89.0, 89.0)(m_rng);
        const double lon = std::uniform_real_distribution<double>(-179.0, 179.0)(m_rng);
        const int h = k % 24, mi = (k * 7) % 60, s = (k * 13) % 60;
        const std::string time = format("%02d%02d%02d.%02d", h, mi, s, k % 100);
        const std::string pos = positionText(lat, lon);
        const uint32_t system = systemOf(talker);
        auto gpsPort = [system](const char* formatter, std::function<void(const GPS_Data&)> more) {
            return [system, formatter, more](const I61162_Data_Structure& r) {
                EXPECT_EQ(r.group, I62_GROUP_GPS);
                EXPECT_EQ(GpsData[0].system, system);
                EXPECT_EQ(std::string(GpsData[0].lastFormatter, 3), formatter);
                more(GpsData[0]);
            };
        };
        auto near = [lat, lon](const GPS_Data& p) {
            EXPECT_NEAR(p.position.latitude, lat, 1e-5);
            EXPECT_NEAR(p.position.longitude, lon, 1e-5);
        };

        const int quality = k % 4;
        add("$" + talker + "GGA," + time + "," + pos +
                format(",%d,%02d,%.1f,12.5,M,46.9,M,,", quality, k % 13, k % 20 * 0.5),
            0, gpsPort("GGA", [=](const GPS_Data& p) {
                near(p);
                EXPECT_EQ(p.positionValid, quality >= 1 ? 1 : 0);
                EXPECT_EQ(p.satsInUse, k % 13);
            }));
        const char status = k % 3 == 0 ? 'V' : 'A';
        add("$" + talker + "GLL," + pos + "," + time + "," + status + (k % 2 ? ",A" : ""), 0,
            gpsPort("GLL", [=](const GPS_Data& p) {
                near(p);
                EXPECT_EQ(p.positionValid, status == 'A' ? 1 : 0);
                EXPECT_EQ(p.mode, k % 2 ? 'A' : 128);
            }));
        add("$" + talker + "GBS," + time +
                format(",%.1f,%.1f,%.1f,%02d,0.000,-0.354,6.972", k * 0.5, k * 0.25, k * 0.75, k % 33),
            0, gpsPort("GBS", [=](const GPS_Data& p) {
                EXPECT_FLOAT_EQ(p.gbsErrLatitude, static_cast<float>(k * 0.5));
                EXPECT_EQ(p.gbsErrorsValid, 1);
            }));
        std::string ids;
        const int used = k % 13;
        for (int i = 0; i < 12; ++i)
            ids += i < used ? format(",%02d", i + 1 + k % 20) : ",";
        add("$" + talker + "GSA,A," + std::to_string(1 + k % 3) + ids + ",1.8,1.0,1.5", 0,
            gpsPort("GSA", [=](const GPS_Data& p) {
                EXPECT_EQ(p.satsInUse, used);
                EXPECT_EQ(p.fixMode, 1 + k % 3);
            }));
        const int sats = 1 + k % 4;
        std::string satText;
        for (int i = 0; i < sats; ++i)
            satText += format(",%02d,%02d,%03d,%02d", i + 1, (k + i) % 91, (k * 31 + i) % 360, (k + i) % 100);
        add("$" + talker + "GSV,3,2,12" + satText, 0, gpsPort("GSV", [=](const GPS_Data& p) {
                EXPECT_EQ(p.gsvSatCount, sats);
                EXPECT_EQ(p.gsvElevations[sats - 1], (k + sats - 1) % 91);
                EXPECT_EQ(p.gsvIds[3], sats == 4 ? 4 : 128);
            }));
        const char* tails[] = {"", ",A", ",A,S"};
        const std::string date = format("%02d%02d%02d", 1 + k % 28, 1 + k % 12, k % 100);
        add("$" + talker + "RMC," + time + ",A," + pos + format(",%.1f,%.1f,", k * 0.3, k * 3.0) + date + ",3.1,W" +
                tails[k % 3],
            0, gpsPort("RMC", [=](const GPS_Data& p) {
                near(p);
                EXPECT_EQ(p.positionValid, 1);
                EXPECT_EQ(p.navStatus, k % 3 == 2 ? 'S' : 128);
                EXPECT_EQ(p.date.year, 2000 + k % 100);
            }));
        add("$" + talker + "VTG," + format("%.1f,T,%.1f,M,%.1f,N,%.1f,K", k * 3.0, k * 2.0, k * 0.3, k * 0.55) +
                (k % 2 ? ",A" : ""),
            0, gpsPort("VTG", [=](const GPS_Data& p) {
                EXPECT_FLOAT_EQ(p.courseMagnetic, static_cast<float>(k * 2.0));
                EXPECT_EQ(p.courseSpeedValid, 1);
            }));
        add("$" + talker + "ZDA," + time +
                format(",%02d,%02d,%04d,%d,00", 1 + k % 28, 1 + k % 12, 2000 + k, k % 27 - 13),
            0, gpsPort("ZDA", [=](const GPS_Data& p) {
                EXPECT_EQ(p.date.year, 2000 + k);
                EXPECT_EQ(p.timeValid, 1);
            }));
        add("$" + talker + "DTM,W84,," + format("%.4f,N,%.4f,E,%.1f,W84", k * 0.01, k * 0.02, k * 0.5), 0,
            gpsPort("DTM", [=](const GPS_Data& p) {
                EXPECT_NEAR(p.dtmLonOffset, k * 0.02, 1e-9);
                EXPECT_EQ(p.dtmValid, 1);
            }));
        add("$" + talker + "GNS," + time + "," + pos + ",AN,08,0.9,545.4,46.9,," + (k % 2 ? ",S" : ""), 0,
            [=](const I61162_Data_Structure& r) {
                EXPECT_EQ(r.group, I62_GROUP_SENSOR);
                EXPECT_EQ(EXTGnssData.system, system);
                EXPECT_NEAR(EXTGnssData.latitude, lat, 1e-4);
                EXPECT_EQ(EXTGnssData.gnsChars[1], 'N');
            });
        add("$" + talker + "GRS," + time + ",1,-0.8,-0.2,-0.1,-0.2,0.8,0.6,,,,,,", 0, noGroup());
        add("$" + talker + "GST," + time + ",0.006,0.023,0.020,273.6,0.023,0.020,0.031", 0, noGroup());

        // Broken shapes beside the good ones.
        std::string damaged = withChecksum("$" + talker + "GGA," + time + "," + pos + ",1,08,0.9,545.4,M,46.9,M,,");
        damaged[8] = damaged[8] == '1' ? '2' : '1';
        cases.push_back({damaged, I62_RESULT_CHECKSUM, nullptr});
        std::string lfOnly = withChecksum("$" + talker + "RMC," + time + ",A," + pos + ",0.0,0.0," + date + ",,");
        lfOnly.erase(lfOnly.size() - 2, 1);
        cases.push_back({lfOnly, I62_RESULT_NO_CR, nullptr});
        add("$" + talker + "GSV,3,2,12" + satText + ",99", I62_RESULT_REFUSED, nullptr);
        add("$" + talker + "ZDA," + time + format(",%02d,13,2024,00,00", 1 + k % 28), I62_RESULT_REFUSED, nullptr);
    }

    void ais(int msgId, int k)
    {
        UN_AIS_MESSAGE m{};
        m.head.msgId = static_cast<uint8_t>(msgId);
        const uint32_t mmsi = 200000000u + static_cast<uint32_t>(msgId * 1000 + k);
        m.head.mmsi = mmsi;
        fill(m, msgId, k);
        const bool own = k % 2 == 1;
        const char channel = "AB\0"[k % 3];
        const int seqId = k % 10;
        int expectedId = msgId == 24 && k % 2 ? AIS_MSG_ID_24B : msgId;
        std::vector<std::string> sentences;
        if (msgId == 27) {
            AIS_raw_message raw{};
            AisMsgCodec_FieldPut(raw.payload, 0, 6, 27);
            AisMsgCodec_FieldPut(raw.payload, 8, 30, mmsi);
            raw.bits = 96;
            sentences = armourRaw(raw, own ? "VDO" : "VDM", channel);
        } else {
            sentences = armour(m, own ? "VDO" : "VDM", channel, seqId);
        }
        ASSERT_FALSE(sentences.empty()) << "message " << msgId << " k " << k;
        for (std::size_t i = 0; i + 1 < sentences.size(); ++i)
            cases.push_back({sentences[i], I62_RESULT_FRAGMENT, nullptr});
        if (msgId == 27) {
            cases.push_back({sentences.back(), I62_RESULT_UNDECODABLE, nullptr});
            return;
        }
        const int kind = kindOf(msgId);
        cases.push_back({sentences.back(), I62_RESULT_TAKEN, [=](const I61162_Data_Structure& r) {
                             EXPECT_EQ(r.group, I62_GROUP_AIS);
                             ASSERT_EQ(RxAisShipId, own ? 0 : 1);
                             const GENERIC_SHIP_DATA& station = ShipData[RxAisShipId];
                             EXPECT_EQ(station.mmsi, mmsi);
                             EXPECT_EQ(RxAisMsgId, expectedId);
                             EXPECT_EQ(station.lastMsgId, msgId);
                             EXPECT_EQ(static_cast<int>(station.stationClass), kind);
                             EXPECT_EQ(own ? station.vdoCount : station.vdmCount, channel != 0 ? 1u : 0u);
                         }});
    }

    // The other families: each shape with values that vary by k, a junk and a truncated form.
    void families(int k)
    {
        const uint32_t mmsi = 211000000u + static_cast<uint32_t>(k);
        const std::string m = std::to_string(mmsi);
        auto inGroup = [](int group) {
            return [group](const I61162_Data_Structure& r) { EXPECT_EQ(r.group, group); };
        };
        add(format("$HEHDT,%d.%d,T", k * 37 % 360, k % 10), 0, inGroup(I62_GROUP_SENSOR));
        add(format("$HEHDM,%d.5,M", k * 41 % 360), 0, inGroup(I62_GROUP_SENSOR));
        add(format("$HEROT,%d.0,A", k - 3), 0, inGroup(I62_GROUP_SENSOR));
        add(format("$VDVBW,%d.1,0.2,A,%d.3,0.4,A", k, k), 0, inGroup(I62_GROUP_SENSOR));
        add(format("$RAOSD,%d.1,A,36.0,P,10.2,P,15.3,0.1,N", k * 7 % 360), 0, inGroup(I62_GROUP_RADAR));
        add("$RARSD,0.0,0.0,2.0,270.0,,,,,1.2,45.0,6.0,N,H", 0, inGroup(I62_GROUP_RADAR));
        add(format("$RATTM,%02d,3.5,124.3,T,12.1,270.0,T,0.4,7.5,N,TARGET %d,T,,153012.50,A", k, k), 0,
            inGroup(I62_GROUP_RADAR));
        add("$AIABK," + m + ",B,6,2,0", 0, inGroup(I62_GROUP_AIS));
        add("$AIACA,1,5000.0,N,00200.0,W,4900.0,N,00300.0,W,4,2087,0,2088,0,0,0,C,1,120000", 0,
            inGroup(I62_GROUP_AIS));
        add(format("$AIACK,%03d", k), 0, inGroup(I62_GROUP_AIS));
        add("$AIACS,3," + m + ",142030.00,04,07,2021", 0, inGroup(I62_GROUP_AIS));
        add(format("$AIALR,142030.00,%03d,A,V,ALARM %d", k, k), 0, inGroup(I62_GROUP_AIS));
        add(format("$AISSD,PD%04d,SHIP %d,10,20,5,6,0,AI", k, k), 0, inGroup(I62_GROUP_AIS));
        add(format("$AIVSD,70,7.5,%d,PORT %d,153000,15,05,0,0", k, k), 0, inGroup(I62_GROUP_AIS));
        add(format("$AITXT,01,01,%02d,TEXT %d", 1 + k % 99, k), 0, inGroup(I62_GROUP_AIS));
        add("!AIABM,1,1,0," + m + ",1,12,04a9M>1@PU>0U>06<0,4", 0, inGroup(I62_GROUP_AIS));
        add("!AIBBM,1,1,,2,8,04a9M>1@PU>0U>06<0,4", 0, inGroup(I62_GROUP_AIS));

        const char* subTypes = "CQR";
        const char sub = subTypes[k % 3];
        add(format("$PQXV,%c,MID,%s,", sub, m.c_str()), 0, [=](const I61162_Data_Structure& r) {
            EXPECT_EQ(r.group, I62_GROUP_PROPRIETARY);
            EXPECT_EQ(EXTPriData.mid.mmsi1, static_cast<long>(mmsi));
            EXPECT_EQ(EXTPriData.midSubType, sub);
        });
        add("$PBDY," + m + format(",BUOY %d,NAME,1,%d", k, k % 3), 0, inGroup(I62_GROUP_PROPRIETARY));
        add(format("$PTST,%05d,%02d,A,B,%05d", k * 11, k % 100, k), 0, inGroup(I62_GROUP_PROPRIETARY));
        add(format("$PFRQ,161975000,%d,162025000,%d", k % 11, (k + 1) % 11), 0, inGroup(I62_GROUP_PROPRIETARY));
        add(format("$PBTH,%03d,002,003,004,005,006,BT %d", k, k), 0, inGroup(I62_GROUP_PROPRIETARY));
        add(format("$PDBG,163,%d,,,,,,", k % 2), 0, [=](const I61162_Data_Structure& r) {
            EXPECT_EQ(r.group, I62_GROUP_PROPRIETARY);
            EXPECT_EQ(EXTPriData.dbg.value[0], k % 2);
            EXPECT_EQ(EXTPriData.dbgFlag[0], 1);
            EXPECT_EQ(EXTPriData.dbgFlag[1], 0);
        });
        add(format("$PTPS,%03d,TPS %d", k, k), 0, inGroup(I62_GROUP_PROPRIETARY));
        add(format("$PMOB,%06X,%d,0F,10,0102", k * 4097, k), 0, inGroup(I62_GROUP_PROPRIETARY));
        add(format("$PQXV,%c,MRK,%d,250,-3,100,-200,MARK %d,7,", sub, k % 10, k), 0,
            inGroup(I62_GROUP_PROPRIETARY));
        add(format("$PGBP,%d,120000.00,5030.0000,N,00200.0000,W,1.5,2.5,010224", k), 0,
            inGroup(I62_GROUP_PROPRIETARY));
        add(format("$PQXV,Q,AIQ,Smg,%d", k), 0, noGroup());
        add(format("$PQXV,R,Smg,STATUS %d,%d", k, k), 0, noGroup());

        add("$AIAAR," + m + ",21,01,02,00,0100,1200,03,01,02,0010,60,R", 0, inGroup(I62_GROUP_ATON));
        add("$AIACE," + m + format(",0A,2087,01,00,02,LIGHT %d,0100500505,%c", k, "RC"[k % 2]), 0,
            [=](const I61162_Data_Structure& r) {
                EXPECT_EQ(r.group, I62_GROUP_ATON);
                EXPECT_EQ(EXTAtoNData.ace.mmsi, static_cast<long>(mmsi));
                EXPECT_EQ(EXTAtoNData.ace.dimension.a, 10);
            });
        add("$AIACF," + m + ",01,5030.50000,N,00200.25000,W,01,02,00,01,10,00,01,00,C", 0, inGroup(I62_GROUP_ATON));
        add("$AIAFB," + m + ",21,01,02,03,04,05,C", 0, inGroup(I62_GROUP_ATON));
        add("$AIAFC," + m + format(",FUNCTION %d", k), 0, inGroup(I62_GROUP_ATON));
        add("$AIAID," + m + ",01,992351001,A,R", 0, inGroup(I62_GROUP_ATON));
        add("$AIAKE," + m + format(",KEY%d,0123456789ABCDEF,R", k), 0, inGroup(I62_GROUP_ATON));
        add("$AIARW," + m + ",21,01,10,05,03,R", 0, inGroup(I62_GROUP_ATON));
        add("$AIMCR," + m + format(",COMMAND %d,R", k), 0, inGroup(I62_GROUP_ATON));
        add("$AIMPR," + m + format(",12,%d,25,100,-80,NORMAL,R", k), 0, inGroup(I62_GROUP_ATON));
        add("$AITSP," + m + ",21,01,120000.00,03,01,02,04,00,01,00,02,R", 0, inGroup(I62_GROUP_ATON));
        add(format("$AIVER,1,1,01,KELVORA,%04d,SN%d,T362,1.2.3,A1,7", k, k), 0, inGroup(I62_GROUP_ATON));

        add("$AILRI,1,V," + m + ",211000001,5005.000000,N,200.000000,W,4900.000000,N,300.000000,W", 0,
            inGroup(I62_GROUP_LONG_RANGE));
        add("$AILRF,1," + m + ",KELVORA,ABC,2", 0, inGroup(I62_GROUP_LONG_RANGE));
        add("$AILR1,1," + m + ",211000000,KELVORA,PD1234,9123456", 0, inGroup(I62_GROUP_LONG_RANGE));
        add("$AILR2,1," + m + ",01022024,120000.00,5005.000000,N,200.000000,W,123.4,T,12.3,N", 0,
            inGroup(I62_GROUP_LONG_RANGE));
        add("$AILR3,1," + m + ",ROTTERDAM,01022024,120000.00,7.5,1,120,20,70,12", 0,
            [=](const I61162_Data_Structure& r) {
                EXPECT_EQ(r.group, I62_GROUP_LONG_RANGE);
                EXPECT_EQ(EXTLRngData.lr3.responderMmsi, static_cast<long>(mmsi));
            });
        add(format("$CDDSC,20,%010u,00,21,26,1423108312,2021,,,S,E", 3380400790u + k), 0, inGroup(I62_GROUP_DSC));
        add(format("$CDDSE,1,1,A,%010u,00,45894494", 3380400790u + k), 0, inGroup(I62_GROUP_DSC));
        add(format("$CDDSI,1,1,%010u,01,02,TEXT,03,MORE,A", 3380400790u + k), 0, inGroup(I62_GROUP_DSC));
        add(format("$CDDSR,1,1,R,%010u,00,45894494", 3380400790u + k), 0, inGroup(I62_GROUP_DSC));

        // Junk and truncated shapes beside the good ones.
        add("$PQXV,C,MID," + m, 8, nullptr);
        add("$PMOB,G1B2C3,5,0F,10,01", 8, nullptr);
        add("$AIAAR," + m + ",21,01,02,00,0100,1200,03,01,02,0010,60,Q", 8, nullptr);
        add("$AIACE," + m + ",0A,2087,01,00,02,LIGHT,01005005,R", 8, nullptr);
        add("$AIAKE," + m + ",KEY," + std::string(34, 'K') + ",R", 8, nullptr);
        add("$AILRI,1,V," + m + ",211000001,5005.000000,N,200.000000,W,4900.000000,N,300.000000", 8, nullptr);
        add("$CDDSI,1,1,3380400790,01,02,TEXT,03,MORE", 8, nullptr);
        add("$PQXV,R,CFG,108,1", 8, nullptr);
    }

private:
    std::mt19937 m_rng{20241119};

    void add(const std::string& body, signed char result, std::function<void(const I61162_Data_Structure&)> check)
    {
        cases.push_back({withChecksum(body), result, std::move(check)});
    }

    static std::function<void(const I61162_Data_Structure&)> noGroup()
    {
        return [](const I61162_Data_Structure& r) { EXPECT_EQ(r.group, 255); };
    }

    // Station kind the store gives a fresh record: 6 where the message leaves it unchanged.
    static int kindOf(int msgId)
    {
        static const int kinds[27] = {6, 3, 3, 3, 0, 3, 6, 6, 6, 1, 6, 6, 6, 6, 6, 6, 0, 0, 4, 4, 0, 2, 0, 0, 4, 6, 6};
        return kinds[msgId];
    }

    void fill(UN_AIS_MESSAGE& m, int msgId, int k)
    {
        const float lon = std::uniform_real_distribution<float>(-179.0f, 179.0f)(m_rng);
        const float lat = std::uniform_real_distribution<float>(-89.0f, 89.0f)(m_rng);
        switch (msgId) {
        case 1:
        case 2:
        case 3:
            m.msg1.longitude = lon;
            m.msg1.latitude = lat;
            m.msg1.trueHeading = static_cast<uint16_t>(k * 7 % 360);
            m.msg1.navStatus = static_cast<uint8_t>(k % 9);
            break;
        case 5:
            std::snprintf(m.msg5.name, sizeof(m.msg5.name), "CORPUS %d", k);
            std::snprintf(m.msg5.destination, sizeof(m.msg5.destination), "PORT %d", k);
            break;
        case 6:
            m.msg6.dataBytes = static_cast<uint8_t>(k * 9 % 110);
            break;
        case 7:
        case 13:
            m.msg7.destCount = static_cast<uint8_t>(1 + k % 4);
            break;
        case 8:
            m.msg8.dataBytes = static_cast<uint8_t>(k * 11 % 120);
            break;
        case 12:
            std::snprintf(m.msg12.text, sizeof(m.msg12.text), "SAFETY TEXT %d", k);
            break;
        case 14:
            std::snprintf(m.msg14.text, sizeof(m.msg14.text), "BROADCAST %d", k);
            break;
        case 18:
            m.msg18.longitude = lon;
            m.msg18.latitude = lat;
            break;
        case 21:
            std::snprintf(m.msg21.name, sizeof(m.msg21.name), "BUOY %d", k);
            break;
        case 24:
            m.msg24A.partNumber = static_cast<uint8_t>(k % 2);
            break;
        case 25:
        case 26:
            m.msg25A.addressed = static_cast<uint8_t>(k % 2);
            m.msg25A.binaryFlag = static_cast<uint8_t>(k / 2 % 2);
            m.msg25A.dataBits = static_cast<uint16_t>(8 * (k % 8));
            if (msgId == 26)
                m.msg26A.dataBits = static_cast<uint16_t>(8 * (k * 5 % 100));
            break;
        default:
            break;
        }
    }
};

} // namespace

TEST(I62Corpus, EverySentenceHasItsOutcome)
{
    initLibrary(); // the packer needs the message layouts
    CorpusBuilder corpus;
    for (const char* talker : {"GP", "GN", "GL"}) {
        for (int k = 0; k < 5; ++k)
            corpus.gnss(talker, k);
    }
    for (int msgId = 1; msgId <= 27; ++msgId) {
        for (int k = 0; k < 6; ++k)
            corpus.ais(msgId, k);
    }
    for (int k = 0; k < 4; ++k)
        corpus.families(k);
    ASSERT_GE(corpus.cases.size(), 500u);
    int taken = 0;
    std::set<std::string> formattersTaken;
    for (const SCorpusCase& c : corpus.cases) {
        // The sentence handler empties the station table before each sentence.
        NoStation = 1;
        ShipData[0] = ShipData[2];
        ShipData[1] = ShipData[3];
        I61162_Data_Structure record{};
        ASSERT_EQ(parse(c.text, &record), c.result) << c.text;
        if (c.check)
            c.check(record);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "after " << c.text;
            return;
        }
        taken += c.result == I62_RESULT_TAKEN ? 1 : 0;
        if (c.result == I62_RESULT_TAKEN)
            formattersTaken.insert(record.formatter);
    }
    EXPECT_GT(taken, 450);

    // Every formatter that has a group is taken by some sentence of the corpus.
    const char* const grouped[] = {
        "GGA", "GLL", "GBS", "GSA", "GSV", "RMC", "VTG", "ZDA", "DTM", "ROT", "HDT", "VBW", "GNS", "HDM", "LRI",
        "LRF", "LR1", "LR2", "LR3", "ABK", "ACA", "ACK", "ACS", "ALR", "SSD", "VSD", "ABM", "BBM", "VDM", "VDO",
        "TXT", "DSC", "DSE", "DSI", "DSR", "MID", "BDY", "TST", "FRQ", "BTH", "DBG", "TPS", "MOB", "MRK", "GBP",
        "AAR", "ACE", "ACF", "AFB", "AFC", "AID", "AKE", "ARW", "MCR", "MPR", "TSP", "VER", "OSD", "RSD", "TTM",
    };
    for (const char* formatter : grouped)
        EXPECT_EQ(formattersTaken.count(formatter), 1u) << formatter;
}
