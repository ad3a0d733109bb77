#include "Tone.h"

QVector<STone> brightnessTones()
{
    return {
        {"", QColor("#5f6368"), QColor("#9aa0a6"), QColor("#ffffff"), QColor("#1a73e8"), QColor("#e3e5e8"),
         QColor("#d93025"), QColor("#ffffff"), 1.0},
        {"DayBlack/", QColor("#e8eaed"), QColor("#9aa0a6"), QColor("#202124"), QColor("#8ab4f8"), QColor("#3c4043"),
         QColor("#c5221f"), QColor("#ffffff"), 1.0},
        {"Dusk/", QColor("#c9b79c"), QColor("#8a7d6a"), QColor("#2b2620"), QColor("#b8894d"), QColor("#40392f"),
         QColor("#9a3b2c"), QColor("#efe4d2"), 0.7},
        {"Night/", QColor("#b3402f"), QColor("#6e2a20"), QColor("#140605"), QColor("#8c2a1e"), QColor("#2a0d0a"),
         QColor("#6b1810"), QColor("#e07060"), 0.45},
    };
}

QColor markOn(const QColor& fill, const STone& tone)
{
    return fill.lightnessF() > 0.6 ? QColor("#202124") : tone.onDark;
}

QColor dimmed(const QColor& color, double level)
{
    return QColor::fromRgbF(color.redF() * level, color.greenF() * level, color.blueF() * level, color.alphaF());
}
