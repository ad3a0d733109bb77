#pragma once

#include "i62/I62Frame.h"

#include <cstddef>
#include <cstdint>

// Result codes of Parser (and of I62_Decompose, which gives 0, 1, 2, 3 or 8).
constexpr signed char I62_RESULT_TAKEN = 0;
constexpr signed char I62_RESULT_CHECKSUM = 1;
constexpr signed char I62_RESULT_NO_CR = 2;
constexpr signed char I62_RESULT_NO_LF = 3;
constexpr signed char I62_RESULT_FRAGMENT = 4;
constexpr signed char I62_RESULT_NOT_SIXBIT = 6;
constexpr signed char I62_RESULT_UNDECODABLE = 7;
constexpr signed char I62_RESULT_REFUSED = 8;

struct I61162_Data_Structure;

// Checks the frame of a CR LF-terminated sentence held in bufSize bytes, fills the record's
// header and hands the sentence to the parser of its formatter. The text is changed in place.
uint8_t I62_Decompose(char* sentence, I61162_Data_Structure* record, std::size_t bufSize = I62_SENTENCE_BUF_SIZE);
