#ifndef TEXTROWS_H
#define TEXTROWS_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// How a source line becomes the rows of an explanation in a pack: the rule
// that hana-pack writes by, that hana-check measures by and that the
// editor marks by.
//
// - A character that code page 932 lacks but holds in a form of the same
//   look, as Japanese input methods type it (〜 for ～), is written in that
//   form.
// - Any other character that code page 932 lacks (an emoji) is left out; the
//   rest of the line stays.
// - A row wider than the list is wrapped at the list's width, by the
//   Japanese rules for where a row may not start or end. A text that then
//   has more rows than the list shows is wrapped, as a whole, at the
//   narrower width beside the list's scroll bar.

// What happened to a span of a source line.
enum class RowChange
{
    Converted, // written as its look-alike
    LeftOut,   // not written at all
    Wrapped,   // moved to a row of its own after the one before
};

struct RowSpan
{
    RowChange change;
    qsizetype start = 0; // in the source line, in UTF-16 code units
    qsizetype length = 0;
    QString written = {}; // what a converted span is written as

    bool operator==(const RowSpan &) const = default;
};

// One source line as rows: at least one row, and its spans in the order of
// the line.
struct LineRows
{
    QStringList rows;
    QList<RowSpan> spans;
    int width = 0;    // of the line's written text before it is wrapped
    int rowLimit = 0; // the widest a row may be, where the line was wrapped
};

// A whole source text as rows, each source line with its own.
struct TextRows
{
    QList<LineRows> lines;

    // Every row in order, as the pack holds them.
    QStringList rows() const;
    // For each row, the source line (from 0) it comes from.
    QList<int> sourceLines() const;
};

// Each call makes the code page's converter once, for the whole line or
// text, so the calls may run on any thread. A line alone is a text of one
// line.
LineRows rowsOfLine(QStringView line);
TextRows rowsOfText(const QStringList &lines);

#endif
