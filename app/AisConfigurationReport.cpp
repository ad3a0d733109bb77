// The configuration summary written to a file the user chooses.
#include "AisConfiguration.h"

#include "device/CommSpaceManage.h"
#include "view/DialogProvider.h"

#include <QFile>
#include <QTextStream>

void AisConfiguration::onGenerateCfgReport()
{
    // The first scan of access points has just been started: the tick writes the report once it
    // has ended, so that the report holds what it found.
    if (isWiFiAPListNeedToFirstRefresh()) {
        m_reportPending = true;
        return;
    }
    const QString name = CDialogProvider::instance()->saveFileName(
        this, tr("Save Report File"), QStringLiteral("AIS Configuration Summary"), tr("Log Files(*.txt)"));
    if (name.isEmpty())
        return;
    QFile file(name);
    // The report's lines carry their own CR LF: nothing is translated on the way out.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    // The counters are written by the communication thread: the report reads a copy taken under
    // their owner's lock.
    const CDiagnostics counters = m_commManage->getDeviceComm()->getSentenceHandle()->getDiagnostics();
    QTextStream stream(&file);
    stream << m_view->generateCfgReport(counters);
    stream.flush();
    file.close();
}
