#include "SimSerialLine.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

CSimSerialLine::CSimSerialLine() = default;

CSimSerialLine::~CSimSerialLine()
{
    hangUp();
    if (m_slave >= 0)
        ::close(m_slave);
}

bool CSimSerialLine::open()
{
    hangUp();
    if (m_slave >= 0)
        ::close(m_slave);
    m_slave = -1;
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = -1;
        m_slave = -1;
        return false;
    }
    termios mode{};
    if (::tcgetattr(m_master, &mode) == 0) {
        ::cfmakeraw(&mode);
        ::tcsetattr(m_master, TCSANOW, &mode);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = name;
    return true;
}

std::string CSimSerialLine::read(int timeoutMs)
{
    std::string data;
    if (m_master < 0)
        return data;
    pollfd wait{m_master, POLLIN, 0};
    if (::poll(&wait, 1, timeoutMs) <= 0 || (wait.revents & POLLIN) == 0)
        return data;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof(buffer));
        if (n <= 0)
            break; // EAGAIN: nothing more now; EIO: the program has closed its side
        data.append(buffer, static_cast<size_t>(n));
    }
    return data;
}

long CSimSerialLine::write(const std::string& data)
{
    if (m_master < 0)
        return -1;
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(m_master, data.data() + done, data.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: the line is full for now
    }
    return static_cast<long>(done);
}

void CSimSerialLine::hangUp()
{
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}
