#include "device/AISControl.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

using TestSupport::withChecksum;

TEST(AisControl, EachReplyKindIsRecognisedAndCut)
{
    CAISControl control;
    ASSERT_TRUE(control.paser(withChecksum("$PQXV,R,CFG,183,2000,5,").c_str()));
    SCFGCommandStruct cfg = control.commandData().cfg;
    EXPECT_EQ(cfg.group, 183);
    EXPECT_EQ(cfg.subIndex, 2000);
    EXPECT_EQ(cfg.value, 5);
    EXPECT_STREQ(cfg.text, "");

    ASSERT_TRUE(control.paser(withChecksum("$PQXV,R,CFG,30,5,2,HARBOUR MASTER ^2C CH 16").c_str()));
    EXPECT_STREQ(control.commandData().cfg.text, "HARBOUR MASTER ^2C CH 16");

    ASSERT_TRUE(control.paser(withChecksum("$AIEPV,R,AI,211234567,109,75").c_str()));
    EXPECT_EQ(control.commandData().epv.uniqueId, 211234567u);
    EXPECT_EQ(control.commandData().epv.propertyId, 109u);
    EXPECT_EQ(control.commandData().epv.value, 75u);

    ASSERT_TRUE(control.paser(withChecksum("$AICEK,1,1,,211234567,00000000000000000000000000000000414243,R").c_str()));
    const SCEKCommandStruct cek = control.commandData().cek;
    EXPECT_EQ(cek.field1, 1);
    EXPECT_EQ(cek.field3, 0);
    EXPECT_EQ(cek.field4, 211234567);
    EXPECT_STREQ(cek.key, "00000000000000000000000000000000414243");
    EXPECT_EQ(cek.status, 'R');
    // The CFG record from before is kept.
    EXPECT_EQ(control.commandData().cfg.group, 30);
}

TEST(AisControl, EdgesOfTheFields)
{
    CAISControl control;
    const struct
    {
        const char* body;
        int group, sub, value;
    } cfgCases[] = {
        {"$PQXV,R,CFG,183,2000, ,", 183, 2000, 255}, // a blank value
        {"$PQXV,R,CFG,183,2000,,", 183, 2000, 0},    // an empty one
        {"$PQXV,R,CFG, , ,1,", 0, 0, 1},
    };
    for (const auto& c : cfgCases) {
        ASSERT_TRUE(control.paser(withChecksum(c.body).c_str())) << c.body;
        EXPECT_EQ(control.commandData().cfg.group, c.group) << c.body;
        EXPECT_EQ(control.commandData().cfg.subIndex, c.sub) << c.body;
        EXPECT_EQ(control.commandData().cfg.value, c.value) << c.body;
    }
    // A command ("C") is no reply: cut directly, it gives an all-zero record.
    EXPECT_FALSE(control.paser(withChecksum("$PQXV,C,CFG,183,2000,5,").c_str()));
    std::string command = "$PQXV,C,CFG,183,2000,5,*00";
    control.pqxvProc(&command[0]);
    EXPECT_EQ(control.commandData().cfg.group, 0);
    EXPECT_EQ(control.commandData().cfg.value, 0);
    // EPV with six commas: recognised, zeros.
    ASSERT_TRUE(control.paser(withChecksum("$AIEPV,R,AI,211234567,109,75,9").c_str()));
    EXPECT_EQ(control.commandData().epv.propertyId, 0u);
    EXPECT_EQ(control.commandData().epv.value, 0u);
    // CEK status blank is "R"; empty is NUL.
    ASSERT_TRUE(control.paser(withChecksum("$AICEK,1,1,,211234567,4142, ").c_str()));
    EXPECT_EQ(control.commandData().cek.status, 'R');
    ASSERT_TRUE(control.paser(withChecksum("$AICEK,1,1,,211234567,4142,").c_str()));
    EXPECT_EQ(control.commandData().cek.status, '\0');
}

TEST(AisControl, WhatIsNotAReplyChangesNothing)
{
    CAISControl control;
    ASSERT_TRUE(control.paser(withChecksum("$PQXV,R,CFG,108,3,1,").c_str()));
    std::string bad = withChecksum("$PQXV,R,CFG,183,2000,5,");
    bad[bad.size() - 3] = bad[bad.size() - 3] == '0' ? '1' : '0';
    const char* const refused[] = {
        bad.c_str(),                                                  // wrong checksum
        "#PQXV,R,CFG,183,2000,5,*00\r\n",                             // not a sentence start
        "+ok=$PQXV,R,CFG,183,2000,5,\r\n",                            // a line holding a reply
        "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,,,,,,*4F\r\n", // another sentence
    };
    for (const char* text : refused)
        EXPECT_FALSE(control.paser(text)) << text;
    EXPECT_FALSE(control.paser(withChecksum("$PQXV,R,CFG,183,2000").c_str())) << "fields missing";
    EXPECT_FALSE(control.paser(nullptr));
    EXPECT_EQ(control.commandData().cfg.group, 108);
    EXPECT_EQ(control.commandData().cfg.subIndex, 3);
    // Overlong text is never copied past its buffer.
    EXPECT_FALSE(control.paser(("$PQXV,R,CFG,30,5,0," + std::string(400, 'X') + "*00\r\n").c_str()));
}
