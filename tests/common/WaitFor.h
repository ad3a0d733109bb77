#pragma once

#include <functional>

namespace TestSupport {

// Runs the calling thread's event loop until condition holds or timeoutMs passes;
// returns the condition's last answer. Wakes at least every few milliseconds, so
// conditions on things outside Qt (a pipe, a file) are seen too.
bool waitFor(const std::function<bool()>& condition, int timeoutMs);

} // namespace TestSupport
