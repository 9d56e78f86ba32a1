#include "pack/packinstaller.h"
#include "content/contentfiles.h"
#include "pack/desktopentry.h"
#include "pack/progressline.h"
#include "pack/workfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QString PacksFolder = QStringLiteral("/hana/packs");
const QString SystemData = QStringLiteral("/usr/local/share");

// The longest name, in bytes of UTF-8: its folder, its work folders and its
// menu entry's file name (two hex digits a byte) must all stay within the
// 255 bytes a file name may have.
constexpr int LongestName = 100;

// A version folder of a pack: ".NAME.hana-pack-XXXXXX".
const QRegularExpression VersionFolder(QStringLiteral("^\\.(.+)\\.hana-pack-[A-Za-z0-9]{6}$"));

// Runs a tool of the desktop if it is there; its output, and whether it
// ran and succeeded.
bool runTool(const QString &tool, const QStringList &arguments, QString *output)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return true;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, arguments);
    const bool finished = process.waitForFinished(30000);
    if (output)
        *output = QString::fromUtf8(process.readAll()).trimmed();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

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

PackInstaller::PackInstaller(PackPlace place, ProgressLine &output)
    : m_place(std::move(place)), m_output(output)
{
}

std::optional<QString> PackInstaller::nameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("パックの名前が空です。");
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return QStringLiteral("パックの名前に改行などの制御文字は使えません。");
    if (name.contains(u'/'))
        return QStringLiteral("パックの名前「%1」に「/」は使えません。").arg(name);
    if (name.startsWith(u'.'))
        return QStringLiteral("パックの名前「%1」は「.」で始められません。").arg(name);
    if (name.toUtf8().size() > LongestName)
        return QStringLiteral("パックの名前「%1」が長すぎます（%2 バイトまで）。")
            .arg(name)
            .arg(LongestName);
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
    if (!QDir().mkpath(m_place.packs)) {
        m_output.print(ContentProblem{m_place.packs, 0, writeProblem(EACCES)}.text());
        return {};
    }
    PackOptions options = build;
    options.out = folderOf(name);
    options.placement = Placement::Link;
    PackSummary summary = PackBuilder(options, m_output).run();
    summary.menuEntryFailed = summary.made && !writeEntry(name, program);
    return summary;
}

bool PackInstaller::writeEntry(const QString &name, const QString &program)
{
    const QString entry = entryOf(name);
    std::optional<ContentProblem> problem;
    if (!QDir().mkpath(m_place.applications))
        problem = ContentProblem{m_place.applications, 0, writeProblem(EACCES)};
    else
        problem = writeFileAtomically(entry, DesktopEntry::contents(name, program, folderOf(name)));
    if (problem) {
        m_output.print(problem->text());
        return false;
    }
    QString complaints;
    if (!runTool(QStringLiteral("desktop-file-validate"), {entry}, &complaints)) {
        m_output.print(
            QStringLiteral("%1: メニューの項目に誤りがあります: %2").arg(entry, complaints));
        return false;
    }
    refreshMenus();
    return true;
}

bool PackInstaller::remove(const QString &name)
{
    const QString folder = folderOf(name);
    const QFileInfo link(folder);
    if (!link.isSymLink()) {
        m_output.print(link.exists()
                           ? ContentProblem{folder, 0, ContentMessage::resultIsNoPack()}.text()
                           : QStringLiteral("パック「%1」は入っていません: %2").arg(name, folder));
        return false;
    }
    if (!QFile::remove(folder)) {
        m_output.print(ContentProblem{folder, 0, writeProblem(EACCES)}.text());
        return false;
    }
    QFile::remove(entryOf(name));
    refreshMenus();
    removeUnusedVersions();
    m_output.print(QStringLiteral("消しました: パック「%1」とメニューの「%2」")
                       .arg(name, DesktopEntry::title(name)));
    return true;
}

QList<InstalledPack> PackInstaller::installed() const
{
    removeUnusedVersions();
    QList<InstalledPack> packs;
    const QDir folder(m_place.packs);
    for (const QFileInfo &link :
         folder.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!link.isSymLink() ||
            !VersionFolder.match(QFileInfo(link.symLinkTarget()).fileName()).hasMatch())
            continue;
        const QString entry = entryOf(link.fileName());
        packs << InstalledPack{link.fileName(), link.filePath(),
                               QFileInfo::exists(entry) ? entry : QString()};
    }
    return packs;
}

void PackInstaller::refreshMenus()
{
    runTool(QStringLiteral("update-desktop-database"), {m_place.applications}, nullptr);
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
