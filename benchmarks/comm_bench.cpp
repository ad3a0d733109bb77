// Cost of cutting a received byte stream into sentences and message lines, chunk by chunk
// as a serial port delivers it.
#include "comm/RawDataHandle.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray sentenceStream()
{
    QByteArray stream;
    while (stream.size() < 64 * 1024) {
        stream += "$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*76\r\n";
        stream += "!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24\r\n";
    }
    return stream;
}

void BM_CutSentences(benchmark::State& state)
{
    const QByteArray stream = sentenceStream();
    const int chunkSize = static_cast<int>(state.range(0));
    COMM::CRawDataHandle handle;
    const bool messages = state.range(1) != 0;
    for (auto _ : state) {
        for (int at = 0; at < stream.size(); at += chunkSize) {
            if (messages)
                handle.appendToMsgQ(stream.mid(at, chunkSize), true);
            else
                handle.appendToSentQ(stream.mid(at, chunkSize));
        }
        state.PauseTiming();
        handle.clearQueueSentence();
        handle.clearQueueMessage();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * stream.size());
}

} // namespace

BENCHMARK(BM_CutSentences)->ArgNames({"chunk", "message"})->ArgsProduct({{32, 256, 4096}, {0, 1}});
