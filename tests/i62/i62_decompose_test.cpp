#include "i62/I62Decompose.h"

#include "i62/I62Group.h"
#include "i62/I62Sentence.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

using namespace TestSupport;

namespace {

// Decomposes a text that sits at the very start of a heap block of its own size (plus the room
// the decomposition may use), so that a read before or past it is reported.
uint8_t decomposeExact(const std::string& text, I61162_Data_Structure* record, std::size_t room = 8)
{
    const std::size_t size = text.size() + 1 + room;
    std::unique_ptr<char[]> buffer(new char[size]());
    std::memcpy(buffer.get(), text.c_str(), text.size() + 1);
    return I62_Decompose(buffer.get(), record, size);
}

struct SFrameCase
{
    const char* text;
    uint8_t result;
};

} // namespace

TEST(I62Decompose, FrameResults)
{
    const std::string zda = withChecksum("$GPZDA,160012.71,11,03,2004,-1,00");
    const std::string lfOnly = zda.substr(0, zda.size() - 2) + "\n";
    const std::string noLf = zda.substr(0, zda.size() - 1);
    std::string badSum = zda;
    badSum[8] = '7';
    const SFrameCase cases[] = {
        {zda.c_str(), I62_RESULT_TAKEN},  {lfOnly.c_str(), I62_RESULT_NO_CR},
        {noLf.c_str(), I62_RESULT_NO_LF}, {badSum.c_str(), I62_RESULT_CHECKSUM},
        {"", I62_RESULT_NO_LF},           {"\n", I62_RESULT_NO_CR},
        {"\r\n", I62_RESULT_CHECKSUM},    {"$\r\n", I62_RESULT_CHECKSUM},
    };
    for (const SFrameCase& c : cases) {
        I61162_Data_Structure record{};
        EXPECT_EQ(decomposeExact(c.text, &record), c.result) << c.text;
    }
    I61162_Data_Structure record{};
    EXPECT_EQ(I62_Decompose(nullptr, &record), I62_RESULT_NO_LF);
    char text[] = "$GPZDA\r\n";
    EXPECT_EQ(I62_Decompose(text, nullptr), I62_RESULT_REFUSED);
}

TEST(I62Decompose, SentenceWithoutChecksumIsTaken)
{
    char text[I62_SENTENCE_BUF_SIZE] = "$GPZDA,160012.71,11,03,2004,-1,00\r\n";
    I61162_Data_Structure record{};
    EXPECT_EQ(I62_Decompose(text, &record), I62_RESULT_TAKEN);
    EXPECT_EQ(record.fields.zda.year, 2004);
    // The rewritten checksum field survives behind the last field.
    EXPECT_NE(std::string(text, sizeof(text)).find("00\0FF\r\n", 0, 8), std::string::npos);
}

TEST(I62Decompose, SentencesAreTakenUpToTwoHundredCharactersBlanksCounted)
{
    // A text sentence of the given length, CR LF counted; the second form marks one empty field.
    const struct
    {
        const char* head;
        std::size_t blanks;
    } forms[] = {{"$AITXT,01,01,91,", 0}, {"$AITXT,01,01,,", 1}};
    for (const auto& form : forms) {
        for (std::size_t length : {199u, 200u, 201u}) {
            std::string body = form.head;
            body.append(length - body.size() - 5, 'T'); // "*hh" CR LF
            const std::string text = withChecksum(body);
            ASSERT_EQ(text.size(), length);
            I61162_Data_Structure record{};
            const bool taken = length + form.blanks <= 200;
            EXPECT_EQ(decomposeExact(text, &record), taken ? I62_RESULT_TAKEN : I62_RESULT_REFUSED)
                << form.head << " " << length;
            if (taken) { // the text is cut to its field
                EXPECT_EQ(std::string(record.fields.txt.text), std::string(TXT_TEXT_SIZE - 1, 'T'));
            }
        }
    }
}

TEST(I62Decompose, TextThatOutgrowsItsBufferIsRefused)
{
    // Sixty empty fields: the blanks would take the text past the 100 bytes of its buffer.
    std::string body = "$GPTXT";
    body.append(60, ',');
    I61162_Data_Structure record{};
    EXPECT_EQ(decomposeExact(withChecksum(body), &record, 100), I62_RESULT_REFUSED);
    // A buffer without room for the blanks is refused before they are written.
    const std::string gga = withChecksum("$GPGGA,,,,,,,,,,,,,,");
    EXPECT_EQ(decomposeExact(gga, &record, 0), I62_RESULT_REFUSED);
    EXPECT_EQ(decomposeExact(gga, &record, 14), I62_RESULT_TAKEN);
}

TEST(I62Decompose, AddressesTooShortAreRefusedWithoutReadingAroundThem)
{
    const char* const bodies[] = {"$P,1,2",       "$PA,1",          "$PAB,1",    "$P",
                                  "$GP,1",        "$GPGG,1",        "$PQXV,C",   "$PQXV,",
                                  "$PQXV,C,MI,1", "$PQXV,CC,MID,1", "$PQXV,C,,1"};
    for (const char* body : bodies) {
        I61162_Data_Structure record{};
        EXPECT_EQ(decomposeExact(withChecksum(body), &record, 0), I62_RESULT_REFUSED) << body;
    }
}

TEST(I62Decompose, MakerSentencesTakeTheirSubTypeAndFormatter)
{
    I61162_Data_Structure record{};
    EXPECT_EQ(decomposeExact(withChecksum("$PQXV,C,MID,211000000,"), &record), I62_RESULT_TAKEN);
    EXPECT_STREQ(record.talker, "P");
    EXPECT_STREQ(record.formatter, "MID");
    EXPECT_EQ(record.subType, 'C');
    int group = 0;
    int id = 0;
    I62_GetGroupType(&group, &id, record.formatter);
    EXPECT_EQ(group, I62_GROUP_PROPRIETARY);
    EXPECT_EQ(id, 36);
    EXPECT_EQ(record.fields.pmid.mmsi1, 211000000);
    EXPECT_EQ(record.fields.pmid.mmsi2, 999999999);

    record = I61162_Data_Structure{};
    EXPECT_EQ(decomposeExact(withChecksum("$PMID,211000000,"), &record), I62_RESULT_TAKEN);
    EXPECT_STREQ(record.formatter, "MID");
    EXPECT_EQ(record.subType, 0);
}

TEST(I62Decompose, FormattersWithoutParsersAreRefused)
{
    const char* const bodies[] = {
        "$PQXV,R,CFG,108,1",                       // configuration replies belong to the transponder link
        "$AIAIQ,Smg,1",                            // AIQ is taken as a query, which has one comma
        "$GPXYZ,1",                                // unknown
        "$GPgga,1,2,3,4,5,6,7,8,9,10,11,12,13,14", // formatters are case-sensitive
        "$AIAIR,211000000,5,,,,,,",                // parsed by the library, not dispatched
    };
    for (const char* body : bodies) {
        I61162_Data_Structure record{};
        EXPECT_EQ(decomposeExact(withChecksum(body), &record), I62_RESULT_REFUSED) << body;
    }
}

TEST(I62Decompose, RmaAndWaypoint)
{
    I61162_Data_Structure record{};
    EXPECT_EQ(decomposeExact(withChecksum("$GPRMA,A,3723.465,N,12202.345,W,,,12.5,,,,"), &record), I62_RESULT_TAKEN);
    EXPECT_EQ(record.fields.rma.status, 'A');
    EXPECT_NEAR(record.fields.rma.position.latitude, 37.39108, 1e-5);
    EXPECT_NEAR(record.fields.rma.position.longitude, -122.03908, 1e-5);
    // Without a field count check, missing fields read empty.
    EXPECT_EQ(decomposeExact(withChecksum("$GPRMA"), &record, 0), I62_RESULT_TAKEN);
    EXPECT_EQ(record.fields.rma.status, I62_U8_EMPTY);
    EXPECT_DOUBLE_EQ(record.fields.rma.position.latitude, 91.0);

    EXPECT_EQ(decomposeExact(withChecksum("$GPWPL,4917.16,N,12310.64,W,003"), &record), I62_RESULT_TAKEN);
    EXPECT_NEAR(record.fields.wpl.position.latitude, 49.286, 1e-4);
    EXPECT_STREQ(record.fields.wpl.ident, "003");
    EXPECT_EQ(decomposeExact(withChecksum("$GPWPL,4917.16,N,12310.64,W,"), &record), I62_RESULT_TAKEN);
    EXPECT_STREQ(record.fields.wpl.ident, "");
    EXPECT_EQ(decomposeExact(withChecksum("$GPWPL,4917.16,N,12310.64,W,ABCDEFGHIJKLMNOPQRSTUVWXYZ"), &record),
              I62_RESULT_TAKEN);
    EXPECT_STREQ(record.fields.wpl.ident, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(decomposeExact(withChecksum("$GPWPL,4917.16,N,12310.64,W"), &record), I62_RESULT_REFUSED);
}
