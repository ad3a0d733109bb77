#include "comm/LineQueue.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>

using COMM::CLineQueue;

namespace {

void push(CLineQueue& queue, const std::string& line)
{
    queue.push(line.data(), line.size());
}

} // namespace

// A reader that always leaves some lines behind makes the queue drop the taken ones from the
// front of its buffer while lines wait: every line still comes out whole and in order.
TEST(LineQueue, LinesComeOutInOrderWhileTheReaderLagsBehind)
{
    CLineQueue queue;
    std::deque<std::string> expected;
    int next = 0;
    for (int round = 0; round < 400; ++round) {
        for (int i = 0; i < 7; ++i) {
            const std::string line = "!AIVDM,1,1,,A," + std::string(static_cast<size_t>(next % 90), 'x') + "," +
                                     std::to_string(next) + "\r\n";
            ++next;
            push(queue, line);
            expected.push_back(line);
        }
        for (int i = 0; i < 5; ++i) {
            std::string line = "left over";
            ASSERT_TRUE(queue.take(&line));
            ASSERT_EQ(line, expected.front()) << "round " << round;
            expected.pop_front();
        }
        ASSERT_EQ(queue.size(), expected.size());
    }
    EXPECT_TRUE(queue.take(nullptr)) << "a line is dropped without a copy";
    expected.pop_front();
    std::string line;
    while (queue.take(&line)) {
        ASSERT_EQ(line, expected.front());
        expected.pop_front();
    }
    EXPECT_TRUE(expected.empty());
    EXPECT_TRUE(queue.empty());

    // Empty lines count, and a cleared queue starts over.
    push(queue, "");
    push(queue, "A\n");
    queue.clear();
    EXPECT_FALSE(queue.take(&line));
    push(queue, "");
    EXPECT_TRUE(queue.take(&line));
    EXPECT_EQ(line, "");
}
