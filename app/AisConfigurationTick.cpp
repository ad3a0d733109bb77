// The 1 s refresh tick: transponder detection, the hand-over of a received configuration, the
// page refresh, and the configuration read.
#include "AisConfiguration.h"

#include "device/CommSpaceManage.h"
#include "services/SysDebug.h"
#include "ui_AisConfiguration.h"
#include "view/TargetExchangeSet.h"

#include <QLabel>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr long long kVersionQueryPeriod = 2; // seconds between version queries without a reply
constexpr long long kFullReadDelay = 5;      // seconds from the last version query to the full read
constexpr long long kAutoCheckPeriod = 5;    // seconds between status queries on the Diagnostics page
constexpr unsigned short kSystemDataMask = 16;

// Both times truncated to 32 bits, the difference taken as its magnitude: a clock set back
// counts as time gone by.
long long elapsed(long long now, long long stamp)
{
    return std::llabs(static_cast<long long>(static_cast<int32_t>(now)) -
                      static_cast<long long>(static_cast<int32_t>(stamp)));
}

} // namespace

void AisConfiguration::onTimerRefresh()
{
    // A box opened by the tick runs its own event loop while this timer keeps firing: a tick
    // that arrives meanwhile must not run the tick's work inside itself.
    if (m_tickRunning)
        return;
    const QScopedValueRollback<bool> running(m_tickRunning, true);

    CDeviceComm* device = m_commManage->getDeviceComm();
    CAisSentenceHandle* handle = device->getSentenceHandle();
    const COMM_TRX_DEV_STATE state = handle->getDevDetectState();
    if (state == COMM_TRX_DEV_CONFIG_TEXT || state == COMM_TRX_DEV_CONFIG_SHOWN) {
        updateConfigInfoAndDisp();
        if (device->getWiFiConfig()->m_settingsReadOnce != 0)
            enableConfigDisp();
        updateHomePageDisp(true);
        updateGPSStatusDisp();
        autoCheckSystemStatus();
        handle->updateDiagnosticsData();
        device->updateSensorInfoPerSec();
        m_targetModel->updateExchangeSet(device->getTargetInfo());
        updateOtherVesselsDisp(true);
        updateDiagnosticsDisp();
        checkGenerateReport();
    } else {
        autoDetermineTrxDev();
    }

    wifiMainProc(device->getWiFiConfig()->m_mainProc);

    if (m_envSetup.setting().DebugMode) {
        updateHomePageDisp(true);
        m_targetModel->updateExchangeSet(device->getTargetInfo());
        device->updateSensorInfoPerSec();
        updateGPSStatusDisp();
        updateOtherVesselsDisp(true);
    }
}

void AisConfiguration::autoDetermineTrxDev()
{
    CAisSentenceHandle* handle = m_commManage->getDeviceComm()->getSentenceHandle();
    const long long now = nowSeconds();

    if (handle->getDevDetectState() == COMM_TRX_DEV_OPENED && elapsed(now, m_lastVersionQuery) >= kVersionQueryPeriod) {
        leaveWiFiCfgMode();
        if (!sendAIAIQSentToCommPort("VER"))
            return; // retried on the next tick
        m_lastVersionQuery = now;
    }

    if (handle->getDevDetectState() == COMM_TRX_DEV_IDENTIFIED) {
        m_view->setMachineInfo(handle->getMachineTypeData());
        m_view->updateMachineDisp();
        // Sent on every tick until the system-data text has ended.
        if (handle->getDevDetectState() == COMM_TRX_DEV_IDENTIFIED &&
            elapsed(now, m_lastVersionQuery) >= kFullReadDelay)
            enableDebugPortView(kSystemDataMask, false);
    }
}

void AisConfiguration::updateConfigInfoAndDisp()
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    CAisSentenceHandle* handle = device->getSentenceHandle();
    // A status reply is handed over only on the Diagnostics page; elsewhere it stays pending.
    const bool onDiagnostics = ui->tbwgMain->currentWidget() == ui->tabMainDiagnostics;
    if (handle->takeReplyState(onDiagnostics) == CAisSentenceHandle::REPLY_STATE_NONE)
        return;

    const bool changed = handle->refreshConfigInfo();
    handle->setDevDetectState(COMM_TRX_DEV_CONFIG_SHOWN);
    ui->lblConntStatus->clear();

    m_view->updateHomePageDisp();
    // An unchanged record refreshes only the MMSI, so that what the user is typing stays.
    if (changed)
        m_view->updateConfigurationInfo();
    else
        m_view->updateConfigurationMMSIInfo();

    checkDevPower();
    // The reminder waits in its own event loop: a hang-up meanwhile has cleared the record this
    // hand-over was for, and a layout built from it would stay for the whole next connection.
    if (handle->getDevDetectState() != COMM_TRX_DEV_CONFIG_SHOWN)
        return;
    m_view->initUiObjCfgLayout();
    m_view->updateCfgViewText();
    enableConfigDisp();
}

// Takes a transponder left in Wi-Fi pass-through back to sentences; the line carries its checksum.
void AisConfiguration::leaveWiFiCfgMode()
{
    m_commManage->getDeviceComm()->sendCommand("$PDBG,163,0,,,,,,*15", nullptr);
}

bool AisConfiguration::enableDebugPortView(unsigned short mask, bool autoCheck)
{
    SYS_DEBUG(DEBUG_MSG_INFO, "%s, time: %d",
              autoCheck ? "Check device information(DiagDiagnosis Auto)" : "Check device information",
              static_cast<int>(nowSeconds()));
    constexpr int kStatusGroup = 8117;
    if (!sendPQXVCfgSentToCommPort(false, kStatusGroup, -1, 0, nullptr))
        return false;
    if (autoCheck)
        return true;

    const SMachineTypeData machine = m_commManage->getDeviceComm()->getSentenceHandle()->getMachineTypeData();
    if (!sendPQXVCfgSentToCommPort(false, machine.iCfgGroup, -1, 0, nullptr))
        return false;
    if (!sendPQXVCfgSentToCommPort(false, 183, -1, 0, nullptr))
        return false;
    if (!sendAIAIQSentToCommPort("CEK"))
        return false;
    if (!sendPQXVCfgSentToCommPort(false, 30, -1, 0, nullptr))
        return false;
    if (machine.eMachineType == MACHINE_TYPE_T_275) {
        if (!sendAIAIQSentToCommPort("EPV"))
            return false;
        if (!sendPQXVCfgSentToCommPort(false, 31, -1, 0, nullptr))
            return false;
    }
    return sendPTSTSentToCommPort(mask);
}

void AisConfiguration::autoCheckSystemStatus()
{
    if (ui->tbwgMain->currentWidget() != ui->tabMainDiagnostics)
        return;
    const long long now = nowSeconds();
    if (elapsed(now, m_autoCheckTime) < kAutoCheckPeriod)
        return;
    m_autoCheckTime = now;
    enableDebugPortView(kSystemDataMask, true);
}

void AisConfiguration::updateDiagnosticsDisp()
{
    const CDiagnostics counters = m_commManage->getDeviceComm()->getSentenceHandle()->getDiagnostics();
    const unsigned int rx[2] = {counters.m_uiRxA, counters.m_uiRxB};
    const unsigned int tx[2] = {counters.m_uiTxA, counters.m_uiTxB};
    m_view->updateDiagStatusDisp();
    m_view->updateDiagSysCheckDisp(counters.m_bGpsFix, rx, tx);
}

void AisConfiguration::updateOtherVesselsDisp(bool keepStyle)
{
    m_view->updateOtherVslListDisp(keepStyle);
}

void AisConfiguration::checkGenerateReport()
{
    if (!m_reportPending)
        return;
    const WiFiScope::WIFI_MAIN_PROC_S state = m_commManage->getDeviceComm()->getWiFiConfig()->m_mainProc;
    if (state != WiFiScope::WIFI_MAIN_PROC_PENDING && state != WiFiScope::WIFI_MAIN_PROC_POWER_FAIL)
        return;
    onGenerateCfgReport();
    m_reportPending = false;
}
