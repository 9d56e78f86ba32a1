#include "records/fileconnection.h"
#include "content/contentfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

const QString Driver = QStringLiteral("QSQLITE");
constexpr mode_t OwnerOnlyFolder = 0700;
constexpr mode_t OwnerOnlyFile = 0600;
constexpr mode_t AnyWrite = 0222;
// The room below which a file system counts as full: a few of SQLite's pages.
constexpr quint64 MinimumRoom = 64 * 1024;
// How long a writer waits for another to finish, in milliseconds.
constexpr int BusyTimeout = 10000;

// SQLite's primary result codes that name a problem of their own.
constexpr int SqliteReadOnly = 8;
constexpr int SqliteIoError = 10;
constexpr int SqliteConstraint = 19;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteFull = 13;
constexpr int SqliteNotADatabase = 26;

// Whether the path may be written: the system allows it and the file is not
// marked read-only for everyone (which the system lets root write anyway).
bool mayWrite(const QByteArray &path, const struct stat &status)
{
    return ::access(path.constData(), W_OK) == 0 && (status.st_mode & AnyWrite) != 0;
}

StoreFailure fileFailure(const QString &path, int error)
{
    switch (error) {
    case EROFS:
    case EACCES:
    case EPERM:
        return {StoreProblem::ReadOnly, path, writeProblem(error)};
    case ENOSPC:
    case EDQUOT:
        return {StoreProblem::DiskFull, path, writeProblem(error)};
    default:
        return {StoreProblem::Unavailable, path, writeProblem(error)};
    }
}

// Whether the file system of the folder has no room left for a page.
bool isDiskFull(const QString &folder)
{
    struct statvfs space;
    return ::statvfs(QFile::encodeName(folder).constData(), &space) == 0 &&
           quint64(space.f_bavail) * space.f_frsize < MinimumRoom;
}

} // namespace

FileConnection::FileConnection(const QString &path) : StoreConnection(path) {}

// Makes the folder and those above it that are missing, each 0700.
std::optional<StoreFailure> FileConnection::makeFolder() const
{
    const QString folder = QFileInfo(path()).absolutePath();
    QStringList missing;
    for (QString at = folder; !QFileInfo::exists(at); at = QFileInfo(at).path()) {
        if (QFileInfo(at).path() == at)
            break;
        missing.prepend(at);
    }
    for (const QString &each : missing)
        if (::mkdir(QFile::encodeName(each).constData(), OwnerOnlyFolder) != 0 && errno != EEXIST)
            return StoreFailure{StoreProblem::NoFolder, each, writeProblem(errno)};
    if (!QFileInfo(folder).isDir())
        return StoreFailure{StoreProblem::NoFolder, folder, writeProblem(ENOTDIR)};
    return std::nullopt;
}

// Refuses a store that may not be written, and makes a missing one 0600.
std::optional<StoreFailure> FileConnection::checkFile() const
{
    const QByteArray file = QFile::encodeName(path());
    const QByteArray folder = QFile::encodeName(QFileInfo(path()).absolutePath());
    struct stat status;
    if (::stat(folder.constData(), &status) != 0)
        return fileFailure(path(), errno);
    // The log and its index are files beside the store.
    if (!mayWrite(folder, status))
        return StoreFailure{StoreProblem::ReadOnly, path(),
                            QStringLiteral("フォルダーに書きこめません")};
    if (::stat(file.constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            return StoreFailure{StoreProblem::Unavailable, path(),
                                QStringLiteral("ふつうのファイルではありません")};
        if (!mayWrite(file, status))
            return StoreFailure{StoreProblem::ReadOnly, path(), QStringLiteral("読み取り専用です")};
        return std::nullopt;
    }
    const int made =
        ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, OwnerOnlyFile);
    if (made < 0)
        return errno == EEXIST ? std::nullopt : std::optional(fileFailure(path(), errno));
    ::close(made);
    return std::nullopt;
}

std::optional<StoreFailure> FileConnection::open()
{
    if (!QSqlDatabase::isDriverAvailable(Driver))
        return StoreFailure{StoreProblem::Unavailable, path(),
                            QStringLiteral("Qt の SQLite ドライバー（libqt6sql6-sqlite）が"
                                           "ありません")};
    if (auto failure = makeFolder())
        return failure;
    if (auto failure = checkFile())
        return failure;
    QSqlDatabase db = addDatabase(Driver);
    db.setDatabaseName(path());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeout));
    if (!db.open())
        return failureOf(db.lastError());
    return std::nullopt;
}

std::optional<StoreFailure> FileConnection::prepareForWriting()
{
    // A commit is in the log, in the system's hands, when it returns: a
    // killed program loses none, and a power cut may lose the last ones
    // but leaves the store whole. Bringing every commit to the disk
    // (FULL) takes several milliseconds, too long between two questions.
    for (const QString &pragma : {QStringLiteral("PRAGMA journal_mode = WAL"),
                                  QStringLiteral("PRAGMA synchronous = NORMAL"),
                                  QStringLiteral("PRAGMA foreign_keys = ON")})
        if (auto failure = execute(pragma))
            return failure;
    return std::nullopt;
}

std::optional<StoreFailure> FileConnection::beginWrite()
{
    return execute(QStringLiteral("BEGIN IMMEDIATE"));
}

std::optional<StoreFailure> FileConnection::tables(QStringList &names)
{
    return tableNames(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"), names);
}

StoreFailure FileConnection::failureOf(const QSqlError &error) const
{
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case SqliteCorrupt:
    case SqliteNotADatabase:
        return {StoreProblem::Corrupt, path(), detail};
    case SqliteReadOnly:
        return {StoreProblem::ReadOnly, path(), detail};
    case SqliteFull:
        return {StoreProblem::DiskFull, path(), detail};
    case SqliteIoError:
        // A log or its index that cannot grow is an I/O error to SQLite.
        if (isDiskFull(QFileInfo(path()).absolutePath()))
            return {StoreProblem::DiskFull, path(), detail};
        return {StoreProblem::Unavailable, path(), detail};
    default:
        return {StoreProblem::Unavailable, path(), detail};
    }
}

bool FileConnection::isConstraint(const QSqlError &error) const
{
    return (error.nativeErrorCode().toInt() & 0xff) == SqliteConstraint;
}

QString FileConnection::learnerKey() const
{
    return QStringLiteral("INTEGER PRIMARY KEY");
}
