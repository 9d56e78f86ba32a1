#ifndef ENTRYMATCHER_H
#define ENTRYMATCHER_H

#include <QHash>
#include <QStringList>

// Tells which entry a source file's base name means: its entry number
// ("7", "07", "７") or its flower name as a person types it, in hiragana or
// katakana, with or without the quiz board's spacing, in composed or
// decomposed form, full- or half-width.
class EntryMatcher
{
public:
    explicit EntryMatcher(const QStringList &boardNames);

    // The entry from 1 to the number of names, or 0 when the name is none.
    int entryFor(const QString &baseName) const;
    int count() const { return m_count; }

    // A name reduced to the form in which two spellings of it compare equal.
    static QString folded(const QString &name);

private:
    QHash<QString, int> m_entries;
    int m_count;
};

#endif
