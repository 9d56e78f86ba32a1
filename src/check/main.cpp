#include "check/expectations.h"
#include "content/contentcheck.h"
#include "version/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

// hana-check [DIR]: checks a content folder (by default the one beside this
// program) as the program will use it, printing one line per problem.
int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(versionText());
    QCommandLineParser parser;
    parser.addVersionOption();
    parser.process(app);
    const QStringList arguments = QApplication::arguments();
    const QString root = QDir::cleanPath(arguments.size() > 1 ? QDir(arguments.at(1)).absolutePath()
                                                              : QApplication::applicationDirPath());

    const QStringList problems = checkContent(root, screenExpectations());
    for (const QString &problem : problems)
        std::printf("%s\n", qPrintable(problem));
    if (!problems.isEmpty()) {
        std::printf("%lld 件の問題があります: %s\n", qlonglong(problems.size()), qPrintable(root));
        return 1;
    }
    std::printf("問題はありません: %s\n", qPrintable(root));
    return 0;
}
