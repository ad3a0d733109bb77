// The receive road below the sentence handler: received bytes in chunks of a serial read cut
// into sentences by a link's received-data queues, each sentence run through Parser.
#include "comm/RawDataHandle.h"

#include "SentenceFeed.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

// Position reports, a two-sentence message 5 and a GNSS cycle, as a transponder sends them.
QByteArray mixedStream()
{
    const char* const sentences[] = {
        "!AIVDM,1,1,,B,15M67FC000G?ufbE`FepT@3n00Sa,0*5C\r\n",
        "!AIVDM,1,1,,B,177KQJ5000G?tO`K>RA1wUbN0TKH,0*5C\r\n",
        "!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C\r\n",
        "!AIVDM,2,2,1,A,88888888880,2*25\r\n",
        "!AIVDM,1,1,,A,B52K>;h00Fc>jpUlNV@ikwpUoP06,0*4C\r\n",
    };
    const char* const gnss[] = {
        "$GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
        "$GPRMC,123519.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A",
        "$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00",
        "$GPGSV,3,2,11,14,25,170,00,16,57,208,39,18,67,296,40,19,40,246,00",
        "$GPGSV,3,3,11,22,42,067,42,24,14,311,43,27,05,244,00",
        "$HEHDT,274.07,T",
    };
    QByteArray stream;
    while (stream.size() < 64 * 1024) {
        for (const char* sentence : sentences)
            stream += sentence;
        for (const char* body : gnss)
            stream += TestSupport::withChecksum(body).c_str();
    }
    return stream;
}

void BM_ReceiveRoadToParser(benchmark::State& state)
{
    const QByteArray stream = mixedStream();
    const int chunkSize = static_cast<int>(state.range(0));
    TestSupport::initLibrary();
    COMM::CRawDataHandle handle;
    char buffer[I62_SENTENCE_BUF_SIZE];
    int64_t sentences = 0;
    for (auto _ : state) {
        for (int at = 0; at < stream.size(); at += chunkSize) {
            handle.appendToSentQ(stream.mid(at, chunkSize));
            std::string sentence;
            while (handle.queueNextSentence(&sentence)) {
                if (sentence.size() >= sizeof(buffer))
                    continue;
                std::memcpy(buffer, sentence.c_str(), sentence.size() + 1);
                I61162_Data_Structure record;
                benchmark::DoNotOptimize(Parser(buffer, &record));
                NoStation = 1;
                ++sentences;
            }
        }
    }
    state.SetItemsProcessed(sentences);
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.SetLabel("items = sentences");
}

} // namespace

BENCHMARK(BM_ReceiveRoadToParser)->ArgName("chunk")->Arg(32)->Arg(64)->Arg(256)->Arg(1024)->Arg(4096);
