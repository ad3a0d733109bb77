#include "i62/AisMsgFormat.h"

#include <cstddef>

namespace {

using F = AIS_FIELD_DESCRIPTOR;

// Short kind names keep one layout on a few lines; width:kind:scale as in the message tables.
constexpr int U8 = AIS_FIELD_U8;
constexpr int U16 = AIS_FIELD_U16;
constexpr int CSS = AIS_FIELD_COMM_SELECTOR;
constexpr int U32 = AIS_FIELD_MMSI;
constexpr int USG = AIS_FIELD_UNSIGNED;
constexpr int TXT = AIS_FIELD_TEXT;
constexpr int REST = AIS_FIELD_TEXT_REST_B;
constexpr int BIN = AIS_FIELD_BINARY;
constexpr int ROT = AIS_FIELD_ROT;
constexpr int LON = AIS_FIELD_LON;
constexpr int LAT = AIS_FIELD_LAT;
constexpr int COG = AIS_FIELD_COG;
constexpr int HDG = AIS_FIELD_HEADING;
constexpr int TS = AIS_FIELD_TIME_STAMP;
constexpr int CS = AIS_FIELD_COMM_STATE;
constexpr int DIM = AIS_FIELD_DIMENSION;
constexpr int ETA = AIS_FIELD_ETA;

constexpr float P4 = 0.0001f; // position in 1/10000 minute
constexpr float P1 = 0.1f;    // position in 1/10 minute, speed and course in tenths

// clang-format off
#define AIS_HEAD {6, U8, 1}, {2, U8, 1}, {30, U32, 1}

const F kFmt01[] = {AIS_HEAD, {4, U8, 1}, {8, ROT, 1}, {10, USG, P1}, {1, U8, 1}, {28, LON, P4}, {27, LAT, P4},
                    {12, COG, P1}, {9, HDG, 1}, {6, TS, 1}, {4, U8, 1}, {1, U8, 1}, {1, U8, 1}, {19, CS, 1}};
const F kFmt04[] = {AIS_HEAD, {14, U16, 1}, {4, U8, 1}, {5, U8, 1}, {5, U8, 1}, {6, U8, 1}, {6, U8, 1}, {1, U8, 1},
                    {28, LON, P4}, {27, LAT, P4}, {4, U8, 1}, {10, U16, 1}, {1, U8, 1}, {19, CS, 1}};
const F kFmt05[] = {AIS_HEAD, {2, U8, 1}, {30, U32, 1}, {42, TXT, 1}, {120, TXT, 1}, {8, U8, 1}, {30, DIM, 1},
                    {4, U8, 1}, {20, ETA, 1}, {8, USG, P1}, {120, TXT, 1}, {1, U8, 1}, {1, U8, 1}};
const F kFmt06[] = {AIS_HEAD, {2, U8, 1}, {30, U32, 1}, {1, U8, 1}, {1, U8, 1}, {0, BIN, AIS_BINARY_6_SIZE}};
const F kFmt07[] = {AIS_HEAD,     {2, U8, 1},   {30, U32, 1}, {2, U8, 1},   {30, U32, 1}, {2, U8, 1},
                    {30, U32, 1}, {2, U8, 1},   {30, U32, 1}, {2, U8, 1}};
const F kFmt08[] = {AIS_HEAD, {2, U8, 1}, {0, BIN, AIS_BINARY_8_SIZE}};
const F kFmt09[] = {AIS_HEAD,   {12, U16, 1}, {10, USG, 1}, {1, U8, 1}, {28, LON, P4}, {27, LAT, P4},
                    {12, COG, P1}, {6, TS, 1},  {8, U8, 1},   {1, U8, 1}, {3, U8, 1},    {1, U8, 1},
                    {1, U8, 1},  {1, U8, 1},    {19, CS, 1}};
const F kFmt10[] = {AIS_HEAD, {2, U8, 1}, {30, U32, 1}, {2, U8, 1}};
const F kFmt12[] = {AIS_HEAD, {2, U8, 1}, {30, U32, 1}, {1, U8, 1}, {1, U8, 1}, {0, REST, AIS_TEXT_12_SIZE}};
const F kFmt14[] = {AIS_HEAD, {2, U8, 1}, {0, REST, AIS_TEXT_14_SIZE}};
const F kFmt15[] = {AIS_HEAD,    {2, U8, 1},  {30, U32, 1}, {6, U8, 1},   {12, U16, 1}, {2, U8, 1},
                    {6, U8, 1},  {12, U16, 1}, {2, U8, 1},  {30, U32, 1}, {6, U8, 1},   {12, U16, 1},
                    {2, U8, 1}};
const F kFmt16[] = {AIS_HEAD,     {2, U8, 1},   {30, U32, 1}, {12, U16, 1}, {10, U16, 1},
                    {30, U32, 1}, {12, U16, 1}, {10, U16, 1}, {4, U8, 1}};
const F kFmt17[] = {AIS_HEAD,     {2, U8, 1}, {18, LON, P1}, {17, LAT, P1}, {5, U8, 1}, {6, U8, 1},
                    {10, U16, 1}, {13, U16, 1}, {3, U8, 1},   {5, U8, 1},    {3, U8, 1}};
const F kFmt18[] = {AIS_HEAD,    {8, U8, 1}, {10, USG, P1}, {1, U8, 1}, {28, LON, P4}, {27, LAT, P4},
                    {12, COG, P1}, {9, HDG, 1}, {6, TS, 1},   {2, U8, 1}, {1, U8, 1},    {1, U8, 1},
                    {1, U8, 1},  {1, U8, 1}, {1, U8, 1},    {1, U8, 1}, {1, U8, 1},    {1, U8, 1},
                    {19, CS, 1}};
const F kFmt19[] = {AIS_HEAD,     {8, U8, 1},  {10, USG, P1}, {1, U8, 1},  {28, LON, P4}, {27, LAT, P4},
                    {12, COG, P1}, {9, HDG, 1}, {6, TS, 1},    {4, U8, 1},  {120, TXT, 1}, {8, U8, 1},
                    {30, DIM, 1}, {4, U8, 1},  {1, U8, 1},    {1, U8, 1},  {1, U8, 1},    {4, U8, 1}};
const F kFmt20[] = {AIS_HEAD,    {2, U8, 1},  {12, U16, 1}, {4, U8, 1},  {3, U8, 1}, {11, U16, 1},
                    {12, U16, 1}, {4, U8, 1}, {3, U8, 1},   {11, U16, 1}, {12, U16, 1}, {4, U8, 1},
                    {3, U8, 1},  {11, U16, 1}, {12, U16, 1}, {4, U8, 1},  {3, U8, 1},   {11, U16, 1}};
const F kFmt21[] = {AIS_HEAD,   {5, U8, 1},  {120, TXT, 1}, {1, U8, 1},  {28, LON, P4},
                    {27, LAT, P4}, {30, DIM, 1}, {4, U8, 1},   {6, TS, 1},  {1, U8, 1},
                    {8, U8, 1}, {1, U8, 1},  {1, U8, 1},    {1, U8, 1},  {1, U8, 1},
                    {0, REST, AIS_NAME_EXT_21_SIZE},          {4, U8, 1}};
const F kFmt22[] = {AIS_HEAD,     {2, U8, 1},    {12, U16, 1},  {12, U16, 1}, {4, U8, 1},
                    {1, U8, 1},   {18, LON, P1}, {17, LAT, P1}, {18, LON, P1}, {17, LAT, P1},
                    {1, U8, 1},   {1, U8, 1},    {1, U8, 1},    {3, U8, 1},   {23, U32, 1}};
const F kFmt23[] = {AIS_HEAD,     {2, U8, 1},  {18, LON, P1}, {17, LAT, P1}, {18, LON, P1}, {17, LAT, P1},
                    {4, U8, 1},   {8, U8, 1},  {22, U32, 1},  {2, U8, 1},    {4, U8, 1},    {4, U8, 1},
                    {6, U8, 1}};
const F kFmt24A[] = {AIS_HEAD, {2, U8, 1}, {120, TXT, 1}};
const F kFmt24B[] = {AIS_HEAD, {2, U8, 1}, {8, U8, 1}, {42, TXT, 1}, {42, TXT, 1}, {30, DIM, 1}, {6, U8, 1}};
const F kFmt25A[] = {AIS_HEAD, {1, U8, 1}, {1, U8, 1}, {30, U32, 1}, {0, BIN, AIS_BINARY_25A_SIZE}};
const F kFmt25B[] = {AIS_HEAD, {1, U8, 1}, {1, U8, 1}, {0, BIN, AIS_BINARY_25B_SIZE}};
// A binary field's width is what the fields behind it take of the payload's end: message 26 ends
// in its 20-bit radio status.
const F kFmt26A[] = {AIS_HEAD,    {1, U8, 1}, {1, U8, 1}, {30, U32, 1}, {20, BIN, AIS_BINARY_26A_SIZE},
                     {1, U8, 1}, {19, CSS, 1}};
const F kFmt26B[] = {AIS_HEAD, {1, U8, 1}, {1, U8, 1}, {20, BIN, AIS_BINARY_26B_SIZE}, {1, U8, 1}, {19, CSS, 1}};

#undef AIS_HEAD
// clang-format on

template <std::size_t N> constexpr uint64_t countOf(const F (&)[N])
{
    return N;
}

struct SLayoutEntry
{
    AIS_message_formatter* formatter;
    const F* fields;
};

// Which field list each formatter gets, and the layout number of every table entry.
const SLayoutEntry kFormatters[] = {
    {&AisMsgFmt01, kFmt01},   {&AisMsgFmt04, kFmt04},   {&AisMsgFmt05, kFmt05},   {&AisMsgFmt06, kFmt06},
    {&AisMsgFmt07, kFmt07},   {&AisMsgFmt08, kFmt08},   {&AisMsgFmt09, kFmt09},   {&AisMsgFmt10, kFmt10},
    {&AisMsgFmt12, kFmt12},   {&AisMsgFmt14, kFmt14},   {&AisMsgFmt15, kFmt15},   {&AisMsgFmt16, kFmt16},
    {&AisMsgFmt17, kFmt17},   {&AisMsgFmt18, kFmt18},   {&AisMsgFmt19, kFmt19},   {&AisMsgFmt20, kFmt20},
    {&AisMsgFmt21, kFmt21},   {&AisMsgFmt22, kFmt22},   {&AisMsgFmt23, kFmt23},   {&AisMsgFmt24A, kFmt24A},
    {&AisMsgFmt24B, kFmt24B}, {&AisMsgFmt25A, kFmt25A}, {&AisMsgFmt25B, kFmt25B}, {&AisMsgFmt26A, kFmt26A},
    {&AisMsgFmt26B, kFmt26B},
};

AIS_message_formatter* const kLayouts[AIS_LAYOUT_COUNT] = {
    &AisMsgFmt01,  &AisMsgFmt01,  &AisMsgFmt01,  &AisMsgFmt04,  &AisMsgFmt05,  &AisMsgFmt06,
    &AisMsgFmt07,  &AisMsgFmt08,  &AisMsgFmt09,  &AisMsgFmt10,  &AisMsgFmt04,  &AisMsgFmt12,
    &AisMsgFmt07,  &AisMsgFmt14,  &AisMsgFmt15,  &AisMsgFmt16,  &AisMsgFmt17,  &AisMsgFmt18,
    &AisMsgFmt19,  &AisMsgFmt20,  &AisMsgFmt21,  &AisMsgFmt22,  &AisMsgFmt23,  &AisMsgFmt24A,
    &AisMsgFmt24B, &AisMsgFmt25A, &AisMsgFmt25B, &AisMsgFmt26A, &AisMsgFmt26B, nullptr,
};

// Layout of a two-form message (24 to 26) from its selector value, or -1.
int twoFormLayout(int msgId, unsigned selector)
{
    switch (msgId) {
    case 24:
        return selector == 0 ? AIS_LAYOUT_24A : selector == 1 ? AIS_LAYOUT_24B : -1;
    case 25:
        return selector == 1 ? AIS_LAYOUT_25A : selector == 0 ? AIS_LAYOUT_25B : -1;
    case 26:
        return selector == 1 ? AIS_LAYOUT_26A : selector == 0 ? AIS_LAYOUT_26B : -1;
    default:
        return msgId - 1;
    }
}

// Fields actually sent by the messages whose length varies with their content.
uint64_t sentFieldCount(const UN_AIS_MESSAGE& m, uint64_t count)
{
    switch (m.head.msgId) {
    case 7:
    case 13: {
        const uint64_t n = 4u + 2u * m.msg7.destCount;
        return n < 12u ? n : 12u;
    }
    case 15:
        return m.msg15.msgId21 != 0 ? count : m.msg15.msgId12 != 0 ? count - 4 : count - 7;
    case 16:
        return m.msg16.destB != 0 ? count : count - 4;
    case 20:
        for (int block = 3; block > 0; --block) {
            if (m.msg20.block[block].offset != 0)
                return count - 4u * static_cast<uint64_t>(3 - block);
        }
        return count - 12;
    default:
        return count;
    }
}

} // namespace

AIS_message_formatter AisMsgFmt01 = {countOf(kFmt01), nullptr};
AIS_message_formatter AisMsgFmt04 = {countOf(kFmt04), nullptr};
AIS_message_formatter AisMsgFmt05 = {countOf(kFmt05), nullptr};
AIS_message_formatter AisMsgFmt06 = {countOf(kFmt06), nullptr};
AIS_message_formatter AisMsgFmt07 = {countOf(kFmt07), nullptr};
AIS_message_formatter AisMsgFmt08 = {countOf(kFmt08), nullptr};
AIS_message_formatter AisMsgFmt09 = {countOf(kFmt09), nullptr};
AIS_message_formatter AisMsgFmt10 = {countOf(kFmt10), nullptr};
AIS_message_formatter AisMsgFmt12 = {countOf(kFmt12), nullptr};
AIS_message_formatter AisMsgFmt14 = {countOf(kFmt14), nullptr};
AIS_message_formatter AisMsgFmt15 = {countOf(kFmt15), nullptr};
AIS_message_formatter AisMsgFmt16 = {countOf(kFmt16), nullptr};
AIS_message_formatter AisMsgFmt17 = {countOf(kFmt17), nullptr};
AIS_message_formatter AisMsgFmt18 = {countOf(kFmt18), nullptr};
AIS_message_formatter AisMsgFmt19 = {countOf(kFmt19), nullptr};
AIS_message_formatter AisMsgFmt20 = {countOf(kFmt20), nullptr};
AIS_message_formatter AisMsgFmt21 = {countOf(kFmt21), nullptr};
AIS_message_formatter AisMsgFmt22 = {countOf(kFmt22), nullptr};
AIS_message_formatter AisMsgFmt23 = {countOf(kFmt23), nullptr};
AIS_message_formatter AisMsgFmt24A = {countOf(kFmt24A), nullptr};
AIS_message_formatter AisMsgFmt24B = {countOf(kFmt24B), nullptr};
AIS_message_formatter AisMsgFmt25A = {countOf(kFmt25A), nullptr};
AIS_message_formatter AisMsgFmt25B = {countOf(kFmt25B), nullptr};
AIS_message_formatter AisMsgFmt26A = {countOf(kFmt26A), nullptr};
AIS_message_formatter AisMsgFmt26B = {countOf(kFmt26B), nullptr};

AIS_message_formatter* AisMsgFmt[AIS_LAYOUT_COUNT] = {};

const int32_t AisMsgPriority[28] = {1, 1, 1, 1, 4, 4, 1, 4, 1, 3, 3, 2, 1, 2, 3, 1, 2, 1, 1, 1, 1, 1, 1, 4, 4, 4, 1, 0};

void AisMsgFormatInitial()
{
    for (const SLayoutEntry& entry : kFormatters)
        entry.formatter->fields = entry.fields;
    for (int i = 0; i < AIS_LAYOUT_COUNT; ++i)
        AisMsgFmt[i] = kLayouts[i];
}

int AisMsg_GetFormat_ByMsg(const uint8_t* payload, AIS_message_formatter** format)
{
    if (payload == nullptr || format == nullptr)
        return AIS_FORMAT_NONE;
    const int msgId = AisMsgCodec_GetMsgId(payload);
    if (AisMsgCodec_CheckMsgId(msgId) != 0 || msgId == 27)
        return AIS_FORMAT_NONE;
    unsigned selector = 0;
    if (msgId == 24)
        selector = AisMsgCodec_FieldPick(payload, 38, 2); // parts 2 and 3 have no layout
    else if (msgId == 25 || msgId == 26)
        selector = AisMsgCodec_FieldPick(payload, 38, 1);
    const int layout = twoFormLayout(msgId, selector);
    if (layout < 0 || AisMsgFmt[layout] == nullptr)
        return AIS_FORMAT_NONE;
    *format = AisMsgFmt[layout];
    return AIS_FORMAT_FOUND;
}

int AisMsg_GetFormat_ByData(const UN_AIS_MESSAGE* message, AIS_message_formatter* format)
{
    if (message == nullptr || format == nullptr)
        return AIS_FORMAT_NONE;
    const int msgId = message->head.msgId;
    if (AisMsgCodec_CheckMsgId(msgId) != 0 || msgId == 27)
        return AIS_FORMAT_NONE;
    // Part number of 24 and destination indicator of 25 and 26 share byte 6.
    const int layout = twoFormLayout(msgId, message->bytes[6]);
    if (layout < 0 || AisMsgFmt[layout] == nullptr)
        return AIS_FORMAT_NONE;
    format->fields = AisMsgFmt[layout]->fields;
    format->count = sentFieldCount(*message, AisMsgFmt[layout]->count);
    return AIS_FORMAT_FOUND;
}
