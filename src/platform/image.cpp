#include "platform/image.h"
#include "platform/picture.h"
#include "platform/twips.h"

#include <QPainter>
#include <QPixmapCache>

Image::Image(const ControlSpec &row, QWidget *parent)
    : Control(row, parent), m_layoutPicture(row.picture), m_stretch(row.stretch)
{
    setAccessibleName(row.description);
    if (!row.picture.isEmpty())
        loadLayoutPicture();
}

QString Image::largeLayoutPicture() const
{
    return highResolutionPicture(m_layoutPicture, devicePixelRatioF() * scaleFactor());
}

// The layout's pictures are the program's own and never change while it
// runs: each is decoded once and kept in Qt's pixmap cache, so that a window
// opened again, or drawn at another factor, shows it at once. The large
// ones take a quarter of the time it takes to open a full-screen window.
void Image::loadLayoutPicture()
{
    const QString large = largeLayoutPicture();
    const QString file = large.isEmpty() ? m_layoutPicture : large;
    QPixmap picture;
    if (!QPixmapCache::find(file, &picture)) {
        QImage decoded = ::loadPicture(file);
        if (!large.isEmpty())
            decoded.setDevicePixelRatio(2);
        picture = QPixmap::fromImage(decoded);
        QPixmapCache::insert(file, picture);
    }
    showPicture(picture);
    m_source = m_layoutPicture;
}

void Image::setStretch(bool stretch)
{
    m_stretch = stretch;
}

void Image::loadPicture(const QString &path)
{
    setPicture(::loadPicture(path));
    m_source = path;
}

void Image::setPicture(const QImage &picture)
{
    showPicture(QPixmap::fromImage(picture));
}

void Image::showPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_source.clear();
    if (!m_stretch) {
        const QSize size = picture.deviceIndependentSize().toSize();
        setSizeTwips(pixelsToTwips(size.width()), pixelsToTwips(size.height()));
    }
    update();
}

// The layout's own picture, while it is shown, changes to or from its large
// version where the new factor crosses the line.
void Image::scaleChanged()
{
    const bool large = m_picture.devicePixelRatio() > 1;
    if (!m_layoutPicture.isEmpty() && m_source == m_layoutPicture &&
        large == largeLayoutPicture().isEmpty())
        loadLayoutPicture();
    Control::scaleChanged();
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scaleFactor(), scaleFactor());
    if (m_stretch) {
        painter.drawPixmap(layoutRect(), m_picture);
    } else if (!m_picture.isNull()) {
        painter.drawPixmap(0, 0, m_picture);
    }
    drawFocusMark(painter);
}

// Keeps the picture's size and puts its middle on the frame's. Halves are
// kept: a picture an odd number of twips off the frame's size lies half a
// twip off the whole grid. A picture larger than the frame reaches past it
// by the same amount on both sides.
void Image::centreOn(int frameLeft, int frameTop, int frameWidth, int frameHeight)
{
    setLeftTwips(float(frameLeft + (frameWidth - double(widthTwips())) / 2));
    setTopTwips(float(frameTop + (frameHeight - double(heightTwips())) / 2));
}
