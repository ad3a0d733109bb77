#pragma once

#include "WgBase.h"

#include <QWidget>

// A frameless, always-on-top box with the panel look, reporting mouse release, focus changes
// and resizing.
class WgBox : public QWidget, public WgBase
{
    Q_OBJECT

public:
    WgBox(QWidget* parent, int cornerRadius, double opacity, bool withLayout);
    ~WgBox() override;

    // Shows and raises the box unless it is already visible.
    void showRaise();

signals:
    void signalMouseRelease();
    void signalFocusIn();
    void signalFocusOut();
    void signalResize();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
