#include "pack/textpacker.h"
#include "content/contentpack.h"
#include "content/contenttext.h"
#include "content/textrows.h"

#include <algorithm>

namespace {

bool anyLeftOut(const TextRows &text)
{
    return std::any_of(text.lines.begin(), text.lines.end(), [](const LineRows &line) {
        return std::any_of(line.spans.begin(), line.spans.end(),
                           [](const RowSpan &span) { return span.change == RowChange::LeftOut; });
    });
}

bool allEmpty(const QStringList &rows)
{
    return std::all_of(rows.begin(), rows.end(), [](const QString &row) { return row.isEmpty(); });
}

QString wrappedNote(const LineRows &rows)
{
    const int rowCount = int(rows.rows.size());
    if (rows.rowLimit < ContentPack::listTextWidth())
        return ContentMessage::lineWrappedBesideScrollBar(rows.width, rows.rowLimit, rowCount,
                                                          ContentPack::listVisibleRows());
    return ContentMessage::lineWrapped(rows.width, rows.rowLimit, rowCount);
}

} // namespace

PackedText TextPacker::pack(const QByteArray &utf8, const QString &path) const
{
    PackedText packed;
    const Utf8Text source = decodeUtf8Text(utf8, path);
    if (source.problem) {
        packed.problems << *source.problem;
        return packed;
    }
    const TextRows text = rowsOfText(source.lines);
    const QStringList rows = text.rows();
    if (anyLeftOut(text) && allEmpty(rows)) {
        packed.problems << ContentProblem{path, 0, ContentMessage::nothingWritable()};
        return packed;
    }
    for (int line = 0; line < int(text.lines.size()); ++line)
        packed.notes << notesOf(text.lines.at(line), source.lines.at(line), line + 1, path);
    packed.bytes = encodeContentLines(rows);
    return packed;
}

ContentProblems TextPacker::notesOf(const LineRows &rows, QStringView line, int number,
                                    const QString &path)
{
    ContentProblems notes;
    QList<char32_t> named;
    for (const RowSpan &span : rows.spans) {
        if (span.change == RowChange::Wrapped)
            continue;
        const char32_t character = line.sliced(span.start, span.length).toUcs4().first();
        if (named.contains(character))
            continue;
        named << character;
        notes << ContentProblem{path, number,
                                span.change == RowChange::Converted
                                    ? ContentMessage::lookAlikeWritten(character, span.written[0])
                                    : ContentMessage::notInCodePageLeftOut(character)};
    }
    if (rows.rows.size() > 1)
        notes << ContentProblem{path, number, wrappedNote(rows)};
    return notes;
}
