#include "content/entrynames.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/contenttext.h"
#include "content/datapath.h"

namespace {

class FieldReader
{
public:
    explicit FieldReader(const QString &text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    bool quoteLeftOpen() const { return m_quoteLeftOpen; }

    QString next()
    {
        skipBlanks();
        if (!atEnd() && m_text[m_pos] == QLatin1Char('"'))
            return quoted();
        return unquoted();
    }

private:
    static bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
    static bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    // Consumes a comma, or a line end (CR LF, lone CR or lone LF).
    void consumeDelimiter()
    {
        if (atEnd())
            return;
        const QChar c = m_text[m_pos++];
        if (c == QLatin1Char('\r') && !atEnd() && m_text[m_pos] == QLatin1Char('\n'))
            ++m_pos;
    }

    QString quoted()
    {
        const qsizetype start = m_pos + 1;
        qsizetype close = m_text.indexOf(QLatin1Char('"'), start);
        if (close < 0) {
            close = m_text.size();
            m_quoteLeftOpen = true;
        }
        const QString field = m_text.sliced(start, close - start);
        m_pos = qMin(close + 1, m_text.size());
        while (!atEnd() && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        consumeDelimiter();
        return field;
    }

    QString unquoted()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        QString field = m_text.sliced(start, m_pos - start);
        consumeDelimiter();
        while (!field.isEmpty() && isBlank(field.back()))
            field.chop(1);
        return field;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    bool m_quoteLeftOpen = false;
};

} // namespace

QStringList parseEntryNames(const QString &text, const QString &path)
{
    FieldReader reader(text);
    QStringList names;
    while (names.size() < ContentPack::EntryCount) {
        if (reader.atEnd())
            raise(
                {path, 0, ContentMessage::tooFewNames(ContentPack::EntryCount, int(names.size()))});
        names << reader.next();
        // The open quote took the rest of the file into this one name.
        if (reader.quoteLeftOpen() && names.size() < ContentPack::EntryCount)
            raise({path, 0, ContentMessage::quoteLeftOpen(int(names.size()))});
    }
    return names;
}

QStringList ReadEntryNames(const QString &root)
{
    const QString path = ContentPath(root, ContentPack::NamesList);
    return parseEntryNames(readTextFile(path), path);
}

QStringList ReadEntryNames()
{
    return ReadEntryNames(DataPath);
}
