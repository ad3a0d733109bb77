// The AIS message codec on arbitrary payloads and bit counts: unpacking every layout, and
// packing back what was unpacked.
#include "i62/AisCodec.h"
#include "i62/AisMessage.h"
#include "i62/AisMsgFormat.h"

#include "FuzzInput.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool formats = (AisMsgFormatInitial(), true);
    (void)formats;
    Fuzz::CInput input(data, size);
    AIS_raw_message raw;
    std::memset(&raw, 0, sizeof(raw));
    raw.bits = static_cast<uint16_t>(input.word() % (8 * AIS_RAW_PAYLOAD_SIZE + 1));
    const std::string payload = input.text(AIS_RAW_PAYLOAD_SIZE);
    std::memcpy(raw.payload, payload.data(), payload.size());

    UN_AIS_MESSAGE message;
    if (AisMessageUnpack(&raw, &message)) {
        AIS_raw_message again;
        AisMessagePack(&again, &message);
    }
    // Every layout over the same bits, with a record of the decoded message's size.
    for (AIS_message_formatter* format : AisMsgFmt) {
        if (format == nullptr)
            continue;
        uint8_t record[AIS_MSG_RECORD_SIZE] = {};
        int bytes = 0;
        int bits = 0;
        AisMsgCodec_Unpack(raw.payload, static_cast<short>(raw.bits), record, format, &bytes, sizeof(record), &bits);
        uint8_t packed[AIS_RAW_PAYLOAD_SIZE] = {};
        uint16_t packedBits = 0;
        AisMsgCodec_Pack(packed, &packedBits, record, format, bytes, sizeof(record), sizeof(packed), bits);
    }
    return 0;
}
