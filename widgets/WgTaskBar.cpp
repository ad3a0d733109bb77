#include "WgTaskBar.h"

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
    // PALETTE: composed from the default record once the composers are in.
}
