// Connecting and disconnecting the transponder link, and the manager's notices.
#include "AisConfiguration.h"

void AisConfiguration::onCommConntStatusChange() {}

void AisConfiguration::onConntSaved() {}

void AisConfiguration::onConntDeleted() {}

void AisConfiguration::onRefreshSerialPortDisp() {}
