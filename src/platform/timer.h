#ifndef TIMER_H
#define TIMER_H

#include <QObject>
#include <QTimer>

// A screen timer, started and stopped only through its interval: 0 means no
// ticks, any other value a tick every that many milliseconds.
class Timer : public QObject
{
    Q_OBJECT

public:
    Timer(const QString &name, int interval, QObject *parent);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isTicking() const { return m_timer.isActive(); }

signals:
    void tick();

private:
    QTimer m_timer;
    int m_interval = 0;
};

#endif
