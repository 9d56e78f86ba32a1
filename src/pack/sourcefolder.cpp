#include "pack/sourcefolder.h"

#include <QDir>

SourceFolder::SourceFolder(const QString &folder, const QStringList &suffixes,
                           const EntryMatcher &matcher)
{
    m_exists = QFileInfo(folder).isDir();
    if (m_exists)
        scan(folder, suffixes, matcher);
}

void SourceFolder::scan(const QString &folder, const QStringList &suffixes,
                        const EntryMatcher &matcher)
{
    QMap<int, QStringList> named;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &file : entries) {
        const QString path = file.filePath();
        if (file.isDir()) {
            m_refused << ContentProblem{path, 0, ContentMessage::subfolderNotRead()};
        } else if (!suffixes.contains(file.suffix().toLower())) {
            m_refused << ContentProblem{path, 0, ContentMessage::wrongKind(suffixes)};
        } else if (const int entry = matcher.entryFor(file.completeBaseName())) {
            named[entry] << path;
        } else {
            m_refused << ContentProblem{path, 0, ContentMessage::nameIsNoEntry(matcher.count())};
        }
    }
    for (auto entry = named.cbegin(); entry != named.cend(); ++entry) {
        if (entry->size() == 1) {
            m_files.insert(entry.key(), entry->first());
            continue;
        }
        QStringList names;
        for (const QString &path : *entry)
            names << QFileInfo(path).fileName();
        for (const QString &path : *entry)
            m_refused << ContentProblem{path, 0,
                                        ContentMessage::filesForOneEntry(entry.key(), names)};
    }
}
