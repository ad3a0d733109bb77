#include "i62/AtonStore.h"

#include "i62/I62Sentence.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace TestSupport;

TEST(AtonStore, KeepsEachSentenceWithItsFlag)
{
    AtoN_sentence_data store{};
    I61162_Data_Structure record{};
    std::memcpy(record.formatter, "ACE", 4);
    record.fields.ace.mmsi = 992351000;
    record.fields.ace.dimension = ATON_REF_POINT_DIMENSION{5, 5, 50, 10};
    std::strcpy(record.fields.ace.nameExtension, "NORTH CARDINAL");
    record.fields.ace.status = 'R';
    record.fields.ace.present = 0x1FF;
    StoreAtoNData(&record, &store);
    EXPECT_EQ(store.acePresent, 1);
    EXPECT_EQ(store.ace.mmsi, 992351000);
    EXPECT_EQ(store.ace.dimension.a, 10);
    EXPECT_STREQ(store.ace.nameExtension, "NORTH CARDINAL");
    EXPECT_EQ(store.ace.present, 0x1FF);
    EXPECT_EQ(store.aarPresent, 0);

    std::memcpy(record.formatter, "VER", 4);
    std::strcpy(record.fields.ver.texts[6], "1.2.3");
    StoreAtoNData(&record, &store);
    EXPECT_EQ(store.verPresent, 1);
    EXPECT_STREQ(store.ver.texts[6], "1.2.3");

    std::memcpy(record.formatter, "VDM", 4);
    const AtoN_sentence_data before = store;
    StoreAtoNData(&record, &store);
    EXPECT_EQ(std::memcmp(&before, &store, sizeof(store)), 0);
    StoreAtoNData(nullptr, &store);
    StoreAtoNData(&record, nullptr);
}

TEST(AtonStore, ReceivedSentencesReachTheStore)
{
    initLibrary();
    EXTAtoNData = AtoN_sentence_data{};
    EXPECT_EQ(parseBody("$AIACE,992351000,0A,2087,01,00,02,NORTH CARDINAL,0100500505,R"), I62_RESULT_TAKEN);
    EXPECT_EQ(EXTAtoNData.acePresent, 1);
    EXPECT_EQ(EXTAtoNData.ace.dimension.a, 10);
    // A refused sentence leaves the store alone.
    EXPECT_EQ(parseBody("$AIAAR,992351000,1,2,3,4,5,6,7,8,9,10,11,Q"), I62_RESULT_REFUSED);
    EXPECT_EQ(EXTAtoNData.aarPresent, 0);
}
