#pragma once

// The window against the simulated transponder with its Wi-Fi module behind pass-through: the
// Wi-Fi procedure driven tick by tick, each tick given once the link has sent what was queued,
// so that no wait of a job is cut short by the stepped clock.
#include "WindowHarness.h"

#include "SimWiFiModule.h"
#include "comm/ServiceComm.h"
#include "device/CommSpaceManage.h"
#include "wifi/WiFiConfig.h"
#include "wifi/XQDWiFiPaser.h"

#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace WiFiWindow {

constexpr const char* kEnter = "$PDBG,163,1,,,,,,*14";
constexpr const char* kLeave = "$PDBG,163,0,,,,,,*15";
// The twelve settings queries, in the order they go out.
const std::vector<std::string> kQueries = {"AT+WLANEN",  "AT+OPMODE", "AT+APSSID", "AT+SECMODE",
                                           "AT+PSK",     "AT+SYSIPSET", "AT+TCPPORT", "AT+APCHAN",
                                           "AT+VER",     "AT+SYSIP",  "AT+DHCPDEN", "AT+DHCPCEN"};
// The program keeps at least this long between its lines; slack for the two ends' clocks.
constexpr long long kMinGapMs = 200;
constexpr long long kJitterMs = 50;
// Stands in for the module's 20 s answer time where a test lets the module fall silent.
constexpr int kShortReplyTimeoutMs = 1500;

inline std::vector<SSimAccessPoint> harbourAccessPoints()
{
    return {
        {"Harbour Office", "a0:63:91:10:22:01", 1, -71, "WPA2"},
        {"Pier 7 Cafe", "c8:3a:35:44:10:0b", 6, -48, "NONE"},
        {"Harbour Office", "a0:63:91:10:22:02", 11, -52, "WPA2"},
        {"Marina Guest", "f4:ec:38:01:02:03", 3, -80, "WPA"},
    };
}

// Each AT text with the line end it has on the wire in pass-through.
inline std::vector<std::string> withLf(const std::vector<std::string>& texts)
{
    std::vector<std::string> lines;
    for (const std::string& text : texts)
        lines.push_back(text + "\n");
    return lines;
}

inline std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class WiFiWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CXQDWiFiPaser::resetCfgModeCheck();
        m_w.sim().setPassThrough(&m_module);
        m_module.setAccessPoints(harbourAccessPoints());
        m_module.setJoinDelayMs(100);
    }

    void TearDown() override
    {
        const std::vector<std::string> breaches = m_module.breaches();
        EXPECT_TRUE(breaches.empty()) << breaches.front();
    }

    CWindowHarness& w() { return m_w; }
    Ui::AisConfiguration* ui() { return m_w.ui(); }
    CDeviceComm* device() { return m_w.device(); }
    CWiFiConfig* wifi() { return device()->getWiFiConfig(); }
    WiFiScope::SWiFiData record() { return wifi()->getCmdProcData().data; }

    // Nothing queued on the link and no reply awaited.
    bool linkIdle()
    {
        COMM::CServiceComm* link = device()->currentComm();
        return link == nullptr ||
               (!link->isTxRequest() && link->getRawDataHandle()->getResponseInform().timeoutMs == 0);
    }

    // One tick once the link is idle (or a while has passed).
    void tickIdle(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            m_w.waitFor([this] { return linkIdle(); }, 5000);
            m_w.tick();
        }
    }

    // Ticks until the condition holds; false after maxTicks.
    bool tickUntil(const std::function<bool()>& condition, int maxTicks = 60)
    {
        for (int i = 0; i < maxTicks; ++i) {
            if (condition())
                return true;
            tickIdle();
        }
        return condition();
    }

    bool procIs(WiFiScope::WIFI_MAIN_PROC_S state) { return wifi()->m_mainProc == state; }
    bool waiting() { return ui()->tbwgMain->currentWidget() == ui()->tbProgressBar; }
    bool sentenceMode() { return wifi()->systemMode() == WiFiScope::WIFI_SYS_MODE_SENTENCE; }

    // Connected, the configuration shown, the power reminder answered with Ok.
    bool connectAndDetect()
    {
        if (!m_w.connectAndDetect())
            return false;
        return m_w.waitFor([this] { return wifi()->m_powerConfirmed != 0; }, 2000);
    }

    // Connected and detected, the first settings query run to its end; what went on the wire
    // is forgotten.
    bool connectAndQuery()
    {
        if (!connectAndDetect())
            return false;
        const bool done =
            tickUntil([this] { return procIs(WiFiScope::WIFI_MAIN_PROC_PENDING) && !waiting(); }) &&
            m_w.waitFor([this] { return sentenceMode() && !m_w.sim().inPassThrough(); });
        m_w.sim().clearReceived();
        return done;
    }

    // The Wi-Fi page, through its menu button.
    void openWiFiPage()
    {
        QTest::mouseClick(ui()->btnMMWiFi, Qt::LeftButton);
        m_w.processEvents();
    }

    // Runs the job the user just started until the procedure rests again.
    bool runJob(int maxTicks = 80)
    {
        return tickUntil([this] { return procIs(WiFiScope::WIFI_MAIN_PROC_PENDING) && !waiting(); }, maxTicks) &&
               m_w.waitFor([this] { return sentenceMode() && !m_w.sim().inPassThrough(); });
    }

    // The program's lines the transponder received since it was last cleared, line ends and all;
    // the sentences the controller sends on its own (none, off the Diagnostics page) included.
    std::vector<std::string> wire()
    {
        std::vector<std::string> lines;
        for (const SSimRxLine& line : m_w.sim().received())
            lines.push_back(line.bytes);
        return lines;
    }

    // Lines closer together than the program's gap, even at the longest their arrival windows allow.
    std::vector<std::string> gapBreaches()
    {
        const std::vector<SSimRxLine> lines = m_w.sim().received();
        std::vector<std::string> breaches;
        for (size_t i = 1; i < lines.size(); ++i) {
            const long long gap = longestGapMs(lines[i - 1], lines[i]);
            if (gap < kMinGapMs - kJitterMs)
                breaches.push_back(lines[i].bytes + " at most " + std::to_string(gap) + " ms after the previous");
        }
        return breaches;
    }

    // The enter line (after sentences, so with CR LF), the AT lines, the leave line (LF alone).
    static std::vector<std::string> passThrough(const std::vector<std::string>& at)
    {
        std::vector<std::string> lines = {std::string(kEnter) + "\r\n"};
        lines = concat(lines, withLf(at));
        lines.push_back(std::string(kLeave) + "\n");
        return lines;
    }

    // The module outlives the simulator's thread, which drives it.
    CSimWiFiModule m_module;
    CWindowHarness m_w;
};

} // namespace WiFiWindow
