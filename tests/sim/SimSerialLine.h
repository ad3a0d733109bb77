#pragma once

#include <string>

// The transponder's end of a serial line: the master side of a pseudo-terminal whose slave the
// program opens by name as its serial port. Raw both ways; reads and writes never block.
class CSimSerialLine
{
public:
    CSimSerialLine();
    ~CSimSerialLine();

    CSimSerialLine(const CSimSerialLine&) = delete;
    CSimSerialLine& operator=(const CSimSerialLine&) = delete;

    // A new pseudo-terminal; the previous one, if any, is hung up first.
    bool open();
    bool isOpen() const { return m_master >= 0; }
    std::string slavePath() const { return m_slavePath; }

    // Waits up to timeoutMs for received bytes and returns them (empty when none came).
    std::string read(int timeoutMs);
    // Writes as much of data as the line takes now; returns the count written, -1 on a hang-up.
    long write(const std::string& data);
    // Hangs the line up as an unplugged device would.
    void hangUp();

private:
    int m_master = -1;
    int m_slave = -1; // held, so that the line and its name stay ours until the next open
    std::string m_slavePath;
};
