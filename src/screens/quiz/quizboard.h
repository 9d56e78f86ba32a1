#ifndef QUIZBOARD_H
#define QUIZBOARD_H

#include <QString>
#include <QStringView>

// The answer board of the name quiz: tile i carries the name of entry i + 1,
// ContentPack::BoardNames, which the names list of every pack agrees with.
namespace QuizBoard {

constexpr int TilesPerColumn = 20;

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
