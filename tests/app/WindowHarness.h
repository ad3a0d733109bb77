#pragma once

// The whole window, offscreen, against the simulated transponder.
//
//   CWindowHarness w;                 // window built, seams set, simulator (model 1) running
//   ASSERT_TRUE(w.connect());         // port chosen and "Connect" clicked with the mouse
//   ASSERT_TRUE(w.connectAndDetect()); // or: connected and ticked until the configuration shows
//   w.tick(3);                        // three 1 s ticks, the clock stepped with each
//   w.tickUntil([&] { return ...; }); // ticks until the condition holds
//   w.waitFor([&] { return ...; });   // the event loop runs until the condition holds
//   w.sim().receivedStartingWith("!AIAIQ"), w.dialogs().asked.back(), w.grab("name")
//
// The refresh timer is stopped: only tick() runs the tick. The wall clock is the harness's own,
// stepped by tick() and advanceClock(). Dialogs go to a script (ScriptedDialogs), the port list
// offers the simulator's pseudo-terminal (and whatever setPorts adds).
//
// The link, the simulator and its Wi-Fi module run in real time, the program's clock in steps:
// the clock is stepped only once the link has settled (CLinkSettle), so that a busy machine
// never lets stepped time run ahead of the answers. Every wait on the real clock ends on a
// condition, with a limit of minutes that only a broken test reaches.
// A manager's signal reaches the window (queued, connected first) possibly before a test's own
// direct slot on the communication thread has run: judge by the device's state, or wait for the
// test's count, never expect it at the moment the window reacted.

#include "ScriptedDialogs.h"
#include "SimTransponderPort.h"
#include "app/AisConfiguration.h"
#include "device/DeviceDefine.h"
#include "ui_AisConfiguration.h"
#include "view/SerialPortList.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCommSpaceManage;
class CLinkSettle;
class CDeviceComm;
class CAisSentenceHandle;

class CWindowHarness
{
public:
    static constexpr int kWaitMs = 180000; // only a broken test waits this long
    static constexpr long long kClockStartMs = 1700000000000LL;

    // model 1 "KVX-T-362" or 2 "T-275"; 0 builds the window without a simulator.
    explicit CWindowHarness(int model = 1);
    ~CWindowHarness();

    CWindowHarness(const CWindowHarness&) = delete;
    CWindowHarness& operator=(const CWindowHarness&) = delete;

    AisConfiguration* window() const { return m_window.get(); }
    // Hands the window over, so that a test runs its shutdown alone while the simulator still runs.
    std::unique_ptr<AisConfiguration> takeWindow() { return std::move(m_window); }
    Ui::AisConfiguration* ui() const { return m_window->getForm(); }
    CAisConfigurationView* view() const { return m_window->getView(); }
    CCommSpaceManage* manage() const;
    CDeviceComm* device() const;
    CAisSentenceHandle* handle() const;
    CSimTransponderPort& sim() { return *m_sim; }
    ScriptedDialogs& dialogs() { return m_dialogs; }

    // The detection state and whether the device object's link is connected.
    COMM_TRX_DEV_STATE detectState() const;
    bool linkConnected() const;

    // Chooses the simulator's port in the list with the mouse (the list is refilled as it opens).
    bool choosePort();
    bool choosePort(const QString& systemLocation);
    // Clicks "Connect" (or "Disconnect") with the mouse.
    void clickConnect();
    // choosePort, clickConnect, then waits until the link is open and the button enabled again.
    bool connect();
    // connect, then ticks until the configuration is shown (detection state 3).
    bool connectAndDetect(int maxTicks = 40);
    // The simulator hangs up; waits until the window has reacted (button unchecked and enabled).
    bool hangUp();

    // One 1 s tick each, once the link has settled: the clock stepped by a second, the tick run,
    // events processed.
    void tick(int count = 1);
    // Ticks until the condition holds, the link settled before each; false after maxTicks.
    bool tickUntil(const std::function<bool()>& condition, int maxTicks = 60);
    // Ticks as the transponder's own sentences come in, until the condition holds: before each
    // tick, the condition or something new from the transponder is waited for, so that the
    // clock keeps pace with what the real one brings. False after maxTicks.
    bool tickAsHeard(const std::function<bool()>& condition, int maxTicks = 60);
    // Ticks at once, whatever the link is doing: for the tests of the tick amid traffic, whose
    // outcome does not hang on the stepped time.
    void tickNow(int count = 1);
    // Steps the clock once the link has settled.
    void advanceClock(long long ms);
    static long long clockMs();
    // Waits until the link has settled (nothing to send, no reply awaited, the transponder has
    // answered and the program has read the answers); false, with a note, after kWaitMs.
    bool waitSettled();
    // Runs the event loop until the condition holds or timeoutMs passes.
    bool waitFor(const std::function<bool()>& condition, int timeoutMs = kWaitMs);
    // Lets queued signals and posted events run.
    void processEvents();

    // The ports the list offers; by default the simulator's. CSerialPortList::fromPath makes one of a path.
    void setPorts(std::function<QList<SSerialPortItem>()> source);
    QList<SSerialPortItem> simPort() const;

    // The window as it shows, saved as PNG into shotFolder(); the path, printed.
    QString grab(const QString& name);
    QString grab(QWidget* widget, const QString& name);
    static QString shotFolder();

private:
    std::unique_ptr<CSimTransponderPort> m_sim;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<AisConfiguration> m_window;
    std::unique_ptr<CLinkSettle> m_settle;
};

// The longest time the GUI thread went without serving a 10 ms timer: how long the window could
// not repaint or take input. The time the thread waited for a processor, which a busy machine
// hands out late, is left out: what counts is what the program itself held the thread up with,
// its work and its waits. Counts only while started.
class CGuiGapProbe : public QObject
{
public:
    CGuiGapProbe();
    void start();
    void stop();
    // Leaves out what the test itself does meanwhile (a picture, say).
    void resume();
    long long longestGapMs() const { return m_longestMs; }

private:
    void onTimeout();
    // What the clock says less the time the thread has waited for a processor, since the start.
    long long ownMs() const;
    static long long queuedMs();

    QTimer m_timer;
    QElapsedTimer m_clock;
    long long m_queuedAtStartMs = 0;
    long long m_lastMs = -1;
    long long m_longestMs = 0;
};
