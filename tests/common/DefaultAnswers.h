#pragma once

#include "view/DialogProvider.h"

// The window's dialogs answered with their default button, as nobody is there to answer them:
// for benchmarks and tools that run the window unattended.
class CDefaultAnswers : public CDialogProvider
{
public:
    QMessageBox::StandardButton messageBox(QMessageBox::Icon, QWidget*, const QString&, const QString&,
                                           QMessageBox::StandardButtons, QMessageBox::StandardButton button) override
    {
        return button;
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return QString(); }
    QString inputText(QWidget*, const QString&, const QString&, QLineEdit::EchoMode, const QString&, bool* ok) override
    {
        *ok = false;
        return QString();
    }
};
