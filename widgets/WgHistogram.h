#pragma once

#include "HistogramColor.h"

#include <QColor>
#include <QRect>
#include <QStringList>
#include <QString>
#include <QVector>
#include <QWidget>

class QPaintDevice;
class QPainter;

// Bar chart of satellite signal strength: one bar per satellite with its identifier
// under it, the value over every strong bar, a Y axis with five value labels and the
// captions "Satellite ID" and "SNR". Painted by itself; the owner fills it and repaints.
class WgHistogram : public QWidget
{
    Q_OBJECT

public:
    typedef struct SHistogramItem
    {
        QString label;
        double value = 0;
        QColor color;
        QRect rect; // bar rectangle, set by each paint
    } HISTOGRAM_ITEM;

    // The maximum until the owner sets one.
    static constexpr unsigned kDefaultMaxValue = 50;

    explicit WgHistogram(QWidget* parent = nullptr);
    ~WgHistogram() override;

    void setMaxValue(unsigned int maxValue);
    void clear();
    // Inserts before the item at index; an index at or past the end appends, a negative one
    // inserts first.
    void addItem(const QString& label, double value, const QColor& color, int index);
    void switchColorBrill(COLOR_BRILL_M mode);
    void paint(QPaintDevice* device);

    double maxValue() const { return m_maxValue; }
    const QVector<SHistogramItem>& items() const { return m_items; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawPillars(QPainter& painter, int width, int height);
    void drawText(QPainter& painter, int height);
    // texts: the value labels of the items of 10 and more, in order.
    void drawUprightValues(QPainter& painter, const QStringList& texts);
    void drawAxis(QPainter& painter, int width, int height);
    void drawXScale(QPainter& painter, int width, int height);
    void drawYScale(QPainter& painter, int height);
    static int labelLeft(const QRect& rect);

    double m_maxValue = kDefaultMaxValue;
    QVector<SHistogramItem> m_items;
    CHistogramColor m_colors;
};
