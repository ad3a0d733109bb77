// The Serial Data page (monitor, log switch, clear, save, typed command) and Help.
#include "AisConfiguration.h"

void AisConfiguration::onCommRxLogMsg(void*, QString) {}

void AisConfiguration::recomposeLogMsgForNewLine(QString*) {}

void AisConfiguration::msgAutoScroll(QTextBrowser*) {}

void AisConfiguration::updateSerialDataMemo(QTextBrowser*, COMM::CServiceComm*, QString) {}

void AisConfiguration::convQStringToCharArray(char* out, int size, const QString&)
{
    if (size > 0)
        out[0] = '\0';
}

void AisConfiguration::onEnableLogSwitch() {}

void AisConfiguration::onClearLog() {}

void AisConfiguration::onSaveLog() {}

void AisConfiguration::onSendCommand() {}

void AisConfiguration::onHelpClick() {}
