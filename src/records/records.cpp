#include "records/records.h"
#include "platform/clock.h"
#include "records/recordstore.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <cstdio>

struct Records::Private
{
    std::unique_ptr<RecordStore> store;
    Clock *clock = nullptr;
    QString packName;
    QString machine;
    QString notice;
    std::optional<Learner> player;
    QUuid game;
    GameKind kind = GameKind::Full;

    bool isAvailable() const { return store && notice.isEmpty(); }
    // Records go off for the rest of the run, said once on stderr.
    void turnOff(const StoreFailure &failure)
    {
        if (!notice.isEmpty())
            return;
        notice = failure.message() + QStringLiteral("この回は記録をとりません。");
        const QString line = QCoreApplication::applicationName() + QStringLiteral(": ") + notice;
        std::fputs(qPrintable(line + u'\n'), stderr);
    }
    // A read that failed turns records off too.
    void checkStore()
    {
        if (store && store->failure())
            turnOff(*store->failure());
    }
};

Records::Records() : d(std::make_unique<Private>()) {}

Records::~Records() = default;

std::unique_ptr<Records> Records::open(std::unique_ptr<RecordStore> store, Clock &clock,
                                       const QString &packName)
{
    std::unique_ptr<Records> records(new Records);
    records->d->store = std::move(store);
    records->d->clock = &clock;
    records->d->packName = packName;
    records->d->machine = QString::fromLatin1(QSysInfo::machineUniqueId());
    records->d->checkStore();
    return records;
}

bool Records::isAvailable() const
{
    return d->isAvailable();
}

QString Records::notice() const
{
    return d->notice;
}

QList<Learner> Records::learners() const
{
    if (!d->isAvailable())
        return {};
    const QList<Learner> learners = d->store->learners();
    d->checkStore();
    return learners;
}

const std::optional<Learner> &Records::player() const
{
    return d->player;
}

void Records::choosePlayer(const std::optional<Learner> &learner)
{
    d->player = learner;
}

void Records::startGame(GameKind kind)
{
    d->game = QUuid::createUuid();
    d->kind = kind;
}

void Records::recordAnswer(const GivenAnswer &answer)
{
    if (!d->isAvailable() || !d->player)
        return;
    if (d->game.isNull())
        startGame(GameKind::Full);
    d->store->addAnswer(AnswerRecord{QUuid::createUuid(), d->player->id, answer.entry,
                                     answer.answer, answer.correct, d->clock->currentDateTimeUtc(),
                                     d->packName, d->game, d->kind, d->machine});
    d->checkStore();
}

NameStates Records::nameStates() const
{
    if (!d->isAvailable() || !d->player)
        return {};
    const NameStates states = d->store->nameStates(d->player->id);
    d->checkStore();
    return states;
}

QList<int> Records::reviewEntries() const
{
    return Leitner::chooseReview(nameStates(), d->clock->currentDateTimeUtc());
}
