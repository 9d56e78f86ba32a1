#include "content/contentfiles.h"
#include "content/folderlock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestContentFiles : public QObject
{
    Q_OBJECT

private slots:
    void atomicWriteReplacesAndLeavesNothingElse();
    void writeThatFailsNamesTheFileAndLeavesNothing();
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
