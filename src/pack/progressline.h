#ifndef PROGRESSLINE_H
#define PROGRESSLINE_H

#include "pack/packreport.h"

#include <QString>

class QIODevice;

// The output of hana-pack: lasting lines, and on a terminal one progress
// line below them that each step rewrites in place. Elsewhere (a file, a
// pipe) only the lasting lines are written. As a pack's report it shows
// each step on the progress line and prints each problem, each note and
// the summary as lasting lines.
class ProgressLine : public PackReport
{
public:
    ProgressLine(QIODevice *output, bool terminal) : m_output(output), m_terminal(terminal) {}

    void step(const QString &step, int done, int total) override;
    void problem(const ContentProblem &problem) override;
    void note(const ContentProblem &note) override;
    void summary(const PackSummary &summary) override;

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
