#include "platform/timer.h"

Timer::Timer(const QString &name, int interval, QObject *parent) : QObject(parent)
{
    setObjectName(name);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
    setInterval(interval);
}

void Timer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    if (milliseconds <= 0)
        m_timer.stop();
    else
        m_timer.start(milliseconds);
}
