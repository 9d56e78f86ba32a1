#include "editor/packrun.h"
#include "content/contentpack.h"
#include "pack/desktopentry.h"
#include "pack/progressline.h"

#include <QBuffer>
#include <QtConcurrent/QtConcurrentRun>

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
    // Measured on a widget, so on this thread, before the worker needs it.
    ContentPack::listTextWidth();
    PackOptions run = options;
    run.stop = &m_stop;
    m_watcher.setFuture(QtConcurrent::run([this, name, run, place, program] {
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        ProgressLine line(&output, false);
        line.setObserver([this](const QString &step, int done, int total) {
            QMetaObject::invokeMethod(
                this, [this, step, done, total] { emit progress(step, done, total); },
                Qt::QueuedConnection);
        });
        PackInstaller installer(place, line);
        PackResult result;
        result.name = name;
        result.folder = installer.folderOf(name);
        result.summary = installer.install(name, run, program);
        result.problems = QString::fromUtf8(output.data()).split(u'\n', Qt::SkipEmptyParts);
        result.summaryLines = result.summary.lines(result.folder, ContentPack::EntryCount);
        if (result.summary.made && !result.summary.menuEntryFailed)
            result.summaryLines << QStringLiteral("メニューに「%1」を入れました: %2")
                                       .arg(DesktopEntry::title(name), installer.entryOf(name));
        return result;
    }));
}

void PackRun::cancel()
{
    m_stop = true;
}
