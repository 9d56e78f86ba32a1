#ifndef FAKES_H
#define FAKES_H

#include "app/errorreporter.h"
#include "app/program.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "sound/soundplayer.h"

#include <QProcessEnvironment>
#include <QStringList>
#include <deque>
#include <memory>
#include <vector>

// A clock the test sets by hand.
// Setting now lets time pass: the monotonic count runs on by as much, and on
// across midnight when now comes out more than half a day earlier.
// setWallClock sets the time of day without any time passing.
// The date and time in UTC is date's midnight plus the monotonic count.
class FakeClock : public Clock
{
public:
    double secondsSinceMidnight() const override { return now; }
    double monotonicSeconds() const override;
    QDateTime currentDateTimeUtc() const override;
    void setWallClock(double timeOfDay);
    double now = 36000.0;
    QDate date{2026, 4, 1};

private:
    // The monotonic count is now plus this offset, which changes only when
    // midnight passes or the wall clock is set, so that differences of the
    // count are as exact as differences of now.
    mutable double m_seen = now;
    mutable double m_offset = 0;
};

// Hands out queued numbers in [0, 1); 0 when the queue is empty.
class FakeRandom : public RandomSource
{
public:
    void reseed() override { ++reseeds; }
    double next() override;
    std::deque<double> values;
    int reseeds = 0;
};

class RecordingPlayer;

// Records every call made to the screens' sound players, one line each:
// "MediaPlayer1 SetFile /path", "MediaPlayer2 Play", ... A sound started by
// SetFile or Play sounds until it is stopped or the test ends it, which
// tells the player's ended handler as the end of a real sound would.
class RecordingSounds : public SoundFactory
{
public:
    ~RecordingSounds() override;
    std::unique_ptr<SoundPlayer> create(const QString &controlName) override;
    QStringList calls;

    // The newest player of that name: whether its sound is sounding, and
    // ending it; false when none of that name sounds.
    bool isSounding(const QString &controlName) const;
    bool endSound(const QString &controlName);

private:
    friend class RecordingPlayer;
    RecordingPlayer *player(const QString &controlName) const;
    std::vector<RecordingPlayer *> m_players;
};

class RecordingErrors : public ErrorReporter
{
public:
    void report(const QString &message) override { messages << message; }
    QStringList messages;
};

// A program wired to fakes, as every screen test needs it.
struct TestProgram
{
    FakeClock clock;
    FakeRandom random;
    RecordingSounds sounds;
    RecordingErrors errors;
    Program program{Services{clock, random, sounds, errors}};
};

// Lets deleted windows go, as the event loop would between events.
void flushDeletedWindows();

// Makes a fresh temporary data root holding a copy of the bundled content.
QString copyContentPack(const QString &into);

// The environment of a program run as on a machine of its own: the home
// given, the XDG folders under it, made when missing, the machine's
// settings folder, and a runtime folder that also keeps the sound server's
// cookie, which its client library would otherwise write into the home.
QProcessEnvironment machineEnvironment(const QString &home, const QString &machineSettings,
                                       const QString &runtime);

#endif
