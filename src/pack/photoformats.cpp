#include "pack/photoformats.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

struct PhotoFormat
{
    QByteArray format;
    QStringList suffixes;
};

// The formats the packer decodes, in the order they are named to the user.
const QList<PhotoFormat> DecodedFormats{
    {"jpeg", {QStringLiteral("jpg"), QStringLiteral("jpeg")}},
    {"png", {QStringLiteral("png")}},
    {"webp", {QStringLiteral("webp")}},
};

struct OfferedFormats
{
    QList<QByteArray> formats;
    QStringList suffixes;
};

// Asked once: the image readers are plugins, found on first use.
const OfferedFormats &offered()
{
    static const OfferedFormats offered = [] {
        const QList<QByteArray> readers = QImageReader::supportedImageFormats();
        OfferedFormats offered;
        for (const PhotoFormat &format : DecodedFormats) {
            if (!readers.contains(format.format))
                continue;
            offered.formats << format.format;
            offered.suffixes << format.suffixes;
        }
        return offered;
    }();
    return offered;
}

} // namespace

namespace PhotoFormats {

const QList<QByteArray> &formats()
{
    return offered().formats;
}

const QStringList &suffixes()
{
    return offered().suffixes;
}

QString nameFilter()
{
    QStringList patterns;
    for (const QString &suffix : suffixes())
        patterns << QStringLiteral("*.") + suffix;
    for (const QString &suffix : suffixes())
        patterns << QStringLiteral("*.") + suffix.toUpper();
    return QStringLiteral("写真 (%1)").arg(patterns.join(u' '));
}

bool isPhoto(const QString &path)
{
    return suffixes().contains(QFileInfo(path).suffix().toLower());
}

} // namespace PhotoFormats
