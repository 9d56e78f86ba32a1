#ifndef MENUSCREEN_H
#define MENUSCREEN_H

#include "app/leavedelay.h"
#include "app/screen.h"

#include <array>
#include <cstdint>
#include <memory>

class CommandButton;
class Image;
class PlayerStrip;
class Timer;

// The first screen: a hydrangea whose head turns between blue and pink on a
// click, and three buttons that, after the button sound and a little over two
// seconds with the butterflies out, open the picture book, open the name quiz
// or end the program. When records are kept, it shows who is playing and
// has three more: the review game, the stamp card and the learner screen.
class MenuScreen : public Screen
{
    Q_OBJECT

public:
    explicit MenuScreen(Program &program);
    ~MenuScreen() override;

    // What NextScreen holds between a button click and the tick that leaves.
    enum Next : int16_t
    {
        ToPictureBook = 1,
        ToQuiz = 2,
        ToEnd = 3,
        ToReview = 4,
        ToStampCard = 5,
        ToLearners = 6
    };

protected:
    void connectHandlers(Form &form) override;
    void load() override;

private:
    // The window's controls by role, bound at every opening.
    struct Controls
    {
        explicit Controls(const Form &form);
        Image *blueHead;
        Image *pinkHead;
        std::array<Image *, 3> butterflies;
        CommandButton *toPictureBook;
        CommandButton *toQuiz;
        CommandButton *toEnd;
        Timer *leaveTimer;
        SoundPlayer *buttonSound;
    };
    // What the menu has only when records are kept.
    struct RecordsControls
    {
        explicit RecordsControls(const Form &form);
        ~RecordsControls();
        CommandButton *toReview;
        CommandButton *toStampCard;
        CommandButton *toLearners;
        std::unique_ptr<PlayerStrip> player;
    };

    void connectRecordsHandlers(Form &form);
    void showHead(Image *shown, Image *hidden);
    void buttonClicked(int16_t next);
    void timerTick();
    void ShowButterflies();

    int16_t NextScreen = 0;
    // The latest button click, in whole seconds since midnight, and where it
    // lay on the monotonic clock, which measures the wait.
    ClickMoment ClickTime;
    LeaveDelay m_leaveDelay;
    std::unique_ptr<Controls> m_ui;
    std::unique_ptr<RecordsControls> m_records;
};

#endif
