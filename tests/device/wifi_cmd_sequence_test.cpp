// The AT command sequences of the Wi-Fi jobs as composed, before anything is sent.
#include "WiFiTestSupport.h"

#include "device/WiFiCmdSequence.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace WiFiScope;

namespace {

// "word" or "word=parameter", with "!" in front of a line that awaits no reply.
std::vector<std::string> textsOf(const std::vector<SWiFiCmdLine>& lines)
{
    std::vector<std::string> texts;
    for (const SWiFiCmdLine& line : lines) {
        std::string text = (line.awaitOk ? "" : "!") + line.word;
        if (!line.parameter.empty())
            text += "=" + line.parameter;
        EXPECT_EQ(line.textLength(), text.size() - (line.awaitOk ? 0 : 1)) << text;
        texts.push_back(text);
    }
    return texts;
}

const SWiFiCmdTable kTable;

} // namespace

TEST(WiFiCmdSequence, QueryIsTheTwelveBareCommandsInOrder)
{
    EXPECT_EQ(textsOf(WiFiCmdSequence::basicInfoQuery(kTable)),
              (std::vector<std::string>{"AT+WLANEN", "AT+OPMODE", "AT+APSSID", "AT+SECMODE", "AT+PSK", "AT+SYSIPSET",
                                        "AT+TCPPORT", "AT+APCHAN", "AT+VER", "AT+SYSIP", "AT+DHCPDEN",
                                        "AT+DHCPCEN"}));
    // Exactly the commands whose answers make the settings read complete.
    const SCmdProcData flags;
    int needed = 0;
    for (const SWiFiCmdLine& line : WiFiCmdSequence::basicInfoQuery(kTable)) {
        const int id = kTable.find(line.word.c_str());
        ASSERT_NE(id, WIFI_AT_NONE);
        EXPECT_EQ(kTable.cmd[id], line.word) << "the table names each word exactly";
        needed += flags.queryNeeded[id];
    }
    EXPECT_EQ(needed, 12);
}

TEST(WiFiCmdSequence, AccessPointFieldsAreReadWithinTheirArrays)
{
    SAPData ap = WiFiTest::apSettings("Harbour AP", "10.0.0.1", "255.255.0.0", 2000, 11, "NONE", "p");
    std::memset(ap.szSSID, 'S', sizeof(ap.szSSID)); // no terminator
    ap.iChannel = -1;
    ap.szSubnetMask[0] = '\0';
    const std::vector<std::string> texts = textsOf(WiFiCmdSequence::apSetup(kTable, ap));
    EXPECT_EQ(texts[0], "AT+APSSID=" + std::string(sizeof(ap.szSSID), 'S'));
    EXPECT_EQ(texts[1], "AT+APCHAN=-1");
    EXPECT_EQ(texts[2], "AT+SYSIPSET=10.0.0.1,");
}

TEST(WiFiCmdSequence, FactoryResetScanAndLinkStatus)
{
    EXPECT_EQ(textsOf(WiFiCmdSequence::factoryReset(kTable)), (std::vector<std::string>{"AT+FACTDEF", "AT+APPLY"}));
    EXPECT_EQ(textsOf(WiFiCmdSequence::clientScan(kTable)), (std::vector<std::string>{"AT+SCAN", "!WiFiScanEnd"}));
    EXPECT_EQ(textsOf(WiFiCmdSequence::clientAPCntStatus(kTable)), (std::vector<std::string>{"AT+STALINK"}));
}

TEST(WiFiCmdSequence, JoinRequest)
{
    struct Case
    {
        SClintAPCntData request;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {{"Pier 7", "WPA", "pass word"}, {"AT+STA=Pier 7", "AT+SECMODE=WPA-PSK", "AT+PSK=0,pass word", "AT+WAPPLY"}},
        {{"Pier 7", "WPA2", "p"}, {"AT+STA=Pier 7", "AT+SECMODE=WPA2-PSK", "AT+PSK=0,p", "AT+WAPPLY"}},
        {{"Pier 7", "NONE", "ignored"}, {"AT+STA=Pier 7", "AT+SECMODE=NONE", "AT+WAPPLY"}},
        {{"Pier 7", "wpa2", "p"}, {"AT+STA=Pier 7", "AT+SECMODE=wpa2", "AT+PSK=0,p", "AT+WAPPLY"}},
        {{"Pier 7", "WPA2-PSK", ""}, {"AT+STA=Pier 7", "AT+SECMODE=WPA2-PSK", "AT+PSK=0,", "AT+WAPPLY"}},
        // Empty texts give the query forms.
        {{"", "", ""}, {"AT+STA", "AT+SECMODE", "AT+PSK=0,", "AT+WAPPLY"}},
    };
    for (const Case& c : cases) {
        const SClintAPCntData before = c.request;
        EXPECT_EQ(textsOf(WiFiCmdSequence::clientAPCnt(kTable, c.request)), c.lines) << c.request.security;
        EXPECT_EQ(c.request.security, before.security) << "the request itself is not changed";
    }
}
