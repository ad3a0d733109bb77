#include "comm/CommProfile.h"
#include "comm/SerialPort.h"
#include "comm_test_support.h"
#include "services/PortalTime.h"

#include "PtyPeer.h"
#include "WaitFor.h"

#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <termios.h>

using COMM::CSerialPort;
using TestSupport::PtyPeer;
using TestSupport::waitFor;

namespace {

constexpr int kLimitMs = 5000; // generous bound for anything that should take a few ticks

// Notes every package at the moment the transmit step hands it over.
class RecordingSerialPort : public CSerialPort
{
public:
    struct Handed
    {
        std::string text;
        long long ms;
        bool accepted;
    };

    using CSerialPort::CSerialPort;

    bool commTxPackageSender(COMM::STxPackage pkg) override
    {
        const bool accepted = CSerialPort::commTxPackageSender(pkg);
        handed.push_back(
            {std::string(pkg.data, static_cast<size_t>(pkg.length)), Portal::Time::Clock::msecsSinceStart(), accepted});
        return accepted;
    }

    std::vector<Handed> handed;
};

std::unique_ptr<RecordingSerialPort> makePort(const QString& path, int baudIndex,
                                              COMM::RAWDATA_TYPE type = COMM::RAWDATA_SENTENCE)
{
    COMM::COMM_CONNT_SETTING setting =
        COMM::BuildConntLink(COMM::SENSOR_DEVICE_TRANSPONDER, L"AIS", COMM::PRIMARY_POS_DEFAULT, true);
    setting.SplitLines = true;
    const QByteArray name = path.toLatin1();
    return std::make_unique<RecordingSerialPort>(setting, COMM::BuildSerialConfig(name.constData(), baudIndex), type);
}

long long cpuMsecs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000LL +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

class SerialPortTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_peer.isOpen());
        m_port = makePort(m_peer.slavePath(), 0);
        ASSERT_TRUE(m_port->connectPort());
        m_port->setEnable(true);
    }

    // Sends one chunk from the far end and waits until the link has taken it in.
    void feed(const QByteArray& chunk)
    {
        QByteArray seen;
        ASSERT_TRUE(m_peer.write(chunk));
        ASSERT_TRUE(waitFor(
            [&]() {
                QByteArray part;
                while (m_port->getRawDataHandle()->queueNextLogMsg(&part))
                    seen += part;
                return seen.size() >= chunk.size();
            },
            kLimitMs));
    }

    PtyPeer m_peer;
    std::unique_ptr<RecordingSerialPort> m_port;
};

} // namespace

TEST_F(SerialPortTest, OpensAtTheBaudOfItsIndex8N1WithoutFlowControl)
{
    PtyPeer peer;
    LogProbe log;
    auto port = makePort(peer.slavePath(), 2);
    EXPECT_EQ(port->getContent(), "Serial Port " + peer.slavePath().toStdString() + ":38400");
    EXPECT_FALSE(port->isEnable());
    EXPECT_EQ(port->getCommType(), COMM::COMM_TYPE_SERIAL);
    ASSERT_TRUE(port->connectPort());
    EXPECT_TRUE(port->isConnected());
    EXPECT_TRUE(port->getConnectedFlag());

    termios mode{};
    ASSERT_EQ(tcgetattr(peer.masterFd(), &mode), 0);
    EXPECT_EQ(cfgetospeed(&mode), static_cast<speed_t>(B38400));
    EXPECT_EQ(cfgetispeed(&mode), static_cast<speed_t>(B38400));
    EXPECT_EQ(mode.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(mode.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(mode.c_iflag & (IXON | IXOFF), 0u);
    // A pseudo-terminal has no modem lines: warned about, and the link stays open.
    EXPECT_EQ(log.count("DTR failed"), 1);
}

TEST(SerialPortOpen, FailuresLeaveThePortClosed)
{
    PtyPeer peer;
    auto badBaud = makePort(peer.slavePath(), -1);
    EXPECT_EQ(badBaud->getContent(), "Serial Port " + peer.slavePath().toStdString() + ":-1");
    EXPECT_FALSE(badBaud->connectPort());
    EXPECT_FALSE(badBaud->isConnected());
    // Closed again, so the same path opens cleanly for the next owner.
    auto good = makePort(peer.slavePath(), 0);
    EXPECT_TRUE(good->connectPort());

    auto missing = makePort("/dev/kelvora-no-such-port", 0);
    EXPECT_FALSE(missing->connectPort());
    EXPECT_FALSE(missing->isConnected());
    EXPECT_FALSE(missing->commTxPackageSender(makePackage("$X\r\n")));
}

TEST_F(SerialPortTest, QueuedPackagesLeaveOnePerTickAtLeastTheirGapApart)
{
    for (const char* text : {"$A\r\n", "$B\r\n", "$C\r\n"}) {
        COMM::STxPackage pkg = makePackage(text);
        m_port->appendToTxPackageQ(pkg, true);
    }
    const QByteArray wire = m_peer.readUntil("$C\r\n", kLimitMs);
    EXPECT_EQ(wire, "$A\r\n$B\r\n$C\r\n");
    ASSERT_EQ(m_port->handed.size(), 3u);
    for (size_t i = 1; i < m_port->handed.size(); ++i)
        EXPECT_GE(m_port->handed[i].ms - m_port->handed[i - 1].ms, 100) << i;
}

TEST_F(SerialPortTest, ReplyWaitHoldsTheQueueUntilTheAwaitedTextArrives)
{
    m_port->setRawDataType(COMM::RAWDATA_MESSAGE);
    COMM::STxPackage command = makePackage("AT+WMODE\n", 200, 20000, "+ok");
    COMM::STxPackage next = makePackage("AT+WSSSID\n", 200);
    m_port->appendToTxPackageQ(command, true);
    m_port->appendToTxPackageQ(next, true);

    EXPECT_EQ(m_peer.readUntil("\n", kLimitMs), "AT+WMODE\n");
    // Several gaps' worth of ticks: the second command must stay queued.
    EXPECT_EQ(m_peer.readUntil("\n", 700), QByteArray());

    ASSERT_TRUE(m_peer.write(">AT+WMODE\r\n+o")); // a partial line ends nothing
    EXPECT_EQ(m_peer.readUntil("\n", 400), QByteArray());
    ASSERT_TRUE(m_peer.write("k=AP\r\n"));
    EXPECT_EQ(m_peer.readUntil("\n", kLimitMs), "AT+WSSSID\n");
}

TEST_F(SerialPortTest, ReplyWaitEndsWithItsTimeOut)
{
    COMM::STxPackage command = makePackage("$Q1\r\n", 100, 300, "+ok");
    COMM::STxPackage next = makePackage("$Q2\r\n");
    m_port->appendToTxPackageQ(command, true);
    m_port->appendToTxPackageQ(next, true);

    EXPECT_EQ(m_peer.readUntil("$Q2\r\n", kLimitMs), "$Q1\r\n$Q2\r\n");
    ASSERT_EQ(m_port->handed.size(), 2u);
    EXPECT_GT(m_port->handed[1].ms - m_port->handed[0].ms, 300);
}

TEST_F(SerialPortTest, SentencesSurviveAChunkBoundaryAtEveryPosition)
{
    const std::string line = "$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*76\r\n";
    for (size_t cut = 1; cut < line.size(); ++cut) {
        feed(QByteArray::fromStdString(line.substr(0, cut)));
        feed(QByteArray::fromStdString(line.substr(cut)));
        std::vector<std::string> sentences;
        std::string sentence;
        while (m_port->getRawDataHandle()->queueNextSentence(&sentence))
            sentences.push_back(sentence);
        if (cut == line.size() - 1) {
            // CR and LF apart: the sentence ends at the CR and its LF is not left over.
            EXPECT_EQ(sentences, (std::vector<std::string>{line.substr(0, cut)}));
        } else {
            EXPECT_EQ(sentences, std::vector<std::string>{line}) << "cut at " << cut;
        }
    }
}

TEST_F(SerialPortTest, MessageLinesSurviveAChunkBoundaryAtEveryPosition)
{
    m_port->setRawDataType(COMM::RAWDATA_MESSAGE);
    const std::string line = "+ok=AP,KelvoraNet,WPA2PSK\r\n";
    for (size_t cut = 1; cut < line.size(); ++cut) {
        feed(QByteArray::fromStdString(line.substr(0, cut)));
        feed(QByteArray::fromStdString(line.substr(cut)));
        std::vector<QByteArray> messages;
        QByteArray message;
        while (m_port->getRawDataHandle()->queueNextMessage(&message))
            messages.push_back(message);
        EXPECT_EQ(messages, std::vector<QByteArray>{QByteArray::fromStdString(line)}) << "cut at " << cut;
    }
}

TEST_F(SerialPortTest, HangUpIsReportedOnceAsALostPortAndCloses)
{
    LogProbe log;
    m_peer.closeMaster();
    ASSERT_TRUE(waitFor([&]() { return m_port->isPortLost() && !m_port->isConnected(); }, kLimitMs));

    const long long cpuBefore = cpuMsecs();
    waitFor([]() { return false; }, 400); // a quiet spell: nothing may keep firing
    EXPECT_LT(cpuMsecs() - cpuBefore, 200);

    const auto records = log.records();
    int errorLines = 0;
    for (const SDebugMsgData& record : records) {
        if (record.text.find("(Error)") != std::string::npos)
            ++errorLines;
    }
    EXPECT_EQ(errorLines, 1);
    COMM::STxPackage pkg = makePackage("$LATE\r\n");
    EXPECT_FALSE(m_port->commTxPackageSender(pkg));
}

TEST_F(SerialPortTest, AWriteTheDeviceRefusesIsReportedAsRefused)
{
    // Reopened for reading only, the device takes no bytes: write() gives -1.
    auto* device = m_port->findChild<QSerialPort*>();
    ASSERT_NE(device, nullptr);
    device->close();
    ASSERT_TRUE(device->open(QIODevice::ReadOnly));
    LogProbe log;
    EXPECT_FALSE(m_port->commTxPackageSender(makePackage("$A\r\n")));
    EXPECT_EQ(log.count("write failed"), 1);
}
