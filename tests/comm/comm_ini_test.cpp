#include "RecordingCommSpace.h"
#include "comm/CommData.h"
#include "comm/LogListener.h"
#include "comm/SerialPort.h"
#include "comm_test_support.h"

#include "PtyPeer.h"
#include "TempWorkDir.h"

#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

// A fresh folder per file, so that no reader sees a cached copy of an earlier one.
QString writeCommIni(const QByteArray& text)
{
    static int count = 0;
    const QString folder = QDir::current().filePath(QString("ini%1/").arg(++count));
    QDir().mkpath(folder);
    TestSupport::writeFile(folder + "comm.ini", text);
    return folder;
}

struct SReadResult
{
    int links;
    int refused;
};

SReadResult readIni(RecordingCommSpace& manager, const QByteArray& text, const std::string& refusedPrefix = "")
{
    manager.setEnvPath(writeCommIni(text));
    AlarmProbe alarms;
    manager.readCommConnect();
    const int refused = alarms.count("Read the ");
    // Logged as an exception, naming the group.
    if (!refusedPrefix.empty()) {
        EXPECT_EQ(alarms.count("[!]Read the " + refusedPrefix + " is failed."), refused);
    }
    return {manager.commCount(), refused};
}

QByteArray serialGroup(const QByteArray& extra = "", const QByteArray& baud = "0")
{
    return "[Connect1]\nSensorType=0\nDevName=AIS\nActive=false\nCommType=1\nParm1=/dev/kelvora-no-such-port\nParm2=" +
           baud + "\n" + extra;
}

} // namespace

TEST(CommIni, MissingFileOpensNothingAndLogsNothing)
{
    RecordingCommSpace manager;
    manager.setEnvPath(QDir::current().filePath("absent/"));
    AlarmProbe alarms;
    manager.readCommConnect();
    EXPECT_EQ(manager.commCount(), 0);
    EXPECT_EQ(alarms.count("Read the"), 0);
}

TEST(CommIni, GroupWithoutCommTypeIsRefusedAndTheOthersOpen)
{
    TestSupport::PtyPeer peer;
    RecordingCommSpace manager;
    const QByteArray text = "[ConnectHead]\nTotal=2\n[Connect1]\nSensorType=0\nDevName=AIS\nDevPrimaryPos=2\n"
                            "Active=true\nCommType=1\nParm1=" +
                            peer.slavePath().toLatin1() +
                            "\nParm2=0\nDebugIsString=true\nDebugMsgOut=1\n[Connect2]\nSensorType=0\nParm1=x\n";
    const SReadResult result = readIni(manager, text, "/Connect2/");
    EXPECT_EQ(result.links, 1);
    EXPECT_EQ(result.refused, 1);
    const COMM::CCommData* link = manager.commItems().front();
    ASSERT_NE(link->getSerialPort(), nullptr);
    EXPECT_TRUE(link->getSerialPort()->isConnected());
    EXPECT_TRUE(link->getSerialPort()->isEnable()); // put into service
    EXPECT_TRUE(link->getSerialPort()->getDebugConfig().DebugIsString);
    EXPECT_EQ(link->getSerialPort()->getDebugConfig().DebugMsgOut, 1u);
    EXPECT_FALSE(link->getSerialPort()->getConntSetting().SplitLines);
}

TEST(CommIni, EachValueIsCheckedBeforeALinkIsMade)
{
    struct Case
    {
        const char* what;
        QByteArray group;
        int links;
        int refused;
    };
    const Case cases[] = {
        {"baud index 7", serialGroup("", "7"), 1, 0},
        {"baud index 8", serialGroup("", "8"), 0, 1},
        {"baud index not a number", serialGroup("", "fast"), 1, 0}, // reads as 0
        {"device kind 31", serialGroup("", "0").replace("SensorType=0", "SensorType=31"), 1, 0},
        {"device kind 32", serialGroup("", "0").replace("SensorType=0", "SensorType=32"), 0, 1},
        {"device kind -1", serialGroup("", "0").replace("SensorType=0", "SensorType=-1"), 0, 1},
        {"device kind 4", serialGroup("", "0").replace("SensorType=0", "SensorType=4"), 0, 0},
        {"position rank -1", serialGroup("DevPrimaryPos=-1\n"), 1, 0},
        {"position rank 3", serialGroup("DevPrimaryPos=3\n"), 0, 1},
        {"comm type 3", serialGroup().replace("CommType=1", "CommType=3"), 0, 1},
        {"udp client", "[Connect1]\nCommType=2\nParm1=127.0.0.1\nParm2=4001\nParm3=3\n", 1, 0},
        {"socket type 4", "[Connect1]\nCommType=2\nParm1=127.0.0.1\nParm2=4001\nParm3=4\n", 0, 1},
        {"port 65536", "[Connect1]\nCommType=2\nParm1=127.0.0.1\nParm2=65536\nParm3=3\n", 0, 1},
        {"port -1", "[Connect1]\nCommType=2\nParm1=127.0.0.1\nParm2=-1\nParm3=3\n", 0, 1},
    };
    for (const Case& c : cases) {
        RecordingCommSpace manager;
        const SReadResult result = readIni(manager, "[ConnectHead]\nTotal=1\n" + c.group, "/Connect1/");
        EXPECT_EQ(result.links, c.links) << c.what;
        EXPECT_EQ(result.refused, c.refused) << c.what;
    }
}

TEST(CommIni, LogGroupMakesTheOneLogListenerWithoutATransport)
{
    RecordingCommSpace manager;
    const SReadResult result =
        readIni(manager, "[ConnectHead]\nTotal=2\n[Connect1]\nCommType=0\nDevName=Rec\n[Connect2]\nCommType=0\n");
    EXPECT_EQ(result.links, 1);
    ASSERT_NE(manager.getLogListener(), nullptr);
    EXPECT_EQ(manager.getLogListener()->getProfile().Config.Log.LogMode, COMM::LOG_MODE_RECORD);
}

TEST(CommIni, WriterSavesSerialAndNetworkLinksOnly)
{
    RecordingCommSpace manager;
    const QString folder = writeCommIni("[ConnectHead]\nTotal=0\n");
    manager.setEnvPath(folder);
    ASSERT_NE(manager.connectComm(makeSerialProfile("/dev/kelvora-no-such-port", false, 3)), nullptr);
    COMM::SCommConntProfile log = makeLogProfile();
    manager.saveCommData(&log);
    ASSERT_EQ(manager.commCount(), 2);
    manager.writeCommConnectAll();
    EXPECT_EQ(manager.count("commWriteCommConnect"), 1);

    QSettings written(folder + "comm.ini", QSettings::IniFormat);
    EXPECT_EQ(written.value("/ConnectHead/Total").toInt(), 1);
    EXPECT_EQ(written.value("/Connect1/CommType").toInt(), 1);
    EXPECT_EQ(written.value("/Connect1/DevName").toString(), "AIS");
    EXPECT_EQ(written.value("/Connect1/Parm1").toString(), "/dev/kelvora-no-such-port");
    EXPECT_EQ(written.value("/Connect1/Parm2").toInt(), 3);
    EXPECT_FALSE(written.contains("/Connect2/CommType"));

    // What was written reads back as the same link.
    RecordingCommSpace reader;
    reader.setEnvPath(folder);
    reader.readCommConnect();
    ASSERT_EQ(reader.commCount(), 1);
    EXPECT_EQ(reader.commItems().front()->getSerialPort()->getSerialConfig().BaudIndex, 3u);
}
