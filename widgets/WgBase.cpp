#include "WgBase.h"

#include "palette/QtObjPalette.h"

#include <QBitmap>
#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QWidget>

namespace {
constexpr int kFadeMs = 500;
} // namespace

WgBase::WgBase(QWidget* owner, int cornerRadius, bool withLayout) : m_owner(owner)
{
    if (withLayout) {
        m_gridLayout = new QGridLayout(owner);
        owner->setLayout(m_gridLayout);
    }
    owner->hide();
    setBackgroundColor(Qt::gray);
    m_cornerRadius = cornerRadius;
}

// The layout and the animation are children of the owner.
WgBase::~WgBase() = default;

void WgBase::setBackgroundColor(const QColor& color)
{
    m_backgroundColor = color;
    QtObjPalette::setWidgetBackground(m_owner, color, false);
}

void WgBase::setBorderCornerRadius(int radius)
{
    m_cornerRadius = radius;
}

void WgBase::setBackgroundAlpha(float alpha)
{
    m_owner->setWindowOpacity(alpha);
}

void WgBase::setBackgroundTranslucent(bool translucent)
{
    m_owner->setAttribute(Qt::WA_TranslucentBackground, translucent);
}

void WgBase::showAnimation(bool show)
{
    if (!m_animation) {
        m_animation = new QPropertyAnimation(m_owner, "windowOpacity", m_owner);
        m_animation->setDuration(kFadeMs);
        m_animation->setEasingCurve(QEasingCurve::OutQuad);
    }
    m_animation->setStartValue(show ? 0.0 : 1.0);
    m_animation->setEndValue(show ? 1.0 : 0.0);
    m_animation->start();
}

void WgBase::paintBorder()
{
    updateMask();
    QPainter painter(m_owner);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QBrush(m_backgroundColor));
    painter.setPen(QPen(m_backgroundColor, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawRoundedRect(QRectF(0, 0, m_owner->width(), m_owner->height()), m_cornerRadius, m_cornerRadius,
                            Qt::AbsoluteSize);
}

void WgBase::updateMask()
{
    const int w = m_owner->width();
    const int h = m_owner->height();
    QBitmap mask(w, h);
    mask.fill(Qt::color0);
    {
        QPainter painter(&mask);
        painter.setClipRegion(getRegion(), Qt::ReplaceClip);
        painter.fillRect(0, 0, w, h, Qt::color1);
    }
    m_owner->setMask(mask);
}

QRegion WgBase::getRegion() const
{
    QPainterPath path;
    path.addRoundedRect(QRectF(1.0, 1.0, m_owner->width() - 2, m_owner->height() - 2), m_cornerRadius, m_cornerRadius,
                        Qt::AbsoluteSize);
    return QRegion(path.toFillPolygon(QTransform()).toPolygon(), Qt::OddEvenFill);
}
