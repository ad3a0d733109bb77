// The device object's Wi-Fi senders: the pass-through switch, the AT send step and the AT
// command sequences of the Wi-Fi jobs. GUI thread; they only append to the link's queue.
#include "device/DeviceComm.h"

#include "device/WiFiCmdSequence.h"
#include "services/SysDebug.h"
#include "wifi/XQDWiFiPaser.h"

#include <cstring>

using namespace WiFiScope;

namespace {

constexpr const char* kEnterWiFiMode = "$PDBG,163,1,,,,,,*14";
constexpr const char* kLeaveWiFiMode = "$PDBG,163,0,,,,,,*15";
constexpr size_t kMaxAwaitLength = COMM::kAwaitTextSize - 1;

} // namespace

void CDeviceComm::sendCmdToSwitchWiFiMode(WIFI_SYS_MODE mode)
{
    if (mode != WIFI_SYS_MODE_CONFIG && mode != WIFI_SYS_MODE_SENTENCE) {
        SYS_DEBUG(DEBUG_MSG_INFO, "No such command");
        return;
    }
    // The mode itself follows when the received lines show it.
    sendCommand(mode == WIFI_SYS_MODE_CONFIG ? kEnterWiFiMode : kLeaveWiFiMode, nullptr);
}

// Forced by the controller, as when the received lines show a mode: any mode but 1 is sentences.
// Forced to sentences, the check of the received lines starts afresh too, as a sentence would
// have left it: still holding the module's last "+ok", it would take the next text line without
// a reply word (the system-data text, say) for the module's and switch the link back.
void CDeviceComm::switchSysMode(WIFI_SYS_MODE mode)
{
    setSystemMode(mode, nullptr);
    if (mode != WIFI_SYS_MODE_CONFIG)
        CXQDWiFiPaser::resetCfgModeCheck();
}

std::string CDeviceComm::composeWiFiCfgCmd(std::string command, std::string value)
{
    return command + "=" + value;
}

bool CDeviceComm::sendCmdRespPass(int timeoutMs, std::string awaited, std::string command, std::string parameter)
{
    // Cut, the awaited text would match replies it was not meant for; the line is refused instead.
    if (awaited.size() > kMaxAwaitLength) {
        SYS_DEBUG(DEBUG_MSG_ERROR, "Awaited reply of %zu characters refused, at most %zu fit", awaited.size(),
                  kMaxAwaitLength);
        return false;
    }
    m_response = COMM::SResponseInform();
    m_response.timeoutMs = timeoutMs;
    std::memcpy(m_response.awaitText, awaited.data(), awaited.size());
    const std::string line = parameter.empty() ? command : composeWiFiCfgCmd(command, parameter);
    return sendCommand(line, &m_response);
}

// A job goes out whole or not at all: a line that cannot be sent as it is (a long SSID or pass
// phrase) refuses the job before its first line, so the module is never left half set up.
bool CDeviceComm::queueWiFiJob(const std::vector<SWiFiCmdLine>& lines)
{
    for (const SWiFiCmdLine& line : lines) {
        if (line.textLength() > static_cast<size_t>(kMaxLineLength)) {
            SYS_DEBUG(DEBUG_MSG_ERROR, "Wi-Fi line %s of %zu characters refused, at most %d fit; job not sent",
                      line.word.c_str(), line.textLength(), kMaxLineLength);
            return false;
        }
    }
    const char* ok = m_wifiConfig.cmdTable().cmd[WIFI_AT_OK];
    for (const SWiFiCmdLine& line : lines) {
        const bool queued = line.awaitOk ? sendCmdRespPass(wifiReplyTimeoutMs(line), ok, line.word, line.parameter)
                                         : sendCommand(line.word, nullptr);
        if (!queued)
            return false;
    }
    return true;
}

void CDeviceComm::sendWiFiBasicInfoQueryCmd()
{
    queueWiFiJob(WiFiCmdSequence::basicInfoQuery(m_wifiConfig.cmdTable()));
}

void CDeviceComm::sendWiFiCfgCmd(SAPData* data)
{
    if (data != nullptr)
        queueWiFiJob(WiFiCmdSequence::apSetup(m_wifiConfig.cmdTable(), *data));
}

void CDeviceComm::sendWiFiModeCtrlCmd(bool enable, WIFI_OPERATION_MODE mode)
{
    queueWiFiJob(WiFiCmdSequence::modeCtrl(m_wifiConfig.cmdTable(), enable, mode));
}

void CDeviceComm::sendWiFiFactoryRstCmd()
{
    queueWiFiJob(WiFiCmdSequence::factoryReset(m_wifiConfig.cmdTable()));
}

void CDeviceComm::sendWiFiClientScanCmd()
{
    queueWiFiJob(WiFiCmdSequence::clientScan(m_wifiConfig.cmdTable()));
}

void CDeviceComm::sendWiFiClientAPCntCmd(SClintAPCntData* request)
{
    if (request != nullptr)
        queueWiFiJob(WiFiCmdSequence::clientAPCnt(m_wifiConfig.cmdTable(), *request));
}

void CDeviceComm::sendWiFiClientAPCntStatusCmd()
{
    queueWiFiJob(WiFiCmdSequence::clientAPCntStatus(m_wifiConfig.cmdTable()));
}

void CDeviceComm::setWiFiReplyTimeoutMs(int ms, const std::string& lines)
{
    if (lines.empty())
        m_wifiReplyTimeoutMs = ms;
    else
        m_wifiReplyTimeoutsMs[lines] = ms;
}

int CDeviceComm::wifiReplyTimeoutMs(const SWiFiCmdLine& line) const
{
    if (!line.parameter.empty()) {
        const auto setting = m_wifiReplyTimeoutsMs.find(line.word + "=");
        if (setting != m_wifiReplyTimeoutsMs.end())
            return setting->second;
    }
    const auto command = m_wifiReplyTimeoutsMs.find(line.word);
    return command != m_wifiReplyTimeoutsMs.end() ? command->second : m_wifiReplyTimeoutMs;
}
