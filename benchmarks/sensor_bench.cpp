// The whole receive road above the transport: received bytes filed on a link's queues, cut into
// sentences, run through the sentence handler into the station records, the GPS model and the
// target table, beside Parser alone on the same sentences. The benchmarks run on a communication
// thread of Qt's with its event loop, where the program runs its links.
#include "SensorEngine/GpsInfo.h"
#include "SensorEngine/SensorSentenceHandle.h"
#include "SensorEngine/TargetInfo.h"

#include "ReceiveRoad.h"
#include "SentenceFeed.h"

#include <QCoreApplication>
#include <QList>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

class CBenchLink : public COMM::CServiceComm
{
public:
    CBenchLink() : CServiceComm(setting(), COMM::RAWDATA_SENTENCE) {}
    COMM::SCommConntProfile getProfile() override { return {}; }

private:
    static COMM::COMM_CONNT_SETTING setting()
    {
        COMM::COMM_CONNT_SETTING value;
        value.DevPrimaryPos = COMM::PRIMARY_POS_PRIMARY;
        return value;
    }
};

// What a transponder in a busy port sends: position reports of many stations, a two-sentence
// message 5 now and then, and a GNSS cycle with a heading once a second.
constexpr int kStations = 300;

QByteArray mixedStream()
{
    const char* const messageFive[] = {
        "!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C\r\n",
        "!AIVDM,2,2,1,A,88888888880,2*25\r\n",
    };
    const char* const gnss[] = {
        "$GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
        "$GPRMC,123519.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A",
        "$GPGSA,A,3,16,18,22,,,,,,,,,,1.8,0.9,1.5",
        "$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00",
        "$GPGSV,3,2,11,14,25,170,00,16,57,208,39,18,67,296,40,19,40,246,00",
        "$GPGSV,3,3,11,22,42,067,42,24,14,311,43,27,05,244,00",
        "$HEHDT,274.07,T",
    };
    TestSupport::initLibrary(); // armouring a message takes the codec's tables
    QByteArray stream;
    for (int k = 0; stream.size() < 64 * 1024; ++k) {
        UN_AIS_MESSAGE m = TestSupport::positionReport(211000000u + static_cast<uint32_t>(k % kStations), 0,
                                                       4.0f + static_cast<float>(k % 17) * 0.01f,
                                                       52.0f + static_cast<float>(k % 13) * 0.01f);
        m.msg1.sog = 11.5f;
        m.msg1.cog = static_cast<float>(k % 360);
        for (const std::string& sentence : TestSupport::armour(m, "VDM", k % 2 == 0 ? 'A' : 'B'))
            stream += sentence.c_str();
        if (k % 25 == 0) {
            for (const char* sentence : messageFive)
                stream += sentence;
        }
        if (k % 50 == 0) {
            for (const std::string& sentence :
                 TestSupport::armour(TestSupport::positionReport(244000001, 0, 4.0f, 52.0f), "VDO", 'A'))
                stream += sentence.c_str();
            for (const char* body : gnss)
                stream += TestSupport::withChecksum(body).c_str();
        }
    }
    return stream;
}

// The yardstick: the same sentences, already cut, each copied and run through Parser into the
// sentence library's records and its station table, as the handler does.
void BM_ParserAlone(benchmark::State& state)
{
    const QList<QByteArray> lines = mixedStream().split('\n');
    std::vector<std::string> sentences;
    for (const QByteArray& line : lines) {
        if (!line.isEmpty())
            sentences.push_back(line.toStdString() + "\n");
    }
    TestSupport::initLibrary();
    char buffer[I62_SENTENCE_BUF_SIZE];
    for (auto _ : state) {
        for (const std::string& sentence : sentences) {
            std::memcpy(buffer, sentence.c_str(), sentence.size() + 1);
            NoStation = 1; // the handler keeps the table as a one-message scratch
            I61162_Data_Structure record;
            benchmark::DoNotOptimize(Parser(buffer, &record, sizeof(buffer)));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(sentences.size()));
    state.SetLabel("items = sentences");
}

} // namespace

BENCHMARK(BM_ParserAlone);

namespace {

// The whole road: read-sized chunks filed on the link's queues and cut into sentences, the
// handler's Parser run, and its fill signals into the GPS model and the target table.
void BM_ReceiveRoadToTargetTable(benchmark::State& state)
{
    const QByteArray stream = mixedStream();
    const int chunkSize = static_cast<int>(state.range(0));
    CBenchLink link;
    CSensorSentenceHandle handle;
    SensorScope::Gps::CGpsInfo gps;
    CSensorService service;
    SensorScope::Target::CTargetInfo table(&service);
    TestSupport::wireReceiveRoad(&link, &handle, &gps, &table);
    for (auto _ : state) {
        for (int at = 0; at < stream.size(); at += chunkSize)
            link.rxPackageProc(stream.mid(at, chunkSize), false);
    }
    if (table.targetCount() != static_cast<size_t>(kStations) + 1) // the message 5 station too
        state.SkipWithError(("the target table missed stations: " + std::to_string(table.targetCount())).c_str());
    state.SetItemsProcessed(state.iterations() * stream.count('\n'));
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.SetLabel("items = sentences");
}

} // namespace

BENCHMARK(BM_ReceiveRoadToTargetTable)->ArgName("chunk")->Arg(32)->Arg(256)->Arg(1024)->Arg(4096);

namespace {

// A table of n class A targets around the own vessel, filled the way a VDM fills it.
void fillTargets(SensorScope::Target::CTargetInfo& table, int n)
{
    ShipData[0].mmsi = 244000001;
    ShipData[0].stationClass = STATION_CLASS_A;
    ShipData[0].lastMsgId = 1;
    ShipData[0].latitude = 52.0f;
    ShipData[0].longitude = 4.0f;
    ShipData[0].sog = 12.0f;
    ShipData[0].cog = 45.0f;
    table.fillAisOwnData(SensorScope::SENSOR_I62_LISTENER_OWN_PRIMARY);
    for (int i = 0; i < n; ++i) {
        GENERIC_SHIP_DATA& r = ShipData[1];
        r.mmsi = 211000000u + static_cast<uint32_t>(i);
        r.stationClass = STATION_CLASS_A;
        r.lastMsgId = 1;
        r.latitude = 52.0f + static_cast<float>(i % 100) * 0.01f;
        r.longitude = 4.0f + static_cast<float>(i / 100) * 0.01f;
        r.sog = 8.0f;
        r.cog = static_cast<float>(i % 360);
        table.fillAisTargetData(static_cast<unsigned>(r.mmsi));
    }
    table.updateOwnVslData();
}

// The once-a-second refresh; a second thread takes the table's lock meanwhile, as the link's
// thread does for every VDM (here after a pause of some tens of microseconds each time, far
// more often than a link delivers them), and the longest it had to wait is reported. Beside it,
// the longest time the same thread lost between two readings of the clock with nothing in
// between: what the machine's load alone adds to a wait. A thread that never pauses would
// measure mostly its own preemption on a busy machine.
void BM_MeasureAllTargets(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    CSensorService service;
    SensorScope::Target::CTargetInfo table(&service);
    fillTargets(table, static_cast<int>(state.range(0)));
    std::atomic<bool> stop{false};
    std::atomic<long long> longestWaitNs{0};
    std::atomic<long long> longestGapNs{0};
    std::thread filler([&] {
        while (!stop) {
            const auto start = Clock::now();
            benchmark::DoNotOptimize(table.targetCount());
            const auto taken = Clock::now();
            const auto after = Clock::now();
            const long long waited = std::chrono::duration_cast<std::chrono::nanoseconds>(taken - start).count();
            const long long gap = std::chrono::duration_cast<std::chrono::nanoseconds>(after - taken).count();
            if (waited > longestWaitNs)
                longestWaitNs = waited;
            if (gap > longestGapNs)
                longestGapNs = gap;
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        }
    });
    for (auto _ : state) {
        table.calTargetSourcePivotScreenPoint(SensorScope::Target::TARGET_SOURCE_AIS);
        table.updateAllTargetMeasureValue();
    }
    stop = true;
    filler.join();
    state.counters["longest_lock_wait_us"] = static_cast<double>(longestWaitNs) / 1000.0;
    state.counters["longest_idle_gap_us"] = static_cast<double>(longestGapNs) / 1000.0;
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("items = targets");
}

} // namespace

BENCHMARK(BM_MeasureAllTargets)->ArgName("targets")->Arg(2000)->Arg(5000)->Unit(benchmark::kMillisecond);

// The benchmarks run from the event loop of "CommSpaces Thread", as the program's receive road
// runs from its link's reads: a link made there starts its transmit tick as in the program.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QThread comm;
    comm.setObjectName("CommSpaces Thread");
    QObject context;
    context.moveToThread(&comm);
    QTimer::singleShot(0, &context, [] {
        benchmark::RunSpecifiedBenchmarks();
        QThread::currentThread()->quit();
    });
    comm.start();
    comm.wait();
    benchmark::Shutdown();
    return 0;
}
