// Styling the stand-in main window and About dialog as the view does at start-up: every
// theme setter once, on fresh widgets and again on a shown window.
#include "StandInWindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// One application for the process, offscreen.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_theme";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
        QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
    }
}

void BM_StyleFreshWindow(benchmark::State& state)
{
    ensureApplication();
    CStyledItemDelegate delegate;
    for (auto _ : state) {
        state.PauseTiming();
        StandIn::SMainWindow window = StandIn::buildMainWindow();
        StandIn::SAboutDialog about = StandIn::buildAboutDialog();
        state.ResumeTiming();
        StandIn::styleMainWindow(window, delegate);
        StandIn::styleAboutDialog(about, delegate);
        state.PauseTiming();
        window.root.reset();
        about.root.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StyleFreshWindow)->Unit(benchmark::kMillisecond);

// Shown widgets re-polish at once when their sheet changes.
void BM_RestyleShownWindow(benchmark::State& state)
{
    ensureApplication();
    CStyledItemDelegate delegate;
    StandIn::SMainWindow window = StandIn::buildMainWindow();
    window.root->show();
    QApplication::processEvents();
    for (auto _ : state) {
        StandIn::styleMainWindow(window, delegate);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RestyleShownWindow)->Unit(benchmark::kMillisecond);

// The refresh path: the Other Vessels table restyled on a shown window.
void BM_RestyleVesselTable(benchmark::State& state)
{
    ensureApplication();
    CStyledItemDelegate delegate;
    StandIn::SMainWindow window = StandIn::buildMainWindow();
    StandIn::styleMainWindow(window, delegate);
    window.pages->setCurrentIndex(5);
    window.root->show();
    QApplication::processEvents();
    for (auto _ : state) {
        ObjPalette::setOtherVesselStyle(window.vessels, QString(), WG_COLOR_TONE_DEFAULT);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RestyleVesselTable)->Unit(benchmark::kMillisecond);

void BM_ComposeWhiteTheme(benchmark::State& state)
{
    ensureApplication();
    for (auto _ : state)
        benchmark::DoNotOptimize(ObjPalette::compWhiteThemeWgsStyle());
}
BENCHMARK(BM_ComposeWhiteTheme)->Unit(benchmark::kMicrosecond);

} // namespace
