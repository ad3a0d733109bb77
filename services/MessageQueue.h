#pragma once

#include <cstdint>
#include <ctime>
#include <deque>

// One timed message: shown until 11 seconds have passed or it is acknowledged.
typedef struct SMessageItem
{
    uint8_t displayEnded = 0;
    uint8_t checked = 0;
    time_t time = 0;
    wchar_t text[256] = {};
} MESSAGE_ITEM;

class CMessageQueue
{
public:
    static constexpr int kTextSize = 256; // with the terminator
    static constexpr int kDisplaySeconds = 11;

    CMessageQueue() = default;

    // Appends a text of fewer than 256 characters; a longer one is refused and logged.
    bool addMessage(const wchar_t* text);
    bool checkItemsIdx(int index) const;
    // The record at index, or null.
    MESSAGE_ITEM* data(int index);
    int count() const { return static_cast<int>(m_items.size()); }

    // Ends the display of a shown record 11 seconds after its arrival.
    void updateDisplayEndProc(int index);
    int updateDisplayEndFlag();
    // Acknowledges a shown record: display ended and checked.
    void updateCheckedProc(int index);
    int updateAllCheckedFlag();

private:
    std::deque<MESSAGE_ITEM> m_items;
};
