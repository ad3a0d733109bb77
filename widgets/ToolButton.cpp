#include "ToolButton.h"

CToolButton::CToolButton() : QToolButton(nullptr)
{}

CToolButton::~CToolButton() = default;

void CToolButton::enterEvent(QEvent*)
{
    emit signalMouseEnter();
}
