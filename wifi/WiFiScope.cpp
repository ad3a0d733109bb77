#include "wifi/WiFiScope.h"

#include <cstring>

namespace WiFiScope {

namespace {

const char* const kCommands[WIFI_AT_TABLE_SIZE] = {
    "AT+SYSIPSET", "AT+SYSIP",    "AT+WLANEN",  "AT+OPMODE", "AT+WAPPLY", "AT+APSSID",  "AT+SECMODE",
    "AT+PSK",      "AT+APCHAN",   "AT+STALINK", "AT+STA",    "AT+SCAN",   "AT+DHCPDEN", "AT+DHCPCEN",
    "AT+TCPPORT",  "AT+SYSAPPLY", "AT+FACTDEF", "AT+VER",    "AT+APPLY",  "+ok",        "+err",
};

// The twelve queries of the settings read, and the three acknowledged settings.
constexpr int kQueries[] = {WIFI_AT_SYSIPSET, WIFI_AT_SYSIP,   WIFI_AT_WLANEN,  WIFI_AT_OPMODE,
                            WIFI_AT_APSSID,   WIFI_AT_SECMODE, WIFI_AT_PSK,     WIFI_AT_APCHAN,
                            WIFI_AT_DHCPDEN,  WIFI_AT_DHCPCEN, WIFI_AT_TCPPORT, WIFI_AT_VER};
constexpr int kAcknowledged[] = {WIFI_AT_WAPPLY, WIFI_AT_SYSAPPLY, WIFI_AT_APPLY};

} // namespace

SWiFiCmdTable::SWiFiCmdTable()
{
    std::memcpy(cmd, kCommands, sizeof(cmd));
}

int SWiFiCmdTable::find(const char* text, const char** at) const
{
    if (text == nullptr)
        return WIFI_AT_NONE;
    for (int id = 0; id < WIFI_AT_CMD_COUNT; ++id) {
        const char* found = std::strstr(text, cmd[id]);
        if (found != nullptr) {
            if (at != nullptr)
                *at = found;
            return id;
        }
    }
    return WIFI_AT_NONE;
}

SClientAPData::SClientAPData() : third(0), rssi(0)
{}

SLinkStatusData::SLinkStatusData() : tcpPort(0)
{}

SCmdProcData::SCmdProcData() : replyReady{}, acknowledged{}, scanReady(0), stationLinkState(0), linkMatch(1)
{
    std::memset(queryNeeded, 0, sizeof(queryNeeded));
    std::memset(ackNeeded, 0, sizeof(ackNeeded));
    for (int id : kQueries)
        queryNeeded[id] = 1;
    for (int id : kAcknowledged)
        ackNeeded[id] = 1;
}

} // namespace WiFiScope
