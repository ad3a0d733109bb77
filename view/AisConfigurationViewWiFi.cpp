// The Wi-Fi page: display, read-back of the access-point settings, and the waiting page.
#include "AisConfigurationView.h"

void CAisConfigurationView::updateWiFiDisp() {}

void CAisConfigurationView::updateWiFiSettingDisp(bool, int) {}

void CAisConfigurationView::getWiFiAPData(WiFiScope::SAPData*) {}

void CAisConfigurationView::enableWiFiWaitingDisp(bool) {}

void CAisConfigurationView::updateWiFiPGBWaitingMsg(const QString&) {}

bool CAisConfigurationView::isClientAPConnected(const WiFiScope::SWiFiData&)
{
    return false;
}
