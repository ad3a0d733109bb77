// The Wi-Fi module's reply lines through reassembly and the reply parsers, and the
// configuration-mode check, line by line.
#include "wifi/WiFiConfig.h"

#include "FuzzLog.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    CWiFiConfig wifi;
    wifi.setSystemMode(WiFiScope::WIFI_SYS_MODE_CONFIG);
    size_t at = 0;
    while (at < input.size()) {
        size_t end = input.find('\n', at);
        end = end == std::string::npos ? input.size() : end + 1;
        const std::string line = input.substr(at, end - at);
        CXQDWiFiPaser::checkCfgModeEnable(line.c_str());
        wifi.cmdProc(line.c_str());
        at = end;
    }
    wifi.isQueryDataReady();
    Fuzz::drainLog();
    return 0;
}
