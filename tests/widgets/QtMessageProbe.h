#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects Qt's warnings (style sheets Qt cannot parse, layout complaints) while it lives.
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

    const QStringList& warnings() const { return m_warnings; }

private:
    static void handler(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        // The offscreen platform's own limits (raise, keyboard grab) are no fault of a widget.
        if (s_active && type != QtDebugMsg && type != QtInfoMsg && !text.startsWith("This plugin does not support"))
            s_active->m_warnings << text;
    }

    static inline QtMessageProbe* s_active = nullptr;
    QtMessageHandler m_previous;
    QStringList m_warnings;
};
