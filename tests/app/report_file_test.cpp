// The configuration summary through the window against the simulated transponder: the save
// dialog's words, the file against a golden file for each model with and without a Wi-Fi module
// (clock, GPS time and traffic fixed by the test), CR LF line ends, and a report asked for before
// the first scan of access points waits for it.
//
// KELVORA_WRITE_GOLDEN=1 writes the golden files anew from what the program writes.
#include "QtPrint.h"
#include "SimWiFiModule.h"
#include "WindowHarness.h"
#include "device/CommSpaceManage.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace {

// 2024-05-01 14:03:05 UTC
constexpr long long kReportSecond = 1714572185;

time_t harnessSeconds()
{
    return static_cast<time_t>(CWindowHarness::clockMs() / 1000);
}

// The report's date is local time: the golden files are written in UTC.
class CUtcZone
{
public:
    CUtcZone()
    {
        const char* zone = std::getenv("TZ");
        m_had = zone != nullptr;
        if (m_had)
            m_zone = zone;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~CUtcZone()
    {
        if (m_had)
            setenv("TZ", m_zone.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool m_had = false;
    std::string m_zone;
};

QString goldenPath(const QString& name)
{
    return QStringLiteral(KELVORA_APP_TEST_DIR "/golden/") + name;
}

class ReportFile : public ::testing::Test
{
protected:
    // The transponder sends only what the test asks for; its GPS time and satellites are fixed.
    void prepare(CWindowHarness& w, bool wifiModule)
    {
        w.sim().setPeriodMs(0);
        w.sim().modifyState([wifiModule](SSimTransponderState& s) {
            s.utcSeconds = kReportSecond - 5;
            s.wifiModule = wifiModule ? 2 : 0;
            s.wifiPresent = wifiModule ? 1 : 0;
            s.satellites = {{4, 60, 45, 42, true}, {7, 30, 200, 35, true}, {12, 45, 120, 28, false}};
            // Four SRM boxes, one text holding an escaped comma.
            s.srmFlags = 0;
            s.srmBox[1] = "ONE^2C TWO";
        });
        w.device()->getGpsInfo()->setHostClock(&harnessSeconds);
        if (wifiModule) {
            w.sim().setPassThrough(&m_module);
            w.dialogs().answers.push_back(QMessageBox::Ok); // the power reminder
        }
    }

    // Connected and shown, the counters cleared by "Refresh"; then one second of the transponder's
    // sentences at a fixed time.
    void connectAndReceiveOneSecond(CWindowHarness& w)
    {
        ASSERT_TRUE(w.connectAndDetect());
        // The Wi-Fi module's settings are read first, when there is one and the power is confirmed,
        // and the link is back from the module.
        const CWiFiConfig* wifi = w.device()->getWiFiConfig();
        const bool ready = w.tickUntil(
            [&] {
                return wifi->m_powerConfirmed == 0 ||
                       (wifi->m_settingsReadOnce != 0 && wifi->m_mainProc == WiFiScope::WIFI_MAIN_PROC_PENDING);
            },
            80);
        ASSERT_TRUE(ready) << "Wi-Fi procedure " << wifi->m_mainProc << ", job " << wifi->m_cfgType << ", settings read "
                           << int(wifi->m_settingsReadOnce) << ", pass-through " << w.sim().inPassThrough();
        // What the transponder sent before the test stopped its sentences is counted no more.
        // Back from the module, the link takes sentences again once one has come: the first read
        // may be taken for the module's lines, so "Refresh" is clicked again until one lands.
        bool read = false;
        for (int attempt = 0; attempt < 3 && !read; ++attempt) {
            w.waitSettled();
            w.ui()->btnDiagRefresh->click();
            read = w.tickUntil([&] { return w.handle()->getDisplayedConfig()->aiCfgStatus[1] != -1; }, 15);
        }
        ASSERT_TRUE(read);
        w.tick();
        w.advanceClock(kReportSecond * 1000 - CWindowHarness::clockMs());
        w.sim().sendPeriodicNow();
        ASSERT_TRUE(w.waitFor([&] {
            const CDiagnostics counters = w.handle()->getDiagnostics();
            const SensorScope::CGpsData gps = w.device()->getGpsInfo()->getGpsData();
            return counters.m_uiRxA == 1 && counters.m_uiRxB == 1 && counters.m_uiTxB == 1 && gps.m_fixMode == 3 &&
                   gps.m_positionValid != 0;
        }));
        w.tick(2); // 14:03:07
    }

    QByteArray report(CWindowHarness& w, const QString& name)
    {
        const QString path = QDir::current().absoluteFilePath(name);
        w.dialogs().fileNames.push_back(path);
        w.ui()->btnDiagGenerateReport->click();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void expectGolden(const QByteArray& text, const QString& name)
    {
        QFile golden(goldenPath(name));
        if (std::getenv("KELVORA_WRITE_GOLDEN") != nullptr) {
            ASSERT_TRUE(golden.open(QIODevice::WriteOnly | QIODevice::Truncate));
            golden.write(text);
            return;
        }
        ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << golden.fileName().toStdString();
        const QByteArray expected = golden.readAll();
        EXPECT_EQ(text.toStdString(), expected.toStdString()) << name.toStdString();
        // Every line ends with CR LF, and nothing else ends a line.
        EXPECT_EQ(text.count('\n'), text.count("\r\n"));
        EXPECT_EQ(text.count('\r'), text.count("\r\n"));
        EXPECT_TRUE(text.endsWith("\r\n"));
    }

    void goldenOf(int model, bool wifiModule, const QString& name)
    {
        CWindowHarness w(model);
        prepare(w, wifiModule);
        connectAndReceiveOneSecond(w);
        if (HasFatalFailure())
            return;
        const QByteArray text = report(w, name);
        ASSERT_FALSE(text.isEmpty());
        const ScriptedDialogs::SAsked& save = w.dialogs().asked.last();
        EXPECT_EQ(save.kind, ScriptedDialogs::SAVE_FILE);
        EXPECT_EQ(save.title, "Save Report File");
        EXPECT_EQ(save.proposed, "AIS Configuration Summary");
        EXPECT_EQ(save.filter, "Log Files(*.txt)");
        expectGolden(text, name);
    }

    CUtcZone utc;
    CSimWiFiModule m_module;
};

} // namespace

TEST_F(ReportFile, GoldenForKvxT362WithoutWiFi)
{
    goldenOf(1, false, "report-kvx-t-362.txt");
}

TEST_F(ReportFile, GoldenForKvxT362WithWiFi)
{
    goldenOf(1, true, "report-kvx-t-362-wifi.txt");
}

TEST_F(ReportFile, GoldenForT275WithoutWiFi)
{
    goldenOf(2, false, "report-t-275.txt");
}

TEST_F(ReportFile, GoldenForT275WithWiFi)
{
    goldenOf(2, true, "report-t-275-wifi.txt");
}

TEST_F(ReportFile, CancelWritesNothing)
{
    CWindowHarness w;
    prepare(w, false);
    ASSERT_TRUE(w.connectAndDetect());
    const QStringList before = QDir::current().entryList(QDir::Files);
    w.ui()->btnDiagGenerateReport->click(); // no file scripted: cancelled
    EXPECT_EQ(w.dialogs().asked.last().kind, ScriptedDialogs::SAVE_FILE);
    EXPECT_EQ(QDir::current().entryList(QDir::Files), before);
}

TEST_F(ReportFile, ARequestBeforeTheFirstScanWaitsForIt)
{
    CWindowHarness w;
    prepare(w, true);
    // An access point in range of the module.
    SSimWiFiState module = m_module.state();
    module.accessPoints = {{"Pier 7 Cafe", "c8:3a:35:44:10:0a", 1, -65, "WPA2"}};
    m_module.setState(module);
    connectAndReceiveOneSecond(w);
    ASSERT_FALSE(HasFatalFailure());
    CWiFiConfig* wifi = w.device()->getWiFiConfig();
    ASSERT_EQ(wifi->m_powerConfirmed, 1);
    // The module as a client with its service on, as its replies would say it.
    for (const char* line : {">AT+WLANEN\r\n", "+ok=1\r\n", ">AT+OPMODE\r\n", "+ok=1\r\n"})
        wifi->cmdProc(line);
    // The list as a connection has it before its first scan (the procedure may have scanned on its
    // own by now).
    wifi->m_apListRefreshedOnce = 0;

    const int asked = w.dialogs().asked.size();
    const QString path = QDir::current().absoluteFilePath("waited.txt");
    w.dialogs().fileNames.push_back(path);
    w.ui()->btnDiagGenerateReport->click();
    EXPECT_EQ(w.dialogs().asked.size(), asked) << "no dialog before the scan has ended";
    w.tick(3);
    if (wifi->m_mainProc == WiFiScope::WIFI_MAIN_PROC_START && w.dialogs().asked.size() == asked) {
        // No Wi-Fi procedure runs the scan: its end is made as the procedure makes it.
        wifi->m_apListRefreshedOnce = 1;
        wifi->m_mainProc = WiFiScope::WIFI_MAIN_PROC_PENDING;
    }
    ASSERT_TRUE(w.tickUntil([&] { return w.dialogs().asked.size() > asked; }, 80));
    EXPECT_EQ(w.dialogs().asked.last().title, "Save Report File");
    EXPECT_EQ(wifi->m_apListRefreshedOnce, 1) << "written after the scan";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Wi-Fi Information]\r\n")) << text.toStdString();
}
