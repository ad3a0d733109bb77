#pragma once

#include "SimPassThrough.h"

#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

// One access point the simulated Wi-Fi module finds when it scans.
struct SSimAccessPoint
{
    std::string ssid;
    std::string apId;
    int third = 1;
    int rssi = -60; // dBm
    std::string security = "WPA2"; // NONE, WPA or WPA2
};

// Everything the simulated Wi-Fi module holds. Settings change it; queries read it back.
struct SSimWiFiState
{
    std::string wlanEnable = "1";
    std::string opMode = "0";
    std::string apSsid = "KELVORA-AIS";
    std::string secMode = "WPA2-PSK";
    std::string psk = "0,harbour2024";
    std::string ipMask = "192.168.10.1,255.255.255.0";
    std::string gateway = "192.168.10.254";
    std::string tcpPort = "4001";
    std::string apChan = "6";
    std::string dhcpServer = "1";
    std::string dhcpClient = "0";
    std::string version = "WM-2.1.7";

    // The join request received since the last apply, and the access point linked to.
    std::string staSsid;
    std::string linkedApId;
    std::string linkedSsid;

    std::vector<SSimAccessPoint> accessPoints;
};

// The Wi-Fi module behind the simulated transponder in pass-through: it answers AT commands the
// way the program expects of it, one command at a time, and notes every breach of that rule (a
// line before the previous command was answered). The 200 ms between lines is judged by the tests
// from the lines' arrival windows, which a busy machine widens. Its own lock
// guards everything, so a test may change it while the transponder's thread drives it.
class CSimWiFiModule : public CSimPassThrough
{
public:
    static constexpr const char* kLearningLine = "br0: port 2(ath0) entering learning state\r\n";

    CSimWiFiModule();

    std::vector<std::string> onEnter() override;
    std::vector<std::string> onLine(const std::string& line) override;
    std::vector<std::string> onTick(long long nowMs) override;
    void onLeave() override;

    SSimWiFiState state() const;
    void setState(const SSimWiFiState& state);
    void setAccessPoints(const std::vector<SSimAccessPoint>& accessPoints);
    // After an apply the join request is linked this many ms later; -1 never.
    void setJoinDelayMs(int ms);
    // How long after a command its answer begins.
    void setReplyDelayMs(int ms);

    // Faults, each used by the next command whose word it names ("AT+APCHAN"):
    void refuse(const std::string& word); // answered with the echo and "+err"
    void silence(const std::string& word); // the echo, then nothing more
    // Lasting faults: every such command from now on, or every setting of it (queries answered).
    void refuseAlways(const std::string& word);
    void refuseSettings(const std::string& word);

    // Breaches of the one-command-at-a-time rule, as readable notes.
    std::vector<std::string> breaches() const;
    // The AT lines received in pass-through, line ends stripped.
    std::vector<std::string> commands() const;
    int enterCount() const;
    // True while an answer is not yet sent whole or a join is under way: what a second of the
    // real clock would have let finish.
    bool busy() const override;

private:
    struct SReply
    {
        long long dueMs;
        std::string line;
    };

    std::vector<std::string> answer(const std::string& word, const std::string& value, bool setting);
    bool applySetting(const std::string& word, const std::string& value);
    std::string query(const std::string& word) const;
    void joinAfterApply();

    mutable std::mutex m_mutex;
    SSimWiFiState m_state;
    std::vector<SReply> m_replies;
    std::set<std::string> m_refused;
    std::set<std::string> m_alwaysRefused;
    std::set<std::string> m_refusedSettings;
    std::set<std::string> m_silent;
    std::vector<std::string> m_breaches;
    std::vector<std::string> m_commands;
    long long m_now = 0;
    bool m_answering = false; // an answer not yet sent whole
    int m_joinDelayMs = 1500;
    long long m_joinDueMs = -1;
    int m_replyDelayMs = 20;
    int m_enterCount = 0;
};
