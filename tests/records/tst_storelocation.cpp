#include "records/storelocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

CommandLineSpec recordsCommandLine()
{
    return {
        .program = QStringLiteral("hana"),
        .usage = QStringLiteral("[オプション]"),
        .description = QStringLiteral("花の図鑑"),
        .options = {StoreLocation::recordsOption(),
                    {{QStringLiteral("content")}, QStringLiteral("DIR"), QStringLiteral("内容")}},
        .notes = {},
        .maximumArguments = 1};
}

void writeSettings(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TestStoreLocation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void theOptionTakesAnOptionalValue_data();
    void theOptionTakesAnOptionalValue();
    void theOptionIsListedWithItsOptionalValue();
    void theAccountsSettingsComeBeforeTheMachines();
    void settingsThatNameNoStoreLeaveRecordsOff_data();
    void settingsThatNameNoStoreLeaveRecordsOff();

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

void TestStoreLocation::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("config"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_home->filePath(QStringLiteral("etc/xdg"))));
    QDir::setCurrent(m_home->path());
}

void TestStoreLocation::theOptionTakesAnOptionalValue_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("store"); // relative to the temporary home; "-" for none
    QTest::addColumn<QStringList>("positional");
    QTest::newRow("none") << QStringList{} << "-" << QStringList{};
    QTest::newRow("the default") << QStringList{"--records"} << "data/hana/records.sqlite"
                                 << QStringList{};
    QTest::newRow("a file") << QStringList{"--records=class.sqlite"} << "class.sqlite"
                            << QStringList{};
    QTest::newRow("one dash") << QStringList{"-records=a/b.sqlite"} << "a/b.sqlite"
                              << QStringList{};
    QTest::newRow("the next argument is not its value")
        << QStringList{"--records", "x.sqlite"} << "data/hana/records.sqlite"
        << QStringList{"x.sqlite"};
    QTest::newRow("the last one counts") << QStringList{"--records=a.sqlite", "--records"}
                                         << "data/hana/records.sqlite" << QStringList{};
    QTest::newRow("after -- it is an argument")
        << QStringList{"--", "--records=a.sqlite"} << "-" << QStringList{"--records=a.sqlite"};
    QTest::newRow("an equals sign in the name")
        << QStringList{"--records=a=b.sqlite"} << "a=b.sqlite" << QStringList{};
    QTest::newRow("beside another option")
        << QStringList{"--content", "dir", "--records=k.sqlite"} << "k.sqlite" << QStringList{};
}

void TestStoreLocation::theOptionTakesAnOptionalValue()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, store);
    QFETCH(QStringList, positional);
    CommandLine commandLine(recordsCommandLine());
    QCOMPARE(commandLine.parse(QStringList{QStringLiteral("hana")} + arguments), std::nullopt);
    const std::optional<QString> requested = StoreLocation::requestedStore(commandLine);
    QCOMPARE(requested.has_value(), store != u"-");
    if (requested)
        QCOMPARE(*requested, m_home->filePath(store));
    QCOMPARE(commandLine.positionalArguments(), positional);
}

void TestStoreLocation::theOptionIsListedWithItsOptionalValue()
{
    const CommandLine commandLine(recordsCommandLine());
    QVERIFY(commandLine.helpText().contains(QStringLiteral("  --records[=FILE] ")));
    // An option with a value still needs it.
    CommandLine needsValue(recordsCommandLine());
    QCOMPARE(needsValue.parse({QStringLiteral("hana"), QStringLiteral("--content")}),
             std::optional(CommandLine::UsageError));
    CommandLine unknown(recordsCommandLine());
    QCOMPARE(unknown.parse({QStringLiteral("hana"), QStringLiteral("--recordsx")}),
             std::optional(CommandLine::UsageError));
}

void TestStoreLocation::theAccountsSettingsComeBeforeTheMachines()
{
    const QString account = m_home->filePath(QStringLiteral("config/hana/hana.conf"));
    const QString machine = m_home->filePath(QStringLiteral("etc/xdg/hana/hana.conf"));
    CommandLine commandLine(recordsCommandLine());
    QCOMPARE(commandLine.parse({QStringLiteral("hana")}), std::nullopt);

    writeSettings(machine, "[records]\nstore=/srv/hana/class.sqlite\n");
    QCOMPARE(StoreLocation::requestedStore(commandLine), QStringLiteral("/srv/hana/class.sqlite"));
    writeSettings(account, "[sound]\nvolume=3\n");
    QCOMPARE(StoreLocation::requestedStore(commandLine), QStringLiteral("/srv/hana/class.sqlite"));
    writeSettings(account, "[records]\nstore=mine.sqlite\n");
    QCOMPARE(StoreLocation::requestedStore(commandLine),
             m_home->filePath(QStringLiteral("data/hana/mine.sqlite")));
    writeSettings(account, "[records]\nstore=\n");
    QCOMPARE(StoreLocation::requestedStore(commandLine),
             m_home->filePath(QStringLiteral("data/hana/records.sqlite")));
    writeSettings(account, "[records]\nstore=~/きろく/クラス.sqlite\n");
    QCOMPARE(StoreLocation::requestedStore(commandLine),
             QDir::homePath() + QStringLiteral("/きろく/クラス.sqlite"));

    // The command line comes before both.
    CommandLine given(recordsCommandLine());
    QCOMPARE(given.parse({QStringLiteral("hana"), QStringLiteral("--records=/tmp/x.sqlite")}),
             std::nullopt);
    QCOMPARE(StoreLocation::requestedStore(given), QStringLiteral("/tmp/x.sqlite"));
}

void TestStoreLocation::settingsThatNameNoStoreLeaveRecordsOff_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("another group") << QByteArray("[sound]\nstore=a.sqlite\n");
    QTest::newRow("no store key") << QByteArray("[records]\nstores=a.sqlite\n");
    QTest::newRow("binary") << QByteArray("\x00\xff[records\n=\n\x01", 14);
}

void TestStoreLocation::settingsThatNameNoStoreLeaveRecordsOff()
{
    QFETCH(QByteArray, settings);
    writeSettings(m_home->filePath(QStringLiteral("config/hana/hana.conf")), settings);
    CommandLine commandLine(recordsCommandLine());
    QCOMPARE(commandLine.parse({QStringLiteral("hana")}), std::nullopt);
    QCOMPARE(StoreLocation::requestedStore(commandLine), std::nullopt);
}

QTEST_GUILESS_MAIN(TestStoreLocation)
#include "tst_storelocation.moc"
