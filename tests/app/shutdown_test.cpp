// The ordered shutdown of the window: the refresh stops, the communication thread releases and
// deletes every link and ends, then the window's parts go, and the log keeps every record.
#include "LogProbe.h"
#include "WindowHarness.h"
#include "app/AisConfiguration.h"
#include "device/CommSpaceManage.h"
#include "services/SysDebug.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr const char* kDestructor = "virtual AisConfiguration::~AisConfiguration()";
constexpr const char* kWaitText = "Waiting for stop timer and clear CommList";

constexpr const char* kCommThreadName = "CommSpaces Thre"; // as the system keeps it: 15 characters

// The names of this process's threads, as the system lists them, but for the idle workers of
// Qt's shared pool (image scaling uses it), which Qt ends itself.
QStringList threadNames()
{
    QStringList names;
    const QDir tasks("/proc/self/task");
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + "/comm"));
        if (comm.open(QIODevice::ReadOnly))
            names << QString::fromUtf8(comm.readAll()).trimmed();
    }
    names.removeAll("Thread (pooled)");
    names.sort();
    return names;
}

std::string text(const QStringList& names)
{
    return names.join(", ").toStdString();
}

// Position of the first record at or after from whose text is text (and, when given, whose
// function is function); -1 when there is none.
int findRecord(const std::vector<SDebugMsgData>& records, const std::string& text, const char* function = nullptr,
               int from = 0)
{
    for (int i = from; i < static_cast<int>(records.size()); ++i) {
        if (records[i].text == text && (function == nullptr || records[i].funcName == function))
            return i;
    }
    return -1;
}

TEST(Shutdown, BeforeAnyConnectionTheManagerEndsOnItsNextTickAndNoThreadIsLeft)
{
    CWindowHarness w(0);
    ASSERT_TRUE(w.waitFor([] { return threadNames().contains(kCommThreadName); })) << "the communication thread runs";
    const QStringList running = threadNames();
    QPointer<CCommSpaceManage> manager = w.manage();
    EXPECT_EQ(manager->commCount(), 0);
    // The refresh timer runs again, due at once: the shutdown, which lets events run while it
    // waits for the communication thread, stops it first.
    int refreshes = 0;
    QTimer* refresh = w.window()->getRefreshTimer();
    QObject::connect(refresh, &QTimer::timeout, [&refreshes] { ++refreshes; });
    refresh->start(0);

    LogProbe probe;
    w.takeWindow().reset();

    EXPECT_EQ(refreshes, 0);
    EXPECT_TRUE(manager.isNull());
    const std::vector<SDebugMsgData> records = probe.records();
    const int start = findRecord(records, "Start", kDestructor);
    const int end = findRecord(records, "End", kDestructor, start);
    ASSERT_GE(start, 0);
    ASSERT_GT(end, start);
    EXPECT_EQ(records[start].level, DEBUG_MSG_LEAVE);
    EXPECT_EQ(records[end].level, DEBUG_MSG_LEAVE);
    // The manager's own destructor runs after the window's parts, with the Qt children.
    EXPECT_GT(findRecord(records, "Name:CommSpaces End", nullptr, end), end);
    QStringList left = running;
    left.removeOne(kCommThreadName);
    EXPECT_EQ(text(threadNames()), text(left));
}

// While connected: the communication thread releases the link and deletes it before the window's
// parts go; the thread ends; nothing is asked.
TEST(Shutdown, WhileConnectedTheLinkGoesOnTheCommunicationThreadBeforeTheWindowsParts)
{
    CWindowHarness w;
    ASSERT_TRUE(w.connect());
    w.tick(3);
    const QStringList running = threadNames();
    ASSERT_TRUE(running.contains(kCommThreadName)) << text(running);
    QPointer<CCommSpaceManage> manager = w.manage();
    EXPECT_EQ(manager->commCount(), 1);
    const int asked = w.dialogs().asked.size();
    // A share of the tick's work each second, so that the shutdown meets a busy link.
    w.sim().setPeriodMs(100);

    LogProbe probe;
    w.takeWindow().reset();

    EXPECT_TRUE(manager.isNull());
    EXPECT_EQ(w.dialogs().asked.size(), asked);
    const std::vector<SDebugMsgData> records = probe.records();
    const int start = findRecord(records, "Start", kDestructor);
    ASSERT_GE(start, 0);
    const int waiting = findRecord(records, kWaitText, nullptr, start);
    const int end = findRecord(records, "End", kDestructor, start);
    ASSERT_GT(waiting, start);
    ASSERT_GT(end, waiting);
    // The serial port was closed and deleted on the communication thread, between the two.
    const std::string gui = currentThreadTag();
    int portDeleted = -1;
    for (int i = start; i < end; ++i) {
        if (records[i].funcName.find("~CSerialPort") != std::string::npos && records[i].text.find("End") != std::string::npos) {
            portDeleted = i;
            EXPECT_NE(records[i].threadTag, gui);
        }
    }
    EXPECT_GT(portDeleted, waiting);
    EXPECT_GT(findRecord(records, "Name:CommSpaces End", nullptr, end), end);

    QStringList left = running;
    left.removeOne(kCommThreadName);
    EXPECT_EQ(text(threadNames()), text(left));
}

// The log file of a whole session, as the program's own logger thread writes it: the test runs
// the session in a child process of its own (the logger is process-wide and ends with it) and
// reads the file the child left.
constexpr const char* kChildFolder = "KELVORA_SHUTDOWN_LOG_FOLDER";
constexpr int kBurst = 300;

TEST(ShutdownLog, TheLogFileHoldsEveryRecordUpToEnd)
{
    if (qEnvironmentVariableIsSet(kChildFolder))
        GTEST_SKIP() << "in the child";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildFolder, folder.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setWorkingDirectory(folder.path());
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ShutdownLog.Session"});
    ASSERT_TRUE(child.waitForFinished(100000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    // Under the sanitizers a report ends the child with another code.
    ASSERT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
    ASSERT_EQ(child.exitCode(), 0) << output.toStdString();
    ASSERT_TRUE(output.contains("[       OK ] ShutdownLog.Session")) << output.toStdString();

    QFile file(folder.filePath("logger.log"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QRegExp("[\r\n]+"), Qt::SkipEmptyParts);
    int at = 0;
    // The next line after the current one holding every part; the test fails when there is none.
    const auto next = [&lines, &at](const QStringList& parts) {
        for (int i = at; i < lines.size(); ++i) {
            bool all = true;
            for (const QString& part : parts)
                all = all && lines[i].contains(part);
            if (all) {
                at = i + 1;
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(next({"Main Start"}));
    for (int record = 1; record <= kBurst; ++record)
        ASSERT_TRUE(next({QString("burst record %1 of %2").arg(record).arg(kBurst)})) << record;
    ASSERT_TRUE(next({"~AisConfiguration", "Start"}));
    ASSERT_TRUE(next({kWaitText}));
    ASSERT_TRUE(next({"~CSerialPort", "End"}));
    ASSERT_TRUE(next({"~AisConfiguration", "End"}));
    ASSERT_TRUE(next({"Name:CommSpaces End"}));
}

TEST(ShutdownLog, Session)
{
    const QString folder = qEnvironmentVariable(kChildFolder);
    if (folder.isEmpty())
        GTEST_SKIP() << "the child's part of TheLogFileHoldsEveryRecordUpToEnd";
    // Every record into the file, readable.
    const QString profile = folder + "/profile.ini";
    {
        QSettings settings(profile, QSettings::IniFormat);
        settings.setValue("/Sys_Debug/Enable", true);
        settings.setValue("/Sys_Debug/LogTag", "record");
        settings.setValue("/Sys_Debug/EncryptionEnable", false);
        for (const char* level : {"MsgInfo", "MsgLeave", "MsgWarning", "MsgError", "MsgControl", "MsgCritical"})
            settings.setValue(QString("/Sys_Debug/") + level, true);
    }
    ASSERT_TRUE(QDir::setCurrent(folder));
    SysDebug* logger = Pattern::Singleton<SysDebug>::instance();
    ASSERT_TRUE(logger->initialize(folder + "/", profile));
    {
        CWindowHarness w;
        ASSERT_TRUE(w.connect());
        w.tick(3);
        // A burst the logger thread has not caught up with when the window goes.
        for (int record = 1; record <= kBurst; ++record)
            SYS_DEBUG(DEBUG_MSG_INFO, "burst record %d of %d", record, kBurst);
        QTest::mouseClick(w.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          w.ui()->btnWinCtrlClose->mapTo(w.window(), w.ui()->btnWinCtrlClose->rect().center()));
        ASSERT_FALSE(w.window()->isVisible());
        w.takeWindow().reset();
    }
    // As the program does before its application object goes.
    logger->stop();
}

} // namespace
