#ifndef RECORDEDPROGRAM_H
#define RECORDEDPROGRAM_H

#include "records/records.h"
#include "records/servermirror.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <memory>

// One answer as the store keeps it.
struct StoredAnswer
{
    QString learner;
    int entry = 0;
    int answer = 0;
    bool correct = false;
    QString kind;
    QString game;
};

// A program wired to the fakes, as TestProgram is, whose records are kept in
// a real store in a temporary folder of its own.
class RecordedProgram
{
public:
    // A store that was already there may be given, such as a broken one.
    explicit RecordedProgram(const QString &store = {});
    // A program whose records are those of the server at the address, kept
    // in an outbox in the temporary folder and sent with the timing given.
    RecordedProgram(const QString &serverAddress, const MirrorTiming &timing);
    ~RecordedProgram();

    // Adds a learner to the store as hana-records does, beside the running
    // program.
    Learner addLearner(const QString &name, int mark);
    // Plays the player's answers of one game at the clock's time, a day
    // apart from the last, through the records.
    void answer(GameKind kind, const QList<GivenAnswer> &answers);
    QList<StoredAnswer> storedAnswers() const;
    QString storePath() const { return m_store; }

    Records &records() { return *m_records; }
    Program &program() { return *m_program; }

    FakeClock clock;
    FakeRandom random;
    RecordingSounds sounds;
    RecordingErrors errors;

private:
    QTemporaryDir m_folder;
    QString m_store;
    std::unique_ptr<Records> m_records;
    std::unique_ptr<Program> m_program;
};

// Right answers that bring the given entries to at least the box the stamp
// card counts as learned.
QList<GivenAnswer> rightAnswers(const QList<int> &entries);

#endif
