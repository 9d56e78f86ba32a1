#include "packbuilder.h"
#include "contentbridge.h"
#include "entrymatcher.h"
#include "picturepacker.h"
#include "progressline.h"
#include "sourcefolder.h"
#include "textpacker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace {

const QString PicturesFolder = QStringLiteral("pictures");
const QString TextsFolder = QStringLiteral("texts");
const QStringList PictureSuffixes = {QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                     QStringLiteral("png"), QStringLiteral("webp")};
const QStringList TextSuffixes = {QStringLiteral("txt")};

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
    const bool pictures = QFileInfo(source + u'/' + PicturesFolder).isDir();
    const bool texts = QFileInfo(source + u'/' + TextsFolder).isDir();
    if (!pictures && !texts) {
        fail(line(source, QStringLiteral("中に %1 のフォルダも %2 のフォルダもありません。")
                              .arg(PicturesFolder, TextsFolder)));
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
    const EntryMatcher matcher(ContentBridge::boardNames());
    const SourceFolder folder(m_options.source + u'/' + PicturesFolder, PictureSuffixes, matcher);
    if (!folder.exists())
        m_output.print(
            line(m_options.source + u'/' + PicturesFolder,
                 QStringLiteral("フォルダがないので、絵はすべて同梱のパックのものです。")));
    refuse(folder.refused(), folder.refused().size());

    const PicturePacker packer(ContentBridge::pictureFrame());
    int done = 0;
    for (auto file = folder.files().cbegin(); file != folder.files().cend(); ++file) {
        if (stopped())
            return false;
        m_output.show(QStringLiteral("絵 %1 / %2: %3")
                          .arg(++done)
                          .arg(folder.files().size())
                          .arg(QFileInfo(*file).fileName()));
        const PackedPicture picture = packer.pack(*file);
        if (!picture.problem.isEmpty()) {
            refuse({line(*file, picture.problem)}, 1);
            continue;
        }
        if (!writeFile(root + ContentBridge::entryPictureFile(file.key()), picture.gif))
            return false;
        m_summary.picturesMade << file.key();
    }
    return true;
}

bool PackBuilder::packTexts(const QString &root)
{
    const EntryMatcher matcher(ContentBridge::boardNames());
    const SourceFolder folder(m_options.source + u'/' + TextsFolder, TextSuffixes, matcher);
    if (!folder.exists())
        m_output.print(
            line(m_options.source + u'/' + TextsFolder,
                 QStringLiteral("フォルダがないので、説明はすべて同梱のパックのものです。")));
    refuse(folder.refused(), folder.refused().size());

    const TextPacker packer(ContentBridge::listFont(), ContentBridge::listTextWidth());
    int done = 0;
    for (auto file = folder.files().cbegin(); file != folder.files().cend(); ++file) {
        if (stopped())
            return false;
        m_output.show(QStringLiteral("説明 %1 / %2: %3")
                          .arg(++done)
                          .arg(folder.files().size())
                          .arg(QFileInfo(*file).fileName()));
        QByteArray source;
        QString problem;
        if (!ContentBridge::readTextBytes(*file, &source, &problem)) {
            refuse({line(*file, problem)}, 1);
            continue;
        }
        const PackedText text = packer.pack(source, QDir::toNativeSeparators(*file));
        if (!text.problems.isEmpty()) {
            refuse(text.problems, 1);
            continue;
        }
        if (!writeFile(root + ContentBridge::entryTextFile(file.key()), text.bytes))
            return false;
        m_summary.textsMade << file.key();
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
