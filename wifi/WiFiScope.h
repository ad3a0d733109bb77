#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The vocabulary of the Wi-Fi module's AT protocol and the records of what it reports.
namespace WiFiScope {

// Command identifiers: the rows of the command table; -1 none.
enum WIFI_AT_CMD : int {
    WIFI_AT_NONE = -1,
    WIFI_AT_SYSIPSET = 0,
    WIFI_AT_SYSIP = 1,
    WIFI_AT_WLANEN = 2,
    WIFI_AT_OPMODE = 3,
    WIFI_AT_WAPPLY = 4,
    WIFI_AT_APSSID = 5,
    WIFI_AT_SECMODE = 6,
    WIFI_AT_PSK = 7,
    WIFI_AT_APCHAN = 8,
    WIFI_AT_STALINK = 9,
    WIFI_AT_STA = 10,
    WIFI_AT_SCAN = 11,
    WIFI_AT_DHCPDEN = 12,
    WIFI_AT_DHCPCEN = 13,
    WIFI_AT_TCPPORT = 14,
    WIFI_AT_SYSAPPLY = 15,
    WIFI_AT_FACTDEF = 16,
    WIFI_AT_VER = 17,
    WIFI_AT_APPLY = 18,
    WIFI_AT_OK = 19,
    WIFI_AT_ERR = 20,
};

constexpr int WIFI_AT_CMD_COUNT = 19; // rows 0 to 18 are commands
constexpr int WIFI_AT_TABLE_SIZE = 21;

enum WIFI_SYS_MODE : int { WIFI_SYS_MODE_UNKNOWN = -1, WIFI_SYS_MODE_SENTENCE = 0, WIFI_SYS_MODE_CONFIG = 1 };
enum WIFI_OPERATION_MODE : int { WIFI_OPERATION_MODE_AP = 0, WIFI_OPERATION_MODE_CLIENT = 1 };
enum WIFI_MAIN_PROC_S : int {
    WIFI_MAIN_PROC_START = 1,
    WIFI_MAIN_PROC_ENTER = 2,
    WIFI_MAIN_PROC_RUN = 3,
    WIFI_MAIN_PROC_RESET = 4,
    WIFI_MAIN_PROC_PENDING = 5,
    WIFI_MAIN_PROC_POWER_FAIL = 6,
};
enum WIFI_CFG_TYPE : int {
    WIFI_CFG_NONE = 0,
    WIFI_CFG_QUERY = 1,
    WIFI_CFG_AP_SETUP = 2,
    WIFI_CFG_SCAN = 3,
    WIFI_CFG_CONNECT = 4,
    WIFI_CFG_MODE_CTRL = 5,
    WIFI_CFG_FACTORY_RESET = 6,
};

// The AT command table: its order is binding ("AT+SYSIPSET" ahead of "AT+SYSIP", "AT+STALINK"
// ahead of "AT+STA"): a line belongs to the first command whose text it holds.
struct SWiFiCmdTable
{
    SWiFiCmdTable();
    // The first command row 0 to 18 whose text occurs in text; with the occurrence's position.
    int find(const char* text, const char** at = nullptr) const;

    const char* cmd[WIFI_AT_TABLE_SIZE];
};

// An SSID has up to 32 characters; the arrays keep one more for the terminator.
constexpr int WIFI_SSID_SIZE = 33;
constexpr int WIFI_ADDRESS_SIZE = 16;
constexpr int WIFI_SECURITY_SIZE = 16;
constexpr int WIFI_PASS_PHRASE_SIZE = 65;
constexpr int WIFI_VERSION_SIZE = 32;
constexpr size_t WIFI_AP_ID_MATCH = 31; // characters of an AP identifier that take part in matching

typedef struct SAPData
{
    char szSSID[WIFI_SSID_SIZE];
    char szIpAddress[WIFI_ADDRESS_SIZE];
    char szSubnetMask[WIFI_ADDRESS_SIZE];
    int iTcpPort;
    int iChannel;
    char szSecurity[WIFI_SECURITY_SIZE];
    char szPassPhrase[WIFI_PASS_PHRASE_SIZE];
} AP_DATA;

// One access point found by a scan.
typedef struct SClientAPData
{
    SClientAPData();

    std::string ssid;
    std::string apId;
    int third;
    int rssi; // dBm
    std::string security;
} CLIENT_AP_DATA;

// The scanned access points of one SSID, strongest first.
typedef struct SClientAPInfoStruct
{
    std::string ssid;
    int connectStatus = -1; // index of the linked record, -1 none
    std::vector<SClientAPData> records;
} CLIENT_AP_INFO;

// A request to join an access point.
typedef struct SClintAPCntData
{
    std::string ssid;
    std::string security;
    std::string passPhrase;
    int index = -1; // the SSID's group in the scanned list, -1 when absent
} CLIENT_AP_CNT_DATA;

typedef struct SLinkStatusData
{
    SLinkStatusData();

    std::string currentIp;
    std::string secondAddress;
    std::string passPhrase;
    int tcpPort;
    SClientAPData linkedAP;
} LINK_STATUS_DATA;

typedef struct SWiFiData
{
    char szVersion[WIFI_VERSION_SIZE] = {};
    bool bWlanEnable = false;
    int iOperationMode = -1;
    int iDhcpServer = 0;
    int iDhcpClient = 0;
    SAPData sAPData = {};
    SLinkStatusData sLinkStatus;
    std::vector<SClientAPInfoStruct> scanned;
} WIFI_DATA;

// The reply parser's target: the data and the flags the controller polls.
typedef struct SCmdProcData
{
    SCmdProcData();

    SWiFiData data;
    uint8_t replyReady[WIFI_AT_CMD_COUNT];
    uint8_t acknowledged[WIFI_AT_CMD_COUNT];
    uint8_t scanReady;
    int stationLinkState; // 0 not reported, 1 associated, 2 "Not-Associated"
    uint8_t linkMatch;
    uint8_t queryNeeded[WIFI_AT_CMD_COUNT];
    uint8_t ackNeeded[WIFI_AT_CMD_COUNT];
} CMD_PROCE_DATA;

} // namespace WiFiScope

// The state of the reply reassembly.
enum SENTENCE_RETRIEVE_S : int {
    SENTENCE_RETRIEVE_IDLE = 0,
    SENTENCE_RETRIEVE_COLLECT = 1,
    SENTENCE_RETRIEVE_DONE = 2
};
