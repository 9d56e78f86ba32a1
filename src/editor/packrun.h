#ifndef PACKRUN_H
#define PACKRUN_H

#include "pack/packbuilder.h"
#include "pack/packinstaller.h"

#include <QFutureWatcher>
#include <QObject>
#include <atomic>

// What making a pack gave, in the lines hana-pack prints: what it refused
// and why, then the summary.
struct PackResult
{
    QString name;
    QString folder; // the installed pack's link
    PackSummary summary;
    QStringList problems;
    QStringList summaryLines;
};

// Makes and installs a pack as `hana-pack --install NAME SOURCE` does, on a
// worker thread, telling each step on the way; it can be stopped between
// two files, which leaves the packs as they were.
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
    void finished(const PackResult &result);

private:
    std::atomic_bool m_stop = false;
    QFutureWatcher<PackResult> m_watcher;
};

#endif
