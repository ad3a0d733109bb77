#include "device/AISControl.h"

#include "i62/I62Frame.h"

#include <cstring>

namespace {
// A received sentence holds at most I62_MAX_SENTENCE_LEN characters; the copy leaves room
// for what the checksum test may add.
constexpr std::size_t kCopySize = I62_SENTENCE_BUF_SIZE;

} // namespace

bool CAISControl::paser(const char* sentence)
{
    if (sentence == nullptr || (sentence[0] != '$' && sentence[0] != '!'))
        return false;
    return paserProc(sentence);
}

bool CAISControl::paserProc(const char* sentence)
{
    // What the sentence handler passes, and no more.
    if (sentence == nullptr || strnlen(sentence, I62_MAX_SENTENCE_LEN + 1) > I62_MAX_SENTENCE_LEN)
        return false;
    char copy[kCopySize] = {};
    std::strncpy(copy, sentence, kCopySize - 1);
    if (I62_Parse_CheckSum(copy, sizeof(copy)) != 0)
        return false;
    if (std::strstr(copy, "$PQXV,R,CFG,") != nullptr) {
        // Group, sub-index, value and text must all be there.
        if (!CFmtCFG::isComplete(copy))
            return false;
        pqxvProc(copy);
        return true;
    }
    if (std::strstr(copy, "$AIEPV,R,AI,") != nullptr) {
        aiepvProc(copy);
        return true;
    }
    if (std::strstr(copy, "$AICEK,1,1,,") != nullptr) {
        aicekProc(copy);
        return true;
    }
    return false;
}

void CAISControl::pqxvProc(char* sentence)
{
    m_data.cfg = CFmtCFG::parseCommandData(sentence);
}

void CAISControl::aiepvProc(char* sentence)
{
    m_data.epv = CFmtEPV::parseCommandData(sentence);
}

void CAISControl::aicekProc(char* sentence)
{
    m_data.cek = CFmtCEK::parseCommandData(sentence);
}
