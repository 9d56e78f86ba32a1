#include "platform/commandline.h"
#include "version/version.h"

#include <QApplication>
#include <QFile>
#include <clocale>
#include <cstdio>
#include <cwchar>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const CommandLineOption Help{{QStringLiteral("h"), QStringLiteral("help")},
                             {},
                             QStringLiteral("この説明を表示して終わります。")};
const CommandLineOption Version{{QStringLiteral("v"), QStringLiteral("version")},
                                {},
                                QStringLiteral("版とライセンスを表示して終わります。")};

constexpr int OptionColumn = 24;

// The columns a text takes on a terminal, as the C library counts them in a
// UTF-8 locale whatever the user's: two for a wide (East Asian) character.
// A character it cannot print is counted as the one column of the mark a
// terminal shows for it.
qsizetype terminalWidth(const QString &text)
{
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
    const std::wstring wide = text.toStdWString();
    if (!utf8)
        return qsizetype(wide.size());
    const locale_t previous = uselocale(utf8);
    qsizetype width = wcswidth(wide.c_str(), wide.size());
    if (width < 0) {
        width = 0;
        for (const wchar_t c : wide)
            width += std::max(1, wcwidth(c));
    }
    uselocale(previous);
    return width;
}

// The arguments left when a QApplication made on them in a child process
// has taken its own options; none where it could not start.
std::optional<QStringList> leftByToolkitInChild(const QStringList &arguments)
{
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        // A toolkit that cannot start aborts; that is an answer, not a crash.
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        std::freopen("/dev/null", "w", stderr);
        std::vector<QByteArray> bytes;
        std::vector<char *> argv;
        for (const QString &argument : arguments)
            argv.push_back(bytes.emplace_back(argument.toLocal8Bit()).data());
        int argc = int(argv.size());
        argv.push_back(nullptr);
        QApplication toolkit(argc, argv.data());
        const QByteArray left = QCoreApplication::arguments().join(QChar(0)).toUtf8();
        QFile answer;
        answer.open(channel[1], QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
        _exit(answer.write(left) == left.size() && answer.flush() ? 0 : 1);
    }
    close(channel[1]);
    QFile answer;
    answer.open(channel[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QByteArray left = answer.readAll();
    answer.close();
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return std::nullopt;
    return QString::fromUtf8(left).split(QChar(0));
}

// The arguments that are left when the toolkit has taken its own options
// (-platform, -display, -title, -style and the rest, as many as this Qt
// and its platform plugin know). They are found in a child process, so that
// this process still makes its own application object later, as the
// program chooses. Where the display cannot be reached, the offscreen
// platform takes them, which knows all but the display's own options; where
// neither starts, nothing is taken.
QStringList argumentsLeftByToolkit(const QStringList &arguments)
{
    const QStringList offscreen{QStringLiteral("-platform"), QStringLiteral("offscreen")};
    if (const auto left = leftByToolkitInChild(arguments))
        return *left;
    return leftByToolkitInChild(arguments + offscreen).value_or(arguments);
}

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString optionLine(const CommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names)
        names << dashed(name);
    QString line = QStringLiteral("  ") + names.join(QStringLiteral(", "));
    if (option.valueOptional)
        line += QStringLiteral("[=%1]").arg(option.valueName);
    else if (!option.valueName.isEmpty())
        line += u' ' + option.valueName;
    const qsizetype gap = std::max<qsizetype>(1, OptionColumn - terminalWidth(line));
    return line + QString(gap, u' ') + option.description;
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine::CommandLine(CommandLineSpec program) : m_spec(std::move(program))
{
    QCoreApplication::setApplicationName(m_spec.program);
    QCoreApplication::setApplicationVersion(versionText());
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_spec.options.push_back(Help);
    m_spec.options.push_back(Version);
    for (const CommandLineOption &option : m_spec.options)
        m_parser.addOption(QCommandLineOption(option.names, option.description,
                                              option.valueOptional ? QString() : option.valueName));
}

// The arguments with each --name=VALUE of an option with an optional value
// made --name alone, its value kept aside; options end at "--".
QStringList CommandLine::takeOptionalValues(const QStringList &arguments)
{
    m_optionalValues.clear();
    QStringList left;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        optionsEnded = optionsEnded || argument == QStringLiteral("--");
        left << argument;
        for (const CommandLineOption &option : m_spec.options) {
            if (!option.valueOptional || optionsEnded)
                continue;
            for (const QString &name : option.names) {
                for (const QString &dashes : {QStringLiteral("--"), QStringLiteral("-")}) {
                    const QString bare = dashes + name;
                    if (argument != bare && !argument.startsWith(bare + u'='))
                        continue;
                    const QString value = argument.mid(bare.size() + 1);
                    for (const QString &each : option.names)
                        m_optionalValues.insert(each, value);
                    left.last() = bare;
                }
            }
        }
    }
    return left;
}

QString CommandLine::value(const QString &option) const
{
    const auto optional = m_optionalValues.constFind(option);
    return optional != m_optionalValues.cend() ? *optional : m_parser.value(option);
}

// The option that ends the command line although it takes a value.
QString CommandLine::optionWithoutValue(const QStringList &arguments) const
{
    const QString last = arguments.size() > 1 ? arguments.last() : QString();
    for (const CommandLineOption &option : m_spec.options)
        for (const QString &name : option.names)
            if (!option.valueName.isEmpty() && !option.valueOptional &&
                (last == dashed(name) || last == QStringLiteral("-") + name))
                return dashed(name);
    return {};
}

QStringList CommandLine::arguments(int argc, char *argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

std::optional<int> CommandLine::parse(const QStringList &given)
{
    const QStringList arguments = takeOptionalValues(given);
    // The toolkit's own options are known only to the toolkit, which is asked
    // only when the command line has options this program does not know.
    bool parsed = m_parser.parse(arguments);
    if (!parsed && !m_parser.unknownOptionNames().isEmpty())
        parsed = m_parser.parse(argumentsLeftByToolkit(arguments));
    if (!parsed) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(
                QStringLiteral("%1 というオプションはありません。").arg(dashed(unknown.first())));
        if (const QString option = optionWithoutValue(arguments); !option.isEmpty())
            return usageError(QStringLiteral("%1 のあとに値を書いてください。").arg(option));
        return usageError(m_parser.errorText());
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        print(stdout, helpText());
        return 0;
    }
    if (m_parser.isSet(QStringLiteral("version"))) {
        print(stdout, versionText());
        return 0;
    }
    const qsizetype count = m_parser.positionalArguments().size();
    if (count > m_spec.maximumArguments)
        return usageError(QStringLiteral("余分な引数があります: %1")
                              .arg(m_parser.positionalArguments().at(m_spec.maximumArguments)));
    if (count < m_spec.minimumArguments)
        return usageError(
            QStringLiteral("引数が足りません（使い方: %1 %2）").arg(m_spec.program, m_spec.usage));
    return std::nullopt;
}

int CommandLine::usageError(const QString &what) const
{
    print(
        stderr,
        QStringLiteral("%1: %2（使い方は %1 --help で表示されます）\n").arg(m_spec.program, what));
    return UsageError;
}

QString CommandLine::helpText() const
{
    QStringList lines{QStringLiteral("使い方: %1 %2").arg(m_spec.program, m_spec.usage),
                      m_spec.description, QString()};
    for (const CommandLineOption &option : m_spec.options)
        lines << optionLine(option);
    if (!m_spec.notes.isEmpty())
        lines << QString() << m_spec.notes;
    return lines.join(u'\n') + u'\n';
}

QString CommandLine::versionText() const
{
    return m_spec.program + u' ' + ::versionText() + u'\n';
}
