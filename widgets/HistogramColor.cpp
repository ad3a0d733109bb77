#include "HistogramColor.h"

CHistogramColor::CHistogramColor()
{
    updateColors();
}

CHistogramColor::~CHistogramColor() = default;

void CHistogramColor::switchColorBrill(COLOR_BRILL_M mode)
{
    ResourceColor::switchColorBrill(mode);
    updateColors();
}

void CHistogramColor::updateColors()
{
    axisColor = QColor(color(30).currentRgb());
    textColor = QColor(color(34).currentRgb());
}
