#include "i62/AisSentence.h"

#include "i62/I62Sentence.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace TestSupport;

namespace {

struct SResultCase
{
    const char* body;
    signed char result;
};

signed char read(const std::string& body, I61162_Data_Structure* record)
{
    *record = I61162_Data_Structure{};
    return parseBody(body, record);
}

// Composes the record, then parses the composed text back into a fresh record.
std::string composeAndRead(bool (*compose)(char*, const I61162_Data_Structure*, std::size_t),
                           const I61162_Data_Structure& in, I61162_Data_Structure* out)
{
    char text[I62_COMPOSE_BUF_SIZE] = {};
    EXPECT_TRUE(compose(text, &in, sizeof(text)));
    EXPECT_EQ(read(text, out), 0) << text;
    return text;
}

} // namespace

TEST(AisSentence, EncapsulationFields)
{
    initLibrary();
    I61162_Data_Structure r{};
    ASSERT_EQ(read("!AIVDM,1,1,,A,15M67FC000G?ufbE`FepT@3n00Sa,0", &r), 0);
    EXPECT_EQ(r.fields.encap.total, 1);
    EXPECT_EQ(r.fields.encap.seqId, 128);
    EXPECT_EQ(r.fields.encap.channel, 'A');
    EXPECT_EQ(r.fields.encap.fillBits, 0);
    EXPECT_STREQ(r.fields.encap.payload, "15M67FC000G?ufbE`FepT@3n00Sa");

    const std::string p62(62, '0');
    const std::string p63(63, '0');
    const std::string p64(64, '0');
    const SResultCase cases[] = {
        {"!AIVDM,1,1,,A,15M67FC000G?ufbE`FepT@3n00Sa,", 8},
        {"!AIVDO,1,1,,,15M67FC000G?ufbE`FepT@3n00Sa,0", 0},
        {"!AIVDM,1,1,,A,15M67FC000G?ufbE`FepT@3n00Sa,-1", 8},
        {"!AIVDM,1,1,-1,A,15M67FC000G?ufbE`FepT@3n00Sa,0", 8},
        {"!AIBBM,1,1,,2,8,04a9M>1@PU>0U>06<0,4", 0},
        {"!AIBBM,10,1,,2,8,04a9M>1@PU>0U>06<0,4", 8},
        {"!AIBBM,1,1,,2,8,04a9M>1@PU>0U>06<0,6", 8},
        {"!AIABM,1,1,0,211000000,1,8,04a9M>1@PU>0U>06<0,4", 8},
        {"!AIABM,1,1,0,211000000,1,12,04a9M>1@PU>0U>06<0,4", 0},
        {"!AIABM,0,1,0,211000000,1,6,04a9M>1@PU>0U>06<0,4", 8},
        {"!AIABM,1,1,,211000000,1,6,04a9M>1@PU>0U>06<0,4", 8},
        {"!AIABM,1,1,4,211000000,1,6,04a9M>1@PU>0U>06<0,4", 8},
        {"!AIABM,1,1,0,1000000000,1,6,04a9M>1@PU>0U>06<0,4", 8},
        {"!AIABM,1,1,0,211000000,,6,04a9M>1@PU>0U>06<0,4", 8},
        {"!AIABM,1,1,1,,1,6,04a9M>1@PU>0U>06<0,4", 0}, // destination MMSI 0
        {"!AIABM,1,1,0,211000000,4,6,04a9M>1@PU>0U>06<0,4", 8},
    };
    for (const SResultCase& c : cases)
        EXPECT_EQ(read(c.body, &r), c.result) << c.body;

    // Payload length: anything a joined message can hold (175 characters), with or without an id.
    // All zeros is message 0, which the codec refuses (7) once the sentence is taken.
    EXPECT_EQ(read("!AIVDM,1,1,,A," + p62 + ",0", &r), 7);
    EXPECT_EQ(read("!AIVDM,1,1,,A," + p63 + ",0", &r), 7);
    EXPECT_EQ(read("!AIVDM,1,1,0,A," + p63 + ",0", &r), 7);
    EXPECT_EQ(read("!AIVDM,2,1,3,A," + p63 + ",0", &r), 4);
    EXPECT_EQ(read("!AIVDM,2,1,3,A," + p64 + ",0", &r), 4);
    // The parser itself takes up to 175; the pre-parse bounds the sentence (200 with its blanks).
    for (size_t length : {175u, 176u}) {
        std::string text = "!AIVDM,1,1,0,A," + std::string(length, '0') + ",0*00\r\n";
        EXPECT_EQ(AIS_FMT_VDM(&text[0], &r), length == 175) << length;
    }
}

TEST(AisSentence, OtherAisSentences)
{
    initLibrary();
    I61162_Data_Structure r{};
    ASSERT_EQ(read("$AISSD,,,,,,,,", &r), 0);
    EXPECT_STREQ(r.fields.ssd.callSign, "");
    EXPECT_EQ(r.fields.ssd.refA, 512);
    EXPECT_EQ(r.fields.ssd.refB, 512);
    EXPECT_EQ(r.fields.ssd.refC, 64);
    EXPECT_EQ(r.fields.ssd.refD, 64);
    EXPECT_EQ(r.fields.ssd.dte, 2);
    ASSERT_EQ(read("$AISSD,CALLSIGN9,A SHIP NAME LONGER THAN TWENTY,100,20,5,6,0,AISOURCE", &r), 0);
    EXPECT_STREQ(r.fields.ssd.callSign, "CALLSIG");
    EXPECT_STREQ(r.fields.ssd.name, "A SHIP NAME LONGER T");
    EXPECT_EQ(r.fields.ssd.refA, 100);
    EXPECT_STREQ(r.fields.ssd.source, "AI");

    ASSERT_EQ(read("$AIVSD,70,7.5,12,NEW YORK,153000,15,05,0,0", &r), 0);
    EXPECT_EQ(r.fields.vsd.shipType, 70);
    EXPECT_FLOAT_EQ(r.fields.vsd.draught, 7.5f);
    EXPECT_STREQ(r.fields.vsd.destination, "NEW YORK");
    EXPECT_EQ(r.fields.vsd.etaTime.hour, 15);
    ASSERT_EQ(read("$AIVSD,,,,,,,,,", &r), 0);
    EXPECT_EQ(r.fields.vsd.shipType, 256);
    EXPECT_EQ(r.fields.vsd.persons, 8192);
    EXPECT_EQ(r.fields.vsd.etaDay, 32);
    EXPECT_EQ(r.fields.vsd.etaMonth, 13);
    EXPECT_EQ(r.fields.vsd.navStatus, 128);

    ASSERT_EQ(read("$AIALR,142030.00,006,A,V,AIS: antenna VSWR exceeds limit and the text of this alarm goes on", &r),
              0);
    EXPECT_EQ(r.fields.alr.alarm, 6);
    EXPECT_EQ(r.fields.alr.condition, 'A');
    EXPECT_EQ(std::strlen(r.fields.alr.text), static_cast<std::size_t>(ALR_TEXT_SIZE - 1));
    ASSERT_EQ(read("$AIACK,", &r), 0);
    EXPECT_EQ(r.fields.ack.alarm, 1000);
    ASSERT_EQ(read("$AIABK,211000000,B,6,2,0", &r), 0);
    EXPECT_EQ(r.fields.abk.mmsi, 211000000);
    EXPECT_EQ(r.fields.abk.channel, 'B');
    EXPECT_EQ(r.fields.abk.msgSequence, 2);
    ASSERT_EQ(read("$AIACS,3,002320000,142030.00,04,07,2021", &r), 0);
    EXPECT_EQ(r.fields.acs.mmsi, 2320000);
    EXPECT_EQ(r.fields.acs.year, 2021);
    ASSERT_EQ(read("$AIACA,1,5000.0,N,00200.0,W,4900.0,N,00300.0,W,4,2087,0,2088,0,0,0,C,1,120000", &r), 0);
    EXPECT_DOUBLE_EQ(r.fields.aca.northEast.latitude, 50.0);
    EXPECT_DOUBLE_EQ(r.fields.aca.southWest.longitude, -3.0);
    EXPECT_EQ(r.fields.aca.zoneSize, 4);
    EXPECT_EQ(r.fields.aca.channelB, 2088);
    EXPECT_EQ(r.fields.aca.source, 'C');
    EXPECT_EQ(r.fields.aca.inUseChanged.hour, 12);

    const SResultCase texts[] = {
        {"$AITXT,01,01,91,FREQUENCY AUTO UPDATED", 0},
        {"$AITXT,,,,", 0},
        {"$AITXT,00,01,91,X", 8},
        {"$AITXT,01,100,91,X", 8},
        {"$AITXT,01,01,0,X", 8},
    };
    for (const SResultCase& c : texts)
        EXPECT_EQ(read(c.body, &r), c.result) << c.body;

    char air[] = "$AIAIR,211000000,5,,,,211000001,24,A*00\r\n";
    ASSERT_TRUE(AIS_FMT_AIR(air, &r));
    EXPECT_EQ(r.fields.air.mmsi2, 211000001);
    EXPECT_FLOAT_EQ(r.fields.air.msg21, 24.0f);
    EXPECT_EQ(r.fields.air.subSection12, 128);
}

TEST(AisSentence, ComposedSentencesReadBack)
{
    initLibrary();
    I61162_Data_Structure out{};

    I61162_Data_Structure vdm = recordOf("AI", "VDO");
    vdm.fields.encap = I62_ENCAP_SENTENCE{1, 1, 128, 1, 0, 0, "15M67FC000G?ufbE`FepT@3n00Sa", 0};
    EXPECT_EQ(composeAndRead(AIS_FMT_VDO_Compose, vdm, &out), "!AIVDO,1,1,,B,15M67FC000G?ufbE`FepT@3n00Sa,0");
    EXPECT_EQ(out.fields.encap.channel, 'B');

    I61162_Data_Structure abm = recordOf("AI", "ABM");
    abm.fields.encap = I62_ENCAP_SENTENCE{1, 1, 2, 1, 6, 211000000, "04a9M>1@PU>0U>06<0", 4};
    composeAndRead(AIS_FMT_ABM_Compose, abm, &out);
    EXPECT_EQ(out.fields.encap.destMmsi, 211000000u);
    EXPECT_EQ(out.fields.encap.msgId, 6);
    I61162_Data_Structure bbm = recordOf("AI", "BBM");
    bbm.fields.encap = I62_ENCAP_SENTENCE{1, 1, 3, 2, 8, 0, "04a9M>1@PU>0U>06<0", 4};
    composeAndRead(AIS_FMT_BBM_Compose, bbm, &out);
    EXPECT_EQ(out.fields.encap.channel, 2);

    I61162_Data_Structure ssd = recordOf("AI", "SSD");
    ssd.fields.ssd = I62_SSD{"PD1234", "KELVORA", 512, 20, 5, 64, 2, "AI"};
    EXPECT_EQ(composeAndRead(I62_FMT_SSD_Compose, ssd, &out), "$AISSD,PD1234,KELVORA,,20,5,,,AI");
    EXPECT_EQ(out.fields.ssd.refA, 512);

    I61162_Data_Structure vsd = recordOf("AI", "VSD");
    vsd.fields.vsd = I62_VSD{70, 30.0f, 12, "ROTTERDAM", {24, 60, 60, 0}, 5, 13, 3, 16};
    EXPECT_EQ(composeAndRead(I62_FMT_VSD_Compose, vsd, &out), "$AIVSD,70,,12,ROTTERDAM,,05,,3,");

    I61162_Data_Structure alr = recordOf("AI", "ALR");
    alr.fields.alr = I62_ALR{{14, 20, 30, 0}, 6, 'A', 'V', "AIS: antenna VSWR exceeds limit"};
    EXPECT_EQ(composeAndRead(I62_FMT_ALR_Compose, alr, &out), "$AIALR,142030.00,6,A,V,AIS: antenna VSWR exceeds limit");
    I61162_Data_Structure ack = recordOf("AI", "ACK");
    ack.fields.ack.alarm = 6;
    EXPECT_EQ(composeAndRead(I62_FMT_ACK_Compose, ack, &out), "$AIACK,006");

    I61162_Data_Structure aca = recordOf("AI", "ACA");
    aca.fields.aca = I62_ACA{1, {50.0, -2.0}, {49.5, -3.25}, 4, 2087, 0, 2088, 0, 0, 0, 'C', 1, {12, 0, 0, 0}};
    EXPECT_EQ(composeAndRead(AIS_FMT_ACA_Compose, aca, &out),
              "$AIACA,1,5000.0,N,00200.0,W,4930.0,N,00315.0,W,4,2087,0,2088,0,0,0,C,1,120000");
    EXPECT_DOUBLE_EQ(out.fields.aca.southWest.latitude, 49.5);

    I61162_Data_Structure acs = recordOf("AI", "ACS");
    acs.fields.acs = I62_ACS{3, 2320000, {14, 20, 30, 0}, 4, 7, 2021};
    EXPECT_EQ(composeAndRead(AIS_FMT_ACS_Compose, acs, &out), "$AIACS,3,002320000,142030.00,04,07,2021");

    I61162_Data_Structure abk = recordOf("AI", "ABK");
    abk.fields.abk = I62_ABK{I62_MMSI_EMPTY, 128, 6, 2, 0};
    EXPECT_EQ(composeAndRead(AIS_FMT_ABK_Compose, abk, &out), "$AIABK,,,6,2,0");
    EXPECT_EQ(out.fields.abk.mmsi, I62_MMSI_EMPTY);

    char small[10];
    EXPECT_FALSE(AIS_FMT_ACS_Compose(small, &acs, sizeof(small)));
    EXPECT_FALSE(AIS_FMT_ACS_Compose(small, nullptr, sizeof(small)));
}
