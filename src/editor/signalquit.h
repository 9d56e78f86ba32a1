#ifndef SIGNALQUIT_H
#define SIGNALQUIT_H

#include <QFile>
#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (the session ending, Ctrl+C, the
// terminal closed) into a signal on the event loop, where the program can
// save what is typed and close as if its window were closed. The handler
// only writes one byte to a socket that the event loop watches.
class SignalQuit : public QObject
{
    Q_OBJECT

public:
    explicit SignalQuit(QObject *parent = nullptr);
    ~SignalQuit() override;

signals:
    void quitRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
    QFile m_reader;
};

#endif
