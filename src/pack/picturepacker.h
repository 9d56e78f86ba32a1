#ifndef PICTUREPACKER_H
#define PICTUREPACKER_H

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

// A source picture made into an entry picture, or why it could not be.
struct PackedPicture
{
    QByteArray gif;
    QSize size;
    bool transparent = false;
    QString problem; // empty when the picture was made
};

// A source picture read at the size it will have in the frame.
struct FittedPicture
{
    QImage picture;
    QString problem; // empty when it was read
};

// Makes entry pictures from photographs: JPEG, PNG or WebP, turned upright
// by their EXIF orientation, scaled down (never up) to fit the frame with
// their aspect kept, and reduced to a 256-colour GIF, dithered.
// Transparent only where the source is. One packer may serve several
// threads at once.
class PicturePacker
{
public:
    // The largest source taken, so that no photograph takes more than
    // 400 MB to decode; the size is read from the file's header first.
    static constexpr qint64 MaximumSourcePixels = 100'000'000;

    explicit PicturePacker(QSize frame) : m_frame(frame) {}

    PackedPicture pack(const QString &path) const;
    PackedPicture pack(QIODevice *device) const;

    // The picture read and scaled to fit the frame. A JPEG is decoded at the
    // smallest of libjpeg's scales that still covers that size, which is
    // many times quicker for a photograph, and then scaled down smoothly.
    FittedPicture fitted(QIODevice *device) const;

    // The size a picture is scaled to: within the frame, aspect kept.
    static QSize fittedSize(QSize picture, QSize frame);

private:
    QSize m_frame;
};

#endif
