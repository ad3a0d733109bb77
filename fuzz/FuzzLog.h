#pragma once

#include "services/SysDebug.h"

namespace Fuzz {

// The logger's thread does not run in a fuzzer: file the queued records so they do not pile up.
// Nothing is printed: a fuzzer's millions of records would cost more than the code under test.
inline void drainLog()
{
    SysDebug* log = Pattern::Singleton<SysDebug>::instance();
    static const bool quiet = (log->setDebugEnable(false), true);
    (void)quiet;
    log->msgProc();
}

} // namespace Fuzz
