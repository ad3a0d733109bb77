#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <deque>
#include <string>

// Log levels; the letter of each is in CAbstractSysDebug's letter table.
enum DEBUG_MSG_LEVEL : uint32_t {
    DEBUG_MSG_NONE = 0,       // N
    DEBUG_MSG_STAKE = 1,      // S: opens a timed stake
    DEBUG_MSG_FINISH = 2,     // F: closes a stake
    DEBUG_MSG_INFO = 3,       // I
    DEBUG_MSG_WARNING = 4,    // W
    DEBUG_MSG_ERROR = 5,      // E
    DEBUG_MSG_CRITICAL = 6,   // X
    DEBUG_MSG_EXCEPTION = 7,  // !
    DEBUG_MSG_LEAVE = 8,      // L
    DEBUG_MSG_PROFILE = 9,    // P
    DEBUG_MSG_CONTROL = 10,   // C
    DEBUG_MSG_ACTION = 11,    // A
    DEBUG_MSG_DEEP = 12,      // #
    DEBUG_MSG_DEBUG = 13,     // D
};

constexpr int DEBUG_MSG_LEVEL_COUNT = 14;
constexpr int DEBUG_MSG_FIELD_COUNT = 7;

inline bool isAlarmLevel(DEBUG_MSG_LEVEL level)
{
    return level == DEBUG_MSG_ERROR || level == DEBUG_MSG_CRITICAL || level == DEBUG_MSG_EXCEPTION;
}

// One log record, copied whole.
typedef struct SDebugMsgData
{
    char tag = ' ';
    std::string funcName;
    std::string threadTag;
    int16_t code = -1;
    DEBUG_MSG_LEVEL level = DEBUG_MSG_NONE;
    int64_t msecs = 0;      // since the process start clock
    int64_t spanMsecs = 0;  // since the matching stake
    time_t wallTime = ::time(nullptr);
    std::string text;

    // Stamps a record made now: milliseconds since start and the wall clock.
    static SDebugMsgData stamped();
} SDEBUG_MSG_DATA;

// The calling thread's log tag: "0x" and its identifier in 16 hexadecimal digits.
// Kept per thread, so a record always names the thread that made it.
const char* currentThreadTag();

// Field switches, in mask bit order.
enum DEBUG_MSG_FIELD : int {
    DEBUG_FIELD_TAG = 0,
    DEBUG_FIELD_TIME,
    DEBUG_FIELD_LEVEL,
    DEBUG_FIELD_CODE,
    DEBUG_FIELD_THREAD,
    DEBUG_FIELD_CLASSFUN,
    DEBUG_FIELD_NOTE,
};

class CAbstractSysDebug
{
public:
    static constexpr int kMaxMessageLength = 2047;
    static constexpr int kTagWordsSize = 64;
    static constexpr const char* kLogFileName = "logger.log";

    CAbstractSysDebug();
    virtual ~CAbstractSysDebug();

    CAbstractSysDebug(const CAbstractSysDebug&) = delete;
    CAbstractSysDebug& operator=(const CAbstractSysDebug&) = delete;

    // The one logging call: formats, queues one record and returns.
    void debug(DEBUG_MSG_LEVEL level, const char* funcName, const char* threadTag, const char* format, ...)
        __attribute__((format(printf, 5, 6)));

    void setDebugEnable(bool enable);
    void setMsgFieldFlag(const bool* fields);
    void setMsgFieldFlag(unsigned mask);
    void setMsgDebugFlag(const bool* levels);
    void setLogFlag(const char* words);
    void setAppPath(const std::string& folder);
    bool logFileHeadRead(unsigned* mask, char* words);
    static bool checkFileExists(const char* path);
    void delRecordFile();

    bool debugEnabled() const { return m_enable; }
    bool fieldFlag(DEBUG_MSG_FIELD field) const { return m_fieldFlags[field]; }
    bool levelFlag(DEBUG_MSG_LEVEL level) const { return level < DEBUG_MSG_LEVEL_COUNT && m_levelFlags[level]; }
    bool recordMode() const { return m_recordMode; }
    bool closeAfterEachLine() const { return m_closeEachLine; }
    unsigned fieldMask() const { return m_fieldMask; }
    const std::string& appPath() const { return m_appPath; }
    static char levelLetter(DEBUG_MSG_LEVEL level);

protected:
    virtual void lock() = 0;
    virtual void unlock() = 0;
    virtual void wake() = 0;
    virtual void wait() = 0;
    virtual void push(SDebugMsgData record) = 0;
    virtual void print(SDebugMsgData& record) = 0;

    // Passes a coded record through the stake stack; returns the record to print.
    SDebugMsgData stakeRecord(const SDebugMsgData& record);

    // Opens "logger.log" in the working directory for appending unless it is open.
    bool openLogFile();
    void closeLogFile();
    bool writeLogFile(const char* data, size_t length);

    int16_t m_lastStakeCode = 0;

private:
    void applyFieldMask(unsigned mask);
    void applyTagWords(const char* words);

    bool m_enable = false;
    unsigned m_fieldMask = 0xFFFF;
    bool m_fieldFlags[DEBUG_MSG_FIELD_COUNT] = {};
    bool m_levelFlags[DEBUG_MSG_LEVEL_COUNT] = {};
    bool m_recordMode = false;
    bool m_closeEachLine = false;
    char m_tagWords[kTagWordsSize] = {};
    std::string m_appPath;
    FILE* m_logFile = nullptr;
    std::deque<SDebugMsgData> m_stakeStack;
};
