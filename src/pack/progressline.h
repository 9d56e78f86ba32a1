#ifndef PROGRESSLINE_H
#define PROGRESSLINE_H

#include <QString>
#include <functional>

class QIODevice;

// The output of hana-pack: lasting lines, and on a terminal one progress
// line below them that each step rewrites in place. Elsewhere (a file, a
// pipe) only the lasting lines are written. An observer, where one is set,
// hears of every step, on the thread that runs it, with how far the step's
// files have come (done of total; both 0 for a step without files).
class ProgressLine
{
public:
    using Observer = std::function<void(const QString &progress, int done, int total)>;

    ProgressLine(QIODevice *output, bool terminal) : m_output(output), m_terminal(terminal) {}

    void setObserver(Observer observer) { m_observer = std::move(observer); }

    void show(const QString &progress, int done = 0, int total = 0);
    void print(const QString &line);
    void clear();

private:
    void write(const QString &text);

    QIODevice *m_output;
    bool m_terminal;
    QString m_shown;
    Observer m_observer;
};

#endif
