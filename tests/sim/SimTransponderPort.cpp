#include "SimTransponderPort.h"

#include "SimSentence.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

constexpr long long kHangUpAfterMs = 300;
constexpr size_t kRxBufferLimit = 4096; // a longer line is noise and is dropped
constexpr size_t kRecordLimit = 20000;  // kept lines, the oldest give way
constexpr size_t kOutgoingLimit = 20000; // waiting lines while nobody reads the line
// The sentences of one second beyond this many go out spread over most of the second, as a
// transponder passes on what it hears: a crowded sea does not arrive in one burst.
constexpr size_t kPeriodicBurst = 40;

template <typename T> void keepBounded(std::vector<T>& records)
{
    if (records.size() > kRecordLimit)
        records.erase(records.begin(), records.begin() + static_cast<long>(kRecordLimit / 2));
}

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

CSimTransponderPort::CSimTransponderPort(int model) : m_sim(model) {}

CSimTransponderPort::~CSimTransponderPort()
{
    stop();
}

long long CSimTransponderPort::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool CSimTransponderPort::start()
{
    if (m_thread.joinable())
        return true;
    {
        std::lock_guard<std::mutex> line(m_lineMutex);
        if (!m_line.open())
            return false;
    }
    m_stop = false;
    m_hungUp = false;
    m_thread = std::thread([this]() { run(); });
    return true;
}

void CSimTransponderPort::stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

std::string CSimTransponderPort::portName() const
{
    std::lock_guard<std::mutex> line(m_lineMutex);
    return m_line.slavePath();
}

void CSimTransponderPort::hangUp()
{
    std::lock_guard<std::mutex> line(m_lineMutex);
    m_line.hangUp();
    m_hungUp = true;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_outgoing.clear();
    m_rxBuffer.clear();
}

bool CSimTransponderPort::reopen()
{
    std::lock_guard<std::mutex> line(m_lineMutex);
    {
        // What fell due while the line was dead went into it, however late this thread would have
        // come round to it: the pass-through's replies as much as the queued lines.
        std::lock_guard<std::mutex> lock(m_mutex);
        const long long now = nowMs();
        schedule(m_sim.tick(now), now, nullptr);
        while (!m_outgoing.empty() && m_outgoing.front().dueMs <= now)
            m_outgoing.pop_front();
    }
    if (!m_line.open())
        return false;
    m_hungUp = false;
    return true;
}

SSimTransponderState CSimTransponderPort::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sim.state();
}

void CSimTransponderPort::modifyState(const std::function<void(SSimTransponderState&)>& change)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    change(m_sim.state());
}

void CSimTransponderPort::setPeriodMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_periodMs = ms;
    m_nextPeriodicMs = 0;
}

void CSimTransponderPort::setPassThrough(CSimPassThrough* module)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sim.setPassThrough(module);
}

bool CSimTransponderPort::inPassThrough() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sim.inPassThrough();
}

void CSimTransponderPort::send(const std::string& bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    schedule({bytes}, nowMs(), nullptr);
}

void CSimTransponderPort::sendPeriodicNow()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    schedulePeriodic(m_sim.periodic(), nowMs());
}

void CSimTransponderPort::addFault(const std::string& prefix, SIM_FAULT fault, int param)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.push_back({prefix, fault, param});
}

void CSimTransponderPort::clearFaults()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.clear();
}

int CSimTransponderPort::pendingFaults() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_faults.size());
}

std::vector<SSimRxLine> CSimTransponderPort::received() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

std::vector<SSimRxLine> CSimTransponderPort::receivedStartingWith(const std::string& prefix) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<SSimRxLine> lines;
    for (const SSimRxLine& line : m_received) {
        if (startsWith(line.bytes, prefix))
            lines.push_back(line);
    }
    return lines;
}

void CSimTransponderPort::clearReceived()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_received.clear();
}

std::vector<std::string> CSimTransponderPort::sent() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_sent;
}

long long CSimTransponderPort::writtenBytes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writtenBytes;
}

bool CSimTransponderPort::answered() const
{
    std::lock_guard<std::mutex> line(m_lineMutex);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_holding || m_line.hasUnread())
        return false;
    if (!m_outgoing.empty() && m_outgoing.front().dueMs <= nowMs())
        return false;
    // The module is driven only while pass-through is on.
    const CSimPassThrough* module = m_sim.activePassThrough();
    return module == nullptr || !module->busy();
}

int CSimTransponderPort::sentCount(const std::string& prefix) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int count = 0;
    for (const std::string& line : m_sent)
        count += startsWith(line, prefix) ? 1 : 0;
    return count;
}

int CSimTransponderPort::sentVdo(char channel) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_vdo[channel == 'A' ? 0 : 1];
}

int CSimTransponderPort::sentVdm(char channel) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_vdm[channel == 'A' ? 0 : 1];
}

void CSimTransponderPort::run()
{
    m_lastLookMs = nowMs();
    while (!m_stop) {
        const long long look = nowMs();
        std::string chunk;
        {
            std::lock_guard<std::mutex> line(m_lineMutex);
            chunk = m_line.read();
            if (!chunk.empty()) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_holding = true;
            }
        }
        if (chunk.empty()) {
            // Waiting outside the lock, so that a hang-up or a reopen is never held up.
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        const long long now = nowMs();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            takeReceived(chunk, m_lastLookMs, now);
            m_holding = false;
            if (m_periodMs > 0 && now >= m_nextPeriodicMs) {
                m_nextPeriodicMs = now + m_periodMs;
                schedulePeriodic(m_sim.periodic(), now);
            }
            schedule(m_sim.tick(now), now, nullptr);
        }
        writeDue(now);
        m_lastLookMs = look;
    }
}

// Called with m_mutex held.
void CSimTransponderPort::takeReceived(const std::string& chunk, long long earliest, long long now)
{
    m_rxBuffer += chunk;
    size_t end;
    while ((end = m_rxBuffer.find('\n')) != std::string::npos) {
        const std::string line = m_rxBuffer.substr(0, end + 1);
        m_rxBuffer.erase(0, end + 1);
        m_received.push_back({line, now, earliest});
        keepBounded(m_received);
        const SFault* fault = nullptr;
        SFault taken{};
        for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
            if (startsWith(line, it->prefix)) {
                taken = *it;
                fault = &taken;
                m_faults.erase(it);
                break;
            }
        }
        schedule(m_sim.onLine(line), now, fault);
    }
    if (m_rxBuffer.size() > kRxBufferLimit)
        m_rxBuffer.clear();
}

// Called with m_mutex held.
void CSimTransponderPort::schedulePeriodic(std::vector<std::string> lines, long long now)
{
    if (lines.size() <= kPeriodicBurst) {
        schedule(std::move(lines), now, nullptr);
        return;
    }
    const long long spread = m_periodMs * 8 / 10;
    const size_t later = lines.size() - kPeriodicBurst;
    schedule(std::vector<std::string>(lines.begin(), lines.begin() + kPeriodicBurst), now, nullptr);
    for (size_t i = 0; i < later; ++i)
        schedule({lines[kPeriodicBurst + i]}, now + static_cast<long long>(i) * spread / static_cast<long long>(later),
                 nullptr);
}

// Called with m_mutex held. Lines go out in due order; lines due together keep their order.
void CSimTransponderPort::schedule(std::vector<std::string> lines, long long now, const SFault* fault)
{
    if (lines.empty())
        return;
    long long due = now;
    size_t keep = lines.size();
    bool hangUp = false;
    if (fault != nullptr) {
        switch (fault->fault) {
        case SIM_FAULT::Drop:
            return;
        case SIM_FAULT::Delay:
            due = now + fault->param;
            break;
        case SIM_FAULT::Garble:
            for (std::string& line : lines)
                line = garbled(line);
            break;
        case SIM_FAULT::WrongChecksum:
            for (std::string& line : lines)
                line = wrongChecksum(line);
            break;
        case SIM_FAULT::HangUp:
            keep = std::min(lines.size(), static_cast<size_t>(std::max(fault->param, 0)));
            hangUp = true;
            break;
        }
    }
    auto at = m_outgoing.end();
    while (at != m_outgoing.begin() && std::prev(at)->dueMs > due)
        --at;
    std::vector<SOutgoing> items;
    for (size_t i = 0; i < keep; ++i)
        items.push_back({due, lines[i], false});
    // The line goes dead a moment after the last line, once the program has read it.
    if (hangUp)
        items.push_back({due + kHangUpAfterMs, std::string(), true});
    m_outgoing.insert(at, items.begin(), items.end());
    while (m_outgoing.size() > kOutgoingLimit)
        m_outgoing.pop_front();
}

void CSimTransponderPort::writeDue(long long now)
{
    std::lock_guard<std::mutex> line(m_lineMutex);
    std::lock_guard<std::mutex> lock(m_mutex);
    while (!m_outgoing.empty() && m_outgoing.front().dueMs <= now) {
        SOutgoing& item = m_outgoing.front();
        if (item.hangUp) {
            m_line.hangUp();
            m_hungUp = true;
            m_outgoing.clear();
            return;
        }
        if (!m_line.isOpen()) {
            m_outgoing.clear();
            return;
        }
        const long written = m_line.write(item.bytes);
        m_writtenBytes += std::max(written, 0L);
        if (written < static_cast<long>(item.bytes.size())) {
            // The line is full: the rest goes with the next round.
            item.bytes.erase(0, static_cast<size_t>(std::max(written, 0L)));
            return;
        }
        noteSent(item.bytes);
        m_outgoing.pop_front();
    }
}

// Called with m_mutex held.
void CSimTransponderPort::noteSent(const std::string& line)
{
    m_sent.push_back(line);
    keepBounded(m_sent);
    const bool vdo = startsWith(line, "!AIVDO");
    if (!vdo && !startsWith(line, "!AIVDM"))
        return;
    const std::vector<std::string> f = SimSentence::fields(line);
    const char channel = f.size() > 4 && !f[4].empty() ? f[4][0] : 'B';
    (vdo ? m_vdo : m_vdm)[channel == 'A' ? 0 : 1]++;
}

std::string CSimTransponderPort::garbled(std::string line)
{
    const size_t star = line.rfind('*');
    for (size_t i = star == std::string::npos ? line.size() : star; i-- > 1;) {
        const char c = line[i];
        if (c >= '0' && c <= '9') {
            line[i] = c == '9' ? '0' : static_cast<char>(c + 1);
            return line;
        }
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            line[i] = c == 'X' ? 'Y' : 'X';
            return line;
        }
    }
    return line;
}

std::string CSimTransponderPort::wrongChecksum(std::string line)
{
    const size_t star = line.rfind('*');
    if (star == std::string::npos || star + 3 > line.size())
        return line;
    const unsigned long sum = std::strtoul(line.substr(star + 1, 2).c_str(), nullptr, 16);
    char digits[3];
    std::snprintf(digits, sizeof(digits), "%02X", static_cast<unsigned>((sum + 1) & 0xFF));
    line.replace(star + 1, 2, digits);
    return line;
}
