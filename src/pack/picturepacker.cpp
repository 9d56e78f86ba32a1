#include "pack/picturepacker.h"
#include "content/contentproblem.h"
#include "pack/decoderwarnings.h"
#include "pack/gifwriter.h"
#include "pack/photoformats.h"
#include "pack/quantizer.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSemaphore>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 BytesPerPixel = 4;

const QByteArray PngSignature("\x89PNG\r\n\x1a\n");
const QByteArray PngEndChunk("IEND");
constexpr qint64 PngChunkFrame = 12; // length, type and checksum

// Whether a PNG file has a chunk before its end chunk that claims more bytes
// than the file holds. The decoder would take memory for the whole claimed
// length, up to 2 GB, before it finds the data missing.
bool pngChunkPastTheEnd(QIODevice *device)
{
    const qint64 start = device->pos();
    const qint64 size = device->size();
    bool pastTheEnd = false;
    if (device->read(PngSignature.size()) == PngSignature) {
        QByteArray header;
        while (!pastTheEnd && (header = device->peek(8)).size() == 8 &&
               !header.endsWith(PngEndChunk)) {
            const qint64 chunk = PngChunkFrame + qFromBigEndian<quint32>(header.constData());
            pastTheEnd = chunk > size - device->pos();
            if (!pastTheEnd)
                device->seek(device->pos() + chunk);
        }
    }
    device->seek(start);
    return pastTheEnd;
}

// The decoding buffers of all threads together stay within this, so that
// large pictures on many cores do not take all the memory.
constexpr int DecodeBudgetMegabytes = 1024;

QSemaphore &decodeBudget()
{
    static QSemaphore budget(DecodeBudgetMegabytes);
    return budget;
}

int megabytesFor(QSize decoded)
{
    const qint64 bytes = qint64(decoded.width()) * decoded.height() * BytesPerPixel;
    return int(std::clamp<qint64>((bytes >> 20) + 1, 1, DecodeBudgetMegabytes));
}

PackedPicture refused(const QString &problem)
{
    PackedPicture packed;
    packed.problem = problem;
    return packed;
}

FittedPicture notRead(const QString &problem)
{
    return {QImage(), problem};
}

// Whether the picture's EXIF orientation turns it on its side.
bool turnsOnItsSide(const QImageReader &reader)
{
    return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
}

// The picture in a format the quantizer takes, at the size it was given;
// the rest is scaled down smoothly. Scaling premultiplied keeps the colour
// of transparent pixels from bleeding into the edges of the opaque ones.
QImage scaledTo(const QImage &picture, QSize size)
{
    const QImage::Format format =
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QImage converted = picture.convertToFormat(format);
    if (size == picture.size())
        return converted;
    return converted.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QSize PicturePacker::fittedSize(QSize picture, QSize frame)
{
    const double factor = std::min(
        {1.0, double(frame.width()) / picture.width(), double(frame.height()) / picture.height()});
    return QSize(std::max(1, int(std::lround(picture.width() * factor))),
                 std::max(1, int(std::lround(picture.height() * factor))));
}

PackedPicture PicturePacker::pack(const QString &path) const
{
    if (QFileInfo(path).isDir())
        return refused(ContentMessage::pictureIsFolder());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(ContentMessage::cannotRead(file.errorString()));
    return pack(&file);
}

PackedPicture PicturePacker::pack(QIODevice *device) const
{
    const FittedPicture read = fitted(device);
    if (!read.problem.isEmpty())
        return refused(read.problem);
    const IndexedPicture indexed = quantize(read.picture);
    PackedPicture packed;
    packed.gif = writeGif(indexed);
    if (packed.gif.isEmpty())
        return refused(ContentMessage::pictureNotMade());
    packed.size = indexed.size;
    packed.transparent = indexed.transparentIndex >= 0;
    return packed;
}

FittedPicture PicturePacker::fitted(QIODevice *device) const
{
    const DecoderWarnings warnings;
    QImageReader reader(device);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(int(MaximumSourcePixels * BytesPerPixel / (1024 * 1024)) + 1);
    if (!PhotoFormats::formats().contains(reader.format()))
        return notRead(ContentMessage::notASourcePicture());
    if (reader.format() == "png" && pngChunkPastTheEnd(device))
        return notRead(ContentMessage::pictureCutShort());
    const QSize size = reader.size();
    if (!size.isValid())
        return notRead(ContentMessage::pictureSizeUnreadable());
    if (qint64(size.width()) * size.height() > MaximumSourcePixels)
        return notRead(ContentMessage::pictureTooLarge(size, MaximumSourcePixels));

    const bool onItsSide = turnsOnItsSide(reader);
    const QSize upright = onItsSide ? size.transposed() : size;
    const QSize target = fittedSize(upright, m_frame);
    const bool scaledWhileDecoded = reader.format() == "jpeg" && target != upright;
    if (scaledWhileDecoded) {
        // The size is set as the file stores the picture, before it is turned.
        reader.setScaledSize(onItsSide ? target.transposed() : target);
        reader.setQuality(100); // full-quality decoding and smooth scaling
    }
    // libjpeg's nearest scale is at most twice the size asked for.
    const int megabytes = megabytesFor(scaledWhileDecoded ? target * 2 : size);
    decodeBudget().acquire(megabytes);
    const QSemaphoreReleaser releaser(decodeBudget(), megabytes);
    const QImage picture = reader.read();
    if (picture.isNull())
        return notRead(ContentMessage::pictureCorrupt());
    if (warnings.dataCutShort())
        return notRead(ContentMessage::pictureCutShort());
    return {scaledTo(picture, target), QString()};
}
