// The configuration summary written to a file the user chooses.
#include "AisConfiguration.h"

void AisConfiguration::onGenerateCfgReport() {}
