#include "platform/picture.h"
#include "platform/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace {

// A picture of this program is a few hundred pixels wide; the limit stops a
// file whose header claims a huge size before any memory is taken for it.
// The decoder keeps to the same limit for what the header does not tell.
constexpr int AllocationLimitMegabytes = 32;
constexpr qint64 BytesPerPixel = 4;

constexpr char ExtensionIntroducer = 0x21;
constexpr char ImageSeparator = 0x2C;
constexpr int ScreenDescriptorBytes = 13;
constexpr int ImageDescriptorBytes = 9;
constexpr unsigned char ColourTableFlag = 0x80;

bool skipBytes(QIODevice *device, qint64 count)
{
    return device->skip(count) == count;
}

bool skipColourTable(QIODevice *device, unsigned char flags)
{
    return !(flags & ColourTableFlag) || skipBytes(device, 3 << ((flags & 7) + 1));
}

// Data sub-blocks, each a length byte and that many bytes, up to an empty one.
bool skipSubBlocks(QIODevice *device)
{
    char length = 0;
    while (device->getChar(&length)) {
        if (length == 0)
            return true;
        if (!skipBytes(device, static_cast<unsigned char>(length)))
            return false;
    }
    return false;
}

// The blocks after the screen descriptor, to the end of the first image.
bool endsInsideFirstImage(QIODevice *device)
{
    char block = 0;
    while (device->getChar(&block)) {
        if (block == ExtensionIntroducer) {
            if (!skipBytes(device, 1) || !skipSubBlocks(device))
                return true;
        } else if (block == ImageSeparator) {
            const QByteArray image = device->read(ImageDescriptorBytes);
            return image.size() < ImageDescriptorBytes || !skipColourTable(device, image.at(8)) ||
                   !skipBytes(device, 1) || !skipSubBlocks(device);
        } else {
            return false;
        }
    }
    return true;
}

// What a GIF file tells before anything of it is decoded.
struct GifOutline
{
    QSize screen;          // the size of the picture the decoder makes
    bool cutShort = false; // the file ends inside its first image
};

// Walks the blocks of a GIF file to the end of its first image. The decoder
// shows a picture whose data stops early with the missing rows left blank;
// such a file is broken and is refused instead. Anything that is no GIF at
// all is left for the decoder to refuse.
GifOutline outlineGif(QIODevice *device)
{
    GifOutline outline;
    const QByteArray screen = device->read(ScreenDescriptorBytes);
    if (!screen.startsWith("GIF87a") && !screen.startsWith("GIF89a"))
        return outline;
    if (screen.size() < ScreenDescriptorBytes) {
        outline.cutShort = true;
        return outline;
    }
    outline.screen = QSize(qFromLittleEndian<quint16>(screen.constData() + 6),
                           qFromLittleEndian<quint16>(screen.constData() + 8));
    outline.cutShort = !skipColourTable(device, screen.at(10)) || endsInsideFirstImage(device);
    return outline;
}

bool tooLargeToHold(QSize picture)
{
    return qint64(picture.width()) * picture.height() * BytesPerPixel >
           qint64(AllocationLimitMegabytes) * 1024 * 1024;
}

} // namespace

QImage loadPicture(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw Failure::forFile(path, QStringLiteral("画像ファイルが見つかりません。"));
    if (info.isDir())
        throw Failure::forFile(path, QStringLiteral("画像ファイルの場所にフォルダがあります。"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure::forFile(
            path, QStringLiteral("画像ファイルを読み込めません（%1）。").arg(file.errorString()));
    return decodePicture(&file, path);
}

QImage decodePicture(QIODevice *device, const QString &path)
{
    const qint64 start = device->pos();
    const GifOutline outline = outlineGif(device);
    device->seek(start);
    if (outline.cutShort)
        throw Failure::forFile(path, QStringLiteral("画像ファイルが途中で切れています。"));
    if (tooLargeToHold(outline.screen))
        throw Failure::forFile(path, QStringLiteral("画像が大きすぎます（%1 × %2 ピクセル）。")
                                         .arg(outline.screen.width())
                                         .arg(outline.screen.height()));

    QImageReader reader(device, "gif");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(AllocationLimitMegabytes);
    QImage image = reader.read();
    if (image.isNull())
        throw Failure::forFile(
            path, QStringLiteral("GIF画像として読み込めません（%1）。").arg(reader.errorString()));
    return image;
}

QString highResolutionPicture(const QString &path, qreal devicePixelRatio)
{
    constexpr qreal LargeFrom = 1.5;
    if (devicePixelRatio < LargeFrom)
        return {};
    const QFileInfo picture(path);
    const QString large =
        picture.path() + "/" + picture.completeBaseName() + "@2x." + picture.suffix();
    return QFileInfo::exists(large) ? large : QString();
}
