#include "menuscreen.h"
#include "clock.h"
#include "commandbutton.h"
#include "contentpath.h"
#include "image.h"
#include "menulayout.h"
#include "screennames.h"
#include "timer.h"

namespace {

constexpr int TickMilliseconds = 100;

} // namespace

MenuScreen::MenuScreen(Program &program) : Screen(program, menuLayout()) {}

void MenuScreen::connectHandlers(Form &form)
{
    on(form.image("Image2"), &Control::clicked, [this] { showHead("Image3", "Image2"); });
    on(form.image("Image3"), &Control::clicked, [this] { showHead("Image2", "Image3"); });
    on(form.button("Command1"), &Control::clicked, [this] { buttonClicked(1); });
    on(form.button("Command2"), &Control::clicked, [this] { buttonClicked(2); });
    on(form.button("Command3"), &Control::clicked, [this] { buttonClicked(3); });
    on(form.timer("Timer1"), &Timer::tick, [this] { timerTick(); });
}

// The button sound is loaded now and silenced at once, so that a click can
// sound it without delay.
void MenuScreen::load()
{
    SoundPlayer *player = form()->player("MediaPlayer1");
    player->SetFile(ContentPath(ContentFile::ButtonSound));
    player->Stop();
}

void MenuScreen::showHead(const QString &shown, const QString &hidden)
{
    form()->image(hidden)->setVisible(false);
    form()->image(shown)->setVisible(true);
}

// A later click replaces the choice and starts the wait again.
void MenuScreen::buttonClicked(int16_t next)
{
    ShowButterflies();
    form()->player("MediaPlayer1")->Play();
    NextScreen = next;
    form()->timer("Timer1")->setInterval(TickMilliseconds);
    ClickTime = clickMomentNow(program().clock());
}

void MenuScreen::timerTick()
{
    if (!leaveDelayOver(program().clock(), ClickTime))
        return;
    form()->timer("Timer1")->setInterval(0);
    close();
    switch (NextScreen) {
    case 1:
        program().open(ScreenName::PictureBook);
        break;
    case 2:
        program().open(ScreenName::Quiz);
        break;
    case 3:
        program().end();
        break;
    }
}

void MenuScreen::ShowButterflies()
{
    form()->image("Image5")->setVisible(true);
    form()->image("Image6")->setVisible(true);
    form()->image("Image7")->setVisible(true);
}
