#include "i62/I62Group.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace TestSupport;

namespace {

struct SGroupCase
{
    const char* formatter;
    int group;
    int id;
};

} // namespace

TEST(I62Group, FormattersGroupsAndIds)
{
    const SGroupCase cases[] = {
        {"GGA", 1, 1},   {"DTM", 1, 9},   {"ROT", 2, 10},  {"HDM", 2, 14},  {"LRI", 3, 15},  {"LR3", 3, 19},
        {"ABK", 4, 20},  {"VDM", 4, 29},  {"VDO", 4, 30},  {"TXT", 4, 31},  {"DSC", 5, 32},  {"DSR", 5, 35},
        {"MID", 6, 36},  {"GBP", 6, 45},  {"AAR", 7, 46},  {"VER", 7, 57},  {"OSD", 8, 58},  {"RSD", 8, 59},
        {"TTM", 8, 63},  {"Q", 88, 0},    {"QQQ", 88, 0},  {"GRS", -1, 64}, {"GST", -1, 64}, {"AIR", -1, 64},
        {"TLB", -1, 64}, {"RMA", -1, 64}, {"gga", -1, 64}, {"", -1, 64},
    };
    for (const SGroupCase& c : cases) {
        int group = 0;
        int id = 0;
        I62_GetGroupType(&group, &id, c.formatter);
        EXPECT_EQ(group, c.group) << c.formatter;
        EXPECT_EQ(id, c.id) << c.formatter;
    }
    int group = 0;
    int id = 0;
    I62_GetGroupType(&group, &id, nullptr);
    EXPECT_EQ(group, -1);
    EXPECT_EQ(id, 64);
}

TEST(I62Group, QueriesFillTheFourSlots)
{
    initLibrary();
    I61162_Data_Structure record{};
    ASSERT_EQ(parseBody("$AIAIQ,VER", &record), I62_RESULT_TAKEN);
    EXPECT_STREQ(record.formatter, "Q");
    EXPECT_EQ(record.group, I62_GROUP_QUERY);
    EXPECT_STREQ(I62QueryData.formatter[0], "VER");
    EXPECT_EQ(I62QueryData.used[0], 1);
    // A standard AIQ is a query too, and refused for its two commas.
    EXPECT_EQ(parseBody("$AIAIQ,Smg,1"), I62_RESULT_REFUSED);
    EXPECT_EQ(I62QueryData.used[1], 0);

    const char* const queried[] = {"SSD", "VSDX", "ACA", "TXT"};
    for (const char* formatter : queried)
        EXPECT_EQ(parseBody(std::string("$ECAIQ,") + formatter), I62_RESULT_TAKEN);
    EXPECT_STREQ(I62QueryData.formatter[1], "SSD");
    EXPECT_STREQ(I62QueryData.formatter[2], "VSD"); // cut to three characters
    EXPECT_STREQ(I62QueryData.formatter[3], "ACA"); // the fifth query found every slot used
    SensorInitial();
    EXPECT_EQ(I62QueryData.used[0], 0);
}

TEST(I62Group, ProcessDataWritesTheGroup)
{
    initLibrary();
    I61162_Data_Structure record{};
    ASSERT_EQ(parseBody("$GPGRS,024603.00,1,-1.8,-2.7,0.3,,,,,,,,,", &record), I62_RESULT_TAKEN);
    EXPECT_EQ(record.group, 255); // parsed, no group, nothing stored
    ASSERT_EQ(parseBody("$IIHDT,123.4,T", &record), I62_RESULT_TAKEN);
    EXPECT_EQ(record.group, I62_GROUP_SENSOR);
}
