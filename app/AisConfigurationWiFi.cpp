// The Wi-Fi main procedure with its time-out, and the six Wi-Fi jobs. One step per refresh tick,
// GUI thread only; lines are only queued here, the link sends them from its own thread.
#include "AisConfiguration.h"

#include "device/CommSpaceManage.h"
#include "services/SysDebug.h"
#include "widgets/WgSelectorSwitch.h"
#include "wifi/WiFiConfig.h"

#include "ui_AisConfiguration.h"

#include <QMessageBox>
#include <QScopedValueRollback>
#include <algorithm>

using namespace WiFiScope;

namespace {

constexpr long long kProcTimeOutSeconds = 70;
constexpr long long kQueryResendSeconds = 4;
constexpr long long kSettleSeconds = 9;
constexpr int kMaxLinkStatusRetries = 11;
constexpr int kMaxCfgModeEntries = 2; // enter commands in a row before one leave command
constexpr int kMaxTimeOuts = 2;

} // namespace

void AisConfiguration::wifiMainProc(WIFI_MAIN_PROC_S state)
{
    if (m_commManage == nullptr || m_view == nullptr || m_wifiProcBusy)
        return;
    // A step may wait on a message box; the ticks that arrive meanwhile leave the procedure alone.
    const QScopedValueRollback<bool> busy(m_wifiProcBusy, true);
    CDeviceComm* device = m_commManage->getDeviceComm();
    CWiFiConfig* wifi = device->getWiFiConfig();
    CAisSentenceHandle* handle = device->getSentenceHandle();
    wifi->m_mainProc = state;

    if (handle->getDevDetectState() != COMM_TRX_DEV_CONFIG_SHOWN && wifi->systemMode() == WIFI_SYS_MODE_CONFIG) {
        leaveWiFiCfgMode();
        return;
    }
    if (!handle->getDisplayedConfig()->bWiFiModule && wifi->m_procStartTime == 0)
        return;

    if (wifiProcTimeOut()) {
        WIFI_MAIN_PROC_S next = WIFI_MAIN_PROC_START;
        WIFI_CFG_TYPE type = WIFI_CFG_QUERY;
        if (wifi->m_timeOutCount >= kMaxTimeOuts) {
            const unsigned int resets = wifi->resetCount();
            showMsgBox(MSG_BOX_WARNING, m_view->wifiText.strWarning, m_view->wifiText.strSettingFail, QMessageBox::Ok,
                       0);
            // The link went away while the box was open: the record has started afresh.
            if (wifi->resetCount() != resets)
                return;
            wifi->m_timeOutCount = 0;
            next = WIFI_MAIN_PROC_RESET;
            type = WIFI_CFG_NONE;
            // The first query has ended, though without an answer: the pages must not stay
            // locked behind it.
            if (wifi->m_settingsReadOnce == 0) {
                wifi->m_settingsReadOnce = 1;
                updateHomePageDisp(false);
                m_view->updateWiFiDisp();
            }
        }
        // A first scan that timed out has ended too: what waited for it (a report) goes on with
        // whatever list there is.
        if (wifi->m_cfgType == WIFI_CFG_SCAN)
            wifi->m_apListRefreshedOnce = 1;
        // The queue is given up first, so that the leave line queued after it is kept.
        device->resetComm();
        restWiFiCfgSubProc();
        leaveWiFiCfgMode();
        device->switchSysMode(WIFI_SYS_MODE_SENTENCE);
        wifi->m_mainProc = next;
        wifi->m_cfgType = type;
        if (next == WIFI_MAIN_PROC_RESET)
            enableConfigDisp();
        return;
    }

    for (bool again = true; again;) {
        again = false;
        wifi->m_mainProc = state;
        switch (state) {
        case WIFI_MAIN_PROC_START:
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiMainProc] Start");
            if (ui->tbwgMain->currentWidget() != ui->tbProgressBar)
                m_view->enableWiFiWaitingDisp(true);
            wifi->m_procStartTime = nowSeconds();
            state = WIFI_MAIN_PROC_ENTER;
            again = true;
            break;
        case WIFI_MAIN_PROC_ENTER:
            if (wifi->systemMode() == WIFI_SYS_MODE_CONFIG) {
                state = WIFI_MAIN_PROC_RUN;
                again = true;
            } else if (wifi->m_cfgModeAttempts > kMaxCfgModeEntries) {
                leaveWiFiCfgMode();
                wifi->m_cfgModeAttempts = 0;
            } else {
                SYS_DEBUG(DEBUG_MSG_INFO, "[wifiMainProc] Send cfg mode command");
                m_commManage->sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
                ++wifi->m_cfgModeAttempts;
            }
            break;
        case WIFI_MAIN_PROC_RUN:
            if (wifi->systemMode() == WIFI_SYS_MODE_CONFIG)
                wifiCfgType(wifi->m_cfgType, wifi->m_jobStep);
            break;
        case WIFI_MAIN_PROC_RESET:
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiMainProc] Reset");
            wifi->m_procStartTime = 0;
            wifi->m_cfgModeAttempts = 0;
            wifi->m_timeOutCount = 0;
            wifi->m_autoModeCtrlDone = 0;
            state = WIFI_MAIN_PROC_PENDING;
            again = true;
            break;
        case WIFI_MAIN_PROC_PENDING:
            if (wifi->systemMode() != WIFI_SYS_MODE_SENTENCE) {
                SYS_DEBUG(DEBUG_MSG_INFO, "[wifiMainProc] Pending(leaveWiFiCfgMode())");
                leaveWiFiCfgMode();
                // The link carries sentences from here on, as after a set-up or a time-out. A
                // transponder that sends nothing of its own would never show it; the mode left at
                // pass-through would have the next job skip the enter line and its AT commands go
                // to the transponder unheard. A module line seen later switches the mode back, and
                // this state leaves again.
                device->switchSysMode(WIFI_SYS_MODE_SENTENCE);
            }
            enableWiFiWaitingDisp(false);
            break;
        case WIFI_MAIN_PROC_POWER_FAIL:
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiMainProc] Power Fail");
            enableWiFiWaitingDisp(false);
            break;
        default:
            break;
        }
    }
}

bool AisConfiguration::wifiProcTimeOut()
{
    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    if (wifi->m_procStartTime == 0)
        return false;
    const long long elapsed = nowSeconds() - wifi->m_procStartTime;
    SYS_DEBUG(DEBUG_MSG_INFO, "Eclipse time:%d", static_cast<int>(elapsed));
    if (elapsed < kProcTimeOutSeconds)
        return false;
    m_view->updateWiFiPGBWaitingMsg(wifi->m_timeOutCount <= 0 ? m_view->wifiText.strApplyingShort
                                                              : m_view->wifiText.strApplyingLong);
    wifi->m_procStartTime = 0;
    ++wifi->m_timeOutCount;
    SYS_DEBUG(DEBUG_MSG_ERROR, "WiFi procedure time out, main state:%d, sub-state:%d, job type:%d",
              static_cast<int>(wifi->m_mainProc), wifi->m_jobStep, static_cast<int>(wifi->m_cfgType));
    return true;
}

void AisConfiguration::wifiCfgType(WIFI_CFG_TYPE type, int subState)
{
    if (m_commManage->getDeviceComm()->getWiFiConfig()->systemMode() != WIFI_SYS_MODE_CONFIG)
        return;
    switch (type) {
    case WIFI_CFG_QUERY:
        wifiQueryProc(subState);
        break;
    case WIFI_CFG_AP_SETUP:
        wifiSetupProc(subState);
        break;
    case WIFI_CFG_SCAN:
        wifiClientScanProc(subState);
        break;
    case WIFI_CFG_CONNECT:
        wifiClientAPCntProc(subState);
        break;
    case WIFI_CFG_MODE_CTRL:
        wifiFunModeCtrlProc(subState);
        break;
    case WIFI_CFG_FACTORY_RESET:
        wifiFactoryResetProc(subState);
        break;
    default:
        break;
    }
}

void AisConfiguration::restWiFiCfgSubProc()
{
    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    wifi->m_jobStep = 0;
    wifi->m_stepTime = 0;
    wifi->m_retryCount = 0;
    wifi->clearReplyFlags();
    wifi->restartLinkStatus();
}

void AisConfiguration::showMsgBox(MSG_BOX_S kind, const QString& title, const QString& text, int firstButton,
                                  int secondButton)
{
    if (m_view != nullptr)
        m_view->showMsgBox(this, kind, title, text, firstButton, secondButton);
}

// A job's last step: the procedure starts again with the given job next.
void AisConfiguration::wifiJobEnd(WIFI_CFG_TYPE next, const char* finish)
{
    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    wifi->m_mainProc = WIFI_MAIN_PROC_START;
    wifi->m_cfgType = next;
    restWiFiCfgSubProc();
    SYS_DEBUG(DEBUG_MSG_INFO, "%s", finish);
}

void AisConfiguration::wifiQueryProc(int subState)
{
    CWiFiConfig* wifi = m_commManage->getDeviceComm()->getWiFiConfig();
    switch (subState) {
    case 0:
        wifi->m_jobStep = 0;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiQueryProc] Reset");
        wifi->clearAPData();
        wifi->m_jobStep = 1;
        return;
    case 1:
        wifi->m_jobStep = 1;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiQueryProc] Send query command");
        m_commManage->sendWiFiBasicInfoQueryCmd();
        wifi->m_stepTime = nowSeconds();
        [[fallthrough]];
    case 2:
        wifi->m_jobStep = 2;
        if (!wifi->isQueryDataReady()) {
            if (wifi->m_stepTime == 0 || nowSeconds() - wifi->m_stepTime > kQueryResendSeconds) {
                SYS_DEBUG(DEBUG_MSG_INFO, "[wifiQueryProc] Resend query command");
                wifi->m_jobStep = 1;
            } else {
                SYS_DEBUG(DEBUG_MSG_INFO, "[wifiQueryProc] Wait for query data");
            }
            return;
        }
        [[fallthrough]];
    case 3:
        wifi->m_jobStep = 3;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiQueryProc] Update wifi home page");
        if (wifi->m_settingsReadOnce != 0) {
            updateHomePageDisp(false);
            m_view->updateWiFiDisp();
        }
        wifi->m_jobStep = 4;
        return;
    case 4: {
        wifi->m_jobStep = 4;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiQueryProc] Reset");
        const SWiFiData data = wifi->getCmdProcData().data;
        if (!checkOPMode(data.iOperationMode) && data.bWlanEnable && wifi->m_autoModeCtrlDone == 0) {
            // The mode control sends what the page shows: the page must show the module first.
            if (wifi->m_settingsReadOnce == 0)
                m_view->updateWiFiDisp();
            wifi->m_autoModeCtrlDone = 1;
            wifi->m_mainProc = WIFI_MAIN_PROC_START;
            wifi->m_cfgType = WIFI_CFG_MODE_CTRL;
        } else {
            wifi->m_mainProc = WIFI_MAIN_PROC_RESET;
            wifi->m_cfgType = WIFI_CFG_NONE;
            if (wifi->m_settingsReadOnce == 0) {
                wifi->m_settingsReadOnce = 1;
                updateHomePageDisp(false);
                m_view->updateWiFiDisp();
            }
        }
        restWiFiCfgSubProc();
        SYS_DEBUG(DEBUG_MSG_INFO, "WiFi Query Proc Finish");
        return;
    }
    default:
        return;
    }
}

bool AisConfiguration::checkOPMode(int mode)
{
    const SWiFiData data = m_commManage->getDeviceComm()->getWiFiConfig()->getCmdProcData().data;
    bool fits = true;
    if (mode == WIFI_OPERATION_MODE_CLIENT)
        fits = data.iDhcpServer == 0 || data.iDhcpClient == 1;
    else if (mode == WIFI_OPERATION_MODE_AP)
        fits = data.iDhcpServer == 1 || data.iDhcpClient == 0;
    if (!fits)
        SYS_DEBUG(DEBUG_MSG_INFO, "Operation Mode setting invalid\nOP Mode = %d, DHCPDEN = %d, DHCPCEN = %d", mode,
                  data.iDhcpServer, data.iDhcpClient);
    return fits;
}

void AisConfiguration::wifiSetupProc(int subState)
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    CWiFiConfig* wifi = device->getWiFiConfig();
    switch (subState) {
    case 0: {
        wifi->m_jobStep = 0;
        if (wifi->systemMode() != WIFI_SYS_MODE_CONFIG)
            return;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiSetupProc] Send AP mode set up data");
        wifi->clearAPData();
        SAPData ap = {};
        m_view->getWiFiAPData(&ap);
        device->sendWiFiCfgCmd(&ap);
        wifi->m_jobStep = 1;
        return;
    }
    case 1:
        wifi->m_jobStep = 1;
        if (wifi->getCmdProcData().acknowledged[WIFI_AT_APPLY] == 0) {
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiSetupProc] Wait for system Reboot");
            return;
        }
        leaveWiFiCfgMode();
        wifi->setSystemMode(WIFI_SYS_MODE_SENTENCE);
        // The link now carries sentences, so the procedure would not call this job again: it
        // finishes here rather than by the time-out.
        [[fallthrough]];
    case 2:
        wifi->m_jobStep = 2;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiSetupProc] Reset");
        wifiJobEnd(WIFI_CFG_QUERY, "WiFi Setup Proc Finish");
        return;
    default:
        return;
    }
}

// Steps 3 and 4 of scanning and of joining: ask the module for its link status, then wait for
// the answer, asking again while the link is not yet the one chosen. True when step 5 is due now.
bool AisConfiguration::wifiLinkStatusStep(int subState, const char* job)
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    CWiFiConfig* wifi = device->getWiFiConfig();
    if (subState == 3) {
        wifi->m_jobStep = 3;
        SYS_DEBUG(DEBUG_MSG_INFO, "%s Send query wifi link status command", job);
        device->sendWiFiClientAPCntStatusCmd();
        ++wifi->m_retryCount;
        wifi->m_jobStep = 4;
        return false;
    }
    wifi->m_jobStep = 4;
    const SCmdProcData proc = wifi->getCmdProcData();
    if (proc.stationLinkState == 0)
        return false;
    if (proc.linkMatch == 0) {
        wifi->m_jobStep = 5;
        return false;
    }
    if (wifi->m_retryCount <= kMaxLinkStatusRetries) {
        SYS_DEBUG(DEBUG_MSG_INFO, "%s Retry query link status command:%d", job, wifi->m_retryCount);
        wifi->m_jobStep = 3;
        wifi->restartLinkStatus();
        return false;
    }
    return true;
}

void AisConfiguration::wifiClientScanProc(int subState)
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    CWiFiConfig* wifi = device->getWiFiConfig();
    switch (subState) {
    case 0:
        wifi->m_jobStep = 0;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientScanProc] Send Scan command");
        device->sendWiFiClientScanCmd();
        wifi->m_jobStep = 1;
        return;
    case 1:
        wifi->m_jobStep = 1;
        if (wifi->getCmdProcData().scanReady == 0) {
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientScanProc] Wait for scan data ready");
            return;
        }
        wifi->m_stepTime = nowSeconds();
        wifi->m_jobStep = 2;
        return;
    case 2: {
        wifi->m_jobStep = 2;
        const long long passed = nowSeconds() - wifi->m_stepTime;
        if (passed <= kSettleSeconds) {
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientScanProc] Delay %d", static_cast<int>(passed));
            return;
        }
    }
        [[fallthrough]];
    case 3:
    case 4:
        // The settle step falls through to the first question.
        if (!wifiLinkStatusStep(std::max(subState, 3), "[wifiClientScanProc]"))
            return;
        [[fallthrough]];
    case 5:
        wifi->m_jobStep = 5;
        if (wifi->getCmdProcData().linkMatch != 0)
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientScanProc] WiFi connect Success");
        else
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientScanProc] WiFi connect Fail");
        wifi->m_jobStep = 6;
        return;
    case 6:
        wifi->m_jobStep = 6;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientScanProc] Update display");
        m_apModel.updateExchangeSet(wifi);
        wifi->m_jobStep = 7;
        return;
    case 7:
        wifi->m_jobStep = 7;
        wifi->m_apListRefreshedOnce = 1;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientScanProc] Reset");
        wifiJobEnd(WIFI_CFG_QUERY, "WiFi Client Scan Proc Finish");
        return;
    default:
        return;
    }
}

void AisConfiguration::wifiClientAPCntProc(int subState)
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    CWiFiConfig* wifi = device->getWiFiConfig();
    switch (subState) {
    case 0:
        wifi->m_jobStep = 0;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientAPCntProc] Send connect command");
        device->sendWiFiClientAPCntCmd(&m_apJoinRequest);
        wifi->m_jobStep = 1;
        return;
    case 1:
        wifi->m_jobStep = 1;
        if (wifi->getCmdProcData().acknowledged[WIFI_AT_WAPPLY] == 0) {
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientAPCntProc] Wait for system apply");
            return;
        }
        wifi->m_stepTime = nowSeconds();
        wifi->m_jobStep = 2;
        return;
    case 2: {
        wifi->m_jobStep = 2;
        const long long passed = nowSeconds() - wifi->m_stepTime;
        if (passed <= kSettleSeconds)
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientAPCntProc] Delay %d", static_cast<int>(passed));
        else
            wifi->m_jobStep = 3;
        return;
    }
    case 3:
    case 4:
        if (!wifiLinkStatusStep(subState, "[wifiClientAPCntProc]"))
            return;
        [[fallthrough]];
    case 5:
        wifi->m_jobStep = 5;
        if (wifi->getCmdProcData().linkMatch != 0) {
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientAPCntProc] WiFi connect Success");
        } else {
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientAPCntProc] WiFi connect Fail");
            // Leaving an access point ends "Not-Associated" by design: no failure to report.
            if (m_apJoinRequest.ssid != kWiFiDisconnectSsid) {
                const unsigned int resets = wifi->resetCount();
                showMsgBox(MSG_BOX_INFORMATION, m_view->wifiText.strInformation, m_view->wifiText.strConnectFail,
                           QMessageBox::Ok, 0);
                // The link went away while the box was open: the record has started afresh, and
                // this job's next step must not land on the next connection's first query.
                if (wifi->resetCount() != resets)
                    return;
            }
        }
        wifi->m_jobStep = 6;
        return;
    case 6:
        wifi->m_jobStep = 6;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientAPCntProc] Update display");
        m_apModel.updateExchangeSet(wifi);
        wifi->m_jobStep = 7;
        return;
    case 7:
        wifi->m_jobStep = 7;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiClientAPCntProc] Reset");
        wifiJobEnd(WIFI_CFG_QUERY, "WiFi Client AP Connect Proc Finish");
        return;
    default:
        return;
    }
}

void AisConfiguration::wifiFunModeCtrlProc(int subState)
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    CWiFiConfig* wifi = device->getWiFiConfig();
    const bool serviceOn = m_view->wifiEnableSwitch != nullptr && m_view->wifiEnableSwitch->isActive();
    switch (subState) {
    case 0: {
        wifi->m_jobStep = 0;
        if (wifi->systemMode() != WIFI_SYS_MODE_CONFIG)
            return;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiFunModeCtrlProc] send wifi mode control command");
        int mode = -1;
        if (ui->rdbWiFiAccessPoint->isChecked())
            mode = WIFI_OPERATION_MODE_AP;
        else if (ui->rdbWiFiClient->isChecked())
            mode = WIFI_OPERATION_MODE_CLIENT;
        device->sendWiFiModeCtrlCmd(serviceOn, static_cast<WIFI_OPERATION_MODE>(mode));
        wifi->m_jobStep = 1;
        return;
    }
    case 1:
        wifi->m_jobStep = 1;
        if (wifi->getCmdProcData().acknowledged[WIFI_AT_WAPPLY] == 0) {
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiFunModeCtrlProc] Wait system apply");
            return;
        }
        wifi->m_jobStep = 2;
        return;
    case 2:
        wifi->m_jobStep = 2;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiFunModeCtrlProc] Reset");
        wifiJobEnd(ui->rdbWiFiClient->isChecked() && serviceOn ? WIFI_CFG_SCAN : WIFI_CFG_QUERY,
                   "WiFi Mode Ctrl Proc Finish");
        return;
    default:
        return;
    }
}

void AisConfiguration::wifiFactoryResetProc(int subState)
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    CWiFiConfig* wifi = device->getWiFiConfig();
    switch (subState) {
    case 0:
        wifi->m_jobStep = 0;
        if (wifi->systemMode() != WIFI_SYS_MODE_CONFIG)
            return;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiFactoryResetProc] Send factory reset command");
        device->sendWiFiFactoryRstCmd();
        wifi->m_jobStep = 1;
        return;
    case 1:
        wifi->m_jobStep = 1;
        if (wifi->getCmdProcData().acknowledged[WIFI_AT_APPLY] == 0) {
            SYS_DEBUG(DEBUG_MSG_INFO, "[wifiFactoryResetProc] Wait for reboot apply");
            return;
        }
        leaveWiFiCfgMode();
        wifi->setSystemMode(WIFI_SYS_MODE_SENTENCE);
        // As after a set-up: the link carries sentences, the job finishes here.
        [[fallthrough]];
    case 2:
        wifi->m_jobStep = 2;
        SYS_DEBUG(DEBUG_MSG_INFO, "[wifiFactoryResetProc] Reset");
        wifiJobEnd(WIFI_CFG_QUERY, "WiFi Factory Reset Proc Finish");
        return;
    default:
        return;
    }
}
