#include "Glyphs.h"
#include "ImageSet.h"
#include "Tone.h"
#include "Trees.h"

using namespace Glyphs;

namespace {

const QString kTree = "ImageWidget";
const QString kKind = "Widget";

QImage windowControl(const STone& tone, bool close, bool hover)
{
    QImage image = ImageSet::canvas(20, 20);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    QColor mark = tone.glyph;
    if (hover) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(close ? tone.danger : tone.hover);
        painter.drawRoundedRect(QRectF(0, 0, 20, 20), 4, 4);
        if (close)
            mark = markOn(tone.danger, tone);
    }
    if (close) {
        cross(painter, QRectF(6, 6, 8, 8), mark, 1.6);
    } else {
        painter.setPen(roundPen(mark, 1.6));
        painter.drawLine(QPointF(5.5, 10.5), QPointF(14.5, 10.5));
    }
    return image;
}

QImage checkBox(const STone& tone, int size, const QColor& accent, bool checked)
{
    QImage image = ImageSet::canvas(size, size);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    const double inset = size * 0.1 + 0.5;
    const QRectF box(inset, inset, size - 2 * inset, size - 2 * inset);
    const double radius = size * 0.16;
    if (checked) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(accent);
        painter.drawRoundedRect(box, radius, radius);
        check(painter, box.adjusted(box.width() * 0.08, box.height() * 0.08, 0, 0), markOn(accent, tone), size * 0.1);
    } else {
        painter.setPen(QPen(accent, size * 0.075));
        painter.setBrush(tone.surface);
        painter.drawRoundedRect(box, radius, radius);
    }
    return image;
}

QImage arrow(int size, DIRECTION direction, const QColor& color, double width, bool filled)
{
    QImage image = ImageSet::canvas(size, size);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    const QPointF centre(size / 2.0, size / 2.0);
    if (filled)
        triangle(painter, centre, size * 0.28, direction, color);
    else
        chevron(painter, centre, size * 0.28, direction, color, width);
    return image;
}

// The combo guide's 30-pixel row marks, in the accent of the light theme.
QImage comboGuide(const QString& name)
{
    const QColor ink("#3c4043");
    const QColor accent("#1a73e8");
    QImage image = ImageSet::canvas(30, 30);
    QPainter painter(&image);
    ImageSet::prepare(painter);
    if (name == "Title") {
        painter.setPen(Qt::NoPen);
        painter.setBrush(accent);
        painter.drawRoundedRect(QRectF(6, 7, 18, 4), 2, 2);
        painter.setBrush(QColor("#9aa0a6"));
        painter.drawRoundedRect(QRectF(6, 14, 14, 3), 1.5, 1.5);
        painter.drawRoundedRect(QRectF(6, 20, 16, 3), 1.5, 1.5);
    } else if (name == "Back") {
        painter.setPen(QPen(ink, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(15, 15), 10, 10);
        chevron(painter, QPointF(14, 15), 5, LEFT, ink, 2.0);
    } else if (name == "DropBox") {
        painter.setPen(QPen(QColor("#9aa0a6"), 1.4));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(4.5, 8.5, 21, 13), 3, 3);
        chevron(painter, QPointF(19, 15), 3, DOWN, ink, 1.6);
    } else if (name == "Switch") {
        painter.setPen(Qt::NoPen);
        painter.setBrush(accent);
        painter.drawRoundedRect(QRectF(4, 9, 22, 12), 6, 6);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(20, 15), 4.5, 4.5);
    } else if (name == "Checked") {
        painter.setPen(QPen(accent, 1.8));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(15, 15), 9, 9);
        painter.setPen(Qt::NoPen);
        painter.setBrush(accent);
        painter.drawEllipse(QPointF(15, 15), 5, 5);
    } else {
        painter.setPen(QPen(QColor("#9aa0a6"), 1.6));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(15, 15), 9, 9);
    }
    return image;
}

} // namespace

bool addWidgetImages(ImageSet& set)
{
    bool ok = true;
    const QStringList winCtrl = {"0.Close", "1.Mini"};
    for (const STone& tone : brightnessTones()) {
        const QString folder = tone.folder;
        for (int item = 0; item < winCtrl.size(); ++item) {
            ok &=
                set.add(kTree, "WinCtrl", kKind, "A20/" + folder, winCtrl[item], windowControl(tone, item == 0, false));
            ok &= set.add(kTree, "WinCtrl", kKind, "A20/" + folder, winCtrl[item] + "_Hover",
                          windowControl(tone, item == 0, true));
        }
        // Gray boxes follow the tone's frame colour; the blue ones keep their blue, dimmed.
        const QColor gray = tone.folder.isEmpty() ? QColor("#6b7075") : tone.soft;
        const QColor blue = tone.folder.isEmpty() ? tone.accent : dimmed(QColor("#1a73e8"), tone.dim);
        ok &= set.add(kTree, "CheckBox", kKind, "A20Gray/" + folder, "Checked", checkBox(tone, 20, gray, true));
        ok &= set.add(kTree, "CheckBox", kKind, "A20Gray/" + folder, "Unchecked", checkBox(tone, 20, gray, false));
        ok &= set.add(kTree, "CheckBox", kKind, "B32Blue/" + folder, "Checked", checkBox(tone, 32, blue, true));
        ok &= set.add(kTree, "CheckBox", kKind, "B32Blue/" + folder, "Unchecked", checkBox(tone, 32, blue, false));
        ok &= set.add(kTree, "ComboBox", kKind, "A16Gray/" + folder, "DownArrow",
                      arrow(16, DOWN, tone.glyph, 1.6, false));
        ok &= set.add(kTree, "Edit", kKind, "A16Gray/" + folder, "DownArrow", arrow(16, DOWN, tone.glyph, 1.6, false));
        ok &= set.add(kTree, "SpinBox", kKind, "A12Gray/" + folder, "Add", arrow(12, UP, tone.glyph, 1.4, false));
        ok &= set.add(kTree, "SpinBox", kKind, "A12Gray/" + folder, "Sub", arrow(12, DOWN, tone.glyph, 1.4, false));
    }
    const QColor sortGray("#80868b");
    ok &= set.add(kTree, "HeaderView", kKind, "A16Gray/", "Up", arrow(16, UP, sortGray, 0, true));
    ok &= set.add(kTree, "HeaderView", kKind, "A16Gray/", "Down", arrow(16, DOWN, sortGray, 0, true));
    for (const QString name : {"Title", "Back", "DropBox", "Switch", "Checked", "Unchecked"})
        ok &= set.add(kTree, "ComboGuide", kKind, "A30/", name, comboGuide(name));
    return ok;
}
