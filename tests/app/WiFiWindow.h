#pragma once

// The window against the simulated transponder with its Wi-Fi module behind pass-through: the
// Wi-Fi procedure driven tick by tick, each tick given once the link has settled (the harness's
// rule), so that no wait of a job is cut short by the stepped clock.
#include "WindowHarness.h"

#include "SimWiFiModule.h"
#include "device/CommSpaceManage.h"
#include "wifi/WiFiConfig.h"
#include "wifi/XQDWiFiPaser.h"

#include <QAbstractButton>
#include <QIcon>
#include <QImage>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace WiFiWindow {

// Runs an action while the next message box or text input is open, as the dialog's own event
// loop would let a tick or a hang-up arrive; everything else goes to the harness's script.
// Installed for its own lifetime.
class CWhileBoxOpen : public CDialogProvider
{
public:
    CWhileBoxOpen(ScriptedDialogs& script, std::function<void()> action) : m_script(script), m_action(std::move(action))
    {
        CDialogProvider::setInstance(this);
    }
    ~CWhileBoxOpen() override { CDialogProvider::setInstance(&m_script); }
    CWhileBoxOpen(const CWhileBoxOpen&) = delete;
    CWhileBoxOpen& operator=(const CWhileBoxOpen&) = delete;

    QMessageBox::StandardButton messageBox(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) override
    {
        runAction();
        return m_script.messageBox(icon, parent, title, text, buttons, defaultButton);
    }
    QString saveFileName(QWidget* parent, const QString& title, const QString& proposed, const QString& filter) override
    {
        return m_script.saveFileName(parent, title, proposed, filter);
    }
    QString inputText(QWidget* parent, const QString& title, const QString& label, QLineEdit::EchoMode echo,
                      const QString& text, bool* ok) override
    {
        runAction();
        return m_script.inputText(parent, title, label, echo, text, ok);
    }

private:
    void runAction()
    {
        if (m_action) {
            const std::function<void()> action = std::move(m_action);
            m_action = nullptr;
            action();
        }
    }

    ScriptedDialogs& m_script;
    std::function<void()> m_action;
};

constexpr const char* kEnter = "$PDBG,163,1,,,,,,*14";
constexpr const char* kLeave = "$PDBG,163,0,,,,,,*15";
// The twelve settings queries, in the order they go out.
const std::vector<std::string> kQueries = {"AT+WLANEN", "AT+OPMODE",   "AT+APSSID",  "AT+SECMODE",
                                           "AT+PSK",    "AT+SYSIPSET", "AT+TCPPORT", "AT+APCHAN",
                                           "AT+VER",    "AT+SYSIP",    "AT+DHCPDEN", "AT+DHCPCEN"};
// The program keeps at least this long between its lines; slack for the two ends' clocks.
constexpr long long kMinGapMs = 200;
constexpr long long kJitterMs = 50;
// Stands in for the module's 20 s answer time where a test lets the module fall silent.
constexpr int kShortReplyTimeoutMs = 1500;

inline std::vector<SSimAccessPoint> harbourAccessPoints()
{
    return {
        {"Harbour Office", "a0:63:91:10:22:01", 1, -71, "WPA2"},
        {"Pier 7 Cafe", "c8:3a:35:44:10:0b", 6, -48, "NONE"},
        {"Harbour Office", "a0:63:91:10:22:02", 11, -52, "WPA2"},
        {"Marina Guest", "f4:ec:38:01:02:03", 3, -80, "WPA"},
    };
}

// Each AT text with the line end it has on the wire in pass-through.
inline std::vector<std::string> withLf(const std::vector<std::string>& texts)
{
    std::vector<std::string> lines;
    for (const std::string& text : texts)
        lines.push_back(text + "\n");
    return lines;
}

inline std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class WiFiWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CXQDWiFiPaser::resetCfgModeCheck();
        m_w.sim().setPassThrough(&m_module);
        m_module.setAccessPoints(harbourAccessPoints());
        m_module.setJoinDelayMs(100);
    }

    void TearDown() override
    {
        const std::vector<std::string> breaches = m_module.breaches();
        EXPECT_TRUE(breaches.empty()) << breaches.front();
    }

    CWindowHarness& w() { return m_w; }
    Ui::AisConfiguration* ui() { return m_w.ui(); }
    CDeviceComm* device() { return m_w.device(); }
    CWiFiConfig* wifi() { return device()->getWiFiConfig(); }
    WiFiScope::SWiFiData record() { return wifi()->getCmdProcData().data; }

    // The harness's ticks, each once the link has settled.
    bool tickUntil(const std::function<bool()>& condition, int maxTicks = 60)
    {
        return m_w.tickUntil(condition, maxTicks);
    }

    bool procIs(WiFiScope::WIFI_MAIN_PROC_S state) { return wifi()->m_mainProc == state; }
    bool waiting() { return ui()->tbwgMain->currentWidget() == ui()->tbProgressBar; }
    bool sentenceMode() { return wifi()->systemMode() == WiFiScope::WIFI_SYS_MODE_SENTENCE; }

    // Connected, the configuration shown, the power reminder answered with Ok.
    bool connectAndDetect()
    {
        if (!m_w.connectAndDetect())
            return false;
        return m_w.waitFor([this] { return wifi()->m_powerConfirmed != 0; });
    }

    // Connected and detected, the first settings query run to its end; what went on the wire
    // is forgotten.
    bool connectAndQuery()
    {
        if (!connectAndDetect())
            return false;
        const bool done = tickUntil([this] { return procIs(WiFiScope::WIFI_MAIN_PROC_PENDING) && !waiting(); }) &&
                          m_w.waitFor([this] { return sentenceMode() && !m_w.sim().inPassThrough(); });
        m_w.sim().clearReceived();
        return done;
    }

    // A mode radio button clicked where a person clicks it, on its circle: its row runs on empty
    // across the mode picture, where a click is the picture's.
    void clickRadio(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
        m_w.processEvents();
    }

    // The Wi-Fi page, through its menu button.
    void openWiFiPage()
    {
        QTest::mouseClick(ui()->btnMMWiFi, Qt::LeftButton);
        m_w.processEvents();
    }

    // Runs the job the user just started until the procedure rests again.
    bool runJob(int maxTicks = 80)
    {
        const bool done =
            tickUntil([this] { return procIs(WiFiScope::WIFI_MAIN_PROC_PENDING) && !waiting(); }, maxTicks) &&
            m_w.waitFor([this] { return sentenceMode() && !m_w.sim().inPassThrough(); });
        if (!done) {
            // What happened, for the reader of a failed test.
            for (const std::string& line : wire())
                std::fprintf(stderr, "received: %s", line.c_str());
            std::fprintf(stderr, "main state %d, job %d, sub-state %d\n", wifi()->m_mainProc, wifi()->m_cfgType,
                         wifi()->m_jobStep);
        }
        return done;
    }

    // The program's lines the transponder received since it was last cleared, line ends and all;
    // the sentences the controller sends on its own (none, off the Diagnostics page) included.
    std::vector<std::string> wire()
    {
        std::vector<std::string> lines;
        for (const SSimRxLine& line : m_w.sim().received())
            lines.push_back(line.bytes);
        return lines;
    }

    // What went on the wire from the first enter line on.
    std::vector<std::string> wireFromEnter()
    {
        std::vector<std::string> lines = wire();
        lines.erase(lines.begin(), std::find(lines.begin(), lines.end(), std::string(kEnter) + "\r\n"));
        return lines;
    }

    // After a hang-up: the line plugged in again, what the dead one carried forgotten, then
    // connected, detected and the first Wi-Fi job run to its end.
    bool reconnectAndRunFirstJob()
    {
        if (!m_w.sim().reopen())
            return false;
        m_w.sim().clearReceived();
        return connectAndDetect() && runJob();
    }

    // Lines closer together than the program's gap, even at the longest their arrival windows
    // allow; from the first line that starts with first on.
    std::vector<std::string> gapBreaches(const std::string& first = std::string())
    {
        const std::vector<SSimRxLine> lines = m_w.sim().received();
        size_t from = 0;
        while (from < lines.size() && lines[from].bytes.compare(0, first.size(), first) != 0)
            ++from;
        std::vector<std::string> breaches;
        for (size_t i = from + 1; i < lines.size(); ++i) {
            const long long gap = longestGapMs(lines[i - 1], lines[i]);
            if (gap < kMinGapMs - kJitterMs)
                breaches.push_back(lines[i].bytes + " at most " + std::to_string(gap) + " ms after the previous");
        }
        return breaches;
    }

    // The access-point list as the page shows it.
    QTableView* apList() { return ui()->tbvwWiFiCfgClient; }
    QModelIndex apIndex(int row, int column) { return apList()->model()->index(row, column); }
    QStringList apColumn(int column)
    {
        QStringList texts;
        for (int row = 0; row < apList()->model()->rowCount(); ++row)
            texts << apIndex(row, column).data().toString();
        return texts;
    }
    // True when the cell shows the Wi-Fi status picture of that name, or no picture for null.
    bool showsPicture(int row, int column, const char* name)
    {
        const QIcon icon = apIndex(row, column).data(Qt::DecorationRole).value<QIcon>();
        if (name == nullptr)
            return icon.isNull();
        const QImage expected =
            QIcon(QStringLiteral(":/WiFiStatus/Images/WiFiStatus/%1.png").arg(name)).pixmap(32, 32).toImage();
        return !expected.isNull() && icon.pixmap(32, 32).toImage() == expected;
    }
    void clickCell(int row, int column)
    {
        apList()->scrollTo(apIndex(row, column));
        QTest::mouseClick(apList()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          apList()->visualRect(apIndex(row, column)).center());
        m_w.processEvents();
    }
    void doubleClickCell(int row, int column)
    {
        const QPoint at = apList()->visualRect(apIndex(row, column)).center();
        QTest::mouseClick(apList()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(apList()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        m_w.processEvents();
    }

    // A module in client mode, its DHCP settings fitting, linked to the access point of that
    // name (none when empty).
    void clientModule(const std::string& linkedSsid)
    {
        SSimWiFiState state = m_module.state();
        state.opMode = "1";
        state.dhcpServer = "0";
        state.dhcpClient = "1";
        for (const SSimAccessPoint& ap : state.accessPoints) {
            if (ap.ssid == linkedSsid) {
                state.linkedApId = ap.apId;
                state.linkedSsid = ap.ssid;
                break;
            }
        }
        m_module.setState(state);
    }

    // The enter line (after sentences, so with CR LF), the AT lines, the leave line (LF alone).
    static std::vector<std::string> passThrough(const std::vector<std::string>& at)
    {
        std::vector<std::string> lines = {std::string(kEnter) + "\r\n"};
        lines = concat(lines, withLf(at));
        lines.push_back(std::string(kLeave) + "\n");
        return lines;
    }

    // The module outlives the simulator's thread, which drives it.
    CSimWiFiModule m_module;
    CWindowHarness m_w;
};

} // namespace WiFiWindow
