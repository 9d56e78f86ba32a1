#include "screens/menu/menulayout.h"
#include "app/screennames.h"
#include "player/playerstrip.h"

namespace {

constexpr QRgb Cyan = 0xFF00FFFF;
constexpr QRgb Orange = 0xFFFF8000;
constexpr FontSpec ButtonFont{.face = Face::Mincho, .pixelSize = 29, .bold = false};

// The three buttons share their column, size, face and font.
ControlSpec menuButton(const QString &name, float top, const QString &caption, int tabIndex)
{
    return {.kind = ControlKind::Button,
            .name = name,
            .left = 6960,
            .top = top,
            .width = 1920,
            .height = 600,
            .caption = caption,
            .backColor = Orange,
            .font = ButtonFont,
            .tabIndex = tabIndex};
}

// The buttons that are there only with records: in the free row below the
// leaves, and in the strip that shows who plays.
std::vector<ControlSpec> recordsButtons(float stripTop)
{
    ControlSpec review =
        menuButton(QStringLiteral("Command4"), 6570, QStringLiteral("おさらい"), 4);
    review.left = 600;
    ControlSpec stampCard =
        menuButton(QStringLiteral("Command5"), 6570, QStringLiteral("おぼえた花"), 5);
    stampCard.left = 2640;
    stampCard.width = 2400;
    ControlSpec learners =
        menuButton(QStringLiteral("Command6"), stripTop + 45, QStringLiteral("だれが あそぶ？"), 6);
    learners.left = 6180;
    learners.width = 2700;
    learners.height = 450;
    learners.font.pixelSize = 20;
    return {learners, stampCard, review};
}

ControlSpec picture(const QString &name, float left, float top, float width, float height,
                    bool visible, const QString &file, const QString &description)
{
    return {.kind = ControlKind::Image,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .visible = visible,
            .picture = QStringLiteral(":/menu/") + file,
            .description = description};
}

} // namespace

// The controls in stacking order: the buttons lie in front of every picture,
// the butterflies in front of the hydrangea, the background picture behind all.
const FormSpec &menuLayout()
{
    static const FormSpec layout{
        .name = ScreenName::Menu,
        .caption = QStringLiteral("メニュー"),
        .clientWidth = 10305,
        .clientHeight = 7365,
        .backColor = Cyan,
        .controls =
            {
                {.kind = ControlKind::Timer, .name = QStringLiteral("Timer1")},
                menuButton(QStringLiteral("Command3"), 6030, QStringLiteral("終　　了"), 2),
                menuButton(QStringLiteral("Command2"), 5085, QStringLiteral("花の名前"), 1),
                menuButton(QStringLiteral("Command1"), 4155, QStringLiteral("花の図鑑"), 0),
                picture(QStringLiteral("Image7"), 2520, 1620, 945, 945, false,
                        QStringLiteral("butterfly_spread.gif"),
                        QStringLiteral("はねをひろげたきいろいちょう")),
                picture(QStringLiteral("Image6"), 1620, 975, 810, 795, false,
                        QStringLiteral("butterfly_raised.gif"),
                        QStringLiteral("はねをたてたきいろいちょう")),
                picture(QStringLiteral("Image5"), 525, 270, 945, 945, false,
                        QStringLiteral("butterfly_spread.gif"),
                        QStringLiteral("はねをひろげたきいろいちょう")),
                {.kind = ControlKind::Player,
                 .name = QStringLiteral("MediaPlayer1"),
                 .left = 1920,
                 .top = 7035,
                 .width = 15,
                 .height = 15,
                 .visible = false,
                 .tabIndex = 3},
                picture(QStringLiteral("Image4"), 6315, 525, 3090, 3105, true,
                        QStringLiteral("emblem.gif"), QStringLiteral("「花」のもじ")),
                picture(QStringLiteral("Image3"), 1845, 1665, 3660, 2850, false,
                        QStringLiteral("head_pink.gif"), QStringLiteral("ピンクのあじさいの花")),
                picture(QStringLiteral("Image2"), 1845, 1560, 3705, 2985, true,
                        QStringLiteral("head_blue.gif"), QStringLiteral("あおいあじさいの花")),
                picture(QStringLiteral("Image1"), 360, 765, 9600, 6000, true,
                        QStringLiteral("background.gif"),
                        QStringLiteral("あじさいと、はっぱの上のかたつむり")),
            },
    };
    return layout;
}

const FormSpec &recordsMenuLayout()
{
    static const FormSpec layout = [] {
        FormSpec menu = PlayerStrip::below(menuLayout());
        std::vector<ControlSpec> buttons = recordsButtons(menuLayout().clientHeight);
        menu.controls.insert(menu.controls.begin(), buttons.begin(), buttons.end());
        return menu;
    }();
    return layout;
}
