#pragma once

#include <QHBoxLayout>

class WgSelectorSwitch;

// A horizontal layout, installed on its parent, holding one on/off selector switch.
class LoSelectorSwitch : public QHBoxLayout
{
    Q_OBJECT

public:
    explicit LoSelectorSwitch(QWidget* parent);
    ~LoSelectorSwitch() override;

    WgSelectorSwitch* selectorSwitch() const { return m_switch; }

private:
    WgSelectorSwitch* m_switch; // child of the parent widget
};
