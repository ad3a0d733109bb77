#pragma once

#include "comm/CommDefine.h"
#include "services/SysDebug.h"

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

// Reads back what the code under test logged. The logger's thread is not started in
// tests, so its records wait until msgProc files them in the ring read here.
class LogProbe
{
public:
    LogProbe()
    {
        m_mark = "log probe mark " + std::to_string(++s_count);
        SYS_DEBUG(DEBUG_MSG_INFO, "%s", m_mark.c_str());
    }

    // Records made since this probe was created.
    std::vector<SDebugMsgData> records() const
    {
        SysDebug* log = Pattern::Singleton<SysDebug>::instance();
        log->msgProc();
        const auto& ring = log->autoLogRing();
        auto mark =
            std::find_if(ring.rbegin(), ring.rend(), [this](const SDebugMsgData& r) { return r.text == m_mark; });
        return std::vector<SDebugMsgData>(mark.base(), ring.end());
    }

    // Records whose text contains part.
    int count(const std::string& part) const
    {
        const auto all = records();
        return static_cast<int>(std::count_if(all.begin(), all.end(), [&part](const SDebugMsgData& r) {
            return r.text.find(part) != std::string::npos;
        }));
    }

private:
    static inline int s_count = 0;
    std::string m_mark;
};
