#ifndef TEXTPACKER_H
#define TEXTPACKER_H

#include "content/contentproblem.h"

#include <QByteArray>
#include <QFont>

// A source text made into an explanation text, or what keeps it from it.
struct PackedText
{
    QByteArray bytes;         // code page 932, every line ended by CR LF
    ContentProblems problems; // none when made
};

// Makes explanation texts from UTF-8 sources, one list row per line, for
// the explanation list of a content pack. A line is never wrapped or
// changed: one wider than the list, or with a character that code page 932
// cannot hold, keeps the whole text from being made.
class TextPacker
{
public:
    TextPacker();

    // The text of the file at path; bytes may start with a byte-order mark.
    PackedText pack(const QByteArray &utf8, const QString &path) const;

    // The problems of one line of a text, numbered from 1.
    ContentProblems lineProblems(const QString &line, int number, const QString &path) const;

    // The width in pixels a line takes in the list, and the widest it may be.
    int lineWidth(const QString &line) const;
    int listWidth() const { return m_width; }

private:
    QFont m_font;
    int m_width;
};

#endif
