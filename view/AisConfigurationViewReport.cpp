// The text of the configuration summary.
#include "AisConfigurationView.h"

QString CAisConfigurationView::generateCfgReport()
{
    return QString();
}
