#pragma once

#include "platform/LocalSocket.h"

#include <QLockFile>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <memory>

// One running copy for each user. The running copy holds a lock file in the user's runtime
// folder and listens on a local socket beside it; a later start finds the lock held and asks,
// through the socket, for the calendar window. A copy that crashed leaves both files behind:
// its lock is stale once its process is gone, and the next start takes it and the socket over.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Start {
        First,      // this is the running copy now (or the runtime folder cannot say: runs unguarded)
        HandedOver, // the running copy took the request
        NoAnswer    // a copy holds the lock but did not answer
    };

    explicit SingleInstance(const QString &runtimeFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    Start claim();

    // The process that holds the lock, 0 when unknown.
    qint64 runningProcess() const;

    // Where the running copy listens; empty without a runtime folder.
    static QString socketPath(const QString &runtimeFolder);

signals:
    // Another start asked for the calendar window.
    void secondStart();

private:
    void listen();
    bool handOver();
    void acceptWaiting();

    QString m_socketPath;
    QLockFile m_lock;
    LocalSocket m_listener;
    std::unique_ptr<QSocketNotifier> m_listening; // goes before the socket it watches
};
