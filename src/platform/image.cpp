#include "image.h"
#include "picture.h"
#include "twips.h"

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
