#include "screens/learners/learnerslayout.h"
#include "app/screennames.h"

namespace {

constexpr QRgb WindowGreen = 0xFF80FF80;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Ink = 0xFF202020;

// Each tile is the learner's mark in a square with their name beside it;
// the tiles stand in rows, 1950 twips and 660 twips apart.
constexpr float GridLeft = 300, GridTop = 960;
constexpr float ColumnPitch = 1950, RowPitch = 660;
constexpr float MarkSide = 600, NameGap = 30, NameWidth = 1290, TileHeight = 600;
// The guest's tile stands alone on its row, with room for its name on one line.
constexpr float GuestNameWidth = 2400;
constexpr int FirstTileTabIndex = 0;

float tileLeft(int index)
{
    return GridLeft + ColumnPitch * float(index % LearnerTiles::Columns);
}

float tileTop(int index)
{
    return GridTop + RowPitch * float(index / LearnerTiles::Columns);
}

ControlSpec nameTile(int index)
{
    const bool guest = index == LearnerTiles::Guest;
    return {.kind = ControlKind::Label,
            .name = "Label1",
            .index = index,
            .left = tileLeft(index) + MarkSide + NameGap,
            .top = tileTop(index),
            .width = guest ? GuestNameWidth : NameWidth,
            .height = TileHeight,
            .visible = guest,
            .caption = guest ? QStringLiteral("おきゃくさん") : QString(),
            .backColor = guest ? GuestTileColor : LearnerTileColor,
            .foreColor = guest ? Ink : White,
            .font = {.face = Face::Mincho, .pixelSize = 14, .bold = true},
            .align = Align::Left,
            .sunken = true,
            .tabIndex = FirstTileTabIndex + index,
            .tabStop = true,
            .description =
                guest ? QStringLiteral("おきゃくさん。こたえは のこりません") : QString()};
}

ControlSpec markBox(int index)
{
    return {.kind = ControlKind::Image,
            .name = "Image1",
            .index = index,
            .left = tileLeft(index),
            .top = tileTop(index),
            .width = MarkSide,
            .height = MarkSide,
            .visible = false};
}

std::vector<ControlSpec> learnersControls()
{
    std::vector<ControlSpec> controls{
        {.kind = ControlKind::Timer, .name = "Timer1"},
        {.kind = ControlKind::Player,
         .name = "MediaPlayer1",
         .left = 60,
         .top = 7290,
         .width = 15,
         .height = 15,
         .visible = false},
        {.kind = ControlKind::Label,
         .name = "Label2",
         .left = 300,
         .top = 120,
         .width = 9705,
         .height = 720,
         .caption = QStringLiteral("だれが あそぶ？"),
         .backColor = WindowGreen,
         .foreColor = 0xFF004000,
         .font = {.face = Face::PMincho, .pixelSize = 40, .bold = true}},
        {.kind = ControlKind::Label,
         .name = "Label3",
         .left = 600,
         .top = 1500,
         .width = 9105,
         .height = 2700,
         .visible = false,
         .caption =
             QStringLiteral("まだ だれも いません。\n\n"
                            "おとなの方へ: 子どもの名前は、端末で\n"
                            "  hana-records --add なまえ\n"
                            "と入力して加えます（先生用の画面でも加えられるようになります）。"
                            "いまは「おきゃくさん」で遊べます。"),
         .backColor = White,
         .foreColor = Ink,
         .font = {.face = Face::Mincho, .pixelSize = 18},
         .align = Align::Left,
         .sunken = true},
        {.kind = ControlKind::Label,
         .name = "Label4",
         .left = 300,
         .top = 6930,
         .width = 9705,
         .height = 405,
         .visible = false,
         .backColor = 0xFFFFFFE0,
         .foreColor = 0xFF800000,
         .font = {.face = Face::Mincho, .pixelSize = 12},
         .align = Align::Left,
         .description = QStringLiteral("おとなの方へのお知らせ: %1")},
    };
    for (int index = 0; index <= LearnerTiles::Guest; ++index) {
        controls.push_back(markBox(index));
        controls.push_back(nameTile(index));
    }
    return controls;
}

} // namespace

// Each mark lies in front of nothing but the window: the name tiles and the
// marks never overlap.
const FormSpec &learnersLayout()
{
    static const FormSpec layout{
        .name = ScreenName::Learners,
        .caption = QStringLiteral("だれが あそぶ？"),
        .clientWidth = 10305,
        .clientHeight = 7365,
        .backColor = WindowGreen,
        .controls = learnersControls(),
    };
    return layout;
}
