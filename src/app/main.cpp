#include "app/errorreporter.h"
#include "app/program.h"
#include "app/screen.h"
#include "app/screennames.h"
#include "content/datapath.h"
#include "content/folderlock.h"
#include "platform/clock.h"
#include "platform/commandline.h"
#include "platform/random.h"
#include "records/records.h"
#include "records/storelocation.h"
#include "screens/screens.h"
#include "sound/deferredsound.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString ContentOption = QStringLiteral("content");
const QString FullScreenOption = QStringLiteral("fullscreen");

CommandLineSpec commandLineSpec()
{
    return {.program = QStringLiteral("hana"),
            .usage = QStringLiteral("[--content フォルダ] [--fullscreen] [--records[=FILE]]"),
            .description = QStringLiteral("花の図鑑: 60 の花の名前を、図鑑とクイズで覚えます。"),
            .options = {{{ContentOption},
                         QStringLiteral("フォルダ"),
                         QStringLiteral("そのフォルダの説明・画像・音で始めます。")},
                        {{FullScreenOption}, {}, QStringLiteral("全画面で始めます。")},
                        StoreLocation::recordsOption()},
            .notes = {QStringLiteral(
                          "--content がなければ、プログラムの横にあるフォルダの内容を使います。"),
                      QStringLiteral("どの画面でも F11 で全画面とウィンドウを切り替えます。"),
                      QStringLiteral("記録は --records のほか、~/.config/hana/hana.conf か "
                                     "/etc/xdg/hana/hana.conf の [records] の store= でも"
                                     "とります。記録をとると「だれが あそぶ？」の画面で始まり、"
                                     "子どもは hana-records --add で加えます。"),
                      QStringLiteral("postgresql://ユーザー@ホスト/データベース なら、記録は"
                                     "学校のサーバーにとり、つながらないあいだは "
                                     "~/.local/state/hana/ にためて、あとで送ります。パスワードは "
                                     "~/.pgpass に書きます。"),
                      QStringLiteral("記録をとらないときは、何も書きません。")}};
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

// The name the answers are kept under: the folder of the content, which for
// an installed pack is the pack's own name.
QString packName(const QString &contentFolder)
{
    return QFileInfo(QDir::cleanPath(contentFolder)).fileName();
}

// The run's records, when the command line or the settings ask for them.
std::unique_ptr<Records> openRecords(const CommandLine &commandLine, Clock &clock,
                                     const QString &contentFolder)
{
    const std::optional<QString> store = StoreLocation::requestedStore(commandLine);
    if (!store)
        return nullptr;
    return Records::openAt(*store, clock, packName(contentFolder));
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
    const QString contentFolder =
        content ? commandLine.value(ContentOption) : QCoreApplication::applicationDirPath();
    DataPath = dataPathFor(content ? content->path : QCoreApplication::applicationDirPath());

    SystemClock clock;
    ClockSeededRandom random(clock);
    DeferredSoundFactory sounds;
    DialogErrorReporter errors;
    const std::unique_ptr<Records> records = openRecords(commandLine, clock, contentFolder);
    Program program({clock, random, sounds, errors, records.get()});
    addScreens(program);
    if (commandLine.isSet(FullScreenOption))
        program.setWindowMode(WindowMode::FullScreen);
    QObject::connect(&program, &Program::ended, &app,
                     [](int status) { QApplication::exit(status); });

    // With records, the children first say who is playing.
    const QString first = records ? ScreenName::Learners : ScreenName::Menu;
    program.dispatch([&program, &first] { program.open(first); });
    if (program.hasEnded())
        return program.exitStatus();
    sounds.attachAfterFirstPaint(program.screen(first).form(),
                                 QApplication::applicationDirPath() + "/" HANA_SOUND_MODULE);
    return app.exec();
}
