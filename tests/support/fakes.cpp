#include "support/fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>

double FakeRandom::next()
{
    if (values.empty())
        return 0.0;
    const double value = values.front();
    values.pop_front();
    return value;
}

class RecordingPlayer : public SoundPlayer
{
public:
    RecordingPlayer(QString name, RecordingSounds &sounds)
        : m_name(std::move(name)), m_sounds(&sounds)
    {
        m_sounds->m_players.push_back(this);
    }
    ~RecordingPlayer() override
    {
        if (m_sounds)
            std::erase(m_sounds->m_players, this);
    }

    void SetFile(const QString &path) override { start(" SetFile " + path); }
    void Play() override { start(" Play"); }
    void Stop() override
    {
        record(" Stop");
        m_sounding = false;
    }
    void SetProperty1030(int32_t value) override
    {
        record(" SetProperty1030 " + QString::number(value));
    }
    void setEndedHandler(EndedHandler handler) override { m_ended = std::move(handler); }

    const QString &name() const { return m_name; }
    bool isSounding() const { return m_sounding; }
    void end()
    {
        m_sounding = false;
        if (m_ended)
            m_ended();
    }

private:
    friend class RecordingSounds;

    void start(const QString &call)
    {
        record(call);
        m_sounding = true;
    }
    // A window is deleted once control is back in the event loop, so its
    // players may outlive the recording; they then record nothing.
    void record(const QString &call)
    {
        if (m_sounds)
            m_sounds->calls << m_name + call;
    }

    QString m_name;
    RecordingSounds *m_sounds;
    EndedHandler m_ended;
    bool m_sounding = false;
};

RecordingSounds::~RecordingSounds()
{
    for (RecordingPlayer *player : m_players)
        player->m_sounds = nullptr;
}

std::unique_ptr<SoundPlayer> RecordingSounds::create(const QString &controlName)
{
    return std::make_unique<RecordingPlayer>(controlName, *this);
}

RecordingPlayer *RecordingSounds::player(const QString &controlName) const
{
    for (auto player = m_players.rbegin(); player != m_players.rend(); ++player)
        if ((*player)->name() == controlName)
            return *player;
    return nullptr;
}

bool RecordingSounds::isSounding(const QString &controlName) const
{
    const RecordingPlayer *found = player(controlName);
    return found && found->isSounding();
}

bool RecordingSounds::endSound(const QString &controlName)
{
    RecordingPlayer *found = player(controlName);
    if (!found || !found->isSounding())
        return false;
    found->end();
    return true;
}

void flushDeletedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString copyContentPack(const QString &into)
{
    const QString source = qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
    QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = into + file.mid(source.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
    return into;
}

QProcessEnvironment machineEnvironment(const QString &home, const QString &machineSettings,
                                       const QString &runtime)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    const std::pair<const char *, const char *> folders[] = {{"XDG_CONFIG_HOME", "/.config"},
                                                             {"XDG_DATA_HOME", "/.local/share"},
                                                             {"XDG_CACHE_HOME", "/.cache"},
                                                             {"XDG_STATE_HOME", "/.local/state"}};
    for (const auto &[variable, folder] : folders) {
        QDir(home).mkpath(QString::fromLatin1(folder).mid(1));
        environment.insert(QString::fromLatin1(variable), home + QString::fromLatin1(folder));
    }
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), machineSettings);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("PULSE_COOKIE"), runtime + QStringLiteral("/pulse-cookie"));
    return environment;
}

double FakeClock::monotonicSeconds() const
{
    if (now - m_seen < -SecondsPerDay / 2)
        m_offset += SecondsPerDay;
    m_seen = now;
    return now + m_offset;
}

QDateTime FakeClock::currentDateTimeUtc() const
{
    return QDateTime(date, QTime(0, 0), Qt::UTC).addMSecs(qint64(monotonicSeconds() * 1000));
}

void FakeClock::setWallClock(double timeOfDay)
{
    m_offset += monotonicSeconds() - (timeOfDay + m_offset);
    now = timeOfDay;
    m_seen = timeOfDay;
}
