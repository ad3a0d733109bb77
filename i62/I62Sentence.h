#pragma once

#include "i62/AisSentence.h"

#include <cstdint>

// One received or composed sentence: its header and the fields of its family.
struct I61162_Data_Structure
{
    char start;
    char talker[3];
    char formatter[4];
    char subType;
    uint8_t group;
    union {
        I62_ENCAP_SENTENCE encap;
    } fields;
};
