// The window as it comes up: Home only until a transponder's configuration is shown, the menus'
// ids, the received-text subscription made once the communication thread is ready, the settings
// read from "profile.ini", the program's refusal when its logger decodes instead of starting, and
// the ordered shutdown.
#include "app/AisConfiguration.h"

#include "GrabShot.h"
#include "TempWorkDir.h"
#include "ViewTestSupport.h"
#include "WaitFor.h"
#include "device/CommSpaceManage.h"
#include "view/SerialPortList.h"
#include "view/TargetExchangeSet.h"
#include "wifi/WiFiConfig.h"

#include "ui_AisConfiguration.h"

#include <QDir>
#include <QGraphicsView>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// Receivers of a signal, through QObject's protected count.
class SignalReceivers : public QObject
{
public:
    static int of(const QObject* sender, const char* signal)
    {
        return (sender->*(&SignalReceivers::receivers))(signal);
    }
};

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CSerialPortList::setSource([] { return QList<SSerialPortItem>(); });
        window = std::make_unique<AisConfiguration>();
        form = window->getForm();
    }
    void TearDown() override
    {
        window.reset();
        CSerialPortList::setSource(nullptr);
    }

    void showWindow()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    std::unique_ptr<AisConfiguration> window;
    Ui::AisConfiguration* form = nullptr;
};

TEST_F(StartupTest, ShowsOnlyHomeWithTheMenuDisabled)
{
    showWindow();
    EXPECT_EQ(window->size(), QSize(1000, 720));
    EXPECT_TRUE(form->wgMainContent->isVisible());
    EXPECT_FALSE(form->tbwgMain->isVisible());
    EXPECT_EQ(form->tbwgMain->currentWidget(), form->tabMainHome);
    EXPECT_FALSE(form->wgMainMenu->isVisible());
    EXPECT_FALSE(form->wgMainMenu->isEnabled());
    EXPECT_TRUE(form->btnMMHome->isChecked());
    for (QWidget* more : {form->lblHomeConfigurationMore, form->lblHomeDiagnosticsMore, form->lblHomeGPSStatusMore,
                          form->lblHomeOtherVesselsMore, form->lblHomeWiFiSetMore})
        EXPECT_FALSE(more->isVisible()) << more->objectName().toStdString();
    // Shown, within the Wi-Fi panel that appears once a module's power is confirmed.
    EXPECT_FALSE(form->lblHomeWiFiWaiting->isHidden());
    EXPECT_FALSE(form->wgHomeWiFi->isVisible());
    EXPECT_TRUE(form->btnMMWiFi->isHidden());
    // The Home Wi-Fi button follows its panel.
    EXPECT_FALSE(form->btnHomeWiFi->isHidden());
    TestSupport::saveShot(window.get(), "startup_home");
}

TEST_F(StartupTest, HomeVesselTableShowsFiveColumnsOfTheOtherVesselsModel)
{
    QTableView* home = form->tbvwHomeOtherVessels;
    ASSERT_NE(home->model(), nullptr);
    EXPECT_EQ(home->model(), form->tbvwOtherVessels->model());
    ASSERT_EQ(home->model()->columnCount(), 11);
    QList<int> shown;
    for (int column = 0; column < home->model()->columnCount(); ++column) {
        if (!home->isColumnHidden(column))
            shown << column;
        EXPECT_FALSE(form->tbvwOtherVessels->isColumnHidden(column));
    }
    EXPECT_EQ(shown, QList<int>({0, 1, 2, 8, 9}));
    // The least widths; a wider font widens a column (window_behaviour_test.cpp).
    const int widths[] = {70, 120, 70};
    for (int column = 0; column < 3; ++column)
        EXPECT_GE(form->tbvwOtherVessels->columnWidth(column), widths[column]);
}

// The Home sky map takes the height of its view, and the view still lays out its viewport, so
// the map is seen whole.
TEST_F(StartupTest, HomeSkyMapFillsItsView)
{
    showWindow();
    QGraphicsView* sky = form->gpvwHomeSatelliteMap;
    ASSERT_GT(sky->height(), 100);
    EXPECT_EQ(sky->scene()->sceneRect().height(), sky->height() - 20);
    const QRect inside = sky->contentsRect();
    EXPECT_EQ(sky->viewport()->geometry(), inside);
    EXPECT_GE(sky->viewport()->height(), static_cast<int>(sky->scene()->sceneRect().height()));
}

// Each menu button and Home panel button selects its page; Home has none for ids 0 and 5.
TEST_F(StartupTest, MenuAndHomeButtonsSelectThePagesOfTheirIds)
{
    showWindow();
    // Only reachable once a configuration is shown; the menu is switched on here by hand.
    form->wgMainMenu->setEnabled(true);
    const std::pair<QAbstractButton*, QWidget*> buttons[] = {
        {form->btnMMConfiguration, form->tabMainConfiguration},
        {form->btnHomeConfiguration, form->tabMainConfiguration},
        {form->btnMMGPSStatus, form->tabMainGPSStatus},
        {form->btnHomeSatelliteStatus, form->tabMainGPSStatus},
        {form->btnMMDiagnostics, form->tabMainDiagnostics},
        {form->btnHomeDiagnostics, form->tabMainDiagnostics},
        {form->btnMMOtherVessels, form->tabMainOtherVessels},
        {form->btnHomeOtherVessels, form->tabMainOtherVessels},
        {form->btnMMSerialData, form->tabMainSerialData},
        {form->btnMMWiFi, form->tabMainWiFi},
        {form->btnHomeWiFi, form->tabMainWiFi},
        {form->btnMMHome, form->tabMainHome},
    };
    for (const auto& [button, page] : buttons) {
        window->updateCurPageDisp(0);
        button->click();
        EXPECT_EQ(form->tbwgMain->currentWidget(), page) << button->objectName().toStdString();
        EXPECT_EQ(form->wgMainContent->isVisible(), page == form->tabMainHome) << button->objectName().toStdString();
    }
    form->btnMMDiagnostics->click();
    EXPECT_TRUE(form->btnMMDiagnostics->isChecked());
    EXPECT_FALSE(form->btnMMHome->isChecked());
}

TEST_F(StartupTest, MenuClicksChangeNothingWhileTheMenuIsDisabled)
{
    showWindow();
    form->btnHomeConfiguration->click();
    form->btnMMDiagnostics->click();
    EXPECT_EQ(form->tbwgMain->currentWidget(), form->tabMainHome);
    EXPECT_TRUE(form->wgMainContent->isVisible());
}

// The received text is subscribed once the communication thread has read its links, exactly once.
TEST_F(StartupTest, ReceivedTextReachesTheWindowOnlyAfterTheThreadIsReady)
{
    const char* signal = SIGNAL(signalRxLogMsg(void*, QString));
    CDeviceComm* device = window->getCommManage()->getDeviceComm();
    EXPECT_EQ(SignalReceivers::of(device, signal), 0);
    EXPECT_EQ(SignalReceivers::of(device->getSentenceHandle(), signal), 0);
    ASSERT_TRUE(TestSupport::waitFor([&] { return SignalReceivers::of(device, signal) > 0; }, 10000));
    // Let any second readiness notice arrive before counting.
    TestSupport::waitFor([] { return false; }, 300);
    EXPECT_EQ(SignalReceivers::of(device, signal), 1);
    EXPECT_EQ(SignalReceivers::of(device->getSentenceHandle(), signal), 1);
}

TEST_F(StartupTest, WithoutProfileTheEnvironmentKeepsItsDefaults)
{
    EXPECT_FALSE(window->getEnvSetup().setting().DebugMode);
    EXPECT_EQ(window->getEnvSetup().setting().DefaultBaudRate, 0);
}

// Keys of the translation files come out as their English texts once the window has installed
// them; before, a key stays a key.
TEST_F(StartupTest, InstalledTranslationsGiveTheKeysTheirTexts)
{
    CAisConfigurationView* view = window->getView();
    EXPECT_EQ(view->strConnectCheckTip, "Determining the AIS Device Type...");
    EXPECT_EQ(view->strDisconnectTip, "Click to connect the device!");
    EXPECT_EQ(view->strDeviceConfirm, "Save settings to device?");
    EXPECT_EQ(view->strAppTitle, "Kelvora AIS Class B Configuration");
    EXPECT_NE(QCoreApplication::translate("QObject", "CopyrightQt"), "CopyrightQt");
}

// After a disconnection the device data start afresh: no configuration shown, the layout to be
// built again for the next transponder, the Wi-Fi procedure back at its start, no vessel and no
// access point left in the tables.
TEST_F(StartupTest, DeviceDataResetStartsAfresh)
{
    CDeviceComm* device = window->getCommManage()->getDeviceComm();
    CAisSentenceHandle* handle = device->getSentenceHandle();
    CAisConfigurationView* view = window->getView();
    handle->setDevDetectState(COMM_TRX_DEV_CONFIG_SHOWN);
    handle->getDisplayedConfig()->iMmsi = 366123456;
    view->cfgLayoutInfo.bBuilt = true;
    view->cfgLayoutInfo.iPageCount = 2;
    view->updateAisAdvConfigDisp(true);
    CWiFiConfig* wifi = device->getWiFiConfig();
    wifi->m_mainProc = WiFiScope::WIFI_MAIN_PROC_PENDING;
    wifi->m_powerConfirmed = 1;
    STargetRowData vessel;
    vessel.mmsi = 244000001;
    window->getTargetModel()->updateExchangeSet(std::vector<STargetRowData>{vessel});
    ASSERT_EQ(form->tbvwOtherVessels->model()->rowCount(), 1);
    WiFiScope::SWiFiData scan;
    scan.scanned.resize(1);
    scan.scanned[0].ssid = "Pier 7 Cafe";
    scan.scanned[0].records.resize(1);
    scan.scanned[0].records[0].ssid = "Pier 7 Cafe";
    window->getApModel()->updateExchangeSet(&scan);
    ASSERT_EQ(form->tbvwWiFiCfgClient->model()->rowCount(), 1);
    window->init();
    EXPECT_EQ(handle->getDevDetectState(), COMM_TRX_DEV_NONE);
    EXPECT_EQ(handle->getDisplayedConfig()->iMmsi, 0u);
    EXPECT_FALSE(view->cfgLayoutInfo.bBuilt);
    EXPECT_EQ(view->cfgLayoutInfo.iPageCount, 0);
    EXPECT_TRUE(form->lblCfgTransceiver->isHidden());
    EXPECT_EQ(wifi->m_mainProc, WiFiScope::WIFI_MAIN_PROC_START);
    EXPECT_EQ(wifi->m_cfgType, WiFiScope::WIFI_CFG_QUERY);
    EXPECT_EQ(wifi->m_powerConfirmed, 0);
    EXPECT_EQ(form->tbvwOtherVessels->model()->rowCount(), 0);
    EXPECT_EQ(form->tbvwHomeOtherVessels->model()->rowCount(), 0);
    EXPECT_EQ(form->tbvwWiFiCfgClient->model()->rowCount(), 0);
}

// The first scan of access points is due only for a module in client mode with its service on,
// power confirmed, and no list refreshed yet.
TEST_F(StartupTest, FirstAccessPointScanIsDueOnlyForAClientModule)
{
    struct SCase
    {
        bool module;
        bool power;
        bool refreshed;
        const char* wlan;
        const char* mode;
        bool due;
    };
    const SCase cases[] = {
        {true, true, false, "1", "1", true},   {true, true, false, "1", "0", false},
        {true, true, false, "0", "1", false},  {true, true, true, "1", "1", false},
        {false, true, false, "1", "1", false}, {true, false, false, "1", "1", false},
    };
    CDeviceComm* device = window->getCommManage()->getDeviceComm();
    CWiFiConfig* wifi = device->getWiFiConfig();
    for (const SCase& c : cases) {
        wifi->reset();
        for (const auto& [command, value] : {std::pair{"AT+WLANEN", c.wlan}, std::pair{"AT+OPMODE", c.mode}}) {
            wifi->cmdProc((std::string(">") + command + "\r\n").c_str());
            wifi->cmdProc((std::string("+ok=") + value + "\r\n").c_str());
        }
        device->getSentenceHandle()->getDisplayedConfig()->bWiFiModule = c.module;
        wifi->m_powerConfirmed = c.power ? 1 : 0;
        wifi->m_apListRefreshedOnce = c.refreshed ? 1 : 0;
        wifi->m_mainProc = WiFiScope::WIFI_MAIN_PROC_PENDING;
        wifi->m_cfgType = WiFiScope::WIFI_CFG_NONE;
        EXPECT_EQ(window->isWiFiAPListNeedToFirstRefresh(), c.due)
            << "module " << c.module << " power " << c.power << " refreshed " << c.refreshed << " wlan " << c.wlan
            << " mode " << c.mode;
        EXPECT_EQ(wifi->m_mainProc, c.due ? WiFiScope::WIFI_MAIN_PROC_START : WiFiScope::WIFI_MAIN_PROC_PENDING);
        EXPECT_EQ(wifi->m_cfgType, c.due ? WiFiScope::WIFI_CFG_SCAN : WiFiScope::WIFI_CFG_NONE);
    }
}

// The window's destructor ends the communication thread before anything it used is deleted.
TEST_F(StartupTest, ClosingEndsTheCommunicationThread)
{
    CCommSpaceManage* manager = window->getCommManage();
    QPointer<QThread> thread = manager->getThread();
    ASSERT_FALSE(thread.isNull());
    ASSERT_TRUE(TestSupport::waitFor([&] { return thread->isRunning(); }, 10000));
    std::atomic<bool> finished{false};
    // Called on the thread that finishes.
    QObject::connect(thread.data(), &QThread::finished, [&finished] { finished = true; });
    window.reset();
    EXPECT_TRUE(finished);
}

// A folder on the executables' own file system, so that a hard link can put a program into it;
// the program takes "profile.ini" from the folder it is started from.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString& executable) : m_dir(QFileInfo(executable).absolutePath() + "/startup-XXXXXX")
    {
        m_program = m_dir.filePath(QFileInfo(executable).fileName());
        if (::link(QFile::encodeName(executable).constData(), QFile::encodeName(m_program).constData()) != 0)
            QFile::copy(executable, m_program);
    }
    bool isValid() const { return m_dir.isValid() && QFileInfo(m_program).isExecutable(); }
    QString path() const { return m_dir.path(); }
    QString program() const { return m_program; }
    void writeProfile(const QString& group, const QString& key, const QVariant& value)
    {
        QSettings settings(m_dir.filePath("profile.ini"), QSettings::IniFormat);
        settings.setValue(QString("/%1/%2").arg(group, key), value);
    }

    // Runs the program offscreen; false when it did not end within the limit (then it is killed).
    bool run(const QStringList& arguments, const QProcessEnvironment& extra, int limitMs, int* exitCode)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        // Leaks in Qt's own libraries are not the program's.
        environment.insert("LSAN_OPTIONS", LSAN_OPTIONS);
        for (const QString& key : extra.keys())
            environment.insert(key, extra.value(key));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(m_dir.path());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(m_program, arguments);
        if (!process.waitForStarted(10000))
            return false;
        const bool ended = process.waitForFinished(limitMs);
        if (!ended) {
            process.kill();
            process.waitForFinished(10000);
            return false;
        }
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return true;
    }

private:
    QTemporaryDir m_dir;
    QString m_program;
};

TEST(ProgramStart, LoggerDecodingEndsTheProgramWithZeroAndNoWindow)
{
    ProgramFolder folder(QString::fromUtf8(KELVORA_PROGRAM_PATH));
    ASSERT_TRUE(folder.isValid());
    folder.writeProfile("Sys_Debug", "DecryptionEnable", true);
    // A log of an earlier run, Base64-encoded as the logger writes it.
    const QByteArray plain = "I Main Start\n";
    ASSERT_TRUE(TestSupport::writeFile(folder.path() + "/logger.log", plain.toBase64()));
    int exitCode = -2;
    // With a window the program would wait in its event loop until closed.
    ASSERT_TRUE(folder.run({}, {}, 60000, &exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(TestSupport::readFile(folder.path() + "/loggerDecrypt.log"), plain);
}

TEST(ProgramStart, WithoutDecodingTheProgramKeepsItsWindowOpen)
{
    ProgramFolder folder(QString::fromUtf8(KELVORA_PROGRAM_PATH));
    ASSERT_TRUE(folder.isValid());
    int exitCode = -2;
    EXPECT_FALSE(folder.run({}, {}, 3000, &exitCode)) << "ended with " << exitCode;
}

// The profile read from the folder of the program: this test runs itself there as a child.
TEST(ProgramStart, MissingBaudRateKeyGivesIndexZero)
{
    if (qEnvironmentVariableIsSet("KELVORA_PROFILE_CHILD")) {
        CSerialPortList::setSource([] { return QList<SSerialPortItem>(); });
        AisConfiguration window;
        CSerialPortList::setSource(nullptr);
        // DebugMode proves the file was read; the baud-rate key is not in it.
        EXPECT_TRUE(window.getEnvSetup().setting().DebugMode);
        EXPECT_EQ(window.getEnvSetup().setting().DefaultBaudRate, 0);
        return;
    }
    ProgramFolder folder(QCoreApplication::applicationFilePath());
    ASSERT_TRUE(folder.isValid());
    folder.writeProfile("Env_Setting", "DebugMode", true);
    QProcessEnvironment child;
    child.insert("KELVORA_PROFILE_CHILD", "1");
    int exitCode = -2;
    ASSERT_TRUE(folder.run({"--gtest_filter=ProgramStart.MissingBaudRateKeyGivesIndexZero"}, child, 60000, &exitCode));
    EXPECT_EQ(exitCode, 0);
}

} // namespace
