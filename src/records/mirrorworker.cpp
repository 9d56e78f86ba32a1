#include "records/mirrorworker.h"
#include "records/classrecords.h"
#include "records/recordstore.h"

#include <QHash>
#include <QTimer>
#include <algorithm>

namespace {

// The answers sent in one transaction of the server.
constexpr int Batch = 500;

} // namespace

MirrorWorker::MirrorWorker(const QString &serverAddress, const QString &outboxPath,
                           const MirrorTiming &timing)
    : m_serverAddress(serverAddress), m_outboxPath(outboxPath), m_timing(timing),
      m_timer(new QTimer(this)), m_retry(timing.firstRetry)
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &MirrorWorker::round);
}

MirrorWorker::~MirrorWorker() = default;

void MirrorWorker::start()
{
    round();
}

// Sent at once while the server answers; while it is away, the next try
// sends it with the rest.
void MirrorWorker::answerQueued()
{
    if (m_server)
        m_timer->start(0);
}

void MirrorWorker::finish()
{
    m_timer->stop();
    if (m_server && m_outbox && !m_outbox->failure())
        sendAnswers();
    thread()->quit();
}

void MirrorWorker::round()
{
    if (!m_outbox || m_outbox->failure())
        m_outbox = RecordStore::openFile(m_outboxPath);
    if (connectToServer() && sendAnswers() && copyLearners())
        succeeded();
}

bool MirrorWorker::connectToServer()
{
    if (!m_server)
        m_server = RecordStore::open(m_serverAddress);
    if (!m_server->failure())
        return true;
    failed(*m_server->failure());
    return false;
}

// Each batch is kept by the server before the outbox lets it go: a round
// cut short sends it again, and the server keeps each answer once.
bool MirrorWorker::sendAnswers()
{
    for (;;) {
        const QList<AnswerRecord> answers = m_outbox->oldestAnswers(Batch);
        if (m_outbox->failure())
            return outboxFailed();
        if (answers.isEmpty())
            return true;
        if (!m_server->addAnswers(answers))
            return failed(*m_server->failure()), false;
        QList<QUuid> ids;
        for (const AnswerRecord &answer : answers)
            ids << answer.id;
        if (!m_outbox->forgetAnswers(ids))
            return outboxFailed();
        emit sent(int(ids.size()));
    }
}

// Writes into the outbox only the learners that changed on the server.
bool MirrorWorker::copyLearners()
{
    const QList<LearnerBoxes> server = ClassRecords::classBoxes(*m_server);
    if (m_server->failure())
        return failed(*m_server->failure()), false;
    const QList<LearnerBoxes> here = ClassRecords::classBoxes(*m_outbox);
    if (m_outbox->failure())
        return outboxFailed();
    QHash<qint64, const LearnerBoxes *> hereById;
    for (const LearnerBoxes &row : here)
        hereById.insert(row.learner.id, &row);
    QList<LearnerBoxes> changed;
    bool learnersMoved = false;
    for (const LearnerBoxes &row : server) {
        const LearnerBoxes *old = hereById.take(row.learner.id);
        const bool moved = !old || old->learner != row.learner;
        learnersMoved = learnersMoved || moved;
        if (moved || old->states != row.states)
            changed << row;
    }
    const QList<qint64> removed = hereById.keys();
    if (changed.isEmpty() && removed.isEmpty())
        return true;
    if (!m_outbox->copyLearners(changed, removed))
        return outboxFailed();
    if (learnersMoved || !removed.isEmpty())
        emit learnersChanged();
    return true;
}

void MirrorWorker::succeeded()
{
    m_retry = m_timing.firstRetry;
    if (m_told) {
        m_told.reset();
        emit noticeChanged({});
    }
    m_timer->start(m_timing.refresh);
}

// The window's own store tells of an outbox that fails; the mirror only
// tries again.
bool MirrorWorker::outboxFailed()
{
    retryLater();
    return false;
}

void MirrorWorker::retryLater()
{
    m_timer->start(m_retry);
    m_retry = std::min(m_retry * 2, m_timing.longestRetry);
}

// A copy, as the failure may be the server's, which goes first.
void MirrorWorker::failed(StoreFailure failure)
{
    m_server.reset();
    if (m_told != failure.problem) {
        m_told = failure.problem;
        emit noticeChanged(failure.message() +
                           QStringLiteral("答えはこの機械にためて、つながりしだい送ります。"));
    }
    retryLater();
}
