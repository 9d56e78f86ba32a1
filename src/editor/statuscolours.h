#ifndef STATUSCOLOURS_H
#define STATUSCOLOURS_H

#include <QColor>

class QPalette;

// The colours of "something to mend" and "all is well", chosen to read on
// the palette's own background: deep on a light one, light on a dark one.
QColor problemColour(const QPalette &palette);
QColor fineColour(const QPalette &palette);

// Rich text in a colour, for a label.
QString coloured(const QString &html, const QColor &colour);

#endif
