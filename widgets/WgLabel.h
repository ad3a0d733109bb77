#pragma once

#include <QLabel>

// A label that reports a press and a double click.
class WgLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WgLabel(QWidget* parent = nullptr);
    ~WgLabel() override;

signals:
    void signalClicked();
    void signalDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
