#ifndef CONTENTCHECK_H
#define CONTENTCHECK_H

#include <QFont>
#include <QSize>
#include <QStringList>

// What the screens expect of a content folder: the names of the quiz board
// in entry order, the text width and font of the picture book's explanation
// list, and the picture frame every entry picture must fit.
struct ContentExpectations
{
    QStringList names;
    int listTextWidth = 0;
    QFont listFont;
    QSize pictureFrame;
};

// Checks a content folder as the program will use it and returns one line
// per problem, naming the file and what is wrong; none when all is well.
QStringList checkContent(const QString &root, const ContentExpectations &expected);

#endif
