#ifndef SCREENNAMES_H
#define SCREENNAMES_H

#include <QString>

// The screens are reached by these names from anywhere in the program.
namespace ScreenName {
inline const QString Menu = QStringLiteral("メニュー");
inline const QString PictureBook = QStringLiteral("図鑑");
inline const QString Quiz = QStringLiteral("名前");
// The screens that are there only when records are kept.
inline const QString Learners = QStringLiteral("だれ");
inline const QString Review = QStringLiteral("おさらい");
inline const QString StampCard = QStringLiteral("おぼえた花");
} // namespace ScreenName

#endif
