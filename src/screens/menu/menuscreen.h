#ifndef MENUSCREEN_H
#define MENUSCREEN_H

#include "clock.h"
#include "screen.h"

#include <cstdint>

// The first screen: a hydrangea whose head turns between blue and pink on a
// click, and three buttons that, after the button sound and a little over two
// seconds with the butterflies out, open the picture book, open the name quiz
// or end the program.
class MenuScreen : public Screen
{
    Q_OBJECT

public:
    explicit MenuScreen(Program &program);

protected:
    void connectHandlers(Form &form) override;
    void load() override;

private:
    void showHead(const QString &shown, const QString &hidden);
    void buttonClicked(int16_t next);
    void timerTick();
    void ShowButterflies();

    // What follows the delay: 1 the picture book, 2 the quiz, 3 the end.
    int16_t NextScreen = 0;
    // The latest button click, in whole seconds since midnight.
    // The click time in whole seconds, and where the click lay on the
    // monotonic clock, which measures the wait.
    ClickMoment ClickTime;
};

#endif
