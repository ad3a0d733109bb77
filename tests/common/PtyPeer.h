#pragma once

#include <QByteArray>
#include <QString>

namespace TestSupport {

// The far end of a serial line for tests: a pseudo-terminal whose slave the program
// opens by path as a serial port, while the test reads and writes the raw master side.
class PtyPeer
{
public:
    PtyPeer();
    ~PtyPeer();

    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    bool isOpen() const { return m_master >= 0; }
    // The master's descriptor, to read the line settings the program chose (tcgetattr).
    int masterFd() const { return m_master; }
    // The path to give the program as its port name.
    QString slavePath() const { return m_slavePath; }

    // Writes all of data to the master side; false when it could not.
    bool write(const QByteArray& data);
    // Whatever the program has written so far, without waiting.
    QByteArray readAvailable();
    // Reads until the collected bytes hold needle or timeoutMs passes, processing the
    // calling thread's events meanwhile so that the program's port keeps running.
    // Returns everything read.
    QByteArray readUntil(const QByteArray& needle, int timeoutMs);

    // Hangs the line up as an unplugged device would.
    void closeMaster();

    // What a read of a pseudo-terminal's descriptor would find now. A write to one side reaches
    // the other through the kernel's work queue, a moment later; a poll first lets input still on
    // its way arrive, so that bytes written are never taken for bytes read.
    static int unreadBytes(int fd);

private:
    int m_master = -1;
    int m_slave = -1; // held for the peer's whole life: keeps the line and its number ours
    QString m_slavePath;
};

} // namespace TestSupport
