#include "i62/NavSentence.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Frame.h"
#include "i62/I62Sentence.h"

#include <cstring>

// Query: $--ttQ,ccc*hh
bool I62_FMT_Q(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_BeginFields(sentence, 1))
        return false;
    I62_FieldText(record->fields.query.formatter, sizeof(record->fields.query.formatter), I62_LastField());
    return true;
}

// RMA: $--RMA,A,llll.ll,a,yyyyy.yy,a,... (status and position only; missing fields read empty)
bool I62_FMT_RMA(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || sentence == nullptr)
        return false;
    I62_RMA& rma = record->fields.rma;
    rma = I62_RMA{};
    StrToken(sentence, ",");
    rma.status = I62_FieldChar(I62_NextField());
    I62_GetDegree(I62_NextField(), &rma.position);
    return true;
}

// WPL: $--WPL,llll.ll,a,yyyyy.yy,a,c--c*hh
bool I62_FMT_WPL(char* sentence, I61162_Data_Structure* record)
{
    if (record == nullptr || !I62_CalFieldDelimiter(sentence, 5))
        return false;
    I62_WPL& wpl = record->fields.wpl;
    wpl = I62_WPL{};
    // The position reader takes the field after E/W up to a comma, which the identifier lacks.
    const char* ident = std::strrchr(sentence, ',') + 1;
    StrToken(sentence, ",");
    I62_GetDegree(I62_NextField(), &wpl.position);
    if (!I62_IsEmptyField(ident))
        I62_TextUpTo(wpl.ident, sizeof(wpl.ident), ident, '*');
    return true;
}
