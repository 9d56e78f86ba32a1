#ifndef CONTENTPATH_H
#define CONTENTPATH_H

#include <QString>

// The fixed content files, relative to the data root.
namespace ContentFile {
inline const QString Names = QStringLiteral("/説明/name.txt");
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
} // namespace ContentFile

constexpr int EntryCount = 60;

// A data root followed directly by the relative path. The forms without a
// root use DataPath; a content folder checked or packed from outside the
// program is passed as the root.
QString ContentPath(const QString &root, const QString &relative);
QString ContentPath(const QString &relative);

// An entry number as plain decimal digits: 1, 7, 60.
QString EntryFileNumber(int entry);

QString EntryExplanationPath(const QString &root, int entry);
QString EntryExplanationPath(int entry);
QString EntryPicturePath(const QString &root, int entry);
QString EntryPicturePath(int entry);

#endif
