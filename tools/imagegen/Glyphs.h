#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

// Small drawing routines shared by the icons; sizes in pixels of the target image.
namespace Glyphs {

enum DIRECTION : int { LEFT = 0, UP, RIGHT, DOWN };

QPen roundPen(const QColor& color, double width);
// An open arrow head pointing in the direction, centred on the point, half-width "size".
void chevron(QPainter& painter, QPointF centre, double size, DIRECTION direction, const QColor& color, double width);
// A filled triangle pointing in the direction.
void triangle(QPainter& painter, QPointF centre, double size, DIRECTION direction, const QColor& color);
// A tick inside the rectangle.
void check(QPainter& painter, const QRectF& box, const QColor& color, double width);
// An X inside the rectangle.
void cross(QPainter& painter, const QRectF& box, const QColor& color, double width);
// A round signal lamp with a soft highlight.
void lamp(QPainter& painter, QPointF centre, double radius, const QColor& color);
// Text centred in the rectangle, bold, at a pixel size.
void text(QPainter& painter, const QRectF& box, const QString& text, const QColor& color, int pixelSize,
          bool bold = true);

} // namespace Glyphs
