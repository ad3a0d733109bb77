// Start-up of the main window to the shown window, offscreen, as the program does it after its
// services have come up; and the resident size of a started program.
#include "ResidentSize.h"
#include "app/AisConfiguration.h"
#include "palette/QtObjPalette.h"
#include "view/SerialPortList.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_app";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
        QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
        // The machine's own ports are not part of the measure.
        CSerialPortList::setSource([] { return QList<SSerialPortItem>(); });
    }
}

// Builds, shows and takes down the window; the shutdown is not timed (it waits for the
// communication thread's next tick).
void startupToShownWindow(benchmark::State& state)
{
    ensureApplication();
    double rss = 0.0;
    for (auto _ : state) {
        auto window = std::make_unique<AisConfiguration>();
        window->setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            state.SkipWithError("window not exposed");
        QApplication::processEvents();
        state.PauseTiming();
        rss = residentMegabytes();
        // Shutdown waits for the communication thread's next tick: not part of start-up.
        window.reset();
        state.ResumeTiming();
    }
    state.counters["rss_MB"] = rss;
}

// The first window of the process: catalogues, images and fonts are loaded on the way.
void BM_FirstStartupToShownWindow(benchmark::State& state)
{
    startupToShownWindow(state);
}
BENCHMARK(BM_FirstStartupToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_StartupToShownWindow(benchmark::State& state)
{
    startupToShownWindow(state);
}
BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
