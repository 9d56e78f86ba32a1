#include "pack/textpacker.h"
#include "content/contentpack.h"
#include "content/contenttext.h"
#include "content/explanation.h"

#include <QFontMetrics>

TextPacker::TextPacker() : m_font(ContentPack::listFont()), m_width(ContentPack::listTextWidth()) {}

PackedText TextPacker::pack(const QByteArray &utf8, const QString &path) const
{
    PackedText packed;
    const QByteArray bytes = withoutByteOrderMark(utf8);
    if (const int line = firstLineNotUtf8(bytes)) {
        packed.problems << ContentProblem{path, line, ContentMessage::notUtf8()};
        return packed;
    }
    const QStringList lines = splitLines(QString::fromUtf8(bytes));
    for (int i = 0; i < lines.size(); ++i)
        packed.problems << lineProblems(lines.at(i), i + 1, path);
    if (packed.problems.isEmpty())
        packed.bytes = encodeContentLines(lines);
    return packed;
}

// Each character the code page lacks is named once a line.
ContentProblems TextPacker::lineProblems(const QString &line, int number, const QString &path) const
{
    ContentProblems problems;
    QList<char32_t> named;
    for (char32_t character : line.toUcs4()) {
        if (named.contains(character) || fitsCodePage(character))
            continue;
        named << character;
        problems << ContentProblem{
            path, number, ContentMessage::notInCodePage(character, codePageLookAlike(character))};
    }
    const int width = lineWidth(line);
    if (width > m_width)
        problems << ContentProblem{path, number, ContentMessage::lineTooWide(width, m_width)};
    return problems;
}

int TextPacker::lineWidth(const QString &line) const
{
    return QFontMetrics(m_font).horizontalAdvance(line);
}
