#include "i62/NavSentence.h"

#include "i62/I62Sentence.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The parsers work in place on the received text.
bool run(bool (*parser)(char*, I61162_Data_Structure*), const std::string& text, I61162_Data_Structure* record)
{
    char buffer[96] = {};
    std::strncpy(buffer, text.c_str(), sizeof(buffer) - 1);
    *record = I61162_Data_Structure{};
    return parser(buffer, record);
}

} // namespace

TEST(NavSentence, QueryTakesTheQueriedFormatter)
{
    I61162_Data_Structure r;
    ASSERT_TRUE(run(I62_FMT_Q, "$AIAIQ,VER*3C\r\n", &r));
    EXPECT_STREQ(r.fields.query.formatter, "VER");
    EXPECT_FALSE(run(I62_FMT_Q, "$AIAIQ,VER,X*00\r\n", &r)) << "one field only";
    EXPECT_FALSE(run(I62_FMT_Q, "$AIAIQ*00\r\n", &r));
    char text[] = "$AIAIQ,VER*3C\r\n";
    EXPECT_FALSE(I62_FMT_Q(text, nullptr));
}

TEST(NavSentence, RmaStatusAndPosition)
{
    I61162_Data_Structure r;
    ASSERT_TRUE(run(I62_FMT_RMA, "$GPRMA,A,3723.465,N,12202.345,W,,,12.5,,,,*00\r\n", &r));
    EXPECT_EQ(r.fields.rma.status, 'A');
    EXPECT_NEAR(r.fields.rma.position.latitude, 37.39108, 1e-5);
    EXPECT_NEAR(r.fields.rma.position.longitude, -122.03908, 1e-5);
    ASSERT_TRUE(run(I62_FMT_RMA, "$GPRMA,V,,,,,*00\r\n", &r)) << "empty fields read empty";
    EXPECT_EQ(r.fields.rma.status, 'V');
    EXPECT_DOUBLE_EQ(r.fields.rma.position.latitude, 91.0);
}

TEST(NavSentence, WaypointPositionAndIdentifier)
{
    I61162_Data_Structure r;
    ASSERT_TRUE(run(I62_FMT_WPL, "$GPWPL,4917.16,N,12310.64,W,003*65\r\n", &r));
    EXPECT_NEAR(r.fields.wpl.position.latitude, 49.286, 1e-4);
    EXPECT_NEAR(r.fields.wpl.position.longitude, -123.17733, 1e-5);
    EXPECT_STREQ(r.fields.wpl.ident, "003");
    ASSERT_TRUE(run(I62_FMT_WPL, "$GPWPL,4917.16,N,12310.64,W,*00\r\n", &r));
    EXPECT_STREQ(r.fields.wpl.ident, "");
    EXPECT_FALSE(run(I62_FMT_WPL, "$GPWPL,4917.16,N,12310.64,W*00\r\n", &r)) << "five commas";
    // An identifier longer than its field is cut with its NUL.
    ASSERT_TRUE(run(I62_FMT_WPL, "$GPWPL,4917.16,N,12310.64,W," + std::string(60, 'X') + "*00\r\n", &r));
    EXPECT_EQ(std::strlen(r.fields.wpl.ident), sizeof(r.fields.wpl.ident) - 1);
}
