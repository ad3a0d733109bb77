#pragma once

#include "LogProbe.h"
#include "comm/CommDefine.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

// A package carrying text, with its gap and, when timeoutMs is positive, a reply wait.
inline COMM::STxPackage makePackage(const std::string& text, int gapMs = COMM::kTxDefaultGapMs, int timeoutMs = 0,
                                    const char* awaitText = "")
{
    COMM::STxPackage pkg;
    const size_t length = std::min(text.size(), sizeof(pkg.data));
    std::memcpy(pkg.data, text.data(), length);
    pkg.length = static_cast<int32_t>(length);
    pkg.gapMs = gapMs;
    pkg.response.timeoutMs = timeoutMs;
    std::strncpy(pkg.response.awaitText, awaitText, sizeof(pkg.response.awaitText) - 1);
    return pkg;
}
