#pragma once

#include "WgPanel.h"

#include <QPoint>

// A panel the user drags by its body with the left button, once a subclass allows it.
class WgForm : public WgPanel
{
    Q_OBJECT

public:
    WgForm(QWidget* parent, Qt::WindowFlags flags);
    ~WgForm() override;

    bool isDraggable() const { return m_draggable; }
    bool isDragging() const { return m_dragging; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    bool m_draggable = false;

private:
    bool m_dragging = false;
    QPoint m_pressOffset; // cursor's global position minus the form's top-left at the press
};
