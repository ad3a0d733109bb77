#pragma once

// Qt's texts in readable form in the failure messages of GoogleTest.
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << "{\"" << texts.join("\", \"").toStdString() << "\"}";
}
