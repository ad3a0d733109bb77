#pragma once

#include <string>
#include <vector>

// What sits behind the transponder's serial link in pass-through mode (the Wi-Fi module). The
// transponder hands it every received line while pass-through is on; lines it returns are sent
// as they are, line ends included.
class CSimPassThrough
{
public:
    virtual ~CSimPassThrough() = default;

    // Pass-through has been switched on; the lines that answer the switch.
    virtual std::vector<std::string> onEnter() = 0;
    // One received line, its line end included.
    virtual std::vector<std::string> onLine(const std::string& line) = 0;
    // Called about every 50 ms while pass-through is on, for replies that come later.
    virtual std::vector<std::string> onTick(long long /*nowMs*/) { return {}; }
    // Pass-through has been switched off.
    virtual void onLeave() {}
    // True while something received is not yet answered whole (a reply due later).
    virtual bool busy() const { return false; }
};
