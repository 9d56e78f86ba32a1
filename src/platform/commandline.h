#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QCommandLineParser>
#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

// One option as a program's help lists it; a value name makes it take a value.
// An optional value is given only as --name=VALUE: --name alone is the option
// without one, and the next argument is never taken for its value.
struct CommandLineOption
{
    QStringList names;
    QString valueName;
    QString description;
    bool valueOptional = false;
};

// What a program's command line takes and what its help says.
struct CommandLineSpec
{
    QString program;     // the command's name: "hana"
    QString usage;       // what follows the name in the usage line
    QString description; // one sentence on what the program does
    std::vector<CommandLineOption> options;
    QStringList notes; // lines after the options: arguments, examples
    int minimumArguments = 0;
    int maximumArguments = 0;
};

// A command line read as Debian's users expect: --help and --version print
// to standard output and end the program with status 0; an unknown option or
// a wrong number of arguments is a usage error, one line on standard error
// and status 2. It needs no application object, so that --help works
// without a display. The toolkit's own options (-platform, -display, ...)
// are let through for the application object to take, as the toolkit
// itself tells them apart.
class CommandLine
{
public:
    static constexpr int UsageError = 2;

    explicit CommandLine(CommandLineSpec program);

    // The process's arguments as text, the program's own path first.
    static QStringList arguments(int argc, char *argv[]);

    // Empty when the program is to go on; otherwise its exit status.
    std::optional<int> parse(const QStringList &arguments);

    bool isSet(const QString &option) const { return m_parser.isSet(option); }
    // The option's value; for an optional value, empty when none was given.
    QString value(const QString &option) const;
    QStringList positionalArguments() const { return m_parser.positionalArguments(); }

    // A usage error the program finds itself: one line naming the problem.
    int usageError(const QString &what) const;

    QString helpText() const;
    QString versionText() const;

private:
    QString optionWithoutValue(const QStringList &arguments) const;
    QStringList takeOptionalValues(const QStringList &arguments);

    CommandLineSpec m_spec;
    QCommandLineParser m_parser;
    QHash<QString, QString> m_optionalValues; // by each name of the option
};

#endif
