#include "WindowHarness.h"

#include "GrabShot.h"
#include "LinkSettle.h"
#include "WaitFor.h"
#include "device/AisSentenceHandle.h"
#include "device/CommSpaceManage.h"
#include "services/PortalTime.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <atomic>
#include <cstdio>

namespace {

std::atomic<long long> g_wallMs{CWindowHarness::kClockStartMs};

long long harnessWallMs()
{
    return g_wallMs.load();
}

} // namespace

CWindowHarness::CWindowHarness(int model)
{
    g_wallMs = kClockStartMs;
    Portal::Time::Clock::setWallSource(&harnessWallMs);
    if (model > 0) {
        m_sim = std::make_unique<CSimTransponderPort>(model);
        m_sim->start();
    }
    setPorts({});

    m_window = std::make_unique<AisConfiguration>();
    if (QTimer* refresh = m_window->getRefreshTimer())
        refresh->stop();
    m_window->show();
    (void)QTest::qWaitForWindowExposed(m_window.get());
    processEvents();
    m_settle = std::make_unique<CLinkSettle>([this] { return m_window ? manage() : nullptr; }, m_sim.get());
}

CWindowHarness::~CWindowHarness()
{
    if (m_window) {
        // The window's own shutdown ends the manager; ending it first keeps a failed test from
        // leaving the communication thread running into the next one. A second end() is harmless.
        if (manage() != nullptr)
            manage()->end();
        m_window.reset();
    }
    processEvents();
    CSerialPortList::setSource({});
    Portal::Time::Clock::setWallSource(nullptr);
    if (m_sim)
        m_sim->stop();
}

CCommSpaceManage* CWindowHarness::manage() const
{
    return m_window->getCommManage();
}

CDeviceComm* CWindowHarness::device() const
{
    return manage() != nullptr ? manage()->getDeviceComm() : nullptr;
}

CAisSentenceHandle* CWindowHarness::handle() const
{
    return device() != nullptr ? device()->getSentenceHandle() : nullptr;
}

COMM_TRX_DEV_STATE CWindowHarness::detectState() const
{
    return handle() != nullptr ? handle()->getDevDetectState() : COMM_TRX_DEV_NONE;
}

bool CWindowHarness::linkConnected() const
{
    return device() != nullptr && device()->isCommConnected();
}

bool CWindowHarness::choosePort()
{
    return m_sim && choosePort(QString::fromStdString(m_sim->portName()));
}

bool CWindowHarness::choosePort(const QString& systemLocation)
{
    WgComboBox& combo = view()->portComboBox;
    QAbstractItemView* list = combo.view();
    QTest::mouseClick(&combo, Qt::LeftButton);
    if (!waitFor([list] { return list->isVisible(); }))
        return false;
    const int row = combo.findData(systemLocation, Qt::UserRole, Qt::MatchExactly);
    if (row < 0) {
        combo.hidePopup();
        return false;
    }
    // A release too soon after the popup opened is taken as the end of the opening click, so
    // the item is clicked until the popup takes it.
    const QPoint centre = list->visualRect(list->model()->index(row, combo.modelColumn())).center();
    waitFor(
        [&] {
            QTest::mouseMove(list->viewport(), centre);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            return !list->isVisible();
        },
        kWaitMs);
    processEvents();
    return combo.currentIndex() == row;
}

void CWindowHarness::clickConnect()
{
    QTest::mouseClick(ui()->btnCommConnt, Qt::LeftButton);
}

bool CWindowHarness::connect()
{
    if (!choosePort())
        return false;
    clickConnect();
    return waitFor([this] {
        return ui()->btnCommConnt->isChecked() && ui()->btnCommConnt->isEnabled() && linkConnected();
    });
}

bool CWindowHarness::connectAndDetect(int maxTicks)
{
    return connect() && tickUntil([this] { return detectState() == COMM_TRX_DEV_CONFIG_SHOWN; }, maxTicks);
}

bool CWindowHarness::hangUp()
{
    m_sim->hangUp();
    return waitFor([this] { return !ui()->btnCommConnt->isChecked() && ui()->btnCommConnt->isEnabled(); });
}

void CWindowHarness::tick(int count)
{
    for (int i = 0; i < count; ++i) {
        waitSettled();
        tickNow();
    }
}

bool CWindowHarness::tickUntil(const std::function<bool()>& condition, int maxTicks)
{
    for (int i = 0; i < maxTicks; ++i) {
        if (condition())
            return true;
        tick();
    }
    return condition();
}

bool CWindowHarness::tickAsHeard(const std::function<bool()>& condition, int maxTicks)
{
    long long heard = -1;
    for (int i = 0; i < maxTicks; ++i) {
        if (condition())
            return true;
        if (m_sim && heard >= 0)
            waitFor([&] { return condition() || m_sim->writtenBytes() > heard; });
        tick();
        heard = m_sim ? m_sim->writtenBytes() : -1;
    }
    return condition();
}

void CWindowHarness::tickNow(int count)
{
    for (int i = 0; i < count; ++i) {
        g_wallMs += 1000;
        m_window->onTimerRefresh();
        processEvents();
    }
}

void CWindowHarness::advanceClock(long long ms)
{
    waitSettled();
    g_wallMs += ms;
}

bool CWindowHarness::waitSettled()
{
    const bool settled = m_settle->wait(kWaitMs);
    // What the communication thread queued for the window before it settled.
    processEvents();
    return settled;
}

long long CWindowHarness::clockMs()
{
    return g_wallMs.load();
}

bool CWindowHarness::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    return TestSupport::waitFor(condition, timeoutMs);
}

void CWindowHarness::processEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void CWindowHarness::setPorts(std::function<QList<SSerialPortItem>()> source)
{
    if (!source)
        source = [this] { return simPort(); };
    CSerialPortList::setSource(std::move(source));
}

QList<SSerialPortItem> CWindowHarness::simPort() const
{
    if (!m_sim)
        return {};
    return {CSerialPortList::fromPath(QString::fromStdString(m_sim->portName()))};
}

QString CWindowHarness::grab(const QString& name)
{
    return grab(m_window.get(), name);
}

QString CWindowHarness::grab(QWidget* widget, const QString& name)
{
    processEvents();
    qputenv("KELVORA_SHOT_DIR", shotFolder().toLocal8Bit());
    const QString path = TestSupport::saveShot(widget, name);
    std::printf("[   SHOT   ] %s\n", qPrintable(path));
    std::fflush(stdout);
    return path;
}

QString CWindowHarness::shotFolder()
{
    // By default in the run's own working folder, gone with it: two runs never write one file.
    static const QString folder = qEnvironmentVariableIsEmpty("KELVORA_SHOT_DIR")
                                      ? QDir::current().filePath(QStringLiteral("window-shots"))
                                      : qEnvironmentVariable("KELVORA_SHOT_DIR");
    return folder;
}

CGuiGapProbe::CGuiGapProbe()
{
    m_timer.setInterval(10);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { onTimeout(); });
}

void CGuiGapProbe::start()
{
    m_clock.start();
    m_queuedAtStartMs = queuedMs();
    m_lastMs = 0;
    m_longestMs = 0;
    m_timer.start();
}

void CGuiGapProbe::stop()
{
    m_timer.stop();
}

void CGuiGapProbe::resume()
{
    m_lastMs = ownMs();
    m_timer.start();
}

void CGuiGapProbe::onTimeout()
{
    const long long now = ownMs();
    m_longestMs = std::max(m_longestMs, now - m_lastMs);
    m_lastMs = now;
}

long long CGuiGapProbe::ownMs() const
{
    return m_clock.elapsed() - (queuedMs() - m_queuedAtStartMs);
}

// The calling thread's time on a run queue, in ms; 0 where the system does not tell it.
long long CGuiGapProbe::queuedMs()
{
    std::FILE* file = std::fopen("/proc/thread-self/schedstat", "r");
    if (file == nullptr)
        return 0;
    unsigned long long runningNs = 0;
    unsigned long long queuedNs = 0;
    const int read = std::fscanf(file, "%llu %llu", &runningNs, &queuedNs);
    std::fclose(file);
    return read == 2 ? static_cast<long long>(queuedNs / 1000000ULL) : 0;
}
