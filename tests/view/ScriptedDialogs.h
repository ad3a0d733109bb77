#pragma once

#include "view/DialogProvider.h"

#include <QList>
#include <QString>
#include <deque>

// Answers the window's dialogs from a script and records what each asked. Set while it lives:
//     ScriptedDialogs dialogs;
//     dialogs.answers.push_back(QMessageBox::Yes);
//     dialogs.fileNames.push_back(path);         // a save dialog; empty means Cancel
//     dialogs.texts.push_back({"password", true}); // an input dialog; false means Cancel
// An unscripted message box answers its default button; an unscripted save or input dialog is
// cancelled.
class ScriptedDialogs : public CDialogProvider
{
public:
    enum KIND { MESSAGE_BOX, SAVE_FILE, INPUT_TEXT };

    // One dialog as the window asked for it.
    struct SAsked
    {
        KIND kind;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text; // the message, or the input dialog's label
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString proposed; // the save dialog's proposed name, the input dialog's text
        QString filter;
        bool hasParent = false;
    };
    struct SText
    {
        QString text;
        bool ok;
    };

    ScriptedDialogs() { CDialogProvider::setInstance(this); }
    ~ScriptedDialogs() override { CDialogProvider::setInstance(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    QMessageBox::StandardButton messageBox(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) override
    {
        SAsked record{MESSAGE_BOX, icon, title, text, buttons, defaultButton, {}, {}, parent != nullptr};
        asked.push_back(record);
        if (answers.empty())
            return defaultButton;
        const QMessageBox::StandardButton answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString saveFileName(QWidget* parent, const QString& title, const QString& proposed, const QString& filter) override
    {
        SAsked record{SAVE_FILE, QMessageBox::NoIcon, title, {}, {}, QMessageBox::NoButton, proposed,
                      filter,    parent != nullptr};
        asked.push_back(record);
        if (fileNames.empty())
            return QString();
        const QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }

    QString inputText(QWidget* parent, const QString& title, const QString& label, QLineEdit::EchoMode,
                      const QString& text, bool* ok) override
    {
        SAsked record{INPUT_TEXT, QMessageBox::NoIcon, title, label, {}, QMessageBox::NoButton, text,
                      {},         parent != nullptr};
        asked.push_back(record);
        SText answer{QString(), false};
        if (!texts.empty()) {
            answer = texts.front();
            texts.pop_front();
        }
        if (ok != nullptr)
            *ok = answer.ok;
        return answer.text;
    }

    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> fileNames;
    std::deque<SText> texts;
    QList<SAsked> asked;
};
