// A full scan reply of the Wi-Fi module, line by line, through reassembly into the grouped list.
#include "wifi/WiFiConfig.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> scanReply(int accessPoints)
{
    std::vector<std::string> lines = {">AT+SCAN\r\n", "+ok=\r\n"};
    for (int i = 0; i < accessPoints; ++i) {
        char line[96];
        std::snprintf(line, sizeof(line), "Network %d,a0:63:91:10:%02x:%02x,%d,%d,WPA2\r\n", i % 12, i / 256, i % 256,
                      i % 13, -40 - i % 50);
        lines.push_back(line);
    }
    lines.push_back(">WiFiScanEnd\r\n");
    return lines;
}

void BM_ScanReply(benchmark::State& state)
{
    const std::vector<std::string> lines = scanReply(static_cast<int>(state.range(0)));
    CWiFiConfig wifi;
    for (auto _ : state) {
        for (const std::string& line : lines)
            wifi.cmdProc(line.c_str());
    }
    benchmark::DoNotOptimize(wifi.getCmdProcData());
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
    state.SetLabel("items = lines");
}

} // namespace

BENCHMARK(BM_ScanReply)->ArgName("access_points")->Arg(12)->Arg(60);
