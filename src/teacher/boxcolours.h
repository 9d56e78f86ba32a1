#ifndef BOXCOLOURS_H
#define BOXCOLOURS_H

#include <QColor>
#include <QString>

class QPalette;

// The colours of the Leitner boxes in the class table and its legend, made
// from the palette: a name never asked has the table's own background, and
// each box lies further towards the highlight colour. The text on a box is
// black or white, whichever stands out more.
namespace BoxColours {

QColor background(int box, const QPalette &palette);
QColor text(int box, const QPalette &palette);
// The box's meaning in the legend and for a screen reader.
QString meaning(int box);
// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(const QColor &a, const QColor &b);

} // namespace BoxColours

#endif
