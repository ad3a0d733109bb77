#include "SimSerialLine.h"

#include <cerrno>
#include <unistd.h>

bool CSimSerialLine::open()
{
    m_peer = std::make_unique<TestSupport::PtyPeer>();
    return m_peer->isOpen();
}

std::string CSimSerialLine::slavePath() const
{
    return m_peer ? m_peer->slavePath().toStdString() : std::string();
}

std::string CSimSerialLine::read()
{
    if (!isOpen())
        return std::string();
    const QByteArray data = m_peer->readAvailable();
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

bool CSimSerialLine::hasUnread() const
{
    return isOpen() && TestSupport::PtyPeer::unreadBytes(m_peer->masterFd()) > 0;
}

long CSimSerialLine::write(const std::string& data)
{
    if (!isOpen())
        return -1;
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(m_peer->masterFd(), data.data() + done, data.size() - done);
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
    if (m_peer)
        m_peer->closeMaster();
}
