#include "comm/RawDataHandle.h"
#include "comm_test_support.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>

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
        {{"A\nB\r\n"}, {"A\nB\r\n"}, {"A\nB\r\n"}},   // a CR LF ahead wins over the lone LF
        {{"ABC\r", "\nDEF"}, {"ABC\r"}, {"ABC\r\n"}}, // the LF completes the CR before it
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

TEST(RawDataHandle, LogChunksAreTakenAsOneText)
{
    CRawDataHandle handle;
    EXPECT_TRUE(handle.takeLogText().isEmpty());
    handle.appendToLogMsgQ(bytes("$GPGGA,1"));
    handle.appendToLogMsgQ(QByteArray("23*00\r\n\0\xB0\xFFjunk", 14));
    // Every byte stays, the NUL and those that are no text too.
    EXPECT_EQ(handle.takeLogText().toLatin1(), QByteArray("$GPGGA,123*00\r\n\0\xB0\xFFjunk", 22));
    EXPECT_TRUE(handle.takeLogText().isEmpty());
}

TEST(RawDataHandle, LogChunksNobodyTakesAreBoundedOldestFirstAndCounted)
{
    LogProbe log;
    CRawDataHandle handle;
    const size_t bound = CRawDataHandle::kQueueBound;
    for (size_t i = 0; i < bound + 5; ++i)
        handle.appendToLogMsgQ(bytes(std::to_string(i) + ";"));
    EXPECT_EQ(handle.droppedLogMsgCount(), 5u);
    EXPECT_EQ(log.count("log messages not taken: 1 dropped"), 1);
    const QString text = handle.takeLogText();
    EXPECT_TRUE(text.startsWith("5;6;")) << "the oldest went first";
    EXPECT_TRUE(text.endsWith(QString::number(bound + 4) + ";"));
    EXPECT_EQ(text.count(';'), static_cast<int>(bound));
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

namespace {

// A recording as a transponder sends it: GNSS sentences, own and received AIS messages,
// replies, all ended in CR LF.
Lines recording()
{
    const char* bodies[] = {
        "$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,",
        "$GPRMC,092750.000,A,5321.6802,N,00630.3372,W,0.02,31.66,280511,,,A",
        "$GPGSV,3,1,11,10,63,137,17,07,61,098,15,05,59,290,20,08,54,157,30",
        "$GPGSV,3,2,11,02,39,223,19,13,28,070,17,26,23,252,,04,14,186,14",
        "$GPGSV,3,3,11,29,09,301,24,16,09,020,,36,,,",
        "$GPGSA,A,3,10,07,05,02,29,04,08,13,,,,,1.72,1.03,1.38",
        "!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0",
        "!AIVDM,2,1,3,B,55P5TL01VIaAL@7WKO@mBplU@<PDhh000000001S;AJ::4A80?4i@E53,0",
        "!AIVDM,2,2,3,B,1CQ1A83PCAH0,0",
        "!AIVDO,1,1,,A,B5NJ;PP005l4ot5Isbl03wsUkP06,0",
        "$AIVER,1,1,AI,KVX,,,1.0.3,KVX-T-362,,,",
        "$PQXV,R,CFG,108,1,2,3",
        "$HEHDT,274.07,T",
    };
    Lines lines;
    for (int repeat = 0; repeat < 8; ++repeat) {
        for (const char* body : bodies) {
            unsigned char sum = 0;
            for (const char* c = body + 1; *c != '\0'; ++c)
                sum ^= static_cast<unsigned char>(*c);
            char tail[8];
            std::snprintf(tail, sizeof(tail), "*%02X\r\n", sum);
            lines.push_back(std::string(body) + tail);
        }
    }
    return lines;
}

Lines cutInChunks(const std::string& stream, const std::function<size_t()>& nextSize)
{
    CRawDataHandle handle;
    Lines lines;
    for (size_t at = 0; at < stream.size();) {
        const size_t size = std::min(nextSize(), stream.size() - at);
        handle.appendToSentQ(bytes(stream.substr(at, size)));
        at += size;
        const Lines taken = takeSentences(handle);
        lines.insert(lines.end(), taken.begin(), taken.end());
    }
    return lines;
}

} // namespace

TEST(RawDataHandle, EveryChunkingOfARecordingYieldsTheSameSentences)
{
    const Lines expected = recording();
    std::string stream;
    for (const std::string& line : expected)
        stream += line;

    // A CR LF split between two reads leaves the CR on its line; the LF is not glued to the
    // next sentence, whose "$" or "!" must come first.
    auto repaired = [](Lines lines) {
        for (std::string& line : lines)
            if (line.size() >= 1 && line.back() == '\r')
                line.push_back('\n');
        return lines;
    };
    for (size_t size = 1; size <= 4096; ++size) {
        const Lines lines = cutInChunks(stream, [size] { return size; });
        ASSERT_EQ(repaired(lines), expected) << "chunks of " << size << " bytes";
    }
    std::mt19937 random(20261209);
    std::uniform_int_distribution<size_t> sizes(1, 300);
    for (int run = 0; run < 200; ++run) {
        const Lines lines = cutInChunks(stream, [&] { return sizes(random); });
        ASSERT_EQ(repaired(lines), expected) << "random run " << run;
    }
}

TEST(RawDataHandle, NextSentenceStart)
{
    const struct
    {
        const char* text;
        int expected;
    } cases[] = {
        {"!AIVDM,1,1,,A,x,0*00", 20}, // one sentence to the end of the text
        {"$GPGGA,1*00", 11},
        {"$GPGGA,1*00$GPRMC", 11}, // the second '$'
        {"xx!AIVDM$GP", 2},        // both past the start: the nearer
        {"!AI$GP", 3},             // '!' at 0 without a second: the '$'
        {"garbage", -1},
        {"$A$B!C", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CRawDataHandle::findI62Sentence(c.text, static_cast<int>(std::strlen(c.text))), c.expected) << c.text;
    EXPECT_EQ(CRawDataHandle::findSentenceChartIndex("$A$B", '$'), 2);
    EXPECT_EQ(CRawDataHandle::findSentenceChartIndex("$A", '$'), 0);
    EXPECT_EQ(CRawDataHandle::findSentenceChartIndex(nullptr, '$'), -1);
}

TEST(RawDataHandle, RetrievedSentencesAreQueuedWithoutTheBound)
{
    CRawDataHandle handle;
    std::string many;
    for (size_t i = 0; i < CRawDataHandle::kQueueBound + 500; ++i)
        many += "$S*00\r\n";
    handle.retrieveSentence(many + "$PART");
    EXPECT_EQ(takeSentences(handle).size(), CRawDataHandle::kQueueBound + 500);
    handle.retrieveSentence("*00\r\n");
    EXPECT_EQ(takeSentences(handle), Lines{"$PART*00\r\n"});
}
