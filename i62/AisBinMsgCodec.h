#pragma once

#include "i62/AisMessage.h"

// Application identifier (DAC and FI) of the binary AIS messages 6, 8 and 25.

extern int RxBinMsgAppId;

// DAC and FI of a message 6, 8 or 25 (0 and 0 for others or a message 25 without binary data).
void GetAppIdentifier(const UN_AIS_MESSAGE* message, int* dac, int* fi);
// Records the identifier of a binary message in RxBinMsgAppId: 0 done, 1 not a binary message.
int DecodeAisBinaryMessage(const UN_AIS_MESSAGE* message, int option);
void AisBinMsgCodecInitial();
