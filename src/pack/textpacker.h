#ifndef TEXTPACKER_H
#define TEXTPACKER_H

#include <QByteArray>
#include <QFont>
#include <QStringList>

// A source text made into an explanation text, or what keeps it from it.
struct PackedText
{
    QByteArray bytes;     // code page 932, every line ended by CR LF
    QStringList problems; // one line each, naming the file; none when made
};

// Makes explanation texts from UTF-8 sources, one list row per line. A line
// is never wrapped or changed: one wider than the list, or with a character
// that code page 932 cannot hold, keeps the whole text from being made.
class TextPacker
{
public:
    TextPacker(const QFont &listFont, int listTextWidth);

    // The text of the file at path; bytes may start with a byte-order mark.
    PackedText pack(const QByteArray &utf8, const QString &path) const;

    // A character outside code page 932 and the one that looks the same and
    // can be written instead, if there is one.
    static QString lookAlike(char32_t character);

private:
    QFont m_font;
    int m_width;
};

#endif
