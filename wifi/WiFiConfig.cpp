#include "wifi/WiFiConfig.h"

#include "services/SysDebug.h"

#include <cstring>

using namespace WiFiScope;

CWiFiConfig::CWiFiConfig() = default;

void CWiFiConfig::cmdProc(const char* line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_paser.cmdProc(line, &m_data);
}

bool CWiFiConfig::isQueryDataReady()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    bool ready = true;
    for (int id = 0; id < WIFI_AT_CMD_COUNT; ++id) {
        if (m_data.queryNeeded[id] == 0)
            continue;
        if (m_data.replyReady[id] == 0)
            SYS_DEBUG(DEBUG_MSG_INFO, "%s is %d", m_table.cmd[id], m_data.replyReady[id]);
        ready = ready && m_data.replyReady[id] != 0;
    }
    return ready;
}

void CWiFiConfig::setSystemMode(WIFI_SYS_MODE mode)
{
    const int previous = m_sysMode.exchange(mode);
    // Pass-through has ended: a reply still collecting will never get its end line.
    if (previous == WIFI_SYS_MODE_CONFIG && mode != WIFI_SYS_MODE_CONFIG) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_paser.init();
    }
}

void CWiFiConfig::reset()
{
    // An "AT+EXIT" whose answer never came must not swallow the next link's first "+ok".
    CXQDWiFiPaser::resetCfgModeCheck();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_paser.init();
        SWiFiData& data = m_data.data;
        std::memset(&data.sAPData, 0, sizeof(data.sAPData));
        std::memset(data.szVersion, 0, sizeof(data.szVersion));
        data.bWlanEnable = false;
        data.iOperationMode = -1;
        data.iDhcpServer = 0;
        data.iDhcpClient = 0;
        data.scanned.clear();
        std::memset(m_data.replyReady, 0, sizeof(m_data.replyReady));
        std::memset(m_data.acknowledged, 0, sizeof(m_data.acknowledged));
        m_data.scanReady = 0;
        m_data.stationLinkState = 0;
        m_data.linkMatch = 1;
    }
    m_mainProc = WIFI_MAIN_PROC_START;
    m_cfgType = WIFI_CFG_QUERY;
    m_jobStep = 0;
    m_procStartTime = 0;
    m_stepTime = 0;
    m_cfgModeAttempts = 0;
    m_retryCount = 0;
    m_timeOutCount = 0;
    m_autoModeCtrlDone = 0;
    m_settingsReadOnce = 0;
    m_apListRefreshedOnce = 0;
    m_powerCheckDone = 0;
    m_powerConfirmed = 0;
    m_sysMode = WIFI_SYS_MODE_UNKNOWN;
    ++m_resetCount;
}

SCmdProcData CWiFiConfig::getCmdProcData() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_data;
}

void CWiFiConfig::restartLinkStatus()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_data.stationLinkState = 0;
    m_data.linkMatch = 1;
}

void CWiFiConfig::clearReplyFlags()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memset(m_data.replyReady, 0, sizeof(m_data.replyReady));
    std::memset(m_data.acknowledged, 0, sizeof(m_data.acknowledged));
    m_data.scanReady = 0;
}

void CWiFiConfig::clearAPData()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memset(&m_data.data.sAPData, 0, sizeof(m_data.data.sAPData));
}
