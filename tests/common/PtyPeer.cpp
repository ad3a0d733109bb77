#include "PtyPeer.h"

#include "WaitFor.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace TestSupport {

PtyPeer::PtyPeer()
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = -1;
        m_slave = -1;
        return;
    }
    // Raw both ways: no echo, no line editing, no CR/LF translation.
    termios mode{};
    if (::tcgetattr(m_master, &mode) == 0) {
        ::cfmakeraw(&mode);
        ::tcsetattr(m_master, TCSANOW, &mode);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
}

PtyPeer::~PtyPeer()
{
    closeMaster();
    if (m_slave >= 0)
        ::close(m_slave);
}

bool PtyPeer::write(const QByteArray& data)
{
    if (m_master < 0)
        return false;
    qint64 done = 0;
    bool failed = false;
    // The line holds a few KiB; the program's event loop must run to drain it.
    waitFor(
        [&]() {
            while (done < data.size()) {
                const ssize_t n = ::write(m_master, data.constData() + done, static_cast<size_t>(data.size() - done));
                if (n > 0) {
                    done += n;
                    continue;
                }
                failed = n < 0 && errno != EAGAIN && errno != EINTR;
                return failed;
            }
            return true;
        },
        180000);
    return !failed && done == data.size();
}

QByteArray PtyPeer::readAvailable()
{
    QByteArray data;
    if (m_master < 0)
        return data;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof(buffer));
        if (n <= 0)
            break; // EAGAIN: nothing more now; EIO: the slave side is not open
        data.append(buffer, static_cast<int>(n));
    }
    return data;
}

QByteArray PtyPeer::readUntil(const QByteArray& needle, int timeoutMs)
{
    QByteArray data;
    waitFor(
        [&]() {
            data += readAvailable();
            return data.contains(needle);
        },
        timeoutMs);
    return data;
}

void PtyPeer::closeMaster()
{
    // The slave stays held: its number must not pass to another process (and its port
    // lock file) while the program still has the hung-up line open.
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

int PtyPeer::unreadBytes(int fd)
{
    pollfd look{fd, POLLIN, 0};
    ::poll(&look, 1, 0);
    int count = 0;
    return ::ioctl(fd, FIONREAD, &count) == 0 ? count : 0;
}

} // namespace TestSupport
