#include "i62/AisSentenceStore.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

using namespace TestSupport;

TEST(AisSentenceStore, KeepsTheLastValuesWithTheirFlags)
{
    initLibrary();
    ASSERT_EQ(parseBody("$AITXT,01,01,91,FREQUENCY AUTO UPDATED"), 0);
    EXPECT_EQ(EXTAISData.txtPresent, 1);
    EXPECT_EQ(EXTAISData.txt.textId, 91);
    EXPECT_STREQ(EXTAISData.txt.text, "FREQUENCY AUTO UPDATED");
    EXPECT_EQ(EXTAISData.system, 0u);
    EXPECT_EQ(EXTAISData.alrPresent, 0);

    ASSERT_EQ(parseBody("$GPALR,142030.00,006,A,V,AIS: antenna VSWR exceeds limit"), 0);
    EXPECT_EQ(EXTAISData.alrPresent, 1);
    EXPECT_EQ(EXTAISData.system, 1u);
    ASSERT_EQ(parseBody("$AISSD,PD1234,KELVORA,10,20,5,6,0,AI"), 0);
    EXPECT_STREQ(EXTAISData.ssd.name, "KELVORA");
    ASSERT_EQ(parseBody("$AIVSD,70,7.5,12,NEW YORK,153000,15,05,0,0"), 0);
    EXPECT_STREQ(EXTAISData.vsd.destination, "NEW YORK");
    ASSERT_EQ(parseBody("!AIVDM,2,1,6,B,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0"), 4);
    EXPECT_EQ(EXTAISData.vdm.total, 2);
    EXPECT_EQ(EXTAISData.vdm.number, 1);
    EXPECT_EQ(EXTAISData.vdm.seqId, 6);
    EXPECT_EQ(EXTAISData.vdm.channel, 'B');

    // A refused sentence leaves the store alone.
    ASSERT_EQ(parseBody("$AITXT,00,01,91,REFUSED"), 8);
    EXPECT_STREQ(EXTAISData.txt.text, "FREQUENCY AUTO UPDATED");

    SensorInitial();
    EXPECT_EQ(EXTAISData.txtPresent, 0);
    EXPECT_EQ(EXTAISData.vdmPresent, 0);
    EXPECT_EQ(EXTAISData.ssdPresent, 0);
}
