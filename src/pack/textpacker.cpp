#include "pack/textpacker.h"
#include "pack/contentbridge.h"

#include <QFontMetrics>
#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");
const char *const CodePage932 = "windows-31j";

// Characters that other systems write where code page 932 has a character
// of the same look at another code point.
const QHash<char32_t, char32_t> LookAlikes = {
    {U'\u301C', U'\uFF5E'}, // wave dash: full-width tilde
    {U'\u2212', U'\uFF0D'}, // minus sign: full-width hyphen-minus
    {U'\u2016', U'\u2225'}, // double vertical line: parallel to
    {U'\u2014', U'\u2015'}, // em dash: horizontal bar
    {U'\u00A2', U'\uFFE0'}, // cent sign
    {U'\u00A3', U'\uFFE1'}, // pound sign
    {U'\u00AC', U'\uFFE2'}, // not sign
    {U'\u00A5', U'\uFFE5'}, // yen sign: full-width yen sign
};

QString problem(const QString &path, int line, const QString &what)
{
    return QStringLiteral("%1: %2行目%3").arg(path).arg(line).arg(what);
}

// The line number of the first line whose bytes are not UTF-8, or 0.
int firstLineNotUtf8(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        QString text = decoder(lines.at(i));
        if (decoder.hasError())
            return i + 1;
    }
    return 0;
}

// A character survives only if code page 932 gives it back unchanged: some
// converters write a near substitute for a character the code page lacks.
bool fitsCodePage(const QString &character)
{
    QStringEncoder encoder(CodePage932);
    const QByteArray bytes = encoder(character);
    QStringDecoder decoder(CodePage932);
    return !encoder.hasError() && QString(decoder(bytes)) == character;
}

QString character(char32_t codePoint)
{
    return QString::fromUcs4(&codePoint, 1);
}

QString codePointProblem(char32_t codePoint)
{
    const QString hex = QString::number(uint(codePoint), 16).toUpper().rightJustified(4, u'0');
    QString what = QStringLiteral("の文字「%1」（U+%2）は Shift-JIS にないので書けません。")
                       .arg(character(codePoint), hex);
    const QString instead = TextPacker::lookAlike(codePoint);
    if (!instead.isEmpty())
        what += QStringLiteral("代わりに「%1」なら書けます。").arg(instead);
    return what;
}

} // namespace

TextPacker::TextPacker(const QFont &listFont, int listTextWidth)
    : m_font(listFont), m_width(listTextWidth)
{
}

QString TextPacker::lookAlike(char32_t codePoint)
{
    const auto found = LookAlikes.constFind(codePoint);
    return found == LookAlikes.constEnd() ? QString() : character(*found);
}

PackedText TextPacker::pack(const QByteArray &utf8, const QString &path) const
{
    PackedText packed;
    const QByteArray bytes = utf8.startsWith(ByteOrderMark) ? utf8.mid(ByteOrderMark.size()) : utf8;
    if (const int line = firstLineNotUtf8(bytes)) {
        packed.problems << problem(
            path, line, QStringLiteral("に UTF-8 の文字として読めないバイトがあります。"));
        return packed;
    }

    const QFontMetrics metrics(m_font);
    const QStringList lines = ContentBridge::splitLines(QString::fromUtf8(bytes));
    QByteArray written;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        QList<char32_t> reported;
        for (char32_t codePoint : line.toUcs4()) {
            if (reported.contains(codePoint) || fitsCodePage(character(codePoint)))
                continue;
            reported << codePoint;
            packed.problems << problem(path, i + 1, codePointProblem(codePoint));
        }
        const int width = metrics.horizontalAdvance(line);
        if (width > m_width)
            packed.problems << problem(
                path, i + 1,
                QStringLiteral("が一覧の幅より広すぎます（%1 / %2 ピクセル）。")
                    .arg(width)
                    .arg(m_width));
        QStringEncoder encoder(CodePage932);
        written += encoder(line) + "\r\n";
    }
    if (packed.problems.isEmpty())
        packed.bytes = written;
    return packed;
}
