// Cost of the logging call on the caller's thread: format, stamp and queue one record.
#include "services/SysDebug.h"

#include <benchmark/benchmark.h>

static void BM_LogCall(benchmark::State& state)
{
    SysDebug logger;
    long long count = 0;
    for (auto _ : state) {
        logger.debug(DEBUG_MSG_INFO, __PRETTY_FUNCTION__, currentThreadTag(), "sentence %lld received on %s", count++,
                     "COM3");
        if (count % 4096 == 0) {
            state.PauseTiming();
            logger.msgProc();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogCall);
