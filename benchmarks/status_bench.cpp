// The window's once-a-second tick with 2000 AIS targets and the Other Vessels page shown, the
// time the target table's lock is held for the table's copy, and the program's resident size with
// 2000 targets. Targets reach the device object as they do from the serial line: armoured
// sentences through its sentence path. Goals: a tick under 10 ms, the lock under 1 ms, the
// resident size under 80 MB.
#include "app/AisConfiguration.h"

#include "DefaultAnswers.h"
#include "ResidentSize.h"
#include "SensorTestSupport.h"
#include "SentenceFeed.h"
#include "device/CommSpaceManage.h"
#include "palette/QtObjPalette.h"
#include "services/Singleton.h"
#include "services/SysDebug.h"
#include "SimTransponderPort.h"
#include "view/DialogProvider.h"
#include "view/SerialPortList.h"
#include "view/TargetExchangeSet.h"

#include "ui_AisConfiguration.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr unsigned int kTargets = 2000;
constexpr unsigned int kHeardPerSecond = 400; // a fifth of the stations report in each second
constexpr uint32_t kFirstMmsi = 211000000;

using namespace TestSupport;

// The application as the program starts it: its logger thread writes the log (into a folder of
// the benchmark's own), the palette has its font.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_status";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
        static QTemporaryDir folder;
        const QString path = folder.path() + QLatin1Char('/');
        Pattern::Singleton<SysDebug>::instance()->initialize(path, path + QStringLiteral("profile.ini"));
        QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
    }
}

// The window, connected to nothing, its configuration taken as shown, fed through a link of
// its own into the device object's sentence path.
class CTickBench
{
public:
    CTickBench()
    {
        ensureApplication();
        STestClock::now = 1700000000;
        SensorScope::CAisData::setHostClock(&STestClock::read);
        SensorScope::Target::CTargetNavi::setHostClock(&STestClock::read);
        CTargetExchangeSet::setHostClock(&STestClock::read);

        window = std::make_unique<AisConfiguration>();
        window->getRefreshTimer()->stop();
        window->show();
        CDeviceComm* device = window->getCommManage()->getDeviceComm();
        QObject::connect(&link, &COMM::CServiceComm::signalRxSentence, device, &CDeviceComm::onRxSentence,
                         Qt::DirectConnection);
        own(4.0f, 52.0f);
        for (unsigned int i = 0; i < kTargets; ++i)
            classA(kFirstMmsi + i * 7, 4.0f + (i % 100) * 0.01f, 52.0f + (i / 100) * 0.01f, i % 30, i % 360);
        device->getSentenceHandle()->setDevDetectState(COMM_TRX_DEV_CONFIG_SHOWN);
        window->enableConfigDisp();
        window->updateCurPageDisp(4);
        window->onTimerRefresh();
        QApplication::processEvents();
    }

    ~CTickBench()
    {
        window->getCommManage()->end();
        window.reset();
        SensorScope::CAisData::setHostClock(&SensorScope::HostTime);
        SensorScope::Target::CTargetNavi::setHostClock(&SensorScope::HostTime);
        CTargetExchangeSet::setHostClock(&SensorScope::HostTime);
    }

    void classA(uint32_t mmsi, float lon, float lat, float sog, float cog)
    {
        UN_AIS_MESSAGE m = positionReport(mmsi, 0, lon, lat);
        m.msg1.sog = sog;
        m.msg1.cog = cog;
        for (const std::string& sentence : armour(m, "VDM", 'A'))
            link.receive(sentence);
    }

    void own(float lon, float lat)
    {
        UN_AIS_MESSAGE m = positionReport(366123456, 0, lon, lat);
        for (const std::string& sentence : armour(m, "VDO", 'B'))
            link.receive(sentence);
    }

    // One second of traffic: a fifth of the stations heard again from a new place. What the
    // window does with the received text as it arrives belongs to that second, not to the tick.
    void nextSecond()
    {
        ++STestClock::now;
        for (unsigned int k = 0; k < kHeardPerSecond; ++k, m_next = (m_next + 13) % kTargets)
            classA(kFirstMmsi + m_next * 7, 4.0f + (k % 100) * 0.01f, 52.5f, k % 30, k % 360);
        QApplication::processEvents();
    }

    SensorScope::Target::CTargetInfo* table() { return window->getCommManage()->getDeviceComm()->getTargetInfo(); }

    TestSupport::CFakeLink link;
    std::unique_ptr<AisConfiguration> window;

private:
    unsigned int m_next = 0;
};

// state.range(0): the column the table is sorted by, descending for the report age (the
// stations heard last first); the page starts sorted by MMSI.
void BM_TickWith2000TargetsOnOtherVessels(benchmark::State& state)
{
    CTickBench bench;
    QTableView* table = bench.window->getForm()->tbvwOtherVessels;
    const int column = static_cast<int>(state.range(0));
    table->sortByColumn(column, column == TG_ITEM_REPORT_AGE ? Qt::DescendingOrder : Qt::AscendingOrder);
    for (auto _ : state) {
        state.PauseTiming();
        bench.nextSecond();
        state.ResumeTiming();
        bench.window->onTimerRefresh();
        // The repaint the tick asked for belongs to it.
        QApplication::processEvents();
    }
    state.counters["rows"] = table->model()->rowCount();
}
BENCHMARK(BM_TickWith2000TargetsOnOtherVessels)->Arg(TG_ITEM_MMSI)->Arg(TG_ITEM_REPORT_AGE)->Unit(benchmark::kMillisecond);

// How long the table's lock is held for the vessel table's copy of 2000 targets.
void BM_TargetTableLockForTheVesselCopy(benchmark::State& state)
{
    CTickBench bench;
    std::vector<STargetRowData> rows;
    rows.reserve(kTargets + 64);
    double longest = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CTargetExchangeSet::copyTargets(bench.table(), &rows);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        longest = std::max(longest, ms);
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["longest_ms"] = longest;
}
BENCHMARK(BM_TargetTableLockForTheVesselCopy)->Unit(benchmark::kMicrosecond);

// How long each pass of the once-a-second measurement and ageing takes with 2000 targets, and the
// longest single hold of the table's lock among them (the measurement's passes take the lock a
// share of the table at a time, the ageing passes once each): the other holder of the lock
// during a tick.
void BM_TargetTableLockForTheMeasurement(benchmark::State& state)
{
    CTickBench bench;
    SensorScope::Target::CTargetInfo* table = bench.table();
    double measure = 0.0;
    double status = 0.0;
    double inspection = 0.0;
    auto timed = [](double* longest, const std::function<void()>& pass) {
        const auto start = std::chrono::steady_clock::now();
        pass();
        *longest = std::max(*longest,
                            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    };
    for (auto _ : state) {
        timed(&measure, [table] {
            table->updateOwnVslData();
            table->calTargetSourcePivotScreenPoint(SensorScope::Target::TARGET_SOURCE_AIS);
            table->updateAllTargetMeasureValue();
        });
        timed(&status, [table] { table->updateAllTargetNaviStatusFlag(); });
        timed(&inspection, [table] { table->doAisTargetsInspection(); });
    }
    state.counters["measure_ms"] = measure;
    state.counters["status_hold_ms"] = status;
    state.counters["inspection_hold_ms"] = inspection;
}
BENCHMARK(BM_TargetTableLockForTheMeasurement)->Unit(benchmark::kMillisecond);

// The resident size of the whole window with 2000 targets shown and refreshed for a while.
void BM_ResidentSizeWith2000Targets(benchmark::State& state)
{
    CTickBench bench;
    for (auto _ : state) {
        for (int second = 0; second < 10; ++second) {
            bench.nextSecond();
            bench.window->onTimerRefresh();
            QApplication::processEvents();
        }
    }
    state.counters["resident_MB"] = residentMegabytes();
}
BENCHMARK(BM_ResidentSizeWith2000Targets)->Unit(benchmark::kMillisecond)->Iterations(3);

// The resident size of the program running for a minute against the simulated transponder with
// 2000 stations, everything it receives shown on the Serial Data page: what a person sees in top.
void BM_ResidentSizeConnectedWith2000Targets(benchmark::State& state)
{
    ensureApplication();
    CDefaultAnswers answers;
    CDialogProvider::setInstance(&answers);
    CSimTransponderPort sim(1);
    sim.modifyState([](SSimTransponderState& s) {
        s.targets.clear();
        for (int i = 0; i < 2000; ++i) {
            SSimTarget target;
            target.mmsi = 200000000 + i * 37;
            target.latitude = 52.0 + (i % 50) * 0.01;
            target.longitude = 4.0 + (i / 50) * 0.01;
            target.messageId = i % 2 != 0 ? 18 : 1;
            target.channel = i % 2 != 0 ? 'B' : 'A';
            target.sog = i % 30;
            target.cog = (i * 7) % 360;
            s.targets.push_back(target);
        }
    });
    if (!sim.start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const QString port = QString::fromStdString(sim.portName());
    CSerialPortList::setSource([port] { return QList<SSerialPortItem>{CSerialPortList::fromPath(port)}; });
    double resident = 0.0;
    int rows = 0;
    for (auto _ : state) {
        AisConfiguration window;
        window.show();
        window.getView()->refreshSerialPortDisp(false);
        WgComboBox& ports = window.getView()->portComboBox;
        ports.setCurrentIndex(ports.findData(port, Qt::UserRole, Qt::MatchExactly));
        window.getForm()->btnCommConnt->click();
        // The refresh timer runs as in the program; the page shown is Other Vessels once it can be.
        QElapsedTimer running;
        running.start();
        while (running.elapsed() < 60000) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
            if (window.getForm()->wgMainMenu->isEnabled() &&
                window.getForm()->tbwgMain->currentWidget() != window.getForm()->tabMainOtherVessels)
                window.updateCurPageDisp(4);
        }
        resident = residentMegabytes();
        rows = window.getForm()->tbvwOtherVessels->model()->rowCount();
        window.getCommManage()->end();
    }
    state.counters["resident_MB"] = resident;
    state.counters["rows"] = rows;
    CSerialPortList::setSource({});
    CDialogProvider::setInstance(nullptr);
    sim.stop();
}
BENCHMARK(BM_ResidentSizeConnectedWith2000Targets)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
