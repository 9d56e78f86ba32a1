#ifndef PACKRUN_H
#define PACKRUN_H

#include "pack/packbuilder.h"
#include "pack/packinstaller.h"

#include <QFutureWatcher>
#include <QObject>
#include <atomic>

// What making a pack gave: how it ended, and what was refused or found on
// the way, in the order it was told.
struct PackResult
{
    QString name;
    QString folder; // the installed pack's link
    PackSummary summary;
    ContentProblems problems; // source files not used, files not written, the check's findings
    ContentProblems notes;    // source folders that are not there
};

// Makes and installs a pack as `hana-pack --install NAME SOURCE` does, on a
// worker thread; it can be stopped between two files, which leaves the
// packs as they were. What the run tells comes as signals on this object's
// thread.
class PackRun : public QObject
{
    Q_OBJECT

public:
    explicit PackRun(QObject *parent = nullptr);
    // Stops a run still going and waits for it.
    ~PackRun() override;

    void start(const QString &name, const PackOptions &options, const PackPlace &place,
               const QString &program);
    void cancel();
    bool isRunning() const { return m_watcher.isRunning(); }

signals:
    void progress(const QString &step, int done, int total);
    void problemFound(const ContentProblem &problem);
    void finished(const PackResult &result);

private:
    std::atomic_bool m_stop = false;
    QFutureWatcher<PackResult> m_watcher;
};

#endif
