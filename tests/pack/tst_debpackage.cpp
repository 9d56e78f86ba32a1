#include "pack/debianname.h"
#include "pack/debpackage.h"
#include "sourcepictures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString PackName = QStringLiteral("校庭");
const QString Epoch = QStringLiteral("1700000000");

struct Run
{
    int exitCode = -1;
    QString output;
    QString errors;
};

Run run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(300000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

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

// Reads an encoded pack name back, by RFC 3492's decoder with a-z and 0-9
// as the characters that stand as they are and code points counted from 0.
QString decoded(const QString &encoded)
{
    const qsizetype delimiter = encoded.lastIndexOf(u'-');
    if (delimiter < 0)
        return encoded;
    QList<uint> out = encoded.left(delimiter).toUcs4();
    quint64 n = 0, i = 0, bias = 72;
    for (qsizetype in = delimiter + 1; in < encoded.size();) {
        const quint64 oldi = i;
        quint64 w = 1;
        for (quint64 k = 36;; k += 36) {
            const char16_t c = encoded.at(in++).unicode();
            const quint64 digit = c >= u'a' ? c - u'a' : c - u'0' + 26;
            i += digit * w;
            const quint64 t = k <= bias ? 1 : k >= bias + 26 ? 26 : k - bias;
            if (digit < t)
                break;
            w *= 36 - t;
        }
        const quint64 points = quint64(out.size()) + 1;
        quint64 delta = oldi == 0 ? (i - oldi) / 700 : (i - oldi) / 2;
        delta += delta / points;
        quint64 k = 0;
        for (; delta > 35 * 26 / 2; k += 36)
            delta /= 35;
        bias = k + 36 * delta / (delta + 38);
        n += i / points;
        i %= points;
        out.insert(qsizetype(i++), uint(n));
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(out.constData()), out.size());
}

QStringList debContents(const QString &deb)
{
    QStringList paths;
    const Run listed = run("dpkg-deb", {"--contents", deb});
    for (const QString &line : listed.output.split(u'\n', Qt::SkipEmptyParts))
        paths << line.section(u' ', -1);
    return paths;
}

} // namespace

class TestDebPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void packNamesBecomeDebianNames_data();
    void packNamesBecomeDebianNames();
    void versions();
    void commandLineMistakes_data();
    void commandLineMistakes();
    void packageHoldsThePackAndItsEntry();
    void lintianFindsNothing();
    void sameTimeOfMakingGivesSameBytes();
    void unwritablePlaceIsNamed();
    void installListRemoveInThrowawayRoot();

private:
    QProcessEnvironment environment(const QString &epoch = Epoch) const;
    Run pack(const QStringList &arguments, const QString &epoch = Epoch) const;
    QString made(const QString &outFolder) const;

    QTemporaryDir m_dir;
    QString m_source;
    QString m_deb;
};

void TestDebPackage::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable("dpkg-deb").isEmpty())
        QSKIP("dpkg-deb is not installed: a package cannot be made");
    m_source = m_dir.filePath("garden");
    writeAll(m_source + "/texts/ひまわり.txt", "校庭のひまわり。\n");
    writeAll(m_source + "/pictures/45.jpg", encoded(gradientPicture(QSize(800, 600)), "JPEG"));
    const Run made = pack({"--deb", PackName, m_source, m_dir.filePath("first")});
    QVERIFY2(made.exitCode == 0, qPrintable(made.output + made.errors));
    m_deb = m_dir.filePath("first/hana-pack--r1t63s_20231114.221320_all.deb");
    QVERIFY2(made.output.contains("作りました: " + m_deb), qPrintable(made.output));
    QVERIFY(made.output.contains(
        "パッケージ hana-pack--r1t63s: 入れると /usr/share/hana/packs/校庭 とメニューの"
        "「花の図鑑（校庭）」が入ります"));
}

QProcessEnvironment TestDebPackage::environment(const QString &epoch) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SOURCE_DATE_EPOCH", epoch);
    environment.insert("DEBEMAIL", "Test School <it@school.example.org>");
    environment.insert("XDG_DATA_HOME", m_dir.filePath("data"));
    return environment;
}

Run TestDebPackage::pack(const QStringList &arguments, const QString &epoch) const
{
    return run(HANA_PACK_PATH, arguments, environment(epoch));
}

QString TestDebPackage::made(const QString &outFolder) const
{
    const QStringList debs = QDir(outFolder).entryList({"*.deb"}, QDir::Files);
    return debs.size() == 1 ? outFolder + u'/' + debs.first() : QString();
}

// The name must be one dpkg takes, read back to the pack's name alone, and
// stay the same from version to version: a school's machines upgrade by it.
void TestDebPackage::packNamesBecomeDebianNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("package");
    QTest::newRow("small letters stand") << "school"
                                         << "hana-pack-school";
    QTest::newRow("kanji") << "校庭"
                           << "hana-pack--r1t63s";
    QTest::newRow("digits stand first") << "2年1組"
                                        << "hana-pack-21-vh3dz04i";
    QTest::newRow("capitals are not folded") << "School"
                                             << "hana-pack-chool-ioa";
    QTest::newRow("space and dash") << "my-garden 2"
                                    << "hana-pack-mygarden2-nja0l";
    QTest::newRow("emoji") << "花🌸" << QString();
    QTest::newRow("dots and slashes of a path") << "../etc" << QString();
}

void TestDebPackage::packNamesBecomeDebianNames()
{
    QFETCH(QString, name);
    QFETCH(QString, package);
    const QString made = DebianName::packageName(name);
    QCOMPARE(decoded(made.mid(QStringLiteral("hana-pack-").size())), name);
    if (!package.isEmpty())
        QCOMPARE(made, package);
    QVERIFY2(QProcess::execute("dpkg", {"--validate-pkgname", made}) == 0, qPrintable(made));
    QVERIFY(DebianName::packageName(name.toLower()) != made || name == name.toLower());
}

void TestDebPackage::versions()
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch(Epoch.toLongLong(), Qt::UTC);
    QCOMPARE(DebPackage::versionAt(time), "20231114.221320");
    // Later makings sort later, as dpkg compares versions.
    const QString later = DebPackage::versionAt(time.addSecs(1));
    QCOMPARE(QProcess::execute("dpkg", {"--compare-versions", later, "gt", "20231114.221320"}), 0);
    QVERIFY(!DebPackage::versionProblem("1.0-2"));
    QVERIFY(!DebPackage::versionProblem("1:2.0~rc1"));
    for (const char *bad : {"", "v1", "1.0 2", "1_0"})
        QVERIFY2(DebPackage::versionProblem(bad), qPrintable(bad));
}

void TestDebPackage::commandLineMistakes_data()
{
    const QString out = m_dir.filePath("mistakes");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");
    QTest::newRow("no source") << QStringList{"--deb", PackName} << "引数が足りません。";
    QTest::newRow("one too many") << QStringList{"--deb", PackName, m_source, out, "c"}
                                  << "余分な引数があります: c";
    QTest::newRow("with install") << QStringList{"--deb", PackName, "--install", "x", m_source}
                                  << "一つだけ選んでください";
    QTest::newRow("version alone") << QStringList{"--deb-version", "1.0", m_source, out}
                                   << "--deb-version は --deb と使います。";
    QTest::newRow("bad version") << QStringList{"--deb", PackName, "--deb-version",
                                                "v1",    m_source, out}
                                 << "パッケージの版「v1」は Debian の版の形ではありません";
    QTest::newRow("name with slash") << QStringList{"--deb", "a/b", m_source, out} << "a/b";
}

void TestDebPackage::commandLineMistakes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    const Run refused = pack(arguments);
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.errors.contains(said), qPrintable(refused.errors));
    QVERIFY(!QFileInfo::exists(m_dir.filePath("mistakes")));
}

void TestDebPackage::packageHoldsThePackAndItsEntry()
{
    const QStringList paths = debContents(m_deb);
    const QString entry = "./usr/share/applications/net.hanazukan.Hana.Pack_e6a0a1e5baad.desktop";
    for (const QString &path : {entry, QString("./usr/share/hana/packs/校庭/説明/s45.txt"),
                                QString("./usr/share/hana/packs/校庭/画像/h45.gif"),
                                QString("./usr/share/doc/hana-pack--r1t63s/copyright"),
                                QString("./usr/share/doc/hana-pack--r1t63s/changelog.gz")})
        QVERIFY2(paths.contains(path), qPrintable(path));
    // Nothing of the machine that made it.
    const QRegularExpression ours(
        "^\\./(usr/(share/(hana/(packs/.*)?|(applications|doc|lintian)/.*)?)?)?$");
    for (const QString &path : paths)
        QVERIFY2(ours.match(path).hasMatch(), qPrintable(path));

    const Run field = run("dpkg-deb", {"--field", m_deb, "Package", "Version", "Architecture",
                                       "Depends", "Maintainer"});
    QCOMPARE(field.output, "Package: hana-pack--r1t63s\nVersion: 20231114.221320\n"
                           "Architecture: all\nDepends: hana\n"
                           "Maintainer: Test School <it@school.example.org>\n");
    const Run scripts = run("dpkg-deb", {"--ctrl-tarfile", m_deb});
    QVERIFY(!scripts.output.contains("postinst") && !scripts.output.contains("prerm"));

    const QString unpacked = m_dir.filePath("unpacked");
    QCOMPARE(run("dpkg-deb", {"-x", m_deb, unpacked}).exitCode, 0);
    const QString desktop = QString::fromUtf8(readAll(unpacked + entry.mid(1)));
    QVERIFY2(desktop.contains("\nExec=\"hana\" --content \"/usr/share/hana/packs/校庭\"\n"),
             qPrintable(desktop));
    QVERIFY(desktop.contains("\nName=花の図鑑（校庭）\n"));
    QVERIFY(readAll(unpacked + "/usr/share/hana/packs/校庭/説明/s45.txt").startsWith("\x8d\x5a"));
    const Run sums = run("sh", {"-c",
                                "cd \"$1\" && dpkg-deb -e \"$2\" ctl && md5sum -c --quiet "
                                "ctl/md5sums && rm -r ctl",
                                "sh", unpacked, m_deb});
    QVERIFY2(sums.exitCode == 0, qPrintable(sums.output + sums.errors));
}

void TestDebPackage::lintianFindsNothing()
{
    if (QStandardPaths::findExecutable("lintian").isEmpty())
        QSKIP("lintian is not installed (scripts/setup installs it)");
    const Run lintian = run("lintian", {"-I", "--pedantic", "--fail-on", "error,warning", m_deb});
    QVERIFY2(lintian.exitCode == 0, qPrintable(lintian.output + lintian.errors));
    QVERIFY2(!QRegularExpression("^[EW]: ", QRegularExpression::MultilineOption)
                  .match(lintian.output)
                  .hasMatch(),
             qPrintable(lintian.output));
}

void TestDebPackage::sameTimeOfMakingGivesSameBytes()
{
    const QString again = m_dir.filePath("again");
    QCOMPARE(pack({"--deb", PackName, m_source, again}).exitCode, 0);
    QCOMPARE(QFileInfo(made(again)).fileName(), QFileInfo(m_deb).fileName());
    QVERIFY(readAll(made(again)) == readAll(m_deb));

    const QString later = m_dir.filePath("later");
    QCOMPARE(
        pack({"--deb", PackName, m_source, later, "--deb-version", "2.0"}, "1700086400").exitCode,
        0);
    QCOMPARE(QFileInfo(made(later)).fileName(), "hana-pack--r1t63s_2.0_all.deb");
    const Run changelog = run("sh", {"-c",
                                     "dpkg-deb --fsys-tarfile \"$1\" | tar -xOf - "
                                     "./usr/share/doc/hana-pack--r1t63s/changelog.gz | zcat",
                                     "sh", made(later)});
    QVERIFY2(changelog.output.startsWith("hana-pack--r1t63s (2.0) unstable; urgency=medium\n"),
             qPrintable(changelog.output));
    QVERIFY(changelog.output.contains(
        " -- Test School <it@school.example.org>  Wed, 15 Nov 2023 22:13:20 +0000\n"));
}

// A place that cannot be written is named, and nothing is left half made.
void TestDebPackage::unwritablePlaceIsNamed()
{
    const QString file = m_dir.filePath("a file");
    QVERIFY(writeAll(file, "x"));
    const Run refused = pack({"--deb", PackName, m_source, file + "/out"});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.output.contains(file), qPrintable(refused.output));
    QVERIFY(refused.output.contains("は作りませんでした。"));
    QCOMPARE(readAll(file), "x");
    const QStringList left = QDir::temp().entryList({"hana-pack-deb-*"});
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
}

// dpkg installs the package into a root of its own, with a stand-in for
// hana; --list finds the pack there, and removing the package leaves
// nothing of it.
void TestDebPackage::installListRemoveInThrowawayRoot()
{
    const QString root = m_dir.filePath("root");
    for (const QString folder : {"/var/lib/dpkg/info", "/var/lib/dpkg/updates"})
        QVERIFY(QDir().mkpath(root + folder));
    QVERIFY(writeAll(root + "/var/lib/dpkg/status", {}));
    const QString stub = m_dir.filePath("stub");
    QVERIFY(writeAll(stub + "/DEBIAN/control", "Package: hana\nVersion: 1.0\nArchitecture: all\n"
                                               "Maintainer: Test School <it@school.example.org>\n"
                                               "Description: stand-in for the program\n"));
    QCOMPARE(run("dpkg-deb", {"--root-owner-group", "--build", stub, stub + ".deb"}).exitCode, 0);
    const QStringList dpkg{"--root=" + root, "--log=" + root + "/dpkg.log", "--force-not-root",
                           "--force-script-chrootless"};

    const Run withoutHana = run("dpkg", QStringList(dpkg) << "--install" << m_deb);
    QVERIFY2(withoutHana.exitCode != 0, "installed without hana");
    QVERIFY(withoutHana.errors.contains("hana"));
    const Run installed = run("dpkg", QStringList(dpkg) << "--install" << stub + ".deb" << m_deb);
    QVERIFY2(installed.exitCode == 0, qPrintable(installed.output + installed.errors));

    const QString entry =
        root + "/usr/share/applications/net.hanazukan.Hana.Pack_e6a0a1e5baad.desktop";
    QVERIFY(QFileInfo::exists(root + "/usr/share/hana/packs/校庭/説明/name.txt"));
    QVERIFY(QFileInfo::exists(entry));
    QProcessEnvironment machine = environment();
    machine.insert("XDG_DATA_DIRS", root + "/usr/share");
    const Run listed = run(HANA_PACK_PATH, {"--list"}, machine);
    QVERIFY2(listed.output.contains("パッケージのパック（" + root +
                                    "/usr/share/hana/packs）:\n  校庭\n    フォルダ: " + root +
                                    "/usr/share/hana/packs/校庭\n    メニュー: " + entry + "\n"),
             qPrintable(listed.output));

    const Run removed = run("dpkg", QStringList(dpkg) << "--purge"
                                                      << "hana-pack--r1t63s");
    QVERIFY2(removed.exitCode == 0, qPrintable(removed.output + removed.errors));
    QVERIFY(!QFileInfo::exists(root + "/usr/share/hana"));
    QVERIFY(!QFileInfo::exists(entry));
    QVERIFY(!QFileInfo::exists(root + "/usr/share/doc"));
    QVERIFY(run(HANA_PACK_PATH, {"--list"}, machine)
                .output.contains("パッケージのパック（" + root +
                                 "/usr/share/hana/packs）:\n  （ありません）"));
}

QTEST_GUILESS_MAIN(TestDebPackage)
#include "tst_debpackage.moc"
