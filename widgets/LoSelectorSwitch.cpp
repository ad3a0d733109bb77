#include "LoSelectorSwitch.h"

#include "WgSelectorSwitch.h"

LoSelectorSwitch::LoSelectorSwitch(QWidget* parent) : QHBoxLayout(parent), m_switch(new WgSelectorSwitch(parent))
{
    addWidget(m_switch);
    setContentsMargins(0, 0, 0, 0);
}

LoSelectorSwitch::~LoSelectorSwitch() = default;
