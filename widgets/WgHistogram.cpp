#include "WgHistogram.h"

#include <QFontInfo>
#include <QFontMetricsF>
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
constexpr int kYLabelLeft = 20;  // the "SNR" caption stands in the strip left of the Y labels
constexpr int kLabelGap = 3;     // least room between neighbouring satellite numbers
constexpr int kValueInset = 2;   // a value's ink from its bar's edges
constexpr int kMinLabelPixels = 6;

// The widest ink of the texts in the font.
qreal widestInk(const QFont& font, const QStringList& texts)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString& text : texts)
        widest = qMax(widest, metrics.tightBoundingRect(text).width());
    return widest;
}

// The font, made smaller until the texts' ink is at most the given width. Many bars leave
// little room under each; the labels shrink rather than run into each other.
QFont fittedFont(const QFont& base, const QStringList& texts, qreal width)
{
    QFont font = base;
    if (texts.isEmpty() || widestInk(font, texts) <= width)
        return font;
    int pixels = QFontInfo(base).pixelSize();
    while (pixels > kMinLabelPixels) {
        font.setPixelSize(--pixels);
        if (widestInk(font, texts) <= width)
            break;
    }
    return font;
}

// The font, made smaller until a digit's ink is at most the given height.
QFont fontWithDigitsWithin(const QFont& base, qreal height)
{
    static const QString kDigits = QStringLiteral("0123456789");
    QFont font = base;
    int pixels = QFontInfo(base).pixelSize();
    while (pixels > kMinLabelPixels && QFontMetricsF(font).tightBoundingRect(kDigits).height() > height)
        font.setPixelSize(--pixels);
    return font;
}

QString valueText(double value)
{
    return QString("%1").arg(value);
}

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
    QStringList texts;
    int barWidth = 0;
    for (const SHistogramItem& item : m_items) {
        if (item.value < kValueLabelMin)
            continue;
        texts << valueText(item.value);
        barWidth = item.rect.width();
    }
    if (texts.isEmpty())
        return;
    // Dark text off its bar is lost on the dark panel: a value too wide for its bar is
    // written upwards inside it.
    if (widestInk(painter.font(), texts) > barWidth - 2) {
        drawUprightValues(painter, texts);
        return;
    }
    int i = 0;
    for (const SHistogramItem& item : m_items) {
        if (item.value < kValueLabelMin)
            continue;
        const int y = qMin(item.rect.top(), height - 48);
        painter.drawText(QRect(labelLeft(item.rect), y, kLabelBox, kLabelBox), kLabelFlags, texts[i++]);
    }
}

void WgHistogram::drawUprightValues(QPainter& painter, const QStringList& texts)
{
    const QFont base = painter.font();
    int i = 0;
    for (const SHistogramItem& item : m_items) {
        if (item.value < kValueLabelMin)
            continue;
        const QRect& bar = item.rect;
        const QString& text = texts[i++];
        painter.setFont(fontWithDigitsWithin(base, bar.width() - 2 * kValueInset));
        const QRectF ink = QFontMetricsF(painter.font()).tightBoundingRect(text);
        // Read upwards: the text's end just under the bar's top, its ink centred across the
        // bar, and never below the bar's foot.
        const qreal x = bar.left() + (bar.width() - ink.top() - ink.bottom()) / 2.0;
        const qreal y = qMin(bar.top() + kValueInset + ink.right(), bar.bottom() + 1 - kValueInset + ink.left());
        painter.save();
        painter.translate(x, y);
        painter.rotate(270);
        painter.drawText(QPointF(0, 0), text);
        painter.restore();
    }
    painter.setFont(base);
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
    if (!m_items.isEmpty()) {
        const QFont base = painter.font();
        QStringList labels;
        for (const SHistogramItem& item : m_items)
            labels << item.label;
        // Neighbouring numbers stand one bar pitch apart.
        const int pitch = 2 * m_items.first().rect.width();
        painter.setFont(fittedFont(base, labels, pitch - kLabelGap));
        for (const SHistogramItem& item : m_items)
            painter.drawText(QRect(labelLeft(item.rect), height - kXAxisOffset, kLabelBox, kLabelBox), kLabelFlags,
                             item.label);
        painter.setFont(base);
    }
    painter.drawText(QPointF(width / 2, height - 2), QStringLiteral("Satellite ID"));
}

void WgHistogram::drawYScale(QPainter& painter, int height)
{
    painter.setPen(m_colors.axisColor);
    const float step = (height - 48) / 5.0f;
    for (int i = 0; i < 5; ++i) {
        const QRect box(kYLabelLeft, static_cast<int>(i * step + 8), 40, kLabelBox);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, valueText((5 - i) * m_maxValue / 5.0));
        const int tick = static_cast<int>(i * step + kTopMargin);
        painter.drawLine(38, tick, 42, tick);
    }
    painter.drawText(QRect(kYLabelLeft, height - 40, 40, kLabelBox), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0"));
    // Written upwards from the middle of the left edge; the letters' ink is centred in the
    // strip left of the Y labels, where a fixed baseline would cut them at the edge.
    const QString caption = QStringLiteral("SNR");
    const QRectF ink = QFontMetricsF(painter.font()).tightBoundingRect(caption);
    painter.translate((kYLabelLeft - ink.top() - ink.bottom()) / 2.0, height / 2);
    painter.rotate(270);
    painter.drawText(QPointF(0, 0), caption);
}
