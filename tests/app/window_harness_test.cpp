// The window harness itself: what other window tests lean on.
#include "WindowHarness.h"

#include "PtyPeer.h"
#include "device/CommSpaceManage.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(WindowHarness, DrivesTheClockAndTheTickItself)
{
    CWindowHarness w(0);
    EXPECT_FALSE(w.window()->getRefreshTimer()->isActive());
    const long long start = AisConfiguration::nowSeconds();
    EXPECT_EQ(start, CWindowHarness::kClockStartMs / 1000);
    w.tick(3);
    EXPECT_EQ(AisConfiguration::nowSeconds(), start + 3);
    w.advanceClock(60000);
    EXPECT_EQ(AisConfiguration::nowSeconds(), start + 63);
    EXPECT_FALSE(w.grab("harness-window").isEmpty());
}

TEST(WindowHarness, OffersTheSimulatorsPortAndRecordsWhatItReceives)
{
    CWindowHarness w(2);
    ASSERT_TRUE(w.choosePort());
    EXPECT_EQ(w.view()->portComboBox.currentText(), QString::fromStdString(w.sim().portName()));
    ASSERT_TRUE(w.connect());

    // A line written on the program's side reaches the simulator, with its arrival time. Once the
    // link has settled (as before every tick) it has been answered and the answer read.
    const char line[] = "!AIAIQ,VER*3C\r\n";
    ASSERT_TRUE(w.manage()->sendCommand(line, static_cast<int>(sizeof(line) - 1)));
    ASSERT_TRUE(w.waitSettled());
    ASSERT_EQ(w.sim().receivedStartingWith("!AIAIQ").size(), 1u);
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_IDENTIFIED);
    const SSimRxLine received = w.sim().receivedStartingWith("!AIAIQ").front();
    EXPECT_EQ(received.bytes, line);
    EXPECT_GT(received.ms, 0);
}

// The settle check counts what is on the line but unread. A write reaches the other side of a
// pseudo-terminal through the kernel's work queue: looked at at once, without letting it arrive,
// the line seems empty about every second time, and the harness would tick before the program
// has read the transponder's answer.
TEST(WindowHarness, BytesWrittenToTheLineAreUnreadOnItsOtherSideAtOnce)
{
    TestSupport::PtyPeer line;
    ASSERT_TRUE(line.isOpen());
    const int slave = ::open(line.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(slave, 0);
    char buffer[16];
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(line.write("+ok\r\n"));
        ASSERT_EQ(TestSupport::PtyPeer::unreadBytes(slave), 5) << "write " << i;
        ASSERT_EQ(::read(slave, buffer, sizeof(buffer)), 5);
        ASSERT_EQ(::write(slave, "AT\n", 3), 3);
        ASSERT_EQ(TestSupport::PtyPeer::unreadBytes(line.masterFd()), 3) << "answer " << i;
        ASSERT_EQ(line.readAvailable(), "AT\n");
    }
    ::close(slave);
}
