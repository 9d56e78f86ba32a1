#include "content/contentfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr mode_t EveryoneReads = 0666; // less the user's umask

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

std::optional<ContentProblem> failed(const QString &path, int error)
{
    return ContentProblem{path, 0, writeProblem(error)};
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
        return failed(path, errno);
    if (!writeAll(fd.get(), bytes) || (durable && ::fsync(fd.get()) != 0) || !fd.close()) {
        const int error = errno;
        ::unlink(name.constData());
        return failed(path, error);
    }
    return std::nullopt;
}

} // namespace

std::optional<ContentProblem> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    const QString temporary =
        QStringLiteral("%1/.%2.%3.tmp")
            .arg(info.path(), info.fileName(),
                 QString::number(QRandomGenerator::global()->generate64(), 36));
    if (auto problem = create(temporary, bytes, true))
        return ContentProblem{path, 0, problem->what};
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) !=
        0) {
        const int error = errno;
        ::unlink(QFile::encodeName(temporary).constData());
        return failed(path, error);
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
        return failed(folder, errno);
    return std::nullopt;
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
    default:
        return ContentMessage::cannotWrite(QString::fromLocal8Bit(std::strerror(error)));
    }
}
