#ifndef PROGRAM_H
#define PROGRAM_H

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>

class Clock;
class ErrorReporter;
class RandomSource;
class Records;
class Screen;
class SoundFactory;
enum class WindowMode;

// What the screens get from the platform; tests hand in fakes.
struct Services
{
    Clock &clock;
    RandomSource &random;
    SoundFactory &sounds;
    ErrorReporter &errors;
    // The run's records of who plays and what they answer; none when records
    // are not asked for, and the screens then are as without them.
    Records *records = nullptr;
};

// The running program: its screens, one instance each, created on first use
// and kept to the end; the one dispatcher every handler runs through; and
// the rules by which the program ends.
class Program : public QObject
{
    Q_OBJECT

public:
    using ScreenFactory = std::function<std::unique_ptr<Screen>(Program &)>;

    explicit Program(Services services);
    ~Program() override;

    void addScreen(const QString &name, ScreenFactory factory);
    Screen &screen(const QString &name);
    bool hasInstance(const QString &name) const;
    void open(const QString &name);
    int openScreenCount() const;

    // Full screen or the normal window, chosen for the whole run: the open
    // screen changes at once and every screen opened later follows.
    WindowMode windowMode() const { return m_windowMode; }
    void setWindowMode(WindowMode mode);
    void toggleFullScreen();

    // Runs one handler to its end. An error ends the program with its
    // report; a handler after which no screen is open ends it too.
    void dispatch(const std::function<void()> &handler);
    void end();
    bool hasEnded() const { return m_ended; }
    int exitStatus() const { return m_exitStatus; }

    Clock &clock() const { return m_services.clock; }
    RandomSource &random() const { return m_services.random; }
    SoundFactory &sounds() const { return m_services.sounds; }
    Records *records() const { return m_services.records; }

signals:
    void ended(int status);

private:
    void finish(int status);
    void fail(const QString &message);

    Services m_services;
    std::map<QString, ScreenFactory> m_factories;
    std::map<QString, std::unique_ptr<Screen>> m_screens;
    WindowMode m_windowMode;
    int m_depth = 0;
    bool m_ended = false;
    int m_exitStatus = 0;
};

#endif
