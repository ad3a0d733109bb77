// The read-only pages: Home, GPS Status, Diagnostics, Other Vessels and Serial Data.
#include "AisConfigurationView.h"

void CAisConfigurationView::updateHomePageDisp() {}

void CAisConfigurationView::updateSatelliteStatusDisp(bool, int, bool, long long, Unit::SPointG2dD,
                                                      Unit::WORLD_POS_FORMAT, float, float, float)
{
}

void CAisConfigurationView::updateDiagStatusDisp() {}

void CAisConfigurationView::updateDiagSysCheckDisp(bool, const unsigned int[2], const unsigned int[2]) {}

void CAisConfigurationView::updateOtherVslListDisp(bool) {}

void CAisConfigurationView::updateSerialDataDisp() {}
