// The 1 s refresh tick: transponder detection, the hand-over of a received configuration, the
// page refresh, and the configuration read.
#include "AisConfiguration.h"

void AisConfiguration::onTimerRefresh() {}

void AisConfiguration::autoDetermineTrxDev() {}

void AisConfiguration::updateConfigInfoAndDisp() {}

void AisConfiguration::leaveWiFiCfgMode() {}

bool AisConfiguration::enableDebugPortView(unsigned short, bool)
{
    return false;
}

void AisConfiguration::autoCheckSystemStatus() {}

void AisConfiguration::updateDiagnosticsDisp() {}

void AisConfiguration::updateOtherVesselsDisp(bool) {}

void AisConfiguration::checkGenerateReport() {}
