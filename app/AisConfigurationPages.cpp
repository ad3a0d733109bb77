// Page switching, the Home quick menu, the Configuration page's arrows and inputs, the refresh
// of the Home and GPS Status pages, Diagnostics "Refresh" and the Wi-Fi power reminder.
#include "AisConfiguration.h"

#include "device/CommSpaceManage.h"
#include "services/Singleton.h"
#include "services/SysDebug.h"
#include "view/DialogProvider.h"
#include "widgets/LibraryColor.h"
#include "widgets/ModSatelliteMap.h"
#include "widgets/WgSelectorSwitch.h"

#include "ui_AisConfiguration.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCursor>
#include <QLineEdit>
#include <algorithm>

namespace {

// The main menu's pages, by menu id.
QWidget* Ui::AisConfiguration::*const kPages[] = {
    &Ui::AisConfiguration::tabMainHome,        &Ui::AisConfiguration::tabMainConfiguration,
    &Ui::AisConfiguration::tabMainGPSStatus,   &Ui::AisConfiguration::tabMainDiagnostics,
    &Ui::AisConfiguration::tabMainOtherVessels, &Ui::AisConfiguration::tabMainSerialData,
    &Ui::AisConfiguration::tabMainWiFi,
};
constexpr int kPageCount = static_cast<int>(sizeof(kPages) / sizeof(kPages[0]));

enum PAGE_ID : int {
    PAGE_HOME = 0,
    PAGE_CONFIGURATION = 1,
    PAGE_GPS_STATUS = 2,
    PAGE_DIAGNOSTICS = 3,
    PAGE_OTHER_VESSELS = 4,
    PAGE_SERIAL_DATA = 5,
    PAGE_WIFI = 6,
};

// Colour catalogue entries of the satellites, as the sky map draws them.
constexpr int kColorInUse = 16;
constexpr int kColorInView = 19;
// Where a satellite can stand; the GPS model keeps the empty fields of one not yet located as
// values beyond these.
constexpr int kMaxElevation = 90;
constexpr int kMaxAzimuth = 359;

// Whether the cursor stands over the widget.
bool underCursor(const QWidget* widget)
{
    return widget != nullptr && widget->rect().contains(widget->mapFromGlobal(QCursor::pos()));
}

// The text in upper case, the cursor kept where the user typed.
void setUpper(QLineEdit* edit, const QString& text)
{
    const QString upper = text.toUpper();
    if (edit == nullptr || edit->text() == upper)
        return;
    const int cursor = edit->cursorPosition();
    edit->setText(upper);
    edit->setCursorPosition(cursor);
}

} // namespace

void AisConfiguration::onMainMenuSwitch(int iIdx)
{
    updateCurPageDisp(iIdx);
}

void AisConfiguration::updateCurPageDisp(int page)
{
    if (!ui->wgMainMenu->isEnabled())
        return;
    switch (page) {
    case PAGE_HOME:
        updateHomePageDisp(false);
        break;
    case PAGE_CONFIGURATION:
        m_view->updateConfigurationInfo();
        break;
    case PAGE_GPS_STATUS:
        updateGPSStatusDisp();
        break;
    case PAGE_OTHER_VESSELS:
        m_view->updateOtherVslListDisp(false);
        break;
    case PAGE_SERIAL_DATA:
        m_view->updateSerialDataDisp();
        break;
    case PAGE_WIFI:
        isWiFiAPListNeedToFirstRefresh();
        break;
    default: // Diagnostics is refreshed by the tick
        break;
    }
    m_view->switchHomeMenuDisp(page == PAGE_HOME);
    if (m_mainMenuGroup != nullptr) {
        if (QAbstractButton* button = m_mainMenuGroup->button(page))
            button->setChecked(true);
    }
    if (page >= 0 && page < kPageCount)
        ui->tbwgMain->setCurrentWidget(ui->*kPages[page]);
}

void AisConfiguration::wgHomeQuickMenuClick()
{
    if (!ui->wgMainHome->isVisible())
        return;
    if (m_envSetup.setting().DebugMode)
        ui->wgMainMenu->setEnabled(true);
    int page = PAGE_HOME;
    if (underCursor(ui->wgHomeOtherVessels))
        page = PAGE_OTHER_VESSELS;
    else if (underCursor(ui->wgHomeDiagnostics))
        page = PAGE_DIAGNOSTICS;
    else if (underCursor(ui->wgHomeGPSStatus))
        page = PAGE_GPS_STATUS;
    else if (underCursor(ui->wgHomeConfiguration))
        page = PAGE_CONFIGURATION;
    if (ui->wgHomeWiFi->isVisible() && underCursor(ui->wgHomeWiFi))
        page = PAGE_WIFI;
    updateCurPageDisp(page);
}

void AisConfiguration::wgWiFiModeClick()
{
    if (ui->tbwgMain->currentWidget() != ui->tabMainWiFi || m_view->wifiEnableSwitch == nullptr ||
        !m_view->wifiEnableSwitch->isActive())
        return;
    const bool wasAccessPoint = ui->rdbWiFiAccessPoint->isChecked();
    if (underCursor(ui->wgWiFiModeAccessPoint)) {
        if (!wasAccessPoint)
            ui->rdbWiFiAccessPoint->click();
    }
    if (wasAccessPoint && underCursor(ui->wgWiFiModeClient))
        ui->rdbWiFiClient->click();
}

void AisConfiguration::gdLayOutCfgClick()
{
    SCfgLayoutInfo& layout = m_view->cfgLayoutInfo;
    if (ui->tbwgMain->currentWidget() != ui->tabMainConfiguration || layout.iPageCount < 2)
        return;
    // The arrows move between the first two pages only.
    const int current = layout.iCurrentPage;
    if (underCursor(ui->wgCfgRightPage)) {
        if (current <= 0) {
            layout.iCurrentPage = current + 1;
            m_view->setCfgLayoutOrder(layout.iCurrentPage);
        }
        SYS_DEBUG(DEBUG_MSG_CONTROL, "Configuration change to page %d", layout.iCurrentPage);
    } else if (underCursor(ui->wgCfgLeftPage)) {
        if (current > 0) {
            layout.iCurrentPage = current - 1;
            m_view->setCfgLayoutOrder(layout.iCurrentPage);
        }
        SYS_DEBUG(DEBUG_MSG_CONTROL, "Configuration change to page %d", layout.iCurrentPage);
    }
}

void AisConfiguration::updateHomePageDisp(bool skyMapOnly)
{
    drawSatellites(m_view->skyMapHome);
    if (!skyMapOnly)
        m_view->updateHomePageDisp();
}

void AisConfiguration::updateGPSStatusDisp(bool)
{
    // The GPS model is written by the communication thread: one copy taken under its lock.
    const SensorScope::CGpsData gps = m_commManage->getDeviceComm()->getGpsInfo()->getGpsData();
    Unit::SPointG2dD position;
    position.latitude = gps.m_latitude;
    position.longitude = gps.m_longitude;
    m_view->updateSatelliteStatusDisp(gps.m_positionValid != 0, gps.m_fixMode, gps.m_timeValid != 0,
                                      static_cast<long long>(gps.m_utcTime), position, Unit::WORLD_POS_FORMAT_DEG_MIN,
                                      gps.m_cog, gps.m_sog, gps.m_hdop);
    drawSatellites(m_view->skyMapGps);
    drawSNRBarChart();
}

void AisConfiguration::drawSNRBarChart()
{
    const SensorScope::GSV_SAT_TABLE sats =
        m_commManage->getDeviceComm()->getGpsInfo()->getGpsData().m_shownSats;
    const LibraryColor* colors = Pattern::Singleton<LibraryColor>::instance();
    const QColor inUse(colors->color(kColorInUse).currentRgb());
    const QColor inView(colors->color(kColorInView).currentRgb());
    WgHistogram& bars = m_view->snrHistogram;
    bars.clear();
    const int count = std::min<int>(sats.count, SensorScope::GPS_SAT_MAX);
    for (int i = 0; i < count; ++i) {
        // A satellite without a signal has no bar.
        if (sats.snr[i] < 1)
            continue;
        bars.addItem(QString::asprintf("%d", sats.prn[i]), sats.snr[i], sats.inUse[i] != 0 ? inUse : inView, i);
    }
    bars.update();
}

void AisConfiguration::drawSatellites(ModSatelliteMap* map)
{
    if (map == nullptr)
        return;
    const SensorScope::GSV_SAT_TABLE sats =
        m_commManage->getDeviceComm()->getGpsInfo()->getGpsData().m_shownSats;
    map->clearSatelliteIdItems();
    const int count = std::min<int>(sats.count, ModSatelliteMap::kSlotCount);
    for (int i = 0; i < count; ++i) {
        // A satellite not yet located has no place on the map; its slot stays hidden.
        if (sats.elevation[i] > kMaxElevation || sats.azimuth[i] > kMaxAzimuth)
            continue;
        // One in view without a signal is still on the map (the map hides a slot whose signal is
        // 0); only the bar chart leaves it out.
        const int shownSnr = std::max<int>(sats.snr[i], 1);
        map->updateSatelliteSymbol(i, sats.prn[i], sats.elevation[i], sats.azimuth[i], shownSnr, sats.inUse[i] != 0);
    }
}

void AisConfiguration::checkDevPower()
{
    CDeviceComm* device = m_commManage->getDeviceComm();
    CWiFiConfig* wifi = device->getWiFiConfig();
    if (device->getSentenceHandle()->getDevDetectState() != COMM_TRX_DEV_CONFIG_SHOWN ||
        !device->getSentenceHandle()->getDisplayedConfig()->bWiFiModule || wifi->m_powerCheckDone != 0)
        return;
    // Marked before the box opens, so that nothing running under it opens a second one.
    wifi->m_powerCheckDone = 1;
    // Ok, the accepting button, is the default.
    const QMessageBox::StandardButton answer = CDialogProvider::instance()->messageBox(
        QMessageBox::Information, this, m_view->wifiText.strInformation, m_view->wifiText.strPowerSupply,
        QMessageBox::No | QMessageBox::Ok, QMessageBox::Ok);
    // A disconnection while the box was open has reset the Wi-Fi state: the answer belonged to
    // the connection that is gone, and the next one asks again.
    if (wifi->m_powerCheckDone == 0)
        return;
    if (answer == QMessageBox::Ok) {
        wifi->m_powerConfirmed = 1;
    } else {
        wifi->m_powerConfirmed = 0;
        wifi->m_mainProc = WiFiScope::WIFI_MAIN_PROC_POWER_FAIL;
    }
}

void AisConfiguration::enableWiFiWaitingDisp(bool on)
{
    const bool shown = ui->tbwgMain->currentWidget() == ui->tbProgressBar;
    if (on && !shown) {
        m_view->enableWiFiWaitingDisp(true);
    } else if (!on && shown) {
        m_view->enableWiFiWaitingDisp(false);
        m_view->updateWiFiPGBWaitingMsg(m_view->wifiText.strApplyingShort);
    }
}

void AisConfiguration::onRefreshDiagnostics()
{
    SYS_DEBUG(DEBUG_MSG_CONTROL, "%s", "Diagnostics refresh clicked");
    CDeviceComm* device = m_commManage->getDeviceComm();
    device->initDevDiagnoseInfo();
    m_view->updateDiagStatusDisp();
    const CDiagnostics counters = device->getSentenceHandle()->getDiagnostics();
    const unsigned int rx[2] = {counters.m_uiRxA, counters.m_uiRxB};
    const unsigned int tx[2] = {counters.m_uiTxA, counters.m_uiTxB};
    m_view->updateDiagSysCheckDisp(counters.m_bGpsFix, rx, tx);
    enableDebugPortView(16, false);
}

void AisConfiguration::onCfgAdvConfigChanged()
{
    // Hidden rows are shown, shown rows hidden.
    m_view->updateAisAdvConfigDisp(ui->lblCfgTransceiver->isHidden());
}

void AisConfiguration::onShipNameToUpper(const QString& strText)
{
    setUpper(ui->edtCfgShipName, strText);
}

void AisConfiguration::onCallSignToUpper(const QString& strText)
{
    setUpper(ui->edtCfgCallSign, strText);
}

void AisConfiguration::onSRMTxtEdited(const QString&)
{
    for (QLineEdit* edit : {ui->edtCfgSRMText0, ui->edtCfgSRMText1, ui->edtCfgSRMText2, ui->edtCfgSRMText3})
        setUpper(edit, edit->text());
}

void AisConfiguration::onEncryptionModeEnable(int iState)
{
    const bool on = iState == Qt::Checked;
    ui->wgCfgEncryptionAddressMode->setEnabled(on);
    ui->wgCfgEncryptionCode->setEnabled(on);
}

void AisConfiguration::onEncryptionAddressMode(int iState)
{
    ui->wgCfgEncryptionMMSI->setEnabled(iState == Qt::Checked);
}

void AisConfiguration::onMmsiHelpClick()
{
    CDialogProvider::instance()->messageBox(QMessageBox::Information, this, m_view->strMmsiTitle,
                                            m_view->strMmsiHelp, QMessageBox::Ok, QMessageBox::Ok);
}
