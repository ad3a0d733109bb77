#include "device/Diagnostics.h"

void CDiagnostics::clearTxRxDiagnostics()
{
    m_uiRxA = 0;
    m_uiRxB = 0;
    m_uiTxA = 0;
    m_uiTxB = 0;
}

// The counters wrap at 2^32, as unsigned arithmetic does.
void CDiagnostics::updateRxTxStatistics(bool tx, char channel)
{
    if (tx) {
        if (channel == 'A')
            ++m_uiTxA;
        else if (channel == 'B')
            ++m_uiTxB;
        return;
    }
    if (channel == 'A')
        ++m_uiRxA;
    else
        ++m_uiRxB;
}
