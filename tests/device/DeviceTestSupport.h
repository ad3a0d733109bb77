#pragma once

// The controller's side of the transponder link for tests: serial profiles, complete sentences
// and the refresh steps that drive detection and the configuration read.
#include "AlarmProbe.h"
#include "SimTransponderPort.h"
#include "WaitFor.h"

#include "comm/CommProfile.h"
#include "device/CommSpaceManage.h"
#include "i62/I62Frame.h"
#include "services/SysDebug.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace DeviceTest {

constexpr int kLimitMs = 180000; // only a broken test waits this long: every wait ends on its condition

inline COMM::SCommConntProfile serialProfile(const std::string& port)
{
    COMM::SCommConntProfile profile;
    profile.ConntSetting =
        COMM::BuildConntLink(COMM::SENSOR_DEVICE_TRANSPONDER, L"AIS", COMM::PRIMARY_POS_DEFAULT, true);
    profile.CommType = COMM::COMM_TYPE_SERIAL;
    profile.Config.Serial = COMM::BuildSerialConfig(port.c_str(), 0);
    return profile;
}

// The body completed with "*", its checksum and CR LF, as the controller's senders do.
inline std::string sentence(const std::string& body)
{
    char text[512] = {};
    std::snprintf(text, sizeof(text) - 8, "%s", body.c_str());
    I62_Compose_CheckSum(text);
    return text;
}

// The bytes of what the simulator received, in order.
inline std::vector<std::string> bytesOf(const std::vector<SSimRxLine>& lines)
{
    std::vector<std::string> bytes;
    for (const SSimRxLine& line : lines)
        bytes.push_back(line.bytes);
    return bytes;
}

// Records logged at an alarm level, read back from "logger.log".
using AlarmProbe = ::AlarmProbe;

// The controller's once-a-second steps: the version query every 2 s while the link waits for
// detection, the configuration read every 2 s while the model is known, and the hand-over of the
// received configuration when a reply state says so.
class CTestController
{
public:
    static constexpr long long kTickMs = 1000;
    static constexpr long long kRepeatMs = 2000;

    explicit CTestController(CCommSpaceManage* manager) : m_manager(manager) {}

    bool send(const std::string& body)
    {
        const std::string text = sentence(body);
        return m_manager->sendCommand(text.c_str(), static_cast<int>(text.size()));
    }

    // The configuration read of the identified model; stops at the first refusal.
    bool readConfiguration(bool autoCheck)
    {
        if (!send("$PQXV,Q,CFG,8117,,,"))
            return false;
        if (autoCheck)
            return true;
        const SMachineTypeData machine = handle()->getMachineTypeData();
        std::vector<std::string> series = {"$PQXV,Q,CFG," + std::to_string(machine.iCfgGroup) + ",,,",
                                           "$PQXV,Q,CFG,183,,,", "!AIAIQ,CEK", "$PQXV,Q,CFG,30,,,"};
        if (machine.eMachineType == MACHINE_TYPE_T_275) {
            series.push_back("!AIAIQ,EPV");
            series.push_back("$PQXV,Q,CFG,31,,,");
        }
        series.push_back("$PTST,,,,,16");
        for (const std::string& body : series) {
            if (!send(body))
                return false;
        }
        ++fullReads;
        return true;
    }

    void tick()
    {
        const long long now = CSimTransponderPort::nowMs();
        CAisSentenceHandle* h = handle();
        const COMM_TRX_DEV_STATE state = h->getDevDetectState();
        if (state == COMM_TRX_DEV_CONFIG_TEXT || state == COMM_TRX_DEV_CONFIG_SHOWN) {
            if (h->takeReplyState(m_diagnosticsPage) != 0) {
                h->refreshConfigInfo();
                h->setDevDetectState(COMM_TRX_DEV_CONFIG_SHOWN);
                ++handOvers;
            }
            h->updateDiagnosticsData();
            m_manager->getDeviceComm()->updateSensorInfoPerSec();
            return;
        }
        if (state == COMM_TRX_DEV_OPENED && now - m_versionStamp >= kRepeatMs) {
            m_manager->getDeviceComm()->sendCommand("$PDBG,163,0,,,,,,*15", nullptr);
            if (send("!AIAIQ,VER"))
                m_versionStamp = now;
        } else if (state == COMM_TRX_DEV_IDENTIFIED && now - m_readStamp >= kRepeatMs) {
            readConfiguration(false);
            m_readStamp = now;
        }
    }

    // Runs the event loop, ticking once a second, until the condition holds.
    bool runUntil(const std::function<bool()>& condition, int limitMs = kLimitMs)
    {
        return TestSupport::waitFor(
            [&]() {
                const long long now = CSimTransponderPort::nowMs();
                if (now - m_lastTick >= kTickMs) {
                    m_lastTick = now;
                    tick();
                }
                return condition();
            },
            limitMs);
    }

    // What the controller does when the user disconnects.
    void disconnected()
    {
        m_manager->getDeviceComm()->initDevConfigInfo();
        m_versionStamp = m_readStamp = -kRepeatMs;
    }

    void setDiagnosticsPage(bool shown) { m_diagnosticsPage = shown; }
    CAisSentenceHandle* handle() { return m_manager->getDeviceComm()->getSentenceHandle(); }

    int handOvers = 0;
    int fullReads = 0; // whole reads queued, each ending in the system-data request

private:
    CCommSpaceManage* m_manager;
    bool m_diagnosticsPage = false;
    long long m_lastTick = 0;
    long long m_versionStamp = -kRepeatMs;
    long long m_readStamp = -kRepeatMs;
};

} // namespace DeviceTest
