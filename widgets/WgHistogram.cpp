#include "WgHistogram.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr int kLeftBand = 45;   // left edge of the band the bars stand in
constexpr int kBandMargin = 50; // width taken off the band: axis area and right margin
constexpr int kMaxBarWidth = 64;
constexpr int kAxisX = 40;
constexpr int kXAxisOffset = 32; // X axis above the bottom edge
constexpr int kTopMargin = 16;   // a bar of the maximum value reaches this line
constexpr int kLabelBox = 16;
constexpr double kValueLabelMin = 10.0;
// Labels stay centred on their bar; a wider font spills past the box instead of losing digits.
constexpr int kLabelFlags = Qt::AlignCenter | Qt::TextDontClip;

} // namespace

WgHistogram::WgHistogram(QWidget* parent) : QWidget(parent)
{}

WgHistogram::~WgHistogram() = default;

void WgHistogram::setMaxValue(unsigned int maxValue)
{
    m_maxValue = maxValue;
}

void WgHistogram::clear()
{
    m_items.clear();
}

void WgHistogram::addItem(const QString& label, double value, const QColor& color, int index)
{
    SHistogramItem item;
    item.label = label;
    item.value = value;
    item.color = color;
    if (index >= m_items.size())
        m_items.append(item);
    else
        m_items.insert(qMax(index, 0), item);
}

void WgHistogram::switchColorBrill(COLOR_BRILL_M mode)
{
    m_colors.switchColorBrill(mode);
}

void WgHistogram::paintEvent(QPaintEvent*)
{
    paint(this);
}

void WgHistogram::paint(QPaintDevice* device)
{
    QPainter painter(device);
    const int width = device->width();
    const int height = device->height();
    drawPillars(painter, width, height);
    drawText(painter, height);
    drawAxis(painter, width, height);
    drawXScale(painter, width, height);
    drawYScale(painter, height);
}

void WgHistogram::drawPillars(QPainter& painter, int width, int height)
{
    const int n = m_items.size();
    if (n < 1)
        return;
    const int band = width - kBandMargin;
    const int q = band / (2 * n - 1);
    // A negative q (a widget narrower than the band margin) counts as wide.
    const bool narrow = static_cast<unsigned>(q) < static_cast<unsigned>(kMaxBarWidth);
    const int barWidth = narrow ? q : kMaxBarWidth;
    const int pitch = 2 * barWidth;
    const int x0 = ((band - (2 * n - 1) * barWidth) >> 1) + kLeftBand;
    // Without a maximum there is no scale: the bars keep their places but are not drawn.
    const bool scaled = m_maxValue > 0;
    const double scale = scaled ? (height - 48) / m_maxValue : 0.0;
    const int bottom = height - kXAxisOffset - 1;

    for (int k = 0; k < n; ++k) {
        SHistogramItem& item = m_items[k];
        const int x = x0 + k * pitch;
        // A value far beyond the maximum stops at the widget's height.
        const int barHeight = static_cast<int>(qBound(0.0, item.value * scale, static_cast<double>(height)));
        item.rect.setCoords(x, height - kXAxisOffset - barHeight, x + barWidth - 1, bottom);
        if (!scaled)
            continue;
        painter.setPen(item.color);
        painter.setBrush(QBrush(item.color, Qt::SolidPattern));
        painter.drawRects(&item.rect, 1);
    }
}

int WgHistogram::labelLeft(const QRect& rect)
{
    return qRound((rect.left() + rect.right() - kLabelBox) * 0.5) + 1;
}

void WgHistogram::drawText(QPainter& painter, int height)
{
    painter.setPen(m_colors.textColor);
    for (const SHistogramItem& item : m_items) {
        if (item.value < kValueLabelMin)
            continue;
        const int y = qMin(item.rect.top(), height - 48);
        painter.drawText(QRect(labelLeft(item.rect), y, kLabelBox, kLabelBox), kLabelFlags,
                         QString("%1").arg(item.value));
    }
}

void WgHistogram::drawAxis(QPainter& painter, int width, int height)
{
    painter.setPen(m_colors.axisColor);
    painter.drawLine(kAxisX, 0, kAxisX, height - kXAxisOffset);
    painter.drawLine(kAxisX, height - kXAxisOffset, width, height - kXAxisOffset);
}

void WgHistogram::drawXScale(QPainter& painter, int width, int height)
{
    painter.setPen(m_colors.axisColor);
    for (const SHistogramItem& item : m_items)
        painter.drawText(QRect(labelLeft(item.rect), height - kXAxisOffset, kLabelBox, kLabelBox), kLabelFlags,
                         item.label);
    painter.drawText(QPointF(width / 2, height - 2), QStringLiteral("Satellite ID"));
}

void WgHistogram::drawYScale(QPainter& painter, int height)
{
    painter.setPen(m_colors.axisColor);
    const float step = (height - 48) / 5.0f;
    for (int i = 0; i < 5; ++i) {
        const QRect box(20, static_cast<int>(i * step + 8), 40, kLabelBox);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QString("%1").arg((5 - i) * m_maxValue / 5.0));
        const int tick = static_cast<int>(i * step + kTopMargin);
        painter.drawLine(38, tick, 42, tick);
    }
    painter.drawText(QRect(20, height - 40, 40, kLabelBox), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0"));
    painter.translate(10.0, height / 2);
    painter.rotate(270);
    painter.drawText(QPointF(0, 0), QStringLiteral("SNR"));
}
