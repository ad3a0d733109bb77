#include "SysDebug.h"

#include "PortalQDt.h"
#include "Thread.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QMessageLogger>
#include <QSettings>
#include <cmath>
#include <ctime>

namespace {

constexpr int kFunctionColumn = 40;
constexpr const char* kHeadRule = "==============================";

struct LevelKey
{
    DEBUG_MSG_LEVEL level;
    const char* key;
};

// Levels 0 and 2 have no key and keep their switches.
const LevelKey kLevelKeys[] = {
    {DEBUG_MSG_STAKE, "MsgStake"},   {DEBUG_MSG_INFO, "MsgInfo"},         {DEBUG_MSG_WARNING, "MsgWarning"},
    {DEBUG_MSG_ERROR, "MsgError"},   {DEBUG_MSG_CRITICAL, "MsgCritical"}, {DEBUG_MSG_EXCEPTION, "MsgException"},
    {DEBUG_MSG_LEAVE, "MsgLeave"},   {DEBUG_MSG_PROFILE, "MsgProfile"},   {DEBUG_MSG_CONTROL, "MsgControl"},
    {DEBUG_MSG_ACTION, "MsgAction"}, {DEBUG_MSG_DEEP, "MsgDeep"},         {DEBUG_MSG_DEBUG, "MsgDebug"},
};

// In mask bit order.
const char* const kFieldKeys[DEBUG_MSG_FIELD_COUNT] = {"FieldTag",    "FieldTime",     "FieldLevel", "FieldCode",
                                                       "FieldThread", "FieldClassFun", "FieldNote"};

QString keyOf(const char* name)
{
    return QStringLiteral("/%1/%2").arg(QLatin1String(SysDebug::kGroupName), QLatin1String(name));
}

void writeDebugOutput(const QString& text)
{
    QMessageLogger(nullptr, 0, nullptr, "default").debug("%s", text.toLocal8Bit().constData());
}

} // namespace

SysDebug::SysDebug()
{
    setObjectName(QStringLiteral("SysDebug Thread"));
    parameterInitial();
}

SysDebug::~SysDebug()
{
    stop();
}

void SysDebug::stop()
{
    // Workers still running at exit would log into the logger being stopped.
    CThread::stopAll();
    lock();
    m_stop = true;
    m_waiting = false;
    unlock();
    m_condition.wakeAll();
    QThread::wait();
    // Records queued after the thread's last pass are still filed.
    msgProc();
    lock();
    m_stopped = true;
    unlock();
    // A record that came between the last pass and the switch.
    msgProc();
    closeLogFile();
}

bool SysDebug::initialize(const QString& appPath, const QString& profileIniPath)
{
    setAppPath(appPath.toUtf8().toStdString());
    if (QFileInfo::exists(profileIniPath)) {
        QSettings settings(profileIniPath, QSettings::IniFormat);
        readProfileIni(&settings);
    }
    if (m_decryptionEnable) {
        logDecryption();
        writeDebugOutput(QStringLiteral("log decryption"));
        return false;
    }
    const std::string title = recordMode() ? "Record Logging" : "Start Logging";
    writeDebugOutput(compHeadMsg(title, false));
    if (recordMode())
        writeToFile(compHeadMsg(title, m_encryptionEnable), true);
    start(QThread::InheritPriority);
    return true;
}

void SysDebug::readProfileIni(const QSettings* settings)
{
    if (settings == nullptr)
        return;
    setDebugEnable(settings->value(keyOf("Enable"), debugEnabled()).toBool());
    setLogFlag(settings->value(keyOf("LogTag"), QString()).toString().toUtf8().constData());

    bool fields[DEBUG_MSG_FIELD_COUNT];
    for (int field = 0; field < DEBUG_MSG_FIELD_COUNT; ++field)
        fields[field] = settings->value(keyOf(kFieldKeys[field]), true).toBool();
    setMsgFieldFlag(fields);

    bool levels[DEBUG_MSG_LEVEL_COUNT];
    for (int level = 0; level < DEBUG_MSG_LEVEL_COUNT; ++level)
        levels[level] = levelFlag(static_cast<DEBUG_MSG_LEVEL>(level));
    for (const LevelKey& entry : kLevelKeys)
        levels[entry.level] = settings->value(keyOf(entry.key), levels[entry.level]).toBool();
    setMsgDebugFlag(levels);

    m_autoLogEnable = settings->value(keyOf("AutoLogEnable"), m_autoLogEnable).toBool();
    m_autoLogKeepMax = settings->value(keyOf("AutoLogKeepMax"), m_autoLogKeepMax).toInt();
    m_encryptionEnable = settings->value(keyOf("EncryptionEnable"), m_encryptionEnable).toBool();
    m_decryptionEnable = settings->value(keyOf("DecryptionEnable"), m_decryptionEnable).toBool();
}

void SysDebug::writeProfileIni(QSettings* settings)
{
    if (settings == nullptr)
        return;
    auto addMissing = [settings](const char* name, const QVariant& value) {
        if (!settings->contains(keyOf(name)))
            settings->setValue(keyOf(name), value);
    };
    addMissing("Enable", true);
    addMissing("LogTag", QString());
    for (int field = 0; field < DEBUG_MSG_FIELD_COUNT; ++field)
        addMissing(kFieldKeys[field], fieldFlag(static_cast<DEBUG_MSG_FIELD>(field)));
    for (const LevelKey& entry : kLevelKeys)
        addMissing(entry.key, levelFlag(entry.level));
    addMissing("AutoLogEnable", m_autoLogEnable);
    addMissing("AutoLogKeepMax", m_autoLogKeepMax);
    addMissing("EncryptionEnable", m_encryptionEnable);
    addMissing("DecryptionEnable", m_decryptionEnable);
}

void SysDebug::lock()
{
    m_mutex.lock();
}

void SysDebug::unlock()
{
    m_mutex.unlock();
}

void SysDebug::wake()
{
    lock();
    m_waiting = false;
    unlock();
    m_condition.wakeAll();
}

void SysDebug::wait()
{
    lock();
    m_waiting = true;
    while (m_pending.empty() && !m_stop)
        m_condition.wait(&m_mutex);
    unlock();
}

void SysDebug::push(SDebugMsgData record)
{
    m_pending.push_back(std::move(record));
    if (m_stopped) {
        // No thread files it any more; the caller holds the lock, so records stay in order.
        SDebugMsgData taken = std::move(m_pending.front());
        m_pending.pop_front();
        printMsgProc(taken);
        autoLogMsgProc(taken);
        closeLogFile();
    }
}

void SysDebug::print(SDebugMsgData& record)
{
    printMsgProc(record);
}

void SysDebug::run()
{
    for (;;) {
        lock();
        const bool stop = m_stop;
        unlock();
        if (stop)
            break;
        msgProc();
        wait();
    }
}

void SysDebug::msgProc()
{
    std::deque<SDebugMsgData> taken;
    lock();
    taken.swap(m_pending);
    unlock();
    for (SDebugMsgData& record : taken) {
        printMsgProc(record);
        autoLogMsgProc(record);
    }
}

void SysDebug::printMsgProc(SDebugMsgData& record)
{
    if (record.code != -1) {
        record = stakeRecord(record);
        if (record.level == DEBUG_MSG_STAKE || record.level == DEBUG_MSG_FINISH)
            stackState(record.code, record.level);
    }
    if (!debugEnabled() || !levelFlag(record.level))
        return;
    const QString line = printMsg(record, true);
    if (!recordMode())
        return;
    writeToFile(line, isAlarmLevel(record.level) || closeAfterEachLine());
}

void SysDebug::autoLogMsgProc(SDebugMsgData& record)
{
    if (recordMode() || !m_autoLogEnable)
        return;
    const bool alarm = isAlarmLevel(record.level);
    if (alarm) {
        if (debugEnabled())
            writeDebugOutput(compHeadMsg("Auto Logging", false));
        writeToFile(compHeadMsg("Auto Logging", m_encryptionEnable), closeAfterEachLine());
    }
    pushAutoLogMsgQ(record, alarm);
}

void SysDebug::pushAutoLogMsgQ(const SDebugMsgData& record, bool dump)
{
    m_autoLogRing.push_back(record);
    if (!dump) {
        // The bound is fixed; AutoLogKeepMax is only stored.
        while (m_autoLogRing.size() > static_cast<size_t>(kAutoLogRingSize))
            m_autoLogRing.pop_front();
        return;
    }
    while (!m_autoLogRing.empty()) {
        const QString line = printMsg(m_autoLogRing.front(), false);
        m_autoLogRing.pop_front();
        writeToFile(line, closeAfterEachLine());
    }
    static const char kEnd[] = "\r\n";
    writeLogFile(kEnd, sizeof(kEnd) - 1);
    closeLogFile();
}

QString SysDebug::printMsg(SDebugMsgData& record, bool console)
{
    QString line;
    if (fieldFlag(DEBUG_FIELD_TIME)) {
        line += Portal::QDt::ConvtFmtDateTimeToStr(record.wallTime, Portal::QDt::SysTimeZoneType(),
                                                   Portal::QDt::DATE_FORMAT_NONE, Portal::QDt::TIME_FORMAT_HMS);
        line += QLatin1Char(' ');
    }
    if (fieldFlag(DEBUG_FIELD_THREAD)) {
        line += QString::fromStdString(record.threadTag);
        line += QLatin1Char('\t');
    }
    if (fieldFlag(DEBUG_FIELD_CLASSFUN)) {
        const QString name = QString::fromStdString(record.funcName);
        if (name.size() >= kFunctionColumn) {
            line += name + QLatin1Char('\t');
        } else if (console) {
            line += name.leftJustified(kFunctionColumn, QLatin1Char(' '));
        } else {
            const int tabs = std::min(9, (kFunctionColumn - name.size() + 3) / 4);
            line += name + m_tabTexts[tabs];
        }
    }
    if (fieldFlag(DEBUG_FIELD_TAG) && record.tag != ' ')
        line += QLatin1Char(record.tag);
    if (fieldFlag(DEBUG_FIELD_LEVEL)) {
        const QChar letter = QLatin1Char(levelLetter(record.level));
        if (record.level >= DEBUG_MSG_WARNING && record.level <= DEBUG_MSG_LEAVE) {
            line += QLatin1Char('[') + letter + QLatin1Char(']');
        } else if (record.level == DEBUG_MSG_STAKE || record.level == DEBUG_MSG_FINISH) {
            line += QLatin1Char('[');
            if (fieldFlag(DEBUG_FIELD_CODE))
                line += QString::number(record.code);
            line += letter;
            if (record.spanMsecs > 0)
                line += QString::number(record.spanMsecs);
            line += QLatin1Char(']');
        } else if (record.level != DEBUG_MSG_INFO) {
            line += letter + QLatin1Char(')');
        }
    }
    if (fieldFlag(DEBUG_FIELD_NOTE))
        line += QString::fromStdString(record.text);

    if (console)
        writeDebugOutput(line);
    if (m_encryptionEnable)
        return encodeLine(line);
    return line + QLatin1Char('\n');
}

QString SysDebug::encodeLine(QString line)
{
    // Pad so that the line and its LF fill whole Base64 groups: no '=' in the output.
    const int padding = (3 - (line.size() + 1) % 3) % 3;
    line += QString(padding, QLatin1Char(' '));
    line += QLatin1Char('\n');
    return QString::fromLatin1(line.toLatin1().toBase64());
}

QString SysDebug::compHeadMsg(const std::string& title, bool encode)
{
    const QString text =
        QStringLiteral("%1 %2 %3 %4")
            .arg(QLatin1String(kHeadRule), QString::fromStdString(title),
                 Portal::QDt::ConvtFmtDateTimeToStr(::time(nullptr), Portal::QDt::SysTimeZoneType(),
                                                    Portal::QDt::DATE_FORMAT_SHORT, Portal::QDt::TIME_FORMAT_HMS),
                 QLatin1String(kHeadRule));
    return encode ? encodeLine(text) : text + QLatin1Char('\r');
}

void SysDebug::logDecryption()
{
    const QString folder = QString::fromStdString(appPath());
    QFile source(folder + QLatin1String(kLogFileName));
    if (!source.open(QIODevice::ReadOnly))
        return;
    QFile target(folder + QLatin1String(kDecryptFileName));
    if (!target.open(QIODevice::WriteOnly))
        return;
    target.write(QByteArray::fromBase64(source.readAll()));
}

void SysDebug::printMsg(const char* text)
{
    writeDebugOutput(QString::fromLocal8Bit(text));
}

void SysDebug::setEncryption(bool enable)
{
    m_encryptionEnable = enable;
}

void SysDebug::parameterInitial()
{
    std::fill(std::begin(m_stakeStates), std::end(m_stakeStates), 0u);
    for (int count = 0; count < 10; ++count)
        m_tabTexts[count] = QString(count, QLatin1Char('\t'));
}

void SysDebug::stackState(short code, DEBUG_MSG_LEVEL level)
{
    if (code >= 0 && code < 64)
        m_stakeStates[code] = level;
}

void SysDebug::writeToFile(const QString& text, bool closeAfter)
{
    const QByteArray bytes = text.toUtf8();
    writeLogFile(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (closeAfter)
        closeLogFile();
}
