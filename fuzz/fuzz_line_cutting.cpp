// The received-data queues over arbitrary chunkings. The input's head picks the chunk sizes; its
// rest, cut at LF and stripped of CR, LF and NUL, becomes lines ended in CR LF. Whatever the
// chunking, every line must come out once and whole.
#include "comm/RawDataHandle.h"

#include "FuzzInput.h"

#include <QByteArray>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::CInput input(data, size);
    std::vector<size_t> chunks;
    for (int i = 0; i < 8; ++i)
        chunks.push_back(1 + input.byte() % 64);

    std::vector<std::string> expected;
    std::string stream;
    std::string line;
    for (char c : input.rest() + "\n") {
        if (c == '\n') {
            if (!line.empty() && line.size() < COMM::CRawDataHandle::kPartialLineLimit) {
                expected.push_back(line + "\r\n");
                stream += expected.back();
            }
            line.clear();
        } else if (c != '\r' && c != '\0') {
            line.push_back(c);
        }
    }

    COMM::CRawDataHandle handle;
    std::vector<std::string> cut;
    size_t at = 0;
    for (size_t k = 0; at < stream.size(); ++k) {
        const size_t n = std::min(chunks[k % chunks.size()], stream.size() - at);
        handle.appendToSentQ(QByteArray(stream.data() + at, static_cast<int>(n)));
        at += n;
        std::string sentence;
        while (handle.queueNextSentence(&sentence)) {
            // A CR LF split between two reads leaves its line ended at the CR.
            if (!sentence.empty() && sentence.back() == '\r')
                sentence.push_back('\n');
            cut.push_back(sentence);
        }
    }
    if (cut != expected)
        std::abort();
    return 0;
}
