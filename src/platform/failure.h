#ifndef FAILURE_H
#define FAILURE_H

#include <QString>

// An error that ends the program: a content file that cannot be read, a
// picture that cannot be loaded, an index out of range. The message is shown
// to the user as it stands, so it names the file and what went wrong.
class Failure
{
public:
    explicit Failure(QString message) : m_message(std::move(message)) {}
    static Failure forFile(const QString &path, const QString &problem)
    {
        return Failure(QStringLiteral("%1\n%2").arg(problem, path));
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

#endif
