#include "WgDropMenuPopup.h"

WgDropMenuPopup::WgDropMenuPopup() : QWidget(nullptr, Qt::ToolTip)
{}

WgDropMenuPopup::~WgDropMenuPopup() = default;

void WgDropMenuPopup::focusOutEvent(QFocusEvent* event)
{
    emit signalFocusOut();
    QWidget::focusOutEvent(event);
}
