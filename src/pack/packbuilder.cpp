#include "pack/packbuilder.h"
#include "content/contentcheck.h"
#include "content/contentfiles.h"
#include "content/contentpack.h"
#include "content/contenttext.h"
#include "pack/entrymatcher.h"
#include "pack/picturepacker.h"
#include "pack/progressline.h"
#include "pack/sourcefolder.h"
#include "pack/textpacker.h"
#include "pack/workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const SourceKind Pictures{
    QStringLiteral("pictures"),
    {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("webp")},
    QStringLiteral("絵"),
    ContentPack::entryPicture};
const SourceKind Texts{QStringLiteral("texts"),
                       {QStringLiteral("txt")},
                       QStringLiteral("説明"),
                       ContentPack::entryText};

QString line(const QString &path, const QString &what)
{
    return ContentProblem{path, 0, what}.text();
}

QString entryList(const QList<int> &entries)
{
    QStringList numbers;
    for (int entry : entries)
        numbers << QString::number(entry);
    return numbers.join(QStringLiteral(", "));
}

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
    return Pictures;
}

const SourceKind &textSources()
{
    return Texts;
}

QStringList PackSummary::lines(const QString &out, int entries) const
{
    if (!made)
        return {QStringLiteral("%1 は作りませんでした。").arg(out)};
    QStringList lines{QStringLiteral("作りました: %1").arg(out)};
    if (!picturesMade.isEmpty())
        lines << QStringLiteral("  元の写真から作った絵: %1 枚（%2 番）")
                     .arg(picturesMade.size())
                     .arg(entryList(picturesMade));
    if (!textsMade.isEmpty())
        lines << QStringLiteral("  元の文から作った説明: %1 件（%2 番）")
                     .arg(textsMade.size())
                     .arg(entryList(textsMade));
    lines << QStringLiteral("  同梱のパックから: 絵 %1 枚、説明 %2 件、マーク・メダル・音 %3 個")
                 .arg(entries - picturesMade.size())
                 .arg(entries - textsMade.size())
                 .arg(fixedFiles);
    lines << QStringLiteral("  名前の一覧: クイズの札の %1 の名前").arg(entries);
    if (refused > 0)
        lines
            << QStringLiteral("使わなかった元のファイル: %1 個（上に理由があります）").arg(refused);
    if (!checkProblems.isEmpty())
        lines << QStringLiteral("できた内容の確認で %1 件の問題が見つかりました（上にあります）")
                     .arg(checkProblems.size());
    return lines;
}

PackBuilder::PackBuilder(const PackOptions &options, ProgressLine &output)
    : m_options(options), m_output(output)
{
}

PackSummary PackBuilder::run()
{
    m_summary = PackSummary();
    if (!checkFolders())
        return m_summary;

    const QFileInfo out(m_options.out);
    WorkFolder::removeLeftovers(out.absoluteFilePath());
    QString error;
    std::optional<WorkFolder> work = WorkFolder::make(out.absoluteFilePath(), &error);
    if (!work) {
        fail(line(out.absolutePath(), ContentMessage::workFolderNotMade(error)));
        return m_summary;
    }
    if (build(*work) && putInPlace(*work)) {
        m_output.show(QStringLiteral("できた内容を確かめています…"));
        m_summary.made = true;
        m_summary.checkProblems = checkContent(out.absoluteFilePath());
        for (const ContentProblem &problem : m_summary.checkProblems)
            m_output.print(problem.text());
    }
    m_output.clear();
    return m_summary;
}

bool PackBuilder::checkFolders()
{
    const QString source = m_options.source;
    if (!QFileInfo(source).isDir()) {
        fail(line(source, ContentMessage::sourceMissing()));
        return false;
    }
    const bool pictures = QFileInfo(source + u'/' + Pictures.folder).isDir();
    const bool texts = QFileInfo(source + u'/' + Texts.folder).isDir();
    if (!pictures && !texts) {
        fail(line(source, ContentMessage::sourceHoldsNeither(Pictures.folder, Texts.folder)));
        return false;
    }
    const QFileInfo out(m_options.out);
    const bool replaceable =
        m_options.placement == Placement::Link ? out.isSymLink() : isEmptyFolder(out.filePath());
    if ((out.exists() || out.isSymLink()) && !replaceable) {
        fail(line(out.filePath(), m_options.placement == Placement::Link
                                      ? ContentMessage::resultIsNoPack()
                                      : ContentMessage::resultExists()));
        return false;
    }
    if (!out.absoluteDir().exists()) {
        fail(line(out.absolutePath(), ContentMessage::resultFolderMissing()));
        return false;
    }
    return true;
}

// Everything goes to the work folder and then to the disk, before the pack
// takes its place.
bool PackBuilder::build(const WorkFolder &work)
{
    const QString root = work.path();
    return copyBundled(root) && writeNames(root) && packPictures(root) && packTexts(root) &&
           !stopped() && write(syncFileSystem(root));
}

bool PackBuilder::copyBundled(const QString &root)
{
    m_output.show(QStringLiteral("同梱のパックを写しています…"));
    for (const QString &folder : ContentPack::folders()) {
        const QString path = root + u'/' + folder;
        if (::mkdir(encoded(path).constData(), 0777) != 0)
            return write(ContentProblem{path, 0, writeProblem(errno)});
    }
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
    return packFolder(root, Pictures, make, &m_summary.picturesMade);
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
    return packFolder(root, Texts, make, &m_summary.textsMade);
}

// Makes the file of each entry that one source folder gives, on all cores,
// taking the results in the order of the files; a file that cannot be made
// leaves the entry as the bundled pack has it.
bool PackBuilder::packFolder(const QString &root, const SourceKind &kind,
                             const std::function<MadeFile(const QString &)> &make, QList<int> *made)
{
    const QString path = m_options.source + u'/' + kind.folder;
    const SourceFolder folder(path, kind.suffixes, EntryMatcher(ContentPack::boardNames()));
    if (!folder.exists())
        m_output.print(line(path, ContentMessage::sourceFolderMissing(kind.name)));
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
        m_output.show(QStringLiteral("%1 %2 / %3: %4")
                          .arg(kind.name)
                          .arg(done)
                          .arg(total)
                          .arg(QFileInfo(*file).fileName()),
                      done, total);
        const MadeFile result = results.front().result();
        results.pop_front();
        if (!result.problems.isEmpty()) {
            refuse(result.problems, 1);
            continue;
        }
        for (const ContentProblem &note : result.notes)
            m_output.print(note.text());
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
    if (std::rename(encoded(work.path()).constData(), encoded(out).constData()) != 0)
        return write(ContentProblem{out, 0, writeProblem(errno)});
    return true;
}

// A new link to the finished folder is renamed over the old link: the pack
// is the old one or the new one at every moment.
bool PackBuilder::putLinkInPlace(const WorkFolder &work, const QString &out)
{
    const QString link = work.path() + QStringLiteral(".link");
    if (::symlink(encoded(work.name()).constData(), encoded(link).constData()) != 0)
        return write(ContentProblem{link, 0, writeProblem(errno)});
    if (std::rename(encoded(link).constData(), encoded(out).constData()) != 0) {
        const int error = errno;
        QFile::remove(link);
        return write(ContentProblem{out, 0, writeProblem(error)});
    }
    return true;
}

bool PackBuilder::write(const std::optional<ContentProblem> &problem)
{
    if (problem)
        fail(problem->text());
    return !problem;
}

bool PackBuilder::stopped()
{
    if (!m_options.stop || !*m_options.stop)
        return false;
    fail(QStringLiteral("止めました。"));
    return true;
}

void PackBuilder::fail(const QString &line)
{
    m_output.print(line);
}

// A refused source file counts once, however many lines say why.
void PackBuilder::refuse(const ContentProblems &problems, qsizetype files)
{
    for (const ContentProblem &problem : problems)
        m_output.print(problem.text());
    m_summary.refused += int(files);
}
