#include "i62/Kestrin.h"

#include <cstring>

// Width, kind, scale of each field; the last four bits are spare.
const AIS_FIELD_DESCRIPTOR KestrinMsgDataPar[KESTRIN_FIELD_COUNT] = {
    {10, AIS_FIELD_U16_B, 1.0f}, {6, AIS_FIELD_U8, 1.0f}, {10, AIS_FIELD_U16_B, 1.0f},
    {10, AIS_FIELD_U16_B, 1.0f}, {10, AIS_FIELD_U16_B, 1.0f}, {5, AIS_FIELD_U8, 1.0f},
    {8, AIS_FIELD_U8, 1.0f},     {1, AIS_FIELD_U8, 1.0f},     {4, AIS_FIELD_SKIP, 1.0f},
};
const AIS_message_formatter KestrinMsgFormat = {KESTRIN_FIELD_COUNT, KestrinMsgDataPar};

KESTRIN_MSG TxKestrinMsg;
KESTRIN_MSG RxKestrinMsg;
KESTRIN_ADC_STAT KestrinAdcStat;

namespace {

// The packed fields without the closing byte.
constexpr int kRecordBytes = static_cast<int>(sizeof(KESTRIN_MSG)) - 1;

} // namespace

void Kestrin_Init()
{
    std::memset(&TxKestrinMsg, 0, sizeof(TxKestrinMsg));
    std::memset(&RxKestrinMsg, 0, sizeof(RxKestrinMsg));
    Kestrin_AdcValue_Reset();
}

void Kestrin_AdcValue_Reset()
{
    KestrinAdcStat = KESTRIN_ADC_STAT{0, 0, 0};
}

uint32_t Kestrin_AdcValue(uint32_t sample)
{
    KESTRIN_ADC_STAT& s = KestrinAdcStat;
    if (sample > s.maximum)
        s.maximum = sample;
    // Mean times count passes 32 bits long before the mean itself would.
    const uint64_t total = static_cast<uint64_t>(s.mean) * s.count + sample;
    s.mean = static_cast<uint32_t>(total / (static_cast<uint64_t>(s.count) + 1));
    ++s.count;
    return s.mean;
}

int Kestrin_CreateMsg(uint8_t* payload, uint16_t* bits, std::size_t payloadSize)
{
    if (payload == nullptr || bits == nullptr || payloadSize < KESTRIN_PAYLOAD_BYTES)
        return 1;
    KESTRIN_MSG work{};
    std::memcpy(&work, &TxKestrinMsg, kRecordBytes);
    std::memset(payload, 0, KESTRIN_PAYLOAD_BYTES);
    const int packed = AisMsgCodec_Pack(payload, bits, reinterpret_cast<const uint8_t*>(&work), &KestrinMsgFormat, 0,
                                        kRecordBytes, static_cast<int>(KESTRIN_PAYLOAD_BYTES));
    return packed == AIS_CODEC_DONE ? 0 : 1;
}

int Kestrin_RxMsg(const uint8_t* payload, uint16_t bits)
{
    if (payload == nullptr)
        return 1;
    KESTRIN_MSG work{};
    if (AisMsgCodec_Unpack(payload, static_cast<short>(bits), reinterpret_cast<uint8_t*>(&work), &KestrinMsgFormat,
                           nullptr, kRecordBytes) != AIS_CODEC_DONE)
        return 1;
    work.end = 0;
    RxKestrinMsg = work;
    return 0;
}

void Kestrin_CollectData() {}

int Kestrin_Proc()
{
    return 0;
}
