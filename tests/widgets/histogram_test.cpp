#include "widgets/WgHistogram.h"

#include "GrabShot.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <gtest/gtest.h>

namespace {

// A paint device that keeps what is drawn on it: rectangles with their fill, lines, and
// texts with their baseline point on the device and their pen.
class RecordingDevice : public QPaintDevice
{
public:
    struct SText
    {
        QString text;
        QPointF baseline;
        double width;
        QColor pen;
        QRectF box; // the text's ink on the device
    };
    struct SFilledRect
    {
        QRect rect;
        QColor brush;
    };

    RecordingDevice(int width, int height) : m_width(width), m_height(height) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }

    QVector<SFilledRect> rects() const { return m_engine.rects; }
    QVector<QLineF> lines() const { return m_engine.lines; }
    QVector<SText> texts() const { return m_engine.texts; }
    const SText* text(const QString& text) const
    {
        for (const SText& t : m_engine.texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_width;
        case PdmHeight:
            return m_height;
        case PdmWidthMM:
            return m_width * 254 / 960;
        case PdmHeightMM:
            return m_height * 254 / 960;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 96;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        Type type() const override { return QPaintEngine::User; }
        void drawRects(const QRect* list, int count) override
        {
            for (int i = 0; i < count; ++i)
                rects.append({list[i], painter()->brush().color()});
        }
        void drawRects(const QRectF* list, int count) override
        {
            for (int i = 0; i < count; ++i)
                rects.append({list[i].toRect(), painter()->brush().color()});
        }
        void drawLines(const QLine* list, int count) override
        {
            for (int i = 0; i < count; ++i)
                lines.append(painter()->transform().map(QLineF(list[i])));
        }
        void drawLines(const QLineF* list, int count) override
        {
            for (int i = 0; i < count; ++i)
                lines.append(painter()->transform().map(list[i]));
        }
        void drawTextItem(const QPointF& point, const QTextItem& item) override
        {
            const QFontMetricsF metrics(item.font());
            const QRectF ink = metrics.tightBoundingRect(item.text()).translated(point);
            texts.append({item.text(), painter()->transform().map(point), metrics.horizontalAdvance(item.text()),
                          painter()->pen().color(), painter()->transform().mapRect(ink)});
        }

        QVector<SFilledRect> rects;
        QVector<QLineF> lines;
        QVector<SText> texts;
    };

    int m_width;
    int m_height;
    mutable Engine m_engine;
};

const QColor kInUse("#00ff00");
const QColor kInView("#1e90ff");

} // namespace

TEST(HistogramTest, TwelveBarsOnSixHundredByTwoHundred)
{
    WgHistogram histogram;
    histogram.setMaxValue(50);
    const double values[12] = {40, 9.5, 10, 50, 33, 47, 12, 25, 1, 44, 18, 29};
    for (int i = 0; i < 12; ++i)
        histogram.addItem(QString::number(i + 3), values[i], i % 2 ? kInView : kInUse, 99);
    RecordingDevice device(600, 200);
    histogram.paint(&device);

    const auto& items = histogram.items();
    ASSERT_EQ(items.size(), 12);
    EXPECT_EQ(items[0].rect, QRect(QPoint(55, 47), QPoint(77, 167)));
    for (int k = 0; k < 12; ++k) {
        SCOPED_TRACE(k);
        const int height = static_cast<int>(values[k] * 3.04);
        EXPECT_EQ(items[k].rect, QRect(QPoint(55 + 46 * k, 168 - height), QPoint(77 + 46 * k, 167)));
    }
    EXPECT_EQ(items[3].rect.top(), 16); // the maximum reaches the top label's line

    // One filled rectangle per bar, in the bar's colour.
    const auto rects = device.rects();
    ASSERT_EQ(rects.size(), 12);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(rects[k].rect, items[k].rect);
        EXPECT_EQ(rects[k].brush, items[k].color);
    }

    // Values of 10 and more over their bars, centred, in the text colour; 9.5 and 1 get none.
    for (const char* value : {"40", "10", "50", "33", "47", "12", "25", "44", "18", "29"}) {
        const RecordingDevice::SText* text = device.text(value);
        ASSERT_NE(text, nullptr) << value;
        EXPECT_EQ(text->pen, QColor("#282828"));
    }
    EXPECT_EQ(device.text("9.5"), nullptr);
    const RecordingDevice::SText* forty = device.text("40");
    EXPECT_NEAR(forty->baseline.x() + forty->width / 2, 59 + 8, 1.0);
    EXPECT_GT(forty->baseline.y(), 47);
    EXPECT_LT(forty->baseline.y(), 47 + 16);
}

TEST(HistogramTest, AxesScalesAndCaptions)
{
    WgHistogram histogram;
    histogram.setMaxValue(50);
    histogram.addItem("7", 33, kInUse, 0);
    RecordingDevice device(600, 200);
    histogram.paint(&device);

    const auto lines = device.lines();
    EXPECT_TRUE(lines.contains(QLineF(40, 0, 40, 168)));
    EXPECT_TRUE(lines.contains(QLineF(40, 168, 600, 168)));
    for (int tick : {16, 46, 76, 107, 137})
        EXPECT_TRUE(lines.contains(QLineF(38, tick, 42, tick))) << tick;
    EXPECT_EQ(lines.size(), 2 + 5);

    // Y labels from the top down, then 0 beside the X axis.
    const int tops[] = {8, 38, 68, 99, 129};
    const char* labels[] = {"50", "40", "30", "20", "10"};
    for (int i = 0; i < 5; ++i) {
        const RecordingDevice::SText* label = device.text(labels[i]);
        ASSERT_NE(label, nullptr) << labels[i];
        EXPECT_EQ(label->baseline.x(), 20);
        EXPECT_GT(label->baseline.y(), tops[i]);
        EXPECT_LE(label->baseline.y(), tops[i] + 16);
        EXPECT_EQ(label->pen, QColor("#fffbf0"));
    }
    const RecordingDevice::SText* zero = device.text("0");
    ASSERT_NE(zero, nullptr);
    EXPECT_GT(zero->baseline.y(), 160);
    EXPECT_LE(zero->baseline.y(), 176);

    const RecordingDevice::SText* caption = device.text("Satellite ID");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->baseline, QPointF(300, 198));
    const RecordingDevice::SText* snr = device.text("SNR");
    ASSERT_NE(snr, nullptr);
    // Written upwards from the left edge's middle, whole inside the widget and clear of the Y labels.
    EXPECT_EQ(snr->baseline.y(), 100);
    EXPECT_LT(snr->box.bottom(), 100.5);
    EXPECT_GE(snr->box.left(), 0);
    EXPECT_LE(snr->box.right(), 20);
    const RecordingDevice::SText* id = device.text("7");
    ASSERT_NE(id, nullptr);
    EXPECT_GT(id->baseline.y(), 168);
    EXPECT_LE(id->baseline.y(), 184);
}

TEST(HistogramTest, SingleBarAndShortBars)
{
    WgHistogram histogram;
    histogram.setMaxValue(100);
    histogram.addItem("12", 10, kInUse, 0);
    RecordingDevice device(300, 200);
    histogram.paint(&device);
    // One bar is 64 wide, centred in the band from 45 to 295.
    EXPECT_EQ(histogram.items()[0].rect.left(), 138);
    EXPECT_EQ(histogram.items()[0].rect.width(), 64);
    // A short bar's value stands at H - 48, clear of the identifiers under the axis.
    EXPECT_EQ(histogram.items()[0].rect.top(), 153);
    const RecordingDevice::SText* value = device.text("10");
    ASSERT_NE(value, nullptr);
    EXPECT_GT(value->baseline.y(), 152);
    EXPECT_LE(value->baseline.y(), 168);
}

TEST(HistogramTest, ItemsInsertedByIndex)
{
    WgHistogram histogram;
    histogram.addItem("a", 11, kInUse, 0);
    histogram.addItem("b", 12, kInUse, 5);  // beyond the count: appended
    histogram.addItem("c", 13, kInUse, 0);  // first
    histogram.addItem("d", 14, kInUse, 2);  // before the item at 2
    histogram.addItem("e", 15, kInUse, -3); // a negative index counts as 0
    QStringList labels;
    for (const auto& item : histogram.items())
        labels << item.label;
    EXPECT_EQ(labels, QStringList({"e", "c", "a", "d", "b"}));
    EXPECT_TRUE(histogram.items()[0].rect.isNull());
    histogram.clear();
    EXPECT_TRUE(histogram.items().isEmpty());
}

// Until the owner sets a maximum, the chart scales to 50.
TEST(HistogramTest, MaximumStartsAtFifty)
{
    WgHistogram histogram;
    EXPECT_EQ(histogram.maxValue(), 50.0);
    histogram.addItem("1", 50, kInUse, 0);
    RecordingDevice device(600, 200);
    histogram.paint(&device);
    EXPECT_EQ(histogram.items()[0].rect.top(), 16);
    EXPECT_NE(device.text("50"), nullptr);
}

// Without a positive maximum there is no scale: no bars, but axes and labels.
TEST(HistogramTest, NoBarsWithoutAMaximum)
{
    WgHistogram histogram;
    histogram.setMaxValue(0);
    histogram.addItem("1", 30, kInUse, 0);
    histogram.addItem("2", 0, kInUse, 1);
    RecordingDevice device(600, 200);
    histogram.paint(&device);
    EXPECT_TRUE(device.rects().isEmpty());
    EXPECT_EQ(device.lines().size(), 2 + 5);
    EXPECT_NE(device.text("Satellite ID"), nullptr);
    EXPECT_NE(device.text("2"), nullptr);
}

TEST(HistogramTest, EmptyChartPaintsAxesOnly)
{
    WgHistogram histogram;
    RecordingDevice device(600, 200);
    histogram.paint(&device);
    EXPECT_TRUE(device.rects().isEmpty());
    EXPECT_NE(device.text("SNR"), nullptr);
}

TEST(HistogramTest, PictureOfTheSignalBars)
{
    WgHistogram histogram;
    histogram.resize(600, 200);
    histogram.setStyleSheet("background-color: #282828;");
    histogram.setAttribute(Qt::WA_StyledBackground);
    histogram.setMaxValue(50);
    const int prns[] = {2, 5, 7, 9, 13, 15, 18, 20, 29, 30, 36, 44};
    const int snr[] = {42, 38, 9, 47, 31, 22, 12, 45, 27, 36, 17, 40};
    for (int i = 0; i < 12; ++i)
        histogram.addItem(QString::number(prns[i]), snr[i], i % 3 ? kInUse : kInView, i);
    const QString path = TestSupport::saveShot(&histogram, "signal_bars");
    ASSERT_FALSE(path.isEmpty());
    const QImage shot(path);
    ASSERT_EQ(shot.size(), QSize(600, 200));
    for (int i = 0; i < 12; ++i) {
        const QRect bar = histogram.items()[i].rect;
        EXPECT_EQ(shot.pixelColor(bar.center().x(), bar.bottom() - 2), histogram.items()[i].color) << i;
    }
    EXPECT_EQ(shot.pixelColor(40, 100), QColor("#fffbf0")); // the Y axis
}

namespace {

// The texts drawn in one colour, in the order drawn.
QVector<RecordingDevice::SText> textsIn(const RecordingDevice& device, const QColor& pen)
{
    QVector<RecordingDevice::SText> found;
    for (const RecordingDevice::SText& text : device.texts())
        if (text.pen == pen)
            found.append(text);
    return found;
}

// A full sky: GPS, SBAS and GLONASS numbers of up to three digits, strong and weak signals;
// the first count of them.
void fillSky(WgHistogram& histogram, int count = 24)
{
    const int prns[24] = {2, 5, 7, 9, 13, 15, 18, 20, 29, 30, 120, 123, 127, 131, 136, 65, 66, 72, 73, 80, 81, 87, 88, 158};
    const int snr[24] = {42, 38, 9, 47, 31, 22, 12, 45, 27, 36, 17, 40, 50, 10, 33, 44, 28, 19, 8, 35, 41, 24, 30, 46};
    for (int i = 0; i < count; ++i)
        histogram.addItem(QString::number(prns[i]), snr[i], i % 3 ? kInUse : kInView, i);
}

} // namespace

// The GPS Status page shows up to 24 bars: every label stays whole, legible and apart, also
// where the bars are too narrow for a value written across.
TEST(HistogramTest, TwentyFourBarsKeepEveryLabelLegible)
{
    struct SCase
    {
        int bars;
        QSize size;
    };
    for (const SCase c : {SCase{24, {600, 200}}, SCase{24, {700, 240}}, SCase{12, {600, 200}}, SCase{12, {400, 160}}}) {
        const QSize size = c.size;
        SCOPED_TRACE(QString("%1 bars on %2 x %3").arg(c.bars).arg(size.width()).arg(size.height()).toStdString());
        WgHistogram histogram;
        histogram.setMaxValue(50);
        fillSky(histogram, c.bars);
        RecordingDevice device(size.width(), size.height());
        histogram.paint(&device);
        const auto& items = histogram.items();
        const QRectF widget(0, 0, size.width(), size.height());

        // Satellite numbers under their bars, inside the widget, none touching the next.
        const auto axisTexts = textsIn(device, QColor("#fffbf0"));
        ASSERT_GE(axisTexts.size(), c.bars);
        for (int k = 0; k < c.bars; ++k) {
            SCOPED_TRACE(k);
            const RecordingDevice::SText& id = axisTexts[k];
            ASSERT_EQ(id.text, items[k].label);
            EXPECT_TRUE(widget.contains(id.box)) << id.box.left() << " " << id.box.right();
            EXPECT_GE(id.box.height(), 7.0); // digits not shrunk past reading
            EXPECT_GT(id.box.top(), size.height() - 32);
            EXPECT_NEAR(id.box.center().x(), items[k].rect.left() + items[k].rect.width() / 2.0, 1.5);
            if (k > 0) {
                EXPECT_LT(axisTexts[k - 1].box.right(), id.box.left());
            }
        }

        // Values of 10 and more whole inside their bars: dark text on a dark panel is lost.
        const auto values = textsIn(device, QColor("#282828"));
        int v = 0;
        for (int k = 0; k < c.bars; ++k) {
            if (items[k].value < 10)
                continue;
            SCOPED_TRACE(k);
            ASSERT_LT(v, values.size());
            const RecordingDevice::SText& value = values[v++];
            EXPECT_EQ(value.text, QString::number(items[k].value));
            const QRectF bar = QRectF(items[k].rect).adjusted(0, 0, 1, 1);
            EXPECT_TRUE(bar.adjusted(-0.5, -0.5, 0.5, 0.5).contains(value.box))
                << "box " << value.box.left() << "," << value.box.top() << " " << value.box.width() << "x"
                << value.box.height() << " bar " << bar.left() << "," << bar.top() << " " << bar.width();
            EXPECT_GE(std::min(value.box.width(), value.box.height()), 7.0);
        }
        EXPECT_EQ(v, values.size());

        // The captions inside the widget.
        const RecordingDevice::SText* snr = device.text("SNR");
        ASSERT_NE(snr, nullptr);
        EXPECT_TRUE(widget.contains(snr->box));
        EXPECT_LE(snr->box.right(), 20); // clear of the Y labels
        const RecordingDevice::SText* caption = device.text("Satellite ID");
        ASSERT_NE(caption, nullptr);
        EXPECT_TRUE(widget.contains(caption->box));
        for (int k = 0; k < c.bars; ++k)
            EXPECT_LT(axisTexts[k].box.bottom(), caption->box.top()) << k;
    }
}

TEST(HistogramTest, PictureOfTwentyFourBars)
{
    WgHistogram histogram;
    histogram.resize(600, 200);
    histogram.setStyleSheet("background-color: #282828;");
    histogram.setAttribute(Qt::WA_StyledBackground);
    histogram.setMaxValue(50);
    fillSky(histogram);
    const QString path = TestSupport::saveShot(&histogram, "signal_bars_24");
    ASSERT_FALSE(path.isEmpty());
    const QImage shot(path);
    for (int i = 0; i < 24; ++i) {
        const QRect bar = histogram.items()[i].rect;
        EXPECT_EQ(shot.pixelColor(bar.center().x(), bar.bottom() - 2), histogram.items()[i].color) << i;
    }
}
