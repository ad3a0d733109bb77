#include "Glyphs.h"
#include "ImageSet.h"
#include "Tone.h"
#include "Trees.h"

#include <QPainterPath>

using namespace Glyphs;

namespace {

const QString kTree = "ImageSymbol";
const QString kKind = "Symbol";

QImage lampImage(const QColor& color)
{
    QImage image = ImageSet::canvas(30, 30);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    lamp(painter, QPointF(15, 15), 11, color);
    return image;
}

QImage arrowImage(int size, DIRECTION direction, const QColor& color)
{
    QImage image = ImageSet::canvas(size, size);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    chevron(painter, QPointF(size / 2.0, size / 2.0), size * 0.22, direction, color, size * 0.1);
    return image;
}

QImage pencil()
{
    const QColor ink("#5f6368");
    QImage image = ImageSet::canvas(25, 25);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.translate(12.5, 12.5);
    painter.rotate(45);
    painter.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    QPainterPath body(QPointF(-3, -10));
    body.lineTo(3, -10);
    body.lineTo(3, 5);
    body.lineTo(0, 10);
    body.lineTo(-3, 5);
    body.closeSubpath();
    painter.drawPath(body);
    painter.drawLine(QPointF(-3, -6.5), QPointF(3, -6.5));
    painter.drawLine(QPointF(-3, 5), QPointF(3, 5));
    return image;
}

QImage extension(bool full)
{
    const QColor orange("#f57c00");
    QImage image = ImageSet::canvas(36, 36);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    painter.setPen(roundPen(orange, 3));
    // One corner bracket per quadrant: pointing outwards to enlarge, inwards to leave.
    for (int quadrant = 0; quadrant < 4; ++quadrant) {
        const double sx = quadrant % 2 == 0 ? -1 : 1;
        const double sy = quadrant < 2 ? -1 : 1;
        const QPointF corner = full ? QPointF(18 + sx * 11, 18 + sy * 11) : QPointF(18 + sx * 4, 18 + sy * 4);
        const double arm = full ? -7 : 7;
        painter.drawLine(corner, corner + QPointF(sx * arm, 0));
        painter.drawLine(corner, corner + QPointF(0, sy * arm));
    }
    return image;
}

QImage eye(bool visible)
{
    const QColor blue("#1a73e8");
    QImage image = ImageSet::canvas(25, 25);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    QPainterPath lid(QPointF(2.5, 12.5));
    lid.quadTo(12.5, 2, 22.5, 12.5);
    lid.quadTo(12.5, 23, 2.5, 12.5);
    painter.setPen(QPen(blue, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(lid);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawEllipse(QPointF(12.5, 12.5), 3.5, 3.5);
    if (!visible) {
        // Cut a gap around the stroke so it reads on any background.
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setPen(QPen(Qt::black, 4.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(5, 20), QPointF(20, 5));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setPen(roundPen(blue, 1.6));
        painter.drawLine(QPointF(5, 20), QPointF(20, 5));
    }
    return image;
}

QImage handled(bool done)
{
    const QColor gray("#6b7075");
    QImage image = ImageSet::canvas(20, 20);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    if (done) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(gray);
        painter.drawEllipse(QPointF(10, 10), 8.5, 8.5);
        check(painter, QRectF(4, 4.5, 12, 12), Qt::white, 1.8);
    } else {
        painter.setPen(QPen(gray, 1.5, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(10, 10), 8, 8);
    }
    return image;
}

} // namespace

bool addSymbolImages(ImageSet& set)
{
    bool ok = true;
    const QStringList lampNames = {"Red", "Green", "Blue", "Orange", "Gray"};
    const QColor lampColors[] = {QColor("#e53935"), QColor("#43a047"), QColor("#1e88e5"), QColor("#fb8c00"),
                                 QColor("#9e9e9e")};
    for (const STone& tone : brightnessTones()) {
        for (int i = 0; i < lampNames.size(); ++i)
            ok &= set.add(kTree, "Led", kKind, "A30/" + tone.folder, lampNames[i],
                          lampImage(dimmed(lampColors[i], tone.dim)));
    }
    const QStringList arrowNames = {"Left", "Up", "Right", "Down"};
    for (int i = 0; i < arrowNames.size(); ++i) {
        const auto direction = static_cast<DIRECTION>(i);
        ok &= set.add(kTree, "Arrow", kKind, "A30Gray/", arrowNames[i], arrowImage(30, direction, QColor("#6b7075")));
        ok &= set.add(kTree, "Arrow", kKind, "B16White/", arrowNames[i], arrowImage(16, direction, Qt::white));
    }
    ok &= set.add(kTree, "Modify", kKind, "A25Gray/", "Edit", pencil());
    ok &= set.add(kTree, "Extension", kKind, "A36Orange/", "Full", extension(true));
    ok &= set.add(kTree, "Extension", kKind, "A36Orange/", "ExitFull", extension(false));
    ok &= set.add(kTree, "Visible", kKind, "A25Blue/", "Visible", eye(true));
    ok &= set.add(kTree, "Visible", kKind, "A25Blue/", "Invisible", eye(false));
    ok &= set.add(kTree, "Handled", kKind, "A20Gray/", "Handled", handled(true));
    ok &= set.add(kTree, "Handled", kKind, "A20Gray/", "Unhandled", handled(false));
    return ok;
}
