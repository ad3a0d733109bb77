// Page switching, the Home quick menu, the Configuration page's arrows and inputs, the refresh
// of the Home and GPS Status pages, Diagnostics "Refresh" and the Wi-Fi power reminder.
#include "AisConfiguration.h"

void AisConfiguration::onMainMenuSwitch(int) {}

void AisConfiguration::updateCurPageDisp(int) {}

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
