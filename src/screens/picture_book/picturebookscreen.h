#ifndef PICTUREBOOKSCREEN_H
#define PICTUREBOOKSCREEN_H

#include "app/leavedelay.h"
#include "app/screen.h"
#include "book/bookpage.h"

#include <QStringList>
#include <cstdint>
#include <memory>

class CommandButton;
class Image;
class Label;
class PlayerStrip;
class Timer;

// The picture book: one flower entry at a time on the pages of an open book
// (the book's page shows it), read afresh at every showing. The kana index jumps to the first entry
// of a row of the syllabary, the two arrows step through all entries in a ring, and two buttons
// leave for the name quiz or the menu after the button delay. Where the pack
// has an entry's voice, it says the name after the entry sound, and again on
// a click on the name or the V key.
class PictureBookScreen : public Screen
{
    Q_OBJECT

public:
    explicit PictureBookScreen(Program &program);
    ~PictureBookScreen() override;

protected:
    void connectHandlers(Form &form) override;
    void load() override;

private:
    // The window's controls by role, bound at every opening.
    struct Controls
    {
        explicit Controls(const Form &form);
        ~Controls();
        BookPage page;
        const ControlArray<Label> &kanaIndex;
        Image *previousArrow;
        Image *nextArrow;
        CommandButton *toQuiz;
        CommandButton *toMenu;
        Timer *leaveTimer;
        SoundPlayer *entrySound;
        SoundPlayer *buttonSound;
        SoundPlayer *voice;
        // Who is playing; only when records are kept.
        std::unique_ptr<PlayerStrip> player;
    };

    void ShowEntry();
    void showKanaRow(int16_t index);
    void showPrevious();
    void showNext();
    void leaveFor(int16_t next);
    void waitToLeave();

    void connectVoice(Form &form);
    void prepareVoice();
    void entrySoundEnded();
    void sayNameAgain();

    QStringList EntryNames;
    int16_t CurrentEntry = 0;
    int16_t NextScreen = 0;
    // The click time in whole seconds, and where the click lay on the
    // monotonic clock, which measures the wait.
    ClickMoment ClickTime;
    LeaveDelay m_leaveDelay;
    bool m_packHasVoices = false;
    // The shown entry's voice is to follow the entry sound when that ends.
    bool m_voiceFollows = false;
    std::unique_ptr<Controls> m_ui;
};

#endif
