// Program Device, the MMSI reset and the sentence senders.
#include "AisConfiguration.h"

void AisConfiguration::onCfgProgramDev() {}

void AisConfiguration::onLabelMmsiDoubleClick() {}

void AisConfiguration::onMmsiReset() {}

void AisConfiguration::configVesselDetail(CSensorConfig*) {}

void AisConfiguration::configAdvancedConfiguration(CSensorConfig*) {}

void AisConfiguration::configBaudRate(CSensorConfig*) {}

void AisConfiguration::configSRM(CSensorConfig*) {}

void AisConfiguration::configEncryption(CSensorConfig*) {}

void AisConfiguration::recomposeSentForReservedChar(char* out, const char*)
{
    out[0] = '\0';
}

bool AisConfiguration::sendAIAIQSentToCommPort(std::string)
{
    return false;
}

bool AisConfiguration::sendPQXVCfgSentToCommPort(bool, int, int, int, const char*)
{
    return false;
}

bool AisConfiguration::sendPTSTSentToCommPort(unsigned short)
{
    return false;
}

bool AisConfiguration::sendCommWithCheckSum(const char*)
{
    return false;
}

bool AisConfiguration::sendPQXVDbgSentToCommPort(bool, const SDBGCommandStruct*, int)
{
    return false;
}

bool AisConfiguration::sendPDBGSentToCommPort(const SDBGCommandStruct*)
{
    return false;
}

bool AisConfiguration::sendPMIDSentToCommPort(int)
{
    return false;
}

bool AisConfiguration::sendPQXVMidSentToCommPort(int)
{
    return false;
}

bool AisConfiguration::sendECSSDSentToCommPort(const char*, const char*, int, int, int, int)
{
    return false;
}

bool AisConfiguration::sendECVSDSentToCommPort(int)
{
    return false;
}

bool AisConfiguration::sendAIEPVSentToCommPort(int, int, int)
{
    return false;
}
