#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QByteArray ShowRequest = QByteArrayLiteral("show\n");
const QByteArray Answer = QByteArrayLiteral("ok\n");
constexpr int MaxRequest = 64;
constexpr int HandOverMs = 5000; // the running copy may be busy drawing its windows
constexpr int RetryMs = 50;

QString userName()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

// Named after the user as well: a runtime folder may be shared when the session sets none.
QString filePath(const QString &runtimeFolder, const QString &suffix)
{
    if (runtimeFolder.isEmpty())
        return {};
    return QDir(runtimeFolder).filePath(QStringLiteral("org.feastbook.Feastbook.%1").arg(userName()) + suffix);
}

} // namespace

SingleInstance::SingleInstance(const QString &runtimeFolder, QObject *parent)
    : QObject(parent), m_socketPath(socketPath(runtimeFolder)), m_lock(filePath(runtimeFolder, QStringLiteral(".lock")))
{
    // Held for as long as the copy runs: the lock is stale only when its process has gone.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection())
            serve(socket);
    });
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
    // With the lock free nobody listens: a socket left here is a crashed copy's.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_socketPath))
        qWarning("Feastbook cannot listen on %s (%s): a second start cannot find this copy.", qPrintable(m_socketPath),
                 qPrintable(m_server.errorString()));
}

void SingleInstance::serve(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // A client that says nothing is not kept waiting for.
    QTimer::singleShot(HandOverMs, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > MaxRequest)
                socket->abort();
            return;
        }
        if (socket->readLine(MaxRequest + 1) == ShowRequest) {
            emit secondStart();
            socket->write(Answer);
            socket->flush();
        }
        socket->disconnectFromServer();
    });
}

// The running copy takes the lock a moment before it listens, so the socket may not be there yet.
bool SingleInstance::handOver()
{
    const QDeadlineTimer deadline(HandOverMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(RetryMs);
    }
    socket.write(ShowRequest);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(int(deadline.remainingTime())))
        answer += socket.readAll();
    return answer == Answer;
}
