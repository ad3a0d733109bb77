// The reply path of the transponder link: every received sentence is offered to the
// configuration reply parsers, and the replies go on into the configuration record.
#include "device/AISControl.h"
#include "device/SensorConfig.h"

#include "SentenceFeed.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> mixedStream()
{
    const char* const bodies[] = {
        "$PQXV,R,CFG,183,11,0,",
        "$GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
        "$PQXV,R,CFG,30,5,2,HARBOUR MASTER ^2C CH 16",
        "$AIEPV,R,AI,211234567,109,75",
        "$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00",
        "$AICEK,1,1,,211234567,0000000000000000000000000000000041424344,R",
        "$PQXV,R,CFG,8117,1234,1010,4",
        "$HEHDT,274.07,T",
    };
    std::vector<std::string> stream;
    for (const char* body : bodies)
        stream.push_back(TestSupport::withChecksum(body));
    stream.push_back("!AIVDM,1,1,,B,15M67FC000G?ufbE`FepT@3n00Sa,0*5C\r\n");
    return stream;
}

void BM_ReplyPath(benchmark::State& state)
{
    const std::vector<std::string> stream = mixedStream();
    CAISControl control;
    CSensorConfig config;
    size_t i = 0;
    for (auto _ : state) {
        const std::string& sentence = stream[i];
        if (control.paser(sentence.c_str()))
            config.updateConfigDataForStd(sentence.c_str(), MACHINE_TYPE_KVX_T_362, control.commandData());
        i = i + 1 == stream.size() ? 0 : i + 1;
    }
    benchmark::DoNotOptimize(config);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = sentences");
}

} // namespace

BENCHMARK(BM_ReplyPath);
