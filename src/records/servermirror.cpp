#include "records/servermirror.h"
#include "records/mirrorworker.h"

namespace {

// How long the program waits for the last answers to go, in milliseconds.
constexpr int FinishTimeout = 3000;

} // namespace

ServerMirror::ServerMirror(const QString &serverAddress, const QString &outboxPath,
                           const MirrorTiming &timing, QObject *parent)
    : QObject(parent), m_thread(std::make_unique<QThread>()),
      m_worker(new MirrorWorker(serverAddress, outboxPath, timing))
{
    m_worker->moveToThread(m_thread.get());
    connect(m_thread.get(), &QThread::started, m_worker, &MirrorWorker::start);
    connect(m_thread.get(), &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &MirrorWorker::learnersChanged, this, &ServerMirror::learnersChanged);
    connect(m_worker, &MirrorWorker::noticeChanged, this, &ServerMirror::noticeChanged);
    connect(m_worker, &MirrorWorker::sent, this, &ServerMirror::sent);
    m_thread->setObjectName(QStringLiteral("hana-records-mirror"));
    m_thread->start();
}

// The worker sends what is left while the server answers, then ends its
// thread. A server that stops answering in the middle is left behind after
// a while: what it did not take stays in the outbox for the next run.
ServerMirror::~ServerMirror()
{
    QMetaObject::invokeMethod(m_worker, &MirrorWorker::finish, Qt::QueuedConnection);
    if (!m_thread->wait(FinishTimeout))
        m_thread.release()->setParent(nullptr);
}

void ServerMirror::sendSoon()
{
    QMetaObject::invokeMethod(m_worker, &MirrorWorker::answerQueued, Qt::QueuedConnection);
}
