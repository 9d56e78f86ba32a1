#include "pack/packinstaller.h"
#include "content/contentfiles.h"
#include "pack/desktopentry.h"
#include "pack/packmessage.h"
#include "pack/packreport.h"
#include "pack/workfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>
#include <unistd.h>

namespace {

const QString PacksFolder = QStringLiteral("/hana/packs");
const QString SystemData = QStringLiteral("/usr/local/share");

// The longest name, in bytes of UTF-8: its folder, its work folders and its
// menu entry's file name (two hex digits a byte) must all stay within the
// 255 bytes a file name may have.
constexpr int LongestName = 100;

// A version folder of a pack: ".NAME.hana-pack-XXXXXX".
const QRegularExpression VersionFolder(QStringLiteral("^\\.(.+)\\.hana-pack-[A-Za-z0-9]{6}$"));

} // namespace

PackPlace PackPlace::forUser()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return {data + PacksFolder, data + QStringLiteral("/applications"), false};
}

PackPlace PackPlace::forSystem()
{
    return {SystemData + PacksFolder, SystemData + QStringLiteral("/applications"), true};
}

QList<PackPlace> PackPlace::forPackages()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    folders.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    folders.removeAll(SystemData);
    folders.removeDuplicates();
    QList<PackPlace> places;
    for (const QString &data : std::as_const(folders))
        places << PackPlace{data + PacksFolder, data + QStringLiteral("/applications"), true, true};
    return places;
}

PackInstaller::PackInstaller(PackPlace place, PackReport &report)
    : m_place(std::move(place)), m_report(report)
{
}

std::optional<QString> PackInstaller::nameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return PackMessage::nameEmpty();
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return PackMessage::nameHasControl();
    if (name.contains(u'/'))
        return PackMessage::nameHasSlash(name);
    if (name.startsWith(u'.'))
        return PackMessage::nameStartsWithDot(name);
    if (name.toUtf8().size() > LongestName)
        return PackMessage::nameTooLong(name, LongestName);
    return std::nullopt;
}

QString PackPlace::folderOf(const QString &name) const
{
    return packs + u'/' + name;
}

QString PackInstaller::folderOf(const QString &name) const
{
    return m_place.folderOf(name);
}

QString PackInstaller::entryOf(const QString &name) const
{
    return m_place.applications + u'/' + DesktopEntry::fileName(name);
}

PackSummary PackInstaller::install(const QString &name, const PackOptions &build,
                                   const QString &program)
{
    PackOptions options = build;
    options.out = folderOf(name);
    options.placement = Placement::Link;
    PackSummary summary;
    if (const auto problem = makeFolders(m_place.packs)) {
        m_report.problem(*problem);
        summary.out = options.out;
    } else {
        summary = PackBuilder(options, m_report).make();
    }
    summary.menuTitle = DesktopEntry::title(name);
    summary.menuEntryFailed = summary.made && !writeEntry(name, program);
    if (summary.made && !summary.menuEntryFailed)
        summary.menuEntry = entryOf(name);
    m_report.summary(summary);
    return summary;
}

bool PackInstaller::writeEntry(const QString &name, const QString &program)
{
    const QString entry = entryOf(name);
    std::optional<ContentProblem> problem = makeFolders(m_place.applications);
    if (!problem)
        problem = writeFileAtomically(entry, DesktopEntry::contents(name, program, folderOf(name)));
    if (!problem)
        if (const auto complaints = DesktopEntry::complaints(entry))
            problem = ContentProblem{entry, 0, PackMessage::menuEntryInvalid(*complaints)};
    if (problem)
        m_report.problem(*problem);
    return !problem;
}

bool PackInstaller::remove(const QString &name)
{
    const QString folder = folderOf(name);
    const QFileInfo link(folder);
    if (!link.isSymLink()) {
        m_report.problem(
            {folder, 0,
             link.exists() ? PackMessage::resultIsNoPack() : PackMessage::notInstalled(name)});
        return false;
    }
    if (::unlink(QFile::encodeName(folder).constData()) != 0) {
        m_report.problem(fileProblem(folder, errno));
        return false;
    }
    QFile::remove(entryOf(name));
    removeUnusedVersions();
    return true;
}

QList<InstalledPack> PackInstaller::installed() const
{
    if (!m_place.packaged)
        removeUnusedVersions();
    QList<InstalledPack> packs;
    const QDir folder(m_place.packs);
    for (const QFileInfo &link :
         folder.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!isPack(link))
            continue;
        const QString entry = entryOf(link.fileName());
        packs << InstalledPack{link.fileName(), link.filePath(),
                               QFileInfo::exists(entry) ? entry : QString()};
    }
    return packs;
}

// An installed pack is a link to a version; a packaged one, a folder.
bool PackInstaller::isPack(const QFileInfo &file) const
{
    if (m_place.packaged)
        return file.isDir() && !file.isSymLink();
    return file.isSymLink() &&
           VersionFolder.match(QFileInfo(file.symLinkTarget()).fileName()).hasMatch();
}

// Versions left by an earlier install, or by a removed pack, once no
// program reads them.
void PackInstaller::removeUnusedVersions() const
{
    const QDir folder(m_place.packs);
    QSet<QString> names;
    for (const QString &entry :
         folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch version = VersionFolder.match(entry);
        if (version.hasMatch())
            names.insert(version.captured(1));
    }
    for (const QString &name : names)
        WorkFolder::removeLeftovers(folder.filePath(name));
}

QString programCommand(const QString &besideFolder)
{
    const QString beside = QFileInfo(besideFolder + QStringLiteral("/hana")).canonicalFilePath();
    const QString found = QStandardPaths::findExecutable(QStringLiteral("hana"));
    if (!found.isEmpty() && QFileInfo(found).canonicalFilePath() == beside)
        return QStringLiteral("hana");
    return beside.isEmpty() ? QStringLiteral("hana") : beside;
}
