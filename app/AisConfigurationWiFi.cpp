// The Wi-Fi main procedure with its time-out, and the six Wi-Fi jobs.
#include "AisConfiguration.h"

void AisConfiguration::wifiMainProc(WiFiScope::WIFI_MAIN_PROC_S) {}

bool AisConfiguration::wifiProcTimeOut()
{
    return false;
}

void AisConfiguration::wifiCfgType(WiFiScope::WIFI_CFG_TYPE, int) {}

void AisConfiguration::restWiFiCfgSubProc() {}

void AisConfiguration::showMsgBox(MSG_BOX_S, const QString&, const QString&, int, int) {}

void AisConfiguration::wifiQueryProc(int) {}

void AisConfiguration::wifiSetupProc(int) {}

void AisConfiguration::wifiClientScanProc(int) {}

void AisConfiguration::wifiClientAPCntProc(int) {}

void AisConfiguration::wifiFunModeCtrlProc(int) {}

void AisConfiguration::wifiFactoryResetProc(int) {}

bool AisConfiguration::checkOPMode(int)
{
    return true;
}
