#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <atomic>

// Collects Qt's warnings (style sheets Qt cannot parse, layout complaints, objects handled from
// a thread not their own) while it lives, on whichever thread they come.
class QtMessageProbe
{
public:
    QtMessageProbe() : m_previous(qInstallMessageHandler(&QtMessageProbe::handler)) { s_active = this; }
    ~QtMessageProbe()
    {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    QtMessageProbe(const QtMessageProbe&) = delete;
    QtMessageProbe& operator=(const QtMessageProbe&) = delete;

    QStringList warnings() const
    {
        QMutexLocker locker(&m_mutex);
        return m_warnings;
    }

private:
    static void handler(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        // The offscreen platform's own limits (raise, keyboard grab) are no fault of a widget.
        QtMessageProbe* active = s_active;
        if (active && type != QtDebugMsg && type != QtInfoMsg && !text.startsWith("This plugin does not support")) {
            QMutexLocker locker(&active->m_mutex);
            active->m_warnings << text;
        }
    }

    static inline std::atomic<QtMessageProbe*> s_active{nullptr};
    QtMessageHandler m_previous;
    mutable QMutex m_mutex;
    QStringList m_warnings;
};
