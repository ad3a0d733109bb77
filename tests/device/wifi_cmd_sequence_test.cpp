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

TEST(WiFiCmdSequence, OnlyTheScanMarkerAwaitsNoReply)
{
    const std::vector<SWiFiCmdLine> scan = WiFiCmdSequence::clientScan(kTable);
    EXPECT_EQ(textsOf(scan), (std::vector<std::string>{"AT+SCAN", "!WiFiScanEnd"}));
    SClintAPCntData request{"Pier", "WPA", "pw"};
    for (const auto& job : {WiFiCmdSequence::basicInfoQuery(kTable), WiFiCmdSequence::factoryReset(kTable),
                            WiFiCmdSequence::modeCtrl(kTable, true, WIFI_OPERATION_MODE_AP),
                            WiFiCmdSequence::clientAPCnt(kTable, request), WiFiCmdSequence::clientAPCntStatus(kTable)}) {
        for (const SWiFiCmdLine& line : job)
            EXPECT_TRUE(line.awaitOk) << line.word;
    }
}
