#include "pack/entrymatcher.h"

#include <algorithm>

namespace {

constexpr char16_t FirstKatakana = u'\u30A1'; // small a
constexpr char16_t LastKatakana = u'\u30F6';  // small ke
constexpr char16_t KatakanaToHiragana = 0x60;

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

EntryMatcher::EntryMatcher(const QStringList &boardNames) : m_count(int(boardNames.size()))
{
    for (int i = 0; i < boardNames.size(); ++i)
        m_entries.insert(folded(boardNames.at(i)), i + 1);
}

// Compatibility composition turns half-width katakana and full-width digits
// into their ordinary forms and joins a kana with a separate voicing mark, as
// file names from some systems carry it.
QString EntryMatcher::folded(const QString &name)
{
    QString result;
    for (QChar c : name.normalized(QString::NormalizationForm_KC)) {
        if (c.isSpace())
            continue;
        if (c.unicode() >= FirstKatakana && c.unicode() <= LastKatakana)
            c = QChar(c.unicode() - KatakanaToHiragana);
        result += c;
    }
    return result;
}

int EntryMatcher::entryFor(const QString &baseName) const
{
    const QString name = folded(baseName);
    if (!name.isEmpty() && std::all_of(name.begin(), name.end(), isAsciiDigit)) {
        const int number = name.toInt();
        return number >= 1 && number <= m_count ? number : 0;
    }
    return m_entries.value(name, 0);
}
