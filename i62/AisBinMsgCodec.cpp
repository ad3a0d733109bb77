#include "i62/AisBinMsgCodec.h"

#include "i62/AisCodec.h"

int RxBinMsgAppId = 0;

namespace {

// The binary data of the message, or null when it carries none.
const uint8_t* binaryData(const UN_AIS_MESSAGE& m)
{
    switch (m.head.msgId) {
    case 6:
        return m.msg6.data;
    case 8:
        return m.msg8.data;
    case 25:
        if (m.msg25A.binaryFlag != 1)
            return nullptr;
        return m.msg25A.addressed == 1 ? m.msg25A.data : m.msg25B.data;
    default:
        return nullptr;
    }
}

bool isBinaryMessage(int msgId)
{
    return msgId == 6 || msgId == 8 || msgId == 25;
}

} // namespace

void GetAppIdentifier(const UN_AIS_MESSAGE* message, int* dac, int* fi)
{
    if (message == nullptr || dac == nullptr || fi == nullptr)
        return;
    const uint8_t* data = binaryData(*message);
    const uint16_t identifier = data == nullptr ? 0 : AisMsgCodec_GetAppIdentifier(data);
    *dac = AisMsgCodec_GetDAC(identifier);
    *fi = AisMsgCodec_GetFI(identifier);
}

int DecodeAisBinaryMessage(const UN_AIS_MESSAGE* message, int)
{
    if (message == nullptr || !isBinaryMessage(message->head.msgId))
        return 1;
    int dac = 0;
    int fi = 0;
    GetAppIdentifier(message, &dac, &fi);
    RxBinMsgAppId = dac << 6 | fi;
    return 0;
}

void AisBinMsgCodecInitial()
{
    RxBinMsgAppId = 0;
}
