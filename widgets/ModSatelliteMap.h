#pragma once

#include "SatelliteMapColor.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <string>

class QWidget;

// The sky map of the satellites in view: a background picture, a compass (two rings, a
// cross and the four cardinal letters in boxes) and up to 24 satellite circles with their
// PRN numbers, placed by azimuth and elevation (north up, zenith in the centre, horizon on
// the rim). Every item lives as long as the map and is only moved, recoloured, shown or
// hidden, so a refresh allocates nothing but the label texts.
class ModSatelliteMap : public QGraphicsScene
{
    Q_OBJECT

public:
    static constexpr int kSlotCount = 24;
    static constexpr int kSymbolSize = 16;

    ModSatelliteMap(QWidget* parent, int margin, const std::string& backgroundPath);
    ~ModSatelliteMap() override;

    // Sizes the map to a square view of the given side.
    void initSizeInfo(int size);
    // Reloads the background and re-applies geometry and colours.
    void updateUiObjPalette();
    void drawSatelliteMapCompass();
    void clearSatelliteIdItems();
    // Shows one satellite; a slot outside 0-23 is ignored, an SNR of 0 or less hides it.
    void updateSatelliteSymbol(int slot, int prn, int elevation, int azimuth, int snr, bool inUse);
    void updateSatelliteSymbolDisp(bool inUse, int slot);
    // Scene position of a symbol's top-left corner.
    void convertSatellitePositionToScreenXY(int azimuth, int elevation, int* x, int* y) const;
    void switchColorBrill(COLOR_BRILL_M mode);

    // Items, for the owner's tests and styling.
    const QGraphicsPixmapItem& backgroundItem() const { return m_background; }
    const QGraphicsEllipseItem& symbolItem(int slot) const { return m_symbols[slot]; }
    const QGraphicsTextItem& labelItem(int slot) const { return m_labels[slot]; }
    const QGraphicsEllipseItem& ringItem(int index) const { return m_rings[index]; }
    const QGraphicsLineItem& crossItem(int index) const { return m_cross[index]; }
    const QGraphicsRectItem& letterBoxItem(int index) const { return m_letterBoxes[index]; }
    const QGraphicsTextItem& letterItem(int index) const { return m_letters[index]; }

private:
    void initSatelliteSymbols();
    void placeSatellite(int slot);
    int side() const;
    static bool validSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

    // Declared first so it is destroyed last: the compass items are its children and
    // must leave it before it goes, or it would delete them a second time.
    QGraphicsPixmapItem m_background;
    std::string m_fontFamily = "Tahoma";
    int m_margin;
    std::string m_backgroundPath;
    CSatelliteMapColor m_colors;
    QGraphicsEllipseItem m_symbols[kSlotCount];
    QGraphicsTextItem m_labels[kSlotCount];
    int m_azimuth[kSlotCount] = {}; // of each slot's last showing, to place it again on a resize
    int m_elevation[kSlotCount] = {};
    QGraphicsEllipseItem m_rings[2];    // outer, inner
    QGraphicsLineItem m_cross[2];       // vertical, horizontal
    QGraphicsRectItem m_letterBoxes[4]; // N, S, E, W
    QGraphicsTextItem m_letters[4];     // N, S, E, W
};
