// The configuration reply parsers and the system-data text into the configuration record, line
// by line, as the transponder's handler offers every received text unit.
#include "device/AISControl.h"
#include "device/SensorConfig.h"

#include "FuzzLog.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    CAISControl control;
    CSensorConfig config;
    const MACHINE_TYPE type = size > 0 && data[0] % 2 == 0 ? MACHINE_TYPE_KVX_T_362 : MACHINE_TYPE_T_275;
    size_t at = 0;
    while (at < input.size()) {
        size_t end = input.find('\n', at);
        end = end == std::string::npos ? input.size() : end + 1;
        const std::string line = input.substr(at, end - at);
        if (control.paser(line.c_str()))
            config.updateConfigDataForStd(line.c_str(), type, control.commandData());
        else
            config.updateConfigData(line.c_str());
        at = end;
    }
    Fuzz::drainLog();
    return 0;
}
