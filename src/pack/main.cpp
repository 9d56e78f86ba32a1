#include "pack/contentbridge.h"
#include "pack/packbuilder.h"
#include "pack/progressline.h"
#include "version/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

constexpr int Refused = 1;
constexpr int Usage = 2;

// Keeps the error stream quiet while an instance lives. libpng writes its
// own errors there, into the middle of the progress line; hana-pack names a
// bad picture in its own words.
class QuietErrorStream
{
public:
    QuietErrorStream() : m_saved(dup(STDERR_FILENO))
    {
        const int nothing = open("/dev/null", O_WRONLY);
        if (m_saved >= 0 && nothing >= 0)
            dup2(nothing, STDERR_FILENO);
        if (nothing >= 0)
            close(nothing);
    }
    ~QuietErrorStream()
    {
        std::fflush(stderr);
        if (m_saved >= 0) {
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
        }
    }
    QuietErrorStream(const QuietErrorStream &) = delete;
    QuietErrorStream &operator=(const QuietErrorStream &) = delete;

private:
    int m_saved;
};

PackSummary pack(const PackOptions &options, ProgressLine &progress, bool terminal)
{
    if (!terminal)
        return PackBuilder(options, progress).run();
    const QuietErrorStream quiet;
    return PackBuilder(options, progress).run();
}

} // namespace

// hana-pack SOURCE OUT: makes the content folder OUT from the photographs in
// SOURCE/pictures and the UTF-8 texts in SOURCE/texts, with the rest from the
// content pack beside this program. Exit status 1 when anything was refused.
int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hana-pack"));
    QApplication::setApplicationVersion(versionText());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "写真と文のフォルダ SOURCE から、花の図鑑の内容のフォルダ OUT を作ります。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("SOURCE"),
                                 QStringLiteral("pictures と texts のフォルダがあるフォルダ"));
    parser.addPositionalArgument(QStringLiteral("OUT"),
                                 QStringLiteral("作る内容のフォルダ（まだないこと）"));
    parser.process(app);
    if (parser.positionalArguments().size() != 2) {
        std::fputs(qPrintable(parser.helpText()), stderr);
        return Usage;
    }

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);

    QFile output;
    output.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    const bool terminal = isatty(STDOUT_FILENO);
    ProgressLine progress(&output, terminal);

    PackOptions options;
    options.source = QDir::cleanPath(parser.positionalArguments().at(0));
    options.out = QDir::cleanPath(parser.positionalArguments().at(1));
    options.bundled = ContentBridge::bundledRoot();
    options.stop = &stopRequested;
    const PackSummary summary = pack(options, progress, terminal);
    for (const QString &line : summary.lines(options.out, int(ContentBridge::boardNames().size())))
        progress.print(line);
    return summary.clean() ? 0 : Refused;
}
