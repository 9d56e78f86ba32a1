#include "screens/menu/menuscreen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/timer.h"
#include "player/playerstrip.h"
#include "records/records.h"
#include "screens/menu/menulayout.h"

MenuScreen::Controls::Controls(const Form &form)
    : blueHead(form.image("Image2")),
      pinkHead(form.image("Image3")), butterflies{form.image("Image5"), form.image("Image6"),
                                                  form.image("Image7")},
      toPictureBook(form.button("Command1")), toQuiz(form.button("Command2")),
      toEnd(form.button("Command3")), leaveTimer(form.timer("Timer1")),
      buttonSound(form.player("MediaPlayer1"))
{
}

MenuScreen::RecordsControls::RecordsControls(const Form &form)
    : toReview(form.button("Command4")), toStampCard(form.button("Command5")),
      toLearners(form.button("Command6")), player(std::make_unique<PlayerStrip>(form))
{
}

MenuScreen::RecordsControls::~RecordsControls() = default;

MenuScreen::MenuScreen(Program &program)
    : Screen(program, program.records() ? recordsMenuLayout() : menuLayout()),
      m_leaveDelay(program.clock(), NextScreen, ClickTime)
{
}

MenuScreen::~MenuScreen() = default;

void MenuScreen::connectHandlers(Form &form)
{
    m_ui = std::make_unique<Controls>(form);
    on(m_ui->blueHead, &Control::clicked, [this] { showHead(m_ui->pinkHead, m_ui->blueHead); });
    on(m_ui->pinkHead, &Control::clicked, [this] { showHead(m_ui->blueHead, m_ui->pinkHead); });
    on(m_ui->toPictureBook, &Control::clicked, [this] { buttonClicked(ToPictureBook); });
    on(m_ui->toQuiz, &Control::clicked, [this] { buttonClicked(ToQuiz); });
    on(m_ui->toEnd, &Control::clicked, [this] { buttonClicked(ToEnd); });
    on(m_ui->leaveTimer, &Timer::tick, [this] { timerTick(); });
    if (program().records())
        connectRecordsHandlers(form);
}

void MenuScreen::connectRecordsHandlers(Form &form)
{
    m_records = std::make_unique<RecordsControls>(form);
    on(m_records->toReview, &Control::clicked, [this] { buttonClicked(ToReview); });
    on(m_records->toStampCard, &Control::clicked, [this] { buttonClicked(ToStampCard); });
    on(m_records->toLearners, &Control::clicked, [this] { buttonClicked(ToLearners); });
}

// The button sound is loaded now and silenced at once, so that a click can
// sound it without delay.
void MenuScreen::load()
{
    m_ui->buttonSound->SetFile(ContentPath(ContentPack::ButtonSound));
    m_ui->buttonSound->Stop();
    if (m_records)
        m_records->player->show(*program().records());
}

void MenuScreen::showHead(Image *shown, Image *hidden)
{
    hidden->setVisible(false);
    shown->setVisible(true);
}

// A later click replaces the choice and starts the wait again.
void MenuScreen::buttonClicked(int16_t next)
{
    ShowButterflies();
    m_ui->buttonSound->Play();
    m_leaveDelay.choose(*m_ui->leaveTimer, next);
}

void MenuScreen::timerTick()
{
    if (!m_leaveDelay.finished(*m_ui->leaveTimer))
        return;
    close();
    switch (NextScreen) {
    case ToPictureBook:
        program().open(ScreenName::PictureBook);
        break;
    case ToQuiz:
        program().open(ScreenName::Quiz);
        break;
    case ToEnd:
        program().end();
        break;
    case ToReview:
        program().open(ScreenName::Review);
        break;
    case ToStampCard:
        program().open(ScreenName::StampCard);
        break;
    case ToLearners:
        program().open(ScreenName::Learners);
        break;
    }
}

void MenuScreen::ShowButterflies()
{
    for (Image *butterfly : m_ui->butterflies)
        butterfly->setVisible(true);
}
