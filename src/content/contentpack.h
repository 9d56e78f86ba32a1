#ifndef CONTENTPACK_H
#define CONTENTPACK_H

#include "platform/layout.h"

#include <QFont>
#include <QSize>
#include <QStringList>
#include <QStringView>
#include <array>

// The form of a content pack, shared by the program, hana-check and
// hana-pack: the files it holds relative to its folder, the names of the quiz
// board they must agree with, and the room the screens leave for pictures and
// texts.
namespace ContentPack {

constexpr int EntryCount = 60;

// The fixed files, each path relative to the pack's folder.
inline const QString NamesList = QStringLiteral("/説明/name.txt");
inline const QString ButtonSound = QStringLiteral("/音/oto.wav");
inline const QString EntrySound = QStringLiteral("/音/oto1.wav");
inline const QString RightSound = QStringLiteral("/音/o.wav");
inline const QString WrongSound = QStringLiteral("/音/x.wav");
inline const QString PassSound = QStringLiteral("/音/gokaku.wav");
inline const QString FailSound = QStringLiteral("/音/dame.wav");
inline const QString RightMark = QStringLiteral("/画像/maru.gif");
inline const QString WrongMark = QStringLiteral("/画像/batu.gif");
inline const QString GoldMedal = QStringLiteral("/画像/gold.gif");
inline const QString SilverMedal = QStringLiteral("/画像/silver.gif");
inline const QString CopperMedal = QStringLiteral("/画像/copper.gif");

// The three folders of a pack.
const QStringList &folders();
// The marks and medals, and the sounds.
const QStringList &fixedPictures();
const QStringList &sounds();
// Every file that belongs to no one entry.
QStringList fixedFiles();

// An entry's explanation text and picture: "/説明/s7.txt", "/画像/h7.gif".
QString entryText(int entry);
QString entryPicture(int entry);

// The folder of the voices that say the entries' names. It is optional: a
// pack may have a voice for every entry, for some or for none.
inline const QString VoicesFolder = QStringLiteral("/声");
// An entry's voice: "/声/k7.wav", mono 16-bit PCM.
QString entryVoice(int entry);

// The names of the quiz board in entry order, as written, without the
// spacing the tiles show. The names list of every pack must agree with them.
inline constexpr std::array<QStringView, EntryCount> BoardNames{
    u"あさがお",       u"あじさい",       u"アネモネ",       u"アマリリス",   u"あやめ",
    u"うめ",           u"おみなえし",     u"カーネーション", u"ガーベラ",     u"カンナ",
    u"きく",           u"きょうちくとう", u"きんせんか",     u"くちなし",     u"グラジオラス",
    u"クロッカス",     u"けいとう",       u"コスモス",       u"こぶし",       u"さくら",
    u"さくらそう",     u"さざんか",       u"サルビア",       u"シクラメン",   u"しゃくなげ",
    u"じんちょうげ",   u"すいせん",       u"すずらん",       u"すみれ",       u"たちあおい",
    u"ダリア",         u"たんぽぽ",       u"チューリップ",   u"つきみそう",   u"つつじ",
    u"つばき",         u"なのはな",       u"なでしこ",       u"はぎ",         u"はす",
    u"ばら",           u"パンジー",       u"ひがんばな",     u"ひなげし",     u"ひまわり",
    u"ひゃくにちそう", u"ヒヤシンス",     u"ふじ",           u"ふよう",       u"フリージア",
    u"ぼたん",         u"マーガレット",   u"まつばぼたん",   u"みずばしょう", u"やまぶき",
    u"ゆり",           u"らん",           u"りんどう",       u"れんげ",       u"わすれなぐさ",
};
QStringList boardNames();

// The rows of the kana syllabary that the picture book's index offers, each
// with its first entry: the entries run in the syllabary's order, so a row
// holds its first entry up to the next row's first.
struct KanaRow
{
    QStringView kana;
    int firstEntry;
};
inline constexpr std::array<KanaRow, 10> KanaRows{{
    {u"あ", 1},
    {u"か", 8},
    {u"さ", 20},
    {u"た", 30},
    {u"な", 37},
    {u"は", 39},
    {u"ま", 52},
    {u"や", 55},
    {u"ら", 57},
    {u"わ", 60},
}};
// The row an entry (1 to EntryCount) belongs to, from 0.
int kanaRowOf(int entry);

// The picture book's frame, in twips: every entry picture must fit in it.
constexpr float PictureFrameWidth = 3270;
constexpr float PictureFrameHeight = 3375;
// The picture book's explanation list, in twips, and its font: a row of
// text must not be wider than the list shows.
constexpr float ListWidth = 3375;
constexpr float ListHeight = 3180;
constexpr FontSpec ListFont{Face::Mincho, 16, false};
// The largest text file read. Content texts are a few hundred bytes; this
// leaves ample room and keeps the picture book from freezing on a huge file.
constexpr qint64 MaximumTextBytes = 512 * 1024;

// The frame in pixels.
QSize pictureFrame();
QFont listFont();
// The rows the list shows whole; a text of more rows scrolls, and its
// scroll bar takes part of the width. Needs no application object.
int listVisibleRows();
// The width in pixels that a row's text has in the list: the box less the
// frame and the text margins the list is given, and, holding more rows than
// it shows, less its scroll bar too. Needs no application object.
int listTextWidth();
int listTextWidth(qsizetype rowCount);
// The width in pixels of a row of text in the list's font. The list's face is
// of fixed pitch as JIS faces are: a character that code page 932 writes in
// one byte takes half the pixel size, any other the whole. Needs no fonts.
int rowWidth(QStringView row);
// The width of one character of a row, as rowWidth counts it.
int characterWidth(char16_t character);

} // namespace ContentPack

#endif
