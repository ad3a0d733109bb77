#pragma once

#include <cstddef>
#include <cstdint>

// Sentence frame: checksum test and completion, the field tokenizer and empty-field marking.

// Longest received sentence the handler keeps, and the buffer that holds it after the
// line-end repair (CR LF added) and the "*FF" rewrite of a sentence without checksum.
constexpr int I62_MAX_SENTENCE_LEN = 200;
constexpr int I62_SENTENCE_BUF_SIZE = I62_MAX_SENTENCE_LEN + 2 + 3 + 1;

// Result codes of I62_Parse_CheckSum.
constexpr uint8_t I62_CHECKSUM_OK = 0;
constexpr uint8_t I62_CHECKSUM_ERROR = 1;
constexpr uint8_t I62_CHECKSUM_MISSING = 9;

// 0 when the two digits after '*' match, 1 on a mismatch or a text shorter than four
// characters, 9 when there is no '*': the CR LF is then replaced by "*FF\r\n". A rewrite
// that would not fit into bufSize bytes is refused with 1.
uint8_t I62_Parse_CheckSum(char* sentence, std::size_t bufSize = I62_SENTENCE_BUF_SIZE);

// Appends '*', the two checksum digits, CR, LF and NUL (six bytes beyond the text).
bool I62_Compose_CheckSum(char* sentence);

// The tokenizer's cursor is per thread: a call on one thread never moves another's.
extern thread_local char* StrTokenPtr;

// Splits on the first character of delimiter. The text after the last delimiter is never
// returned; a blank-only or empty token comes back unchanged, others without leading blanks.
char* StrToken(char* text, const char* delimiter);

// Commas of the text (0 for none).
int I62_CountFieldDelimiters(const char* sentence);
// True when the text holds exactly n commas.
bool I62_CalFieldDelimiter(const char* sentence, int n);

// Length of the text once every empty field (a comma before ',' or '*') holds its blank.
std::size_t I62_MarkedLength(const char* text, std::size_t length);

// Puts a blank into every empty field; false (text untouched) when the result would pass
// I62_MAX_SENTENCE_LEN characters. The buffer takes I62_MAX_SENTENCE_LEN + 1 bytes.
bool I62_PreParse(char* sentence);
// The same for a text whose length and I62_MarkedLength are known.
bool I62_MarkEmptyFields(char* sentence, std::size_t length, std::size_t marked);
