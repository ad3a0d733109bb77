#include "i62/AtonSentence.h"

#include "i62/AtonStore.h"

#include "LibraryTest.h"
#include "RoundTrip.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace TestSupport;

namespace {

class AtonSentence : public LibraryTest
{
};

// One good sentence of each formatter, in the widths the composers write.
const char* const kGood[] = {
    "$AIAAR,992351000,21,01,02,00,0100,1200,03,01,02,0010,60,R",
    "$AIACE,992351000,0A,2087,01,00,02,NORTH CARDINAL,0100500505,R",
    "$AIACF,992351000,01,5030.50000,N,00200.25000,W,01,02,00,01,10,00,01,00,C",
    "$AIAFB,992351000,21,01,02,03,04,05,C",
    "$AIAFC,992351000,RESET",
    "$AIAID,992351000,01,992351001,A,R",
    "$AIAKE,992351000,KEY1,0123456789ABCDEF,R",
    "$AIARW,992351000,21,01,10,05,03,R",
    "$AIMCR,992351000,LIGHT ON,R",
    "$AIMPR,992351000,12,3,25,100,-80,NORMAL,R",
    "$AITSP,992351000,21,01,120000.00,03,01,02,04,00,01,00,02,R",
    "$AIVER,1,1,01,KELVORA,0001,SN12345,T362,1.2.3,A1,7",
};

// The good sentence without its last field.
std::string truncated(const std::string& body)
{
    return body.substr(0, body.rfind(','));
}

} // namespace

TEST_F(AtonSentence, EachFormatterParsesAndComposesBack)
{
    for (const char* body : kGood) {
        EXPECT_EQ(composeBack(body), withChecksum(body)) << body;
        EXPECT_EQ(parseBody(truncated(body)), 8) << truncated(body);
    }
    const SResultCase junk[] = {
        {"$AIAAR,992351000,21,01,02,00,0100,1200,03,01,02,0010,60,Q", 8},
        {"$AIACE,992351000,ZZ,2087,01,00,02,NORTH CARDINAL,0100500505,R", 8},
        {"$AIAFB,992351000,21,01,02,03,04,05,X", 8},
        {"$AIAID,992351000,01,992351001,A,", 8},
        {"$AIARW,992351000,21,01,10,05,03,r", 8},
        {"$AIAKE,992351000,KEY1,0123456789ABCDEF,R,EXTRA", 8},
    };
    for (const SResultCase& c : junk)
        EXPECT_EQ(parseBody(c.body), c.result) << c.body;
}

TEST_F(AtonSentence, FieldsAndPresentBits)
{
    I61162_Data_Structure r{};
    ASSERT_EQ(parseBody("$AIAFB,992351000,21,,02,03,04,05,C", &r), 0);
    EXPECT_EQ(r.fields.afb.mmsi, 992351000);
    EXPECT_EQ(r.fields.afb.msgId, 21);
    EXPECT_EQ(r.fields.afb.msgIndex, 0);
    EXPECT_EQ(r.fields.afb.present, 0xFB);
    EXPECT_EQ(r.fields.afb.status, 'C');
    EXPECT_EQ(composeBack("$AIAFB,992351000,21,,02,03,04,05,C"), withChecksum("$AIAFB,992351000,21,,02,03,04,05,C"));

    ASSERT_EQ(parseBody("$AITSP,992351000,21,01,120000.00,03,01,02,04,00,01,00,02,R", &r), 0);
    EXPECT_EQ(r.fields.tsp.startTime.hour, 12);
    EXPECT_EQ(r.fields.tsp.retries, 2);
    EXPECT_EQ(r.fields.tsp.status, 'R');
    ASSERT_EQ(parseBody("$AIVER,1,1,01,KELVORA,0001,SN12345,T362,1.2.3,A1,7", &r), 0);
    EXPECT_STREQ(r.fields.ver.texts[0], "KELVORA");
    EXPECT_STREQ(r.fields.ver.texts[6], "7");
    EXPECT_EQ(EXTAtoNData.verPresent, 1);
    EXPECT_STREQ(EXTAtoNData.ver.texts[3], "T362");
}

TEST_F(AtonSentence, ReportWithQueryFlagIsRefused)
{
    I61162_Data_Structure r{};
    EXPECT_EQ(parseBody("$AIAAR,992351000,21,01,02,00,0100,1200,03,01,02,0010,60,Q", &r), 8);
    // The fields before stay with their bits; the status bit is cleared.
    EXPECT_EQ(r.fields.aar.mmsi, 992351000);
    EXPECT_EQ(r.fields.aar.present, 0x0FFF);
}

TEST_F(AtonSentence, ReferencePointDimensions)
{
    I61162_Data_Structure r{};
    ASSERT_EQ(parseBody("$AIACE,992351000,0A,2087,01,00,02,NORTH CARDINAL,0100500505,R", &r), 0);
    EXPECT_EQ(r.fields.ace.dimension.a, 10);
    EXPECT_EQ(r.fields.ace.dimension.b, 50);
    EXPECT_EQ(r.fields.ace.dimension.c, 5);
    EXPECT_EQ(r.fields.ace.dimension.d, 5);
    EXPECT_EQ(r.fields.ace.atonStatus, 0x0A);
    EXPECT_NE(r.fields.ace.present & (1u << 7), 0u);

    EXPECT_EQ(parseBody("$AIACE,992351000,0A,2087,01,00,02,NORTH CARDINAL,01005005,R", &r), 8);
    EXPECT_EQ(r.fields.ace.dimension.a, 0);
    EXPECT_EQ(r.fields.ace.dimension.d, 0);
    EXPECT_EQ(r.fields.ace.present & (1u << 7), 0u);

    ATON_REF_POINT_DIMENSION d{};
    EXPECT_FALSE(Convert_Dim_Ref_Str_To_Val("01005005x5", &d));
    EXPECT_FALSE(Convert_Dim_Ref_Str_To_Val("01005005055", &d));
    EXPECT_TRUE(Convert_Dim_Ref_Str_To_Val("5115116363", &d));
    EXPECT_EQ(d.a, 511);
    EXPECT_EQ(d.d, 63);
    EXPECT_EQ(CtoI('7'), 7);
    EXPECT_EQ(CtoI('a'), -1);
}

TEST_F(AtonSentence, PositionNeedsAllFourFields)
{
    I61162_Data_Structure r{};
    ASSERT_EQ(parseBody("$AIACF,992351000,01,5030.50000,N,00200.25000,W,01,02,00,01,10,00,01,00,C", &r), 0);
    EXPECT_NEAR(r.fields.acf.position.latitude, 50.5083333, 1e-6);
    EXPECT_NEAR(r.fields.acf.position.longitude, -2.0041667, 1e-6);
    EXPECT_EQ(r.fields.acf.present & 0x3C, 0x3C);

    ASSERT_EQ(parseBody("$AIACF,992351000,01,5030.50000,,00200.25000,W,01,02,00,01,10,00,01,00,C", &r), 0);
    EXPECT_EQ(r.fields.acf.present & 0x3C, 0);
    EXPECT_DOUBLE_EQ(r.fields.acf.position.latitude, 91.0);
    EXPECT_EQ(composeBack("$AIACF,992351000,01,5030.50000,,00200.25000,W,01,02,00,01,10,00,01,00,C"),
              withChecksum("$AIACF,992351000,01,,,,,01,02,00,01,10,00,01,00,C"));
}

// The split fields are copied into buffers of 34 bytes; a longer field is refused before any
// copy instead of running past its buffer.
TEST_F(AtonSentence, LongScannedFieldIsRefused)
{
    const std::string field33(33, 'K');
    const std::string field34(34, 'K');
    I61162_Data_Structure r{};
    ASSERT_EQ(parseBody("$AIAKE,992351000,KEY1," + field33 + ",R", &r), 0);
    EXPECT_EQ(std::string(r.fields.ake.key), field33);
    EXPECT_EQ(parseBody("$AIAKE,992351000,KEY1," + field34 + ",R", &r), 8);
    EXPECT_EQ(parseBody("$AIVER,1,1,01," + std::string(60, 'V') + ",0001,SN,T362,1.2.3,A1,7", &r), 8);
    EXPECT_EQ(parseBody("$AIMCR,992351000," + field34 + "X,R", &r), 8);
}
