#ifndef TEXTPACKER_H
#define TEXTPACKER_H

#include "content/contentproblem.h"

#include <QByteArray>
#include <QStringView>

struct LineRows;

// A source text made into an explanation text, or what keeps it from it.
struct PackedText
{
    QByteArray bytes;         // code page 932, every row ended by CR LF
    ContentProblems problems; // why the text was not made; none when made
    ContentProblems notes;    // what was changed in it to make it
};

// Makes explanation texts from UTF-8 sources by the rows' rule (textrows.h):
// look-alikes written in the code page's form, characters it lacks left
// out, rows too wide for the list wrapped. Each change is a note; a text is
// refused only when it cannot be read as UTF-8 or nothing of it can be
// written.
class TextPacker
{
public:
    // The text of the file at path; bytes may start with a byte-order mark.
    PackedText pack(const QByteArray &utf8, const QString &path) const;

    // The notes for one source line's rows, the line numbered from 1. Each
    // character is named once a line.
    static ContentProblems notesOf(const LineRows &rows, QStringView line, int number,
                                   const QString &path);
};

#endif
