#pragma once

// When the window's link has settled: the link has sent what was queued and awaits no reply, the
// Wi-Fi module behind pass-through (if any) has answered, and the program has read everything
// the transponder wrote. What a second of the real clock leaves behind, however busy the machine;
// tests tick the stepped clock only then, so that no wait of the program is cut short.
#include "WindowHarness.h"

#include "SimWiFiModule.h"
#include "comm/ServiceComm.h"
#include "device/CommSpaceManage.h"
#include "services/PortalTime.h"

#include <QObject>
#include <atomic>
#include <string>

class CLinkSettle
{
public:
    // Counts what the program receives where it arrives (the communication thread).
    CLinkSettle(CWindowHarness& w, const CSimWiFiModule* module) : m_w(w), m_module(module)
    {
        CDeviceComm* device = w.device();
        const auto count = [this](void*, QString text) { m_rxBytes += text.size(); };
        QObject::connect(device, &CDeviceComm::signalRxLogMsg, device, count, Qt::DirectConnection);
        QObject::connect(device->getSentenceHandle(), &CSensorSentenceHandle::signalRxLogMsg, device, count,
                         Qt::DirectConnection);
    }

    // Nothing queued on the link and no reply awaited (a wait whose time is up counts as over:
    // the link drops it only when a next line is due).
    bool linkIdle() const
    {
        COMM::CServiceComm* link = m_w.device()->currentComm();
        if (link == nullptr)
            return true;
        const COMM::SResponseInform wait = link->getRawDataHandle()->getResponseInform();
        const bool waiting =
            wait.timeoutMs > 0 && Portal::Time::Clock::msecsSinceStart() - wait.sentMs <= wait.timeoutMs;
        return !link->isTxRequest() && !waiting;
    }

    // Everything the transponder wrote has been through the program's receive path.
    bool allReceived() const { return m_rxBytes.load() >= sentBytes(); }

    bool moduleBusy() const { return m_module != nullptr && m_module->busy(); }

    bool settled() const { return linkIdle() && !moduleBusy() && allReceived(); }

    // After a hang-up: what the transponder wrote to the dead line is never read.
    void forgetUnread() { m_rxBytes = sentBytes(); }

private:
    long long sentBytes() const
    {
        long long sent = 0;
        for (const std::string& line : m_w.sim().sent())
            sent += static_cast<long long>(line.size());
        return sent;
    }

    CWindowHarness& m_w;
    const CSimWiFiModule* m_module;
    std::atomic<long long> m_rxBytes{0};
};
