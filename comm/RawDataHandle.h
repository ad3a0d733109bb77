#pragma once

#include "comm/CommDefine.h"
#include "comm/LineQueue.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <cstdint>
#include <queue>
#include <string>
#include <vector>

namespace COMM {

// The received-data queues of one link: files every received chunk by the link's
// raw-data type, cuts byte streams into lines, and holds the link's one armed reply wait.
class CRawDataHandle
{
public:
    static constexpr size_t kQueueBound = 1000;
    static constexpr size_t kCmdQueueBound = 100;
    // A partial line longer than this is noise (a wrong baud rate, say) and is dropped.
    static constexpr size_t kPartialLineLimit = 4096;

    CRawDataHandle();
    ~CRawDataHandle();

    CRawDataHandle(const CRawDataHandle&) = delete;
    CRawDataHandle& operator=(const CRawDataHandle&) = delete;

    // Keeps the newest kQueueBound chunks: a link whose log receiver never takes them drops
    // the oldest, counted.
    void appendToLogMsgQ(const QByteArray& data);
    uint64_t droppedLogMsgCount();
    void appendToMsgQ(const QByteArray& data, bool split);
    void appendToSentQ(const QByteArray& data);
    void appendToBinQ(const QByteArray& data);
    void appendToCmdQ(const QByteArray& data);

    // Each takes the oldest entry into out; false when the queue is empty.
    bool queueNextLogMsg(QByteArray* out);
    bool queueNextMessage(QByteArray* out);
    bool queueNextSentence(std::string* out);
    bool queueNextBinData(QByteArray* out);
    bool queueNextCmdData(QByteArray* out);
    // Every queued log chunk joined into one text, each byte one Latin-1 character (NULs
    // included); empty when none.
    QString takeLogText();

    void clearQueueLogMsg();
    void clearQueueMessage();
    void clearQueueSentence();
    void clearQueueBinData();
    void clearQueueCmdData();
    void clearAllData();

    // Reply wait: armed by the transmit step, ended by a matching line, its time-out or a reset.
    void resetResponsePass();
    void setResponseInform(const SResponseInform& response);
    SResponseInform getResponseInform();

    // Appends chunk to the partial line and returns the complete lines, terminators kept.
    std::vector<std::string> retrieveString(const std::string& chunk);
    // Makes a message line end in CR LF.
    static void completeLineEnd(std::string& line);

    void clearStrBuf(std::string text);
    void swapQueueMessage(std::queue<QByteArray>* other);
    void retrieveSentence(const std::string& chunk);

    // Position of the next sentence start in a NUL-terminated text; see the source.
    static int findI62Sentence(const char* text, int len);
    // First position of c, or of its second occurrence when the first is at 0.
    static int findSentenceChartIndex(const char* text, char c);

private:
    // Cuts the partial line and size bytes of data into complete lines and hands each, in
    // order, to take(const char* line, size_t length); the rest waits for the next chunk.
    // Called with the mutex held; returns the bytes of an endless partial line dropped.
    template <class Take> size_t cutLines(const char* data, size_t size, Take&& take);
    void matchResponse(const char* line, size_t length);

    QMutex m_mutex;
    std::string m_strBuf;
    // The last line was cut at a CR that ended everything received so far.
    bool m_crEndedBuffer = false;
    std::queue<QByteArray> m_logMsgQ;
    uint64_t m_droppedLogMsgs = 0;
    std::queue<QByteArray> m_messageQ;
    CLineQueue m_sentenceQ;
    std::queue<QByteArray> m_binDataQ;
    std::queue<QByteArray> m_cmdDataQ;
    SResponseInform m_response;
};

} // namespace COMM
