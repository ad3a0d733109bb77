#include "SatelliteMapColor.h"

CSatelliteMapColor::CSatelliteMapColor()
{
    updateColors();
}

CSatelliteMapColor::~CSatelliteMapColor() = default;

void CSatelliteMapColor::switchColorBrill(COLOR_BRILL_M mode)
{
    ResourceColor::switchColorBrill(mode);
    updateColors();
}

void CSatelliteMapColor::updateColors()
{
    outlineColor = QColor(color(29).currentRgb());
    labelColor = QColor(color(32).currentRgb());
    boxColor = QColor(color(38).currentRgb());
    inViewColor = QColor(color(19).currentRgb());
    inUseColor = QColor(color(16).currentRgb());
}
