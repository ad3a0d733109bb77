#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace COMM {

// A first-in first-out queue of text lines kept end to end in one buffer: queuing a line
// copies its bytes and allocates nothing once the buffer has grown to what the reader leaves
// in it. Not locked; the owner's mutex guards it.
class CLineQueue
{
public:
    void push(const char* text, size_t length);
    // Copies the oldest line into out (when given) and removes it; false when empty.
    bool take(std::string* out);
    size_t size() const { return m_ends.size() - m_head; }
    bool empty() const { return size() == 0; }
    // Empties the queue and gives its memory back.
    void clear();

private:
    // Drops the lines already taken from the front of the buffer.
    void compact();

    std::string m_text;
    std::vector<size_t> m_ends; // where each line ends in m_text
    size_t m_head = 0;          // the oldest line not yet taken
    size_t m_headStart = 0;     // where it starts in m_text
};

} // namespace COMM
