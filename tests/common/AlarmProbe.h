#pragma once

#include "services/SysDebug.h"

#include <QFile>
#include <QFileInfo>

// Counts what was logged at an alarm level (Error and above) since the probe was made. Such a
// record empties the logger's ring into "logger.log" (in the test's working folder), where
// LogProbe cannot see it, so it is read there, in plain text.
class AlarmProbe
{
public:
    AlarmProbe()
    {
        log()->setEncryption(false);
        log()->msgProc();
        m_offset = QFileInfo(kFile).size();
    }

    int count(const char* part)
    {
        log()->msgProc();
        QFile file(kFile);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(m_offset))
            return 0;
        return file.readAll().count(part);
    }

private:
    static constexpr const char* kFile = "logger.log";
    static SysDebug* log() { return Pattern::Singleton<SysDebug>::instance(); }
    qint64 m_offset = 0;
};
