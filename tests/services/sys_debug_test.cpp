#include "services/SysDebug.h"

#include "TempWorkDir.h"

#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStringList>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

void silentHandler(QtMsgType, const QMessageLogContext&, const QString&)
{}

// Each test gets its own working folder: the logger writes "logger.log" by bare name.
class SysDebugTest : public ::testing::Test
{
protected:
    void SetUp() override { m_previousHandler = qInstallMessageHandler(silentHandler); }
    void TearDown() override { qInstallMessageHandler(m_previousHandler); }

    QString logPath() const { return m_dir.filePath("logger.log"); }
    QByteArray logBytes() const { return readFile(logPath()); }

    static void setAllFields(SysDebug& log, bool on)
    {
        bool fields[DEBUG_MSG_FIELD_COUNT];
        std::fill(std::begin(fields), std::end(fields), on);
        log.setMsgFieldFlag(fields);
    }

    static void logOne(SysDebug& log, DEBUG_MSG_LEVEL level, const char* func, const char* text)
    {
        log.debug(level, func, "0x00000000000000ab", "%s", text);
    }

    TestSupport::TempWorkDir m_dir;
    QtMessageHandler m_previousHandler = nullptr;
};

} // namespace

TEST_F(SysDebugTest, LongMessageIsCutTo2047Characters)
{
    SysDebug log;
    const std::string text(3000, 'x');
    log.debug(DEBUG_MSG_INFO, "f()", currentThreadTag(), "%s", text.c_str());
    log.msgProc();
    ASSERT_EQ(log.autoLogRing().size(), 1u);
    EXPECT_EQ(log.autoLogRing().back().text, std::string(2047, 'x'));
    EXPECT_EQ(log.autoLogRing().back().code, -1);
    EXPECT_EQ(log.autoLogRing().back().tag, ' ');
}

TEST_F(SysDebugTest, ThreadTagNamesTheCallingThread)
{
    const std::string mine = currentThreadTag();
    const QString expected = QStringLiteral("0x%1").arg(
        static_cast<qulonglong>(reinterpret_cast<quintptr>(QThread::currentThreadId())), 16, 16, QLatin1Char('0'));
    EXPECT_EQ(mine, expected.toStdString());
    EXPECT_EQ(mine.size(), 18u);
    std::string other;
    std::thread([&other] { other = currentThreadTag(); }).join();
    EXPECT_EQ(other.size(), 18u);
    EXPECT_NE(other, mine);
}

TEST_F(SysDebugTest, NoLogFileMeansEveryFieldOn)
{
    SysDebug log;
    EXPECT_EQ(log.fieldMask(), 0xFFFFu);
    for (int field = 0; field < DEBUG_MSG_FIELD_COUNT; ++field)
        EXPECT_TRUE(log.fieldFlag(static_cast<DEBUG_MSG_FIELD>(field)));
    EXPECT_FALSE(log.recordMode());
    EXPECT_FALSE(log.levelFlag(DEBUG_MSG_DEEP));
    EXPECT_TRUE(log.levelFlag(DEBUG_MSG_INFO));
}

TEST_F(SysDebugTest, LogFileHeadSetsMaskAndModes)
{
    ASSERT_TRUE(writeFile(logPath(), "7f record FC\nold line\n"));
    SysDebug log;
    EXPECT_EQ(log.fieldMask(), 0x7Fu);
    EXPECT_TRUE(log.recordMode());
    EXPECT_TRUE(log.closeAfterEachLine());
    EXPECT_FALSE(log.levelFlag(DEBUG_MSG_DEEP));
}

TEST_F(SysDebugTest, LogFileHeadOfEqualSignsChangesNothing)
{
    ASSERT_TRUE(writeFile(logPath(), "============================== Start Logging ==============================\r"));
    SysDebug log;
    EXPECT_EQ(log.fieldMask(), 0xFFFFu);
    EXPECT_FALSE(log.recordMode());
    EXPECT_FALSE(log.closeAfterEachLine());
}

TEST_F(SysDebugTest, LogFileHeadWordDlSwitchesDeepOnAndMaskSelectsFields)
{
    ASSERT_TRUE(writeFile(logPath(), "5 DL\n"));
    SysDebug log;
    EXPECT_TRUE(log.levelFlag(DEBUG_MSG_DEEP));
    EXPECT_TRUE(log.fieldFlag(DEBUG_FIELD_TAG));
    EXPECT_FALSE(log.fieldFlag(DEBUG_FIELD_TIME));
    EXPECT_TRUE(log.fieldFlag(DEBUG_FIELD_LEVEL));
    EXPECT_FALSE(log.fieldFlag(DEBUG_FIELD_NOTE));
}

TEST_F(SysDebugTest, FileFormLineLayout)
{
    SysDebug log;
    log.setEncryption(false);
    log.setMsgFieldFlag(0x7Eu & ~0x2u); // all but Tag and Time
    SDebugMsgData record = SDebugMsgData::stamped();
    record.funcName = "void f(int)"; // 11 characters: ceil(29 / 4) = 8 tabs
    record.threadTag = "0x0000000000001a2b";
    record.level = DEBUG_MSG_INFO;
    record.text = "hello";
    EXPECT_EQ(log.printMsg(record, false), "0x0000000000001a2b\tvoid f(int)\t\t\t\t\t\t\t\thello\n");
    EXPECT_EQ(log.printMsg(record, true),
              "0x0000000000001a2b\t" + QString("void f(int)").leftJustified(40) + "hello\n");

    record.funcName = std::string(40, 'n');
    EXPECT_EQ(log.printMsg(record, false), QString("0x0000000000001a2b\t") + QString(40, 'n') + "\thello\n");
    EXPECT_EQ(log.printMsg(record, true), QString("0x0000000000001a2b\t") + QString(40, 'n') + "\thello\n");

    record.funcName = ""; // the fill never exceeds nine tabs
    EXPECT_EQ(log.printMsg(record, false), "0x0000000000001a2b\t" + QString(9, '\t') + "hello\n");

    // The time field: "hh:mm:ss" and a blank in front of everything.
    log.setMsgFieldFlag(0x7Fu);
    record.funcName = "f";
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d 0x0000000000001a2b\tf\t+hello\n$")
                    .match(log.printMsg(record, false))
                    .hasMatch());
}

TEST_F(SysDebugTest, LevelMarks)
{
    SysDebug log;
    log.setEncryption(false);
    log.setMsgFieldFlag(0x4u | 0x8u | 0x40u); // Level, Code, Note
    SDebugMsgData record = SDebugMsgData::stamped();
    record.text = "t";
    const struct
    {
        DEBUG_MSG_LEVEL level;
        const char* line;
    } cases[] = {
        {DEBUG_MSG_INFO, "t\n"},        {DEBUG_MSG_WARNING, "[W]t\n"},   {DEBUG_MSG_ERROR, "[E]t\n"},
        {DEBUG_MSG_CRITICAL, "[X]t\n"}, {DEBUG_MSG_EXCEPTION, "[!]t\n"}, {DEBUG_MSG_LEAVE, "[L]t\n"},
        {DEBUG_MSG_CONTROL, "C)t\n"},   {DEBUG_MSG_DEEP, "#)t\n"},       {DEBUG_MSG_NONE, "N)t\n"},
        {DEBUG_MSG_PROFILE, "P)t\n"},   {DEBUG_MSG_ACTION, "A)t\n"},     {DEBUG_MSG_DEBUG, "D)t\n"},
    };
    for (const auto& c : cases) {
        record.level = c.level;
        EXPECT_EQ(log.printMsg(record, false), c.line) << c.level;
    }
    record.level = DEBUG_MSG_FINISH;
    record.code = 5;
    record.spanMsecs = 120;
    EXPECT_EQ(log.printMsg(record, false), "[5F120]t\n");
    record.level = DEBUG_MSG_STAKE;
    record.spanMsecs = 0;
    EXPECT_EQ(log.printMsg(record, false), "[5S]t\n");
}

TEST_F(SysDebugTest, Base64LinesPadToWholeGroups)
{
    for (int length : {6, 7, 8}) {
        const QString line(length, 'a');
        const QString encoded = SysDebug::encodeLine(line);
        EXPECT_FALSE(encoded.contains('=')) << length;
        const QByteArray decoded = QByteArray::fromBase64(encoded.toLatin1());
        EXPECT_EQ(decoded.size() % 3, 0);
        EXPECT_TRUE(decoded.endsWith('\n'));
        EXPECT_TRUE(decoded.startsWith(line.toLatin1()));
    }
    EXPECT_EQ(SysDebug::encodeLine(QString(7, 'a')).size(), 12); // 7 + 1 blank + LF
    EXPECT_EQ(QByteArray::fromBase64(SysDebug::encodeLine(QString(8, 'a')).toLatin1()), QByteArray(8, 'a') + '\n');
    EXPECT_EQ(QByteArray::fromBase64(SysDebug::encodeLine(QString(6, 'a')).toLatin1()), QByteArray(6, 'a') + "  \n");
}

TEST_F(SysDebugTest, ErrorDumpsTheRingAsOneBase64Text)
{
    SysDebug log; // defaults: printing off, auto log on, Base64 on
    for (int i = 0; i < 1200; ++i) {
        const QByteArray text = QByteArray("info ") + QByteArray::number(i);
        logOne(log, i % 2 ? DEBUG_MSG_DEEP : DEBUG_MSG_INFO, "void g()", text.constData());
    }
    logOne(log, DEBUG_MSG_ERROR, "void g()", "Communication is failed");
    log.msgProc();
    EXPECT_TRUE(log.autoLogRing().empty());

    const QByteArray file = logBytes();
    ASSERT_TRUE(file.endsWith("\r\n"));
    const QString decoded = QString::fromLatin1(QByteArray::fromBase64(file));
    const QStringList lines = decoded.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines.first().startsWith("============================== Auto Logging "));
    EXPECT_TRUE(lines.first().trimmed().endsWith(" =============================="));
    // The ring holds the last 1000 records, Deep included, then the alarm itself.
    EXPECT_EQ(lines.size(), 1 + 1000 + 1);
    EXPECT_TRUE(lines[1].contains("info 200"));
    EXPECT_TRUE(lines[2].contains("#)info 201"));
    EXPECT_TRUE(lines.last().contains("[E]Communication is failed"));
}

TEST_F(SysDebugTest, DecryptionWritesThePlainCopyAndRefusesToStart)
{
    {
        SysDebug log;
        logOne(log, DEBUG_MSG_EXCEPTION, "void h()", "Item's case is undefined!");
        log.msgProc();
    }
    const QString folder = m_dir.path() + "/";
    QSettings(folder + "profile.ini", QSettings::IniFormat).setValue("/Sys_Debug/DecryptionEnable", true);
    SysDebug log;
    EXPECT_FALSE(log.initialize(folder, folder + "profile.ini"));
    EXPECT_FALSE(log.isRunning());
    const QByteArray plain = readFile(folder + "loggerDecrypt.log");
    EXPECT_TRUE(plain.startsWith("============================== Auto Logging "));
    EXPECT_TRUE(plain.contains("[!]Item's case is undefined!"));
}

TEST_F(SysDebugTest, RecordModeFilesEveryLineAndKeepsNoRing)
{
    const QString folder = m_dir.path() + "/";
    QSettings settings(folder + "profile.ini", QSettings::IniFormat);
    settings.setValue("/Sys_Debug/Enable", true);
    settings.setValue("/Sys_Debug/LogTag", "record");
    settings.setValue("/Sys_Debug/EncryptionEnable", false);
    settings.sync();
    {
        SysDebug log;
        ASSERT_TRUE(log.initialize(folder, folder + "profile.ini"));
        EXPECT_TRUE(log.recordMode());
        logOne(log, DEBUG_MSG_INFO, "void a()", "first");
        logOne(log, DEBUG_MSG_DEEP, "void a()", "deep is off");
        logOne(log, DEBUG_MSG_ERROR, "void a()", "second");
    }
    const QByteArray file = logBytes();
    EXPECT_TRUE(file.startsWith("============================== Record Logging "));
    EXPECT_TRUE(file.contains("first\n"));
    EXPECT_TRUE(file.contains("[E]second\n"));
    EXPECT_FALSE(file.contains("deep is off"));
}

TEST_F(SysDebugTest, PendingRecordsAreWrittenWhenTheLoggerStops)
{
    const QString folder = m_dir.path() + "/";
    QSettings settings(folder + "profile.ini", QSettings::IniFormat);
    settings.setValue("/Sys_Debug/Enable", true);
    settings.setValue("/Sys_Debug/LogTag", "record");
    settings.setValue("/Sys_Debug/EncryptionEnable", false);
    settings.sync();
    {
        SysDebug log;
        ASSERT_TRUE(log.initialize(folder, folder + "profile.ini"));
        for (int i = 0; i < 200; ++i)
            log.debug(DEBUG_MSG_INFO, "void b()", "0x01", "last words %d", i);
    }
    EXPECT_TRUE(logBytes().contains("last words 199\n"));
}

// The program stops the logger before its application object goes: everything queued is in the
// file when stop returns, and a record made afterwards is filed at once, not left for the exit.
TEST_F(SysDebugTest, StopFilesTheQueueAndLaterRecordsAtOnce)
{
    const QString folder = m_dir.path() + "/";
    QSettings settings(folder + "profile.ini", QSettings::IniFormat);
    settings.setValue("/Sys_Debug/Enable", true);
    settings.setValue("/Sys_Debug/LogTag", "record");
    settings.setValue("/Sys_Debug/EncryptionEnable", false);
    settings.sync();
    SysDebug log;
    ASSERT_TRUE(log.initialize(folder, folder + "profile.ini"));
    for (int i = 0; i < 200; ++i)
        log.debug(DEBUG_MSG_INFO, "void b()", "0x01", "queued %d", i);
    log.stop();
    EXPECT_TRUE(log.isFinished());
    EXPECT_TRUE(logBytes().contains("queued 199\n"));
    log.debug(DEBUG_MSG_INFO, "void c()", "0x01", "after the stop");
    EXPECT_TRUE(logBytes().contains("after the stop\n"));
}

TEST_F(SysDebugTest, ManyThreadsLoseAndTearNothing)
{
    const QString folder = m_dir.path() + "/";
    QSettings settings(folder + "profile.ini", QSettings::IniFormat);
    settings.setValue("/Sys_Debug/Enable", true);
    settings.setValue("/Sys_Debug/LogTag", "record");
    settings.setValue("/Sys_Debug/EncryptionEnable", false);
    settings.setValue("/Sys_Debug/FieldTime", false);
    settings.sync();
    constexpr int kThreads = 8;
    constexpr int kRecords = 400;
    {
        SysDebug log;
        ASSERT_TRUE(log.initialize(folder, folder + "profile.ini"));
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&log, t] {
                const std::string payload(100, static_cast<char>('a' + t));
                for (int i = 0; i < kRecords; ++i)
                    log.debug(DEBUG_MSG_INFO, "void worker()", currentThreadTag(), "%s|%d|%d|%s", currentThreadTag(), t,
                              i, payload.c_str());
            });
        }
        for (auto& thread : threads)
            thread.join();
    }
    // The plain head ends in CR alone; record lines in LF.
    const QStringList lines = QString::fromUtf8(logBytes()).split(QRegularExpression("[\r\n]"), Qt::SkipEmptyParts);
    QSet<QString> seen;
    for (const QString& line : lines) {
        if (line.startsWith("="))
            continue;
        // Console form: thread tag, TAB, the signature padded to 40 columns, the text.
        const QStringList columns = line.split('\t');
        ASSERT_EQ(columns.size(), 2) << line.toStdString();
        ASSERT_TRUE(columns[1].startsWith(QString("void worker()").leftJustified(40)));
        const QStringList parts = columns[1].mid(40).split('|');
        ASSERT_EQ(parts.size(), 4) << line.toStdString();
        EXPECT_EQ(columns[0], parts[0]) << "thread tag of another thread";
        const int t = parts[1].toInt();
        EXPECT_EQ(parts[3], QString(100, QChar('a' + t)));
        seen.insert(parts[1] + "/" + parts[2]);
    }
    EXPECT_EQ(seen.size(), kThreads * kRecords);
}

TEST_F(SysDebugTest, SettingsGroupReadsKeysWithDefaults)
{
    const QString path = m_dir.filePath("profile.ini");
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue("/Sys_Debug/Enable", true);
        settings.setValue("/Sys_Debug/LogTag", "record FC");
        settings.setValue("/Sys_Debug/FieldThread", false);
        settings.setValue("/Sys_Debug/MsgWarning", false);
        settings.setValue("/Sys_Debug/AutoLogKeepMax", 10);
    }
    QSettings settings(path, QSettings::IniFormat);
    SysDebug log;
    log.readProfileIni(&settings);
    EXPECT_TRUE(log.debugEnabled());
    EXPECT_TRUE(log.recordMode());
    EXPECT_TRUE(log.closeAfterEachLine());
    EXPECT_FALSE(log.fieldFlag(DEBUG_FIELD_THREAD));
    EXPECT_TRUE(log.fieldFlag(DEBUG_FIELD_NOTE));
    EXPECT_FALSE(log.levelFlag(DEBUG_MSG_WARNING));
    EXPECT_TRUE(log.levelFlag(DEBUG_MSG_ERROR));
    EXPECT_FALSE(log.levelFlag(DEBUG_MSG_DEEP));
    EXPECT_EQ(log.autoLogKeepMax(), 10);
    EXPECT_TRUE(log.autoLogEnable());
    EXPECT_TRUE(log.encryptionEnable());
    EXPECT_FALSE(log.decryptionEnable());

    // The stored bound changes nothing: the ring still keeps 1000 records.
    SysDebug plain;
    for (int i = 0; i < 1100; ++i)
        logOne(plain, DEBUG_MSG_INFO, "f", "x");
    plain.msgProc();
    EXPECT_EQ(plain.autoLogRing().size(), 1000u);

    // Only missing keys are written back, and only by the writer nothing calls.
    QSettings writable(path, QSettings::IniFormat);
    log.writeProfileIni(&writable);
    EXPECT_EQ(writable.value("/Sys_Debug/AutoLogKeepMax").toInt(), 10);
    EXPECT_EQ(writable.value("/Sys_Debug/MsgWarning").toBool(), false);
    EXPECT_TRUE(writable.contains("/Sys_Debug/MsgDeep"));
    EXPECT_EQ(writable.value("/Sys_Debug/MsgDeep").toBool(), false);
    EXPECT_TRUE(writable.contains("/Sys_Debug/DecryptionEnable"));
}

TEST_F(SysDebugTest, WithoutProfileNothingIsReadAndLoggingStaysOff)
{
    const QString folder = m_dir.path() + "/";
    SysDebug log;
    ASSERT_TRUE(log.initialize(folder, folder + "profile.ini"));
    EXPECT_FALSE(log.debugEnabled());
    EXPECT_TRUE(log.autoLogEnable());
    EXPECT_TRUE(log.encryptionEnable());
    EXPECT_FALSE(QFile::exists(folder + "profile.ini"));
}

TEST_F(SysDebugTest, StakeRecordsOpenAndClose)
{
    SysDebug log;
    log.setEncryption(false);
    log.setMsgFieldFlag(0x4u | 0x8u | 0x40u);
    SDebugMsgData open = SDebugMsgData::stamped();
    open.code = 3;
    open.level = DEBUG_MSG_STAKE;
    open.text = "begin";
    log.printMsgProc(open);
    EXPECT_EQ(open.level, DEBUG_MSG_STAKE);

    SDebugMsgData other = SDebugMsgData::stamped();
    other.code = 9;
    other.level = DEBUG_MSG_INFO;
    log.printMsgProc(other);
    EXPECT_EQ(other.level, DEBUG_MSG_DEBUG); // matches no stake

    SDebugMsgData close = SDebugMsgData::stamped();
    close.code = 3;
    close.level = DEBUG_MSG_INFO;
    close.text = "end";
    log.printMsgProc(close);
    EXPECT_EQ(close.level, DEBUG_MSG_FINISH);
    EXPECT_EQ(close.text, "end");
}
