#include "i62/I62Decompose.h"

#include "i62/I62Sentence.h"
#include "i62/I62Table.h"
#include "i62/NavSentence.h"

#include <cstring>

namespace {

// "$" and 'P' before a formatter of three characters; "$", talker and formatter.
constexpr std::size_t kMinProprietaryAddress = 5;
constexpr std::size_t kMinStandardAddress = 6;
constexpr char kMakerMnemonic[] = "QXV";

struct SSentenceParser
{
    const char* formatter;
    bool (*parse)(char* sentence, I61162_Data_Structure* record);
};

// Formatters with a parser, in rising order for the lookup by halving. CFG replies are the
// transponder link's own and have no entry.
constexpr SSentenceParser kSentenceParsers[] = {
    {"AAR", ATON_FMT_AAR}, {"ABK", AIS_FMT_ABK},  {"ABM", AIS_FMT_ABM},  {"ACA", AIS_FMT_ACA},  {"ACE", ATON_FMT_ACE},
    {"ACF", ATON_FMT_ACF}, {"ACK", I62_FMT_ACK},  {"ACS", AIS_FMT_ACS},  {"AFB", ATON_FMT_AFB}, {"AFC", ATON_FMT_AFC},
    {"AID", ATON_FMT_AID}, {"AIQ", I62_FMT_AIQ},  {"AKE", ATON_FMT_AKE}, {"ALR", I62_FMT_ALR},  {"ARW", ATON_FMT_ARW},
    {"BBM", AIS_FMT_BBM},  {"BDY", I62_FMT_PBDY}, {"BTH", I62_FMT_PBTH}, {"DBG", I62_FMT_PDBG}, {"DSC", I62_FMT_DSC},
    {"DSE", I62_FMT_DSE},  {"DSI", I62_FMT_DSI},  {"DSR", I62_FMT_DSR},  {"DTM", I62_FMT_DTM},  {"FRQ", I62_FMT_PFRQ},
    {"GBP", I62_FMT_PGBP}, {"GBS", I62_FMT_GBS},  {"GGA", I62_FMT_GGA},  {"GLL", I62_FMT_GLL},  {"GNS", GNS_ParseProc},
    {"GRS", I62_FMT_GRS},  {"GSA", I62_FMT_GSA},  {"GST", I62_FMT_GST},  {"GSV", I62_FMT_GSV},  {"HDM", I62_FMT_HDM},
    {"HDT", I62_FMT_HDT},  {"LR1", AIS_FMT_LR1},  {"LR2", AIS_FMT_LR2},  {"LR3", AIS_FMT_LR3},  {"LRF", AIS_FMT_LRF},
    {"LRI", AIS_FMT_LRI},  {"MCR", ATON_FMT_MCR}, {"MID", I62_FMT_PMID}, {"MOB", I62_FMT_PMOB}, {"MPR", ATON_FMT_MPR},
    {"MRK", I62_FMT_MRK},  {"OSD", I62_FMT_OSD},  {"Q", I62_FMT_Q},      {"RMA", I62_FMT_RMA},  {"RMC", RMC_ParseProc},
    {"ROT", I62_FMT_ROT},  {"RSD", I62_FMT_RSD},  {"SSD", AIS_FMT_SSD},  {"Smg", I62_FMT_Smg},  {"TPS", I62_FMT_PTPS},
    {"TSP", ATON_FMT_TSP}, {"TST", I62_FMT_PTST}, {"TTM", I62_FMT_TTM},  {"TXT", I62_FMT_TXT},  {"VBW", I62_FMT_VBW},
    {"VDM", AIS_FMT_VDM},  {"VDO", AIS_FMT_VDO},  {"VER", ATON_FMT_VER}, {"VSD", AIS_FMT_VSD},  {"VTG", I62_FMT_VTG},
    {"WPL", I62_FMT_WPL},  {"ZDA", I62_FMT_ZDA},
};
constexpr auto kParserKeys = I62_KeysOf(kSentenceParsers);
static_assert(I62_KeysRise(kParserKeys), "the parsers' formatters rise");

// Index of the first comma, or the length of the text.
std::size_t addressEnd(const char* text)
{
    const char* comma = std::strchr(text, ',');
    return comma != nullptr ? static_cast<std::size_t>(comma - text) : std::strlen(text);
}

void copyFormatter(I61162_Data_Structure* record, const char* from)
{
    std::memcpy(record->formatter, from, 3);
    record->formatter[3] = '\0';
}

// "$P" and the three characters before the first comma; behind the maker's mnemonic
// ("$PQXV,<letter>,<formatter>,...") the sub-type letter, and the sentence goes on as "$P"
// and its formatter written over the letter and its comma.
bool readProprietaryAddress(char* text, I61162_Data_Structure* record, char** parseFrom)
{
    const std::size_t end = addressEnd(text);
    if (end < kMinProprietaryAddress)
        return false;
    std::memcpy(record->talker, "P", 2);
    copyFormatter(record, text + end - 3);
    if (std::strcmp(record->formatter, kMakerMnemonic) != 0)
        return true;
    char* rest = text + end + 1;
    if (text[end] != ',' || rest[0] == '\0' || rest[1] != ',')
        return false;
    record->subType = rest[0];
    rest[0] = '$';
    rest[1] = 'P';
    const std::size_t next = addressEnd(rest);
    if (next < kMinProprietaryAddress)
        return false;
    copyFormatter(record, rest + next - 3);
    *parseFrom = rest;
    return true;
}

// Talker and formatter; a sentence whose address ends in 'Q' is a query.
bool readStandardAddress(const char* text, I61162_Data_Structure* record)
{
    const std::size_t end = addressEnd(text);
    if (end < kMinStandardAddress)
        return false;
    std::memcpy(record->talker, text + 1, 2);
    record->talker[2] = '\0';
    if (text[end - 1] == 'Q')
        std::memcpy(record->formatter, "Q", 2);
    else
        copyFormatter(record, text + 3);
    return true;
}

} // namespace

uint8_t I62_Decompose(char* sentence, I61162_Data_Structure* record, std::size_t bufSize)
{
    if (record == nullptr)
        return I62_RESULT_REFUSED;
    const std::size_t length = sentence != nullptr ? strnlen(sentence, bufSize) : 0;
    if (length == bufSize)
        return I62_RESULT_REFUSED;
    // An empty text has no last character to inspect.
    if (length < 1 || sentence[length - 1] != '\n')
        return I62_RESULT_NO_LF;
    if (length < 2 || sentence[length - 2] != '\r')
        return I62_RESULT_NO_CR;
    const uint8_t checksum = I62_Parse_CheckSum(sentence, bufSize);
    if (checksum == I62_CHECKSUM_ERROR)
        return I62_RESULT_CHECKSUM;
    // A missing checksum was written in: "*FF" before the CR LF.
    const std::size_t checked = checksum == I62_CHECKSUM_MISSING ? length + 3 : length;
    const std::size_t marked = I62_MarkedLength(sentence, checked);
    if (marked >= bufSize || !I62_MarkEmptyFields(sentence, checked, marked))
        return I62_RESULT_REFUSED;

    std::memset(record->talker, 0, sizeof(record->talker));
    std::memset(record->formatter, 0, sizeof(record->formatter));
    record->subType = 0;
    record->group = 0;
    record->start = sentence[0];
    char* parseFrom = sentence;
    const bool address = sentence[1] == 'P' ? readProprietaryAddress(sentence, record, &parseFrom)
                                            : readStandardAddress(sentence, record);
    if (!address)
        return I62_RESULT_REFUSED;
    const SSentenceParser* entry = I62_FindRisingFormatter(kSentenceParsers, kParserKeys, record->formatter);
    if (entry == nullptr || !entry->parse(parseFrom, record))
        return I62_RESULT_REFUSED;
    return I62_RESULT_TAKEN;
}
