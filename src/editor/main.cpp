#include "editor/editormessage.h"
#include "editor/editorwindow.h"
#include "editor/signalquit.h"
#include "pack/packinstaller.h"
#include "platform/commandline.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace {

CommandLineSpec commandLineSpec()
{
    return {.program = QStringLiteral("hana-editor"),
            .usage = QStringLiteral("[元のフォルダ]"),
            .description = QStringLiteral(
                "写真と説明の文から花の図鑑の内容を作る窓を開きます（花の図鑑の内容づくり）。"),
            .options = {},
            .notes = {QStringLiteral("元のフォルダ: pictures と texts のフォルダがある、"
                                     "またはこれから入れるフォルダ"),
                      QStringLiteral(
                          "元のフォルダがなければ、新しく作るか前のものを開くかを選べます。")},
            .minimumArguments = 0,
            .maximumArguments = 1};
}

} // namespace

// hana-editor [SOURCE]: the pack editor for teachers, on SOURCE or on the
// choice of a folder. The bundled pack and the program lie beside it.
int main(int argc, char *argv[])
{
    CommandLine commandLine(commandLineSpec());
    if (const auto status = commandLine.parse(CommandLine::arguments(argc, argv)))
        return *status;
    const QStringList arguments = commandLine.positionalArguments();
    if (!arguments.isEmpty() && !QFileInfo(arguments.first()).isDir())
        return commandLine.usageError(QStringLiteral("%1: %2").arg(
            arguments.first(), QFileInfo::exists(arguments.first())
                                   ? EditorMessage::fileNotFolder()
                                   : QStringLiteral("フォルダが見つかりません。")));

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("花の図鑑の内容づくり"));
    QApplication::setDesktopFileName(QStringLiteral("net.hanazukan.Hana.Editor"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("net.hanazukan.Hana")));
    // The toolkit's own words (buttons, file dialogs) in Japanese, as the rest.
    QTranslator toolkit;
    if (toolkit.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkit);

    const QString beside = QApplication::applicationDirPath();
    EditorWindow window({beside, programCommand(beside), PackPlace::forUser(), {}});
    SignalQuit quitSignals;
    QObject::connect(&quitSignals, &SignalQuit::quitRequested, &window, &QWidget::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { window.saveAll(); });
    window.show();
    if (arguments.isEmpty()) {
        window.showWelcome();
    } else if (const auto problem = window.openFolder(arguments.first())) {
        window.showWelcome();
        QMessageBox::warning(&window, QStringLiteral("開けません"), *problem);
    }
    return QApplication::exec();
}
