#include "wifi/WiFiConfig.h"

#include "LogProbe.h"
#include "comm/RawDataHandle.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace WiFiScope;

namespace {

// The module's reply as it arrives: the link cuts the bytes into lines ending in CR LF.
void feed(CWiFiConfig& wifi, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        wifi.cmdProc((line + "\r\n").c_str());
}

void query(CWiFiConfig& wifi, const char* command, const std::string& value)
{
    feed(wifi, {std::string(">") + command, "+ok=" + value});
}

} // namespace

TEST(WiFiCmdTable, TwentyOneTextsInTheirBindingOrder)
{
    const SWiFiCmdTable table;
    const char* const expected[WIFI_AT_TABLE_SIZE] = {
        "AT+SYSIPSET", "AT+SYSIP",    "AT+WLANEN",  "AT+OPMODE", "AT+WAPPLY", "AT+APSSID",  "AT+SECMODE",
        "AT+PSK",      "AT+APCHAN",   "AT+STALINK", "AT+STA",    "AT+SCAN",   "AT+DHCPDEN", "AT+DHCPCEN",
        "AT+TCPPORT",  "AT+SYSAPPLY", "AT+FACTDEF", "AT+VER",    "AT+APPLY",  "+ok",        "+err"};
    for (int id = 0; id < WIFI_AT_TABLE_SIZE; ++id)
        EXPECT_STREQ(table.cmd[id], expected[id]) << id;
    EXPECT_EQ(table.find(">AT+SYSIPSET"), WIFI_AT_SYSIPSET);
    EXPECT_EQ(table.find(">AT+SYSIP"), WIFI_AT_SYSIP);
    EXPECT_EQ(table.find(">AT+STALINK"), WIFI_AT_STALINK);
    EXPECT_EQ(table.find(">AT+STA=Harbour"), WIFI_AT_STA);
    EXPECT_EQ(table.find("+ok"), WIFI_AT_NONE);
}

TEST(WiFiConfig, ReadinessWaitsForTheTwelveQueries)
{
    CWiFiConfig wifi;
    LogProbe log;
    EXPECT_FALSE(wifi.isQueryDataReady());
    const auto records = log.records();
    std::vector<std::string> missing;
    for (const auto& r : records) {
        if (r.text.find(" is 0") != std::string::npos)
            missing.push_back(r.text);
    }
    ASSERT_EQ(missing.size(), 12u);
    EXPECT_EQ(missing.front(), "AT+SYSIPSET is 0");
    EXPECT_EQ(missing.back(), "AT+VER is 0");

    query(wifi, "AT+SYSIPSET", "192.168.4.1,255.255.255.0");
    query(wifi, "AT+SYSIP", "10.0.0.5,255.255.255.0,10.0.0.1");
    query(wifi, "AT+WLANEN", "1");
    query(wifi, "AT+OPMODE", "1");
    query(wifi, "AT+APSSID", "KELVORA-AIS");
    query(wifi, "AT+SECMODE", "WPA2-PSK");
    query(wifi, "AT+PSK", "0,sea,breeze 2026");
    query(wifi, "AT+APCHAN", "6");
    query(wifi, "AT+DHCPDEN", "1");
    query(wifi, "AT+DHCPCEN", "0");
    query(wifi, "AT+TCPPORT", "2000");
    EXPECT_FALSE(wifi.isQueryDataReady());
    query(wifi, "AT+VER", "KW-2.1.7");
    LogProbe quiet;
    EXPECT_TRUE(wifi.isQueryDataReady());
    EXPECT_EQ(quiet.count(" is 0"), 0);

    const SCmdProcData d = wifi.getCmdProcData();
    EXPECT_STREQ(d.data.sAPData.szIpAddress, "192.168.4.1");
    EXPECT_STREQ(d.data.sAPData.szSubnetMask, "255.255.255.0");
    EXPECT_EQ(d.data.sLinkStatus.currentIp, "10.0.0.5");
    EXPECT_EQ(d.data.sLinkStatus.secondAddress, "10.0.0.1");
    EXPECT_TRUE(d.data.bWlanEnable);
    EXPECT_EQ(d.data.iOperationMode, 1);
    EXPECT_STREQ(d.data.sAPData.szSSID, "KELVORA-AIS");
    EXPECT_STREQ(d.data.sAPData.szSecurity, "WPA2-PSK");
    EXPECT_STREQ(d.data.sAPData.szPassPhrase, "sea,breeze 2026") << "a comma of the phrase is kept";
    EXPECT_EQ(d.data.sLinkStatus.passPhrase, "sea,breeze 2026");
    EXPECT_EQ(d.data.sAPData.iChannel, 6);
    EXPECT_EQ(d.data.iDhcpServer, 1);
    EXPECT_EQ(d.data.iDhcpClient, 0);
    EXPECT_EQ(d.data.sAPData.iTcpPort, 2000);
    EXPECT_EQ(d.data.sLinkStatus.tcpPort, 2000);
    EXPECT_STREQ(d.data.szVersion, "KW-2.1.7");

    wifi.reset();
    EXPECT_EQ(wifi.getCmdProcData().data.iOperationMode, -1);
    EXPECT_EQ(wifi.systemMode(), WIFI_SYS_MODE_UNKNOWN);
    EXPECT_EQ(wifi.getCmdProcData().data.sLinkStatus.currentIp, "10.0.0.5") << "the link status stays";
}

TEST(WiFiReplies, ValuesAndTheirEdges)
{
    CWiFiConfig wifi;
    query(wifi, "AT+SYSIPSET", "192.168.100.100,255.255.255.0,extra");
    query(wifi, "AT+SYSIPSET", "10.1.1.1,255.0.0.0");
    SCmdProcData d = wifi.getCmdProcData();
    EXPECT_STREQ(d.data.sAPData.szIpAddress, "10.1.1.1") << "no trace of the longer address";
    query(wifi, "AT+PSK", "secret-one");
    query(wifi, "AT+PSK", "0,secret-two");
    query(wifi, "AT+PSK", "0");
    d = wifi.getCmdProcData();
    EXPECT_STREQ(d.data.sAPData.szPassPhrase, "secret-two");
    query(wifi, "AT+WLANEN", "2");
    d = wifi.getCmdProcData();
    EXPECT_FALSE(d.data.bWlanEnable);
    EXPECT_EQ(d.replyReady[WIFI_AT_WLANEN], 1);
    // The longest texts the module sends fit their fields whole; longer ones are cut.
    const std::string ssid32(32, 'S');
    const std::string phrase64(64, 'p');
    query(wifi, "AT+APSSID", ssid32);
    query(wifi, "AT+PSK", "0," + phrase64);
    query(wifi, "AT+VER", std::string(80, 'v'));
    query(wifi, "AT+SECMODE", std::string(40, 'x'));
    d = wifi.getCmdProcData();
    EXPECT_EQ(std::string(d.data.sAPData.szSSID), ssid32);
    EXPECT_EQ(std::string(d.data.sAPData.szPassPhrase), phrase64);
    EXPECT_EQ(std::strlen(d.data.szVersion), sizeof(d.data.szVersion) - 1);
    EXPECT_EQ(std::strlen(d.data.sAPData.szSecurity), sizeof(d.data.sAPData.szSecurity) - 1);
    // "+ok" alone acknowledges a setting and reads no value.
    feed(wifi, {">AT+APSSID", "+ok"});
    EXPECT_EQ(std::string(wifi.getCmdProcData().data.sAPData.szSSID), ssid32);
}

TEST(WiFiReassembly, RepliesFormFromTheirLines)
{
    CXQDWiFiPaser paser;
    SCmdProcData target;
    paser.cmdProc(">AT+WLANEN\r\n", &target);
    EXPECT_EQ(paser.sentenceRetrieveState(), SENTENCE_RETRIEVE_COLLECT);
    EXPECT_EQ(paser.replyBuffer(), ">AT+WLANEN\r\n");
    paser.cmdProc("+ok=1\r\n", &target);
    EXPECT_EQ(paser.sentenceRetrieveState(), SENTENCE_RETRIEVE_IDLE);
    EXPECT_TRUE(target.data.bWlanEnable);

    // "AT+APPLY" ends only with the learning-state line.
    paser.cmdProc(">AT+APPLY\r\n", &target);
    paser.cmdProc("+ok\r\n", &target);
    EXPECT_EQ(paser.sentenceRetrieveState(), SENTENCE_RETRIEVE_COLLECT);
    paser.cmdProc("br0: port 2(ath0) entering learning state\r\n", &target);
    EXPECT_EQ(target.acknowledged[WIFI_AT_APPLY], 1);

    // Settings acknowledged and refused; a refusal changes no flag.
    paser.cmdProc(">AT+WAPPLY\r\n", &target);
    paser.cmdProc("+ok\r\n", &target);
    EXPECT_EQ(target.acknowledged[WIFI_AT_WAPPLY], 1);
    target.acknowledged[WIFI_AT_WAPPLY] = 0;
    paser.cmdProc(">AT+WAPPLY AT+SYSAPPLY\r\n", &target);
    paser.cmdProc("+ok\r\n", &target);
    EXPECT_EQ(target.acknowledged[WIFI_AT_WAPPLY], 1);
    EXPECT_EQ(target.acknowledged[WIFI_AT_SYSAPPLY], 0) << "only the first that the reply holds";
    paser.cmdProc(">AT+SYSAPPLY\r\n", &target);
    paser.cmdProc("+ok\r\n", &target);
    EXPECT_EQ(target.acknowledged[WIFI_AT_SYSAPPLY], 1);
    LogProbe log;
    paser.cmdProc(">AT+PSK=0,abc\r\n", &target);
    paser.cmdProc("+err\r\n", &target);
    EXPECT_EQ(log.count("[Else]="), 1);

    // Lines of no command, and blank lines, change nothing.
    paser.cmdProc("+ok\r\n", &target);
    paser.cmdProc("\r\n", &target);
    EXPECT_EQ(paser.sentenceRetrieveState(), SENTENCE_RETRIEVE_IDLE);
    EXPECT_EQ(log.count("Retrieve command not exist:"), 1);
    EXPECT_EQ(log.count("Sentence Retrieve State Wrong:"), 1);

    // A collecting reply keeps the command of its first line.
    paser.cmdProc(">AT+OPMODE\r\n", &target);
    paser.cmdProc("AT+VER\r\n", &target);
    EXPECT_EQ(paser.currentCommand(), WIFI_AT_OPMODE);

    std::queue<std::string> lines;
    CXQDWiFiPaser::segmentSentence("one\r\ntwo\r\nthree", lines);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines.front(), "one\r\n");
}

TEST(WiFiReassembly, EverySplitOfTheBytesGivesTheSameReplies)
{
    const std::string stream = ">AT+WLANEN\r\n+ok=1\r\n>AT+APSSID\r\n+ok=Harbour Net\r\n>AT+TCPPORT\r\n+ok=4001\r\n"
                               "stray line\r\n>AT+SECMODE\r\n+ok=WPA2-PSK\r\n";
    for (size_t cut = 1; cut < stream.size(); ++cut) {
        COMM::CRawDataHandle link;
        CWiFiConfig wifi;
        for (const std::string& chunk : {stream.substr(0, cut), stream.substr(cut)}) {
            link.appendToMsgQ(QByteArray::fromStdString(chunk), true);
            QByteArray line;
            while (link.queueNextMessage(&line))
                wifi.cmdProc(line.constData());
        }
        const SCmdProcData d = wifi.getCmdProcData();
        ASSERT_TRUE(d.data.bWlanEnable) << cut;
        ASSERT_STREQ(d.data.sAPData.szSSID, "Harbour Net") << cut;
        ASSERT_EQ(d.data.sAPData.iTcpPort, 4001) << cut;
        ASSERT_STREQ(d.data.sAPData.szSecurity, "WPA2-PSK") << cut;
    }
}

TEST(WiFiReassembly, ARepliesWithoutItsEndIsDroppedWhenPassThroughEndsOrItGrowsTooLong)
{
    CWiFiConfig wifi;
    wifi.setSystemMode(WIFI_SYS_MODE_CONFIG);
    feed(wifi, {">AT+APPLY", "+err"}); // a failed apply: its end line never comes
    query(wifi, "AT+OPMODE", "1");
    EXPECT_EQ(wifi.getCmdProcData().data.iOperationMode, -1) << "swallowed by the open reply";
    wifi.setSystemMode(WIFI_SYS_MODE_SENTENCE);
    wifi.setSystemMode(WIFI_SYS_MODE_CONFIG);
    query(wifi, "AT+OPMODE", "1");
    EXPECT_EQ(wifi.getCmdProcData().data.iOperationMode, 1);

    LogProbe log;
    wifi.cmdProc(">AT+SCAN\r\n");
    // A scan whose end marker never comes back.
    for (size_t bytes = 0; bytes <= CXQDWiFiPaser::kReplyLimit; bytes += 40)
        wifi.cmdProc(("Network " + std::to_string(bytes) + ",00:11:22:33:44:55,6,-70,WPA2\r\n").c_str());
    EXPECT_GE(log.count("without its end, dropped"), 1);
    query(wifi, "AT+OPMODE", "0");
    EXPECT_EQ(wifi.getCmdProcData().data.iOperationMode, 0);
}

TEST(WiFiConfigMode, TheDetectorFollowsReplyWordsAndSentences)
{
    CXQDWiFiPaser::resetCfgModeCheck();
    EXPECT_FALSE(CXQDWiFiPaser::checkCfgModeEnable("Harbour Net\r\n"));
    EXPECT_TRUE(CXQDWiFiPaser::checkCfgModeEnable("+ok\r\n"));
    EXPECT_TRUE(CXQDWiFiPaser::checkCfgModeEnable("WiFiScanEnd\r\n"));
    EXPECT_FALSE(CXQDWiFiPaser::checkCfgModeEnable("$GPGGA,1,2*00\r\n"));
    EXPECT_TRUE(CXQDWiFiPaser::checkCfgModeEnable("+err\r\n"));
    EXPECT_FALSE(CXQDWiFiPaser::checkCfgModeEnable("[WIFI] ready\r\n"));
    EXPECT_TRUE(CXQDWiFiPaser::checkCfgModeEnable("+ok=1\r\n"));
    EXPECT_FALSE(CXQDWiFiPaser::checkCfgModeEnable(">AT+EXIT\r\n"));
    EXPECT_FALSE(CXQDWiFiPaser::checkCfgModeEnable("+ok\r\n")) << "the exit's own answer";
    EXPECT_FALSE(CXQDWiFiPaser::checkCfgModeEnable("value\r\n"));
    CXQDWiFiPaser::resetCfgModeCheck();
}

// A link lost behind "AT+EXIT": the next link's first "+ok" is a reply word again.
TEST(WiFiConfigMode, AResetForgetsAnExitStillAwaitingItsAnswer)
{
    CWiFiConfig wifi;
    EXPECT_FALSE(CXQDWiFiPaser::checkCfgModeEnable(">AT+EXIT\r\n"));
    wifi.reset();
    EXPECT_TRUE(CXQDWiFiPaser::checkCfgModeEnable("+ok\r\n"));
    CXQDWiFiPaser::resetCfgModeCheck();
}

TEST(WiFiTextReaders, NeverPastTheTextOrTheDestination)
{
    char out[8];
    EXPECT_TRUE(CXQDWiFiPaser::delimDataRead(out, sizeof(out), "+ok=KelvoraNetwork\r\nmore", "+ok="));
    EXPECT_STREQ(out, "Kelvora");
    EXPECT_FALSE(CXQDWiFiPaser::delimDataRead(out, sizeof(out), "nothing", "+ok="));
    EXPECT_TRUE(CXQDWiFiPaser::charDataRead(out, sizeof(out), "K=", 50, "K=ab"));
    EXPECT_STREQ(out, "ab");
    EXPECT_FALSE(CXQDWiFiPaser::charDataRead(out, sizeof(out), "K=", -1, "K=ab"));
    int n = 0;
    EXPECT_TRUE(CXQDWiFiPaser::intDataRead(&n, "=", "x= -42y"));
    EXPECT_EQ(n, -42);
    char text[] = "a\r\nb";
    CXQDWiFiPaser::fillZeros(text);
    EXPECT_STREQ(text, "a");
    EXPECT_EQ(text[3], 'b');
}
