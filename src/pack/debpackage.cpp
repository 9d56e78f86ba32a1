#include "pack/debpackage.h"
#include "content/contentfiles.h"
#include "pack/debianname.h"
#include "pack/desktopentry.h"
#include "pack/packmessage.h"
#include "pack/packreport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString PacksFolder = QStringLiteral("/usr/share/hana/packs");
const QString Applications = QStringLiteral("/usr/share/applications");
const QString Program = QStringLiteral("hana");

struct ToolRun
{
    bool ok = false;
    QString output;
};

// Runs a tool that the package needs with its input, and with the
// SOURCE_DATE_EPOCH of the time of making.
ToolRun runTool(const QString &tool, const QStringList &arguments, const QByteArray &input,
                const QDateTime &time, QByteArray *output = nullptr)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return {false, PackMessage::packageToolMissing(tool)};
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SOURCE_DATE_EPOCH"),
                       QString::number(time.toSecsSinceEpoch()));
    process.setProcessEnvironment(environment);
    process.start(path, arguments);
    process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(300000);
    const QByteArray out = process.readAllStandardOutput();
    if (output)
        *output = out;
    const bool ok =
        finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    const QString errors = QString::fromUtf8(process.readAllStandardError()).trimmed();
    return {ok, ok ? QString() : PackMessage::packageToolFailed(tool, errors)};
}

// The lines of the package's changelog, in Debian's form.
QByteArray changelog(const QString &package, const QString &version, const QString &name,
                     const QString &maintainer, const QDateTime &time)
{
    const QString date =
        QLocale::c().toString(time.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss +0000"));
    return QStringLiteral("%1 (%2) unstable; urgency=medium\n\n"
                          "  * Pack \"%3\" made with hana-pack.\n\n"
                          " -- %4  %5\n")
        .arg(package, version, name, maintainer, date)
        .toUtf8();
}

QByteArray copyright(const QString &name, const QDateTime &time)
{
    return QStringLiteral("The pack \"%1\" for hana (花の図鑑), made with hana-pack from the\n"
                          "photographs and texts of its maker, and the other files of a pack from\n"
                          "hana itself.\n\n"
                          "Copyright %2 the maker of the pack, for its photographs and texts,\n"
                          "who says how they may be shared. The files from hana are under hana's\n"
                          "licence, in /usr/share/doc/hana/copyright.\n")
        .arg(name)
        .arg(time.toUTC().date().year())
        .toUtf8();
}

// The pack's texts are content that hana reads, not documentation.
QByteArray lintianOverrides(const QString &package)
{
    return QStringLiteral("# The pack's texts are read by hana as its content.\n"
                          "%1: package-contains-documentation-outside-usr-share-doc "
                          "[usr/share/hana/packs/*]\n")
        .arg(package)
        .toUtf8();
}

QString descriptionLine(QString text)
{
    return text.replace(u'\n', u' ');
}

} // namespace

DebPackage::DebPackage(DebOptions options, PackReport &report)
    : m_options(std::move(options)), m_package(DebianName::packageName(m_options.name)),
      m_report(report)
{
    if (m_options.version.isEmpty())
        m_options.version = versionAt(m_options.time);
    if (m_options.maintainer.isEmpty())
        m_options.maintainer = defaultMaintainer();
}

QDateTime DebPackage::timeOfMaking()
{
    bool number = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&number);
    return number && epoch >= 0 ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC)
                                : QDateTime::currentDateTimeUtc();
}

QString DebPackage::versionAt(const QDateTime &time)
{
    return time.toUTC().toString(QStringLiteral("yyyyMMdd.hhmmss"));
}

std::optional<QString> DebPackage::versionProblem(const QString &version)
{
    const ToolRun run =
        runTool(QStringLiteral("dpkg"), {QStringLiteral("--validate-version"), version}, {},
                QDateTime::currentDateTimeUtc());
    if (run.ok)
        return std::nullopt;
    return PackMessage::packageVersionInvalid(version);
}

QString DebPackage::defaultMaintainer()
{
    QString name = qEnvironmentVariable("DEBFULLNAME");
    QString address = qEnvironmentVariable("DEBEMAIL");
    const qsizetype open = address.indexOf(u'<');
    if (open >= 0 && address.endsWith(u'>')) {
        if (name.isEmpty())
            name = address.left(open).trimmed();
        address = address.mid(open + 1).chopped(1);
    }
    if (address.isEmpty())
        address = qEnvironmentVariable("USER", QStringLiteral("root")) + u'@' +
                  QSysInfo::machineHostName();
    if (name.isEmpty())
        name = QStringLiteral("hana-pack");
    return QStringLiteral("%1 <%2>").arg(name, address);
}

QString DebPackage::packFolder(const QString &name)
{
    return PacksFolder + u'/' + name;
}

QString DebPackage::entryPath(const QString &name)
{
    return Applications + u'/' + DesktopEntry::fileName(name);
}

QString DebPackage::packageFile() const
{
    const QString version = m_options.version.mid(m_options.version.indexOf(u':') + 1);
    return QStringLiteral("%1/%2_%3_all.deb").arg(m_options.outFolder, m_package, version);
}

PackSummary DebPackage::make()
{
    PackSummary summary;
    const QString deb = packageFile();
    const QTemporaryDir staging(QDir::tempPath() + QStringLiteral("/hana-pack-deb-XXXXXX"));
    const QString root = staging.path() + QStringLiteral("/root");
    PackOptions options = m_options.build;
    options.out = root + packFolder(m_options.name);
    if (!staging.isValid()) {
        refuse(staging.path(), PackMessage::workFolderNotMade(staging.errorString()));
        summary.out = deb;
    } else if (const auto problem = makeFolders(root + PacksFolder)) {
        m_report.problem(*problem);
        summary.out = deb;
    } else {
        summary = PackBuilder(options, m_report).make();
    }
    summary.menuTitle = DesktopEntry::title(m_options.name);
    if (summary.made) {
        m_report.step(PackMessage::makingPackage(m_package), 0, 0);
        summary.made = writeEntry(root) && writeDocuments(root) && stampFiles(root) &&
                       writeControl(root) && build(root, deb);
    }
    summary.out = deb;
    if (summary.made) {
        summary.package = m_package;
        summary.packageFolder = packFolder(m_options.name);
    }
    m_report.summary(summary);
    return summary;
}

bool DebPackage::writeEntry(const QString &root)
{
    const QString entry = root + entryPath(m_options.name);
    if (!write(entry, DesktopEntry::contents(m_options.name, Program, packFolder(m_options.name))))
        return false;
    if (const auto complaints = DesktopEntry::complaints(entry))
        return refuse(entry, PackMessage::menuEntryInvalid(*complaints));
    return true;
}

bool DebPackage::writeDocuments(const QString &root)
{
    const QString documents = root + QStringLiteral("/usr/share/doc/") + m_package;
    // A native package's changelog is changelog.gz; one with a Debian
    // revision ("1.0-2") has its own, changelog.Debian.gz.
    const QString changelogFile = m_options.version.contains(u'-')
                                      ? QStringLiteral("/changelog.Debian.gz")
                                      : QStringLiteral("/changelog.gz");
    QByteArray compressed;
    const ToolRun gzip = runTool(QStringLiteral("gzip"), {QStringLiteral("-9n")},
                                 changelog(m_package, m_options.version, m_options.name,
                                           m_options.maintainer, m_options.time),
                                 m_options.time, &compressed);
    if (!gzip.ok)
        return refuse(documents + changelogFile, gzip.output);
    const QString overrides = root + QStringLiteral("/usr/share/lintian/overrides/") + m_package;
    return write(documents + QStringLiteral("/copyright"),
                 copyright(m_options.name, m_options.time)) &&
           write(documents + changelogFile, compressed) &&
           write(overrides, lintianOverrides(m_package));
}

// Every file and folder gets the same mode and the time of making, whatever
// the umask and the clock said while they were written.
bool DebPackage::stampFiles(const QString &root)
{
    const qint64 seconds = m_options.time.toSecsSinceEpoch();
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    QStringList paths{root};
    QDirIterator files(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        paths << files.next();
    for (const QString &path : std::as_const(paths)) {
        const QByteArray name = QFile::encodeName(path);
        struct stat status;
        if (::lstat(name.constData(), &status) != 0)
            return refuse(path, writeProblem(errno));
        if (!S_ISLNK(status.st_mode) &&
            ::chmod(name.constData(), S_ISDIR(status.st_mode) ? 0755 : 0644) != 0)
            return refuse(path, writeProblem(errno));
        if (::utimensat(AT_FDCWD, name.constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
            return refuse(path, writeProblem(errno));
    }
    return true;
}

// The control file and the files' checksums, made after the files are
// stamped and before the control folder is.
bool DebPackage::writeControl(const QString &root)
{
    QStringList files;
    qint64 kibibytes = 0;
    QDirIterator walk(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        walk.next();
        const QFileInfo file = walk.fileInfo();
        const bool regular = file.isFile() && !file.isSymLink();
        kibibytes += regular ? (file.size() + 1023) / 1024 : 1;
        if (regular)
            files << file.filePath().mid(root.size() + 1);
    }
    files.sort();
    QByteArray sums;
    for (const QString &path : std::as_const(files)) {
        QFile file(root + u'/' + path);
        QCryptographicHash md5(QCryptographicHash::Md5);
        if (!file.open(QIODevice::ReadOnly) || !md5.addData(&file))
            return refuse(file.fileName(), file.errorString());
        sums += md5.result().toHex() + "  " + path.toUtf8() + '\n';
    }
    const QString name = descriptionLine(m_options.name);
    const QByteArray control =
        QStringLiteral("Package: %1\n"
                       "Version: %2\n"
                       "Architecture: all\n"
                       "Maintainer: %3\n"
                       "Installed-Size: %4\n"
                       "Depends: hana\n"
                       "Section: education\n"
                       "Priority: optional\n"
                       "Description: pack \"%5\" for the picture book hana (花の図鑑)\n"
                       " This package puts the pack \"%5\", a teacher's photographs and texts\n"
                       " of flowers, in /usr/share/hana/packs for every account of the\n"
                       " machine, and adds %6 to the menu, which starts hana on it.\n")
            .arg(m_package, m_options.version, m_options.maintainer)
            .arg(kibibytes)
            .arg(name, DesktopEntry::title(name))
            .toUtf8();
    const QString controlFolder = root + QStringLiteral("/DEBIAN");
    if (!write(controlFolder + QStringLiteral("/control"), control) ||
        !write(controlFolder + QStringLiteral("/md5sums"), sums))
        return false;
    return stampFiles(controlFolder);
}

bool DebPackage::build(const QString &root, const QString &deb)
{
    if (const auto problem = makeFolders(m_options.outFolder)) {
        m_report.problem(*problem);
        return false;
    }
    // dpkg-deb writes beside the place, and the finished file takes it in
    // one rename: a failed or killed run leaves no half package there.
    const QString part = m_options.outFolder + QStringLiteral("/.") + QFileInfo(deb).fileName() +
                         QStringLiteral(".part");
    const ToolRun dpkgDeb =
        runTool(QStringLiteral("dpkg-deb"),
                {QStringLiteral("--root-owner-group"), QStringLiteral("--threads-max=1"),
                 QStringLiteral("-Zxz"), QStringLiteral("--build"), root, part},
                {}, m_options.time);
    if (!dpkgDeb.ok) {
        QFile::remove(part);
        return refuse(deb, dpkgDeb.output);
    }
    if (const auto problem = renameOver(part, deb)) {
        QFile::remove(part);
        m_report.problem(*problem);
        return false;
    }
    return true;
}

bool DebPackage::write(const QString &path, const QByteArray &bytes)
{
    std::optional<ContentProblem> problem = makeFolders(QFileInfo(path).path());
    if (!problem)
        problem = writeNewFile(path, bytes);
    if (problem)
        m_report.problem(*problem);
    return !problem;
}

bool DebPackage::refuse(const QString &path, const QString &why)
{
    m_report.problem({path, 0, why});
    return false;
}
