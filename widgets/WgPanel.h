#pragma once

#include "WgBase.h"

#include <QDialog>

// A frameless dialog with the panel look, reporting mouse release, focus changes and closing.
class WgPanel : public QDialog, public WgBase
{
    Q_OBJECT

public:
    WgPanel(QWidget* parent, Qt::WindowFlags flags, double opacity, bool withLayout);
    ~WgPanel() override;

    // Keeps the panel on the primary screen vertically; a height of 0 keeps the size hint.
    void movePanel(int x, int y, int height);

signals:
    void signalMouseRelease();
    void signalFocusIn();
    void signalFocusOut();
    void signalClosed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
