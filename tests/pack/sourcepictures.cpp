#include "sourcepictures.h"

#include <QBuffer>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtEndian>

namespace {

const QByteArray StartOfFrame("\xFF\xC0", 2);
const QByteArray ExifSegment("\xFF\xE1", 2);

void appendBigEndian16(QByteArray *bytes, quint16 value)
{
    *bytes += char(value >> 8);
    *bytes += char(value & 0xFF);
}

void appendLittleEndian16(QByteArray *bytes, quint16 value)
{
    *bytes += char(value & 0xFF);
    *bytes += char(value >> 8);
}

void appendLittleEndian32(QByteArray *bytes, quint32 value)
{
    appendLittleEndian16(bytes, quint16(value & 0xFFFF));
    appendLittleEndian16(bytes, quint16(value >> 16));
}

void appendLittleEndian24(QByteArray *bytes, quint32 value)
{
    appendLittleEndian32(bytes, value);
    bytes->chop(1);
}

} // namespace

QImage gradientPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0.0, QColor(255, 220, 40));
    gradient.setColorAt(0.4, QColor(230, 60, 120));
    gradient.setColorAt(0.7, QColor(40, 160, 90));
    gradient.setColorAt(1.0, QColor(30, 60, 200));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

QImage noisePicture(QSize size, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, 0xFF000000u | (random.generate() & 0xFFFFFFu));
    return picture;
}

QImage discPicture(QSize size)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 20, 40));
    const int diameter = std::min(size.width(), size.height()) * 3 / 4;
    painter.drawEllipse(
        QRect(QPoint(0, 0), QSize(diameter, diameter))
            .translated((size.width() - diameter) / 2, (size.height() - diameter) / 2));
    return picture;
}

QImage markedPicture(QSize size)
{
    QImage picture = gradientPicture(size);
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, size.width() / 4, size.height()), QColor(255, 0, 0));
    return picture;
}

QByteArray encoded(const QImage &picture, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format, 90);
    return bytes;
}

// An APP1 segment right after the start of image, holding a little-endian
// TIFF header and one directory with the orientation tag alone.
QByteArray withExifOrientation(const QByteArray &jpeg, quint16 orientation)
{
    QByteArray exif("Exif\0\0", 6);
    exif += "II";
    appendLittleEndian16(&exif, 42);
    appendLittleEndian32(&exif, 8); // the directory follows the header
    appendLittleEndian16(&exif, 1); // one entry
    appendLittleEndian16(&exif, 0x0112);
    appendLittleEndian16(&exif, 3); // SHORT
    appendLittleEndian32(&exif, 1);
    appendLittleEndian16(&exif, orientation);
    appendLittleEndian16(&exif, 0);
    appendLittleEndian32(&exif, 0); // no next directory

    QByteArray segment = ExifSegment;
    appendBigEndian16(&segment, quint16(exif.size() + 2));
    return jpeg.left(2) + segment + exif + jpeg.mid(2);
}

// Height and width of the frame header come three and five bytes after the
// segment's length.
QByteArray jpegClaiming(QSize size)
{
    QByteArray jpeg = encoded(gradientPicture(QSize(16, 16)), "JPEG");
    const qsizetype frame = jpeg.indexOf(StartOfFrame);
    qToBigEndian(quint16(size.height()), jpeg.data() + frame + 5);
    qToBigEndian(quint16(size.width()), jpeg.data() + frame + 7);
    return jpeg;
}

// An extended WebP header: its canvas size, less one, in 24 bits each.
QByteArray webpClaiming(QSize size)
{
    QByteArray chunk("VP8X");
    appendLittleEndian32(&chunk, 10);
    appendLittleEndian32(&chunk, 0);
    appendLittleEndian24(&chunk, quint32(size.width() - 1));
    appendLittleEndian24(&chunk, quint32(size.height() - 1));
    QByteArray webp("RIFF");
    appendLittleEndian32(&webp, quint32(chunk.size() + 4));
    return webp + "WEBP" + chunk;
}
