#ifndef STAMPCARDSCREEN_H
#define STAMPCARDSCREEN_H

#include "app/leavedelay.h"
#include "app/screen.h"

#include <cstdint>
#include <memory>

class CommandButton;
class Image;
class Label;
class PlayerStrip;
class Timer;

// The stamp card of the learner playing: the 60 names with a stamp on each
// one they have learned, and how many that is. The button, Enter on it, or
// Escape goes back to the menu after the button sound and the usual wait.
class StampCardScreen : public Screen
{
    Q_OBJECT

public:
    explicit StampCardScreen(Program &program);
    ~StampCardScreen() override;

protected:
    void connectHandlers(Form &form) override;
    void load() override;

private:
    struct Controls
    {
        explicit Controls(const Form &form);
        ~Controls();
        const ControlArray<Label> &names;
        const ControlArray<Image> &stamps;
        Label *learnedCount;
        CommandButton *toMenu;
        Timer *leaveTimer;
        SoundPlayer *buttonSound;
        std::unique_ptr<PlayerStrip> player;
    };

    void ShowStamps();
    void StartLeaving();
    void LeavePauseTick();

    int16_t LearnedCount = 0;
    int16_t NextScreen = 0;
    ClickMoment ClickTime;
    LeaveDelay m_leaveDelay;
    std::unique_ptr<Controls> m_ui;
};

#endif
