#include "app/errorreporter.h"
#include "app/program.h"
#include "app/screen.h"
#include "app/screennames.h"
#include "content/datapath.h"
#include "content/folderlock.h"
#include "platform/clock.h"
#include "platform/commandline.h"
#include "platform/random.h"
#include "screens/screens.h"
#include "sound/deferredsound.h"

#include <QApplication>
#include <QFileInfo>

namespace {

const QString ContentOption = QStringLiteral("content");
const QString FullScreenOption = QStringLiteral("fullscreen");

CommandLineSpec commandLineSpec()
{
    return {.program = QStringLiteral("hana"),
            .usage = QStringLiteral("[--content フォルダ] [--fullscreen]"),
            .description = QStringLiteral("花の図鑑: 60 の花の名前を、図鑑とクイズで覚えます。"),
            .options = {{{ContentOption},
                         QStringLiteral("フォルダ"),
                         QStringLiteral("そのフォルダの説明・画像・音で始めます。")},
                        {{FullScreenOption}, {}, QStringLiteral("全画面で始めます。")}},
            .notes = {QStringLiteral(
                          "--content がなければ、プログラムの横にあるフォルダの内容を使います。"),
                      QStringLiteral("どの画面でも F11 で全画面とウィンドウを切り替えます。")}};
}

// The folder a --content option names, or why it cannot be used.
std::optional<QString> contentProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("--content のフォルダ「%1」が見つかりません。").arg(folder);
    if (!info.isDir())
        return QStringLiteral("--content の「%1」はフォルダではありません。").arg(folder);
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("--content のフォルダ「%1」を読めません。").arg(folder);
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    CommandLine commandLine(commandLineSpec());
    if (const auto status = commandLine.parse(CommandLine::arguments(argc, argv)))
        return *status;
    // A pack that is installed again while the program runs is read as it
    // was when the program started.
    std::optional<HeldFolder> content;
    if (commandLine.isSet(ContentOption)) {
        const QString folder = commandLine.value(ContentOption);
        if (const auto problem = contentProblem(folder))
            return commandLine.usageError(*problem);
        content = holdFolder(folder);
        if (!content)
            return commandLine.usageError(
                QStringLiteral("--content のフォルダ「%1」を読めません。").arg(folder));
    }

    QApplication app(argc, argv);
    // Wayland compositors find the program's desktop entry, and so its name
    // and icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.hanazukan.Hana"));
    DataPath = dataPathFor(content ? content->path : QCoreApplication::applicationDirPath());

    SystemClock clock;
    ClockSeededRandom random(clock);
    DeferredSoundFactory sounds;
    DialogErrorReporter errors;
    Program program({clock, random, sounds, errors});
    addScreens(program);
    if (commandLine.isSet(FullScreenOption))
        program.setWindowMode(WindowMode::FullScreen);
    QObject::connect(&program, &Program::ended, &app,
                     [](int status) { QApplication::exit(status); });

    program.dispatch([&program] { program.open(ScreenName::Menu); });
    if (program.hasEnded())
        return program.exitStatus();
    sounds.attachAfterFirstPaint(program.screen(ScreenName::Menu).form(),
                                 QApplication::applicationDirPath() + "/" HANA_SOUND_MODULE);
    return app.exec();
}
