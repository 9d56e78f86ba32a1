#include "editor/sourcecopy.h"
#include "content/contentfiles.h"
#include "content/contentproblem.h"
#include "pack/packbuilder.h"

#include <QDir>
#include <QFile>

QString copyFolderFor(const QString &source)
{
    const QString base =
        QStringLiteral("%1/%2 の写し").arg(QDir::homePath(), QFileInfo(source).fileName());
    QString folder = base;
    for (int number = 2; QFileInfo::exists(folder); ++number)
        folder = QStringLiteral("%1 %2").arg(base).arg(number);
    return folder;
}

std::optional<QString> copySourceFolder(const QString &source, const QString &copy)
{
    const QFile::Permissions writable =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (auto problem = makeFolders(copy))
        return problem->what;
    for (const SourceKind *kind : {&pictureSources(), &textSources()}) {
        const QDir from(source + u'/' + kind->folder);
        const QString to = copy + u'/' + kind->folder;
        if (auto problem = makeFolders(to))
            return problem->what;
        if (!from.exists())
            continue;
        for (const QFileInfo &file : from.entryInfoList(QDir::Files, QDir::Name)) {
            const QString target = to + u'/' + file.fileName();
            QFile original(file.filePath());
            if (!original.copy(target))
                return ContentMessage::cannotWrite(original.errorString());
            QFile::setPermissions(target, writable);
        }
    }
    return std::nullopt;
}
