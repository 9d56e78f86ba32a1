#ifndef MIRRORWORKER_H
#define MIRRORWORKER_H

#include "records/servermirror.h"
#include "records/storefailure.h"

#include <QObject>
#include <memory>
#include <optional>

class QTimer;
class RecordStore;

// What a ServerMirror runs on its thread: rounds of sending and reading,
// one at a time. The stores are opened here, as a connection belongs to
// the thread that makes it.
class MirrorWorker : public QObject
{
    Q_OBJECT

public:
    MirrorWorker(const QString &serverAddress, const QString &outboxPath,
                 const MirrorTiming &timing);
    ~MirrorWorker() override;

    void start();
    void answerQueued();
    // Sends what is left while the server answers, and ends the thread.
    void finish();

signals:
    void learnersChanged();
    void noticeChanged(const QString &notice);
    void sent(int answers);

private:
    void round();
    bool connectToServer();
    bool sendAnswers();
    bool copyLearners();
    void succeeded();
    // The server failed: told once for each kind of problem, then tried
    // again after a growing wait.
    void failed(StoreFailure failure);
    bool outboxFailed();
    // Another round after the wait, which grows with each failure.
    void retryLater();

    QString m_serverAddress;
    QString m_outboxPath;
    MirrorTiming m_timing;
    QTimer *m_timer;
    std::unique_ptr<RecordStore> m_server;
    std::unique_ptr<RecordStore> m_outbox;
    int m_retry = 0;
    std::optional<StoreProblem> m_told;
};

#endif
