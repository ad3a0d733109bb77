// The user's actions on the Wi-Fi page and the checks of what was typed.
#include "AisConfiguration.h"

void AisConfiguration::onWiFiEnable() {}

void AisConfiguration::onWiFiOPModeChange() {}

void AisConfiguration::onWiFiCfgApply() {}

void AisConfiguration::onWiFiAdvConfigChanged() {}

void AisConfiguration::onWiFiCfgPassWordChange(int) {}

void AisConfiguration::onFactoryReset() {}

void AisConfiguration::onClientRefresh() {}

void AisConfiguration::onClientAPCntDoubleClick() {}

void AisConfiguration::onGetClintAPListData(QModelIndex) {}

bool AisConfiguration::checkInputRule()
{
    return false;
}

bool AisConfiguration::checkWiFiPassword()
{
    return false;
}

bool AisConfiguration::checkWiFiChannel()
{
    return false;
}

bool AisConfiguration::checkWiFiPort()
{
    return false;
}

bool AisConfiguration::checkWiFiIPSets(const QString&)
{
    return false;
}

void AisConfiguration::getClientAPListData(QModelIndex, WiFiScope::SClintAPCntData*) {}
