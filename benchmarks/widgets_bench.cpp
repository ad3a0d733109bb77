// The once-a-second refresh of the GPS pages: 24 satellites onto the sky map (items moved
// and recoloured, never created) and the signal bars painted.
#include "widgets/LibraryImage.h"
#include "widgets/ModSatelliteMap.h"
#include "widgets/WgHistogram.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSatellites = 24;

// One application for the process, offscreen.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_widgets";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
    }
}

void BM_SkyMapUpdate(benchmark::State& state)
{
    ensureApplication();
    QWidget owner;
    ModSatelliteMap map(&owner, 10, LibraryImage().getSatelliteImagePath(0).toStdString());
    map.initSizeInfo(300);
    int second = 0;
    for (auto _ : state) {
        map.clearSatelliteIdItems();
        for (int slot = 0; slot < kSatellites; ++slot)
            map.updateSatelliteSymbol(slot, slot + 1, (slot * 7 + second) % 90, (slot * 15 + second) % 360, 20 + slot,
                                      slot % 3 != 0);
        ++second;
    }
    benchmark::DoNotOptimize(map.items().size());
}
BENCHMARK(BM_SkyMapUpdate)->Unit(benchmark::kMicrosecond);

void BM_HistogramPaint(benchmark::State& state)
{
    ensureApplication();
    WgHistogram histogram;
    histogram.setMaxValue(50);
    QImage image(600, 200, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        histogram.clear();
        for (int slot = 0; slot < kSatellites; ++slot)
            histogram.addItem(QString::number(slot + 1), 10 + slot, slot % 3 ? Qt::green : Qt::blue, slot);
        image.fill(Qt::black);
        histogram.paint(&image);
    }
    benchmark::DoNotOptimize(image.bits());
}
BENCHMARK(BM_HistogramPaint)->Unit(benchmark::kMicrosecond);

} // namespace
