#include "Glyphs.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace Glyphs {

namespace {

// The unit vector of a direction and its normal.
void axes(DIRECTION direction, QPointF* forward, QPointF* side)
{
    switch (direction) {
    case LEFT:
        *forward = {-1, 0};
        break;
    case UP:
        *forward = {0, -1};
        break;
    case RIGHT:
        *forward = {1, 0};
        break;
    case DOWN:
        *forward = {0, 1};
        break;
    }
    *side = {-forward->y(), forward->x()};
}

} // namespace

QPen roundPen(const QColor& color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void chevron(QPainter& painter, QPointF centre, double size, DIRECTION direction, const QColor& color, double width)
{
    QPointF forward;
    QPointF side;
    axes(direction, &forward, &side);
    const QPointF tip = centre + forward * (size * 0.5);
    const QPointF back = centre - forward * (size * 0.5);
    QPainterPath path(back + side * size);
    path.lineTo(tip);
    path.lineTo(back - side * size);
    painter.setPen(roundPen(color, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void triangle(QPainter& painter, QPointF centre, double size, DIRECTION direction, const QColor& color)
{
    QPointF forward;
    QPointF side;
    axes(direction, &forward, &side);
    const QPointF tip = centre + forward * (size * 0.6);
    const QPointF back = centre - forward * (size * 0.6);
    const QPointF points[3] = {tip, back + side * size, back - side * size};
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(points, 3);
}

void check(QPainter& painter, const QRectF& box, const QColor& color, double width)
{
    QPainterPath path(QPointF(box.left() + box.width() * 0.18, box.top() + box.height() * 0.52));
    path.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.76);
    path.lineTo(box.left() + box.width() * 0.84, box.top() + box.height() * 0.26);
    painter.setPen(roundPen(color, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void cross(QPainter& painter, const QRectF& box, const QColor& color, double width)
{
    painter.setPen(roundPen(color, width));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
}

void lamp(QPainter& painter, QPointF centre, double radius, const QColor& color)
{
    QRadialGradient body(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
    body.setColorAt(0.0, color.lighter(150));
    body.setColorAt(0.55, color);
    body.setColorAt(1.0, color.darker(160));
    painter.setPen(QPen(color.darker(190), 1.0));
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);
    QRadialGradient shine(centre - QPointF(radius * 0.3, radius * 0.45), radius * 0.55);
    shine.setColorAt(0.0, QColor(255, 255, 255, 170));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(centre - QPointF(radius * 0.3, radius * 0.45), radius * 0.55, radius * 0.45);
}

void text(QPainter& painter, const QRectF& box, const QString& text, const QColor& color, int pixelSize, bool bold)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace Glyphs
