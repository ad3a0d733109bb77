// The serial-port list and the connection bar.
#include "AisConfigurationView.h"

void CAisConfigurationView::refreshSerialPortDisp(bool) {}

void CAisConfigurationView::updateCommConntDisp() {}

COMM::SCommConntProfile CAisConfigurationView::getConntProfile(int baudIndex)
{
    return getGeneralConntProfile(COMM::SENSOR_DEVICE_TRANSPONDER, baudIndex);
}

COMM::SCommConntProfile CAisConfigurationView::getGeneralConntProfile(COMM::SENSOR_DEVICE_T, int)
{
    return COMM::SCommConntProfile();
}
