#include "WgComboBox.h"

WgComboBox::WgComboBox(QWidget* parent) : QComboBox(parent)
{}

WgComboBox::~WgComboBox() = default;

// Every way of opening the list (mouse, keyboard, code) passes here; a directly connected
// listener refills the list before it shows.
void WgComboBox::showPopup()
{
    emit signalShowPopup();
    QComboBox::showPopup();
}
