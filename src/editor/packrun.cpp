#include "editor/packrun.h"
#include "pack/packreport.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

// The report of a run on the worker thread: steps and problems go on to
// the run's own thread as they come, and everything is kept for the result.
class RunReport : public PackReport
{
public:
    explicit RunReport(PackRun *run) : m_run(run) {}

    void step(const QString &step, int done, int total) override
    {
        QMetaObject::invokeMethod(
            m_run, [run = m_run, step, done, total] { emit run->progress(step, done, total); },
            Qt::QueuedConnection);
    }
    void problem(const ContentProblem &problem) override
    {
        m_result.problems << problem;
        QMetaObject::invokeMethod(
            m_run, [run = m_run, problem] { emit run->problemFound(problem); },
            Qt::QueuedConnection);
    }
    void note(const ContentProblem &note) override { m_result.notes << note; }
    void summary(const PackSummary &summary) override { m_result.summary = summary; }

    PackResult result() const { return m_result; }

private:
    PackRun *m_run;
    PackResult m_result;
};

} // namespace

PackRun::PackRun(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<PackResult>::finished, this,
            [this] { emit finished(m_watcher.result()); });
}

PackRun::~PackRun()
{
    m_stop = true;
    m_watcher.waitForFinished();
}

void PackRun::start(const QString &name, const PackOptions &options, const PackPlace &place,
                    const QString &program)
{
    m_stop = false;
    PackOptions run = options;
    run.stop = &m_stop;
    m_watcher.setFuture(QtConcurrent::run([this, name, run, place, program] {
        RunReport report(this);
        PackInstaller installer(place, report);
        installer.install(name, run, program);
        PackResult result = report.result();
        result.name = name;
        result.folder = installer.folderOf(name);
        return result;
    }));
}

void PackRun::cancel()
{
    m_stop = true;
}
