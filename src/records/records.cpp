#include "records/records.h"
#include "platform/clock.h"
#include "records/recordstore.h"
#include "records/serveraddress.h"
#include "records/servermirror.h"
#include "records/storelocation.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <cstdio>

struct Records::Private
{
    std::unique_ptr<RecordStore> store;
    std::unique_ptr<ServerMirror> mirror;
    QString serverNotice;
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
        say(notice);
    }
    // The server's problem, once for each kind of it, and records stay on.
    void tellServer(const QString &notice)
    {
        serverNotice = notice;
        if (!notice.isEmpty())
            say(notice);
    }
    static void say(const QString &notice)
    {
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
    return open(std::move(store), clock, packName, nullptr);
}

std::unique_ptr<Records> Records::open(std::unique_ptr<RecordStore> store, Clock &clock,
                                       const QString &packName,
                                       std::unique_ptr<ServerMirror> mirror)
{
    std::unique_ptr<Records> records(new Records);
    records->d->store = std::move(store);
    records->d->mirror = std::move(mirror);
    if (records->d->mirror)
        QObject::connect(records->d->mirror.get(), &ServerMirror::noticeChanged,
                         records->d->mirror.get(),
                         [d = records->d.get()](const QString &notice) { d->tellServer(notice); });
    records->d->clock = &clock;
    records->d->packName = packName;
    records->d->machine = QString::fromLatin1(QSysInfo::machineUniqueId());
    records->d->checkStore();
    return records;
}

std::unique_ptr<Records> Records::openAt(const QString &location, Clock &clock,
                                         const QString &packName)
{
    QString problem;
    if (!ServerAddress::isServer(location) || !ServerAddress::parse(location, problem))
        return open(RecordStore::open(location), clock, packName);
    // The outbox is made before the mirror's thread opens it too.
    const QString outbox = StoreLocation::outboxPath(location);
    std::unique_ptr<RecordStore> store = RecordStore::openFile(outbox);
    return open(std::move(store), clock, packName,
                std::make_unique<ServerMirror>(location, outbox));
}

bool Records::isAvailable() const
{
    return d->isAvailable();
}

QString Records::notice() const
{
    return d->notice.isEmpty() ? d->serverNotice : d->notice;
}

void Records::setChangedHandler(QObject *context, const std::function<void()> &changed)
{
    if (!d->mirror)
        return;
    QObject::connect(d->mirror.get(), &ServerMirror::learnersChanged, context, changed);
    QObject::connect(d->mirror.get(), &ServerMirror::noticeChanged, context, changed);
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
    if (d->mirror)
        d->mirror->sendSoon();
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
