#include "content/folderlock.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// A pack that is being replaced at this moment is found again on the next
// try; more tries than this mean something else keeps taking the folder.
constexpr int HoldTries = 20;

} // namespace

std::optional<FolderLock> FolderLock::tryTake(const QString &folder, Mode mode)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    FolderLock lock(fd);
    const int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    if (::flock(fd, operation) != 0 || !lock.stillNamedBy(folder))
        return std::nullopt;
    return lock;
}

FolderLock::FolderLock(FolderLock &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

FolderLock &FolderLock::operator=(FolderLock &&other) noexcept
{
    std::swap(m_fd, other.m_fd);
    return *this;
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FolderLock::stillNamedBy(const QString &folder) const
{
    struct stat held
    {
    };
    struct stat named
    {
    };
    return ::fstat(m_fd, &held) == 0 &&
           ::stat(QFile::encodeName(folder).constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

std::optional<HeldFolder> holdFolder(const QString &path)
{
    for (int attempt = 0; attempt < HoldTries; ++attempt) {
        const QString folder = QFileInfo(path).canonicalFilePath();
        if (folder.isEmpty())
            return std::nullopt;
        if (auto lock = FolderLock::tryTake(folder, FolderLock::Mode::Shared))
            return HeldFolder{folder, std::move(*lock)};
        ::usleep(10'000);
    }
    return std::nullopt;
}
