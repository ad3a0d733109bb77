#include "i62/AisMessage.h"

#include "i62/AisCodec.h"
#include "i62/AisMsgFormat.h"
#include "i62/OwnShipMessage.h"

#include <cstring>

UN_AIS_MESSAGE Un_RxMsg;
UN_AIS_MESSAGE Un_TxMsg;

AIS_MSG_6_STORE RxBinaryAddressMsg;
AIS_MSG_8_STORE RxBinaryBroadcastMsg;
AIS_MSG_12_STORE RxSafetyAddressedMsg;
AIS_MSG_14_STORE RxSafetyBroadcastMsg;
AIS_MSG_15_STORE InterrogateMsg;
AIS_MSG_20_STORE DataLinkManageMsg;
AIS_MSG_21_STORE RxAtoNReportMsg;
AIS_MSG_22_STORE ChnlManageMsg;
AIS_MSG_23_STORE GrpAssignCmdMsg;
AIS_MSG_25_STORE RxSingleSlotBinaryMsg;
AIS_MSG_26_STORE RxMultipleSlotBinaryMsg;
AIS_MSG_14_STORE TxSafetyBroadcastMsg;
AIS_MSG_12_STORE TxSafetyAddressedMsg;
AIS_MSG_25_STORE TxSingleSlotBinaryMsg;
AIS_MSG_26_STORE TxMultipleSlotBinaryMsg;

int32_t RxAisShipId = -1;
int32_t RxAisMsgId = -1;

namespace {

// Where the addressed form of message 22 carries its two destinations.
constexpr int kMsg22Dest1Bit = 69;
constexpr int kMsg22SpareBit = 99;
constexpr int kMsg22Dest2Bit = 104;
constexpr int kMmsiBits = 30;

// A destination field the payload does not reach reads as 0.
uint32_t destinationAt(const AIS_raw_message& raw, int firstBit)
{
    return raw.bits >= firstBit + kMmsiBits ? AisMsgCodec_FieldPick(raw.payload, firstBit, kMmsiBits) : 0;
}

} // namespace

bool AisMessageInitial()
{
    AisMsgFormatInitial();
    RxBinaryAddressMsg.newData = 0;
    RxBinaryBroadcastMsg.newData = 0;
    RxSafetyAddressedMsg.newData = 0;
    RxSafetyBroadcastMsg.newData = 0;
    InterrogateMsg.newData = 0;
    DataLinkManageMsg.newData = 0;
    RxAtoNReportMsg.newData = 0;
    ChnlManageMsg.newData = 0;
    GrpAssignCmdMsg.newData = 0;
    RxSingleSlotBinaryMsg.newData = 0;
    RxMultipleSlotBinaryMsg.newData = 0;
    TxSafetyBroadcastMsg.newData = 0;
    TxSafetyAddressedMsg.newData = 0;
    TxSingleSlotBinaryMsg.newData = 0;
    TxMultipleSlotBinaryMsg.newData = 0;
    GrpAssignCmdMsg.message.longitude1 = 181.0f;
    GrpAssignCmdMsg.message.latitude1 = 91.0f;
    GrpAssignCmdMsg.message.longitude2 = 181.0f;
    GrpAssignCmdMsg.message.latitude2 = 91.0f;
    RxAisShipId = -1;
    RxAisMsgId = -1;
    OwnShipMsgInitial();
    return true;
}

bool AisMessageUnpack(const AIS_raw_message* raw, UN_AIS_MESSAGE* message)
{
    if (raw == nullptr || message == nullptr)
        return false;
    std::memset(message, 0, sizeof(*message));
    AIS_message_formatter* format = nullptr;
    if (AisMsg_GetFormat_ByMsg(raw->payload, &format) != AIS_FORMAT_FOUND)
        return false;
    int binaryBytes = 0;
    int binaryBits = 0;
    if (AisMsgCodec_Unpack(raw->payload, static_cast<short>(raw->bits), message->bytes, format, &binaryBytes,
                           AIS_MSG_RECORD_SIZE, &binaryBits) != AIS_CODEC_DONE)
        return false;

    switch (message->head.msgId) {
    case 6:
        message->msg6.dataBytes = static_cast<uint8_t>(binaryBytes);
        message->msg6.dataBits = static_cast<uint16_t>(binaryBits);
        break;
    case 8:
        message->msg8.dataBytes = static_cast<uint8_t>(binaryBytes);
        message->msg8.dataBits = static_cast<uint16_t>(binaryBits);
        break;
    case 25:
        message->msg25A.dataBits = static_cast<uint16_t>(binaryBits);
        break;
    case 26:
        message->msg26A.dataBits = static_cast<uint16_t>(binaryBits);
        break;
    case 22:
        if (message->msg22.addressed == 1) {
            // The addressed form puts two destinations where the area would be.
            message->msg22.destMmsi1 = destinationAt(*raw, kMsg22Dest1Bit);
            message->msg22.destMmsi2 = destinationAt(*raw, kMsg22Dest2Bit);
        }
        break;
    default:
        break;
    }
    return true;
}

uint32_t AisMessagePack(AIS_raw_message* raw, const UN_AIS_MESSAGE* message)
{
    if (raw == nullptr || message == nullptr)
        return 0;
    std::memset(raw, 0, sizeof(*raw));
    AIS_message_formatter format{0, nullptr};
    if (AisMsg_GetFormat_ByData(message, &format) != AIS_FORMAT_FOUND)
        return 0;

    int binaryBytes = 0;
    int binaryBits = 0;
    switch (message->head.msgId) {
    case 6:
        binaryBytes = message->msg6.dataBytes;
        binaryBits = message->msg6.dataBits;
        break;
    case 8:
        binaryBytes = message->msg8.dataBytes;
        binaryBits = message->msg8.dataBits;
        break;
    case 25:
        binaryBits = message->msg25A.dataBits;
        break;
    case 26:
        binaryBits = message->msg26A.dataBits;
        break;
    default:
        break;
    }
    uint16_t bits = 0;
    if (AisMsgCodec_Pack(raw->payload, &bits, message->bytes, &format, binaryBytes, AIS_MSG_RECORD_SIZE,
                         AIS_RAW_PAYLOAD_SIZE, binaryBits) != AIS_CODEC_DONE)
        return 0;
    raw->bits = bits;

    if (message->head.msgId == 22 && message->msg22.addressed == 1) {
        AisMsgInsertPut(raw->payload, kMsg22Dest1Bit, kMmsiBits, message->msg22.destMmsi1);
        AisMsgInsertPut(raw->payload, kMsg22SpareBit, kMsg22Dest2Bit - kMsg22SpareBit, 0);
        AisMsgInsertPut(raw->payload, kMsg22Dest2Bit, kMmsiBits, message->msg22.destMmsi2);
    }
    return 1;
}
