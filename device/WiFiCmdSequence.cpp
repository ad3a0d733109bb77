#include "device/WiFiCmdSequence.h"

#include "services/PortalStr.h"

#include <cstring>

using namespace WiFiScope;

namespace WiFiCmdSequence {

namespace {

constexpr const char* kNone = "NONE";
constexpr const char* kWpa2Psk = "WPA2-PSK";

SWiFiCmdLine line(const SWiFiCmdTable& table, WIFI_AT_CMD id, std::string parameter = std::string())
{
    return SWiFiCmdLine{table.cmd[id], std::move(parameter), true};
}

std::string decimal(int value)
{
    char text[16] = {};
    Portal::Str::ConvtIntToChar(text, sizeof(text), value);
    return text;
}

// A text field of a fixed array, never read past the array even without its terminator.
template <size_t N> std::string textOf(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

} // namespace

std::vector<SWiFiCmdLine> basicInfoQuery(const SWiFiCmdTable& table)
{
    static constexpr WIFI_AT_CMD kQueries[] = {WIFI_AT_WLANEN,  WIFI_AT_OPMODE,  WIFI_AT_APSSID, WIFI_AT_SECMODE,
                                               WIFI_AT_PSK,     WIFI_AT_SYSIPSET, WIFI_AT_TCPPORT, WIFI_AT_APCHAN,
                                               WIFI_AT_VER,     WIFI_AT_SYSIP,   WIFI_AT_DHCPDEN, WIFI_AT_DHCPCEN};
    std::vector<SWiFiCmdLine> lines;
    for (WIFI_AT_CMD id : kQueries)
        lines.push_back(line(table, id));
    return lines;
}

std::vector<SWiFiCmdLine> apSetup(const SWiFiCmdTable& table, const SAPData& ap)
{
    std::vector<SWiFiCmdLine> lines = {
        line(table, WIFI_AT_APSSID, textOf(ap.szSSID)),
        line(table, WIFI_AT_APCHAN, decimal(ap.iChannel)),
        line(table, WIFI_AT_SYSIPSET, textOf(ap.szIpAddress) + "," + textOf(ap.szSubnetMask)),
        line(table, WIFI_AT_TCPPORT, decimal(ap.iTcpPort)),
    };
    // Exactly "NONE" is an open network; any other text asks for WPA2 with the pass phrase.
    if (textOf(ap.szSecurity) == kNone) {
        lines.push_back(line(table, WIFI_AT_SECMODE, kNone));
    } else {
        lines.push_back(line(table, WIFI_AT_SECMODE, kWpa2Psk));
        lines.push_back(line(table, WIFI_AT_PSK, "0," + textOf(ap.szPassPhrase)));
    }
    lines.push_back(line(table, WIFI_AT_APPLY));
    return lines;
}

std::vector<SWiFiCmdLine> modeCtrl(const SWiFiCmdTable& table, bool enable, WIFI_OPERATION_MODE mode)
{
    std::vector<SWiFiCmdLine> lines = {line(table, WIFI_AT_WLANEN, enable ? "1" : "0")};
    if (enable) {
        // A client takes its address from the access point; an access point hands addresses out.
        const bool client = mode == WIFI_OPERATION_MODE_CLIENT;
        lines.push_back(line(table, WIFI_AT_DHCPCEN, client ? "1" : "0"));
        lines.push_back(line(table, WIFI_AT_DHCPDEN, mode == WIFI_OPERATION_MODE_AP ? "1" : "0"));
        lines.push_back(line(table, WIFI_AT_OPMODE, client ? "1" : "0"));
    }
    lines.push_back(line(table, WIFI_AT_SYSAPPLY));
    lines.push_back(line(table, WIFI_AT_WAPPLY));
    return lines;
}

std::vector<SWiFiCmdLine> factoryReset(const SWiFiCmdTable& table)
{
    return {line(table, WIFI_AT_FACTDEF), line(table, WIFI_AT_APPLY)};
}

std::vector<SWiFiCmdLine> clientScan(const SWiFiCmdTable& table)
{
    // The module echoes the marker behind the last result, which closes the scan reply.
    return {line(table, WIFI_AT_SCAN), SWiFiCmdLine{kScanEndMarker, std::string(), false}};
}

std::string joinSecurity(const std::string& security)
{
    return security == "WPA2" || security == "WPA" ? security + "-PSK" : security;
}

std::vector<SWiFiCmdLine> clientAPCnt(const SWiFiCmdTable& table, const SClintAPCntData& request)
{
    const std::string security = joinSecurity(request.security);
    std::vector<SWiFiCmdLine> lines = {line(table, WIFI_AT_STA, request.ssid),
                                       line(table, WIFI_AT_SECMODE, security)};
    if (security != kNone)
        lines.push_back(line(table, WIFI_AT_PSK, "0," + request.passPhrase));
    lines.push_back(line(table, WIFI_AT_WAPPLY));
    return lines;
}

std::vector<SWiFiCmdLine> clientAPCntStatus(const SWiFiCmdTable& table)
{
    return {line(table, WIFI_AT_STALINK)};
}

} // namespace WiFiCmdSequence
