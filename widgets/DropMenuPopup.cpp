#include "DropMenuPopup.h"

CDropMenuPopup::CDropMenuPopup() : QWidget(nullptr, Qt::ToolTip)
{}

CDropMenuPopup::~CDropMenuPopup() = default;

void CDropMenuPopup::focusOutEvent(QFocusEvent* event)
{
    emit signalFocusOut();
    QWidget::focusOutEvent(event);
}
