#include "WgPanel.h"

#include <QGuiApplication>
#include <QScreen>

WgPanel::WgPanel(QWidget* parent, Qt::WindowFlags flags, double opacity, bool withLayout)
    : QDialog(parent, flags), WgBase(this, 0, withLayout)
{
    setWindowOpacity(opacity);
}

WgPanel::~WgPanel() = default;

void WgPanel::movePanel(int x, int y, int height)
{
    const int screenHeight = QGuiApplication::primaryScreen()->geometry().height();
    const int h = this->height();
    const int top = screenHeight < h + y ? screenHeight - h : y;
    if (height != 0) {
        setGeometry(x, top, width(), height);
    } else {
        adjustSize();
        move(x, top);
    }
}

void WgPanel::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
}

void WgPanel::mouseReleaseEvent(QMouseEvent* event)
{
    emit signalMouseRelease();
    QWidget::mouseReleaseEvent(event);
}

void WgPanel::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
}

void WgPanel::focusInEvent(QFocusEvent* event)
{
    emit signalFocusIn();
    QWidget::focusInEvent(event);
}

void WgPanel::focusOutEvent(QFocusEvent* event)
{
    emit signalFocusOut();
    QWidget::focusOutEvent(event);
}

void WgPanel::paintEvent(QPaintEvent*)
{
    if (borderCornerRadius() >= 1)
        paintBorder();
}

void WgPanel::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    emit signalClosed();
}
