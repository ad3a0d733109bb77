#include "SimWiFiModule.h"

#include <chrono>
#include <cstdlib>

namespace {

constexpr const char* kEnterSentence = "$PDBG,163,1,";
constexpr long long kLearningAfterMs = 150; // the network restarts a moment after the apply's "+ok"

long long steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string withoutLineEnd(std::string line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

bool isFlag(const std::string& value)
{
    return value == "0" || value == "1";
}

bool isNumber(const std::string& value)
{
    if (value.empty() || value.size() > 9)
        return false;
    for (char c : value) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

CSimWiFiModule::CSimWiFiModule() = default;

std::vector<std::string> CSimWiFiModule::onEnter()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_enterCount;
    m_replies.clear();
    m_answering = false;
    return {"+ok\r\n"};
}

std::vector<std::string> CSimWiFiModule::onLine(const std::string& received)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const long long now = steadyMs();
    const std::string line = withoutLineEnd(received);
    if (m_answering)
        m_breaches.push_back(line + ": sent before the previous command was answered");

    if (line.compare(0, std::string(kEnterSentence).size(), kEnterSentence) == 0) {
        ++m_enterCount;
        return {"+ok\r\n"};
    }
    // The scan marker comes back behind the scan results; it asks for nothing.
    if (line == "WiFiScanEnd")
        return {">WiFiScanEnd\r\n"};
    if (line.compare(0, 3, "AT+") != 0)
        return {};
    m_commands.push_back(line);

    const size_t equals = line.find('=');
    const std::string word = line.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
    std::vector<std::string> lines = {">" + line + "\r\n"};
    if (m_silent.erase(word) != 0)
        return lines; // mid-reply: the echo and nothing more
    const bool setting = equals != std::string::npos;
    if (m_refused.erase(word) != 0 || m_alwaysRefused.count(word) != 0 ||
        (setting && m_refusedSettings.count(word) != 0)) {
        lines.push_back("+err\r\n");
    } else {
        const std::vector<std::string> rest = answer(word, value, setting);
        lines.insert(lines.end(), rest.begin(), rest.end());
    }
    for (const std::string& text : lines)
        m_replies.push_back({now + m_replyDelayMs, text});
    if (word == "AT+APPLY" && lines.back() == "+ok\r\n")
        m_replies.push_back({now + m_replyDelayMs + kLearningAfterMs, kLearningLine});
    m_answering = true;
    return {};
}

std::vector<std::string> CSimWiFiModule::onTick(long long)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const long long now = steadyMs();
    std::vector<std::string> due;
    size_t taken = 0;
    while (taken < m_replies.size() && m_replies[taken].dueMs <= now)
        due.push_back(m_replies[taken++].line);
    m_replies.erase(m_replies.begin(), m_replies.begin() + static_cast<long>(taken));
    if (m_replies.empty())
        m_answering = false;
    if (m_joinDueMs >= 0 && now >= m_joinDueMs) {
        m_joinDueMs = -1;
        for (const SSimAccessPoint& ap : m_state.accessPoints) {
            if (ap.ssid == m_state.staSsid) {
                m_state.linkedApId = ap.apId;
                m_state.linkedSsid = ap.ssid;
                break;
            }
        }
    }
    return due;
}

void CSimWiFiModule::onLeave()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_replies.clear();
    m_answering = false;
}

// Called with the lock held: the lines after the echo.
std::vector<std::string> CSimWiFiModule::answer(const std::string& word, const std::string& value, bool setting)
{
    if (setting)
        return {applySetting(word, value) ? "+ok\r\n" : "+err\r\n"};
    if (word == "AT+SCAN") {
        std::vector<std::string> lines = {"+ok=\r\n"};
        for (const SSimAccessPoint& ap : m_state.accessPoints)
            lines.push_back(ap.ssid + "," + ap.apId + "," + std::to_string(ap.third) + "," + std::to_string(ap.rssi) +
                            "," + ap.security + "\r\n");
        return lines;
    }
    if (word == "AT+WAPPLY")
        joinAfterApply();
    if (word == "AT+WAPPLY" || word == "AT+SYSAPPLY" || word == "AT+APPLY")
        return {"+ok\r\n"};
    if (word == "AT+FACTDEF") {
        const std::vector<SSimAccessPoint> accessPoints = m_state.accessPoints;
        m_state = SSimWiFiState();
        m_state.accessPoints = accessPoints;
        m_joinDueMs = -1;
        return {"+ok\r\n"};
    }
    const std::string read = query(word);
    if (read.empty() && word != "AT+STA")
        return {"+err\r\n"};
    return {"+ok=" + read + "\r\n"};
}

namespace {

bool anyText(const std::string&)
{
    return true;
}

bool isChannel(const std::string& value)
{
    return isNumber(value) && std::atoi(value.c_str()) <= 11;
}

bool isPort(const std::string& value)
{
    return isNumber(value) && std::atoi(value.c_str()) <= 65535;
}

bool isAddressPair(const std::string& value)
{
    return value.find(',') != std::string::npos;
}

bool isPskSetting(const std::string& value)
{
    return value.compare(0, 2, "0,") == 0;
}

bool isSecurity(const std::string& value)
{
    return value == "NONE" || value == "WPA-PSK" || value == "WPA2-PSK";
}

// The settings the module keeps: the command word, the state field it sets and a query reads,
// and what it accepts as a value (null: it cannot be set).
struct SField
{
    const char* word;
    std::string SSimWiFiState::*field;
    bool (*accepts)(const std::string&);
};

const SField kFields[] = {
    {"AT+WLANEN", &SSimWiFiState::wlanEnable, isFlag},
    {"AT+OPMODE", &SSimWiFiState::opMode, isFlag},
    {"AT+DHCPDEN", &SSimWiFiState::dhcpServer, isFlag},
    {"AT+DHCPCEN", &SSimWiFiState::dhcpClient, isFlag},
    {"AT+APCHAN", &SSimWiFiState::apChan, isChannel},
    {"AT+TCPPORT", &SSimWiFiState::tcpPort, isPort},
    {"AT+SYSIPSET", &SSimWiFiState::ipMask, isAddressPair},
    {"AT+PSK", &SSimWiFiState::psk, isPskSetting},
    {"AT+SECMODE", &SSimWiFiState::secMode, isSecurity},
    {"AT+APSSID", &SSimWiFiState::apSsid, anyText},
    {"AT+STA", &SSimWiFiState::staSsid, anyText},
    {"AT+VER", &SSimWiFiState::version, nullptr},
};

const SField* fieldOf(const std::string& word)
{
    for (const SField& f : kFields) {
        if (word == f.word)
            return &f;
    }
    return nullptr;
}

} // namespace

// Called with the lock held.
bool CSimWiFiModule::applySetting(const std::string& word, const std::string& value)
{
    const SField* f = fieldOf(word);
    if (f == nullptr || f->accepts == nullptr || !f->accepts(value))
        return false;
    m_state.*(f->field) = value;
    return true;
}

// Called with the lock held: the value a query reads, empty for a word that has none.
std::string CSimWiFiModule::query(const std::string& word) const
{
    const SSimWiFiState& s = m_state;
    if (word == "AT+SYSIP")
        return s.ipMask + "," + s.gateway;
    if (word == "AT+STALINK")
        return s.linkedApId.empty() ? "Not-Associated" : s.linkedApId + "," + s.linkedSsid;
    const SField* f = fieldOf(word);
    return f != nullptr ? s.*(f->field) : std::string();
}

// Called with the lock held: the apply drops the old link; the join request links after the delay.
void CSimWiFiModule::joinAfterApply()
{
    if (m_state.staSsid.empty())
        return;
    m_state.linkedApId.clear();
    m_state.linkedSsid.clear();
    m_joinDueMs = m_joinDelayMs < 0 ? -1 : steadyMs() + m_joinDelayMs;
}

SSimWiFiState CSimWiFiModule::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

void CSimWiFiModule::setState(const SSimWiFiState& state)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state = state;
}

void CSimWiFiModule::setAccessPoints(const std::vector<SSimAccessPoint>& accessPoints)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.accessPoints = accessPoints;
}

void CSimWiFiModule::setJoinDelayMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_joinDelayMs = ms;
}

void CSimWiFiModule::setReplyDelayMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_replyDelayMs = ms;
}

void CSimWiFiModule::refuse(const std::string& word)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_refused.insert(word);
}

void CSimWiFiModule::refuseAlways(const std::string& word)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_alwaysRefused.insert(word);
}

void CSimWiFiModule::refuseSettings(const std::string& word)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_refusedSettings.insert(word);
}

void CSimWiFiModule::silence(const std::string& word)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_silent.insert(word);
}

std::vector<std::string> CSimWiFiModule::breaches() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_breaches;
}

std::vector<std::string> CSimWiFiModule::commands() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_commands;
}

int CSimWiFiModule::enterCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_enterCount;
}

bool CSimWiFiModule::busy() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_answering || !m_replies.empty() || m_joinDueMs >= 0;
}
