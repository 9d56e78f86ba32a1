#ifndef STDERRLINES_H
#define STDERRLINES_H

#include <QStringList>
#include <QTemporaryFile>
#include <QtGlobal>

// Every line the program would write to stderr while it lives: its own,
// and Qt's messages, which a test would otherwise take for its own log.
// A fatal message, such as the test's own report of a hang, still reaches
// the real stderr before the process ends.
class StderrLines
{
public:
    StderrLines();
    ~StderrLines();
    StderrLines(const StderrLines &) = delete;
    StderrLines &operator=(const StderrLines &) = delete;

    // The lines so far; stderr is the real one again after.
    QStringList lines();

private:
    void restore();

    QTemporaryFile m_file;
    int m_saved = -1;
    QtMessageHandler m_previous = nullptr;
};

#endif
