#pragma once

#include <QToolButton>

// A tool button that reports the mouse entering it.
class CToolButton : public QToolButton
{
    Q_OBJECT

public:
    CToolButton();
    ~CToolButton() override;

signals:
    void signalMouseEnter();

protected:
    void enterEvent(QEvent* event) override;
};
