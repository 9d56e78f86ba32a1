#ifndef CONTENTBYTES_H
#define CONTENTBYTES_H

#include <QByteArray>
#include <QSize>
#include <QString>

// Broken and odd content files, made on the spot.

QByteArray readBytes(const QString &path);
// Puts a new file with these bytes in the place of the old one.
bool writeBytes(const QString &path, const QByteArray &bytes);

// Text as the content files hold it: code page 932, or UTF-8 after a
// byte-order mark.
QByteArray codePage932(const QString &text);
QByteArray utf8WithMark(const QString &text);

// A PNG picture, to be put where a GIF belongs.
QByteArray pngBytes();

// A well-formed GIF whose screen and only image claim the given sizes while
// its data holds a single pixel.
QByteArray gifClaiming(QSize screen, QSize image);

// As many lines of explanation as fit in the given number of bytes, in
// code page 932, each this line ended by CR LF.
extern const QString ExplanationLine;
QByteArray explanationOfSize(qsizetype bytes);

#endif
