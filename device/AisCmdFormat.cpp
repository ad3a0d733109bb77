#include "device/AisCmdFormat.h"

#include "i62/I62Frame.h"

#include <cstdlib>
#include <cstring>

namespace {

// A field that holds only blanks takes the default; an empty field reads as 0.
bool isBlank(const char* field)
{
    if (field == nullptr || field[0] == '\0')
        return false;
    return field[std::strspn(field, " ")] == '\0';
}

int numberOf(const char* field, int blankValue)
{
    if (field == nullptr)
        return 0;
    return isBlank(field) ? blankValue : std::atoi(field);
}

long long longOf(const char* field, long long blankValue)
{
    if (field == nullptr)
        return 0;
    return isBlank(field) ? blankValue : std::atoll(field);
}

template <std::size_t N> void copyText(char (&destination)[N], const char* field)
{
    std::memset(destination, 0, N);
    if (field == nullptr || isBlank(field))
        return;
    std::strncpy(destination, field, N - 1);
}

// Counts the commas of a sentence before its checksum.
int commasOf(const char* sentence)
{
    int commas = 0;
    for (const char* c = sentence; *c != '\0' && *c != '*'; ++c)
        commas += *c == ',' ? 1 : 0;
    return commas;
}

} // namespace

bool CFmtCFG::isComplete(const char* sentence)
{
    return sentence != nullptr && commasOf(sentence) >= 6;
}

SCFGCommandStruct CFmtCFG::parseCommandData(char* sentence)
{
    SCFGCommandStruct cfg{};
    if (sentence == nullptr)
        return cfg;
    StrToken(sentence, ","); // $PQXV
    const char* status = StrToken(nullptr, ",");
    const char* formatter = StrToken(nullptr, ",");
    const char* group = StrToken(nullptr, ",");
    const char* sub = StrToken(nullptr, ",");
    const char* value = StrToken(nullptr, ",");
    const char* text = StrToken(nullptr, "*");
    if (status == nullptr || formatter == nullptr || status[0] != 'R')
        return SCFGCommandStruct{};
    cfg.group = numberOf(group, 0);
    cfg.subIndex = numberOf(sub, 0);
    cfg.value = numberOf(value, 255);
    copyText(cfg.text, text);
    return cfg;
}

SEPVCommandStruct CFmtEPV::parseCommandData(char* sentence)
{
    if (sentence == nullptr || commasOf(sentence) != 5)
        return SEPVCommandStruct{};
    StrToken(sentence, ",");
    const char* status = StrToken(nullptr, ",");
    StrToken(nullptr, ","); // AI
    const char* id = StrToken(nullptr, ",");
    const char* property = StrToken(nullptr, ",");
    const char* value = StrToken(nullptr, "*");
    if (status == nullptr || status[0] != 'R')
        return SEPVCommandStruct{};
    return {static_cast<uint32_t>(longOf(id, 0)), static_cast<uint32_t>(longOf(property, 0)),
            static_cast<uint32_t>(longOf(value, 0))};
}

SCEKCommandStruct CFmtCEK::parseCommandData(char* sentence)
{
    SCEKCommandStruct cek{};
    if (sentence == nullptr || commasOf(sentence) != 6)
        return cek;
    StrToken(sentence, ",");
    const char* f1 = StrToken(nullptr, ",");
    const char* f2 = StrToken(nullptr, ",");
    const char* f3 = StrToken(nullptr, ",");
    const char* f4 = StrToken(nullptr, ",");
    const char* key = StrToken(nullptr, ",");
    const char* status = StrToken(nullptr, "*");
    cek.field1 = numberOf(f1, 255);
    cek.field2 = numberOf(f2, 255);
    cek.field3 = numberOf(f3, 255);
    cek.field4 = longOf(f4, 255);
    copyText(cek.key, key);
    if (status == nullptr || status[0] == '\0')
        cek.status = '\0';
    else
        cek.status = isBlank(status) ? 'R' : status[0];
    return cek;
}
