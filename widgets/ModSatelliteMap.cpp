#include "ModSatelliteMap.h"

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QPixmap>
#include <QWidget>
#include <cmath>

namespace {

constexpr int kOuterRingRadius = 60;
constexpr int kInnerRingRadius = 25;
constexpr int kLetterBox = 15;
constexpr int kLabelPoints = 9;
constexpr int kLetterPoints = 8;
constexpr char kLetterTexts[] = "NSEW";
// Slightly above pi/180, as the map has always placed its satellites.
constexpr float kDegreeToRadian = 0.0174533f;

} // namespace

ModSatelliteMap::ModSatelliteMap(QWidget* parent, int margin, const std::string& backgroundPath)
    : QGraphicsScene(parent), m_margin(margin), m_backgroundPath(backgroundPath)
{
    addItem(&m_background);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        m_symbols[slot].hide();
        m_labels[slot].hide();
    }
    initSatelliteSymbols();
}

ModSatelliteMap::~ModSatelliteMap() = default;

void ModSatelliteMap::initSatelliteSymbols()
{
    m_rings[0].setParentItem(&m_background);
    m_rings[1].setParentItem(&m_background);
    m_cross[0].setParentItem(&m_background);
    m_cross[1].setParentItem(&m_background);
    for (int i = 0; i < 4; ++i) {
        m_letterBoxes[i].setParentItem(&m_background);
        m_letters[i].setParentItem(&m_background);
    }
    const QFont labelFont(QString::fromStdString(m_fontFamily), kLabelPoints, QFont::Normal, false);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        m_symbols[slot].setStartAngle(0);
        m_symbols[slot].setSpanAngle(5760);
        m_symbols[slot].setRect(0, 0, kSymbolSize, kSymbolSize);
        addItem(&m_symbols[slot]);
        m_labels[slot].setFont(labelFont);
        addItem(&m_labels[slot]);
    }
}

int ModSatelliteMap::side() const
{
    return static_cast<int>(sceneRect().width());
}

void ModSatelliteMap::initSizeInfo(int size)
{
    setSceneRect(m_margin, m_margin, size - 2 * m_margin, size - 2 * m_margin);
    m_background.setPos(m_margin, m_margin);
    updateUiObjPalette();
    // The satellites stand where the new circle puts them, not where the last tick left them.
    for (int slot = 0; slot < kSlotCount; ++slot)
        placeSatellite(slot);
}

void ModSatelliteMap::updateUiObjPalette()
{
    if (!m_backgroundPath.empty()) {
        QPixmap pixmap;
        if (pixmap.load(QString::fromStdString(m_backgroundPath))) {
            const int s = side();
            m_background.setPixmap(pixmap.scaled(s, s, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
    }
    drawSatelliteMapCompass();
    const QPen outline(QBrush(m_colors.outlineColor), 1, Qt::SolidLine);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        m_symbols[slot].setPen(outline);
        m_labels[slot].setDefaultTextColor(m_colors.labelColor);
    }
    for (QGraphicsRectItem& box : m_letterBoxes)
        box.setBrush(QBrush(m_colors.boxColor, Qt::SolidPattern));
}

void ModSatelliteMap::drawSatelliteMapCompass()
{
    const int s = side();
    const double h = 0.5 * s;
    const int hInt = static_cast<int>(h);
    const int halfSide = s / 2;
    const QFont font(QString::fromStdString(m_fontFamily), kLetterPoints);

    m_rings[0].setRect(hInt - kOuterRingRadius, hInt - kOuterRingRadius, 2 * kOuterRingRadius, 2 * kOuterRingRadius);
    m_rings[1].setRect(hInt - kInnerRingRadius, hInt - kInnerRingRadius, 2 * kInnerRingRadius, 2 * kInnerRingRadius);
    m_cross[0].setLine(h, 0, h, s);
    m_cross[1].setLine(0, h, s, h);

    int dx[4];
    int dy[4];
    for (int i = 0; i < 4; ++i) {
        m_letters[i].setFont(font);
        m_letters[i].setPlainText(QString(QChar(kLetterTexts[i])));
        const QRectF bounds = m_letters[i].boundingRect();
        dx[i] = qRound((kLetterBox - bounds.width()) * 0.5);
        dy[i] = qRound((kLetterBox - bounds.height()) * 0.5);
        m_letterBoxes[i].setBrush(QBrush(m_colors.boxColor, Qt::SolidPattern));
    }

    const double c = h - 8;
    m_letterBoxes[0].setRect(c, 0, kLetterBox, kLetterBox);
    m_letterBoxes[1].setRect(c, s - kLetterBox, kLetterBox, kLetterBox);
    m_letterBoxes[2].setRect(s - kLetterBox, c, kLetterBox, kLetterBox);
    m_letterBoxes[3].setRect(0, c, kLetterBox, kLetterBox);

    m_letters[0].setPos(c + dx[0], dy[0]);
    m_letters[1].setPos(c + dx[1], s - kLetterBox + dy[1]);
    m_letters[2].setPos(s - kLetterBox + dx[2], halfSide - 8 + dy[2]);
    m_letters[3].setPos(dx[3], c + dy[3]);
}

void ModSatelliteMap::clearSatelliteIdItems()
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        m_symbols[slot].hide();
        m_labels[slot].hide();
    }
}

void ModSatelliteMap::updateSatelliteSymbol(int slot, int prn, int elevation, int azimuth, int snr, bool inUse)
{
    if (!validSlot(slot))
        return;
    QGraphicsEllipseItem& symbol = m_symbols[slot];
    QGraphicsTextItem& label = m_labels[slot];
    if (snr <= 0) {
        symbol.hide();
        label.hide();
        return;
    }
    symbol.show();
    label.show();
    m_azimuth[slot] = azimuth;
    m_elevation[slot] = elevation;
    updateSatelliteSymbolDisp(inUse, slot);
    label.setPlainText(QString::number(prn));
    placeSatellite(slot);
}

// A slot's circle and number, at its last azimuth and elevation on the map's present side.
void ModSatelliteMap::placeSatellite(int slot)
{
    int x = 0;
    int y = 0;
    convertSatellitePositionToScreenXY(m_azimuth[slot], m_elevation[slot], &x, &y);
    m_symbols[slot].setPos(x, y);
    QGraphicsTextItem& label = m_labels[slot];
    const QRectF bounds = label.boundingRect();
    label.setPos(x + qRound((kSymbolSize - bounds.width()) * 0.5), y + qRound((kSymbolSize - bounds.height()) * 0.5));
}

void ModSatelliteMap::updateSatelliteSymbolDisp(bool inUse, int slot)
{
    if (!validSlot(slot))
        return;
    m_symbols[slot].setBrush(QBrush(inUse ? m_colors.inUseColor : m_colors.inViewColor, Qt::SolidPattern));
}

void ModSatelliteMap::convertSatellitePositionToScreenXY(int azimuth, int elevation, int* x, int* y) const
{
    const int R = side() / 2;
    const float r = static_cast<float>(R + (elevation / -90.0) * R);
    float angle = static_cast<float>(450 - azimuth);
    if (angle < 0)
        angle += 360;
    if (angle > 360)
        angle -= 360;
    // The angle is single precision, its cosine and sine double.
    const double radians = static_cast<float>(angle * kDegreeToRadian);
    *x = static_cast<int>(std::cos(radians) * r + R);
    *y = static_cast<int>(R - std::sin(radians) * r);
}

void ModSatelliteMap::switchColorBrill(COLOR_BRILL_M mode)
{
    m_colors.switchColorBrill(mode);
}
