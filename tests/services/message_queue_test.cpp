#include "services/MessageQueue.h"

#include "TempWorkDir.h"

#include <gtest/gtest.h>
#include <string>

TEST(MessageQueueTest, TextLengthBound)
{
    TestSupport::TempWorkDir dir;
    CMessageQueue queue;
    const std::wstring fits(255, L'a');
    const std::wstring tooLong(256, L'b');
    wchar_t unterminated[256];
    std::wmemset(unterminated, L'x', 256);
    EXPECT_TRUE(queue.addMessage(fits.c_str()));
    EXPECT_FALSE(queue.addMessage(tooLong.c_str()));
    EXPECT_FALSE(queue.addMessage(unterminated));
    EXPECT_FALSE(queue.addMessage(nullptr));
    ASSERT_EQ(queue.count(), 1);
    EXPECT_EQ(std::wstring(queue.data(0)->text), fits);
    EXPECT_EQ(queue.data(-1), nullptr);
    EXPECT_EQ(queue.data(1), nullptr);
}

TEST(MessageQueueTest, DisplayEndsAfterElevenSecondsOrOnAcknowledgement)
{
    TestSupport::TempWorkDir dir;
    CMessageQueue queue;
    for (const wchar_t* text : {L"old", L"ten", L"new"})
        queue.addMessage(text);
    queue.data(0)->time -= 11;
    queue.data(1)->time -= 10;
    EXPECT_EQ(queue.updateDisplayEndFlag(), 3);
    EXPECT_EQ(queue.data(0)->displayEnded, 1);
    EXPECT_EQ(queue.data(1)->displayEnded, 0);
    // A clock stepped back counts the same way.
    queue.data(2)->time += 20;
    queue.updateDisplayEndProc(2);
    EXPECT_EQ(queue.data(2)->displayEnded, 1);

    // Acknowledging checks only the records still shown.
    EXPECT_EQ(queue.updateAllCheckedFlag(), 3);
    EXPECT_EQ(queue.data(0)->checked, 0);
    EXPECT_EQ(queue.data(1)->checked, 1);
    EXPECT_EQ(queue.data(1)->displayEnded, 1);
}
