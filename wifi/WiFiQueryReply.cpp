// Query and setting replies of the Wi-Fi module, and the configuration-mode check.
#include "wifi/XQDWiFiPaser.h"

#include "services/SysDebug.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace WiFiScope;

namespace {

// The text after "+ok=" up to the end of its line.
std::string valueAfter(const char* okAt)
{
    const char* value = okAt + 4;
    return std::string(value, std::strcspn(value, "\r\n"));
}

std::vector<std::string> tokensOf(const std::string& value)
{
    std::vector<std::string> tokens;
    size_t at = 0;
    while (true) {
        const size_t comma = value.find(',', at);
        tokens.push_back(value.substr(at, comma == std::string::npos ? std::string::npos : comma - at));
        if (comma == std::string::npos)
            break;
        at = comma + 1;
    }
    return tokens;
}

// A decimal number with optional blanks and sign; 0 without digits; kept within int.
int integerOf(const char* text)
{
    const long value = std::strtol(text, nullptr, 10);
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

// The whole field is replaced: exactly the value, cut to the field's size.
template <size_t N> void setText(char (&field)[N], const std::string& value)
{
    std::memset(field, 0, N);
    std::memcpy(field, value.data(), value.size() < N - 1 ? value.size() : N - 1);
}

} // namespace

void CXQDWiFiPaser::queryATResp(const char* reply, SCmdProcData* target)
{
    if (reply == nullptr || target == nullptr)
        return;
    if (reply[0] != '>') {
        SYS_DEBUG(DEBUG_MSG_INFO, "Not resopnse sentence:");
        return;
    }
    const std::string copy(reply + 1);
    const char* at = nullptr;
    const int id = m_table.find(copy.c_str(), &at);
    if (id == WIFI_AT_NONE) {
        SYS_DEBUG(DEBUG_MSG_INFO, "Can`t recognize command %s", reply);
        return;
    }
    if (id == WIFI_AT_WAPPLY || id == WIFI_AT_STA || id == WIFI_AT_SYSAPPLY || id == WIFI_AT_FACTDEF ||
        id == WIFI_AT_APPLY) {
        SYS_DEBUG(DEBUG_MSG_INFO, "Can`t recognize command %s", reply);
        target->replyReady[id] = 0;
        return;
    }
    const char* ok = std::strstr(at, "+ok=");
    const bool found = ok != nullptr;
    const std::string value = found ? valueAfter(ok) : std::string();
    const std::vector<std::string> tokens = tokensOf(value);
    SWiFiData& data = target->data;
    target->replyReady[id] = found ? 1 : 0;

    switch (id) {
    case WIFI_AT_SYSIPSET:
        if (found) {
            setText(data.sAPData.szIpAddress, tokens[0]);
            if (tokens.size() > 1)
                setText(data.sAPData.szSubnetMask, tokens[1]);
        }
        break;
    case WIFI_AT_SYSIP:
        if (found) {
            data.sLinkStatus.currentIp = tokens[0];
            for (size_t i = 1; i < tokens.size(); ++i)
                data.sLinkStatus.secondAddress = tokens[i];
        }
        break;
    case WIFI_AT_WLANEN: {
        const char* anywhere = std::strstr(copy.c_str(), "+ok=");
        data.bWlanEnable = anywhere != nullptr && integerOf(anywhere + 4) == 1;
        target->replyReady[id] = anywhere != nullptr ? 1 : 0;
        break;
    }
    case WIFI_AT_OPMODE:
        data.iOperationMode = found ? integerOf(value.c_str()) : 0;
        break;
    case WIFI_AT_APSSID:
        setText(data.sAPData.szSSID, value);
        break;
    case WIFI_AT_SECMODE:
        setText(data.sAPData.szSecurity, value);
        break;
    case WIFI_AT_PSK:
        // "+ok=0,<pass phrase>": everything after the first comma, commas of the phrase kept.
        if (found && value.find(',') != std::string::npos)
            setText(data.sAPData.szPassPhrase, value.substr(value.find(',') + 1));
        data.sLinkStatus.passPhrase = data.sAPData.szPassPhrase;
        break;
    case WIFI_AT_APCHAN:
        data.sAPData.iChannel = found ? integerOf(value.c_str()) : 0;
        break;
    case WIFI_AT_STALINK:
        if (copy.find("Not-Associated") != std::string::npos) {
            target->stationLinkState = 2;
            target->linkMatch = 0;
            target->replyReady[id] = 0;
            clientAPCntStatus(nullptr, target);
        } else {
            target->stationLinkState = 1;
            const bool token = found && !tokens[0].empty();
            clientAPCntStatus(target->linkMatch != 0 && token ? tokens[0].c_str() : nullptr, target);
        }
        break;
    case WIFI_AT_SCAN:
        segmentSentence(at, m_lines);
        scanDataPaser(m_lines, m_records);
        classifyScanData(m_records, &data);
        target->scanReady = 1;
        target->replyReady[id] = 0;
        break;
    case WIFI_AT_DHCPDEN:
        data.iDhcpServer = found ? integerOf(value.c_str()) : 0;
        break;
    case WIFI_AT_DHCPCEN:
        data.iDhcpClient = found ? integerOf(value.c_str()) : 0;
        break;
    case WIFI_AT_TCPPORT:
        data.sAPData.iTcpPort = found ? integerOf(value.c_str()) : 0;
        data.sLinkStatus.tcpPort = data.sAPData.iTcpPort;
        break;
    case WIFI_AT_VER:
        setText(data.szVersion, value);
        break;
    default:
        break;
    }
}

void CXQDWiFiPaser::settingATResp(const char* reply, SCmdProcData* target)
{
    if (reply == nullptr || target == nullptr || std::strstr(reply, "+ok") == nullptr)
        return;
    if (std::strstr(reply, "AT+WAPPLY") != nullptr)
        target->acknowledged[WIFI_AT_WAPPLY] = 1;
    else if (std::strstr(reply, "AT+SYSAPPLY") != nullptr)
        target->acknowledged[WIFI_AT_SYSAPPLY] = 1;
    else if (std::strstr(reply, "br0: port 2(ath0) entering learning state") != nullptr)
        target->acknowledged[WIFI_AT_APPLY] = 1;
}

bool CXQDWiFiPaser::checkCfgModeEnable(const char* line)
{
    if (line == nullptr)
        return s_modeActive;
    const bool replyWord = std::strstr(line, "+ok") != nullptr || std::strstr(line, "+err") != nullptr;
    if (s_exitPending && replyWord) {
        s_exitPending = false;
        return false;
    }
    const bool exit = std::strstr(line, "AT+EXIT") != nullptr;
    const bool sentence = line[0] == '$' || line[0] == '!';
    if (!exit && !sentence && std::strstr(line, "[WIFI]") == nullptr) {
        if (replyWord)
            s_modeActive = true;
        return s_modeActive;
    }
    if (exit)
        s_exitPending = true;
    s_modeActive = false;
    return false;
}

void CXQDWiFiPaser::resetCfgModeCheck()
{
    s_modeActive = false;
    s_exitPending = false;
}

bool CXQDWiFiPaser::delimDataRead(char* destination, size_t size, const char* text, const char* key)
{
    const char* at = text != nullptr && key != nullptr ? std::strstr(text, key) : nullptr;
    if (at == nullptr || destination == nullptr || size == 0)
        return false;
    const char* value = at + std::strlen(key);
    const size_t length = std::strcspn(value, "\r\n");
    const size_t n = length < size - 1 ? length : size - 1;
    std::memcpy(destination, value, n);
    destination[n] = '\0';
    return true;
}

bool CXQDWiFiPaser::intDataRead(int* out, const char* key, const char* text)
{
    const char* at = text != nullptr && key != nullptr ? std::strstr(text, key) : nullptr;
    if (at == nullptr || out == nullptr)
        return false;
    *out = integerOf(at + std::strlen(key));
    return true;
}

bool CXQDWiFiPaser::charDataRead(char* out, size_t size, const char* key, int count, const char* text)
{
    const char* at = text != nullptr && key != nullptr ? std::strstr(text, key) : nullptr;
    if (at == nullptr || out == nullptr || count < 0 || size == 0)
        return false;
    const char* value = at + std::strlen(key);
    size_t n = strnlen(value, static_cast<size_t>(count));
    n = n < size - 1 ? n : size - 1;
    std::memcpy(out, value, n);
    out[n] = '\0';
    return true;
}

void CXQDWiFiPaser::fillZeros(char* text)
{
    if (text == nullptr)
        return;
    for (char* c = text; *c != '\0'; ++c) {
        if (*c == '\r' || *c == '\n')
            *c = '\0';
    }
}
