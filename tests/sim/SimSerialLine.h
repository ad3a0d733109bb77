#pragma once

#include "PtyPeer.h"

#include <memory>
#include <string>

// The transponder's end of a serial line: the master side of a pseudo-terminal whose slave the
// program opens by name as its serial port. Reads and writes never block, and need no event loop,
// so the simulator's own thread drives them.
class CSimSerialLine
{
public:
    // A new pseudo-terminal; the previous one, if any, is hung up first.
    bool open();
    bool isOpen() const { return m_peer && m_peer->isOpen(); }
    std::string slavePath() const;

    // Whatever the program has written so far (empty when nothing came).
    std::string read();
    // True when the program has written bytes not read yet.
    bool hasUnread() const;
    // Writes as much of data as the line takes now; returns the count written, -1 when hung up.
    long write(const std::string& data);
    // Hangs the line up as an unplugged device would; the name stays held until the next open.
    void hangUp();

private:
    std::unique_ptr<TestSupport::PtyPeer> m_peer;
};
