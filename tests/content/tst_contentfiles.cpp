#include "content/contentfiles.h"
#include "content/folderlock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names of the files made in a folder while write runs.
QStringList filesMadeDuring(const QString &folder, const std::function<void()> &write)
{
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    inotify_add_watch(watch, QFile::encodeName(folder).constData(), IN_CREATE);
    write();
    QStringList names;
    alignas(inotify_event) char events[4096];
    for (ssize_t size; (size = ::read(watch, events, sizeof events)) > 0;)
        for (char *at = events; at < events + size;) {
            const auto *event = reinterpret_cast<const inotify_event *>(at);
            names << QFile::decodeName(event->name);
            at += sizeof(inotify_event) + event->len;
        }
    ::close(watch);
    return names;
}

} // namespace

class TestContentFiles : public QObject
{
    Q_OBJECT

private slots:
    void atomicWriteReplacesAndLeavesNothingElse();
    void writeThatFailsNamesTheFileAndLeavesNothing();
    void temporaryFileIsToldByItsName_data();
    void temporaryFileIsToldByItsName();
    void atomicWritesTemporaryIsToldByItsName();
    void foldersAreMadeWithTheFoldersAbove();
    void fileInTheWayOfAFolderIsNamed();
    void folderWithoutWritePermissionIsNamed();
    void sharedAndExclusiveLocksExcludeEachOther();
    void heldPackStaysWhenItsLinkIsTurned();
};

void TestContentFiles::atomicWriteReplacesAndLeavesNothingElse()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("1.txt");
    QCOMPARE(writeFileAtomically(path, "old"), std::nullopt);
    QFile reader(path);
    QVERIFY(reader.open(QIODevice::ReadOnly));
    QCOMPARE(writeFileAtomically(path, "new text"), std::nullopt);
    QCOMPARE(readAll(path), QByteArray("new text"));
    QCOMPARE(reader.readAll(), QByteArray("old")); // an open reader keeps the whole old file
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"1.txt"});
}

void TestContentFiles::writeThatFailsNamesTheFileAndLeavesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/1.txt");
    const auto atomic = writeFileAtomically(path, "text");
    QVERIFY(atomic);
    QCOMPARE(atomic->file, path);
    QVERIFY(atomic->text().startsWith(path + ": 書き込めません（"));

    QCOMPARE(writeNewFile(dir.filePath("a.gif"), "GIF"), std::nullopt);
    const auto again = writeNewFile(dir.filePath("a.gif"), "GIF");
    QVERIFY(again);
    QCOMPARE(readAll(dir.filePath("a.gif")), QByteArray("GIF"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.gif"});
}

void TestContentFiles::temporaryFileIsToldByItsName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("temporary");
    QTest::newRow("of a text") << ".1.txt.k2j4h1.tmp" << true;
    QTest::newRow("of a flower's name") << ".ひまわり.txt.0.tmp" << true;
    QTest::newRow("the file itself") << "1.txt" << false;
    QTest::newRow("not hidden") << "1.txt.k2j4h1.tmp" << false;
    QTest::newRow("no random part") << ".1.tmp" << false;
    QTest::newRow("empty random part") << ".1.txt..tmp" << false;
    QTest::newRow("capitals are not base 36 here") << ".1.txt.K2J.tmp" << false;
    QTest::newRow("another suffix") << ".1.txt.k2j4h1.tmp.old" << false;
    QTest::newRow("a replaced photograph") << ".7.png.replaced" << false;
}

void TestContentFiles::temporaryFileIsToldByItsName()
{
    QFETCH(QString, name);
    QFETCH(bool, temporary);
    QCOMPARE(isTemporaryFileName(name), temporary);
}

// Whatever name the writer gives its new file is told as a temporary one.
void TestContentFiles::atomicWritesTemporaryIsToldByItsName()
{
    QTemporaryDir dir;
    for (const QString &file : {QStringLiteral("1.txt"), QStringLiteral("ひまわり.txt")}) {
        const QStringList made = filesMadeDuring(dir.path(), [&] {
            QCOMPARE(writeFileAtomically(dir.filePath(file), "text"), std::nullopt);
        });
        QCOMPARE(made.size(), 1);
        QVERIFY2(isTemporaryFileName(made.first()), qPrintable(made.first()));
        QVERIFY(made.first().startsWith('.' + file + '.'));
    }
}

void TestContentFiles::foldersAreMadeWithTheFoldersAbove()
{
    QTemporaryDir dir;
    const QString deep = dir.filePath("a/b/c");
    QCOMPARE(makeFolders(deep), std::nullopt);
    QVERIFY(QFileInfo(deep).isDir());
    QCOMPARE(makeFolders(deep), std::nullopt); // there already
    QVERIFY(QFile::link(dir.filePath("a"), dir.filePath("link")));
    QCOMPARE(makeFolders(dir.filePath("link/d")), std::nullopt);
    QVERIFY(QFileInfo(dir.filePath("a/d")).isDir());
}

// A file where a folder should be is named, the folder itself or one above
// it, not a made-up lack of permission.
void TestContentFiles::fileInTheWayOfAFolderIsNamed()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("hana");
    QVERIFY(QFile(file).open(QIODevice::WriteOnly));
    const ContentProblem inTheWay{file, 0, ContentMessage::fileInPlaceOfFolder()};
    QCOMPARE(makeFolders(file), inTheWay);
    QCOMPARE(makeFolders(file + "/packs"), inTheWay);
    QCOMPARE(makeFolders(file + "/packs/校庭"), inTheWay);
    QVERIFY(QFileInfo(file).isFile());
}

void TestContentFiles::folderWithoutWritePermissionIsNamed()
{
    if (::geteuid() == 0)
        QSKIP("root may write into any folder; hana-pack's tests mount a read-only place");
    QTemporaryDir dir;
    const QString locked = dir.filePath("locked");
    QVERIFY(QDir().mkdir(locked));
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    QCOMPARE(makeFolders(locked + "/hana/packs"),
             (ContentProblem{locked + "/hana", 0, ContentMessage::noPermission()}));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestContentFiles::sharedAndExclusiveLocksExcludeEachOther()
{
    QTemporaryDir dir;
    {
        const auto reader = FolderLock::tryTake(dir.path(), FolderLock::Mode::Shared);
        QVERIFY(reader);
        QVERIFY(FolderLock::tryTake(dir.path(), FolderLock::Mode::Shared));
        QVERIFY(!FolderLock::tryTake(dir.path(), FolderLock::Mode::Exclusive));
    }
    const auto builder = FolderLock::tryTake(dir.path(), FolderLock::Mode::Exclusive);
    QVERIFY(builder);
    QVERIFY(!FolderLock::tryTake(dir.path(), FolderLock::Mode::Shared));
    QVERIFY(!FolderLock::tryTake(dir.filePath("none"), FolderLock::Mode::Shared));
}

void TestContentFiles::heldPackStaysWhenItsLinkIsTurned()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath("v1")) && QDir().mkpath(dir.filePath("v2")));
    QVERIFY(QFile::link("v1", dir.filePath("pack")));
    const auto held = holdFolder(dir.filePath("pack"));
    QVERIFY(held);
    QCOMPARE(held->path, QFileInfo(dir.filePath("v1")).canonicalFilePath());

    QVERIFY(QFile::link("v2", dir.filePath("pack.new")));
    QVERIFY(::rename(QFile::encodeName(dir.filePath("pack.new")).constData(),
                     QFile::encodeName(dir.filePath("pack")).constData()) == 0);
    QVERIFY(!FolderLock::tryTake(dir.filePath("v1"), FolderLock::Mode::Exclusive));
    QCOMPARE(holdFolder(dir.filePath("pack"))->path,
             QFileInfo(dir.filePath("v2")).canonicalFilePath());
}

QTEST_GUILESS_MAIN(TestContentFiles)
#include "tst_contentfiles.moc"
