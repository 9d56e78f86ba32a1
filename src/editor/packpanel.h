#ifndef PACKPANEL_H
#define PACKPANEL_H

#include "editor/packrun.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class SourceDocument;
class QMessageBox;
class QProgressBar;
class QPushButton;

// The making of a pack as the teacher asks for it and follows it: a warning
// while flowers have something to mend, the pack's name, then the step
// under way, how far it is, a button to stop it, and at its end what it
// gave, with a way to see the pack in the picture book. The panel shows
// only while a run goes on.
class PackPanel : public QWidget
{
    Q_OBJECT

public:
    PackPanel(const PackPlace &place, const QString &program, QWidget *parent = nullptr);

    // Asks for the name, after the flowers still to mend if there are any.
    void askToMake(const QStringList &unmended, const QString &name);
    // Makes the pack of the folder under that name once its texts are
    // saved; false when it is not started, with the problem told.
    bool make(const QString &name, SourceDocument &source, const QString &bundled);
    void cancel();
    bool isRunning() const { return m_run.isRunning(); }
    // Starts the picture book on the pack installed under that name.
    void view(const QString &name);
    bool isInstalled(const QString &name) const;

signals:
    void nameChosen(const QString &name);
    void finished(const PackResult &result);
    void problem(const QString &problem);

private:
    void askForName(const QString &name);
    void start(const QString &name, const PackOptions &options);
    void showStep(const QString &step, int done, int total);
    void done(const PackResult &result);
    void showResult(const PackResult &result);
    QString problemsText(const PackResult &result) const;

    PackPlace m_place;
    QString m_program;
    PackRun m_run;
    QLabel *m_step;
    QProgressBar *m_bar;
    QPushButton *m_stop;
    QPointer<QMessageBox> m_summary;
    QString m_source;
    bool m_stopped = false;
    bool m_hadPack = false;
};

#endif
