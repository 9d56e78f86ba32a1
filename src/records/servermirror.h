#ifndef SERVERMIRROR_H
#define SERVERMIRROR_H

#include <QObject>
#include <QString>
#include <QThread>
#include <memory>

class MirrorWorker;

// How often the mirror asks the server, in milliseconds.
struct MirrorTiming
{
    int firstRetry = 1000;    // after a first failure; doubled after each
    int longestRetry = 15000; // the longest wait between two tries
    int refresh = 5000;       // between two readings of the learners
};

// The worker that keeps a program's outbox and a server in step, on a
// thread of its own, so that the window never waits on the network: it
// sends the outbox's answers, each once, and copies the server's learners
// and their names' states into the outbox. It tries again with growing
// waits while the server is away, and sends what a run before left.
class ServerMirror : public QObject
{
    Q_OBJECT

public:
    ServerMirror(const QString &serverAddress, const QString &outboxPath,
                 const MirrorTiming &timing = {}, QObject *parent = nullptr);
    // Waits a little for the worker to send what is left.
    ~ServerMirror() override;

    // An answer is in the outbox: sent at once while the server answers.
    void sendSoon();

signals:
    // The learners in the outbox changed.
    void learnersChanged();
    // Why the server cannot be used, in words for an adult; empty once it
    // answers again.
    void noticeChanged(const QString &notice);
    // Answers the server now keeps, and the outbox no longer.
    void sent(int answers);

private:
    std::unique_ptr<QThread> m_thread;
    MirrorWorker *m_worker;
};

#endif
