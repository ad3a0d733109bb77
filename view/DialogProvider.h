#pragma once

#include <QLineEdit>
#include <QMessageBox>
#include <QString>

class QWidget;

// Every dialog the window opens goes through the provider in use: the real Qt dialogs, unless
// another provider is set (tests answer them from a script and record what was asked).
class CDialogProvider
{
public:
    virtual ~CDialogProvider() = default;

    // A modal message box; the button the user pressed.
    virtual QMessageBox::StandardButton messageBox(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                                   const QString& text, QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton);
    // The save dialog: the chosen file, empty when cancelled. proposed is the start folder or
    // the proposed file name.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& proposed, const QString& filter);
    // The text input dialog: ok is false when cancelled.
    virtual QString inputText(QWidget* parent, const QString& title, const QString& label, QLineEdit::EchoMode echo,
                              const QString& text, bool* ok);

    static CDialogProvider* instance();
    // Not owned; null restores the real dialogs.
    static void setInstance(CDialogProvider* provider);
};
