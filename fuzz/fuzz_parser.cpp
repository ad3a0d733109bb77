// Parser on one arbitrary text, in a buffer of the sentence handler's size.
#include "i62/I62Parser.h"
#include "i62/I62Sentence.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    char buffer[I62_SENTENCE_BUF_SIZE];
    const size_t length = size < sizeof(buffer) - 1 ? size : sizeof(buffer) - 1;
    std::memcpy(buffer, data, length);
    buffer[length] = '\0';
    I61162_Data_Structure record;
    Parser(buffer, &record, sizeof(buffer));
    return 0;
}
