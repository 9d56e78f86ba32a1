#include "sound/deferredsound.h"
#include "sound/soundend.h"

#include <QEvent>
#include <QLibrary>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>

// Remembers the file and whether it should sound, and replays both on the
// backend's player when that arrives.
class DeferredSoundPlayer : public SoundPlayer
{
public:
    DeferredSoundPlayer(DeferredSoundFactory &factory, QString name)
        : m_factory(&factory), m_name(std::move(name))
    {
    }
    ~DeferredSoundPlayer() override
    {
        if (m_factory)
            m_factory->forget(this);
    }

    void SetFile(const QString &path) override
    {
        if (m_real)
            return m_real->SetFile(path);
        m_path = path;
        m_sounding = true;
    }
    void Play() override
    {
        if (m_real)
            return m_real->Play();
        m_sounding = !m_path.isEmpty();
    }
    void Stop() override
    {
        if (m_real)
            return m_real->Stop();
        m_sounding = false;
    }
    void SetProperty1030(int32_t value) override
    {
        if (m_real)
            m_real->SetProperty1030(value);
    }
    void setEndedHandler(EndedHandler handler) override
    {
        if (m_real)
            return m_real->setEndedHandler(std::move(handler));
        m_ended = std::move(handler);
    }

    // The factory is going: nothing is left to tell it.
    void detach() { m_factory = nullptr; }

    void attach(SoundFactory &backend)
    {
        detach();
        m_real = backend.create(m_name);
        if (m_ended)
            m_real->setEndedHandler(std::move(m_ended));
        if (m_path.isEmpty())
            return;
        m_real->SetFile(m_path);
        if (!m_sounding)
            m_real->Stop();
    }

private:
    DeferredSoundFactory *m_factory;
    QString m_name;
    std::unique_ptr<SoundPlayer> m_real;
    QString m_path;
    bool m_sounding = false;
    EndedHandler m_ended;
};

namespace {

// Every sound it is given ends as soon as it starts.
class SilentPlayer : public SoundPlayer
{
public:
    void SetFile(const QString &) override { m_end.startSound(0); }
    void Play() override { m_end.startSound(0); }
    void Stop() override { m_end.cancel(); }
    void SetProperty1030(int32_t) override {}
    void setEndedHandler(EndedHandler handler) override { m_end.setHandler(std::move(handler)); }

private:
    SoundEnd m_end;
};

class SilentFactory : public SoundFactory
{
public:
    std::unique_ptr<SoundPlayer> create(const QString &) override
    {
        return std::make_unique<SilentPlayer>();
    }
};

// Runs an action once, soon after the window's first paint has been
// flushed to the screen.
class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget *window, std::function<void()> action)
        : QObject(window), m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), m_action);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

DeferredSoundFactory::DeferredSoundFactory() = default;

DeferredSoundFactory::~DeferredSoundFactory()
{
    for (DeferredSoundPlayer *player : m_waiting)
        player->detach();
}

std::unique_ptr<SoundPlayer> DeferredSoundFactory::create(const QString &controlName)
{
    if (m_backend)
        return m_backend->create(controlName);
    auto player = std::make_unique<DeferredSoundPlayer>(*this, controlName);
    m_waiting.push_back(player.get());
    return player;
}

void DeferredSoundFactory::attach(std::unique_ptr<SoundFactory> backend)
{
    m_backend = std::move(backend);
    for (DeferredSoundPlayer *player : std::exchange(m_waiting, {}))
        player->attach(*m_backend);
}

void DeferredSoundFactory::forget(DeferredSoundPlayer *player)
{
    m_waiting.erase(std::remove(m_waiting.begin(), m_waiting.end(), player), m_waiting.end());
}

void DeferredSoundFactory::attachAfterFirstPaint(QWidget *window, const QString &modulePath)
{
    new FirstPaintWatcher(window, [this, modulePath] {
        if (!m_backend)
            attach(loadSoundModule(modulePath));
    });
}

std::unique_ptr<SoundFactory> loadSoundModule(const QString &path)
{
    QLibrary module(path);
    using Entry = SoundFactory *(*)();
    const auto entry = reinterpret_cast<Entry>(module.resolve("hanaSoundFactory"));
    if (!entry) {
        std::fprintf(stderr, "hana: warning: no sound: %s\n", qPrintable(module.errorString()));
        return std::make_unique<SilentFactory>();
    }
    return std::unique_ptr<SoundFactory>(entry());
}
