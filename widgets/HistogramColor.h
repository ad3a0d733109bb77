#pragma once

#include "services/ResourceColor.h"

#include <QColor>

// Colours of the signal-bar histogram, taken from the base set at the entries' current mode.
class CHistogramColor : public ResourceColor
{
public:
    CHistogramColor();
    ~CHistogramColor() override;

    void switchColorBrill(COLOR_BRILL_M mode) override;

    QColor axisColor; // axes, scales, tick marks and captions
    QColor textColor; // value labels on the bars

private:
    void updateColors();
};
