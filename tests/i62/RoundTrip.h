#pragma once

#include "SentenceFeed.h"

#include "i62/I62Compose.h"

#include <string>

namespace TestSupport {

struct SResultCase
{
    const char* body;
    signed char result;
};

// The sentence composed back from what Parser made of the body, checksum and CR LF included;
// a text naming the failure when it is refused or not composed.
inline std::string composeBack(const std::string& body, I61162_Data_Structure* out = nullptr)
{
    I61162_Data_Structure record{};
    const signed char result = parseBody(body, &record);
    if (result != 0)
        return "refused with " + std::to_string(result);
    if (out != nullptr)
        *out = record;
    char text[I62_SENTENCE_OUT_SIZE] = {};
    if (!I62_Compose(text, &record, sizeof(text)))
        return "not composed";
    return text;
}

} // namespace TestSupport
