#include "pack/desktopentry.h"
#include "pack/packbuilder.h"
#include "pack/packinstaller.h"
#include "pack/packmessage.h"
#include "pack/progressline.h"
#include "platform/commandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A lock-free atomic may be set from a signal handler.
std::atomic_bool stopRequested = false;
static_assert(std::atomic_bool::is_always_lock_free);

void requestStop(int)
{
    stopRequested = true;
}

constexpr int Refused = 1;

const QString InstallOption = QStringLiteral("install");
const QString ListOption = QStringLiteral("list");
const QString RemoveOption = QStringLiteral("remove");
const QString SystemOption = QStringLiteral("system");

CommandLineSpec commandLineSpec()
{
    return {
        .program = QStringLiteral("hana-pack"),
        .usage = QStringLiteral("元のフォルダ 作るフォルダ"),
        .description =
            QStringLiteral("写真と文と声の元のフォルダから、花の図鑑の内容のパックを作ります。"),
        .options =
            {{{InstallOption},
              QStringLiteral("名前 元のフォルダ"),
              QStringLiteral("パックを作って入れ、メニューに「花の図鑑（名前）」を足します。")},
             {{ListOption}, {}, QStringLiteral("入っているパックを表示します。")},
             {{RemoveOption},
              QStringLiteral("名前"),
              QStringLiteral("パックとそのメニューの項目を消します。")},
             {{SystemOption},
              {},
              QStringLiteral(
                  "--install と --remove で、すべての利用者のパックを扱います（root で）。")}},
        .notes = {QStringLiteral("   または: hana-pack --install 名前 元のフォルダ [--system]"),
                  QStringLiteral("           hana-pack --list"),
                  QStringLiteral("           hana-pack --remove 名前 [--system]"), QString(),
                  QStringLiteral("元のフォルダ: pictures、texts、voices のフォルダがあるフォルダ"),
                  QStringLiteral("作るフォルダ: まだないフォルダ（空のフォルダでもかまいません）"),
                  QStringLiteral("パックの置き場所: ~/.local/share/hana/packs、--system では "
                                 "/usr/local/share/hana/packs")},
        .minimumArguments = 0,
        .maximumArguments = 2};
}

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

PackSummary pack(const std::function<PackSummary()> &run, bool terminal)
{
    if (!terminal)
        return run();
    const QuietErrorStream quiet;
    return run();
}

// The arguments that the chosen way of running takes, or the usage error.
std::optional<int> checkArguments(const CommandLine &commandLine)
{
    const qsizetype count = commandLine.positionalArguments().size();
    const int modes = int(commandLine.isSet(InstallOption)) + int(commandLine.isSet(ListOption)) +
                      int(commandLine.isSet(RemoveOption));
    if (modes > 1)
        return commandLine.usageError(
            QStringLiteral("--install、--list、--remove は一つだけ選んでください。"));
    const qsizetype wanted = commandLine.isSet(InstallOption) ? 1 : modes == 1 ? 0 : 2;
    if (count != wanted)
        return commandLine.usageError(count < wanted
                                          ? QStringLiteral("引数が足りません。")
                                          : QStringLiteral("余分な引数があります: %1")
                                                .arg(commandLine.positionalArguments().at(wanted)));
    for (const QString &option : {InstallOption, RemoveOption})
        if (commandLine.isSet(option))
            if (const auto problem = PackInstaller::nameProblem(commandLine.value(option)))
                return commandLine.usageError(*problem);
    if (commandLine.isSet(SystemOption) && ::geteuid() != 0) {
        std::fputs("hana-pack: --system で入れたり消したりするには管理者の権限が要ります"
                   "（sudo hana-pack …）。\n",
                   stderr);
        return Refused;
    }
    return std::nullopt;
}

void printList(ProgressLine &output, const PackPlace &place, const QString &whose)
{
    const QList<InstalledPack> packs = PackInstaller(place, output).installed();
    output.print(QStringLiteral("%1のパック（%2）:").arg(whose, place.packs));
    if (packs.isEmpty())
        output.print(QStringLiteral("  （ありません）"));
    for (const InstalledPack &pack : packs) {
        output.print(QStringLiteral("  %1").arg(pack.name));
        output.print(QStringLiteral("    フォルダ: %1").arg(pack.folder));
        output.print(pack.entry.isEmpty() ? QStringLiteral("    メニュー: （項目がありません）")
                                          : QStringLiteral("    メニュー: %1").arg(pack.entry));
    }
}

} // namespace

// hana-pack SOURCE OUT: makes the content folder OUT from the photographs in
// SOURCE/pictures, the UTF-8 texts in SOURCE/texts and the recordings in
// SOURCE/voices, with the rest from the
// content pack beside this program. --install, --list and --remove manage
// the packs of the user, or with --system those of every account. Exit
// status 1 when anything was refused.
int main(int argc, char *argv[])
{
    CommandLine commandLine(commandLineSpec());
    if (const auto status = commandLine.parse(CommandLine::arguments(argc, argv)))
        return *status;
    if (const auto status = checkArguments(commandLine))
        return *status;
    QCoreApplication app(argc, argv);

    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, requestStop);
    const bool system = commandLine.isSet(SystemOption);
    // The packs of every account must be readable by every account.
    if (system)
        ::umask(022);

    QFile output;
    output.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    const bool terminal = isatty(STDOUT_FILENO);
    ProgressLine progress(&output, terminal);
    const PackPlace place = system ? PackPlace::forSystem() : PackPlace::forUser();
    PackInstaller installer(place, progress);

    if (commandLine.isSet(ListOption)) {
        printList(progress, PackPlace::forUser(), QStringLiteral("この利用者"));
        printList(progress, PackPlace::forSystem(), QStringLiteral("すべての利用者"));
        return 0;
    }
    if (commandLine.isSet(RemoveOption)) {
        const QString name = commandLine.value(RemoveOption);
        if (!installer.remove(name))
            return Refused;
        progress.print(PackMessage::removed(name, DesktopEntry::title(name)));
        return 0;
    }

    PackOptions options;
    options.bundled = QCoreApplication::applicationDirPath();
    options.stop = &stopRequested;
    const QStringList arguments = commandLine.positionalArguments();
    options.source = QDir::cleanPath(arguments.at(0));
    PackSummary summary;
    if (commandLine.isSet(InstallOption)) {
        const QString name = commandLine.value(InstallOption);
        const QString program = programCommand(QCoreApplication::applicationDirPath());
        summary = pack([&] { return installer.install(name, options, program); }, terminal);
    } else {
        options.out = QDir::cleanPath(arguments.at(1));
        summary = pack([&] { return PackBuilder(options, progress).run(); }, terminal);
    }
    return summary.clean() ? 0 : Refused;
}
