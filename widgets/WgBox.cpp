#include "WgBox.h"

#include "palette/QtObjPalette.h"

WgBox::WgBox(QWidget* parent, int cornerRadius, double opacity, bool withLayout)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint),
      WgBase(this, cornerRadius, withLayout)
{
    setWindowOpacity(opacity);
    if (opacity < 1.0)
        QtObjPalette::setWidgetBackground(this, QColor(0, 0, 0, static_cast<int>(opacity * 255)), true);
}

// Listeners hear nothing from a box that is going, not even from the widget's own teardown.
WgBox::~WgBox()
{
    disconnect();
}

void WgBox::showRaise()
{
    if (isVisible())
        return;
    show();
    raise();
}

bool WgBox::event(QEvent* event)
{
    return QWidget::event(event);
}

void WgBox::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
}

void WgBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit signalMouseRelease();
    QWidget::mouseReleaseEvent(event);
}

void WgBox::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
}

void WgBox::focusInEvent(QFocusEvent* event)
{
    emit signalFocusIn();
    QWidget::focusInEvent(event);
}

void WgBox::focusOutEvent(QFocusEvent* event)
{
    emit signalFocusOut();
    QWidget::focusOutEvent(event);
}

void WgBox::paintEvent(QPaintEvent*)
{}

void WgBox::resizeEvent(QResizeEvent* event)
{
    emit signalResize();
    QWidget::resizeEvent(event);
}
