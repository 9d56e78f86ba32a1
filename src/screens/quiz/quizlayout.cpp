#include "screens/quiz/quizlayout.h"
#include "app/screennames.h"
#include "content/contentpack.h"
#include "screens/quiz/quizboard.h"

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Orange = 0xFFFF8000;

constexpr FontSpec ButtonFont{.face = Face::Mincho, .pixelSize = 17};
constexpr FontSpec PanelFont{.face = Face::Mincho, .pixelSize = 32};

// The tiles stand in three columns of twenty, 1830 twips and 345 twips apart;
// each is 1740 by 330 twips, leaving thin gaps of bare background.
constexpr float BoardLeft = 4695, BoardTop = 240;
constexpr float ColumnPitch = 1830, RowPitch = 345;
constexpr float TileWidth = 1740, TileHeight = 330;
constexpr int FirstTileTabIndex = 2;

ControlSpec boardTile(int index)
{
    const int column = index / QuizBoard::TilesPerColumn;
    const int row = index % QuizBoard::TilesPerColumn;
    return {.kind = ControlKind::Label,
            .name = "Label1",
            .index = index,
            .left = BoardLeft + ColumnPitch * float(column),
            .top = BoardTop + RowPitch * float(row),
            .width = TileWidth,
            .height = TileHeight,
            .caption = QuizBoard::spacedCaption(ContentPack::BoardNames[size_t(index)]),
            .backColor = TileColor,
            .foreColor = White,
            .font = {.face = Face::Mincho, .pixelSize = 16},
            .align = Align::Left,
            .sunken = true,
            .tabIndex = FirstTileTabIndex + index,
            .tabStop = true,
            .description = ContentPack::BoardNames[size_t(index)].toString()};
}

// Everything in front of the board, front-most first.
std::vector<ControlSpec> controlsBeforeBoard()
{
    return {
        {.kind = ControlKind::Timer, .name = "Timer2"},
        {.kind = ControlKind::Timer, .name = "Timer1"},
        {.kind = ControlKind::Button,
         .name = "Command2",
         .left = 2700,
         .top = 6600,
         .width = 1350,
         .height = 525,
         .caption = QStringLiteral("メニュー"),
         .backColor = Orange,
         .font = ButtonFont,
         .tabIndex = 1},
        {.kind = ControlKind::Button,
         .name = "Command1",
         .left = 645,
         .top = 6600,
         .width = 1350,
         .height = 525,
         .caption = QStringLiteral("花の図鑑"),
         .backColor = Orange,
         .font = ButtonFont,
         .tabIndex = 0},
        {.kind = ControlKind::Player,
         .name = "MediaPlayer2",
         .left = 765,
         .top = 7275,
         .width = 15,
         .height = 30,
         .visible = false,
         .tabIndex = 69},
        {.kind = ControlKind::Label,
         .name = "Label10",
         .left = 5280,
         .top = 2835,
         .width = 4305,
         .height = 1425,
         .visible = false,
         .caption = QStringLiteral("不合格"),
         .backColor = 0xFFFF00FF,
         .foreColor = White,
         .font = {.face = Face::PMincho, .pixelSize = 88, .bold = true},
         .tabIndex = 68,
         .tabStop = true,
         .description = QStringLiteral("不合格。クリックすると新しく始めます")},
        {.kind = ControlKind::Image,
         .name = "Image6",
         .left = 4635,
         .top = 165,
         .width = 5520,
         .height = 7035,
         .visible = false,
         .description = QStringLiteral("結果")},
        {.kind = ControlKind::Image,
         .name = "Image5",
         .left = 5910,
         .top = 1590,
         .width = 2985,
         .height = 3585,
         .visible = false,
         .stretch = true,
         .description = QStringLiteral("メダル")},
        {.kind = ControlKind::Label,
         .name = "Label6",
         .left = 3555,
         .top = 5820,
         .width = 510,
         .height = 570,
         .caption = QStringLiteral("％"),
         .backColor = Red,
         .foreColor = White,
         .font = PanelFont,
         .sunken = true,
         .tabIndex = 67},
        {.kind = ControlKind::Label,
         .name = "Label5",
         .left = 2235,
         .top = 5835,
         .width = 1305,
         .height = 570,
         .backColor = Red,
         .foreColor = White,
         .font = PanelFont,
         .sunken = true,
         .tabIndex = 66,
         .description = QStringLiteral("正解率 %1 パーセント")},
        {.kind = ControlKind::Label,
         .name = "Label4",
         .left = 2235,
         .top = 5295,
         .width = 1830,
         .height = 525,
         .caption = QStringLiteral("正解率"),
         .backColor = 0xFFFF8080,
         .foreColor = White,
         .font = {.face = Face::PMincho, .pixelSize = 32},
         .sunken = true,
         .tabIndex = 65},
        {.kind = ControlKind::Label,
         .name = "Label3",
         .left = 630,
         .top = 5835,
         .width = 1050,
         .height = 570,
         .backColor = 0xFF0000FF,
         .foreColor = White,
         .font = PanelFont,
         .sunken = true,
         .tabIndex = 64,
         .description = QStringLiteral("のこり %1 問")},
        {.kind = ControlKind::Label,
         .name = "Label2",
         .left = 645,
         .top = 5295,
         .width = 1050,
         .height = 525,
         .caption = QStringLiteral("残"),
         .backColor = 0xFF0000C0,
         .foreColor = White,
         .font = {.face = Face::Mincho, .pixelSize = 32, .bold = true},
         .sunken = true,
         .tabIndex = 63},
        {.kind = ControlKind::Image,
         .name = "Image4",
         .left = 3630,
         .top = 1830,
         .width = 3165,
         .height = 3105,
         .visible = false,
         .description = QStringLiteral("答えのしるし")},
        {.kind = ControlKind::Image,
         .name = "Image3",
         .left = 1050,
         .top = 1800,
         .width = 2655,
         .height = 2760,
         .description = QStringLiteral("問題の花の絵")},
        {.kind = ControlKind::Player,
         .name = "MediaPlayer1",
         .left = 60,
         .top = 7140,
         .width = 15,
         .height = 30,
         .visible = false,
         .tabIndex = 62},
        // The right name's voice, which follows the mark's sound.
        {.kind = ControlKind::Player,
         .name = "MediaPlayer3",
         .left = 90,
         .top = 7140,
         .width = 15,
         .height = 30,
         .visible = false,
         .tabIndex = 71},
        {.kind = ControlKind::Image,
         .name = "Image2",
         .left = 780,
         .top = 240,
         .width = 3165,
         .height = 795,
         .picture = QStringLiteral(":/quiz/banner.gif"),
         .tabIndex = 70,
         .tabStop = true,
         .description = QStringLiteral("題字「花の名前」とたんぽぽ。クリックすると新しく始めます")},
    };
}

// The board, stored from its last tile down to its first, and behind it
// the disc under the flower picture.
std::vector<ControlSpec> quizControls()
{
    std::vector<ControlSpec> controls = controlsBeforeBoard();
    for (int index = ContentPack::EntryCount - 1; index >= 0; --index)
        controls.push_back(boardTile(index));
    controls.push_back({.kind = ControlKind::Image,
                        .name = "Image1",
                        .left = 375,
                        .top = 1170,
                        .width = 4005,
                        .height = 3975,
                        .picture = QStringLiteral(":/quiz/disc.gif"),
                        .description = QStringLiteral("花の絵の下の水色の円")});
    return controls;
}

} // namespace

const FormSpec &quizLayout()
{
    static const FormSpec layout{
        .name = ScreenName::Quiz,
        .caption = QStringLiteral("花の名前"),
        .clientWidth = 10275,
        .clientHeight = 7365,
        .backColor = 0xFF80FF80,
        .controls = quizControls(),
    };
    return layout;
}
