#pragma once

#include "services/ResourceColor.h"

#include <QColor>

// Working colours of the sky map, each taken from one entry of the base set at the
// entry's current brightness mode.
class CSatelliteMapColor : public ResourceColor
{
public:
    CSatelliteMapColor();
    ~CSatelliteMapColor() override;

    void switchColorBrill(COLOR_BRILL_M mode) override;
    void updateColors();

    QColor outlineColor; // pen of every satellite circle
    QColor labelColor;   // PRN numbers
    QColor boxColor;     // fill of the compass letter boxes
    QColor inViewColor;  // satellite in view, not used in the fix
    QColor inUseColor;   // satellite used in the fix
};
