#include "Glyphs.h"
#include "ImageSet.h"
#include "Trees.h"

#include <QRadialGradient>
#include <QtMath>

namespace {

const QString kTree = "ImageGraphic";
const QString kKind = "Graphic";

// The sky seen from below: a disc with elevation rings at 0, 30 and 60 degrees (radius
// falls linearly with elevation) and azimuth ticks every 10 degrees. The map draws its own
// compass on top, so this stays quiet.
QImage skyBackground()
{
    constexpr int kSide = 480;
    constexpr double kCentre = kSide / 2.0;
    constexpr double kRadius = kSide / 2.0 - 1;
    QImage image = ImageSet::canvas(kSide, kSide);
    QPainter painter(&image);
    ImageSet::prepare(painter);

    QRadialGradient sky(QPointF(kCentre, kCentre), kRadius);
    sky.setColorAt(0.0, QColor("#eef3f8"));
    sky.setColorAt(1.0, QColor("#c9d7e6"));
    painter.setPen(QPen(QColor("#8fa6bf"), 2));
    painter.setBrush(sky);
    painter.drawEllipse(QPointF(kCentre, kCentre), kRadius, kRadius);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor("#93a9c1"), 2, Qt::DashLine));
    for (int elevation : {30, 60})
        painter.drawEllipse(QPointF(kCentre, kCentre), kRadius * (1 - elevation / 90.0),
                            kRadius * (1 - elevation / 90.0));

    for (int azimuth = 0; azimuth < 360; azimuth += 10) {
        const double angle = qDegreesToRadians(static_cast<double>(azimuth));
        const double inner = azimuth % 30 == 0 ? kRadius - 14 : kRadius - 7;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.setPen(QPen(QColor("#7d94ad"), azimuth % 30 == 0 ? 1.6 : 1.0));
        painter.drawLine(QPointF(kCentre, kCentre) + direction * inner,
                         QPointF(kCentre, kCentre) + direction * kRadius);
    }
    for (int elevation : {30, 60}) {
        const double r = kRadius * (1 - elevation / 90.0);
        Glyphs::text(painter, QRectF(kCentre + r * 0.7071 - 2, kCentre - r * 0.7071 - 22, 40, 20),
                     QString::number(elevation) + QChar(0x00B0), QColor("#7d94ad"), 16, false);
    }
    return image;
}

QImage satelliteMarker(const QColor& fill)
{
    QImage image = ImageSet::canvas(16, 16);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(fill);
    painter.drawEllipse(QPointF(8, 8), 7, 7);
    return image;
}

} // namespace

bool addGraphicImages(ImageSet& set)
{
    bool ok = set.add(kTree, "Satellite", kKind, "", "Map", skyBackground());
    // The sky map's own fills: in view, and used in the fix.
    ok &= set.add(kTree, "Satellite", kKind, "", "InView", satelliteMarker(QColor("#00ffff")));
    ok &= set.add(kTree, "Satellite", kKind, "", "InUse", satelliteMarker(QColor("#00ff00")));
    return ok;
}
