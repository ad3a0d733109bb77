#pragma once

#include "SimPassThrough.h"
#include "SimTransponderState.h"

#include <string>
#include <vector>

// The transponder's behaviour, without any I/O: each received line in, the lines to send back
// out; once a second the sentences it sends on its own. Not thread-safe: its runner locks.
class CSimTransponder
{
public:
    static constexpr const char* kModelNames[3] = {"", "KVX-T-362", "T-275"};
    static constexpr size_t kMaxLine = 200; // line end included

    explicit CSimTransponder(int model = 1);

    SSimTransponderState& state() { return m_state; }
    const SSimTransponderState& state() const { return m_state; }

    // One received line, its line end included; the complete lines that answer it.
    std::vector<std::string> onLine(const std::string& line);
    // The sentences of one second in normal mode; nothing in pass-through.
    std::vector<std::string> periodic();
    // Lines the pass-through module sends later.
    std::vector<std::string> tick(long long nowMs);

    void setPassThrough(CSimPassThrough* module) { m_passThrough = module; }
    bool inPassThrough() const { return m_passThroughOn; }
    // The module behind pass-through while it is switched on, else null.
    const CSimPassThrough* activePassThrough() const { return m_passThroughOn ? m_passThrough : nullptr; }

    // The system-data text, one key per line, ended by "[SYSTEM DATA END]".
    std::vector<std::string> systemDataText() const;
    std::vector<std::string> versionReply() const;
    std::vector<std::string> configReply(int group) const;

private:
    std::vector<std::string> query(const std::vector<std::string>& f) const;
    void applySetting(const std::vector<std::string>& f);
    void applyDebugPairs(const std::vector<std::string>& f, size_t first, bool proprietary);
    void applyCfg(const std::vector<std::string>& f);
    std::string cfg(int group, int sub, int value, const std::string& text) const;

    SSimTransponderState m_state;
    CSimPassThrough* m_passThrough = nullptr;
    bool m_passThroughOn = false;
    int m_staticSequence = 0; // sequential message id of the two-part messages
};
