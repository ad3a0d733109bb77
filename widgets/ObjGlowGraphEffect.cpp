#include "ObjGlowGraphEffect.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

// Qt's blur is exported by the Widgets library but declared in no public header; this is
// its exact signature in Qt 5.15, declared once here where the glow uses it.
Q_DECL_IMPORT void qt_blurImage(QImage& blurImage, qreal radius, bool quality, int transposed = 0);

ObjGlowGraphEffect::ObjGlowGraphEffect(QObject* parent) : QGraphicsEffect(parent)
{}

ObjGlowGraphEffect::~ObjGlowGraphEffect() = default;

void ObjGlowGraphEffect::setRadius(int radius)
{
    m_radius = radius;
    updateBoundingRect();
    update();
}

void ObjGlowGraphEffect::setGlowColor(const QColor& color)
{
    m_glowColor = color;
    update();
}

// The glow spreads by the radius on every side of the source, so the area grows on every
// side; growing only to the right and down would clip the glow at the left and top.
QRectF ObjGlowGraphEffect::boundingRectFor(const QRectF& rect) const
{
    return rect.adjusted(-m_radius, -m_radius, m_radius, m_radius);
}

void ObjGlowGraphEffect::sourceChanged(ChangeFlags)
{
    updateBoundingRect();
    update();
}

void ObjGlowGraphEffect::draw(QPainter* painter)
{
    if (m_radius == 0) {
        drawSource(painter);
        return;
    }

    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::PadToEffectiveBoundingRect);
    if (source.isNull())
        return;

    const int r = m_radius;
    QImage glow(source.size() + QSize(2 * r, 2 * r), QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    {
        QPainter shape(&glow);
        shape.drawPixmap(r, r, source);
        // Keeps the source's shape, in the glow colour.
        shape.setCompositionMode(QPainter::CompositionMode_SourceIn);
        shape.fillRect(glow.rect(), m_glowColor);
    }
    qt_blurImage(glow, r, true);

    // The pixmap is in device coordinates: draw it where the device has it.
    const QTransform restore = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    const QPoint glowAt = offset - QPoint(r, r);
    painter->drawImage(glowAt, glow);
    painter->drawImage(glowAt, glow); // twice, for a stronger glow
    painter->drawPixmap(offset, source);
    painter->setWorldTransform(restore);
}
