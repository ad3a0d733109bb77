#include "DialogProvider.h"

#include <QFileDialog>
#include <QInputDialog>

namespace {

CDialogProvider* s_provider = nullptr;

} // namespace

QMessageBox::StandardButton CDialogProvider::messageBox(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                                        const QString& text, QMessageBox::StandardButtons buttons,
                                                        QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    if (box.exec() == -1)
        return QMessageBox::Cancel;
    return box.standardButton(box.clickedButton());
}

QString CDialogProvider::saveFileName(QWidget* parent, const QString& title, const QString& proposed,
                                      const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, proposed, filter);
}

QString CDialogProvider::inputText(QWidget* parent, const QString& title, const QString& label,
                                   QLineEdit::EchoMode echo, const QString& text, bool* ok)
{
    return QInputDialog::getText(parent, title, label, echo, text, ok);
}

CDialogProvider* CDialogProvider::instance()
{
    static CDialogProvider s_real;
    return s_provider != nullptr ? s_provider : &s_real;
}

void CDialogProvider::setInstance(CDialogProvider* provider)
{
    s_provider = provider;
}
