#pragma once

#include "wifi/WiFiScope.h"

#include <atomic>
#include <cstddef>
#include <queue>
#include <string>

// Gathers the Wi-Fi module's reply lines into complete replies and reads them into the
// records. Runs on the communication thread, line by line.
class CXQDWiFiPaser
{
public:
    // A received line is handled as at most this many characters.
    static constexpr size_t kLineLimit = 200;
    // A reply that never gets its end line grows no further than this; it is then dropped.
    static constexpr size_t kReplyLimit = 16384;

    CXQDWiFiPaser();

    void init();
    void cmdProc(const char* line, WiFiScope::SCmdProcData* target);
    void retrieWiFiCommand(const std::string& line);
    static void segmentSentence(const char* text, std::queue<std::string>& lines);
    void setSentenceRetrieveState(SENTENCE_RETRIEVE_S state) { m_state = state; }
    SENTENCE_RETRIEVE_S sentenceRetrieveState() const { return m_state; }
    int currentCommand() const { return m_cmdId; }
    const std::string& replyBuffer() const { return m_reply; }

    void appendStrToBuf(const char* text);
    void clearStrBuf(const std::string& text);
    void clearSentenceQueue();
    void clearScanQueue();

    // Query and setting replies.
    void queryATResp(const char* reply, WiFiScope::SCmdProcData* target);
    void settingATResp(const char* reply, WiFiScope::SCmdProcData* target);
    static bool checkCfgModeEnable(const char* line);
    // Forgets what the configuration-mode check has seen (a new link starts afresh).
    static void resetCfgModeCheck();

    // Text readers: never past the text's end, never past the destination's size.
    static bool delimDataRead(char* destination, size_t size, const char* text, const char* key);
    static bool intDataRead(int* out, const char* key, const char* text);
    static bool charDataRead(char* out, size_t size, const char* key, int count, const char* text);
    static void fillZeros(char* text);

    // Scan results and link status.
    void scanDataPaser(std::queue<std::string>& lines, std::queue<WiFiScope::SClientAPData>& records);
    static void classifyScanData(std::queue<WiFiScope::SClientAPData> records, WiFiScope::SWiFiData* target);
    static void clientAPCntStatus(const char* token, WiFiScope::SCmdProcData* target);

private:
    std::queue<std::string> m_lines;
    std::queue<WiFiScope::SClientAPData> m_records;
    SENTENCE_RETRIEVE_S m_state = SENTENCE_RETRIEVE_IDLE;
    std::string m_spare;
    std::string m_reply;
    int m_cmdId = WiFiScope::WIFI_AT_NONE;
    WiFiScope::SWiFiCmdTable m_table;

    static inline std::atomic<bool> s_modeActive{false};
    static inline std::atomic<bool> s_exitPending{false};
};
