#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QStringList out;
    QStringList err;
};

// Runs a program with no display at all: a program that only prints must
// not need one.
Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        process.kill();
    const auto lines = [](const QByteArray &bytes) {
        return QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    };
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            lines(process.readAllStandardOutput()), lines(process.readAllStandardError())};
}

// The columns a terminal gives a line: two for each Japanese character.
qsizetype columns(const QString &line)
{
    qsizetype width = 0;
    for (const QChar c : line)
        width += c.unicode() < 0x80 ? 1 : 2;
    return width;
}

} // namespace

class TestCommandLines : public QObject
{
    Q_OBJECT

private slots:
    void programs_data();
    void helpAndVersionPrintAndEnd_data() { programs_data(); }
    void helpAndVersionPrintAndEnd();
    void unknownOptionIsAUsageErrorNeverAFolder_data() { programs_data(); }
    void unknownOptionIsAUsageErrorNeverAFolder();
    void contentFolderMustExist();
    void packArgumentsFitTheWayItRuns_data();
    void packArgumentsFitTheWayItRuns();
    void toolkitOptionsAreLeftToTheToolkit_data();
    void toolkitOptionsAreLeftToTheToolkit();
    void toolkitOptionsTakeTheirValues();
    void helpColumnsCountWideCharactersTwice();
};

void TestCommandLines::programs_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("hana") << HANA_PATH << "hana";
    QTest::newRow("hana-check") << HANA_CHECK_PATH << "hana-check";
    QTest::newRow("hana-pack") << HANA_PACK_PATH << "hana-pack";
    QTest::newRow("hana-editor") << HANA_EDITOR_PATH << "hana-editor";
}

void TestCommandLines::helpAndVersionPrintAndEnd()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    for (const char *help : {"--help", "-h"}) {
        const Run shown = run(path, {help});
        QCOMPARE(shown.status, 0);
        QVERIFY(shown.out.value(0).startsWith(QStringLiteral("使い方: %1 ").arg(name)));
        QVERIFY(shown.out.join(u'\n').contains("--version"));
        QCOMPARE(shown.err, QStringList());
    }
    const Run version = run(path, {"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out.value(0), QStringLiteral("%1 %2").arg(name, HANA_VERSION));
    QVERIFY(version.out.join(u'\n').contains("GPL-3.0-or-later"));
    QCOMPARE(version.err, QStringList());
}

void TestCommandLines::unknownOptionIsAUsageErrorNeverAFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    for (const QString option : {"--bogus", "-x"}) {
        const Run refused = run(path, {option});
        QCOMPARE(refused.status, 2);
        QCOMPARE(refused.out, QStringList());
        QCOMPARE(refused.err.size(), 1);
        QVERIFY2(refused.err.first().startsWith(name + ": " + option),
                 qPrintable(refused.err.first()));
    }
}

void TestCommandLines::contentFolderMustExist()
{
    QTemporaryDir temporary;
    const QString missing = temporary.filePath("どこにもない");
    const Run refused = run(HANA_PATH, {"--content", missing});
    QCOMPARE(refused.status, 2);
    QCOMPARE(refused.err.size(), 1);
    QVERIFY(refused.err.first().contains(missing));

    const Run noValue = run(HANA_PATH, {"--content"});
    QCOMPARE(noValue.status, 2);
    QCOMPARE(noValue.err.size(), 1);
    QVERIFY(noValue.err.first().contains("--content"));

    // The editor's source folder is checked the same way, before any window.
    const Run noSource = run(HANA_EDITOR_PATH, {missing});
    QCOMPARE(noSource.status, 2);
    QCOMPARE(noSource.err.size(), 1);
    QVERIFY(noSource.err.first().contains(missing));
}

void TestCommandLines::packArgumentsFitTheWayItRuns_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");
    QTest::newRow("one folder") << QStringList{"garden"} << "引数が足りません";
    QTest::newRow("three folders") << QStringList{"a", "b", "c"} << "余分な引数があります: c";
    QTest::newRow("install without source")
        << QStringList{"--install", "校庭"} << "引数が足りません";
    QTest::newRow("install with two") << QStringList{"--install", "校庭", "a", "b"} << "余分な引数";
    QTest::newRow("list and remove") << QStringList{"--list", "--remove", "校庭"} << "一つだけ";
    QTest::newRow("list with a folder") << QStringList{"--list", "garden"} << "余分な引数";
    QTest::newRow("remove a path") << QStringList{"--remove", "../校庭"} << "「/」は使えません";
}

// Nothing is made or removed from a command line that does not fit.
void TestCommandLines::packArgumentsFitTheWayItRuns()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.path());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home.path());
    process.start(HANA_PACK_PATH, arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 2);
    const QString error = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(error.startsWith("hana-pack: ") && error.contains(said), qPrintable(error));
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestCommandLines::toolkitOptionsAreLeftToTheToolkit_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("options");
    const QList<std::pair<const char *, QStringList>> options{
        {"title", {"-title", "花"}},
        {"icon", {"-icon", "hana.png"}},
        {"qwindowtitle", {"-qwindowtitle", "花"}},
        {"geometry", {"-geometry", "640x480+10+10"}},
        {"platform", {"-platform", "offscreen"}},
        {"platform, two dashes", {"--platform", "offscreen"}},
        {"style", {"-style", "Fusion"}},
        {"reverse", {"-reverse"}},
        {"testability", {"-testability"}},
        {"several", {"-reverse", "-title", "花", "-style", "Fusion"}},
    };
    for (const auto &[name, given] : options) {
        QTest::addRow("hana %s", name) << QString(HANA_PATH) << given;
        QTest::addRow("hana-editor %s", name) << QString(HANA_EDITOR_PATH) << given;
    }
}

// The toolkit's options are accepted, and the program still reads its own
// around them; one it does not know is named even among the toolkit's.
void TestCommandLines::toolkitOptionsAreLeftToTheToolkit()
{
    QFETCH(QString, path);
    QFETCH(QStringList, options);
    const Run version = run(path, options + QStringList{"--version"});
    QCOMPARE(version.err, QStringList());
    QCOMPARE(version.status, 0);
    QVERIFY(version.out.value(0).endsWith(HANA_VERSION));

    const Run refused = run(path, options + QStringList{"--bogus"});
    QCOMPARE(refused.status, 2);
    QCOMPARE(refused.err.size(), 1);
    QVERIFY2(refused.err.first().contains(": --bogus "), qPrintable(refused.err.first()));
}

// A toolkit option's value is no argument of the program's own.
void TestCommandLines::toolkitOptionsTakeTheirValues()
{
    QTemporaryDir temporary;
    const QString missing = temporary.filePath("どこにもない");
    const Run editor = run(HANA_EDITOR_PATH, {"-style", "Fusion", "-title", "花", missing});
    QCOMPARE(editor.status, 2);
    QCOMPARE(editor.err.size(), 1);
    QVERIFY2(editor.err.first().contains(missing), qPrintable(editor.err.first()));

    const Run check = run(HANA_CHECK_PATH, {"-title", "花", "--version"});
    QCOMPARE(check.status, 0);
    const Run extra = run(HANA_CHECK_PATH, {"-title", "花", "a", "b"});
    QCOMPARE(extra.status, 2);
    QVERIFY2(extra.err.value(0).contains("余分な引数があります: b"),
             qPrintable(extra.err.value(0)));
}

// The descriptions of the options line up on a terminal, also after a value
// name in Japanese.
void TestCommandLines::helpColumnsCountWideCharactersTwice()
{
    for (const char *path : {HANA_PATH, HANA_CHECK_PATH, HANA_PACK_PATH, HANA_EDITOR_PATH}) {
        const Run help = run(path, {"--help"});
        qsizetype aligned = 0;
        for (const QString &line : help.out) {
            const qsizetype gap = line.indexOf("  ", 2);
            if (!line.startsWith("  -") || gap < 0)
                continue;
            const qsizetype description = line.indexOf(QRegularExpression("\\S"), gap);
            QCOMPARE(columns(line.left(description)), 24);
            ++aligned;
        }
        QVERIFY2(aligned >= 2, qPrintable(path));
    }
    const Run pack = run(HANA_PACK_PATH, {"--help"});
    QVERIFY(pack.out.join(u'\n').contains("  --remove 名前         パックと"));
}

QTEST_GUILESS_MAIN(TestCommandLines)
#include "tst_commandlines.moc"
