#include "wifi/XQDWiFiPaser.h"

#include "services/SysDebug.h"

#include <cstring>

// Reply reassembly: one reply is the echo line and every line after it up to its end line.

CXQDWiFiPaser::CXQDWiFiPaser()
{
    clearSentenceQueue();
    clearScanQueue();
}

void CXQDWiFiPaser::init()
{
    m_spare.clear();
    m_reply.clear();
    m_state = SENTENCE_RETRIEVE_IDLE;
    m_cmdId = WiFiScope::WIFI_AT_NONE;
    clearSentenceQueue();
    clearScanQueue();
}

void CXQDWiFiPaser::cmdProc(const char* line, WiFiScope::SCmdProcData* target)
{
    if (line == nullptr || target == nullptr)
        return;
    std::string text(line, strnlen(line, kLineLimit + 1));
    if (text.size() > kLineLimit) {
        // Cut as a line of its own: without its CR LF it would swallow the line after it.
        SYS_DEBUG(DEBUG_MSG_WARNING, "Wi-Fi line longer than %zu characters cut", kLineLimit);
        text.resize(kLineLimit - 2);
        text += "\r\n";
    }
    std::string printable;
    for (char c : text) {
        if (c == '\r')
            printable += "\\r";
        else if (c == '\n')
            printable += "\\n\n";
        else
            printable += c;
    }
    SYS_DEBUG(DEBUG_MSG_INFO, "[Original WiFi Sentence]%s", printable.c_str());

    retrieWiFiCommand(text);
    if (m_state != SENTENCE_RETRIEVE_DONE)
        return;
    m_state = SENTENCE_RETRIEVE_IDLE;
    const std::string reply = m_reply;
    if (reply.compare(0, 4, ">AT+") == 0 && reply.find("+ok=") != std::string::npos)
        queryATResp(reply.c_str(), target);
    else if (reply.compare(0, 4, ">AT+") == 0 && reply.find("+ok") != std::string::npos)
        settingATResp(reply.c_str(), target);
    else
        SYS_DEBUG(DEBUG_MSG_INFO, "[Else]=%s", reply.c_str());
    m_spare.clear();
    m_reply.clear();
    m_state = SENTENCE_RETRIEVE_IDLE;
    m_cmdId = WiFiScope::WIFI_AT_NONE;
    clearSentenceQueue();
    clearScanQueue();
}

void CXQDWiFiPaser::retrieWiFiCommand(const std::string& line)
{
    if (m_state == SENTENCE_RETRIEVE_DONE || line == "\r\n" || line == "\r" || line == "\n") {
        SYS_DEBUG(DEBUG_MSG_INFO, "Sentence Retrieve State Wrong:");
        SYS_DEBUG(DEBUG_MSG_INFO, "Input : %s", line.c_str());
        SYS_DEBUG(DEBUG_MSG_INFO, "Buffer : %s", m_reply.c_str());
        return;
    }
    if (m_state == SENTENCE_RETRIEVE_IDLE) {
        m_cmdId = m_table.find(line.c_str());
        if (m_cmdId == WiFiScope::WIFI_AT_NONE) {
            SYS_DEBUG(DEBUG_MSG_INFO, "Retrieve command not exist:%s", line.c_str());
            m_reply.clear();
            return;
        }
    }
    bool ends;
    if (m_cmdId == WiFiScope::WIFI_AT_APPLY)
        ends = line.find("entering learning state") != std::string::npos;
    else if (m_cmdId == WiFiScope::WIFI_AT_SCAN)
        ends = line.find("WiFiScanEnd") != std::string::npos;
    else
        ends = line.find(m_table.cmd[WiFiScope::WIFI_AT_OK]) != std::string::npos ||
               line.find(m_table.cmd[WiFiScope::WIFI_AT_ERR]) != std::string::npos;
    // A reply whose end never comes would swallow everything after it.
    if (m_reply.size() + line.size() > kReplyLimit) {
        SYS_DEBUG(DEBUG_MSG_WARNING, "Wi-Fi reply of %zu bytes without its end, dropped", m_reply.size());
        init();
        return;
    }
    m_reply += line;
    m_state = ends ? SENTENCE_RETRIEVE_DONE : SENTENCE_RETRIEVE_COLLECT;
}

void CXQDWiFiPaser::segmentSentence(const char* text, std::queue<std::string>& lines)
{
    if (text == nullptr)
        return;
    const size_t length = std::strlen(text);
    size_t at = 0;
    for (size_t pieces = 0; at < length && pieces < length; ++pieces) {
        const char* end = std::strstr(text + at, "\r\n");
        if (end == nullptr)
            break;
        const size_t stop = static_cast<size_t>(end - text) + 2;
        lines.push(std::string(text + at, stop - at));
        at = stop;
    }
}

void CXQDWiFiPaser::appendStrToBuf(const char* text)
{
    if (text != nullptr)
        m_spare += text;
}

void CXQDWiFiPaser::clearStrBuf(const std::string& text)
{
    m_spare.clear();
    if (!text.empty())
        m_spare = text;
}

void CXQDWiFiPaser::clearSentenceQueue()
{
    std::queue<std::string>().swap(m_lines);
}

void CXQDWiFiPaser::clearScanQueue()
{
    std::queue<WiFiScope::SClientAPData>().swap(m_records);
}
