#ifndef ERRORREPORTER_H
#define ERRORREPORTER_H

#include <QString>

// Tells the user why the program has to end.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const QString &message) = 0;
};

// Writes the message to stderr and shows it in a Japanese error dialog.
class DialogErrorReporter : public ErrorReporter
{
public:
    void report(const QString &message) override;
};

#endif
