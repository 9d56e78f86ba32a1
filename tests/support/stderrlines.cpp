#include "support/stderrlines.h"

#include <cstdio>
#include <unistd.h>

namespace {

QStringList qtMessages;
int realStderr = STDERR_FILENO;

void keepMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    qtMessages << message;
    if (type == QtFatalMsg)
        dprintf(realStderr, "%s\n", qPrintable(message));
}

} // namespace

StderrLines::StderrLines()
{
    std::fflush(stderr);
    m_saved = ::dup(STDERR_FILENO);
    realStderr = m_saved;
    m_file.open();
    ::dup2(m_file.handle(), STDERR_FILENO);
    qtMessages.clear();
    m_previous = qInstallMessageHandler(keepMessage);
}

StderrLines::~StderrLines()
{
    restore();
}

QStringList StderrLines::lines()
{
    restore();
    m_file.seek(0);
    return QString::fromUtf8(m_file.readAll()).split('\n', Qt::SkipEmptyParts) + qtMessages;
}

void StderrLines::restore()
{
    if (m_saved < 0)
        return;
    std::fflush(stderr);
    ::dup2(m_saved, STDERR_FILENO);
    ::close(m_saved);
    m_saved = -1;
    realStderr = STDERR_FILENO;
    qInstallMessageHandler(m_previous);
}
