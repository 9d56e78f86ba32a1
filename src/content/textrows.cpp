#include "content/textrows.h"
#include "content/contentpack.h"
#include "content/contenttext.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <optional>

namespace {

// Characters that input methods and other systems write where code page 932
// has one of the same look at another code point, and that one.
struct LookAlike
{
    char32_t typed;
    char16_t written;
};
constexpr std::array<LookAlike, 10> LookAlikes{{
    {U'\u301C', u'\uFF5E'}, // wave dash: full-width tilde
    {U'\u2212', u'\uFF0D'}, // minus sign: full-width hyphen-minus
    {U'\u2016', u'\u2225'}, // double vertical line: parallel to
    {U'\u2014', u'\u2015'}, // em dash: horizontal bar
    {U'\u00A2', u'\uFFE0'}, // cent sign
    {U'\u00A3', u'\uFFE1'}, // pound sign
    {U'\u00AC', u'\uFFE2'}, // not sign
    {U'\u00A5', u'\uFFE5'}, // yen sign
    {U'\u00A6', u'\uFFE4'}, // broken bar
    {U'\u203E', u'\uFFE3'}, // overline: full-width macron
}};

// The Japanese line-breaking rules: characters that may not start a row
// (closing brackets, stops, the long vowel mark, small kana, marks that
// follow what they belong to) and those that may not end one (opening
// brackets, marks that go before what they belong to).
constexpr std::u16string_view NoRowStart = u"、。，．,.・：；:;？！?!‼⁇⁈⁉゛゜ヽヾゝゞ々〻ー‐゠～–"
                                           u"）〕］｝〉》」』】〙〗〟’”｠»)]}｣"
                                           u"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶ"
                                           u"ｧｨｩｪｫｬｭｮｯｰﾞﾟ｡､･"
                                           u"％%‰℃°′″¢￠";
constexpr std::u16string_view NoRowEnd = u"（〔［｛〈《「『【〘〖〝‘“｟«([{｢￥＄￡＃$#";
// Pairs that are one mark and are not parted: the two-em dash and ellipsis.
constexpr std::u16string_view Doubled = u"―…‥";

bool among(std::u16string_view set, QChar character)
{
    return set.find(character.unicode()) != std::u16string_view::npos;
}

bool isAsciiWordCharacter(QChar character)
{
    return character.unicode() < 0x80 && character.isLetterOrNumber();
}

// Whether a row may end before text[at].
bool mayBreakBefore(const QString &text, qsizetype at)
{
    const QChar before = text.at(at - 1);
    const QChar after = text.at(at);
    if (among(NoRowStart, after) || among(NoRowEnd, before))
        return false;
    if (before == after && among(Doubled, after))
        return false;
    return !(isAsciiWordCharacter(before) && isAsciiWordCharacter(after));
}

// The end of the row that starts at start: where the widest part that fits
// may be broken, else (a run of characters that may not be parted wider than
// the list) right at the width.
qsizetype rowEnd(const QString &text, qsizetype start, int listWidth)
{
    qsizetype end = start;
    for (int width = 0; end < text.size(); ++end) {
        width += ContentPack::characterWidth(text.at(end).unicode());
        if (width > listWidth)
            break;
    }
    if (end == text.size())
        return end;
    end = std::max(end, start + 1);
    for (qsizetype at = end; at > start + 1; --at)
        if (mayBreakBefore(text, at))
            return at;
    return end;
}

// A source line in the code page's form, before it is wrapped: its text,
// where each character of the text stands in the source, and what was
// converted or left out.
struct WrittenLine
{
    QString text;
    QList<qsizetype> from;
    qsizetype sourceSize = 0;
    QList<RowSpan> spans;
};

class RowRule
{
public:
    RowRule() : m_encoder(CodePage932), m_decoder(CodePage932) {}

    WrittenLine written(QStringView source);

private:
    bool holds(QStringView text);

    QStringEncoder m_encoder;
    QStringDecoder m_decoder;
};

// Some converters write a near substitute for a character the code page
// lacks: text is held only if it comes back the same. The converters' error
// flag is not asked, as it stays set once raised (Qt 6.4 keeps it through
// resetState); what the code page lacks comes back as the replacement
// character, which is therefore never held itself.
bool RowRule::holds(QStringView text)
{
    const QByteArray bytes = m_encoder(text);
    const QString back = m_decoder(bytes);
    return back == text && !text.contains(QChar::ReplacementCharacter);
}

std::optional<char16_t> lookAlikeOf(char32_t character)
{
    const auto found =
        std::find_if(LookAlikes.begin(), LookAlikes.end(),
                     [character](const LookAlike &l) { return l.typed == character; });
    return found == LookAlikes.end() ? std::nullopt : std::optional(found->written);
}

WrittenLine RowRule::written(QStringView source)
{
    WrittenLine line;
    line.sourceSize = source.size();
    const bool whole = holds(source);
    for (qsizetype at = 0; at < source.size();) {
        const bool pair = source.at(at).isHighSurrogate() && at + 1 < source.size() &&
                          source.at(at + 1).isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const QStringView character = source.sliced(at, length);
        if (whole || holds(character)) {
            line.text += character;
            line.from << at;
            if (pair)
                line.from << at + 1;
        } else if (const auto written = lookAlikeOf(character.toUcs4().first())) {
            line.text += QChar(*written);
            line.from << at;
            line.spans << RowSpan{RowChange::Converted, at, length, QString(QChar(*written))};
        } else {
            line.spans << RowSpan{RowChange::LeftOut, at, length};
        }
        at += length;
    }
    return line;
}

LineRows wrapped(const WrittenLine &line, int rowLimit)
{
    LineRows rows{{}, line.spans, ContentPack::rowWidth(line.text), rowLimit};
    const QString &text = line.text;
    qsizetype start = 0;
    do {
        const qsizetype end = rowEnd(text, start, rowLimit);
        rows.rows << text.sliced(start, end - start);
        if (start > 0) {
            const qsizetype sourceEnd = end < text.size() ? line.from.at(end) : line.sourceSize;
            rows.spans << RowSpan{RowChange::Wrapped, line.from.at(start),
                                  sourceEnd - line.from.at(start)};
        }
        start = end;
    } while (start < text.size());
    std::stable_sort(rows.spans.begin(), rows.spans.end(),
                     [](const RowSpan &a, const RowSpan &b) { return a.start < b.start; });
    return rows;
}

TextRows wrapped(const QList<WrittenLine> &lines, int rowLimit)
{
    TextRows text;
    for (const WrittenLine &line : lines)
        text.lines << wrapped(line, rowLimit);
    return text;
}

} // namespace

QStringList TextRows::rows() const
{
    QStringList all;
    for (const LineRows &line : lines)
        all << line.rows;
    return all;
}

QList<int> TextRows::sourceLines() const
{
    QList<int> all;
    for (int line = 0; line < int(lines.size()); ++line)
        all.insert(all.size(), lines.at(line).rows.size(), line);
    return all;
}

LineRows rowsOfLine(QStringView line)
{
    return rowsOfText({line.toString()}).lines.first();
}

// The text is wrapped at the list's width first. Its rows are what the list
// holds: when they are more than it shows, the scroll bar takes its part of
// the width beside every row, so the whole text is wrapped again at what is
// left.
TextRows rowsOfText(const QStringList &lines)
{
    RowRule rule;
    QList<WrittenLine> written;
    for (const QString &line : lines)
        written << rule.written(line);
    const TextRows text = wrapped(written, ContentPack::listTextWidth());
    const int besideScrollBar = ContentPack::listTextWidth(text.rows().size());
    return besideScrollBar == ContentPack::listTextWidth() ? text
                                                           : wrapped(written, besideScrollBar);
}
