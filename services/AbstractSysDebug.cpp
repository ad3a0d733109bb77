#include "AbstractSysDebug.h"

#include "PortalTime.h"

#include <QString>
#include <QThread>
#include <cstdarg>
#include <cstring>
#include <sys/stat.h>

namespace {

const char kLevelLetters[DEBUG_MSG_LEVEL_COUNT] = {'N', 'S', 'F', 'I', 'W', 'E', 'X',
                                                   '!', 'L', 'P', 'C', 'A', '#', 'D'};

// Shared by every thread; written only under the logger's lock.
char s_formatBuffer[CAbstractSysDebug::kMaxMessageLength + 1];

} // namespace

SDebugMsgData SDebugMsgData::stamped()
{
    SDebugMsgData record;
    record.msecs = Portal::Time::Clock::msecsSinceStart();
    record.wallTime = ::time(nullptr);
    return record;
}

const char* currentThreadTag()
{
    thread_local const std::string tag =
        QStringLiteral("0x%1")
            .arg(static_cast<qulonglong>(reinterpret_cast<quintptr>(QThread::currentThreadId())), 16, 16,
                 QLatin1Char('0'))
            .toUtf8()
            .toStdString();
    return tag.c_str();
}

CAbstractSysDebug::CAbstractSysDebug()
{
    for (int level = 0; level < DEBUG_MSG_LEVEL_COUNT; ++level)
        m_levelFlags[level] = level != DEBUG_MSG_DEEP;

    unsigned mask = 0xFFFF;
    char words[kTagWordsSize] = {};
    if (checkFileExists(kLogFileName) && !logFileHeadRead(&mask, words))
        return;  // unreadable log: fields stay off until the settings set them
    applyFieldMask(mask);
    applyTagWords(words);
}

CAbstractSysDebug::~CAbstractSysDebug()
{
    closeLogFile();
    m_stakeStack.clear();
}

void CAbstractSysDebug::debug(DEBUG_MSG_LEVEL level, const char* funcName, const char* threadTag, const char* format,
                              ...)
{
    lock();
    va_list args;
    va_start(args, format);
    std::vsnprintf(s_formatBuffer, sizeof(s_formatBuffer), format, args);
    va_end(args);

    SDebugMsgData record = SDebugMsgData::stamped();
    record.funcName = funcName != nullptr ? funcName : "";
    record.threadTag = threadTag != nullptr ? threadTag : "";
    record.level = level;
    record.text = s_formatBuffer;
    push(std::move(record));
    unlock();
    wake();
}

void CAbstractSysDebug::setDebugEnable(bool enable)
{
    m_enable = enable;
}

void CAbstractSysDebug::setMsgFieldFlag(const bool* fields)
{
    std::memcpy(m_fieldFlags, fields, sizeof(m_fieldFlags));
}

void CAbstractSysDebug::setMsgFieldFlag(unsigned mask)
{
    applyFieldMask(mask);
}

void CAbstractSysDebug::setMsgDebugFlag(const bool* levels)
{
    std::memcpy(m_levelFlags, levels, sizeof(m_levelFlags));
}

void CAbstractSysDebug::setLogFlag(const char* words)
{
    applyTagWords(words);
}

void CAbstractSysDebug::setAppPath(const std::string& folder)
{
    m_appPath = folder;
}

bool CAbstractSysDebug::logFileHeadRead(unsigned* mask, char* words)
{
    FILE* file = std::fopen(kLogFileName, "r+b");
    if (file == nullptr)
        return false;
    unsigned value = 0;
    if (std::fscanf(file, "%x", &value) == 1)
        *mask = value;
    // The rest of the first line: the tag words.
    if (std::fgets(words, kTagWordsSize, file) != nullptr) {
        const size_t end = std::strcspn(words, "\r\n");
        words[end] = '\0';
    } else {
        words[0] = '\0';
    }
    std::fclose(file);
    closeLogFile();
    m_logFile = std::fopen(kLogFileName, "ab");
    return true;
}

bool CAbstractSysDebug::checkFileExists(const char* path)
{
    struct stat info{};
    return ::stat(path, &info) == 0;
}

void CAbstractSysDebug::delRecordFile()
{
    const std::string path = m_appPath + kLogFileName;
    if (checkFileExists(path.c_str())) {
        closeLogFile();
        std::remove(path.c_str());
    }
}

char CAbstractSysDebug::levelLetter(DEBUG_MSG_LEVEL level)
{
    return level < DEBUG_MSG_LEVEL_COUNT ? kLevelLetters[level] : '?';
}

SDebugMsgData CAbstractSysDebug::stakeRecord(const SDebugMsgData& record)
{
    const SDebugMsgData top = m_stakeStack.empty() ? SDebugMsgData() : m_stakeStack.back();
    if (top.code != record.code) {
        SDebugMsgData result = record;
        if (record.level == DEBUG_MSG_STAKE) {
            m_stakeStack.push_back(record);
            m_lastStakeCode = record.code;
        } else {
            result.level = DEBUG_MSG_DEBUG;
        }
        return result;
    }
    SDebugMsgData result = top;
    result.text = record.text;
    result.spanMsecs = Portal::Time::Clock::msecsSinceStart() - top.msecs;
    result.level = DEBUG_MSG_FINISH;
    m_stakeStack.pop_back();
    return result;
}

bool CAbstractSysDebug::openLogFile()
{
    if (m_logFile == nullptr)
        m_logFile = std::fopen(kLogFileName, "ab");
    return m_logFile != nullptr;
}

void CAbstractSysDebug::closeLogFile()
{
    if (m_logFile != nullptr) {
        std::fclose(m_logFile);
        m_logFile = nullptr;
    }
}

bool CAbstractSysDebug::writeLogFile(const char* data, size_t length)
{
    if (!openLogFile())
        return false;
    return std::fwrite(data, 1, length, m_logFile) == length;
}

void CAbstractSysDebug::applyFieldMask(unsigned mask)
{
    m_fieldMask = mask;
    for (int bit = 0; bit < DEBUG_MSG_FIELD_COUNT; ++bit)
        m_fieldFlags[bit] = (mask & (1u << bit)) != 0;
}

void CAbstractSysDebug::applyTagWords(const char* words)
{
    if (words == nullptr || words[0] == '\0')
        return;
    std::snprintf(m_tagWords, sizeof(m_tagWords), "%s", words);
    // Words only switch on.
    if (std::strstr(words, "record") != nullptr)
        m_recordMode = true;
    if (std::strstr(words, "FC") != nullptr)
        m_closeEachLine = true;
    if (std::strstr(words, "DL") != nullptr)
        m_levelFlags[DEBUG_MSG_DEEP] = true;
}
