#include "screens/learners/learnersscreen.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "platform/failure.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "player/markloader.h"
#include "player/playerstrip.h"
#include "records/records.h"
#include "screens/learners/learnerslayout.h"

namespace {

constexpr int MarkPixels = 36;
constexpr int16_t ToMenu = 1;

} // namespace

LearnersScreen::Controls::Controls(const Form &form)
    : tiles(form.labelArray("Label1")), marks(form.imageArray("Image1")),
      noLearners(form.label("Label3")), notice(form.label("Label4")),
      leaveTimer(form.timer("Timer1")), buttonSound(form.player("MediaPlayer1"))
{
}

LearnersScreen::LearnersScreen(Program &program)
    : Screen(program, learnersLayout()), m_leaveDelay(program.clock(), NextScreen, ClickTime)
{
}

LearnersScreen::~LearnersScreen() = default;

void LearnersScreen::connectHandlers(Form &form)
{
    m_ui = std::make_unique<Controls>(form);
    for (int16_t index : m_ui->tiles.indices()) {
        on(m_ui->tiles(index), &Control::clicked, [this, index] { ChooseTile(index); });
        on(m_ui->marks(index), &Control::clicked, [this, index] { ChooseTile(index); });
        on(m_ui->tiles(index), &Control::keyPressed,
           [this, index](int key) { tileKeyPressed(index, key); });
    }
    on(m_ui->leaveTimer, &Timer::tick, [this] { LeavePauseTick(); });
    program().records()->setChangedHandler(
        &form, [this] { program().dispatch([this] { RecordsChanged(); }); });
}

// The learners are read afresh at every opening, so one added or renamed
// while the program runs shows the next time the screen opens.
void LearnersScreen::load()
{
    m_ui->buttonSound->SetFile(ContentPath(ContentPack::ButtonSound));
    m_ui->buttonSound->Stop();
    ChosenTile = -1;
    LitTile = -1;
    ShowLearners();
    ShowNotice();
    LightTile(shownTiles().constFirst());
}

void LearnersScreen::ShowNotice()
{
    const QString notice = program().records()->notice();
    m_ui->notice->setCaption(notice);
    m_ui->notice->setVisible(!notice.isEmpty());
}

// With a server, the learners come from it while the screen shows: the
// tiles and the notice follow, until a child has chosen.
void LearnersScreen::RecordsChanged()
{
    if (ChosenTile >= 0)
        return;
    ShowLearners();
    ShowNotice();
    const int16_t lit = shownTiles().contains(LitTile) ? LitTile : shownTiles().constFirst();
    LitTile = -1;
    LightTile(lit);
}

// The tiles show at once with their names; each learner's mark, the
// picture of their flower, follows as it is decoded.
void LearnersScreen::ShowLearners()
{
    Learners = program().records()->learners().mid(0, LearnerTiles::Count);
    QList<int> marks;
    for (int16_t index = 0; index < LearnerTiles::Count; ++index) {
        m_ui->marks(index)->setVisible(false);
        if (index >= Learners.size()) {
            m_ui->tiles(index)->setVisible(false);
            continue;
        }
        const Learner &learner = Learners.at(index);
        const QString flower = ContentPack::BoardNames.at(size_t(learner.mark - 1)).toString();
        showTile(index, learner.name, QStringLiteral("%1（%2）").arg(learner.name, flower));
        m_ui->marks(index)->setAccessibleName(QStringLiteral("%1の花").arg(flower));
        marks << learner.mark;
    }
    showTile(LearnerTiles::Guest, guestName(), m_ui->tiles(LearnerTiles::Guest)->accessibleName());
    showMark(LearnerTiles::Guest, guestMark(MarkPixels));
    // A store that cannot be used has a notice of its own instead.
    m_ui->noLearners->setVisible(Learners.isEmpty() && program().records()->isAvailable());
    delete m_ui->marksLoading;
    m_ui->marksLoading = new MarkLoader(marks, MarkPixels, form());
    on(m_ui->marksLoading, &MarkLoader::markReady,
       [this](int index) { MarkDecoded(int16_t(index)); });
}

void LearnersScreen::showTile(int16_t index, const QString &name, const QString &spokenName)
{
    Label *tile = m_ui->tiles(index);
    tile->setCaption(name);
    tile->setAccessibleName(spokenName);
    tile->setBackColor(index == LearnerTiles::Guest ? GuestTileColor : LearnerTileColor);
    tile->setVisible(true);
}

// The mark keeps its proportions and sits in the middle of its square.
void LearnersScreen::showMark(int16_t index, const QImage &mark)
{
    Image *box = m_ui->marks(index);
    const QRectF frame(box->leftTwips(), box->topTwips(), box->widthTwips(), box->heightTwips());
    box->setPicture(mark);
    box->centreOn(int(frame.left()), int(frame.top()), int(frame.width()), int(frame.height()));
    box->setVisible(true);
}

// A picture that cannot be shown is an error of the pack, as anywhere else.
void LearnersScreen::MarkDecoded(int16_t index)
{
    const DecodedMark mark = m_ui->marksLoading->mark(index);
    if (!mark.problem.isEmpty())
        throw Failure(mark.problem);
    showMark(index, mark.picture);
}

QList<int16_t> LearnersScreen::shownTiles() const
{
    QList<int16_t> shown;
    for (int16_t index = 0; index < Learners.size(); ++index)
        shown << index;
    return shown << int16_t(LearnerTiles::Guest);
}

// The last tile chosen before the wait is over decides who plays.
void LearnersScreen::ChooseTile(int16_t index)
{
    LightTile(index);
    ChosenTile = index;
    m_ui->buttonSound->Play();
    m_leaveDelay.choose(*m_ui->leaveTimer, ToMenu);
}

// The lit tile is red and the only one the Tab key reaches; the one lit
// before goes back to its colour.
void LearnersScreen::LightTile(int16_t index)
{
    if (LitTile >= 0 && LitTile != index)
        m_ui->tiles(LitTile)->setBackColor(LitTile == LearnerTiles::Guest ? GuestTileColor
                                                                          : LearnerTileColor);
    for (int16_t tile : m_ui->tiles.indices())
        m_ui->tiles(tile)->setFocusPolicy(tile == index ? Qt::TabFocus : Qt::NoFocus);
    m_ui->tiles(index)->setBackColor(ChosenTileColor);
    m_ui->tiles(index)->setFocus(Qt::OtherFocusReason);
    LitTile = index;
}

// Left and right go to the tile before and after, up and down a row, as
// the tiles stand; Space or Enter chooses the tile with the focus.
void LearnersScreen::tileKeyPressed(int16_t index, int key)
{
    if (isActivationKey(key)) {
        ChooseTile(index);
        return;
    }
    const QList<int16_t> shown = shownTiles();
    const qsizetype at = shown.indexOf(index);
    qsizetype to = at;
    if (key == Qt::Key_Left)
        to = at - 1;
    else if (key == Qt::Key_Right)
        to = at + 1;
    else if (key == Qt::Key_Up)
        to = at - LearnerTiles::Columns;
    else if (key == Qt::Key_Down)
        to = std::min(at + LearnerTiles::Columns, shown.size() - 1);
    if (to >= 0 && to < shown.size() && to != at)
        LightTile(shown.at(to));
}

void LearnersScreen::LeavePauseTick()
{
    if (!m_leaveDelay.finished(*m_ui->leaveTimer))
        return;
    const bool guest = ChosenTile == LearnerTiles::Guest;
    program().records()->choosePlayer(guest ? std::nullopt
                                            : std::optional<Learner>(Learners.at(ChosenTile)));
    close();
    program().open(ScreenName::Menu);
}
