#pragma once

#include "SimSerialLine.h"
#include "SimTransponder.h"

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// What the simulated transponder does to the replies to one received line.
enum class SIM_FAULT {
    Drop,          // no reply at all
    Delay,         // every reply line param ms late
    Garble,        // one character of every reply line changed, checksum kept (so it is wrong)
    WrongChecksum, // the checksum digits wrong, the text intact
    HangUp,        // param reply lines sent, then the line hung up a moment later
};

// One line as the simulated transponder received it: the exact bytes, line end included, and
// when it arrived (milliseconds of a steady clock): after earliestMs, when the reader last looked
// without it, and by ms, when the reader found it. A busy machine can leave the reader asleep for
// a while, so a gap between two lines is known only within those bounds.
struct SSimRxLine
{
    std::string bytes;
    long long ms = 0;
    long long earliestMs = 0;
};

// The longest and the shortest the time between two received lines can have been.
inline long long longestGapMs(const SSimRxLine& first, const SSimRxLine& second)
{
    return second.ms - first.earliestMs;
}
inline long long shortestGapMs(const SSimRxLine& first, const SSimRxLine& second)
{
    return second.earliestMs - first.ms;
}

// The simulated transponder on a pseudo-terminal, run by its own thread: it reads the program's
// lines, answers them, sends its own sentences once a second, records every line received and
// plays the faults a test asks for. Every public operation may be called from any thread.
class CSimTransponderPort
{
public:
    static constexpr int kDefaultPeriodMs = 1000;

    explicit CSimTransponderPort(int model = 1);
    ~CSimTransponderPort();

    CSimTransponderPort(const CSimTransponderPort&) = delete;
    CSimTransponderPort& operator=(const CSimTransponderPort&) = delete;

    // Opens the line and starts the thread; false when no pseudo-terminal could be had.
    bool start();
    void stop();
    // The name to give the program as its serial port.
    std::string portName() const;

    // Hangs up now, or opens a new line (with a new name) after a hang-up; what fell due to be
    // sent before the new line opened is lost with the old one.
    void hangUp();
    bool reopen();
    bool isHungUp() const { return m_hungUp; }

    // The state, read whole or changed in one step.
    SSimTransponderState state() const;
    void modifyState(const std::function<void(SSimTransponderState&)>& change);
    // How often the sentences of normal mode go out; 0 stops them.
    void setPeriodMs(int ms);
    void setPassThrough(CSimPassThrough* module);
    bool inPassThrough() const;

    // Sends bytes as they are, now, after whatever is already due.
    void send(const std::string& bytes);
    // Sends the sentences of one second now, whatever the period (also with the period at 0).
    void sendPeriodicNow();

    // The next received line that starts with prefix gets the fault; each fault is used once.
    void addFault(const std::string& prefix, SIM_FAULT fault, int param = 0);
    int pendingFaults() const;
    // Forgets the faults not yet used.
    void clearFaults();

    std::vector<SSimRxLine> received() const;
    std::vector<SSimRxLine> receivedStartingWith(const std::string& prefix) const;
    void clearReceived();
    // Lines written to the program, whole.
    std::vector<std::string> sent() const;
    // Every byte written to the program so far, on all lines.
    long long writtenBytes() const;
    // True when everything the program wrote has been read and answered: nothing unread on the
    // line, every reply due by now written, the module behind pass-through (while on) not busy.
    // Replies a fault delays, and the sentences of the coming seconds, are not waited for.
    bool answered() const;
    int sentCount(const std::string& prefix) const;
    // Own ("VDO") and other ("VDM") AIS sentences written, by channel.
    int sentVdo(char channel) const;
    int sentVdm(char channel) const;

    static long long nowMs();

private:
    struct SFault
    {
        std::string prefix;
        SIM_FAULT fault;
        int param;
    };
    struct SOutgoing
    {
        long long dueMs;
        std::string bytes;
        bool hangUp;
    };

    void run();
    void takeReceived(const std::string& chunk, long long earliest, long long now);
    void schedule(std::vector<std::string> lines, long long now, const SFault* fault);
    void schedulePeriodic(std::vector<std::string> lines, long long now);
    void writeDue(long long now);
    void noteSent(const std::string& line);
    static std::string garbled(std::string line);
    static std::string wrongChecksum(std::string line);

    mutable std::mutex m_mutex; // everything below but the line
    CSimTransponder m_sim;
    std::string m_rxBuffer;
    std::vector<SSimRxLine> m_received;
    std::vector<std::string> m_sent;
    std::deque<SOutgoing> m_outgoing;
    std::vector<SFault> m_faults;
    int m_periodMs = kDefaultPeriodMs;
    long long m_nextPeriodicMs = 0;
    long long m_lastLookMs = 0; // when the reader last looked at the line
    long long m_writtenBytes = 0;
    bool m_holding = false; // a chunk read from the line, not yet taken
    int m_vdo[2] = {0, 0};
    int m_vdm[2] = {0, 0};

    mutable std::mutex m_lineMutex; // the line: taken by the thread around each read and write
    CSimSerialLine m_line;
    std::atomic<bool> m_hungUp{false};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
