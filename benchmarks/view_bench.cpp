// The once-a-second refresh of the Other Vessels table: 2000 targets, every row's report age
// changed and a fifth of the targets heard again from a new position (their age back to 0),
// the two vessel tables attached to the proxy and sorted by report age.
#include "view/TargetExchangeSet.h"

#include "TargetFeed.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

constexpr unsigned int kTargets = 2000;
constexpr unsigned int kHeardPerSecond = 400;

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_view";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
    }
}

void BM_OtherVesselsRefresh(benchmark::State& state)
{
    ensureApplication();
    using TestSupport::STestClock;
    STestClock::now = 1700000000;
    SensorScope::CAisData::setHostClock(&STestClock::read);
    SensorScope::Target::CTargetNavi::setHostClock(&STestClock::read);
    CTargetExchangeSet::setHostClock(&STestClock::read);

    TestSupport::CTargetFeed feed;
    feed.ownVessel(4.0f, 52.0f);
    for (unsigned int i = 0; i < kTargets; ++i)
        feed.classA(211000000 + i * 7, 4.0f + (i % 100) * 0.01f, 52.0f + (i / 100) * 0.01f, i % 30, i % 360);
    feed.measure();

    CTargetExchangeSet model;
    model.updateExchangeSet(&feed.table);
    QTableView others;
    QTableView home;
    for (QTableView* view : {&others, &home}) {
        view->setModel(model.sortProxy());
        view->setSortingEnabled(true);
        view->resize(900, 400);
        view->show();
    }
    others.sortByColumn(TG_ITEM_REPORT_AGE, Qt::DescendingOrder);
    QApplication::processEvents();

    unsigned int next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++STestClock::now; // every row's report age changes
        for (unsigned int k = 0; k < kHeardPerSecond; ++k, next = (next + 13) % kTargets)
            feed.classA(211000000 + next * 7, 4.0f + (k % 100) * 0.01f, 52.5f, k % 30, k % 360);
        feed.measure();
        state.ResumeTiming();
        model.updateExchangeSet(&feed.table);
    }
    state.counters["rows"] = model.sortProxy()->rowCount();
    SensorScope::CAisData::setHostClock(&SensorScope::HostTime);
    SensorScope::Target::CTargetNavi::setHostClock(&SensorScope::HostTime);
    CTargetExchangeSet::setHostClock(&SensorScope::HostTime);
}
BENCHMARK(BM_OtherVesselsRefresh)->Unit(benchmark::kMillisecond);

} // namespace
