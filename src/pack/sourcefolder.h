#ifndef SOURCEFOLDER_H
#define SOURCEFOLDER_H

#include "content/contentproblem.h"
#include "pack/entrymatcher.h"

#include <QMap>
#include <QStringList>

// One kind of source file in a source folder: the pictures in "pictures",
// the texts in "texts". Each file is named by its entry's number or its
// flower name; files that name no entry, have another kind, or name an
// entry another file names too are refused.
class SourceFolder
{
public:
    SourceFolder(const QString &folder, const QStringList &suffixes, const EntryMatcher &matcher);

    bool exists() const { return m_exists; }
    // The usable source file of each entry that has one.
    const QMap<int, QString> &files() const { return m_files; }
    // Why each refused file was refused.
    const ContentProblems &refused() const { return m_refused; }

private:
    void scan(const QString &folder, const QStringList &suffixes, const EntryMatcher &matcher);

    bool m_exists = false;
    QMap<int, QString> m_files;
    ContentProblems m_refused;
};

#endif
