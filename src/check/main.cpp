#include "content/contentcheck.h"
#include "platform/commandline.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

CommandLineSpec commandLineSpec()
{
    return {.program = QStringLiteral("hana-check"),
            .usage = QStringLiteral("[フォルダ]"),
            .description =
                QStringLiteral("花の図鑑の内容のフォルダを、プログラムが使うとおりに確かめます。"),
            .options = {},
            .notes = {QStringLiteral("フォルダがなければ、プログラムの横にある内容を確かめます。"),
                      QStringLiteral("問題が一つでもあれば、終了状態は 1 です。")},
            .maximumArguments = 1};
}

} // namespace

// hana-check [DIR]: checks a content folder (by default the one beside this
// program) as the program will use it, printing one line per problem.
int main(int argc, char *argv[])
{
    CommandLine commandLine(commandLineSpec());
    if (const auto status = commandLine.parse(CommandLine::arguments(argc, argv)))
        return *status;
    QCoreApplication app(argc, argv);
    const QStringList folders = commandLine.positionalArguments();
    const QString root = QDir::cleanPath(folders.isEmpty() ? QCoreApplication::applicationDirPath()
                                                           : QDir(folders.first()).absolutePath());

    const QStringList problems = texts(checkContent(root));
    for (const QString &problem : problems)
        std::printf("%s\n", qPrintable(problem));
    if (!problems.isEmpty()) {
        std::printf("%lld 件の問題があります: %s\n", qlonglong(problems.size()), qPrintable(root));
        return 1;
    }
    std::printf("問題はありません: %s\n", qPrintable(root));
    return 0;
}
