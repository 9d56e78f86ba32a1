#include "book/picturebooklayout.h"
#include "content/contentpack.h"
#include "platform/picture.h"
#include "platform/twips.h"

#include <algorithm>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Orange = 0xFFFF8000;
constexpr QRgb Salmon = 0xFFFF8080;
constexpr QRgb BlueViolet = 0xFF8080FF;
constexpr QRgb LightGreen = 0xFF80FF80;

// The book, and the controls that show an entry on it.
const QString Book = QStringLiteral("Image1");
const QStringList PageControls{QStringLiteral("Label2"), QStringLiteral("List1"),
                               QStringLiteral("Image2"), Book};

constexpr float TileTop = 1080;
constexpr float TileWidth = 825;
constexpr float TileHeight = 615;

// One tile of the kana index. The tiles share top and size; their left
// edges are spaced unevenly, as the screen was first drawn.
ControlSpec kanaTile(int index, const char *kana, float left)
{
    return {.kind = ControlKind::Label,
            .name = "Label1",
            .index = index,
            .left = left,
            .top = TileTop,
            .width = TileWidth,
            .height = TileHeight,
            .caption = QString::fromUtf8(kana),
            .backColor = BlueViolet,
            .foreColor = White,
            .font = {Face::Mincho, 32, true},
            .align = Align::Center,
            .sunken = true,
            .tabIndex = index + 1,
            .tabStop = true};
}

ControlSpec orangeButton(const char *name, const char *caption, float left, int tabIndex)
{
    return {.kind = ControlKind::Button,
            .name = name,
            .left = left,
            .top = 255,
            .width = 1350,
            .height = 525,
            .caption = QString::fromUtf8(caption),
            .backColor = Orange,
            .font = {Face::Mincho, 17, false},
            .tabIndex = tabIndex};
}

} // namespace

const FormSpec &pictureBookLayout()
{
    static const FormSpec layout{
        .name = {}, // given by the screen that shows it
        .caption = QStringLiteral("花の図鑑"),
        .clientWidth = 10305,
        .clientHeight = 7365,
        .backColor = LightGreen,
        .controls =
            {
                {.kind = ControlKind::Timer, .name = "Timer1"},
                orangeButton("Command2", "メニュー", 8655, 15),
                orangeButton("Command1", "花の名前", 7110, 14),
                {.kind = ControlKind::List,
                 .name = "List1",
                 .left = 1155,
                 .top = 3195,
                 .width = ContentPack::ListWidth,
                 .height = ContentPack::ListHeight,
                 .visible = false,
                 .backColor = White,
                 .foreColor = Black,
                 .font = ContentPack::ListFont,
                 .tabIndex = 0,
                 .description = QStringLiteral("花の説明")},
                {.kind = ControlKind::Player,
                 .name = "MediaPlayer2",
                 .left = 855,
                 .top = 7170,
                 .width = 15,
                 .height = 15,
                 .visible = false,
                 .tabIndex = 16},
                {.kind = ControlKind::Label,
                 .name = "Label3",
                 .left = 495,
                 .top = 285,
                 .width = 6390,
                 .height = 450,
                 .caption = QStringLiteral("花の名前の索引をクリックして下さい"),
                 .backColor = Salmon,
                 .foreColor = White,
                 .font = {Face::Mincho, 24, false},
                 .align = Align::Center,
                 .tabIndex = 13},
                {.kind = ControlKind::Player,
                 .name = "MediaPlayer1",
                 .left = 495,
                 .top = 7110,
                 .width = 30,
                 .height = 30,
                 .visible = false,
                 .tabIndex = 12},
                // The entry's voice, which follows the entry sound.
                {.kind = ControlKind::Player,
                 .name = "MediaPlayer3",
                 .left = 555,
                 .top = 7110,
                 .width = 30,
                 .height = 30,
                 .visible = false,
                 .tabIndex = 17},
                kanaTile(10, "わ", 8880),
                kanaTile(9, "ら", 7950),
                kanaTile(8, "や", 7020),
                kanaTile(7, "ま", 6090),
                kanaTile(6, "は", 5160),
                kanaTile(5, "な", 4260),
                kanaTile(4, "た", 3375),
                kanaTile(3, "さ", 2475),
                kanaTile(2, "か", 1575),
                kanaTile(1, "あ", 690),
                {.kind = ControlKind::Image,
                 .name = "Image4",
                 .left = 8895,
                 .top = 1770,
                 .width = 795,
                 .height = 525,
                 .picture = QStringLiteral(":/picture_book/arrow_right.gif"),
                 .description = QStringLiteral("次の花へ")},
                {.kind = ControlKind::Image,
                 .name = "Image3",
                 .left = 690,
                 .top = 1770,
                 .width = 795,
                 .height = 495,
                 .picture = QStringLiteral(":/picture_book/arrow_left.gif"),
                 .description = QStringLiteral("前の花へ")},
                {.kind = ControlKind::Label,
                 .name = "Label2",
                 .left = 1320,
                 .top = 2760,
                 .width = 3045,
                 .height = 405,
                 .visible = false,
                 .backColor = White,
                 .foreColor = Red,
                 .font = {Face::Mincho, 21, true},
                 .align = Align::Center,
                 .sunken = true,
                 .tabIndex = 1},
                {.kind = ControlKind::Image,
                 .name = "Image2",
                 .left = 5865,
                 .top = 2910,
                 .width = ContentPack::PictureFrameWidth,
                 .height = ContentPack::PictureFrameHeight,
                 .visible = false,
                 .description = QStringLiteral("花の絵")},
                {.kind = ControlKind::Image,
                 .name = "Image1",
                 .left = 420,
                 .top = 1185,
                 .width = 9600,
                 .height = 6000,
                 .picture = QStringLiteral(":/picture_book/book.gif"),
                 .description = QStringLiteral("開いた本")},
            },
    };
    return layout;
}

FormSpec bookPageLayout()
{
    FormSpec layout = pictureBookLayout();
    std::erase_if(layout.controls,
                  [](const ControlSpec &row) { return !PageControls.contains(row.name); });
    return layout;
}

QRect drawnBookArea()
{
    const FormSpec &layout = pictureBookLayout();
    const ControlSpec &book =
        *std::find_if(layout.controls.cbegin(), layout.controls.cend(),
                      [](const ControlSpec &row) { return row.name == Book; });
    const QImage picture = loadPicture(book.picture).convertToFormat(QImage::Format_ARGB32);
    QRect drawn;
    for (int y = 0; y < picture.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(line[x]) != 0)
                drawn |= QRect(x, y, 1, 1);
    }
    return drawn.translated(twipsToPixels(book.left), twipsToPixels(book.top));
}
