#include "platform/LocalSocket.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int Backlog = 8;

// The address of path; false when the path does not fit in one.
bool addressOf(const QString &path, sockaddr_un &address)
{
    const QByteArray name = path.toLocal8Bit();
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

int streamSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

} // namespace

LocalSocket &LocalSocket::operator=(LocalSocket &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.release();
    }
    return *this;
}

LocalSocket::~LocalSocket()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int LocalSocket::release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

LocalSocket LocalSocket::listen(const QString &path, QString &error)
{
    sockaddr_un address;
    if (!addressOf(path, address)) {
        error = QStringLiteral("the path is too long for a socket");
        return {};
    }
    LocalSocket socket(streamSocket());
    ::unlink(address.sun_path);
    if (!socket.isValid() || ::bind(socket.m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(socket.m_fd, Backlog) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    return socket;
}

LocalSocket LocalSocket::connectTo(const QString &path)
{
    sockaddr_un address;
    if (!addressOf(path, address))
        return {};
    LocalSocket socket(streamSocket());
    // A local connection is made or refused at once (a full backlog refuses it with EAGAIN).
    if (!socket.isValid() || ::connect(socket.m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return {};
    return socket;
}

LocalSocket LocalSocket::accept() const
{
    return LocalSocket(::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
}

QByteArray LocalSocket::readAvailable(int max, bool &closed) const
{
    QByteArray data(max, Qt::Uninitialized);
    const ssize_t n = ::recv(m_fd, data.data(), size_t(max), 0);
    closed = n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
    data.resize(n > 0 ? qsizetype(n) : 0);
    return data;
}

bool LocalSocket::wait(short events, QDeadlineTimer deadline) const
{
    pollfd entry{m_fd, events, 0};
    for (;;) {
        const int rc = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (rc > 0)
            return true;
        if (rc == 0 || errno != EINTR)
            return false;
    }
}

bool LocalSocket::writeAll(const QByteArray &data, QDeadlineTimer deadline) const
{
    qsizetype written = 0;
    while (written < data.size()) {
        if (!wait(POLLOUT, deadline))
            return false;
        // MSG_NOSIGNAL: a copy that went away is an answer, not a reason to end this one.
        const ssize_t n = ::send(m_fd, data.constData() + written, size_t(data.size() - written), MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
        written += n > 0 ? qsizetype(n) : 0;
    }
    return true;
}

QByteArray LocalSocket::readLine(int max, QDeadlineTimer deadline) const
{
    QByteArray line;
    bool closed = false;
    while (!line.contains('\n') && line.size() < max && !closed && wait(POLLIN, deadline))
        line += readAvailable(int(max - line.size()), closed);
    return line;
}
