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

namespace {

class RecordingPlayer : public SoundPlayer
{
public:
    RecordingPlayer(QString name, QStringList &calls) : m_name(std::move(name)), m_calls(calls) {}
    void SetFile(const QString &path) override { m_calls << m_name + " SetFile " + path; }
    void Play() override { m_calls << m_name + " Play"; }
    void Stop() override { m_calls << m_name + " Stop"; }
    void SetProperty1030(int32_t value) override
    {
        m_calls << m_name + " SetProperty1030 " + QString::number(value);
    }

private:
    QString m_name;
    QStringList &m_calls;
};

} // namespace

std::unique_ptr<SoundPlayer> RecordingSounds::create(const QString &controlName)
{
    return std::make_unique<RecordingPlayer>(controlName, calls);
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
