// The simulated transponder as a tool: prints its pseudo-terminal's name, so that a person can
// point the program at it, and answers until interrupted. Its Wi-Fi module answers behind
// pass-through, with a few access points around to scan and join.
#include "SimTransponderPort.h"
#include "SimWiFiModule.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

std::atomic<bool> g_interrupted{false};

void onSignal(int)
{
    g_interrupted = true;
}

} // namespace

int main(int argc, char** argv)
{
    int model = 1;
    if (argc > 1 && (std::strcmp(argv[1], "2") == 0 || std::strcmp(argv[1], "T-275") == 0))
        model = 2;
    else if (argc > 1 && std::strcmp(argv[1], "1") != 0 && std::strcmp(argv[1], "KVX-T-362") != 0) {
        std::fprintf(stderr, "usage: %s [1|2]   (1 KVX-T-362, 2 T-275)\n", argv[0]);
        return 2;
    }
    // The module outlives the port's thread, which drives it.
    CSimWiFiModule module;
    module.setAccessPoints({{"Harbour Office", "a0:63:91:10:22:01", 1, -52, "WPA2"},
                            {"Pier 7 Cafe", "c8:3a:35:44:10:0b", 6, -48, "NONE"},
                            {"Marina Guest", "f4:ec:38:01:02:03", 3, -80, "WPA"}});
    CSimTransponderPort port(model);
    port.setPassThrough(&module);
    if (!port.start()) {
        std::fprintf(stderr, "no pseudo-terminal available\n");
        return 1;
    }
    std::printf("%s\n", port.portName().c_str());
    std::fflush(stdout);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    size_t shown = 0;
    while (!g_interrupted) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const std::vector<SSimRxLine> lines = port.received();
        for (; shown < lines.size(); ++shown)
            std::fprintf(stderr, "<< %s", lines[shown].bytes.c_str());
        if (shown > lines.size())
            shown = lines.size();
    }
    port.stop();
    return 0;
}
