#include "pack/picturepacker.h"
#include "pack/decoderwarnings.h"
#include "pack/gifwriter.h"
#include "pack/quantizer.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <cmath>

namespace {

const QList<QByteArray> SourceFormats = {"jpeg", "png", "webp"};
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

PackedPicture refused(const QString &problem)
{
    PackedPicture packed;
    packed.problem = problem;
    return packed;
}

// The picture at its new size. Scaling premultiplied keeps the colour of
// transparent pixels from bleeding into the edges of the opaque ones.
QImage scaledToFit(const QImage &picture, QSize frame)
{
    const QSize size = PicturePacker::fittedSize(picture.size(), frame);
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
        return refused(QStringLiteral("絵の場所にフォルダがあります。"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(
            QStringLiteral("絵のファイルを読み込めません（%1）。").arg(file.errorString()));
    return pack(&file);
}

PackedPicture PicturePacker::pack(QIODevice *device) const
{
    const DecoderWarnings warnings;
    QImageReader reader(device);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(int(MaximumSourcePixels * BytesPerPixel / (1024 * 1024)) + 1);
    if (!SourceFormats.contains(reader.format()))
        return refused(QStringLiteral("JPEG、PNG、WebP のどの絵としても読めません。"));
    if (reader.format() == "png" && pngChunkPastTheEnd(device))
        return refused(QStringLiteral("絵のデータが途中で切れています。"));
    const QSize size = reader.size();
    if (!size.isValid())
        return refused(QStringLiteral("絵の大きさを読み取れません（ファイルが壊れています）。"));
    if (qint64(size.width()) * size.height() > MaximumSourcePixels)
        return refused(QStringLiteral("絵が大きすぎます（%1 × %2 ピクセル、%3 万ピクセルまで）。")
                           .arg(size.width())
                           .arg(size.height())
                           .arg(MaximumSourcePixels / 10000));

    const QImage picture = reader.read();
    if (picture.isNull())
        return refused(QStringLiteral("絵を読み込めません（ファイルが壊れています）。"));
    if (warnings.dataCutShort())
        return refused(QStringLiteral("絵のデータが途中で切れています。"));

    const IndexedPicture indexed = quantize(scaledToFit(picture, m_frame));
    PackedPicture packed;
    packed.gif = writeGif(indexed);
    if (packed.gif.isEmpty())
        return refused(QStringLiteral("GIF の絵を作れませんでした。"));
    packed.size = indexed.size;
    packed.transparent = indexed.transparentIndex >= 0;
    return packed;
}
