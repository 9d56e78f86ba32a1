#include "content/contentfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t EveryoneReads = 0666;  // less the user's umask
constexpr mode_t EveryoneEnters = 0777; // less the user's umask

const QString TemporarySuffix = QStringLiteral(".tmp");

// A file descriptor that closes itself.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    // Closes now: a close may report a write that failed late (on NFS).
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

// ".NAME.RANDOM.tmp", RANDOM in digits and small letters.
QString temporaryFileName(const QString &fileName)
{
    return u'.' + fileName + u'.' + QString::number(QRandomGenerator::global()->generate64(), 36) +
           TemporarySuffix;
}

bool isFolder(const QString &path)
{
    return QFileInfo(path).isDir();
}

// The nearest of path and the folders above it that exists.
QString nearestExisting(QString path)
{
    while (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink() && path != u'/')
        path = QFileInfo(path).path();
    return path;
}

// Where mkdir(2) found something else than a folder in its way: the path
// itself (EEXIST), or the file above it that a folder was looked for in
// (ENOTDIR).
std::optional<ContentProblem> blocked(const QString &path, int error)
{
    const QString file = error == EEXIST ? path : nearestExisting(path);
    return ContentProblem{file, 0, ContentMessage::fileInPlaceOfFolder()};
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// Writes a file that must not exist yet; flushes it to the disk if asked.
std::optional<ContentProblem> create(const QString &path, const QByteArray &bytes, bool durable)
{
    const QByteArray name = QFile::encodeName(path);
    Descriptor fd(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, EveryoneReads));
    if (fd.get() < 0)
        return fileProblem(path, errno);
    if (!writeAll(fd.get(), bytes) || (durable && ::fsync(fd.get()) != 0) || !fd.close()) {
        const int error = errno;
        ::unlink(name.constData());
        return fileProblem(path, error);
    }
    return std::nullopt;
}

} // namespace

std::optional<ContentProblem> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    const QString temporary = info.path() + u'/' + temporaryFileName(info.fileName());
    if (auto problem = create(temporary, bytes, true))
        return ContentProblem{path, 0, problem->what};
    if (auto problem = renameOver(temporary, path)) {
        ::unlink(QFile::encodeName(temporary).constData());
        return ContentProblem{path, 0, problem->what};
    }
    return std::nullopt;
}

std::optional<ContentProblem> writeNewFile(const QString &path, const QByteArray &bytes)
{
    return create(path, bytes, false);
}

std::optional<ContentProblem> copyNewFile(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return ContentProblem{from, 0, ContentMessage::cannotRead(source.errorString())};
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return ContentProblem{from, 0, ContentMessage::cannotRead(source.errorString())};
    return writeNewFile(to, bytes);
}

std::optional<ContentProblem> syncFileSystem(const QString &folder)
{
    Descriptor fd(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::syncfs(fd.get()) != 0)
        return fileProblem(folder, errno);
    return std::nullopt;
}

std::optional<ContentProblem> makeFolders(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), EveryoneEnters) == 0)
        return std::nullopt;
    int error = errno;
    if (error == ENOENT) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return fileProblem(path, error);
        if (auto problem = makeFolders(parent))
            return problem;
        if (::mkdir(name.constData(), EveryoneEnters) == 0)
            return std::nullopt;
        error = errno;
    }
    if (error == EEXIST && isFolder(path))
        return std::nullopt;
    if (error == EEXIST || error == ENOTDIR)
        return blocked(path, error);
    return fileProblem(path, error);
}

std::optional<ContentProblem> renameOver(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return fileProblem(to, errno);
    return std::nullopt;
}

bool isTemporaryFileName(const QString &fileName)
{
    if (!fileName.startsWith(u'.') || !fileName.endsWith(TemporarySuffix))
        return false;
    const QStringView inner = QStringView(fileName).sliced(1).chopped(TemporarySuffix.size());
    const qsizetype dot = inner.lastIndexOf(u'.');
    if (dot <= 0 || dot == inner.size() - 1)
        return false;
    const QStringView random = inner.sliced(dot + 1);
    return std::all_of(random.begin(), random.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z');
    });
}

ContentProblem fileProblem(const QString &path, int error)
{
    return ContentProblem{path, 0, writeProblem(error)};
}

QString writeProblem(int error)
{
    switch (error) {
    case ENOSPC:
        return ContentMessage::diskFull();
    case EDQUOT:
        return ContentMessage::quotaExceeded();
    case EACCES:
    case EPERM:
        return ContentMessage::noPermission();
    case EROFS:
        return ContentMessage::readOnlyPlace();
    case ENOTDIR:
        return ContentMessage::fileInPlaceOfFolder();
    default:
        return ContentMessage::cannotWrite(QString::fromLocal8Bit(std::strerror(error)));
    }
}
