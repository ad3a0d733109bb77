#include "WgLabel.h"

WgLabel::WgLabel(QWidget* parent) : QLabel(parent)
{}

WgLabel::~WgLabel() = default;

// The press is taken here: it reaches neither the label's handler nor the parent.
void WgLabel::mousePressEvent(QMouseEvent*)
{
    emit signalClicked();
}

// The second press of a double click arrives as this event alone, so it is no click.
void WgLabel::mouseDoubleClickEvent(QMouseEvent*)
{
    emit signalDoubleClicked();
}
