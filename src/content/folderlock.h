#ifndef FOLDERLOCK_H
#define FOLDERLOCK_H

#include <QString>
#include <optional>

// A lock on a content folder, held while the folder is in use: shared by
// each program that reads the folder, exclusive for the run that builds it.
// A folder nobody holds can be removed; one that is held is left alone.
// The system drops the lock when its holder ends, however it ends.
class FolderLock
{
public:
    enum class Mode
    {
        Shared,
        Exclusive
    };

    // Takes the lock without waiting; empty when the folder is missing or
    // another holder keeps it from being taken.
    static std::optional<FolderLock> tryTake(const QString &folder, Mode mode);

    FolderLock(FolderLock &&other) noexcept;
    FolderLock &operator=(FolderLock &&other) noexcept;
    ~FolderLock();

    // Whether the path still names the locked folder: another run may have
    // removed it, or put another folder in its place, just before the lock
    // was taken.
    bool stillNamedBy(const QString &folder) const;

private:
    explicit FolderLock(int fd) : m_fd(fd) {}

    int m_fd = -1;
};

// A folder that a program is going to read, held shared. A link to a pack
// is followed to the folder it names at this moment, which stays readable
// as it is for as long as the lock is held, even when the link is turned to
// a newer folder meanwhile.
struct HeldFolder
{
    QString path; // the folder itself, links followed
    FolderLock lock;
};
std::optional<HeldFolder> holdFolder(const QString &path);

#endif
