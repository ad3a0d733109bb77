#pragma once

#include <QWidget>

// The drop menu's popup: a top-level tool-tip window that says when it loses the keyboard
// focus, so the menu can close when the user turns elsewhere.
class WgDropMenuPopup : public QWidget
{
    Q_OBJECT

public:
    WgDropMenuPopup();
    ~WgDropMenuPopup() override;

signals:
    void signalFocusOut();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
