#include "pack/sourcefolder.h"

#include <QDir>

namespace {

QString refusal(const QString &path, const QString &what)
{
    return QStringLiteral("%1: %2").arg(path, what);
}

} // namespace

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
            m_refused << refusal(path, QStringLiteral("フォルダの中は読みません。"));
        } else if (!suffixes.contains(file.suffix().toLower())) {
            m_refused << refusal(path, QStringLiteral("使えるのは %1 のファイルです。")
                                           .arg(suffixes.join(QStringLiteral("、"))));
        } else if (const int entry = matcher.entryFor(file.completeBaseName())) {
            named[entry] << path;
        } else {
            m_refused << refusal(path, QStringLiteral("ファイル名が花の名前にも番号（1〜%1）にも"
                                                      "なっていません。")
                                           .arg(matcher.count()));
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
            m_refused << refusal(path, QStringLiteral("%1番の花のファイルが %2 個あります（%3）。"
                                                      "一つにしてください。")
                                           .arg(entry.key())
                                           .arg(entry->size())
                                           .arg(names.join(QStringLiteral("、"))));
    }
}
