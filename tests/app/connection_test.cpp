// Connecting the transponder through the connection bar of the real window, the manager's
// notices, and the window's reaction when the transponder goes away.
#include "WindowHarness.h"
#include "device/CommSpaceManage.h"
#include "device/DeviceComm.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>

namespace {

constexpr long long kLongestGuiGapMs = 100;

struct SBarState
{
    bool checked;
    bool enabled;
    bool portListEnabled;
    QString caption;
    QString status;
};

SBarState barOf(CWindowHarness& w)
{
    return {w.ui()->btnCommConnt->isChecked(), w.ui()->btnCommConnt->isEnabled(), w.view()->portComboBox.isEnabled(),
            w.ui()->btnCommConnt->text(), w.ui()->lblConntStatus->text()};
}

void expectDisconnected(CWindowHarness& w, const char* when)
{
    const SBarState bar = barOf(w);
    EXPECT_FALSE(bar.checked) << when;
    EXPECT_TRUE(bar.enabled) << when;
    EXPECT_TRUE(bar.portListEnabled) << when;
    EXPECT_EQ(bar.caption, "Connect") << when;
    EXPECT_EQ(bar.status, "Click to connect the device!") << when;
}

} // namespace

TEST(Connection, ConnectOpensTheLinkAndTheButtonWaitsForTheManager)
{
    CWindowHarness w;
    expectDisconnected(w, "at start");
    const QString alarmSheet = w.ui()->lblConntStatus->styleSheet();
    w.grab(w.ui()->wgComm, "connection-bar-1-disconnected");

    // The button may come back only once the manager has made the link the device's and
    // announced it: the device holds the link before the notice leaves the communication thread.
    std::atomic<int> savedCount{0};
    QObject::connect(
        w.manage(), &CCommSpace::signalCommDataSaved, w.manage(), [&savedCount] { ++savedCount; },
        Qt::DirectConnection);
    ASSERT_TRUE(w.choosePort());
    w.clickConnect();

    const SBarState clicked = barOf(w);
    EXPECT_TRUE(clicked.checked);
    EXPECT_FALSE(clicked.enabled);
    EXPECT_FALSE(clicked.portListEnabled);
    EXPECT_EQ(clicked.caption, "Disconnect");
    EXPECT_EQ(clicked.status, "Determining the AIS Device Type...");
    EXPECT_NE(w.ui()->lblConntStatus->styleSheet(), alarmSheet);
    w.grab(w.ui()->wgComm, "connection-bar-2-connecting");

    bool enabledEarly = false;
    ASSERT_TRUE(w.waitFor([&] {
        if (w.ui()->btnCommConnt->isEnabled() && w.device()->currentComm() == nullptr)
            enabledEarly = true;
        return w.ui()->btnCommConnt->isEnabled();
    }));
    EXPECT_FALSE(enabledEarly);
    EXPECT_TRUE(w.waitFor([&] { return savedCount == 1; }));
    EXPECT_TRUE(w.waitFor([&] { return w.linkConnected(); }));
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_OPENED);
    EXPECT_FALSE(w.view()->portComboBox.isEnabled());
    EXPECT_EQ(w.ui()->btnCommConnt->text(), "Disconnect");
    w.grab(w.ui()->wgComm, "connection-bar-3-connected");
    w.grab("window-connected");

    // Nothing goes out before the first tick asks.
    EXPECT_TRUE(w.sim().received().empty());

    // The user disconnects.
    std::atomic<int> deletedCount{0};
    QObject::connect(
        w.manage(), &CCommSpace::signalCommDataDeleted, w.manage(), [&deletedCount] { ++deletedCount; },
        Qt::DirectConnection);
    w.clickConnect();
    EXPECT_FALSE(w.ui()->btnCommConnt->isEnabled());
    bool enabledWithLink = false;
    ASSERT_TRUE(w.waitFor([&] {
        if (w.ui()->btnCommConnt->isEnabled() && w.device()->currentComm() != nullptr)
            enabledWithLink = true;
        return w.ui()->btnCommConnt->isEnabled();
    }));
    EXPECT_FALSE(enabledWithLink);
    EXPECT_TRUE(w.waitFor([&] { return deletedCount == 1; }));
    expectDisconnected(w, "after Disconnect");
    EXPECT_FALSE(w.linkConnected());
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_NONE);
}

// The transponder unplugged: the window goes back to its state before Connect, keeping nothing of
// the device, and a new Connect works. The GUI thread stays free throughout.
TEST(Connection, HangUpResetsTheWindowAndReconnectWorks)
{
    CWindowHarness w;
    CGuiGapProbe gaps;
    gaps.start();

    ASSERT_TRUE(w.connect());
    w.tick(2);
    // The transponder's own sentences have reached the window.
    ASSERT_TRUE(w.waitFor([&] { return !w.sim().sent().empty(); }));
    w.ui()->txbwSerialRx->setPlainText("$GPRMC,received before the hang-up");

    ASSERT_TRUE(w.hangUp());
    expectDisconnected(w, "after the hang-up");
    EXPECT_TRUE(w.ui()->txbwSerialRx->toPlainText().isEmpty());
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_NONE);
    EXPECT_FALSE(w.linkConnected());
    EXPECT_FALSE(w.ui()->wgMainMenu->isEnabled()) << "only the Home page is available";
    EXPECT_TRUE(w.ui()->wgMainContent->isVisible()) << "the Home screen shows";
    EXPECT_FALSE(w.ui()->tbwgMain->isVisible());
    EXPECT_FALSE(w.ui()->lblHomeWiFiWaiting->isHidden());
    EXPECT_TRUE(w.ui()->lblHomeConfigurationMore->isHidden());
    gaps.stop();
    w.grab("window-after-hang-up");
    gaps.resume();

    // Ticks after the hang-up send nothing and break nothing.
    w.sim().clearReceived();
    w.tick(3);
    EXPECT_TRUE(w.sim().received().empty());

    // Plugged in again, under a new name.
    ASSERT_TRUE(w.sim().reopen());
    ASSERT_TRUE(w.connect());
    EXPECT_TRUE(w.ui()->btnCommConnt->isChecked());

    gaps.stop();
    std::printf("longest GUI gap over connect, hang-up and reconnect: %lld ms\n", gaps.longestGapMs());
    EXPECT_LE(gaps.longestGapMs(), kLongestGuiGapMs);
}

// The chosen port went between the list's last fill and the click: no link to nowhere is made,
// the switch goes back, the user is told and the list shows the ports there are now.
TEST(Connection, PortGoneBeforeConnectIsReportedAndNothingOpens)
{
    CWindowHarness w;
    ASSERT_TRUE(w.choosePort());
    w.setPorts([] { return QList<SSerialPortItem>(); });

    w.clickConnect();
    ASSERT_EQ(w.dialogs().asked.size(), 1);
    const ScriptedDialogs::SAsked& asked = w.dialogs().asked.back();
    EXPECT_EQ(asked.icon, QMessageBox::Warning);
    EXPECT_EQ(asked.title, "Warning");
    EXPECT_EQ(asked.text, "The selected serial port is not available.\nPlease choose a port and connect again.");
    EXPECT_EQ(asked.buttons, QMessageBox::Ok);
    EXPECT_EQ(asked.defaultButton, QMessageBox::Ok);

    expectDisconnected(w, "after the refused Connect");
    EXPECT_FALSE(w.manage()->isConnecting());
    EXPECT_EQ(w.view()->portComboBox.count(), 0);

    // The port is back: Connect works.
    w.setPorts({});
    ASSERT_TRUE(w.connect());
}

// The link reads the port name back as Latin-1; a device path with a non-ASCII letter, written the
// same way, opens the right device.
TEST(Connection, PortWithANonAsciiPathOpens)
{
    CWindowHarness w;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString link = QDir(folder.path()).filePath(QStringLiteral("transponder-\u00f6"));
    ASSERT_TRUE(QFile::link(QString::fromStdString(w.sim().portName()), link));
    w.setPorts([link] {
        SSerialPortItem port = CSerialPortList::fromPath(link);
        port.description = "AIS Virtual Com";
        return QList<SSerialPortItem>{port};
    });

    ASSERT_TRUE(w.choosePort(link));
    EXPECT_EQ(w.view()->portComboBox.currentText(), QStringLiteral("AIS Virtual Com (") + link + ")");
    w.clickConnect();
    EXPECT_TRUE(w.waitFor([&] { return w.linkConnected() && w.ui()->btnCommConnt->isEnabled(); }));
}
