#pragma once

#include "wifi/XQDWiFiPaser.h"

#include <atomic>
#include <cstdint>
#include <mutex>

// The Wi-Fi module's state as the device object keeps it: what the reply parser read back, the
// controller's Wi-Fi procedure state and the link's Wi-Fi system mode. The parser writes on the
// communication thread; readers on the GUI thread take copies under the lock.
class CWiFiConfig
{
public:
    CWiFiConfig();

    // One received line of the module's output (communication thread).
    void cmdProc(const char* line);
    bool isQueryDataReady();
    void setSystemMode(WiFiScope::WIFI_SYS_MODE mode);
    WiFiScope::WIFI_SYS_MODE systemMode() const { return static_cast<WiFiScope::WIFI_SYS_MODE>(m_sysMode.load()); }
    void reset();
    // The AT command table; filled at construction and never changed, so any thread may read it.
    const WiFiScope::SWiFiCmdTable& cmdTable() const { return m_table; }

    // A consistent copy of what the parser has read.
    WiFiScope::SCmdProcData getCmdProcData() const;
    // Changes of the controller: its restart of the station link state and match flag, and the
    // flags it clears before a job.
    void restartLinkStatus();
    void clearReplyFlags();
    // Empties the module's access-point settings before they are read or set anew.
    void clearAPData();
    // Counts the resets, so that a step waiting on a message box can tell the record was
    // reset meanwhile (the link went away); GUI thread only.
    unsigned int resetCount() const { return m_resetCount; }

    // The controller's Wi-Fi procedure state; GUI thread only.
    WiFiScope::WIFI_MAIN_PROC_S m_mainProc = WiFiScope::WIFI_MAIN_PROC_START;
    WiFiScope::WIFI_CFG_TYPE m_cfgType = WiFiScope::WIFI_CFG_QUERY;
    int m_jobStep = 0;
    int64_t m_procStartTime = 0;
    int64_t m_stepTime = 0;
    int m_cfgModeAttempts = 0;
    int m_retryCount = 0;
    int m_timeOutCount = 0;         // time-outs since the last Reset of the procedure
    uint8_t m_autoModeCtrlDone = 0; // a query has asked for a mode control since the last Reset
    uint8_t m_settingsReadOnce = 0;
    uint8_t m_apListRefreshedOnce = 0;
    uint8_t m_powerCheckDone = 0;
    uint8_t m_powerConfirmed = 0;

private:
    mutable std::mutex m_mutex; // the parser and its target
    WiFiScope::SCmdProcData m_data;
    std::atomic<int> m_sysMode{WiFiScope::WIFI_SYS_MODE_UNKNOWN};
    WiFiScope::SWiFiCmdTable m_table;
    CXQDWiFiPaser m_paser;
    unsigned int m_resetCount = 0;
};
