#pragma once

#include <QColor>
#include <QString>
#include <QVector>

// Colours of one brightness folder: the plain folder is the light theme; DayBlack a dark
// theme; Dusk and Night successively dimmer, Night in red so it keeps night vision.
typedef struct STone
{
    QString folder; // "" or "DayBlack/", "Dusk/", "Night/"
    QColor glyph;   // lines and marks
    QColor soft;    // frames and secondary marks
    QColor surface; // inside of a box
    QColor accent;  // the checked state
    QColor hover;   // behind a hovered control
    QColor danger;  // behind a hovered close button
    QColor onDark;  // marks on a dark fill
    double dim;     // lamp brightness, 1 full
} TONE;

QVector<STone> brightnessTones();
// The mark colour that reads on a fill: near black on a light one, the tone's light mark on a dark one.
QColor markOn(const QColor& fill, const STone& tone);
// A colour at a fraction of its brightness.
QColor dimmed(const QColor& color, double level);
