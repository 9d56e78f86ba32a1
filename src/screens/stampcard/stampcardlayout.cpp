#include "screens/stampcard/stampcardlayout.h"
#include "app/screennames.h"
#include "content/contentpack.h"

namespace {

constexpr QRgb WindowGreen = 0xFF80FF80;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb NameColor = 0xFF8080FF;
constexpr int Rows = 20;

// The names stand in three columns of twenty, as on the quiz board; each
// stamp lies on the right end of its name.
constexpr float CardLeft = 4695, CardTop = 240;
constexpr float ColumnPitch = 1830, RowPitch = 345;
constexpr float NameWidth = 1740, NameHeight = 330, StampSide = 330;

float nameLeft(int index)
{
    return CardLeft + ColumnPitch * float(index / Rows);
}

float nameTop(int index)
{
    return CardTop + RowPitch * float(index % Rows);
}

ControlSpec stamp(int index)
{
    return {.kind = ControlKind::Image,
            .name = "Image1",
            .index = index,
            .left = nameLeft(index) + NameWidth - StampSide,
            .top = nameTop(index),
            .width = StampSide,
            .height = StampSide,
            .visible = false,
            .picture = QStringLiteral(":/stampcard/stamp.gif"),
            .description = QStringLiteral("おぼえたしるし")};
}

ControlSpec name(int index)
{
    return {.kind = ControlKind::Label,
            .name = "Label1",
            .index = index,
            .left = nameLeft(index),
            .top = nameTop(index),
            .width = NameWidth,
            .height = NameHeight,
            .caption = ContentPack::BoardNames.at(size_t(index)).toString(),
            .backColor = NameColor,
            .foreColor = White,
            .font = {.face = Face::Mincho, .pixelSize = 16},
            .align = Align::Left,
            .sunken = true};
}

std::vector<ControlSpec> stampCardControls()
{
    std::vector<ControlSpec> controls{
        {.kind = ControlKind::Timer, .name = "Timer1"},
        {.kind = ControlKind::Button,
         .name = "Command1",
         .left = 645,
         .top = 6600,
         .width = 1350,
         .height = 525,
         .caption = QStringLiteral("メニュー"),
         .backColor = 0xFFFF8000,
         .font = {.face = Face::Mincho, .pixelSize = 17},
         .tabIndex = 0},
        {.kind = ControlKind::Player,
         .name = "MediaPlayer1",
         .left = 60,
         .top = 7290,
         .width = 15,
         .height = 15,
         .visible = false},
        {.kind = ControlKind::Label,
         .name = "Label2",
         .left = 630,
         .top = 900,
         .width = 3450,
         .height = 660,
         .caption = QStringLiteral("おぼえた花"),
         .backColor = 0xFFFF8080,
         .foreColor = White,
         .font = {.face = Face::PMincho, .pixelSize = 36, .bold = true}},
        {.kind = ControlKind::Label,
         .name = "Label3",
         .left = 630,
         .top = 1560,
         .width = 3450,
         .height = 900,
         .backColor = 0xFFFF0000,
         .foreColor = White,
         .font = {.face = Face::Mincho, .pixelSize = 44, .bold = true},
         .sunken = true,
         .tabStop = true,
         .description = QStringLiteral("おぼえた花 %1")},
        {.kind = ControlKind::Image,
         .name = "Image2",
         .left = 1650,
         .top = 3000,
         .width = 1320,
         .height = 1320,
         .picture = QStringLiteral(":/stampcard/seal.gif"),
         .description = QStringLiteral("はんこ")},
    };
    for (int index = 0; index < ContentPack::EntryCount; ++index)
        controls.push_back(stamp(index));
    for (int index = 0; index < ContentPack::EntryCount; ++index)
        controls.push_back(name(index));
    return controls;
}

} // namespace

const FormSpec &stampCardLayout()
{
    static const FormSpec layout{
        .name = ScreenName::StampCard,
        .caption = QStringLiteral("おぼえた花"),
        .clientWidth = 10275,
        .clientHeight = 7365,
        .backColor = WindowGreen,
        .controls = stampCardControls(),
    };
    return layout;
}
