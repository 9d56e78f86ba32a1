#ifndef PROGRESSLINE_H
#define PROGRESSLINE_H

#include <QString>

class QIODevice;

// The output of hana-pack: lasting lines, and on a terminal one progress
// line below them that each step rewrites in place. Elsewhere (a file, a
// pipe) only the lasting lines are written.
class ProgressLine
{
public:
    ProgressLine(QIODevice *output, bool terminal) : m_output(output), m_terminal(terminal) {}

    void show(const QString &progress);
    void print(const QString &line);
    void clear();

private:
    void write(const QString &text);

    QIODevice *m_output;
    bool m_terminal;
    QString m_shown;
};

#endif
