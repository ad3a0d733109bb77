#include "i62/LongRangeSentence.h"

#include "i62/I62Group.h"

#include "LibraryTest.h"
#include "RoundTrip.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class LongRangeSentence : public LibraryTest
{
};

} // namespace

TEST_F(LongRangeSentence, EachFormatterTakesItsShape)
{
    const SResultCase cases[] = {
        {"$AILRI,1,V,211000000,211000001,5005.000000,N,200.000000,W,4900.000000,N,300.000000,W", 0},
        {"$AILRI,1,V,211000000,211000001,5005.000000,N,200.000000,W,4900.000000,N,300.000000", 8},
        {"$AILRF,1,211000000,KELVORA,ABC,2", 0},
        {"$AILRF,1,211000000,KELVORA,ABC", 8},
        {"$AILR1,1,211000001,211000000,KELVORA,PD1234,9123456", 0},
        {"$AILR1,1,211000001,211000000,KELVORA,PD1234", 8},
        {"$AILR2,1,211000001,01022024,120000.00,5005.000000,N,200.000000,W,123.4,T,12.3,N", 0},
        {"$AILR2,1,211000001,01022024,120000.00,5005.000000,N,200.000000,W,123.4,T,12.3", 8},
        {"$AILR3,1,211000001,ROTTERDAM,01022024,120000.00,7.5,1,120,20,70,12", 0},
        {"$AILR3,1,211000001,ROTTERDAM,01022024,120000.00,7.5,1,120,20,70", 8},
        {"$CDDSC,20,3380400790,00,21,26,1423108312,2021,,,S,E", 0},
        {"$CDDSC,20,3380400790,00,21,26,1423108312,2021,,,S", 8},
        {"$CDDSE,1,1,A,3380400790,00,45894494", 0},
        {"$CDDSE,1,1,A,3380400790,00", 8},
        {"$CDDSI,1,1,3380400790,01,02,TEXT,03,MORE,A", 0},
        {"$CDDSI,1,1,3380400790,01,02,TEXT,03,MORE", 8},
        {"$CDDSR,1,1,R,3380400790,00,45894494", 0},
        {"$CDDSR,1,1,R,3380400790", 8},
    };
    for (const SResultCase& c : cases)
        EXPECT_EQ(parseBody(c.body), c.result) << c.body;
}

TEST_F(LongRangeSentence, FieldsAndStores)
{
    EXTLRngData = LRng_Data{};
    EXTDSCData = DSC_Data{};
    I61162_Data_Structure r{};
    ASSERT_EQ(parseBody("$GPLRI,1,V,211000000,211000001,5005.000000,N,200.000000,W,4900.000000,S,300.000000,W", &r), 0);
    EXPECT_EQ(r.group, I62_GROUP_LONG_RANGE);
    EXPECT_EQ(r.fields.lri.controlFlag, 'V');
    EXPECT_EQ(r.fields.lri.destinationMmsi, 211000001);
    EXPECT_NEAR(r.fields.lri.northEast.latitude, 50.0833333, 1e-6);
    EXPECT_NEAR(r.fields.lri.northEast.longitude, -2.0, 1e-6);
    EXPECT_NEAR(r.fields.lri.southWest.latitude, -49.0, 1e-6);
    EXPECT_NEAR(r.fields.lri.southWest.longitude, -3.0, 1e-6) << "the last hemisphere field counts too";
    EXPECT_EQ(EXTLRngData.lriPresent, 1);
    EXPECT_EQ(EXTLRngData.system, 1u);

    ASSERT_EQ(parseBody("$AILR2,1,211000001,01022024,120000.00,5005.000000,N,200.000000,W,123.4,T,12.3,N", &r), 0);
    EXPECT_EQ(r.fields.lr2.date.year, 2024);
    EXPECT_EQ(r.fields.lr2.date.month, 2);
    EXPECT_EQ(r.fields.lr2.date.day, 1);
    EXPECT_EQ(r.fields.lr2.time.hour, 12);
    EXPECT_FLOAT_EQ(r.fields.lr2.course, 123.4f);
    EXPECT_EQ(r.fields.lr2.speedReference, 'N');
    EXPECT_EQ(EXTLRngData.lr2Present, 1);
    EXPECT_EQ(EXTLRngData.system, 0u);

    ASSERT_EQ(parseBody("$CDDSC,20,3380400790,00,21,26,1423108312,2021,,,S,E", &r), 0);
    EXPECT_EQ(r.group, I62_GROUP_DSC);
    EXPECT_EQ(r.fields.dsc.addressMmsi, 3380400790L);
    EXPECT_STREQ(r.fields.dsc.positionOrFrequency, "1423108312");
    EXPECT_EQ(r.fields.dsc.distressMmsi, 999999999);
    EXPECT_EQ(r.fields.dsc.acknowledgement, 'S');
    EXPECT_EQ(EXTDSCData.dscPresent, 1);
    ASSERT_EQ(parseBody("$CDDSR,1,1,R,3380400790,00,45894494", &r), 0);
    EXPECT_EQ(EXTDSCData.dsrPresent, 1);
    EXPECT_STREQ(EXTDSCData.dsr.data, "45894494");
    EXPECT_EQ(EXTDSCData.dsePresent, 0);
}

// Minutes below ten keep their leading zero: 50 degrees 5 minutes must not come back as 5
// degrees 5 minutes.
TEST_F(LongRangeSentence, ComposersGiveTheSentenceBack)
{
    const char* const bodies[] = {
        "$AILRI,1,V,211000000,211000001,5005.000000,N,200.000000,W,4900.000000,N,300.000000,W",
        "$AILRF,1,211000000,KELVORA,ABC,2",
        "$AILR1,1,211000001,211000000,KELVORA,PD1234,9123456",
        "$AILR2,1,211000001,01022024,120000.00,5005.000000,N,200.000000,W,123.4,T,12.3,N",
        "$CDDSI,1,1,3380400790,01,02,TEXT,03,MORE,A",
    };
    for (const char* body : bodies)
        EXPECT_EQ(composeBack(body), withChecksum(body)) << body;
}

TEST_F(LongRangeSentence, LongComposedSentenceNeedsItsRoom)
{
    I61162_Data_Structure r{};
    ASSERT_EQ(parseBody("$AILR3,1,211000001,ROTTERDAM,01022024,120000.00,7.5,1,120,20,70,12", &r), 0);
    char text[I62_SENTENCE_OUT_SIZE] = {};
    EXPECT_FALSE(I62_Compose(text, &r, sizeof(text))) << "six %f values do not fit 100 characters";
    char wide[160] = {};
    ASSERT_TRUE(AIS_FMT_LR3_Compose(wide, &r, sizeof(wide)));
    EXPECT_STREQ(wide, "$AILR3,1,211000001,ROTTERDAM,01022024,120000.00,7.500000,1.000000,120.000000,20.000000,"
                       "70.000000,12.000000");
}
