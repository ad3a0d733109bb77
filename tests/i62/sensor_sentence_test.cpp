#include "i62/SensorSentence.h"

#include "i62/I62Sentence.h"
#include "i62/SensorStore.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace TestSupport;

TEST(SensorSentence, HeadingRateAndSpeeds)
{
    initLibrary();
    I61162_Data_Structure r{};
    ASSERT_EQ(parseBody("$HEHDT,274.07,T", &r), 0);
    EXPECT_FLOAT_EQ(r.fields.hdt.heading, 274.07f);
    EXPECT_EQ(r.fields.hdt.reference, 'T');
    ASSERT_EQ(parseBody("$HCHDM,,M", &r), 0);
    EXPECT_FLOAT_EQ(r.fields.hdt.heading, 511.0f);
    ASSERT_EQ(parseBody("$TIROT,,A", &r), 0);
    EXPECT_FLOAT_EQ(r.fields.rot.rate, -100000.0f);
    ASSERT_EQ(parseBody("$VDVBW,1.5,,A,,0.2,V", &r), 0);
    EXPECT_FLOAT_EQ(r.fields.vbw.waterLongitudinal, 1.5f);
    EXPECT_FLOAT_EQ(r.fields.vbw.waterTransverse, 0.0f); // no empty value here
    EXPECT_EQ(r.fields.vbw.groundStatus, 'V');
    EXPECT_EQ(parseBody("$HEHDT,274.07"), 8);
    EXPECT_EQ(parseBody("$VDVBW,1.5,,A,,0.2"), 8);
}

TEST(SensorSentence, RadarSentences)
{
    initLibrary();
    I61162_Data_Structure r{};
    ASSERT_EQ(parseBody("$RAOSD,35.1,A,36.0,P,10.2,P,15.3,0.1,N", &r), 0);
    EXPECT_FLOAT_EQ(r.fields.osd.drift, 0.1f);
    EXPECT_EQ(r.fields.osd.speedUnits, 'N');
    ASSERT_EQ(parseBody("$RARSD,0.0,0.0,2.0,270.0,,,,,1.2,45.0,6.0,N,H", &r), 0);
    EXPECT_FLOAT_EQ(r.fields.rsd.values[3], 270.0f);
    EXPECT_FLOAT_EQ(r.fields.rsd.values[10], 6.0f);
    EXPECT_EQ(r.fields.rsd.displayRotation, 'H');
    ASSERT_EQ(parseBody("$RATTM,11,3.5,124.3,T,12.1,270.0,T,0.4,7.5,N,FERRY WITH A LONG NAME,T,,153012.50,A", &r), 0);
    EXPECT_EQ(r.fields.ttm.number, 11);
    EXPECT_FLOAT_EQ(r.fields.ttm.cpaTime, 7.5f);
    EXPECT_STREQ(r.fields.ttm.name, "FERRY WITH A LON"); // cut to its field
    EXPECT_EQ(r.fields.ttm.referenceTarget, 128);
    EXPECT_EQ(r.fields.ttm.time.hundredths, 50);
    EXPECT_EQ(r.fields.ttm.acquisition, 'A');
    EXPECT_EQ(EXTRadarData.ttmPresent, 1);
    EXPECT_EQ(EXTRadarData.osdPresent, 1);
    EXPECT_EQ(EXTRadarData.rsdPresent, 1);
    EXPECT_FLOAT_EQ(EXTRadarData.ttm.bearing, 124.3f);

    // TLB has a parser but no dispatch entry.
    EXPECT_EQ(parseBody("$RATLB,11,FERRY,12"), 8);
    char text[] = "$RATLB,11,FERRY,12*00\r\n";
    ASSERT_TRUE(I62_FMT_TLB(text, &r));
    EXPECT_FLOAT_EQ(r.fields.tlb.number, 11.0f);
    EXPECT_EQ(r.fields.tlb.label, 'F');
    EXPECT_EQ(EXTRadarData.tlbPresent, 0);
}

TEST(SensorSentence, Composers)
{
    I61162_Data_Structure r{};
    std::memcpy(r.talker, "HE", 3);
    std::memcpy(r.formatter, "HDT", 4);
    r.fields.hdt.heading = 274.07f;
    char text[I62_COMPOSE_BUF_SIZE];
    ASSERT_TRUE(I62_FMT_HDT_Compose(text, &r));
    EXPECT_STREQ(text, "$HEHDT,274.1,T");
    r.fields.hdt.heading = 511.0f;
    ASSERT_TRUE(I62_FMT_HDT_Compose(text, &r));
    EXPECT_STREQ(text, "$HEHDT,,T");

    std::memcpy(r.formatter, "HDG", 4);
    r.fields.hdg = I62_HDG{101.1f, -2.5f, 7.0f};
    ASSERT_TRUE(I62_FMT_HDG_Compose(text, &r));
    EXPECT_STREQ(text, "$HEHDG,101.099998,2.500000,W,7.000000,E");

    std::memcpy(r.formatter, "ROT", 4);
    r.fields.rot = I62_ROT{-3.5f, 'A'};
    ASSERT_TRUE(I62_FMT_ROT_Compose(text, &r));
    EXPECT_STREQ(text, "$HEROT,-3.500000,A");
    EXPECT_FALSE(I62_FMT_ROT_Compose(text, &r, 10)); // does not fit
    EXPECT_FALSE(I62_FMT_ROT_Compose(text, nullptr));
}
