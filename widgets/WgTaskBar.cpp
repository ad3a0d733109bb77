#include "WgTaskBar.h"

#include "palette/QtObjPalette.h"

#include <QMouseEvent>

WgTaskBar::WgTaskBar(QWidget* parent) : QProgressBar(parent)
{
    setValue(0);
    setCursor(Qt::PointingHandCursor);
    setStyleSheetDefault();
}

WgTaskBar::~WgTaskBar() = default;

void WgTaskBar::setSpaceValue(short smallStep, short largeStep, short edgeWidth)
{
    m_smallStep = smallStep;
    m_largeStep = largeStep;
    m_edgeWidth = edgeWidth;
}

// The press is taken here and not passed on.
void WgTaskBar::mousePressEvent(QMouseEvent* event)
{
    const int x = qRound(event->localPos().x());
    const int w = width();
    if (x <= w / 2) {
        const int step = x > m_edgeWidth ? m_largeStep : m_smallStep;
        setValue(qMax(value() - step, minimum()));
        emit subClicked();
    } else {
        const int step = x < w - m_edgeWidth ? m_largeStep : m_smallStep;
        setValue(qMin(value() + step, maximum()));
        emit addClicked();
    }
}

void WgTaskBar::setStyleSheetDefault()
{
    const SWidgetColor color{0xFFFFFF, 0x483D8B};
    SWidgetBorderLine line;
    line.width = 1;
    line.edge = WG_BORDER_EDGE_SOLID;
    line.color = 0xA9A9A9;
    SWidgetBorderRadius corners;
    corners.radius = 5;
    const WIDGET_BORDER border{&line, &corners};
    SWidgetGradientColor chunk;
    chunk.y2 = 1.0f;
    chunk.stopCount = 2;
    chunk.stopPos[0] = 0.0f;
    chunk.stopColor[0] = 0x4169E1;
    chunk.stopPos[1] = 0.5f;
    chunk.stopColor[1] = 0x191970;
    const WIDGET_TASK_BAR style{&color, &border, WG_ALIGN_CENTER, &chunk};
    setStyleSheet(QtObjPalette::getTaskBarStyleSheet(style));
}
