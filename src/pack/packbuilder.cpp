#include "pack/packbuilder.h"
#include "pack/contentbridge.h"
#include "pack/entrymatcher.h"
#include "pack/picturepacker.h"
#include "pack/progressline.h"
#include "pack/sourcefolder.h"
#include "pack/textpacker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace {

const SourceKind Pictures{
    QStringLiteral("pictures"),
    {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("webp")},
    QStringLiteral("絵"),
    ContentBridge::entryPictureFile};
const SourceKind Texts{QStringLiteral("texts"),
                       {QStringLiteral("txt")},
                       QStringLiteral("説明"),
                       ContentBridge::entryTextFile};

QString line(const QString &path, const QString &what)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), what);
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
    return QFileInfo(path).isDir() && QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

QStringList PackSummary::lines(const QString &out, int entries) const
{
    if (!made)
        return {QStringLiteral("%1 は作りませんでした。").arg(QDir::toNativeSeparators(out))};
    QStringList lines{QStringLiteral("作りました: %1").arg(QDir::toNativeSeparators(out))};
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
    QTemporaryDir work(out.absolutePath() + QStringLiteral("/.") + out.fileName() +
                       QStringLiteral("-XXXXXX"));
    if (!work.isValid()) {
        fail(line(out.absolutePath(),
                  QStringLiteral("作業用のフォルダを作れません（%1）。").arg(work.errorString())));
        return m_summary;
    }
    // A temporary folder is private to its owner; the content is for everyone to read.
    QFile::setPermissions(work.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                           QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther);
    if (copyBundled(work.path()) && writeNames(work.path()) && packPictures(work.path()) &&
        packTexts(work.path()) && putInPlace(work)) {
        m_output.show(QStringLiteral("できた内容を確かめています…"));
        m_summary.made = true;
        m_summary.checkProblems = ContentBridge::checkFolder(out.absoluteFilePath());
        for (const QString &problem : m_summary.checkProblems)
            m_output.print(problem);
    }
    m_output.clear();
    return m_summary;
}

bool PackBuilder::checkFolders()
{
    const QString source = m_options.source;
    if (!QFileInfo(source).isDir()) {
        fail(line(source, QStringLiteral("元のフォルダが見つかりません。")));
        return false;
    }
    const bool pictures = QFileInfo(source + u'/' + Pictures.folder).isDir();
    const bool texts = QFileInfo(source + u'/' + Texts.folder).isDir();
    if (!pictures && !texts) {
        fail(line(source, QStringLiteral("中に %1 のフォルダも %2 のフォルダもありません。")
                              .arg(Pictures.folder, Texts.folder)));
        return false;
    }
    const QFileInfo out(m_options.out);
    if (out.exists() && !isEmptyFolder(out.filePath())) {
        fail(line(out.filePath(), QStringLiteral("すでにあります。別の名前にするか、"
                                                 "消してからもう一度どうぞ。")));
        return false;
    }
    if (!out.absoluteDir().exists()) {
        fail(line(out.absolutePath(), QStringLiteral("作る先のフォルダが見つかりません。")));
        return false;
    }
    return true;
}

bool PackBuilder::copyBundled(const QString &root)
{
    m_output.show(QStringLiteral("同梱のパックを写しています…"));
    QStringList files = ContentBridge::fixedFiles();
    const int entries = int(ContentBridge::boardNames().size());
    for (int entry = 1; entry <= entries; ++entry)
        files << ContentBridge::entryTextFile(entry) << ContentBridge::entryPictureFile(entry);
    for (const QString &file : files) {
        const QString from = m_options.bundled + file;
        const QString to = root + file;
        if (!QDir().mkpath(QFileInfo(to).path()) || !QFile::copy(from, to)) {
            fail(line(from, QStringLiteral("同梱のパックのファイルを写せません。")));
            return false;
        }
    }
    m_summary.fixedFiles = int(ContentBridge::fixedFiles().size());
    return true;
}

bool PackBuilder::writeNames(const QString &root)
{
    QStringEncoder encoder("windows-31j");
    QByteArray bytes;
    for (const QString &name : ContentBridge::boardNames())
        bytes += encoder(name) + "\r\n";
    return writeFile(root + ContentBridge::namesListFile(), bytes);
}

bool PackBuilder::packPictures(const QString &root)
{
    const PicturePacker packer(ContentBridge::pictureFrame());
    const auto make = [&packer](const QString &file) {
        const PackedPicture picture = packer.pack(file);
        return MadeFile{picture.gif, picture.problem.isEmpty()
                                         ? QStringList()
                                         : QStringList{line(file, picture.problem)}};
    };
    return packFolder(root, Pictures, make, &m_summary.picturesMade);
}

bool PackBuilder::packTexts(const QString &root)
{
    const TextPacker packer(ContentBridge::listFont(), ContentBridge::listTextWidth());
    const auto make = [&packer](const QString &file) {
        QByteArray source;
        QString problem;
        if (!ContentBridge::readTextBytes(file, &source, &problem))
            return MadeFile{{}, {line(file, problem)}};
        const PackedText text = packer.pack(source, QDir::toNativeSeparators(file));
        return MadeFile{text.bytes, text.problems};
    };
    return packFolder(root, Texts, make, &m_summary.textsMade);
}

// Makes the file of each entry that one source folder gives; a file that
// cannot be made leaves the entry as the bundled pack has it.
bool PackBuilder::packFolder(const QString &root, const SourceKind &kind,
                             const std::function<MadeFile(const QString &)> &make, QList<int> *made)
{
    const QString path = m_options.source + u'/' + kind.folder;
    const SourceFolder folder(path, kind.suffixes, EntryMatcher(ContentBridge::boardNames()));
    if (!folder.exists())
        m_output.print(
            line(path, QStringLiteral("フォルダがないので、%1はすべて同梱のパックのものです。")
                           .arg(kind.name)));
    refuse(folder.refused(), folder.refused().size());

    int done = 0;
    for (auto file = folder.files().cbegin(); file != folder.files().cend(); ++file) {
        if (stopped())
            return false;
        m_output.show(QStringLiteral("%1 %2 / %3: %4")
                          .arg(kind.name)
                          .arg(++done)
                          .arg(folder.files().size())
                          .arg(QFileInfo(*file).fileName()));
        const MadeFile result = make(*file);
        if (!result.problems.isEmpty()) {
            refuse(result.problems, 1);
            continue;
        }
        if (!writeFile(root + kind.target(file.key()), result.bytes))
            return false;
        *made << file.key();
    }
    return true;
}

// The finished folder takes the place of the result in one rename; an empty
// folder of that name, left there by the user, goes first.
bool PackBuilder::putInPlace(QTemporaryDir &work)
{
    if (stopped())
        return false;
    const QString out = QFileInfo(m_options.out).absoluteFilePath();
    if (isEmptyFolder(out))
        QDir().rmdir(out);
    if (!QDir().rename(work.path(), out)) {
        fail(line(out, QStringLiteral("作ったフォルダをこの名前にできません。")));
        return false;
    }
    work.setAutoRemove(false);
    return true;
}

bool PackBuilder::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size() && file.flush()) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    fail(line(path, QStringLiteral("書き込めません（%1）。").arg(file.errorString())));
    return false;
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
void PackBuilder::refuse(const QStringList &lines, qsizetype files)
{
    for (const QString &line : lines)
        m_output.print(line);
    m_summary.refused += int(files);
}
