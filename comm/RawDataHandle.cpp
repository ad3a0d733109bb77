#include "RawDataHandle.h"

#include "services/SysDebug.h"

#include <QMutexLocker>
#include <algorithm>
#include <cstring>

namespace COMM {

namespace {

// Empties a queue that has reached its bound, so that one more entry fits.
template <class Queue> bool emptyWhenFull(Queue& queue, size_t bound)
{
    if (queue.size() < bound)
        return false;
    Queue().swap(queue);
    return true;
}

// Queues value under the mutex; true when the queue had to be emptied first.
template <class Queue, class Value> bool pushBounded(QMutex& mutex, Queue& queue, size_t bound, const Value& value)
{
    QMutexLocker locker(&mutex);
    const bool emptied = emptyWhenFull(queue, bound);
    queue.push(value);
    return emptied;
}

template <class Queue, class Value> bool takeFront(QMutex& mutex, Queue& queue, Value* out)
{
    QMutexLocker locker(&mutex);
    if (queue.empty())
        return false;
    if (out != nullptr)
        *out = queue.front();
    queue.pop();
    return true;
}

template <class Queue> void clearQueue(QMutex& mutex, Queue& queue)
{
    QMutexLocker locker(&mutex);
    Queue().swap(queue);
}

std::string toStdString(const QByteArray& data)
{
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

// Position of c, or of its second occurrence when the first is at 0 (0 when none); -1 when absent.
int startIndex(const char* text, char c)
{
    if (text == nullptr)
        return -1;
    const char* first = std::strchr(text, c);
    if (first == nullptr)
        return -1;
    if (first != text)
        return static_cast<int>(first - text);
    const char* second = std::strchr(text + 1, c);
    return second != nullptr ? static_cast<int>(second - text) : 0;
}

} // namespace

CRawDataHandle::CRawDataHandle() = default;

CRawDataHandle::~CRawDataHandle() = default;

void CRawDataHandle::appendToLogMsgQ(const QByteArray& data)
{
    uint64_t dropped = 0;
    {
        QMutexLocker locker(&m_mutex);
        if (m_logMsgQ.size() >= kQueueBound) {
            m_logMsgQ.pop();
            dropped = ++m_droppedLogMsgs;
        }
        m_logMsgQ.push(data);
    }
    // Once at the first drop and once per queue's worth after it, not for every chunk.
    if (dropped % kQueueBound == 1)
        SYS_DEBUG(DEBUG_MSG_WARNING, "log messages not taken: %llu dropped",
                  static_cast<unsigned long long>(dropped));
}

uint64_t CRawDataHandle::droppedLogMsgCount()
{
    QMutexLocker locker(&m_mutex);
    return m_droppedLogMsgs;
}

void CRawDataHandle::appendToMsgQ(const QByteArray& data, bool split)
{
    bool emptied;
    {
        QMutexLocker locker(&m_mutex);
        emptied = emptyWhenFull(m_messageQ, kQueueBound);
    }
    if (emptied)
        SYS_DEBUG(DEBUG_MSG_WARNING, "many messages dosn't process in queue");

    if (!split) {
        QMutexLocker locker(&m_mutex);
        m_messageQ.push(data);
        return;
    }
    std::vector<std::string> lines = retrieveString(toStdString(data));
    QMutexLocker locker(&m_mutex);
    for (std::string& line : lines) {
        completeLineEnd(line);
        if (line == "\r\n")
            continue;
        m_messageQ.push(QByteArray(line.data(), static_cast<int>(line.size())));
    }
}

void CRawDataHandle::appendToSentQ(const QByteArray& data)
{
    std::vector<std::string> lines = retrieveString(toStdString(data));
    bool emptied;
    {
        QMutexLocker locker(&m_mutex);
        emptied = emptyWhenFull(m_sentenceQ, kQueueBound);
        for (std::string& line : lines)
            m_sentenceQ.push(std::move(line));
    }
    if (emptied)
        SYS_DEBUG(DEBUG_MSG_WARNING, "many sentence dosn't process in queue");
}

void CRawDataHandle::appendToBinQ(const QByteArray& data)
{
    if (pushBounded(m_mutex, m_binDataQ, kQueueBound, data))
        SYS_DEBUG(DEBUG_MSG_WARNING, "many binaray datas dosn't process in queue");
}

void CRawDataHandle::appendToCmdQ(const QByteArray& data)
{
    if (pushBounded(m_mutex, m_cmdDataQ, kCmdQueueBound, data))
        SYS_DEBUG(DEBUG_MSG_WARNING, "many command datas dosn't process in queue");
}

bool CRawDataHandle::queueNextLogMsg(QByteArray* out)
{
    return takeFront(m_mutex, m_logMsgQ, out);
}

QString CRawDataHandle::takeLogText()
{
    QString text;
    QByteArray chunk;
    while (queueNextLogMsg(&chunk))
        text += QString::fromLatin1(chunk.constData());
    return text;
}

bool CRawDataHandle::queueNextMessage(QByteArray* out)
{
    return takeFront(m_mutex, m_messageQ, out);
}

bool CRawDataHandle::queueNextSentence(std::string* out)
{
    return takeFront(m_mutex, m_sentenceQ, out);
}

bool CRawDataHandle::queueNextBinData(QByteArray* out)
{
    return takeFront(m_mutex, m_binDataQ, out);
}

bool CRawDataHandle::queueNextCmdData(QByteArray* out)
{
    return takeFront(m_mutex, m_cmdDataQ, out);
}

void CRawDataHandle::clearQueueLogMsg()
{
    clearQueue(m_mutex, m_logMsgQ);
}

void CRawDataHandle::clearQueueMessage()
{
    clearQueue(m_mutex, m_messageQ);
}

void CRawDataHandle::clearQueueSentence()
{
    clearQueue(m_mutex, m_sentenceQ);
}

void CRawDataHandle::clearQueueBinData()
{
    clearQueue(m_mutex, m_binDataQ);
}

void CRawDataHandle::clearQueueCmdData()
{
    clearQueue(m_mutex, m_cmdDataQ);
}

void CRawDataHandle::clearAllData()
{
    {
        QMutexLocker locker(&m_mutex);
        m_strBuf.clear();
        m_crEndedBuffer = false;
    }
    clearQueueLogMsg();
    clearQueueMessage();
    clearQueueSentence();
    clearQueueBinData();
    clearQueueCmdData();
}

void CRawDataHandle::resetResponsePass()
{
    QMutexLocker locker(&m_mutex);
    m_response = SResponseInform();
}

void CRawDataHandle::setResponseInform(const SResponseInform& response)
{
    QMutexLocker locker(&m_mutex);
    m_response = response;
    m_response.awaitText[kAwaitTextSize - 1] = '\0';
}

SResponseInform CRawDataHandle::getResponseInform()
{
    QMutexLocker locker(&m_mutex);
    return m_response;
}

std::vector<std::string> CRawDataHandle::retrieveString(const std::string& chunk)
{
    std::vector<std::string> lines;
    size_t discarded = 0;
    {
        QMutexLocker locker(&m_mutex);
        // A NUL byte is never part of a line; dropping it keeps the lines around it.
        m_strBuf.reserve(m_strBuf.size() + chunk.size());
        std::copy_if(chunk.begin(), chunk.end(), std::back_inserter(m_strBuf), [](char c) { return c != '\0'; });
        // The LF of a CR LF that a read split in two belongs to the line already cut at its CR.
        if (m_crEndedBuffer && !m_strBuf.empty()) {
            if (m_strBuf.front() == '\n')
                m_strBuf.erase(0, 1);
            m_crEndedBuffer = false;
        }

        // A CR LF anywhere ahead wins over an earlier lone LF or CR. Once a search
        // fails, the rest of the text cannot hold that ending either.
        const std::string& text = m_strBuf;
        bool noCrLf = false;
        bool noLf = false;
        size_t p = 0;
        while (p < text.size()) {
            size_t end = std::string::npos;
            if (!noCrLf) {
                const size_t at = text.find("\r\n", p);
                noCrLf = at == std::string::npos;
                if (!noCrLf)
                    end = at + 2;
            }
            if (end == std::string::npos && !noLf) {
                const size_t at = text.find('\n', p);
                noLf = at == std::string::npos;
                if (!noLf)
                    end = at + 1;
            }
            if (end == std::string::npos) {
                const size_t at = text.find('\r', p);
                if (at == std::string::npos)
                    break;
                end = at + 1;
            }
            lines.emplace_back(text, p, end - p);
            matchResponse(lines.back());
            p = end;
        }
        m_crEndedBuffer = p > 0 && p == text.size() && text[p - 1] == '\r';
        m_strBuf.erase(0, p);
        if (m_strBuf.size() > kPartialLineLimit) {
            discarded = m_strBuf.size();
            m_strBuf.clear();
        }
    }
    if (discarded > 0)
        SYS_DEBUG(DEBUG_MSG_WARNING, "no line end in %zu bytes, discarded", discarded);
    return lines;
}

void CRawDataHandle::completeLineEnd(std::string& line)
{
    if (line.find("\r\n") != std::string::npos)
        return;
    if (!line.empty() && line.back() == '\n') {
        line.insert(line.size() - 1, 1, '\r');
        return;
    }
    if (line.empty() || line.back() != '\r')
        line.push_back('\r');
    line.push_back('\n');
}

void CRawDataHandle::clearStrBuf(std::string text)
{
    QMutexLocker locker(&m_mutex);
    m_strBuf = std::move(text);
    m_crEndedBuffer = false;
}

void CRawDataHandle::swapQueueMessage(std::queue<QByteArray>* other)
{
    if (other == nullptr)
        return;
    QMutexLocker locker(&m_mutex);
    m_messageQ.swap(*other);
}

void CRawDataHandle::retrieveSentence(const std::string& chunk)
{
    std::vector<std::string> lines = retrieveString(chunk);
    QMutexLocker locker(&m_mutex);
    for (std::string& line : lines)
        m_sentenceQ.push(std::move(line));
}

// With a for '!' and b for '$': one at 0 and the other absent, the text is one
// sentence (len); both past the start, the nearer; otherwise the larger (-1 when neither).
int CRawDataHandle::findI62Sentence(const char* text, int len)
{
    const int a = startIndex(text, '!');
    const int b = startIndex(text, '$');
    if ((a == 0 && b == -1) || (b == 0 && a == -1))
        return len;
    if (a >= 1 && b >= 1)
        return std::min(a, b);
    return std::max(a, b);
}

int CRawDataHandle::findSentenceChartIndex(const char* text, char c)
{
    return startIndex(text, c);
}

// Called with the mutex held.
void CRawDataHandle::matchResponse(const std::string& line)
{
    if (m_response.timeoutMs == 0)
        return;
    const size_t length = ::strnlen(m_response.awaitText, sizeof(m_response.awaitText));
    if (line.find(m_response.awaitText, 0, length) != std::string::npos)
        m_response = SResponseInform();
}

} // namespace COMM
