#ifndef SESSION_H
#define SESSION_H

#include "app/errorreporter.h"
#include "support/fakes.h"

#include <QStringList>
#include <QTemporaryDir>

class Form;
class QWidget;

// Shows the program's own error dialog and closes it as a user would,
// keeping what it said.
class DialogCatcher : public ErrorReporter
{
public:
    struct Dialog
    {
        QString title;
        QString text;
    };

    void report(const QString &message) override;
    QList<Dialog> dialogs;
};

// The program with its three real screens on a private content pack, a clock
// and random numbers set by the test, recorded sound calls and the real error
// dialog. The pack's files are hard links to one shared copy: replace a file
// (writeBytes does), never write into it or change its permissions in place.
class Session
{
    QTemporaryDir m_dir;

public:
    // The sound players record their calls, or are made by the given factory.
    explicit Session(SoundFactory *players = nullptr);

    QString path(const QString &relative) const { return root + relative; }

    Form *form(const QString &screen);
    bool isOpen(const QString &screen);
    void open(const QString &screen);
    // Clicks the middle of a control with the mouse.
    void click(const QWidget *control);
    // Lets the timer of the open screen tick once after the given seconds.
    void tickAfter(const QString &screen, const char *timer, double seconds);

    // The picture book: a kana tile, 1 (あ) to 10 (わ).
    void chooseKana(int tile);
    // The quiz: the entry whose picture is up, a right or a wrong answer,
    // the end of the pause after it, and a whole game.
    int questionEntry();
    void answer(bool right);
    void endAnswerPause();
    void playGame(int rightAnswers);

    const QString root;
    FakeClock clock;
    FakeRandom random;
    RecordingSounds sounds;
    DialogCatcher errors;
    Program program;
};

#endif
