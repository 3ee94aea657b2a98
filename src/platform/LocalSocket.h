#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

// A stream socket in the file system, for the one-copy hand-over. Written on the system's own
// sockets rather than Qt's network module: that module brings a dozen libraries (Kerberos, proxy
// lookup, name resolution) that cost the start a millisecond for a line of text between two
// copies of the program.
class LocalSocket
{
public:
    LocalSocket() = default;
    explicit LocalSocket(int fd) : m_fd(fd) {}
    LocalSocket(LocalSocket &&other) noexcept : m_fd(other.release()) {}
    LocalSocket &operator=(LocalSocket &&other) noexcept;
    LocalSocket(const LocalSocket &) = delete;
    LocalSocket &operator=(const LocalSocket &) = delete;
    ~LocalSocket();

    // Listens at path, readable and writable by this user only; a file already there is replaced.
    // Invalid on failure, with the reason in error.
    static LocalSocket listen(const QString &path, QString &error);
    // Connected to whoever listens at path; invalid when nobody does.
    static LocalSocket connectTo(const QString &path);

    bool isValid() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    // The next waiting connection, invalid when none waits (the listener does not block).
    LocalSocket accept() const;

    // What can be read now without blocking, at most max (≥ 1) bytes; closed is set when the
    // other side has gone or the socket failed.
    QByteArray readAvailable(int max, bool &closed) const;
    // Writes all of data, waiting no longer than the deadline.
    bool writeAll(const QByteArray &data, QDeadlineTimer deadline) const;
    // Reads until a newline, the other side closing, max bytes or the deadline.
    QByteArray readLine(int max, QDeadlineTimer deadline) const;

private:
    int release();
    bool wait(short events, QDeadlineTimer deadline) const;

    int m_fd = -1;
};
