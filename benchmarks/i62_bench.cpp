// Decoding received AIS sentences from their text to the station table: single-sentence
// position reports and the two sentences of a message 5.
#include "VdmFeed.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kPositionReports[] = {
    "!AIVDM,1,1,,B,15M67FC000G?ufbE`FepT@3n00Sa,0*5C\r\n",
    "!AIVDM,1,1,,B,177KQJ5000G?tO`K>RA1wUbN0TKH,0*5C\r\n",
    "!AIVDM,1,1,,A,B52K>;h00Fc>jpUlNV@ikwpUoP06,0*4C\r\n",
};

const char* const kStaticVoyage[] = {
    "!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C\r\n",
    "!AIVDM,2,2,1,A,88888888880,2*25\r\n",
};

void BM_PositionReportToStationTable(benchmark::State& state)
{
    TestSupport::initLibrary();
    std::size_t i = 0;
    for (auto _ : state) {
        int index = -1;
        benchmark::DoNotOptimize(TestSupport::feedVdm(kPositionReports[i++ % 3], &index));
        benchmark::DoNotOptimize(index);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = sentences");
}
BENCHMARK(BM_PositionReportToStationTable);

void BM_TwoSentenceMessage5ToStationTable(benchmark::State& state)
{
    TestSupport::initLibrary();
    for (auto _ : state) {
        int index = -1;
        benchmark::DoNotOptimize(TestSupport::feedVdm(kStaticVoyage[0], &index));
        benchmark::DoNotOptimize(TestSupport::feedVdm(kStaticVoyage[1], &index));
        benchmark::DoNotOptimize(index);
    }
    state.SetItemsProcessed(2 * state.iterations());
    state.SetLabel("items = sentences");
}
BENCHMARK(BM_TwoSentenceMessage5ToStationTable);

} // namespace
