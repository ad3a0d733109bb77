#pragma once

#include "view/DialogProvider.h"

#include <QString>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

// The dialogs a person would answer, answered from a script: every message box, save dialog and
// input dialog the window opens is recorded, and answered with the next scripted answer, or,
// when none is left, with the box's default button (a save dialog is cancelled, an input dialog
// cancelled). Installed for its own lifetime.
class CScriptedDialogs : public CDialogProvider
{
public:
    enum KIND { MESSAGE, SAVE, INPUT };

    struct SAsked
    {
        KIND kind = MESSAGE;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text; // the message, or the input dialog's label
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString proposed; // the save dialog's proposal, the input dialog's text
        QString filter;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
    };

    CScriptedDialogs() { CDialogProvider::setInstance(this); }
    ~CScriptedDialogs() override { CDialogProvider::setInstance(nullptr); }

    CScriptedDialogs(const CScriptedDialogs&) = delete;
    CScriptedDialogs& operator=(const CScriptedDialogs&) = delete;

    QMessageBox::StandardButton messageBox(QMessageBox::Icon icon, QWidget*, const QString& title,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) override
    {
        SAsked asked;
        asked.kind = MESSAGE;
        asked.icon = icon;
        asked.title = title;
        asked.text = text;
        asked.buttons = buttons;
        asked.defaultButton = defaultButton;
        m_asked.push_back(asked);
        whileOpen();
        if (m_buttons.empty())
            return defaultButton;
        const QMessageBox::StandardButton answer = m_buttons.front();
        m_buttons.pop_front();
        return answer;
    }

    QString saveFileName(QWidget*, const QString& title, const QString& proposed, const QString& filter) override
    {
        SAsked asked;
        asked.kind = SAVE;
        asked.title = title;
        asked.proposed = proposed;
        asked.filter = filter;
        m_asked.push_back(asked);
        whileOpen();
        if (m_files.empty())
            return QString();
        const QString answer = m_files.front();
        m_files.pop_front();
        return answer;
    }

    QString inputText(QWidget*, const QString& title, const QString& label, QLineEdit::EchoMode echo,
                      const QString& text, bool* ok) override
    {
        SAsked asked;
        asked.kind = INPUT;
        asked.title = title;
        asked.text = label;
        asked.echo = echo;
        asked.proposed = text;
        m_asked.push_back(asked);
        whileOpen();
        if (m_inputs.empty()) {
            if (ok != nullptr)
                *ok = false;
            return QString();
        }
        const auto answer = m_inputs.front();
        m_inputs.pop_front();
        if (ok != nullptr)
            *ok = answer.second;
        return answer.first;
    }

    // The next answers, in order.
    void answerButton(QMessageBox::StandardButton button) { m_buttons.push_back(button); }
    void answerFile(const QString& path) { m_files.push_back(path); }
    void answerInput(const QString& text, bool ok = true) { m_inputs.emplace_back(text, ok); }

    // Runs while a dialog is open, as the event loop of a modal dialog would run it: a test can
    // let a tick arrive meanwhile.
    void setWhileOpen(std::function<void()> action) { m_whileOpen = std::move(action); }

    const std::vector<SAsked>& asked() const { return m_asked; }
    int count() const { return static_cast<int>(m_asked.size()); }
    const SAsked& last() const { return m_asked.back(); }
    void clear() { m_asked.clear(); }

private:
    void whileOpen()
    {
        if (m_whileOpen) {
            // Not re-entered by a dialog the action itself opens.
            auto action = std::move(m_whileOpen);
            action();
            m_whileOpen = std::move(action);
        }
    }

    std::vector<SAsked> m_asked;
    std::deque<QMessageBox::StandardButton> m_buttons;
    std::deque<QString> m_files;
    std::deque<std::pair<QString, bool>> m_inputs;
    std::function<void()> m_whileOpen;
};
