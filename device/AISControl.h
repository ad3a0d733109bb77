#pragma once

#include "device/AisCmdFormat.h"

// Recognises the transponder's configuration replies among the received sentences and keeps
// the last of each kind. Runs on the communication thread.
class CAISControl
{
public:
    // False unless the text starts with "$" or "!" and is one of the three replies.
    bool paser(const char* sentence);
    bool paserProc(const char* sentence);

    void pqxvProc(char* sentence);
    void aiepvProc(char* sentence);
    void aicekProc(char* sentence);

    const SAISCommandData& commandData() const { return m_data; }

private:
    // The format objects have no state: their parsers are called on the classes.
    SAISCommandData m_data{};
};
