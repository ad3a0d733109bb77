#include "comm/RawDataHandle.h"
#include "comm_test_support.h"

#include <functional>
#include <gtest/gtest.h>

using COMM::CRawDataHandle;
using Lines = std::vector<std::string>;

namespace {

QByteArray bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<int>(text.size()));
}

Lines takeSentences(CRawDataHandle& handle)
{
    Lines lines;
    std::string line;
    while (handle.queueNextSentence(&line))
        lines.push_back(line);
    return lines;
}

Lines takeMessages(CRawDataHandle& handle)
{
    Lines lines;
    QByteArray line;
    while (handle.queueNextMessage(&line))
        lines.push_back(line.toStdString());
    return lines;
}

COMM::SResponseInform awaiting(const char* text)
{
    COMM::SResponseInform response;
    response.sentMs = 1;
    response.timeoutMs = 20000;
    std::strncpy(response.awaitText, text, sizeof(response.awaitText) - 1);
    return response;
}

} // namespace

TEST(RawDataHandle, CutsLinesAndCarriesTheRest)
{
    struct Case
    {
        std::vector<std::string> chunks;
        Lines sentences; // as cut, terminators kept
        Lines messages;  // ended in CR LF, lone line ends dropped
    };
    const Case cases[] = {
        {{"ABC\r\nDEF", "\r\n"}, {"ABC\r\n", "DEF\r\n"}, {"ABC\r\n", "DEF\r\n"}},
        {{"A\nB\n"}, {"A\n", "B\n"}, {"A\r\n", "B\r\n"}},
        {{"A\rB\r"}, {"A\r", "B\r"}, {"A\r\n", "B\r\n"}},
        {{"A\nB\r\n"}, {"A\nB\r\n"}, {"A\nB\r\n"}}, // a CR LF ahead wins over the lone LF
        {{"ABC\r", "\nDEF"}, {"ABC\r", "\n"}, {"ABC\r\n"}},
        {{"$A*00\r\n", std::string("\0$B*00\r\n", 9)}, {"$A*00\r\n", "$B*00\r\n"}, {"$A*00\r\n", "$B*00\r\n"}},
        {{std::string("$C*00\r\n\0\0$D", 11), "*00\r\n"}, {"$C*00\r\n", "$D*00\r\n"}, {"$C*00\r\n", "$D*00\r\n"}},
        {{"no end"}, {}, {}},
    };
    for (const Case& c : cases) {
        CRawDataHandle sentences;
        CRawDataHandle messages;
        for (const std::string& chunk : c.chunks) {
            sentences.appendToSentQ(bytes(chunk));
            messages.appendToMsgQ(bytes(chunk), true);
        }
        EXPECT_EQ(takeSentences(sentences), c.sentences) << c.chunks.front();
        EXPECT_EQ(takeMessages(messages), c.messages) << c.chunks.front();
    }
}

TEST(RawDataHandle, UnsplitMessagesAreQueuedWhole)
{
    CRawDataHandle handle;
    handle.appendToMsgQ(bytes("A\nB"), false);
    handle.appendToLogMsgQ(bytes("A\nB"));
    EXPECT_EQ(takeMessages(handle), Lines{"A\nB"});
    QByteArray raw;
    EXPECT_TRUE(handle.queueNextLogMsg(&raw));
    EXPECT_EQ(raw, "A\nB");
    EXPECT_FALSE(handle.queueNextLogMsg(&raw));
}

TEST(RawDataHandle, EndlessLineIsCutOffWithAWarning)
{
    LogProbe log;
    CRawDataHandle handle;
    const std::string noise(CRawDataHandle::kPartialLineLimit + 1, 'x');
    handle.appendToSentQ(bytes(noise));
    EXPECT_EQ(log.count("no line end"), 1);
    handle.appendToSentQ(bytes("$A*00\r\n"));
    EXPECT_EQ(takeSentences(handle), Lines{"$A*00\r\n"});

    // Up to the limit the partial line is kept.
    const std::string longLine(CRawDataHandle::kPartialLineLimit, 'y');
    handle.appendToSentQ(bytes(longLine));
    handle.appendToSentQ(bytes("\r\n"));
    EXPECT_EQ(takeSentences(handle), Lines{longLine + "\r\n"});

    handle.appendToSentQ(bytes("$PART"));
    handle.clearAllData();
    handle.appendToSentQ(bytes("$B\r\n"));
    EXPECT_EQ(takeSentences(handle), Lines{"$B\r\n"});
}

TEST(RawDataHandle, FullQueuesAreEmptiedWithAWarning)
{
    struct Case
    {
        const char* name;
        size_t bound;
        const char* warning;
        std::function<void(CRawDataHandle&)> append;
        std::function<bool(CRawDataHandle&)> take;
    };
    const Case cases[] = {
        {"message", 1000, "many messages dosn't process in queue",
         [](CRawDataHandle& h) { h.appendToMsgQ(bytes("m"), false); },
         [](CRawDataHandle& h) { return h.queueNextMessage(nullptr); }},
        {"split message", 1000, "many messages dosn't process in queue",
         [](CRawDataHandle& h) { h.appendToMsgQ(bytes("m\n"), true); },
         [](CRawDataHandle& h) { return h.queueNextMessage(nullptr); }},
        {"sentence", 1000, "many sentence dosn't process in queue",
         [](CRawDataHandle& h) { h.appendToSentQ(bytes("$S\r\n")); },
         [](CRawDataHandle& h) { return h.queueNextSentence(nullptr); }},
        {"binary", 1000, "many binaray datas dosn't process in queue",
         [](CRawDataHandle& h) { h.appendToBinQ(bytes("b")); },
         [](CRawDataHandle& h) { return h.queueNextBinData(nullptr); }},
        {"command", 100, "many command datas dosn't process in queue",
         [](CRawDataHandle& h) { h.appendToCmdQ(bytes("c")); },
         [](CRawDataHandle& h) { return h.queueNextCmdData(nullptr); }},
    };
    for (const Case& c : cases) {
        LogProbe log;
        CRawDataHandle handle;
        for (size_t i = 0; i < c.bound; ++i)
            c.append(handle);
        EXPECT_EQ(log.count(c.warning), 0) << c.name;
        c.append(handle);
        EXPECT_EQ(log.count(c.warning), 1) << c.name;
        EXPECT_TRUE(c.take(handle)) << c.name;
        EXPECT_FALSE(c.take(handle)) << c.name;
    }
}

TEST(RawDataHandle, CompleteLineHoldingTheAwaitedTextEndsTheWait)
{
    CRawDataHandle handle;
    handle.setResponseInform(awaiting("+ok"));
    handle.appendToMsgQ(bytes(">AT+WMODE\r\n+o"), true);
    EXPECT_EQ(handle.getResponseInform().timeoutMs, 20000); // "+o" is not a complete line yet
    handle.appendToMsgQ(bytes("k=AP\r\n"), true);
    EXPECT_EQ(handle.getResponseInform().timeoutMs, 0);
    EXPECT_EQ(handle.getResponseInform().sentMs, 0);

    handle.setResponseInform(awaiting(""));
    handle.appendToSentQ(bytes("$ANY\r\n"));
    EXPECT_EQ(handle.getResponseInform().timeoutMs, 0) << "an empty text matches any line";

    handle.setResponseInform(awaiting("+ok"));
    handle.appendToMsgQ(bytes("+ok\r\n"), false);
    EXPECT_EQ(handle.getResponseInform().timeoutMs, 20000) << "whole chunks are not searched";
    handle.resetResponsePass();
    EXPECT_EQ(handle.getResponseInform().timeoutMs, 0);
}

TEST(RawDataHandle, AwaitedTextIsAlwaysTerminated)
{
    CRawDataHandle handle;
    COMM::SResponseInform response = awaiting("");
    std::memset(response.awaitText, 'x', sizeof(response.awaitText));
    handle.setResponseInform(response);
    EXPECT_EQ(std::strlen(handle.getResponseInform().awaitText), sizeof(response.awaitText) - 1);
    handle.appendToSentQ(bytes(std::string(200, 'x') + "\r\n"));
    EXPECT_EQ(handle.getResponseInform().timeoutMs, 0);
}
