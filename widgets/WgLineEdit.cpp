#include "WgLineEdit.h"

#include <QKeyEvent>

WgLineEdit::WgLineEdit(QWidget* parent) : QLineEdit(parent)
{}

WgLineEdit::~WgLineEdit() = default;

void WgLineEdit::setIgnoreLRArrowKeyFlag(bool ignore)
{
    m_ignoreLRArrowKey = ignore;
}

void WgLineEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right;
    if (m_ignoreLRArrowKey && arrow)
        return;
    if ((key == Qt::Key_Left && cursorPosition() == 0) || (key == Qt::Key_Right && cursorPosition() == text().length()))
        emit signalFocusOut();
    QLineEdit::keyPressEvent(event);
}
