#include "RawDataHandle.h"

#include "services/SysDebug.h"

#include <QMutexLocker>
#include <algorithm>
#include <cstring>
#include <string_view>

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

constexpr size_t kNotFound = std::string::npos;

// Appends data to text without its NUL bytes.
void appendWithoutNul(std::string& text, const char* data, size_t size)
{
    const char* const end = data + size;
    while (data < end) {
        const void* nul = std::memchr(data, '\0', static_cast<size_t>(end - data));
        const char* stop = nul != nullptr ? static_cast<const char*>(nul) : end;
        text.append(data, static_cast<size_t>(stop - data));
        data = nul != nullptr ? stop + 1 : end;
    }
}

// Position of c in text from position from up to size, or kNotFound.
size_t findChar(const char* text, size_t from, size_t size, char c)
{
    const void* at = std::memchr(text + from, c, size - from);
    return at != nullptr ? static_cast<size_t>(static_cast<const char*>(at) - text) : kNotFound;
}

// Position of the first CR LF pair in text from position from up to size, or kNotFound.
size_t findCrLf(const char* text, size_t from, size_t size)
{
    while (from + 1 < size) {
        const size_t at = findChar(text, from, size - 1, '\r');
        if (at == kNotFound)
            return kNotFound;
        if (text[at + 1] == '\n')
            return at;
        from = at + 1;
    }
    return kNotFound;
}

void warnDiscarded(size_t discarded)
{
    if (discarded > 0)
        SYS_DEBUG(DEBUG_MSG_WARNING, "no line end in %zu bytes, discarded", discarded);
}

size_t sizeOf(const QByteArray& data)
{
    return static_cast<size_t>(data.size());
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

template <class Take> size_t CRawDataHandle::cutLines(const char* data, size_t size, Take&& take)
{
    // A NUL byte is never part of a line; dropping it keeps the lines around it. With no
    // partial line waiting and no NUL, the chunk is cut where it lies and only its rest kept.
    const bool inPlace = m_strBuf.empty() && (size == 0 || std::memchr(data, '\0', size) == nullptr);
    if (!inPlace)
        appendWithoutNul(m_strBuf, data, size);
    const char* const text = inPlace ? data : m_strBuf.data();
    const size_t n = inPlace ? size : m_strBuf.size();

    size_t p = 0;
    // The LF of a CR LF that a read split in two belongs to the line already cut at its CR.
    if (m_crEndedBuffer && n > 0) {
        if (text[0] == '\n')
            p = 1;
        m_crEndedBuffer = false;
    }
    const size_t first = p;

    // A CR LF anywhere ahead wins over an earlier lone LF or CR. Once a search fails, the
    // rest of the text cannot hold that ending either.
    bool noCrLf = false;
    bool noLf = false;
    while (p < n) {
        size_t end = kNotFound;
        if (!noCrLf) {
            const size_t at = findCrLf(text, p, n);
            noCrLf = at == kNotFound;
            if (!noCrLf)
                end = at + 2;
        }
        if (end == kNotFound && !noLf) {
            const size_t at = findChar(text, p, n, '\n');
            noLf = at == kNotFound;
            if (!noLf)
                end = at + 1;
        }
        if (end == kNotFound) {
            const size_t at = findChar(text, p, n, '\r');
            if (at == kNotFound)
                break;
            end = at + 1;
        }
        matchResponse(text + p, end - p);
        take(text + p, end - p);
        p = end;
    }
    m_crEndedBuffer = p > first && p == n && text[p - 1] == '\r';
    if (inPlace)
        m_strBuf.assign(text + p, n - p);
    else
        m_strBuf.erase(0, p);
    if (m_strBuf.size() <= kPartialLineLimit)
        return 0;
    const size_t discarded = m_strBuf.size();
    m_strBuf.clear();
    return discarded;
}

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
    size_t discarded;
    {
        QMutexLocker locker(&m_mutex);
        discarded = cutLines(data.constData(), sizeOf(data), [this](const char* text, size_t length) {
            std::string line(text, length);
            completeLineEnd(line);
            if (line != "\r\n")
                m_messageQ.push(QByteArray(line.data(), static_cast<int>(line.size())));
        });
    }
    warnDiscarded(discarded);
}

void CRawDataHandle::appendToSentQ(const QByteArray& data)
{
    bool emptied;
    size_t discarded;
    {
        QMutexLocker locker(&m_mutex);
        emptied = m_sentenceQ.size() >= kQueueBound;
        if (emptied)
            m_sentenceQ.clear();
        discarded = cutLines(data.constData(), sizeOf(data),
                             [this](const char* line, size_t length) { m_sentenceQ.push(line, length); });
    }
    warnDiscarded(discarded);
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
    // By size, one character per byte: a NUL or a byte that is no text is kept like any other.
    while (queueNextLogMsg(&chunk))
        text += QString::fromLatin1(chunk.constData(), chunk.size());
    return text;
}

bool CRawDataHandle::queueNextMessage(QByteArray* out)
{
    return takeFront(m_mutex, m_messageQ, out);
}

bool CRawDataHandle::queueNextSentence(std::string* out)
{
    QMutexLocker locker(&m_mutex);
    return m_sentenceQ.take(out);
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
    QMutexLocker locker(&m_mutex);
    m_sentenceQ.clear();
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
    size_t discarded;
    {
        QMutexLocker locker(&m_mutex);
        discarded = cutLines(chunk.data(), chunk.size(),
                             [&lines](const char* line, size_t length) { lines.emplace_back(line, length); });
    }
    warnDiscarded(discarded);
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
    size_t discarded;
    {
        QMutexLocker locker(&m_mutex);
        discarded = cutLines(chunk.data(), chunk.size(),
                             [this](const char* line, size_t length) { m_sentenceQ.push(line, length); });
    }
    warnDiscarded(discarded);
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
void CRawDataHandle::matchResponse(const char* line, size_t length)
{
    if (m_response.timeoutMs == 0)
        return;
    const std::string_view awaited(m_response.awaitText, ::strnlen(m_response.awaitText, sizeof(m_response.awaitText)));
    if (std::string_view(line, length).find(awaited) != std::string_view::npos)
        m_response = SResponseInform();
}

} // namespace COMM
