#include "pack/packbuilder.h"
#include "content/contentcheck.h"
#include "content/contentfiles.h"
#include "content/contentpack.h"
#include "content/contenttext.h"
#include "pack/entrymatcher.h"
#include "pack/packmessage.h"
#include "pack/packreport.h"
#include "pack/photoformats.h"
#include "pack/picturepacker.h"
#include "pack/sourcefolder.h"
#include "pack/textpacker.h"
#include "pack/voiceprocessor.h"
#include "pack/workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <cerrno>
#include <deque>
#include <unistd.h>

namespace {

bool isEmptyFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink() &&
           QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                              QDir::NoDotAndDotDot);
}

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace

const SourceKind &pictureSources()
{
    static const SourceKind pictures{QStringLiteral("pictures"), PhotoFormats::suffixes(),
                                     QStringLiteral("絵"), ContentPack::entryPicture};
    return pictures;
}

const SourceKind &textSources()
{
    static const SourceKind texts{QStringLiteral("texts"),
                                  {QStringLiteral("txt")},
                                  QStringLiteral("説明"),
                                  ContentPack::entryText};
    return texts;
}

const SourceKind &voiceSources()
{
    static const SourceKind voices{QStringLiteral("voices"), VoiceProcessor::suffixes(),
                                   QStringLiteral("声"), ContentPack::entryVoice, false};
    return voices;
}

PackBuilder::PackBuilder(const PackOptions &options, PackReport &report)
    : m_options(options), m_report(report)
{
}

PackSummary PackBuilder::run()
{
    const PackSummary summary = make();
    m_report.summary(summary);
    return summary;
}

PackSummary PackBuilder::make()
{
    m_summary = PackSummary();
    m_summary.out = m_options.out;
    if (!checkFolders())
        return m_summary;

    const QFileInfo out(m_options.out);
    WorkFolder::removeLeftovers(out.absoluteFilePath());
    ContentProblem problem;
    std::optional<WorkFolder> work = WorkFolder::make(out.absoluteFilePath(), &problem);
    if (!work) {
        m_report.problem(problem);
        return m_summary;
    }
    if (build(*work) && putInPlace(*work)) {
        m_report.step(PackMessage::checkingResult(), 0, 0);
        m_summary.made = true;
        m_summary.checkProblems = checkContent(out.absoluteFilePath());
        for (const ContentProblem &problem : m_summary.checkProblems)
            m_report.problem(problem);
    }
    return m_summary;
}

bool PackBuilder::checkFolders()
{
    const QString source = m_options.source;
    if (!QFileInfo(source).isDir()) {
        m_report.problem({source, 0, ContentMessage::sourceMissing()});
        return false;
    }
    const QString &picturesFolder = pictureSources().folder;
    const QString &textsFolder = textSources().folder;
    const bool pictures = QFileInfo(source + u'/' + picturesFolder).isDir();
    const bool texts = QFileInfo(source + u'/' + textsFolder).isDir();
    const bool voices = QFileInfo(source + u'/' + voiceSources().folder).isDir();
    if (!pictures && !texts && !voices) {
        m_report.problem(
            {source, 0,
             PackMessage::sourceHoldsNeither(picturesFolder, textsFolder, voiceSources().folder)});
        return false;
    }
    const QFileInfo out(m_options.out);
    const bool replaceable =
        m_options.placement == Placement::Link ? out.isSymLink() : isEmptyFolder(out.filePath());
    if ((out.exists() || out.isSymLink()) && !replaceable) {
        m_report.problem({out.filePath(), 0,
                          m_options.placement == Placement::Link ? PackMessage::resultIsNoPack()
                                                                 : PackMessage::resultExists()});
        return false;
    }
    if (!out.absoluteDir().exists()) {
        m_report.problem({out.absolutePath(), 0, PackMessage::resultFolderMissing()});
        return false;
    }
    m_summary.earlierPack = m_options.placement == Placement::Link && out.isSymLink();
    return true;
}

// Everything goes to the work folder and then to the disk, before the pack
// takes its place.
bool PackBuilder::build(const WorkFolder &work)
{
    const QString root = work.path();
    return copyBundled(root) && writeNames(root) && packPictures(root) && packTexts(root) &&
           packVoices(root) && !stopped() && write(syncFileSystem(root));
}

bool PackBuilder::copyBundled(const QString &root)
{
    m_report.step(PackMessage::copyingBundled(), 0, 0);
    for (const QString &folder : ContentPack::folders())
        if (!write(makeFolders(root + u'/' + folder)))
            return false;
    QStringList files = ContentPack::fixedFiles();
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        files << ContentPack::entryText(entry) << ContentPack::entryPicture(entry);
    for (const QString &file : files)
        if (!write(copyNewFile(m_options.bundled + file, root + file)))
            return false;
    m_summary.fixedFiles = int(ContentPack::fixedFiles().size());
    return true;
}

bool PackBuilder::writeNames(const QString &root)
{
    return write(
        writeNewFile(root + ContentPack::NamesList, encodeContentLines(ContentPack::boardNames())));
}

bool PackBuilder::packPictures(const QString &root)
{
    const PicturePacker packer(ContentPack::pictureFrame());
    const auto make = [&packer](const QString &file) {
        const PackedPicture picture = packer.pack(file);
        if (!picture.problem.isEmpty())
            return MadeFile{{}, {ContentProblem{file, 0, picture.problem}}};
        return MadeFile{picture.gif, {}};
    };
    return packFolder(root, pictureSources(), make, &m_summary.picturesMade);
}

bool PackBuilder::packTexts(const QString &root)
{
    const TextPacker packer;
    const auto make = [&packer](const QString &file) {
        const TextBytes source = readTextBytes(file);
        if (source.problem)
            return MadeFile{{}, {*source.problem}};
        const PackedText text = packer.pack(source.bytes, file);
        return MadeFile{text.bytes, text.problems, text.notes};
    };
    return packFolder(root, textSources(), make, &m_summary.textsMade);
}

// A voice is made only from the source: the bundled pack has none, and the
// voices' folder is there only when the source has one.
bool PackBuilder::packVoices(const QString &root)
{
    const QString source = m_options.source + u'/' + voiceSources().folder;
    if (QFileInfo(source).isDir() && !write(makeFolders(root + ContentPack::VoicesFolder)))
        return false;
    const auto make = [](const QString &file) {
        const ProcessedVoice voice = VoiceProcessor::processFile(file);
        if (voice.problem)
            return MadeFile{{}, {*voice.problem}};
        return MadeFile{voice.wav, {}};
    };
    return packFolder(root, voiceSources(), make, &m_summary.voicesMade);
}

// Makes the file of each entry that one source folder gives, on all cores,
// taking the results in the order of the files; a file that cannot be made
// leaves the entry as the bundled pack has it.
bool PackBuilder::packFolder(const QString &root, const SourceKind &kind,
                             const std::function<MadeFile(const QString &)> &make, QList<int> *made)
{
    const QString path = m_options.source + u'/' + kind.folder;
    const SourceFolder folder(path, kind.suffixes, EntryMatcher(ContentPack::boardNames()));
    if (!folder.exists() && kind.bundled)
        m_report.note({path, 0, PackMessage::sourceFolderMissing(kind.name)});
    refuse(folder.refused(), folder.refused().size());

    std::atomic<bool> cancelled = false;
    QThreadPool pool;
    std::deque<QFuture<MadeFile>> results;
    for (const QString &file : folder.files())
        results.push_back(QtConcurrent::run(
            &pool, [&make, &cancelled, file] { return cancelled ? MadeFile() : make(file); }));

    int done = 0;
    bool written = true;
    for (auto file = folder.files().cbegin(); written && file != folder.files().cend(); ++file) {
        if (stopped()) {
            written = false;
            break;
        }
        const int total = int(folder.files().size());
        ++done;
        m_report.step(PackMessage::makingFile(kind.name, done, total, QFileInfo(*file).fileName()),
                      done, total);
        const MadeFile result = results.front().result();
        results.pop_front();
        if (!result.problems.isEmpty()) {
            refuse(result.problems, 1);
            continue;
        }
        for (const ContentProblem &note : result.notes)
            m_report.note(note);
        const QString target = root + kind.target(file.key());
        QFile::remove(target);
        written = write(writeNewFile(target, result.bytes));
        if (written)
            *made << file.key();
    }
    cancelled = true;
    pool.waitForDone();
    return written;
}

bool PackBuilder::putInPlace(WorkFolder &work)
{
    if (stopped())
        return false;
    const QString out = QFileInfo(m_options.out).absoluteFilePath();
    const bool placed = m_options.placement == Placement::Link ? putLinkInPlace(work, out)
                                                               : putFolderInPlace(work, out);
    if (!placed)
        return false;
    work.keep();
    if (m_options.placement == Placement::Link)
        WorkFolder::removeLeftovers(out);
    return true;
}

// The finished folder takes the place of the result in one rename; an empty
// folder of that name, left there by the user, goes first.
bool PackBuilder::putFolderInPlace(const WorkFolder &work, const QString &out)
{
    if (isEmptyFolder(out))
        QDir().rmdir(out);
    return write(renameOver(work.path(), out));
}

// A new link to the finished folder is renamed over the old link: the pack
// is the old one or the new one at every moment.
bool PackBuilder::putLinkInPlace(const WorkFolder &work, const QString &out)
{
    const QString link = work.path() + QStringLiteral(".link");
    if (::symlink(encoded(work.name()).constData(), encoded(link).constData()) != 0)
        return write(fileProblem(link, errno));
    const std::optional<ContentProblem> renamed = renameOver(link, out);
    if (renamed)
        QFile::remove(link);
    return write(renamed);
}

bool PackBuilder::write(const std::optional<ContentProblem> &problem)
{
    if (problem)
        m_report.problem(*problem);
    return !problem;
}

bool PackBuilder::stopped()
{
    if (!m_options.stop || !*m_options.stop)
        return false;
    m_summary.stopped = true;
    return true;
}

// A refused source file counts once, however many lines say why.
void PackBuilder::refuse(const ContentProblems &problems, qsizetype files)
{
    for (const ContentProblem &problem : problems)
        m_report.problem(problem);
    m_summary.refused += int(files);
}
