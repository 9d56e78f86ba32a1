#ifndef HELPWINDOWS_H
#define HELPWINDOWS_H

#include <QObject>
#include <QPointer>

class QTextBrowser;
class QWidget;

// The editor's help, a window of its own beside the editor, and its About
// box with the version and the licence every program gives.
class HelpWindows : public QObject
{
    Q_OBJECT

public:
    explicit HelpWindows(QWidget *window);

    void showHelp();
    void showAbout();
    void close();

private:
    QWidget *m_window;
    QPointer<QTextBrowser> m_help;
};

#endif
