#pragma once

#include "wifi/WiFiScope.h"

#include <string>
#include <vector>

// One line of a Wi-Fi job: a command word with its parameter (empty: the bare word, which the
// module reads as a query), awaiting "+ok" or not.
struct SWiFiCmdLine
{
    std::string word;
    std::string parameter;
    bool awaitOk = true;

    // The line's text as it goes out, line end not counted.
    size_t textLength() const { return parameter.empty() ? word.size() : word.size() + 1 + parameter.size(); }
    bool operator==(const SWiFiCmdLine& other) const
    {
        return word == other.word && parameter == other.parameter && awaitOk == other.awaitOk;
    }
};

// The AT command sequences of the seven Wi-Fi jobs, composed from the command table and the
// job's input; nothing is sent here.
namespace WiFiCmdSequence {

constexpr const char* kScanEndMarker = "WiFiScanEnd";

std::vector<SWiFiCmdLine> basicInfoQuery(const WiFiScope::SWiFiCmdTable& table);
std::vector<SWiFiCmdLine> apSetup(const WiFiScope::SWiFiCmdTable& table, const WiFiScope::SAPData& ap);
std::vector<SWiFiCmdLine> modeCtrl(const WiFiScope::SWiFiCmdTable& table, bool enable,
                                   WiFiScope::WIFI_OPERATION_MODE mode);
std::vector<SWiFiCmdLine> factoryReset(const WiFiScope::SWiFiCmdTable& table);
std::vector<SWiFiCmdLine> clientScan(const WiFiScope::SWiFiCmdTable& table);
std::vector<SWiFiCmdLine> clientAPCnt(const WiFiScope::SWiFiCmdTable& table, const WiFiScope::SClintAPCntData& request);
std::vector<SWiFiCmdLine> clientAPCntStatus(const WiFiScope::SWiFiCmdTable& table);

// "WPA2" and "WPA" name the pre-shared-key modes the module knows by their "-PSK" names.
std::string joinSecurity(const std::string& security);

} // namespace WiFiCmdSequence
