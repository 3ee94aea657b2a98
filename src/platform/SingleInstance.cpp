#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <functional>

#include <unistd.h>

namespace {

const QByteArray ShowRequest = QByteArrayLiteral("show\n");
const QByteArray Answer = QByteArrayLiteral("ok\n");
constexpr int MaxRequest = 64;
constexpr int HandOverMs = 5000; // the running copy may be busy drawing its windows
constexpr int RetryMs = 50;

QString userName()
{
    return QString::number(::getuid());
}

// Named after the user as well: a runtime folder may be shared when the session sets none.
QString filePath(const QString &runtimeFolder, const QString &suffix)
{
    if (runtimeFolder.isEmpty())
        return {};
    return QDir(runtimeFolder).filePath(QStringLiteral("org.feastbook.Feastbook.%1").arg(userName()) + suffix);
}

// One asking copy: its line is read as it comes, and it is not waited for longer than a
// hand-over may take.
class Request : public QObject
{
public:
    Request(LocalSocket socket, std::function<void()> onShow, QObject *parent)
        : QObject(parent), m_socket(std::move(socket)), m_notifier(m_socket.fd(), QSocketNotifier::Read),
          m_onShow(std::move(onShow))
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Request::read);
        QTimer::singleShot(HandOverMs, this, &Request::finish);
    }

private:
    void read()
    {
        bool closed = false;
        m_line += m_socket.readAvailable(MaxRequest + 1 - int(m_line.size()), closed);
        if (m_line.contains('\n')) {
            if (m_line == ShowRequest) {
                m_onShow();
                m_socket.writeAll(Answer, QDeadlineTimer(HandOverMs));
            }
            finish();
        } else if (closed || m_line.size() > MaxRequest) {
            finish();
        }
    }

    void finish()
    {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    LocalSocket m_socket;
    QSocketNotifier m_notifier; // declared after the socket: goes first
    QByteArray m_line;
    std::function<void()> m_onShow;
};

} // namespace

SingleInstance::SingleInstance(const QString &runtimeFolder, QObject *parent)
    : QObject(parent), m_socketPath(socketPath(runtimeFolder)), m_lock(filePath(runtimeFolder, QStringLiteral(".lock")))
{
    // Held for as long as the copy runs: the lock is stale only when its process has gone.
    m_lock.setStaleLockTime(0);
}

// The socket goes with the copy that listened on it, so that nothing is left to connect to.
SingleInstance::~SingleInstance()
{
    if (!m_listener.isValid())
        return;
    m_listening.reset();
    m_listener = LocalSocket();
    QFile::remove(m_socketPath);
}

QString SingleInstance::socketPath(const QString &runtimeFolder)
{
    return filePath(runtimeFolder, QStringLiteral(".socket"));
}

SingleInstance::Start SingleInstance::claim()
{
    if (m_socketPath.isEmpty()) {
        qWarning("No runtime folder: a second start of Feastbook cannot find this one.");
        return Start::First;
    }
    if (m_lock.tryLock(0)) {
        listen();
        return Start::First;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        qWarning("The lock %s cannot be taken: a second start of Feastbook cannot find this one.",
                 qPrintable(m_lock.fileName()));
        return Start::First;
    }
    return handOver() ? Start::HandedOver : Start::NoAnswer;
}

qint64 SingleInstance::runningProcess() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    return m_lock.getLockInfo(&pid, &host, &application) ? pid : 0;
}

void SingleInstance::listen()
{
    // With the lock free nobody listens: a socket left here is a crashed copy's, and is replaced.
    QString error;
    m_listener = LocalSocket::listen(m_socketPath, error);
    if (!m_listener.isValid()) {
        qWarning("Feastbook cannot listen on %s (%s): a second start cannot find this copy.", qPrintable(m_socketPath),
                 qPrintable(error));
        return;
    }
    m_listening = std::make_unique<QSocketNotifier>(m_listener.fd(), QSocketNotifier::Read);
    connect(m_listening.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptWaiting);
}

void SingleInstance::acceptWaiting()
{
    for (LocalSocket asking = m_listener.accept(); asking.isValid(); asking = m_listener.accept())
        new Request(
            std::move(asking), [this] { emit secondStart(); }, this);
}

// The running copy takes the lock a moment before it listens, so the socket may not be there yet.
bool SingleInstance::handOver()
{
    const QDeadlineTimer deadline(HandOverMs);
    LocalSocket socket = LocalSocket::connectTo(m_socketPath);
    while (!socket.isValid()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(RetryMs);
        socket = LocalSocket::connectTo(m_socketPath);
    }
    return socket.writeAll(ShowRequest, deadline) && socket.readLine(MaxRequest, deadline) == Answer;
}
