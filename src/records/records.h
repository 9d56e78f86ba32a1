#ifndef RECORDS_H
#define RECORDS_H

#include "records/answerrecord.h"
#include "records/learner.h"
#include "records/leitner.h"

#include <QList>
#include <QString>
#include <QUuid>
#include <functional>
#include <memory>
#include <optional>

class Clock;
class QObject;
class RecordStore;
class ServerMirror;

// One judged answer of a game as the quiz hands it over.
struct GivenAnswer
{
    int entry = 0;  // the entry asked, 1 to 60
    int answer = 0; // the entry of the tile answered, 1 to 60
    bool correct = false;
};

// The records of one run of the program: whether they were asked for, the
// store they are kept in, who is playing, and the game under way. The
// screens know records through this class alone.
//
// A run without records has no such object: nothing is read or written and
// the screens are as they are without records. A run whose store cannot be
// used plays on as a guest; notice() says why, in words for an adult.
//
// With a server, the store is the machine's outbox, and a mirror keeps it
// and the server in step on a thread of its own: answers are kept here
// first and sent from there, and the learners are those last read from the
// server.
class Records
{
public:
    // Records kept in the store, read at clock's times; the pack's name goes
    // with every answer. A store that cannot be used leaves records off for
    // the run, with the reason in notice(), said once on stderr too.
    static std::unique_ptr<Records> open(std::unique_ptr<RecordStore> store, Clock &clock,
                                         const QString &packName);
    // Records kept in a machine's outbox, which the mirror keeps in step
    // with a server.
    static std::unique_ptr<Records> open(std::unique_ptr<RecordStore> outbox, Clock &clock,
                                         const QString &packName,
                                         std::unique_ptr<ServerMirror> mirror);
    // The records kept at the location, a file or a server's address.
    static std::unique_ptr<Records> openAt(const QString &location, Clock &clock,
                                           const QString &packName);
    ~Records();

    // The store is usable and answers are kept.
    bool isAvailable() const;
    // Why records are off for this run though they were asked for, or why
    // the server cannot be reached; empty when all is well.
    QString notice() const;
    // Runs changed, while context lives, whenever the learners or the
    // notice change of themselves: when the mirror has read the server.
    void setChangedHandler(QObject *context, const std::function<void()> &changed);

    QList<Learner> learners() const;
    // The learner playing, or none for a guest, whose answers are not kept.
    const std::optional<Learner> &player() const;
    void choosePlayer(const std::optional<Learner> &learner);

    // A new game starts: its answers share one game id and kind.
    void startGame(GameKind kind);
    // Keeps one judged answer of the player's game in its own transaction and
    // returns once it is committed, so that a killed program keeps it. A guest's answers, and every
    // answer with records off, are not kept. A write that fails turns records off for the rest of
    // the run, with the reason in notice().
    void recordAnswer(const GivenAnswer &answer);

    // The player's names as their answers leave them: all in box 0 for a
    // guest.
    NameStates nameStates() const;
    // The entries of a review game for the player now.
    QList<int> reviewEntries() const;

private:
    Records();
    struct Private;
    std::unique_ptr<Private> d;
};

#endif
