#pragma once

#include "services/SysDebug.h"

#include <algorithm>
#include <string>
#include <vector>

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
