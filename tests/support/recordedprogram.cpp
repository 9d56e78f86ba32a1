#include "support/recordedprogram.h"
#include "records/recordstore.h"

RecordedProgram::RecordedProgram(const QString &store)
    : m_store(store.isEmpty() ? m_folder.filePath(QStringLiteral("records.sqlite")) : store),
      m_records(Records::open(RecordStore::openFile(m_store), clock, QStringLiteral("test")))
{
    m_program = std::make_unique<Program>(Services{clock, random, sounds, errors, m_records.get()});
}

RecordedProgram::RecordedProgram(const QString &serverAddress, const MirrorTiming &timing)
    : m_store(m_folder.filePath(QStringLiteral("outbox.sqlite")))
{
    // The outbox is made before the mirror's thread opens it too.
    std::unique_ptr<RecordStore> outbox = RecordStore::openFile(m_store);
    m_records = Records::open(std::move(outbox), clock, QStringLiteral("test"),
                              std::make_unique<ServerMirror>(serverAddress, m_store, timing));
    m_program = std::make_unique<Program>(Services{clock, random, sounds, errors, m_records.get()});
}

RecordedProgram::~RecordedProgram() = default;

Learner RecordedProgram::addLearner(const QString &name, int mark)
{
    const auto store = RecordStore::openFile(m_store);
    if (store->addLearner(name, mark) != LearnerChange::Done)
        qFatal("the learner %s could not be added", qPrintable(name));
    for (const Learner &learner : store->learners())
        if (learner.name == name)
            return learner;
    qFatal("the learner %s was added but is not there", qPrintable(name));
}

void RecordedProgram::answer(GameKind kind, const QList<GivenAnswer> &answers)
{
    clock.date = clock.date.addDays(1);
    m_records->startGame(kind);
    for (const GivenAnswer &answer : answers) {
        clock.now += 1.0;
        m_records->recordAnswer(answer);
    }
}

QList<StoredAnswer> RecordedProgram::storedAnswers() const
{
    QList<StoredAnswer> answers;
    const auto store = RecordStore::openFile(m_store);
    store->forEachAnswer([&answers](const ExportedAnswer &exported) {
        const AnswerRecord &answer = exported.answer;
        answers << StoredAnswer{.learner = exported.learner,
                                .entry = answer.entry,
                                .answer = answer.answer,
                                .correct = answer.correct,
                                .kind = kindName(answer.kind),
                                .game = answer.game.toString()};
    });
    return answers;
}

QList<GivenAnswer> rightAnswers(const QList<int> &entries)
{
    QList<GivenAnswer> answers;
    for (int entry : entries)
        for (int times = 0; times < Leitner::LearnedBox; ++times)
            answers << GivenAnswer{.entry = entry, .answer = entry, .correct = true};
    return answers;
}
