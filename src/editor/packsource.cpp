#include "editor/packsource.h"
#include "content/contentfiles.h"
#include "content/contentpack.h"
#include "content/contenttext.h"
#include "content/explanation.h"
#include "editor/editormessage.h"
#include "pack/packbuilder.h"
#include "pack/packinstaller.h"
#include "pack/sourcefolder.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A photograph put aside while another takes its entry: ".7.png.replaced".
const QString HiddenSuffix = QStringLiteral(".replaced");
bool inside(const QString &path, const QString &folder)
{
    return !folder.isEmpty() && (path == folder || path.startsWith(folder + u'/'));
}

QString hiddenName(const QString &path)
{
    const QFileInfo file(path);
    return file.path() + QStringLiteral("/.") + file.fileName() + HiddenSuffix;
}

QFileInfoList hiddenFiles(const QString &folder)
{
    return QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// The source folder's three folders.
std::array<const SourceKind *, 3> sourceKinds()
{
    return {&pictureSources(), &textSources(), &voiceSources()};
}

} // namespace

PackSource::PackSource(QString folder, QString bundled, FolderLock lock)
    : m_folder(std::move(folder)), m_bundled(std::move(bundled)), m_lock(std::move(lock)),
      m_matcher(ContentPack::boardNames())
{
}

std::optional<QString> PackSource::refusal(const QString &folder, const QString &bundled)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return EditorMessage::fileNotFolder();
    if (!info.isDir())
        return ContentMessage::sourceMissing();
    const QString path = info.canonicalFilePath();
    QStringList bundledPlaces{QFileInfo(bundled).canonicalFilePath()};
    for (const QString &contentFolder : ContentPack::folders())
        bundledPlaces
            << QFileInfo(QFileInfo(bundled + u'/' + contentFolder).canonicalFilePath()).path();
    for (const QString &place : bundledPlaces)
        if (inside(path, place))
            return ContentMessage::folderIsBundledPack();
    for (const PackPlace &place : {PackPlace::forUser(), PackPlace::forSystem()})
        if (inside(path, QFileInfo(place.packs).canonicalFilePath()))
            return ContentMessage::folderIsInstalledPack();
    const QDir dir(path);
    const auto kinds = sourceKinds();
    const bool source = std::any_of(kinds.cbegin(), kinds.cend(), [&dir](const SourceKind *kind) {
        return dir.exists(kind->folder);
    });
    const bool pack =
        dir.exists(ContentPack::folders().at(0)) || dir.exists(ContentPack::folders().at(1));
    if (pack && !source)
        return ContentMessage::folderIsMadePack();
    return std::nullopt;
}

std::optional<PackSource> PackSource::open(const QString &folder, const QString &bundled,
                                           QString *problem)
{
    if (const auto refused = refusal(folder, bundled)) {
        *problem = *refused;
        return std::nullopt;
    }
    const QString path = QFileInfo(folder).canonicalFilePath();
    std::optional<FolderLock> lock = FolderLock::tryTake(path, FolderLock::Mode::Exclusive);
    if (!lock) {
        *problem = ContentMessage::folderInUse();
        return std::nullopt;
    }
    PackSource source(path, bundled, std::move(*lock));
    source.restoreHidden();
    source.rescan();
    return source;
}

QString PackSource::name() const
{
    return QFileInfo(m_folder).fileName();
}

// A photograph hidden by a replacement that was killed half-way comes back
// if its entry has no other; the halves of killed writes go. No other editor
// writes here while the folder is held.
void PackSource::restoreHidden() const
{
    for (const SourceKind *kind : sourceKinds()) {
        const QFileInfoList files = hiddenFiles(m_folder + u'/' + kind->folder);
        QSet<int> shown;
        for (const QFileInfo &file : files)
            if (!file.fileName().startsWith(u'.'))
                shown.insert(m_matcher.entryFor(file.completeBaseName()));
        for (const QFileInfo &file : files) {
            const QString name = file.fileName();
            if (isTemporaryFileName(name)) {
                QFile::remove(file.filePath());
            } else if (name.startsWith(u'.') && name.endsWith(HiddenSuffix)) {
                const QString original =
                    file.path() + u'/' + name.mid(1, name.size() - 1 - HiddenSuffix.size());
                const int entry = m_matcher.entryFor(QFileInfo(original).completeBaseName());
                if (shown.contains(entry) || renameOver(file.filePath(), original))
                    QFile::remove(file.filePath());
                shown.insert(entry);
            }
        }
    }
}

void PackSource::rescan()
{
    m_entryProblems.clear();
    m_stray.clear();
    m_photos = scan(pictureSources(), &m_namedPictures);
    scan(textSources(), &m_namedTexts);
    m_voices = scan(voiceSources(), &m_namedVoices);
}

// One reading of a kind's folder gives its usable files, and every file of
// the kind that names an entry, usable or not; files refused for their
// names or kinds go to the entry they name, if any.
QMap<int, QString> PackSource::scan(const SourceKind &kind, QMap<int, QStringList> *named)
{
    const SourceFolder files(m_folder + u'/' + kind.folder, kind.suffixes, m_matcher);
    named->clear();
    for (auto file = files.files().cbegin(); file != files.files().cend(); ++file)
        (*named)[file.key()] << file.value();
    for (ContentProblem problem : files.refused()) {
        const QFileInfo file(problem.file);
        const int entry = m_matcher.entryFor(file.completeBaseName());
        if (entry > 0 && kind.suffixes.contains(file.suffix().toLower()) && file.isFile())
            (*named)[entry] << problem.file;
        problem.file = relative(problem.file);
        (entry > 0 ? m_entryProblems[entry] : m_stray) << problem;
    }
    for (QStringList &paths : *named)
        paths.sort();
    return files.files();
}

QStringList PackSource::fileNames(const QMap<int, QStringList> &named, int entry)
{
    QStringList names;
    for (const QString &path : named.value(entry))
        names << QFileInfo(path).fileName();
    return names;
}

QStringList PackSource::folders() const
{
    QStringList paths{m_folder};
    for (const SourceKind *kind : sourceKinds())
        if (QFileInfo(m_folder + u'/' + kind->folder).isDir())
            paths << m_folder + u'/' + kind->folder;
    return paths;
}

QStringList PackSource::watchedPaths() const
{
    QStringList paths = folders();
    for (const QMap<int, QStringList> *named : {&m_namedPictures, &m_namedTexts, &m_namedVoices})
        for (const QStringList &files : *named)
            paths << files;
    return paths;
}

// A folder its owner may not write is taken as closed, as a file manager
// shows it, even for an account that could write it all the same.
bool PackSource::isReadOnly() const
{
    const QStringList paths = folders();
    return std::any_of(paths.cbegin(), paths.cend(), [](const QString &path) {
        return !QFileInfo(path).permission(QFile::WriteOwner) ||
               ::access(QFile::encodeName(path).constData(), W_OK) != 0;
    });
}

QString PackSource::bundledPicture(int entry) const
{
    return m_bundled + ContentPack::entryPicture(entry);
}

QStringList PackSource::bundledRows(int entry) const
{
    const TextBytes read = readTextBytes(m_bundled + ContentPack::entryText(entry));
    return read.problem ? QStringList() : splitLines(decodeContentText(read.bytes));
}

QString PackSource::textPath(int entry) const
{
    const QStringList files = m_namedTexts.value(entry);
    return files.isEmpty()
               ? QStringLiteral("%1/%2/%3.txt").arg(m_folder, textSources().folder).arg(entry)
               : files.first();
}

bool PackSource::hasOwnText(int entry) const
{
    return m_namedTexts.contains(entry);
}

// A text that is no UTF-8 but Shift-JIS, as older Windows programs write
// it, is read as such, to be saved again in UTF-8; one that is neither is
// shown but not saved over.
SourceText PackSource::readText(int entry) const
{
    SourceText text;
    if (!hasOwnText(entry)) {
        text.rows = bundledRows(entry);
        return text;
    }
    text.own = true;
    const QString path = textPath(entry);
    const Utf8Text read = readUtf8Text(path);
    if (read.problem && read.problem->line == 0) {
        text.editable = false;
        text.notRead = true;
        return text;
    }
    if (read.problem) {
        // A text from an older program, in Shift-JIS: saving writes it in UTF-8.
        bool valid = false;
        const QString shiftJis = decodeContentText(read.bytes, &valid);
        text.rows = splitLines(valid ? shiftJis : QString::fromUtf8(read.bytes));
        text.editable = text.recoded = valid;
        return text;
    }
    text.rows = read.lines;
    return text;
}

QByteArray PackSource::textBytes(const QStringList &rows)
{
    QByteArray bytes;
    for (const QString &row : rows)
        bytes += row.toUtf8() + '\n';
    return bytes;
}

std::optional<ContentProblem> PackSource::setPhoto(int entry, const QString &file)
{
    const SourceKind &kind = pictureSources();
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (!kind.suffixes.contains(suffix))
        return ContentProblem{file, 0, ContentMessage::wrongKind(kind.suffixes)};
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly))
        return ContentProblem{file, 0, ContentMessage::cannotRead(source.errorString())};
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return ContentProblem{file, 0, ContentMessage::cannotRead(source.errorString())};

    const QString target =
        QStringLiteral("%1/%2/%3.%4").arg(m_folder, kind.folder).arg(entry).arg(suffix);
    return replaceFiles(target, bytes, m_namedPictures.value(entry));
}

// The new file takes the place of the others of its entry, which are
// hidden while it is written and come back if it cannot be.
std::optional<ContentProblem>
PackSource::replaceFiles(const QString &target, const QByteArray &bytes, const QStringList &others)
{
    if (auto problem = makeFolders(QFileInfo(target).path()))
        return problem;
    QStringList hidden;
    const auto restore = [&hidden] {
        for (const QString &path : std::as_const(hidden))
            renameOver(hiddenName(path), path);
    };
    for (const QString &other : others) {
        if (other == target)
            continue;
        if (auto problem = renameOver(other, hiddenName(other))) {
            restore();
            return problem;
        }
        hidden << other;
    }
    if (auto problem = writeFileAtomically(target, bytes)) {
        restore();
        return problem;
    }
    for (const QString &path : std::as_const(hidden))
        QFile::remove(hiddenName(path));
    rescan();
    return std::nullopt;
}

std::optional<ContentProblem> PackSource::removePhoto(int entry)
{
    return removeFiles(m_namedPictures.value(entry));
}

std::optional<ContentProblem> PackSource::saveText(int entry, const QStringList &rows)
{
    if (rows == bundledRows(entry))
        return removeText(entry);
    if (auto problem = makeFolders(m_folder + u'/' + textSources().folder))
        return problem;
    const bool known = hasOwnText(entry);
    auto problem = writeFileAtomically(textPath(entry), textBytes(rows));
    if (!problem && !known)
        rescan();
    return problem;
}

std::optional<ContentProblem> PackSource::removeText(int entry)
{
    return removeFiles(m_namedTexts.value(entry));
}

std::optional<ContentProblem> PackSource::setVoice(int entry, const QByteArray &wav,
                                                   const QString &name)
{
    const QString folder = m_folder + u'/' + voiceSources().folder;
    const QString target =
        folder + u'/' + (name.isEmpty() ? QStringLiteral("%1.wav").arg(entry) : name);
    return replaceFiles(target, wav, m_namedVoices.value(entry));
}

std::optional<ContentProblem> PackSource::removeVoice(int entry)
{
    return removeFiles(m_namedVoices.value(entry));
}

std::optional<ContentProblem> PackSource::removeFiles(const QStringList &files)
{
    std::optional<ContentProblem> problem;
    for (const QString &path : files)
        if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT && !problem)
            problem = fileProblem(path, errno);
    rescan();
    return problem;
}

QString PackSource::relative(const QString &path) const
{
    return inside(path, m_folder) ? QDir(m_folder).relativeFilePath(path) : path;
}
