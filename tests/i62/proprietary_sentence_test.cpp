#include "i62/ProprietarySentence.h"

#include "i62/I62Group.h"
#include "i62/ProprietaryStore.h"

#include "LibraryTest.h"
#include "RoundTrip.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class ProprietarySentence : public LibraryTest
{
};

} // namespace

// Each sentence in the transponder's shapes, a junk form and a truncated one beside it.
TEST_F(ProprietarySentence, EachFormatterTakesItsShape)
{
    const SResultCase cases[] = {
        {"$PMID,211000000,211000001", 0},
        {"$PQXV,C,MID,211000000,", 0},
        {"$PMID,211000000", 8},
        {"$PBDY,211000000,KELVORA,BUOY ONE,1,2", 0},
        {"$PBDY,211000000,KELVORA,BUOY ONE,1", 8},
        {"$PTST,00123,05,A,B,00042", 0},
        {"$PTST,00123,05,A,B", 8},
        {"$PFRQ,161975000,1,162025000,2", 0},
        {"$PFRQ,161975000,1,162025000", 8},
        {"$PBTH,001,002,003,004,005,006,BT READY", 0},
        {"$PBTH,001,002,003,004,005,006", 8},
        {"$PDBG,163,1,,,,,,", 0},
        {"$PQXV,C,DBG,163,1,,,,,,", 0},
        {"$PDBG,163,1,,,,,", 8},
        {"$PTPS,012,TEST", 0},
        {"$PTPS,012", 8},
        {"$PMOB,A1B2C3,5,0F,10,0102030405", 0},
        {"$PMOB,A1B2C3,5,0F,G1,0102030405", 8},
        {"$PMOB,A1B2C3,5,0F,10", 8},
        {"$PQXV,C,MRK,1,250,-3,100,-200,MARK,7,", 0},
        {"$PQXV,C,MRK,1,250,-3,100,-200,MARK,7", 8},
        {"$PGBP,3,120000.00,5030.0000,N,00200.0000,W,1.5,2.5,010224", 0},
        {"$PGBP,3,120000.00,5030.0000,N,00200.0000,W,1.5,2.5", 8},
        {"$PQXV,Q,AIQ,Smg,1", 0},
        {"$PQXV,Q,AIQ,Xmg,1", 8},
        {"$PQXV,Q,AIQ,Smg", 8},
        {"$PQXV,R,Smg,STATUS TEXT,42", 0},
        {"$PQXV,R,Smg,STATUS TEXT", 8},
    };
    for (const SResultCase& c : cases)
        EXPECT_EQ(parseBody(c.body), c.result) << c.body;
    // The transponder's own form, checksum as sent.
    EXPECT_EQ(parse("$PDBG,163,1,,,,,,*14\r\n"), 0);
    EXPECT_EQ(parse("$PDBG,163,0,,,,,,*15\r\n"), 0);
}

TEST_F(ProprietarySentence, ComposersGiveTheSentenceBack)
{
    const char* const bodies[] = {
        "$PMID,211000000,211000001",
        "$PBDY,211000000,KELVORA,BUOY ONE,1,2",
        "$PTST,00123,05,A,B,00042",
        "$PFRQ,161975000,1,162025000,2",
        "$PBTH,001,002,003,004,005,006,BT READY",
        "$PDBG,163,1,164,0,001,-5,002,7",
        "$PQXV,C,DBG,163,1,,,,,,",
        "$PTPS,012,TEST",
        "$PMOB,A1B2C3,5,0F,10,0102030405",
        "$PMOB,000000,5,0F,,",
        "$PQXV,C,MRK,1,250,-3,100,-200,MARK,7,",
    };
    for (const char* body : bodies)
        EXPECT_EQ(composeBack(body), withChecksum(body)) << body;
}

TEST_F(ProprietarySentence, MakerMidCommandIsStoredWithItsSubType)
{
    ASSERT_EQ(parseBody("$PQXV,C,MID,211000000,"), 0);
    EXPECT_EQ(EXTPriData.mid.mmsi1, 211000000);
    EXPECT_EQ(EXTPriData.midFlag[0], 1);
    EXPECT_EQ(EXTPriData.mid.mmsi2, 999999999);
    EXPECT_EQ(EXTPriData.midFlag[1], 1);
    EXPECT_EQ(EXTPriData.midSubType, 'C');
    ASSERT_EQ(parseBody("$PMID,1000000000,211000000"), 0);
    EXPECT_EQ(EXTPriData.midFlag[0], 0);
    EXPECT_EQ(EXTPriData.midSubType, 0);
}

TEST_F(ProprietarySentence, DebugPairsWithEmptyFields)
{
    ASSERT_EQ(parseBody("$PDBG,,5,163,,001,-7,999,3"), 0);
    EXPECT_EQ(EXTPriData.dbg.id[0], 999);
    EXPECT_EQ(EXTPriData.dbg.value[0], 5);
    // An empty id is no id: its pair is not flagged.
    EXPECT_EQ(EXTPriData.dbgFlag[0], 0);
    EXPECT_EQ(EXTPriData.dbg.value[1], -2147483647);
    EXPECT_EQ(EXTPriData.dbgFlag[1], 1);
    EXPECT_EQ(EXTPriData.dbg.value[2], -7);
    EXPECT_EQ(EXTPriData.dbgFlag[2], 1);
}

TEST_F(ProprietarySentence, ManOverboardFields)
{
    I61162_Data_Structure r{};
    ASSERT_EQ(parseBody("$PMOB,A1B2C,5,0F1,,0102030", &r), 0);
    EXPECT_EQ(r.fields.pmob.ident[0], 0);
    EXPECT_EQ(r.fields.pmob.ident[1], 0);
    EXPECT_EQ(r.fields.pmob.ident[2], 0);
    EXPECT_EQ(r.fields.pmob.byte1, 255) << "three characters leave the byte as it was";
    EXPECT_EQ(r.fields.pmob.byte2Present, 0);
    EXPECT_EQ(r.fields.pmob.byteCount, 0) << "an odd number of digits counts no byte";
    ASSERT_EQ(parseBody("$PMOB,A1B2C3,5,0F,10,01020304050607080G", &r), 0);
    EXPECT_EQ(r.fields.pmob.ident[2], 0xC3);
    EXPECT_EQ(r.fields.pmob.byte2, 0x10);
    EXPECT_EQ(r.fields.pmob.byte2Present, 1);
    EXPECT_EQ(r.fields.pmob.byteCount, 0) << "not hexadecimal in the list";
    ASSERT_EQ(parseBody("$PMOB,A1B2C3,5,0F,10,010203040506070809", &r), 0);
    EXPECT_EQ(r.fields.pmob.byteCount, 9);
    EXPECT_EQ(EXTPriData.mob.bytes[8], 9);
    ASSERT_EQ(parseBody("$PMOB,A1B2C3,5,0F,10,01020304050607080910", &r), 0);
    EXPECT_EQ(r.fields.pmob.byteCount, 0) << "more than nine bytes";
    EXPECT_EQ(EXTPriData.mob.byteCount, 9) << "the store keeps the last list that counted";
    EXPECT_EQ(parseBody("$PMOB,A1B2C3,5,G1,10,01"), 8);
}

TEST_F(ProprietarySentence, StoreFlags)
{
    ASSERT_EQ(parseBody("$PTST,99999,05,A,b,"), 0);
    EXPECT_EQ(EXTPriData.tstNumberFlag, 0);
    EXPECT_EQ(EXTPriData.tstCharFlag, 0);
    EXPECT_EQ(EXTPriData.tst.code, -1);
    EXPECT_EQ(EXTPriData.tstCodeFlag, 0);
    ASSERT_EQ(parseBody("$PTST,00001,05,A,Z,65536"), 0);
    EXPECT_EQ(EXTPriData.tstNumberFlag, 1);
    EXPECT_EQ(EXTPriData.tstCharFlag, 1);
    EXPECT_EQ(EXTPriData.tstCodeFlag, 1);

    ASSERT_EQ(parseBody("$PFRQ,161975000,10,999999999,2"), 0);
    EXPECT_EQ(EXTPriData.frqFlag[0], 1);
    EXPECT_EQ(EXTPriData.frqFlag[1], 0);
    ASSERT_EQ(parseBody("$PBTH,001,002,003,004,005,,"), 0);
    EXPECT_EQ(EXTPriData.bthValuesFlag, 0);
    EXPECT_EQ(EXTPriData.bthTextFlag, 0);
    ASSERT_EQ(parseBody("$PBDY,1000000000,A,B,1,0"), 0);
    EXPECT_EQ(EXTPriData.bdyFlag, 0);
    ASSERT_EQ(parseBody("$PBDY,1000000000,A,B,1,1"), 0);
    EXPECT_EQ(EXTPriData.bdyFlag, 1);
    ASSERT_EQ(parseBody("$PGBP,3,120000.00,5030.0000,N,00200.0000,W,1.5,2.5,010224"), 0);
    EXPECT_EQ(EXTPriData.gbpFlag, 1);
    EXPECT_NEAR(EXTPriData.gbp.position.longitude, -2.0, 1e-9);
    EXPECT_EQ(EXTPriData.gbp.date.year, 2024);

    // The AIQ and "Smg" sentences have no group and are not stored.
    I61162_Data_Structure r{};
    ASSERT_EQ(parseBody("$PQXV,Q,AIQ,Smg,1", &r), 0);
    EXPECT_EQ(r.group, 255);
    EXPECT_EQ(r.fields.aiq.value, 1);

    SensorInitial();
    EXPECT_EQ(EXTPriData.gbpFlag, 0);
    EXPECT_EQ(EXTPriData.frqFlag[0], 0);
}

TEST_F(ProprietarySentence, ComposersRefuseWhatDoesNotFit)
{
    I61162_Data_Structure r{};
    ASSERT_EQ(composeBack("$PBTH,001,002,003,004,005,006,BT READY", &r), withChecksum("$PBTH,001,002,003,004,005,006,BT READY"));
    char small[20] = {};
    EXPECT_FALSE(I62_FMT_PBTH_Compose(small, &r, sizeof(small)));
    char text[I62_SENTENCE_OUT_SIZE] = {};
    EXPECT_FALSE(I62_Compose(text, &r, 30));
}
