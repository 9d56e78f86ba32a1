#include "screens/stampcard/stampcardscreen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "player/playerstrip.h"
#include "records/records.h"
#include "screens/stampcard/stampcardlayout.h"

#include <QShortcut>

namespace {

constexpr int16_t ToMenu = 1;

// The card with who is playing below it.
const FormSpec &screenLayout()
{
    static const FormSpec layout = PlayerStrip::below(stampCardLayout());
    return layout;
}

} // namespace

StampCardScreen::Controls::Controls(const Form &form)
    : names(form.labelArray("Label1")), stamps(form.imageArray("Image1")),
      learnedCount(form.label("Label3")), toMenu(form.button("Command1")),
      leaveTimer(form.timer("Timer1")), buttonSound(form.player("MediaPlayer1")),
      player(std::make_unique<PlayerStrip>(form))
{
}

StampCardScreen::Controls::~Controls() = default;

StampCardScreen::StampCardScreen(Program &program)
    : Screen(program, screenLayout()), m_leaveDelay(program.clock(), NextScreen, ClickTime)
{
}

StampCardScreen::~StampCardScreen() = default;

void StampCardScreen::connectHandlers(Form &form)
{
    m_ui = std::make_unique<Controls>(form);
    on(m_ui->toMenu, &Control::clicked, [this] { StartLeaving(); });
    auto *leaveKey = new QShortcut(QKeySequence(Qt::Key_Escape), &form);
    leaveKey->setAutoRepeat(false);
    on(leaveKey, &QShortcut::activated, [this] { StartLeaving(); });
    on(m_ui->leaveTimer, &Timer::tick, [this] { LeavePauseTick(); });
}

void StampCardScreen::load()
{
    m_ui->buttonSound->SetFile(ContentPath(ContentPack::ButtonSound));
    m_ui->buttonSound->Stop();
    m_ui->player->show(*program().records());
    ShowStamps();
}

// A name is learned in the box the stamp card counts from; its stamp and
// its spoken name say so.
void StampCardScreen::ShowStamps()
{
    const NameStates states = program().records()->nameStates();
    LearnedCount = 0;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        const bool learned = Leitner::isLearned(states.at(size_t(entry)));
        const int16_t index = int16_t(entry - 1);
        m_ui->stamps(index)->setVisible(learned);
        Label *name = m_ui->names(index);
        name->setAccessibleName(learned ? QStringLiteral("%1、おぼえた").arg(name->caption())
                                        : name->caption());
        if (learned)
            ++LearnedCount;
    }
    m_ui->learnedCount->setCaption(
        QStringLiteral("%1 / %2").arg(LearnedCount).arg(ContentPack::EntryCount));
}

void StampCardScreen::StartLeaving()
{
    m_ui->buttonSound->Play();
    m_leaveDelay.choose(*m_ui->leaveTimer, ToMenu);
}

void StampCardScreen::LeavePauseTick()
{
    if (!m_leaveDelay.finished(*m_ui->leaveTimer))
        return;
    close();
    program().open(ScreenName::Menu);
}
