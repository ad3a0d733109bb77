// Received sentences through Parser: AIS position reports, two-sentence message 5 pairs and
// the GNSS sentences of a receiver's one-second cycle, alone and mixed as a transponder sends them.
#include "SentenceFeed.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

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

// Completed with their checksums before use.
const char* const kGnssCycle[] = {
    "$GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
    "$GPRMC,123519.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A",
    "$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00",
    "$GPGSV,3,2,11,14,25,170,00,16,57,208,39,18,67,296,40,19,40,246,00",
    "$GPGSV,3,3,11,22,42,067,42,24,14,311,43,27,05,244,00",
};

using TestSupport::withChecksum;

// Parses the stream over and over, as the sentence handler does: a fresh copy each time.
void runStream(benchmark::State& state, const std::vector<std::string>& stream)
{
    TestSupport::initLibrary();
    std::size_t i = 0;
    char buffer[I62_SENTENCE_BUF_SIZE];
    for (auto _ : state) {
        std::memcpy(buffer, stream[i].c_str(), stream[i].size() + 1);
        I61162_Data_Structure record;
        benchmark::DoNotOptimize(Parser(buffer, &record));
        benchmark::DoNotOptimize(record);
        NoStation = 1; // the handler keeps the table as a one-message scratch
        i = i + 1 == stream.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = sentences");
}

void BM_ParserPositionReports(benchmark::State& state)
{
    runStream(state, {std::begin(kPositionReports), std::end(kPositionReports)});
}
BENCHMARK(BM_ParserPositionReports);

void BM_ParserMessage5Pairs(benchmark::State& state)
{
    runStream(state, {std::begin(kStaticVoyage), std::end(kStaticVoyage)});
}
BENCHMARK(BM_ParserMessage5Pairs);

void BM_ParserGnssCycle(benchmark::State& state)
{
    std::vector<std::string> stream;
    for (const char* body : kGnssCycle)
        stream.push_back(withChecksum(body));
    runStream(state, stream);
}
BENCHMARK(BM_ParserGnssCycle);

// Ten position reports, one message 5 pair and one GNSS cycle, interleaved.
void BM_ParserMixedStream(benchmark::State& state)
{
    std::vector<std::string> stream;
    for (int round = 0; round < 2; ++round) {
        for (int k = 0; k < 5; ++k)
            stream.push_back(kPositionReports[(round * 5 + k) % 3]);
        stream.push_back(kStaticVoyage[round]);
        for (int k = 0; k < 3 - round; ++k)
            stream.push_back(withChecksum(kGnssCycle[round * 3 + k]));
    }
    runStream(state, stream);
}
BENCHMARK(BM_ParserMixedStream);

} // namespace
