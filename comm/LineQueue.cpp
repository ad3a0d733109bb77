#include "LineQueue.h"

namespace COMM {

namespace {

// Taken lines are dropped from the front once they fill at least this much and as much as
// the lines still waiting: moving the rest then costs no more than it frees.
constexpr size_t kCompactBytes = 4096;

} // namespace

void CLineQueue::push(const char* text, size_t length)
{
    if (m_headStart >= kCompactBytes && m_headStart >= m_text.size() - m_headStart)
        compact();
    m_text.append(text, length);
    m_ends.push_back(m_text.size());
}

bool CLineQueue::take(std::string* out)
{
    if (m_head == m_ends.size())
        return false;
    const size_t end = m_ends[m_head];
    if (out != nullptr)
        out->assign(m_text, m_headStart, end - m_headStart);
    ++m_head;
    m_headStart = end;
    if (m_head == m_ends.size()) {
        // Drained: the buffer starts over and keeps its room for the next lines.
        m_text.clear();
        m_ends.clear();
        m_head = 0;
        m_headStart = 0;
    }
    return true;
}

void CLineQueue::clear()
{
    std::string().swap(m_text);
    std::vector<size_t>().swap(m_ends);
    m_head = 0;
    m_headStart = 0;
}

void CLineQueue::compact()
{
    m_text.erase(0, m_headStart);
    m_ends.erase(m_ends.begin(), m_ends.begin() + static_cast<std::ptrdiff_t>(m_head));
    for (size_t& end : m_ends)
        end -= m_headStart;
    m_head = 0;
    m_headStart = 0;
}

} // namespace COMM
