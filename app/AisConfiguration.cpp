// Start-up of the main window: its parts, translations, settings and wiring.
#include "AisConfiguration.h"

#include "services/PortalTime.h"

AisConfiguration::AisConfiguration(QWidget* parent) : QMainWindow(parent) {}

long long AisConfiguration::nowSeconds()
{
    return Portal::Time::Clock::wallMsecs() / 1000;
}

void AisConfiguration::onStartupReady() {}

void AisConfiguration::initUiObj() {}

void AisConfiguration::initForm() {}

void AisConfiguration::updateUiText() {}

void AisConfiguration::configureWgConnections() {}

void AisConfiguration::readAllProfileIni() {}

void AisConfiguration::switchLanguageType(int) {}

void AisConfiguration::enableConfigDisp() {}

void AisConfiguration::init() {}

bool AisConfiguration::isWiFiAPListNeedToFirstRefresh()
{
    return false;
}
