#ifndef PHOTOFORMATS_H
#define PHOTOFORMATS_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The photographs a pack is made from: the formats the packer decodes
// (JPEG, PNG, WebP) that this system's image readers offer. A WebP file is
// no photograph where no reader for it is installed.
namespace PhotoFormats {

// The formats as QImageReader names them: "jpeg", "png", "webp".
const QList<QByteArray> &formats();
// Their file name suffixes, in small letters: "jpg", "jpeg", "png", "webp".
const QStringList &suffixes();
// A file dialog's filter: 写真 (*.jpg *.jpeg … *.JPG *.JPEG …).
QString nameFilter();
// Whether a file's suffix, in any case, is that of a photograph.
bool isPhoto(const QString &path);

} // namespace PhotoFormats

#endif
