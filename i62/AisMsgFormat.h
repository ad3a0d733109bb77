#pragma once

#include "i62/AisCodec.h"

// Field lists of the AIS message layouts and the choice of layout for a message.

constexpr int AIS_LAYOUT_COUNT = 30;
constexpr int AIS_LAYOUT_24A = 23;
constexpr int AIS_LAYOUT_24B = 24;
constexpr int AIS_LAYOUT_25A = 25;
constexpr int AIS_LAYOUT_25B = 26;
constexpr int AIS_LAYOUT_26A = 27;
constexpr int AIS_LAYOUT_26B = 28;

// Results of the layout choice.
constexpr int AIS_FORMAT_FOUND = 0;
constexpr int AIS_FORMAT_NONE = 1;

extern AIS_message_formatter AisMsgFmt01, AisMsgFmt04, AisMsgFmt05, AisMsgFmt06, AisMsgFmt07, AisMsgFmt08, AisMsgFmt09,
    AisMsgFmt10, AisMsgFmt12, AisMsgFmt14, AisMsgFmt15, AisMsgFmt16, AisMsgFmt17, AisMsgFmt18, AisMsgFmt19, AisMsgFmt20,
    AisMsgFmt21, AisMsgFmt22, AisMsgFmt23, AisMsgFmt24A, AisMsgFmt24B, AisMsgFmt25A, AisMsgFmt25B, AisMsgFmt26A,
    AisMsgFmt26B;

// Layout by layout number (message id - 1; 23-28 the two-form messages 24 to 26).
extern AIS_message_formatter* AisMsgFmt[AIS_LAYOUT_COUNT];
// Transmission priority of messages 1 to 27 and a closing 0.
extern const int32_t AisMsgPriority[28];

// Gives the formatters their field lists and fills the layout table.
void AisMsgFormatInitial();

int AisMsg_GetFormat_ByMsg(const uint8_t* payload, AIS_message_formatter** format);
int AisMsg_GetFormat_ByData(const UN_AIS_MESSAGE* message, AIS_message_formatter* format);
