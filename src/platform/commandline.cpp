#include "platform/commandline.h"
#include "version/version.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

const CommandLineOption Help{{QStringLiteral("h"), QStringLiteral("help")},
                             {},
                             QStringLiteral("この説明を表示して終わります。")};
const CommandLineOption Version{{QStringLiteral("v"), QStringLiteral("version")},
                                {},
                                QStringLiteral("版とライセンスを表示して終わります。")};

// The options QGuiApplication and QApplication take from the command line,
// with whether they take a value.
const std::vector<std::pair<QString, bool>> ToolkitOptions = {
    {QStringLiteral("platform"), true},        {QStringLiteral("platformpluginpath"), true},
    {QStringLiteral("platformtheme"), true},   {QStringLiteral("plugin"), true},
    {QStringLiteral("display"), true},         {QStringLiteral("geometry"), true},
    {QStringLiteral("qwindowgeometry"), true}, {QStringLiteral("qwindowicon"), true},
    {QStringLiteral("qwindowtitle"), true},    {QStringLiteral("session"), true},
    {QStringLiteral("style"), true},           {QStringLiteral("stylesheet"), true},
    {QStringLiteral("reverse"), false},        {QStringLiteral("widgetcount"), false},
};

constexpr int OptionColumn = 24;

// The columns a text takes on a terminal: two for a wide (East Asian) character.
qsizetype terminalWidth(const QString &text)
{
    qsizetype width = 0;
    for (const char32_t c : text.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x20000;
        width += wide ? 2 : 1;
    }
    return width;
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
    if (!option.valueName.isEmpty())
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
        m_parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));
    for (const auto &[name, takesValue] : ToolkitOptions) {
        QCommandLineOption option(name, QString(), takesValue ? name : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
}

// The option that ends the command line although it takes a value.
QString CommandLine::optionWithoutValue(const QStringList &arguments) const
{
    const QString last = arguments.size() > 1 ? arguments.last() : QString();
    for (const CommandLineOption &option : m_spec.options)
        for (const QString &name : option.names)
            if (!option.valueName.isEmpty() &&
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

std::optional<int> CommandLine::parse(const QStringList &arguments)
{
    if (!m_parser.parse(arguments)) {
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
