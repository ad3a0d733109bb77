#include "WgForm.h"

#include <QMouseEvent>

WgForm::WgForm(QWidget* parent, Qt::WindowFlags flags) : WgPanel(parent, flags, 1.0, false)
{}

WgForm::~WgForm() = default;

// Only the left button alone starts a drag, so a chord of buttons does not move the form.
void WgForm::mousePressEvent(QMouseEvent* event)
{
    if (m_draggable && event->buttons() == Qt::LeftButton) {
        m_dragging = true;
        m_pressOffset = event->screenPos().toPoint() - frameGeometry().topLeft();
        event->accept();
    }
    QWidget::mousePressEvent(event);
}

void WgForm::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && event->buttons() != Qt::NoButton) {
        move(event->screenPos().toPoint() - m_pressOffset);
        event->accept();
    }
    QWidget::mouseMoveEvent(event);
}

// A release ends the drag and is not reported, unlike on a plain panel.
void WgForm::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}
