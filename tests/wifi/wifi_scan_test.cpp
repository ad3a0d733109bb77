#include "wifi/WiFiConfig.h"

#include "LogProbe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace WiFiScope;

namespace {

// A scan as the module answers it: the echo, "+ok=", one line per access point, and the echo of
// the marker line the program sends after the scan.
void scan(CWiFiConfig& wifi, const std::vector<std::string>& results)
{
    wifi.cmdProc(">AT+SCAN\r\n");
    wifi.cmdProc("+ok=\r\n");
    for (const std::string& line : results)
        wifi.cmdProc((line + "\r\n").c_str());
    wifi.cmdProc(">WiFiScanEnd\r\n");
}

std::vector<std::string> ssids(const SCmdProcData& d)
{
    std::vector<std::string> out;
    for (const SClientAPInfoStruct& group : d.data.scanned)
        out.push_back(group.ssid);
    return out;
}

const std::string kLong32 = "Marina Del Porto Guest Network 5"; // 32 characters

const std::vector<std::string> kHarbour = {
    "Harbour Office,a0:63:91:10:22:01,6,-48,WPA2",
    "Harbour Office,a0:63:91:10:22:02,11,-71,WPA2",
    ",b4:75:0e:00:00:01,1,-80,WPA2", // hidden
    "Pier 7 Cafe,c8:3a:35:44:10:0a,1,-65,NONE",
    "Harbour Office,a0:63:91:10:22:03,1,-55,WPA2",
    "Fish, Chips & Wi-Fi,d8:0d:17:aa:bb:cc,6,-62,WPA",
    kLong32 + ",e4:f0:42:01:02:03,11,-77,WPA2",
    ",b4:75:0e:00:00:02,6,-58,NONE", // hidden
    "Terrace Bar,f0:9f:c2:12:34:56,3,-69,WPA2",
    "Pier 7 Cafe,c8:3a:35:44:10:0b,6,-65,NONE",
    "Yacht Club,00:1a:2b:3c:4d:5e,9,-83,WPA2",
    "Harbour Office,a0:63:91:10:22:04,6,-48,WPA2",
};

} // namespace

TEST(WiFiScan, AccessPointsGroupedBySsidStrongestFirst)
{
    CWiFiConfig wifi;
    scan(wifi, kHarbour);
    const SCmdProcData d = wifi.getCmdProcData();
    EXPECT_EQ(d.scanReady, 1);
    EXPECT_EQ(d.replyReady[WIFI_AT_SCAN], 0);
    EXPECT_EQ(ssids(d), (std::vector<std::string>{"Harbour Office", "", "Pier 7 Cafe", "Fish, Chips & Wi-Fi", kLong32,
                                                  "Terrace Bar", "Yacht Club"}));
    const SClientAPInfoStruct& office = d.data.scanned[0];
    ASSERT_EQ(office.records.size(), 4u);
    EXPECT_EQ(office.records[0].apId, "a0:63:91:10:22:04") << "the later of two equal signals first";
    EXPECT_EQ(office.records[1].apId, "a0:63:91:10:22:01");
    EXPECT_EQ(office.records[2].rssi, -55);
    EXPECT_EQ(office.records[3].rssi, -71);
    EXPECT_EQ(office.connectStatus, -1);
    EXPECT_EQ(d.data.scanned[1].records[0].rssi, -58);
    EXPECT_EQ(d.data.scanned[3].records[0].security, "WPA") << "no CR LF in the security text";
    EXPECT_EQ(d.data.scanned[3].records[0].third, 6);

    // A new scan replaces the list; one without results leaves it empty.
    scan(wifi, {});
    EXPECT_TRUE(wifi.getCmdProcData().data.scanned.empty());
    EXPECT_EQ(wifi.getCmdProcData().scanReady, 1);
}

// What is not a result line (an error, a line cut short, one longer than a line may be) is
// skipped, and the results around it stay whole.
TEST(WiFiScan, LinesThatAreNoResultsLeaveTheirNeighboursWhole)
{
    CWiFiConfig wifi;
    scan(wifi, {
                   "+ERR=-3",
                   "Half,a0:63:91:10:22:09,6",
                   "Harbour Office,a0:63:91:10:22:01,6,-48,WPA2",
                   std::string(230, 'Z') + ",a0:63:91:10:22:0f,1,-50,WPA2",
                   "Pier 7 Cafe,c8:3a:35:44:10:0a,1,-65,NONE",
                   "Yacht Club,00:1a:2b:3c:4d:5e,9,-83,WPA2",
               });
    const SCmdProcData d = wifi.getCmdProcData();
    EXPECT_EQ(d.scanReady, 1);
    EXPECT_EQ(ssids(d), (std::vector<std::string>{"Harbour Office", "Pier 7 Cafe", "Yacht Club"}));
    ASSERT_EQ(d.data.scanned.size(), 3u);
    EXPECT_EQ(d.data.scanned[1].records[0].apId, "c8:3a:35:44:10:0a");
}

TEST(WiFiScan, TheLinkedAccessPointIsMarkedAndMovedToTheFront)
{
    CWiFiConfig wifi;
    scan(wifi, kHarbour);
    LogProbe log;
    // The module names the access point by its identifier, in another letter case.
    wifi.cmdProc(">AT+STALINK\r\n");
    wifi.cmdProc("+ok=C8:3A:35:44:10:0B,Pier 7 Cafe\r\n");
    SCmdProcData d = wifi.getCmdProcData();
    EXPECT_EQ(d.stationLinkState, 1);
    EXPECT_EQ(d.replyReady[WIFI_AT_STALINK], 1);
    ASSERT_EQ(d.data.scanned[0].ssid, "Pier 7 Cafe");
    EXPECT_EQ(d.data.scanned[0].connectStatus, 0) << "the later of the two equal signals is first";
    EXPECT_EQ(d.data.scanned[1].ssid, "Harbour Office");
    EXPECT_EQ(d.data.sLinkStatus.linkedAP.apId, "c8:3a:35:44:10:0b");
    EXPECT_EQ(log.count("AP info idx = 2\nSub Idx = 0"), 1);

    wifi.cmdProc(">AT+STALINK\r\n");
    wifi.cmdProc("+ok=Not-Associated\r\n");
    d = wifi.getCmdProcData();
    EXPECT_EQ(d.stationLinkState, 2);
    EXPECT_EQ(d.linkMatch, 0);
    EXPECT_EQ(d.data.scanned[0].connectStatus, -1);
    EXPECT_EQ(d.data.sLinkStatus.linkedAP.apId, "c8:3a:35:44:10:0b") << "kept when nothing matches";
    // Until the controller restarts the matching, an associated reply matches nothing.
    wifi.cmdProc(">AT+STALINK\r\n");
    wifi.cmdProc("+ok=a0:63:91:10:22:01,Harbour Office\r\n");
    d = wifi.getCmdProcData();
    EXPECT_EQ(d.stationLinkState, 1);
    EXPECT_EQ(d.data.scanned[0].connectStatus, -1);
    wifi.restartLinkStatus();
    wifi.cmdProc(">AT+STALINK\r\n");
    wifi.cmdProc("+ok=a0:63:91:10:22:01,Harbour Office\r\n");
    d = wifi.getCmdProcData();
    EXPECT_EQ(d.data.scanned[0].ssid, "Harbour Office");
    EXPECT_EQ(d.data.scanned[0].connectStatus, 1);
}

// An identifier longer than the 31 characters that take part in matching still finds its group.
TEST(WiFiScan, ALongAccessPointIdentifierMatchesItsGroup)
{
    const std::string longId = "kelvora-mesh-node-0123456789-abcdef"; // 35 characters
    CWiFiConfig wifi;
    scan(wifi, {"Harbour Office,a0:63:91:10:22:01,6,-48,WPA2", "Mesh," + longId + ",6,-60,WPA2"});
    wifi.cmdProc(">AT+STALINK\r\n");
    wifi.cmdProc(("+ok=" + longId + ",Mesh\r\n").c_str());
    const SCmdProcData d = wifi.getCmdProcData();
    ASSERT_EQ(d.data.scanned[0].ssid, "Mesh");
    EXPECT_EQ(d.data.scanned[0].connectStatus, 0);
    EXPECT_EQ(d.data.sLinkStatus.linkedAP.apId, longId);
}
