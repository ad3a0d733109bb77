// One refresh tick of the window with the transponder's configuration shown (detection state 3)
// and the Configuration page in front, the simulated transponder sending its sentences meanwhile.
// The goal is well under 2 ms a tick.
#include "WindowHarness.h"
#include "device/AisSentenceHandle.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_mainroad";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
    }
}

void BM_TickConfigurationShown(benchmark::State& state)
{
    ensureApplication();
    const int model = static_cast<int>(state.range(0));
    CWindowHarness w(model);
    w.sim().modifyState([](SSimTransponderState& s) {
        s.wifiModule = 0;
        s.wifiPresent = 0;
    });
    if (!w.connectAndDetect()) {
        state.SkipWithError("the simulated transponder was not detected");
        return;
    }
    QTest::mouseClick(w.ui()->btnMMConfiguration, Qt::LeftButton);
    w.processEvents();
    if (w.ui()->tbwgMain->currentWidget() != w.ui()->tabMainConfiguration) {
        state.SkipWithError("the Configuration page did not open");
        return;
    }
    for (auto _ : state) {
        // The tick alone is timed: not the wait for the link to settle, nor what the
        // communication thread queued for the window.
        state.PauseTiming();
        w.waitSettled();
        state.ResumeTiming();
        w.tickNow();
    }
    state.counters["state"] = static_cast<double>(w.detectState());
}
BENCHMARK(BM_TickConfigurationShown)->Arg(1)->Arg(2)->Iterations(1000)->Unit(benchmark::kMicrosecond);

} // namespace
