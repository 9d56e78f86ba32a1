#include "pack/progressline.h"

#include <QIODevice>

namespace {

// Back to the start of the line and erase it.
const QString EraseLine = QStringLiteral("\r\x1b[K");

// A line that wraps on a narrow terminal could not be erased whole; in
// full-width characters this still fits 80 columns.
constexpr qsizetype LongestProgress = 36;

QString shortened(const QString &progress)
{
    if (progress.size() <= LongestProgress)
        return progress;
    return progress.left(LongestProgress - 1) + QChar(0x2026);
}

} // namespace

void ProgressLine::step(const QString &step, int, int)
{
    show(step);
}

void ProgressLine::problem(const ContentProblem &problem)
{
    print(problem.text());
}

void ProgressLine::note(const ContentProblem &note)
{
    print(note.text());
}

void ProgressLine::summary(const PackSummary &summary)
{
    clear();
    for (const QString &line : summary.lines())
        print(line);
}

void ProgressLine::show(const QString &progress)
{
    const QString line = shortened(progress);
    if (!m_terminal || line == m_shown)
        return;
    write(EraseLine + line);
    m_shown = line;
}

void ProgressLine::print(const QString &line)
{
    const QString shown = m_shown;
    clear();
    write(line + QLatin1Char('\n'));
    show(shown);
}

void ProgressLine::clear()
{
    if (m_shown.isEmpty())
        return;
    write(EraseLine);
    m_shown.clear();
}

void ProgressLine::write(const QString &text)
{
    m_output->write(text.toUtf8());
}
