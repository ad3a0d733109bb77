#include "MessageQueue.h"

#include "SysDebug.h"

#include <cstdlib>
#include <cwchar>

bool CMessageQueue::addMessage(const wchar_t* text)
{
    // Bounded scan: an unterminated text is too long, not read past.
    int length = 0;
    while (text != nullptr && length < kTextSize && text[length] != L'\0')
        ++length;
    if (text == nullptr || length >= kTextSize) {
        SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Message is too long");
        return false;
    }
    MESSAGE_ITEM item;
    item.time = ::time(nullptr);
    std::wmemcpy(item.text, text, static_cast<std::size_t>(length) + 1);
    m_items.push_back(item);
    return true;
}

bool CMessageQueue::checkItemsIdx(int index) const
{
    if (index >= 0 && index < count())
        return true;
    SYS_DEBUG(DEBUG_MSG_EXCEPTION, "Not found item");
    return false;
}

MESSAGE_ITEM* CMessageQueue::data(int index)
{
    return checkItemsIdx(index) ? &m_items[static_cast<std::size_t>(index)] : nullptr;
}

void CMessageQueue::updateDisplayEndProc(int index)
{
    MESSAGE_ITEM* item = data(index);
    if (item == nullptr || item->displayEnded != 0)
        return;
    // Compared as 32-bit second counts.
    const long long now = static_cast<int32_t>(::time(nullptr));
    const long long arrival = static_cast<int32_t>(item->time);
    if (std::llabs(now - arrival) >= kDisplaySeconds)
        item->displayEnded = 1;
}

int CMessageQueue::updateDisplayEndFlag()
{
    for (int i = 0; i < count(); ++i)
        updateDisplayEndProc(i);
    return count();
}

void CMessageQueue::updateCheckedProc(int index)
{
    MESSAGE_ITEM* item = data(index);
    if (item == nullptr || item->displayEnded != 0)
        return;
    item->displayEnded = 1;
    item->checked = 1;
}

int CMessageQueue::updateAllCheckedFlag()
{
    for (int i = 0; i < count(); ++i)
        updateCheckedProc(i);
    return count();
}
