// Page switching, the Home quick menu, the Configuration page's arrows and inputs, the refresh
// of the Home and GPS Status pages, Diagnostics "Refresh" and the Wi-Fi power reminder.
#include "AisConfiguration.h"

#include "ui_AisConfiguration.h"

#include <QButtonGroup>

void AisConfiguration::onMainMenuSwitch(int iIdx)
{
    updateCurPageDisp(iIdx);
}

void AisConfiguration::updateCurPageDisp(int page)
{
    // Before a configuration is shown only Home is available.
    if (!ui->wgMainMenu->isEnabled())
        return;
    QWidget* const pages[] = {ui->tabMainHome,         ui->tabMainConfiguration, ui->tabMainGPSStatus,
                              ui->tabMainDiagnostics,  ui->tabMainOtherVessels,  ui->tabMainSerialData,
                              ui->tabMainWiFi};
    const bool known = page >= 0 && page < static_cast<int>(std::size(pages));
    switch (page) {
    case 0:
        updateHomePageDisp(false);
        break;
    case 1:
        m_view->updateConfigurationInfo();
        break;
    case 2:
        updateGPSStatusDisp();
        break;
    case 4:
        m_view->updateOtherVslListDisp(false);
        break;
    case 5:
        m_view->updateSerialDataDisp();
        break;
    case 6:
        isWiFiAPListNeedToFirstRefresh();
        break;
    default:
        break;
    }
    m_view->switchHomeMenuDisp(page == 0);
    if (QAbstractButton* button = m_mainMenuGroup->button(page))
        button->setChecked(true);
    if (known)
        ui->tbwgMain->setCurrentWidget(pages[page]);
}

void AisConfiguration::wgHomeQuickMenuClick() {}

void AisConfiguration::wgWiFiModeClick() {}

void AisConfiguration::gdLayOutCfgClick() {}

void AisConfiguration::updateHomePageDisp(bool) {}

void AisConfiguration::updateGPSStatusDisp(bool) {}

void AisConfiguration::drawSNRBarChart() {}

void AisConfiguration::drawSatellites(ModSatelliteMap*) {}

void AisConfiguration::checkDevPower() {}

void AisConfiguration::enableWiFiWaitingDisp(bool) {}

void AisConfiguration::onRefreshDiagnostics() {}

void AisConfiguration::onCfgAdvConfigChanged() {}

void AisConfiguration::onShipNameToUpper(const QString&) {}

void AisConfiguration::onCallSignToUpper(const QString&) {}

void AisConfiguration::onSRMTxtEdited(const QString&) {}

void AisConfiguration::onEncryptionModeEnable(int) {}

void AisConfiguration::onEncryptionAddressMode(int) {}

void AisConfiguration::onMmsiHelpClick() {}
