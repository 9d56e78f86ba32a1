#include "platform/image.h"
#include "platform/picture.h"
#include "platform/twips.h"

#include <QPainter>

Image::Image(const ControlSpec &row, QWidget *parent) : Control(row, parent), m_stretch(row.stretch)
{
    setAccessibleName(row.description);
    if (!row.picture.isEmpty())
        loadLayoutPicture(row.picture);
}

void Image::loadLayoutPicture(const QString &path)
{
    const QString large = highResolutionPicture(path, devicePixelRatioF());
    if (large.isEmpty()) {
        loadPicture(path);
        return;
    }
    QImage picture = ::loadPicture(large);
    picture.setDevicePixelRatio(2);
    setPicture(picture);
    m_source = path;
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
    m_picture = QPixmap::fromImage(picture);
    m_source.clear();
    if (!m_stretch) {
        const QSize size = picture.deviceIndependentSize().toSize();
        setSizeTwips(pixelsToTwips(size.width()), pixelsToTwips(size.height()));
    }
    update();
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_picture);
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
