#pragma once

// When the window's link has settled: the program has sent what it queued and awaits no reply,
// the simulated transponder (and its Wi-Fi module behind pass-through) has read and answered it,
// and the program has read and handled what the transponder wrote by then. What a second of the
// real clock leaves behind, however busy the machine: the harness steps its clock only then, so
// that no wait of the program is cut short by stepped time running ahead of the answers.
//
// The program's side is looked at on the communication thread, between two of its events, so
// that a line taken from the send queue but not yet written, or a chunk read but not yet handled,
// is never missed.

#include "PtyPeer.h"
#include "SimTransponderPort.h"
#include "WaitFor.h"
#include "comm/CommDefine.h"
#include "comm/ServiceComm.h"
#include "device/CommSpaceManage.h"
#include "services/PortalTime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QSerialPort>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

class CLinkSettle
{
public:
    // manage gives the manager while the window lives (null after); sim is null without one.
    CLinkSettle(std::function<CCommSpaceManage*()> manage, CSimTransponderPort* sim)
        : m_manage(std::move(manage)), m_sim(sim)
    {
    }

    // The program's link as its own thread sees it.
    struct SProgramSide
    {
        bool idle = true;     // nothing queued or being written, no reply awaited
        long long unread = 0; // bytes on the line not yet read by the program
        std::string port;     // the serial port's name, empty for none
    };

    // Waits, the event loop running, until the link has settled; false after limitMs.
    bool wait(int limitMs)
    {
        QElapsedTimer elapsed;
        elapsed.start();
        const auto left = [&] { return static_cast<int>(std::max<long long>(limitMs - elapsed.elapsed(), 0)); };
        while (elapsed.elapsed() <= limitMs) {
            // The program has sent everything and awaits nothing, and the transponder has
            // answered it; what the transponder wrote by then is the mark.
            if (!TestSupport::waitFor([&] { return (m_lastProgram = programSide(left())).idle && simAnswered(); },
                                      left()))
                break;
            const long long mark = simWritten();
            // The program has read up to the mark: of what is on the line, no more than came after it.
            bool again = false;
            const bool read = TestSupport::waitFor(
                [&] {
                    const long long written = simWritten();
                    const SProgramSide side = programSide(left());
                    again = !side.idle;
                    return again || !watched(side) || side.unread <= written - mark;
                },
                left());
            if (read && !again)
                return true;
        }
        report();
        return false;
    }

private:
    bool simLive() const { return m_sim != nullptr && !m_sim->isHungUp(); }
    bool simAnswered() const { return !simLive() || m_sim->answered(); }
    long long simWritten() const { return m_sim != nullptr ? m_sim->writtenBytes() : 0; }

    // Whether the program reads the simulator's live line: what it has not read is then known.
    bool watched(const SProgramSide& side) const
    {
        if (!simLive() || side.port.empty())
            return false;
        const std::string line = m_sim->portName();
        return line == side.port || line == "/dev/" + side.port;
    }

    struct SLook
    {
        SProgramSide side;
        std::atomic<bool> done{false};
    };

    // One look, made on the caller's thread and handed to the communication thread by an event:
    // it looks there and is deleted there.
    class CLook : public QObject
    {
    public:
        CLook(CDeviceComm* device, std::shared_ptr<SLook> look) : m_device(device), m_look(std::move(look)) {}

    protected:
        bool event(QEvent* e) override
        {
            if (e->type() != QEvent::User)
                return QObject::event(e);
            m_look->side = lookAt(m_device);
            m_look->done = true;
            deleteLater();
            return true;
        }

    private:
        CDeviceComm* m_device;
        std::shared_ptr<SLook> m_look;
    };

    SProgramSide programSide(int limitMs)
    {
        CCommSpaceManage* manage = m_manage();
        QThread* thread = manage != nullptr ? manage->getThread() : nullptr;
        if (thread == nullptr || !thread->isRunning())
            return {};
        const auto look = std::make_shared<SLook>();
        auto* probe = new CLook(manage->getDeviceComm(), look);
        probe->moveToThread(thread);
        QCoreApplication::postEvent(probe, new QEvent(QEvent::User));
        if (!TestSupport::waitFor([&] { return look->done.load(); }, limitMs))
            return {false, 0, std::string()};
        return look->side;
    }

    // On the communication thread, where the link lives and is deleted.
    static SProgramSide lookAt(CDeviceComm* device)
    {
        SProgramSide side;
        COMM::CServiceComm* link = device->currentComm();
        if (link == nullptr)
            return side;
        const COMM::SResponseInform wait = link->getRawDataHandle()->getResponseInform();
        // A wait whose time is up counts as over: the link drops it only when a next line is due.
        const bool awaited =
            wait.timeoutMs > 0 && Portal::Time::Clock::msecsSinceStart() - wait.sentMs <= wait.timeoutMs;
        side.idle = !link->isTxRequest() && !awaited;
        QSerialPort* port = link->findChild<QSerialPort*>();
        if (port == nullptr || port->thread() != QThread::currentThread() || !port->isOpen())
            return side;
        side.port = link->getProfile().Config.Serial.PortName;
        side.idle = side.idle && port->bytesToWrite() == 0;
        side.unread = TestSupport::PtyPeer::unreadBytes(port->handle()) + port->bytesAvailable();
        return side;
    }

    void report() const
    {
        std::fprintf(stderr, "the link did not settle: program idle %d (port \"%s\"), transponder answered %d\n",
                     m_lastProgram.idle, m_lastProgram.port.c_str(), simAnswered());
    }

    std::function<CCommSpaceManage*()> m_manage;
    CSimTransponderPort* m_sim;
    SProgramSide m_lastProgram;
};
