#ifndef QUIZBOARD_H
#define QUIZBOARD_H

#include <QString>
#include <QStringView>
#include <array>

// The answer board of the name quiz: tile i carries the name of entry i + 1,
// in the order of the names list of the content pack, which must agree.
namespace QuizBoard {

constexpr int TileCount = 60;
constexpr int TilesPerColumn = 20;

// The names as written, without the spacing the tiles show.
inline constexpr std::array<QStringView, TileCount> Names{
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

// A tile's caption: the name spread over the tile by its length. Two kana
// get two ideographic spaces between them, three or four one ideographic
// space, five one ASCII space, and longer names none. Small kana and the
// long-vowel mark count as characters.
inline QString spacedCaption(QStringView name)
{
    QString gap;
    switch (name.size()) {
    case 2:
        gap = QStringLiteral("\u3000\u3000");
        break;
    case 3:
    case 4:
        gap = QStringLiteral("\u3000");
        break;
    case 5:
        gap = QStringLiteral(" ");
        break;
    default:
        return name.toString();
    }
    QString caption;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (i > 0)
            caption += gap;
        caption += name[i];
    }
    return caption;
}

} // namespace QuizBoard

#endif
