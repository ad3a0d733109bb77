#pragma once

#include <cstdint>

// The GPS-fix flag and the AIS sentences counted per channel: own transmissions ("VDO") and
// everything else received.
class CDiagnostics
{
public:
    CDiagnostics() = default;

    void clearTxRxDiagnostics();
    void setGpsFix(bool fix) { m_bGpsFix = fix; }
    // Transmitted: "A" or "B", any other channel not counted. Received: "A", else B.
    void updateRxTxStatistics(bool tx, char channel);

    bool m_bGpsFix = false;
    uint32_t m_uiRxA = 0;
    uint32_t m_uiRxB = 0;
    uint32_t m_uiTxA = 0;
    uint32_t m_uiTxB = 0;
};
