#include "Glyphs.h"
#include "ImageSet.h"
#include "Trees.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainterPath>

using namespace Glyphs;

namespace {

// The program's icon for the desktop: the Kelvora mark (a "K" on a navy tile over a wave) with
// the transponder's radio waves in the upper right corner. Drawn on a 256-pixel grid.
QImage desktopIcon(int side)
{
    QImage image = ImageSet::canvas(side, side);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.scale(side / 256.0, side / 256.0);

    const QColor navy("#0b3d6e");
    QLinearGradient fill(0, 0, 0, 256);
    fill.setColorAt(0, navy.lighter(135));
    fill.setColorAt(1, navy);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 52, 52);
    painter.drawPath(tile);
    painter.setClipPath(tile);

    // The sea.
    QPainterPath sea(QPointF(8, 196));
    sea.cubicTo(48, 176, 80, 216, 128, 196);
    sea.cubicTo(176, 176, 208, 216, 248, 196);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(QColor(255, 255, 255, 210), 11));
    painter.drawPath(sea);
    QPainterPath swell(QPointF(40, 226));
    swell.cubicTo(72, 212, 96, 238, 128, 224);
    swell.cubicTo(160, 210, 184, 238, 216, 224);
    painter.setPen(roundPen(QColor(255, 255, 255, 120), 8));
    painter.drawPath(swell);

    text(painter, QRectF(20, 24, 170, 160), "K", Qt::white, 150);

    // Radio waves from the mast top.
    const QPointF mast(196, 70);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor("#ffb300"));
    painter.drawEllipse(mast, 11, 11);
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 2; ++ring) {
        const double r = 14.0 + ring * 16.0;
        painter.setPen(roundPen(QColor(255, 179, 0, 255 - ring * 60), 9));
        painter.drawArc(QRectF(mast.x() - r, mast.y() - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
    return image;
}

} // namespace

bool writeDesktopIcons(const QString& root)
{
    const QString folder = root + "/Desktop";
    if (!QDir().mkpath(folder))
        return false;
    bool ok = true;
    for (int side : {48, 256})
        ok &= desktopIcon(side).save(QString("%1/kelvora-ais-cfg-%2.png").arg(folder).arg(side), "PNG");
    return ok;
}
