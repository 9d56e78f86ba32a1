#include "editor/statuscolours.h"

#include <QPalette>
#include <QString>

namespace {

bool darkBackground(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

QColor problemColour(const QPalette &palette)
{
    return darkBackground(palette) ? QColor(0xFF, 0x8A, 0x80) : QColor(0xC6, 0x28, 0x28);
}

QColor fineColour(const QPalette &palette)
{
    return darkBackground(palette) ? QColor(0x81, 0xC7, 0x84) : QColor(0x2E, 0x7D, 0x32);
}

QString coloured(const QString &html, const QColor &colour)
{
    return QStringLiteral("<span style='color:%1'>%2</span>").arg(colour.name(), html);
}
