#pragma once

// The Wi-Fi module behind the simulated transponder, driven through the device object: entering
// and leaving pass-through as the controller does, and reading back what the module received.
#include "DeviceTestSupport.h"
#include "SimWiFiModule.h"

#include "comm/ServiceComm.h"
#include "wifi/XQDWiFiPaser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace WiFiTest {

constexpr const char* kEnter = "$PDBG,163,1,,,,,,*14";
constexpr const char* kLeave = "$PDBG,163,0,,,,,,*15";
// Stands in for the module's 20 s: long enough that an early release shows, short enough to wait.
constexpr int kShortReplyTimeoutMs = 1500;
// Longer than any test waits for a line: a line that comes was released by the answer before it.
constexpr int kAnsweredReplyTimeoutMs = 2 * DeviceTest::kLimitMs;
// The program keeps at least this long between its AT lines.
constexpr long long kMinGapMs = 200;
// Slack for the clocks of the two ends; the readers' lateness is in the lines' arrival windows.
constexpr long long kJitterMs = 50;

// The lines closer together than the program's gap allows, even at the longest their arrival
// windows leave.
inline std::vector<std::string> gapBreaches(const std::vector<SSimRxLine>& lines)
{
    std::vector<std::string> breaches;
    for (size_t i = 1; i < lines.size(); ++i) {
        const long long gap = longestGapMs(lines[i - 1], lines[i]);
        if (gap < kMinGapMs - kJitterMs)
            breaches.push_back(lines[i].bytes + ": at most " + std::to_string(gap) + " ms after the previous line");
    }
    return breaches;
}

// The transponder's profile as the view builds it: message data cut into lines, so that the
// module's "+ok" can end a reply wait.
inline COMM::SCommConntProfile transponderProfile(const std::string& port)
{
    COMM::SCommConntProfile profile = DeviceTest::serialProfile(port);
    profile.ConntSetting.SplitLines = true;
    return profile;
}

inline WiFiScope::WIFI_SYS_MODE modeOf(CDeviceComm* device)
{
    return device->getWiFiConfig()->systemMode();
}

// The program's lines the simulator received since it was last cleared; with at least count of
// them, waited for.
inline std::vector<SSimRxLine> waitForLines(CSimTransponderPort& sim, size_t count)
{
    TestSupport::waitFor([&]() { return sim.received().size() >= count; }, DeviceTest::kLimitMs);
    return sim.received();
}

inline std::vector<std::string> bytesOf(const std::vector<SSimRxLine>& lines)
{
    return DeviceTest::bytesOf(lines);
}

// The bytes each AT line of the texts has on the wire in pass-through.
inline std::vector<std::string> withLf(const std::vector<std::string>& texts)
{
    std::vector<std::string> lines;
    for (const std::string& text : texts)
        lines.push_back(text + "\n");
    return lines;
}

// Access-point settings as the view fills them.
inline WiFiScope::SAPData apSettings(const char* ssid, const char* ip, const char* mask, int port, int channel,
                                     const char* security, const char* passPhrase)
{
    WiFiScope::SAPData ap = {};
    std::snprintf(ap.szSSID, sizeof(ap.szSSID), "%s", ssid);
    std::snprintf(ap.szIpAddress, sizeof(ap.szIpAddress), "%s", ip);
    std::snprintf(ap.szSubnetMask, sizeof(ap.szSubnetMask), "%s", mask);
    ap.iTcpPort = port;
    ap.iChannel = channel;
    std::snprintf(ap.szSecurity, sizeof(ap.szSecurity), "%s", security);
    std::snprintf(ap.szPassPhrase, sizeof(ap.szPassPhrase), "%s", passPhrase);
    return ap;
}

// The access points a test's module finds, in the order it reports them.
inline std::vector<SSimAccessPoint> harbourAccessPoints()
{
    return {
        {"Harbour Office", "a0:63:91:10:22:01", 1, -71, "WPA2"},
        {"Pier 7 Cafe", "c8:3a:35:44:10:0b", 6, -48, "NONE"},
        {"Harbour Office", "A0:63:91:10:22:02", 11, -52, "WPA2"},
        {"Marina Guest", "f4:ec:38:01:02:03", 3, -80, "WPA"},
        {"Harbour Office", "a0:63:91:10:22:03", 1, -52, "WPA2"},
    };
}

} // namespace WiFiTest
