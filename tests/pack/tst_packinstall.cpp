#include "content/contentcheck.h"
#include "content/folderlock.h"
#include "pack/desktopentry.h"
#include "pack/packinstaller.h"
#include "pack/packmessage.h"
#include "recordingreport.h"
#include "sourcepictures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

const QString PackName = QStringLiteral("校庭");

struct Run
{
    int exitCode = -1;
    QString output;
    QStringList errors;
};

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList hiddenEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

QStringList workFolders(const QString &folder)
{
    return hiddenEntries(folder).filter(".hana-pack-");
}

// A source whose photographs take the run a moment, long enough to stop it
// on the way.
void makeSlowSource(const QString &source)
{
    const QByteArray png = encoded(noisePicture(QSize(900, 900), 7), "PNG");
    for (int entry = 1; entry <= 24; ++entry)
        writeAll(source + QStringLiteral("/pictures/%1.png").arg(entry), png);
}

// Runs a shell script in a private mount namespace over a fresh tmpfs
// mounted with the given options, as root of a user namespace or, failing
// that, as the caller. Nothing when neither namespace nor mount can be made
// here, as in a chroot or a locked-down container.
std::optional<Run> runOnScratchMount(const QString &options, const QString &mountPoint,
                                     const QString &script, const QStringList &arguments)
{
    const QString marker = QStringLiteral("mounted\n");
    const QString mounted =
        QStringLiteral("mount -t tmpfs -o \"$1\" tmpfs \"$2\" || exit 77; shift 2; echo mounted; ");
    for (const QStringList &unshare : {QStringList{"-rm"}, QStringList{"-m"}}) {
        QProcess shell;
        shell.start("unshare",
                    unshare + QStringList{"sh", "-c", mounted + script, "sh", options, mountPoint} +
                        arguments);
        if (!shell.waitForFinished(120000))
            return std::nullopt;
        const QString output = QString::fromUtf8(shell.readAllStandardOutput());
        if (output.startsWith(marker))
            return Run{shell.exitCode(), output.mid(marker.size()),
                       QString::fromUtf8(shell.readAllStandardError()).split(u'\n')};
    }
    return std::nullopt;
}

} // namespace

class TestPackInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installListReinstallRemove();
    void namesThatCannotBeFolders_data();
    void namesThatCannotBeFolders();
    void stoppedRunLeavesNothing_data();
    void stoppedRunLeavesNothing();
    void killedRunIsClearedByTheNext();
    void liveRunKeepsItsFolder();
    void fullDiskIsNamed();
    void unwritablePlacesNameTheirError_data();
    void unwritablePlacesNameTheirError();
    void stoppedInstallKeepsTheEarlierPack();
    void systemPacksAreForEveryAccount();
    void execLineQuotesEveryPath();

private:
    QProcess *pack(const QStringList &arguments);
    Run runPack(const QStringList &arguments);
    void waitForWorkFolder(QProcess *process, const QString &folder);

    QTemporaryDir m_dir;
    QString m_data;
    QString m_source;
};

void TestPackInstall::initTestCase()
{
    m_data = m_dir.filePath("data");
    m_source = m_dir.filePath("garden");
    writeAll(m_source + "/texts/ひまわり.txt", "校庭のひまわり。\n");
    writeAll(m_source + "/pictures/45.jpg", encoded(gradientPicture(QSize(800, 600)), "JPEG"));
}

QProcess *TestPackInstall::pack(const QStringList &arguments)
{
    auto *process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", m_data);
    process->setProcessEnvironment(environment);
    process->start(HANA_PACK_PATH, arguments);
    return process;
}

Run TestPackInstall::runPack(const QStringList &arguments)
{
    QProcess *process = pack(arguments);
    process->waitForFinished(120000);
    const Run run{process->exitCode(), QString::fromUtf8(process->readAllStandardOutput()),
                  QString::fromUtf8(process->readAllStandardError())
                      .split(u'\n', Qt::SkipEmptyParts)
                      .filter(QRegularExpression("^(?!QStandardPaths)"))};
    delete process;
    return run;
}

void TestPackInstall::waitForWorkFolder(QProcess *process, const QString &folder)
{
    QTRY_VERIFY_WITH_TIMEOUT(
        !workFolders(folder).isEmpty() || process->state() == QProcess::NotRunning, 20000);
    QCOMPARE(process->state(), QProcess::Running);
}

void TestPackInstall::installListReinstallRemove()
{
    const Run installed = runPack({"--install", PackName, m_source});
    QCOMPARE(installed.exitCode, 0);
    const QString packs = m_data + "/hana/packs";
    const QString link = packs + "/" + PackName;
    const QString entry = m_data + "/applications/net.hanazukan.Hana.Pack_e6a0a1e5baad.desktop";
    QVERIFY2(installed.output.contains("メニューに「花の図鑑（校庭）」を入れました: " + entry),
             qPrintable(installed.output));
    QCOMPARE(installed.output.count("メニューに「"), 1);
    // Nothing but the entry: no index of MIME types that no entry has.
    QCOMPARE(hiddenEntries(m_data + "/applications"), QStringList{QFileInfo(entry).fileName()});
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(texts(checkContent(link)), QStringList());

    const QString desktop = QString::fromUtf8(readAll(entry));
    QVERIFY(desktop.contains("\nName=花の図鑑（校庭）\n"));
    QVERIFY2(desktop.contains(QStringLiteral(" --content \"%1\"\n").arg(link)),
             qPrintable(desktop));
    if (const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        !validator.isEmpty())
        QCOMPARE(QProcess::execute(validator, {entry}), 0);

    const Run listed = runPack({"--list"});
    QCOMPARE(listed.exitCode, 0);
    QVERIFY(listed.output.contains("  校庭\n    フォルダ: " + link + "\n    メニュー: " + entry));

    // A program reading the pack keeps its version while the pack is
    // installed again; the old version goes once nobody reads it.
    std::optional<HeldFolder> reader = holdFolder(link);
    QVERIFY(reader);
    writeAll(m_source + "/texts/ひまわり.txt", "新しい文。\n");
    QCOMPARE(runPack({"--install", PackName, m_source}).exitCode, 0);
    const QString newVersion = QFileInfo(link).canonicalFilePath();
    QVERIFY(newVersion != reader->path);
    QVERIFY(readAll(newVersion + "/説明/s45.txt").startsWith("\x90\x56")); // 新 in CP932
    QVERIFY(QFileInfo::exists(reader->path + "/説明/s45.txt"));
    QCOMPARE(workFolders(packs).size(), 2);
    reader.reset();
    QCOMPARE(runPack({"--list"}).exitCode, 0);
    QCOMPARE(workFolders(packs), QStringList{QFileInfo(newVersion).fileName()});

    const Run removed = runPack({"--remove", PackName});
    QCOMPARE(removed.exitCode, 0);
    QCOMPARE(hiddenEntries(packs), QStringList());
    QVERIFY(!QFileInfo::exists(entry));
    QVERIFY(runPack({"--list"}).output.contains("（ありません）"));
    QCOMPARE(runPack({"--remove", PackName}).exitCode, 1);
}

void TestPackInstall::namesThatCannotBeFolders_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("slash") << "1組/2組";
    QTest::newRow("hidden") << ".校庭";
    QTest::newRow("new line") << "校\n庭";
}

void TestPackInstall::namesThatCannotBeFolders()
{
    QFETCH(QString, name);
    const Run refused = runPack({"--install", name, m_source});
    QCOMPARE(refused.exitCode, 2);
    QCOMPARE(refused.errors.size(), 1);
    QVERIFY2(refused.errors.first().startsWith("hana-pack: パックの名前"),
             qPrintable(refused.errors.first()));
    QVERIFY(!QFileInfo::exists(m_data + "/hana/packs/" + name) || name.isEmpty());
}

void TestPackInstall::stoppedRunLeavesNothing_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestPackInstall::stoppedRunLeavesNothing()
{
    QFETCH(int, signal);
    QTemporaryDir dir;
    makeSlowSource(dir.filePath("slow"));
    QProcess *process = pack({dir.filePath("slow"), dir.filePath("out")});
    waitForWorkFolder(process, dir.path());
    ::kill(pid_t(process->processId()), signal);
    QVERIFY(process->waitForFinished(30000));
    QCOMPARE(process->exitCode(), 1);
    QVERIFY(QString::fromUtf8(process->readAllStandardOutput()).contains("止めました。"));
    QCOMPARE(hiddenEntries(dir.path()), QStringList{"slow"});
}

void TestPackInstall::killedRunIsClearedByTheNext()
{
    QTemporaryDir dir;
    makeSlowSource(dir.filePath("slow"));
    QProcess *process = pack({dir.filePath("slow"), dir.filePath("out")});
    waitForWorkFolder(process, dir.path());
    process->kill();
    QVERIFY(process->waitForFinished(30000));
    QCOMPARE(workFolders(dir.path()).size(), 1);
    QVERIFY(!QFileInfo::exists(dir.filePath("out")));

    QCOMPARE(runPack({m_source, dir.filePath("out")}).exitCode, 0);
    QCOMPARE(hiddenEntries(dir.path()), (QStringList{"out", "slow"}));
}

void TestPackInstall::liveRunKeepsItsFolder()
{
    QTemporaryDir dir;
    const QString live = dir.filePath(".out.hana-pack-Live01");
    const QString dead = dir.filePath(".out.hana-pack-Dead01");
    const QString other = dir.filePath(".other.hana-pack-Dead02");
    for (const QString &folder : {live, dead, other})
        QVERIFY(QDir().mkpath(folder + "/画像"));
    const auto lock = FolderLock::tryTake(live, FolderLock::Mode::Exclusive);
    QVERIFY(lock);

    QCOMPARE(runPack({m_source, dir.filePath("out")}).exitCode, 0);
    QCOMPARE(hiddenEntries(dir.path()),
             (QStringList{".other.hana-pack-Dead02", ".out.hana-pack-Live01", "out"}));
}

// Nothing partial is left on a disk that fills up on the way, and the
// message says so and names the file.
void TestPackInstall::fullDiskIsNamed()
{
    QTemporaryDir dir;
    const QString mount = dir.filePath("small");
    QVERIFY(QDir().mkpath(mount));
    const QString script =
        QStringLiteral("\"$2\" \"$3\" \"$1/out\"; status=$?; echo \"left: $(ls -A \"$1\")\"; "
                       "exit $status");
    const std::optional<Run> run =
        runOnScratchMount("size=400k", mount, script, {mount, HANA_PACK_PATH, m_source});
    if (!run)
        QSKIP("no small file system can be mounted here (unshare and tmpfs)");
    const QString &output = run->output;
    QCOMPARE(run->exitCode, 1);
    QVERIFY2(output.contains(QRegularExpression(
                 "\n?" + QRegularExpression::escape(mount) +
                 "/\\.out\\.hana-pack-\\w{6}/[^:]+: ディスクがいっぱいで書き込めません")),
             qPrintable(output));
    QVERIFY(output.contains("\nleft: \n"));
}

void TestPackInstall::unwritablePlacesNameTheirError_data()
{
    QTest::addColumn<QString>("mountOptions");
    QTest::addColumn<QString>("inTheWay");
    QTest::addColumn<QString>("named");
    QTest::newRow("a file where a folder goes")
        << QString() << "hana"
        << "/hana: " + ContentMessage::fileInPlaceOfFolder();
    QTest::newRow("read-only") << "ro" << QString() << "/hana: " + ContentMessage::readOnlyPlace();
    // The root and "hana" take the only two inodes.
    QTest::newRow("full") << "nr_inodes=2" << QString()
                          << "/hana/packs: " + ContentMessage::diskFull();
}

// The folders for the packs are made where the data home is; what keeps
// them from being made is named with the folder it happened to.
void TestPackInstall::unwritablePlacesNameTheirError()
{
    QFETCH(QString, mountOptions);
    QFETCH(QString, inTheWay);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QString data = dir.filePath("data");
    QVERIFY(QDir().mkpath(data));
    std::optional<Run> run;
    if (mountOptions.isEmpty()) {
        QVERIFY(writeAll(data + '/' + inTheWay, "a file"));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", data);
        process.setProcessEnvironment(environment);
        process.start(HANA_PACK_PATH, {"--install", PackName, m_source});
        QVERIFY(process.waitForFinished(120000));
        run = Run{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()), {}};
    } else {
        run = runOnScratchMount(mountOptions, data,
                                "XDG_DATA_HOME=\"$1\" \"$2\" --install 校庭 \"$3\"",
                                {data, HANA_PACK_PATH, m_source});
        if (!run)
            QSKIP("no file system can be mounted here (unshare and tmpfs)");
    }
    QCOMPARE(run->exitCode, 1);
    QVERIFY2(run->output.startsWith(data + named + '\n'), qPrintable(run->output));
    QVERIFY(run->output.contains(PackMessage::notMade(data + "/hana/packs/" + PackName)));
}

// Stopped, an install says that the pack installed before under that name
// is still there, and it is, as it was.
void TestPackInstall::stoppedInstallKeepsTheEarlierPack()
{
    QTemporaryDir dir;
    const PackPlace place{dir.filePath("packs"), dir.filePath("applications"), false};
    RecordingReport report;
    PackInstaller installer(place, report);
    PackOptions options{m_source, {}, qEnvironmentVariable("HANA_SOURCE_DIR") + "/data"};
    const PackSummary first = installer.install(PackName, options, "hana");
    QVERIFY(first.made);
    QVERIFY(!first.earlierPack);
    QCOMPARE(first.lines().last(), PackMessage::menuEntryMade(DesktopEntry::title(PackName),
                                                              installer.entryOf(PackName)));
    const QString link = installer.folderOf(PackName);
    const QString version = QFileInfo(link).canonicalFilePath();

    const std::atomic_bool stop = true;
    options.stop = &stop;
    const PackSummary stopped = installer.install(PackName, options, "hana");
    QVERIFY(!stopped.made && stopped.stopped && stopped.earlierPack);
    QCOMPARE(stopped.lines(), (QStringList{PackMessage::stopped(), PackMessage::notMade(link),
                                           PackMessage::earlierPackKept(link)}));
    QCOMPARE(report.summaries.size(), 2);
    QCOMPARE(report.summaries.last().lines(), stopped.lines());
    QCOMPARE(QFileInfo(link).canonicalFilePath(), version);
    QCOMPARE(texts(checkContent(link)), QStringList());
}

// A school's pack goes where every account reads it, whatever the admin's
// umask; only root may put it there. Run as root of a private namespace,
// with a scratch file system over /usr/local/share.
void TestPackInstall::systemPacksAreForEveryAccount()
{
    const QString script = QStringLiteral(
        "umask 077; cd /usr/local/share; "
        "\"$1\" --install 校庭 \"$2\" --system >/dev/null || exit 1; "
        "find -L applications/*.desktop hana hana/packs hana/packs/校庭 hana/packs/校庭/画像 "
        "hana/packs/校庭/画像/h45.gif -maxdepth 0 -printf '%m %p\\n'; \"$1\" --list; "
        "\"$1\" --remove 校庭 --system >/dev/null || exit 1; "
        "echo \"left: $(ls -A hana/packs; ls -A applications)\"");
    const std::optional<Run> run =
        runOnScratchMount("mode=755", "/usr/local/share", script, {HANA_PACK_PATH, m_source});
    if (!run)
        QSKIP("no file system can be mounted over /usr/local/share here (unshare and tmpfs)");
    const QString &output = run->output;
    QVERIFY2(run->exitCode == 0, qPrintable(output + run->errors.join(u'\n')));
    const QString entry = "applications/net.hanazukan.Hana.Pack_e6a0a1e5baad.desktop";
    QVERIFY2(output.startsWith("644 " + entry +
                               "\n755 hana\n755 hana/packs\n755 hana/packs/校庭\n" +
                               "755 hana/packs/校庭/画像\n644 hana/packs/校庭/画像/h45.gif\n"),
             qPrintable(output));
    QVERIFY(output.contains("すべての利用者のパック（/usr/local/share/hana/packs）:\n  校庭\n"
                            "    フォルダ: /usr/local/share/hana/packs/校庭\n"
                            "    メニュー: /usr/local/share/" +
                            entry + "\n"));
    QVERIFY(output.endsWith("left: \n"));
}

// The desktop's launcher takes the Exec line apart again into the very path.
void TestPackInstall::execLineQuotesEveryPath()
{
    QCOMPARE(DesktopEntry::execArgument("/home/先生/.local/share/hana/packs/1年 2組"),
             QStringLiteral("\"/home/先生/.local/share/hana/packs/1年 2組\""));
    QCOMPARE(DesktopEntry::execArgument("/a\"b$c`d\\e%f"),
             QStringLiteral("\"/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e%%f\""));
}

QTEST_MAIN(TestPackInstall)
#include "tst_packinstall.moc"
