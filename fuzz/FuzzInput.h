#pragma once

// Reading a fuzzer's bytes as the values a target needs, without reading past them.
#include <cstddef>
#include <cstdint>
#include <string>

namespace Fuzz {

class CInput
{
public:
    CInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_at >= m_size; }

    // One byte, 0 once the input is used up.
    uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }

    uint16_t word()
    {
        const uint16_t high = byte();
        return static_cast<uint16_t>(high << 8 | byte());
    }

    // Up to n bytes as text (fewer at the end of the input).
    std::string text(size_t n)
    {
        const size_t take = n < m_size - m_at ? n : m_size - m_at;
        std::string out(reinterpret_cast<const char*>(m_data + m_at), take);
        m_at += take;
        return out;
    }

    std::string rest() { return text(m_size - m_at); }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

} // namespace Fuzz
