#include "pack/workfolder.h"
#include "content/contentfiles.h"
#include "pack/packmessage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdlib>

namespace {

const QString Marker = QStringLiteral(".hana-pack-");
constexpr int Tries = 10;

QString prefixFor(const QFileInfo &target)
{
    return u'.' + target.fileName() + Marker;
}

// The folder a pack link at target names, if target is such a link.
QString linkedFolder(const QFileInfo &target)
{
    return target.isSymLink() ? QFileInfo(target.symLinkTarget()).fileName() : QString();
}

constexpr QFile::Permissions EveryoneReads = QFile::ReadOwner | QFile::WriteOwner |
                                             QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                             QFile::ReadOther | QFile::ExeOther;

} // namespace

std::optional<WorkFolder> WorkFolder::make(const QString &target, ContentProblem *problem)
{
    const QFileInfo info(target);
    const auto failed = [&info, problem](const QString &reason) {
        *problem = ContentProblem{info.absolutePath(), 0, PackMessage::workFolderNotMade(reason)};
        return std::nullopt;
    };
    for (int attempt = 0; attempt < Tries; ++attempt) {
        QByteArray pattern =
            QFile::encodeName(info.absolutePath() + u'/' + prefixFor(info) + "XXXXXX");
        if (!::mkdtemp(pattern.data()))
            return failed(writeProblem(errno));
        const QString path = QFile::decodeName(pattern);
        // Another run may remove the new folder before it is locked; then
        // the lock finds it gone and a new one is made.
        if (auto lock = FolderLock::tryTake(path, FolderLock::Mode::Exclusive)) {
            // A new folder is private to its owner; the content is for everyone to read.
            QFile::setPermissions(path, EveryoneReads);
            return WorkFolder(path, std::move(*lock));
        }
    }
    return failed(PackMessage::workFolderBusy());
}

void WorkFolder::removeLeftovers(const QString &target)
{
    const QFileInfo info(target);
    const QString prefix = prefixFor(info);
    const QString current = linkedFolder(info);
    const QRegularExpression ours(u'^' + QRegularExpression::escape(prefix) +
                                  "[A-Za-z0-9]{6}(\\.link)?$");
    const QDir folder = info.absoluteDir();
    const QStringList names =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QString path = folder.filePath(name);
        if (name == current || !ours.match(name).hasMatch())
            continue;
        // A link left by a run killed while it put its pack in place.
        if (QFileInfo(path).isSymLink())
            QFile::remove(path);
        else if (const auto lock = FolderLock::tryTake(path, FolderLock::Mode::Exclusive))
            QDir(path).removeRecursively();
    }
}

WorkFolder::WorkFolder(WorkFolder &&other) noexcept
    : m_path(std::move(other.m_path)), m_lock(std::move(other.m_lock)),
      m_keep(std::exchange(other.m_keep, true))
{
}

WorkFolder::~WorkFolder()
{
    if (!m_keep && !m_path.isEmpty())
        QDir(m_path).removeRecursively();
}

QString WorkFolder::name() const
{
    return QFileInfo(m_path).fileName();
}
