#include "progressline.h"

#include <QIODevice>

namespace {

// Back to the start of the line and erase it.
const QString EraseLine = QStringLiteral("\r\x1b[K");

} // namespace

void ProgressLine::show(const QString &progress)
{
    if (!m_terminal || progress == m_shown)
        return;
    write(EraseLine + progress);
    m_shown = progress;
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
