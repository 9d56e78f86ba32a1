#include "platform/fonts.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

// Which face serves each layout face depends on the fonts installed. Each case
// starts this program again on a private font configuration, which it prints
// the serving families for, and compares them.
class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void servingFaces_data();
    void servingFaces();

private:
    QString m_ipaMincho;
    QString m_ipaPMincho;
};

namespace {

QString installedFile(const QString &family)
{
    QProcess match;
    match.start("fc-match", {"-f", "%{file}", family});
    match.waitForFinished();
    return QFileInfo(QString::fromLocal8Bit(match.readAllStandardOutput())).canonicalFilePath();
}

// A font configuration that knows only the given files. A file listed with a
// family name is renamed to it as fontconfig scans it, which stands in for
// a face that is not installed here.
QString writeConfig(const QTemporaryDir &dir, const QList<QPair<QString, QString>> &fonts)
{
    QString config = "<?xml version=\"1.0\"?>\n<fontconfig>\n";
    config += QStringLiteral("<cachedir>%1/cache</cachedir>\n").arg(dir.path());
    for (int i = 0; i < fonts.size(); ++i) {
        const QString folder = QStringLiteral("%1/fonts%2").arg(dir.path()).arg(i);
        QDir().mkpath(folder);
        const QString file = folder + "/" + QFileInfo(fonts[i].first).fileName();
        QFile::link(fonts[i].first, file);
        config += QStringLiteral("<dir>%1</dir>\n").arg(folder);
        if (!fonts[i].second.isEmpty())
            config +=
                QStringLiteral("<match target=\"scan\"><test name=\"file\"><string>%1</string>"
                               "</test><edit name=\"family\" mode=\"assign\" binding=\"same\">"
                               "<string>%2</string></edit></match>\n")
                    .arg(file, fonts[i].second);
    }
    config += "</fontconfig>\n";
    const QString path = dir.path() + "/fonts.conf";
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(config.toUtf8());
    return path;
}

} // namespace

void TestFonts::initTestCase()
{
    m_ipaMincho = installedFile("IPAMincho");
    m_ipaPMincho = installedFile("IPAPMincho");
    QVERIFY2(m_ipaMincho.endsWith("ipam.ttf"), qPrintable(m_ipaMincho));
    QVERIFY2(m_ipaPMincho.endsWith("ipamp.ttf"), qPrintable(m_ipaPMincho));
}

void TestFonts::servingFaces_data()
{
    QTest::addColumn<QStringList>("renamedTo");
    QTest::addColumn<QString>("served");
    QTest::newRow("only the fallback installed") << QStringList{{}, {}} << "IPAMincho IPAPMincho";
    QTest::newRow("the layout faces installed too")
        << QStringList{"ＭＳ 明朝", "ＭＳ Ｐ明朝"} << "ＭＳ 明朝 ＭＳ Ｐ明朝";
}

void TestFonts::servingFaces()
{
    QFETCH(QStringList, renamedTo);
    QFETCH(QString, served);
    QTemporaryDir dir;
    QList<QPair<QString, QString>> fonts{{m_ipaMincho, {}}, {m_ipaPMincho, {}}};
    if (!renamedTo.first().isEmpty())
        fonts += {{m_ipaMincho, renamedTo[0]}, {m_ipaPMincho, renamedTo[1]}};
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FONTCONFIG_FILE", writeConfig(dir, fonts));
    environment.insert("HANA_PRINT_FACES", "1");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), served);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("HANA_PRINT_FACES")) {
        QApplication app(argc, argv);
        const QString mincho = QFontInfo(fontFor({Face::Mincho, 16, false})).family();
        const QString proportional = QFontInfo(fontFor({Face::PMincho, 16, false})).family();
        std::printf("%s %s\n", qPrintable(mincho), qPrintable(proportional));
        return 0;
    }
    QApplication app(argc, argv);
    TestFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fonts.moc"
