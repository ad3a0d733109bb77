// The view's construction and one-time widget set-up.
#include "AisConfigurationView.h"

#include "widgets/ModSatelliteMap.h"
#include "widgets/WgSelectorSwitch.h"

CAisConfigurationView::CAisConfigurationView(Ui::AisConfiguration* form, CSensorConfig* config, CWiFiConfig* wifi,
                                             CDiagnostics* counters)
    : ui(form), sensorConfig(config), diagnostics(counters), wifiConfig(wifi)
{
}

CAisConfigurationView::~CAisConfigurationView()
{
    delete skyMapGps;
    skyMapGps = nullptr;
    delete wifiEnableSwitch;
    wifiEnableSwitch = nullptr;
}

void CAisConfigurationView::initUiObjDisp() {}

void CAisConfigurationView::buildShipTypeResource() {}

void CAisConfigurationView::updateAisAdvConfigDisp(bool) {}

void CAisConfigurationView::updateWiFiAdvConfigDisp(bool) {}

void CAisConfigurationView::switchHomeMenuDisp(bool) {}

void CAisConfigurationView::init() {}
